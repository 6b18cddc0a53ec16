// Spin edits in a dialog with a toolkit spin button, driven as a user drives
// them: typed text, clicks on the spin button's arrows, the dialog closing.
#include "spinedit.h"

#include <gtest/gtest.h>
#include <win32_dialog_template.h>
#include <win32_driver.h>
#include <win32_resources.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "spin_button.h"
#include "spin_test_support.h"

namespace {

using spin_test::ClickArrow;
using spin_test::Half;

constexpr int kEditId = 1001;
constexpr int kSpinId = 1002;
constexpr int kOtherEditId = 1003;

const win32::DialogTemplate kSpinDialog{
    {.caption = "Spin", .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_VISIBLE, .cx = 160, .cy = 60,
     .fontName = "MS Sans Serif"},
    {
        {"Edit", "", kEditId, 7, 7, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {SPIN_BUTTON_CLASS, "", kSpinId, 67, 7, 10, 12, 0},
        {"Edit", "", kOtherEditId, 7, 25, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    }};

// The host program's texts for the two prompts.
constexpr char kOutOfRangeText[] = "The value is out of range.";
constexpr char kNotANumberText[] = "Please enter a number.";
const WIN32_STRING_RESOURCE kStrings[] = {
    {IDP_SPIN_OUT_OF_RANGE, kOutOfRangeText},
    {IDP_SPIN_NOT_A_NUMBER, kNotANumberText},
};
const WIN32_MODULE_RESOURCE_TABLE kTable = {nullptr, 0, kStrings, WIN32_COUNT_OF(kStrings)};

// The parent: records every SEN_STEPPED it handles, with the edit's text then.
class CSpinTestDialog : public CDialog {
public:
    struct Stepped {
        int nID;
        HWND hWndFrom;
        std::string strTextOnArrival;
    };
    std::vector<Stepped> m_stepped;

    BOOL Open() {
        m_stepped.clear();
        return CreateIndirect(kSpinDialog.Get());
    }
    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == SEN_STEPPED)
            m_stepped.push_back({LOWORD(wParam), reinterpret_cast<HWND>(lParam),
                                 CWnd::FromHandle(reinterpret_cast<HWND>(lParam))->GetWindowText()});
        return CDialog::OnCommand(wParam, lParam);
    }
};

class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        ASSERT_TRUE(RegisterSpinButtonClass());
        ASSERT_TRUE(m_dialog.Open());
    }
    void TearDown() override {
        win32::ResetWindowSystem();
        m_app.OnIdle(0);
    }

    // A fresh dialog, for each row of a table.
    void Reopen() {
        if (m_dialog.m_hWnd) m_dialog.DestroyWindow();
        ASSERT_TRUE(m_dialog.Open());
    }
    BOOL Attach(CSpinEdit& edit) { return edit.AttachSpinById(kSpinId, &m_dialog, kEditId); }

    HWND Edit() const { return m_dialog.Item(kEditId); }
    HWND Spin() const { return m_dialog.Item(kSpinId); }
    std::string Text() const { return CWnd::FromHandle(Edit())->GetWindowText(); }
    int SpinPos() const { return static_cast<int>(::SendMessageA(Spin(), SPM_GETPOS, 0, 0)); }
    const std::vector<win32::MessageBoxRequest>& MessageBoxes() const { return win32::Headless().MessageBoxes(); }

    void Pump() const { win32::headless::PumpMessages(m_dialog.m_hWnd); }
    void Click(HWND hWnd) const {
        win32::Headless().AdvanceClock(::GetDoubleClickTime() + 1);  // a click of its own, never a double click
        win32::headless::Click(hWnd);
        Pump();
    }
    // Clicks into the edit, selects all it holds and types over it.
    void Type(const std::string& strText) const {
        Click(Edit());
        win32::headless::PressKey(VK_HOME);
        win32::headless::PressKey(VK_END, MOD_SHIFT);
        if (strText.empty())
            win32::headless::PressKey(VK_DELETE);
        else
            win32::headless::TypeText(strText);
        Pump();
    }
    // 'u' clicks the upper arrow, 'd' the lower one, 't' types strTyped.
    void Act(const std::string& strActions, const std::string& strTyped) const {
        for (char c : strActions) {
            if (c == 't')
                Type(strTyped);
            else
                ClickArrow(Spin(), c == 'u' ? Half::Upper : Half::Lower, m_dialog.m_hWnd);
        }
    }
    static size_t Clicks(const std::string& strActions) {
        return static_cast<size_t>(std::count_if(strActions.begin(), strActions.end(), [](char c) { return c != 't'; }));
    }

    CWinApp m_app{"Spin Edit Tests"};
    CSpinTestDialog m_dialog;
};

