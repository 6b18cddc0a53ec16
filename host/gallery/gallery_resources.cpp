// The gallery's dialog templates. Template order is the tab order; the two
// parsed edits that CreateEdit makes come after the template's controls.
#include <windows.h>

#include <spin_button.h>
#include <win32_dialog_template.h>
#include <win32_resources.h>

#include "gallery_ids.h"

namespace {

constexpr WORD kNoID = win32::kStaticControlId;
constexpr DWORD kPageStyle = WS_CHILD | WS_DISABLED | WS_CAPTION;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFT;
constexpr DWORD kPushButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kSpinButton = 0;
constexpr const char* kFont = "MS Sans Serif";

const win32::DialogTemplate kSpinPage{
    {.caption = "Spin edits", .style = kPageStyle, .cx = 239, .cy = 154, .fontName = kFont},
    {
        {"Static", "&Integer, 0 to 10:", kNoID, 10, 12, 76, 8, kLabel},
        {"Edit", "", IDC_INT_SPIN_EDIT, 90, 10, 40, 12, kEdit},
        {SPIN_BUTTON_CLASS, "", IDC_INT_SPIN_BUTTON, 131, 10, 10, 12, kSpinButton},
        {"Static", "&Floating, 0.5 to 2.5:", kNoID, 10, 32, 76, 8, kLabel},
        {"Edit", "", IDC_FLOAT_SPIN_EDIT, 90, 30, 40, 12, kEdit},
        {SPIN_BUTTON_CLASS, "", IDC_FLOAT_SPIN_BUTTON, 131, 30, 10, 12, kSpinButton},
        {"Button", "&Check values", IDC_CHECK_VALUES, 90, 52, 60, 14, kPushButton},
    }};

const win32::DialogTemplate kParsedPage{
    {.caption = "Parsed edits", .style = kPageStyle, .cx = 239, .cy = 154, .fontName = kFont},
    {
        {"Static", "&Digits:", kNoID, 10, 12, 76, 8, kLabel},
        {"Edit", "", IDC_DIGITS_EDIT, 90, 10, 70, 12, kEdit},
        {SPIN_BUTTON_CLASS, "", IDC_DIGITS_SPIN_BUTTON, 161, 10, 10, 12, kSpinButton},
        {"Static", "&Letters:", kNoID, 10, 36, 76, 8, kLabel},
        {"Static", "Digits &and letters:", kNoID, 10, 56, 76, 8, kLabel},
        {"Button", "&Quiet rejections (answer -1)", IDC_QUIET_REJECTIONS, 10, 80, 150, 10, kCheckBox},
    }};

const win32::DialogTemplate kModularPage{
    {.caption = "Modular edits", .style = kPageStyle, .cx = 239, .cy = 154, .fontName = kFont},
    {
        {"Static", "&Time of day:", kNoID, 10, 12, 76, 8, kLabel},
        {"Edit", "", IDC_TIME_EDIT, 90, 10, 60, 12, kEdit},
        {SPIN_BUTTON_CLASS, "", IDC_TIME_SPIN_BUTTON, 151, 10, 10, 12, kSpinButton},
        {"Static", "&Address:", kNoID, 10, 32, 76, 8, kLabel},
        {"Edit", "", IDC_ADDRESS_EDIT, 90, 30, 70, 12, kEdit},
        {SPIN_BUTTON_CLASS, "", IDC_ADDRESS_SPIN_BUTTON, 161, 30, 10, 12, kSpinButton},
        {"Button", "&Show values", IDC_SHOW_VALUES, 90, 52, 60, 14, kPushButton},
    }};

template <const win32::DialogTemplate& page>
WIN32_RESOURCE DialogResource(UINT nID) {
    return {RT_DIALOG, MAKEINTRESOURCEA(nID), page.Bytes().data(), static_cast<DWORD>(page.Size())};
}

const WIN32_RESOURCE kResources[] = {
    DialogResource<kSpinPage>(IDD_GALLERY_SPIN),
    DialogResource<kParsedPage>(IDD_GALLERY_PARSED),
    DialogResource<kModularPage>(IDD_GALLERY_MODULAR),
};

const WIN32_MODULE_RESOURCE_TABLE kResourceTable = {kResources, WIN32_COUNT_OF(kResources), nullptr, 0};

}  // namespace

WIN32_MODULE_RESOURCES(kResourceTable)
