// tovik's options sheet.
#include "host_sheet.h"

#include <cfg_tab.h>

#include <algorithm>
#include <utility>

BEGIN_MESSAGE_MAP(CHostSheet, CPropertySheet)
    ON_MESSAGE(WM_INITDIALOG, OnInitSheet)
    ON_COMMAND(ID_HOST_DEFAULTS, OnDefaults)
END_MESSAGE_MAP()

namespace {
constexpr char kDefaultsCaption[] = "&Defaults";
}  // namespace

CHostSheet::CHostSheet(LPCSTR lpszCaption, CWnd* pParentWnd, std::vector<CCfgTab*> pages)
    : CPropertySheet(lpszCaption, pParentWnd), m_contracts(std::move(pages)) {
    for (CCfgTab* pPage : m_contracts) AddPage(pPage);
    AddButton(kDefaultsCaption, ID_HOST_DEFAULTS);
}

CCfgTab* CHostSheet::ContractOf(const CPropertyPage* pPage) const {
    auto it = std::find_if(m_contracts.begin(), m_contracts.end(),
                           [pPage](const CCfgTab* pContract) { return pContract == pPage; });
    return it == m_contracts.end() ? nullptr : *it;
}

void CHostSheet::StoreOptions() const {
    for (CCfgTab* pPage : m_contracts) pPage->SaveOptions();
}

LRESULT CHostSheet::OnInitSheet(WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = HandleInitDialog(wParam, lParam);
    KeepApplyEnabled();
    return lResult;
}

BOOL CHostSheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED || (nID != IDOK && nID != ID_APPLY_NOW)) {
        return CPropertySheet::OnCommand(wParam, lParam);
    }
    if (nID == ID_APPLY_NOW) {
        // PSM_APPLY answers whether every page accepted (the active page may refuse to be left).
        if (SendMessage(PSM_APPLY)) StoreOptions();
        KeepApplyEnabled();
        return TRUE;
    }
    const BOOL bHandled = CPropertySheet::OnCommand(wParam, lParam);
    // The modal loop has not yet destroyed the pages' windows: they can still save.
    if (GetResult() == IDOK) StoreOptions();
    return bHandled;
}

void CHostSheet::OnDefaults() {
    if (CCfgTab* pPage = ContractOf(GetActivePage()); pPage && pPage->m_hWnd) pPage->RestoreDefaults();
}

void CHostSheet::KeepApplyEnabled() {
    if (HWND hWndApply = ::GetDlgItem(m_hWnd, ID_APPLY_NOW)) ::EnableWindow(hWndApply, TRUE);
}
