// The help launcher of the current edition: the command lines of the help
// viewer and the browser for a host installed in a temporary tree, their
// working directory and real start, the browser's registration, what goes to
// the debug output, and F1 on a page whose map chains to the options tab's.
#include <cfg_tab.h>
#include <gtest/gtest.h>
#include <help_launcher.h>
#include <win32_debug.h>
#include <win32_dialog_template.h>
#include <win32_driver.h>
#include <win32_process.h>
#include <win32_resources.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "temp_dir.h"

namespace {

// A file URL of a native absolute path: file:///C:/Suite, file:///tmp/Suite.
std::string FileUrl(const std::string& path) { return "file:///" + (path.starts_with('/') ? path.substr(1) : path); }

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

constexpr char kBrowserKey[] = "htmlfile\\shell\\open\\command";
constexpr std::chrono::seconds kGenerousWait{30};  // only a hung child takes this long
constexpr std::chrono::milliseconds kPollPause{10};

constexpr char kNoBrowserInRegistry[] = "NO IE path at registry !!!";
constexpr char kCommandFailed[] = "command failed";
constexpr char kPathTooLong[] = "help: a path is too long for the launcher; nothing started";

std::vector<std::string> DebugMessages() {
    std::vector<std::string> messages;
    for (DWORD i = 0; i < Win32GetDebugMessageCount(); ++i) {
        std::string text(Win32GetDebugMessage(i, nullptr, 0) + 1, '\0');
        text.resize(Win32GetDebugMessage(i, text.data(), static_cast<DWORD>(text.size())));
        messages.push_back(text);
    }
    return messages;
}

// Sets the default value of a key under HKEY_CLASSES_ROOT to exactly these bytes.
void SetClassesDefaultValue(const char* subKey, const std::string& bytes) {
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
}

std::string WithNul(const std::string& text) { return text + '\0'; }

// An executable script that appends "NAME|WORKING DIRECTORY|ARGUMENTS" to record.
void WriteRecordingProgram(const std::string& path, const std::string& name, const std::string& record) {
    fs::create_directories(fs::path(path).parent_path());
    WriteFile(path, "#!/bin/sh\nprintf '%s|%s|%s\\n' '" + name + "' \"$(pwd)\" \"$*\" >> '" + record + "'\n");
    chmod(path.c_str(), 0755);
}

// Each start as CreateProcessA was asked for it.
struct Launch {
    std::string program;
    std::string commandLine;
    std::string directory;
    bool operator==(const Launch&) const = default;
};

void PrintTo(const Launch& launch, std::ostream* os) {
    *os << "{" << launch.program << " | " << launch.commandLine << " | " << launch.directory << "}";
}

// A host installed at ROOT/bin/Host.exe in a temporary tree, with a recording
// help viewer beside it and a recording browser registered as the program
// that opens web pages. The registry lives in the tree too.
class HelpLauncherTest : public ::testing::Test {
public:
    void SetUp() override {
        WriteRecordingProgram(m_viewer, "viewer", m_record);
        WriteRecordingProgram(m_browser, "browser", m_record);
        SetClassesDefaultValue(kBrowserKey, WithNul("\"" + m_browser + "\" %1"));
        Win32SetLaunchHook(&HelpLauncherTest::OnLaunch, this);
        Win32ClearDebugMessages();
    }
    void TearDown() override { Win32SetLaunchHook(nullptr, nullptr); }

    // The record's lines once the started programs have written count of them.
    std::vector<std::string> WaitForRecord(size_t count) const {
        const auto deadline = std::chrono::steady_clock::now() + kGenerousWait;
        std::vector<std::string> lines;
        while (true) {
            lines.clear();
            const std::string text = ReadFile(m_record);
            for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
                lines.push_back(text.substr(start, end - start));
            }
            if (lines.size() >= count || std::chrono::steady_clock::now() > deadline) return lines;
            std::this_thread::sleep_for(kPollPause);
        }
    }

    static BOOL CALLBACK OnLaunch(LPCSTR program, LPCSTR commandLine, LPCSTR directory, LPVOID context) {
        static_cast<HelpLauncherTest*>(context)->m_launches.push_back({program, commandLine, directory});
        return TRUE;  // and really start it
    }

    TempDir m_dir;
    ScopedEnv m_windowsDir{"TOVIK_WINDIR", m_dir.path().c_str()};
    const std::string m_root = m_dir / "Suite";
    const std::string m_bin = m_root + "/bin";
    const std::string m_host = m_bin + "/Host.exe";
    const std::string m_viewer = m_bin + "/BraskoHelp.exe";
    const std::string m_browser = m_dir / "browsers/web";
    const std::string m_record = m_dir / "record.txt";
    std::vector<Launch> m_launches;
};

