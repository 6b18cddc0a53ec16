// The Display page as the host gets it: the real plug-in library loaded with
// LoadLibraryA, the page made by create_new_tab, shown in a modeless sheet and
// driven by clicks and keys; what the user sees and what reaches the profile
// file is checked.
#include <afxdlgs.h>
#include <afxext.h>
#include <gtest/gtest.h>
#include <win32_driver.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cfg_tab.h"
#include "plugin_fixture.h"
#include "temp_dir.h"

namespace {

using namespace plugin_testing;

namespace headless = win32::headless;
using testing_support::ReadFile;
using testing_support::WriteFile;

constexpr UINT kDisplayTemplate = 10117;

// Controls of the Display page.
constexpr int kShowBrowser = 1001;
constexpr int kGenerateReport = 1002;
constexpr int kOpenReport = 1004;
constexpr int kAutoArrange = 1005;
constexpr int kShowDuringRecording = 1006;
constexpr int kTestResultsGroup = 1007;
constexpr int kOnlineBrowserGroup = 1008;

// Protocols of the test's descriptions, by their "VISUAL_LOG".
constexpr char kReportProtocol[] = "report";   // "1"
constexpr char kPlainProtocol[] = "plain";     // "0"
constexpr char kMissingProtocol[] = "absent";  // no description at all


struct ControlState {
    int check;
    bool enabled;
    bool visible;
};

class DisplayPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        m_app.SetProfileName(kProfileName);
        WriteFile(m_dir / "report.xpd", "[Tovik]\r\nVISUAL_LOG=1\r\n");
        WriteFile(m_dir / "plain.xpd", "[Tovik]\r\nVISUAL_LOG=0\r\n");
    }
    void TearDown() override {
        UnloadAll();
        win32::ResetWindowSystem();
        m_app.OnIdle(0);
    }

    // As the host ends: the sheet, then the pages, then the library.
    void UnloadAll() {
        m_sheet.reset();  // the pages' windows go with the sheet
        m_pages.clear();
        for (HMODULE hModule : m_libraries) ::FreeLibrary(hModule);
        m_libraries.clear();
    }
    HMODULE Load(const char* library = kCurrentEdition) {
        HMODULE hModule = ::LoadLibraryA(library);
        EXPECT_NE(hModule, nullptr) << library;
        if (hModule) m_libraries.push_back(hModule);
        return hModule;
    }
    CCfgTab* NewPage(const char* protocol, const char* library = kCurrentEdition) {
        HMODULE hModule = Load(library);
        if (!hModule) return nullptr;
        // Through void (*)(), the generic function pointer, as a loader's result is cast.
        auto create = reinterpret_cast<CreateTab>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, "create_new_tab")));
        EXPECT_NE(create, nullptr);
        if (!create) return nullptr;
        CCfgTab* page = create("source", "extra", protocol);
        if (page) m_pages.emplace_back(page);
        return page;
    }
    // A modeless sheet of the pages, on its first page.
    void Show(std::initializer_list<CCfgTab*> pages) {
        m_sheet = std::make_unique<CPropertySheet>("Options");
        for (CCfgTab* page : pages) m_sheet->AddPage(page);
        ASSERT_TRUE(m_sheet->Create());
    }
    void Pump() { headless::PumpMessages(m_sheet->m_hWnd); }
    void Click(HWND hWnd) {
        headless::Click(hWnd);
        Pump();
    }
    void ClickControl(CCfgTab* page, int nID) { Click(::GetDlgItem(page->m_hWnd, nID)); }
    void ClickSheetButton(int nID) { Click(::GetDlgItem(m_sheet->m_hWnd, nID)); }

    static ControlState StateOf(const CCfgTab* page, int nID) {
        HWND hWnd = ::GetDlgItem(page->m_hWnd, nID);
        return {static_cast<int>(::SendMessageA(hWnd, BM_GETCHECK, 0, 0)), ::IsWindowEnabled(hWnd) != FALSE,
                (::GetWindowLongA(hWnd, GWL_STYLE) & WS_VISIBLE) != 0};
    }
    // The control's rectangle in the page's client pixels.
    static CRect RectOf(const CCfgTab* page, int nID) {
        CRect rect;
        ::GetWindowRect(::GetDlgItem(page->m_hWnd, nID), &rect);
        ::MapWindowPoints(nullptr, page->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    std::string Profile() const { return ReadFile(m_dir / kProfileName); }
    bool ProfileExists() const { return std::filesystem::exists(m_dir.path() / kProfileName); }

    testing_support::TempDir m_dir;
    testing_support::ScopedEnv m_windowsDirectory{"TOVIK_WINDIR", m_dir.path().c_str()};
    testing_support::ScopedEnv m_descriptions{"SETBOOK_XPD_DIR", m_dir.path().c_str()};
    CWinApp m_app{"Tovik"};
    std::vector<HMODULE> m_libraries;
    std::vector<std::unique_ptr<CCfgTab>> m_pages;
    std::unique_ptr<CPropertySheet> m_sheet;
};

constexpr char kDefaultsWithReport[] =
    "[dorvane_tab]\r\nShowBrowser=0\r\nBrowserAutoArrange=1\r\nGenerateReport=1\r\nOpenReport=1\r\n";
constexpr char kDefaultsWithoutReport[] = "[dorvane_tab]\r\nShowBrowser=0\r\nBrowserAutoArrange=1\r\n";

TEST_F(DisplayPageTest, VisualLogChoosesThePresentation) {
    struct Row {
        const char* visualLog;  // nullptr: a description without the key
        bool reports;
    };
    const Row rows[] = {{"1", true}, {"2", true}, {"-1", true}, {"yes", false}, {"0", false}, {nullptr, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.visualLog ? row.visualLog : "(no key)");
        WriteFile(m_dir / "probe.xpd", std::string("[Tovik]\r\n") +
                                           (row.visualLog ? std::string("VISUAL_LOG=") + row.visualLog + "\r\n" : ""));
        CCfgTab* page = NewPage("probe");
        ASSERT_NE(page, nullptr);
        Show({page});
        EXPECT_EQ(StateOf(page, kTestResultsGroup).visible, row.reports);
        EXPECT_EQ(StateOf(page, kGenerateReport).visible, row.reports);
        EXPECT_EQ(StateOf(page, kOnlineBrowserGroup).visible, !row.reports);
        EXPECT_FALSE(StateOf(page, kOpenReport).visible) << "the page never shows 1004";
        EXPECT_FALSE(StateOf(page, kShowDuringRecording).visible);
        EXPECT_FALSE(StateOf(page, kShowDuringRecording).enabled);
        ClickSheetButton(IDOK);
        EXPECT_EQ(Profile(), row.reports ? kDefaultsWithReport : kDefaultsWithoutReport);
        std::filesystem::remove(m_dir.path() / kProfileName);
    }
}

TEST_F(DisplayPageTest, AnEmptyProfileShowsTheDefaults) {
    CCfgTab* page = NewPage(kReportProtocol);
    Show({page});
    struct Row {
        int nID;
        ControlState expected;
    };
    const Row rows[] = {
        {kShowBrowser, {BST_UNCHECKED, true, true}},
        {kAutoArrange, {BST_CHECKED, false, true}},
        {kGenerateReport, {BST_CHECKED, true, true}},
        {kOpenReport, {BST_CHECKED, true, false}},
    };
    for (const Row& row : rows) {
        const ControlState seen = StateOf(page, row.nID);
        EXPECT_EQ(seen.check, row.expected.check) << row.nID;
        EXPECT_EQ(seen.enabled, row.expected.enabled) << row.nID;
        EXPECT_EQ(seen.visible, row.expected.visible) << row.nID;
    }
}

TEST_F(DisplayPageTest, TheReducedPresentationMovesTheViewerOptionsDown) {
    // Side by side in one sheet, so that both pages measure in the same units.
    CCfgTab* full = NewPage(kReportProtocol);
    CCfgTab* reduced = NewPage(kPlainProtocol);
    Show({full, reduced});
    Click(m_sheet->GetTabButton(1));
    struct Row {
        int nID;
        int nPixels;
    };
    const Row rows[] = {{kShowDuringRecording, 7}, {kOnlineBrowserGroup, 18}, {kShowBrowser, 26}, {kAutoArrange, 27}};
    for (const Row& row : rows) {
        CRect expected = RectOf(full, row.nID);
        expected.OffsetRect(0, row.nPixels);
        EXPECT_EQ(RectOf(reduced, row.nID), expected) << row.nID;
    }
    EXPECT_EQ(RectOf(reduced, kGenerateReport), RectOf(full, kGenerateReport)) << "hidden controls stay put";
}

TEST_F(DisplayPageTest, EachEditionHasItsViewerCaption) {
    struct Row {
        const char* library;
        const char* caption;
    };
    const Row rows[] = {{kCurrentEdition, "Sh&ow run-time viewer during replay"},
                        {kEarlierEdition, "Sh&ow browser during replay"}};
    for (const Row& row : rows) {
        // One edition at a time, as a host loads it: the resource chain would
        // otherwise find the template of the edition loaded first.
        UnloadAll();
        CCfgTab* page = NewPage(kReportProtocol, row.library);
        ASSERT_NE(page, nullptr) << row.library;
        Show({page});
        char caption[64] = {};
        ::GetDlgItemTextA(page->m_hWnd, kShowBrowser, caption, sizeof caption);
        EXPECT_STREQ(caption, row.caption) << row.library;
    }
}

TEST_F(DisplayPageTest, OnlyAOneReadsAsOnAndOKWritesItBackNormalised) {
    struct Row {
        const char* stored;
        int check;
        const char* saved;
    };
    const Row rows[] = {{"1", BST_CHECKED, "1"},     {"01", BST_UNCHECKED, "0"}, {"true", BST_UNCHECKED, "0"},
                        {"TRUE", BST_UNCHECKED, "0"}, {"\"1 \"", BST_UNCHECKED, "0"}};
    for (const Row& row : rows) {
        WriteFile(m_dir / kProfileName, std::string("[dorvane_tab]\r\nShowBrowser=") + row.stored +
                                            "\r\nBrowserAutoArrange=0\r\nGenerateReport=0\r\nOpenReport=1\r\n");
        CCfgTab* page = NewPage(kReportProtocol);
        Show({page});
        EXPECT_EQ(StateOf(page, kShowBrowser).check, row.check) << row.stored;
        EXPECT_EQ(StateOf(page, kAutoArrange).enabled, row.check == BST_CHECKED) << row.stored;
        EXPECT_EQ(StateOf(page, kAutoArrange).check, BST_UNCHECKED) << row.stored;
        EXPECT_FALSE(StateOf(page, kOpenReport).enabled) << "1004 follows 1002, which is off";
        ClickSheetButton(IDOK);
        EXPECT_EQ(Profile(), std::string("[dorvane_tab]\r\nShowBrowser=") + row.saved +
                                 "\r\nBrowserAutoArrange=0\r\nGenerateReport=0\r\nOpenReport=1\r\n")
            << row.stored;
    }
}

TEST_F(DisplayPageTest, DependentCheckBoxesFollowTheirOption) {
    CCfgTab* page = NewPage(kReportProtocol);
    Show({page});

    ClickControl(page, kShowBrowser);
    EXPECT_EQ(StateOf(page, kShowBrowser).check, BST_CHECKED);
    EXPECT_TRUE(StateOf(page, kAutoArrange).enabled);
    ClickControl(page, kAutoArrange);
    ClickControl(page, kShowBrowser);
    EXPECT_FALSE(StateOf(page, kAutoArrange).enabled);
    EXPECT_EQ(StateOf(page, kAutoArrange).check, BST_UNCHECKED) << "disabling keeps the state the user gave it";

    ClickControl(page, kGenerateReport);
    EXPECT_FALSE(StateOf(page, kOpenReport).enabled);
    ClickControl(page, kGenerateReport);
    EXPECT_TRUE(StateOf(page, kOpenReport).enabled);
}

TEST_F(DisplayPageTest, OKAndApplySaveWhatTheUserSees) {
    struct Row {
        const char* name;
        int button;
        const char* protocol;
        const char* expected;
    };
    // The file starts with report keys of its own; without the report options they stay as they are.
    const Row rows[] = {
        {"ok with reports", IDOK, kReportProtocol,
         "[dorvane_tab]\r\nGenerateReport=1\r\nOpenReport=0\r\nShowBrowser=1\r\nBrowserAutoArrange=0\r\n"},
        {"apply with reports", ID_APPLY_NOW, kReportProtocol,
         "[dorvane_tab]\r\nGenerateReport=1\r\nOpenReport=0\r\nShowBrowser=1\r\nBrowserAutoArrange=0\r\n"},
        {"ok without reports", IDOK, kPlainProtocol,
         "[dorvane_tab]\r\nGenerateReport=0\r\nOpenReport=0\r\nShowBrowser=1\r\nBrowserAutoArrange=0\r\n"},
    };
    for (const Row& row : rows) {
        WriteFile(m_dir / kProfileName, "[dorvane_tab]\r\nGenerateReport=0\r\nOpenReport=0\r\n");
        CCfgTab* page = NewPage(row.protocol);
        Show({page});
        ClickControl(page, kShowBrowser);  // on, which enables 1005
        ClickControl(page, kAutoArrange);  // off
        if (std::string_view(row.protocol) == kReportProtocol) ClickControl(page, kGenerateReport);  // on
        m_sheet->GetActivePage()->SetModified();  // Apply is enabled once the sheet knows of a change
        ClickSheetButton(row.button);
        EXPECT_EQ(Profile(), row.expected) << row.name;
    }
}

TEST_F(DisplayPageTest, NothingIsWrittenOnCancelOrForAPageNeverShown) {
    const std::string original = "[dorvane_tab]\r\nShowBrowser=1\r\n";
    WriteFile(m_dir / kProfileName, original);

    CCfgTab* page = NewPage(kReportProtocol);
    Show({page});
    ClickControl(page, kShowBrowser);
    page->RestoreDefaults();
    EXPECT_EQ(StateOf(page, kShowBrowser).check, BST_UNCHECKED) << "the defaults show at once";
    ClickSheetButton(IDCANCEL);
    EXPECT_EQ(Profile(), original) << "Cancel, even after the defaults";

    std::filesystem::remove(m_dir.path() / kProfileName);
    m_app.SetProfileName("other.ini");
    CCfgTab* shown = NewPage(kReportProtocol);
    m_app.SetProfileName(kProfileName);
    CCfgTab* neverShown = NewPage(kReportProtocol);
    Show({shown, neverShown});
    ClickSheetButton(IDOK);
    EXPECT_FALSE(ProfileExists()) << "OK applies only the pages the sheet showed";
    neverShown->SaveOptions();
    EXPECT_FALSE(ProfileExists()) << "nor does the contract save a page without a window";
    EXPECT_EQ(ReadFile(m_dir / "other.ini"), kDefaultsWithReport);
}

TEST_F(DisplayPageTest, F1AsksTheHostForHelpUnlessAModifierIsHeld) {
    CHelpRecorder mainWindow;
    ASSERT_TRUE(mainWindow.CreateEx(0, nullptr, "Tovik", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0));
    m_app.m_pMainWnd = &mainWindow;
    CCfgTab* page = NewPage(kReportProtocol);
    Show({page});

    struct Row {
        const char* name;
        UINT modifiers;
        std::vector<WPARAM> topics;
    };
    const Row rows[] = {{"F1", 0, {CFG_TAB_HELP_BASE + kDisplayTemplate}},
                        {"ctrl+F1", MOD_CONTROL, {}},
                        {"shift+F1", MOD_SHIFT, {}},
                        {"alt+F1", MOD_ALT, {}}};
    for (const Row& row : rows) {
        mainWindow.m_topics.clear();
        ::SetFocus(::GetDlgItem(page->m_hWnd, kShowBrowser));
        headless::PressKey(VK_F1, row.modifiers);
        Pump();
        EXPECT_EQ(mainWindow.m_topics, row.topics) << row.name;
    }
    EXPECT_EQ(CFG_TAB_HELP_BASE + kDisplayTemplate, 141189u);
    m_sheet.reset();
    m_app.m_pMainWnd = nullptr;
}

TEST_F(DisplayPageTest, TheFactoryGivesANewPageForEveryCallAndEveryProtocol) {
    CCfgTab* first = NewPage(kMissingProtocol);
    CCfgTab* second = NewPage(kMissingProtocol);
    ASSERT_NE(first, nullptr) << "a protocol without a description still gets its page";
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(first->m_strSource, "source");
    EXPECT_EQ(first->m_strExtra, "extra");
    EXPECT_EQ(first->m_strProtocol, kMissingProtocol);
    EXPECT_EQ(first->m_hWnd, nullptr) << "no window before the sheet shows it";

    std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("CTabDorvane"));
    ASSERT_NE(byName, nullptr) << "creation by class name";
    EXPECT_TRUE(byName->IsKindOf(RUNTIME_CLASS(CPropertyPage)));
}

TEST_F(DisplayPageTest, TheTemplateIsFoundOnlyWhileTheLibraryIsLoaded) {
    auto templateFound = [] {
        HINSTANCE hModule = AfxFindResourceHandle(MAKEINTRESOURCEA(kDisplayTemplate), RT_DIALOG);
        return ::FindResourceA(hModule, MAKEINTRESOURCEA(kDisplayTemplate), RT_DIALOG) != nullptr;
    };
    EXPECT_FALSE(templateFound()) << "before the load";
    HMODULE hModule = ::LoadLibraryA(kCurrentEdition);
    ASSERT_NE(hModule, nullptr);
    EXPECT_TRUE(templateFound()) << "while loaded";
    ::FreeLibrary(hModule);
    EXPECT_FALSE(templateFound()) << "after the unload";
}

}  // namespace
