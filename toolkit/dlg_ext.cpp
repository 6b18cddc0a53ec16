// The dialog extension: the font choice, the read-only walk, the language
// fonts, the extra controls, and the toolkit edits it attaches and validates.
#include "dlg_ext.h"

#include <syskit32.h>

#include <algorithm>
#include <cassert>
#include <cctype>
#include <string_view>

#include "paredit.h"
#include "spin_messages.h"
#include "spinedit.h"

namespace {

// "ＭＳ Ｐゴシック" (MS P Gothic), the Japanese system's proportional face, as
// the bytes of its name in code page 932: the font's own code page, in which
// the platform looks face names up.
constexpr char kJapaneseFace[] = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";
constexpr char kWesternFace[] = "MS Sans Serif";

// Heights in logical units, as the fonts have always been made.
constexpr LONG kSmallFontHeight = 8;
constexpr LONG kLargeFontHeight = 13;

// Room for a class name, with its NUL: the read-only walk reads 256
// characters of it, the font walk 11, enough for "ComboBox" and shorter names.
constexpr int kReadOnlyClassNameSize = 256 + 1;
constexpr int kFontClassNameSize = 11 + 1;

// A button whose three lowest style bits are all set is a group box.
constexpr DWORD kGroupBoxBits = 0x7;
static_assert(BS_GROUPBOX == kGroupBoxBits);

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string ClassNameOf(const CWnd& wnd, int nSize) {
    std::string name(static_cast<size_t>(nSize), '\0');
    name.resize(static_cast<size_t>(::GetClassNameA(wnd.m_hWnd, name.data(), nSize)));
    return name;
}

// Calls visit for each child from pFirst on, sibling after sibling, at most
// EXT_MAX_CONTROLS of them; stops early, answering false, when visit does.
template <class Visit>
bool VisitChildren(CWnd* pFirst, Visit visit) {
    int nVisited = 0;
    for (CWnd* pChild = pFirst; pChild && nVisited < EXT_MAX_CONTROLS; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        ++nVisited;
        if (!visit(*pChild)) return false;
    }
    return true;
}

LOGFONTA FaceDescription(LPCSTR lpszFace, BYTE nCharSet) {
    LOGFONTA face{};
    face.lfCharSet = nCharSet;
    ::lstrcpynA(face.lfFaceName, lpszFace, LF_FACESIZE);
    return face;
}

void CreateFontOnce(CFont& font, const LOGFONTA& face, LONG nHeight, LONG nWeight) {
    if (font.GetSafeHandle()) return;
    LOGFONTA description{};
    description.lfHeight = nHeight;
    description.lfWeight = nWeight;
    description.lfCharSet = face.lfCharSet;
    std::copy(std::begin(face.lfFaceName), std::end(face.lfFaceName), description.lfFaceName);
    font.CreateFontIndirect(&description);
}

}  // namespace

CDlgExt::CDlgExt() : m_nSystemLanguage(os_get_os_lang()), m_nDialogLanguage(OS_LANG_WESTERN) {}

BOOL CDlgExt::InitExtension() {
    m_nDialogLanguage = 0;
    LOGFONTA face = FaceDescription(kWesternFace, ANSI_CHARSET);
    LOGFONTA dialogFont{};
    CFont* pDialogFont = GetDialogFont();
    if (pDialogFont && pDialogFont->GetLogFont(&dialogFont)) {
        if (dialogFont.lfCharSet == ANSI_CHARSET) m_nDialogLanguage = OS_LANG_WESTERN;
        if (dialogFont.lfCharSet == SHIFTJIS_CHARSET) m_nDialogLanguage = OS_LANG_JAPANESE;
        face = FaceDescription(dialogFont.lfFaceName, dialogFont.lfCharSet);
    } else {
        m_nDialogLanguage = os_get_os_lang();
        if (m_nDialogLanguage == OS_LANG_JAPANESE) face = FaceDescription(kJapaneseFace, SHIFTJIS_CHARSET);
    }
    const bool bJapaneseSystem = m_nSystemLanguage == OS_LANG_JAPANESE;
    // A Western template on a Japanese system: its face could not show the system's text.
    if (bJapaneseSystem && m_nDialogLanguage == OS_LANG_WESTERN) face = FaceDescription(kJapaneseFace, SHIFTJIS_CHARSET);
    CreateFonts(face);

    // Only the first initialisation points them at the Japanese font: an
    // initialisation of a new window for the same object leaves them null.
    m_pEditFont = m_pComboFont = m_pListFont = nullptr;
    if (bJapaneseSystem && !m_fontLocal.GetSafeHandle()) {
        CreateFontOnce(m_fontLocal, face, kLargeFontHeight, FW_DONTCARE);
        m_pEditFont = m_pComboFont = m_pListFont = &m_fontLocal;
    }

    if (m_nFeatures & EXT_READONLY) ApplyReadOnly();
    if (m_nFeatures & EXT_LANGUAGE_FONTS) ApplyLanguageFonts();
    if (m_nFeatures & EXT_EXTRA_CONTROLS) ApplyExtraControls();
    return TRUE;
}

void CDlgExt::CreateFonts(const LOGFONTA& face) {
    CreateFontOnce(m_fontHeavy, face, kSmallFontHeight, FW_HEAVY);
    CreateFontOnce(m_fontNormal, face, kSmallFontHeight, FW_NORMAL);
    CreateFontOnce(m_fontLarge, face, kLargeFontHeight, FW_DONTCARE);
}

