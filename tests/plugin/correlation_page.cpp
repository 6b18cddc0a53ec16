// The Correlation page as the host gets it: the real plug-in library loaded
// with LoadLibraryA, the page made by create_new_tab1 (beside the Display page
// of create_new_tab), shown in a modeless sheet and driven by clicks and keys;
// what the user sees and what reaches the profile file is checked.
#include <afxdlgs.h>
#include <afxext.h>
#include <gtest/gtest.h>
#include <win32_driver.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cfg_tab.h"
#include "plugin_fixture.h"
#include "temp_dir.h"

namespace {

using namespace plugin_testing;

namespace headless = win32::headless;
using testing_support::ReadFile;
using testing_support::WriteFile;

constexpr UINT kCorrelationTemplate = 10118;

// Controls of the Correlation page.
constexpr int kApplets = 1014;
constexpr int kTextComparison = 1017;
constexpr int kHtmlComparison = 1018;
constexpr int kAdvanced = 1020;
constexpr int kWarn = 1027;
constexpr int kImages = 1028;
constexpr int kLength = 1029;
constexpr int kLengthSpin = 1030;

// Protocols of the test's descriptions.
constexpr char kOwnSection[] = "webflow";   // the page, in section dorvane_tab_webflow, applets on
constexpr char kSharedSection[] = "mailbridge";  // the page, in the Display page's section, applets off


std::string Description(const char* correlation, const char* applets) {
    std::string text = "[Tovik]\r\n";
    if (correlation) text += std::string("EnableCorrelationStudio=") + correlation + "\r\n";
    if (applets) text += std::string("EnableScriptingAndJavaApplets=") + applets + "\r\n";
    return text;
}

// What a save of the untouched defaults writes, in this order.
std::string SavedDefaults(const std::string& section, const char* applets) {
    return "[" + section + "]\r\nCorrelationStudio=1\r\nDiffAtScriptOnly=1\r\nEnableJavaApplets=" + applets +
           "\r\nDownloadImages=1\r\nTypeOfScanDiff=1\r\nMinDelimitersLength=4\r\nWarnOnLargeDifferences=1\r\n";
}

class CorrelationPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        m_app.SetProfileName(kProfileName);
        WriteFile(m_dir / "webflow.xpd", Description("1", "1"));
        WriteFile(m_dir / "mailbridge.xpd", Description("1", "0"));
    }
    void TearDown() override {
        UnloadAll();
        win32::ResetWindowSystem();
        m_app.OnIdle(0);
    }

    void UnloadAll() {
        m_sheet.reset();
        m_pages.clear();
        for (HMODULE hModule : m_libraries) ::FreeLibrary(hModule);
        m_libraries.clear();
    }
    CreateTab Factory(const char* name, const char* library) {
        if (m_libraries.empty()) {
            HMODULE hModule = ::LoadLibraryA(library);
            EXPECT_NE(hModule, nullptr) << library;
            if (!hModule) return nullptr;
            m_libraries.push_back(hModule);
        }
        auto create = reinterpret_cast<CreateTab>(reinterpret_cast<void (*)()>(::GetProcAddress(m_libraries[0], name)));
        EXPECT_NE(create, nullptr) << name;
        return create;
    }
    // The page of create_new_tab1, or null when the factory gives none.
    CCfgTab* NewPage(const char* protocol, const char* library = kCurrentEdition) {
        CreateTab create = Factory("create_new_tab1", library);
        CCfgTab* page = create ? create("source", "extra", protocol) : nullptr;
        if (page) m_pages.emplace_back(page);
        return page;
    }
    // The Correlation page, and the Display page after it for a second tab.
    CCfgTab* ShowPage(const char* protocol, const char* library = kCurrentEdition) {
        CCfgTab* page = NewPage(protocol, library);
        EXPECT_NE(page, nullptr) << protocol;
        if (!page) return nullptr;
        CCfgTab* display = Factory("create_new_tab", library)("source", "extra", protocol);
        m_pages.emplace_back(display);
        m_sheet = std::make_unique<CPropertySheet>("Options");
        m_sheet->AddPage(page);
        m_sheet->AddPage(display);
        EXPECT_TRUE(m_sheet->Create());
        return page;
    }
    void Pump() { headless::PumpMessages(m_sheet->m_hWnd); }
    void ClickAt(POINT point) {
        headless::ClickAt(point);
        Pump();
    }
    void Click(HWND hWnd) {
        headless::Click(hWnd);
        Pump();
    }
    void ClickSheetButton(int nID) { Click(::GetDlgItem(m_sheet->m_hWnd, nID)); }
    // The up-down control's upper or lower half.
    void Spin(const CCfgTab* page, bool bUp) {
        RECT rect{};
        ::GetWindowRect(::GetDlgItem(page->m_hWnd, kLengthSpin), &rect);
        const int quarter = (rect.bottom - rect.top) / 4;
        ClickAt(POINT{(rect.left + rect.right) / 2, bUp ? rect.top + quarter : rect.bottom - quarter});
    }

    static int CheckOf(const CCfgTab* page, int nID) {
        return static_cast<int>(::SendMessageA(::GetDlgItem(page->m_hWnd, nID), BM_GETCHECK, 0, 0));
    }
    static std::string TextOf(const CCfgTab* page, int nID) {
        char text[64] = {};
        ::GetDlgItemTextA(page->m_hWnd, nID, text, sizeof text);
        return text;
    }
    std::string Profile() const { return ReadFile(m_dir / kProfileName); }
    bool ProfileExists() const { return std::filesystem::exists(m_dir.path() / kProfileName); }
    std::string Stored(const char* section, const char* key) const {
        char value[64] = {};
        ::GetPrivateProfileStringA(section, key, "(absent)", value, sizeof value, (m_dir / kProfileName).c_str());
        return value;
    }

    testing_support::TempDir m_dir;
    testing_support::ScopedEnv m_windowsDirectory{"TOVIK_WINDIR", m_dir.path().c_str()};
    testing_support::ScopedEnv m_descriptions{"SETBOOK_XPD_DIR", m_dir.path().c_str()};
    CWinApp m_app{"Tovik"};
    std::vector<HMODULE> m_libraries;
    std::vector<std::unique_ptr<CCfgTab>> m_pages;
    std::unique_ptr<CPropertySheet> m_sheet;
};

