// The "Button" class: clicks, check states, radio groups, styles and dialog codes.
#include "controls_fixture.h"

namespace {

using controls_test::Command;
using controls_test::ControlsTest;

class ButtonTest : public ControlsTest {
protected:
    HWND CreateButton(DWORD style, int id = 100, RECT rect = {10, 10, 110, 34})
    {
        return Create("button", "Button", style, id, rect);
    }

    static LRESULT Check(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0); }
};

struct ClickCase {
    const char *name;
    DWORD style;
    std::vector<LRESULT> checksAfterEachClick;
};

TEST_F(ButtonTest, EachClickNotifiesOnceAndMovesOnlyAutomaticStates)
{
    const ClickCase cases[] = {
        {"push button", BS_PUSHBUTTON, {0, 0, 0}},
        {"default push button", BS_DEFPUSHBUTTON, {0, 0, 0}},
        {"check box", BS_CHECKBOX, {0, 0, 0}},
        {"automatic check box", BS_AUTOCHECKBOX, {1, 0, 1}},
        {"radio button", BS_RADIOBUTTON, {0, 0, 0}},
        {"automatic radio button", BS_AUTORADIOBUTTON, {1, 1, 1}},
        {"three-state box", BS_3STATE, {0, 0, 0}},
        {"automatic three-state box", BS_AUTO3STATE, {1, 2, 0}},
        {"group box", BS_GROUPBOX, {0, 0, 0}},
    };
    for (const ClickCase &c : cases) {
        HWND button = CreateButton(c.style);
        Take();
        for (size_t i = 0; i < c.checksAfterEachClick.size(); ++i) {
            EXPECT_EQ(SendMessageA(button, BM_CLICK, 0, 0), 0) << c.name;
            EXPECT_EQ(Check(button), c.checksAfterEachClick[i]) << c.name << ", click " << i + 1;
            EXPECT_EQ(Take(), (std::vector{Command(100, BN_CLICKED, button)})) << c.name << ", click " << i + 1;
        }
        DestroyWindow(button);
    }
}

struct SetCheckCase {
    const char *name;
    DWORD style;
    WPARAM requested;
    LRESULT expected;
};

TEST_F(ButtonTest, SetCheckKeepsValuesTheTypeCanHoldWithoutNotifying)
{
    const SetCheckCase cases[] = {
        {"two-state box takes any non-zero value as checked", BS_AUTOCHECKBOX, 5, BST_CHECKED},
        {"two-state box has no indeterminate state", BS_CHECKBOX, BST_INDETERMINATE, BST_CHECKED},
        {"radio button", BS_RADIOBUTTON, BST_CHECKED, BST_CHECKED},
        {"three-state box keeps indeterminate", BS_3STATE, BST_INDETERMINATE, BST_INDETERMINATE},
        {"three-state box caps larger values", BS_AUTO3STATE, 7, BST_INDETERMINATE},
        {"three-state box takes checked", BS_AUTO3STATE, BST_CHECKED, BST_CHECKED},
        {"push button holds no check", BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED},
    };
    for (const SetCheckCase &c : cases) {
        HWND button = CreateButton(c.style);
        Take();
        EXPECT_EQ(SendMessageA(button, BM_SETCHECK, c.requested, 0), 0) << c.name;
        EXPECT_EQ(Check(button), c.expected) << c.name;
        EXPECT_TRUE(Take().empty()) << c.name << ": BM_SETCHECK must not notify";
        DestroyWindow(button);
    }
}

// One sibling of a radio group layout.
struct Sibling {
    DWORD type;
    bool group;  // carries WS_GROUP
    LRESULT initialCheck;
};

struct GroupCase {
    const char *name;
    std::vector<Sibling> siblings;
    size_t target;
    bool bySetCheck;  // BM_SETCHECK(BST_CHECKED) instead of a click
    std::vector<LRESULT> expectedChecks;
};

TEST_F(ButtonTest, CheckingAnAutomaticRadioClearsTheOtherAutomaticRadiosOfItsGroup)
{
    constexpr DWORD kAuto = BS_AUTORADIOBUTTON;
    const GroupCase cases[] = {
        {"group runs from WS_GROUP to the next WS_GROUP",
         {{kAuto, true, 1}, {kAuto, false, 0}, {kAuto, false, 1}, {kAuto, true, 1}, {kAuto, false, 0}},
         1, false, {0, 1, 0, 1, 0}},
        {"no WS_GROUP at all: one group",
         {{kAuto, false, 1}, {kAuto, false, 0}, {kAuto, false, 1}},
         1, false, {0, 1, 0}},
        {"two buttons each with WS_GROUP are separate groups",
         {{kAuto, true, 1}, {kAuto, true, 0}},
         1, false, {1, 1}},
        {"check boxes and plain radio buttons are left alone",
         {{kAuto, true, 1}, {BS_AUTOCHECKBOX, false, 1}, {BS_RADIOBUTTON, false, 1}, {kAuto, false, 0}},
         3, false, {0, 1, 1, 1}},
        {"a checked button clicked again stays checked",
         {{kAuto, true, 1}, {kAuto, false, 0}},
         0, false, {1, 0}},
        {"BM_SETCHECK clears the group too",
         {{kAuto, true, 1}, {kAuto, false, 0}, {kAuto, false, 0}},
         2, true, {0, 0, 1}},
    };
    for (const GroupCase &c : cases) {
        // Each button starts as a plain radio button, so that setting the
        // initial checks clears nothing, and then takes its real type.
        std::vector<HWND> buttons;
        for (size_t i = 0; i < c.siblings.size(); ++i) {
            const Sibling &s = c.siblings[i];
            const int top = 10 + static_cast<int>(i) * 30;
            HWND button = CreateButton(BS_RADIOBUTTON | (s.group ? WS_GROUP : 0), 200 + static_cast<int>(i),
                                       RECT{10, top, 110, top + 24});
            SendMessageA(button, BM_SETCHECK, static_cast<WPARAM>(s.initialCheck), 0);
            SendMessageA(button, BM_SETSTYLE, s.type, FALSE);
            buttons.push_back(button);
        }
        Take();

        if (c.bySetCheck)
            SendMessageA(buttons[c.target], BM_SETCHECK, BST_CHECKED, 0);
        else
            SendMessageA(buttons[c.target], BM_CLICK, 0, 0);

        for (size_t i = 0; i < buttons.size(); ++i)
            EXPECT_EQ(Check(buttons[i]), c.expectedChecks[i]) << c.name << ", button " << i;
        const auto expected = c.bySetCheck ? std::vector<controls_test::Notification>{}
                                           : std::vector{Command(200 + static_cast<int>(c.target), BN_CLICKED,
                                                                 buttons[c.target])};
        EXPECT_EQ(Take(), expected) << c.name;
        for (HWND b : buttons)
            DestroyWindow(b);
    }
}

