// The dialog extension on a real modeless dialog that carries it, as any
// dialog class of the toolkit may: the font choice by system and dialog
// language, read-only mode, the extra controls, the walks' limit of 200
// children, the features that turn the walks on, and the toolkit edits it
// validates and attaches to their spin buttons.
#include <afxwin.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <win32_dialog_template.h>
#include <win32_driver.h>
#include <win32_resources.h>

#include <dlg_ext.h>
#include <paredit.h>
#include <spin_button.h>
#include <spinedit.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "spin_test_support.h"
#include "temp_dir.h"

namespace {

namespace headless = win32::headless;
using testing_support::ScopedEnv;

// "ＭＳ Ｐゴシック" in code page 932, the face the extension picks for Japanese.
const std::string kJapaneseFace = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

constexpr char kLanguageVariable[] = "SYSKIT_OS_LANG";
constexpr char kWestern[] = "1";
constexpr char kJapanese[] = "3";

constexpr int kLabel = 101;
constexpr int kEdit = 102;
constexpr int kCheck = 103;
constexpr int kRadio = 104;
constexpr int kGroup = 105;
constexpr int kList = 106;
constexpr int kCombo = 107;
constexpr int kPush = 108;
constexpr int kSpin = 109;
constexpr int kBelowExtra = EXT_FIRST_EXTRA_ID - 1;
constexpr int kLastExtra = EXT_END_EXTRA_ID - 1;
constexpr int kFirstEdit = 201;
constexpr int kFirstSpin = 202;
constexpr int kSecondEdit = 203;
constexpr int kSecondSpin = 204;
constexpr int kPlainEdit = 205;
// The extension's fields after m_nControlIDs start with m_nControlCount: a
// walk that read past the list with the count 500 would find this ID there.
constexpr int kIdOfTheCountField = 500;
constexpr int kFirstAddedEdit = 1000;

constexpr UINT kAllWalks = EXT_READONLY | EXT_EXTRA_CONTROLS | EXT_LANGUAGE_FONTS;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
constexpr LONG kSmallHeight = 8;
constexpr LONG kLargeHeight = 13;

// Any dialog class may carry the extension: this one answers its questions
// for its own window and runs it at the end of its initialisation, after
// making m_nAddedEdits edit boxes of its own.
class CExtDialog : public CDialog, public CDlgExt {
public:
    CExtDialog() {
        m_nExtraShow = SW_HIDE;
        m_nFeatures = kAllWalks;
    }
    int m_nAddedEdits = 0;

    CWnd* GetFirstControl() override { return GetTopWindow(); }
    void GetDialogText(std::string& rText) override { GetWindowText(rText); }
    CWnd* GetControl(int nID) override { return GetDlgItem(nID); }
    CFont* GetDialogFont() override { return GetFont(); }

    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        constexpr int kEditWidth = 40;
        constexpr int kEditHeight = 12;
        for (int nEdit = 0; nEdit < m_nAddedEdits; ++nEdit) {
            const auto& pEdit = m_edits.emplace_back(std::make_unique<CEdit>());
            pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, kEditWidth, kEditHeight), this,
                          static_cast<UINT>(kFirstAddedEdit + nEdit));
            pEdit->SetFont(GetFont(), FALSE);
        }
        return InitExtension();
    }

private:
    std::vector<std::unique_ptr<CEdit>> m_edits;
};

