// DefWindowProcA: what a window does with a message its procedure leaves alone.
#include "window_internal.h"

#include <algorithm>
#include <cstring>

using win32::core::Sys;
using win32::core::Window;

namespace {

LRESULT CopyText(const std::string& text, WPARAM bufferSize, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || bufferSize == 0) return 0;
    const size_t count = std::min(text.size(), static_cast<size_t>(bufferSize) - 1);
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT OnNcCreate(Window& window, LPARAM lParam) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) window.text = cs->lpszName;
    return TRUE;
}

LRESULT OnEraseBackground(Window& window, WPARAM wParam) {
    HBRUSH brush = win32::core::ClassBackgroundBrush(window);
    if (!brush) return 0;
    win32::core::FillWithBrush(reinterpret_cast<HDC>(wParam), RECT{0, 0, window.Width(), window.Height()}, brush);
    return 1;
}

LRESULT OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
}

// The colours of a control drawn on its parent: window colours for edits and
// lists, the 3-D face for the rest.
LRESULT OnControlColor(UINT message, WPARAM wParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    const bool windowColors = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    const int background = windowColors ? COLOR_WINDOW : COLOR_3DFACE;
    if (dc) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(background));
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

// F1 asks for help on the window with the focus (or the active window).
void SendHelpRequest() {
    HWND target = GetFocus();
    if (!target) target = GetActiveWindow();
    if (!target) return;
    HELPINFO info{};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(target);
    info.hItemHandle = target;
    info.dwContextId = GetWindowContextHelpId(target);
    GetCursorPos(&info.MousePos);
    SendMessageA(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

// Help, context menus and mouse activation go up to the parent of a child
// window (or the owner of a top-level one) until someone answers.
HWND UpwardTarget(const Window& window) { return window.IsChildStyle() ? window.parent : window.owner; }

void OnWindowPosChanged(HWND hwnd, LPARAM lParam) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!pos) return;
    if (!(pos->flags & SWP_NOSIZE)) SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MakeLParam(pos->cx, pos->cy));
    if (!(pos->flags & SWP_NOMOVE)) SendMessageA(hwnd, WM_MOVE, 0, MakeLParam(pos->x, pos->y));
}

}  // namespace

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* window = Sys().Find(hWnd);
    if (!window) return 0;
    switch (Msg) {
    case WM_NCCREATE: return OnNcCreate(*window, lParam);
    case WM_SETTEXT:
        window->text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
        return TRUE;
    case WM_GETTEXT: return CopyText(window->text, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(window->text.size());
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        if (LowWord(lParam)) InvalidateRect(hWnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(window->font);
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_ERASEBKGND: return OnEraseBackground(*window, wParam);
    case WM_PAINT: return OnPaint(hWnd);
    case WM_NCHITTEST: return HTCLIENT;
    case WM_NCACTIVATE: return TRUE;
    case WM_ACTIVATE:
        if (LowWord(wParam) != WA_INACTIVE && !(window->style & WS_MINIMIZE)) SetFocus(hWnd);
        return 0;
    case WM_MOUSEACTIVATE:
        if (HWND up = window->IsChildStyle() ? window->parent : nullptr) {
            const LRESULT answer = SendMessageA(up, WM_MOUSEACTIVATE, wParam, lParam);
            if (answer) return answer;
        }
        return MA_ACTIVATE;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(hWnd, lParam); return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return OnControlColor(Msg, wParam);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (wParam == VK_F1) SendHelpRequest();
        return 0;
    case WM_HELP:
    case WM_CONTEXTMENU:
        if (HWND up = UpwardTarget(*window)) return SendMessageA(up, Msg, wParam, lParam);
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hWnd) ReleaseCapture();
        return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_NOTIFYFORMAT: return NFR_ANSI;
    case WM_GETDLGCODE:
    case WM_SETCURSOR:
    default: return 0;
    }
}
