// Drawing on pixels: rectangles, block transfers with raster operations,
// single pixels and lines.
//
// StretchBlt stretches by nearest neighbour in every stretch mode: the
// destination pixel i of a span of width wd takes the source pixel
// i * ws / wd (rounded down). Signs of widths and heights that differ between
// source and destination mirror the image, as in Windows.
//
// Colour conversion between monochrome and colour follows Windows: copying a
// monochrome source onto colour turns white into the destination's background
// colour and black into its text colour; copying colour onto monochrome turns
// pixels of the source's background colour white and all others black.
#include "gdi_internal.h"

#include <algorithm>
#include <cstdlib>

namespace win32::gdi {

namespace {

// The largest system colour index that a pseudo-brush may name.
constexpr std::uintptr_t kLastSystemColourBrush = COLOR_MENUBAR + 1;

// Bits 16..23 of a raster operation: its truth table over pattern (value 4),
// source (2) and destination (1).
constexpr BYTE RopCode(DWORD rop) { return static_cast<BYTE>((rop >> 16) & 0xFF); }
constexpr bool RopUsesSource(BYTE code) { return (((code >> 2) ^ code) & 0x33) != 0; }
constexpr bool RopUsesPattern(BYTE code) { return (((code >> 4) ^ code) & 0x0F) != 0; }

Pixel ApplyRop(BYTE code, Pixel pattern, Pixel source, Pixel destination) {
    constexpr BYTE kCopySource = 0xCC, kCopyPattern = 0xF0;
    if (code == kCopySource) return source;
    if (code == kCopyPattern) return pattern;
    Pixel result = 0;
    for (unsigned term = 0; term < 8; ++term) {
        if (!(code & (1u << term))) continue;
        result |= ((term & 4) ? pattern : ~pattern) & ((term & 2) ? source : ~source) &
                  ((term & 1) ? destination : ~destination);
    }
    return result & kColourMask;
}

struct Span {
    int start;
    int length;
    bool flipped;
};

// A negative extent covers the pixels from start + extent up to start.
Span Normalise(int start, int extent) {
    if (extent < 0) return Span{start + extent, -extent, true};
    return Span{start, extent, false};
}

// What a source pixel becomes on the destination.
Pixel Convert(Pixel source, const PixelBuffer& from, const DeviceContext& fromDc, const PixelBuffer& to,
              const DeviceContext& toDc) {
    if (from.monochrome && !to.monochrome) {
        return source == kWhitePixel ? PixelFromColor(toDc.state.bkColor) : PixelFromColor(toDc.state.textColor);
    }
    if (!from.monochrome && to.monochrome) {
        return source == PixelFromColor(fromDc.state.bkColor) ? kWhitePixel : kBlackPixel;
    }
    return source;
}

BOOL Transfer(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
              int hSrc, DWORD rop) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dst = gdi.FindDc(hdcDest);
    if (!dst) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const BYTE code = RopCode(rop);
    DeviceContext* src = nullptr;
    if (RopUsesSource(code)) {
        src = gdi.FindDc(hdcSrc);
        if (!src) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
    }
    Pixel pattern = kBlackPixel;
    if (RopUsesPattern(code)) {
        std::optional<Pixel> brush = BrushPixel(static_cast<HBRUSH>(dst->state.brush));
        if (!brush) return TRUE;  // a hollow brush paints nothing
        pattern = *brush;
    }
    PixelBuffer* target = gdi.Target(*dst);
    if (!target) return FALSE;
    pattern = target->Fit(pattern);

    const Span dx = Normalise(xDest, wDest), dy = Normalise(yDest, hDest);
    const Span sx = Normalise(xSrc, wSrc), sy = Normalise(ySrc, hSrc);
    if (dx.length == 0 || dy.length == 0) return TRUE;
    const bool mirrorX = dx.flipped != sx.flipped, mirrorY = dy.flipped != sy.flipped;