win32::DialogTemplate ControlsDialog(win32::DialogHeader header) {
    header.caption = "Controls";
    header.style = kDialogStyle;
    header.cx = 300;
    header.cy = 200;
    return win32::DialogTemplate(
        header, {
                    {"Static", "&Label", kLabel, 5, 5, 40, 8, SS_LEFT},
                    {"Edit", "typed", kEdit, 50, 5, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
                    {"Button", "&Check", kCheck, 5, 20, 60, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
                    {"Button", "&Radio", kRadio, 5, 35, 60, 10, BS_AUTORADIOBUTTON},
                    {"Button", "Group", kGroup, 120, 5, 100, 60, BS_GROUPBOX},
                    {"ListBox", "", kList, 5, 50, 60, 40, LBS_NOTIFY | WS_BORDER},
                    {"ComboBox", "", kCombo, 70, 50, 60, 60, CBS_DROPDOWNLIST},
                    {"Button", "&Push", kPush, 5, 95, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
                    {UPDOWN_CLASSA, "", kSpin, 60, 95, 10, 14, UDS_ARROWKEYS},
                    {"Button", "OK", IDOK, 5, 150, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
                    {"Button", "Cancel", IDCANCEL, 60, 150, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
                    {"Button", "&Help", ID_HELP, 115, 150, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
                    {"Static", "below", kBelowExtra, 5, 120, 40, 8, SS_LEFT},
                    {"Static", "first extra", EXT_FIRST_EXTRA_ID, 50, 120, 40, 8, SS_LEFT},
                    {"Edit", "last extra", kLastExtra, 95, 120, 40, 12, WS_BORDER},
                    {"Static", "above", EXT_END_EXTRA_ID, 140, 120, 40, 8, SS_LEFT},
                    {"Edit", "", kIdOfTheCountField, 185, 120, 40, 12, WS_BORDER},
                });
}

const win32::DialogTemplate kWesternDialog =
    ControlsDialog({.fontName = "Arial", .extended = true, .charset = ANSI_CHARSET});

// Two edits with their spin buttons, and an edit without one.
const win32::DialogTemplate kSpinDialog{
    {.caption = "Spins", .style = kDialogStyle, .cx = 150, .cy = 80, .fontName = "MS Sans Serif"},
    {
        {"Edit", "", kFirstEdit, 5, 5, 40, 12, WS_BORDER | WS_TABSTOP},
        {SPIN_BUTTON_CLASS, "", kFirstSpin, 45, 5, 10, 12, 0},
        {"Edit", "", kSecondEdit, 5, 25, 40, 12, WS_BORDER | WS_TABSTOP},
        {SPIN_BUTTON_CLASS, "", kSecondSpin, 45, 25, 10, 12, 0},
        {"Edit", "not a number", kPlainEdit, 5, 45, 40, 12, WS_BORDER | WS_TABSTOP},
    }};

const std::string kReadOnlyCaption = "Close (read-only)";
const WIN32_STRING_RESOURCE kStrings[] = {{IDS_EXT_READONLY_OK, kReadOnlyCaption.c_str()}};
const WIN32_MODULE_RESOURCE_TABLE kTable = {nullptr, 0, kStrings, WIN32_COUNT_OF(kStrings)};

struct FontFace {
    LONG height = 0;
    LONG weight = 0;
    BYTE charset = 0;
    std::string face;
    bool operator==(const FontFace&) const = default;
};
std::ostream& operator<<(std::ostream& out, const FontFace& font) {
    return out << "{height " << font.height << ", weight " << font.weight << ", charset " << int{font.charset}
               << ", \"" << font.face << "\"}";
}

FontFace FaceOf(HFONT hFont) {
    LOGFONTA font{};
    if (!hFont || !::GetObjectA(hFont, sizeof font, &font)) return {};
    return {font.lfHeight, font.lfWeight, font.lfCharSet, font.lfFaceName};
}
HFONT FontOf(HWND hWnd) { return reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0)); }

class DlgExtTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        ASSERT_TRUE(RegisterSpinButtonClass());
    }
    void TearDown() override {
        m_dialog.reset();
        win32::ResetWindowSystem();
        m_app.OnIdle(0);
    }

    // The dialog object is made under the system language, which it reads at construction.
    CExtDialog& NewDialog(const char* lpszLanguage) {
        m_dialog.reset();
        m_language.reset();  // before the next one, which would otherwise restore its value
        m_language = std::make_unique<ScopedEnv>(kLanguageVariable, lpszLanguage);
        m_dialog = std::make_unique<CExtDialog>();
        return *m_dialog;
    }
    void Open(const win32::DialogTemplate& dialogTemplate = kWesternDialog) {
        ASSERT_TRUE(m_dialog->CreateIndirect(dialogTemplate.Get()));
    }
    HWND Item(int nID) const { return m_dialog->Item(nID); }

    // What the font of a control is: the dialog's own, the Japanese 13-unit
    // font of the Japanese character set, or something else.
    std::string FontKindOf(int nID) const {
        const HFONT hFont = FontOf(Item(nID));
        if (hFont == FontOf(m_dialog->m_hWnd)) return "dialog";
        const FontFace face = FaceOf(hFont);
        if (face.height == kLargeHeight && face.charset == SHIFTJIS_CHARSET && face.face == kJapaneseFace)
            return "Japanese";
        return "other";
    }
    // Visibility, enabled state and, for edits, read-only state of a control.
    std::string StateOf(int nID) const {
        const HWND hWnd = Item(nID);
        const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE));
        std::string state = (dwStyle & WS_VISIBLE) ? "" : "hidden ";
        state += ::IsWindowEnabled(hWnd) ? "enabled" : "disabled";
        char className[16] = {};
        ::GetClassNameA(hWnd, className, sizeof className);
        if (std::string(className) == "Edit" && (dwStyle & ES_READONLY)) state += " read-only";
        return state;
    }
    std::string Caption(int nID) const { return CWnd::FromHandle(Item(nID))->GetWindowText(); }

    CWinApp m_app{"Toolkit Tests"};
    std::unique_ptr<ScopedEnv> m_language;
    std::unique_ptr<CExtDialog> m_dialog;
};

