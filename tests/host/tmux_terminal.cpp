// Driving a program in tmux: commands through the shell, the screen polled.
#include "tmux_terminal.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "tovik_process.h"

namespace {

// Long enough for the sanitizer build on a busy two-core machine.
constexpr std::chrono::seconds kDeadline{60};
constexpr std::chrono::milliseconds kPollInterval{20};
constexpr char kConfiguration[] =
    "set -g status off\n"
    "set -g escape-time 0\n"  // an ESC reaches the program at once, as a terminal sends it
    "set -g remain-on-exit on\n";
constexpr size_t kOutputChunk = 4096;
// xterm's mouse reports: "ESC [ M" then the button, column and row, each plus 32 (cells count from 1).
constexpr int kMouseReportOffset = 32;
constexpr int kX10Release = 3;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

bool TmuxTerminal::Available() { return std::system("command -v tmux >/dev/null 2>&1") == 0; }

TmuxTerminal::TmuxTerminal(const testing_support::TempDir& dir, const std::string& program, int nColumns, int nRows)
    : m_strStatusFile(dir / "exit-status") {
    const std::string configuration = dir / "tmux.conf";
    testing_support::WriteFile(configuration, kConfiguration);
    m_strTmux = "tmux -S " + ShellQuote(dir / "tmux.socket") + " -f " + ShellQuote(configuration) + ' ';
    // The status goes through a file written once complete: tmux's own record of a
    // pane's exit status is not always there.
    const std::string command = "trap '' INT; " + program + "; echo $? >" + ShellQuote(m_strStatusFile + ".new") +
                                " && mv " + ShellQuote(m_strStatusFile + ".new") + ' ' + ShellQuote(m_strStatusFile);
    Run("new-session -d -x " + std::to_string(nColumns) + " -y " + std::to_string(nRows) + ' ' + ShellQuote(command));
}

TmuxTerminal::~TmuxTerminal() { Run("kill-server"); }

std::string TmuxTerminal::Run(const std::string& arguments) const {
    const std::string command = m_strTmux + arguments + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string output;
    if (!pipe) return output;
    char chunk[kOutputChunk];
    for (size_t nRead; (nRead = std::fread(chunk, 1, sizeof chunk, pipe.get())) > 0;) output.append(chunk, nRead);
    return output;
}

void TmuxTerminal::SendKeys(const std::vector<std::string>& keys) const {
    for (const std::string& key : keys) Run("send-keys " + ShellQuote(key));
}

void TmuxTerminal::Type(const std::string& text) const { Run("send-keys -l -- " + ShellQuote(text)); }

void TmuxTerminal::Click(int nRow, int nColumn) const {
    // The report the program asked for: SGR when it turned that on, else the classic one.
    if (Query("#{mouse_sgr_flag}") == "1") {
        const std::string cell = std::to_string(nColumn + 1) + ';' + std::to_string(nRow + 1);
        Type("\x1b[<0;" + cell + "M\x1b[<0;" + cell + "m");
        return;
    }
    const auto report = [nRow, nColumn](int nButton) {
        return std::string("\x1b[M") + static_cast<char>(kMouseReportOffset + nButton) +
               static_cast<char>(kMouseReportOffset + 1 + nColumn) + static_cast<char>(kMouseReportOffset + 1 + nRow);
    };
    Type(report(0) + report(kX10Release));
}

void TmuxTerminal::Resize(int nColumns, int nRows) const {
    Run("resize-window -x " + std::to_string(nColumns) + " -y " + std::to_string(nRows));
}

namespace {
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}
}  // namespace

std::vector<std::string> TmuxTerminal::Screen() const { return Lines(Run("capture-pane -p")); }

std::vector<std::string> TmuxTerminal::StyledScreen() const { return Lines(Run("capture-pane -p -e")); }

std::vector<std::string> TmuxTerminal::ScreenAndHistory() const { return Lines(Run("capture-pane -p -S -")); }

std::string TmuxTerminal::Query(const std::string& format) const {
    std::string value = Run("display-message -p " + ShellQuote(format));
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) value.pop_back();
    return value;
}

pid_t TmuxTerminal::ProgramId() const {
    const std::string shell = Query("#{pane_pid}");
    std::ifstream children("/proc/" + shell + "/task/" + shell + "/children");
    pid_t pid = 0;
    children >> pid;
    return pid;
}

bool TmuxTerminal::WaitFor(const std::function<bool(const std::vector<std::string>& screen)>& done) const {
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    for (;;) {
        if (done(Screen())) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

bool TmuxTerminal::WaitForText(const std::string& text) const {
    return WaitFor([&text](const std::vector<std::string>& screen) { return ScreenShows(screen, text); });
}

std::optional<int> TmuxTerminal::WaitForExit() const {
    const bool bEnded = WaitFor([this](const std::vector<std::string>&) {
        return std::filesystem::exists(m_strStatusFile) && Query("#{pane_dead}") == "1";
    });
    if (!bEnded) return std::nullopt;
    return std::atoi(testing_support::ReadFile(m_strStatusFile).c_str());
}

std::optional<std::pair<int, int>> FindOnScreen(const std::vector<std::string>& screen, const std::string& text) {
    for (size_t nRow = 0; nRow < screen.size(); ++nRow) {
        const size_t at = screen[nRow].find(text);
        if (at == std::string::npos) continue;
        int nColumn = 0;
        for (size_t i = 0; i < at; ++i) {
            if (!IsContinuationByte(screen[nRow][i])) ++nColumn;
        }
        return std::pair{static_cast<int>(nRow), nColumn};
    }
    return std::nullopt;
}

bool ScreenShows(const std::vector<std::string>& screen, const std::string& text) {
    return FindOnScreen(screen, text).has_value();
}

std::string ScreenText(const std::vector<std::string>& screen) {
    std::string text;
    for (const std::string& line : screen) text += line + '\n';
    return text;
}
