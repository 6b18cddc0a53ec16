// The message queue and loop: sending, posting, taking messages in Windows'
// order of priority (posted messages, input, WM_QUIT, WM_PAINT, WM_TIMER),
// translating keys into characters and dispatching.
//
// When the queue has nothing to give, GetMessageA and WaitMessage ask the
// display driver for input; a driver with no more input ends the loop with
// WM_QUIT.
#include "window_internal.h"

#include <algorithm>
#include <array>

using win32::core::Sys;
using win32::core::Window;
using win32::core::WindowSystem;

namespace win32::core {

DWORD Now() { return Sys().Driver().Now(); }

bool MatchesFilter(HWND msgWindow, HWND filter, UINT message, UINT first, UINT last) {
    // (HWND)-1 asks for messages posted to no window (thread messages).
    if (filter == reinterpret_cast<HWND>(-1)) {
        if (msgWindow) return false;
    } else if (filter && msgWindow != filter && !IsChild(filter, msgWindow)) {
        return false;
    }
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

void RemoveMessagesFor(HWND hwnd) {
    WindowSystem& sys = Sys();
    auto forWindow = [hwnd](const MSG& msg) { return msg.hwnd == hwnd; };
    std::erase_if(sys.posted, forWindow);
    std::erase_if(sys.input, forWindow);
}

}  // namespace win32::core

namespace {

using win32::core::MatchesFilter;

bool TakeFrom(std::deque<MSG>& queue, HWND filter, UINT first, UINT last, bool remove, MSG& out) {
    auto found = std::find_if(queue.begin(), queue.end(), [&](const MSG& msg) {
        return MatchesFilter(msg.hwnd, filter, msg.message, first, last);
    });
    if (found == queue.end()) return false;
    out = *found;
    if (remove) queue.erase(found);
    return true;
}

bool TakeInput(HWND filter, UINT first, UINT last, bool remove, MSG& out) {
    WindowSystem& sys = Sys();
    for (;;) {
        if (TakeFrom(sys.input, filter, first, last, remove, out)) return true;
        if (sys.raw.empty()) return false;
        win32::core::ConvertNextRawInput();
    }
}

// Takes the next message by Windows' priorities; false when there is none.
bool TakeMessage(MSG& out, HWND filter, UINT first, UINT last, bool remove) {
    WindowSystem& sys = Sys();
    bool found = TakeFrom(sys.posted, filter, first, last, remove, out) || TakeInput(filter, first, last, remove, out);
    if (!found && sys.quitPosted && MatchesFilter(nullptr, nullptr, WM_QUIT, first, last)) {
        out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(sys.quitCode), 0, win32::core::Now(), sys.cursor};
        if (remove) sys.quitPosted = false;
        found = true;
    }
    if (!found && MatchesFilter(nullptr, nullptr, WM_PAINT, first, last)) {
        if (HWND paint = win32::core::NextWindowToPaint(filter)) {
            out = MSG{paint, WM_PAINT, 0, 0, win32::core::Now(), sys.cursor};
            found = true;
        }
    }
    if (!found) found = win32::core::TakeDueTimer(filter, first, last, remove, out);
    if (found && remove) sys.lastMessage = out;
    return found;
}

bool PostTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem& sys = Sys();
    sys.posted.push_back(MSG{hwnd, message, wParam, lParam, win32::core::Now(), sys.cursor});
    return true;
}

// US keyboard layout: the character of a key, unshifted and shifted.
struct KeyCharacters {
    WORD key;
    char plain;
    char shifted;
};
constexpr std::array<KeyCharacters, 24> kKeyCharacters{{
    {'0', '0', ')'},          {'1', '1', '!'},          {'2', '2', '@'},           {'3', '3', '#'},
    {'4', '4', '$'},          {'5', '5', '%'},          {'6', '6', '^'},           {'7', '7', '&'},
    {'8', '8', '*'},          {'9', '9', '('},          {VK_SPACE, ' ', ' '},      {VK_OEM_1, ';', ':'},
    {VK_OEM_PLUS, '=', '+'},  {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},  {VK_OEM_PERIOD, '.', '>'},
    {VK_OEM_2, '/', '?'},     {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},    {VK_RETURN, '\r', '\r'},   {VK_ESCAPE, '\x1b', '\x1b'},
}};
constexpr char kBackspace = '\b';
constexpr char kTab = '\t';
constexpr char kFirstControlCharacter = 1;  // Ctrl+A
constexpr int kScanCodeShift = 16;
constexpr LPARAM kScanCodeMask = 0xFF;

