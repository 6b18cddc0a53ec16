// The modular edit with value modules of the test's own (two-digit counters
// 00..59): its module table, the module input goes to, carry and borrow,
// the caret after typing, keys and double clicks, and who deletes the modules.
#include <memory>
#include <string>
#include <vector>

#include "edits_fixture.h"
#include "mul_edit.h"

namespace {

using edits_test::Command;
using edits_test::EditsTest;
using edits_test::kEditRect;

constexpr UINT kEditId = 1301;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr int kCounterLength = 2;
constexpr int kCounterModulus = 60;
constexpr char kBlankCounter[] = "--";

// The names of the modules deleted, in order, shared by all modules of a test.
using DeletionLog = std::vector<std::string>;

// A module of fixed text that only records its deletion.
class CLoggedModule : public CModulEdit {
public:
    CLoggedModule(std::string strName, int nLength, DeletionLog& log)
        : CModulEdit(nLength), m_strName(std::move(strName)), m_log(log) {
        m_strText.assign(static_cast<size_t>(nLength), '.');
    }
    ~CLoggedModule() override { m_log.push_back(m_strName); }

private:
    std::string m_strName;
    DeletionLog& m_log;
};

class CLoggedDelimiter : public CDelimter {
public:
    CLoggedDelimiter(LPCSTR lpszText, int nSplit, DeletionLog& log) : CDelimter(lpszText, nSplit), m_log(log) {}
    ~CLoggedDelimiter() override { m_log.push_back(m_strText); }

private:
    DeletionLog& m_log;
};

struct CharCall {
    UINT nChar;
    int nSelStart;
    int nSelEnd;
    bool operator==(const CharCall&) const = default;
};

// A two-digit counter 00..59. A typed digit shifts in from the right (a
// non-digit is reported through the edit's RejectInput), a spin step past 59
// or below 00 wraps and carries or borrows, and a carry or borrow it receives
// that wraps it is passed on. Delete blanks it, which empties its value text.
class CCounter : public CModulEdit {
public:
    CCounter(std::string strName, int nValue, DeletionLog& log, CMultiModuleEdit* pEdit)
        : CModulEdit(kCounterLength), m_strName(std::move(strName)), m_nValue(nValue), m_log(log), m_pEdit(pEdit) {
        Show();
    }
    ~CCounter() override { m_log.push_back(m_strName); }

    int HandleChar(UINT nChar, int nSelStart, int nSelEnd) override {
        m_chars.push_back(CharCall{nChar, nSelStart, nSelEnd});
        if (nChar < '0' || nChar > '9') {
            m_pEdit->RejectInput();
            return MODULE_STEP_DONE;
        }
        const int nDigit = static_cast<int>(nChar - '0');
        const int nShifted = (m_nValue % 10) * 10 + nDigit;
        m_nValue = nShifted < kCounterModulus ? nShifted : nDigit;
        m_bBlank = false;
        Show();
        return MODULE_STEP_DONE;
    }
    int HandleSpin(UINT nSBCode) override {
        if (nSBCode == SB_LINEUP) return Step(1);
        if (nSBCode == SB_LINEDOWN) return Step(-1);
        return MODULE_STEP_DONE;
    }
    int Increment(int nCount) override {
        m_increments.push_back(nCount);
        const int nResult = Step(nCount);
        PassCarry(nResult);
        return nResult;
    }
    int Decrement(int nCount) override {
        m_decrements.push_back(nCount);
        const int nResult = Step(-nCount);
        PassCarry(nResult);
        return nResult;
    }
    void HandleDelete(int nSelStart, int nSelEnd) override {
        m_deletes.push_back({nSelStart, nSelEnd});
        m_bBlank = true;
        Show();
    }
    std::string GetValueText() const override { return m_bBlank ? std::string() : m_strText; }

