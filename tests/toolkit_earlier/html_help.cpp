// The earlier edition's help handler: F1 on a page opens the host's help file
// through HtmlHelpA, which comes from the HTML Help control the registry
// names, else from hhctrl.ocx beside the program, else from nowhere.
#include <cfg_tab.h>
#include <gtest/gtest.h>
#include <help_launcher.h>
#include <win32_debug.h>
#include <win32_dialog_template.h>
#include <win32_driver.h>
#include <win32_resources.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ScopedEnv;
using testing_support::TempDir;

constexpr char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kHelpFile[] = "C:\\SUITE\\BIN\\TOVIK.CHM";
constexpr UINT kTopic = 141189;

std::vector<std::string> HtmlHelpReports() {
    std::vector<std::string> reports;
    for (DWORD i = 0; i < Win32GetDebugMessageCount(); ++i) {
        std::string text(Win32GetDebugMessage(i, nullptr, 0) + 1, '\0');
        text.resize(Win32GetDebugMessage(i, text.data(), static_cast<DWORD>(text.size())));
        if (text.starts_with("HtmlHelpA(")) reports.push_back(text);
    }
    return reports;
}

std::string ProgramDir() {
    char moduleName[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, moduleName, MAX_PATH);
    return fs::path(moduleName).parent_path().string();
}

std::string Report(const std::string& file, UINT nTopic, const std::string& module) {
    return "HtmlHelpA(0x0, \"" + file + "\", 0x000F, " + std::to_string(nTopic) + ") answered by " + module;
}

void RegisterHtmlHelpServer(const std::string& module) {
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(module.c_str()),
                             static_cast<DWORD>(module.size() + 1)),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
}

// The registry lives in the test's temporary folder; a copy of the control
// there can be registered under another name.
class HtmlHelpTest : public ::testing::Test {
public:
    void SetUp() override { Win32ClearDebugMessages(); }

    // A copy of the control beside the program, under a name of its own.
    std::string CopyOfTheControl(const std::string& name) const {
        const std::string copy = m_dir / name;
        fs::copy_file(ProgramDir() + "/" + HTML_HELP_MODULE_NAME, copy);
        return copy;
    }

    TempDir m_dir;
    ScopedEnv m_windowsDir{"TOVIK_WINDIR", m_dir.path().c_str()};
};

TEST_F(HtmlHelpTest, TheEntryComesFromTheRegisteredControlElseFromTheFallbackElseFromNowhere) {
    const std::string registered = CopyOfTheControl("registered_help.ocx");
    const std::string missing = m_dir / "missing_help.ocx";
    const std::string fallback = ProgramDir() + "/" + HTML_HELP_MODULE_NAME;
    struct Row {
        const char* name;
        std::string registeredModule;  // empty: no registration
        const char* fallbackModule;
        std::vector<std::string> reports;
    };
    const Row rows[] = {
        {"the registered control", registered, HTML_HELP_MODULE_NAME, {Report(kHelpFile, kTopic, registered)}},
        {"a registered control that cannot load: hhctrl.ocx beside the program", missing, HTML_HELP_MODULE_NAME,
         {Report(kHelpFile, kTopic, fallback)}},
        {"no registration: hhctrl.ocx beside the program", "", HTML_HELP_MODULE_NAME,
         {Report(kHelpFile, kTopic, fallback)}},
        {"neither loads: nothing happens", missing, "no_such_help.ocx", {}},
    };
    int nRow = 0;
    for (const Row& row : rows) {
        const std::string windowsDir = m_dir / ("windows" + std::to_string(++nRow));
        fs::create_directories(windowsDir);
        ScopedEnv windows("TOVIK_WINDIR", windowsDir.c_str());
        if (!row.registeredModule.empty()) RegisterHtmlHelpServer(row.registeredModule);
        Win32ClearDebugMessages();

        CHtmlHelpEntry htmlHelp(row.fallbackModule);
        EXPECT_EQ(htmlHelp.HtmlHelp(nullptr, kHelpFile, HH_HELP_CONTEXT, kTopic), nullptr) << row.name;
        EXPECT_EQ(HtmlHelpReports(), row.reports) << row.name;
    }
}

TEST_F(HtmlHelpTest, AfterAFailedLoadNoFurtherLoadIsTried) {
    CHtmlHelpEntry htmlHelp("no_such_help.ocx");
    htmlHelp.HtmlHelp(nullptr, kHelpFile, HH_HELP_CONTEXT, kTopic);
    RegisterHtmlHelpServer(CopyOfTheControl("late_help.ocx"));

    htmlHelp.HtmlHelp(nullptr, kHelpFile, HH_HELP_CONTEXT, kTopic);

    EXPECT_EQ(HtmlHelpReports(), std::vector<std::string>{});
}

// ---- F1 on a page whose map chains to the options tab's ----

constexpr UINT IDD_PLAIN_PAGE = 7300;
constexpr int IDC_PLAIN_EDIT = 7301;

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

TEST_F(HtmlHelpTest, FOneOpensTheHostsHelpFileOnThePagesTopic) {
    win32::ResetWindowSystem();
    {
        CWinApp app("Help Tests");
        CPlainPage page;
        CPropertySheet sheet("Options");
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create());
        ::SetFocus(::GetDlgItem(page.m_hWnd, IDC_PLAIN_EDIT));

        win32::headless::PressKey(VK_F1);
        win32::headless::PumpMessages(sheet.m_hWnd);

        // The host is this test program: its folder in upper case.
        std::string folder = ProgramDir();
        std::transform(folder.begin(), folder.end(), folder.begin(),
                       [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
        const std::string fallback = ProgramDir() + "/" + HTML_HELP_MODULE_NAME;
        const std::string expected = Report(folder + "\\TOVIK.CHM", CFG_TAB_HELP_BASE + IDD_PLAIN_PAGE, fallback);
        EXPECT_EQ(HtmlHelpReports(), std::vector<std::string>{expected});
        win32::ResetWindowSystem();
        app.OnIdle(0);
    }
}

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
