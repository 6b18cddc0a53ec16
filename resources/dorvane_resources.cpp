// The plug-in's resources: its dialog templates and its string table,
// registered as the resources of the plug-in's own module so that the
// resource chain finds them by number while the library is loaded.
#include <win32_dialog_template.h>
#include <win32_resources.h>

#include "resource.h"

namespace {

constexpr DWORD kPageStyle = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_CONTEXTHELP;
constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kGroupBox = BS_GROUPBOX;
constexpr bool kHidden = true;

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

const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_DISPLAY), kDisplayPage.Bytes().data(), static_cast<DWORD>(kDisplayPage.Size())},
};

// The Display page needs no strings; the Correlation page brings the first ones.
const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), nullptr, 0};

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
