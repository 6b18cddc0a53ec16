// The terminal session: ncurses set up for a dialog front end, restored on
// every way out, and its keys and mouse reports decoded.
#include "terminal_session.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define NCURSES_NOMACROS  // no function-like macros: they would rename members such as clear()
#include <curses.h>

namespace {

// How long a lone ESC waits for the rest of an escape sequence: short, so
// that Escape answers at once, long enough for a terminal's key sequences.
constexpr int kEscapeDelayMs = 50;
constexpr wint_t kEscape = 0x1B;
constexpr wint_t kDelete = 0x7F;
constexpr wint_t kBackspace = 0x08;
constexpr wint_t kLineFeed = 0x0A;
constexpr wint_t kCarriageReturn = 0x0D;
constexpr wint_t kTabCharacter = 0x09;
constexpr wint_t kLastControlLetter = 0x1A;  // Ctrl+Z
constexpr wint_t kLastCodePageCharacter = 0xFF;
// Function keys F1..F12 come again, shifted by 12 per modifier combination
// (xterm's F13 is Shift+F1, F25 Ctrl+F1...).
constexpr int kFunctionKeys = 12;
// Codes for the sequences this session defines, clear of ncurses' own.
constexpr int kFirstDefinedKey = KEY_MAX + 1;

constexpr std::array kRestoringSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT};

// Set while ncurses holds the terminal: what the atexit and signal handlers look at.
volatile std::sig_atomic_t g_bTerminalTaken = 0;
bool g_bAtExitRegistered = false;
std::array<struct sigaction, kRestoringSignals.size()> g_previousActions{};

void RestoreTerminal() {
    if (g_bTerminalTaken) {
        g_bTerminalTaken = 0;
        endwin();
    }
}

// Gives the terminal back, then lets the signal do what it would have done.
void RestoreAndRaise(int nSignal) {
    RestoreTerminal();
    std::signal(nSignal, SIG_DFL);
    std::raise(nSignal);
}

struct KeyCode {
    int nCode;
    WORD wVirtualKey;
    UINT nModifiers;
};

constexpr std::array kKeyCodes = {
    KeyCode{KEY_UP, VK_UP, 0},
    KeyCode{KEY_DOWN, VK_DOWN, 0},
    KeyCode{KEY_LEFT, VK_LEFT, 0},
    KeyCode{KEY_RIGHT, VK_RIGHT, 0},
    KeyCode{KEY_HOME, VK_HOME, 0},
    KeyCode{KEY_END, VK_END, 0},
    KeyCode{KEY_PPAGE, VK_PRIOR, 0},
    KeyCode{KEY_NPAGE, VK_NEXT, 0},
    KeyCode{KEY_IC, VK_INSERT, 0},
    KeyCode{KEY_DC, VK_DELETE, 0},
    KeyCode{KEY_BACKSPACE, VK_BACK, 0},
    KeyCode{KEY_ENTER, VK_RETURN, 0},
    KeyCode{KEY_BTAB, VK_TAB, MOD_SHIFT},
    KeyCode{KEY_SR, VK_UP, MOD_SHIFT},
    KeyCode{KEY_SF, VK_DOWN, MOD_SHIFT},
    KeyCode{KEY_SLEFT, VK_LEFT, MOD_SHIFT},
    KeyCode{KEY_SRIGHT, VK_RIGHT, MOD_SHIFT},
    KeyCode{KEY_SHOME, VK_HOME, MOD_SHIFT},
    KeyCode{KEY_SEND, VK_END, MOD_SHIFT},
    KeyCode{KEY_SDC, VK_DELETE, MOD_SHIFT},
    KeyCode{KEY_SIC, VK_INSERT, MOD_SHIFT},
};

// The modifiers of the function-key blocks, in xterm's order.
constexpr std::array<UINT, 6> kFunctionKeyModifiers = {
    0, MOD_SHIFT, MOD_CONTROL, MOD_CONTROL | MOD_SHIFT, MOD_ALT, MOD_ALT | MOD_SHIFT,
};

// xterm's modifier parameter: 1 + (Shift 1, Alt 2, Control 4).
constexpr int kFirstModifierParameter = 2;
constexpr int kLastModifierParameter = 8;
UINT ModifiersOfParameter(int nParameter) {
    const int nBits = nParameter - 1;
    return ((nBits & 1) ? MOD_SHIFT : 0U) | ((nBits & 2) ? MOD_ALT : 0U) | ((nBits & 4) ? MOD_CONTROL : 0U);
}

