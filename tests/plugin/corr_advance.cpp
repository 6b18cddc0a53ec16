// The Advanced Correlation dialog as a user meets it: the earlier edition of
// the real plug-in library, its Correlation page in a modeless sheet, and the
// dialog opened modally by the page's "&Advanced ..." button. Steps queued on
// the headless driver act on the dialog while its modal loop runs; what the
// dialog gave back is read from the profile file after the page's next save.
#include <afxdlgs.h>
#include <gtest/gtest.h>
#include <win32_driver.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cfg_tab.h"
#include "plugin_fixture.h"
#include "temp_dir.h"

namespace {

using namespace plugin_testing;

namespace headless = win32::headless;
using testing_support::WriteFile;

constexpr char kProtocol[] = "mailbridge";  // its page uses the shared section
constexpr char kSection[] = "dorvane_tab";
constexpr char kCaption[] = "Advanced Correlation";
constexpr UINT kAdvancedTemplate = 10119;

constexpr int kAdvanced = 1020;  // on the page
// Controls of the dialog.
constexpr int kUseDefault = 3;
constexpr int kDelimiters = 1021;
constexpr int kNewLine = 1022;
constexpr int kTabCharacters = 1024;
constexpr int kCarriageReturn = 1026;
constexpr int kWarn = 1027;
constexpr int kLength = 1029;
constexpr int kLengthSpin = 1030;

constexpr char kTypeAnyDelimiters[] = "Please type any delimiters";
constexpr char kSupplyLength[] = "Please supply delimiter length";
// The default set without its three escapes, and as OK gives it back: the escapes at the end.
constexpr char kDefaultShown[] = R"('\#$&/?=;<>")";
constexpr char kDefaultAfterOk[] = R"('\#$&/?=;<>"\r\n\t)";

using Step = std::function<void(HWND hDialog)>;

int CheckOf(HWND hDialog, int nID) {
    return static_cast<int>(::SendMessageA(::GetDlgItem(hDialog, nID), BM_GETCHECK, 0, 0));
}
std::string TextOf(HWND hDialog, int nID) {
    char text[512] = {};
    ::GetDlgItemTextA(hDialog, nID, text, sizeof text);
    return text;
}
void ClickControl(HWND hDialog, int nID) { headless::Click(::GetDlgItem(hDialog, nID)); }
void TypeInto(HWND hDialog, int nID, const char* text) {
    ::SetDlgItemTextA(hDialog, nID, "");
    ::SetFocus(::GetDlgItem(hDialog, nID));
    headless::TypeText(text);
}
// The up-down control's upper or lower half.
void Spin(HWND hDialog, bool bUp) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(hDialog, kLengthSpin), &rect);
    const int quarter = (rect.bottom - rect.top) / 4;
    headless::ClickAt(POINT{(rect.left + rect.right) / 2, bUp ? rect.top + quarter : rect.bottom - quarter});
}

class AdvancedCorrelationTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        m_app.SetProfileName(kProfileName);
        WriteFile(m_dir / "mailbridge.xpd", "[Tovik]\r\nEnableCorrelationStudio=1\r\n");
    }
    void TearDown() override {
        Close();
        win32::ResetWindowSystem();
        m_app.OnIdle(0);
    }

    void Close() {
        m_sheet.reset();
        m_page.reset();
        if (m_hLibrary) ::FreeLibrary(m_hLibrary);
        m_hLibrary = nullptr;
    }
    // The earlier edition's page on this profile file, shown in a sheet.
    CCfgTab* ShowPage(const std::string& profile) {
        Close();
        win32::ResetWindowSystem();
        WriteFile(m_dir / kProfileName, profile);
        m_hLibrary = ::LoadLibraryA(kEarlierEdition);
        EXPECT_NE(m_hLibrary, nullptr);
        if (!m_hLibrary) return nullptr;
        auto create =
            reinterpret_cast<CreateTab>(reinterpret_cast<void (*)()>(::GetProcAddress(m_hLibrary, "create_new_tab1")));
        m_page.reset(create ? create("source", "extra", kProtocol) : nullptr);
        EXPECT_NE(m_page, nullptr);
        if (!m_page) return nullptr;
        m_sheet = std::make_unique<CPropertySheet>("Options");
        m_sheet->AddPage(m_page.get());
        EXPECT_TRUE(m_sheet->Create());
        return m_page.get();
    }
    // Clicks "&Advanced ..." and runs the steps, each when the dialog's loop
    // waits for input; the last must close the dialog.
    void RunAdvanced(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            win32::Headless().Then([step] {
                HWND hDialog = ::GetActiveWindow();
                char caption[64] = {};
                ::GetWindowTextA(hDialog, caption, sizeof caption);
                ASSERT_STREQ(caption, kCaption) << "the dialog is not open";
                step(hDialog);
            });
        }
        headless::Click(::GetDlgItem(m_page->m_hWnd, kAdvanced));
        headless::PumpMessages(m_sheet->m_hWnd);
        EXPECT_EQ(win32::Headless().PendingSteps(), 0u);
        EXPECT_EQ(::FindWindowA(nullptr, kCaption), nullptr) << "the dialog is still open";
    }
    // What the page stores now.
    std::string Saved(const char* key) {
        m_page->SaveOptions();
        char value[512] = {};
        ::GetPrivateProfileStringA(kSection, key, "(absent)", value, sizeof value, (m_dir / kProfileName).c_str());
        return value;
    }
    static const std::vector<win32::MessageBoxRequest>& MessageBoxes() { return win32::Headless().MessageBoxes(); }

    testing_support::TempDir m_dir;
    testing_support::ScopedEnv m_windowsDirectory{"TOVIK_WINDIR", m_dir.path().c_str()};
    testing_support::ScopedEnv m_descriptions{"SETBOOK_XPD_DIR", m_dir.path().c_str()};
    CWinApp m_app{"Tovik"};
    HMODULE m_hLibrary = nullptr;
    std::unique_ptr<CCfgTab> m_page;
    std::unique_ptr<CPropertySheet> m_sheet;
};

