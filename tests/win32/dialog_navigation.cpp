// The dialog manager's keyboard: Tab and Shift+Tab, arrow keys in a group,
// Enter and the default button, Escape, mnemonics, and Tab into a dialog
// inside a dialog.
#include "dialog_fixture.h"

namespace {

using dialog_test::DialogTest;
using dialog_test::kStubButton;
using dialog_test::kStubEdit;
using dialog_test::kStubLabel;
using dialog_test::RecordingDialogProc;

enum : WORD {
    kLabel = 100,
    kEdit = 101,
    kAlpha = 110,
    kBeta = 111,
    kGamma = 112,
    kCheck = 120,
    kHiddenButton = 121,
    kApply = 130,
};

const win32::DialogTemplate& NavigationTemplate() {
    static const win32::DialogTemplate kTemplate{
        {.caption = "Navigation", .style = WS_POPUP | WS_CAPTION | WS_VISIBLE, .cx = 200, .cy = 120,
         .fontName = "MS Sans Serif"},
        {
            {kStubLabel, "&Name:", kLabel, 5, 5, 40, 8, SS_LEFT},
            {kStubEdit, "", kEdit, 50, 5, 100, 12, WS_TABSTOP},
            {kStubButton, "&Alpha", kAlpha, 5, 20, 60, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
            {kStubButton, "&Beta", kBeta, 5, 30, 60, 10, BS_AUTORADIOBUTTON},
            {kStubButton, "&Gamma", kGamma, 5, 40, 60, 10, BS_AUTORADIOBUTTON | WS_DISABLED},
            {kStubButton, "&Check", kCheck, 5, 55, 60, 10, BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP},
            {kStubButton, "Hidden", kHiddenButton, 5, 70, 60, 10, BS_PUSHBUTTON | WS_TABSTOP, 0, true},
            {kStubButton, "OK", IDOK, 5, 100, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
            {kStubButton, "Cancel", IDCANCEL, 60, 100, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
            {kStubButton, "A&pply", kApply, 115, 100, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
        }};
    return kTemplate;
}

class DialogNavigation : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        // The dialog procedure ends nothing here: commands are only recorded.
        dialog = CreateDialogIndirectParamA(nullptr, NavigationTemplate().Get(), nullptr, NavigationProc, 0);
        ASSERT_NE(dialog, nullptr);
    }
    static INT_PTR CALLBACK NavigationProc(HWND, UINT message, WPARAM wParam, LPARAM) {
        if (message == WM_INITDIALOG) return TRUE;
        if (message == WM_COMMAND) {
            dialog_test::Record().commands.push_back(wParam);
            return TRUE;
        }
        return FALSE;
    }
    void Press(WORD key, UINT modifiers = 0) {
        win32::headless::PressKey(key, modifiers);
        win32::headless::PumpMessages(dialog);
    }
    int FocusId() { return GetDlgCtrlID(GetFocus()); }
    UINT TypeOf(int id) { return static_cast<UINT>(GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE)) & BS_TYPEMASK; }
    HWND dialog = nullptr;
};

TEST_F(DialogNavigation, TabWalksTheReachableTabStopsInTemplateOrderAndWraps) {
    ASSERT_EQ(FocusId(), kEdit);
    // The disabled and hidden controls and those without WS_TABSTOP are passed over.
    const int forward[] = {kAlpha, kCheck, IDOK, IDCANCEL, kApply, kEdit};
    for (int expected : forward) {
        Press(VK_TAB);
        EXPECT_EQ(FocusId(), expected);
    }
    const int backward[] = {kApply, IDCANCEL, IDOK, kCheck, kAlpha, kEdit};
    for (int expected : backward) {
        Press(VK_TAB, MOD_SHIFT);
        EXPECT_EQ(FocusId(), expected);
    }
}

TEST_F(DialogNavigation, ArrowKeysMoveWithinTheGroupAndClickAutoRadios) {
    SetFocus(GetDlgItem(dialog, kAlpha));
    struct Step {
        WORD key;
        int focus;
    };
    // Gamma is disabled; the group ends before Check, which starts its own.
    const Step steps[] = {{VK_DOWN, kBeta}, {VK_DOWN, kAlpha}, {VK_UP, kBeta}, {VK_RIGHT, kAlpha}};
    for (const Step& step : steps) {
        Press(step.key);
        EXPECT_EQ(FocusId(), step.focus);
        EXPECT_EQ(IsDlgButtonChecked(dialog, step.focus), static_cast<UINT>(BST_CHECKED));
    }
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{kBeta, kAlpha, kBeta, kAlpha}));
}

TEST_F(DialogNavigation, EnterPressesTheDefaultButtonOrTheFocusedPushButton) {
    struct Case {
        const char* name;
        int focus;
        WPARAM command;
    };
    const Case cases[] = {
        {"focus in an edit: the template's default", kEdit, IDOK},
        {"focus on a check box: the default", kCheck, IDOK},
        {"focus on a push button: that button", IDCANCEL, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Commands().clear();
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, c.focus)), TRUE);
        Press(VK_RETURN);
        EXPECT_EQ(Commands(), (std::vector<WPARAM>{c.command}));
    }
    Commands().clear();
    SendMessageA(dialog, DM_SETDEFID, kApply, 0);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kEdit)), TRUE);
    Press(VK_RETURN);
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{kApply}));
}

