// Window timers on the display driver's clock. A timer falls due when the
// clock reaches it; its WM_TIMER is made when a message loop finds nothing
// of higher priority, and one WM_TIMER covers however many periods went by.
#include "window_internal.h"

#include <algorithm>

using win32::core::Sys;
using win32::core::Timer;
using win32::core::WindowSystem;

namespace {

bool IsDue(const Timer& timer, DWORD now) { return static_cast<LONG>(now - timer.due) >= 0; }

std::vector<Timer>::iterator FindTimer(HWND hwnd, UINT_PTR id) {
    std::vector<Timer>& timers = Sys().timers;
    return std::find_if(timers.begin(), timers.end(),
                        [hwnd, id](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

UINT_PTR FreeThreadTimerId() {
    WindowSystem& sys = Sys();
    while (sys.nextTimerId == 0 || FindTimer(nullptr, sys.nextTimerId) != sys.timers.end()) ++sys.nextTimerId;
    return sys.nextTimerId++;
}

}  // namespace

namespace win32::core {

void KillTimersOf(HWND hwnd) {
    std::erase_if(Sys().timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

bool TakeDueTimer(HWND filter, UINT first, UINT last, bool remove, MSG& out) {
    WindowSystem& sys = Sys();
    const DWORD now = Now();
    Timer* earliest = nullptr;
    for (Timer& timer : sys.timers) {
        if (!IsDue(timer, now) || !MatchesFilter(timer.hwnd, filter, WM_TIMER, first, last)) continue;
        if (!earliest || static_cast<LONG>(timer.due - earliest->due) < 0) earliest = &timer;
    }
    if (!earliest) return false;
    out = MSG{earliest->hwnd, WM_TIMER, earliest->id, reinterpret_cast<LPARAM>(earliest->proc), now, sys.cursor};
    if (remove) earliest->due = now + earliest->elapse;
    return true;
}

const DWORD* NextTimerDue(DWORD& storage) {
    const std::vector<Timer>& timers = Sys().timers;
    if (timers.empty()) return nullptr;
    storage = std::min_element(timers.begin(), timers.end(), [](const Timer& a, const Timer& b) {
                  return static_cast<LONG>(a.due - b.due) < 0;
              })->due;
    return &storage;
}

bool IsTimerProc(HWND hwnd, UINT_PTR id, TIMERPROC proc) {
    auto found = FindTimer(hwnd, id);
    return found != Sys().timers.end() && found->proc == proc;
}

}  // namespace win32::core

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    WindowSystem& sys = Sys();
    if (hWnd && !sys.Find(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const UINT elapse = std::clamp<UINT>(uElapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    const DWORD due = win32::core::Now() + elapse;
    auto existing = FindTimer(hWnd, nIDEvent);
    // A timer without a window gets a new identifier unless it replaces one of its own.
    if (!hWnd && existing == sys.timers.end()) nIDEvent = FreeThreadTimerId();
    if (existing != sys.timers.end()) {
        existing->elapse = elapse;
        existing->due = due;
        existing->proc = lpTimerFunc;
    } else {
        sys.timers.push_back(Timer{hWnd, nIDEvent, elapse, due, lpTimerFunc});
    }
    return nIDEvent != 0 ? nIDEvent : 1;
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    auto found = FindTimer(hWnd, uIDEvent);
    if (found == Sys().timers.end()) return FALSE;
    Sys().timers.erase(found);
    return TRUE;
}
