// The single-line "Edit" class: typing, selection, read-only and number
// edits, limits, notifications, keys and the mouse.
#include "controls_fixture.h"

#include <string>

namespace {

using controls_test::ControlsTest;

constexpr int kEditId = 300;

class EditTest : public ControlsTest {
protected:
    HWND CreateEdit(const char *text = "", DWORD style = 0)
    {
        HWND edit = Create("EDIT", text, WS_BORDER | ES_AUTOHSCROLL | style, kEditId, RECT{10, 10, 210, 32});
        Take();
        return edit;
    }

    // The selection as EM_GETSEL reports it, start and end.
    static std::pair<DWORD, DWORD> Selection(HWND edit)
    {
        DWORD start = 0;
        DWORD end = 0;
        const auto packed = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                                             reinterpret_cast<LPARAM>(&end)));
        EXPECT_EQ(packed, (end << 16) | start) << "packed result agrees with the out parameters";
        return {start, end};
    }

    // Where the caret is: collapsing the selection keeps the caret.
    static DWORD Caret(HWND edit)
    {
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        return Selection(edit).first;
    }

    static void Select(HWND edit, int start, int end)
    {
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(start), end);
    }
};

const std::vector<int> kOneChange = {EN_UPDATE, EN_CHANGE};

struct TypingCase {
    const char *name;
    const char *initial;
    int selStart, selEnd;
    DWORD style;
    std::string typed;
    const char *expectedText;
    DWORD expectedCaret;
    size_t expectedChanges;  // EN_UPDATE + EN_CHANGE pairs
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndReplacesTheSelection)
{
    const TypingCase cases[] = {
        {"insert in the middle", "abcd", 2, 2, 0, "XY", "abXYcd", 4, 2},
        {"replace the selection", "abcd", 1, 3, 0, "Z", "aZd", 2, 1},
        {"backspace deletes before the caret", "abcd", 2, 2, 0, "\b", "acd", 1, 1},
        {"backspace deletes the selection", "abcd", 0, 3, 0, "\b", "d", 0, 1},
        {"backspace at the start changes nothing", "abcd", 0, 0, 0, "\b", "abcd", 0, 0},
        {"control characters are not inserted", "ab", 2, 2, 0, "\t\r\x1b", "ab", 2, 0},
        {"number edit drops non-digits silently", "12", 2, 2, ES_NUMBER, "3a-4.", "1234", 4, 2},
        {"number edit still takes backspace", "12", 2, 2, ES_NUMBER, "\b", "1", 1, 1},
        {"read-only edit ignores typing", "ab", 1, 1, ES_READONLY, "x\b", "ab", 1, 0},
        {"upper-case edit converts", "", 0, 0, ES_UPPERCASE, "aB", "AB", 2, 2},
    };
    for (const TypingCase &c : cases) {
        HWND edit = CreateEdit(c.initial, c.style);
        Select(edit, c.selStart, c.selEnd);
        for (char ch : c.typed)
            EXPECT_EQ(SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(ch), 1), 1) << c.name;
        EXPECT_EQ(Text(edit), c.expectedText) << c.name;
        std::vector<int> expectedCodes;
        for (size_t i = 0; i < c.expectedChanges; ++i)
            expectedCodes.insert(expectedCodes.end(), kOneChange.begin(), kOneChange.end());
        EXPECT_EQ(TakeCommandCodes(), expectedCodes) << c.name;
        EXPECT_EQ(Caret(edit), c.expectedCaret) << c.name;
        DestroyWindow(edit);
    }
}

TEST_F(EditTest, NotificationsCarryTheIdAndTheWindow)
{
    HWND edit = CreateEdit();
    Chars(edit, "a");
    EXPECT_EQ(Take(), (std::vector{controls_test::Command(kEditId, EN_UPDATE, edit),
                                   controls_test::Command(kEditId, EN_CHANGE, edit)}));
}

struct SelectionCase {
    const char *name;
    int start, end;
    DWORD expectedStart, expectedEnd, expectedCaret;
};

