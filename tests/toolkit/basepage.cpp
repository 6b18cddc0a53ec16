// The base property page in a real sheet: what a page gets from it without
// further settings, its answers to the extension for its own window, and the
// order of its initialisation, also under the options-tab base CCfgTab.
#include <afxdlgs.h>
#include <afxwin.h>
#include <gtest/gtest.h>
#include <win32_dialog_template.h>
#include <win32_driver.h>
#include <win32_resources.h>

#include <basepage.h>
#include <cfg_tab.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

using testing_support::ScopedEnv;

constexpr UINT kPageTemplate = 4300;
constexpr char kBareTemplate[] = "BASEPAGE_BARE";  // no font, no controls
constexpr int kLabel = 4301;
constexpr int kEdit = 4302;
constexpr int kCheck = 4303;
constexpr int kList = 4304;
constexpr int kCombo = 4305;
constexpr int kMissing = 4399;
constexpr int kExtra = EXT_FIRST_EXTRA_ID;
constexpr DWORD kPropertyPageRecordSize = 52;

// A Western template (the ANSI character set) with one control of each kind
// the language fonts tell apart, and one extra control.
const win32::DialogTemplate kPage{
    {.caption = "Base", .style = WS_CHILD | WS_CAPTION, .cx = 200, .cy = 120, .fontName = "Arial",
     .extended = true, .charset = ANSI_CHARSET},
    {
        {"Static", "&Label", kLabel, 5, 5, 40, 8, SS_LEFT},
        {"Edit", "", kEdit, 50, 5, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {"Button", "&Check", kCheck, 5, 20, 60, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {"ListBox", "", kList, 5, 35, 60, 40, WS_BORDER},
        {"ComboBox", "", kCombo, 70, 35, 60, 60, CBS_DROPDOWNLIST},
        {"Static", "extra", kExtra, 5, 90, 40, 8, SS_LEFT},
    }};
const win32::DialogTemplate kBarePage{{.caption = "Bare", .style = WS_CHILD | WS_CAPTION, .cx = 100, .cy = 50}, {}};

const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(kPageTemplate), kPage.Bytes().data(), static_cast<DWORD>(kPage.Size())},
    {RT_DIALOG, kBareTemplate, kBarePage.Bytes().data(), static_cast<DWORD>(kBarePage.Size())},
};
const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), nullptr, 0};

HFONT FontOf(HWND hWnd) { return reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0)); }

// A step of a page's initialisation, and whether the extension had run by
// then (it makes its fonts when it runs).
std::string StepOf(const char* step, const CDlgExt& extension) {
    return std::string(step) + (extension.m_fontLarge.GetSafeHandle() ? " after" : " before") + " the extension";
}

class CRecordingPage : public CBasePropertyPage {
public:
    using CBasePropertyPage::CBasePropertyPage;
    std::vector<std::string> m_log;
    std::string m_strText = "from the field";

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        m_log.push_back(StepOf("exchange", *this));
        DDX_Text(pDX, kEdit, m_strText);
    }
};

// An options tab on the base page: it loads nothing but says when.
class CRecordingTab : public CCfgTab {
public:
    CRecordingTab() : CCfgTab("source", "extra", "protocol", kPageTemplate, 0) {}
    std::vector<std::string> m_log;

    void LoadOptions() override { m_log.push_back(StepOf("load", *this)); }
    void SaveOptions() override {}
    void RestoreDefaults() override {}

protected:
    void DoDataExchange(CDataExchange*) override { m_log.push_back(StepOf("exchange", *this)); }
};

class BasePageTest : public ::testing::Test {
protected:
    void SetUp() override { win32::ResetWindowSystem(); }
    void TearDown() override {
        win32::ResetWindowSystem();
        m_app.OnIdle(0);
    }

    CWinApp m_app{"Toolkit Tests"};
    ScopedEnv m_language{"SYSKIT_OS_LANG", "3"};  // a Japanese system
};

// Shows the page in a modeless sheet, as the host shows its options; the
// sheet, made after the page, goes before it.
void Show(CPropertySheet& sheet, CPropertyPage& page) {
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create());
    ASSERT_NE(page.m_hWnd, nullptr);
}

