// CPropertySheet: the host's tabbed dialog of property pages.
//
// The sheet is a dialog with a row of tabs (one "Button" per page, captioned
// with the page's caption), the area where the active page shows, and the
// buttons OK, Cancel, Apply (ID_APPLY_NOW) and Help, all real child windows so
// that input reaches them as a user's would. A page's window is created the
// first time the page is shown, as a child dialog of the sheet.
//
//   tab change  PSN_KILLACTIVE to the page left (a refusal keeps it), then
//               PSN_SETACTIVE to the new one
//   OK          PSN_KILLACTIVE to the active page, PSN_APPLY to every page that
//               has a window, then the sheet closes with IDOK
//   Apply       the same without closing
//   Cancel      PSN_QUERYCANCEL to the active page, PSN_RESET to every page that
//               has a window, then the sheet closes with IDCANCEL
#pragma once

#include <set>
#include <string>
#include <vector>

#include "framework/property_page.h"

class FRAMEWORK_API CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // ---- Attributes ----
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(const CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return m_nCurPage; }
    // The tab's caption and its button (null before the sheet has a window).
    std::string GetPageCaption(int nPage) const;
    HWND GetTabButton(int nPage) const;
    // The index of the page with that tab caption, or -1.
    int FindPageByCaption(const std::string& caption) const;
    void SetTitle(LPCSTR lpszText);
    // IDOK or IDCANCEL once the sheet has closed, 0 before.
    int GetResult() const { return m_nResult; }

    // ---- Operations ----
    // The sheet does not own its pages.
    void AddPage(CPropertyPage* pPage);
    // A button of the host's own in the sheet's button row (left of OK); its
    // clicks reach the sheet's message map as WM_COMMAND with nID.
    void AddButton(LPCSTR lpszCaption, UINT nID);
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    // Acts as if the button were clicked: PSBTN_OK, PSBTN_APPLYNOW, PSBTN_CANCEL, PSBTN_HELP.
    void PressButton(int nButton);

    virtual INT_PTR DoModal();
    // A modeless sheet; it destroys its window when OK or Cancel closes it.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1), DWORD dwExStyle = 0);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCurSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUnchanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCancelToClose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnApplyMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPressButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCurrentPageHwnd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQuerySiblings(WPARAM wParam, LPARAM lParam);

    // The sheet's button actions.
    void OnSheetOK();
    void OnSheetApply();
    void OnSheetCancel();
    void OnSheetHelp();

    std::string m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    std::vector<CPropertyPage*> m_pages;
    std::vector<HWND> m_tabButtons;
    int m_nCurPage = 0;
    bool m_bModeless = false;
    int m_nResult = 0;

private:
    struct HostButton {
        std::string strCaption;
        UINT nID;
    };
    std::vector<HostButton> m_hostButtons;
    std::set<HWND> m_changedPages;
    CSize m_pageArea;  // dialog units

    std::vector<BYTE> BuildTemplate(DWORD dwStyle, DWORD dwExStyle);
    void CreateTabButton(int nPage);
    void CreateButtonRow();
    BOOL CreatePageWindow(CPropertyPage* pPage);
    LRESULT NotifyPage(CPropertyPage* pPage, UINT nCode, LPARAM lParam);
    bool ApplyPages(bool bClosing);
    void CloseSheet(int nResult);
    void ShowActiveTab();
    CRect DialogUnitsToPixels(int x, int y, int cx, int cy) const;
};