TEST_F(HelpLauncherTest, EachTopicStartsItsProgramWithItsCommandLineInTheHostsFolder) {
    struct Row {
        int nTopic;
        bool bBrowser;
        std::string url;  // after file:///ROOT
    };
    const Row rows[] = {
        {141189, false, "/help/html_help/index.htm?context=tovik&topic=141189"},
        {185000, true, "/help/docs/PatchDocumentation/Default_CSH.htm#185000"},
        {-1, true, "/help/docs/PatchDocumentation/Default.htm"},
        {0, false, "/help/html_help/index.htm?context=home_BK&topic=front"},
        {179999, false, "/help/html_help/index.htm?context=tovik&topic=179999"},
        {180000, true, "/help/docs/PatchDocumentation/Default_CSH.htm#180000"},
        {189999, true, "/help/docs/PatchDocumentation/Default_CSH.htm#189999"},
        {190000, false, "/help/html_help/index.htm?context=tovik&topic=190000"},
    };
    size_t nStarted = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE("topic " + std::to_string(row.nTopic));
        m_launches.clear();
        Win32ClearDebugMessages();
        const std::string url = FileUrl(m_root) + row.url;
        const Launch viewer{m_bin + "\\BraskoHelp.exe", "BraskoHelp.exe \"" + url + "\"", m_bin};
        const Launch expected = row.bBrowser ? Launch{m_browser, " \"" + url + "\"", m_bin} : viewer;

        LaunchHelpForHost(m_host.c_str(), row.nTopic);

        EXPECT_EQ(m_launches, std::vector<Launch>{expected});
        EXPECT_EQ(DebugMessages(), (std::vector<std::string>{expected.commandLine, "working dir : " + m_bin}));
        const std::vector<std::string> record = WaitForRecord(++nStarted);
        ASSERT_EQ(record.size(), nStarted) << "the program did not run";
        EXPECT_EQ(record.back(), (row.bBrowser ? "browser|" : "viewer|") + m_bin + "|" + url);
    }
}

TEST_F(HelpLauncherTest, WindowsSeparatorsInTheHostPathCutTooAndTheRootIsWrittenWithSlashes) {
    const std::string windowsStyleHost = m_dir.path().string() + "\\Suite\\bin\\Host.exe";
    LaunchHelpForHost(windowsStyleHost.c_str(), 141189);
    ASSERT_EQ(m_launches.size(), 1U);
    EXPECT_EQ(m_launches[0].program, m_dir.path().string() + "\\Suite\\bin\\BraskoHelp.exe");
    EXPECT_EQ(m_launches[0].commandLine,
              "BraskoHelp.exe \"" + FileUrl(m_root) + "/help/html_help/index.htm?context=tovik&topic=141189\"");
    EXPECT_EQ(m_launches[0].directory, m_bin);
    EXPECT_EQ(WaitForRecord(1).size(), 1U) << "the viewer did not run";
}

TEST_F(HelpLauncherTest, WhatCannotStartOnlyTellsTheDebugOutput) {
    // The launcher's buffers hold 1024 characters. A folder of 1015 fits, but
    // not the viewer's path in it nor the command line.
    constexpr size_t kFittingFolderLength = 1015;
    const std::string tooLong = m_dir / std::string(1100, 'x') + "/bin/Host.exe";
    const std::string prefix = m_dir / "";
    const std::string fitting = prefix + std::string(kFittingFolderLength - prefix.size() - 4, 'f') + "/bin/Host.exe";
    struct Row {
        const char* name;
        std::string host;
        int nTopic;
        std::string browserValue;  // the registered command, as stored
        bool bRemoveViewer;
        size_t nLaunches;
        std::vector<std::string> lastDebugMessages;
    };
    const Row rows[] = {
        {"a registered command with one quote gives no browser", m_host, 185000, WithNul("\"" + m_browser + " %1"),
         false, 1, {kCommandFailed}},
        {"the viewer missing", m_host, 141189, "", true, 1, {kCommandFailed}},
        {"a host folder longer than the buffers", tooLong, 141189, "", false, 0, {kPathTooLong}},
        {"a folder that fits but a command line that would not", fitting, 141189, "", false, 0, {kPathTooLong}},
        {"a host path with one separator", "bin/Host.exe", 141189, "", false, 0, {}},
        {"a host path without a separator", "Host.exe", 141189, "", false, 0, {}},
    };
    for (const Row& row : rows) {
        if (!row.browserValue.empty()) SetClassesDefaultValue(kBrowserKey, row.browserValue);
        if (row.bRemoveViewer) fs::remove(m_viewer);
        m_launches.clear();
        Win32ClearDebugMessages();

        LaunchHelpForHost(row.host.c_str(), row.nTopic);

        EXPECT_EQ(m_launches.size(), row.nLaunches) << row.name;
        const std::vector<std::string> messages = DebugMessages();
        ASSERT_GE(messages.size(), row.lastDebugMessages.size()) << row.name;
        EXPECT_EQ(std::vector<std::string>(messages.end() - static_cast<std::ptrdiff_t>(row.lastDebugMessages.size()),
                                           messages.end()),
                  row.lastDebugMessages)
            << row.name;
        if (row.lastDebugMessages.empty()) {
            EXPECT_EQ(messages, std::vector<std::string>{}) << row.name;
        }
    }
    EXPECT_FALSE(fs::exists(m_record)) << "nothing ran";
}

