// CBasePropertyPage: the toolkit's property page, the framework's
// CPropertyPage joined with the dialog extension CDlgExt. It answers the
// extension's questions for the page's own window, turns on every walk of the
// extension, and runs the extension as the last step of the page's dialog
// initialisation: a page built on it gets fonts suited to the system's
// language and its extra controls hidden without further work.
//
// Like CDlgExt, the class keeps every virtual operation inline, so that it
// has no key function (see dlg_ext.h).
#pragma once

#include <afxdlgs.h>
#include <afxwin.h>

#include <string>

#include "dlg_ext.h"

class CBasePropertyPage : public CPropertyPage, public CDlgExt {
public:
    // ---- Construction ----
    // The caption ID 0 takes the tab's caption from the template.
    CBasePropertyPage(UINT nIDTemplate, UINT nIDCaption);
    CBasePropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption);
    // The extension goes first, with its fonts, then the property page.
    ~CBasePropertyPage() override = default;

    // ---- The extension's questions, answered for the page window ----
    CWnd* GetFirstControl() override { return GetTopWindow(); }
    void GetDialogText(std::string& rText) override { GetWindowText(rText); }
    CWnd* GetControl(int nID) override { return GetDlgItem(nID); }
    // Null when the page uses the system font.
    CFont* GetDialogFont() override { return GetFont(); }

    // ---- Framework overridables ----
    BOOL OnInitDialog() override {
        // The framework's initialisation fills the controls; its answer is not
        // used: the extension's, always TRUE, gives the first control the focus.
        CPropertyPage::OnInitDialog();
        return InitExtension();
    }

protected:
    // No entries of its own: everything goes on to the property page's map.
    // Written out inline rather than with BEGIN_MESSAGE_MAP, for the reason above.
    static const AFX_MSGMAP* GetThisMessageMap() {
        static constexpr AFX_MSGMAP_ENTRY kEntries[] = {{0, 0, 0, 0, AfxHandler{}}};
        static constexpr AFX_MSGMAP kMap = {&CPropertyPage::GetThisMessageMap, kEntries};
        return &kMap;
    }
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
};
