// CDialog: a dialog box from a template found through the resource chain,
// modal (DoModal) or modeless (Create).
#pragma once

#include <string>

#include "framework/wnd.h"

class FRAMEWORK_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // ---- Attributes ----
    UINT m_nIDHelp = 0;                // the help ID: the template's number, 0 for a template by name
    LPCSTR m_lpszTemplateName = nullptr;  // MAKEINTRESOURCE(number) or m_strTemplateName
    CWnd* m_pParentWnd = nullptr;

    // ---- Operations ----
    // Runs the dialog until EndDialog; its result, or -1 when the template cannot be found.
    virtual INT_PTR DoModal();
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // DoModal then runs this template instead of one from the resource chain.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    // ---- Overridables ----
    // Fills the controls from the fields (UpdateData(FALSE)); TRUE lets the
    // dialog manager put the focus on the first control with a tab stop.
    virtual BOOL OnInitDialog();
    // Saves and validates the controls (UpdateData(TRUE)); ends the dialog with IDOK only if that succeeded.
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    // Binds this object to the next dialog window the framework sees.
    void PrepareCreation();
    std::string m_strTemplateName;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    bool m_bModal = false;
};
