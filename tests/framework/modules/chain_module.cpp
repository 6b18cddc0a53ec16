// An extension library for the resource-chain tests, built once per name as
// libframework_chain_<CHAIN_MODULE_NAME>.so. It joins the chain when loaded
// and leaves it when unloaded, as the plug-in does; each build carries its own
// strings and a dialog template.
#include <afxext.h>
#include <win32_dialog_template.h>
#include <win32_resources.h>

#include "chain_module_ids.h"

namespace {

AFX_EXTENSION_MODULE extensionModule;

const win32::DialogTemplate kModuleDialog{
    {.caption = "Dialog of " CHAIN_MODULE_NAME, .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION, .cx = 100, .cy = 40,
     .fontName = "MS Sans Serif"},
    {{"Button", "OK", IDOK, 25, 20, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP}}};

const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(CHAIN_DIALOG_ID), kModuleDialog.Bytes().data(), static_cast<DWORD>(kModuleDialog.Size())},
};
const WIN32_STRING_RESOURCE kStrings[] = CHAIN_MODULE_STRINGS;
const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), kStrings, WIN32_COUNT_OF(kStrings)};

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(extensionModule, hInstance)) return FALSE;
        new CDynLinkLibrary(extensionModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(extensionModule);
    }
    return TRUE;
}

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
WIN32_DLL_ENTRY(DllMain)
