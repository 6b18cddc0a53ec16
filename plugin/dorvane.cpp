// The plug-in's entry points: the page factories the host finds by name, and
// the library's start-up and shut-down, which put the library's templates and
// strings on the framework's resource chain while it is loaded.
#include <afxext.h>
#include <win32_resources.h>

#include <new>

#include "correlation_dlg.h"
#include "leading_number.h"
#include "settings_access.h"
#include "tab_dorvane.h"

#define DORVANE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

AFX_EXTENSION_MODULE extensionModule;

constexpr char kCorrelationKey[] = "EnableCorrelationStudio";
constexpr int kCorrelationBufferSize = 128;

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        // Without its record the library cannot offer its resources, so it does not load.
        if (!AfxInitExtensionModule(extensionModule, hInstance)) return FALSE;
        // The chain owns the entry; AfxTermExtensionModule deletes it.
        new CDynLinkLibrary(extensionModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(extensionModule);
    }
    return TRUE;
}

}  // namespace

WIN32_DLL_ENTRY(DllMain)

// The Display page, for every protocol; the host owns it from now on.
DORVANE_EXPORT CCfgTab* create_new_tab(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol) {
    return new (std::nothrow) CTabDorvane(lpszSource, lpszExtra, lpszProtocol);
}

// The Correlation page, only for protocols whose description enables it;
// null otherwise or when the page cannot be allocated.
DORVANE_EXPORT CCfgTab* create_new_tab1(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol) {
    // The description enables the page with a number that is not 0, as atoi reads it.
    if (AtoiSaturated(ReadDescriptionKey(lpszProtocol, kCorrelationKey, kCorrelationBufferSize)) == 0) return nullptr;
    return new (std::nothrow) CCorrelationDlg(lpszSource, lpszExtra, lpszProtocol);
}
