// The classic look's shapes and text on cairo.
#include "classic_look.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace classic {

namespace {

constexpr double kColourScale = 255.0;

constexpr char kSansFamily[] = "DejaVu Sans";
constexpr char kMonospaceFamily[] = "DejaVu Sans Mono";
// The letters whose mean advance stands for a font's average character width,
// as GDI measures tmAveCharWidth.
constexpr char kAverageSample[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kAverageSampleLength = sizeof kAverageSample - 1;
// GDI rounds the average to whole pixels, so the font a dialog was laid out
// with averages up to half a pixel less than its tmAveCharWidth.
constexpr double kAverageRounding = 0.5;
// A positive lfHeight is the cell height, 13/11 of the em; zero is a 16-pixel cell.
constexpr int kCellToEmNumerator = 11;
constexpr int kCellToEmDenominator = 13;
constexpr int kDefaultCellHeight = 16;

constexpr char kMnemonicPrefix = '&';
// Where the mnemonic's underline runs, below the baseline.
constexpr int kUnderlineDrop = 1;
// Where the embossed highlight of disabled text sits, right of and below the grey text.
constexpr int kEmbossOffset = 1;

// The check mark of the classic check box, seven pixels square, drawn one
// pixel inside the box's white square.
constexpr std::array<std::string_view, 7> kCheckMark = {
    "......#",
    ".....##",
    "#...###",
    "##.###.",
    "#####..",
    ".###...",
    "..#....",
};
constexpr int kCheckMarkInset = EDGE_WIDTH + 1;

// The radio button's rings by their distance from the centre: the outer ring
// from 5 to 6 pixels, the inner one from 4 to 5, the dot within 2.
constexpr double kRadioCentre = RADIO_BUTTON_SIZE / 2.0;
constexpr double kRadioOuterRing = 5.0;
constexpr double kRadioInnerRing = 4.0;
constexpr double kRadioDot = 2.0;
constexpr double kPixelCentre = 0.5;

// The largest arrow drawn: seven pixels at the base, four high.
constexpr int kMaxArrowBase = 7;
constexpr int kArrowMargin = 2;

void SetColour(cairo_t* cr, int nSysColor) {
    const COLORREF colour = ::GetSysColor(nSysColor);
    cairo_set_source_rgb(cr, GetRValue(colour) / kColourScale, GetGValue(colour) / kColourScale,
                         GetBValue(colour) / kColourScale);
}

void FillPixels(cairo_t* cr, int x, int y, int cx, int cy, int nSysColor) {
    if (cx <= 0 || cy <= 0) return;
    SetColour(cr, nSysColor);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_rectangle(cr, x, y, cx, cy);
    cairo_fill(cr);
}

// One ring of an edge: the top and left lines in one colour, the bottom and
// right ones (with the corners they share) in the other, as DrawEdge draws them.
RECT DrawRing(cairo_t* cr, const RECT& rect, int nTopLeft, int nBottomRight) {
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    FillPixels(cr, rect.left, rect.top, cx - 1, 1, nTopLeft);
    FillPixels(cr, rect.left, rect.top, 1, cy - 1, nTopLeft);
    FillPixels(cr, rect.left, rect.bottom - 1, cx, 1, nBottomRight);
    FillPixels(cr, rect.right - 1, rect.top, 1, cy, nBottomRight);
    return RECT{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
}

std::string ToUtf8(std::string_view text) {
    constexpr unsigned char kFirstTwoByte = 0x80;
    constexpr unsigned char kLeadBits = 0xC0;
    constexpr unsigned char kContinuationBits = 0x80;
    constexpr unsigned char kContinuationMask = 0x3F;
    constexpr int kLeadShift = 6;
    std::string utf8;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < kFirstTwoByte) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(kLeadBits | (byte >> kLeadShift));
            utf8 += static_cast<char>(kContinuationBits | (byte & kContinuationMask));
        }
    }
    return utf8;
}

double Advance(cairo_t* cr, std::string_view text) {
    if (text.empty()) return 0;
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, ToUtf8(text).c_str(), &extents);
    return extents.x_advance;
}

int PixelWidth(cairo_t* cr, std::string_view text) { return static_cast<int>(std::lround(Advance(cr, text))); }

struct LineMetrics {
    int nAscent;
    int nHeight;
};

LineMetrics MetricsOf(cairo_t* cr) {
    cairo_font_extents_t extents{};
    cairo_font_extents(cr, &extents);
    const int nAscent = static_cast<int>(std::lround(extents.ascent));
    return LineMetrics{nAscent, nAscent + static_cast<int>(std::lround(extents.descent))};
}

