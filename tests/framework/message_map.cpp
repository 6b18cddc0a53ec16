// Message maps: typed handlers, chaining to the base map, skipping ancestors,
// and what falls through to the default procedure.
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework_fixture.h"

namespace {

constexpr UINT kButtonA = 101;
constexpr UINT kButtonB = 102;
constexpr UINT kSpin = 103;
constexpr UINT kAppMessage = WM_APP + 1;

class CRecordingWnd : public CWnd {
public:
    std::vector<std::string> m_log;
    BOOL CreateWindowed() { return CreateEx(0, nullptr, "recorder", WS_OVERLAPPED, CRect(0, 0, 100, 100), nullptr, 0); }
};

class CBaseWnd : public CRecordingWnd {
protected:
    afx_msg void OnBaseA() { m_log.push_back("base A"); }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { m_log.push_back("timer " + std::to_string(nIDEvent)); }
    afx_msg LRESULT OnAppMessage(WPARAM wParam, LPARAM lParam) {
        m_log.push_back("app " + std::to_string(wParam) + " " + std::to_string(lParam));
        return static_cast<LRESULT>(wParam) + lParam;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBaseWnd, CRecordingWnd)
    ON_BN_CLICKED(kButtonA, OnBaseA)
    ON_WM_TIMER()
    ON_MESSAGE(kAppMessage, OnAppMessage)
END_MESSAGE_MAP()

class CMiddleWnd : public CBaseWnd {
protected:
    afx_msg void OnMiddleA() { m_log.push_back("middle A"); }
    afx_msg void OnMiddleB() { m_log.push_back("middle B"); }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
        m_log.push_back("char " + std::string(1, static_cast<char>(nChar)) + " " + std::to_string(nRepCnt) + " " +
                        std::to_string(nFlags));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMiddleWnd, CBaseWnd)
    ON_BN_CLICKED(kButtonA, OnMiddleA)
    ON_BN_CLICKED(kButtonB, OnMiddleB)
    ON_WM_CHAR()
END_MESSAGE_MAP()

// Chains to its parent's map: three levels of entries.
class CLeafWnd : public CMiddleWnd {
protected:
    afx_msg void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult) {
        m_log.push_back("delta " + std::to_string(reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta));
        *pResult = 1;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLeafWnd, CMiddleWnd)
    ON_NOTIFY(UDN_DELTAPOS, kSpin, OnDeltaPos)
END_MESSAGE_MAP()

// Derives from the middle class but chains straight to the base class's map.
class CSkippingWnd : public CMiddleWnd {
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSkippingWnd, CBaseWnd)
END_MESSAGE_MAP()

struct Sent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

Sent Click(UINT nID) { return {WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0}; }

using MessageMapTest = FrameworkTest;

TEST_F(MessageMapTest, EntriesAreFoundAlongTheChainOrSkipped) {
    struct Row {
        const char* name;
        Sent sent;
        std::vector<std::string> leafLog;      // CLeafWnd: leaf -> middle -> base
        std::vector<std::string> skippingLog;  // CSkippingWnd: base only
    };
    const Row rows[] = {
        {"a click the middle map overrides", Click(kButtonA), {"middle A"}, {"base A"}},
        {"a click only the middle map handles", Click(kButtonB), {"middle B"}, {}},
        {"a click nobody handles", Click(kSpin), {}, {}},
        {"a window message of the base map", {WM_TIMER, 5, 0}, {"timer 5"}, {"timer 5"}},
        {"a character with its repeat count and flags", {WM_CHAR, 'x', MAKELPARAM(2, 0x1F)}, {"char x 2 31"}, {}},
        {"a message with its parameters", {kAppMessage, 3, 4}, {"app 3 4"}, {"app 3 4"}},
    };
    for (const Row& row : rows) {
        CLeafWnd leaf;
        CSkippingWnd skipping;
        ASSERT_TRUE(leaf.CreateWindowed());
        ASSERT_TRUE(skipping.CreateWindowed());
        ::SendMessageA(leaf.m_hWnd, row.sent.message, row.sent.wParam, row.sent.lParam);
        ::SendMessageA(skipping.m_hWnd, row.sent.message, row.sent.wParam, row.sent.lParam);
        EXPECT_EQ(leaf.m_log, row.leafLog) << row.name;
        EXPECT_EQ(skipping.m_log, row.skippingLog) << row.name;
    }
}

TEST_F(MessageMapTest, HandlersReturnTheirResults) {
    CLeafWnd leaf;
    ASSERT_TRUE(leaf.CreateWindowed());
    EXPECT_EQ(::SendMessageA(leaf.m_hWnd, kAppMessage, 3, 4), 7);

    NMUPDOWN notify{};
    notify.hdr.hwndFrom = leaf.m_hWnd;
    notify.hdr.idFrom = kSpin;
    notify.hdr.code = UDN_DELTAPOS;
    notify.iDelta = -1;
    EXPECT_EQ(::SendMessageA(leaf.m_hWnd, WM_NOTIFY, kSpin, reinterpret_cast<LPARAM>(&notify)), 1)
        << "the notification's result is what the handler stored";
    notify.hdr.idFrom = kButtonA;
    EXPECT_EQ(::SendMessageA(leaf.m_hWnd, WM_NOTIFY, kButtonA, reinterpret_cast<LPARAM>(&notify)), 0)
        << "the same code from another control matches no entry";
    EXPECT_EQ(leaf.m_log, (std::vector<std::string>{"app 3 4", "delta -1"}));
}

TEST_F(MessageMapTest, UnmappedMessagesReachTheDefaultProcedure) {
    CLeafWnd leaf;
    ASSERT_TRUE(leaf.CreateWindowed());
    leaf.SetWindowText("stored by DefWindowProc");
    EXPECT_EQ(leaf.GetWindowText(), "stored by DefWindowProc");
    EXPECT_EQ(CWnd::FromHandlePermanent(leaf.m_hWnd), &leaf);
}

}  // namespace
