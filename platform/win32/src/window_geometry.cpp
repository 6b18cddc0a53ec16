// Window geometry: rectangles and coordinates, moving, sizing, z-order,
// showing and hiding, hit testing, rectangle helpers and system metrics.
//
// There is no non-client area: the client rectangle is the window rectangle.
#include "window_internal.h"

#include <algorithm>
#include <cstdlib>

using win32::core::FindOrFail;
using win32::core::Sys;
using win32::core::Window;
using win32::core::WindowSystem;

namespace {

POINT ScreenOrigin(HWND hwnd) {
    if (!hwnd) return POINT{0, 0};
    Window* window = Sys().Find(hwnd);
    return window ? win32::core::ClientOrigin(*window) : POINT{0, 0};
}

void MoveInZOrder(Window& window, HWND insertAfter) {
    Window* parent = Sys().Find(window.parent);
    if (!parent) return;
    std::vector<HWND>& siblings = parent->children;
    std::erase(siblings, window.handle);
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        siblings.insert(siblings.begin(), window.handle);
        return;
    }
    if (insertAfter == HWND_BOTTOM) {
        siblings.push_back(window.handle);
        return;
    }
    auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
    siblings.insert(after == siblings.end() ? siblings.begin() : after + 1, window.handle);
}

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// The visible child of parent at a point in parent's client coordinates,
// topmost first, passing over children that answer HTTRANSPARENT.
HWND VisibleChildAt(HWND parent, POINT clientPoint, bool skipDisabled) {
    WindowSystem& sys = Sys();
    Window* parentWindow = sys.Find(parent);
    if (!parentWindow) return nullptr;
    const std::vector<HWND> children = parentWindow->children;
    for (HWND child : children) {
        Window* window = sys.Find(child);
        if (!window || !(window->style & WS_VISIBLE) || !Contains(window->rect, clientPoint)) continue;
        if (skipDisabled && (window->style & WS_DISABLED)) continue;
        const POINT origin = win32::core::ClientOrigin(*window);
        const POINT screen{clientPoint.x + origin.x - window->rect.left, clientPoint.y + origin.y - window->rect.top};
        if (SendMessageA(child, WM_NCHITTEST, 0, MakeLParam(screen.x, screen.y)) == HTTRANSPARENT) continue;
        return child;
    }
    return nullptr;
}

}  // namespace

namespace win32::core {

// The deepest visible window at a screen point. Disabled windows are found
// (so that input aimed at them can be dropped) unless skipDisabled.
HWND DeepestWindowAt(POINT screen, bool skipDisabled) {
    WindowSystem& sys = Sys();
    HWND found = VisibleChildAt(sys.Desktop(), screen, skipDisabled);
    while (found) {
        Window* window = sys.Find(found);
        const POINT origin = ClientOrigin(*window);
        HWND child = VisibleChildAt(found, POINT{screen.x - origin.x, screen.y - origin.y}, skipDisabled);
        if (!child) break;
        found = child;
    }
    return found;
}

}  // namespace win32::core

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
    Window* window = FindOrFail(hWnd);
    if (!window || !lpRect) return FALSE;
    const POINT origin = win32::core::ClientOrigin(*window);
    *lpRect = RECT{origin.x, origin.y, origin.x + window->Width(), origin.y + window->Height()};
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    Window* window = FindOrFail(hWnd);
    if (!window || !lpRect) return FALSE;
    *lpRect = RECT{0, 0, window->Width(), window->Height()};
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    Window* window = FindOrFail(hWnd);
    if (!window || !lpPoint) return FALSE;
    const POINT origin = win32::core::ClientOrigin(*window);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    Window* window = FindOrFail(hWnd);
    if (!window || !lpPoint) return FALSE;
    const POINT origin = win32::core::ClientOrigin(*window);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}