// ---- Read-only mode ----

BOOL CDlgExt::ApplyReadOnly() {
    if (!m_bReadOnly || (m_nControlCount == 0 && !m_bHideCancel && !m_bAllControls)) return TRUE;
    VisitChildren(GetFirstControl(), [this](CWnd& control) {
        ApplyReadOnlyToControl(&control);
        return true;
    });
    if (m_bHideCancel) {
        std::string strCaption;
        // Without the host's string OK keeps its caption rather than showing none.
        if (CWnd* pOK = GetControl(IDOK); pOK && AfxLoadString(IDS_EXT_READONLY_OK, strCaption))
            pOK->SetWindowText(strCaption.c_str());
    }
    return TRUE;
}

BOOL CDlgExt::ApplyReadOnlyToControl(CWnd* pControl) {
    assert(pControl);
    const std::string strClass = ClassNameOf(*pControl, kReadOnlyClassNameSize);
    const int nID = pControl->GetDlgCtrlID();
    if (!m_bAllControls) {
        // Never past the array, whatever count a user of the extension set.
        const int nCount = std::clamp(m_nControlCount, 0, EXT_MAX_CONTROLS);
        if (std::find(m_nControlIDs, m_nControlIDs + nCount, nID) == m_nControlIDs + nCount) return FALSE;
    }
    if (EqualsNoCase(strClass, "Static")) return TRUE;
    if (EqualsNoCase(strClass, "Edit")) {
        pControl->EnableWindow(FALSE);
        pControl->SendMessage(EM_SETREADONLY, TRUE);
        return TRUE;
    }
    if (EqualsNoCase(strClass, "Button")) {
        if (nID == IDCANCEL && m_bHideCancel) {
            pControl->ShowWindow(SW_HIDE);
            return TRUE;
        }
        // OK and Help still close the dialog and explain it.
        if (nID == IDOK || nID == ID_HELP) return TRUE;
        if ((pControl->GetStyle() & kGroupBoxBits) == kGroupBoxBits) return TRUE;
    }
    pControl->EnableWindow(FALSE);
    return TRUE;
}

// ---- Fonts and extra controls ----

BOOL CDlgExt::ApplyLanguageFonts() {
    // Only a Western dialog font on a Japanese system needs another face; buttons keep theirs.
    if (m_nSystemLanguage != OS_LANG_JAPANESE || m_nDialogLanguage != OS_LANG_WESTERN) return TRUE;
    VisitChildren(GetFirstControl(), [this](CWnd& control) {
        const std::string strClass = ClassNameOf(control, kFontClassNameSize);
        if (strClass == "Edit" || strClass == "Static") control.SetFont(m_pEditFont);
        if (strClass == "ListBox") control.SetFont(m_pListFont);
        if (strClass == "ComboBox") control.SetFont(m_pComboFont);
        return true;
    });
    return TRUE;
}

BOOL CDlgExt::ApplyExtraControls() {
    for (int nID = EXT_FIRST_EXTRA_ID; nID < EXT_END_EXTRA_ID; ++nID) {
        if (CWnd* pControl = GetControl(nID)) {
            pControl->ShowWindow(m_nExtraShow);
            pControl->SetFont(&m_fontLarge);
        }
    }
    return TRUE;
}

// ---- The toolkit's edits ----

BOOL CDlgExt::ValidateIntSpinEdits(BOOL bShowErrors) {
    // Only windows attached to an integer spin edit object are asked; the
    // first refusal ends the walk, so the user sees one prompt at a time.
    return VisitChildren(GetFirstControl(), [bShowErrors](CWnd& control) {
        if (!control.IsKindOf(RUNTIME_CLASS(CIntSpinEdit))) return true;
        return static_cast<CIntSpinEdit&>(control).IsValueValid(bShowErrors) != FALSE;
    }) ? TRUE : FALSE;
}

CWnd* CDlgExt::AttachDigitEdit(CParsedEdit& edit, CWnd* pDialog, int nIDEdit, int nIDSpin) {
    return AttachParsedEdit(edit, PARSE_DIGITS, pDialog, nIDEdit, nIDSpin);
}

CWnd* CDlgExt::AttachLockedEdit(CParsedEdit& edit, CWnd* pDialog, int nIDEdit, int nIDSpin) {
    // No class at all: the spin button still counts the text, the keyboard cannot change it.
    constexpr WORD kNoTypedInput = 0;
    return AttachParsedEdit(edit, kNoTypedInput, pDialog, nIDEdit, nIDSpin);
}

CWnd* CDlgExt::AttachParsedEdit(CParsedEdit& edit, WORD wAccept, CWnd* pDialog, int nIDEdit, int nIDSpin) {
    assert(pDialog);
    edit.m_wAccept = wAccept;
    if (pDialog->GetDlgItem(nIDEdit)) edit.SubclassDlgItem(static_cast<UINT>(nIDEdit), pDialog);
    return AssociateSpin(GetControl(nIDSpin), &edit);
}

CWnd* CDlgExt::AssociateSpin(CWnd* pSpin, CWnd* pEdit) {
    if (!pSpin) return nullptr;
    const LRESULT lAnswer = pSpin->SendMessage(SPM_SETASSOCIATE, reinterpret_cast<WPARAM>(AfxGetSafeHwnd(pEdit)), 0);
    return CWnd::FromHandle(reinterpret_cast<HWND>(lAnswer));
}
