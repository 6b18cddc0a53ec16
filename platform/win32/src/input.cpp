// Input: SendInput, the raw input queue and its conversion into keyboard and
// mouse messages, key state and the cursor position.
//
// SendInput records raw input and the "asynchronous" key state at once. A
// raw input becomes a message only when a message loop reaches it: then the
// key state that GetKeyState reports moves on, and the target window is
// chosen (the focus window for keys, the capture window or the window under
// the cursor for the mouse), as Windows does.
#include "window_internal.h"

#include <algorithm>
#include <array>
#include <cstdlib>

using win32::core::RawInput;
using win32::core::Sys;
using win32::core::Window;
using win32::core::WindowSystem;

namespace {

constexpr BYTE kKeyDownBit = 0x80;
constexpr BYTE kToggleBit = 0x01;
constexpr int kScanCodeShift = 16;
constexpr LPARAM kScanCodeMask = 0xFF;
constexpr LPARAM kRepeatCountOne = 1;
constexpr LPARAM kExtendedKeyBit = LPARAM{1} << 24;
constexpr LPARAM kContextCodeBit = LPARAM{1} << 29;  // Alt held
constexpr LPARAM kPreviousStateBit = LPARAM{1} << 30;
constexpr LPARAM kTransitionBit = LPARAM{1} << 31;

// The left/right keys also move their generic key, and the generic key the left one.
WORD PairedKey(WORD key) {
    switch (key) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    case VK_SHIFT: return VK_LSHIFT;
    case VK_CONTROL: return VK_LCONTROL;
    case VK_MENU: return VK_LMENU;
    default: return 0;
    }
}

void ApplyKey(std::array<BYTE, 256>& state, WORD key, bool down) {
    auto apply = [&state, down](WORD k) {
        BYTE& entry = state[k & 0xFF];
        if (down) {
            if (!(entry & kKeyDownBit)) entry ^= kToggleBit;
            entry |= kKeyDownBit;
        } else {
            entry &= static_cast<BYTE>(~kKeyDownBit);
        }
    };
    apply(key);
    if (WORD paired = PairedKey(key)) apply(paired);
}

struct ButtonTransition {
    DWORD flag;
    WORD key;
    UINT message;
    bool down;
};
constexpr std::array<ButtonTransition, 6> kButtonTransitions{{
    {MOUSEEVENTF_LEFTDOWN, VK_LBUTTON, WM_LBUTTONDOWN, true},
    {MOUSEEVENTF_LEFTUP, VK_LBUTTON, WM_LBUTTONUP, false},
    {MOUSEEVENTF_RIGHTDOWN, VK_RBUTTON, WM_RBUTTONDOWN, true},
    {MOUSEEVENTF_RIGHTUP, VK_RBUTTON, WM_RBUTTONUP, false},
    {MOUSEEVENTF_MIDDLEDOWN, VK_MBUTTON, WM_MBUTTONDOWN, true},
    {MOUSEEVENTF_MIDDLEUP, VK_MBUTTON, WM_MBUTTONUP, false},
}};

void QueueInput(HWND target, UINT message, WPARAM wParam, LPARAM lParam, const RawInput& raw) {
    Sys().input.push_back(MSG{target, message, wParam, lParam, raw.time, raw.point});
}

void ConvertKey(const RawInput& raw) {
    WindowSystem& sys = Sys();
    const bool up = (raw.key.dwFlags & KEYEVENTF_KEYUP) != 0;
    const bool unicode = (raw.key.dwFlags & KEYEVENTF_UNICODE) != 0;
    const WORD key = unicode ? static_cast<WORD>(VK_PACKET) : raw.key.wVk;
    const bool wasDown = (sys.keyState[key & 0xFF] & kKeyDownBit) != 0;
    ApplyKey(sys.keyState, key, !up);
    const bool alt = win32::core::IsKeyDown(VK_MENU) || (key == VK_MENU && up);
    const bool control = win32::core::IsKeyDown(VK_CONTROL);
    // Alt combinations (not AltGr, which holds Ctrl too) and F10 are system keys.
    bool system = (alt && !control) || key == VK_F10;
    HWND target = sys.focus;
    if (!target) {
        target = sys.active;
        system = true;  // without a focus window, keys reach the active window as system keys
    }
    if (!target) return;
    // A KEYEVENTF_UNICODE character travels in the scan-code field.
    const LPARAM scan = raw.key.wScan & kScanCodeMask;
    LPARAM lParam = kRepeatCountOne | (scan << kScanCodeShift);
    if (raw.key.dwFlags & KEYEVENTF_EXTENDEDKEY) lParam |= kExtendedKeyBit;
    if (system && alt) lParam |= kContextCodeBit;
    if (wasDown || up) lParam |= kPreviousStateBit;
    if (up) lParam |= kTransitionBit;
    const UINT message = up ? (system ? WM_SYSKEYUP : WM_KEYUP) : (system ? WM_SYSKEYDOWN : WM_KEYDOWN);
    QueueInput(target, message, key, lParam, raw);
}

