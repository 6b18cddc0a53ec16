// Device contexts: window and screen DCs, memory DCs, object selection,
// saved states, colours and modes, device capabilities, window surfaces.
#include "gdi_hooks.h"
#include "gdi_internal.h"
#include "win32_driver_gdi.h"

#include <algorithm>

namespace win32::gdi {

namespace {

constexpr int kDotsPerInch = 96;
constexpr int kBitsPerPixel = 32;
constexpr int kMillimetresPerInchTimesTen = 254;
constexpr int kDriverVersion = 0x4000;
constexpr int kAspect = 36;  // ASPECTX/Y of a square-pixel display
constexpr int kAspectXY = 51;
constexpr int kColourResolution = 24;  // bits of colour a pixel shows

// The objects a DC holds, one per kind.
HGDIOBJ* Slot(DcState& state, DWORD type) {
    switch (type) {
    case OBJ_FONT: return &state.font;
    case OBJ_BRUSH: return &state.brush;
    case OBJ_PEN: return &state.pen;
    case OBJ_BITMAP: return &state.bitmap;
    default: return nullptr;
    }
}

void RetainState(Gdi& gdi, const DcState& state) {
    for (HGDIOBJ handle : {state.font, state.brush, state.pen, state.bitmap}) gdi.Retain(handle);
}

void ReleaseState(Gdi& gdi, const DcState& state) {
    for (HGDIOBJ handle : {state.font, state.brush, state.pen, state.bitmap}) gdi.Release(handle);
}

bool DcHolds(const DeviceContext& dc, HGDIOBJ handle) {
    if (dc.state.bitmap == handle) return true;
    return std::any_of(dc.saved.begin(), dc.saved.end(), [&](const DcState& s) { return s.bitmap == handle; });
}

// Called after the DC stopped holding a bitmap in one of its states.
void UpdateBitmapOwner(Gdi& gdi, HDC hdc, const DeviceContext& dc, HGDIOBJ handle) {
    BitmapData* bitmap = gdi.FindAs<BitmapData>(handle);
    if (bitmap && bitmap->selectedInto == hdc && !DcHolds(dc, handle)) bitmap->selectedInto = nullptr;
}

DcState InitialState(Gdi& gdi, DcKind kind) {
    DcState state;
    state.font = gdi.Stock(SYSTEM_FONT);
    state.brush = gdi.Stock(WHITE_BRUSH);
    state.pen = gdi.Stock(BLACK_PEN);
    if (kind == DcKind::Memory) state.bitmap = gdi.DefaultBitmap();
    return state;
}

HDC NewDc(DcKind kind, HWND hwnd, std::shared_ptr<PixelBuffer> surface) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext dc;
    dc.kind = kind;
    dc.hwnd = hwnd;
    dc.surface = std::move(surface);
    dc.state = InitialState(gdi, kind);
    RetainState(gdi, dc.state);
    return gdi.AddDc(std::move(dc));
}

}  // namespace

HDC Gdi::AddDc(DeviceContext dc) {
    HDC hdc = static_cast<HDC>(NextHandle());
    m_dcs.emplace(reinterpret_cast<std::uintptr_t>(hdc), std::move(dc));
    return hdc;
}

DeviceContext* Gdi::FindDc(HDC hdc) {
    auto it = m_dcs.find(reinterpret_cast<std::uintptr_t>(hdc));
    return it == m_dcs.end() ? nullptr : &it->second;
}

void Gdi::DeleteDc(HDC hdc) {
    auto it = m_dcs.find(reinterpret_cast<std::uintptr_t>(hdc));
    if (it == m_dcs.end()) return;
    DeviceContext dc = std::move(it->second);
    m_dcs.erase(it);
    auto releaseAll = [&](const DcState& state) {
        if (auto* bitmap = FindAs<BitmapData>(state.bitmap); bitmap && bitmap->selectedInto == hdc) {
            bitmap->selectedInto = nullptr;
        }
        ReleaseState(*this, state);
    };
    for (const DcState& state : dc.saved) releaseAll(state);
    releaseAll(dc.state);
}

PixelBuffer* Gdi::Target(DeviceContext& dc) {
    if (dc.kind != DcKind::Memory) return dc.surface.get();
    BitmapData* bitmap = FindAs<BitmapData>(dc.state.bitmap);
    return bitmap ? bitmap->buffer.get() : nullptr;
}

