// The resource chain: where the framework finds dialog templates, strings and
// bitmaps by number. The application's own module is searched first, then each
// extension library's module in the order the libraries joined the chain.
//
// An extension library joins at load (DllMain, process attach):
//     static AFX_EXTENSION_MODULE extensionModule;
//     if (!AfxInitExtensionModule(extensionModule, hInstance)) return FALSE;
//     new CDynLinkLibrary(extensionModule);
// and leaves at unload (process detach):
//     AfxTermExtensionModule(extensionModule);
#pragma once

#include <functional>

#include "framework/message_map.h"

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

FRAMEWORK_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the chain entries of the module (the CDynLinkLibrary objects, made with new).
FRAMEWORK_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// One entry of the chain; it joins when constructed and leaves when destroyed.
class FRAMEWORK_API CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
};

// The application's resource module (AfxSetResourceHandle changes it) and instance.
FRAMEWORK_API HINSTANCE AfxGetResourceHandle();
FRAMEWORK_API void AfxSetResourceHandle(HINSTANCE hInstResource);
FRAMEWORK_API HINSTANCE AfxGetInstanceHandle();

// The first module of the chain holding the resource; the application's
// resource module when none does.
FRAMEWORK_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// Offers each module of the chain, in search order, until fn answers true.
FRAMEWORK_API void AfxForEachResourceModule(const std::function<bool(HINSTANCE)>& fn);
