// The terminal front end: draw, wait for the terminal's input, hand it to the
// window system as a keyboard's and a mouse's.
#include "terminal_driver.h"

#include <afxdlgs.h>
#include <win32_process.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iostream>
#include <utility>

#define NCURSES_NOMACROS  // no function-like macros: they would rename members such as clear()
#include <curses.h>

namespace {

constexpr SHORT kVkShiftState = 1 << 8;  // VkKeyScanA's high byte: Shift is needed
constexpr WORD kVkMask = 0xFF;
constexpr char kMnemonicPrefix = '&';
// After a program starts, how long the screen is drawn whole, and how often.
constexpr DWORD kRepaintAfterLaunchMs = 3000;
constexpr int kRepaintIntervalMs = 250;
constexpr WORD kRedrawKey = 'L';  // with Ctrl

// The character after the single '&' of a caption, upper case; 0 without one.
int MnemonicOf(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != kMnemonicPrefix) continue;
        if (caption[i + 1] == kMnemonicPrefix) {
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1]));
    }
    return 0;
}

}  // namespace

CTerminalDriver::CTerminalDriver() : m_start(std::chrono::steady_clock::now()) {}

CTerminalDriver::~CTerminalDriver() { Close(); }

bool CTerminalDriver::Available() { return CTerminalSession::StandardStreamsAreTerminal(); }

bool CTerminalDriver::Open(std::string& error) {
    if (!m_session.Open(error)) return false;
    win32::SetDisplayDriver(this);
    Win32SetLaunchHook(&CTerminalDriver::OnLaunch, this);
    return true;
}

void CTerminalDriver::Close() {
    if (!m_session.IsOpen()) return;
    Win32SetLaunchHook(nullptr, nullptr);
    if (&win32::CurrentDisplayDriver() == this) win32::SetDisplayDriver(nullptr);
    m_session.Close();
}

// The program starts for real; the user learns which.
BOOL CALLBACK CTerminalDriver::OnLaunch(LPCSTR program, LPCSTR commandLine, LPCSTR, LPVOID context) {
    auto* pDriver = static_cast<CTerminalDriver*>(context);
    pDriver->ShowStatus(std::string("Started ") + program + ": " + commandLine);
    pDriver->m_dwRepaintUntil = pDriver->Now() + kRepaintAfterLaunchMs;
    return TRUE;
}

CTerminalDriver::CStatusLineBuffer::int_type CTerminalDriver::CStatusLineBuffer::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    if (traits_type::to_char_type(ch) == '\n') {
        std::string line = std::exchange(m_strLine, std::string());
        if (m_driver.m_session.IsOpen()) {
            m_driver.ShowStatus(std::move(line));
        } else {
            std::cout << line << '\n';
        }
    } else {
        m_strLine += traits_type::to_char_type(ch);
    }
    return ch;
}

INT_PTR CTerminalDriver::RunModalSheet(CPropertySheet& sheet) {
    CPropertySheet* pOuter = std::exchange(m_pSheet, &sheet);
    const INT_PTR nResult = sheet.DoModal();
    m_pSheet = pOuter;
    return nResult;
}

void CTerminalDriver::ShowHelpTopic(DWORD_PTR dwTopic) {
    ShowStatus("Help: topic " + std::to_string(static_cast<unsigned long>(dwTopic)));
}

void CTerminalDriver::ShowStatus(std::string text) { m_strStatus = std::move(text); }

