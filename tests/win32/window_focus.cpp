// Focus and activation: WM_KILLFOCUS / WM_SETFOCUS, refusals, and where the
// focus goes when its window hides or is disabled.
#include "window_recorder.h"

namespace {

using window_test::CreateRecorder;
using window_test::Step;
using window_test::WindowTest;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

class WindowFocus : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        top = CreateRecorder("top", WS_POPUP | WS_VISIBLE);
        first = CreateRecorder("first", kChild, top, 1);
        second = CreateRecorder("second", kChild, top, 2);
        Log().Clear();
    }
    HWND top = nullptr;
    HWND first = nullptr;
    HWND second = nullptr;
};

TEST_F(WindowFocus, MovingTheFocusTellsBothWindowsAboutEachOther) {
    EXPECT_EQ(SetFocus(first), top);
    EXPECT_EQ(SetFocus(second), first);
    const std::vector<Step> expected = {{"top", WM_KILLFOCUS},   {"first", WM_SETFOCUS},
                                        {"first", WM_KILLFOCUS}, {"second", WM_SETFOCUS}};
    EXPECT_STEPS(expected, Log().Steps({WM_KILLFOCUS, WM_SETFOCUS}));
    EXPECT_EQ(Log().Of(first, WM_KILLFOCUS)[0].wParam, reinterpret_cast<WPARAM>(second));
    EXPECT_EQ(Log().Of(second, WM_SETFOCUS)[0].wParam, reinterpret_cast<WPARAM>(first));
    EXPECT_EQ(GetFocus(), second);
}

TEST_F(WindowFocus, DisabledWindowsRefuseTheFocus) {
    SetFocus(first);
    struct Case {
        const char* name;
        HWND disable;
        HWND target;
    };
    HWND inner = CreateRecorder("inner", kChild, second, 3);
    const Case cases[] = {{"disabled window", second, second}, {"child of a disabled window", second, inner}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EnableWindow(c.disable, FALSE);
        EXPECT_EQ(SetFocus(c.target), nullptr);
        EXPECT_EQ(GetFocus(), first);
        EnableWindow(c.disable, TRUE);
    }
}

TEST_F(WindowFocus, FocusLeavesAWindowThatHidesOrIsDisabled) {
    SetFocus(first);
    ShowWindow(first, SW_HIDE);
    EXPECT_EQ(GetFocus(), top);  // a hidden child hands the focus to its parent

    SetFocus(second);
    EnableWindow(second, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);  // a disabled window drops it
}

TEST_F(WindowFocus, ActivationMovesBetweenTopLevelWindowsAndHidingActivatesTheOwner) {
    EXPECT_EQ(GetActiveWindow(), top);
    HWND popup = CreateRecorder("popup", WS_POPUP | WS_VISIBLE, top);
    EXPECT_EQ(GetActiveWindow(), popup);
    EXPECT_EQ(GetFocus(), popup);
    const std::vector<Step> expected = {{"top", WM_NCACTIVATE}, {"top", WM_ACTIVATE}, {"popup", WM_NCACTIVATE},
                                        {"popup", WM_ACTIVATE}};
    EXPECT_STEPS(expected, Log().Steps({WM_NCACTIVATE, WM_ACTIVATE}));

    ShowWindow(popup, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(WindowFocus, CaptureChangesAreAnnounced) {
    EXPECT_EQ(SetCapture(first), nullptr);
    EXPECT_EQ(SetCapture(second), first);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    const std::vector<Step> expected = {{"first", WM_CAPTURECHANGED}, {"second", WM_CAPTURECHANGED}};
    EXPECT_STEPS(expected, Log().Steps({WM_CAPTURECHANGED}));
}

}  // namespace