TEST_F(AdvancedCorrelationTest, EscapesBecomeCheckBoxesAndOkPutsThemAtTheEnd) {
    struct Row {
        const char* name;
        const char* stored;  // nullptr: the profile has none, the page's default
        const char* shown;
        int carriageReturn, newLine, tab;
        const char* afterOk;  // nullptr: OK is refused, the page keeps what it had
    };
    const Row rows[] = {
        {"defaults", nullptr, kDefaultShown, BST_CHECKED, BST_CHECKED, BST_CHECKED, kDefaultAfterOk},
        {"a doubled escape", R"(\r;\r)", ";", BST_CHECKED, BST_UNCHECKED, BST_UNCHECKED, R"(;\r)"},
        {"only an escape", R"(\t)", "", BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED, nullptr},
        // The r pass leaves a backslash-n, which the n pass then removes.
        {"backslash backslash r n", R"(\\rn)", "", BST_CHECKED, BST_CHECKED, BST_UNCHECKED, nullptr},
        {"backslashes that start no escape", R"(\#\)", R"(\#\)", BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED,
         R"(\#\)"},
    };
    for (const Row& row : rows) {
        std::string profile = std::string("[") + kSection + "]\r\n";
        if (row.stored) profile += std::string("HtmlDiffDelimiters=") + row.stored + "\r\n";
        ASSERT_NE(ShowPage(profile), nullptr) << row.name;
        std::vector<Step> steps = {[&row](HWND hDialog) {
            EXPECT_EQ(TextOf(hDialog, kDelimiters), row.shown) << row.name;
            EXPECT_EQ(CheckOf(hDialog, kCarriageReturn), row.carriageReturn) << row.name;
            EXPECT_EQ(CheckOf(hDialog, kNewLine), row.newLine) << row.name;
            EXPECT_EQ(CheckOf(hDialog, kTabCharacters), row.tab) << row.name;
            ClickControl(hDialog, IDOK);
        }};
        if (!row.afterOk) {
            steps.push_back([&row](HWND hDialog) {
                ASSERT_EQ(MessageBoxes().size(), 1u) << row.name;
                EXPECT_EQ(MessageBoxes()[0].text, kTypeAnyDelimiters) << row.name;
                EXPECT_EQ(::GetFocus(), ::GetDlgItem(hDialog, kDelimiters)) << row.name;
                ClickControl(hDialog, IDCANCEL);
            });
        }
        RunAdvanced(steps);
        EXPECT_EQ(Saved("HtmlDiffDelimiters"), row.afterOk ? row.afterOk : row.stored) << row.name;
    }
}

TEST_F(AdvancedCorrelationTest, ATypedEscapeIsKeptVerbatimAndShownAsItsCheckBoxNextTime) {
    ASSERT_NE(ShowPage("[dorvane_tab]\r\nHtmlDiffDelimiters=x\r\n"), nullptr);
    RunAdvanced({[](HWND hDialog) {
        EXPECT_EQ(CheckOf(hDialog, kNewLine), BST_UNCHECKED);
        TypeInto(hDialog, kDelimiters, R"(x\n)");
        ClickControl(hDialog, kWarn);
        ClickControl(hDialog, IDOK);
    }});
    EXPECT_EQ(Saved("HtmlDiffDelimiters"), R"(x\n)");
    EXPECT_EQ(Saved("WarnOnLargeDifferences"), "0") << "the warning came back too";

    RunAdvanced({[](HWND hDialog) {
        EXPECT_EQ(TextOf(hDialog, kDelimiters), "x");
        EXPECT_EQ(CheckOf(hDialog, kNewLine), BST_CHECKED);
        EXPECT_EQ(CheckOf(hDialog, kWarn), BST_UNCHECKED);
        ClickControl(hDialog, IDCANCEL);
    }});
}

