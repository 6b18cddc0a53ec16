// GDI objects: the handle tables, stock objects, fonts, brushes, pens and
// bitmaps, GetObjectA and DeleteObject.
#include "gdi_internal.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace win32::gdi {

namespace {

// Handles count up from here in steps of 4, so that they never collide with
// the system-colour pseudo-brushes (COLOR_* + 1) that FillRect accepts.
constexpr std::uintptr_t kFirstHandle = 0x10000;
constexpr std::uintptr_t kHandleStep = 4;

// A bitmap bigger than this is refused rather than risking the allocation.
constexpr long long kMaxBitmapPixels = 64LL * 1024 * 1024;

constexpr int kStockObjectCount = DC_PEN + 1;

LOGFONTA StockFont(LONG height, LONG width, LONG weight, BYTE charSet, BYTE pitchAndFamily, const char* face) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfWeight = weight;
    font.lfCharSet = charSet;
    font.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

LOGBRUSH SolidBrush(COLORREF color) { return LOGBRUSH{BS_SOLID, color, 0}; }
LOGPEN SolidPen(UINT style, COLORREF color) { return LOGPEN{style, POINT{1, 0}, color}; }

constexpr LONG kEightPointEm = -11;  // 8 points at 96 dpi

}  // namespace

PixelBuffer::PixelBuffer(int w, int h, bool mono)
    : width(w), height(h), monochrome(mono),
      pixels(static_cast<size_t>(w) * static_cast<size_t>(h), kBlackPixel) {}

void PixelBuffer::Resize(int w, int h) {
    if (w == width && h == height) return;
    std::vector<Pixel> resized(static_cast<size_t>(w) * static_cast<size_t>(h), kBlackPixel);
    const int keepWidth = std::min(w, width);
    const int keepHeight = std::min(h, height);
    for (int y = 0; y < keepHeight; ++y) {
        std::copy_n(&At(0, y), keepWidth, &resized[static_cast<size_t>(y) * static_cast<size_t>(w)]);
    }
    pixels = std::move(resized);
    width = w;
    height = h;
}

DWORD GdiObject::Type() const {
    struct Visitor {
        DWORD operator()(const LOGFONTA&) const { return OBJ_FONT; }
        DWORD operator()(const LOGBRUSH&) const { return OBJ_BRUSH; }
        DWORD operator()(const LOGPEN&) const { return OBJ_PEN; }
        DWORD operator()(const BitmapData&) const { return OBJ_BITMAP; }
    };
    return std::visit(Visitor{}, data);
}

Gdi& Gdi::Instance() {
    static Gdi gdi;
    return gdi;
}