// The text as shown, and which of its characters the mnemonic underlines.
struct ShownText {
    std::string text;
    size_t nUnderlined = std::string::npos;
};

ShownText StripMnemonic(std::string_view text, bool bProcess) {
    ShownText shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (bProcess && text[i] == kMnemonicPrefix && i + 1 < text.size()) {
            ++i;
            // "&&" is one '&'; otherwise the character after '&' is the mnemonic.
            if (text[i] != kMnemonicPrefix && shown.nUnderlined == std::string::npos) {
                shown.nUnderlined = shown.text.size();
            }
        } else if (bProcess && text[i] == kMnemonicPrefix) {
            continue;  // a lone '&' at the end shows nothing
        }
        shown.text += text[i];
    }
    return shown;
}

struct Line {
    size_t nBegin;
    size_t nEnd;
};

// Lines at the line breaks, and with DT_WORDBREAK also between words that
// would not fit; a word wider than the rectangle keeps its line.
std::vector<Line> BreakLines(cairo_t* cr, const std::string& text, int nWidth, UINT uFormat) {
    std::vector<Line> lines;
    const bool bSingleLine = (uFormat & DT_SINGLELINE) != 0;
    size_t nBegin = 0;
    while (true) {
        size_t nEnd = bSingleLine ? text.size() : std::min(text.find('\n', nBegin), text.size());
        if (uFormat & DT_WORDBREAK && !bSingleLine) {
            size_t nFit = nBegin;
            for (size_t nSpace = nBegin; nSpace <= nEnd; ++nSpace) {
                if (nSpace != nEnd && text[nSpace] != ' ') continue;
                // Blanks where a line breaks take no room.
                size_t nWordEnd = nSpace;
                while (nWordEnd > nBegin && text[nWordEnd - 1] == ' ') --nWordEnd;
                const std::string_view candidate = std::string_view(text).substr(nBegin, nWordEnd - nBegin);
                if (nFit != nBegin && PixelWidth(cr, candidate) > nWidth) break;
                nFit = nSpace;
            }
            if (nFit != nBegin && nFit < nEnd) {
                lines.push_back({nBegin, nFit});
                nBegin = nFit + 1;
                continue;
            }
        }
        size_t nShownEnd = nEnd;
        if (nShownEnd > nBegin && text[nShownEnd - 1] == '\r') --nShownEnd;
        lines.push_back({nBegin, nShownEnd});
        if (nEnd >= text.size()) break;
        nBegin = nEnd + 1;
    }
    return lines;
}

}  // namespace

void Fill(cairo_t* cr, const RECT& rect, int nSysColor) {
    FillPixels(cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, nSysColor);
}

void Frame(cairo_t* cr, const RECT& rect, int nSysColor) { DrawRing(cr, rect, nSysColor, nSysColor); }

