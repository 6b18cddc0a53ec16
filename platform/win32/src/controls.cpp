// Registration and shared helpers of the built-in controls.
#include "controls_internal.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace win32::controls {

namespace {

// Used when GDI cannot measure a font: the cell of the 8-point dialog font.
constexpr FontMetrics kFallbackMetrics{6, 13};

// Longest class name GetClassNameA can give back for a built-in class check.
constexpr int kClassNameBufferSize = 64;

constexpr SHORT kKeyDownBit = static_cast<SHORT>(0x8000);

int FoldCase(char c)
{
    return std::tolower(static_cast<unsigned char>(c));
}

}  // namespace

void RegisterBuiltinControls()
{
    static const bool registered = [] {
        RegisterButtonClass();
        RegisterEditClass();
        RegisterStaticClass();
        RegisterListBoxClasses();
        RegisterComboBoxClass();
        RegisterUpDownClass();
        return true;
    }();
    (void)registered;
}

BOOL RegisterControlClass(const char *className, WNDPROC windowProc, UINT classStyle)
{
    WNDCLASSA wc{};
    wc.style = classStyle | CS_GLOBALCLASS;
    wc.lpfnWndProc = windowProc;
    wc.cbWndExtra = kStateBytes;
    wc.lpszClassName = className;
    return RegisterClassA(&wc) != 0;
}

LRESULT NotifyParent(HWND control, WORD code)
{
    HWND parent = GetParent(control);
    if (parent == nullptr)
        return 0;
    const WORD id = static_cast<WORD>(GetDlgCtrlID(control));
    return SendMessageA(parent, WM_COMMAND, MakeWParam(id, code), reinterpret_cast<LPARAM>(control));
}

FontMetrics MeasureFont(HWND hwnd, HFONT hFont)
{
    HDC dc = GetDC(hwnd);
    if (dc == nullptr)
        return kFallbackMetrics;
    HGDIOBJ previous = hFont != nullptr ? SelectObject(dc, hFont) : nullptr;
    TEXTMETRICA tm{};
    const BOOL measured = GetTextMetricsA(dc, &tm);
    if (previous != nullptr)
        SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);
    if (!measured || tm.tmAveCharWidth <= 0 || tm.tmHeight <= 0)
        return kFallbackMetrics;
    return FontMetrics{tm.tmAveCharWidth, tm.tmHeight};
}

void PaintControlBackground(HWND hwnd, UINT ctlColorMessage, int sysColorIndex)
{
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return;
    HBRUSH brush = nullptr;
    if (HWND parent = GetParent(hwnd))
        brush = reinterpret_cast<HBRUSH>(
            SendMessageA(parent, ctlColorMessage, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    if (brush == nullptr)
        brush = GetSysColorBrush(sysColorIndex);
    RECT client{};
    GetClientRect(hwnd, &client);
    if (brush != nullptr)
        FillRect(dc, &client, brush);
    EndPaint(hwnd, &ps);
}

bool IsKeyDown(int virtualKey)
{
    return (GetKeyState(virtualKey) & kKeyDownBit) != 0;
}

int CompareNoCase(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const int difference = FoldCase(a[i]) - FoldCase(b[i]);
        if (difference != 0)
            return difference;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

LRESULT CopyTextOut(std::string_view text, char *buffer, size_t bufferSize)
{
    if (buffer == nullptr || bufferSize == 0)
        return 0;
    const size_t count = std::min(text.size(), bufferSize - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count);
}

bool HasClassName(HWND hwnd, const char *className)
{
    char name[kClassNameBufferSize] = {};
    if (GetClassNameA(hwnd, name, kClassNameBufferSize) == 0)
        return false;
    return EqualsNoCase(name, className);
}

}  // namespace win32::controls

void WINAPI InitCommonControls(void)
{
    win32::controls::RegisterBuiltinControls();
}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX *picce)
{
    if (picce == nullptr || picce->dwSize != sizeof(INITCOMMONCONTROLSEX))
        return FALSE;
    win32::controls::RegisterBuiltinControls();
    return TRUE;
}
