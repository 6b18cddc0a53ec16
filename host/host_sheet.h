// CHostSheet: tovik's options sheet. Beside the framework's OK, Cancel and
// Apply it has a Defaults button, and it stores the options through the page
// contract once OK or Apply has run the pages' own events.
#pragma once

#include <afxdlgs.h>
#include <afxwin.h>

#include <vector>

class CCfgTab;

// The Defaults button's command ID: clear of the sheet's tab IDs and its own buttons.
inline constexpr UINT ID_HOST_DEFAULTS = 0x3400;

class CHostSheet : public CPropertySheet {
public:
    // pages: what the factories made, in the order they are added; the caller keeps them.
    CHostSheet(LPCSTR lpszCaption, CWnd* pParentWnd, std::vector<CCfgTab*> pages);

    // The contract object behind a page of this sheet, or null.
    CCfgTab* ContractOf(const CPropertyPage* pPage) const;
    // Every page's SaveOptions, through the contract: after a successful OK or
    // Apply, and whenever the front end asks.
    void StoreOptions() const;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg LRESULT OnInitSheet(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDefaults();

private:
    std::vector<CCfgTab*> m_contracts;

    // The pages never mark themselves changed: a page saves whenever it is
    // asked, so Apply is always available.
    void KeepApplyEnabled();
};
