// The property sheet and its pages: creation on first display, leaving a page,
// OK, Apply, Cancel and CancelToClose, driven by clicks as a user makes them.
#include <string>
#include <vector>

#include "framework_fixture.h"

namespace {

using namespace test_ids;
namespace headless = win32::headless;
using Log = std::vector<std::string>;

class CRecordingPage : public CPropertyPage {
public:
    CRecordingPage(const char* name, UINT nIDTemplate, Log& log, UINT nIDCaption = 0)
        : CPropertyPage(nIDTemplate, nIDCaption), m_name(name), m_log(log) {}

    bool m_bRefuseLeave = false;
    int m_bOption = 0;
    std::string m_strText;

protected:
    void Record(const char* event) { m_log.push_back(m_name + " " + event); }
    BOOL OnInitDialog() override {
        Record("init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        Record("setactive");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        Record("killactive");
        return m_bRefuseLeave ? FALSE : CPropertyPage::OnKillActive();
    }
    void OnOK() override { Record("ok"); }
    void OnCancel() override { Record("cancel"); }
    void DoDataExchange(CDataExchange* pDX) override {
        if (::GetDlgItem(m_hWnd, kAlphaCheck)) DDX_Check(pDX, kAlphaCheck, m_bOption);
        if (::GetDlgItem(m_hWnd, kAlphaEdit)) DDX_Text(pDX, kAlphaEdit, m_strText);
    }

    std::string m_name;
    Log& m_log;
};

constexpr UINT kDefaultsButton = 0x4000;

class CHostSheet : public CPropertySheet {
public:
    CHostSheet() : CPropertySheet("Options") { AddButton("&Defaults", kDefaultsButton); }
    int m_nDefaults = 0;

protected:
    afx_msg void OnDefaults() { ++m_nDefaults; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHostSheet, CPropertySheet)
    ON_BN_CLICKED(kDefaultsButton, OnDefaults)
END_MESSAGE_MAP()

class PropertySheetTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        m_sheet.AddPage(&m_alpha);
        m_sheet.AddPage(&m_beta);
        m_sheet.AddPage(&m_gamma);
    }
    void Click(HWND hWnd) {
        headless::Click(hWnd);
        headless::PumpMessages(m_sheet.m_hWnd);
    }
    HWND SheetItem(int nID) const { return ::GetDlgItem(m_sheet.m_hWnd, nID); }
    std::string TextOf(HWND hWnd) const { return CWnd::FromHandle(hWnd)->GetWindowText(); }

