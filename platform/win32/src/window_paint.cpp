// The painting flow: invalid areas, WM_ERASEBKGND and WM_PAINT, BeginPaint
// and EndPaint, and the system colours. Pixels are GDI's: each window has its
// own surface behind GetDC.
//
// A window's invalid area is kept as its bounding rectangle.
#include "window_internal.h"

#include <algorithm>

using win32::core::Sys;
using win32::core::Window;
using win32::core::WindowSystem;

namespace {

// The classic ("Windows Standard") colour scheme, by COLOR_ index.
constexpr COLORREF kClassicColors[win32::core::kSystemColorCount] = {
    Rgb(192, 192, 192),  // COLOR_SCROLLBAR
    Rgb(0, 128, 128),    // COLOR_BACKGROUND
    Rgb(0, 0, 128),      // COLOR_ACTIVECAPTION
    Rgb(128, 128, 128),  // COLOR_INACTIVECAPTION
    Rgb(192, 192, 192),  // COLOR_MENU
    Rgb(255, 255, 255),  // COLOR_WINDOW
    Rgb(0, 0, 0),        // COLOR_WINDOWFRAME
    Rgb(0, 0, 0),        // COLOR_MENUTEXT
    Rgb(0, 0, 0),        // COLOR_WINDOWTEXT
    Rgb(255, 255, 255),  // COLOR_CAPTIONTEXT
    Rgb(192, 192, 192),  // COLOR_ACTIVEBORDER
    Rgb(192, 192, 192),  // COLOR_INACTIVEBORDER
    Rgb(128, 128, 128),  // COLOR_APPWORKSPACE
    Rgb(0, 0, 128),      // COLOR_HIGHLIGHT
    Rgb(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    Rgb(192, 192, 192),  // COLOR_BTNFACE
    Rgb(128, 128, 128),  // COLOR_BTNSHADOW
    Rgb(128, 128, 128),  // COLOR_GRAYTEXT
    Rgb(0, 0, 0),        // COLOR_BTNTEXT
    Rgb(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    Rgb(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    Rgb(0, 0, 0),        // COLOR_3DDKSHADOW
    Rgb(192, 192, 192),  // COLOR_3DLIGHT
    Rgb(0, 0, 0),        // COLOR_INFOTEXT
    Rgb(255, 255, 225),  // COLOR_INFOBK
    Rgb(192, 192, 192),  // 25: unused
    Rgb(0, 0, 128),      // COLOR_HOTLIGHT
    Rgb(16, 132, 208),   // COLOR_GRADIENTACTIVECAPTION
    Rgb(181, 181, 181),  // COLOR_GRADIENTINACTIVECAPTION
    Rgb(0, 0, 128),      // COLOR_MENUHILIGHT
    Rgb(192, 192, 192),  // COLOR_MENUBAR
};

bool IsEmpty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

RECT ClientRectOf(const Window& window) { return RECT{0, 0, window.Width(), window.Height()}; }

void ClearUpdate(Window& window) {
    window.update = RECT{};
    window.updateErase = false;
}

// Sends WM_ERASEBKGND now; the area counts as erased when the window says so.
void EraseNow(HWND hwnd) {
    HDC dc = GetDC(hwnd);
    SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (dc) ReleaseDC(hwnd, dc);
    if (Window* window = Sys().Find(hwnd)) window->updateErase = false;
}

void PaintNow(HWND hwnd) {
    WindowSystem& sys = Sys();
    Window* window = sys.Find(hwnd);
    if (!window || !win32::core::IsShown(hwnd)) return;
    if (!IsEmpty(window->update)) {
        if (window->updateErase) EraseNow(hwnd);
        window = sys.Find(hwnd);
        if (window && !IsEmpty(window->update)) SendMessageA(hwnd, WM_PAINT, 0, 0);
    }
    window = sys.Find(hwnd);
    if (!window) return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children) PaintNow(child);
}

}  // namespace

namespace win32::core {

void Invalidate(Window& window, const RECT* rect, bool erase) {
    RECT area = ClientRectOf(window);
    if (rect) IntersectRect(&area, &area, rect);
    if (IsEmpty(area)) return;
    UnionRect(&window.update, &window.update, &area);
    window.updateErase = window.updateErase || erase;
}

void InvalidateTree(HWND hwnd, bool erase) {
    Window* window = Sys().Find(hwnd);
    if (!window) return;
    Invalidate(*window, nullptr, erase);
    for (HWND child : window->children) InvalidateTree(child, erase);
}

HBRUSH ClassBackgroundBrush(const Window& window) { return window.windowClass->background; }

HWND NextWindowToPaint(HWND filter) {
    WindowSystem& sys = Sys();
    for (HWND hwnd : sys.AllWindows()) {
        Window* window = sys.Find(hwnd);
        if (IsEmpty(window->update) || !IsShown(hwnd)) continue;
        if (!MatchesFilter(hwnd, filter, WM_PAINT, 0, 0)) continue;
        return hwnd;
    }
    return nullptr;
}

void FillWithBrush(HDC dc, const RECT& rect, HBRUSH brush) {
    if (dc && brush) FillRect(dc, &rect, brush);
}

}  // namespace win32::core

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    WindowSystem& sys = Sys();
    if (!hWnd) {
        for (HWND hwnd : sys.AllWindows()) win32::core::Invalidate(*sys.Find(hwnd), nullptr, bErase != FALSE);
        return TRUE;
    }
    Window* window = sys.Find(hWnd);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    win32::core::Invalidate(*window, lpRect, bErase != FALSE);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) {
    Window* window = Sys().Find(hWnd);
    if (!window) return hWnd ? FALSE : TRUE;
    RECT& update = window->update;
    if (!lpRect) {
        ClearUpdate(*window);
        return TRUE;
    }
    // Only whole bands come off the bounding rectangle.
    const RECT& v = *lpRect;
    const bool coversWidth = v.left <= update.left && v.right >= update.right;
    const bool coversHeight = v.top <= update.top && v.bottom >= update.bottom;
    if (coversWidth && coversHeight) {
        ClearUpdate(*window);
    } else if (coversWidth && v.top <= update.top && v.bottom > update.top) {
        update.top = v.bottom;
    } else if (coversWidth && v.bottom >= update.bottom && v.top < update.bottom) {
        update.bottom = v.top;
    } else if (coversHeight && v.left <= update.left && v.right > update.left) {
        update.left = v.right;
    } else if (coversHeight && v.right >= update.right && v.left < update.right) {
        update.right = v.left;
    }
    if (IsEmpty(update)) ClearUpdate(*window);
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
    if (!Sys().Find(hWnd)) return FALSE;
    PaintNow(hWnd);
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN, UINT flags) {
    WindowSystem& sys = Sys();
    if (!hWnd) hWnd = sys.Desktop();
    Window* window = sys.Find(hWnd);
    if (!window) return FALSE;
    std::vector<HWND> targets{hWnd};
    if (flags & RDW_ALLCHILDREN) {
        for (HWND hwnd : sys.AllWindows())
            if (IsChild(hWnd, hwnd)) targets.push_back(hwnd);
    }
    for (HWND target : targets) {
        Window* w = sys.Find(target);
        if (!w) continue;
        if (flags & RDW_INVALIDATE) win32::core::Invalidate(*w, target == hWnd ? lprcUpdate : nullptr, flags & RDW_ERASE);
        if (flags & RDW_VALIDATE) ValidateRect(target, target == hWnd ? lprcUpdate : nullptr);
    }
    if (flags & RDW_UPDATENOW) {
        PaintNow(hWnd);
    } else if (flags & RDW_ERASENOW) {
        for (HWND target : targets)
            if (Window* w = sys.Find(target); w && w->updateErase && win32::core::IsShown(target)) EraseNow(target);
    }
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) {
    Window* window = Sys().Find(hWnd);
    if (!window) return FALSE;
    const bool invalid = !IsEmpty(window->update);
    if (lpRect) *lpRect = invalid ? window->update : RECT{};
    if (invalid && bErase && window->updateErase) EraseNow(hWnd);
    return invalid ? TRUE : FALSE;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    WindowSystem& sys = Sys();
    Window* window = sys.Find(hWnd);
    if (!window || !lpPaint) return nullptr;
    *lpPaint = PAINTSTRUCT{};
    const RECT area = window->update;
    const bool wantsErase = window->updateErase;
    ClearUpdate(*window);
    HDC dc = GetDC(hWnd);
    lpPaint->hdc = dc;
    lpPaint->rcPaint = area;
    if (wantsErase) lpPaint->fErase = SendMessageA(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    if (!lpPaint) return FALSE;
    if (lpPaint->hdc) ReleaseDC(hWnd, lpPaint->hdc);
    Sys().NotifyChanged();
    return TRUE;
}

DWORD WINAPI GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex >= win32::core::kSystemColorCount) return 0;
    return kClassicColors[nIndex];
}

HBRUSH WINAPI GetSysColorBrush(int nIndex) {
    if (nIndex < 0 || nIndex >= win32::core::kSystemColorCount) return nullptr;
    HBRUSH& brush = Sys().sysColorBrushes[static_cast<size_t>(nIndex)];
    if (!brush || GetObjectType(brush) != OBJ_BRUSH) brush = CreateSolidBrush(GetSysColor(nIndex));
    return brush;
}
