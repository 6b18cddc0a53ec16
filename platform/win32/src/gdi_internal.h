// GDI objects and device contexts of the Win32-subset stand-in, shared by the
// gdi_*.cpp units.
//
// Index
//   PixelBuffer     32-bit pixels of a window, the screen or a bitmap
//   GdiObject       a font, brush, pen or bitmap behind an HGDIOBJ
//   DeviceContext   a DC: its target and its selected objects and colours
//   Gdi             the handle tables (one per process, UI thread only)
//   FontMetrics     the deterministic text metric model
//
// GDI calls come from the user-interface thread only, as the window calls do;
// nothing here is locked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace win32::gdi {

// One pixel as it lies in memory: bytes B, G, R, X (0x00RRGGBB as a
// little-endian word). COLORREF is 0x00BBGGRR, hence the two converters.
using Pixel = std::uint32_t;

// RGB() as a typed function: the header macro uses C casts.
constexpr COLORREF Rgb(BYTE red, BYTE green, BYTE blue) {
    return static_cast<COLORREF>(red | (green << 8) | (blue << 16));
}

constexpr Pixel kBlackPixel = 0x000000;
constexpr Pixel kWhitePixel = 0xFFFFFF;
constexpr Pixel kColourMask = 0xFFFFFF;

constexpr Pixel PixelFromColor(COLORREF color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(Pixel pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}
// A monochrome target keeps the nearer of black and white.
constexpr Pixel NearestMonochrome(Pixel pixel) {
    constexpr unsigned kHalfOfThreeChannels = 3 * 255 / 2;
    unsigned sum = (pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF);
    return sum > kHalfOfThreeChannels ? kWhitePixel : kBlackPixel;
}

// Top-down rows of width pixels, no padding (stride = width * 4 bytes).
struct PixelBuffer {
    int width = 0;
    int height = 0;
    bool monochrome = false;
    std::vector<Pixel> pixels;

    PixelBuffer(int w, int h, bool mono);
    // Keeps the pixels the old and new sizes share; new pixels are black.
    void Resize(int w, int h);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Pixel& At(int x, int y) { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
    Pixel At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
    // What a pixel of this colour becomes on this buffer.
    Pixel Fit(Pixel pixel) const { return monochrome ? NearestMonochrome(pixel) : pixel & kColourMask; }
};

struct BitmapData {
    WORD bitsPixel = 1;  // format given at creation: 1, 16, 24 or 32
    SIZE dimension{};    // SetBitmapDimensionEx, in 0.1 mm; never read by GDI itself
    std::shared_ptr<PixelBuffer> buffer;
    HDC selectedInto = nullptr;  // a bitmap lives in at most one memory DC
};

using GdiObjectData = std::variant<LOGFONTA, LOGBRUSH, LOGPEN, BitmapData>;

struct GdiObject {
    bool stock = false;
    bool deletePending = false;  // DeleteObject while selected: freed when deselected
    int selections = 0;          // DCs (and saved DC states) holding it
    GdiObjectData data;

    DWORD Type() const;
};

// What SaveDC keeps and RestoreDC puts back.
struct DcState {
    HGDIOBJ font = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ pen = nullptr;
    HGDIOBJ bitmap = nullptr;  // memory DCs only
    COLORREF textColor = Rgb(0, 0, 0);
    COLORREF bkColor = Rgb(255, 255, 255);
    int bkMode = OPAQUE;
    int stretchMode = BLACKONWHITE;
    POINT position{};  // current position of MoveToEx / LineTo
};

enum class DcKind { Window, Screen, Memory };

struct DeviceContext {
    DcKind kind = DcKind::Memory;
    HWND hwnd = nullptr;                   // window DCs
    std::shared_ptr<PixelBuffer> surface;  // window and screen DCs
    DcState state;
    std::vector<DcState> saved;
};

// The deterministic metric model (documented in wingdi.h).
TEXTMETRICA FontMetrics(const LOGFONTA& font);

// The colour a brush paints, or none for a hollow brush or a bad handle;
// accepts the system-colour pseudo-brushes (COLOR_* + 1).
std::optional<Pixel> BrushPixel(HBRUSH brush);
// Fills the part of area that lies on the target.
void FillArea(PixelBuffer& target, RECT area, Pixel pixel);

class Gdi {
public:
    static Gdi& Instance();
    HGDIOBJ Add(GdiObjectData data, bool stock = false);
    // Objects
    HGDIOBJ Add(GdiObject object);
    GdiObject* Find(HGDIOBJ handle);
    template <class T>
    T* FindAs(HGDIOBJ handle) {
        GdiObject* object = Find(handle);
        return object ? std::get_if<T>(&object->data) : nullptr;
    }
    HGDIOBJ Stock(int index) const;
    HBITMAP DefaultBitmap() const { return m_defaultBitmap; }
    // Frees the object unless a DC still holds it.
    void Delete(HGDIOBJ handle);
    void Retain(HGDIOBJ handle);
    void Release(HGDIOBJ handle);

    // Device contexts
    HDC AddDc(DeviceContext dc);
    DeviceContext* FindDc(HDC hdc);
    void DeleteDc(HDC hdc);
    // The pixels a DC draws on: the window's or screen's surface, or the
    // bitmap selected into a memory DC. Never null for a valid DC.
    PixelBuffer* Target(DeviceContext& dc);
    const LOGFONTA& SelectedFont(const DeviceContext& dc);

    // Window surfaces: one per window, of its client size.
    std::shared_ptr<PixelBuffer> WindowSurface(HWND hwnd);
    std::shared_ptr<PixelBuffer> ExistingWindowSurface(HWND hwnd) const;
    void ForgetWindow(HWND hwnd);
    std::shared_ptr<PixelBuffer> ScreenSurface();

private:
    Gdi();
    HANDLE NextHandle();
    void ForgetDestroyedWindows();

    std::uintptr_t m_nextHandle;
    std::unordered_map<std::uintptr_t, GdiObject> m_objects;
    std::unordered_map<std::uintptr_t, DeviceContext> m_dcs;
    std::vector<HGDIOBJ> m_stock;
    HBITMAP m_defaultBitmap = nullptr;
    std::unordered_map<HWND, std::shared_ptr<PixelBuffer>> m_windowSurfaces;
    std::shared_ptr<PixelBuffer> m_screen;
};

}  // namespace win32::gdi