TEST_F(DialogNavigation, TheDefaultLookFollowsTheFocusedPushButton) {
    Press(VK_TAB, MOD_SHIFT);  // from the edit to Apply
    EXPECT_EQ(TypeOf(kApply), static_cast<UINT>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(TypeOf(IDOK), static_cast<UINT>(BS_PUSHBUTTON));
    Press(VK_TAB);  // back to the edit: OK is the default again
    EXPECT_EQ(TypeOf(IDOK), static_cast<UINT>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(TypeOf(kApply), static_cast<UINT>(BS_PUSHBUTTON));
}

TEST_F(DialogNavigation, EscapeCancelsUnlessCancelIsDisabled) {
    Press(VK_ESCAPE);
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{IDCANCEL}));
    EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
    Press(VK_ESCAPE);
    EXPECT_EQ(Commands().size(), 1u);
}

TEST_F(DialogNavigation, MnemonicsClickButtonsAndFocusTheControlAfterALabel) {
    struct Case {
        const char* name;
        int focusBefore;
        WORD key;
        UINT modifiers;
        int focusAfter;
        std::vector<WPARAM> commands;
    };
    const Case cases[] = {
        {"Alt+label focuses the next control", kCheck, 'N', MOD_ALT, kEdit, {}},
        {"Alt+button clicks it", kEdit, 'B', MOD_ALT, kBeta, {kBeta}},
        {"a plain letter works where the focus takes no characters", kCheck, 'P', 0, kApply, {kApply}},
        {"a plain letter in an edit is typed", kEdit, 'C', 0, kEdit, {}},
        {"a disabled button's mnemonic does nothing", kEdit, 'G', MOD_ALT, kEdit, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Commands().clear();
        SetFocus(GetDlgItem(dialog, c.focusBefore));
        Press(c.key, c.modifiers);
        EXPECT_EQ(Commands(), c.commands);
        EXPECT_EQ(FocusId(), c.focusAfter);
    }
}

TEST_F(DialogNavigation, TabWalksIntoAndOutOfADialogInsideTheDialog) {
    constexpr int kPageFirst = 201;
    constexpr int kPageSecond = 202;
    const win32::DialogTemplate page{{.style = DS_CONTROL | WS_CHILD | WS_VISIBLE, .x = 60, .y = 20, .cx = 100,
                                      .cy = 40, .fontName = "MS Sans Serif"},
                                     {{kStubEdit, "", kPageFirst, 0, 0, 50, 12, WS_TABSTOP},
                                      {kStubEdit, "", kPageSecond, 0, 15, 50, 12, WS_TABSTOP}}};
    HWND inner = CreateDialogIndirectParamA(nullptr, page.Get(), dialog, RecordingDialogProc, 0);
    ASSERT_NE(inner, nullptr);
    SetWindowPos(inner, GetDlgItem(dialog, kEdit), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // right after the edit
    SetFocus(GetDlgItem(dialog, kEdit));
    const int forward[] = {kPageFirst, kPageSecond, kAlpha};
    for (int expected : forward) {
        Press(VK_TAB);
        EXPECT_EQ(FocusId(), expected);
    }
    Press(VK_TAB, MOD_SHIFT);
    Press(VK_TAB, MOD_SHIFT);
    EXPECT_EQ(FocusId(), kPageFirst);
    // Keys that reach the inner dialog are the outer dialog's business.
    Press(VK_ESCAPE);
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{IDCANCEL}));
}

TEST_F(DialogNavigation, RealButtonAndEditNavigateLikeTheStubs) {
    const win32::DialogTemplate tmpl{
        {.style = WS_POPUP | WS_VISIBLE, .cx = 100, .cy = 60, .fontName = "MS Sans Serif"},
        {{"Edit", "", kEdit, 5, 5, 80, 12, ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER},
         {"Button", "&Check", kCheck, 5, 20, 80, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
         {"Button", "OK", IDOK, 5, 40, 40, 14, BS_DEFPUSHBUTTON | WS_TABSTOP}}};
    DestroyWindow(dialog);
    dialog = CreateDialogIndirectParamA(nullptr, tmpl.Get(), nullptr, NavigationProc, 0);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(FocusId(), kEdit);
    win32::headless::TypeText("x");
    win32::headless::PumpMessages(dialog);
    char text[8];
    GetDlgItemTextA(dialog, kEdit, text, sizeof(text));
    EXPECT_STREQ(text, "x");
    Press(VK_TAB);
    EXPECT_EQ(FocusId(), kCheck);
    Press('C', MOD_ALT);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kCheck), static_cast<UINT>(BST_CHECKED));
    Press(VK_RETURN);
    std::vector<WPARAM> clicks;  // the edit's own notifications aside
    for (WPARAM command : Commands())
        if ((command >> 16) == BN_CLICKED) clicks.push_back(command);
    EXPECT_EQ(clicks, (std::vector<WPARAM>{kCheck, IDOK}));
}

}  // namespace
