// Dialogs from templates: dialog units, WM_INITDIALOG and the first focus,
// fonts, the dialog procedure's results, the modal loop, help and the item
// helpers.
#include "dialog_fixture.h"

#include <win32_resources.h>

#include <climits>
#include <cstring>

namespace {

using dialog_test::DialogTest;
using dialog_test::kStubButton;
using dialog_test::kStubEdit;
using dialog_test::kStubLabel;
using dialog_test::RecordingDialogProc;

constexpr DWORD kPopupDialog = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
constexpr int kEditId = 101;
constexpr int kOtherEditId = 102;
constexpr int kLabelId = 100;
constexpr LPARAM kInitParam = 0x5150;

// The dialog-unit model of the 8-point template font.
constexpr int kBaseWidth = 6;
constexpr int kBaseHeight = 13;

const win32::DialogTemplate& SimpleTemplate() {
    static const win32::DialogTemplate kTemplate{
        {.caption = "Simple", .style = kPopupDialog, .x = 10, .y = 10, .cx = 200, .cy = 100,
         .fontName = "MS Sans Serif", .pointSize = 8},
        {
            {kStubLabel, "&Name:", kLabelId, 7, 9, 40, 8, SS_LEFT},
            {kStubEdit, "", kEditId, 50, 7, 129, 12, WS_TABSTOP | WS_BORDER},
            {kStubEdit, "", kOtherEditId, 50, 25, 129, 12, WS_TABSTOP | WS_BORDER},
            {kStubButton, "OK", IDOK, 75, 80, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {kStubButton, "Cancel", IDCANCEL, 130, 80, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
        }};
    return kTemplate;
}

HWND CreateSimple(HWND owner = nullptr) {
    return CreateDialogIndirectParamA(nullptr, SimpleTemplate().Get(), owner, RecordingDialogProc, kInitParam);
}

RECT RectInDialog(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class DialogTemplates : public DialogTest {};

TEST_F(DialogTemplates, ControlsArePlacedInDialogUnitsOfTheTemplateFont) {
    struct Case {
        const char* name;
        short x, y, cx, cy;
    };
    const Case cases[] = {
        {"halves round away from zero", 1, 4, 3, 12},
        {"even values", 4, 8, 40, 16},
        {"origin", 0, 0, 1, 1},
        {"large", 250, 180, 333, 77},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const win32::DialogTemplate tmpl{{.style = kPopupDialog, .cx = 300, .cy = 200, .fontName = "MS Sans Serif"},
                                         {{kStubButton, "b", 1, c.x, c.y, c.cx, c.cy, BS_PUSHBUTTON}}};
        HWND dialog = CreateDialogIndirectParamA(nullptr, tmpl.Get(), nullptr, RecordingDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        const RECT rect = RectInDialog(dialog, GetDlgItem(dialog, 1));
        EXPECT_EQ(rect.left, MulDiv(c.x, kBaseWidth, 4));
        EXPECT_EQ(rect.top, MulDiv(c.y, kBaseHeight, 8));
        EXPECT_EQ(rect.right - rect.left, MulDiv(c.cx, kBaseWidth, 4));
        EXPECT_EQ(rect.bottom - rect.top, MulDiv(c.cy, kBaseHeight, 8));
        RECT mapped{c.x, c.y, c.x + c.cx, c.y + c.cy};
        ASSERT_TRUE(MapDialogRect(dialog, &mapped));
        EXPECT_EQ(mapped.left, rect.left);
        EXPECT_EQ(mapped.top, rect.top);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, MulDiv(300, kBaseWidth, 4));
        EXPECT_EQ(client.bottom, MulDiv(200, kBaseHeight, 8));
        DestroyWindow(dialog);
    }
}

TEST_F(DialogTemplates, WithoutAFontTheSystemBaseUnitsApply) {
    const win32::DialogTemplate tmpl{{.style = kPopupDialog, .cx = 40, .cy = 16},
                                     {{kStubButton, "b", 1, 4, 8, 4, 8, BS_PUSHBUTTON}}};
    HWND dialog = CreateDialogIndirectParamA(nullptr, tmpl.Get(), nullptr, RecordingDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    const LONG units = GetDialogBaseUnits();
    const RECT rect = RectInDialog(dialog, GetDlgItem(dialog, 1));
    EXPECT_EQ(rect.left, units & 0xFFFF);
    EXPECT_EQ(rect.top, (units >> 16) & 0xFFFF);
    EXPECT_EQ(SendMessageA(dialog, WM_GETFONT, 0, 0), 0);
}

TEST_F(DialogTemplates, EveryControlGetsTheTemplateFont) {
    HWND dialog = CreateSimple();
    ASSERT_NE(dialog, nullptr);
    auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTA described{};
    ASSERT_EQ(GetObjectA(font, sizeof(described), &described), static_cast<int>(sizeof(described)));
    EXPECT_STREQ(described.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(described.lfHeight, -11);  // 8 points at 96 dots per inch
    for (int id : {kLabelId, kEditId, kOtherEditId, IDOK, IDCANCEL}) {
        const auto fonts = Log().Of(GetDlgItem(dialog, id), WM_SETFONT);
        ASSERT_EQ(fonts.size(), 1u) << "control " << id;
        EXPECT_EQ(fonts[0].wParam, reinterpret_cast<WPARAM>(font));
    }
}

TEST_F(DialogTemplates, ExtendedTemplatesWithNamedClassesAndLongIds) {
    constexpr WORD kId = 0x7ABC;
    const win32::DialogTemplate tmpl{
        {.caption = "Extended", .style = kPopupDialog, .cx = 100, .cy = 50, .fontName = "Tahoma", .pointSize = 9,
         .extended = true, .weight = FW_BOLD},
        {{window_test::kRecorderClass, "named", kId, 1, 2, 30, 10, WS_TABSTOP, WS_EX_CLIENTEDGE}}};
    HWND dialog = CreateDialogIndirectParamA(nullptr, tmpl.Get(), nullptr, RecordingDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    HWND control = GetDlgItem(dialog, kId);
    ASSERT_NE(control, nullptr);
    char text[16];
    GetWindowTextA(dialog, text, sizeof(text));
    EXPECT_STREQ(text, "Extended");
    GetClassNameA(control, text, sizeof(text));
    EXPECT_STREQ(text, window_test::kRecorderClass);
    EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY);
    LOGFONTA described{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof(described), &described);
    EXPECT_EQ(described.lfWeight, FW_BOLD);
    EXPECT_STREQ(described.lfFaceName, "Tahoma");
}

TEST_F(DialogTemplates, DialogInsideADialogLosesItsCaptionAndIsWalkedInto) {
    HWND outer = CreateSimple();
    const win32::DialogTemplate page{{.style = DS_CONTROL | WS_CHILD | WS_CAPTION, .cx = 50, .cy = 20}, {}};
    HWND inner = CreateDialogIndirectParamA(nullptr, page.Get(), outer, RecordingDialogProc, 0);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(GetParent(inner), outer);
    EXPECT_FALSE(GetWindowLongA(inner, GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(GetWindowLongA(inner, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

TEST_F(DialogTemplates, ModelessDialogShowsOnlyWithWsVisible) {
    HWND hidden = CreateSimple();
    EXPECT_FALSE(IsWindowVisible(hidden));
    const win32::DialogTemplate shown{{.style = kPopupDialog | WS_VISIBLE, .cx = 50, .cy = 20}, {}};
    HWND visible = CreateDialogIndirectParamA(nullptr, shown.Get(), nullptr, RecordingDialogProc, 0);
    EXPECT_TRUE(IsWindowVisible(visible));
    EXPECT_EQ(GetActiveWindow(), visible);
}

class DialogProcedure : public DialogTest {};

TEST_F(DialogProcedure, InitDialogOffersTheFirstTabStopWhichGetsTheFocusOnTrue) {
    struct Case {
        const char* name;
        INT_PTR answer;
        bool focusesFirstTabStop;
    };
    const Case cases[] = {{"TRUE", TRUE, true}, {"FALSE", FALSE, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog_test::Record().initResult = c.answer;
        HWND dialog = CreateSimple();
        ASSERT_NE(dialog, nullptr);
        HWND first = GetDlgItem(dialog, kEditId);
        EXPECT_EQ(dialog_test::Record().initFocus, first);
        EXPECT_EQ(dialog_test::Record().initParam, kInitParam);
        EXPECT_EQ(GetFocus() == first, c.focusesFirstTabStop);
        DestroyWindow(dialog);
    }
}

INT_PTR CALLBACK AnsweringDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    constexpr LONG_PTR kAnswer = 1234;
    if (message == WM_USER + 5) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, kAnswer);
        return TRUE;
    }
    if (message == WM_CTLCOLORDLG) return static_cast<INT_PTR>(kAnswer);
    return FALSE;
}

TEST_F(DialogProcedure, HandledMessagesAnswerWithDwlpMsgResultExceptTheDirectOnes) {
    const win32::DialogTemplate tmpl{
        {.style = kPopupDialog, .cx = 50, .cy = 20},
        {{kStubButton, "OK", IDOK, 1, 1, 20, 10, BS_DEFPUSHBUTTON}}};
    HWND dialog = CreateDialogIndirectParamA(nullptr, tmpl.Get(), nullptr, AnsweringDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageA(dialog, WM_USER + 5, 0, 0), 1234);
    EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORDLG, 0, 0), 1234);
    // Unhandled: the dialog manager answers, here with the template's default button.
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), window_test::PackWords(IDOK, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongPtrA(dialog, DWLP_DLGPROC), reinterpret_cast<LONG_PTR>(AnsweringDialogProc));
}

TEST_F(DialogProcedure, CloseBecomesCancel) {
    HWND dialog = CreateSimple();
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    win32::headless::PumpMessages(dialog);
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{IDCANCEL}));
}

TEST_F(DialogProcedure, F1AsksForHelpOnTheFocusedControlAndReachesTheDialog) {
    HWND dialog = CreateSimple();
    ShowWindow(dialog, SW_SHOW);
    HWND edit = GetDlgItem(dialog, kOtherEditId);
    SetWindowContextHelpId(edit, 42);
    SetFocus(edit);
    win32::headless::PressKey(VK_F1, MOD_CONTROL);
    win32::headless::PumpMessages(dialog);
    const auto& help = dialog_test::Record().help;
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].cbSize, sizeof(HELPINFO));
    EXPECT_EQ(help[0].iContextType, HELPINFO_WINDOW);
    EXPECT_EQ(help[0].iCtrlId, kOtherEditId);
    EXPECT_EQ(help[0].hItemHandle, edit);
    EXPECT_EQ(help[0].dwContextId, 42u);
    EXPECT_TRUE(GetKeyState(VK_CONTROL) >= 0);  // released again after the key
}

class ModalDialog : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        owner = window_test::CreateRecorder("owner", WS_POPUP | WS_VISIBLE, nullptr, 0, RECT{0, 0, 400, 300});
    }
    INT_PTR Run() {
        return DialogBoxIndirectParamA(nullptr, SimpleTemplate().Get(), owner, RecordingDialogProc, kInitParam);
    }
    HWND owner = nullptr;
};

