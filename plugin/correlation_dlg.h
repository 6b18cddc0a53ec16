// CCorrelationDlg: the "Correlation" page of the host's options sheet. It
// edits the snapshot viewer's options (scripting and applets, images) and the
// scan for differences between snapshots (HTML or text comparison, the length
// below which a difference is ignored, the warning for large correlations),
// as keys of one section of the host's profile file.
//
// The section and the applets default are fixed at construction by the
// protocol description's "EnableScriptingAndJavaApplets": a leading '1' gives
// the protocol its own section "dorvane_tab_NAME" and applets on by default;
// anything else shares the Display page's "dorvane_tab", applets off.
//
// The current edition edits the length and the warning on the page, with an
// up-down control that steps the length. The earlier edition keeps them, and
// the set of delimiters, in fields that the Advanced Correlation dialog edits.
//
// create_new_tab1 (dorvane.cpp) creates the page only for protocols whose
// description enables it.
#pragma once

#include <string>

#include "cfg_tab.h"

class CCorrelationDlg : public CCfgTab {
public:
    CCorrelationDlg(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol);
    ~CCorrelationDlg() override;

    // ---- Attributes ----
#if DORVANE_EARLIER_EDITION
    std::string m_strDelimiters;         // "HtmlDiffDelimiters", kept verbatim
#endif
    std::string m_strMinDelimitersLength;  // "MinDelimitersLength" as last loaded, defaulted or taken from 1029
    std::string m_strSection;              // the profile section, fixed at construction
    std::string m_strAppletsDefault;       // "1" or "0": "EnableJavaApplets" when the file has none
    BOOL m_bWarnOnLargeDifferences = FALSE;  // 1027, "WarnOnLargeDifferences"
    std::string m_strProfileFile;          // the host's profile file, copied at construction

    // ---- The contract ----
    // LoadOptions, RestoreDefaults and ValidateOptions need the page's window.
    void LoadOptions() override;
    // Does nothing while the page has no window (the sheet never showed it).
    void SaveOptions() override;
    // Sets the controls only; the file changes at the next save.
    void RestoreDefaults() override;
    // FALSE while the length box is empty (the user is told so).
    BOOL ValidateOptions() override;

    // ---- Overridables ----
    // F1: the help request to the host for this page's topic.
    virtual BOOL OnHelpInfo(HELPINFO* pHelpInfo);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

#if DORVANE_EARLIER_EDITION
    // "&Advanced ...": the three fields take what the Advanced dialog gives back on OK.
    afx_msg void OnAdvanced();
#else
    // The up-down control 1030 steps the number in 1029 itself: it has no buddy.
    afx_msg void OnLengthSpin(NMHDR* pNMHDR, LRESULT* pResult);
#endif
    DECLARE_MESSAGE_MAP()

private:
    // At most nSize - 1 characters of the value, which must not exceed the read buffer.
    std::string ReadString(LPCSTR lpszKey, LPCSTR lpszDefault, int nSize) const;
    void WriteString(LPCSTR lpszKey, LPCSTR lpszValue) const;
    void WriteFlag(LPCSTR lpszKey, bool bOn) const;
    std::string ControlText(int nID) const;
    void SetCheck(int nID, bool bOn);
    bool IsChecked(int nID) const;
};
