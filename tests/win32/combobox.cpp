// The "ComboBox" class: items, search, the window text rules, selection by
// code and by the user, and the drop-down list.
#include "controls_fixture.h"

#include <string>

namespace {

using controls_test::Command;
using controls_test::ControlsTest;

constexpr int kComboId = 600;

class ComboBoxTest : public ControlsTest {
protected:
    HWND CreateCombo(DWORD kind, std::initializer_list<const char *> items = {})
    {
        HWND combo = Create("combobox", "", kind | WS_VSCROLL | WS_TABSTOP, kComboId, RECT{10, 10, 160, 150});
        for (const char *item : items)
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        Take();
        return combo;
    }

    static LRESULT CurSel(HWND combo) { return SendMessageA(combo, CB_GETCURSEL, 0, 0); }
    static bool Dropped(HWND combo) { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

    static HWND ChildOfClass(HWND parent, const char *className)
    {
        for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            char name[32] = {};
            GetClassNameA(child, name, sizeof name);
            if (std::string(name) == className)
                return child;
        }
        return nullptr;
    }
};

struct KindCase {
    const char *name;
    DWORD kind;
};

const KindCase kKinds[] = {
    {"drop-down list", CBS_DROPDOWNLIST},
    {"drop-down", CBS_DROPDOWN},
};

TEST_F(ComboBoxTest, AddAndInsertAnswerIndexes)
{
    HWND combo = CreateCombo(CBS_DROPDOWNLIST);
    const auto add = [combo](UINT message, int index, const char *text) {
        return SendMessageA(combo, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    };
    EXPECT_EQ(add(CB_ADDSTRING, 0, "zero"), 0);
    EXPECT_EQ(add(CB_ADDSTRING, 0, "one"), 1);
    EXPECT_EQ(add(CB_INSERTSTRING, -1, "two"), 2);
    EXPECT_EQ(add(CB_INSERTSTRING, 3, "three"), 3) << "an index equal to the count appends";
    EXPECT_EQ(add(CB_INSERTSTRING, 5, "five"), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 4);

    char text[16] = {};
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text)), 3);
    EXPECT_STREQ(text, "two");
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXTLEN, 3, 0), 5);
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXTLEN, 4, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_SETITEMDATA, 1, 77), CB_OKAY);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, 1, 0), 77);
}

struct FindCase {
    const char *name;
    UINT message;
    int start;
    const char *text;
    LRESULT expected;
};

TEST_F(ComboBoxTest, FindIsACaseInsensitivePrefixSearchThatWraps)
{
    HWND combo = CreateCombo(CBS_DROPDOWNLIST, {"Red", "green", "Blue", "greenish"});
    const FindCase cases[] = {
        {"from the beginning", CB_FINDSTRING, -1, "GREEN", 1},
        {"after the start", CB_FINDSTRING, 1, "green", 3},
        {"wrapping round", CB_FINDSTRING, 3, "gr", 1},
        {"start past the end", CB_FINDSTRING, 9, "b", 2},
        {"empty text", CB_FINDSTRING, -1, "", CB_ERR},
        {"no match", CB_FINDSTRING, -1, "yellow", CB_ERR},
        {"exact match ignores case", CB_FINDSTRINGEXACT, -1, "BLUE", 2},
        {"exact match is not a prefix match", CB_FINDSTRINGEXACT, -1, "gree", CB_ERR},
    };
    for (const FindCase &c : cases)
        EXPECT_EQ(SendMessageA(combo, c.message, static_cast<WPARAM>(c.start), reinterpret_cast<LPARAM>(c.text)),
                  c.expected)
            << c.name;

    HWND empty = CreateCombo(CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageA(empty, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("a")), CB_ERR);
}

TEST_F(ComboBoxTest, SetCurSelShowsTheItemWithoutNotifying)
{
    for (const KindCase &k : kKinds) {
        HWND combo = CreateCombo(k.kind, {"alpha", "beta", "gamma"});
        EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 1, 0), 1) << k.name;
        EXPECT_EQ(Text(combo), "beta") << k.name;

        EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 5, 0), CB_ERR) << k.name;
        EXPECT_EQ(CurSel(combo), 1) << k.name << ": out of range keeps the selection";
        EXPECT_EQ(Text(combo), "beta") << k.name;

        EXPECT_EQ(SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("GAM")), 2)
            << k.name;
        EXPECT_EQ(Text(combo), "gamma") << k.name;
        EXPECT_EQ(SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("x")),
                  CB_ERR)
            << k.name;
        EXPECT_EQ(CurSel(combo), 2) << k.name << ": a failed search keeps the selection";

        EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR) << k.name;
        EXPECT_EQ(CurSel(combo), CB_ERR) << k.name;
        EXPECT_EQ(Text(combo), "") << k.name;

        for (const controls_test::Notification &n : Take())
            EXPECT_NE(n.code, CBN_SELCHANGE) << k.name << ": code never fires CBN_SELCHANGE";
        DestroyWindow(combo);
    }
}