TEST_F(CorrelationPageTest, TheDescriptionDecidesWhetherThereIsAPage) {
    struct Row {
        const char* name;
        const char* value;  // nullptr: a description without the key
        bool page;
    };
    const Row rows[] = {{"zero", "0", false},     {"one", "1", true},        {"ten", "10", true},
                        {"a word", "x", false},   {"absent", nullptr, false}, {"blank then 2", " 2", true},
                        {"minus one", "-1", true}, {"empty", "", false},
                        // beyond int: atoi's result is undefined there, the factory saturates
                        {"beyond int", "99999999999", true}, {"far below int", "-99999999999", true}};
    for (const Row& row : rows) {
        WriteFile(m_dir / "probe.xpd", Description(row.value, nullptr));
        EXPECT_EQ(NewPage("probe") != nullptr, row.page) << row.name;
    }
    EXPECT_EQ(NewPage("nodescription"), nullptr) << "a protocol without a description";

    CCfgTab* first = NewPage(kOwnSection);
    CCfgTab* second = NewPage(kOwnSection);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second) << "each call makes its own page";
    EXPECT_EQ(first->m_strSource, "source");
    EXPECT_EQ(first->m_strExtra, "extra");
    EXPECT_EQ(first->m_strProtocol, kOwnSection);
    EXPECT_EQ(first->m_hWnd, nullptr) << "no window before the sheet shows it";
}

TEST_F(CorrelationPageTest, TheDescriptionChoosesSectionAndAppletsDefault) {
    struct Row {
        const char* applets;  // nullptr: a description without the key
        bool ownSection;
    };
    const Row rows[] = {{"1", true},  {"10", true},  {"1x", true},      {"0", false},
                        {"yes", false}, {"", false}, {nullptr, false}};
    for (const Row& row : rows) {
        const std::string name = row.applets ? row.applets : "(no key)";
        WriteFile(m_dir / "probe.xpd", Description("1", row.applets));
        CCfgTab* page = ShowPage("probe");
        ASSERT_NE(page, nullptr) << name;
        EXPECT_EQ(CheckOf(page, kApplets), row.ownSection ? BST_CHECKED : BST_UNCHECKED) << name;
        page->SaveOptions();
        EXPECT_EQ(Profile(), SavedDefaults(row.ownSection ? "dorvane_tab_probe" : "dorvane_tab",
                                           row.ownSection ? "1" : "0"))
            << name;
        std::filesystem::remove(m_dir.path() / kProfileName);
        UnloadAll();
    }
}

TEST_F(CorrelationPageTest, AnEmptyProfileShowsTheDefaults) {
    CCfgTab* page = ShowPage(kSharedSection);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(CheckOf(page, kApplets), BST_UNCHECKED);
    EXPECT_EQ(CheckOf(page, kImages), BST_CHECKED);
    EXPECT_EQ(CheckOf(page, kHtmlComparison), BST_CHECKED);
    EXPECT_EQ(CheckOf(page, kTextComparison), BST_UNCHECKED);
    EXPECT_EQ(TextOf(page, kLength), "4");
    EXPECT_EQ(CheckOf(page, kWarn), BST_CHECKED);
    EXPECT_FALSE(ProfileExists()) << "showing the page writes nothing";
}