TEST_F(HelpLauncherTest, TheBrowserIsTheRegisteredProgramElseThePlatformsOwn) {
    const std::string pathDir = m_dir / "path";
    const std::string opener = pathDir + "/xdg-open";
    WriteRecordingProgram(opener, "opener", m_record);
    struct Row {
        const char* name;
        const char* value;  // the registered command, exactly these bytes; nullptr: no key at all
        size_t nValueSize;
        const char* browsers;  // BROWSER, nullptr: unset
        bool bOpenerOnPath;    // PATH leads to an xdg-open
        std::string expected;
        std::vector<std::string> debug;
    };
    const std::string quoted = "\"" + m_browser + "\" --new-window %1";
    const std::string unterminated = "\"" + m_browser + "\"";
    const std::string oneQuote = "\"" + m_browser;
    const std::string browserList = "no-such-browser:" + m_browser;
    const Row rows[] = {
        {"a quoted program and its arguments", quoted.c_str(), quoted.size() + 1, nullptr, true, m_browser, {}},
        {"a value stored without its terminating NUL", unterminated.c_str(), unterminated.size(), nullptr, true,
         m_browser, {}},
        {"a value with one quote names nothing, and nothing else is looked for", oneQuote.c_str(), oneQuote.size(),
         browserList.c_str(), true, "", {}},
        {"no registration: the first program of BROWSER that is found", nullptr, 0, browserList.c_str(), true,
         m_browser, {}},
        {"a key without its value is noted; then xdg-open along PATH", "", 0, "no-such-browser", true, opener,
         {kNoBrowserInRegistry}},
        {"nothing anywhere", nullptr, 0, "no-such-browser", false, "", {}},
    };
    int nRow = 0;
    for (const Row& row : rows) {
        // Each row has a registry of its own.
        const std::string windowsDir = m_dir / ("windows" + std::to_string(++nRow));
        fs::create_directories(windowsDir);
        ScopedEnv windows("TOVIK_WINDIR", windowsDir.c_str());
        ScopedEnv browsers("BROWSER", row.browsers);
        ScopedEnv path("PATH", row.bOpenerOnPath ? pathDir.c_str() : windowsDir.c_str());
        if (row.value && row.nValueSize > 0) {
            SetClassesDefaultValue(kBrowserKey, std::string(row.value, row.nValueSize));
        } else if (row.value) {
            HKEY hKey = nullptr;
            ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, kBrowserKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                                      nullptr),
                      ERROR_SUCCESS);
            RegCloseKey(hKey);
        }
        Win32ClearDebugMessages();
        EXPECT_EQ(GetBrowserPath(), row.expected) << row.name;
        EXPECT_EQ(DebugMessages(), row.debug) << row.name;
    }
}

// ---- F1 on a page without a help handler of its own ----

constexpr UINT IDD_PLAIN_PAGE = 7200;
constexpr int IDC_PLAIN_EDIT = 7201;

const win32::DialogTemplate kPlainPage{
    {.caption = "Plain", .style = WS_CHILD | DS_CONTROL, .cx = 120, .cy = 40, .fontName = "MS Sans Serif"},
    {
        {"Edit", "", IDC_PLAIN_EDIT, 5, 5, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    }};
const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_PLAIN_PAGE), kPlainPage.Bytes().data(), static_cast<DWORD>(kPlainPage.Size())},
};
const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), nullptr, 0};

class CPlainPage : public CCfgTab {
public:
    CPlainPage() : CCfgTab("source", "extra", "protocol", IDD_PLAIN_PAGE, 0) {}
    void LoadOptions() override {}
    void SaveOptions() override {}
    void RestoreDefaults() override {}
};

TEST_F(HelpLauncherTest, FOneOnAPageOpensThePagesTopicForTheRunningHost) {
    win32::ResetWindowSystem();
    CWinApp app("Help Tests");
    CPlainPage page;
    CPropertySheet sheet("Options");
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create());
    ::SetFocus(::GetDlgItem(page.m_hWnd, IDC_PLAIN_EDIT));
    // The running host is this test program; it is not started from here.
    Win32SetLaunchHook([](LPCSTR program, LPCSTR commandLine, LPCSTR directory, LPVOID context) -> BOOL {
        static_cast<HelpLauncherTest*>(context)->m_launches.push_back({program, commandLine, directory});
        return FALSE;
    }, this);

    win32::headless::PressKey(VK_F1);
    win32::headless::PumpMessages(sheet.m_hWnd);

    char moduleName[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, moduleName, MAX_PATH), 0U);
    const fs::path programDir = fs::path(moduleName).parent_path();
    const std::string topic = std::to_string(CFG_TAB_HELP_BASE + IDD_PLAIN_PAGE);
    const Launch expected{programDir.string() + "\\BraskoHelp.exe",
                          "BraskoHelp.exe \"" + FileUrl(programDir.parent_path().string()) +
                              "/help/html_help/index.htm?context=tovik&topic=" + topic + "\"",
                          programDir.string()};
    EXPECT_EQ(m_launches, std::vector<Launch>{expected});
    win32::ResetWindowSystem();
    app.OnIdle(0);
}

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
