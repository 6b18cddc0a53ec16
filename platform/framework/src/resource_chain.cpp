// The resource chain of extension libraries.
#include "framework/resource_chain.h"

#include <algorithm>

#include "framework/app.h"
#include "framework_state.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (!hModule) return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    std::vector<CDynLinkLibrary*> leaving;
    for (CDynLinkLibrary* pLibrary : AfxState().libraries) {
        if (pLibrary->m_hModule == state.hModule) leaving.push_back(pLibrary);
    }
    for (CDynLinkLibrary* pLibrary : leaving) delete pLibrary;
    state.bInitialized = FALSE;
    // The module's message maps go with it.
    AfxResetMessageCache();
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
    AfxState().libraries.push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    auto& libraries = AfxState().libraries;
    libraries.erase(std::remove(libraries.begin(), libraries.end(), this), libraries.end());
}

HINSTANCE AfxGetInstanceHandle() {
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->m_hInstance ? pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    HINSTANCE hResource = AfxState().hResource;
    return hResource ? hResource : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) { AfxState().hResource = hInstResource; }

void AfxForEachResourceModule(const std::function<bool(HINSTANCE)>& fn) {
    if (fn(AfxGetResourceHandle())) return;
    // A copy: a callback may load a library that joins the chain.
    const std::vector<CDynLinkLibrary*> libraries = AfxState().libraries;
    for (CDynLinkLibrary* pLibrary : libraries) {
        if (fn(pLibrary->m_hResource)) return;
    }
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
    HINSTANCE hFound = nullptr;
    AfxForEachResourceModule([&](HINSTANCE hModule) {
        if (!::FindResourceA(hModule, lpszName, lpszType)) return false;
        hFound = hModule;
        return true;
    });
    return hFound ? hFound : AfxGetResourceHandle();
}