// ---- Attaching ----

TEST_F(SpinEditTest, AttachingShowsTheCommittedValueAndSetsUpTheButton) {
    struct Case {
        const char* name;
        int value;
        const char* text;
        int pos;
    };
    const Case cases[] = {
        {"within the bounds", 3, "3", 7},
        {"the committed value is not compared with the bounds", 50, "50", 0},
    };
    for (const Case& c : cases) {
        Reopen();
        CIntSpinEdit edit(0, 10, c.value, "%d");
        ASSERT_TRUE(Attach(edit)) << c.name;
        ASSERT_NE(edit.m_pSpin, nullptr);
        EXPECT_EQ(edit.m_pSpin->m_hWnd, Spin());
        EXPECT_EQ(Text(), c.text) << c.name;
        EXPECT_EQ(SpinPos(), c.pos) << c.name;
        EXPECT_EQ(edit.m_nLastValue, 0) << "the last value stays the minimum";
        ::SendMessageA(Spin(), SPM_SETPOS, 1000, 0);
        EXPECT_EQ(SpinPos(), 10) << "the span is the distance of the bounds";
    }

    Reopen();
    CFloatSpinEdit fedit(0.5f, 2.5f, 1.0f, 1, "%.1f");
    ASSERT_TRUE(Attach(fedit));
    EXPECT_EQ(Text(), "1.0");
    EXPECT_EQ(SpinPos(), 15);
    ::SendMessageA(Spin(), SPM_SETPOS, 1000, 0);
    EXPECT_EQ(SpinPos(), 20);
}

TEST_F(SpinEditTest, AttachingFailsWithoutTheButtonOrTheEdit) {
    CIntSpinEdit noSpin(0, 10, 3, "%d");
    EXPECT_FALSE(noSpin.AttachSpinById(9999, &m_dialog, kEditId));
    EXPECT_EQ(noSpin.m_pSpin, nullptr);
    EXPECT_EQ(noSpin.m_hWnd, nullptr) << "the edit is not taken over either";

    CIntSpinEdit noEdit(0, 10, 3, "%d");
    EXPECT_FALSE(noEdit.AttachSpinById(kSpinId, &m_dialog, 9999));
    EXPECT_EQ(noEdit.m_pSpin, nullptr);
    EXPECT_EQ(noEdit.CheckValue(TRUE), SPIN_INVALID);
    EXPECT_TRUE(MessageBoxes().empty()) << "a detached edit never prompts";
}

// GetDlgItem's object for the spin button is temporary: the idle clean-up
// deletes it, and the edit must not be left holding it.
TEST_F(SpinEditTest, AnAttachedButtonOutlivesTheIdleCleanUp) {
    CIntSpinEdit byId(0, 10, 3, "%d");
    ASSERT_TRUE(Attach(byId));
    m_app.OnIdle(0);
    ClickArrow(Spin(), Half::Upper, m_dialog.m_hWnd);
    EXPECT_EQ(Text(), "4");
    EXPECT_EQ(byId.m_pSpin->m_hWnd, Spin());

    Reopen();
    CIntSpinEdit byWindow(0, 10, 3, "%d");
    ASSERT_TRUE(byWindow.AttachSpin(m_dialog.GetDlgItem(kSpinId), &m_dialog, kEditId));
    CWnd::DeleteTempMap();
    ClickArrow(Spin(), Half::Lower, m_dialog.m_hWnd);
    EXPECT_EQ(Text(), "2");

    Reopen();
    CWnd spin;
    ASSERT_TRUE(spin.SubclassDlgItem(kSpinId, &m_dialog));
    CIntSpinEdit byOwnObject(0, 10, 3, "%d");
    ASSERT_TRUE(byOwnObject.AttachSpin(&spin, &m_dialog, kEditId));
    EXPECT_EQ(byOwnObject.m_pSpin, &spin) << "a permanent object is kept as given";
}

