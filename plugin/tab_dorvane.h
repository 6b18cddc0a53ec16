// CTabDorvane: the "Display" page of the host's options sheet. It edits how
// the host presents a script replay: four flags in section "dorvane_tab" of
// the host's profile file.
//
// The page has two presentations, fixed at construction by the protocol
// description's "VISUAL_LOG": on, it offers the test-results report and saves
// its two keys; off, it hides the "Test Results" group, moves the viewer
// options down and saves only the two viewer keys.
#pragma once

#include <string>

#include "cfg_tab.h"

class CTabDorvane : public CCfgTab {
    DECLARE_DYNCREATE(CTabDorvane)
public:
    // Creation by class name: no protocol, no profile file, every flag 0.
    CTabDorvane();
    CTabDorvane(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol);
    ~CTabDorvane() override;

    // ---- Attributes ----
    BOOL m_bShowBrowser = FALSE;         // 1001, "ShowBrowser"
    BOOL m_bOpenReport = FALSE;          // 1004, "OpenReport"
    BOOL m_bGenerateReport = FALSE;      // 1002, "GenerateReport"
    BOOL m_bBrowserAutoArrange = FALSE;  // 1005, "BrowserAutoArrange"
    int m_nVisualLog = 0;                // not 0: the report options are offered and saved
    std::string m_strProfileFile;        // the host's profile file, copied at construction

    // ---- The contract ----
    // LoadOptions and RestoreDefaults need the page's window.
    void LoadOptions() override;
    // Does nothing while the page has no window (the sheet never showed it).
    void SaveOptions() override;
    void RestoreDefaults() override;
    // Always TRUE: the user can always leave the page.
    BOOL ValidateOptions() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // OK and Apply save the page.
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnGenerateReportClicked();
    afx_msg void OnShowBrowserClicked();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

private:
    // 1005 follows 1001 and 1004 follows 1002: enabled only while the option they refine is on.
    void UpdateDependentControls();
    void ShowReducedPresentation();
    void MoveControlDown(int nID, int nPixels);
    BOOL ReadFlag(LPCSTR lpszKey, LPCSTR lpszDefault) const;
    void WriteFlag(LPCSTR lpszKey, BOOL bValue) const;
};
