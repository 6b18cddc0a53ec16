// The Advanced Correlation dialog: the delimiter set split into its text and
// its three escapes while shown, joined again on OK; Use Default, the
// length's spin step and the help request.
#include "corr_advance.h"

#include <commctrl.h>

#include "cfg_tab.h"
#include "length_step.h"
#include "resource.h"

namespace {

constexpr char kEscapeMark = '\\';
constexpr char kDefaultMinDelimitersLength[] = "4";

// The escapes in the order Show values takes them out and OK puts them back.
struct Escape {
    char letter;  // after the backslash
    int nIDCheck;
};
constexpr Escape kEscapes[] = {
    {'r', IDC_CARRIAGE_RETURN},
    {'n', IDC_NEW_LINE},
    {'t', IDC_TAB_CHARACTERS},
};

// Removes every backslash-letter pair in one pass from left to right, without
// overlaps: of "\\r" the first backslash stays and the pair after it goes.
// True when a pair was removed.
bool RemoveEscape(std::string& text, char letter) {
    std::string kept;
    kept.reserve(text.size());
    bool bRemoved = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kEscapeMark && i + 1 < text.size() && text[i + 1] == letter) {
            bRemoved = true;
            ++i;
        } else {
            kept += text[i];
        }
    }
    text = std::move(kept);
    return bRemoved;
}

}  // namespace

BEGIN_MESSAGE_MAP(CCorrAdvance, CDialog)
    ON_BN_CLICKED(IDC_USE_DEFAULT, OnUseDefault)
    ON_WM_HELPINFO()
    ON_NOTIFY(UDN_DELTAPOS, IDC_MIN_DELIMITERS_LENGTH_SPIN, OnLengthSpin)
END_MESSAGE_MAP()

CCorrAdvance::CCorrAdvance(const std::string& strDelimiters, const std::string& strMinDelimitersLength,
                           BOOL bWarnOnLargeDifferences, CWnd* pParentWnd)
    : CDialog(IDD_CORR_ADVANCE, pParentWnd),
      m_bWarnOnLargeDifferences(bWarnOnLargeDifferences),
      m_strDelimiters(strDelimiters),
      m_strMinDelimitersLength(strMinDelimitersLength) {}

CCorrAdvance::~CCorrAdvance() = default;

void CCorrAdvance::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX, IDC_WARN_ON_LARGE_DIFFERENCES, m_bWarnOnLargeDifferences);
}

BOOL CCorrAdvance::OnInitDialog() {
    // The framework's initialisation has already set the warning box from its field.
    const BOOL bDefaultFocus = CDialog::OnInitDialog();
    ShowValues();
    return bDefaultFocus;
}

std::string CCorrAdvance::ControlText(int nID) const {
    std::string text;
    GetDlgItemText(nID, text);
    return text;
}

void CCorrAdvance::ShowValues() {
    // Each pass works on what the one before left, so the r pass of "\\rn"
    // leaves a "\n" for the n pass.
    for (const Escape& escape : kEscapes)
        CheckDlgButton(escape.nIDCheck, RemoveEscape(m_strDelimiters, escape.letter) ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_DELIMITERS, m_strDelimiters.c_str());
    SetDlgItemText(IDC_MIN_DELIMITERS_LENGTH, m_strMinDelimitersLength.c_str());
}

void CCorrAdvance::RefuseWith(UINT nIDPrompt, int nIDFocus) {
    // The prompt's own number is its help context, as for every prompt.
    AfxMessageBox(nIDPrompt, MB_OK);
    if (CWnd* pControl = GetDlgItem(nIDFocus)) pControl->SetFocus();
}

void CCorrAdvance::OnOK() {
    // A text typed into the box is taken verbatim: a typed backslash-n
    // becomes an escape of the stored form.
    m_strDelimiters = ControlText(IDC_DELIMITERS);
    m_strMinDelimitersLength = ControlText(IDC_MIN_DELIMITERS_LENGTH);
    // Only the box counts: checked escapes alone are no delimiters.
    if (m_strDelimiters.empty()) {
        RefuseWith(IDS_TYPE_ANY_DELIMITERS, IDC_DELIMITERS);
        return;
    }
    if (m_strMinDelimitersLength.empty()) {
        RefuseWith(IDS_SUPPLY_DELIMITER_LENGTH, IDC_MIN_DELIMITERS_LENGTH);
        return;
    }
    for (const Escape& escape : kEscapes) {
        if (IsDlgButtonChecked(escape.nIDCheck) == BST_CHECKED) m_strDelimiters += {kEscapeMark, escape.letter};
    }
    CDialog::OnOK();
}

void CCorrAdvance::OnUseDefault() {
    // The controls only: the caller sees these values only after OK.
    m_strDelimiters = CORR_DEFAULT_DELIMITERS;
    m_strMinDelimitersLength = kDefaultMinDelimitersLength;
    m_bWarnOnLargeDifferences = TRUE;
    ShowValues();
    UpdateData(FALSE);
}

void CCorrAdvance::OnLengthSpin(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    const std::string stepped = SteppedLength(ControlText(IDC_MIN_DELIMITERS_LENGTH), pUpDown->iDelta);
    SetDlgItemText(IDC_MIN_DELIMITERS_LENGTH, stepped.c_str());
    // The field takes the text only at OK; the control may move its own position.
    *pResult = 0;
}

BOOL CCorrAdvance::OnHelpInfo(HELPINFO* pHelpInfo) { return SendHelpRequestToHost(*this, IDD_CORR_ADVANCE, pHelpInfo); }