TEST_F(SpinEditTest, FormatsAreCutToFitAndTextsStayWithinTheirBuffer) {
    struct Case {
        const char* name;
        std::string format;
        std::string kept;
    };
    const Case cases[] = {
        {"a short format is kept", "%03d", "%03d"},
        {"31 characters are kept", std::string(40, 'x'), std::string(31, 'x')},
        {"a conversion cut in two goes whole", std::string(28, 'x') + "%.3d", std::string(28, 'x')},
        {"half of a %% goes", std::string(30, 'x') + "%%", std::string(30, 'x')},
    };
    for (const Case& c : cases) {
        const CIntSpinEdit edit(0, 10, 3, c.format.c_str());
        EXPECT_EQ(std::string(edit.m_szFormat), c.kept) << c.name;
        const CFloatSpinEdit fedit(0, 10, 3, 1, c.format.c_str());
        EXPECT_EQ(std::string(fedit.m_szFormat), c.kept) << c.name;
    }

    CIntSpinEdit wide(0, 10, 3, "%300d");
    ASSERT_TRUE(Attach(wide));
    EXPECT_EQ(Text().size(), SPIN_TEXT_SIZE - 1);
    Reopen();
    CFloatSpinEdit fwide(0, 10, 3, 1, "%-300.1f");
    ASSERT_TRUE(Attach(fwide));
    EXPECT_EQ(Text().size(), SPIN_TEXT_SIZE - 1);
    EXPECT_EQ(Text().substr(0, 4), "3.0 ");
}

// ---- Checks and values ----

TEST_F(SpinEditTest, IntegerEditChecksTypedText) {
    struct Case {
        const char* text;
        int status;
        int value;
    };
    const Case cases[] = {
        {"5", SPIN_VALUE_OK, 5},
        {"5.5", SPIN_NOT_WHOLE, 5},
        {"10.5", SPIN_NOT_WHOLE, 10},  // its floor is in range
        {"-0.5", SPIN_OUT_OF_RANGE, 0},  // its floor -1 is not
        {"15", SPIN_OUT_OF_RANGE, 10},
        {"1e1", SPIN_VALUE_OK, 10},
        {" 5", SPIN_VALUE_OK, 5},
        {"5 ", SPIN_INVALID, 3},
        {"5a", SPIN_INVALID, 3},
        {"", SPIN_INVALID, 3},
        {"4294967301", SPIN_OUT_OF_RANGE, 10},  // 2^32 + 5 must not wrap round to 5
        {"1e20", SPIN_OUT_OF_RANGE, 10},
        {"-1e20", SPIN_OUT_OF_RANGE, 0},
        {"1e400", SPIN_OUT_OF_RANGE, 10},  // too large even for a double
        {"inf", SPIN_OUT_OF_RANGE, 10},
        {"-inf", SPIN_OUT_OF_RANGE, 0},
        {"nan", SPIN_INVALID, 3},
    };
    CIntSpinEdit edit(0, 10, 3, "%d");
    ASSERT_TRUE(Attach(edit));
    for (const Case& c : cases) {
        Type(c.text);
        ASSERT_EQ(Text(), c.text);
        EXPECT_EQ(edit.CheckValue(FALSE), c.status) << '"' << c.text << '"';
        EXPECT_EQ(edit.IsValueValid(FALSE), c.status == SPIN_VALUE_OK) << '"' << c.text << '"';
        EXPECT_EQ(edit.IsWholeNumber(), c.status != SPIN_NOT_WHOLE) << '"' << c.text << '"';
        EXPECT_EQ(edit.GetValue(), c.value) << '"' << c.text << '"';
    }
    EXPECT_TRUE(MessageBoxes().empty()) << "no prompts unless asked";
}

