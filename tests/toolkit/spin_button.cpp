// The toolkit's spin button on its own: its class, range and position, the
// clicks on its arrows with what its associate is told, and its pictures.
#include "spin_button.h"

#include <gtest/gtest.h>
#include <win32_driver.h>

#include <string>
#include <vector>

#include "spin_test_support.h"

namespace {

using spin_test::ClickArrow;
using spin_test::Half;

constexpr char kWindowClass[] = "SpinButtonTestWindow";
constexpr int kSpinId = 1031;
// Large enough for arrows of a few rows: 24 pixels high, 12 to each arrow.
constexpr RECT kSpinRect{20, 20, 37, 44};

// One WM_VSCROLL as the associate saw it.
struct Scroll {
    WORD code;
    WORD highWord;
    HWND from;
    bool operator==(const Scroll&) const = default;
};

class SpinButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        ASSERT_TRUE(RegisterSpinButtonClass());
        WNDCLASSA wc{};
        wc.lpfnWndProc = &RecordingProc;
        wc.lpszClassName = kWindowClass;
        ASSERT_TRUE(::RegisterClassA(&wc));
        m_hwndParent = ::CreateWindowExA(0, kWindowClass, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 200,
                                         120, nullptr, nullptr, nullptr, nullptr);
        m_hwndAssociate = ::CreateWindowExA(0, kWindowClass, "associate", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                                            nullptr, nullptr, nullptr);
        ::SetWindowLongPtrA(m_hwndAssociate, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_scrolls));
        m_hwndSpin = ::CreateWindowExA(0, SPIN_BUTTON_CLASS, nullptr, WS_CHILD | WS_VISIBLE, kSpinRect.left,
                                       kSpinRect.top, kSpinRect.right - kSpinRect.left,
                                       kSpinRect.bottom - kSpinRect.top, m_hwndParent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSpinId)), nullptr, nullptr);
        ASSERT_NE(m_hwndSpin, nullptr);
    }
    void TearDown() override { win32::ResetWindowSystem(); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hwndSpin, message, wParam, lParam);
    }
    int Position() const { return static_cast<int>(Send(SPM_GETPOS)); }
    void Associate() const { Send(SPM_SETASSOCIATE, reinterpret_cast<WPARAM>(m_hwndAssociate)); }

    std::vector<Scroll> TakeScrolls() {
        std::vector<Scroll> taken;
        taken.swap(m_scrolls);
        return taken;
    }

    // Pixels, read back from the window's surface after its WM_PAINT.
    COLORREF Pixel(int x, int y) const {
        HDC hdc = ::GetDC(m_hwndSpin);
        const COLORREF color = ::GetPixel(hdc, x, y);
        ::ReleaseDC(m_hwndSpin, hdc);
        return color;
    }
    // For each row of an arrow's face (inside its two-pixel edge), how many
    // pixels have the colour; rows without any are left out.
    std::vector<int> GlyphRowWidths(Half half, COLORREF color) const {
        constexpr int kEdge = 2;
        const int nWidth = kSpinRect.right - kSpinRect.left;
        const int nMiddle = (kSpinRect.bottom - kSpinRect.top) / 2;
        const int nTop = half == Half::Upper ? 0 : nMiddle;
        const int nBottom = half == Half::Upper ? nMiddle : kSpinRect.bottom - kSpinRect.top;
        std::vector<int> widths;
        for (int y = nTop + kEdge; y < nBottom - kEdge; ++y) {
            int nCount = 0;
            for (int x = kEdge; x < nWidth - kEdge; ++x) nCount += Pixel(x, y) == color ? 1 : 0;
            if (nCount > 0) widths.push_back(nCount);
        }
        return widths;
    }

    HWND m_hwndParent = nullptr;
    HWND m_hwndAssociate = nullptr;
    HWND m_hwndSpin = nullptr;

private:
    static LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* pScrolls = reinterpret_cast<std::vector<Scroll>*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_VSCROLL && pScrolls) {
            pScrolls->push_back(Scroll{LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
            return 0;
        }
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }

    std::vector<Scroll> m_scrolls;
};