int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
    if ((hWndFrom && !FindOrFail(hWndFrom)) || (hWndTo && !FindOrFail(hWndTo))) return 0;
    const POINT from = ScreenOrigin(hWndFrom);
    const POINT to = ScreenOrigin(hWndTo);
    const LONG dx = from.x - to.x;
    const LONG dy = from.y - to.y;
    for (UINT i = 0; lpPoints && i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return MakeLong(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    WindowSystem& sys = Sys();
    Window* window = FindOrFail(hWnd);
    if (!window || hWnd == sys.Desktop()) return FALSE;
    const RECT old = window->rect;
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    WINDOWPOS pos{hWnd, hWndInsertAfter, X, Y, std::max(cx, 0), std::max(cy, 0), uFlags};
    if (uFlags & SWP_NOMOVE) {
        pos.x = old.left;
        pos.y = old.top;
    }
    if (uFlags & SWP_NOSIZE) {
        pos.cx = old.right - old.left;
        pos.cy = old.bottom - old.top;
    }
    if (!(uFlags & SWP_NOSENDCHANGING)) {
        SendMessageA(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        window = sys.Find(hWnd);
        if (!window) return FALSE;
    }
    const RECT target{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
    const bool moved = target.left != old.left || target.top != old.top;
    const bool sized = (target.right - target.left) != (old.right - old.left) ||
                       (target.bottom - target.top) != (old.bottom - old.top);
    const bool show = (pos.flags & SWP_SHOWWINDOW) && !wasVisible;
    const bool hide = (pos.flags & SWP_HIDEWINDOW) && wasVisible;
    const bool reorder = !(pos.flags & SWP_NOZORDER);
    if (!moved) pos.flags |= SWP_NOMOVE;
    if (!sized) pos.flags |= SWP_NOSIZE;
    if (!moved && !sized && !show && !hide && !reorder && !(pos.flags & SWP_FRAMECHANGED)) return TRUE;

    window->rect = target;
    if (reorder) MoveInZOrder(*window, pos.hwndInsertAfter);
    if (show) {
        window->style |= WS_VISIBLE;
        if (!(pos.flags & SWP_NOREDRAW)) win32::core::InvalidateTree(hWnd, true);
    }
    if (hide) {
        window->style &= ~WS_VISIBLE;
        win32::core::MoveFocusOffHidden(hWnd);
        if (sys.active == hWnd) win32::core::ActivateOther(hWnd);
    }
    window = sys.Find(hWnd);
    if (!window) return TRUE;
    if (sized && !(pos.flags & SWP_NOREDRAW)) win32::core::Invalidate(*window, nullptr, true);
    SendMessageA(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    window = sys.Find(hWnd);
    if (window && !window->IsChildStyle() && !(pos.flags & SWP_NOACTIVATE) && (window->style & WS_VISIBLE) &&
        sys.active != hWnd)
        SetActiveWindow(hWnd);
    sys.NotifyChanged();
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!bRepaint) flags |= SWP_NOREDRAW;
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, flags);
}

BOOL WINAPI BringWindowToTop(HWND hWnd) { return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD, BOOL, DWORD) { return lpRect ? TRUE : FALSE; }

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    WindowSystem& sys = Sys();
    Window* window = FindOrFail(hWnd);
    if (!window) return FALSE;
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    const bool child = window->IsChildStyle();
    if (nCmdShow == SW_HIDE) {
        if (!wasVisible) return FALSE;
        SendMessageA(hWnd, WM_SHOWWINDOW, FALSE, 0);
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    const bool activate = !child && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE &&
                          nCmdShow != SW_SHOWMINNOACTIVE && nCmdShow != SW_MINIMIZE;
    if (wasVisible) {
        if (activate && sys.active != hWnd) SetActiveWindow(hWnd);
        return TRUE;
    }
    SendMessageA(hWnd, WM_SHOWWINDOW, TRUE, 0);
    UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
    if (child) flags |= SWP_NOZORDER;
    if (!activate) flags |= SWP_NOACTIVATE;
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, flags);
    return FALSE;
}

BOOL WINAPI IsWindowVisible(HWND hWnd) { return win32::core::IsShown(hWnd) ? TRUE : FALSE; }

BOOL WINAPI IsIconic(HWND hWnd) {
    Window* window = Sys().Find(hWnd);
    return window && (window->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL WINAPI IsZoomed(HWND hWnd) {
    Window* window = Sys().Find(hWnd);
    return window && (window->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

HWND WINAPI WindowFromPoint(POINT Point) { return win32::core::DeepestWindowAt(Point, true); }

HWND WINAPI ChildWindowFromPointEx(HWND hwnd, POINT pt, UINT flags) {
    WindowSystem& sys = Sys();
    Window* parent = FindOrFail(hwnd);
    if (!parent) return nullptr;
    if (pt.x < 0 || pt.y < 0 || pt.x >= parent->Width() || pt.y >= parent->Height()) return nullptr;
    for (HWND child : parent->children) {
        Window* window = sys.Find(child);
        if (!Contains(window->rect, pt)) continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(window->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (window->style & WS_DISABLED)) continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (window->exStyle & WS_EX_TRANSPARENT)) continue;
        return child;
    }
    return hwnd;
}

HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point) {
    return ChildWindowFromPointEx(hWndParent, Point, CWP_ALL);
}

// ---- Rectangle helpers ----

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (!lprc) return FALSE;
    *lprc = RECT{xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT lprc) { return SetRect(lprc, 0, 0, 0, 0); }

BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
    if (!lprcDst || !lprcSrc) return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    lprc->left -= dx;
    lprc->right += dx;
    lprc->top -= dy;
    lprc->bottom += dy;
    return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    lprc->left += dx;
    lprc->right += dx;
    lprc->top += dy;
    lprc->bottom += dy;
    return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* lprc) {
    return !lprc || lprc->right <= lprc->left || lprc->bottom <= lprc->top ? TRUE : FALSE;
}

BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2) {
    if (!lprc1 || !lprc2) return FALSE;
    return lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
                   lprc1->bottom == lprc2->bottom
               ? TRUE
               : FALSE;
}

BOOL WINAPI PtInRect(const RECT* lprc, POINT pt) { return lprc && Contains(*lprc, pt) ? TRUE : FALSE; }

BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    const RECT result{std::max(lprcSrc1->left, lprcSrc2->left), std::max(lprcSrc1->top, lprcSrc2->top),
                      std::min(lprcSrc1->right, lprcSrc2->right), std::min(lprcSrc1->bottom, lprcSrc2->bottom)};
    if (IsRectEmpty(&result)) {
        *lprcDst = RECT{};
        return FALSE;
    }
    *lprcDst = result;
    return TRUE;
}

BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    const bool empty1 = IsRectEmpty(lprcSrc1);
    const bool empty2 = IsRectEmpty(lprcSrc2);
    if (empty1 && empty2) {
        *lprcDst = RECT{};
        return FALSE;
    }
    if (empty1) {
        *lprcDst = *lprcSrc2;
        return TRUE;
    }
    if (empty2) {
        *lprcDst = *lprcSrc1;
        return TRUE;
    }
    *lprcDst = RECT{std::min(lprcSrc1->left, lprcSrc2->left), std::min(lprcSrc1->top, lprcSrc2->top),
                    std::max(lprcSrc1->right, lprcSrc2->right), std::max(lprcSrc1->bottom, lprcSrc2->bottom)};
    return TRUE;
}

// ---- System metrics: a 1024x768 screen with the classic window sizes ----

int WINAPI GetSystemMetrics(int nIndex) {
    using win32::core::kScreenHeight;
    using win32::core::kScreenWidth;
    constexpr int kCaptionHeight = 19;
    constexpr int kScrollBarSize = 16;
    constexpr int kIconSize = 32;
    constexpr int kSmallIconSize = 16;
    constexpr int kEdgeSize = 2;
    constexpr int kDialogFrameSize = 3;
    constexpr int kSizingFrameSize = 4;
    constexpr int kCaptionButtonSize = 18;
    constexpr int kMinTrackWidth = 112;
    constexpr int kMinTrackHeight = 27;
    constexpr int kIconSpacing = 75;
    constexpr int kSmallCaptionHeight = 15;
    constexpr int kMouseButtons = 3;
    switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CXVIRTUALSCREEN: return kScreenWidth;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return kScreenHeight;
    case SM_CYFULLSCREEN: return kScreenHeight - kCaptionHeight;
    case SM_CXMAXIMIZED: return kScreenWidth + 2 * kSizingFrameSize;
    case SM_CYMAXIMIZED: return kScreenHeight + 2 * kSizingFrameSize;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return kScrollBarSize;
    case SM_CYCAPTION:
    case SM_CYMENU: return kCaptionHeight;
    case SM_CYSMCAPTION: return kSmallCaptionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return kDialogFrameSize;
    case SM_CXFRAME:
    case SM_CYFRAME: return kSizingFrameSize;
    case SM_CXEDGE:
    case SM_CYEDGE: return kEdgeSize;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return kIconSize;
    case SM_CXSMICON:
    case SM_CYSMICON: return kSmallIconSize;
    case SM_CXSIZE:
    case SM_CYSIZE: return kCaptionButtonSize;
    case SM_CXMIN:
    case SM_CXMINTRACK: return kMinTrackWidth;
    case SM_CYMIN:
    case SM_CYMINTRACK: return kMinTrackHeight;
    case SM_CXDOUBLECLK: return win32::core::kDoubleClickWidth;
    case SM_CYDOUBLECLK: return win32::core::kDoubleClickHeight;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING: return kIconSpacing;
    case SM_MOUSEPRESENT:
    case SM_CMONITORS: return 1;
    case SM_CMOUSEBUTTONS: return kMouseButtons;
    default: return 0;
    }
}
