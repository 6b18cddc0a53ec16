// CWnd: handle maps, subclassing, message dispatch and the window wrappers.
#include "framework/wnd.h"

#include <exception>
#include <vector>

#include "framework/app.h"
#include "framework/controls.h"
#include "framework/data_exchange.h"
#include "framework/resource_chain.h"
#include "framework/gdi.h"
#include "framework_state.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {

LONG_PTR AsLongPtr(WNDPROC pfn) { return reinterpret_cast<LONG_PTR>(pfn); }
WNDPROC CurrentWndProc(HWND hWnd) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)); }

// Installs the framework's procedure and returns the one it replaces (null
// when the window's class already uses the framework's).
WNDPROC HookWindow(HWND hWnd) {
    WNDPROC pfnOld = CurrentWndProc(hWnd);
    if (pfnOld == AfxWndProc) return nullptr;
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, AsLongPtr(AfxWndProc));
    return pfnOld;
}

void RegisterFrameworkClass() {
    HINSTANCE hInstance = AfxGetInstanceHandle();
    WNDCLASSA wc{};
    if (::GetClassInfoA(hInstance, AFX_WND_CLASS, &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = AFX_WND_CLASS;
    ::RegisterClassA(&wc);
}

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) pWnd = CWnd::AttachInitWindow(hWnd);
    if (!pWnd) return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return CWnd::CallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

CWnd::CWnd() = default;

// A window that outlives its object is destroyed with it; its procedure is
// restored first so that its last messages do not reach a half-destroyed object.
CWnd::~CWnd() {
    if (!m_hWnd || FromHandlePermanent(m_hWnd) != this) return;
    HWND hWnd = m_hWnd;
    if (m_pfnSuper && CurrentWndProc(hWnd) == AfxWndProc) ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, AsLongPtr(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    ::DestroyWindow(hWnd);
}

// ---- Handle maps ----

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    FrameworkState& state = AfxState();
    if (hWnd && hWnd == state.hLastPermanent) return state.pLastPermanent;
    auto it = state.permanentWindows.find(hWnd);
    if (it == state.permanentWindows.end()) return nullptr;
    state.hLastPermanent = hWnd;
    state.pLastPermanent = it->second;
    return it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd)) return pWnd;
    auto& temporary = AfxState().temporaryWindows[hWnd];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_hWnd = hWnd;
    }
    return temporary.get();
}

void CWnd::DeleteTempMap() {
    auto& temporary = AfxState().temporaryWindows;
    for (auto& [hWnd, pWnd] : temporary) pWnd->m_hWnd = nullptr;
    temporary.clear();
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (!hWndNew || m_hWnd || FromHandlePermanent(hWndNew)) return FALSE;
    AfxState().permanentWindows[hWndNew] = this;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    FrameworkState& state = AfxState();
    if (hWnd && FromHandlePermanent(hWnd) == this) state.permanentWindows.erase(hWnd);
    if (state.hLastPermanent == hWnd) state.hLastPermanent = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!::IsWindow(hWnd) || !Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    m_pfnSuper = HookWindow(hWnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!pParent) return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper) ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, AsLongPtr(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

CWnd* CWnd::AttachInitWindow(HWND hWnd) {
    FrameworkState& state = AfxState();
    CWnd* pWnd = state.pWndInit;
    if (!pWnd || pWnd->m_hWnd) return nullptr;
    state.pWndInit = nullptr;
    pWnd->Attach(hWnd);
    pWnd->m_pfnSuper = HookWindow(hWnd);
    return pWnd;
}

// ---- Dispatch ----

LRESULT CWnd::CallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    FrameworkState& state = AfxState();
    const MSG savedMsg = state.lastSentMsg;
    const HWND savedInitDialog = state.hInitDialogInProgress;
    state.lastSentMsg = MSG{};
    state.lastSentMsg.hwnd = hWnd;
    state.lastSentMsg.message = nMsg;
    state.lastSentMsg.wParam = wParam;
    state.lastSentMsg.lParam = lParam;
    if (nMsg == WM_INITDIALOG) state.hInitDialogInProgress = hWnd;

    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (const std::exception& e) {
        AfxTrace("framework: exception in a window procedure: ");
        AfxTrace(e.what());
    } catch (...) {
        AfxTrace("framework: exception in a window procedure");
    }
    // The window's last message: make sure nothing refers to it any more,
    // even when a handler did not call the base OnNcDestroy. (pWnd may have
    // deleted itself, so only the map is consulted.)
    if (nMsg == WM_NCDESTROY && FromHandlePermanent(hWnd) == pWnd) pWnd->FinishNcDestroy();

    state.lastSentMsg = savedMsg;
    state.hInitDialogInProgress = savedInitDialog;
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        if (lParam == 0) return FALSE;
        LRESULT lResult = 0;
        if (!OnNotify(wParam, lParam, &lResult)) return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    const bool isCtlColor = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), isCtlColor ? AFX_WM_CTLCOLOR : message, 0, 0);
    if (!pEntry) return FALSE;
    *pResult = CallHandler(*pEntry, message, wParam, lParam);
    return TRUE;
}

