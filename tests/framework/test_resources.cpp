// The dialog templates and strings of the test program's own module, found
// through the resource chain as the application's resources.
#include <win32_dialog_template.h>
#include <win32_resources.h>

#include "framework_fixture.h"

namespace {

using win32::DialogControl;
using win32::DialogTemplate;

const DialogTemplate kSimpleDialog{
    {.caption = "Simple", .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, .cx = 180, .cy = 90,
     .fontName = "MS Sans Serif"},
    {
        {"Edit", "", test_ids::kNameEdit, 7, 7, 100, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {"Button", "&Enabled", test_ids::kEnabledCheck, 7, 25, 100, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {"Edit", "", test_ids::kCountEdit, 7, 40, 50, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {"Button", "OK", IDOK, 70, 70, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {"Button", "Cancel", IDCANCEL, 125, 70, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    }};

const DialogTemplate kAlphaPage{
    {.caption = "Alpha", .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, .cx = 200, .cy = 100,
     .fontName = "MS Sans Serif"},
    {
        {"Button", "&Option", test_ids::kAlphaCheck, 10, 10, 100, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {"Edit", "", test_ids::kAlphaEdit, 10, 30, 100, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    }};

const DialogTemplate kBetaPage{
    {.caption = "Beta", .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, .cx = 220, .cy = 80,
     .fontName = "MS Sans Serif"},
    {
        {"Edit", "", test_ids::kBetaEdit, 10, 10, 100, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    }};

const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(test_ids::kSimpleDialog), kSimpleDialog.Bytes().data(),
     static_cast<DWORD>(kSimpleDialog.Size())},
    {RT_DIALOG, "SIMPLE", kSimpleDialog.Bytes().data(), static_cast<DWORD>(kSimpleDialog.Size())},
    {RT_DIALOG, MAKEINTRESOURCEA(test_ids::kAlphaPage), kAlphaPage.Bytes().data(),
     static_cast<DWORD>(kAlphaPage.Size())},
    {RT_DIALOG, MAKEINTRESOURCEA(test_ids::kBetaPage), kBetaPage.Bytes().data(), static_cast<DWORD>(kBetaPage.Size())},
};
const WIN32_STRING_RESOURCE kStrings[] = {
    {test_ids::kGammaCaption, "Gamma from strings"},
    {30, "application thirty"},
};
const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), kStrings, WIN32_COUNT_OF(kStrings)};

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
