// CGalleryPage: what every page of the gallery shares. A developer trying the
// toolkit wants to see what a control tells its parent, so the page reports
// every WM_COMMAND notification of the toolkit controls it names as
//     notify ID 0xCODE
// and, once the sheet has closed, the values its controls committed.
#pragma once

#include <afxdlgs.h>

#include <ostream>
#include <set>

class CGalleryPage : public CPropertyPage {
public:
    CGalleryPage(UINT nIDTemplate, std::ostream& report) : CPropertyPage(nIDTemplate), m_report(report) {}

    // ---- Overridables ----
    // After the sheet has closed: one line per committed value ("value ID N").
    virtual void ReportValues() {}

protected:
    std::ostream& m_report;

    // The toolkit control nID's notifications are reported from now on.
    void ReportNotificationsOf(int nID) { m_toolkitControls.insert(nID); }
    // What the page answers a reported notification with (0 unless a page says otherwise).
    virtual LRESULT ReplyToNotification(int nID, UINT nCode);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    std::set<int> m_toolkitControls;
};