Gdi::Gdi() : m_nextHandle(kFirstHandle), m_stock(kStockObjectCount, nullptr) {
    auto addStock = [this](int index, auto data) {
        m_stock[static_cast<size_t>(index)] = Add(data, true);
    };
    addStock(WHITE_BRUSH, SolidBrush(Rgb(255, 255, 255)));
    addStock(LTGRAY_BRUSH, SolidBrush(Rgb(192, 192, 192)));
    addStock(GRAY_BRUSH, SolidBrush(Rgb(128, 128, 128)));
    addStock(DKGRAY_BRUSH, SolidBrush(Rgb(64, 64, 64)));
    addStock(BLACK_BRUSH, SolidBrush(Rgb(0, 0, 0)));
    addStock(NULL_BRUSH, LOGBRUSH{BS_NULL, 0, 0});
    addStock(WHITE_PEN, SolidPen(PS_SOLID, Rgb(255, 255, 255)));
    addStock(BLACK_PEN, SolidPen(PS_SOLID, Rgb(0, 0, 0)));
    addStock(NULL_PEN, SolidPen(PS_NULL, Rgb(0, 0, 0)));
    addStock(OEM_FIXED_FONT, StockFont(12, 8, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN, "Terminal"));
    addStock(ANSI_FIXED_FONT, StockFont(12, 9, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Courier"));
    addStock(ANSI_VAR_FONT,
             StockFont(kEightPointEm, 0, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
    addStock(SYSTEM_FONT, StockFont(16, 7, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System"));
    addStock(DEVICE_DEFAULT_FONT, StockFont(16, 7, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System"));
    addStock(SYSTEM_FIXED_FONT, StockFont(15, 8, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Fixedsys"));
    addStock(DEFAULT_GUI_FONT,
             StockFont(kEightPointEm, 0, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg"));

    // Every memory DC starts with this 1 x 1 monochrome bitmap selected.
    m_defaultBitmap = static_cast<HBITMAP>(
        Add(BitmapData{1, SIZE{}, std::make_shared<PixelBuffer>(1, 1, true), nullptr}, true));
}

HANDLE Gdi::NextHandle() {
    HANDLE handle = reinterpret_cast<HANDLE>(m_nextHandle);
    m_nextHandle += kHandleStep;
    return handle;
}

HGDIOBJ Gdi::Add(GdiObjectData data, bool stock) {
    HANDLE handle = NextHandle();
    auto [where, added] = m_objects.try_emplace(reinterpret_cast<std::uintptr_t>(handle));
    where->second.stock = stock;
    where->second.data = std::move(data);
    return handle;
}

GdiObject* Gdi::Find(HGDIOBJ handle) {
    auto it = m_objects.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == m_objects.end() ? nullptr : &it->second;
}

HGDIOBJ Gdi::Stock(int index) const {
    if (index < 0 || index >= kStockObjectCount) return nullptr;
    return m_stock[static_cast<size_t>(index)];
}

void Gdi::Delete(HGDIOBJ handle) {
    GdiObject* object = Find(handle);
    if (!object || object->stock) return;
    if (object->selections > 0) {
        object->deletePending = true;
        return;
    }
    m_objects.erase(reinterpret_cast<std::uintptr_t>(handle));
}

void Gdi::Retain(HGDIOBJ handle) {
    if (GdiObject* object = Find(handle)) ++object->selections;
}

void Gdi::Release(HGDIOBJ handle) {
    GdiObject* object = Find(handle);
    if (!object) return;
    if (object->selections > 0) --object->selections;
    if (object->selections == 0 && object->deletePending) m_objects.erase(reinterpret_cast<std::uintptr_t>(handle));
}

// ---- Bitmap bits in the device-dependent layout ---------------------------
// Rows top-down, each padded to a multiple of 2 bytes; 1 bpp has the leftmost
// pixel in the high bit (0 black, 1 white), 16 bpp is 5-5-5 RGB, 24 and 32 bpp
// are B, G, R (, X) bytes.

namespace {

constexpr bool IsSupportedDepth(UINT bitsPixel) {
    return bitsPixel == 1 || bitsPixel == 16 || bitsPixel == 24 || bitsPixel == 32;
}

LONG WidthBytes(int width, int bitsPixel) {
    constexpr int kBitsPerWord = 16;
    return static_cast<LONG>((width * bitsPixel + kBitsPerWord - 1) / kBitsPerWord * 2);
}

size_t BitsSize(const BitmapData& bitmap) {
    return static_cast<size_t>(WidthBytes(bitmap.buffer->width, bitmap.bitsPixel)) *
           static_cast<size_t>(bitmap.buffer->height);
}

constexpr int kFiveBitMax = 0x1F;

std::vector<BYTE> EncodeBits(const BitmapData& bitmap) {
    const PixelBuffer& buffer = *bitmap.buffer;
    const size_t stride = static_cast<size_t>(WidthBytes(buffer.width, bitmap.bitsPixel));
    std::vector<BYTE> bits(BitsSize(bitmap), 0);
    for (int y = 0; y < buffer.height; ++y) {
        BYTE* row = bits.data() + static_cast<size_t>(y) * stride;
        for (int x = 0; x < buffer.width; ++x) {
            const Pixel pixel = buffer.At(x, y);
            const BYTE blue = pixel & 0xFF, green = (pixel >> 8) & 0xFF, red = (pixel >> 16) & 0xFF;
            const size_t i = static_cast<size_t>(x);
            switch (bitmap.bitsPixel) {
            case 1:
                if (pixel != kBlackPixel) row[i / 8] |= static_cast<BYTE>(0x80 >> (i % 8));
                break;
            case 16: {
                const unsigned word = ((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3);
                row[i * 2] = static_cast<BYTE>(word & 0xFF);
                row[i * 2 + 1] = static_cast<BYTE>(word >> 8);
                break;
            }
            case 24:
                row[i * 3] = blue, row[i * 3 + 1] = green, row[i * 3 + 2] = red;
                break;
            default:
                row[i * 4] = blue, row[i * 4 + 1] = green, row[i * 4 + 2] = red;
                break;
            }
        }
    }
    return bits;
}

void DecodeBits(BitmapData& bitmap, const BYTE* bits) {
    PixelBuffer& buffer = *bitmap.buffer;
    const size_t stride = static_cast<size_t>(WidthBytes(buffer.width, bitmap.bitsPixel));
    auto expandFive = [](unsigned v) { return static_cast<Pixel>((v << 3) | (v >> 2)); };
    for (int y = 0; y < buffer.height; ++y) {
        const BYTE* row = bits + static_cast<size_t>(y) * stride;
        for (int x = 0; x < buffer.width; ++x) {
            const size_t i = static_cast<size_t>(x);
            Pixel pixel = 0;
            switch (bitmap.bitsPixel) {
            case 1:
                pixel = (row[i / 8] & (0x80 >> (i % 8))) ? kWhitePixel : kBlackPixel;
                break;
            case 16: {
                const unsigned word = row[i * 2] | (row[i * 2 + 1] << 8);
                pixel = (expandFive((word >> 10) & kFiveBitMax) << 16) | (expandFive((word >> 5) & kFiveBitMax) << 8) |
                        expandFive(word & kFiveBitMax);
                break;
            }
            case 24:
                pixel = static_cast<Pixel>(row[i * 3] | (row[i * 3 + 1] << 8) | (row[i * 3 + 2] << 16));
                break;
            default:
                pixel = static_cast<Pixel>(row[i * 4] | (row[i * 4 + 1] << 8) | (row[i * 4 + 2] << 16));
                break;
            }
            buffer.At(x, y) = pixel;
        }
    }
}

HBITMAP NewBitmap(int width, int height, UINT bitsPixel, const void* bits) {
    if (width < 0 || height < 0 || !IsSupportedDepth(bitsPixel)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // A zero-sized bitmap is the 1 x 1 monochrome one, as Windows gives.
    if (width == 0 || height == 0) return Gdi::Instance().DefaultBitmap();
    if (static_cast<long long>(width) * height > kMaxBitmapPixels) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    BitmapData bitmap{static_cast<WORD>(bitsPixel), SIZE{},
                      std::make_shared<PixelBuffer>(width, height, bitsPixel == 1), nullptr};
    if (bits) DecodeBits(bitmap, static_cast<const BYTE*>(bits));
    return static_cast<HBITMAP>(Gdi::Instance().Add(std::move(bitmap)));
}

template <class T>
int CopyOut(const T& value, int size, LPVOID out) {
    if (!out) return static_cast<int>(sizeof(T));
    const int copied = std::min(size, static_cast<int>(sizeof(T)));
    if (copied <= 0) return 0;
    std::memcpy(out, &value, static_cast<size_t>(copied));
    return copied;
}

}  // namespace

}  // namespace win32::gdi

using namespace win32::gdi;

// ---- Creation ---------------------------------------------------------------

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf) {
    if (!lplf) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    LOGFONTA font = *lplf;
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(Gdi::Instance().Add(font));
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                         DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
    LOGFONTA font{};
    font.lfHeight = cHeight;
    font.lfWidth = cWidth;
    font.lfEscapement = cEscapement;
    font.lfOrientation = cOrientation;
    font.lfWeight = cWeight;
    font.lfItalic = static_cast<BYTE>(bItalic);
    font.lfUnderline = static_cast<BYTE>(bUnderline);
    font.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
    font.lfCharSet = static_cast<BYTE>(iCharSet);
    font.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    font.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    font.lfQuality = static_cast<BYTE>(iQuality);
    font.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName) std::strncpy(font.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush) {
    if (!plbrush) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // Hatched and pattern brushes paint as solid brushes of their colour.
    LOGBRUSH brush = *plbrush;
    if (brush.lbStyle != BS_NULL) brush.lbColor &= kColourMask;
    return static_cast<HBRUSH>(Gdi::Instance().Add(brush));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    const LOGBRUSH brush{BS_SOLID, color, 0};
    return CreateBrushIndirect(&brush);
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
    return static_cast<HPEN>(Gdi::Instance().Add(LOGPEN{static_cast<UINT>(iStyle), POINT{cWidth, 0}, color & kColourMask}));
}

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    if (nPlanes != 1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return NewBitmap(nWidth, nHeight, nBitCount, lpBits);
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    Gdi& gdi = Gdi::Instance();
    UINT bitsPixel = 32;
    if (hdc) {
        DeviceContext* dc = gdi.FindDc(hdc);
        if (!dc) {
            SetLastError(ERROR_INVALID_HANDLE);
            return nullptr;
        }
        // A memory DC makes bitmaps like the one selected into it.
        if (dc->kind == DcKind::Memory) {
            if (const BitmapData* selected = gdi.FindAs<BitmapData>(dc->state.bitmap)) bitsPixel = selected->bitsPixel;
        }
    }
    return NewBitmap(cx, cy, bitsPixel, nullptr);
}

HGDIOBJ WINAPI GetStockObject(int i) { return Gdi::Instance().Stock(i); }

// ---- Attributes -------------------------------------------------------------

int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) {
    GdiObject* object = Gdi::Instance().Find(h);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (const BitmapData* bitmap = std::get_if<BitmapData>(&object->data)) {
        const BITMAP info{0,
                          bitmap->buffer->width,
                          bitmap->buffer->height,
                          WidthBytes(bitmap->buffer->width, bitmap->bitsPixel),
                          1,
                          bitmap->bitsPixel,
                          nullptr};
        // Windows fills a BITMAP only when the whole structure fits.
        if (pv && c < static_cast<int>(sizeof(BITMAP))) return 0;
        return CopyOut(info, c, pv);
    }
    return std::visit([&](const auto& value) { return CopyOut(value, c, pv); }, object->data);
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
    Gdi& gdi = Gdi::Instance();
    if (GdiObject* object = gdi.Find(h)) return object->Type();
    if (DeviceContext* dc = gdi.FindDc(static_cast<HDC>(h))) return dc->kind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    Gdi& gdi = Gdi::Instance();
    if (!gdi.Find(ho)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    gdi.Delete(ho);
    return TRUE;
}

// ---- Bitmaps ----------------------------------------------------------------

LONG WINAPI GetBitmapBits(HBITMAP hbit, LONG cb, LPVOID lpvBits) {
    const BitmapData* bitmap = Gdi::Instance().FindAs<BitmapData>(hbit);
    if (!bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    const std::vector<BYTE> bits = EncodeBits(*bitmap);
    if (!lpvBits) return static_cast<LONG>(bits.size());
    const size_t copied = std::min(bits.size(), static_cast<size_t>(std::max<LONG>(cb, 0)));
    std::memcpy(lpvBits, bits.data(), copied);
    return static_cast<LONG>(copied);
}

LONG WINAPI SetBitmapBits(HBITMAP hbm, DWORD cb, const void* pvBits) {
    BitmapData* bitmap = Gdi::Instance().FindAs<BitmapData>(hbm);
    if (!bitmap || !pvBits) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // Bytes beyond cb keep what the bitmap had.
    std::vector<BYTE> bits = EncodeBits(*bitmap);
    const size_t used = std::min(bits.size(), static_cast<size_t>(cb));
    std::memcpy(bits.data(), pvBits, used);
    DecodeBits(*bitmap, bits.data());
    return static_cast<LONG>(used);
}

BOOL WINAPI SetBitmapDimensionEx(HBITMAP hbm, int w, int h, LPSIZE lpsz) {
    BitmapData* bitmap = Gdi::Instance().FindAs<BitmapData>(hbm);
    if (!bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (lpsz) *lpsz = bitmap->dimension;
    bitmap->dimension = SIZE{w, h};
    return TRUE;
}

BOOL WINAPI GetBitmapDimensionEx(HBITMAP hbit, LPSIZE lpsize) {
    const BitmapData* bitmap = Gdi::Instance().FindAs<BitmapData>(hbit);
    if (!bitmap || !lpsize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpsize = bitmap->dimension;
    return TRUE;
}