// ---- Fonts and languages ----

struct FontCase {
    const char* name;
    win32::DialogHeader header;  // the font part
    const char* lpszSystemLanguage;
    int nDialogLanguage;
    FontFace large;          // the extra controls' font: the face chosen
    bool bJapaneseControls;  // edits, statics, lists and combo boxes get the Japanese font
};

const FontCase kFontCases[] = {
    {"WesternFontOnJapaneseSystem", {.fontName = "Arial", .extended = true, .charset = ANSI_CHARSET}, kJapanese, 1,
     {kLargeHeight, FW_DONTCARE, SHIFTJIS_CHARSET, kJapaneseFace}, true},
    {"JapaneseFontOnJapaneseSystem", {.fontName = "MS Mincho", .extended = true, .charset = SHIFTJIS_CHARSET},
     kJapanese, 3, {kLargeHeight, FW_DONTCARE, SHIFTJIS_CHARSET, "MS Mincho"}, false},
    {"WesternFontOnWesternSystem", {.fontName = "Arial", .extended = true, .charset = ANSI_CHARSET}, kWestern, 1,
     {kLargeHeight, FW_DONTCARE, ANSI_CHARSET, "Arial"}, false},
    {"NoFontOnJapaneseSystem", {}, kJapanese, 3, {kLargeHeight, FW_DONTCARE, SHIFTJIS_CHARSET, kJapaneseFace}, false},
    {"NoFontOnWesternSystem", {}, kWestern, 1, {kLargeHeight, FW_DONTCARE, ANSI_CHARSET, "MS Sans Serif"}, false},
    // A plain template's font has the default character set, which stands for no language.
    {"DefaultCharsetFontOnJapaneseSystem", {.fontName = "Arial"}, kJapanese, 0,
     {kLargeHeight, FW_DONTCARE, DEFAULT_CHARSET, "Arial"}, false},
};

TEST_F(DlgExtTest, FontsFollowTheSystemAndTheDialogLanguage) {
    for (const FontCase& c : kFontCases) {
        SCOPED_TRACE(c.name);
        NewDialog(c.lpszSystemLanguage);
        const win32::DialogTemplate dialogTemplate = ControlsDialog(c.header);
        Open(dialogTemplate);

        EXPECT_EQ(m_dialog->m_nDialogLanguage, c.nDialogLanguage);
        EXPECT_EQ(FaceOf(FontOf(Item(EXT_FIRST_EXTRA_ID))), c.large);
        EXPECT_EQ(FaceOf(m_dialog->m_fontHeavy), (FontFace{kSmallHeight, FW_HEAVY, c.large.charset, c.large.face}));
        EXPECT_EQ(FaceOf(m_dialog->m_fontNormal), (FontFace{kSmallHeight, FW_NORMAL, c.large.charset, c.large.face}));

        const std::string expected = c.bJapaneseControls ? "Japanese" : "dialog";
        for (int nID : {kLabel, kEdit, kList, kCombo}) EXPECT_EQ(FontKindOf(nID), expected) << "control " << nID;
        for (int nID : {kCheck, kPush, IDOK}) EXPECT_EQ(FontKindOf(nID), "dialog") << "buttons keep theirs: " << nID;
        m_dialog.reset();
    }
}