TEST_F(SpinButtonTest, RegisteringAgainKeepsTheOneGlobalClass) {
    EXPECT_TRUE(RegisterSpinButtonClass()) << "a second registration is no failure";
    WNDCLASSA wc{};
    ASSERT_TRUE(::GetClassInfoA(nullptr, SPIN_BUTTON_CLASS, &wc));
    EXPECT_TRUE(wc.style & CS_GLOBALCLASS);
    EXPECT_EQ(wc.lpfnWndProc, reinterpret_cast<WNDPROC>(::GetClassLongPtrA(m_hwndSpin, GCLP_WNDPROC)));
    char szName[32] = {};
    ::GetClassNameA(m_hwndSpin, szName, sizeof szName);
    EXPECT_STREQ(szName, "ToolkitSpinButton");
}

TEST_F(SpinButtonTest, PositionsStayBetweenZeroAndTheSpan) {
    struct Case {
        const char* name;
        LPARAM span;
        int setPos;
        int expected;
    };
    const Case cases[] = {
        {"within the range", 10, 4, 4},
        {"the span itself", 10, 10, 10},
        {"below 0", 10, -1, 0},
        {"past the span", 10, 11, 10},
        {"a negative span counts as 0", -5, 3, 0},
        {"a span beyond int is cut to INT_MAX", LPARAM{1} << 40, 2000000000, 2000000000},
    };
    for (const Case& c : cases) {
        Send(SPM_SETRANGE, 0, c.span);
        Send(SPM_SETPOS, static_cast<WPARAM>(c.setPos));
        EXPECT_EQ(Position(), c.expected) << c.name;
    }
    Send(SPM_SETRANGE, 0, 10);
    Send(SPM_SETPOS, 8);
    Send(SPM_SETRANGE, 0, 5);
    EXPECT_EQ(Position(), 5) << "a smaller range pulls the position in";
    EXPECT_TRUE(TakeScrolls().empty()) << "setting from code tells nobody";
}

TEST_F(SpinButtonTest, EachClickMovesOneWithinTheRangeThenTellsTheAssociate) {
    struct Case {
        const char* name;
        int start;
        Half half;
        int expected;
        WORD code;
    };
    constexpr int kSpan = 10;
    const Case cases[] = {
        {"upper arrow: towards 0", 5, Half::Upper, 4, SB_LINEUP},
        {"lower arrow: towards the span", 5, Half::Lower, 6, SB_LINEDOWN},
        {"upper arrow at 0 stays", 0, Half::Upper, 0, SB_LINEUP},
        {"lower arrow at the span stays", kSpan, Half::Lower, kSpan, SB_LINEDOWN},
    };
    Associate();
    Send(SPM_SETRANGE, 0, kSpan);
    for (const Case& c : cases) {
        Send(SPM_SETPOS, static_cast<WPARAM>(c.start));
        ClickArrow(m_hwndSpin, c.half);
        EXPECT_EQ(Position(), c.expected) << c.name;
        EXPECT_EQ(TakeScrolls(), (std::vector{Scroll{c.code, 0, m_hwndSpin}})) << c.name;
    }
}

TEST_F(SpinButtonTest, TheAssociateSeesTheNewPositionAndEveryQuickClick) {
    Send(SPM_SETRANGE, 0, 10);
    Send(SPM_SETPOS, 5);
    // The associate reads the position while it handles the scroll.
    static int s_nPositionWhenTold = -1;
    s_nPositionWhenTold = -1;
    WNDCLASSA wc{};
    wc.lpszClassName = "ReadingAssociate";
    wc.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_VSCROLL)
            s_nPositionWhenTold = static_cast<int>(::SendMessageA(reinterpret_cast<HWND>(lParam), SPM_GETPOS, 0, 0));
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    };
    ASSERT_TRUE(::RegisterClassA(&wc));
    HWND hwndReader = ::CreateWindowExA(0, "ReadingAssociate", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    Send(SPM_SETASSOCIATE, reinterpret_cast<WPARAM>(hwndReader));

    ClickArrow(m_hwndSpin, Half::Lower);
    EXPECT_EQ(s_nPositionWhenTold, 6) << "the button moves first, then tells";
    // Two clicks in quick succession are two steps, not a double click.
    win32::headless::ClickAt(spin_test::PointOn(m_hwndSpin, Half::Upper));
    win32::headless::ClickAt(spin_test::PointOn(m_hwndSpin, Half::Upper));
    win32::headless::PumpMessages();
    EXPECT_EQ(Position(), 4);
}

