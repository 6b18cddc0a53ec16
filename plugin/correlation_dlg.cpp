// The Correlation page: its section and applets default, loading and saving
// its keys, the defaults, the check of the length box and its spin step.
#include "correlation_dlg.h"

#include <commctrl.h>

#include "corr_advance.h"
#include "length_step.h"
#include "resource.h"
#include "settings_access.h"

namespace {

constexpr char kSharedSection[] = "dorvane_tab";
constexpr char kProtocolSectionPrefix[] = "dorvane_tab_";

constexpr char kEnableJavaAppletsKey[] = "EnableJavaApplets";
constexpr char kDownloadImagesKey[] = "DownloadImages";
constexpr char kTypeOfScanDiffKey[] = "TypeOfScanDiff";
constexpr char kMinDelimitersLengthKey[] = "MinDelimitersLength";
constexpr char kWarnOnLargeDifferencesKey[] = "WarnOnLargeDifferences";
constexpr char kCorrelationStudioKey[] = "CorrelationStudio";
constexpr char kDiffAtScriptOnlyKey[] = "DiffAtScriptOnly";

constexpr char kFlagOn[] = "1";
constexpr char kFlagOff[] = "0";
constexpr char kHtmlComparison[] = "1";
constexpr char kTextComparison[] = "2";
constexpr char kDefaultMinDelimitersLength[] = "4";
constexpr int kDefaultWarnOnLargeDifferences = 1;

#if DORVANE_EARLIER_EDITION
constexpr char kHtmlDiffDelimitersKey[] = "HtmlDiffDelimiters";
#endif

constexpr char kScriptingAndAppletsKey[] = "EnableScriptingAndJavaApplets";
constexpr int kDescriptionBufferSize = 128;

// Every value of the page arrives in a buffer of 256 characters, whatever
// length the file gives it: the flags and the scan type are read with the
// size 255 (at most 254 characters count), the texts with the whole buffer.
constexpr int kProfileBufferSize = 256;
constexpr int kFlagReadSize = kProfileBufferSize - 1;
constexpr int kTextReadSize = kProfileBufferSize;

// The section and the applets default: only the first character of the
// description's answer counts, so "1", "10" and "1x" all give the protocol its own section.
struct SectionChoice {
    std::string strSection;
    std::string strAppletsDefault;
};

SectionChoice ChooseSection(const std::string& strProtocol) {
    const std::string strAnswer = ReadDescriptionKey(strProtocol.c_str(), kScriptingAndAppletsKey, kDescriptionBufferSize);
    if (strAnswer.starts_with('1')) return {kProtocolSectionPrefix + strProtocol, kFlagOn};
    return {kSharedSection, kFlagOff};
}

}  // namespace

BEGIN_MESSAGE_MAP(CCorrelationDlg, CCfgTab)
    ON_WM_HELPINFO()
#if DORVANE_EARLIER_EDITION
    ON_BN_CLICKED(IDC_ADVANCED, OnAdvanced)
#else
    ON_NOTIFY(UDN_DELTAPOS, IDC_MIN_DELIMITERS_LENGTH_SPIN, OnLengthSpin)
#endif
END_MESSAGE_MAP()

CCorrelationDlg::CCorrelationDlg(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol)
    : CCfgTab(lpszSource, lpszExtra, lpszProtocol, IDD_CORRELATION, 0), m_strProfileFile(HostProfileName()) {
    SectionChoice choice = ChooseSection(m_strProtocol);
    m_strSection = std::move(choice.strSection);
    m_strAppletsDefault = std::move(choice.strAppletsDefault);
}

CCorrelationDlg::~CCorrelationDlg() = default;

void CCorrelationDlg::DoDataExchange(CDataExchange* pDX) {
    CCfgTab::DoDataExchange(pDX);
#if !DORVANE_EARLIER_EDITION
    DDX_Check(pDX, IDC_WARN_ON_LARGE_DIFFERENCES, m_bWarnOnLargeDifferences);
#endif
}

std::string CCorrelationDlg::ReadString(LPCSTR lpszKey, LPCSTR lpszDefault, int nSize) const {
    char buffer[kProfileBufferSize] = {};
    ::GetPrivateProfileStringA(m_strSection.c_str(), lpszKey, lpszDefault, buffer, static_cast<DWORD>(nSize),
                               m_strProfileFile.c_str());
    return buffer;
}

void CCorrelationDlg::WriteString(LPCSTR lpszKey, LPCSTR lpszValue) const {
    ::WritePrivateProfileStringA(m_strSection.c_str(), lpszKey, lpszValue, m_strProfileFile.c_str());
}

void CCorrelationDlg::WriteFlag(LPCSTR lpszKey, bool bOn) const { WriteString(lpszKey, bOn ? kFlagOn : kFlagOff); }

std::string CCorrelationDlg::ControlText(int nID) const {
    std::string text;
    GetDlgItemText(nID, text);
    return text;
}

void CCorrelationDlg::SetCheck(int nID, bool bOn) { CheckDlgButton(nID, bOn ? BST_CHECKED : BST_UNCHECKED); }

bool CCorrelationDlg::IsChecked(int nID) const { return IsDlgButtonChecked(nID) == BST_CHECKED; }