RECT DrawEdge(cairo_t* cr, const RECT& rect, Edge edge) {
    switch (edge) {
    case Edge::Raised:
        return DrawRing(cr, DrawRing(cr, rect, COLOR_3DLIGHT, COLOR_3DDKSHADOW), COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
    case Edge::Sunken:
        return DrawRing(cr, DrawRing(cr, rect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT), COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    case Edge::Button:
        return DrawRing(cr, DrawRing(cr, rect, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW), COLOR_3DLIGHT, COLOR_BTNSHADOW);
    case Edge::ButtonPushed:
        return DrawRing(cr, DrawRing(cr, rect, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW), COLOR_BTNSHADOW, COLOR_BTNSHADOW);
    case Edge::Etched:
        return DrawRing(cr, DrawRing(cr, rect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT), COLOR_BTNHIGHLIGHT,
                        COLOR_BTNSHADOW);
    case Edge::ThinSunken: return DrawRing(cr, rect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    }
    return rect;
}

void DrawCheckBox(cairo_t* cr, POINT topLeft, UINT nCheck, bool bEnabled, bool bPushed) {
    const RECT box{topLeft.x, topLeft.y, topLeft.x + CHECK_BOX_SIZE, topLeft.y + CHECK_BOX_SIZE};
    const RECT inside = DrawEdge(cr, box, Edge::Sunken);
    const bool bIndeterminate = nCheck == BST_INDETERMINATE;
    if (bIndeterminate && bEnabled) {
        DrawDither(cr, inside, COLOR_BTNHIGHLIGHT, COLOR_BTNFACE);
    } else {
        Fill(cr, inside, bEnabled && !bPushed ? COLOR_WINDOW : COLOR_BTNFACE);
    }
    if (nCheck == BST_UNCHECKED) return;
    const int nMark = bEnabled && !bIndeterminate ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW;
    for (size_t y = 0; y < kCheckMark.size(); ++y) {
        for (size_t x = 0; x < kCheckMark[y].size(); ++x) {
            if (kCheckMark[y][x] != '#') continue;
            FillPixels(cr, box.left + kCheckMarkInset + static_cast<int>(x),
                       box.top + kCheckMarkInset + static_cast<int>(y), 1, 1, nMark);
        }
    }
}

void DrawRadioButton(cairo_t* cr, POINT topLeft, bool bChecked, bool bEnabled, bool bPushed) {
    const int nInside = bEnabled && !bPushed ? COLOR_WINDOW : COLOR_BTNFACE;
    for (int y = 0; y < RADIO_BUTTON_SIZE; ++y) {
        for (int x = 0; x < RADIO_BUTTON_SIZE; ++x) {
            const double dx = x + kPixelCentre - kRadioCentre;
            const double dy = y + kPixelCentre - kRadioCentre;
            const double distance = std::hypot(dx, dy);
            // The top-left half of each ring is the shaded one.
            const bool bTopLeft = dx + dy < 0;
            int nColour = -1;
            if (distance >= kRadioCentre) continue;
            if (distance >= kRadioOuterRing) {
                nColour = bTopLeft ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
            } else if (distance >= kRadioInnerRing) {
                nColour = bTopLeft ? COLOR_3DDKSHADOW : COLOR_3DLIGHT;
            } else if (bChecked && distance < kRadioDot) {
                nColour = bEnabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW;
            } else {
                nColour = nInside;
            }
            FillPixels(cr, topLeft.x + x, topLeft.y + y, 1, 1, nColour);
        }
    }
}

void DrawArrow(cairo_t* cr, const RECT& box, Arrow arrow, bool bEnabled) {
    const bool bVertical = arrow == Arrow::Up || arrow == Arrow::Down;
    const int nAlong = bVertical ? box.right - box.left : box.bottom - box.top;   // room for the base
    const int nAcross = bVertical ? box.bottom - box.top : box.right - box.left;  // room for the height
    int nBase = std::min({kMaxArrowBase, nAlong - 2 * kArrowMargin, 2 * (nAcross - kArrowMargin) - 1});
    if (nBase % 2 == 0) --nBase;
    if (nBase < 1) nBase = 1;
    const int nHeight = (nBase + 1) / 2;
    const int nBaseStart = (bVertical ? box.left : box.top) + (nAlong - nBase) / 2;
    const int nTipStart = (bVertical ? box.top : box.left) + (nAcross - nHeight) / 2;
    auto draw = [&](int nOffset, int nSysColor) {
        for (int i = 0; i < nHeight; ++i) {
            // Row i from the tip is 2i + 1 pixels long.
            const int nRow = (arrow == Arrow::Up || arrow == Arrow::Left) ? i : nHeight - 1 - i;
            const int nStart = nBaseStart + (nBase - (2 * i + 1)) / 2 + nOffset;
            const int nAt = nTipStart + nRow + nOffset;
            if (bVertical) {
                FillPixels(cr, nStart, nAt, 2 * i + 1, 1, nSysColor);
            } else {
                FillPixels(cr, nAt, nStart, 1, 2 * i + 1, nSysColor);
            }
        }
    };
    if (bEnabled) {
        draw(0, COLOR_BTNTEXT);
    } else {
        draw(kEmbossOffset, COLOR_BTNHIGHLIGHT);
        draw(0, COLOR_BTNSHADOW);
    }
}

void DrawFocusRect(cairo_t* cr, const RECT& rect) {
    // Every other pixel, as the platform's dotted focus pen draws it.
    for (int x = rect.left; x < rect.right; ++x) {
        if ((x - rect.left) % 2 != 0) continue;
        FillPixels(cr, x, rect.top, 1, 1, COLOR_WINDOWTEXT);
        FillPixels(cr, x, rect.bottom - 1, 1, 1, COLOR_WINDOWTEXT);
    }
    for (int y = rect.top; y < rect.bottom; ++y) {
        if ((y - rect.top) % 2 != 0) continue;
        FillPixels(cr, rect.left, y, 1, 1, COLOR_WINDOWTEXT);
        FillPixels(cr, rect.right - 1, y, 1, 1, COLOR_WINDOWTEXT);
    }
}

void DrawDither(cairo_t* cr, const RECT& rect, int nSysColorEven, int nSysColorOdd) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            FillPixels(cr, x, y, 1, 1, (x + y) % 2 == 0 ? nSysColorEven : nSysColorOdd);
        }
    }
}