namespace {

struct WindowMessageCall {
    CWnd* pWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;

    static CPoint PointOf(LPARAM lParam) {
        return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    }

    LRESULT operator()(std::monostate) const { return 0; }
    LRESULT operator()(const AfxSigVoid& h) const { (pWnd->*h.pfn)(); return 0; }
    LRESULT operator()(const AfxSigRange&) const { return 0; }
    LRESULT operator()(const AfxSigNotify&) const { return 0; }
    LRESULT operator()(const AfxSigHelpInfo& h) const { return (pWnd->*h.pfn)(reinterpret_cast<HELPINFO*>(lParam)); }
    LRESULT operator()(const AfxSigTimer& h) const { (pWnd->*h.pfn)(static_cast<UINT_PTR>(wParam)); return 0; }
    LRESULT operator()(const AfxSigKey& h) const {
        (pWnd->*h.pfn)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    LRESULT operator()(const AfxSigMouse& h) const { (pWnd->*h.pfn)(static_cast<UINT>(wParam), PointOf(lParam)); return 0; }
    LRESULT operator()(const AfxSigScroll& h) const {
        auto* pScrollBar = dynamic_cast<CScrollBar*>(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(lParam)));
        (pWnd->*h.pfn)(LOWORD(wParam), HIWORD(wParam), pScrollBar);
        return 0;
    }
    LRESULT operator()(const AfxSigCtlColor& h) const {
        HBRUSH hBrush = (pWnd->*h.pfn)(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                                       CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX);
        return reinterpret_cast<LRESULT>(hBrush);
    }
    LRESULT operator()(const AfxSigCreate& h) const { return (pWnd->*h.pfn)(reinterpret_cast<LPCREATESTRUCTA>(lParam)); }
    LRESULT operator()(const AfxSigMessage& h) const { return (pWnd->*h.pfn)(wParam, lParam); }
};

}  // namespace

LRESULT CWnd::CallHandler(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam, LPARAM lParam) {
    return std::visit(WindowMessageCall{this, message, wParam, lParam}, entry.handler);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    // A control's notification caused by UpdateData itself is not the user's doing.
    if (lParam != 0 && AfxState().hLockoutNotifyWindow == m_hWnd) return TRUE;
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (AfxState().hLockoutNotifyWindow == m_hWnd) return TRUE;
    const AFX_MSGMAP_ENTRY* pEntry =
        AfxFindMessageEntry(GetMessageMap(), WM_NOTIFY, pNMHDR->code, static_cast<UINT>(pNMHDR->idFrom));
    const auto* pNotify = pEntry ? std::get_if<AfxSigNotify>(&pEntry->handler) : nullptr;
    if (!pNotify) return FALSE;
    *pResult = 0;
    (this->*pNotify->pfn)(pNMHDR, pResult);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& msg = AfxState().lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage() { return &AfxState().lastSentMsg; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (hWnd == hWndStop) break;
    }
    return FALSE;
}

void CWnd::DoDataExchange(CDataExchange*) {}
void CWnd::PostNcDestroy() {}
void CWnd::PreSubclassWindow() {}

