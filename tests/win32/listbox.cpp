// The "ListBox" class: items, search, selection by code and by the user.
#include "controls_fixture.h"

#include <string>

namespace {

using controls_test::Command;
using controls_test::ControlsTest;

constexpr int kListId = 500;

class ListBoxTest : public ControlsTest {
protected:
    HWND CreateList(DWORD style, std::initializer_list<const char *> items = {}, RECT rect = {10, 10, 160, 160})
    {
        HWND list = Create("listbox", "", WS_BORDER | style, kListId, rect);
        for (const char *item : items)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        Take();
        return list;
    }

    static std::string ItemText(HWND list, int index)
    {
        const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length < 0)
            return "<LB_ERR>";
        std::string text(static_cast<size_t>(length) + 1, '\0');
        EXPECT_EQ(SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())),
                  length);
        text.resize(static_cast<size_t>(length));
        return text;
    }

    static std::vector<std::string> Items(HWND list)
    {
        std::vector<std::string> items;
        const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
            items.push_back(ItemText(list, i));
        return items;
    }

    static LRESULT CurSel(HWND list) { return SendMessageA(list, LB_GETCURSEL, 0, 0); }
};

struct EditStep {
    const char *name;
    UINT message;
    int index;
    const char *text;
    LRESULT expected;
};

TEST_F(ListBoxTest, AddInsertAndDeleteAnswerIndexesAndCounts)
{
    HWND list = CreateList(0);
    const EditStep steps[] = {
        {"first add", LB_ADDSTRING, 0, "a", 0},
        {"second add", LB_ADDSTRING, 0, "b", 1},
        {"insert at -1 appends", LB_INSERTSTRING, -1, "c", 2},
        {"insert at the count appends", LB_INSERTSTRING, 3, "d", 3},
        {"insert past the count fails", LB_INSERTSTRING, 5, "e", LB_ERR},
        {"insert at the front", LB_INSERTSTRING, 0, "z", 0},
        {"delete out of range fails", LB_DELETESTRING, 9, nullptr, LB_ERR},
        {"delete answers the remaining count", LB_DELETESTRING, 2, nullptr, 4},
    };
    for (const EditStep &step : steps)
        EXPECT_EQ(SendMessageA(list, step.message, static_cast<WPARAM>(step.index),
                               reinterpret_cast<LPARAM>(step.text)),
                  step.expected)
            << step.name;
    EXPECT_EQ(Items(list), (std::vector<std::string>{"z", "a", "c", "d"}));
    EXPECT_EQ(ItemText(list, 4), "<LB_ERR>");
}

TEST_F(ListBoxTest, SortedListOrdersCaseInsensitively)
{
    HWND list = CreateList(LBS_SORT, {"pear", "Apple", "banana", "apple"});
    EXPECT_EQ(Items(list), (std::vector<std::string>{"Apple", "apple", "banana", "pear"}));
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("zebra")), 0)
        << "LB_INSERTSTRING does not sort";
}

struct FindCase {
    const char *name;
    UINT message;
    int start;
    const char *text;
    LRESULT expected;
};

TEST_F(ListBoxTest, FindSearchesAfterTheStartAndWrapsRound)
{
    HWND list = CreateList(0, {"apple", "Banana", "apricot", "cherry"});
    const FindCase cases[] = {
        {"prefix from the beginning", LB_FINDSTRING, -1, "AP", 0},
        {"begins after the start", LB_FINDSTRING, 0, "ap", 2},
        {"wraps round", LB_FINDSTRING, 2, "ap", 0},
        {"start past the end searches from 0", LB_FINDSTRING, 10, "b", 1},
        {"the start item itself comes last", LB_FINDSTRING, 1, "ban", 1},
        {"empty text finds nothing", LB_FINDSTRING, -1, "", LB_ERR},
        {"no match", LB_FINDSTRING, -1, "x", LB_ERR},
        {"exact ignores case", LB_FINDSTRINGEXACT, -1, "BANANA", 1},
        {"exact needs the whole string", LB_FINDSTRINGEXACT, -1, "ban", LB_ERR},
    };
    for (const FindCase &c : cases)
        EXPECT_EQ(SendMessageA(list, c.message, static_cast<WPARAM>(c.start), reinterpret_cast<LPARAM>(c.text)),
                  c.expected)
            << c.name;

    HWND empty = CreateList(0);
    EXPECT_EQ(SendMessageA(empty, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("a")), LB_ERR);
}