    // A copy within one surface reads from a snapshot, so overlapping areas
    // come out as if the source were read first.
    PixelBuffer* source = src ? gdi.Target(*src) : nullptr;
    PixelBuffer snapshot(0, 0, false);
    if (source == target && source) {
        snapshot = *source;
        source = &snapshot;
    }
    if (src && !source) return FALSE;

    const int firstRow = std::max(0, -dy.start), lastRow = std::min(dy.length, target->height - dy.start);
    const int firstColumn = std::max(0, -dx.start), lastColumn = std::min(dx.length, target->width - dx.start);
    for (int row = firstRow; row < lastRow; ++row) {
        const int y = dy.start + row;
        const int sourceRow = mirrorY ? dy.length - 1 - row : row;
        const int ys = sy.start + static_cast<int>(static_cast<long long>(sourceRow) * sy.length / dy.length);
        for (int column = firstColumn; column < lastColumn; ++column) {
            const int x = dx.start + column;
            Pixel sourcePixel = kBlackPixel;
            if (source) {
                const int sourceColumn = mirrorX ? dx.length - 1 - column : column;
                const int xs = sx.start + static_cast<int>(static_cast<long long>(sourceColumn) * sx.length / dx.length);
                if (!source->Contains(xs, ys)) continue;
                sourcePixel = Convert(source->At(xs, ys), *source, *src, *target, *dst);
            }
            Pixel& pixel = target->At(x, y);
            pixel = target->Fit(ApplyRop(code, pattern, sourcePixel, pixel));
        }
    }
    return TRUE;
}

void Plot(PixelBuffer& target, int x, int y, Pixel pixel) {
    if (target.Contains(x, y)) target.At(x, y) = target.Fit(pixel);
}

}  // namespace

std::optional<Pixel> BrushPixel(HBRUSH brush) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= kLastSystemColourBrush) {
        return PixelFromColor(GetSysColor(static_cast<int>(value - 1)));
    }
    const LOGBRUSH* logBrush = Gdi::Instance().FindAs<LOGBRUSH>(brush);
    if (!logBrush || logBrush->lbStyle == BS_NULL) return std::nullopt;
    return PixelFromColor(logBrush->lbColor);
}

void FillArea(PixelBuffer& target, RECT area, Pixel pixel) {
    const int left = std::max<LONG>(area.left, 0), right = std::min<LONG>(area.right, target.width);
    const int top = std::max<LONG>(area.top, 0), bottom = std::min<LONG>(area.bottom, target.height);
    const Pixel fitted = target.Fit(pixel);
    for (int y = top; y < bottom; ++y) {
        std::fill(&target.At(left, y), &target.At(left, y) + std::max(right - left, 0), fitted);
    }
}

}  // namespace win32::gdi

using namespace win32::gdi;

namespace {

// The DC's drawing target and a brush's colour, for the rectangle calls.
struct BrushTarget {
    PixelBuffer* target = nullptr;
    std::optional<Pixel> pixel;
};

BrushTarget ResolveBrush(HDC hdc, HBRUSH brush) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hdc);
    if (!dc) return {};
    return BrushTarget{gdi.Target(*dc), BrushPixel(brush)};
}

bool IsBrush(HBRUSH brush) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    return (value >= 1 && value <= COLOR_MENUBAR + 1) || Gdi::Instance().FindAs<LOGBRUSH>(brush);
}

}  // namespace

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    if (!lprc || !IsBrush(hbr)) return 0;
    BrushTarget resolved = ResolveBrush(hDC, hbr);
    if (!resolved.target) return 0;
    if (resolved.pixel) FillArea(*resolved.target, *lprc, *resolved.pixel);
    return 1;
}