TEST_F(EditTest, SetSelNormalisesClampsAndPutsTheCaretAtTheSecondArgument)
{
    const SelectionCase cases[] = {
        {"0, -1 selects all", 0, -1, 0, 6, 6},
        {"reversed range", 4, 1, 1, 4, 1},
        {"end past the text is clamped", 2, 100, 2, 6, 6},
        {"start past the text is clamped", 50, 3, 3, 6, 3},
        {"empty range", 3, 3, 3, 3, 3},
    };
    for (const SelectionCase &c : cases) {
        HWND edit = CreateEdit("abcdef");
        Select(edit, c.start, c.end);
        EXPECT_EQ(Selection(edit), std::make_pair(c.expectedStart, c.expectedEnd)) << c.name;
        EXPECT_EQ(Caret(edit), c.expectedCaret) << c.name;
        EXPECT_TRUE(TakeCommandCodes().empty()) << c.name << ": EM_SETSEL does not notify";
        DestroyWindow(edit);
    }

    HWND edit = CreateEdit("abcdef");
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0})) << "a new edit";
    Select(edit, 5, 2);
    Select(edit, -1, 4);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{2})) << "-1 collapses to the caret";
}

TEST_F(EditTest, SetTextResetsTheSelectionAndNotifiesEvenWithTheFocus)
{
    HWND edit = CreateEdit("old text");
    SetFocus(edit);
    Select(edit, 2, 5);
    Take();
    EXPECT_TRUE(SetWindowTextA(edit, "new"));
    EXPECT_EQ(Text(edit), "new");
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
    EXPECT_EQ(TakeCommandCodes(), kOneChange);
}

TEST_F(EditTest, ReadOnlyBlocksTheUserButNotCode)
{
    HWND edit = CreateEdit("1");
    EXPECT_EQ(SendMessageA(edit, EM_SETREADONLY, TRUE, 0), 1);
    EXPECT_NE(GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY, 0);
    EXPECT_TRUE(TakeCommandCodes().empty()) << "EM_SETREADONLY does not notify";

    Select(edit, 1, 1);
    Chars(edit, "2\b");
    Key(VK_DELETE);
    EXPECT_EQ(Text(edit), "1");

    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("x"));
    EXPECT_EQ(Text(edit), "1x") << "EM_REPLACESEL still changes the text";
    SetWindowTextA(edit, "set");
    EXPECT_EQ(Text(edit), "set") << "WM_SETTEXT still changes the text";

    EXPECT_EQ(SendMessageA(edit, EM_SETREADONLY, FALSE, 0), 1);
    EXPECT_EQ(GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY, 0);
    Select(edit, 3, 3);
    Chars(edit, "!");
    EXPECT_EQ(Text(edit), "set!");
}

TEST_F(EditTest, ReadOnlyStyleBitAloneDoesNotMakeTheEditReadOnly)
{
    HWND edit = CreateEdit("a");
    SetWindowLongPtrA(edit, GWL_STYLE, GetWindowLongPtrA(edit, GWL_STYLE) | ES_READONLY);
    Select(edit, 1, 1);
    Chars(edit, "b");
    EXPECT_EQ(Text(edit), "ab");
}

TEST_F(EditTest, ReplaceSelIsNotFilteredByNumberStyle)
{
    HWND edit = CreateEdit("1", ES_NUMBER);
    Select(edit, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("a-b"));
    EXPECT_EQ(Text(edit), "a-b");
    EXPECT_EQ(Caret(edit), 3u);
    EXPECT_EQ(TakeCommandCodes(), kOneChange);
}

TEST_F(EditTest, TextLimitStopsTypingAndCutsReplacements)
{
    HWND edit = CreateEdit();
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 30000);

    SendMessageA(edit, EM_LIMITTEXT, 3, 0);
    Chars(edit, "abcd");
    EXPECT_EQ(Text(edit), "abc");
    const std::vector<int> typedUpToTheLimit = {EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE,
                                                EN_UPDATE, EN_CHANGE, EN_MAXTEXT};
    EXPECT_EQ(TakeCommandCodes(), typedUpToTheLimit);

    Select(edit, 1, 2);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("XYZ"));
    EXPECT_EQ(Text(edit), "aXc");

    SetWindowTextA(edit, "longer than the limit");
    EXPECT_EQ(Text(edit), "longer than the limit") << "the limit is the user's, not WM_SETTEXT's";
}

