// Window objects: permanent and temporary objects, subclassing, and the end
// of a window's life.
#include <string>

#include "framework_fixture.h"

namespace {

constexpr int kEditID = 500;

HWND CreateChildEdit(HWND hWndParent) {
    return ::CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, hWndParent,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditID)), nullptr, nullptr);
}

// Lets digits through to the edit's own procedure and swallows the rest.
class CDigitsOnly : public CEdit {
public:
    int m_nRejected = 0;

protected:
    afx_msg void OnChar(UINT nChar, UINT, UINT) {
        if (nChar >= '0' && nChar <= '9') {
            Default();
        } else {
            ++m_nRejected;
        }
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDigitsOnly, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

class CSelfDeleting : public CWnd {
public:
    explicit CSelfDeleting(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CSelfDeleting() override { *m_pDeleted = true; }
    void PostNcDestroy() override { delete this; }

private:
    bool* m_pDeleted;
};

using WndTest = FrameworkTest;

TEST_F(WndTest, TemporaryObjectsLastUntilTheIdleCleanUp) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPED, CRect(0, 0, 200, 100), nullptr, 0));
    HWND hWndEdit = CreateChildEdit(parent.m_hWnd);

    CWnd* pTemporary = parent.GetDlgItem(kEditID);
    ASSERT_NE(pTemporary, nullptr);
    EXPECT_EQ(pTemporary->m_hWnd, hWndEdit);
    EXPECT_EQ(CWnd::FromHandle(hWndEdit), pTemporary) << "one temporary object per handle";
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), nullptr);
    EXPECT_EQ(pTemporary->GetParent(), &parent) << "a permanent object is found as itself";
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    m_app.OnIdle(0);
    CEdit permanent;
    ASSERT_TRUE(permanent.Attach(hWndEdit));
    EXPECT_EQ(CWnd::FromHandle(hWndEdit), &permanent) << "after the clean-up the attached object is found";
    EXPECT_FALSE(CEdit().Attach(hWndEdit)) << "a handle has one permanent object";
    EXPECT_EQ(permanent.Detach(), hWndEdit);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), nullptr);
}

TEST_F(WndTest, ASubclassedControlSeesItsMessagesBeforeItsOwnProcedure) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPED, CRect(0, 0, 200, 100), nullptr, 0));
    HWND hWndEdit = CreateChildEdit(parent.m_hWnd);
    const auto pfnEditProc = ::GetWindowLongPtrA(hWndEdit, GWLP_WNDPROC);

    CDigitsOnly edit;
    ASSERT_TRUE(edit.SubclassDlgItem(kEditID, &parent));
    for (char ch : std::string("4a2")) ::SendMessageA(hWndEdit, WM_CHAR, static_cast<WPARAM>(ch), 1);
    EXPECT_EQ(edit.GetWindowText(), "42") << "digits reached the edit through Default()";
    EXPECT_EQ(edit.m_nRejected, 1);
    EXPECT_EQ(CWnd::FromHandle(hWndEdit), &edit);

    EXPECT_EQ(edit.UnsubclassWindow(), hWndEdit);
    EXPECT_EQ(::GetWindowLongPtrA(hWndEdit, GWLP_WNDPROC), pfnEditProc) << "the edit's own procedure is back";
    ::SendMessageA(hWndEdit, WM_CHAR, 'b', 1);
    EXPECT_EQ(CWnd::FromHandle(hWndEdit)->GetWindowText(), "42b");
    EXPECT_EQ(edit.m_nRejected, 1) << "the object no longer sees the control's messages";
    EXPECT_FALSE(edit.SubclassDlgItem(kEditID + 1, &parent)) << "no such item";
}

TEST_F(WndTest, ADestroyedWindowLeavesItsObjectDetached) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPED, CRect(0, 0, 200, 100), nullptr, 0));
    CDigitsOnly edit;
    ASSERT_TRUE(edit.SubclassWindow(CreateChildEdit(parent.m_hWnd)));
    bool bDeleted = false;
    auto* pSelfDeleting = new CSelfDeleting(&bDeleted);
    ASSERT_TRUE(pSelfDeleting->CreateEx(0, nullptr, "child", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));

    HWND hWndParent = parent.m_hWnd;
    EXPECT_TRUE(parent.DestroyWindow());
    EXPECT_EQ(parent.m_hWnd, nullptr);
    EXPECT_EQ(edit.m_hWnd, nullptr) << "the subclassed child went with its parent";
    EXPECT_TRUE(bDeleted) << "PostNcDestroy ran after the last message";
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndParent), nullptr);
}

TEST_F(WndTest, AnObjectDestroysTheWindowItOwns) {
    HWND hWnd = nullptr;
    {
        CWnd owner;
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owned", WS_OVERLAPPED, CRect(0, 0, 10, 10), nullptr, 0));
        hWnd = owner.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

}  // namespace
