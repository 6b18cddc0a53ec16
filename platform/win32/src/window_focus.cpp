// Focus, activation, capture and the enabled state of windows.
#include "window_internal.h"

#include <algorithm>

using win32::core::Sys;
using win32::core::Window;
using win32::core::WindowSystem;

namespace win32::core {

namespace {

// Each dialog on the way up remembers the control inside it that last had
// the focus, to give it back when the dialog is activated again.
void RememberDialogFocus(HWND focus) {
    WindowSystem& sys = Sys();
    for (Window* window = sys.Find(focus); window && window->IsChildStyle();) {
        Window* parent = sys.Find(window->parent);
        if (!parent) break;
        if (parent->dialog) parent->dialog->lastFocus = focus;
        window = parent;
    }
}

bool CanActivate(HWND hwnd, HWND leaving) {
    Window* window = Sys().Find(hwnd);
    return window && hwnd != leaving && !window->destroying && (window->style & WS_VISIBLE) &&
           !(window->style & WS_DISABLED);
}

}  // namespace

void MoveFocusOffHidden(HWND hwnd) {
    WindowSystem& sys = Sys();
    if (!sys.focus || (sys.focus != hwnd && !IsChild(hwnd, sys.focus))) return;
    Window* window = sys.Find(hwnd);
    if (window && window->IsChildStyle())
        SetFocus(window->parent);
    else
        SetFocus(nullptr);
}

// Activates the window that takes over from one being hidden or destroyed:
// its owner if it can be, else the topmost other visible, enabled window.
void ActivateOther(HWND leaving) {
    WindowSystem& sys = Sys();
    HWND next = nullptr;
    if (Window* window = sys.Find(leaving); window && CanActivate(window->owner, leaving)) next = window->owner;
    if (!next) {
        for (HWND candidate : sys.DesktopWindow().children)
            if (CanActivate(candidate, leaving)) {
                next = candidate;
                break;
            }
    }
    SetActiveWindow(next);
    if (!next && sys.focus) SetFocus(nullptr);
}

}  // namespace win32::core

HWND WINAPI SetFocus(HWND hWnd) {
    WindowSystem& sys = Sys();
    const HWND previous = sys.focus;
    if (hWnd) {
        if (!sys.Find(hWnd) || hWnd == sys.Desktop()) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        // A disabled window, or one inside a disabled window, cannot take the focus.
        if (win32::core::IsDisabledOrInDisabled(hWnd)) return nullptr;
        if (hWnd == previous) return previous;
        const HWND root = win32::core::RootOf(hWnd);
        if (root != sys.active && win32::core::IsShown(root)) {
            SetActiveWindow(root);
            if (!sys.Find(hWnd)) return nullptr;
        }
    }
    const HWND losing = sys.focus;
    if (losing == hWnd) return previous;
    if (losing && sys.Find(losing)) SendMessageA(losing, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    if (hWnd && !sys.Find(hWnd)) return previous;
    sys.focus = hWnd;
    if (hWnd) {
        win32::core::RememberDialogFocus(hWnd);
        SendMessageA(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(losing), 0);
    }
    return previous;
}

HWND WINAPI GetFocus(void) { return Sys().focus; }

HWND WINAPI SetActiveWindow(HWND hWnd) {
    WindowSystem& sys = Sys();
    if (hWnd) {
        if (!sys.Find(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        hWnd = win32::core::RootOf(hWnd);
    }
    const HWND previous = sys.active;
    if (hWnd == previous) return previous;
    if (previous && sys.Find(previous)) {
        SendMessageA(previous, WM_NCACTIVATE, FALSE, 0);
        SendMessageA(previous, WM_ACTIVATE, MakeWParam(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(hWnd));
    }
    if (hWnd && !sys.Find(hWnd)) return previous;
    sys.active = hWnd;
    if (hWnd) {
        // The active window comes to the top.
        Window& desktop = sys.DesktopWindow();
        std::erase(desktop.children, hWnd);
        desktop.children.insert(desktop.children.begin(), hWnd);
        SendMessageA(hWnd, WM_NCACTIVATE, TRUE, 0);
        SendMessageA(hWnd, WM_ACTIVATE, MakeWParam(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(previous));
    }
    return previous;
}

HWND WINAPI GetActiveWindow(void) { return Sys().active; }

HWND WINAPI GetForegroundWindow(void) { return Sys().active; }

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
    if (!IsWindow(hWnd)) return FALSE;
    SetActiveWindow(hWnd);
    return TRUE;
}

HWND WINAPI SetCapture(HWND hWnd) {
    WindowSystem& sys = Sys();
    const HWND previous = sys.capture;
    if (hWnd && !sys.Find(hWnd)) return nullptr;
    sys.capture = hWnd;
    if (previous && previous != hWnd && sys.Find(previous))
        SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return previous;
}

HWND WINAPI GetCapture(void) { return Sys().capture; }

BOOL WINAPI ReleaseCapture(void) {
    WindowSystem& sys = Sys();
    const HWND previous = sys.capture;
    sys.capture = nullptr;
    if (previous && sys.Find(previous)) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
    WindowSystem& sys = Sys();
    Window* window = sys.Find(hWnd);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (bEnable && wasDisabled) {
        window->style &= ~WS_DISABLED;
        SendMessageA(hWnd, WM_ENABLE, TRUE, 0);
    } else if (!bEnable && !wasDisabled) {
        SendMessageA(hWnd, WM_CANCELMODE, 0, 0);
        window = sys.Find(hWnd);
        if (!window) return FALSE;
        window->style |= WS_DISABLED;
        if (sys.focus && (sys.focus == hWnd || IsChild(hWnd, sys.focus))) SetFocus(nullptr);
        if (sys.capture && (sys.capture == hWnd || IsChild(hWnd, sys.capture))) ReleaseCapture();
        SendMessageA(hWnd, WM_ENABLE, FALSE, 0);
    }
    sys.NotifyChanged();
    return wasDisabled ? TRUE : FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
    Window* window = Sys().Find(hWnd);
    return window && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}