TEST_F(DlgExtTest, ASecondWindowKeepsTheFontsAndGivesTextControlsTheSystemFont) {
    CExtDialog& dialog = NewDialog(kJapanese);
    Open();
    const HGDIOBJ hLarge = dialog.m_fontLarge.GetSafeHandle();
    const HGDIOBJ hLocal = dialog.m_fontLocal.GetSafeHandle();
    ASSERT_NE(hLocal, nullptr);
    dialog.DestroyWindow();

    Open();
    EXPECT_EQ(dialog.m_fontLarge.GetSafeHandle(), hLarge);
    EXPECT_EQ(dialog.m_fontLocal.GetSafeHandle(), hLocal);
    EXPECT_EQ(dialog.m_pEditFont, nullptr);
    EXPECT_EQ(FontOf(Item(kEdit)), nullptr) << "a null font reference sets the system font";
    EXPECT_EQ(FontKindOf(kCheck), "dialog");
}

TEST_F(DlgExtTest, TheExtensionDeletesItsFontsWithItself) {
    CExtDialog& dialog = NewDialog(kJapanese);
    Open();
    const std::vector<HGDIOBJ> fonts = {dialog.m_fontHeavy.GetSafeHandle(), dialog.m_fontNormal.GetSafeHandle(),
                                        dialog.m_fontLarge.GetSafeHandle(), dialog.m_fontLocal.GetSafeHandle()};
    m_dialog.reset();
    for (HGDIOBJ hFont : fonts) {
        LOGFONTA font{};
        EXPECT_EQ(::GetObjectA(hFont, sizeof font, &font), 0) << hFont;
    }
}

// ---- Read-only mode ----

struct ReadOnlyCase {
    const char* name;
    BOOL bReadOnly;
    BOOL bHideCancel;
    BOOL bAllControls;
    std::vector<int> ids;  // m_nControlIDs
    std::vector<std::string> states;  // of kReadOnlyControls, in order
    bool bCloseCaption;  // OK shows the read-only caption
};

const int kReadOnlyControls[] = {kLabel, kEdit, kCheck, kRadio, kGroup, kList, kCombo, kPush, kSpin,
                                 IDOK,   IDCANCEL, ID_HELP};

const ReadOnlyCase kReadOnlyCases[] = {
    {"DefaultFlags", TRUE, TRUE, TRUE, {},
     {"enabled", "disabled read-only", "disabled", "disabled", "enabled", "disabled", "disabled", "disabled",
      "disabled", "enabled", "hidden enabled", "enabled"},
     true},
    {"ListedControlsOnly", TRUE, TRUE, FALSE, {kEdit, kCheck},
     {"enabled", "disabled read-only", "disabled", "enabled", "enabled", "enabled", "enabled", "enabled", "enabled",
      "enabled", "enabled", "enabled"},
     true},
    {"CancelKept", TRUE, FALSE, TRUE, {},
     {"enabled", "disabled read-only", "disabled", "disabled", "enabled", "disabled", "disabled", "disabled",
      "disabled", "enabled", "disabled", "enabled"},
     false},
    {"Off", FALSE, TRUE, TRUE, {},
     {"enabled", "enabled", "enabled", "enabled", "enabled", "enabled", "enabled", "enabled", "enabled", "enabled",
      "enabled", "enabled"},
     false},
};

TEST_F(DlgExtTest, ReadOnlyModeLocksTheChosenControls) {
    for (const ReadOnlyCase& c : kReadOnlyCases) {
        SCOPED_TRACE(c.name);
        CExtDialog& dialog = NewDialog(kWestern);
        dialog.m_bReadOnly = c.bReadOnly;
        dialog.m_bHideCancel = c.bHideCancel;
        dialog.m_bAllControls = c.bAllControls;
        std::copy(c.ids.begin(), c.ids.end(), dialog.m_nControlIDs);
        dialog.m_nControlCount = static_cast<int>(c.ids.size());
        Open();

        std::vector<std::string> states;
        for (int nID : kReadOnlyControls) states.push_back(StateOf(nID));
        EXPECT_EQ(states, c.states);
        EXPECT_EQ(Caption(IDOK), c.bCloseCaption ? kReadOnlyCaption : "OK");
        m_dialog.reset();
    }
}

