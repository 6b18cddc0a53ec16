// The display driver: plugging a front end in, the headless driver of the
// tests and its input helpers, message boxes and beeps, and the reset.
#include "window_internal.h"

#include <algorithm>
#include <array>
#include <vector>

using win32::core::Sys;

namespace {

constexpr int kDefaultButtonShift = 8;
constexpr char kDefaultCaption[] = "Error";

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags, POINT point) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = point.x;
    input.mi.dy = point.y;
    input.mi.dwFlags = flags;
    return input;
}

struct Modifier {
    UINT flag;
    WORD key;
};
constexpr std::array<Modifier, 3> kModifiers{{{MOD_CONTROL, VK_CONTROL}, {MOD_ALT, VK_MENU}, {MOD_SHIFT, VK_SHIFT}}};

}  // namespace

namespace win32 {

std::vector<int> MessageBoxButtons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE: return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default: return {IDOK};
    }
}

size_t MessageBoxDefaultButton(UINT type) {
    const size_t index = (type & MB_DEFMASK) >> kDefaultButtonShift;
    return std::min(index, MessageBoxButtons(type).size() - 1);
}

int HeadlessDriver::ShowMessageBox(const MessageBoxRequest& request) {
    m_messageBoxes.push_back(request);
    if (m_nextAnswer < m_answers.size()) return m_answers[m_nextAnswer++];
    return MessageBoxButtons(request.type)[MessageBoxDefaultButton(request.type)];
}

void HeadlessDriver::Beep(UINT type) { m_beeps.push_back(type); }

WaitResult HeadlessDriver::WaitForInput(const DWORD*) {
    if (m_nextStep >= m_steps.size()) return WaitResult::NoMoreInput;
    // The step may schedule more steps: take it out before running it.
    std::function<void()> step = std::move(m_steps[m_nextStep++]);
    step();
    return WaitResult::Progress;
}

void SetDisplayDriver(DisplayDriver* driver) { Sys().SetDriver(driver); }

DisplayDriver& CurrentDisplayDriver() { return Sys().Driver(); }

void ResetWindowSystem() { Sys().Reset(); }

HeadlessDriver& Headless() { return Sys().HeadlessInstance(); }

namespace headless {

void Click(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) return;
    ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void ClickAt(POINT screenPoint) {
    INPUT inputs[] = {
        MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screenPoint),
        MouseInput(MOUSEEVENTF_LEFTDOWN, screenPoint),
        MouseInput(MOUSEEVENTF_LEFTUP, screenPoint),
    };
    SendInput(static_cast<UINT>(std::size(inputs)), inputs, sizeof(INPUT));
}

void PressKey(WORD virtualKey, UINT modifiers) {
    std::vector<INPUT> inputs;
    for (const Modifier& modifier : kModifiers)
        if (modifiers & modifier.flag) inputs.push_back(KeyInput(modifier.key, false));
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    for (auto it = kModifiers.rbegin(); it != kModifiers.rend(); ++it)
        if (modifiers & it->flag) inputs.push_back(KeyInput(it->key, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeText(std::string_view text) {
    constexpr SHORT kShiftState = 1 << 8;
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        if (scan == -1) {
            INPUT inputs[2] = {};
            for (int i = 0; i < 2; ++i) {
                inputs[i].type = INPUT_KEYBOARD;
                inputs[i].ki.wScan = static_cast<unsigned char>(c);
                inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
            }
            SendInput(2, inputs, sizeof(INPUT));
            continue;
        }
        PressKey(static_cast<WORD>(scan & 0xFF), (scan & kShiftState) ? MOD_SHIFT : 0);
    }
}

void PumpMessages(HWND dialog) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        if (dialog && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace headless

}  // namespace win32

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    win32::MessageBoxRequest request{hWnd, lpText ? lpText : "", lpCaption ? lpCaption : kDefaultCaption, uType};
    return Sys().Driver().ShowMessageBox(request);
}

BOOL WINAPI MessageBeep(UINT uType) {
    Sys().Driver().Beep(uType);
    return TRUE;
}