TEST_F(ListBoxTest, SelectionFromCodeFollowsItemsAndNeverNotifies)
{
    HWND list = CreateList(LBS_NOTIFY, {"a", "b", "c", "d"});
    EXPECT_EQ(CurSel(list), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 7, 0), LB_ERR);
    EXPECT_EQ(CurSel(list), 2) << "an index out of range keeps the selection";

    SendMessageA(list, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(CurSel(list), 1) << "deleting before the selection moves it up";
    SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("new"));
    EXPECT_EQ(CurSel(list), 2) << "inserting before the selection moves it down";
    SendMessageA(list, LB_DELETESTRING, 2, 0);
    EXPECT_EQ(CurSel(list), LB_ERR) << "deleting the selected item clears the selection";

    EXPECT_EQ(SendMessageA(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("D")), 2);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(CurSel(list), LB_ERR) << "-1 clears the selection";
    EXPECT_TRUE(Take().empty());
}

TEST_F(ListBoxTest, ItemDataBelongsToItsItem)
{
    HWND list = CreateList(0, {"a", "b"});
    EXPECT_EQ(SendMessageA(list, LB_SETITEMDATA, 1, 0x1234), LB_OKAY);
    EXPECT_EQ(SendMessageA(list, LB_SETITEMDATA, 2, 1), LB_ERR);
    SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("front"));
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 2, 0), 0x1234);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 0, 0), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 3, 0), LB_ERR);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
}

struct UserKeyCase {
    const char *name;
    int startSelection;
    WORD key;
    LRESULT expectedSelection;
    bool notifies;
};

TEST_F(ListBoxTest, ArrowKeysSelectAndNotifyWhenTheSelectionMoves)
{
    const UserKeyCase cases[] = {
        {"down", 0, VK_DOWN, 1, true},
        {"up", 2, VK_UP, 1, true},
        {"down at the last item", 3, VK_DOWN, 3, false},
        {"up at the first item", 0, VK_UP, 0, false},
        {"down with nothing selected takes the first", -1, VK_DOWN, 0, true},
        {"end", 0, VK_END, 3, true},
        {"home", 3, VK_HOME, 0, true},
    };
    for (const UserKeyCase &c : cases) {
        HWND list = CreateList(LBS_NOTIFY, {"a", "b", "c", "d"});
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(c.startSelection), 0);
        SetFocus(list);
        Take();
        Key(c.key);
        EXPECT_EQ(CurSel(list), c.expectedSelection) << c.name;
        const auto expected =
            c.notifies ? std::vector<int>{LBN_SELCHANGE} : std::vector<int>{};
        EXPECT_EQ(TakeCommandCodes(), expected) << c.name;
        DestroyWindow(list);
    }
}

TEST_F(ListBoxTest, ClickSelectsTheItemUnderTheMouse)
{
    HWND list = CreateList(LBS_NOTIFY, {"a", "b", "c"});
    const auto itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(itemHeight, 0);
    ClickAt(list, 20, itemHeight + itemHeight / 2);
    EXPECT_EQ(CurSel(list), 1);
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(Take(), (std::vector{Command(kListId, LBN_SETFOCUS, list), Command(kListId, LBN_SELCHANGE, list)}));

    ClickAt(list, 20, 10 * itemHeight);
    EXPECT_EQ(CurSel(list), 1) << "a click below the items selects nothing";
    EXPECT_TRUE(Take().empty());

    HWND quiet = CreateList(0, {"a", "b"}, RECT{200, 10, 350, 160});
    ClickAt(quiet, 20, itemHeight / 2);
    EXPECT_EQ(CurSel(quiet), 0);
    for (const controls_test::Notification &n : Take())
        EXPECT_NE(n.from, quiet) << "without LBS_NOTIFY the parent hears nothing: " << n;
}

}  // namespace
