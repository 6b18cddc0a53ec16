// What the front ends read of a control (the script's dump prints it, the
// terminal draws it), and the script front end's output formats: quoted text
// and one line per control.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// A control as the window tree shows it at one moment.
struct ControlSnapshot {
    int nID = 0;
    std::string strClass;  // the registered spelling, as GetClassNameA gives it
    std::string strText;
    DWORD dwStyle = 0;
    LRESULT nCheck = 0;  // BM_GETCHECK of a button, else 0
    bool bEnabled = false;
    bool bVisible = false;
    bool bFocus = false;
    RECT rcScreen{};  // screen pixels
    RECT rcParent{};  // the client pixels of the parent
    // Edits: the selection (EM_GETSEL) and the first character shown (EM_GETFIRSTVISIBLELINE).
    DWORD dwSelStart = 0;
    DWORD dwSelEnd = 0;
    int nFirstVisible = 0;
    int nPosition = 0;  // up-downs: UDM_GETPOS32

    bool IsClass(const char* className) const;
};

ControlSnapshot ReadControl(HWND hWndControl);
// The text of any window.
std::string WindowText(HWND hWnd);

// TEXT in double quotes, with '"' and '\' escaped by a backslash and every byte
// outside printable ASCII written as \xHH, so that a line can be parsed back.
std::string QuoteText(std::string_view text);
// The inverse: reads one quoted text from the front of text and removes it
// (and the blanks after it) from there; nothing when text does not start with
// a well-formed one.
std::optional<std::string> ReadQuotedText(std::string_view& text);

// "ID CLASS "TEXT" check=N enabled=0|1 visible=0|1 focus=0|1 rect=X,Y,W,H",
// rect in the client pixels of the control's parent; edits add sel=START,END,
// up-downs pos=N.
std::string DumpControl(HWND hWndControl);
