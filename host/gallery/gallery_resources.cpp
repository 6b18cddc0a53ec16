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
    {.caption = "Spin edits", .style = kPageStyle, .cx = 320, .cy = 154, .fontName = kFont},
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
    {.caption = "Parsed edits", .style = kPageStyle, .cx = 320, .cy = 154, .fontName = kFont},
    {
        {"Static", "&Digits:", kNoID, 10, 12, 76, 8, kLabel},
        {"Edit", "", IDC_DIGITS_EDIT, 90, 10, 70, 12, kEdit},
        {SPIN_BUTTON_CLASS, "", IDC_DIGITS_SPIN_BUTTON, 161, 10, 10, 12, kSpinButton},
        {"Static", "&Letters:", kNoID, 10, 36, 76, 8, kLabel},
        {"Static", "Digits &and letters:", kNoID, 10, 56, 76, 8, kLabel},
        {"Button", "&Quiet rejections (answer -1)", IDC_QUIET_REJECTIONS, 10, 80, 150, 10, kCheckBox},
    }};

const win32::DialogTemplate kModularPage{
    {.caption = "Modular edits", .style = kPageStyle, .cx = 320, .cy = 154, .fontName = kFont},
    {
        {"Static", "&Time of day:", kNoID, 10, 12, 76, 8, kLabel},
        {"Edit", "", IDC_TIME_EDIT, 90, 10, 60, 12, kEdit},
        {SPIN_BUTTON_CLASS, "", IDC_TIME_SPIN_BUTTON, 151, 10, 10, 12, kSpinButton},
        {"Static", "&Address:", kNoID, 10, 32, 76, 8, kLabel},
        {"Edit", "", IDC_ADDRESS_EDIT, 90, 30, 70, 12, kEdit},
        {SPIN_BUTTON_CLASS, "", IDC_ADDRESS_SPIN_BUTTON, 161, 30, 10, 12, kSpinButton},
        {"Button", "&Show values", IDC_SHOW_VALUES, 90, 52, 60, 14, kPushButton},
    }};