TEST_F(CorrelationPageTest, StoredValuesAreReadStrictlyAndSavedNormalised) {
    struct Row {
        const char* name;
        const char* library;
        const char* key;
        const char* stored;
        int nID;   // the control that shows the value
        int check;
        const char* saved;
    };
    const Row rows[] = {
        {"applets true", kCurrentEdition, "EnableJavaApplets", "true", kApplets, BST_UNCHECKED, "0"},
        {"applets blank one", kCurrentEdition, "EnableJavaApplets", "\" 1\"", kApplets, BST_UNCHECKED, "0"},
        {"images zero", kCurrentEdition, "DownloadImages", "0", kImages, BST_UNCHECKED, "0"},
        {"scan type 3", kCurrentEdition, "TypeOfScanDiff", "3", kHtmlComparison, BST_CHECKED, "1"},
        {"scan type empty", kCurrentEdition, "TypeOfScanDiff", "", kHtmlComparison, BST_CHECKED, "1"},
        {"scan type 2", kCurrentEdition, "TypeOfScanDiff", "2", kTextComparison, BST_CHECKED, "2"},
        {"warning 0", kCurrentEdition, "WarnOnLargeDifferences", "0", kWarn, BST_UNCHECKED, "0"},
        {"warning 7", kCurrentEdition, "WarnOnLargeDifferences", "7", kWarn, BST_CHECKED, "1"},
        {"warning text", kCurrentEdition, "WarnOnLargeDifferences", "many", kWarn, BST_UNCHECKED, "0"},
        // The earlier edition selects neither button and leaves the key as it was.
        {"earlier scan type 3", kEarlierEdition, "TypeOfScanDiff", "3", kHtmlComparison, BST_UNCHECKED, "3"},
        {"earlier scan type 3, text", kEarlierEdition, "TypeOfScanDiff", "3", kTextComparison, BST_UNCHECKED, "3"},
    };
    for (const Row& row : rows) {
        WriteFile(m_dir / kProfileName, std::string("[dorvane_tab]\r\n") + row.key + "=" + row.stored + "\r\n");
        CCfgTab* page = ShowPage(kSharedSection, row.library);
        ASSERT_NE(page, nullptr) << row.name;
        EXPECT_EQ(CheckOf(page, row.nID), row.check) << row.name;
        page->SaveOptions();
        EXPECT_EQ(Stored("dorvane_tab", row.key), row.saved) << row.name;
        UnloadAll();
    }
}

TEST_F(CorrelationPageTest, TheSpinStepsTheLengthWithoutWrapping) {
    struct Row {
        const char* stored;
        bool up;
        const char* shown;
    };
    const Row rows[] = {
        {"abc", true, "1"},
        {"007", true, "8"},
        {"0", false, "0"},
        {"12abc", false, "11"},
        {"-5", true, "1"},    // a negative number counts as 0
        {"-5", false, "0"},
        {"4294967295", true, "4294967295"},  // the largest stays the largest
        {"4294967296", false, "4294967294"},  // beyond 32 bits reads as the largest
        {"99999999999999999999", true, "4294967295"},
    };
    for (const Row& row : rows) {
        WriteFile(m_dir / kProfileName, std::string("[dorvane_tab]\r\nMinDelimitersLength=") + row.stored + "\r\n");
        CCfgTab* page = ShowPage(kSharedSection);
        ASSERT_NE(page, nullptr) << row.stored;
        EXPECT_EQ(TextOf(page, kLength), row.stored) << "shown verbatim";
        Spin(page, row.up);
        EXPECT_EQ(TextOf(page, kLength), row.shown) << row.stored << (row.up ? " up" : " down");
        UnloadAll();
    }
}

TEST_F(CorrelationPageTest, AnEmptyLengthKeepsTheUserOnThePage) {
    CCfgTab* page = ShowPage(kSharedSection);
    ASSERT_NE(page, nullptr);
    ::SetDlgItemTextA(page->m_hWnd, kLength, "");
    Click(m_sheet->GetTabButton(1));
    ASSERT_EQ(win32::Headless().MessageBoxes().size(), 1u);
    EXPECT_EQ(win32::Headless().MessageBoxes()[0].text, "Please supply delimiter length");
    EXPECT_EQ(m_sheet->GetActiveIndex(), 0) << "the page stays";
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(page->m_hWnd, kLength));

    ::SetFocus(::GetDlgItem(page->m_hWnd, kLength));
    headless::TypeText("0");
    Pump();
    Click(m_sheet->GetTabButton(1));
    EXPECT_EQ(m_sheet->GetActiveIndex(), 1) << "0 is a length";
    EXPECT_EQ(win32::Headless().MessageBoxes().size(), 1u);
    page->SaveOptions();
    EXPECT_EQ(Stored("dorvane_tab", "MinDelimitersLength"), "0");
}