TEST_F(SpinEditTest, IntegerEditAtTheEndsOfInt) {
    CIntSpinEdit edit(INT_MIN, INT_MAX, 0, "%d");
    ASSERT_TRUE(Attach(edit));
    Type("1e20");
    EXPECT_EQ(edit.CheckValue(FALSE), SPIN_VALUE_OK) << "the floor saturates at INT_MAX, which is the maximum";
    EXPECT_EQ(edit.GetValue(), INT_MAX);
    Type("-2147483648.5");
    EXPECT_EQ(edit.CheckValue(FALSE), SPIN_NOT_WHOLE) << "its floor saturates at INT_MIN, which is the minimum";
    EXPECT_EQ(edit.GetValue(), INT_MIN);
}

TEST_F(SpinEditTest, FloatingEditChecksTypedText) {
    struct Case {
        const char* text;
        int status;
        float value;
        bool onStep;
    };
    const Case cases[] = {
        {"2.5", SPIN_VALUE_OK, 2.5f, true},
        {"0.5", SPIN_VALUE_OK, 0.5f, true},
        {"1.25", SPIN_VALUE_OK, 1.25f, false},
        {"2.6", SPIN_OUT_OF_RANGE, 2.5f, true},
        {"0.4", SPIN_OUT_OF_RANGE, 0.5f, true},
        {"1e39", SPIN_OUT_OF_RANGE, 2.5f, true},  // beyond float
        {"-1e39", SPIN_OUT_OF_RANGE, 0.5f, true},
        {"1,5", SPIN_INVALID, 1.0f, true},
        {"", SPIN_INVALID, 1.0f, true},
        {"nan", SPIN_INVALID, 1.0f, true},
    };
    CFloatSpinEdit edit(0.5f, 2.5f, 1.0f, 1, "%.1f");
    ASSERT_TRUE(Attach(edit));
    for (const Case& c : cases) {
        Type(c.text);
        EXPECT_EQ(edit.CheckValue(FALSE), c.status) << '"' << c.text << '"';
        EXPECT_EQ(edit.IsValueValid(FALSE), c.status == SPIN_VALUE_OK) << '"' << c.text << '"';
        EXPECT_EQ(edit.GetValue(), c.value) << '"' << c.text << '"';
        EXPECT_EQ(edit.IsOnStep(), c.onStep) << '"' << c.text << '"';
    }
    EXPECT_TRUE(MessageBoxes().empty()) << "no prompts unless asked";
}

TEST_F(SpinEditTest, FloatingEditScaleIsTenToTheDecimals) {
    struct Case {
        int decimals;
        float scale;
    };
    const Case cases[] = {{0, 1.0f}, {1, 10.0f}, {3, 1000.0f}, {-1, 0.1f}, {-2, 0.01f}};
    for (const Case& c : cases)
        EXPECT_EQ(CFloatSpinEdit(0, 1, 0, c.decimals, "%f").m_fScale, c.scale) << c.decimals << " decimals";
}

TEST_F(SpinEditTest, PromptsSelectTheTextAndFocusTheEdit) {
    struct Case {
        const char* name;
        bool floating;
        const char* text;
        int status;
        const char* prompt;  // nullptr: none
    };
    const Case cases[] = {
        {"integer above the maximum", false, "15", SPIN_OUT_OF_RANGE, kOutOfRangeText},
        {"integer not a number", false, "abc", SPIN_INVALID, kNotANumberText},
        {"integer fraction", false, "5.5", SPIN_NOT_WHOLE, kNotANumberText},
        {"integer empty", false, "", SPIN_INVALID, kNotANumberText},
        {"floating below the minimum", true, "0.1", SPIN_OUT_OF_RANGE, kOutOfRangeText},
        {"floating not a number", true, "1.5x", SPIN_INVALID, kNotANumberText},
        {"a valid number", false, "5", SPIN_VALUE_OK, nullptr},
    };
    for (const Case& c : cases) {
        Reopen();
        std::unique_ptr<CSpinEdit> edit;
        if (c.floating)
            edit = std::make_unique<CFloatSpinEdit>(0.5f, 2.5f, 1.0f, 1, "%.1f");
        else
            edit = std::make_unique<CIntSpinEdit>(0, 10, 3, "%d");
        ASSERT_TRUE(Attach(*edit));
        Type(c.text);
        Click(m_dialog.Item(kOtherEditId));
        const size_t nBefore = MessageBoxes().size();

        EXPECT_EQ(edit->IsValueValid(TRUE), c.status == SPIN_VALUE_OK) << c.name;
        if (!c.prompt) {
            EXPECT_EQ(MessageBoxes().size(), nBefore) << c.name;
            EXPECT_EQ(::GetFocus(), m_dialog.Item(kOtherEditId)) << c.name;
            continue;
        }
        ASSERT_EQ(MessageBoxes().size(), nBefore + 1) << c.name;
        EXPECT_EQ(MessageBoxes().back().text, c.prompt) << c.name;
        EXPECT_EQ(MessageBoxes().back().type, static_cast<UINT>(MB_OK)) << c.name;
        EXPECT_EQ(::GetFocus(), Edit()) << c.name;
        const auto sel = static_cast<DWORD>(::SendMessageA(Edit(), EM_GETSEL, 0, 0));
        EXPECT_EQ(LOWORD(sel), 0) << c.name;
        EXPECT_EQ(HIWORD(sel), Text().size()) << c.name << ": the whole text is selected";
        EXPECT_EQ(edit->CheckValue(TRUE), c.status) << c.name;
    }
}

