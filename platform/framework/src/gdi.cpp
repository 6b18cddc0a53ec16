// Drawing objects and device contexts, with their handle maps.
#include "framework/gdi.h"

#include "framework/resource_chain.h"
#include "framework/wnd.h"
#include "framework_state.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)

// ---- CGdiObject ----

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandleAs(HGDIOBJ hObject, const CRuntimeClass* pClass, CGdiObject* (*pfnNew)()) {
    if (!hObject) return nullptr;
    FrameworkState& state = AfxState();
    auto permanent = state.permanentGdiObjects.find(hObject);
    if (permanent != state.permanentGdiObjects.end() && permanent->second->IsKindOf(pClass)) return permanent->second;
    auto& temporary = state.temporaryGdiObjects[{hObject, pClass}];
    if (!temporary) {
        temporary.reset(pfnNew());
        temporary->m_hObject = hObject;
    }
    return temporary.get();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    return FromHandleAs(hObject, RUNTIME_CLASS(CGdiObject), [] { return new CGdiObject; });
}

void CGdiObject::DeleteTempMap() {
    auto& temporary = AfxState().temporaryGdiObjects;
    for (auto& [key, pObject] : temporary) pObject->m_hObject = nullptr;  // temporaries never own their handle
    temporary.clear();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject || m_hObject) return FALSE;
    m_hObject = hObject;
    AfxState().permanentGdiObjects[hObject] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    auto& permanent = AfxState().permanentGdiObjects;
    auto it = permanent.find(hObject);
    if (it != permanent.end() && it->second == this) permanent.erase(it);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectA(m_hObject, nCount, lpObject); }

// ---- CFont ----

CFont* CFont::FromHandle(HFONT hFont) {
    return static_cast<CFont*>(FromHandleAs(hFont, RUNTIME_CLASS(CFont), []() -> CGdiObject* { return new CFont; }));
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont) { return Attach(::CreateFontIndirectA(lpLogFont)); }

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC) {
    constexpr int kDecipointsPerPoint = 10;
    constexpr int kPointsPerInch = 72;
    HDC hDC = pDC ? pDC->GetSafeHdc() : ::GetDC(nullptr);
    const int nPixelsPerInch = ::GetDeviceCaps(hDC, LOGPIXELSY);
    if (!pDC) ::ReleaseDC(nullptr, hDC);
    LOGFONTA logFont{};
    logFont.lfHeight = -::MulDiv(nPointSize, nPixelsPerInch, kPointsPerInch * kDecipointsPerPoint);
    if (lpszFaceName) ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONTA* pLogFont) const {
    return GetObject(static_cast<int>(sizeof(LOGFONTA)), pLogFont);
}

// ---- CBitmap ----

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
    return static_cast<CBitmap*>(FromHandleAs(hBitmap, RUNTIME_CLASS(CBitmap), []() -> CGdiObject* { return new CBitmap; }));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(pDC ? pDC->GetSafeHdc() : nullptr, nWidth, nHeight));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName) {
    HBITMAP hBitmap = nullptr;
    AfxForEachResourceModule([&](HINSTANCE hModule) {
        hBitmap = ::LoadBitmapA(hModule, lpszResourceName);
        return hBitmap != nullptr;
    });
    return Attach(hBitmap);
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const { return GetObject(static_cast<int>(sizeof(BITMAP)), pBitMap); }

CSize CBitmap::GetBitmapDimension() const {
    SIZE size{0, 0};
    ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
    return size;
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight) {
    SIZE previous{0, 0};
    ::SetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), nWidth, nHeight, &previous);
    return previous;
}

// ---- CBrush ----

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

CBrush* CBrush::FromHandle(HBRUSH hBrush) {
    return static_cast<CBrush*>(FromHandleAs(hBrush, RUNTIME_CLASS(CBrush), []() -> CGdiObject* { return new CBrush; }));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }

// ---- CDC ----

CDC::~CDC() {
    if (m_hDC) ::DeleteDC(m_hDC);
}

CDC* CDC::FromHandle(HDC hDC) {
    if (!hDC) return nullptr;
    auto& temporary = AfxState().temporaryDCs[hDC];
    if (!temporary) {
        temporary = std::make_unique<CDC>();
        temporary->m_hDC = hDC;
    }
    return temporary.get();
}

void CDC::DeleteTempMap() {
    auto& temporary = AfxState().temporaryDCs;
    for (auto& [hDC, pDC] : temporary) pDC->m_hDC = nullptr;
    temporary.clear();
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC || m_hDC) return FALSE;
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC ? pDC->GetSafeHdc() : nullptr)); }

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject ? pObject->GetSafeHandle() : nullptr));
}
CFont* CDC::SelectObject(CFont* pFont) {
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, pFont ? pFont->GetSafeHandle() : nullptr)));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap ? pBitmap->GetSafeHandle() : nullptr)));
}
CBrush* CDC::SelectObject(CBrush* pBrush) {
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, pBrush ? pBrush->GetSafeHandle() : nullptr)));
}
HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
CGdiObject* CDC::SelectStockObject(int nIndex) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->GetSafeHdc() : nullptr, xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop) {
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->GetSafeHdc() : nullptr, xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
    ::FillRect(m_hDC, lpRect, pBrush ? static_cast<HBRUSH>(pBrush->GetSafeHandle()) : nullptr);
}
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    CBrush brush(clr);
    FillRect(lpRect, &brush);
}
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) { return ::TextOutA(m_hDC, x, y, lpszString, nCount); }
int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}
BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const { return ::GetTextMetricsA(m_hDC, lpMetrics); }
int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }

// ---- Scoped device contexts ----

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(AfxGetSafeHwnd(pWnd)) { Attach(::GetDC(m_hWnd)); }
CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(AfxGetSafeHwnd(pWnd)) { Attach(::GetWindowDC(m_hWnd)); }
CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(AfxGetSafeHwnd(pWnd)) { Attach(::BeginPaint(m_hWnd, &m_ps)); }
CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}