DWORD CTerminalDriver::Now() {
    const auto elapsed = std::chrono::steady_clock::now() - m_start;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void CTerminalDriver::Beep(UINT) {
    if (m_session.IsOpen()) beep();
}

void CTerminalDriver::Redraw() {
    m_screen.Draw(m_pSheet, m_strStatus);
    m_screen.Show();
}

win32::WaitResult CTerminalDriver::WaitForInput(const DWORD* pNextTimerDue) {
    if (!m_session.IsOpen()) return win32::WaitResult::NoMoreInput;
    // Time differences are read as signed: the clock may already be past them.
    const auto untilNow = [this](DWORD dwWhen) { return static_cast<int>(static_cast<std::int32_t>(dwWhen - Now())); };
    const bool bRepaint = m_dwRepaintUntil && untilNow(*m_dwRepaintUntil) > 0;
    if (!bRepaint) m_dwRepaintUntil.reset();
    if (bRepaint) m_screen.RepaintAll();
    Redraw();
    int nTimeoutMs = pNextTimerDue ? std::max(0, untilNow(*pNextTimerDue)) : -1;
    if (bRepaint) nTimeoutMs = nTimeoutMs < 0 ? kRepaintIntervalMs : std::min(nTimeoutMs, kRepaintIntervalMs);
    const TerminalInput input = m_session.Read(nTimeoutMs);
    if (input.kind == TerminalInput::Kind::EndOfInput) return win32::WaitResult::NoMoreInput;
    Deliver(input);
    return win32::WaitResult::Progress;
}

void CTerminalDriver::Deliver(const TerminalInput& input) {
    using Kind = TerminalInput::Kind;
    if (input.kind == Kind::Key || input.kind == Kind::Character || input.kind == Kind::MousePress) m_strStatus.clear();
    switch (input.kind) {
    case Kind::Key:
        if (input.wVirtualKey == kRedrawKey && input.nModifiers == MOD_CONTROL) return m_screen.RepaintAll();
        if ((input.wVirtualKey == VK_PRIOR || input.wVirtualKey == VK_NEXT) && input.nModifiers == MOD_CONTROL) {
            return PressTabBeside(input.wVirtualKey == VK_NEXT ? 1 : -1);
        }
        return win32::headless::PressKey(input.wVirtualKey, input.nModifiers);
    case Kind::Character: {
        if (!(input.nModifiers & MOD_ALT))
            return win32::headless::TypeText(std::string(1, static_cast<char>(input.chCharacter)));
        // Alt plus the key that types the character: a mnemonic.
        const SHORT scan = ::VkKeyScanA(static_cast<CHAR>(input.chCharacter));
        if (scan == -1) return;
        return win32::headless::PressKey(static_cast<WORD>(scan & kVkMask),
                                         input.nModifiers | ((scan & kVkShiftState) ? MOD_SHIFT : 0U));
    }
    case Kind::MousePress: {
        const std::optional<POINT> point = m_screen.PointAt(input.nRow, input.nColumn);
        if (!point) return;
        m_press = Press{input.nRow, input.nColumn, *point};
        return SendMouse(MOUSEEVENTF_LEFTDOWN, *point);
    }
    case Kind::MouseRelease: {
        if (!m_press) {
            // ncurses folds a press and a release read together into the release: a click there.
            TerminalInput press = input;
            press.kind = Kind::MousePress;
            Deliver(press);
            if (!m_press) return;
        }
        const Press press = *std::exchange(m_press, std::nullopt);
        // Released where it went down: the same pixel, so that the window sees a click.
        const bool bSameCell = input.nRow == press.nRow && input.nColumn == press.nColumn;
        const std::optional<POINT> point = bSameCell ? press.ptScreen : m_screen.PointAt(input.nRow, input.nColumn);
        return SendMouse(MOUSEEVENTF_LEFTUP, point.value_or(press.ptScreen));
    }
    case Kind::None:
    case Kind::EndOfInput:
    case Kind::Resize: return;  // the next wait redraws
    }
}

void CTerminalDriver::PressTabBeside(int nStep) {
    if (!m_pSheet || !m_pSheet->m_hWnd || m_pSheet->GetPageCount() == 0) return;
    const int nCount = m_pSheet->GetPageCount();
    const int nNext = ((m_pSheet->GetActiveIndex() + nStep) % nCount + nCount) % nCount;
    if (HWND hWndTab = m_pSheet->GetTabButton(nNext)) win32::headless::Click(hWndTab);
}

void CTerminalDriver::SendMouse(DWORD dwButtonFlag, POINT ptScreen) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = ptScreen.x;
        input.mi.dy = ptScreen.y;
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = dwButtonFlag;
    ::SendInput(static_cast<UINT>(std::size(inputs)), inputs, sizeof(INPUT));
}

int CTerminalDriver::ShowMessageBox(const win32::MessageBoxRequest& request) {
    MessageBoxView box{request.caption, request.text, win32::MessageBoxButtons(request.type),
                       win32::MessageBoxDefaultButton(request.type)};
    const int nDefault = box.buttons[box.nFocus];
    if (!m_session.IsOpen()) return nDefault;
    const auto has = [&box](int nButton) {
        return std::find(box.buttons.begin(), box.buttons.end(), nButton) != box.buttons.end();
    };
    // Escape answers Cancel, or OK when that is the only button; otherwise it does nothing.
    const std::optional<int> escapeAnswer = has(IDCANCEL)             ? std::optional(IDCANCEL)
                                            : box.buttons.size() == 1 ? std::optional(box.buttons.front())
                                                                      : std::nullopt;
    const auto move = [&box](int nStep) {
        const auto nCount = static_cast<int>(box.buttons.size());
        box.nFocus = static_cast<size_t>(((static_cast<int>(box.nFocus) + nStep) % nCount + nCount) % nCount);
    };
    constexpr size_t kNoButton = static_cast<size_t>(-1);
    size_t nPressed = kNoButton;  // the button the left mouse button went down on
    for (;;) {
        m_screen.Draw(m_pSheet, m_strStatus);
        m_screen.DrawMessageBox(box);
        m_screen.Show();
        const TerminalInput input = m_session.Read(-1);
        switch (input.kind) {
        case TerminalInput::Kind::EndOfInput: return escapeAnswer.value_or(nDefault);
        case TerminalInput::Kind::Key:
            switch (input.wVirtualKey) {
            case VK_RETURN: return box.buttons[box.nFocus];
            case VK_ESCAPE:
                if (escapeAnswer) return *escapeAnswer;
                break;
            case VK_TAB: move((input.nModifiers & MOD_SHIFT) ? -1 : 1); break;
            case VK_LEFT:
            case VK_UP: move(-1); break;
            case VK_RIGHT:
            case VK_DOWN: move(1); break;
            default: break;
            }
            break;
        case TerminalInput::Kind::Character: {
            if (input.chCharacter == ' ') return box.buttons[box.nFocus];
            const int nWanted = std::toupper(input.chCharacter);
            for (int nButton : box.buttons) {
                if (MnemonicOf(CTerminalScreen::ButtonCaption(nButton)) == nWanted) return nButton;
            }
            break;
        }
        case TerminalInput::Kind::MousePress:
            nPressed = m_screen.MessageBoxButtonAt(input.nRow, input.nColumn).value_or(kNoButton);
            break;
        case TerminalInput::Kind::MouseRelease:
            if (nPressed != kNoButton && nPressed == m_screen.MessageBoxButtonAt(input.nRow, input.nColumn)) {
                return box.buttons[nPressed];
            }
            nPressed = kNoButton;
            break;
        case TerminalInput::Kind::None:
        case TerminalInput::Kind::Resize: break;
        }
    }
}