TEST_F(SpinEditTest, SetValueOnAnAttachedEditShowsButDoesNotCommit) {
    CIntSpinEdit edit(0, 10, 3, "%d");
    ASSERT_TRUE(Attach(edit));
    edit.SetValue(20);
    EXPECT_EQ(Text(), "10");
    EXPECT_EQ(SpinPos(), 0);
    edit.SetValue(-4);
    EXPECT_EQ(Text(), "0");
    EXPECT_EQ(SpinPos(), 10);
    EXPECT_EQ(edit.m_nValue, 3);

    Reopen();
    CIntSpinEdit outside(0, 10, 50, "%d");
    ASSERT_TRUE(Attach(outside));
    outside.SetValue(4);
    EXPECT_EQ(Text(), "4");
    EXPECT_EQ(outside.m_nValue, 0) << "a committed value outside the bounds falls back to the minimum";

    Reopen();
    CFloatSpinEdit fedit(0.5f, 2.5f, 1.0f, 1, "%.1f");
    ASSERT_TRUE(Attach(fedit));
    fedit.SetValue(7.5f);
    EXPECT_EQ(Text(), "7.5") << "not clamped";
    EXPECT_EQ(SpinPos(), 0);
    fedit.SetValue(2.0f);
    EXPECT_EQ(SpinPos(), 5);
    EXPECT_EQ(fedit.m_fValue, 1.0f);
}

TEST_F(SpinEditTest, SetValueOnADetachedEditCommits) {
    CIntSpinEdit edit(0, 10, 3, "%d");
    edit.SetValue(20);
    EXPECT_EQ(edit.m_nValue, 10) << "clamped";
    EXPECT_EQ(edit.GetValue(), 10);
    CFloatSpinEdit fedit(0.5f, 2.5f, 1.0f, 1, "%.1f");
    fedit.SetValue(7.5f);
    EXPECT_EQ(fedit.m_fValue, 7.5f) << "not clamped";
    EXPECT_EQ(fedit.GetValue(), 7.5f);
}

// ---- Steps ----

