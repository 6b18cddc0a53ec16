// The plug-in's resources: its dialog templates and its string table,
// registered as the resources of the plug-in's own module so that the
// resource chain finds them by number while the library is loaded.
#include <win32_dialog_template.h>
#include <win32_resources.h>

#include <commctrl.h>

#include "resource.h"

namespace {

constexpr DWORD kPageStyle = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_CONTEXTHELP;
constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kGroupBox = BS_GROUPBOX;
constexpr bool kHidden = true;
constexpr DWORD kCorrelationStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kRadioButton = BS_AUTORADIOBUTTON;
constexpr DWORD kLabel = SS_LEFT | WS_GROUP;
constexpr WORD kNoID = win32::kStaticControlId;

#if DORVANE_EARLIER_EDITION
constexpr const char* kShowBrowserCaption = "Sh&ow browser during replay";
#else
constexpr const char* kShowBrowserCaption = "Sh&ow run-time viewer during replay";
#endif

// Template order is the tab order.
const win32::DialogTemplate kDisplayPage{
    {.caption = "Display", .style = kPageStyle, .cx = 239, .cy = 154, .fontName = "MS Sans Serif", .pointSize = 8},
    {
        {"Button", kShowBrowserCaption, IDC_SHOW_BROWSER, 17, 10, 133, 10, kCheckBox},
        {"Button", "Au&to arrange window", IDC_BROWSER_AUTO_ARRANGE, 30, 24, 83, 10, kCheckBox},
        {"Button", "&Generate report during script execution", IDC_GENERATE_REPORT, 17, 54, 151, 10, kCheckBox},
        {"Button", "&Display report at the end of script execution", IDC_OPEN_REPORT, 30, 69, 181, 10, kCheckBox,
         0, kHidden},
        {"Button", "Test Results", IDC_TEST_RESULTS_GROUP, 11, 40, 213, 33, kGroupBox},
        {"Button", "&Show Tovik during recording", IDC_SHOW_DURING_RECORDING, 17, 9, 142, 10,
         kCheckBox | WS_DISABLED, 0, kHidden},
        {"Button", "Online Browser", IDC_ONLINE_BROWSER_GROUP, 11, 3, 213, 43, kGroupBox},
    }};

constexpr const char* kAppletsCaption = "&Enable Scripting and Java applets on Snapshots viewer";
constexpr const char* kImagesCaption = "&Download images on Snapshots viewer";
constexpr const char* kScanGroupCaption = "Scan for differences between snapshots using";
constexpr const char* kHtmlCaption = "HT&ML comparison";
constexpr const char* kTextCaption = "&Text comparison";
constexpr const char* kWarnCaption = "&Issue a warning for large correlations (>10K)";
constexpr DWORD kPushButton = BS_PUSHBUTTON | WS_TABSTOP;

#if DORVANE_EARLIER_EDITION
// The length, the warning and the delimiters are edited in the Advanced dialog.
const win32::DialogTemplate kCorrelationPage{
    {.caption = "Correlation", .style = kCorrelationStyle, .cx = 236, .cy = 146, .fontName = "MS Sans Serif",
     .pointSize = 8},
    {
        {"Button", kAppletsCaption, IDC_ENABLE_JAVA_APPLETS, 18, 13, 193, 10, kCheckBox},
        {"Button", kImagesCaption, IDC_DOWNLOAD_IMAGES, 18, 29, 176, 10, kCheckBox},
        {"Button", kScanGroupCaption, kNoID, 18, 49, 206, 42, kGroupBox},
        {"Button", kHtmlCaption, IDC_HTML_COMPARISON, 27, 61, 84, 10, kRadioButton},
        {"Button", kTextCaption, IDC_TEXT_COMPARISON, 27, 76, 93, 10, kRadioButton},
        {"Button", "&Advanced ...", IDC_ADVANCED, 18, 103, 76, 14, kPushButton},
    }};

#else
// The up-down control has no buddy and no range: the page steps the edit box itself.
const win32::DialogTemplate kCorrelationPage{
    {.caption = "Correlation", .style = kCorrelationStyle, .cx = 236, .cy = 176, .fontName = "MS Sans Serif",
     .pointSize = 8, .extended = true},
    {
        {"Button", kAppletsCaption, IDC_ENABLE_JAVA_APPLETS, 18, 13, 193, 10, kCheckBox},
        {"Button", kImagesCaption, IDC_DOWNLOAD_IMAGES, 18, 29, 176, 10, kCheckBox},
        {"Static", "Ignore differences shorter than ", kNoID, 18, 77, 99, 11, kLabel},
        {"Edit", "", IDC_MIN_DELIMITERS_LENGTH, 119, 75, 26, 12, WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL},
        {UPDOWN_CLASSA, "", IDC_MIN_DELIMITERS_LENGTH_SPIN, 145, 74, 11, 14, UDS_ARROWKEYS},
        {"Static", "characters", kNoID, 159, 77, 34, 8, kLabel},
        {"Button", kWarnCaption, IDC_WARN_ON_LARGE_DIFFERENCES, 18, 94, 153, 10, kCheckBox},
        {"Static", "", kNoID, 10, 56, 215, 1, SS_GRAYFRAME | WS_DISABLED, WS_EX_STATICEDGE},
        {"Static", "Correlation Options:", kNoID, 9, 52, 62, 8, kLabel},
        {"Button", kScanGroupCaption, kNoID, 16, 113, 206, 43, kGroupBox},
        // Not a group start, so that the two radio buttons form one group with the box before them.
        {"Button", kHtmlCaption, IDC_HTML_COMPARISON, 33, 126, 84, 10, kRadioButton},
        {"Button", kTextCaption, IDC_TEXT_COMPARISON, 33, 141, 93, 10, kRadioButton},
    }};

#endif

// Plain form in both editions. The three escape check boxes stand for
// carriage return, new line and tab in the delimiter set; the up-down control
// has no buddy and no range: the dialog steps the length box itself.
const win32::DialogTemplate kCorrAdvanceDialog{
    {.caption = "Advanced Correlation", .style = kCorrelationStyle, .cx = 206, .cy = 175,
     .fontName = "MS Sans Serif", .pointSize = 8},
    {
        {"Static", "Characters that should be treated as delimiters:", kNoID, 18, 12, 168, 11, kLabel},
        {"Edit", "", IDC_DELIMITERS, 18, 27, 169, 12, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {"Static", "Additional delimiters:", kNoID, 18, 46, 167, 8, kLabel},
        {"Button", "&Carriage return", IDC_CARRIAGE_RETURN, 18, 61, 62, 10, kCheckBox},
        {"Button", "&New line", IDC_NEW_LINE, 18, 75, 77, 10, kCheckBox},
        {"Button", "&Tab characters", IDC_TAB_CHARACTERS, 18, 89, 81, 10, kCheckBox},
        {"Static", "Ignore differences shorter than ", kNoID, 19, 110, 99, 11, kLabel},
        {"Edit", "", IDC_MIN_DELIMITERS_LENGTH, 120, 108, 26, 12, WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL},
        {UPDOWN_CLASSA, "Spin1", IDC_MIN_DELIMITERS_LENGTH_SPIN, 146, 107, 10, 14, UDS_ARROWKEYS},
        {"Button", "OK", IDOK, 18, 152, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {"Button", "Cancel", IDCANCEL, 79, 152, 50, 14, kPushButton},
        {"Button", "&Use Default", IDC_USE_DEFAULT, 140, 152, 50, 14, kPushButton},
        {"Static", "characters", kNoID, 159, 110, 34, 8, kLabel},
        {"Button", kWarnCaption, IDC_WARN_ON_LARGE_DIFFERENCES, 18, 127, 153, 10, kCheckBox},
    }};

const WIN32_STRING_RESOURCE kStrings[] = {
    {IDS_TYPE_ANY_DELIMITERS, "Please type any delimiters"},
    {IDS_SUPPLY_DELIMITER_LENGTH, "Please supply delimiter length"},
};

const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_DISPLAY), kDisplayPage.Bytes().data(), static_cast<DWORD>(kDisplayPage.Size())},
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_CORRELATION), kCorrelationPage.Bytes().data(),
     static_cast<DWORD>(kCorrelationPage.Size())},
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_CORR_ADVANCE), kCorrAdvanceDialog.Bytes().data(),
     static_cast<DWORD>(kCorrAdvanceDialog.Size())},
};

const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), kStrings, WIN32_COUNT_OF(kStrings)};

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
