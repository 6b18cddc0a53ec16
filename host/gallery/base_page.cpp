// The "Base page".
#include "base_page.h"

#include <string>

#include "gallery_ids.h"

namespace {
constexpr const char* kChoices[] = {"First choice", "Second choice", "Third choice"};
}  // namespace

BEGIN_MESSAGE_MAP(CBasePage, CBasePropertyPage)
    ON_BN_CLICKED(IDC_BASE_PUSH, OnTellLanguages)
END_MESSAGE_MAP()

CBasePage::CBasePage(bool bReadOnly) : CBasePropertyPage(IDD_GALLERY_BASE, 0) {
    m_bReadOnly = bReadOnly ? TRUE : FALSE;
    // Shown, so that a developer sees what the extension gives them.
    m_nExtraShow = SW_SHOW;
}

BOOL CBasePage::OnInitDialog() {
    // The lists are filled before the extension runs, as a page's data would be.
    for (const char* choice : kChoices) {
        SendDlgItemMessage(IDC_BASE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
        SendDlgItemMessage(IDC_BASE_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
    }
    SendDlgItemMessage(IDC_BASE_COMBO, CB_SETCURSEL, 0, 0);
    CheckRadioButton(IDC_BASE_RADIO_FIRST, IDC_BASE_RADIO_SECOND, IDC_BASE_RADIO_FIRST);
    return CBasePropertyPage::OnInitDialog();
}

void CBasePage::OnTellLanguages() {
    const std::string text = "System language " + std::to_string(m_nSystemLanguage) + ", dialog language " +
                             std::to_string(m_nDialogLanguage) + (m_bReadOnly ? ", read-only" : "");
    AfxMessageBox(text.c_str(), MB_OK | MB_ICONINFORMATION);
}