    Log m_log;
    CRecordingPage m_alpha{"alpha", kAlphaPage, m_log};
    CRecordingPage m_beta{"beta", kBetaPage, m_log};
    CRecordingPage m_gamma{"gamma", kBetaPage, m_log, kGammaCaption};
    CHostSheet m_sheet;
};

TEST_F(PropertySheetTest, APageIsCreatedWhenItIsFirstShown) {
    ASSERT_TRUE(m_sheet.Create());
    EXPECT_EQ(m_log, (Log{"alpha init", "alpha setactive"}));
    EXPECT_EQ(m_beta.m_hWnd, nullptr) << "no window before the page is shown";

    std::vector<std::string> tabs;
    for (int nPage = 0; nPage < m_sheet.GetPageCount(); ++nPage) tabs.push_back(TextOf(m_sheet.GetTabButton(nPage)));
    EXPECT_EQ(tabs, (std::vector<std::string>{"Alpha", "Beta", "Gamma from strings"}))
        << "captions from the templates, or from the string table";
    EXPECT_EQ(m_sheet.FindPageByCaption("Beta"), 1);
    EXPECT_EQ(m_alpha.GetParent(), &m_sheet) << "a page's parent is its sheet";
    EXPECT_TRUE(m_alpha.GetExStyle() & WS_EX_CONTROLPARENT) << "Tab moves into the page";
    EXPECT_TRUE(m_alpha.GetStyle() & WS_CHILD);

    m_log.clear();
    Click(m_sheet.GetTabButton(1));
    EXPECT_EQ(m_log, (Log{"alpha killactive", "beta init", "beta setactive"}));
    EXPECT_EQ(m_sheet.GetActivePage(), &m_beta);
    EXPECT_FALSE(m_alpha.IsWindowVisible());
    EXPECT_TRUE(m_beta.IsWindowVisible());

    m_log.clear();
    Click(m_sheet.GetTabButton(0));
    EXPECT_EQ(m_log, (Log{"beta killactive", "alpha setactive"})) << "a page is created once";
}

TEST_F(PropertySheetTest, APageThatRefusesToBeLeftStaysActive) {
    ASSERT_TRUE(m_sheet.Create());
    m_alpha.m_bRefuseLeave = true;
    m_alpha.m_strText = "field";
    ::SetDlgItemTextA(m_alpha.m_hWnd, kAlphaEdit, "control");
    m_log.clear();

    Click(m_sheet.GetTabButton(1));
    EXPECT_EQ(m_log, (Log{"alpha killactive"}));
    EXPECT_EQ(m_sheet.GetActiveIndex(), 0);
    EXPECT_EQ(m_beta.m_hWnd, nullptr);
    EXPECT_EQ(m_alpha.m_strText, "field") << "a refusal exchanges no data";

    m_log.clear();
    Click(SheetItem(IDOK));
    EXPECT_EQ(m_log, (Log{"alpha killactive"})) << "nor does OK apply anything";
    EXPECT_NE(m_sheet.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, OKLeavesTheActivePageThenAppliesEveryShownPage) {
    Driver().Then([&] {
        ::SetDlgItemTextA(m_alpha.m_hWnd, kAlphaEdit, "typed");
        headless::Click(m_sheet.GetTabButton(1));
    });
    Driver().Then([&] { headless::Click(SheetItem(IDOK)); });

    EXPECT_EQ(m_sheet.DoModal(), IDOK);
    EXPECT_EQ(m_log, (Log{"alpha init", "alpha setactive", "alpha killactive", "beta init", "beta setactive",
                          "beta killactive", "alpha ok", "beta ok"}))
        << "the never-shown page gets nothing";
    EXPECT_EQ(m_alpha.m_strText, "typed");
    EXPECT_EQ(m_sheet.m_hWnd, nullptr);
    EXPECT_EQ(m_alpha.m_hWnd, nullptr) << "the pages' windows went with the sheet";
}

TEST_F(PropertySheetTest, ApplyAppliesWithoutClosing) {
    ASSERT_TRUE(m_sheet.Create());
    HWND hWndApply = SheetItem(ID_APPLY_NOW);
    ASSERT_NE(hWndApply, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(hWndApply)) << "nothing changed yet";
    m_alpha.SetModified();
    EXPECT_TRUE(::IsWindowEnabled(hWndApply));

    m_log.clear();
    Click(hWndApply);
    EXPECT_EQ(m_log, (Log{"alpha killactive", "alpha ok"}));
    EXPECT_NE(m_sheet.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(hWndApply)) << "applied changes are no changes";

    Click(SheetItem(kDefaultsButton));
    EXPECT_EQ(m_sheet.m_nDefaults, 1) << "the host's button reaches the host's map";
}

TEST_F(PropertySheetTest, CancelResetsEveryShownPageAndCloses) {
    ASSERT_TRUE(m_sheet.Create());
    Click(m_sheet.GetTabButton(1));
    m_log.clear();

    Click(SheetItem(IDCANCEL));
    EXPECT_EQ(m_log, (Log{"alpha cancel", "beta cancel"}));
    EXPECT_EQ(m_sheet.GetResult(), IDCANCEL);
    EXPECT_EQ(m_sheet.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, CancelToCloseTurnsOKIntoCloseAndDisablesCancel) {
    ASSERT_TRUE(m_sheet.Create());
    m_alpha.CancelToClose();
    EXPECT_EQ(TextOf(SheetItem(IDOK)), "Close");
    EXPECT_FALSE(::IsWindowEnabled(SheetItem(IDCANCEL)));

    m_log.clear();
    headless::PressKey(VK_ESCAPE);
    headless::PumpMessages(m_sheet.m_hWnd);
    EXPECT_NE(m_sheet.m_hWnd, nullptr) << "Escape no longer cancels";
    EXPECT_EQ(m_log, Log{});

    Click(SheetItem(IDOK));
    EXPECT_EQ(m_sheet.GetResult(), IDOK);
    EXPECT_EQ(m_log, (Log{"alpha killactive", "alpha ok"}));
}

}  // namespace