TEST_F(ButtonTest, SetStyleChangesTheTypeAndKeepsTheCheckState)
{
    HWND box = CreateButton(BS_AUTOCHECKBOX | WS_TABSTOP);
    EXPECT_EQ(SendMessageA(box, BM_SETSTYLE, BS_AUTO3STATE, TRUE), 0);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(box, GWL_STYLE));
    EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTO3STATE));
    EXPECT_NE(style & WS_TABSTOP, 0u) << "only the type bits change";

    SendMessageA(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(Check(box), BST_INDETERMINATE);
    const LRESULT cycle[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
    for (LRESULT expected : cycle) {
        SendMessageA(box, BM_CLICK, 0, 0);
        EXPECT_EQ(Check(box), expected);
    }

    SendMessageA(box, BM_SETSTYLE, BS_AUTOCHECKBOX, FALSE);
    EXPECT_EQ(Check(box), BST_INDETERMINATE) << "the state survives a change back to a two-state type";
}

struct DialogCodeCase {
    const char *name;
    DWORD style;
    LRESULT expected;
};

TEST_F(ButtonTest, DialogCodeFollowsTheType)
{
    const DialogCodeCase cases[] = {
        {"push button", BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {"default push button", BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {"check box", BS_AUTOCHECKBOX, DLGC_BUTTON},
        {"three-state box", BS_3STATE, DLGC_BUTTON},
        {"radio button", BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {"automatic radio button", BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {"group box", BS_GROUPBOX, DLGC_STATIC},
    };
    for (const DialogCodeCase &c : cases) {
        HWND button = CreateButton(c.style);
        EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), c.expected) << c.name;
        DestroyWindow(button);
    }

    // The dialog manager moves the default by BM_SETSTYLE.
    HWND push = CreateButton(BS_PUSHBUTTON);
    SendMessageA(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessageA(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, MouseClickNeedsPressAndReleaseInside)
{
    HWND box = CreateButton(BS_AUTOCHECKBOX, 100, RECT{10, 10, 110, 34});
    Take();

    Click(box);
    EXPECT_EQ(Check(box), BST_CHECKED);
    EXPECT_EQ(Take(), (std::vector{Command(100, BN_CLICKED, box)}));
    EXPECT_EQ(GetFocus(), box) << "a press gives the button the focus";

    WaitOutDoubleClick();
    MouseAt(ScreenPoint(box, 5, 5), MOUSEEVENTF_LEFTDOWN);
    Pump();
    EXPECT_NE(SendMessageA(box, BM_GETSTATE, 0, 0) & BST_PUSHED, 0) << "pushed while the button is held";
    MouseAt(ScreenPoint(box, 5, 200), MOUSEEVENTF_LEFTUP);
    Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    EXPECT_EQ(Check(box), BST_CHECKED) << "released outside: no click";
    EXPECT_TRUE(Take().empty());
}

TEST_F(ButtonTest, ClickPassesThroughAGroupBoxToTheControlInsideIt)
{
    // The group box comes first, so it lies above the check box in the z-order.
    HWND frame = CreateButton(BS_GROUPBOX, 101, RECT{5, 5, 200, 100});
    HWND box = CreateButton(BS_AUTOCHECKBOX, 102, RECT{20, 30, 120, 50});
    Take();
    Click(box);
    EXPECT_EQ(Check(box), BST_CHECKED);
    EXPECT_EQ(Take(), (std::vector{Command(102, BN_CLICKED, box)}));

    ClickAt(frame, 150, 80);
    EXPECT_TRUE(Take().empty()) << "a group box is no click target";
}

TEST_F(ButtonTest, DisabledButtonIgnoresTheMouseButNotBmClick)
{
    HWND box = CreateButton(BS_AUTOCHECKBOX | WS_DISABLED);
    Take();
    Click(box);
    EXPECT_EQ(Check(box), BST_UNCHECKED);
    EXPECT_TRUE(Take().empty());

    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(Check(box), BST_CHECKED);
    EXPECT_EQ(Take(), (std::vector{Command(100, BN_CLICKED, box)}));
}

TEST_F(ButtonTest, SpaceKeyClicksOnRelease)
{
    HWND box = CreateButton(BS_AUTO3STATE);
    SetFocus(box);
    Take();
    Key(VK_SPACE);
    EXPECT_EQ(Check(box), BST_CHECKED);
    EXPECT_EQ(Take(), (std::vector{Command(100, BN_CLICKED, box)}));
    EXPECT_NE(SendMessageA(box, BM_GETSTATE, 0, 0) & BST_FOCUS, 0);
}

}  // namespace