TEST_F(SpinButtonTest, WithoutAnAssociateAClickStillMoves) {
    Send(SPM_SETRANGE, 0, 3);
    ClickArrow(m_hwndSpin, Half::Lower);
    EXPECT_EQ(Position(), 1);
    Associate();
    EXPECT_EQ(Send(SPM_SETASSOCIATE, 0), reinterpret_cast<LRESULT>(m_hwndAssociate))
        << "the previous associate comes back";
    ClickArrow(m_hwndSpin, Half::Lower);
    EXPECT_TRUE(TakeScrolls().empty()) << "0 leaves the button without an associate";
}

TEST_F(SpinButtonTest, ArrowsPointAwayFromEachOtherOnRaisedButtons) {
    win32::headless::PumpMessages();
    const std::vector<int> up = GlyphRowWidths(Half::Upper, ::GetSysColor(COLOR_BTNTEXT));
    const std::vector<int> down = GlyphRowWidths(Half::Lower, ::GetSysColor(COLOR_BTNTEXT));
    ASSERT_GE(up.size(), 2u);
    ASSERT_EQ(down.size(), up.size());
    EXPECT_EQ(up.front(), 1) << "the upper arrow's point is at its top";
    EXPECT_EQ(down.back(), 1) << "the lower arrow's point is at its bottom";
    for (size_t i = 1; i < up.size(); ++i) {
        EXPECT_GT(up[i], up[i - 1]) << "row " << i;
        EXPECT_EQ(down[i], up[up.size() - 1 - i]) << "row " << i;
    }
    const int nBottom = kSpinRect.bottom - kSpinRect.top - 1;
    const int nRight = kSpinRect.right - kSpinRect.left - 1;
    EXPECT_EQ(Pixel(0, 0), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(Pixel(1, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(nRight, nBottom), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(Pixel(nRight - 1, nBottom - 1), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(nRight / 2, 3), ::GetSysColor(COLOR_BTNFACE)) << "the face above the arrow";
}

TEST_F(SpinButtonTest, AHeldArrowIsDrawnPushedInUntilReleased) {
    const int nMiddle = (kSpinRect.bottom - kSpinRect.top) / 2;
    win32::headless::PumpMessages();
    const std::vector<int> raised = GlyphRowWidths(Half::Upper, ::GetSysColor(COLOR_BTNTEXT));

    INPUT press[2] = {};
    const POINT point = spin_test::PointOn(m_hwndSpin, Half::Upper);
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi = MOUSEINPUT{point.x, point.y, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0};
    press[1].mi = MOUSEINPUT{point.x, point.y, 0, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE, 0, 0};
    ::SendInput(2, press, sizeof(INPUT));
    win32::headless::PumpMessages();
    EXPECT_EQ(Pixel(0, 0), ::GetSysColor(COLOR_BTNSHADOW)) << "pushed in";
    EXPECT_EQ(Pixel(0, nMiddle), ::GetSysColor(COLOR_3DLIGHT)) << "the other arrow stays raised";
    EXPECT_EQ(GlyphRowWidths(Half::Upper, ::GetSysColor(COLOR_BTNTEXT)), raised) << "the same arrow, moved";

    INPUT release = press[1];
    release.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &release, sizeof(INPUT));
    win32::headless::PumpMessages();
    EXPECT_EQ(Pixel(0, 0), ::GetSysColor(COLOR_3DLIGHT)) << "raised again";
}

TEST_F(SpinButtonTest, ADisabledButtonHasGreyArrows) {
    ::EnableWindow(m_hwndSpin, FALSE);
    win32::headless::PumpMessages();
    EXPECT_TRUE(GlyphRowWidths(Half::Upper, ::GetSysColor(COLOR_BTNTEXT)).empty());
    EXPECT_FALSE(GlyphRowWidths(Half::Upper, ::GetSysColor(COLOR_GRAYTEXT)).empty());
    EXPECT_FALSE(GlyphRowWidths(Half::Lower, ::GetSysColor(COLOR_GRAYTEXT)).empty());
}

}  // namespace
