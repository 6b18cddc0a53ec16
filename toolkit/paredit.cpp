// CParsedEdit: character filtering and spin stepping.
#include "paredit.h"

#include <cstdint>

namespace {

constexpr UINT kFirstPrintable = 0x20;
constexpr UINT kFirstNonAscii = 0x7F;  // DEL and every code above count as "other"

// EM_SETSEL from 0 to -1 selects the whole text.
constexpr int kSelectAllStart = 0;
constexpr int kSelectAllEnd = -1;

bool IsBetween(UINT nChar, char first, char last) {
    return nChar >= static_cast<UINT>(first) && nChar <= static_cast<UINT>(last);
}

}  // namespace

BEGIN_MESSAGE_MAP(CParsedEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

WORD CParsedEdit::ClassOf(UINT nChar) {
    if (nChar < kFirstPrintable) return PARSE_CONTROL;
    if (nChar >= kFirstNonAscii) return PARSE_OTHER;
    if (IsBetween(nChar, '0', '9')) return PARSE_DIGITS;
    if (IsBetween(nChar, 'A', 'Z') || IsBetween(nChar, 'a', 'z')) return PARSE_LETTERS;
    return PARSE_OTHER;
}

BOOL CParsedEdit::CreateEdit(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    m_wAccept = LOWORD(dwStyle);
    return CEdit::Create(dwStyle & EDIT_WINDOW_STYLE_MASK, rect, pParentWnd, nID);
}

BOOL CParsedEdit::AttachToItem(UINT nID, CWnd* pParent) {
    m_wAccept = PARSE_DIGITS;
    return SubclassDlgItem(nID, pParent);  // FALSE when the parent has no such child
}

void CParsedEdit::RejectInput() { ReportRejectedInput(*this, PEN_REJECTED, reinterpret_cast<LPARAM>(m_hWnd)); }

void CParsedEdit::OnChar(UINT nChar, UINT, UINT) {
    if (ClassOf(nChar) & m_wAccept)
        Default();
    else
        RejectInput();
}

void CParsedEdit::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    int nStep = 0;
    if (nSBCode == SB_LINEUP)
        nStep = 1;
    else if (nSBCode == SB_LINEDOWN)
        nStep = -1;
    else
        return;
    SetFocus();

    // The text is read and written through the parent, as a dialog item.
    CWnd* pParent = GetParent();
    const int nID = GetDlgCtrlID();
    BOOL bTranslated = FALSE;
    const auto nValue = pParent ? static_cast<int>(pParent->GetDlgItemInt(nID, &bTranslated, TRUE)) : 0;
    // Wide enough that a value at the end of int's range steps without overflow.
    const std::int64_t nNewValue = std::int64_t{nValue} + nStep;
    if (!bTranslated || nNewValue < PARSED_EDIT_SPIN_MIN || nNewValue > PARSED_EDIT_SPIN_MAX)
        RejectInput();
    else
        pParent->SetDlgItemInt(nID, static_cast<UINT>(nNewValue), TRUE);
    SetSel(kSelectAllStart, kSelectAllEnd);  // also scrolls the caret into view
}