TEST_F(DlgExtTest, AUserCannotChangeAReadOnlyDialog) {
    NewDialog(kWestern).m_bReadOnly = TRUE;
    Open();
    headless::Click(Item(kCheck));
    headless::Click(Item(kEdit));
    headless::TypeText("more");
    headless::PumpMessages(m_dialog->m_hWnd);
    EXPECT_EQ(::SendMessageA(Item(kCheck), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Caption(kEdit), "typed");
}

TEST_F(DlgExtTest, AControlCountAboveTheListsCapacityReadsNoIdPastIt) {
    CExtDialog& dialog = NewDialog(kWestern);
    dialog.m_bReadOnly = TRUE;
    dialog.m_bAllControls = FALSE;
    std::fill(std::begin(dialog.m_nControlIDs), std::end(dialog.m_nControlIDs), kEdit);
    dialog.m_nControlCount = kIdOfTheCountField;
    Open();
    EXPECT_EQ(StateOf(kEdit), "disabled read-only");
    EXPECT_EQ(StateOf(kIdOfTheCountField), "enabled") << "not listed: its ID is only the count's value";
}

// ---- Extra controls and the walks ----

TEST_F(DlgExtTest, ExtraControlsTakeTheShowCommandAndTheLargeFont) {
    for (int nShow : {SW_HIDE, SW_SHOW}) {
        SCOPED_TRACE(nShow);
        NewDialog(kWestern).m_nExtraShow = nShow;
        Open();
        const std::string shown = nShow == SW_HIDE ? "hidden enabled" : "enabled";
        for (int nID : {EXT_FIRST_EXTRA_ID, kLastExtra}) {
            EXPECT_EQ(StateOf(nID), shown) << nID;
            EXPECT_EQ(FontOf(Item(nID)), m_dialog->m_fontLarge.GetSafeHandle()) << nID;
        }
        for (int nID : {kBelowExtra, EXT_END_EXTRA_ID}) {
            EXPECT_EQ(StateOf(nID), "enabled") << "not an extra control: " << nID;
            EXPECT_EQ(FontKindOf(nID), "dialog") << nID;
        }
        m_dialog.reset();
    }
}

struct FeatureCase {
    const char* name;
    UINT nFeatures;
    const char* editState;
    const char* editFont;
    const char* extraState;
};

const FeatureCase kFeatureCases[] = {
    {"None", 0, "enabled", "dialog", "enabled"},
    {"ReadOnly", EXT_READONLY, "disabled read-only", "dialog", "enabled"},
    {"LanguageFonts", EXT_LANGUAGE_FONTS, "enabled", "Japanese", "enabled"},
    {"ExtraControls", EXT_EXTRA_CONTROLS, "enabled", "dialog", "hidden enabled"},
};

TEST_F(DlgExtTest, EachFeatureRunsItsOwnWalk) {
    for (const FeatureCase& c : kFeatureCases) {
        SCOPED_TRACE(c.name);
        CExtDialog& dialog = NewDialog(kJapanese);
        dialog.m_nFeatures = c.nFeatures;
        dialog.m_bReadOnly = TRUE;
        Open();
        EXPECT_EQ(StateOf(kEdit), c.editState);
        EXPECT_EQ(FontKindOf(kEdit), c.editFont);
        EXPECT_EQ(StateOf(EXT_FIRST_EXTRA_ID), c.extraState);
        for (const CFont* pFont : {&dialog.m_fontHeavy, &dialog.m_fontNormal, &dialog.m_fontLarge, &dialog.m_fontLocal})
            EXPECT_NE(pFont->GetSafeHandle(), nullptr) << "the fonts are made whatever the features";
        m_dialog.reset();
    }
}

TEST_F(DlgExtTest, TheWalksVisitTheFirst200Children) {
    constexpr int kChildren = 250;
    CExtDialog& dialog = NewDialog(kJapanese);
    dialog.m_bReadOnly = TRUE;
    dialog.m_nAddedEdits = kChildren;
    const win32::DialogTemplate emptyDialog(
        {.caption = "Many", .style = kDialogStyle, .cx = 100, .cy = 100, .fontName = "Arial", .extended = true,
         .charset = ANSI_CHARSET},
        {});
    Open(emptyDialog);
    for (int nChild = 0; nChild < kChildren; ++nChild) {
        const int nID = kFirstAddedEdit + nChild;
        const bool bVisited = nChild < EXT_MAX_CONTROLS;
        EXPECT_EQ(StateOf(nID), bVisited ? "disabled read-only" : "enabled") << "child " << nChild;
        EXPECT_EQ(FontKindOf(nID), bVisited ? "Japanese" : "dialog") << "child " << nChild;
    }
}

// ---- The toolkit's edits ----

TEST_F(DlgExtTest, IntegerSpinEditsAreValidatedUntilTheFirstRefusal) {
    CExtDialog& dialog = NewDialog(kWestern);
    Open(kSpinDialog);
    EXPECT_TRUE(dialog.ValidateIntSpinEdits(TRUE)) << "plain edits are not asked, whatever they hold";

    constexpr int kMin = 0;
    constexpr int kMax = 10;
    CIntSpinEdit first(kMin, kMax, 3, "%d");
    CIntSpinEdit second(kMin, kMax, 4, "%d");
    ASSERT_TRUE(first.AttachSpinById(kFirstSpin, &dialog, kFirstEdit));
    ASSERT_TRUE(second.AttachSpinById(kSecondSpin, &dialog, kSecondEdit));
    EXPECT_TRUE(dialog.ValidateIntSpinEdits(TRUE));
    EXPECT_TRUE(win32::Headless().MessageBoxes().empty());

    first.SetWindowText("many");
    second.SetWindowText("20");
    EXPECT_FALSE(dialog.ValidateIntSpinEdits(FALSE));
    EXPECT_TRUE(win32::Headless().MessageBoxes().empty()) << "without errors shown";
    EXPECT_FALSE(dialog.ValidateIntSpinEdits(TRUE));
    EXPECT_EQ(win32::Headless().MessageBoxes().size(), 1u) << "the walk stops at the first refusal";
    EXPECT_EQ(CWnd::GetFocus(), &first) << "the refusing edit takes the focus";
}

struct AttachCase {
    const char* name;
    CWnd* (CDlgExt::*pfnAttach)(CParsedEdit&, CWnd*, int, int);
    const char* afterTyping;  // "4a2-" typed into the empty edit
};

const AttachCase kAttachCases[] = {
    {"DigitEdit", &CDlgExt::AttachDigitEdit, "42"},
    {"LockedEdit", &CDlgExt::AttachLockedEdit, ""},
};

TEST_F(DlgExtTest, AnAttachedParsedEditFiltersTypingAndFollowsItsSpinButton) {
    for (const AttachCase& c : kAttachCases) {
        SCOPED_TRACE(c.name);
        CExtDialog& dialog = NewDialog(kWestern);
        Open(kSpinDialog);
        CParsedEdit edit;
        EXPECT_EQ((dialog.*c.pfnAttach)(edit, &dialog, kFirstEdit, kFirstSpin), nullptr)
            << "a new spin button had no associate";
        ASSERT_EQ(edit.m_hWnd, Item(kFirstEdit));

        headless::Click(edit.m_hWnd);
        headless::TypeText("4a2-");
        headless::PumpMessages(dialog.m_hWnd);
        EXPECT_EQ(edit.GetWindowText(), c.afterTyping);

        edit.SetWindowText("7");
        spin_test::ClickArrow(Item(kFirstSpin), spin_test::Half::Upper, dialog.m_hWnd);
        EXPECT_EQ(edit.GetWindowText(), "8") << "the spin button steps the edit";

        CWnd* pAnswer = CDlgExt::AssociateSpin(dialog.GetControl(kFirstSpin), nullptr);
        EXPECT_EQ(AfxGetSafeHwnd(pAnswer), edit.m_hWnd) << "the spin button answers with its previous associate";
        m_dialog.reset();
    }
}

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