void CCorrelationDlg::LoadOptions() {
    // Only "1" exactly is on: "true" and " 1" are off.
    SetCheck(IDC_ENABLE_JAVA_APPLETS, ReadString(kEnableJavaAppletsKey, m_strAppletsDefault.c_str(), kFlagReadSize) == kFlagOn);
    SetCheck(IDC_DOWNLOAD_IMAGES, ReadString(kDownloadImagesKey, kFlagOn, kFlagReadSize) == kFlagOn);
    const std::string scanType = ReadString(kTypeOfScanDiffKey, kHtmlComparison, kFlagReadSize);
#if DORVANE_EARLIER_EDITION
    // Neither "1" nor "2": both buttons stay clear, and the save leaves the key as it is.
    SetCheck(IDC_HTML_COMPARISON, scanType == kHtmlComparison);
    SetCheck(IDC_TEXT_COMPARISON, scanType == kTextComparison);
    m_strDelimiters = ReadString(kHtmlDiffDelimitersKey, CORR_DEFAULT_DELIMITERS, kTextReadSize);
    m_strMinDelimitersLength = ReadString(kMinDelimitersLengthKey, kDefaultMinDelimitersLength, kTextReadSize);
#else
    // Anything but "2" is HTML comparison.
    SetCheck(IDC_TEXT_COMPARISON, scanType == kTextComparison);
    SetCheck(IDC_HTML_COMPARISON, scanType != kTextComparison);
    m_strMinDelimitersLength = ReadString(kMinDelimitersLengthKey, kDefaultMinDelimitersLength, kTextReadSize);
    SetDlgItemText(IDC_MIN_DELIMITERS_LENGTH, m_strMinDelimitersLength.c_str());
#endif
    m_bWarnOnLargeDifferences = ::GetPrivateProfileIntA(m_strSection.c_str(), kWarnOnLargeDifferencesKey,
                                                        kDefaultWarnOnLargeDifferences, m_strProfileFile.c_str())
                                    ? TRUE
                                    : FALSE;
    UpdateData(FALSE);
}

void CCorrelationDlg::SaveOptions() {
    if (!m_hWnd || !::IsWindow(m_hWnd)) return;
    if (!UpdateData(TRUE)) return;
    // The host reads these two; the page only states them.
    WriteString(kCorrelationStudioKey, kFlagOn);
    WriteString(kDiffAtScriptOnlyKey, kFlagOn);
    WriteFlag(kEnableJavaAppletsKey, IsChecked(IDC_ENABLE_JAVA_APPLETS));
    WriteFlag(kDownloadImagesKey, IsChecked(IDC_DOWNLOAD_IMAGES));
#if !DORVANE_EARLIER_EDITION
    m_strMinDelimitersLength = ControlText(IDC_MIN_DELIMITERS_LENGTH);
#endif
    if (IsChecked(IDC_HTML_COMPARISON)) {
        WriteString(kTypeOfScanDiffKey, kHtmlComparison);
    } else if (IsChecked(IDC_TEXT_COMPARISON)) {
        WriteString(kTypeOfScanDiffKey, kTextComparison);
    }
#if DORVANE_EARLIER_EDITION
    WriteString(kHtmlDiffDelimitersKey, m_strDelimiters.c_str());
#endif
    WriteString(kMinDelimitersLengthKey, m_strMinDelimitersLength.c_str());
    WriteFlag(kWarnOnLargeDifferencesKey, m_bWarnOnLargeDifferences != FALSE);
}

void CCorrelationDlg::RestoreDefaults() {
    SetCheck(IDC_ENABLE_JAVA_APPLETS, m_strAppletsDefault == kFlagOn);
    SetCheck(IDC_DOWNLOAD_IMAGES, true);
#if !DORVANE_EARLIER_EDITION
    // The earlier edition's length and warning belong to the Advanced dialog and keep their values.
    m_strMinDelimitersLength = kDefaultMinDelimitersLength;
    m_bWarnOnLargeDifferences = TRUE;
    SetDlgItemText(IDC_MIN_DELIMITERS_LENGTH, m_strMinDelimitersLength.c_str());
#endif
    SetCheck(IDC_HTML_COMPARISON, true);
    SetCheck(IDC_TEXT_COMPARISON, false);
    UpdateData(FALSE);
}

BOOL CCorrelationDlg::ValidateOptions() {
#if DORVANE_EARLIER_EDITION
    return TRUE;
#else
    // Only emptiness is refused: "0" and any other text pass.
    m_strMinDelimitersLength = ControlText(IDC_MIN_DELIMITERS_LENGTH);
    if (!m_strMinDelimitersLength.empty()) return TRUE;
    AfxMessageBox(IDS_SUPPLY_DELIMITER_LENGTH, MB_OK, 0);
    if (CWnd* pLength = GetDlgItem(IDC_MIN_DELIMITERS_LENGTH)) pLength->SetFocus();
    return FALSE;
#endif
}

#if DORVANE_EARLIER_EDITION
void CCorrelationDlg::OnAdvanced() {
    // No parent: the dialog is owned by the host's main window.
    CCorrAdvance dialog(m_strDelimiters, m_strMinDelimitersLength, m_bWarnOnLargeDifferences, nullptr);
    if (dialog.DoModal() != IDOK) return;
    // Nothing is written here: the next save stores what the dialog gave back.
    m_strDelimiters = dialog.m_strDelimiters;
    m_strMinDelimitersLength = dialog.m_strMinDelimitersLength;
    m_bWarnOnLargeDifferences = dialog.m_bWarnOnLargeDifferences;
}
#else
void CCorrelationDlg::OnLengthSpin(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    const std::string stepped = SteppedLength(ControlText(IDC_MIN_DELIMITERS_LENGTH), pUpDown->iDelta);
    SetDlgItemText(IDC_MIN_DELIMITERS_LENGTH, stepped.c_str());
    // Let the control move its own position; nothing reads it.
    *pResult = 0;
}
#endif

BOOL CCorrelationDlg::OnHelpInfo(HELPINFO* pHelpInfo) { return SendHelpRequestToHost(*this, IDD_CORRELATION, pHelpInfo); }
