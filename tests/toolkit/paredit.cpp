// The parsed edit: which typed characters pass, what a rejection tells the
// parent, the spin steps of its number, and its two ways of being set up.
#include "paredit.h"

#include <string>

#include "edits_fixture.h"

namespace {

using edits_test::Command;
using edits_test::EditsTest;
using edits_test::kEditRect;

constexpr UINT kEditId = 1201;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr WORD kDigitsAndLetters = PARSE_DIGITS | PARSE_LETTERS;
constexpr char kAccentedE = '\xE9';  // e acute in the 8-bit code page

class ParsedEditTest : public EditsTest {
protected:
    // An edit accepting wAccept, holding text with the caret at its end, focused.
    void CreateFocused(CParsedEdit& edit, WORD wAccept, const char* text = "") {
        ASSERT_TRUE(edit.CreateEdit(kChildStyle | wAccept, kEditRect, &m_parent, kEditId));
        edit.SetWindowText(text);
        const int nEnd = edit.GetWindowTextLength();
        edit.SetSel(nEnd, nEnd);
        edit.SetFocus();
        m_parent.Take(EN_SETFOCUS);
    }

    std::vector<Command> Rejections() { return m_parent.Take(PEN_REJECTED); }
};

TEST_F(ParsedEditTest, TypedCharactersPassOnlyInAcceptedClasses) {
    struct Row {
        const char* name;
        WORD wAccept;
        const char* initial;
        std::string typed;
        const char* expected;
        size_t rejected;
    };
    const Row rows[] = {
        {"digit into digits", PARSE_DIGITS, "", "7", "7", 0},
        {"letter into digits", PARSE_DIGITS, "", "a", "", 1},
        {"blank into digits", PARSE_DIGITS, "", " ", "", 1},
        {"minus into digits", PARSE_DIGITS, "", "-", "", 1},
        {"point into digits", PARSE_DIGITS, "", ".", "", 1},
        {"backspace into digits", PARSE_DIGITS, "12", "\b", "1", 0},
        {"either case into letters", PARSE_LETTERS, "", "qQ", "qQ", 0},
        {"accented letter into letters", PARSE_LETTERS, "", std::string(1, kAccentedE), "", 1},
        {"digit into letters", PARSE_LETTERS, "", "5", "", 1},
        {"punctuation and 8-bit into other", PARSE_OTHER, "", std::string("- .") + kAccentedE,
         "- .\xE9", 0},
        {"letter into other", PARSE_OTHER, "", "x", "", 1},
        {"mixed into digits and letters", kDigitsAndLetters, "", "a1-B", "a1B", 1},
        {"digit into nothing", 0, "", "7", "", 1},
        {"backspace into nothing", 0, "12", "\b", "12", 1},
    };
    for (const Row& row : rows) {
        CParsedEdit edit;
        CreateFocused(edit, row.wAccept, row.initial);
        const size_t beepsBefore = BeepCount();
        Type(row.typed);
        EXPECT_EQ(edit.GetWindowText(), row.expected) << row.name;
        EXPECT_EQ(Rejections().size(), row.rejected) << row.name;
        EXPECT_EQ(BeepCount() - beepsBefore, row.rejected) << row.name;
    }
}

TEST_F(ParsedEditTest, RejectionIsSentToTheParentWhichMayKeepTheEditQuiet) {
    struct Row {
        const char* name;
        LRESULT reply;
        size_t beeps;
    };
    const Row rows[] = {
        {"parent answers 0", 0, 1},
        {"parent answers 1", 1, 1},
        {"parent answers -1", REJECT_REPLY_NO_BEEP, 0},
    };
    for (const Row& row : rows) {
        CParsedEdit edit;
        CreateFocused(edit, PARSE_DIGITS);
        m_parent.m_lCommandReply = row.reply;
        const size_t beepsBefore = BeepCount();
        Type("x");
        const Command expected{static_cast<int>(kEditId), PEN_REJECTED, reinterpret_cast<LPARAM>(edit.m_hWnd)};
        EXPECT_EQ(Rejections(), std::vector<Command>{expected}) << row.name;
        ASSERT_EQ(BeepCount() - beepsBefore, row.beeps) << row.name;
        if (row.beeps) {
            EXPECT_EQ(win32::Headless().Beeps().back(), REJECT_SIMPLE_BEEP) << row.name;
        }
    }
}

TEST_F(ParsedEditTest, PastedAndSetTextIsNotFiltered) {
    CParsedEdit edit;
    CreateFocused(edit, PARSE_DIGITS, "12");
    // A paste replaces the selection with the clipboard's text.
    edit.SetSel(0, -1);
    edit.ReplaceSel("ab-1");
    EXPECT_EQ(edit.GetWindowText(), "ab-1");
    edit.SetWindowText("x y");
    EXPECT_EQ(edit.GetWindowText(), "x y");
    EXPECT_TRUE(Rejections().empty());
    EXPECT_EQ(BeepCount(), 0u);
    // Typing is still filtered.
    edit.SetSel(3, 3);
    Type("z");
    EXPECT_EQ(edit.GetWindowText(), "x y");
    EXPECT_EQ(Rejections().size(), 1u);
}

TEST_F(ParsedEditTest, SpinStepsCountTheTextWithinZeroTo32767) {
    struct Row {
        const char* name;
        const char* initial;
        UINT code;
        const char* expected;
        bool rejected;
    };
    const Row rows[] = {
        {"up", "5", SB_LINEUP, "6", false},
        {"down", "5", SB_LINEDOWN, "4", false},
        {"up to the top", "32766", SB_LINEUP, "32767", false},
        {"down to zero", "1", SB_LINEDOWN, "0", false},
        {"up past the top", "32767", SB_LINEUP, "32767", true},
        {"down past zero", "0", SB_LINEDOWN, "0", true},
        {"up from a negative number into range", "-1", SB_LINEUP, "0", false},
        {"up from the largest int", "2147483647", SB_LINEUP, "2147483647", true},
        {"empty text", "", SB_LINEUP, "", true},
        {"letters", "abc", SB_LINEDOWN, "abc", true},
    };
    for (const Row& row : rows) {
        CParsedEdit edit;
        ASSERT_TRUE(edit.CreateEdit(kChildStyle | PARSE_DIGITS, kEditRect, &m_parent, kEditId));
        edit.SetWindowText(row.initial);
        const size_t beepsBefore = BeepCount();
        Spin(edit, row.code);
        EXPECT_EQ(edit.GetWindowText(), row.expected) << row.name;
        EXPECT_EQ(Rejections().size(), row.rejected ? 1u : 0u) << row.name;
        EXPECT_EQ(BeepCount() - beepsBefore, row.rejected ? 1u : 0u) << row.name;
        const int length = static_cast<int>(std::string(row.expected).size());
        EXPECT_EQ(Selection(edit), std::make_pair(0, length)) << row.name << ": the whole text is selected";
        EXPECT_EQ(CWnd::GetFocus(), &edit) << row.name;
    }
}

TEST_F(ParsedEditTest, OtherScrollCodesDoNothing) {
    CParsedEdit edit;
    ASSERT_TRUE(edit.CreateEdit(kChildStyle | PARSE_DIGITS, kEditRect, &m_parent, kEditId));
    edit.SetWindowText("12");
    edit.SetSel(1, 1);
    for (UINT code : {UINT{SB_PAGEUP}, UINT{SB_THUMBPOSITION}, UINT{SB_ENDSCROLL}}) {
        Spin(edit, code);
        EXPECT_EQ(edit.GetWindowText(), "12") << code;
        EXPECT_EQ(Selection(edit), std::make_pair(1, 1)) << code;
        EXPECT_NE(CWnd::GetFocus(), &edit) << code;
    }
    EXPECT_TRUE(Rejections().empty());
}

TEST_F(ParsedEditTest, CreateEditKeepsTheClassesOutOfTheWindowStyle) {
    CParsedEdit edit;
    ASSERT_TRUE(edit.CreateEdit(kChildStyle | 0x0003, kEditRect, &m_parent, kEditId));
    EXPECT_EQ(edit.m_wAccept, kDigitsAndLetters);
    EXPECT_EQ(edit.GetStyle() & kChildStyle, kChildStyle);
    EXPECT_EQ(edit.GetStyle() & 0xFFFF, 0u) << "no edit-specific style";
    EXPECT_EQ(edit.GetDlgCtrlID(), static_cast<int>(kEditId));
    EXPECT_EQ(edit.GetWindowText(), "");
    edit.SetFocus();
    Type("a1-");
    EXPECT_EQ(edit.GetWindowText(), "a1");
}

TEST_F(ParsedEditTest, AttachToItemTakesOverAnExistingEditForDigits) {
    CEdit plain;
    ASSERT_TRUE(plain.Create(kChildStyle, kEditRect, &m_parent, kEditId));
    HWND hWndItem = plain.UnsubclassWindow();  // a dialog's own edit, with no framework object

    CParsedEdit edit;
    EXPECT_FALSE(edit.AttachToItem(kEditId + 1, &m_parent));
    ASSERT_TRUE(edit.AttachToItem(kEditId, &m_parent));
    EXPECT_EQ(edit.m_hWnd, hWndItem);
    EXPECT_EQ(edit.m_wAccept, PARSE_DIGITS);
    edit.SetFocus();
    Type("4x2");
    EXPECT_EQ(edit.GetWindowText(), "42");
    EXPECT_EQ(Rejections().size(), 1u);
}

}  // namespace