TEST_F(SpinEditTest, IntegerEditStepsFromWhatTheTextSays) {
    struct Case {
        const char* name;
        int min, max, value;
        const char* typed;
        const char* actions;  // 'u' upper arrow, 'd' lower arrow, 't' types `typed`
        const char* expected;
    };
    const Case cases[] = {
        {"up from the committed value", 0, 10, 3, "", "u", "4"},
        {"down from the committed value", 0, 10, 3, "", "d", "2"},
        {"typed 5.5, up: the step above", 0, 10, 3, "5.5", "tu", "6"},
        {"typed 5.5, down: its floor", 0, 10, 3, "5.5", "td", "5"},
        {"typed 5.0 where a step showed 5: up from the button", 0, 10, 4, "5.0", "utu", "6"},
        {"typed 5.0 where a step showed 5: down from the button", 0, 10, 4, "5.0", "utd", "4"},
        {"up at the maximum stays", 0, 10, 9, "", "uu", "10"},
        {"down at the minimum stays", 0, 10, 1, "", "dd", "0"},
        {"typed 10.5, up: asks for -1 and stays at 10", 0, 10, 3, "10.5", "tu", "10"},
        {"typed 15, up: from the maximum", 0, 10, 3, "15", "tu", "10"},
        {"typed -1e20 after a step, down: from the minimum", 0, 10, 3, "-1e20", "utd", "0"},
        {"typed abc, down: from the committed value", 0, 10, 3, "abc", "td", "2"},
        {"negative bounds", -5, 5, 0, "", "dd", "-2"},
        {"the whole of int: up from 0", INT_MIN, INT_MAX, 0, "", "u", "1"},
        {"the whole of int: up to INT_MAX", INT_MIN, INT_MAX, INT_MAX - 1, "", "uu", "2147483647"},
    };
    for (const Case& c : cases) {
        Reopen();
        CIntSpinEdit edit(c.min, c.max, c.value, "%d");
        ASSERT_TRUE(Attach(edit)) << c.name;
        Act(c.actions, c.typed);
        EXPECT_EQ(Text(), c.expected) << c.name;
        const long long nValue = std::atoll(c.expected);
        EXPECT_EQ(SpinPos(), static_cast<long long>(c.max) - nValue) << c.name << ": the button follows the text";
        EXPECT_EQ(edit.m_nLastValue, nValue) << c.name;
        EXPECT_EQ(m_dialog.m_stepped.size(), Clicks(c.actions)) << c.name << ": one notification a click";
    }
}

TEST_F(SpinEditTest, FloatingEditStepsByItsLastDecimal) {
    struct Case {
        const char* name;
        float min, max, value;
        int decimals;
        const char* format;
        const char* typed;
        const char* actions;
        const char* expected;
    };
    const Case cases[] = {
        {"up from the committed value", 0.5f, 2.5f, 1.0f, 1, "%.1f", "", "u", "1.1"},
        {"down from the committed value", 0.5f, 2.5f, 1.0f, 1, "%.1f", "", "d", "0.9"},
        {"up at the maximum stays", 0.5f, 2.5f, 2.4f, 1, "%.1f", "", "uu", "2.5"},
        {"down at the minimum stays", 0.5f, 2.5f, 0.6f, 1, "%.1f", "", "dd", "0.5"},
        {"typed 1.5, up", 0.5f, 2.5f, 1.0f, 1, "%.1f", "1.5", "tu", "1.6"},
        {"typed 3, up: from the maximum", 0.5f, 2.5f, 1.0f, 1, "%.1f", "3", "tu", "2.5"},
        {"typed 3, down: below the maximum", 0.5f, 2.5f, 1.0f, 1, "%.1f", "3", "td", "2.4"},
        {"typed 5.55, up: the step above", 0.0f, 10.0f, 5.0f, 1, "%.1f", "5.55", "tu", "5.6"},
        {"typed 5.55, down: the step below", 0.0f, 10.0f, 5.0f, 1, "%.1f", "5.55", "td", "5.5"},
        {"two decimals", 0.0f, 1.0f, 0.5f, 2, "%.2f", "", "uu", "0.52"},
        {"no decimals", 0.0f, 10.0f, 3.0f, 0, "%.0f", "", "d", "2"},
    };
    for (const Case& c : cases) {
        Reopen();
        CFloatSpinEdit edit(c.min, c.max, c.value, c.decimals, c.format);
        ASSERT_TRUE(Attach(edit)) << c.name;
        Act(c.actions, c.typed);
        EXPECT_EQ(Text(), c.expected) << c.name;
        EXPECT_EQ(edit.m_fLastValue, std::strtof(c.expected, nullptr)) << c.name;
        EXPECT_EQ(m_dialog.m_stepped.size(), Clicks(c.actions)) << c.name << ": one notification a click";
    }
}

TEST_F(SpinEditTest, EqualBoundsRewriteTheTextAndPostNothing) {
    CIntSpinEdit edit(5, 5, 5, "%d");
    ASSERT_TRUE(Attach(edit));
    Act("tu", "7");
    EXPECT_EQ(Text(), "5");
    EXPECT_EQ(edit.m_nLastValue, 5);
    Act("td", "x");
    EXPECT_EQ(Text(), "5");

    Reopen();
    CFloatSpinEdit fedit(1.5f, 1.5f, 1.5f, 1, "%.1f");
    ASSERT_TRUE(Attach(fedit));
    Act("tu", "2");
    EXPECT_EQ(Text(), "1.5");
    EXPECT_TRUE(m_dialog.m_stepped.empty());
}

