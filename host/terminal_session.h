// CTerminalSession: the terminal while the terminal front end holds it
// (ncurses on standard input and output), and the terminal's input decoded
// into what a keyboard and a mouse would have done.
//
// The terminal is given back on every way out: Close, the destructor, exit()
// (an atexit handler) and SIGINT, SIGTERM, SIGHUP, SIGQUIT and SIGABRT (an
// uncaught exception): handlers that restore it and then let the signal take
// its usual course.
//
// Keys that terminals report as escape sequences with modifiers (xterm's
// "ESC [ 1 ; 5 P" for Ctrl+F1, "ESC [ 6 ; 5 ~" for Ctrl+PageDown...) are
// known whatever the terminal description says; Alt plus a key arrives as
// ESC followed by that key.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

struct screen;  // ncurses' SCREEN

// One piece of terminal input.
struct TerminalInput {
    enum class Kind {
        None,          // nothing (the time ran out, or input that means nothing here)
        EndOfInput,    // the terminal is gone
        Key,           // wVirtualKey with nModifiers
        Character,     // chCharacter typed, with nModifiers (MOD_ALT for Alt plus the key)
        MousePress,    // the left button went down on the cell nRow, nColumn
        MouseRelease,  // and came up there
        Resize,        // the terminal changed size
    };
    Kind kind = Kind::None;
    WORD wVirtualKey = 0;
    UINT nModifiers = 0;            // MOD_SHIFT, MOD_CONTROL, MOD_ALT
    unsigned char chCharacter = 0;  // a byte of the system code page
    int nRow = 0;
    int nColumn = 0;
};

class CTerminalSession {
public:
    CTerminalSession() = default;
    ~CTerminalSession();
    CTerminalSession(const CTerminalSession&) = delete;
    CTerminalSession& operator=(const CTerminalSession&) = delete;

    // Whether standard input and standard output are both a terminal.
    static bool StandardStreamsAreTerminal();

    // Takes the terminal over; false with the reason in error.
    bool Open(std::string& error);
    // Gives the terminal back as it was.
    void Close();
    bool IsOpen() const { return m_bOpen; }

    // Waits for input at most nTimeoutMs milliseconds (negative: as long as
    // it takes).
    TerminalInput Read(int nTimeoutMs);

private:
    bool m_bOpen = false;
    struct screen* m_pScreen = nullptr;
    std::string m_strPreviousCharacterSet;  // LC_CTYPE before the session set the user's
    // The codes this session gave to the escape sequences it defines.
    std::map<int, std::pair<WORD, UINT>> m_definedKeys;

    void DefineModifiedKeys();
    TerminalInput DecodeKeyCode(int nCode);
    TerminalInput DecodeCharacter(unsigned nCharacter);
    TerminalInput DecodeMouse();
    TerminalInput AfterEscape();
};
