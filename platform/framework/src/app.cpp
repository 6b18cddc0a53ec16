// The application object, the message pump, message boxes and strings.
#include "framework/app.h"

#include <string>
#include <vector>

#include "framework/gdi.h"
#include "framework/resource_chain.h"
#include "framework/wnd.h"
#include "framework_state.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

constexpr char kProfileExtension[] = ".INI";

// The executable's file name without directory and extension.
std::string ExecutableBaseName() {
    char path[MAX_PATH] = {};
    const DWORD nLength = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, nLength < MAX_PATH ? nLength : 0);
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

void ReplaceAll(std::string& text, const std::string& placeholder, const char* replacement) {
    const std::string with = replacement ? replacement : "";
    for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + with.size())) {
        text.replace(at, placeholder.size(), with);
    }
}

}  // namespace

// ---- CWinThread ----

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

int CWinThread::Run() {
    LONG lIdleCount = 0;
    for (;;) {
        MSG peeked{};
        while (!::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++)) break;
        }
        if (!PumpMessage()) return ExitInstance();
        lIdleCount = 0;
    }
}

BOOL CWinThread::PumpMessage() {
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0)) return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    return CWnd::WalkPreTranslateTree(AfxGetSafeHwnd(m_pMainWnd), pMsg);
}

BOOL CWinThread::OnIdle(LONG) {
    CWnd::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
    return FALSE;
}

// ---- CWinApp ----

CWinApp::CWinApp(LPCSTR lpszAppName) {
    FrameworkState& state = AfxState();
    if (state.pApp) AfxTrace("framework: a second application object replaces the first");
    state.pApp = this;
    m_hInstance = ::GetModuleHandleA(nullptr);
    m_strExeName = ExecutableBaseName();
    m_pszExeName = m_strExeName.c_str();
    SetAppName(lpszAppName ? lpszAppName : m_strExeName);
    SetProfileName(m_strExeName + kProfileExtension);
}

CWinApp::~CWinApp() {
    FrameworkState& state = AfxState();
    if (state.pApp == this) state.pApp = nullptr;
}

void CWinApp::SetAppName(const std::string& name) {
    m_strAppName = name;
    m_pszAppName = m_strAppName.c_str();
}

void CWinApp::SetProfileName(const std::string& name) {
    m_strProfileName = name;
    m_pszProfileName = m_strProfileName.c_str();
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) {
    HWND hWndOwner = AfxGetSafeHwnd(m_pMainWnd);
    if (hWndOwner && !::IsWindow(hWndOwner)) hWndOwner = nullptr;
    return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

// ---- Global access ----

CWinApp* AfxGetApp() { return AfxState().pApp; }
CWinThread* AfxGetThread() { return AfxState().pApp; }

CWnd* AfxGetMainWnd() {
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->m_pMainWnd : nullptr;
}

LPCSTR AfxGetAppName() {
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->m_pszAppName : "";
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
    if (CWinApp* pApp = AfxGetApp()) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(nullptr, lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    std::string prompt;
    AfxLoadString(nIDPrompt, prompt);
    if (nIDHelp == static_cast<UINT>(-1)) nIDHelp = nIDPrompt;
    return AfxMessageBox(prompt.c_str(), nType, nIDHelp);
}

// ---- Strings ----

BOOL AfxLoadString(UINT nID, std::string& rString) {
    constexpr int kFirstBufferSize = 256;
    rString.clear();
    BOOL bFound = FALSE;
    AfxForEachResourceModule([&](HINSTANCE hModule) {
        // LoadStringA truncates silently, so grow the buffer until the string fits.
        for (int nSize = kFirstBufferSize;; nSize *= 2) {
            std::vector<char> buffer(static_cast<size_t>(nSize), '\0');
            const int nLength = ::LoadStringA(hModule, nID, buffer.data(), nSize);
            if (nLength <= 0) return false;
            if (nLength < nSize - 1) {
                rString.assign(buffer.data(), static_cast<size_t>(nLength));
                bFound = TRUE;
                return true;
            }
        }
    });
    return bFound;
}

int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf) {
    if (!lpszBuf || nMaxBuf == 0) return 0;
    std::string text;
    AfxLoadString(nID, text);
    const size_t nCopy = text.size() < nMaxBuf - 1 ? text.size() : nMaxBuf - 1;
    text.copy(lpszBuf, nCopy);
    lpszBuf[nCopy] = '\0';
    return static_cast<int>(nCopy);
}

void AfxFormatString1(std::string& rString, UINT nIDS, LPCSTR lpsz1) {
    AfxLoadString(nIDS, rString);
    ReplaceAll(rString, "%1", lpsz1);
}

void AfxFormatString2(std::string& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2) {
    AfxLoadString(nIDS, rString);
    ReplaceAll(rString, "%1", lpsz1);
    ReplaceAll(rString, "%2", lpsz2);
}
