// What all built-in controls share: registration, class names, the parts of
// a combo box, the common-controls entry points.
#include "controls_fixture.h"

#include <win32_dialog_template.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

using controls_test::ControlsTest;

class BuiltinControlsTest : public ControlsTest {
protected:
    static std::string ClassName(HWND hwnd)
    {
        char name[64] = {};
        GetClassNameA(hwnd, name, sizeof name);
        return name;
    }
};

struct ClassNameCase {
    const char *createdAs;
    DWORD style;
    const char *registered;
};

TEST_F(BuiltinControlsTest, ClassNamesComeBackInTheirRegisteredSpelling)
{
    const ClassNameCase cases[] = {
        {"BUTTON", BS_PUSHBUTTON, "Button"},          {"edit", 0, "Edit"},
        {"STATIC", SS_LEFT, "Static"},                {"combobox", CBS_DROPDOWNLIST, "ComboBox"},
        {"LISTBOX", 0, "ListBox"},                    {"MSCTLS_UPDOWN32", 0, "msctls_updown32"},
    };
    for (const ClassNameCase &c : cases) {
        HWND hwnd = Create(c.createdAs, "", c.style, 1);
        EXPECT_EQ(ClassName(hwnd), c.registered) << c.createdAs;
        DestroyWindow(hwnd);
    }
}

struct ComboPartsCase {
    const char *name;
    DWORD kind;
    std::vector<std::string> childClasses;
};

TEST_F(BuiltinControlsTest, ComboBoxHasAListChildAndAnEditWhenItCanBeTypedIn)
{
    const ComboPartsCase cases[] = {
        {"drop-down list", CBS_DROPDOWNLIST, {"ComboLBox"}},
        {"drop-down", CBS_DROPDOWN, {"ComboLBox", "Edit"}},
        {"simple", CBS_SIMPLE, {"ComboLBox", "Edit"}},
    };
    for (const ComboPartsCase &c : cases) {
        HWND combo = Create("ComboBox", "", c.kind, 1, RECT{10, 10, 110, 110});
        std::vector<std::string> classes;
        for (HWND child = GetWindow(combo, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
            classes.push_back(ClassName(child));
        std::sort(classes.begin(), classes.end());
        EXPECT_EQ(classes, c.childClasses) << c.name;
        DestroyWindow(combo);
    }
}

TEST_F(BuiltinControlsTest, CommonControlsInitialisationIsAccepted)
{
    InitCommonControls();
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    EXPECT_TRUE(InitCommonControlsEx(&init));
    init.dwSize = 0;
    EXPECT_FALSE(InitCommonControlsEx(&init)) << "a wrong structure size is refused";
}

TEST_F(BuiltinControlsTest, CreateUpDownControlSetsBuddyRangeAndPosition)
{
    HWND edit = Create("Edit", "", 0, 7);
    HWND updown = CreateUpDownControl(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT, 0, 0, 12, 20, m_parent, 8, nullptr,
                                      edit, 50, 10, 20);
    ASSERT_NE(updown, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(updown, UDM_GETBUDDY, 0, 0)), edit);
    EXPECT_EQ(SendMessageA(updown, UDM_GETRANGE, 0, 0), (10 << 16) | 50);
    EXPECT_EQ(SendMessageA(updown, UDM_GETPOS32, 0, 0), 20);
    EXPECT_EQ(Text(edit), "20");
}

// A page counting in an edit with an up-down control that has neither buddy
// nor range: the control's reversed default range makes its up arrow report
// a negative delta, which the page turns into +1.
constexpr WORD kCountEditId = 1029;
constexpr WORD kSpinId = 1030;

INT_PTR CALLBACK CountingPageProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_NOTIFY)
        return FALSE;
    const auto *step = reinterpret_cast<const NMUPDOWN *>(lParam);
    if (step->hdr.idFrom != kSpinId || step->hdr.code != UDN_DELTAPOS)
        return FALSE;
    char text[16] = {};
    GetDlgItemTextA(dialog, kCountEditId, text, sizeof text);
    unsigned count = static_cast<unsigned>(std::atoi(text));
    if (step->iDelta < 0)
        ++count;
    else if (count != 0)
        --count;
    SetDlgItemInt(dialog, kCountEditId, count, FALSE);
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
    return TRUE;
}

TEST_F(BuiltinControlsTest, SpinInADialogCountsUpWithTheUpArrowOfTheDefaultRange)
{
    const win32::DialogTemplate page{
        {.caption = "Counting", .style = WS_POPUP | WS_CAPTION | WS_VISIBLE, .cx = 200, .cy = 100,
         .fontName = "MS Sans Serif", .pointSize = 8},
        {
            {"Edit", "0", kCountEditId, 119, 75, 26, 12, WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL},
            {UPDOWN_CLASSA, "", kSpinId, 145, 74, 11, 14, UDS_ARROWKEYS},
        }};
    HWND dialog = CreateDialogIndirectParamA(nullptr, page.Get(), m_parent, &CountingPageProc, 0);
    ASSERT_NE(dialog, nullptr);
    HWND spin = GetDlgItem(dialog, kSpinId);
    HWND edit = GetDlgItem(dialog, kCountEditId);
    RECT spinRect{};
    GetClientRect(spin, &spinRect);
    const int upperHalf = spinRect.bottom / 4;
    const int lowerHalf = spinRect.bottom * 3 / 4;

    for (int i = 0; i < 3; ++i)
        ClickAt(spin, spinRect.right / 2, upperHalf);
    EXPECT_EQ(Text(edit), "3");
    ClickAt(spin, spinRect.right / 2, lowerHalf);
    EXPECT_EQ(Text(edit), "2");
    for (int i = 0; i < 3; ++i)
        ClickAt(spin, spinRect.right / 2, lowerHalf);
    EXPECT_EQ(Text(edit), "0") << "spinning never goes below 0";
    DestroyWindow(dialog);
}

}  // namespace