int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    if (!lprc || !IsBrush(hbr)) return 0;
    BrushTarget resolved = ResolveBrush(hDC, hbr);
    if (!resolved.target) return 0;
    const RECT& r = *lprc;
    if (r.right <= r.left || r.bottom <= r.top || !resolved.pixel) return 1;
    const Pixel pixel = *resolved.pixel;
    FillArea(*resolved.target, RECT{r.left, r.top, r.right, r.top + 1}, pixel);
    FillArea(*resolved.target, RECT{r.left, r.bottom - 1, r.right, r.bottom}, pixel);
    FillArea(*resolved.target, RECT{r.left, r.top, r.left + 1, r.bottom}, pixel);
    FillArea(*resolved.target, RECT{r.right - 1, r.top, r.right, r.bottom}, pixel);
    return 1;
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    if (RopUsesSource(RopCode(rop))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Transfer(hdc, x, y, w, h, nullptr, 0, 0, w, h, rop);
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    return Transfer(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop) {
    if (RopUsesSource(RopCode(rop)) && (wSrc == 0 || hSrc == 0)) return FALSE;
    return Transfer(hdcDest, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, wSrc, hSrc, rop);
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hdc);
    PixelBuffer* target = dc ? gdi.Target(*dc) : nullptr;
    if (!target || !target->Contains(x, y)) return CLR_INVALID;
    Pixel& pixel = target->At(x, y);
    pixel = target->Fit(PixelFromColor(color));
    return ColorFromPixel(pixel);
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hdc);
    PixelBuffer* target = dc ? gdi.Target(*dc) : nullptr;
    if (!target || !target->Contains(x, y)) return CLR_INVALID;
    return ColorFromPixel(target->At(x, y));
}

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = Gdi::Instance().FindDc(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.position;
    dc->state.position = POINT{x, y};
    return TRUE;
}

// Lines are one pixel wide whatever the pen's width, and leave out their end
// point, as Windows does.
BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hdc);
    if (!dc) return FALSE;
    PixelBuffer* target = gdi.Target(*dc);
    const LOGPEN* pen = gdi.FindAs<LOGPEN>(dc->state.pen);
    const POINT from = dc->state.position;
    dc->state.position = POINT{x, y};
    if (!target || !pen || pen->lopnStyle == PS_NULL) return TRUE;
    const Pixel pixel = PixelFromColor(pen->lopnColor);
    int cx = from.x, cy = from.y;
    const int stepX = x > cx ? 1 : -1, stepY = y > cy ? 1 : -1;
    const int distanceX = std::abs(x - cx), distanceY = -std::abs(y - cy);
    int error = distanceX + distanceY;
    while (cx != x || cy != y) {
        Plot(*target, cx, cy, pixel);
        const int doubled = 2 * error;
        if (doubled >= distanceY) error += distanceY, cx += stepX;
        if (doubled <= distanceX) error += distanceX, cy += stepY;
    }
    return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    Gdi& gdi = Gdi::Instance();
    DeviceContext* dc = gdi.FindDc(hdc);
    if (!dc) return FALSE;
    PixelBuffer* target = gdi.Target(*dc);
    if (!target) return FALSE;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const LOGPEN* pen = gdi.FindAs<LOGPEN>(dc->state.pen);
    const bool outlined = pen && pen->lopnStyle != PS_NULL;
    // Without a pen the filled area is one pixel narrower and shorter.
    const RECT interior = outlined ? RECT{left + 1, top + 1, right - 1, bottom - 1} : RECT{left, top, right - 1, bottom - 1};
    if (std::optional<Pixel> fill = BrushPixel(static_cast<HBRUSH>(dc->state.brush))) FillArea(*target, interior, *fill);
    if (outlined && right > left && bottom > top) {
        const Pixel pixel = PixelFromColor(pen->lopnColor);
        FillArea(*target, RECT{left, top, right, top + 1}, pixel);
        FillArea(*target, RECT{left, bottom - 1, right, bottom}, pixel);
        FillArea(*target, RECT{left, top, left + 1, bottom}, pixel);
        FillArea(*target, RECT{right - 1, top, right, bottom}, pixel);
    }
    return TRUE;
}