    std::vector<CharCall> m_chars;
    std::vector<int> m_increments;
    std::vector<int> m_decrements;
    std::vector<std::pair<int, int>> m_deletes;

private:
    int Step(int nDelta) {
        m_nValue += nDelta;
        m_bBlank = false;
        int nResult = MODULE_STEP_DONE;
        if (m_nValue >= kCounterModulus) {
            m_nValue -= kCounterModulus;
            nResult = MODULE_STEP_CARRY;
        } else if (m_nValue < 0) {
            m_nValue += kCounterModulus;
            nResult = MODULE_STEP_BORROW;
        }
        Show();
        return nResult;
    }
    void Show() {
        const auto Digit = [](int nDigit) { return static_cast<char>('0' + nDigit); };
        m_strText = m_bBlank ? kBlankCounter : std::string{Digit(m_nValue / 10), Digit(m_nValue % 10)};
    }

    std::string m_strName;
    int m_nValue;
    bool m_bBlank = false;
    DeletionLog& m_log;
    CMultiModuleEdit* m_pEdit;
};

class ModularEditTest : public EditsTest {
protected:
    void SetUp() override {
        EditsTest::SetUp();
        NewEdit();
    }
    void TearDown() override {
        m_pEdit.reset();
        EditsTest::TearDown();
    }

    // A fresh edit without modules, in place of the one before.
    void NewEdit() {
        m_pEdit.reset();
        m_pEdit = std::make_unique<CMultiModuleEdit>();
        ASSERT_TRUE(m_pEdit->CreateEdit(kChildStyle, kEditRect, &m_parent, kEditId));
    }

    CCounter* AddCounter(const char* name, int nValue) {
        auto pCounter = std::make_unique<CCounter>(name, nValue, m_deleted, m_pEdit.get());
        CCounter* pAdded = pCounter.get();
        m_pEdit->AddModule(std::move(pCounter));
        return pAdded;
    }
    CModulEdit* AddDelimiter(const char* text, int nSplit) {
        auto pDelimiter = std::make_unique<CLoggedDelimiter>(text, nSplit, m_deleted);
        CModulEdit* pAdded = pDelimiter.get();
        m_pEdit->AddModule(std::move(pDelimiter));
        return pAdded;
    }
    // The edit of most tests: A ":" B, the colon's split given.
    void BuildAB(int nA, int nB, int nSplit = 0, const char* delimiter = ":") {
        m_pA = AddCounter("A", nA);
        m_pColon = AddDelimiter(delimiter, nSplit);
        m_pB = AddCounter("B", nB);
        Show();
    }
    // The initial text, the first module selected, the focus in the edit.
    void Show() {
        m_pEdit->Refresh(MULTI_MODULE_SELECT);
        m_pEdit->SetFocus();
    }
    std::string Text() const { return m_pEdit->GetWindowText(); }

