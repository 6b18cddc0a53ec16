// CDialog and the framework's dialog procedure.
#include "framework/dialog.h"

#include "dialog_template.h"
#include "framework/app.h"
#include "framework/resource_chain.h"
#include "framework_state.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

// The dialog manager calls this for every dialog message it passes on. The
// framework's window procedure has already run the message through the
// object's map (the window is subclassed as soon as the framework sees it),
// so only WM_INITDIALOG needs routing here, for the case that the dialog
// manager delivers it before any other message reached the framework.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) pWnd = CWnd::AttachInitWindow(hWnd);
    if (nMsg != WM_INITDIALOG) return FALSE;
    if (!pWnd || AfxState().hInitDialogInProgress == hWnd) return TRUE;  // the map did not handle it
    return CWnd::CallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd) : m_pParentWnd(pParentWnd) {
    if (IS_INTRESOURCE(lpszTemplateName)) {
        m_lpszTemplateName = lpszTemplateName;
        m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
    } else {
        m_strTemplateName = lpszTemplateName ? lpszTemplateName : "";
        m_lpszTemplateName = m_strTemplateName.c_str();
    }
}

CDialog::~CDialog() = default;

void CDialog::PrepareCreation() { AfxState().pWndInit = this; }

namespace {

// Dialogs without a parent of their own are owned by the main window.
HWND OwnerFor(CWnd* pParentWnd) {
    HWND hWndParent = AfxGetSafeHwnd(pParentWnd);
    return hWndParent ? hWndParent : AfxGetSafeHwnd(AfxGetMainWnd());
}

// An object whose window never came stops waiting for it.
void ForgetPendingCreation(CWnd* pWnd) {
    if (AfxState().pWndInit == pWnd) AfxState().pWndInit = nullptr;
}

}  // namespace

INT_PTR CDialog::DoModal() {
    HINSTANCE hInstance = AfxGetResourceHandle();
    LPCDLGTEMPLATE pTemplate = m_lpDialogTemplate;
    if (!pTemplate) {
        const FoundDialogTemplate found = FindDialogTemplate(m_lpszTemplateName);
        if (!found.pTemplate) return -1;
        hInstance = found.hModule;
        pTemplate = found.pTemplate;
    }
    m_bModal = true;
    PrepareCreation();
    const INT_PTR nResult = ::DialogBoxIndirectParamA(hInstance, pTemplate, OwnerFor(m_pParentWnd), AfxDlgProc,
                                                      reinterpret_cast<LPARAM>(this));
    ForgetPendingCreation(this);
    m_bModal = false;
    return nResult;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd); }

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
    const FoundDialogTemplate found = FindDialogTemplate(lpszTemplateName);
    if (!found.pTemplate || m_hWnd) return FALSE;
    m_pParentWnd = pParentWnd;
    m_bModal = false;
    PrepareCreation();
    HWND hWnd = ::CreateDialogIndirectParamA(found.hModule, found.pTemplate, OwnerFor(pParentWnd), AfxDlgProc,
                                             reinterpret_cast<LPARAM>(this));
    ForgetPendingCreation(this);
    return hWnd && m_hWnd == hWnd;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
    if (!lpDialogTemplate || m_hWnd) return FALSE;
    m_pParentWnd = pParentWnd;
    m_bModal = false;
    PrepareCreation();
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), lpDialogTemplate, OwnerFor(pParentWnd),
                                             AfxDlgProc, reinterpret_cast<LPARAM>(this));
    ForgetPendingCreation(this);
    return hWnd && m_hWnd == hWnd;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(AfxGetSafeHwnd(pWndCtrl)), TRUE);
}
void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, FALSE, FALSE); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, TRUE, FALSE); }
void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0)); }
void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// A modeless dialog does its own keyboard navigation; a modal one gets it from the dialog manager's loop.
BOOL CDialog::PreTranslateMessage(MSG* pMsg) { return !m_bModal && m_hWnd && ::IsDialogMessageA(m_hWnd, pMsg); }