void CWnd::FinishNcDestroy() {
    HWND hWnd = m_hWnd;
    if (!hWnd) return;
    if (m_pfnSuper && CurrentWndProc(hWnd) == AfxWndProc) ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, AsLongPtr(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    FrameworkState& state = AfxState();
    const HWND savedLockout = state.hLockoutNotifyWindow;
    state.hLockoutNotifyWindow = m_hWnd;
    CDataExchange dx(this, bSaveAndValidate);
    BOOL bOK = TRUE;
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        bOK = FALSE;
    }
    state.hLockoutNotifyWindow = savedLockout;
    return bOK;
}

// ---- Message handlers ----

BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() {
    Default();
    FinishNcDestroy();
}
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
int CWnd::OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnClose() { Default(); }

// ---- Creation and destruction ----

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    if (m_hWnd) return FALSE;
    if (!lpszClassName) {
        RegisterFrameworkClass();
        lpszClassName = AFX_WND_CLASS;
    }
    FrameworkState& state = AfxState();
    CWnd* const savedInit = state.pWndInit;
    state.pWndInit = this;
    HWND hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd),
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), AfxGetInstanceHandle(), lpParam);
    if (state.pWndInit == this) state.pWndInit = savedInit;
    if (!hWnd) return FALSE;
    // A window of a foreign class is taken over once it exists.
    if (m_hWnd != hWnd && !SubclassWindow(hWnd)) return FALSE;
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    HWND hWnd = m_hWnd;
    if (!hWnd) return FALSE;
    const BOOL bResult = ::DestroyWindow(hWnd);
    // An attached but not subclassed window never tells this object it went.
    if (FromHandlePermanent(hWnd) == this) Detach();
    return bResult;
}

// ---- Attributes and operations ----

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }

namespace {
BOOL ModifyLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hWnd, nIndex));
    const DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle) return FALSE;
    ::SetWindowLongA(hWnd, nIndex, static_cast<LONG>(dwNewStyle));
    if (nFlags != 0) {
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int nID) { return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID)); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::SetParent(CWnd* pWndNewParent) { return FromHandle(::SetParent(m_hWnd, AfxGetSafeHwnd(pWndNewParent))); }
CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
void CWnd::GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }
CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
CWnd* CWnd::GetTopWindow() const { return FromHandle(::GetWindow(m_hWnd, GW_CHILD)); }
CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
    return FromHandle(::GetNextDlgTabItem(m_hWnd, AfxGetSafeHwnd(pWndCtl), bPrevious));
}
CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const {
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, AfxGetSafeHwnd(pWndCtl), bPrevious));
}
BOOL CWnd::IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, AfxGetSafeHwnd(pWnd)); }

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}
void CWnd::GetWindowText(std::string& rString) const {
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1, '\0');
    const int nCopied = ::GetWindowTextA(m_hWnd, buffer.data(), nLength + 1);
    rString.assign(buffer.data(), static_cast<size_t>(nCopied > 0 ? nCopied : 0));
}
std::string CWnd::GetWindowText() const {
    std::string text;
    GetWindowText(text);
    return text;
}
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
void CWnd::SetDlgItemText(int nID, LPCSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }
int CWnd::GetDlgItemText(int nID, std::string& rString) const {
    rString.clear();
    HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
    if (!hWndItem) return 0;
    CWnd item;
    item.m_hWnd = hWndItem;
    item.GetWindowText(rString);
    item.m_hWnd = nullptr;
    return static_cast<int>(rString.size());
}
void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }
UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}
void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
UINT CWnd::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}
LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }

void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}
void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}
BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, AfxGetSafeHwnd(pWndInsertAfter), x, y, cx, cy, nFlags);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    HGDIOBJ hFont = pFont ? pFont->GetSafeHandle() : nullptr;
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
}
CFont* CWnd::GetFont() const {
    auto hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    return hFont ? CFont::FromHandle(hFont) : nullptr;
}

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}
int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption ? lpszCaption : AfxGetAppName(), nType);
}
UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}
BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
void CWnd::ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return pDC ? ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()) : 0; }