Font MapFont(cairo_t* cr, const LOGFONTA& logFont, int nAverageWidth) {
    Font font;
    const bool bFixedPitch =
        (logFont.lfPitchAndFamily & FIXED_PITCH) != 0 || (logFont.lfPitchAndFamily & FF_MODERN) == FF_MODERN;
    font.strFamily = bFixedPitch ? kMonospaceFamily : kSansFamily;
    font.bBold = logFont.lfWeight >= FW_SEMIBOLD;
    font.bItalic = logFont.lfItalic != 0;
    font.bUnderline = logFont.lfUnderline != 0;
    double dEm = kDefaultCellHeight * kCellToEmNumerator / static_cast<double>(kCellToEmDenominator);
    if (logFont.lfHeight < 0) {
        dEm = -logFont.lfHeight;
    } else if (logFont.lfHeight > 0) {
        dEm = logFont.lfHeight * kCellToEmNumerator / static_cast<double>(kCellToEmDenominator);
    }
    font.dSize = dEm;
    if (nAverageWidth > 0) {
        SelectFont(cr, font);
        const double dAverage = Advance(cr, kAverageSample) / kAverageSampleLength;
        const double dTarget = nAverageWidth - kAverageRounding;
        if (dAverage > dTarget) font.dSize = dEm * dTarget / dAverage;
    }
    return font;
}

void SelectFont(cairo_t* cr, const Font& font) {
    cairo_select_font_face(cr, font.strFamily.c_str(), font.bItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           font.bBold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, font.dSize);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    // Unhinted advances scale with the size, so text takes the room the layout expects.
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

RECT DrawText(cairo_t* cr, std::string_view text, const RECT& rect, UINT uFormat, int nSysColor) {
    const ShownText shown = StripMnemonic(text, (uFormat & DT_NOPREFIX) == 0);
    const std::vector<Line> lines = BreakLines(cr, shown.text, rect.right - rect.left, uFormat);
    const LineMetrics metrics = MetricsOf(cr);
    const int nBlockHeight = metrics.nHeight * static_cast<int>(lines.size());
    int y = rect.top;
    if (uFormat & DT_VCENTER) y = rect.top + (rect.bottom - rect.top - nBlockHeight) / 2;
    if (uFormat & DT_BOTTOM) y = rect.bottom - nBlockHeight;

    RECT covered{rect.right, y, rect.left, y + nBlockHeight};
    for (const Line& line : lines) {
        const std::string_view content = std::string_view(shown.text).substr(line.nBegin, line.nEnd - line.nBegin);
        const int nWidth = PixelWidth(cr, content);
        int x = rect.left;
        if (uFormat & DT_CENTER) x = rect.left + (rect.right - rect.left - nWidth) / 2;
        if (uFormat & DT_RIGHT) x = rect.right - nWidth;
        covered.left = std::min<LONG>(covered.left, x);
        covered.right = std::max<LONG>(covered.right, x + nWidth);
        if (!(uFormat & DT_CALCRECT)) {
            SetColour(cr, nSysColor);
            cairo_move_to(cr, x, y + metrics.nAscent);
            cairo_show_text(cr, ToUtf8(content).c_str());
            if (shown.nUnderlined >= line.nBegin && shown.nUnderlined < line.nEnd) {
                const size_t nInLine = shown.nUnderlined - line.nBegin;
                const int nFrom = PixelWidth(cr, content.substr(0, nInLine));
                const int nTo = PixelWidth(cr, content.substr(0, nInLine + 1));
                FillPixels(cr, x + nFrom, y + metrics.nAscent + kUnderlineDrop, nTo - nFrom, 1, nSysColor);
            }
        }
        y += metrics.nHeight;
    }
    if (covered.left > covered.right) covered.left = covered.right = rect.left;
    return covered;
}

RECT DrawDisabledText(cairo_t* cr, std::string_view text, const RECT& rect, UINT uFormat) {
    if (!(uFormat & DT_CALCRECT)) {
        RECT highlight = rect;
        ::OffsetRect(&highlight, kEmbossOffset, kEmbossOffset);
        DrawText(cr, text, highlight, uFormat, COLOR_BTNHIGHLIGHT);
    }
    return DrawText(cr, text, rect, uFormat, COLOR_GRAYTEXT);
}

SIZE TextExtent(cairo_t* cr, std::string_view text) { return SIZE{PixelWidth(cr, text), MetricsOf(cr).nHeight}; }

}  // namespace classic
