// Processes: command lines split as Windows splits them, working directory,
// program look-up, waiting, exit codes and the launch hook.
#include <gtest/gtest.h>
#include <win32_process.h>
#include <windows.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

constexpr DWORD kGenerousWait = 30000;  // milliseconds; only a hung child takes this long

// An executable script with a Windows name: writes its arguments, one a line,
// to args.txt and its working directory to dir.txt, in its working directory.
std::string WriteEchoProgram(const TempDir& dir, const std::string& name) {
    const std::string path = dir / name;
    WriteFile(path,
              "#!/bin/sh\n"
              "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > args.txt\n"
              "pwd > dir.txt\n"
              "exit 7\n");
    chmod(path.c_str(), 0755);
    return path;
}

struct Started {
    BOOL ok = FALSE;
    DWORD error = 0;
    DWORD exitCode = 0;
};

Started StartAndWait(LPCSTR application, const std::string& commandLine, LPCSTR directory) {
    std::string line = commandLine;  // CreateProcessA takes a writable command line
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    Started started;
    SetLastError(0);
    started.ok = CreateProcessA(application, line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory, &startup,
                                &process);
    started.error = GetLastError();
    if (!started.ok) return started;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, kGenerousWait), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &started.exitCode));
    EXPECT_TRUE(CloseHandle(process.hThread));
    EXPECT_TRUE(CloseHandle(process.hProcess));
    return started;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

TEST(Processes, CommandLineIsSplitByTheWindowsRules) {
    struct Case {
        const char* name;
        const char* arguments;  // after the program name
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"blanks and tabs separate", "a  b\tc", {"a", "b", "c"}},
        {"quotes group", "\"a b\" c", {"a b", "c"}},
        {"quotes inside an argument", "x\"a b\"y", {"xa by"}},
        {"backslashes alone are literal", "a\\\\b c\\", {"a\\\\b", "c\\"}},
        {"2n backslashes and a quote: n and quoting", "\"a\\\\\" b", {"a\\", "b"}},
        {"2n+1 backslashes and a quote: n and a literal quote", "a\\\\\\\"b", {"a\\\"b"}},
        {"doubled quote inside quotes", "\"a\"\"b\"", {"a\"b"}},
        {"empty quotes are an empty argument", "\"\" x", {"", "x"}},
        {"URL in quotes keeps its characters",
         "\"file:///C:/Suite/help/html_help/index.htm?context=tovik&topic=141189\"",
         {"file:///C:/Suite/help/html_help/index.htm?context=tovik&topic=141189"}},
    };
    TempDir dir;
    const std::string program = WriteEchoProgram(dir, "Echo Help.exe");
    for (const Case& c : cases) {
        const Started started =
            StartAndWait(program.c_str(), std::string("\"Echo Help.exe\" ") + c.arguments, dir.path().c_str());
        ASSERT_TRUE(started.ok) << c.name << ": error " << started.error;
        EXPECT_EQ(started.exitCode, 7u) << c.name;
        EXPECT_EQ(Lines(ReadFile(dir / "args.txt")), c.expected) << c.name;
    }
}

TEST(Processes, StartsInTheGivenWorkingDirectory) {
    TempDir dir;
    const std::string program = WriteEchoProgram(dir, "BraskoHelp.exe");
    const std::string work = dir / "work";
    ASSERT_EQ(mkdir(work.c_str(), 0755), 0);
    const Started started = StartAndWait(program.c_str(), "BraskoHelp.exe \"file:///x\"", work.c_str());
    ASSERT_TRUE(started.ok) << started.error;
    EXPECT_EQ(Lines(ReadFile(work + "/dir.txt")), std::vector<std::string>{work});
    EXPECT_EQ(Lines(ReadFile(work + "/args.txt")), std::vector<std::string>{"file:///x"});
}

TEST(Processes, ProgramOfTheCommandLineIsLookedUpAlongPath) {
    TempDir dir;
    WriteEchoProgram(dir, "finder.exe");
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ScopedEnv path("PATH", (dir.path().string() + ":" + oldPath).c_str());
    // No extension: ".exe" is tried too, as Windows appends it.
    const Started started = StartAndWait(nullptr, "finder one", dir.path().c_str());
    ASSERT_TRUE(started.ok) << started.error;
    EXPECT_EQ(Lines(ReadFile(dir / "args.txt")), std::vector<std::string>{"one"});
}

TEST(Processes, FailuresGiveTheWindowsErrors) {
    TempDir dir;
    const std::string program = WriteEchoProgram(dir, "echo.exe");
    const std::string missing = dir / "missing.exe";
    const std::string missingDir = dir / "no-such-directory";
    struct Case {
        const char* name;
        LPCSTR application;
        const char* commandLine;
        LPCSTR directory;
        DWORD error;
    };
    const Case cases[] = {
        {"missing program", missing.c_str(), "missing.exe", nullptr, ERROR_FILE_NOT_FOUND},
        {"missing directory", program.c_str(), "echo.exe", missingDir.c_str(), ERROR_DIRECTORY},
        {"not found on PATH", nullptr, "no-such-program-anywhere", nullptr, ERROR_FILE_NOT_FOUND},
    };
    for (const Case& c : cases) {
        const Started started = StartAndWait(c.application, c.commandLine, c.directory);
        EXPECT_FALSE(started.ok) << c.name;
        EXPECT_EQ(started.error, c.error) << c.name;
    }
    EXPECT_FALSE(CloseHandle(nullptr));
}

TEST(Processes, WaitTimesOutWhileTheChildRuns) {
    std::string line = "sh -c \"sleep 0.2\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    DWORD code = 0;
    ASSERT_TRUE(GetExitCodeProcess(process.hProcess, &code));
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(WaitForSingleObject(process.hThread, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0))
        << "the thread handle waits for the process too";
    ASSERT_TRUE(GetExitCodeProcess(process.hProcess, &code));
    EXPECT_EQ(code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), WAIT_FAILED) << "closed";
}

struct Launch {
    std::string program;
    std::string commandLine;
    std::string directory;
};

BOOL CALLBACK RecordLaunch(LPCSTR program, LPCSTR commandLine, LPCSTR directory, LPVOID context) {
    static_cast<std::vector<Launch>*>(context)->push_back(Launch{program, commandLine, directory});
    return FALSE;  // do not start it
}

TEST(Processes, LaunchHookSeesEachStartAndMayKeepItFromRunning) {
    TempDir dir;
    const std::string program = WriteEchoProgram(dir, "BraskoHelp.exe");
    std::vector<Launch> launches;
    Win32SetLaunchHook(RecordLaunch, &launches);
    const Started started = StartAndWait(program.c_str(), "BraskoHelp.exe \"file:///y\"", dir.path().c_str());
    Win32SetLaunchHook(nullptr, nullptr);
    ASSERT_TRUE(started.ok);
    EXPECT_EQ(started.exitCode, 0u);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].program, program);
    EXPECT_EQ(launches[0].commandLine, "BraskoHelp.exe \"file:///y\"");
    EXPECT_EQ(launches[0].directory, dir.path().string());
    EXPECT_EQ(ReadFile(dir / "args.txt"), "") << "the program did not run";
}

}  // namespace
