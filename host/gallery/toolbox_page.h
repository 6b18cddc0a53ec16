// The gallery's "Toolbox" page: a page on the options-tab base CCfgTab whose
// buttons run each toolbox operation on the page's own controls: clearing,
// recording and replaying their values, enabling and disabling two groups,
// the caption timer, drawing a bitmap into a frame, and turning the sheet's
// Cancel into Close. Record and replay report what they did:
//     recorded N      replayed N
#pragma once

#include <cfg_tab.h>

#include <array>
#include <ostream>

class CToolboxPage : public CCfgTab {
public:
    explicit CToolboxPage(std::ostream& report);

    // The gallery keeps no options.
    void LoadOptions() override {}
    void SaveOptions() override {}
    void RestoreDefaults() override {}

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnClear();
    afx_msg void OnRecord();
    afx_msg void OnReplay();
    afx_msg void OnFirstGroup();
    afx_msg void OnSecondGroup();
    afx_msg void OnStartTimer();
    afx_msg void OnDrawSmall();
    afx_msg void OnDrawLarge();
    afx_msg void OnCancelToClose();
    DECLARE_MESSAGE_MAP()

private:
    static constexpr int kRecordCapacity = 8;
    std::ostream& m_report;
    std::array<ControlState, kRecordCapacity> m_records{};
    int m_nRecords = 0;
    CBitmap m_smallBitmap;
    CBitmap m_largeBitmap;
};
