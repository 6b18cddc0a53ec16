// Dialogs: modal runs ended by a user's input, and modeless dialogs.
#include <string>

#include "framework_fixture.h"

namespace {

using namespace test_ids;
namespace headless = win32::headless;

class CNameDialog : public CDialog {
public:
    explicit CNameDialog(LPCSTR lpszTemplate = MAKEINTRESOURCEA(kSimpleDialog)) : CDialog(lpszTemplate) {}

    std::string m_strName = "initial";
    int m_nCount = 3;
    bool m_bInitialised = false;

    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

protected:
    BOOL OnInitDialog() override {
        m_bInitialised = true;
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kNameEdit, m_strName);
        DDX_Text(pDX, kCountEdit, m_nCount);
    }
};

using DialogTest = FrameworkTest;

TEST_F(DialogTest, AModalDialogEndsWhenTheUserClicksOK) {
    CNameDialog dialog;
    std::string shownName;
    Driver().Then([&] {
        shownName = dialog.GetWindowText() + ": " + CWnd::FromHandle(dialog.Item(kNameEdit))->GetWindowText();
        ::SetWindowTextA(dialog.Item(kNameEdit), "");
        headless::TypeText("Bob");
    });
    Driver().Then([&] { headless::Click(dialog.Item(IDOK)); });

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.m_bInitialised);
    EXPECT_EQ(shownName, "Simple: initial") << "OnInitDialog filled the controls from the fields";
    EXPECT_EQ(dialog.m_strName, "Bob") << "OK saved the controls into the fields";
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is gone and the object detached";
    EXPECT_EQ(Driver().PendingSteps(), 0u);
}

TEST_F(DialogTest, OKStaysOpenWhenTheDataIsRefused) {
    CNameDialog dialog;
    Driver().Then([&] {
        ::SetWindowTextA(dialog.Item(kCountEdit), "many");
        headless::Click(dialog.Item(IDOK));
    });
    bool bOpenAfterOK = false;
    Driver().Then([&] {
        bOpenAfterOK = ::IsWindow(dialog.m_hWnd) && ::GetFocus() == dialog.Item(kCountEdit);
        headless::PressKey(VK_ESCAPE);
    });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(bOpenAfterOK) << "the dialog stayed, with the focus on the refused control";
    ASSERT_EQ(Driver().MessageBoxes().size(), 1u);
    EXPECT_EQ(Driver().MessageBoxes()[0].text, "Please enter an integer.");
    EXPECT_EQ(dialog.m_nCount, 3) << "Cancel saves nothing";
}

TEST_F(DialogTest, TemplatesAreFoundByNumberOrNameOrNotAtAll) {
    CNameDialog missing(MAKEINTRESOURCEA(9999));
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_FALSE(missing.Create(9999u));

    CNameDialog byName("simple");
    ASSERT_TRUE(byName.Create("simple")) << "names are found without regard to case";
    EXPECT_TRUE(byName.m_bInitialised);
    EXPECT_EQ(byName.GetWindowText(), "Simple");

    byName.GotoDlgCtrl(CWnd::FromHandle(byName.Item(kCountEdit)));
    EXPECT_EQ(::GetFocus(), byName.Item(kCountEdit));
    byName.NextDlgCtrl();
    EXPECT_EQ(::GetFocus(), byName.Item(IDOK));
}

}  // namespace
