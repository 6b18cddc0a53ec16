// CCorrAdvance: the modal "Advanced Correlation" dialog. It edits three
// correlation options together, on values its caller hands it: the set of
// characters that delimit differences, the length below which a difference is
// ignored, and the warning for large correlations. The caller reads the
// fields back only when DoModal returns IDOK; the dialog touches no file.
//
// The delimiter set is kept in its stored form, in which backslash-r,
// backslash-n and backslash-t stand for carriage return, new line and tab;
// every other character, backslashes included, is itself. While the dialog is
// shown the escapes are check boxes and the edit box holds the rest.
//
// The earlier edition's Correlation page opens it from "&Advanced ..."; in the
// current edition the page edits the length and the warning itself.
//
// Index:
//   CORR_DEFAULT_DELIMITERS  the delimiter set in stored form that Use Default
//                            and a profile without one give
//   CCorrAdvance             the dialog
#pragma once

#include <afxwin.h>

#include <string>

// The three escapes first, then the apostrophe, a backslash, # $ & / ? = ; < > and the double quote.
inline constexpr char CORR_DEFAULT_DELIMITERS[] = R"(\r\n\t'\#$&/?=;<>")";

class CCorrAdvance : public CDialog {
public:
    // The delimiters in stored form; a null parent makes the host's main window the owner.
    CCorrAdvance(const std::string& strDelimiters, const std::string& strMinDelimitersLength,
                 BOOL bWarnOnLargeDifferences, CWnd* pParentWnd = nullptr);
    ~CCorrAdvance() override;

    // ---- Attributes ----
    BOOL m_bWarnOnLargeDifferences;      // 1027
    std::string m_strDelimiters;         // stored form before and after the dialog, without escapes while shown
    std::string m_strMinDelimitersLength;  // the length as text, never converted

    // ---- Overridables ----
    // F1: the help request to the host for this dialog's topic.
    virtual BOOL OnHelpInfo(HELPINFO* pHelpInfo);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Refuses an empty delimiter box, then an empty length box; else puts the
    // checked escapes back at the end of the set and ends with IDOK.
    void OnOK() override;

    afx_msg void OnUseDefault();
    // The up-down control 1030 steps the number in 1029 itself: it has no buddy.
    afx_msg void OnLengthSpin(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    // Takes the escapes out of m_strDelimiters into their check boxes and fills the two edit boxes.
    void ShowValues();
    std::string ControlText(int nID) const;
    void RefuseWith(UINT nIDPrompt, int nIDFocus);
};