struct KeyCase {
    const char *name;
    int selStart, selEnd;  // selection before the key; the caret at selEnd
    WORD key;
    UINT modifiers;
    DWORD expectedStart, expectedEnd;
    const char *expectedText;
};

TEST_F(EditTest, EditingKeysMoveTheCaretAndExtendWithShift)
{
    const KeyCase cases[] = {
        {"left", 3, 3, VK_LEFT, 0, 2, 2, "abcdef"},
        {"right", 3, 3, VK_RIGHT, 0, 4, 4, "abcdef"},
        {"left at the start", 0, 0, VK_LEFT, 0, 0, 0, "abcdef"},
        {"shift+left extends", 3, 3, VK_LEFT, MOD_SHIFT, 2, 3, "abcdef"},
        {"shift+right extends from the caret", 1, 3, VK_RIGHT, MOD_SHIFT, 1, 4, "abcdef"},
        {"shift+left shrinks a selection", 1, 3, VK_LEFT, MOD_SHIFT, 1, 2, "abcdef"},
        {"left collapses a selection to its start", 1, 4, VK_LEFT, 0, 1, 1, "abcdef"},
        {"home", 4, 4, VK_HOME, 0, 0, 0, "abcdef"},
        {"shift+end", 2, 2, VK_END, MOD_SHIFT, 2, 6, "abcdef"},
        {"delete after the caret", 2, 2, VK_DELETE, 0, 2, 2, "abdef"},
        {"delete the selection", 1, 4, VK_DELETE, 0, 1, 1, "aef"},
        {"delete at the end", 6, 6, VK_DELETE, 0, 6, 6, "abcdef"},
    };
    for (const KeyCase &c : cases) {
        HWND edit = CreateEdit("abcdef");
        SetFocus(edit);
        Select(edit, c.selStart, c.selEnd);
        Key(c.key, c.modifiers);
        EXPECT_EQ(Selection(edit), std::make_pair(c.expectedStart, c.expectedEnd)) << c.name;
        EXPECT_EQ(Text(edit), c.expectedText) << c.name;
        DestroyWindow(edit);
    }
}

TEST_F(EditTest, FocusNotifiesAndDialogCodeAsksForCharsAndArrows)
{
    HWND edit = CreateEdit("x");
    SetFocus(edit);
    EXPECT_EQ(TakeCommandCodes(), std::vector<int>{EN_SETFOCUS});
    SetFocus(m_parent);
    EXPECT_EQ(TakeCommandCodes(), std::vector<int>{EN_KILLFOCUS});
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
}

TEST_F(EditTest, KeyboardTypingReachesTheFocusedEdit)
{
    HWND edit = CreateEdit("", ES_NUMBER);
    SetFocus(edit);
    win32::headless::TypeText("4x2");
    Pump();
    EXPECT_EQ(Text(edit), "42");
}

TEST_F(EditTest, ClickPlacesTheCaretAtTheNearestCharacterBoundary)
{
    HWND edit = CreateEdit("abcdefgh");
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
    HDC dc = GetDC(edit);
    HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    if (previous != nullptr)
        SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    const int cell = tm.tmAveCharWidth;
    ASSERT_GT(cell, 1);

    POINT caretPosition{};
    const auto packed = static_cast<DWORD>(SendMessageA(edit, EM_POSFROMCHAR, 3, 0));
    caretPosition.x = static_cast<SHORT>(packed & 0xFFFF);
    const int y = 5;

    ClickAt(edit, caretPosition.x + cell / 2 - 1, y);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{3})) << "left half of the fourth character";
    ClickAt(edit, caretPosition.x + cell / 2 + 1, y);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{4}, DWORD{4})) << "right half of the fourth character";
    ClickAt(edit, 190, y);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{8}, DWORD{8})) << "past the text";
}

}  // namespace