// "ESC [ 1 ; m X" keys and "ESC [ n ; m ~" keys.
struct FinalKey {
    char chFinal;
    WORD wVirtualKey;
};
constexpr std::array kLetterKeys = {
    FinalKey{'A', VK_UP},   FinalKey{'B', VK_DOWN}, FinalKey{'C', VK_RIGHT}, FinalKey{'D', VK_LEFT},
    FinalKey{'H', VK_HOME}, FinalKey{'F', VK_END},  FinalKey{'P', VK_F1},
};
struct NumberKey {
    int nNumber;
    WORD wVirtualKey;
};
constexpr std::array kTildeKeys = {
    NumberKey{2, VK_INSERT},
    NumberKey{3, VK_DELETE},
    NumberKey{5, VK_PRIOR},
    NumberKey{6, VK_NEXT},
};

TerminalInput MakeKey(WORD wVirtualKey, UINT nModifiers = 0) {
    TerminalInput input;
    input.kind = TerminalInput::Kind::Key;
    input.wVirtualKey = wVirtualKey;
    input.nModifiers = nModifiers;
    return input;
}

TerminalInput MakeKind(TerminalInput::Kind kind) {
    TerminalInput input;
    input.kind = kind;
    return input;
}

}  // namespace

CTerminalSession::~CTerminalSession() { Close(); }

bool CTerminalSession::StandardStreamsAreTerminal() { return ::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO); }

bool CTerminalSession::Open(std::string& error) {
    if (m_bOpen) return true;
    if (!StandardStreamsAreTerminal()) {
        error = "standard input and output are not a terminal";
        return false;
    }
    // The wide-character drawing and the line symbols follow the user's character set.
    const char* previousCharacterSet = std::setlocale(LC_CTYPE, nullptr);
    m_strPreviousCharacterSet = previousCharacterSet ? previousCharacterSet : "C";
    std::setlocale(LC_CTYPE, "");
    m_pScreen = newterm(nullptr, stdout, stdin);
    if (!m_pScreen) {
        std::setlocale(LC_CTYPE, m_strPreviousCharacterSet.c_str());
        const char* term = std::getenv("TERM");
        error = std::string("the terminal type \"") + (term ? term : "") + "\" is not known";
        return false;
    }
    set_term(m_pScreen);
    g_bTerminalTaken = 1;
    m_bOpen = true;
    if (!g_bAtExitRegistered) {
        std::atexit(RestoreTerminal);
        g_bAtExitRegistered = true;
    }
    for (size_t i = 0; i < kRestoringSignals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = RestoreAndRaise;
        sigemptyset(&action.sa_mask);
        sigaction(kRestoringSignals[i], &action, &g_previousActions[i]);
    }

    cbreak();  // Ctrl+C still interrupts
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    keypad(stdscr, TRUE);
    set_escdelay(kEscapeDelayMs);
    mousemask(BUTTON1_PRESSED | BUTTON1_RELEASED, nullptr);
    mouseinterval(0);  // presses and releases as they come, not folded into clicks
    curs_set(0);
    DefineModifiedKeys();
    return true;
}

void CTerminalSession::Close() {
    if (!m_bOpen) return;
    m_bOpen = false;
    RestoreTerminal();
    for (size_t i = 0; i < kRestoringSignals.size(); ++i)
        sigaction(kRestoringSignals[i], &g_previousActions[i], nullptr);
    delscreen(m_pScreen);
    m_pScreen = nullptr;
    std::setlocale(LC_CTYPE, m_strPreviousCharacterSet.c_str());
    m_definedKeys.clear();
}

void CTerminalSession::DefineModifiedKeys() {
    int nCode = kFirstDefinedKey;
    const auto define = [this, &nCode](const std::string& sequence, WORD wVirtualKey, UINT nModifiers) {
        if (define_key(sequence.c_str(), nCode) == OK) m_definedKeys[nCode] = {wVirtualKey, nModifiers};
        ++nCode;
    };
    for (int nParameter = kFirstModifierParameter; nParameter <= kLastModifierParameter; ++nParameter) {
        const UINT nModifiers = ModifiersOfParameter(nParameter);
        for (const FinalKey& key : kLetterKeys) {
            define("\x1b[1;" + std::to_string(nParameter) + key.chFinal, key.wVirtualKey, nModifiers);
        }
        for (const NumberKey& key : kTildeKeys) {
            define("\x1b[" + std::to_string(key.nNumber) + ';' + std::to_string(nParameter) + '~', key.wVirtualKey,
                   nModifiers);
        }
    }
}

