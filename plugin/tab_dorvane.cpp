// The Display page: loading and saving its four flags, the dependent check
// boxes and the two presentations.
#include "tab_dorvane.h"


#include <string_view>

#include "leading_number.h"
#include "resource.h"
#include "settings_access.h"

namespace {

constexpr char kSection[] = "dorvane_tab";
constexpr char kShowBrowserKey[] = "ShowBrowser";
constexpr char kBrowserAutoArrangeKey[] = "BrowserAutoArrange";
constexpr char kGenerateReportKey[] = "GenerateReport";
constexpr char kOpenReportKey[] = "OpenReport";
constexpr char kFlagOn[] = "1";
constexpr char kFlagOff[] = "0";

constexpr char kVisualLogKey[] = "VISUAL_LOG";
constexpr int kVisualLogBufferSize = 10;

// A profile value arrives in a buffer of 128 characters read with the size
// 127, so at most 126 characters of it count.
constexpr int kProfileBufferSize = 128;
constexpr int kProfileReadSize = kProfileBufferSize - 1;

// The reduced presentation moves the viewer options down into the room the
// "Test Results" group leaves; pixels added to top and bottom, in this order.
struct ControlMove {
    int nID;
    int nPixels;
};
constexpr ControlMove kReducedPresentationMoves[] = {
    {IDC_SHOW_DURING_RECORDING, 7},
    {IDC_ONLINE_BROWSER_GROUP, 18},
    {IDC_SHOW_BROWSER, 26},
    {IDC_BROWSER_AUTO_ARRANGE, 27},
};

int ReadVisualLog(LPCSTR lpszProtocol) {
    return AtoiSaturated(ReadDescriptionKey(lpszProtocol, kVisualLogKey, kVisualLogBufferSize));
}

}  // namespace

IMPLEMENT_DYNCREATE(CTabDorvane, CPropertyPage)

// Everything else goes straight to the property page's map, past the options-tab bases.
BEGIN_MESSAGE_MAP(CTabDorvane, CPropertyPage)
    ON_BN_CLICKED(IDC_GENERATE_REPORT, OnGenerateReportClicked)
    ON_BN_CLICKED(IDC_SHOW_BROWSER, OnShowBrowserClicked)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CTabDorvane::CTabDorvane() : CCfgTab("", "", "", IDD_DISPLAY, 0) {}

CTabDorvane::CTabDorvane(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol)
    : CCfgTab(lpszSource, lpszExtra, lpszProtocol, IDD_DISPLAY, 0),
      m_strProfileFile(HostProfileName()) {
    m_nVisualLog = ReadVisualLog(m_strProtocol.c_str());
}

CTabDorvane::~CTabDorvane() = default;

void CTabDorvane::DoDataExchange(CDataExchange* pDX) {
    CCfgTab::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_SHOW_BROWSER, m_bShowBrowser);
    DDX_Check(pDX, IDC_OPEN_REPORT, m_bOpenReport);
    DDX_Check(pDX, IDC_GENERATE_REPORT, m_bGenerateReport);
    DDX_Check(pDX, IDC_BROWSER_AUTO_ARRANGE, m_bBrowserAutoArrange);
}

BOOL CTabDorvane::ReadFlag(LPCSTR lpszKey, LPCSTR lpszDefault) const {
    char buffer[kProfileBufferSize] = {};
    ::GetPrivateProfileStringA(kSection, lpszKey, lpszDefault, buffer, kProfileReadSize, m_strProfileFile.c_str());
    // Only "1" exactly is on: "01", "true" and "1 " are off.
    return std::string_view(buffer) == kFlagOn ? TRUE : FALSE;
}

void CTabDorvane::WriteFlag(LPCSTR lpszKey, BOOL bValue) const {
    ::WritePrivateProfileStringA(kSection, lpszKey, bValue ? kFlagOn : kFlagOff, m_strProfileFile.c_str());
}