TEST_F(CorrelationPageTest, NothingIsWrittenAfterDefaultsAndCancelOrForAPageNeverShown) {
    const std::string original =
        "[dorvane_tab_webflow]\r\nEnableJavaApplets=0\r\nDownloadImages=0\r\nTypeOfScanDiff=2\r\n"
        "MinDelimitersLength=9\r\nWarnOnLargeDifferences=0\r\n";
    WriteFile(m_dir / kProfileName, original);
    CCfgTab* page = ShowPage(kOwnSection);
    ASSERT_NE(page, nullptr);
    page->RestoreDefaults();
    EXPECT_EQ(CheckOf(page, kApplets), BST_CHECKED) << "the defaults show at once";
    EXPECT_EQ(CheckOf(page, kImages), BST_CHECKED);
    EXPECT_EQ(CheckOf(page, kHtmlComparison), BST_CHECKED);
    EXPECT_EQ(CheckOf(page, kTextComparison), BST_UNCHECKED);
    EXPECT_EQ(TextOf(page, kLength), "4");
    EXPECT_EQ(CheckOf(page, kWarn), BST_CHECKED);
    ClickSheetButton(IDCANCEL);
    EXPECT_EQ(Profile(), original);

    UnloadAll();
    std::filesystem::remove(m_dir.path() / kProfileName);
    CCfgTab* neverShown = NewPage(kOwnSection);
    ASSERT_NE(neverShown, nullptr);
    neverShown->SaveOptions();
    EXPECT_FALSE(ProfileExists()) << "not even CorrelationStudio";
}

TEST_F(CorrelationPageTest, F1AsksTheHostForHelpUnlessAModifierIsHeld) {
    CHelpRecorder mainWindow;
    ASSERT_TRUE(mainWindow.CreateEx(0, nullptr, "Tovik", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0));
    m_app.m_pMainWnd = &mainWindow;
    for (const char* library : {kCurrentEdition, kEarlierEdition}) {
        UnloadAll();
        CCfgTab* page = ShowPage(kSharedSection, library);
        ASSERT_NE(page, nullptr) << library;
        struct Row {
            const char* name;
            UINT modifiers;
            std::vector<WPARAM> topics;
        };
        const Row rows[] = {{"F1", 0, {CFG_TAB_HELP_BASE + kCorrelationTemplate}},
                            {"ctrl+F1", MOD_CONTROL, {}},
                            {"shift+F1", MOD_SHIFT, {}},
                            {"alt+F1", MOD_ALT, {}}};
        for (const Row& row : rows) {
            mainWindow.m_topics.clear();
            ::SetFocus(::GetDlgItem(page->m_hWnd, kApplets));
            headless::PressKey(VK_F1, row.modifiers);
            Pump();
            EXPECT_EQ(mainWindow.m_topics, row.topics) << library << ' ' << row.name;
        }
    }
    EXPECT_EQ(CFG_TAB_HELP_BASE + kCorrelationTemplate, 141190u);
    m_sheet.reset();
    m_app.m_pMainWnd = nullptr;
}

TEST_F(CorrelationPageTest, TheEarlierEditionKeepsLengthWarningAndDelimitersAsLoaded) {
    WriteFile(m_dir / kProfileName,
              "[dorvane_tab]\r\nTypeOfScanDiff=2\r\nMinDelimitersLength=\r\nWarnOnLargeDifferences=0\r\n");
    CCfgTab* page = ShowPage(kSharedSection, kEarlierEdition);
    ASSERT_NE(page, nullptr);
    EXPECT_NE(::GetDlgItem(page->m_hWnd, kAdvanced), nullptr);
    EXPECT_EQ(::GetDlgItem(page->m_hWnd, kLength), nullptr) << "no length box";
    EXPECT_EQ(::GetDlgItem(page->m_hWnd, kLengthSpin), nullptr);
    EXPECT_EQ(CheckOf(page, kTextComparison), BST_CHECKED);
    page->RestoreDefaults();
    Click(m_sheet->GetTabButton(1));
    EXPECT_EQ(m_sheet->GetActiveIndex(), 1) << "an empty length is no reason to stay";
    EXPECT_TRUE(win32::Headless().MessageBoxes().empty());
    page->SaveOptions();
    EXPECT_EQ(Profile(),
              "[dorvane_tab]\r\nTypeOfScanDiff=1\r\nMinDelimitersLength=\r\nWarnOnLargeDifferences=0\r\n"
              "CorrelationStudio=1\r\nDiffAtScriptOnly=1\r\nEnableJavaApplets=0\r\nDownloadImages=1\r\n"
              "HtmlDiffDelimiters=\\r\\n\\t'\\#$&/?=;<>\"\r\n");
}

}  // namespace