// The window mouse input at a point goes to, or null when it reaches nothing:
// the capture window, else the visible window under the cursor, unless that
// window or one of its ancestors is disabled.
HWND MouseTarget(POINT point) {
    WindowSystem& sys = Sys();
    if (sys.capture && sys.Find(sys.capture)) return sys.capture;
    HWND target = win32::core::DeepestWindowAt(point, false);
    if (!target || win32::core::IsDisabledOrInDisabled(target)) return nullptr;
    return target;
}

LPARAM ClientPointParam(HWND target, POINT screen) {
    POINT client = screen;
    ScreenToClient(target, &client);
    return MakeLParam(static_cast<WORD>(client.x), static_cast<WORD>(client.y));
}

bool IsDoubleClick(HWND target, const RawInput& raw) {
    WindowSystem& sys = Sys();
    Window* window = sys.Find(target);
    if (!window || !(window->windowClass->style & CS_DBLCLKS)) return false;
    const win32::core::ClickRecord& last = sys.lastClick;
    return last.hwnd == target && !last.wasDouble && raw.time - last.time <= GetDoubleClickTime() &&
           std::abs(raw.point.x - last.point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(raw.point.y - last.point.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

// A press on a window of an inactive top-level window activates it first,
// unless the window answers WM_MOUSEACTIVATE with a "no activate" code; the
// "and eat" codes swallow the press.
bool ActivateOnPress(HWND target, UINT message) {
    WindowSystem& sys = Sys();
    const HWND root = win32::core::RootOf(target);
    if (!root || root == sys.active) return true;
    const LRESULT answer = SendMessageA(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root),
                                        MakeLParam(HTCLIENT, message));
    if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) SetActiveWindow(root);
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

void ConvertMouse(const RawInput& raw) {
    WindowSystem& sys = Sys();
    if (raw.mouseFlags & MOUSEEVENTF_MOVE) {
        if (HWND target = MouseTarget(raw.point))
            QueueInput(target, WM_MOUSEMOVE, win32::core::MouseKeyFlags(), ClientPointParam(target, raw.point), raw);
    }
    for (const ButtonTransition& transition : kButtonTransitions) {
        if (!(raw.mouseFlags & transition.flag)) continue;
        ApplyKey(sys.keyState, transition.key, transition.down);
        HWND target = MouseTarget(raw.point);
        if (!target) continue;
        UINT message = transition.message;
        if (transition.down && !ActivateOnPress(target, message)) continue;
        if (!sys.Find(target)) continue;
        if (message == WM_LBUTTONDOWN) {
            if (IsDoubleClick(target, raw)) {
                message = WM_LBUTTONDBLCLK;
                sys.lastClick.wasDouble = true;
            } else {
                sys.lastClick = win32::core::ClickRecord{target, raw.time, raw.point, false};
            }
        }
        QueueInput(target, message, win32::core::MouseKeyFlags(), ClientPointParam(target, raw.point), raw);
    }
}

}  // namespace

namespace win32::core {

bool ConvertNextRawInput() {
    WindowSystem& sys = Sys();
    if (sys.raw.empty()) return false;
    const RawInput raw = sys.raw.front();
    sys.raw.pop_front();
    if (raw.type == INPUT_KEYBOARD)
        ConvertKey(raw);
    else
        ConvertMouse(raw);
    return true;
}

bool IsKeyDown(int virtualKey) { return (Sys().keyState[static_cast<size_t>(virtualKey) & 0xFF] & kKeyDownBit) != 0; }

WPARAM MouseKeyFlags() {
    WPARAM flags = 0;
    if (IsKeyDown(VK_LBUTTON)) flags |= MK_LBUTTON;
    if (IsKeyDown(VK_RBUTTON)) flags |= MK_RBUTTON;
    if (IsKeyDown(VK_MBUTTON)) flags |= MK_MBUTTON;
    if (IsKeyDown(VK_SHIFT)) flags |= MK_SHIFT;
    if (IsKeyDown(VK_CONTROL)) flags |= MK_CONTROL;
    return flags;
}

}  // namespace win32::core

UINT WINAPI SendInput(UINT cInputs, LPINPUT pInputs, int cbSize) {
    WindowSystem& sys = Sys();
    if (cbSize != static_cast<int>(sizeof(INPUT)) || (cInputs && !pInputs)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    UINT sent = 0;
    for (UINT i = 0; i < cInputs; ++i) {
        const INPUT& in = pInputs[i];
        RawInput raw;
        raw.type = in.type;
        raw.time = win32::core::Now();
        if (in.type == INPUT_KEYBOARD) {
            raw.key = in.ki;
            const WORD key = (in.ki.dwFlags & KEYEVENTF_UNICODE) ? static_cast<WORD>(VK_PACKET) : in.ki.wVk;
            ApplyKey(sys.asyncKeyState, key, !(in.ki.dwFlags & KEYEVENTF_KEYUP));
        } else if (in.type == INPUT_MOUSE) {
            raw.mouseFlags = in.mi.dwFlags;
            if (in.mi.dwFlags & MOUSEEVENTF_MOVE) {
                const bool absolute = (in.mi.dwFlags & MOUSEEVENTF_ABSOLUTE) != 0;
                sys.cursor.x = absolute ? in.mi.dx : sys.cursor.x + in.mi.dx;
                sys.cursor.y = absolute ? in.mi.dy : sys.cursor.y + in.mi.dy;
                sys.cursor.x = std::clamp<LONG>(sys.cursor.x, 0, win32::core::kScreenWidth - 1);
                sys.cursor.y = std::clamp<LONG>(sys.cursor.y, 0, win32::core::kScreenHeight - 1);
            }
            for (const ButtonTransition& transition : kButtonTransitions)
                if (in.mi.dwFlags & transition.flag) ApplyKey(sys.asyncKeyState, transition.key, transition.down);
        } else {
            continue;  // hardware input has no meaning here
        }
        raw.point = sys.cursor;
        sys.raw.push_back(raw);
        ++sent;
    }
    return sent;
}

SHORT WINAPI GetKeyState(int nVirtKey) {
    const BYTE entry = Sys().keyState[static_cast<size_t>(nVirtKey) & 0xFF];
    SHORT state = (entry & kToggleBit) ? 1 : 0;
    if (entry & kKeyDownBit) state = static_cast<SHORT>(state | static_cast<SHORT>(0x8000));
    return state;
}

SHORT WINAPI GetAsyncKeyState(int vKey) {
    const BYTE entry = Sys().asyncKeyState[static_cast<size_t>(vKey) & 0xFF];
    return (entry & kKeyDownBit) ? static_cast<SHORT>(0x8000) : SHORT{0};
}

SHORT WINAPI VkKeyScanA(CHAR ch) {
    constexpr SHORT kShiftState = 1 << 8;
    constexpr SHORT kNotFound = -1;
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') return static_cast<SHORT>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<SHORT>(c | kShiftState);
    if (c >= '0' && c <= '9') return static_cast<SHORT>(c);
    struct Entry {
        char character;
        WORD key;
        bool shift;
    };
    static constexpr Entry kTable[] = {
        {' ', VK_SPACE, false},       {'\r', VK_RETURN, false},    {'\n', VK_RETURN, false},
        {'\t', VK_TAB, false},        {'\b', VK_BACK, false},      {'\x1b', VK_ESCAPE, false},
        {')', '0', true},             {'!', '1', true},            {'@', '2', true},
        {'#', '3', true},             {'$', '4', true},            {'%', '5', true},
        {'^', '6', true},             {'&', '7', true},            {'*', '8', true},
        {'(', '9', true},             {';', VK_OEM_1, false},      {':', VK_OEM_1, true},
        {'=', VK_OEM_PLUS, false},    {'+', VK_OEM_PLUS, true},    {',', VK_OEM_COMMA, false},
        {'<', VK_OEM_COMMA, true},    {'-', VK_OEM_MINUS, false},  {'_', VK_OEM_MINUS, true},
        {'.', VK_OEM_PERIOD, false},  {'>', VK_OEM_PERIOD, true},  {'/', VK_OEM_2, false},
        {'?', VK_OEM_2, true},        {'`', VK_OEM_3, false},      {'~', VK_OEM_3, true},
        {'[', VK_OEM_4, false},       {'{', VK_OEM_4, true},       {'\\', VK_OEM_5, false},
        {'|', VK_OEM_5, true},        {']', VK_OEM_6, false},      {'}', VK_OEM_6, true},
        {'\'', VK_OEM_7, false},      {'"', VK_OEM_7, true},
    };
    for (const Entry& entry : kTable)
        if (entry.character == ch) return static_cast<SHORT>(entry.key | (entry.shift ? kShiftState : 0));
    return kNotFound;
}

UINT WINAPI GetDoubleClickTime(void) { return win32::core::kDoubleClickTime; }

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
    if (!lpPoint) return FALSE;
    *lpPoint = Sys().cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
    WindowSystem& sys = Sys();
    sys.cursor.x = std::clamp(X, 0, win32::core::kScreenWidth - 1);
    sys.cursor.y = std::clamp(Y, 0, win32::core::kScreenHeight - 1);
    return TRUE;
}