void CTabDorvane::LoadOptions() {
    if (CWnd* pShowDuringRecording = GetDlgItem(IDC_SHOW_DURING_RECORDING)) pShowDuringRecording->EnableWindow(FALSE);
    // All four keys are read whatever the presentation.
    m_bShowBrowser = ReadFlag(kShowBrowserKey, kFlagOff);
    m_bBrowserAutoArrange = ReadFlag(kBrowserAutoArrangeKey, kFlagOn);
    m_bGenerateReport = ReadFlag(kGenerateReportKey, kFlagOn);
    m_bOpenReport = ReadFlag(kOpenReportKey, kFlagOn);
    UpdateDependentControls();
}

void CTabDorvane::SaveOptions() {
    if (!m_hWnd || !::IsWindow(m_hWnd)) return;
    if (!UpdateData(TRUE)) return;
    WriteFlag(kShowBrowserKey, m_bShowBrowser);
    WriteFlag(kBrowserAutoArrangeKey, m_bBrowserAutoArrange);
    // Without the report options the file keeps whatever report keys it has.
    if (m_nVisualLog != 0) {
        WriteFlag(kGenerateReportKey, m_bGenerateReport);
        WriteFlag(kOpenReportKey, m_bOpenReport);
    }
}

void CTabDorvane::RestoreDefaults() {
    m_bShowBrowser = FALSE;
    m_bBrowserAutoArrange = TRUE;
    m_bGenerateReport = TRUE;
    m_bOpenReport = TRUE;
    UpdateData(FALSE);
    UpdateDependentControls();
}

BOOL CTabDorvane::ValidateOptions() { return TRUE; }

void CTabDorvane::UpdateDependentControls() {
    if (CWnd* pAutoArrange = GetDlgItem(IDC_BROWSER_AUTO_ARRANGE)) pAutoArrange->EnableWindow(m_bShowBrowser != 0);
    if (CWnd* pOpenReport = GetDlgItem(IDC_OPEN_REPORT)) pOpenReport->EnableWindow(m_bGenerateReport != 0);
}

BOOL CTabDorvane::OnInitDialog() {
    CCfgTab::OnInitDialog();
    if (m_nVisualLog != 0) {
        if (CWnd* pOnlineBrowser = GetDlgItem(IDC_ONLINE_BROWSER_GROUP)) pOnlineBrowser->ShowWindow(SW_HIDE);
    } else {
        ShowReducedPresentation();
    }
    return TRUE;
}

void CTabDorvane::ShowReducedPresentation() {
    for (int nID : {IDC_TEST_RESULTS_GROUP, IDC_GENERATE_REPORT, IDC_OPEN_REPORT})
        if (CWnd* pControl = GetDlgItem(nID)) pControl->ShowWindow(SW_HIDE);
    for (const ControlMove& move : kReducedPresentationMoves) MoveControlDown(move.nID, move.nPixels);
}

void CTabDorvane::MoveControlDown(int nID, int nPixels) {
    CWnd* pControl = GetDlgItem(nID);
    if (!pControl) return;
    CRect rect;
    pControl->GetWindowRect(&rect);
    ScreenToClient(&rect);
    rect.OffsetRect(0, nPixels);
    pControl->MoveWindow(&rect, TRUE);
}

void CTabDorvane::OnOK() {
    SaveOptions();
    CPropertyPage::OnOK();
}

void CTabDorvane::OnCancel() { CPropertyPage::OnCancel(); }

void CTabDorvane::OnGenerateReportClicked() {
    UpdateData(TRUE);
    UpdateDependentControls();
}

void CTabDorvane::OnShowBrowserClicked() {
    UpdateData(TRUE);
    UpdateDependentControls();
}

BOOL CTabDorvane::OnHelpInfo(HELPINFO* pHelpInfo) { return SendHelpRequestToHost(*this, IDD_DISPLAY, pHelpInfo); }
