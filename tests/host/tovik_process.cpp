// Starting tovik for a test: through the shell, with the output caught in files.
#include "tovik_process.h"

#include <sys/wait.h>

#include <cstdlib>

std::string BinaryPath(const std::string& name) { return std::string(DORVANE_BINARY_DIR) + "/bin/" + name; }

std::string SourcePath(const std::string& name) { return std::string(DORVANE_SOURCE_DIR) + "/" + name; }

std::string ShellQuote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

TovikRun RunTovik(const testing_support::TempDir& dir, const std::string& args, const std::string& stdinFile,
                  const std::string& program) {
    const std::string out = dir / "tovik.stdout";
    const std::string err = dir / "tovik.stderr";
    const std::string command = "cd " + ShellQuote(dir.path().string()) + " && TOVIK_WINDIR=" +
                                ShellQuote(dir.path().string()) + " " + ShellQuote(BinaryPath(program)) + " " + args +
                                " <" + (stdinFile.empty() ? std::string("/dev/null") : ShellQuote(stdinFile)) + " >" +
                                ShellQuote(out) + " 2>" + ShellQuote(err);
    TovikRun run;
    const int nWaitStatus = std::system(command.c_str());
    run.nStatus = WIFEXITED(nWaitStatus) ? WEXITSTATUS(nWaitStatus) : -1;
    run.strOut = testing_support::ReadFile(out);
    run.strErr = testing_support::ReadFile(err);
    return run;
}