TerminalInput CTerminalSession::Read(int nTimeoutMs) {
    if (!m_bOpen) return MakeKind(TerminalInput::Kind::EndOfInput);
    wtimeout(stdscr, nTimeoutMs);
    wint_t nCharacter = 0;
    errno = 0;
    const int nResult = wget_wch(stdscr, &nCharacter);
    if (nResult == ERR) {
        // Only a wait without a limit, and not cut short by a signal, ends
        // without input when the terminal is gone.
        const bool bGone = nTimeoutMs < 0 && errno != EINTR;
        return MakeKind(bGone ? TerminalInput::Kind::EndOfInput : TerminalInput::Kind::None);
    }
    if (nResult == KEY_CODE_YES) return DecodeKeyCode(static_cast<int>(nCharacter));
    if (nCharacter == kEscape) return AfterEscape();
    return DecodeCharacter(nCharacter);
}

TerminalInput CTerminalSession::AfterEscape() {
    wtimeout(stdscr, 0);
    wint_t nNext = 0;
    const int nResult = wget_wch(stdscr, &nNext);
    if (nResult == ERR || (nResult == OK && nNext == kEscape)) return MakeKey(VK_ESCAPE);
    TerminalInput input = nResult == KEY_CODE_YES ? DecodeKeyCode(static_cast<int>(nNext)) : DecodeCharacter(nNext);
    if (input.kind == TerminalInput::Kind::Key || input.kind == TerminalInput::Kind::Character) {
        input.nModifiers |= MOD_ALT;
    }
    return input;
}

TerminalInput CTerminalSession::DecodeCharacter(unsigned nCharacter) {
    switch (nCharacter) {
    case kTabCharacter: return MakeKey(VK_TAB);
    case kLineFeed:
    case kCarriageReturn: return MakeKey(VK_RETURN);
    case kBackspace:
    case kDelete: return MakeKey(VK_BACK);
    default: break;
    }
    if (nCharacter >= 1 && nCharacter <= kLastControlLetter) {
        return MakeKey(static_cast<WORD>('A' + nCharacter - 1), MOD_CONTROL);
    }
    if (nCharacter < ' ' || nCharacter > kLastCodePageCharacter) return {};  // nothing the code page can type
    TerminalInput input;
    input.kind = TerminalInput::Kind::Character;
    input.chCharacter = static_cast<unsigned char>(nCharacter);
    return input;
}

TerminalInput CTerminalSession::DecodeKeyCode(int nCode) {
    if (nCode == KEY_RESIZE) return MakeKind(TerminalInput::Kind::Resize);
    if (nCode == KEY_MOUSE) return DecodeMouse();
    for (const KeyCode& key : kKeyCodes) {
        if (key.nCode == nCode) return MakeKey(key.wVirtualKey, key.nModifiers);
    }
    const int nFunction = nCode - KEY_F0 - 1;
    if (nFunction >= 0 && nFunction < kFunctionKeys * static_cast<int>(kFunctionKeyModifiers.size())) {
        return MakeKey(static_cast<WORD>(VK_F1 + nFunction % kFunctionKeys),
                       kFunctionKeyModifiers[static_cast<size_t>(nFunction / kFunctionKeys)]);
    }
    if (auto it = m_definedKeys.find(nCode); it != m_definedKeys.end())
        return MakeKey(it->second.first, it->second.second);
    return {};
}

TerminalInput CTerminalSession::DecodeMouse() {
    MEVENT event{};
    if (getmouse(&event) != OK) return {};
    TerminalInput input;
    if (event.bstate & BUTTON1_PRESSED) {
        input.kind = TerminalInput::Kind::MousePress;
    } else if (event.bstate & BUTTON1_RELEASED) {
        input.kind = TerminalInput::Kind::MouseRelease;
    } else {
        return {};
    }
    input.nRow = event.y;
    input.nColumn = event.x;
    return input;
}