// The character a key makes, or 0.
int CharacterOf(WPARAM key, LPARAM keyData) {
    const bool shift = win32::core::IsKeyDown(VK_SHIFT);
    const bool control = win32::core::IsKeyDown(VK_CONTROL);
    const bool alt = win32::core::IsKeyDown(VK_MENU);
    if (key == VK_PACKET) return static_cast<int>((keyData >> kScanCodeShift) & kScanCodeMask);
    if (key >= 'A' && key <= 'Z') {
        if (control && !alt) return kFirstControlCharacter + static_cast<int>(key - 'A');
        const bool capsLock = (GetKeyState(VK_CAPITAL) & 1) != 0;
        const bool upper = shift != capsLock;
        return upper ? static_cast<int>(key) : static_cast<int>(key - 'A' + 'a');
    }
    if (control) return 0;
    if (key == VK_BACK) return kBackspace;
    if (key == VK_TAB) return kTab;
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return '0' + static_cast<int>(key - VK_NUMPAD0);
    switch (key) {
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    default: break;
    }
    for (const KeyCharacters& entry : kKeyCharacters)
        if (entry.key == key) return static_cast<unsigned char>(shift ? entry.shifted : entry.plain);
    return 0;
}

}  // namespace

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* window = Sys().Find(hWnd);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return window->proc(hWnd, Msg, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    WindowSystem& sys = Sys();
    if (hWnd == reinterpret_cast<HWND>(0xFFFF)) {  // HWND_BROADCAST
        for (HWND top : sys.DesktopWindow().children) PostTo(top, Msg, wParam, lParam);
        return TRUE;
    }
    if (hWnd && !sys.Find(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return PostTo(hWnd, Msg, wParam, lParam) ? TRUE : FALSE;
}

void WINAPI PostQuitMessage(int nExitCode) {
    WindowSystem& sys = Sys();
    sys.quitPosted = true;
    sys.quitCode = nExitCode;
}

BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (!lpMsg) return -1;
    WindowSystem& sys = Sys();
    while (!TakeMessage(*lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, true)) {
        DWORD dueStorage = 0;
        if (sys.Driver().WaitForInput(win32::core::NextTimerDue(dueStorage)) == win32::WaitResult::NoMoreInput) {
            *lpMsg = MSG{nullptr, WM_QUIT, 0, 0, win32::core::Now(), sys.cursor};
            return FALSE;
        }
    }
    return lpMsg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    if (!lpMsg) return FALSE;
    return TakeMessage(*lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, (wRemoveMsg & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL WINAPI WaitMessage(void) {
    WindowSystem& sys = Sys();
    MSG msg;
    if (TakeMessage(msg, nullptr, 0, 0, false)) return TRUE;
    DWORD dueStorage = 0;
    if (sys.Driver().WaitForInput(win32::core::NextTimerDue(dueStorage)) == win32::WaitResult::NoMoreInput)
        PostQuitMessage(0);
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
    if (!lpMsg) return FALSE;
    const UINT message = lpMsg->message;
    if (message == WM_KEYUP || message == WM_SYSKEYUP) return TRUE;
    if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) return FALSE;
    const int character = CharacterOf(lpMsg->wParam, lpMsg->lParam);
    if (character != 0)
        PostTo(lpMsg->hwnd, message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, static_cast<WPARAM>(character),
               lpMsg->lParam);
    return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    if (!lpMsg) return 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
        if (!win32::core::IsTimerProc(lpMsg->hwnd, lpMsg->wParam, proc)) return 0;
        proc(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, win32::core::Now());
        return 0;
    }
    if (!lpMsg->hwnd) return 0;
    return SendMessageA(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

LONG WINAPI GetMessageTime(void) { return static_cast<LONG>(Sys().lastMessage.time); }

DWORD WINAPI GetMessagePos(void) {
    const POINT pt = Sys().lastMessage.pt;
    return static_cast<DWORD>(MakeLong(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
}

UINT WINAPI RegisterWindowMessageA(LPCSTR lpString) {
    WindowSystem& sys = Sys();
    if (!lpString || !*lpString) return 0;
    for (size_t i = 0; i < sys.registeredMessages.size(); ++i)
        if (win32::core::EqualsNoCase(sys.registeredMessages[i], lpString))
            return win32::core::kFirstRegisteredMessage + static_cast<UINT>(i);
    sys.registeredMessages.emplace_back(lpString);
    return win32::core::kFirstRegisteredMessage + static_cast<UINT>(sys.registeredMessages.size() - 1);
}

// Every message is sent from this same thread.
BOOL WINAPI InSendMessage(void) { return FALSE; }