TEST_F(ComboBoxTest, SetTextFailsOnADropDownListAndFillsTheEditOfADropDown)
{
    HWND list = CreateCombo(CBS_DROPDOWNLIST, {"one", "two"});
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessageA(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("two")), CB_ERR);
    EXPECT_EQ(Text(list), "one");
    EXPECT_EQ(CurSel(list), 0);

    HWND dropDown = CreateCombo(CBS_DROPDOWN, {"one", "two"});
    SendMessageA(dropDown, CB_SETCURSEL, 0, 0);
    EXPECT_TRUE(SetWindowTextA(dropDown, "typed"));
    EXPECT_EQ(Text(dropDown), "typed");
    EXPECT_EQ(Text(ChildOfClass(dropDown, "Edit")), "typed");
    EXPECT_EQ(CurSel(dropDown), 0) << "the selection stays";
}

TEST_F(ComboBoxTest, DeletingTheSelectedItemClearsTheSelection)
{
    HWND combo = CreateCombo(CBS_DROPDOWNLIST, {"a", "b", "c"});
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(SendMessageA(combo, CB_DELETESTRING, 0, 0), 2);
    EXPECT_EQ(CurSel(combo), 0) << "deleting before the selection moves it";
    EXPECT_EQ(Text(combo), "b");
    EXPECT_EQ(SendMessageA(combo, CB_DELETESTRING, 0, 0), 1);
    EXPECT_EQ(CurSel(combo), CB_ERR);
    EXPECT_EQ(Text(combo), "");

    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(CurSel(combo), CB_ERR);
    EXPECT_EQ(Text(combo), "");
}

struct ArrowCase {
    const char *name;
    DWORD kind;
    int startSelection;
    WORD key;
    LRESULT expectedSelection;
    const char *expectedText;
    bool notifies;
};

TEST_F(ComboBoxTest, ArrowKeysSelectAsTheUserAndNotify)
{
    const ArrowCase cases[] = {
        {"down", CBS_DROPDOWNLIST, 0, VK_DOWN, 1, "two", true},
        {"up", CBS_DROPDOWNLIST, 2, VK_UP, 1, "two", true},
        {"down at the end", CBS_DROPDOWNLIST, 2, VK_DOWN, 2, "three", false},
        {"down with no selection", CBS_DROPDOWNLIST, -1, VK_DOWN, 0, "one", true},
        {"down in a drop-down's edit", CBS_DROPDOWN, 0, VK_DOWN, 1, "two", true},
    };
    for (const ArrowCase &c : cases) {
        HWND combo = CreateCombo(c.kind, {"one", "two", "three"});
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(c.startSelection), 0);
        SetFocus(combo);
        Take();
        Key(c.key);
        EXPECT_EQ(CurSel(combo), c.expectedSelection) << c.name;
        EXPECT_EQ(Text(combo), c.expectedText) << c.name;
        int selChanges = 0;
        for (const controls_test::Notification &n : Take())
            if (n.message == WM_COMMAND && n.code == CBN_SELCHANGE) {
                EXPECT_EQ(n.id, kComboId) << c.name;
                EXPECT_EQ(n.from, combo) << c.name;
                ++selChanges;
            }
        EXPECT_EQ(selChanges, c.notifies ? 1 : 0) << c.name;
        DestroyWindow(combo);
    }
}

TEST_F(ComboBoxTest, ClickDropsTheListAndAClickOnAnItemSelectsIt)
{
    HWND combo = CreateCombo(CBS_DROPDOWNLIST, {"one", "two", "three"});
    RECT closed{};
    GetWindowRect(combo, &closed);
    EXPECT_LT(closed.bottom - closed.top, 140) << "a closed combo box is as tall as its field";

    Click(combo);
    EXPECT_TRUE(Dropped(combo));
    EXPECT_EQ(TakeCommandCodes(), (std::vector<int>{CBN_SETFOCUS, CBN_DROPDOWN}));

    HWND list = ChildOfClass(combo, "ComboLBox");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(IsWindowVisible(list));
    const auto itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    ClickAt(list, 10, itemHeight + itemHeight / 2);

    EXPECT_FALSE(Dropped(combo));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(CurSel(combo), 1);
    EXPECT_EQ(Text(combo), "two");
    EXPECT_EQ(TakeCommandCodes(), (std::vector<int>{CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    RECT after{};
    GetWindowRect(combo, &after);
    EXPECT_EQ(after.bottom - after.top, closed.bottom - closed.top);
}

TEST_F(ComboBoxTest, F4OpensAndEscapeCloses)
{
    HWND combo = CreateCombo(CBS_DROPDOWNLIST, {"one", "two"});
    SetFocus(combo);
    Take();
    Key(VK_F4);
    EXPECT_TRUE(Dropped(combo));
    EXPECT_NE(SendMessageA(combo, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0)
        << "an open list keeps Enter and Escape from the dialog";
    Key(VK_ESCAPE);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(TakeCommandCodes(), (std::vector<int>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, TypingInADropDownReportsEditChanges)
{
    HWND combo = CreateCombo(CBS_DROPDOWN, {"one"});
    SetFocus(combo);
    EXPECT_EQ(GetFocus(), ChildOfClass(combo, "Edit")) << "the edit takes a drop-down's focus";
    Take();
    win32::headless::TypeText("ab");
    Pump();
    EXPECT_EQ(Text(combo), "ab");
    EXPECT_EQ(TakeCommandCodes(), (std::vector<int>{CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_EDITUPDATE, CBN_EDITCHANGE}));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    EXPECT_TRUE(TakeCommandCodes().empty()) << "the list filling the edit is not an edit change";
}

}  // namespace