// The parent learns of the step from its queue, once the click has been
// handled, with the edit's ID and window.
TEST_F(SpinEditTest, SteppedIsPostedToTheParentAfterTheStep) {
    CIntSpinEdit edit(0, 10, 3, "%d");
    ASSERT_TRUE(Attach(edit));
    win32::headless::ClickAt(spin_test::PointOn(Spin(), Half::Upper));
    std::vector<MSG> queued;
    MSG msg{};
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        queued.push_back(msg);
        if (!::IsDialogMessageA(m_dialog.m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    const auto click = std::find_if(queued.begin(), queued.end(),
                                    [&](const MSG& m) { return m.message == WM_LBUTTONDOWN && m.hwnd == Spin(); });
    const auto stepped = std::find_if(queued.begin(), queued.end(), [&](const MSG& m) {
        return m.message == WM_COMMAND && m.hwnd == m_dialog.m_hWnd && HIWORD(m.wParam) == SEN_STEPPED;
    });
    ASSERT_NE(click, queued.end());
    ASSERT_NE(stepped, queued.end()) << "posted, so it passes through the queue";
    EXPECT_GT(stepped, click);
    EXPECT_EQ(LOWORD(stepped->wParam), kEditId);
    EXPECT_EQ(reinterpret_cast<HWND>(stepped->lParam), Edit());
    ASSERT_EQ(m_dialog.m_stepped.size(), 1u);
    EXPECT_EQ(m_dialog.m_stepped[0].nID, kEditId);
    EXPECT_EQ(m_dialog.m_stepped[0].strTextOnArrival, "4") << "the step has finished when the parent hears of it";
}

// ---- The end of the window ----

TEST_F(SpinEditTest, ClosingTheDialogCommitsTheTextsValue) {
    struct Case {
        const char* typed;
        int committed;
    };
    const Case cases[] = {{"7", 7}, {"15", 10}, {"5.5", 5}, {"abc", 3}};
    for (const Case& c : cases) {
        Reopen();
        CIntSpinEdit edit(0, 10, 3, "%d");
        ASSERT_TRUE(Attach(edit));
        Type(c.typed);
        m_dialog.DestroyWindow();
        EXPECT_EQ(edit.m_nValue, c.committed) << '"' << c.typed << '"';
        EXPECT_EQ(edit.m_pSpin, nullptr);
        EXPECT_EQ(edit.m_hWnd, nullptr);
        EXPECT_EQ(edit.CheckValue(TRUE), SPIN_INVALID) << "detached again, silently";
        EXPECT_EQ(edit.GetValue(), c.committed);
    }
    EXPECT_TRUE(MessageBoxes().empty());

    Reopen();
    CFloatSpinEdit fedit(0.5f, 2.5f, 1.0f, 1, "%.1f");
    ASSERT_TRUE(Attach(fedit));
    Type("1.7");
    m_dialog.DestroyWindow();
    EXPECT_EQ(fedit.m_fValue, 1.7f);
    EXPECT_EQ(fedit.m_pSpin, nullptr);
}

TEST_F(SpinEditTest, TheKindsKnowTheirClasses) {
    const CIntSpinEdit edit(0, 10, 3, "%d");
    const CFloatSpinEdit fedit(0, 1, 0, 1, "%.1f");
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CIntSpinEdit)));
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CSpinEdit)));
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CEdit)));
    EXPECT_FALSE(edit.IsKindOf(RUNTIME_CLASS(CFloatSpinEdit)));
    EXPECT_TRUE(fedit.IsKindOf(RUNTIME_CLASS(CSpinEdit)));
    EXPECT_FALSE(fedit.IsKindOf(RUNTIME_CLASS(CIntSpinEdit)));
    EXPECT_STREQ(edit.GetRuntimeClass()->m_lpszClassName, "CIntSpinEdit");
    EXPECT_EQ(CRuntimeClass::CreateObject("CIntSpinEdit"), nullptr) << "no creation by name";
}

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
