// CDlgExt: the dialog extension, a mix-in that a dialog class of the toolkit
// carries beside its framework dialog base. Once the dialog's controls exist
// it sets fonts that suit the system's language (a Western template shown on
// a Japanese system gets a Japanese face), puts the dialog in read-only mode
// on request, and shows or hides the extra controls in one go. It also
// attaches the toolkit's parsed edits to their spin buttons and validates the
// integer spin edits.
//
// Index:
//   EXT_READONLY, EXT_EXTRA_CONTROLS, EXT_LANGUAGE_FONTS
//                          the walks InitExtension runs (bits of m_nFeatures)
//   EXT_FIRST_EXTRA_ID, EXT_END_EXTRA_ID
//                          the extra controls' IDs (end not included)
//   EXT_MAX_CONTROLS       how many children the walks visit at most
//   IDS_EXT_READONLY_OK    the OK button's caption in read-only mode (host string)
//   CDlgExt                the extension
//
// The extension never finds the dialog window itself: it asks the dialog
// class through four virtual operations (CBasePropertyPage answers them for a
// property page). The dialog class sets m_nExtraShow and m_nFeatures in its
// constructor and calls InitExtension last in its dialog initialisation.
//
// Every virtual operation is defined here, inline, so that the class has no
// key function: the options-page contract derives from it through the base
// page, and a host that checks calls through a CCfgTab pointer needs the
// type information of every base without linking the toolkit.
#pragma once

#include <afxwin.h>

#include <string>

class CParsedEdit;

// Walks of InitExtension, bits of m_nFeatures.
inline constexpr UINT EXT_READONLY = 0x1;         // ApplyReadOnly
inline constexpr UINT EXT_EXTRA_CONTROLS = 0x2;   // ApplyExtraControls
inline constexpr UINT EXT_LANGUAGE_FONTS = 0x4;   // ApplyLanguageFonts

// The extra controls: IDs from EXT_FIRST_EXTRA_ID up to, not including, EXT_END_EXTRA_ID.
inline constexpr int EXT_FIRST_EXTRA_ID = 20500;
inline constexpr int EXT_END_EXTRA_ID = 20550;

// The walks over the dialog's children stop after this many; it is also the
// capacity of m_nControlIDs.
inline constexpr int EXT_MAX_CONTROLS = 200;

// Found through the resource chain, so the host's own string table supplies it.
inline constexpr UINT IDS_EXT_READONLY_OK = 20430;

class CDlgExt {
public:
    CDlgExt();
    // The fonts go in reverse order of declaration, each deleting its platform font.
    virtual ~CDlgExt() = default;
    CDlgExt(const CDlgExt&) = delete;
    CDlgExt& operator=(const CDlgExt&) = delete;

    // ---- Attributes ----
    BOOL m_bReadOnly = FALSE;
    // The controls read-only mode applies to when m_bAllControls is FALSE.
    int m_nControlIDs[EXT_MAX_CONTROLS] = {};
    // IDs in use in m_nControlIDs; a count beyond the array counts as the whole array.
    int m_nControlCount = 0;
    // In read-only mode: hide Cancel (IDCANCEL) and caption OK with IDS_EXT_READONLY_OK.
    BOOL m_bHideCancel = TRUE;
    // Read-only mode applies to every child control, not only to m_nControlIDs.
    BOOL m_bAllControls = TRUE;
    // Set by the dialog class: the show command for the extra controls (SW_HIDE here until then).
    int m_nExtraShow = SW_HIDE;
    int m_nSystemLanguage;  // os_get_os_lang at construction
    // Derived from the dialog's font by InitExtension: 1 Western, 3 Japanese, 0 another character set.
    int m_nDialogLanguage;
    // Set by the dialog class: the EXT_ walks InitExtension runs (none here until then).
    UINT m_nFeatures = 0;
    CFont m_fontHeavy;   // 8 units, weight 900
    CFont m_fontNormal;  // 8 units, weight 400
    CFont m_fontLarge;   // 13 units, default weight: the extra controls' font
    CFont m_fontLocal;   // 13 units, default weight; made only on a Japanese system
    // Borrowed: each points at m_fontLocal or is null (the system font).
    CFont* m_pEditFont = nullptr;   // edit and static controls
    CFont* m_pComboFont = nullptr;  // combo boxes
    CFont* m_pListFont = nullptr;   // list boxes

    // ---- Overridables: the dialog class answers for its window ----
    // The window objects may be temporary: use them at once, never store them.
    // The dialog's first child (top of the z-order), or null.
    virtual CWnd* GetFirstControl() { return nullptr; }
    // The dialog's text (its caption); not used by the extension itself.
    virtual void GetDialogText(std::string& /*rText*/) {}
    // The dialog's child control with that ID, or null.
    virtual CWnd* GetControl(int /*nID*/) { return nullptr; }
    // The font the dialog uses, or null.
    virtual CFont* GetDialogFont() { return nullptr; }

    // ---- Operations ----
    // Derives the dialog's language, makes the fonts (once per object) and
    // runs the walks of m_nFeatures: read-only, language fonts, extra
    // controls, in this order. Always TRUE.
    BOOL InitExtension();
    // Read-only mode over the first EXT_MAX_CONTROLS children, then OK's caption. TRUE.
    BOOL ApplyReadOnly();
    // FALSE when the control is left out because it is not among m_nControlIDs.
    BOOL ApplyReadOnlyToControl(CWnd* pControl);
    // On a Japanese system with a Western dialog font: edits, statics, lists
    // and combo boxes get the Japanese font. TRUE.
    BOOL ApplyLanguageFonts();
    // Each extra control gets m_nExtraShow and m_fontLarge. TRUE.
    BOOL ApplyExtraControls();
    // TRUE when every integer spin edit among the first EXT_MAX_CONTROLS
    // children accepts its text; stops at the first that does not.
    BOOL ValidateIntSpinEdits(BOOL bShowErrors);

    // Each subclasses the dialog's edit nIDEdit (when it exists) with the
    // parsed edit and associates the spin button nIDSpin with it. The digit
    // edit takes digits (and control characters) only, the locked edit no
    // typed character at all. They answer what the spin button answers.
    CWnd* AttachDigitEdit(CParsedEdit& edit, CWnd* pDialog, int nIDEdit, int nIDSpin);
    CWnd* AttachLockedEdit(CParsedEdit& edit, CWnd* pDialog, int nIDEdit, int nIDSpin);
    // Tells the spin button where its steps go (pEdit may be null: nowhere).
    // Null without a spin button, else the window the spin button answers with.
    static CWnd* AssociateSpin(CWnd* pSpin, CWnd* pEdit);

private:
    CWnd* AttachParsedEdit(CParsedEdit& edit, WORD wAccept, CWnd* pDialog, int nIDEdit, int nIDSpin);
    void CreateFonts(const LOGFONTA& face);
};
