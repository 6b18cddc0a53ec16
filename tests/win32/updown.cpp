// The up-down control: default range, steps with their notifications,
// refusal, limits and wrapping, the mouse, buddies.
#include "controls_fixture.h"

#include <string>

namespace {

using controls_test::ControlsTest;
using controls_test::Notification;

constexpr int kUpDownId = 1030;

class UpDownTest : public ControlsTest {
protected:
    HWND CreateUpDown(DWORD style, RECT rect = {145, 74, 156, 88})
    {
        HWND updown = Create(UPDOWN_CLASSA, nullptr, style, kUpDownId, rect);
        Take();
        return updown;
    }

    static void SetRange(HWND updown, int minimum, int maximum)
    {
        SendMessageA(updown, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    }

    static int Position(HWND updown) { return static_cast<int>(SendMessageA(updown, UDM_GETPOS32, 0, 0)); }

    Notification DeltaPos(int position, int delta) const
    {
        return Notification{WM_NOTIFY, kUpDownId, static_cast<int>(UDN_DELTAPOS), m_updown, position, delta};
    }

    Notification Scroll(UINT message, int code, int position) const
    {
        return Notification{message, 0, code, m_updown, position, 0};
    }

    HWND m_updown = nullptr;
};

TEST_F(UpDownTest, WithoutARangeItRunsFromHundredDownToZero)
{
    m_updown = CreateUpDown(UDS_ARROWKEYS);
    EXPECT_EQ(SendMessageA(m_updown, UDM_GETRANGE, 0, 0), 0x00640000);
    EXPECT_EQ(SendMessageA(m_updown, UDM_GETPOS, 0, 0), 0x00010000) << "position 0, and no buddy to read";
    int minimum = 0;
    int maximum = 0;
    SendMessageA(m_updown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum), reinterpret_cast<LPARAM>(&maximum));
    EXPECT_EQ(minimum, 100);
    EXPECT_EQ(maximum, 0);
}

struct StepCase {
    const char *name;
    DWORD style;
    bool setRange;
    int minimum, maximum;
    int start;
    WORD key;
    LRESULT parentReply;
    int expectedDelta;
    int expectedPosition;
};

TEST_F(UpDownTest, EachStepAsksTheParentThenReportsThePosition)
{
    const StepCase cases[] = {
        {"default range: up is -1 and stays at 0", 0, false, 0, 0, 0, VK_UP, 0, -1, 0},
        {"default range: down is +1", 0, false, 0, 0, 0, VK_DOWN, 0, 1, 1},
        {"up moves towards the maximum", 0, true, 0, 10, 5, VK_UP, 0, 1, 6},
        {"down moves towards the minimum", 0, true, 0, 10, 5, VK_DOWN, 0, -1, 4},
        {"a refused step keeps the position", 0, true, 0, 10, 5, VK_UP, 1, 1, 5},
        {"at the maximum the step is notified and clamped", 0, true, 0, 10, 10, VK_UP, 0, 1, 10},
        {"at the minimum likewise", 0, true, -3, 3, -3, VK_DOWN, 0, -1, -3},
        {"wrapping past the maximum", UDS_WRAP, true, 0, 10, 10, VK_UP, 0, 1, 0},
        {"wrapping past the minimum", UDS_WRAP, true, 0, 10, 0, VK_DOWN, 0, -1, 10},
    };
    for (const StepCase &c : cases) {
        m_updown = CreateUpDown(UDS_ARROWKEYS | c.style);
        if (c.setRange)
            SetRange(m_updown, c.minimum, c.maximum);
        SendMessageA(m_updown, UDM_SETPOS32, 0, c.start);
        m_notifyReply = c.parentReply;
        SetFocus(m_updown);
        Take();
        Key(c.key);
        EXPECT_EQ(Take(), (std::vector{DeltaPos(c.start, c.expectedDelta),
                                       Scroll(WM_VSCROLL, SB_THUMBPOSITION, c.expectedPosition)}))
            << c.name;
        EXPECT_EQ(Position(m_updown), c.expectedPosition) << c.name;
        m_notifyReply = 0;
        DestroyWindow(m_updown);
    }
}

TEST_F(UpDownTest, ArrowKeysNeedTheArrowKeysStyle)
{
    m_updown = CreateUpDown(0);
    SetFocus(m_updown);
    Take();
    Key(VK_UP);
    Key(VK_DOWN);
    EXPECT_TRUE(Take().empty());
}

TEST_F(UpDownTest, MousePressOnEachHalfStepsAndReleaseEndsTheScroll)
{
    m_updown = CreateUpDown(0, RECT{20, 20, 31, 34});
    SetRange(m_updown, 0, 10);
    SendMessageA(m_updown, UDM_SETPOS32, 0, 5);
    Take();

    WaitOutDoubleClick();
    MouseAt(ScreenPoint(m_updown, 5, 2), MOUSEEVENTF_LEFTDOWN);
    Pump();
    EXPECT_EQ(Take(), (std::vector{DeltaPos(5, 1), Scroll(WM_VSCROLL, SB_THUMBPOSITION, 6)})) << "upper half";
    MouseAt(ScreenPoint(m_updown, 5, 2), MOUSEEVENTF_LEFTUP);
    Pump();
    EXPECT_EQ(Take(), (std::vector{Scroll(WM_VSCROLL, SB_ENDSCROLL, 6)}));

    WaitOutDoubleClick();
    MouseAt(ScreenPoint(m_updown, 5, 12), MOUSEEVENTF_LEFTDOWN);
    MouseAt(ScreenPoint(m_updown, 5, 12), MOUSEEVENTF_LEFTUP);
    Pump();
    EXPECT_EQ(Take(), (std::vector{DeltaPos(6, -1), Scroll(WM_VSCROLL, SB_THUMBPOSITION, 5),
                                   Scroll(WM_VSCROLL, SB_ENDSCROLL, 5)}))
        << "lower half";
}

TEST_F(UpDownTest, HorizontalControlStepsUpOnItsRightHalf)
{
    m_updown = CreateUpDown(UDS_HORZ, RECT{20, 20, 42, 31});
    SetRange(m_updown, 0, 10);
    ClickAt(m_updown, 16, 5);
    EXPECT_EQ(Take(), (std::vector{DeltaPos(0, 1), Scroll(WM_HSCROLL, SB_THUMBPOSITION, 1),
                                   Scroll(WM_HSCROLL, SB_ENDSCROLL, 1)}));
}

TEST_F(UpDownTest, HoldingTheButtonRepeatsTheStep)
{
    m_updown = CreateUpDown(0, RECT{20, 20, 31, 34});
    SetRange(m_updown, 0, 10);
    WaitOutDoubleClick();
    MouseAt(ScreenPoint(m_updown, 5, 2), MOUSEEVENTF_LEFTDOWN);
    Pump();
    EXPECT_EQ(Position(m_updown), 1);
    win32::Headless().AdvanceClock(1000);
    Pump();
    EXPECT_GT(Position(m_updown), 1) << "still held after a second";
    MouseAt(ScreenPoint(m_updown, 5, 2), MOUSEEVENTF_LEFTUP);
    Pump();
    const int released = Position(m_updown);
    win32::Headless().AdvanceClock(1000);
    Pump();
    EXPECT_EQ(Position(m_updown), released) << "no steps after the release";
}

TEST_F(UpDownTest, SetPosClampsAndAnswersThePreviousPosition)
{
    m_updown = CreateUpDown(0);
    SetRange(m_updown, -5, 5);
    EXPECT_EQ(SendMessageA(m_updown, UDM_SETPOS, 0, 3), 0);
    EXPECT_EQ(SendMessageA(m_updown, UDM_SETPOS32, 0, 50), 3);
    EXPECT_EQ(Position(m_updown), 5);
    EXPECT_EQ(SendMessageA(m_updown, UDM_SETPOS32, 0, -50), 5);
    EXPECT_EQ(Position(m_updown), -5);

    SendMessageA(m_updown, UDM_SETRANGE, 0, (20 << 16) | 40);  // MAKELONG(max 40, min 20)
    EXPECT_EQ(SendMessageA(m_updown, UDM_GETRANGE, 0, 0), (20 << 16) | 40);
    EXPECT_TRUE(Take().empty()) << "setting from code never notifies";
}

TEST_F(UpDownTest, BuddyShowsAndSuppliesThePosition)
{
    HWND edit = Create("Edit", "", WS_BORDER, 1029, RECT{119, 75, 145, 87});
    m_updown = CreateUpDown(UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(m_updown, UDM_GETBUDDY, 0, 0)), edit)
        << "the previous sibling becomes the buddy";
    SetRange(m_updown, 0, 2000);

    SendMessageA(m_updown, UDM_SETPOS32, 0, 1234);
    EXPECT_EQ(Text(edit), "1,234");

    SetWindowTextA(edit, "17");
    EXPECT_EQ(SendMessageA(m_updown, UDM_GETPOS, 0, 0), 17);
    SetWindowTextA(edit, "x");
    EXPECT_EQ(SendMessageA(m_updown, UDM_GETPOS, 0, 0), (1 << 16) | 17) << "unreadable text keeps the position";
    BOOL failed = FALSE;
    EXPECT_EQ(SendMessageA(m_updown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)), 17);
    EXPECT_TRUE(failed);

    SetWindowTextA(edit, "17");
    SetFocus(edit);
    Take();
    Key(VK_UP);
    EXPECT_EQ(Text(edit), "18") << "arrow keys on the buddy step the control";
}

}  // namespace
