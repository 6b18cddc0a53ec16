// Input through SendInput: keys reach the focus window, clicks the window
// under the cursor (never a disabled one), double clicks, characters and
// key state.
#include "window_recorder.h"

#include <string>

namespace {

using window_test::CreateRecorder;
using window_test::PackWords;
using window_test::Step;
using window_test::WindowTest;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

class Input : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        top = CreateRecorder("top", WS_POPUP | WS_VISIBLE, nullptr, 0, RECT{100, 100, 300, 200});
        control = CreateRecorder("control", kChild, top, 1, RECT{10, 10, 60, 30});
        Log().Clear();
    }
    std::vector<Step> Delivered(std::set<UINT> only) {
        win32::headless::PumpMessages();
        return Log().Steps(only);
    }
    HWND top = nullptr;
    HWND control = nullptr;
};

TEST_F(Input, ClickReachesTheWindowUnderTheCursorInClientCoordinates) {
    win32::headless::ClickAt(POINT{115, 112});
    const std::vector<Step> expected = {{"control", WM_MOUSEMOVE}, {"control", WM_LBUTTONDOWN},
                                        {"control", WM_LBUTTONUP}};
    EXPECT_STEPS(expected, Delivered({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    const auto down = Log().Of(control, WM_LBUTTONDOWN);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].lParam, PackWords(5, 2));
    EXPECT_EQ(down[0].wParam, static_cast<WPARAM>(MK_LBUTTON));
}

TEST_F(Input, ClickOnADisabledControlReachesNothing) {
    struct Case {
        const char* name;
        HWND disable;
    };
    const Case cases[] = {{"disabled control", control}, {"control in a disabled window", top}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log().Clear();
        EnableWindow(c.disable, FALSE);
        win32::headless::Click(control);
        EXPECT_TRUE(Delivered({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}).empty());
        EnableWindow(c.disable, TRUE);
    }
}

// A window that lets clicks through to what lies beneath it.
LRESULT CALLBACK TransparentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    return window_test::RecordingProc(hwnd, message, wParam, lParam);
}

TEST_F(Input, TransparentWindowLetsTheClickThroughToTheSiblingBelow) {
    HWND cover = CreateRecorder("cover", kChild, top, 2, RECT{0, 0, 100, 50});
    SetWindowPos(cover, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowLongPtrA(cover, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TransparentProc));
    win32::headless::Click(control);
    EXPECT_EQ(Delivered({WM_LBUTTONDOWN}), (std::vector<Step>{{"control", WM_LBUTTONDOWN}}));
}

