// Shared plumbing of the built-in controls (Button, Edit, Static, ComboBox,
// ComboLBox, ListBox, msctls_updown32).
//
// Index:
//   RegisterBuiltinControls       registers every built-in class once
//   Register*Class                one per control unit
//   GetControlState/SetControlState  the per-window state in the extra bytes
//   NotifyParent                  WM_COMMAND notification to the parent
//   MeasureFont                   average width and height of a control's font
//   PaintControlBackground        WM_PAINT that only fills the background
//   text helpers                  case-insensitive comparisons of the lists
#ifndef DORVANE_WIN32_CONTROLS_INTERNAL_H
#define DORVANE_WIN32_CONTROLS_INTERNAL_H

#include <windows.h>

#include <string>
#include <string_view>

namespace win32::controls {

// ---- Registration ----

// Registers the built-in control classes as global classes. Idempotent: the
// window core calls it before it looks up a class, InitCommonControls too.
void RegisterBuiltinControls();

void RegisterButtonClass();
void RegisterEditClass();
void RegisterStaticClass();
void RegisterListBoxClasses();  // "ListBox" and the combo box's "ComboLBox"
void RegisterComboBoxClass();
void RegisterUpDownClass();

// Registers one built-in class whose windows keep a state pointer in their
// extra bytes. Returns FALSE if the class could not be registered.
BOOL RegisterControlClass(const char *className, WNDPROC windowProc, UINT classStyle);

// ---- Per-window state ----

// Each built-in control keeps a pointer to its state struct in its window
// extra bytes, as Win32 controls do: allocated at WM_NCCREATE, freed at
// WM_NCDESTROY.
inline constexpr int kStateOffset = 0;
inline constexpr int kStateBytes = sizeof(LONG_PTR);

template <typename State>
State *GetControlState(HWND hwnd)
{
    return reinterpret_cast<State *>(GetWindowLongPtrA(hwnd, kStateOffset));
}

template <typename State>
void SetControlState(HWND hwnd, State *state)
{
    SetWindowLongPtrA(hwnd, kStateOffset, reinterpret_cast<LONG_PTR>(state));
}

// ---- Notifications ----

// Sends WM_COMMAND (control ID, code) with the control's window to its parent
// and returns the parent's reply; 0 when the control has no parent.
LRESULT NotifyParent(HWND control, WORD code);

// ---- Fonts, painting ----

// The metric model of GDI: characters are laid out in cells of the font's
// average character width.
struct FontMetrics {
    int nAveCharWidth;
    int nHeight;
};

// Metrics of hFont, or of the DC's default font when hFont is null.
FontMetrics MeasureFont(HWND hwnd, HFONT hFont);

// The WM_PAINT of a control whose picture is drawn by a front end: fills the
// client area with the brush the parent answers to ctlColorMessage, or else
// with the system colour sysColorIndex.
void PaintControlBackground(HWND hwnd, UINT ctlColorMessage, int sysColorIndex);

// ---- Keyboard ----

bool IsKeyDown(int virtualKey);

// WM_KEYDOWN's lParam has bit 30 set when the key was already down (auto-repeat).
inline bool IsKeyRepeat(LPARAM keyData)
{
    constexpr LPARAM kPreviousKeyStateBit = LPARAM{1} << 30;
    return (keyData & kPreviousKeyStateBit) != 0;
}

// ---- Text ----

bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Orders strings the way a sorted list does: case-insensitively.
int CompareNoCase(std::string_view a, std::string_view b);

// Copies text into a caller's buffer of bufferSize characters the way
// WM_GETTEXT does: truncated, always terminated. Returns the characters copied.
LRESULT CopyTextOut(std::string_view text, char *buffer, size_t bufferSize);

// Whether the window's class is className (case-insensitive).
bool HasClassName(HWND hwnd, const char *className);

// ---- Packing ----
// The LOWORD/MAKELONG family as typed functions: the header macros use C casts.

constexpr WORD LowWord(DWORD_PTR value)
{
    return static_cast<WORD>(value & 0xFFFF);
}

constexpr WORD HighWord(DWORD_PTR value)
{
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}

constexpr DWORD MakeLong(DWORD_PTR low, DWORD_PTR high)
{
    return static_cast<DWORD>(LowWord(low)) | (static_cast<DWORD>(LowWord(high)) << 16);
}

constexpr WPARAM MakeWParam(DWORD_PTR low, DWORD_PTR high)
{
    return static_cast<WPARAM>(MakeLong(low, high));
}

constexpr LRESULT MakeLResult(DWORD_PTR low, DWORD_PTR high)
{
    return static_cast<LRESULT>(MakeLong(low, high));
}

// Whether a name argument is a resource ordinal rather than a string.
inline bool IsIntResource(const char *name)
{
    return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
}

// Mouse position packed in a mouse message's lParam, signed as Win32 packs it.
inline POINT PointFromLParam(LPARAM lParam)
{
    const auto packed = static_cast<DWORD_PTR>(lParam);
    return POINT{static_cast<SHORT>(LowWord(packed)), static_cast<SHORT>(HighWord(packed))};
}

}  // namespace win32::controls

#endif
