// The plug-in's entry points: the page factories the host finds by name, and
// the library's start-up and shut-down, which put the library's templates and
// strings on the framework's resource chain while it is loaded.
#include <afxext.h>
#include <dorvane_exports.h>
#include <win32_resources.h>

#include <new>
#include <type_traits>

#include "corr_advance.h"
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

// The Advanced Correlation dialog on the host's values. No page of the current
// edition opens it, so a host that wants it asks here; the values change only on OK.
DORVANE_EXPORT int open_corr_advance(std::string& strDelimiters, std::string& strMinDelimitersLength,
                                     BOOL& bWarnOnLargeDifferences) {
    CCorrAdvance dialog(strDelimiters, strMinDelimitersLength, bWarnOnLargeDifferences, nullptr);
    const INT_PTR nResult = dialog.DoModal();
    if (nResult == IDOK) {
        strDelimiters = dialog.m_strDelimiters;
        strMinDelimitersLength = dialog.m_strMinDelimitersLength;
        bWarnOnLargeDifferences = dialog.m_bWarnOnLargeDifferences;
    }
    return static_cast<int>(nResult);
}

static_assert(std::is_same_v<decltype(&create_new_tab), PageFactory>);
static_assert(std::is_same_v<decltype(&create_new_tab1), PageFactory>);
static_assert(std::is_same_v<decltype(&open_corr_advance), OpenCorrAdvance>);
