// CPropertyPage: the page side of the sheet's notifications.
#include "framework/property_page.h"

#include "dialog_template.h"
#include "framework/app.h"
#include "framework/resource_chain.h"
#include "framework_state.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
END_MESSAGE_MAP()

CPropertyPage::CPropertyPage() { CommonConstruct(nullptr, 0, sizeof(PROPSHEETPAGEA)); }

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, DWORD dwSize) : CDialog(nIDTemplate) {
    CommonConstruct(m_lpszTemplateName, nIDCaption, dwSize);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize) : CDialog(lpszTemplateName) {
    CommonConstruct(m_lpszTemplateName, nIDCaption, dwSize);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::CommonConstruct(LPCSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize) {
    m_nIDCaption = nIDCaption;
    m_psp.dwSize = dwSize;
    m_psp.dwFlags = nIDCaption != 0 ? PSP_USETITLE : PSP_DEFAULT;
    m_psp.hInstance = lpszTemplateName ? AfxFindResourceHandle(lpszTemplateName, RT_DIALOG) : nullptr;
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

const std::string& CPropertyPage::GetCaption() {
    if (m_bCaptionLoaded) return m_strCaption;
    if (m_nIDCaption != 0) {
        m_bCaptionLoaded = AfxLoadString(m_nIDCaption, m_strCaption);
    } else if (const FoundDialogTemplate found = FindDialogTemplate(m_lpszTemplateName); found.pTemplate) {
        m_strCaption = ReadDialogTemplate(found.pTemplate).strCaption;
        m_bCaptionLoaded = true;
    }
    m_psp.pszTitle = m_strCaption.c_str();
    return m_strCaption;
}

CSize CPropertyPage::GetTemplateSize() const {
    const FoundDialogTemplate found = FindDialogTemplate(m_lpszTemplateName);
    if (!found.pTemplate) return CSize();
    const DialogTemplateInfo info = ReadDialogTemplate(found.pTemplate);
    return CSize(info.cx, info.cy);
}

BOOL CPropertyPage::CreatePage(CWnd* pSheet) {
    if (m_hWnd) return TRUE;
    const FoundDialogTemplate found = FindDialogTemplate(m_lpszTemplateName);
    if (!found.pTemplate || !pSheet) return FALSE;
    const std::vector<BYTE> childTemplate = MakeChildDialogTemplate(found.pTemplate, found.nSize);
    m_pParentWnd = pSheet;
    m_bModal = false;
    PrepareCreation();
    HWND hWnd = ::CreateDialogIndirectParamA(found.hModule,
                                             static_cast<LPCDLGTEMPLATE>(static_cast<const void*>(childTemplate.data())),
                                             pSheet->m_hWnd, AfxDlgProc, reinterpret_cast<LPARAM>(this));
    if (AfxState().pWndInit == this) AfxState().pWndInit = nullptr;
    return hWnd && m_hWnd == hWnd;
}

// ---- The sheet's notifications ----

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* pNotify = reinterpret_cast<const NMHDR*>(lParam);
    switch (pNotify->code) {
    case PSN_SETACTIVE:  // 0 lets the page become active, -1 refuses
        *pResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:  // FALSE lets the sheet leave the page, TRUE keeps it active
        *pResult = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_APPLY:  // PSNRET_NOERROR lets the sheet apply (and close); anything else keeps it open here
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:  // no result: the sheet is cancelled
        OnReset();
        *pResult = 0;
        break;
    case PSN_QUERYCANCEL:  // FALSE lets the cancel go ahead, TRUE prevents it
        *pResult = OnQueryCancel() ? FALSE : TRUE;
        break;
    case PSN_HELP:  // the page's Help command
        SendMessage(WM_COMMAND, ID_HELP);
        *pResult = 0;
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // Also where the dialog manager looks for a dialog's answer.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, *pResult);
    return TRUE;
}

// Enter and Escape inside the page are the sheet's OK and Cancel.
BOOL CPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int nID = LOWORD(wParam);
    if ((nID == IDOK || nID == IDCANCEL) && !::GetDlgItem(m_hWnd, nID)) {
        if (HWND hWndSheet = ::GetParent(m_hWnd)) ::SendMessageA(hWndSheet, WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CPropertyPage::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CPropertyPage::OnSetActive() { return TRUE; }
BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}
void CPropertyPage::OnReset() { OnCancel(); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

// ---- Requests to the sheet ----

void CPropertyPage::CancelToClose() {
    if (HWND hWndSheet = ::GetParent(m_hWnd)) ::SendMessageA(hWndSheet, PSM_CANCELTOCLOSE, 0, 0);
}

void CPropertyPage::SetModified(BOOL bChanged) {
    HWND hWndSheet = ::GetParent(m_hWnd);
    if (!hWndSheet) return;
    ::SendMessageA(hWndSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam) {
    HWND hWndSheet = ::GetParent(m_hWnd);
    return hWndSheet ? ::SendMessageA(hWndSheet, PSM_QUERYSIBLINGS, wParam, lParam) : 0;
}