TEST_F(BasePageTest, APageWithoutFurtherSettingsSuitsAJapaneseSystemAndHidesItsExtraControls) {
    CBasePropertyPage page(kPageTemplate, 0);
    CPropertySheet sheet("Options");
    Show(sheet, page);

    const HWND hExtra = ::GetDlgItem(page.m_hWnd, kExtra);
    EXPECT_FALSE(::GetWindowLongA(hExtra, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(FontOf(hExtra), page.m_fontLarge.GetSafeHandle());
    for (int nID : {kLabel, kEdit, kList, kCombo})
        EXPECT_EQ(FontOf(::GetDlgItem(page.m_hWnd, nID)), page.m_fontLocal.GetSafeHandle()) << nID;
    EXPECT_EQ(FontOf(::GetDlgItem(page.m_hWnd, kCheck)), FontOf(page.m_hWnd)) << "buttons keep the page's font";
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, kEdit))) << "read-only mode is off";
}

TEST_F(BasePageTest, ItAnswersTheExtensionForItsOwnWindow) {
    CBasePropertyPage page(kPageTemplate, 0);
    EXPECT_EQ(page.m_psp.dwSize, kPropertyPageRecordSize);
    CPropertySheet sheet("Options");
    Show(sheet, page);
    CDlgExt& extension = page;

    ASSERT_NE(extension.GetFirstControl(), nullptr);
    EXPECT_EQ(extension.GetFirstControl()->m_hWnd, ::GetDlgItem(page.m_hWnd, kLabel)) << "the top of the z-order";
    ASSERT_NE(extension.GetControl(kCombo), nullptr);
    EXPECT_EQ(extension.GetControl(kCombo)->m_hWnd, ::GetDlgItem(page.m_hWnd, kCombo));
    EXPECT_EQ(extension.GetControl(kMissing), nullptr);
    std::string strText;
    extension.GetDialogText(strText);
    EXPECT_EQ(strText, "Base");
    ASSERT_NE(extension.GetDialogFont(), nullptr);
    EXPECT_EQ(extension.GetDialogFont()->GetSafeHandle(), FontOf(page.m_hWnd));
}

TEST_F(BasePageTest, APageWithoutFontOrControlsAnswersNone) {
    CBasePropertyPage page(kBareTemplate, 0);
    EXPECT_EQ(page.m_psp.dwSize, kPropertyPageRecordSize);
    CPropertySheet sheet("Options");
    Show(sheet, page);
    CDlgExt& extension = page;
    EXPECT_EQ(extension.GetFirstControl(), nullptr);
    EXPECT_EQ(extension.GetDialogFont(), nullptr);
    EXPECT_EQ(page.m_nDialogLanguage, 3) << "without a font the system's language decides";
}

TEST_F(BasePageTest, TheControlsAreFilledBeforeTheExtensionRuns) {
    CRecordingPage page(kPageTemplate, 0);
    page.m_bReadOnly = TRUE;
    CPropertySheet sheet("Options");
    Show(sheet, page);
    EXPECT_EQ(page.m_log, (std::vector<std::string>{"exchange before the extension"}));
    const HWND hEdit = ::GetDlgItem(page.m_hWnd, kEdit);
    EXPECT_EQ(CWnd::FromHandle(hEdit)->GetWindowText(), "from the field");
    EXPECT_FALSE(::IsWindowEnabled(hEdit));
}

TEST_F(BasePageTest, AnOptionsTabLoadsThenFillsThenRunsTheExtension) {
    CRecordingTab tab;
    CPropertySheet sheet("Options");
    Show(sheet, tab);
    EXPECT_EQ(tab.m_log, (std::vector<std::string>{"load before the extension", "exchange before the extension"}));
    EXPECT_FALSE(::GetWindowLongA(::GetDlgItem(tab.m_hWnd, kExtra), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(FontOf(::GetDlgItem(tab.m_hWnd, kEdit)), tab.m_fontLocal.GetSafeHandle());
}

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