TEST_F(AdvancedCorrelationTest, OkRefusesNoDelimitersFirstThenNoLength) {
    ASSERT_NE(ShowPage("[dorvane_tab]\r\nMinDelimitersLength=12\r\n"), nullptr);
    RunAdvanced({
        [](HWND hDialog) {
            ::SetDlgItemTextA(hDialog, kDelimiters, "");
            ::SetDlgItemTextA(hDialog, kLength, "");
            ClickControl(hDialog, IDOK);
        },
        [](HWND hDialog) {
            ASSERT_EQ(MessageBoxes().size(), 1u) << "one message per OK";
            EXPECT_EQ(MessageBoxes()[0].text, kTypeAnyDelimiters);
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(hDialog, kDelimiters));
            TypeInto(hDialog, kDelimiters, ";");
            ClickControl(hDialog, IDOK);
        },
        [](HWND hDialog) {
            ASSERT_EQ(MessageBoxes().size(), 2u);
            EXPECT_EQ(MessageBoxes()[1].text, kSupplyLength);
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(hDialog, kLength));
            TypeInto(hDialog, kLength, "0");
            ClickControl(hDialog, IDOK);
        },
    });
    EXPECT_EQ(MessageBoxes().size(), 2u) << "0 is a length";
    EXPECT_EQ(Saved("HtmlDiffDelimiters"), R"(;\r\n\t)") << "the escapes kept their check boxes";
    EXPECT_EQ(Saved("MinDelimitersLength"), "0");
}

TEST_F(AdvancedCorrelationTest, UseDefaultReachesThePageOnlyThroughOk) {
    struct Row {
        const char* name;
        int nIDClose;
        const char* delimiters;
        const char* length;
        const char* warn;
    };
    const Row rows[] = {
        {"cancel", IDCANCEL, "ab", "9", "0"},
        {"ok", IDOK, kDefaultAfterOk, "4", "1"},
    };
    for (const Row& row : rows) {
        ASSERT_NE(ShowPage("[dorvane_tab]\r\nHtmlDiffDelimiters=ab\r\nMinDelimitersLength=9\r\n"
                           "WarnOnLargeDifferences=0\r\n"),
                  nullptr)
            << row.name;
        RunAdvanced({
            [](HWND hDialog) { ClickControl(hDialog, kUseDefault); },
            [&row](HWND hDialog) {
                EXPECT_EQ(TextOf(hDialog, kDelimiters), kDefaultShown) << row.name;
                for (int nID : {kCarriageReturn, kNewLine, kTabCharacters, kWarn})
                    EXPECT_EQ(CheckOf(hDialog, nID), BST_CHECKED) << row.name << ' ' << nID;
                EXPECT_EQ(TextOf(hDialog, kLength), "4") << row.name;
                ClickControl(hDialog, row.nIDClose);
            },
        });
        EXPECT_EQ(Saved("HtmlDiffDelimiters"), row.delimiters) << row.name;
        EXPECT_EQ(Saved("MinDelimitersLength"), row.length) << row.name;
        EXPECT_EQ(Saved("WarnOnLargeDifferences"), row.warn) << row.name;
    }
}

TEST_F(AdvancedCorrelationTest, TheSpinStepsTheLengthBox) {
    struct Row {
        const char* stored;
        bool up;
        const char* shown;
    };
    const Row rows[] = {{"9", true, "10"}, {"0", false, "0"}, {"-5", true, "1"}, {"4294967295", true, "4294967295"}};
    for (const Row& row : rows) {
        ASSERT_NE(ShowPage(std::string("[dorvane_tab]\r\nMinDelimitersLength=") + row.stored + "\r\n"), nullptr);
        RunAdvanced({
            [&row](HWND hDialog) { Spin(hDialog, row.up); },
            [&row](HWND hDialog) {
                EXPECT_EQ(TextOf(hDialog, kLength), row.shown) << row.stored << (row.up ? " up" : " down");
                ClickControl(hDialog, IDOK);
            },
        });
        EXPECT_EQ(Saved("MinDelimitersLength"), row.shown) << row.stored;
    }
}

TEST_F(AdvancedCorrelationTest, F1AsksTheHostForTheDialogsTopicUnlessAModifierIsHeld) {
    ASSERT_NE(ShowPage(""), nullptr);
    CHelpRecorder mainWindow;
    ASSERT_TRUE(mainWindow.CreateEx(0, nullptr, "Tovik", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0));
    m_app.m_pMainWnd = &mainWindow;
    RunAdvanced({
        [](HWND hDialog) {
            ::SetFocus(::GetDlgItem(hDialog, kDelimiters));
            headless::PressKey(VK_F1);
            headless::PressKey(VK_F1, MOD_CONTROL);
        },
        [](HWND hDialog) { ClickControl(hDialog, IDCANCEL); },
    });
    EXPECT_EQ(mainWindow.m_topics, std::vector<WPARAM>{CFG_TAB_HELP_BASE + kAdvancedTemplate}) << "F1 only";
    EXPECT_EQ(CFG_TAB_HELP_BASE + kAdvancedTemplate, 141191u);
    Close();
    m_app.m_pMainWnd = nullptr;
}

}  // namespace
