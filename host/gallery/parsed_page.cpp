// The "Parsed edits" page.
#include "parsed_page.h"

#include <spin_button.h>


namespace {
// Where the two created edits go, in dialog units (the template labels them).
constexpr RECT kLettersEditRect{90, 34, 170, 46};
constexpr RECT kDigitsLettersEditRect{90, 54, 170, 66};
constexpr LRESULT kQuietReply = -1;
}  // namespace

BOOL CParsedPage::OnInitDialog() {
    CGalleryPage::OnInitDialog();
    // The template's edit becomes a digits-only edit; the spin button steps it.
    m_digitsEdit.AttachToItem(IDC_DIGITS_EDIT, this);
    SendDlgItemMessage(IDC_DIGITS_SPIN_BUTTON, SPM_SETASSOCIATE, reinterpret_cast<WPARAM>(m_digitsEdit.m_hWnd), 0);
    CreateParsedEdit(m_lettersEdit, PARSE_LETTERS, kLettersEditRect, IDC_LETTERS_EDIT);
    CreateParsedEdit(m_digitsLettersEdit, PARSE_DIGITS | PARSE_LETTERS, kDigitsLettersEditRect, IDC_DIGITS_LETTERS_EDIT);
    for (int nID : {IDC_DIGITS_EDIT, IDC_LETTERS_EDIT, IDC_DIGITS_LETTERS_EDIT}) ReportNotificationsOf(nID);
    return TRUE;
}

void CParsedPage::CreateParsedEdit(CParsedEdit& edit, WORD wAccept, const RECT& dialogUnits, int nID) {
    RECT rect = dialogUnits;
    MapDialogRect(&rect);
    // The low word of the style holds the accepted classes; only the high word reaches the window.
    edit.CreateEdit(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | wAccept, rect, this, static_cast<UINT>(nID));
    edit.SetFont(GetFont());
}

LRESULT CParsedPage::ReplyToNotification(int, UINT nCode) {
    if (nCode == PEN_REJECTED && IsDlgButtonChecked(IDC_QUIET_REJECTIONS) == BST_CHECKED) return kQuietReply;
    return 0;
}