// A Western template (ANSI character set), so that on a Japanese system the
// extension gives its text controls the Japanese font.
const win32::DialogTemplate kBasePage{
    {.caption = "Base page", .style = kPageStyle, .cx = 320, .cy = 154, .fontName = kFont, .extended = true,
     .charset = ANSI_CHARSET},
    {
        {"Static", "&Edit:", kNoID, 10, 12, 40, 8, kLabel},
        {"Edit", "Some text", IDC_BASE_EDIT, 55, 10, 80, 12, kEdit},
        {"Static", "&List:", kNoID, 10, 30, 40, 8, kLabel},
        {"ListBox", "", IDC_BASE_LIST, 55, 28, 80, 30, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP},
        {"Static", "C&ombo:", kNoID, 10, 64, 40, 8, kLabel},
        {"ComboBox", "", IDC_BASE_COMBO, 55, 62, 80, 50, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {"Button", "&Check box", IDC_BASE_CHECK, 145, 10, 80, 10, kCheckBox},
        {"Button", "Choices", IDC_BASE_GROUP, 145, 26, 85, 40, BS_GROUPBOX},
        {"Button", "&First", IDC_BASE_RADIO_FIRST, 152, 38, 70, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
        {"Button", "&Second", IDC_BASE_RADIO_SECOND, 152, 50, 70, 10, BS_AUTORADIOBUTTON},
        {"Button", "&Languages", IDC_BASE_PUSH, 145, 72, 60, 14, kPushButton},
        {"Static", "Extra controls:", IDC_BASE_EXTRA_LABEL, 10, 96, 80, 12, kLabel, 0, true},
        {"Edit", "extra", IDC_BASE_EXTRA_EDIT, 95, 94, 80, 16, kEdit, 0, true},
    }};

const win32::DialogTemplate kToolboxPage{
    {.caption = "Toolbox", .style = kPageStyle, .cx = 320, .cy = 154, .fontName = kFont},
    {
        {"Edit", "Some text", IDC_TOOLBOX_EDIT, 10, 10, 70, 12, kEdit},
        {"ComboBox", "", IDC_TOOLBOX_COMBO, 10, 26, 70, 50, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP},
        {"Button", "C&heck box", IDC_TOOLBOX_CHECK, 10, 44, 70, 10, kCheckBox},
        {"Button", "&First", IDC_TOOLBOX_RADIO_FIRST, 10, 56, 35, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
        {"Button", "&Second", IDC_TOOLBOX_RADIO_SECOND, 45, 56, 40, 10, BS_AUTORADIOBUTTON},
        {"Static", "", IDC_TOOLBOX_FRAME, 10, 72, 90, 40, SS_BLACKFRAME},
        {"Button", "C&lear", IDC_TOOLBOX_CLEAR, 110, 10, 58, 14, kPushButton},
        {"Button", "&Record", IDC_TOOLBOX_RECORD, 110, 28, 58, 14, kPushButton},
        {"Button", "Re&play", IDC_TOOLBOX_REPLAY, 110, 46, 58, 14, kPushButton},
        {"Button", "First &group", IDC_TOOLBOX_FIRST_GROUP, 172, 10, 58, 14, kPushButton},
        {"Button", "Second g&roup", IDC_TOOLBOX_SECOND_GROUP, 172, 28, 58, 14, kPushButton},
        {"Button", "S&tart timer", IDC_TOOLBOX_START_TIMER, 172, 46, 58, 14, kPushButton},
        {"Button", "Waiting", IDC_TOOLBOX_CAPTION_A, 110, 66, 58, 14, kPushButton},
        {"Button", "Waiting", IDC_TOOLBOX_CAPTION_B, 172, 66, 58, 14, kPushButton},
        {"Button", "Draw s&mall", IDC_TOOLBOX_DRAW_SMALL, 110, 86, 58, 14, kPushButton},
        {"Button", "Draw l&arge", IDC_TOOLBOX_DRAW_LARGE, 172, 86, 58, 14, kPushButton},
        {"Button", "Cancel to &Close", IDC_TOOLBOX_CANCEL_TO_CLOSE, 110, 106, 120, 14, kPushButton},
    }};

const win32::DialogTemplate kHelpPage{
    {.caption = "Help", .style = kPageStyle, .cx = 320, .cy = 154, .fontName = kFont},
    {
        {"Static", "F1 on this page starts the help viewer on its topic (161672).", kNoID, 10, 10, 220, 20, kLabel},
        {"Button", "&Home page (topic 0)", IDC_HELP_HOME, 10, 36, 120, 14, kPushButton},
        {"Button", "&Documentation (topic -1)", IDC_HELP_DOCUMENTATION, 10, 54, 120, 14, kPushButton},
        {"Button", "&Patch notes (topic 185000)", IDC_HELP_PATCH, 10, 72, 120, 14, kPushButton},
    }};

template <const win32::DialogTemplate& page>
WIN32_RESOURCE DialogResource(UINT nID) {
    return {RT_DIALOG, MAKEINTRESOURCEA(nID), page.Bytes().data(), static_cast<DWORD>(page.Size())};
}

const WIN32_RESOURCE kResources[] = {
    DialogResource<kSpinPage>(IDD_GALLERY_SPIN),
    DialogResource<kParsedPage>(IDD_GALLERY_PARSED),
    DialogResource<kModularPage>(IDD_GALLERY_MODULAR),
    DialogResource<kBasePage>(IDD_GALLERY_BASE),
    DialogResource<kToolboxPage>(IDD_GALLERY_TOOLBOX),
    DialogResource<kHelpPage>(IDD_GALLERY_HELP),
};

const WIN32_MODULE_RESOURCE_TABLE kResourceTable = {kResources, WIN32_COUNT_OF(kResources), nullptr, 0};

}  // namespace

WIN32_MODULE_RESOURCES(kResourceTable)
