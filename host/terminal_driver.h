// CTerminalDriver: the interactive terminal front end. It is the window
// system's display driver: whenever a message loop runs out of messages it
// draws the windows in the terminal (CTerminalScreen) and waits for a key or
// a mouse press (CTerminalSession), which it hands to the window system as
// input (SendInput), as a keyboard and a mouse would. What the input does is
// up to the windows. Message boxes show over the page and wait for an answer;
// help requests and the programs the windows start (which do start) show on
// the status line. Ctrl+L draws the whole screen again.
//
// A host program runs a sheet in it with:
//
//     CTerminalDriver terminal;
//     if (!terminal.Open(reason)) ...        // takes the terminal, plugs the driver in
//     CMainWindow mainWindow([&terminal](DWORD_PTR dwTopic) { terminal.ShowHelpTopic(dwTopic); });
//     ...
//     terminal.RunModalSheet(sheet);         // until OK or Cancel closes it
//     terminal.Close();                      // (the destructor does it too)
#pragma once

#include <win32_driver.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

#include "terminal_screen.h"
#include "terminal_session.h"

class CPropertySheet;

class CTerminalDriver final : public win32::DisplayDriver {
public:
    CTerminalDriver();
    ~CTerminalDriver() override;
    CTerminalDriver(const CTerminalDriver&) = delete;
    CTerminalDriver& operator=(const CTerminalDriver&) = delete;

    // ---- Attributes ----
    // Whether the front end can run here: standard input and output are a terminal.
    static bool Available();

    // ---- Operations ----
    // Takes the terminal over and plugs the driver into the window system;
    // false with the reason in error.
    bool Open(std::string& error);
    // Unplugs the driver and gives the terminal back as it was.
    void Close();
    // Runs the sheet modally in the terminal; what DoModal returns. Its tabs
    // are drawn as tabs, and Ctrl+PageUp / Ctrl+PageDown press the tab
    // before / after the active one.
    INT_PTR RunModalSheet(CPropertySheet& sheet);
    // A line on the status row until the next input: a help request (the
    // topic as WM_COMMANDHELP gave it) or any other news.
    void ShowHelpTopic(DWORD_PTR dwTopic);
    void ShowStatus(std::string text);
    // A stream whose every line shows on the status line while the terminal
    // is open, and goes to standard output once it is closed: where a host's
    // reports go, also those made after the sheet has closed.
    std::ostream& StatusStream() { return m_statusStream; }

    // ---- DisplayDriver ----
    // Shows the box over the windows and waits for its answer: Enter or Space
    // for the focused button, Escape for Cancel, a button's mnemonic, a click.
    int ShowMessageBox(const win32::MessageBoxRequest& request) override;
    void Beep(UINT type) override;
    // Milliseconds since the driver was made: timers run in real time.
    DWORD Now() override;
    // Draws, then waits for input until the next timer falls due.
    win32::WaitResult WaitForInput(const DWORD* pNextTimerDue) override;

private:
    // Hands each complete line to ShowStatus.
    class CStatusLineBuffer final : public std::streambuf {
    public:
        explicit CStatusLineBuffer(CTerminalDriver& driver) : m_driver(driver) {}

    protected:
        int_type overflow(int_type ch) override;

    private:
        CTerminalDriver& m_driver;
        std::string m_strLine;
    };

    CTerminalSession m_session;
    CTerminalScreen m_screen;
    CPropertySheet* m_pSheet = nullptr;
    std::string m_strStatus;
    std::chrono::steady_clock::time_point m_start;
    // Where the left button went down (cell and screen pixel), until it comes up.
    struct Press {
        int nRow;
        int nColumn;
        POINT ptScreen;
    };
    std::optional<Press> m_press;
    CStatusLineBuffer m_statusBuffer{*this};
    std::ostream m_statusStream{&m_statusBuffer};
    // Until then the screen is drawn whole at every wait: a program just
    // started may write on the terminal.
    std::optional<DWORD> m_dwRepaintUntil;

    static BOOL CALLBACK OnLaunch(LPCSTR program, LPCSTR commandLine, LPCSTR directory, LPVOID context);
    void Redraw();
    void Deliver(const TerminalInput& input);
    void PressTabBeside(int nStep);
    void SendMouse(DWORD dwButtonFlag, POINT ptScreen);
};
