// CPropertyPage: one page of a property sheet, a child dialog that the sheet
// creates from the page's template the first time it shows the page.
//
// The sheet talks to the page with WM_NOTIFY codes; the page decodes them
// once, here, into OnSetActive, OnKillActive, OnApply, OnQueryCancel and
// OnReset. Derived pages override those and never see a raw NMHDR for them.
#pragma once

#include <string>

#include "framework/dialog.h"
#include "framework/property_sheet_defs.h"

class CPropertySheet;

class FRAMEWORK_API CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    // nIDCaption 0 takes the tab's caption from the template; dwSize is the
    // page record size the page declares in m_psp.dwSize.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, DWORD dwSize = sizeof(PROPSHEETPAGEA));
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0, DWORD dwSize = sizeof(PROPSHEETPAGEA));
    ~CPropertyPage() override;

    // ---- Attributes ----
    PROPSHEETPAGEA m_psp{};
    PROPSHEETPAGEA& GetPSP() { return m_psp; }
    // The tab's caption: the string nIDCaption, else the template's caption.
    const std::string& GetCaption();

    // ---- Operations ----
    // Disables the sheet's Cancel button and renames OK to "Close".
    void CancelToClose();
    // Enables (or, when no page is modified any more, disables) the sheet's Apply button.
    void SetModified(BOOL bChanged = TRUE);
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);

    // ---- Overridables ----
    // The page is about to become active; FALSE refuses.
    virtual BOOL OnSetActive();
    // The page is about to be left (tab change, OK, Apply); the default saves
    // and validates the controls (UpdateData(TRUE)). FALSE keeps the page active.
    virtual BOOL OnKillActive();
    // OK or Apply; the default calls OnOK and returns TRUE. FALSE keeps the sheet open.
    virtual BOOL OnApply();
    // Cancel; the default calls OnCancel.
    virtual void OnReset();
    // Cancel was pressed; FALSE prevents it.
    virtual BOOL OnQueryCancel();
    // A page does not end the sheet: OK and Cancel only tell the page.
    void OnOK() override;
    void OnCancel() override;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The sheet does the keyboard navigation for its pages.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // ---- Implementation ----
    // Creates the page window as a child of the sheet; the sheet calls it at first display.
    BOOL CreatePage(CWnd* pSheet);
    // The template's size in dialog units (0, 0 when it cannot be found).
    CSize GetTemplateSize() const;

protected:
    DECLARE_MESSAGE_MAP()

    void CommonConstruct(LPCSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize);
    UINT m_nIDCaption = 0;
    std::string m_strCaption;
    bool m_bCaptionLoaded = false;
};