const LOGFONTA& Gdi::SelectedFont(const DeviceContext& dc) {
    const LOGFONTA* font = FindAs<LOGFONTA>(dc.state.font);
    return font ? *font : *FindAs<LOGFONTA>(Stock(SYSTEM_FONT));
}

std::shared_ptr<PixelBuffer> Gdi::WindowSurface(HWND hwnd) {
    RECT client{};
    if (!IsWindow(hwnd) || !GetClientRect(hwnd, &client)) return nullptr;
    const int width = std::max<LONG>(client.right - client.left, 0);
    const int height = std::max<LONG>(client.bottom - client.top, 0);
    auto it = m_windowSurfaces.find(hwnd);
    if (it == m_windowSurfaces.end()) {
        ForgetDestroyedWindows();
        it = m_windowSurfaces.emplace(hwnd, std::make_shared<PixelBuffer>(width, height, false)).first;
    }
    it->second->Resize(width, height);
    return it->second;
}

std::shared_ptr<PixelBuffer> Gdi::ExistingWindowSurface(HWND hwnd) const {
    if (!hwnd) return m_screen;
    auto it = m_windowSurfaces.find(hwnd);
    return it == m_windowSurfaces.end() ? nullptr : it->second;
}

void Gdi::ForgetWindow(HWND hwnd) { m_windowSurfaces.erase(hwnd); }

void Gdi::ForgetDestroyedWindows() {
    std::erase_if(m_windowSurfaces, [](const auto& entry) { return !IsWindow(entry.first); });
}

std::shared_ptr<PixelBuffer> Gdi::ScreenSurface() {
    const int width = std::max(GetSystemMetrics(SM_CXSCREEN), 0);
    const int height = std::max(GetSystemMetrics(SM_CYSCREEN), 0);
    if (!m_screen) m_screen = std::make_shared<PixelBuffer>(width, height, false);
    m_screen->Resize(width, height);
    return m_screen;
}

void OnWindowDestroyed(HWND hwnd) { Gdi::Instance().ForgetWindow(hwnd); }

}  // namespace win32::gdi

using namespace win32::gdi;

// ---- Window and screen DCs ----------------------------------------------------

HDC WINAPI GetDC(HWND hWnd) {
    Gdi& gdi = Gdi::Instance();
    if (!hWnd) return NewDc(DcKind::Screen, nullptr, gdi.ScreenSurface());
    std::shared_ptr<PixelBuffer> surface = gdi.WindowSurface(hWnd);
    if (!surface) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return NewDc(DcKind::Window, hWnd, std::move(surface));
}

// There is no non-client area, so the window's DC is its client DC.
HDC WINAPI GetWindowDC(HWND hWnd) { return GetDC(hWnd); }

int WINAPI ReleaseDC(HWND, HDC hDC) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hDC);
    if (!dc || dc->kind == DcKind::Memory) return 0;
    gdi.DeleteDc(hDC);
    return 1;
}

BOOL WINAPI Win32GetWindowSurface(HWND hwnd, WIN32_SURFACE* surface) {
    std::shared_ptr<PixelBuffer> buffer = Gdi::Instance().ExistingWindowSurface(hwnd);
    if (!buffer || !surface || (hwnd && !IsWindow(hwnd))) return FALSE;
    surface->width = buffer->width;
    surface->height = buffer->height;
    surface->stride = buffer->width * static_cast<int>(sizeof(Pixel));
    surface->pixels = reinterpret_cast<const BYTE*>(buffer->pixels.data());
    return TRUE;
}

// ---- Memory DCs -------------------------------------------------------------

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc && !Gdi::Instance().FindDc(hdc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return NewDc(DcKind::Memory, nullptr, nullptr);
}