TEST_F(Input, SecondPressBecomesADoubleClickOnlyForCsDblClksWithinTimeAndDistance) {
    HWND target = CreateRecorder("target", kChild, top, 3, RECT{100, 10, 180, 60},
                                 window_test::kDoubleClickRecorderClass);
    HWND plain = CreateRecorder("plain", kChild, top, 4, RECT{100, 60, 180, 100});
    struct Case {
        const char* name;
        HWND window;
        DWORD delay;
        LONG dx;
        UINT second;
    };
    const Case cases[] = {
        {"quick second press", target, 100, 0, WM_LBUTTONDBLCLK},
        {"within the double-click box", target, 100, 2, WM_LBUTTONDBLCLK},
        {"too slow", target, GetDoubleClickTime() + 1, 0, WM_LBUTTONDOWN},
        {"too far", target, 100, 3, WM_LBUTTONDOWN},
        {"class without CS_DBLCLKS", plain, 100, 0, WM_LBUTTONDOWN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Driver().AdvanceClock(10 * GetDoubleClickTime());  // forget the previous case
        RECT rect;
        GetWindowRect(c.window, &rect);
        const POINT point{rect.left + 20, rect.top + 20};
        win32::headless::ClickAt(point);
        win32::headless::PumpMessages();
        Driver().AdvanceClock(c.delay);
        Log().Clear();
        win32::headless::ClickAt(POINT{point.x + c.dx, point.y});
        const auto steps = Delivered({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
        ASSERT_EQ(steps.size(), 1u);
        EXPECT_EQ(steps[0].message, c.second);
    }
}

TEST_F(Input, KeysGoToTheFocusWindowAndBecomeCharacters) {
    SetFocus(control);
    struct Case {
        const char* name;
        WORD key;
        UINT modifiers;
        UINT charMessage;
        int character;  // 0: none
    };
    const Case cases[] = {
        {"letter", 'A', 0, WM_CHAR, 'a'},
        {"shifted letter", 'A', MOD_SHIFT, WM_CHAR, 'A'},
        {"shifted digit", '1', MOD_SHIFT, WM_CHAR, '!'},
        {"punctuation", VK_OEM_MINUS, 0, WM_CHAR, '-'},
        {"control letter", 'C', MOD_CONTROL, WM_CHAR, 3},
        {"backspace", VK_BACK, 0, WM_CHAR, '\b'},
        {"alt letter", 'X', MOD_ALT, WM_SYSCHAR, 'x'},
        {"function key", VK_F5, 0, WM_CHAR, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log().Clear();
        win32::headless::PressKey(c.key, c.modifiers);
        win32::headless::PumpMessages();
        const auto chars = Log().Of(control, c.charMessage);
        if (c.character == 0) {
            EXPECT_TRUE(chars.empty());
            continue;
        }
        ASSERT_EQ(chars.size(), 1u);
        EXPECT_EQ(chars[0].wParam, static_cast<WPARAM>(c.character));
    }
    EXPECT_TRUE(Log().Of(top, WM_KEYDOWN).empty());
}

TEST_F(Input, AltKeysArriveAsSystemKeys) {
    SetFocus(control);
    win32::headless::PressKey('F', MOD_ALT);
    const std::vector<Step> expected = {{"control", WM_SYSKEYDOWN}, {"control", WM_SYSKEYDOWN},
                                        {"control", WM_SYSCHAR},    {"control", WM_SYSKEYUP},
                                        {"control", WM_SYSKEYUP}};
    EXPECT_STEPS(expected, Delivered({WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR}));
}

TEST_F(Input, KeyStateFollowsTheMessagesTakenAndAsyncStateTheInputSent) {
    SetFocus(control);
    INPUT shift{};
    shift.type = INPUT_KEYBOARD;
    shift.ki.wVk = VK_SHIFT;
    SendInput(1, &shift, sizeof(INPUT));
    EXPECT_TRUE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);  // the key-down message is still queued
    win32::headless::PumpMessages();
    EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);
    shift.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &shift, sizeof(INPUT));
    win32::headless::PumpMessages();
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
    EXPECT_EQ(SendInput(1, &shift, sizeof(INPUT) - 1), 0u);
}

TEST_F(Input, TheTargetIsChosenWhenTheMessageIsTaken) {
    SetFocus(top);
    win32::headless::PressKey('Q');
    SetFocus(control);  // after the key was sent, before it was taken
    win32::headless::PumpMessages();
    EXPECT_EQ(Log().Of(control, WM_KEYDOWN).size(), 1u);
    EXPECT_TRUE(Log().Of(top, WM_KEYDOWN).empty());
}

TEST_F(Input, TypeTextTypesEveryCharacter) {
    SetFocus(control);
    win32::headless::TypeText("Hi 5!\xE9");
    win32::headless::PumpMessages();
    std::string typed;
    for (const auto& entry : Log().Of(control, WM_CHAR)) typed.push_back(static_cast<char>(entry.wParam));
    EXPECT_EQ(typed, "Hi 5!\xE9");
}

TEST_F(Input, F1AsksForHelpOnTheFocusWindowAndHelpTravelsUp) {
    SetWindowContextHelpId(control, 77);
    SetFocus(control);
    win32::headless::PressKey(VK_F1);
    win32::headless::PumpMessages();
    const auto atControl = Log().Of(control, WM_HELP);
    const auto atTop = Log().Of(top, WM_HELP);
    ASSERT_EQ(atControl.size(), 1u);
    ASSERT_EQ(atTop.size(), 1u);
    EXPECT_EQ(atTop[0].lParam, atControl[0].lParam);  // the same HELPINFO, passed up by DefWindowProc
}

}  // namespace
