// A real terminal for tests: a tmux server of the test's own (socket and
// configuration in the test's temporary directory) that runs one program in
// a window of a given size. Keys go in as tmux sends a user's keys, mouse
// presses as the terminal's mouse reports, and the screen comes back as text.
// Waits poll the screen up to a deadline, so that a slow machine only takes
// longer.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "temp_dir.h"

class TmuxTerminal {
public:
    // Whether tmux is installed.
    static bool Available();

    // Runs program (a shell command line starting one program) in a window
    // nColumns x nRows with no status bar, under a shell that notes its exit
    // status in dir and ignores Ctrl+C itself. The pane stays when the
    // program ends, so that its screen and state can be read.
    TmuxTerminal(const testing_support::TempDir& dir, const std::string& program, int nColumns, int nRows);
    ~TmuxTerminal();
    TmuxTerminal(const TmuxTerminal&) = delete;
    TmuxTerminal& operator=(const TmuxTerminal&) = delete;

    // tmux key names, one key each: "Tab", "BTab", "Enter", "Escape", "C-NPage", "M-a", "F1", "S-F1", "Space".
    void SendKeys(const std::vector<std::string>& keys) const;
    // Characters typed as they stand.
    void Type(const std::string& text) const;
    // A press and a release of the left mouse button on a cell (0-based).
    void Click(int nRow, int nColumn) const;
    void Resize(int nColumns, int nRows) const;

    // The screen, one line per row; styled, with the escape sequences of the
    // cells' attributes (bold, dim, underline, reverse...).
    std::vector<std::string> Screen() const;
    std::vector<std::string> StyledScreen() const;
    // The screen with the lines that scrolled off it before.
    std::vector<std::string> ScreenAndHistory() const;
    // A tmux format for the pane ("#{cursor_x}", "#{pane_dead}"...).
    std::string Query(const std::string& format) const;
    // The process id of the program (the child of the pane's shell); 0 when it has none.
    pid_t ProgramId() const;

    // Waits until done holds for the screen; false when the deadline passed
    // (the last screen is in the failure message of the caller's EXPECT).
    bool WaitFor(const std::function<bool(const std::vector<std::string>& screen)>& done) const;
    bool WaitForText(const std::string& text) const;
    // Waits until the program has ended: its exit status as the shell gives
    // it (128 + N after signal N), nothing when the deadline passed.
    std::optional<int> WaitForExit() const;

private:
    std::string m_strTmux;        // the tmux command line up to the subcommand
    std::string m_strStatusFile;  // where the shell notes the program's exit status

    std::string Run(const std::string& arguments) const;
};

// Where text first stands on the screen: row and column (in cells, counting
// each character once).
std::optional<std::pair<int, int>> FindOnScreen(const std::vector<std::string>& screen, const std::string& text);
// Whether the screen shows text anywhere.
bool ScreenShows(const std::vector<std::string>& screen, const std::string& text);
// The screen as one string, for failure messages.
std::string ScreenText(const std::vector<std::string>& screen);