TEST_F(ModalDialog, EndsWhenTheUserClicksOkAndGivesTheOwnerBack) {
    bool ownerWasDisabled = false;
    Driver().Then([&] {
        HWND dialog = GetActiveWindow();
        ownerWasDisabled = !IsWindowEnabled(owner);
        win32::headless::Click(GetDlgItem(dialog, IDOK));
    });
    EXPECT_EQ(Run(), IDOK);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), owner);  // the dialog is gone
}

TEST_F(ModalDialog, InputSentBeforeTheDialogStartsReachesIt) {
    win32::headless::TypeText("ab");
    win32::headless::PressKey(VK_ESCAPE);
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{IDCANCEL}));
}

TEST_F(ModalDialog, RunningOutOfInputEndsTheLoopWithTheQuitMessage) {
    EXPECT_EQ(Run(), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));  // passed on to the outer loop
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(ModalDialog, MessageBoxesAreAnsweredByTheDriver) {
    Driver().AnswerNextMessageBox(IDNO);
    EXPECT_EQ(MessageBoxA(owner, "Save?", "Title", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(owner, "Sure?", nullptr, MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    ASSERT_EQ(Driver().MessageBoxes().size(), 2u);
    EXPECT_EQ(Driver().MessageBoxes()[0].text, "Save?");
    EXPECT_EQ(Driver().MessageBoxes()[1].caption, "Error");
    MessageBeep(0xFFFFFFFF);
    EXPECT_EQ(Driver().Beeps(), (std::vector<UINT>{0xFFFFFFFF}));
}

TEST_F(ModalDialog, TemplatesAreFoundAmongTheProgramsResourcesByNumber) {
    constexpr WORD kTemplateId = 10117;
    const WIN32_RESOURCE resources[] = {{RT_DIALOG, MAKEINTRESOURCEA(kTemplateId), SimpleTemplate().Get(),
                                         static_cast<DWORD>(SimpleTemplate().Size())}};
    const WIN32_MODULE_RESOURCE_TABLE table = {resources, 1, nullptr, 0};
    Win32RegisterModuleResources(&SimpleTemplate(), &table);  // an address inside the program
    HINSTANCE program = GetModuleHandleA(nullptr);

    HWND modeless = CreateDialogParamA(program, MAKEINTRESOURCEA(kTemplateId), owner, RecordingDialogProc, 0);
    EXPECT_NE(modeless, nullptr);
    DestroyWindow(modeless);
    win32::headless::PressKey(VK_RETURN);
    EXPECT_EQ(DialogBoxParamA(program, MAKEINTRESOURCEA(kTemplateId), owner, RecordingDialogProc, 0), IDOK);
    EXPECT_EQ(DialogBoxParamA(program, MAKEINTRESOURCEA(kTemplateId + 1), owner, RecordingDialogProc, 0), -1);
    EXPECT_EQ(CreateDialogParamA(program, "missing", owner, RecordingDialogProc, 0), nullptr);
    Win32UnregisterModuleResources(&SimpleTemplate(), &table);
}

class DialogItems : public DialogTest {};

TEST_F(DialogItems, GetDlgItemIntReadsDecimalText) {
    HWND dialog = CreateSimple();
    struct Case {
        const char* text;
        BOOL isSigned;
        UINT value;
        BOOL translated;
    };
    const Case cases[] = {
        {"42", TRUE, 42, TRUE},
        {"  -17", TRUE, static_cast<UINT>(-17), TRUE},
        {"-17", FALSE, 0, FALSE},
        {"12abc", TRUE, 12, TRUE},
        {"", TRUE, 0, FALSE},
        {"abc", TRUE, 0, FALSE},
        {"2147483647", TRUE, static_cast<UINT>(INT_MAX), TRUE},
        {"2147483648", TRUE, 0, FALSE},
        {"-2147483648", TRUE, static_cast<UINT>(INT_MIN), TRUE},
        {"4294967295", FALSE, UINT_MAX, TRUE},
        {"4294967296", FALSE, 0, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SetDlgItemTextA(dialog, kEditId, c.text);
        BOOL translated = !c.translated;
        EXPECT_EQ(GetDlgItemInt(dialog, kEditId, &translated, c.isSigned), c.value);
        EXPECT_EQ(translated, c.translated);
    }
    BOOL translated = TRUE;
    EXPECT_EQ(GetDlgItemInt(dialog, 9999, &translated, TRUE), 0u);
    EXPECT_FALSE(translated);
}

TEST_F(DialogItems, SetDlgItemIntWritesSignedOrUnsigned) {
    HWND dialog = CreateSimple();
    char text[16];
    SetDlgItemInt(dialog, kEditId, static_cast<UINT>(-5), TRUE);
    GetDlgItemTextA(dialog, kEditId, text, sizeof(text));
    EXPECT_STREQ(text, "-5");
    SetDlgItemInt(dialog, kEditId, static_cast<UINT>(-1), FALSE);
    GetDlgItemTextA(dialog, kEditId, text, sizeof(text));
    EXPECT_STREQ(text, "4294967295");
}

TEST_F(DialogItems, CheckRadioButtonChecksOneAndClearsTheRange) {
    const win32::DialogTemplate tmpl{{.style = kPopupDialog, .cx = 50, .cy = 50},
                                     {{kStubButton, "a", 10, 0, 0, 10, 10, BS_RADIOBUTTON},
                                      {kStubButton, "b", 11, 0, 10, 10, 10, BS_RADIOBUTTON},
                                      {kStubButton, "c", 12, 0, 20, 10, 10, BS_RADIOBUTTON}}};
    HWND dialog = CreateDialogIndirectParamA(nullptr, tmpl.Get(), nullptr, RecordingDialogProc, 0);
    CheckDlgButton(dialog, 10, BST_CHECKED);
    ASSERT_TRUE(CheckRadioButton(dialog, 10, 12, 12));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 10), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 12), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(SendDlgItemMessageA(dialog, 11, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

}  // namespace