BOOL WINAPI DeleteDC(HDC hdc) {
    Gdi& gdi = Gdi::Instance();
    if (!gdi.FindDc(hdc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    gdi.DeleteDc(hdc);
    return TRUE;
}

// ---- Selection ----------------------------------------------------------------

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hdc);
    GdiObject* object = gdi.Find(h);
    if (!dc || !object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const DWORD type = object->Type();
    if (auto* bitmap = std::get_if<BitmapData>(&object->data)) {
        // Bitmaps go into memory DCs only, and into one at a time.
        if (dc->kind != DcKind::Memory) return nullptr;
        if (!object->stock && bitmap->selectedInto && bitmap->selectedInto != hdc) return nullptr;
        if (!object->stock) bitmap->selectedInto = hdc;
    }
    HGDIOBJ* slot = Slot(dc->state, type);
    HGDIOBJ previous = *slot;
    if (previous == h) return previous;
    gdi.Retain(h);
    *slot = h;
    if (type == OBJ_BITMAP) UpdateBitmapOwner(gdi, hdc, *dc, previous);
    gdi.Release(previous);
    return previous;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = Gdi::Instance().FindDc(hdc);
    if (!dc) return nullptr;
    HGDIOBJ* slot = Slot(dc->state, type);
    return slot ? *slot : nullptr;
}

int WINAPI SaveDC(HDC hdc) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    RetainState(gdi, dc->state);
    return static_cast<int>(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hdc);
    if (!dc) return FALSE;
    const int depth = static_cast<int>(dc->saved.size());
    // A negative level counts back from the most recent save.
    const int level = nSavedDC < 0 ? depth + 1 + nSavedDC : nSavedDC;
    if (level < 1 || level > depth) return FALSE;
    while (static_cast<int>(dc->saved.size()) > level) {
        ReleaseState(gdi, dc->saved.back());
        dc->saved.pop_back();
    }
    const DcState replaced = dc->state;
    dc->state = dc->saved.back();  // the saved copy's references move to the state
    dc->saved.pop_back();
    if (replaced.bitmap != dc->state.bitmap) UpdateBitmapOwner(gdi, hdc, *dc, replaced.bitmap);
    ReleaseState(gdi, replaced);
    return TRUE;
}

// ---- Colours and modes ----------------------------------------------------------

namespace {

template <class T>
T Exchange(HDC hdc, T DcState::*field, T value, T failure) {
    DeviceContext* dc = Gdi::Instance().FindDc(hdc);
    if (!dc) return failure;
    T previous = dc->state.*field;
    dc->state.*field = value;
    return previous;
}

template <class T>
T Read(HDC hdc, T DcState::*field, T failure) {
    DeviceContext* dc = Gdi::Instance().FindDc(hdc);
    return dc ? dc->state.*field : failure;
}

}  // namespace

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DcState::textColor, color & kColourMask, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) { return Read(hdc, &DcState::textColor, CLR_INVALID); }
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DcState::bkColor, color & kColourMask, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) { return Read(hdc, &DcState::bkColor, CLR_INVALID); }

int WINAPI SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return Exchange(hdc, &DcState::bkMode, mode, 0);
}
int WINAPI GetBkMode(HDC hdc) { return Read(hdc, &DcState::bkMode, 0); }

int WINAPI SetStretchBltMode(HDC hdc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return Exchange(hdc, &DcState::stretchMode, mode, 0);
}
int WINAPI GetStretchBltMode(HDC hdc) { return Read(hdc, &DcState::stretchMode, 0); }

// ---- Capabilities -----------------------------------------------------------------

int WINAPI GetDeviceCaps(HDC hdc, int index) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hdc);
    if (!dc) return 0;
    // Sizes are the screen's for every DC, as for display-compatible DCs.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    switch (index) {
    case DRIVERVERSION: return kDriverVersion;
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZSIZE: return width * kMillimetresPerInchTimesTen / (kDotsPerInch * 10);
    case VERTSIZE: return height * kMillimetresPerInchTimesTen / (kDotsPerInch * 10);
    case HORZRES: return width;
    case VERTRES: return height;
    case BITSPIXEL: return kBitsPerPixel;
    case PLANES: return 1;
    case NUMCOLORS: return -1;  // more than 8 bits a pixel
    case RASTERCAPS: return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_STRETCHBLT;
    case ASPECTX:
    case ASPECTY: return kAspect;
    case ASPECTXY: return kAspectXY;
    case LOGPIXELSX:
    case LOGPIXELSY: return kDotsPerInch;
    case COLORRES: return kColourResolution;
    default: return 0;
    }
}