    DeletionLog m_deleted;  // outlives the edit, whose modules write to it
    std::unique_ptr<CMultiModuleEdit> m_pEdit;
    CCounter* m_pA = nullptr;
    CModulEdit* m_pColon = nullptr;
    CCounter* m_pB = nullptr;
};

TEST_F(ModularEditTest, ModulesTakeConsecutivePositionsAndLinkToTheirNeighbours) {
    BuildAB(12, 34);
    EXPECT_EQ(m_pEdit->GetCount(), 5);
    const std::vector<CModulEdit*> expected = {m_pA, m_pA, m_pColon, m_pB, m_pB, nullptr};
    for (int nPos = 0; nPos < static_cast<int>(expected.size()); ++nPos)
        EXPECT_EQ(m_pEdit->GetModuleAt(nPos), expected[static_cast<size_t>(nPos)]) << "position " << nPos;
    EXPECT_EQ(m_pEdit->GetModuleAt(-1), nullptr);
    EXPECT_EQ(m_pEdit->GetModuleAt(MULTI_MODULE_MAX_POSITIONS), nullptr);

    EXPECT_EQ(m_pA->GetStart(), 0);
    EXPECT_EQ(m_pColon->GetStart(), 2);
    EXPECT_EQ(m_pB->GetStart(), 3);
    EXPECT_EQ(m_pA->GetPrev(), nullptr);
    EXPECT_EQ(m_pColon->GetPrev(), m_pA);
    EXPECT_EQ(m_pColon->GetNext(), m_pB);
    EXPECT_EQ(m_pB->GetPrev(), m_pA) << "value modules skip the delimiter";

    EXPECT_EQ(Text(), "12:34");
    EXPECT_EQ(m_pEdit->ComposeValueText(), "12:34");
    EXPECT_EQ(Selection(*m_pEdit), std::make_pair(0, 2)) << "the first module starts selected";
}

TEST_F(ModularEditTest, InputGoesToTheModuleUnderTheCaretOrAtTheSelectionsEnd) {
    struct Row {
        const char* name;
        const char* delimiter;
        int nSplit;
        int nSelStart, nSelEnd;
        const char* module;  // "A" or "B"
        CharCall expected;   // with the selection as the module gets it
    };
    const Row rows[] = {
        {"caret at the start", ":", 0, 0, 0, "A", {'7', 0, 0}},
        {"caret before the colon", ":", 0, 2, 2, "A", {'7', 2, 2}},
        {"caret after the colon", ":", 0, 3, 3, "B", {'7', 3, 3}},
        {"caret at the end", ":", 0, 5, 5, "B", {'7', 5, 5}},
        {"B selected", ":", 0, 3, 5, "B", {'7', 3, 4}},
        {"A and the colon selected", ":", 0, 0, 3, "A", {'7', 0, 2}},
        {"split -1: caret before the colon", ":", DELIMITER_SPLIT_RIGHT, 2, 2, "B", {'7', 2, 2}},
        {"split -1: A and the colon selected", ":", DELIMITER_SPLIT_RIGHT, 0, 3, "B", {'7', 0, 2}},
        {"split 1: first delimiter position", "-/-", 1, 2, 2, "A", {'7', 2, 2}},
        {"split 1: second delimiter position", "-/-", 1, 3, 3, "A", {'7', 3, 3}},
        {"split 1: third delimiter position", "-/-", 1, 4, 4, "B", {'7', 4, 4}},
    };
    for (const Row& row : rows) {
        NewEdit();
        BuildAB(12, 34, row.nSplit, row.delimiter);
        Select(*m_pEdit, row.nSelStart, row.nSelEnd);
        Type("7");
        CCounter* pExpected = std::string(row.module) == "A" ? m_pA : m_pB;
        CCounter* pOther = pExpected == m_pA ? m_pB : m_pA;
        EXPECT_EQ(pExpected->m_chars, std::vector<CharCall>{row.expected}) << row.name;
        EXPECT_TRUE(pOther->m_chars.empty()) << row.name;
    }
}

TEST_F(ModularEditTest, TypingChangesTheTextOnlyThroughTheModuleAndStepsOverTheDelimiter) {
    struct Row {
        int nCaret;
        const char* expectedText;
        int nExpectedCaret;
    };
    const Row rows[] = {
        {0, "25:34", 1},
        {1, "25:34", 3},  // past the 5 and the colon
        {3, "12:45", 4},
        {4, "12:45", 5},
    };
    for (const Row& row : rows) {
        NewEdit();
        BuildAB(12, 34);
        Select(*m_pEdit, row.nCaret, row.nCaret);
        Type("5");
        EXPECT_EQ(Text(), row.expectedText) << "caret " << row.nCaret;
        EXPECT_EQ(Selection(*m_pEdit), std::make_pair(row.nExpectedCaret, row.nExpectedCaret))
            << "caret " << row.nCaret;
    }
}

TEST_F(ModularEditTest, SpinStepsAndArrowKeysCarryIntoAndBorrowFromThePreviousValueModule) {
    struct Row {
        const char* name;
        int nA, nB;
        std::pair<int, int> selection;
        UINT nSBCode;
        WORD wKey;  // 0: a spin button's WM_VSCROLL, else this key
        const char* expectedText;
        std::vector<int> expectedIncrementsOfA;
        std::vector<int> expectedDecrementsOfA;
        std::pair<int, int> expectedSelection;
    };
    const Row rows[] = {
        {"B up", 12, 34, {4, 4}, SB_LINEUP, 0, "12:35", {}, {}, {3, 5}},
        {"B up past 59 carries", 12, 59, {4, 4}, SB_LINEUP, 0, "13:00", {1}, {}, {3, 5}},
        {"B down below 00 borrows", 12, 0, {3, 3}, SB_LINEDOWN, 0, "11:59", {}, {1}, {3, 5}},
        {"A up past 59 has no module to carry into", 59, 34, {1, 1}, SB_LINEUP, 0, "00:34", {}, {}, {0, 2}},
        {"A down below 00 has no module to borrow from", 0, 34, {0, 0}, SB_LINEDOWN, 0, "59:34", {}, {}, {0, 2}},
        {"up arrow carries", 12, 59, {5, 5}, SB_LINEUP, VK_UP, "13:00", {1}, {}, {3, 5}},
        {"down arrow borrows", 12, 0, {5, 5}, SB_LINEDOWN, VK_DOWN, "11:59", {}, {1}, {3, 5}},
        // The module stepped is the one selected afterwards, not the one on
        // the other side of the colon.
        {"selection from the colon into B", 12, 34, {2, 4}, SB_LINEUP, 0, "12:35", {}, {}, {3, 5}},
    };
    for (const Row& row : rows) {
        NewEdit();
        BuildAB(row.nA, row.nB);
        Select(*m_pEdit, row.selection.first, row.selection.second);
        if (row.wKey) {
            Key(row.wKey);
        } else {
            m_parent.SetFocus();  // a click on the spin button need not leave the focus in the edit
            Spin(*m_pEdit, row.nSBCode);
        }
        EXPECT_EQ(Text(), row.expectedText) << row.name;
        EXPECT_EQ(m_pA->m_increments, row.expectedIncrementsOfA) << row.name;
        EXPECT_EQ(m_pA->m_decrements, row.expectedDecrementsOfA) << row.name;
        EXPECT_TRUE(m_pB->m_increments.empty() && m_pB->m_decrements.empty()) << row.name;
        EXPECT_EQ(Selection(*m_pEdit), row.expectedSelection) << row.name << ": the current module is selected";
        EXPECT_EQ(CWnd::GetFocus(), m_pEdit.get()) << row.name;
    }
}

TEST_F(ModularEditTest, ACarryRunsOnThroughModulesThatPassItOn) {
    CCounter* pHours = AddCounter("H", 1);
    AddDelimiter(":", 0);
    CCounter* pMinutes = AddCounter("M", 59);
    AddDelimiter(":", 0);
    AddCounter("S", 59);
    Show();
    Select(*m_pEdit, 7, 7);
    Spin(*m_pEdit, SB_LINEUP);
    EXPECT_EQ(Text(), "02:00:00");
    EXPECT_EQ(pMinutes->m_increments, std::vector<int>{1});
    EXPECT_EQ(pHours->m_increments, std::vector<int>{1});
    Spin(*m_pEdit, SB_LINEDOWN);
    EXPECT_EQ(Text(), "01:59:59");
    EXPECT_EQ(Selection(*m_pEdit), std::make_pair(6, 8));
}

TEST_F(ModularEditTest, ADelimiterForwardsASpinStepToItsTargetUnlessItGivesAllToTheRight) {
    struct Row {
        const char* name;
        int nSplit;
        int nPos;
        int expectedResult;
        const char* expectedText;
    };
    const Row rows[] = {
        {"on the colon: the left neighbour", 0, 2, MODULE_STEP_DONE, "13:59"},
        {"after the colon: the right neighbour", 0, 3, MODULE_STEP_CARRY, "12:00"},
        {"split -1: not forwarded", DELIMITER_SPLIT_RIGHT, 3, MODULE_STEP_DONE, "12:59"},
    };
    for (const Row& row : rows) {
        NewEdit();
        BuildAB(12, 59, row.nSplit);
        auto* pColon = dynamic_cast<CDelimter*>(m_pColon);
        ASSERT_NE(pColon, nullptr);
        EXPECT_EQ(pColon->ForwardSpin(row.nPos, SB_LINEUP), row.expectedResult) << row.name;
        EXPECT_EQ(m_pEdit->ComposeText(), row.expectedText) << row.name;
    }
}

TEST_F(ModularEditTest, DeleteGoesToTheModuleAndOtherKeysMoveTheCaret) {
    BuildAB(12, 34);
    Select(*m_pEdit, 4, 4);
    Key(VK_DELETE);
    EXPECT_EQ(m_pB->m_deletes, (std::vector<std::pair<int, int>>{{4, 4}}));
    EXPECT_EQ(Text(), "12:--");
    EXPECT_EQ(Selection(*m_pEdit), std::make_pair(3, 5));
    EXPECT_EQ(m_pEdit->ComposeValueText(), "") << "a blank module leaves no value";

    Key(VK_LEFT);
    EXPECT_EQ(Selection(*m_pEdit), std::make_pair(3, 3)) << "the selection collapses to its left end";
    Key(VK_HOME);
    EXPECT_EQ(Selection(*m_pEdit), std::make_pair(0, 0));
    Key(VK_END);
    EXPECT_EQ(Selection(*m_pEdit), std::make_pair(5, 5));
    EXPECT_EQ(Text(), "12:--");
}

TEST_F(ModularEditTest, DoubleClickSelectsTheWholeModule) {
    BuildAB(12, 34);
    const std::pair<int, std::pair<int, int>> rows[] = {
        {0, {0, 2}}, {1, {0, 2}}, {2, {0, 2}}, {3, {3, 5}}, {4, {3, 5}},
    };
    for (const auto& [nChar, expected] : rows) {
        DoubleClickAt(*m_pEdit, nChar);
        EXPECT_EQ(Selection(*m_pEdit), expected) << "double click before character " << nChar;
    }
}

TEST_F(ModularEditTest, WithoutModulesInputChangesNothing) {
    Show();
    Type("5");
    Key(VK_DELETE);
    Key(VK_UP);
    Spin(*m_pEdit, SB_LINEUP);
    DoubleClickAt(*m_pEdit, 0);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(m_pEdit->ComposeValueText(), "");
}

TEST_F(ModularEditTest, RejectInputTellsTheParentWhichMayKeepTheEditQuiet) {
    BuildAB(12, 34);
    for (LRESULT reply : {LRESULT{0}, REJECT_REPLY_NO_BEEP}) {
        m_parent.m_lCommandReply = reply;
        const size_t beepsBefore = BeepCount();
        Select(*m_pEdit, 3, 3);
        Type("x");  // the counter refuses it
        const Command expected{static_cast<int>(kEditId), 0, 0};
        EXPECT_EQ(m_parent.Take(0), std::vector<Command>{expected}) << reply;
        EXPECT_EQ(BeepCount() - beepsBefore, reply == REJECT_REPLY_NO_BEEP ? 0u : 1u) << reply;
        EXPECT_EQ(Text(), "12:34") << reply;
    }
}

TEST_F(ModularEditTest, EveryModuleIsDeletedOnceWithTheEditAlsoThoseThatGotNoPosition) {
    BuildAB(12, 34);  // positions 0..4
    m_pEdit->AddModule(std::make_unique<CLoggedModule>("empty", 0, m_deleted));  // no positions
    m_pEdit->AddModule(nullptr);                                                 // ignored
    DeletionLog expected = {"A", ":", "B", "empty"};
    for (int i = 0; i < 47; ++i) {  // positions 5..98
        const std::string name = "filler " + std::to_string(i);
        m_pEdit->AddModule(std::make_unique<CLoggedModule>(name, 2, m_deleted));
        expected.push_back(name);
    }
    auto pCut = std::make_unique<CLoggedModule>("cut", 3, m_deleted);  // only position 99 fits
    CModulEdit* pCutModule = pCut.get();
    m_pEdit->AddModule(std::move(pCut));
    auto pLate = std::make_unique<CLoggedModule>("late", 2, m_deleted);  // starts past the table
    CModulEdit* pLateModule = pLate.get();
    m_pEdit->AddModule(std::move(pLate));
    expected.insert(expected.end(), {"cut", "late"});

    EXPECT_EQ(m_pEdit->GetCount(), MULTI_MODULE_MAX_POSITIONS);
    EXPECT_EQ(pCutModule->GetStart(), 99);
    EXPECT_EQ(m_pEdit->GetModuleAt(99), pCutModule);
    EXPECT_EQ(pLateModule->GetStart(), MULTI_MODULE_MAX_POSITIONS);
    EXPECT_TRUE(m_deleted.empty());

    m_pEdit.reset();
    EXPECT_EQ(m_deleted, expected);
}

}  // namespace
