// The options tab's toolbox, on a page shown in a modeless sheet: clearing,
// recording and replaying control values, groups of controls, the caption
// timer, drawing a bitmap (read back pixel by pixel), the sheet's Close
// button, and loading and saving under another source name.
#include <cfg_tab.h>
#include <gtest/gtest.h>
#include <win32_dialog_template.h>
#include <win32_driver.h>
#include <win32_resources.h>

#include <ostream>
#include <string>
#include <vector>

// A record in a failure message (found by argument-dependent look-up).
static void PrintTo(const ControlState& state, std::ostream* os) {
    *os << "{" << state.nID << ", \"" << state.strText << "\", " << state.nCheck << "}";
}

namespace {

namespace headless = win32::headless;

// The page's controls, in z-order.
constexpr UINT IDD_TOOLBOX_PAGE = 7000;
constexpr int IDC_FIRST_EDIT = 7001;
constexpr int IDC_SECOND_EDIT = 7002;
constexpr int IDC_THIRD_EDIT = 7003;
constexpr int IDC_COMBO = 7004;      // drop-down list: Alpha, Beta, Gamma
constexpr int IDC_AUTO_CHECK = 7005;
constexpr int IDC_PLAIN_CHECK = 7006;
constexpr int IDC_THREE_STATE = 7007;
constexpr int IDC_RADIO = 7008;
constexpr int IDC_PUSH = 7009;
constexpr int IDC_CAPTION_A = 7010;
constexpr int IDC_CAPTION_B = 7011;
constexpr int IDC_FRAME = 7012;      // the static the bitmap is drawn into
constexpr int IDC_MISSING = 7099;

constexpr UINT IDS_FIRST_A = 7101;
constexpr UINT IDS_FIRST_B = 7102;
constexpr UINT IDS_SECOND_A = 7103;
constexpr UINT IDS_SECOND_B = 7104;

const char* const kComboEntries[] = {"Alpha", "Beta", "Gamma"};

const win32::DialogTemplate kToolboxPage{
    {.caption = "Toolbox", .style = WS_CHILD | DS_CONTROL, .cx = 220, .cy = 150, .fontName = "MS Sans Serif"},
    {
        {"Edit", "", IDC_FIRST_EDIT, 5, 5, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {"Edit", "", IDC_SECOND_EDIT, 70, 5, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {"Edit", "", IDC_THIRD_EDIT, 135, 5, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {"ComboBox", "", IDC_COMBO, 5, 22, 60, 50, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {"Button", "&Auto", IDC_AUTO_CHECK, 5, 40, 60, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {"Button", "&Plain", IDC_PLAIN_CHECK, 70, 40, 60, 10, BS_CHECKBOX | WS_TABSTOP},
        {"Button", "&Three", IDC_THREE_STATE, 135, 40, 60, 10, BS_AUTO3STATE | WS_TABSTOP},
        {"Button", "&Radio", IDC_RADIO, 5, 55, 60, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
        {"Button", "P&ush", IDC_PUSH, 70, 55, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {"Button", "A", IDC_CAPTION_A, 5, 75, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {"Button", "B", IDC_CAPTION_B, 50, 75, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {"Static", "", IDC_FRAME, 5, 95, 40, 40, SS_LEFT},
    }};

const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_TOOLBOX_PAGE), kToolboxPage.Bytes().data(),
     static_cast<DWORD>(kToolboxPage.Size())},
};
const WIN32_STRING_RESOURCE kStrings[] = {
    {IDS_FIRST_A, "First A"},
    {IDS_FIRST_B, "First B"},
    {IDS_SECOND_A, "Second A"},
    {IDS_SECOND_B, "Second B"},
};
const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), kStrings, WIN32_COUNT_OF(kStrings)};

// A page that records what the base asks of it.
class CToolboxPage : public CCfgTab {
public:
    CToolboxPage() : CCfgTab("source", "extra", "protocol", IDD_TOOLBOX_PAGE, 0) {}

    std::vector<std::string> m_loadedFrom;  // m_strSource at each LoadOptions
    std::vector<std::string> m_savedTo;     // m_strSource at each SaveOptions
    std::vector<int> m_clicked;             // BN_CLICKED commands the page received
    std::vector<HWND> m_clickedWindows;     // their lParam
    int m_nCaptionTimerEnds = 0;

    void LoadOptions() override { m_loadedFrom.push_back(m_strSource); }
    void SaveOptions() override { m_savedTo.push_back(m_strSource); }
    void RestoreDefaults() override {}
    void EndCaptionTimer() override {
        ++m_nCaptionTimerEnds;
        CCfgTab::EndCaptionTimer();
    }

protected:
    BOOL OnInitDialog() override {
        CCfgTab::OnInitDialog();
        for (const char* entry : kComboEntries) {
            SendDlgItemMessage(IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        }
        return TRUE;
    }
    afx_msg void OnClicked(UINT nID) {
        m_clicked.push_back(static_cast<int>(nID));
        m_clickedWindows.push_back(reinterpret_cast<HWND>(GetCurrentMessage()->lParam));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolboxPage, CCfgTab)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_FIRST_EDIT, IDC_FRAME, OnClicked)
END_MESSAGE_MAP()

// The sheet's owner, and so the grandparent of its pages.
class COwnerWindow : public CWnd {
public:
    int m_nCancelToClose = 0;

protected:
    afx_msg LRESULT OnCancelToClose(WPARAM, LPARAM) {
        ++m_nCancelToClose;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWindow, CWnd)
    ON_MESSAGE(PSM_CANCELTOCLOSE, OnCancelToClose)
END_MESSAGE_MAP()

class ToolboxTest : public ::testing::Test {
public:
    void SetUp() override {
        win32::ResetWindowSystem();
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPED, CRect(0, 0, 300, 300), nullptr, 0));
        m_sheet.AddPage(&m_page);
        ASSERT_TRUE(m_sheet.Create(&m_owner));
        ASSERT_NE(m_page.m_hWnd, nullptr);
        headless::PumpMessages(m_sheet.m_hWnd);
    }
    void TearDown() override {
        win32::ResetWindowSystem();
        m_app.OnIdle(0);
    }

    HWND Item(int nID) const { return ::GetDlgItem(m_page.m_hWnd, nID); }
    LRESULT Send(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(Item(nID), message, wParam, lParam);
    }
    void SetText(int nID, const char* text) const { ::SetWindowTextA(Item(nID), text); }
    void SetCheck(int nID, int nCheck) const { Send(nID, BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    void Select(int nID, int nIndex) const { Send(nID, CB_SETCURSEL, static_cast<WPARAM>(nIndex)); }

    // What a user sees of a control, in one line.
    std::string StateOf(int nID) const {
        HWND hWnd = Item(nID);
        char className[64] = {};
        ::GetClassNameA(hWnd, className, sizeof className);
        const std::string name = className;
        const std::string text = CWnd::FromHandle(hWnd)->GetWindowText();
        if (name == "Edit") return "text=" + text;
        if (name == "ComboBox") {
            return "sel=" + std::to_string(Send(nID, CB_GETCURSEL)) +
                   " count=" + std::to_string(Send(nID, CB_GETCOUNT)) + " text=" + text;
        }
        const LONG type = ::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
        return "type=" + std::to_string(type) + " check=" + std::to_string(Send(nID, BM_GETCHECK));
    }

    CWinApp m_app{"Toolbox Tests"};
    COwnerWindow m_owner;
    CToolboxPage m_page;
    CPropertySheet m_sheet{"Options"};
};

TEST_F(ToolboxTest, ClearingLeavesEveryControlWithoutAValue) {
    SetText(IDC_FIRST_EDIT, "text");
    Select(IDC_COMBO, 1);
    SetCheck(IDC_AUTO_CHECK, BST_CHECKED);
    SetCheck(IDC_PLAIN_CHECK, BST_CHECKED);
    SetCheck(IDC_THREE_STATE, BST_CHECKED);
    SetCheck(IDC_RADIO, BST_CHECKED);

    m_page.ClearControls();

    struct Row {
        const char* name;
        int nID;
        std::string expected;
    };
    const Row rows[] = {
        {"an edit is emptied", IDC_FIRST_EDIT, "text="},
        {"a combo box loses its selection", IDC_COMBO, "sel=-1 count=3 text="},
        {"an automatic check box becomes an automatic three-state box, indeterminate", IDC_AUTO_CHECK,
         "type=6 check=2"},
        {"so does a check box that is not automatic", IDC_PLAIN_CHECK, "type=6 check=2"},
        {"a three-state box shows the indeterminate state", IDC_THREE_STATE, "type=6 check=2"},
        {"a radio button is cleared", IDC_RADIO, "type=9 check=0"},
        {"a push button stays a push button", IDC_PUSH, "type=0 check=0"},
    };
    for (const Row& row : rows) EXPECT_EQ(StateOf(row.nID), row.expected) << row.name;

    // The former two-state box now cycles as a three-state one does.
    headless::Click(Item(IDC_AUTO_CHECK));
    headless::PumpMessages(m_sheet.m_hWnd);
    EXPECT_EQ(StateOf(IDC_AUTO_CHECK), "type=6 check=0") << "a click moves indeterminate on to cleared";
}

TEST_F(ToolboxTest, RecordingWritesTheControlsThatHaveAValueUpToTheCapacity) {
    // What a record holds before the page writes it: fields the control's kind
    // does not use must keep it.
    const ControlState kUntouched{-1, "untouched", -1};
    struct Row {
        const char* name;
        void (*setUp)(ToolboxTest&);
        bool bCapture;
        int nCapacity;
        std::vector<ControlState> expected;
    };
    const Row rows[] = {
        {"recording off writes nothing and counts 0",
         [](ToolboxTest& t) { t.SetText(IDC_FIRST_EDIT, "one"); },
         false, 5, {}},
        {"a capacity of 2 keeps the first two filled edits in z-order",
         [](ToolboxTest& t) {
             t.SetText(IDC_FIRST_EDIT, "one");
             t.SetText(IDC_SECOND_EDIT, "two");
             t.SetText(IDC_THIRD_EDIT, "three");
         },
         true, 2, {{IDC_FIRST_EDIT, "one", -1}, {IDC_SECOND_EDIT, "two", -1}}},
        {"empty edits and an indeterminate three-state box are skipped",
         [](ToolboxTest& t) {
             t.Select(IDC_COMBO, 1);
             t.SetCheck(IDC_AUTO_CHECK, BST_CHECKED);
             t.SetCheck(IDC_THREE_STATE, BST_INDETERMINATE);
             t.SetCheck(IDC_RADIO, BST_CHECKED);
         },
         true, 10,
         {{IDC_COMBO, "Beta", -1}, {IDC_AUTO_CHECK, "untouched", 1}, {IDC_PLAIN_CHECK, "untouched", 0},
          {IDC_RADIO, "untouched", 1}}},
        {"a combo box without a selection is skipped",
         [](ToolboxTest& t) { t.SetCheck(IDC_THREE_STATE, BST_CHECKED); },
         true, 10,
         {{IDC_AUTO_CHECK, "untouched", 0}, {IDC_PLAIN_CHECK, "untouched", 0}, {IDC_THREE_STATE, "untouched", 1},
          {IDC_RADIO, "untouched", 0}}},
    };
    for (const Row& row : rows) {
        m_page.ClearControls();
        for (int nID : {IDC_AUTO_CHECK, IDC_PLAIN_CHECK, IDC_THREE_STATE, IDC_RADIO}) SetCheck(nID, BST_UNCHECKED);
        row.setUp(*this);
        m_page.m_bCaptureStates = row.bCapture;

        std::vector<ControlState> states(static_cast<size_t>(row.nCapacity), kUntouched);
        int nCount = row.nCapacity;
        m_page.SaveControlStates(&nCount, states.data());

        ASSERT_EQ(nCount, static_cast<int>(row.expected.size())) << row.name;
        states.resize(static_cast<size_t>(nCount));
        EXPECT_EQ(states, row.expected) << row.name;
    }
}

TEST_F(ToolboxTest, ReplayingGivesEachControlItsValueAndReportsSetButtonsAsClicks) {
    struct Row {
        const char* name;
        ControlState record;
        int nID;  // the control looked at afterwards
        std::string expected;
        std::vector<int> clicked;
    };
    const Row rows[] = {
        {"a combo box text not in the list is appended and selected", {IDC_COMBO, "Delta", 0}, IDC_COMBO,
         "sel=3 count=4 text=Delta", {}},
        {"a combo box text that begins an entry selects that entry", {IDC_COMBO, "be", 0}, IDC_COMBO,
         "sel=1 count=3 text=Beta", {}},
        {"an edit gets its text", {IDC_SECOND_EDIT, "new", 0}, IDC_SECOND_EDIT, "text=new", {}},
        {"an empty edit text changes nothing", {IDC_FIRST_EDIT, "", 0}, IDC_FIRST_EDIT, "text=keep", {}},
        {"a set check box is checked and reported as one click", {IDC_AUTO_CHECK, "", 1}, IDC_AUTO_CHECK,
         "type=3 check=1", {IDC_AUTO_CHECK}},
        {"a cleared radio button is cleared and not reported", {IDC_RADIO, "", 0}, IDC_RADIO, "type=9 check=0", {}},
        {"a missing control is skipped", {IDC_MISSING, "x", 1}, IDC_FIRST_EDIT, "text=keep", {}},
    };
    for (const Row& row : rows) {
        SetText(IDC_FIRST_EDIT, "keep");
        SetText(IDC_SECOND_EDIT, "");
        Send(IDC_COMBO, CB_RESETCONTENT);
        for (const char* entry : kComboEntries) Send(IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        SetCheck(IDC_AUTO_CHECK, BST_UNCHECKED);
        SetCheck(IDC_RADIO, BST_CHECKED);
        m_page.m_clicked.clear();
        m_page.m_clickedWindows.clear();

        m_page.RestoreControlStates(1, &row.record);

        EXPECT_EQ(StateOf(row.nID), row.expected) << row.name;
        EXPECT_EQ(m_page.m_clicked, row.clicked) << row.name;
        if (!row.clicked.empty()) {
            EXPECT_EQ(m_page.m_clickedWindows, std::vector<HWND>{Item(row.clicked.front())}) << row.name;
        }
    }
}

TEST_F(ToolboxTest, GroupsAreEnabledThenDisabled) {
    struct Row {
        const char* name;
        std::vector<int> enable;  // empty: no list at all
        std::vector<int> disable;
        std::vector<BOOL> expected;  // the first, second and third edit
    };
    const Row rows[] = {
        {"the first list is enabled, the second disabled", {IDC_FIRST_EDIT, 0}, {IDC_THIRD_EDIT, 0},
         {TRUE, TRUE, FALSE}},
        {"an ID in both lists ends disabled", {IDC_FIRST_EDIT, IDC_SECOND_EDIT, 0}, {IDC_SECOND_EDIT, 0},
         {TRUE, FALSE, TRUE}},
        {"an empty enable list leaves the disable list to act", {0}, {IDC_SECOND_EDIT, 0}, {FALSE, FALSE, TRUE}},
        {"missing controls are skipped", {IDC_MISSING, IDC_FIRST_EDIT, 0}, {IDC_MISSING, 0}, {TRUE, TRUE, TRUE}},
        {"without an enable list nothing happens", {}, {IDC_SECOND_EDIT, 0}, {FALSE, TRUE, TRUE}},
    };
    for (const Row& row : rows) {
        ::EnableWindow(Item(IDC_FIRST_EDIT), FALSE);
        ::EnableWindow(Item(IDC_SECOND_EDIT), TRUE);
        ::EnableWindow(Item(IDC_THIRD_EDIT), TRUE);

        CCfgTab::EnableControlGroups(row.enable.empty() ? nullptr : row.enable.data(), &m_page, row.disable.data());

        std::vector<BOOL> enabled;
        for (int nID : {IDC_FIRST_EDIT, IDC_SECOND_EDIT, IDC_THIRD_EDIT}) {
            enabled.push_back(::IsWindowEnabled(Item(nID)));
        }
        EXPECT_EQ(enabled, row.expected) << row.name;
    }
    EXPECT_TRUE(win32::Headless().MessageBoxes().empty());
}

TEST_F(ToolboxTest, ACaptionTimerStartedTwiceChangesTheCaptionsOnceAtTheSecondDelay) {
    ASSERT_TRUE(m_page.m_btnCaptionA.SubclassDlgItem(IDC_CAPTION_A, &m_page));
    ASSERT_TRUE(m_page.m_btnCaptionB.SubclassDlgItem(IDC_CAPTION_B, &m_page));
    const auto captions = [this] {
        return m_page.m_btnCaptionA.GetWindowText() + "|" + m_page.m_btnCaptionB.GetWindowText();
    };

    EXPECT_EQ(m_page.StartCaptionTimer(IDS_FIRST_A, IDS_FIRST_B, 5, 100), CFG_TAB_CAPTION_TIMER_ID);
    EXPECT_EQ(m_page.StartCaptionTimer(IDS_SECOND_A, IDS_SECOND_B, 6, 300), CFG_TAB_CAPTION_TIMER_ID);
    EXPECT_EQ(m_page.m_nTimerValue, 6);

    win32::Headless().AdvanceClock(150);
    headless::PumpMessages(m_sheet.m_hWnd);
    EXPECT_EQ(captions(), "A|B") << "the first timer was replaced";
    EXPECT_EQ(m_page.m_nCaptionTimer, CFG_TAB_CAPTION_TIMER_ID);

    win32::Headless().AdvanceClock(150);
    headless::PumpMessages(m_sheet.m_hWnd);
    EXPECT_EQ(captions(), "Second A|Second B");
    EXPECT_EQ(m_page.m_nCaptionTimer, 0U);

    m_page.m_btnCaptionA.SetWindowText("A");
    win32::Headless().AdvanceClock(1000);
    headless::PumpMessages(m_sheet.m_hWnd);
    EXPECT_EQ(m_page.m_nCaptionTimerEnds, 1) << "the timer fires once";
    EXPECT_EQ(captions(), "A|Second B");
}

TEST_F(ToolboxTest, AnyTimerOfThePageEndsTheCaptionTimer) {
    constexpr UINT_PTR kPageTimer = 7;
    ASSERT_TRUE(m_page.m_btnCaptionA.SubclassDlgItem(IDC_CAPTION_A, &m_page));
    ASSERT_TRUE(m_page.m_btnCaptionB.SubclassDlgItem(IDC_CAPTION_B, &m_page));
    m_page.StartCaptionTimer(IDS_FIRST_A, IDS_FIRST_B, 0, 1000);
    m_page.SetTimer(kPageTimer, 10);

    win32::Headless().AdvanceClock(10);
    headless::PumpMessages(m_sheet.m_hWnd);
    m_page.KillTimer(kPageTimer);

    EXPECT_EQ(m_page.m_btnCaptionA.GetWindowText(), "First A");
    EXPECT_EQ(m_page.m_nCaptionTimer, 0U);
}

TEST_F(ToolboxTest, WithoutCaptionButtonsTheTimerEndsAndNoCaptionChanges) {
    ASSERT_TRUE(m_page.m_btnCaptionA.SubclassDlgItem(IDC_CAPTION_A, &m_page));
    m_page.StartCaptionTimer(IDS_FIRST_A, IDS_FIRST_B, 0, 100);
    win32::Headless().AdvanceClock(100);
    headless::PumpMessages(m_sheet.m_hWnd);
    EXPECT_EQ(m_page.m_btnCaptionA.GetWindowText(), "A") << "the second button has no window";
    EXPECT_EQ(m_page.m_nCaptionTimer, 0U);
}

// ---- Drawing a bitmap ----

constexpr COLORREF kMarker = RGB(255, 0, 255);  // what the control showed before: must be painted over

// A 4 x 2 bitmap whose every pixel has its own colour.
constexpr int kBitmapWidth = 4;
constexpr int kBitmapHeight = 2;
constexpr COLORREF kBitmapPixels[kBitmapHeight][kBitmapWidth] = {
    {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0)},
    {RGB(0, 200, 200), RGB(200, 0, 200), RGB(100, 50, 0), RGB(0, 50, 100)},
};

COLORREF BitmapPixel(int x, int y) { return kBitmapPixels[y][x]; }

void CreateTestBitmap(CBitmap& bitmap) {
    std::vector<BYTE> bits;
    for (const auto& row : kBitmapPixels) {
        for (COLORREF color : row) bits.insert(bits.end(), {GetBValue(color), GetGValue(color), GetRValue(color), 0});
    }
    ASSERT_TRUE(bitmap.CreateBitmap(kBitmapWidth, kBitmapHeight, 1, 32, bits.data()));
}

TEST_F(ToolboxTest, ABitmapIsCentredWhenItFitsAndStretchedWhenItDoesNot) {
    const COLORREF kBackground = ::GetSysColor(COLOR_3DFACE);  // a static paints its background so
    struct Pixel {
        int x;
        int y;
        COLORREF color;
    };
    struct Row {
        const char* name;
        SIZE dimension;  // recorded on the bitmap
        SIZE control;    // the frame's client size
        std::vector<Pixel> pixels;
        bool bCovered = false;  // every pixel of the control shows the bitmap
    };
    const Row rows[] = {
        {"centred, the odd pixels going right and down",
         {4, 2},
         {9, 5},
         {{1, 1, kBackground}, {2, 1, BitmapPixel(0, 0)}, {5, 2, BitmapPixel(3, 1)}, {6, 1, kBackground},
          {2, 0, kBackground}, {2, 3, kBackground}, {8, 4, kBackground}}},
        {"a recorded dimension smaller than the pixels draws only that much",
         {2, 1},
         {9, 5},
         {{3, 2, BitmapPixel(0, 0)}, {4, 2, BitmapPixel(1, 0)}, {5, 2, kBackground}, {3, 3, kBackground}}},
        {"wider than the control: stretched over all of it",
         {4, 2},
         {3, 5},
         {{0, 0, BitmapPixel(0, 0)}, {0, 4, BitmapPixel(0, 1)}},
         true},
        {"taller than the control: stretched over all of it",
         {4, 2},
         {8, 1},
         {{0, 0, BitmapPixel(0, 0)}, {7, 0, BitmapPixel(3, 0)}},
         true},
    };
    CBitmap bitmap;
    CreateTestBitmap(bitmap);
    CWnd* pFrame = m_page.GetDlgItem(IDC_FRAME);
    for (const Row& row : rows) {
        pFrame->MoveWindow(0, 0, row.control.cx, row.control.cy);
        headless::PumpMessages(m_sheet.m_hWnd);
        {
            CClientDC before(pFrame);
            before.FillSolidRect(CRect(0, 0, row.control.cx, row.control.cy), kMarker);
        }
        bitmap.SetBitmapDimension(row.dimension.cx, row.dimension.cy);

        m_page.DrawBitmap(&bitmap, IDC_FRAME);

        CClientDC after(pFrame);
        for (const Pixel& pixel : row.pixels) {
            EXPECT_EQ(after.GetPixel(pixel.x, pixel.y), pixel.color) << row.name << " at " << pixel.x << "," << pixel.y;
        }
        for (int y = 0; y < row.control.cy; ++y) {
            for (int x = 0; x < row.control.cx; ++x) {
                const COLORREF color = after.GetPixel(x, y);
                ASSERT_NE(color, kMarker) << row.name << ": the background was not repainted at " << x << "," << y;
                if (row.bCovered) {
                    ASSERT_NE(color, kBackground) << row.name << ": not covered at " << x << "," << y;
                }
            }
        }
    }
}

// ---- The sheet, other sources ----

TEST_F(ToolboxTest, CancelToCloseIsAskedOfThePagesGrandparent) {
    m_page.SheetCancelToClose();
    EXPECT_EQ(m_owner.m_nCancelToClose, 1) << "the sheet's owner";

    CToolboxPage pageWithoutWindow;
    pageWithoutWindow.SheetCancelToClose();
    EXPECT_EQ(m_owner.m_nCancelToClose, 1);
}

TEST_F(ToolboxTest, LoadingAndSavingUnderAnotherNameNeedAName) {
    struct Row {
        const char* name;
        const char* source;
        std::vector<std::string> expected;  // m_strSource at each LoadOptions / SaveOptions
    };
    const Row rows[] = {
        {"a name becomes the source", "other", {"other"}},
        {"an empty name does nothing", "", {}},
        {"no name does nothing", nullptr, {}},
    };
    for (const Row& row : rows) {
        CToolboxPage page;
        page.LoadOptionsFrom(row.source);
        EXPECT_EQ(page.m_loadedFrom, row.expected) << row.name;
        page.m_strSource = "source";
        page.SaveOptionsTo(row.source);
        EXPECT_EQ(page.m_savedTo, row.expected) << row.name;
        EXPECT_EQ(page.m_strSource, row.source && *row.source ? row.source : "source") << row.name;
    }
}

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
