// Text: the metric model, measurement, TextOutA and DrawTextA.
//
// Every face measures alike (see wingdi.h for the model): a character cell is
// the font's average width wide and its height tall. Glyphs are drawn as
// boxes of the text colour inside their cells, from the internal leading down
// to the baseline; a picture front end draws real glyphs from the window's
// text instead.
#include "gdi_internal.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace win32::gdi {

namespace {

// Cell height = 13/11 of the em height: an 11-pixel em (8 points at 96 dpi)
// has a 13-pixel cell, 2 pixels of internal leading.
constexpr int kCellPerEm = 13;
constexpr int kEmPerCell = 11;
constexpr int kDescentPerCell = 2;  // in thirteenths of the cell
constexpr int kDefaultCellHeight = 16;
// Average width in proportion to the cell height.
constexpr int kVariableWidthPerCell = 6;  // 6/13: 6 pixels for a 13-pixel cell
constexpr int kFixedWidthNumerator = 8;   // 8/15: 8 pixels for a 15-pixel cell
constexpr int kFixedWidthDenominator = 15;
constexpr BYTE kPitchMask = 0x03;
constexpr BYTE kFamilyMask = 0xF0;
constexpr BYTE kFirstChar = 0x20, kLastChar = 0xFF, kDefaultChar = 0x80, kBreakChar = 0x20;
constexpr int kTabStopChars = 8;
constexpr int kTabSizeShift = 8;  // DT_TABSTOP: the tab size in bits 8 to 15 of the format
constexpr int kDotsPerInch = 96;
constexpr int kMaxWidthPerAverage = 2;  // widest character of a variable-pitch font

int Scale(int value, int numerator, int denominator) { return MulDiv(value, numerator, denominator); }

}  // namespace

TEXTMETRICA FontMetrics(const LOGFONTA& font) {
    const bool fixedPitch = (font.lfPitchAndFamily & kPitchMask) == FIXED_PITCH;
    int height = kDefaultCellHeight;
    int em = Scale(height, kEmPerCell, kCellPerEm);
    if (font.lfHeight < 0) {
        em = -font.lfHeight;
        height = Scale(em, kCellPerEm, kEmPerCell);
    } else if (font.lfHeight > 0) {
        height = font.lfHeight;
        em = Scale(height, kEmPerCell, kCellPerEm);
    }
    int average = std::abs(font.lfWidth);
    if (average == 0) {
        average = fixedPitch ? Scale(height, kFixedWidthNumerator, kFixedWidthDenominator)
                             : Scale(height, kVariableWidthPerCell, kCellPerEm);
        average = std::max(average, 1);
    }
    TEXTMETRICA metrics{};
    metrics.tmHeight = height;
    metrics.tmDescent = Scale(height, kDescentPerCell, kCellPerEm);
    metrics.tmAscent = height - metrics.tmDescent;
    metrics.tmInternalLeading = height - em;
    metrics.tmExternalLeading = 0;
    metrics.tmAveCharWidth = average;
    metrics.tmMaxCharWidth = fixedPitch ? average : kMaxWidthPerAverage * average;
    metrics.tmWeight = font.lfWeight ? font.lfWeight : FW_NORMAL;
    metrics.tmOverhang = 0;
    metrics.tmDigitizedAspectX = kDotsPerInch;
    metrics.tmDigitizedAspectY = kDotsPerInch;
    metrics.tmFirstChar = kFirstChar;
    metrics.tmLastChar = kLastChar;
    metrics.tmDefaultChar = kDefaultChar;
    metrics.tmBreakChar = kBreakChar;
    metrics.tmItalic = font.lfItalic ? 1 : 0;
    metrics.tmUnderlined = font.lfUnderline ? 1 : 0;
    metrics.tmStruckOut = font.lfStrikeOut ? 1 : 0;
    // The low bit set means variable pitch, as Windows has it.
    metrics.tmPitchAndFamily =
        static_cast<BYTE>((font.lfPitchAndFamily & kFamilyMask) | (fixedPitch ? 0 : TMPF_FIXED_PITCH));
    metrics.tmCharSet = font.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : font.lfCharSet;
    return metrics;
}

namespace {

struct TextTarget {
    DeviceContext* dc = nullptr;
    PixelBuffer* target = nullptr;
    TEXTMETRICA metrics{};
};

TextTarget FindTextTarget(HDC hdc) {
    Gdi& gdi = Gdi::Instance();
    TextTarget result;
    result.dc = gdi.FindDc(hdc);
    if (!result.dc) return result;
    result.target = gdi.Target(*result.dc);
    result.metrics = FontMetrics(gdi.SelectedFont(*result.dc));
    return result;
}

RECT Intersect(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// One line of text with its top-left corner at (x, y), clipped to clip.
void DrawRun(const TextTarget& text, int x, int y, std::string_view line, const RECT& clip) {
    const TEXTMETRICA& tm = text.metrics;
    const int average = tm.tmAveCharWidth;
    const int width = static_cast<int>(line.size()) * average;
    if (text.dc->state.bkMode == OPAQUE) {
        FillArea(*text.target, Intersect(RECT{x, y, x + width, y + tm.tmHeight}, clip),
                 PixelFromColor(text.dc->state.bkColor));
    }
    const Pixel ink = PixelFromColor(text.dc->state.textColor);
    // A glyph box leaves a pixel on either side, when the cell has room for it.
    constexpr int kNarrowestInsetCell = 3;
    const int inset = average >= kNarrowestInsetCell ? 1 : 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ' ' || line[i] == '\t') continue;
        const int cellLeft = x + static_cast<int>(i) * average;
        const RECT glyph{cellLeft + inset, y + tm.tmInternalLeading, cellLeft + average - inset, y + tm.tmAscent};
        FillArea(*text.target, Intersect(glyph, clip), ink);
    }
}

// The text as DrawTextA lays it out: prefixes resolved, tabs expanded, split
// into lines and wrapped.
std::string ResolvePrefixes(std::string_view text, UINT format) {
    if (format & DT_NOPREFIX) return std::string(text);
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&&" is one '&', "&x" underlines x
        else if (text[i] == '&') continue;
        result += text[i];
    }
    return result;
}

std::string ExpandTabs(const std::string& line, UINT format) {
    if (!(format & DT_EXPANDTABS)) return line;
    const int stop = (format & DT_TABSTOP) ? std::max<int>((format >> kTabSizeShift) & 0xFF, 1) : kTabStopChars;
    std::string result;
    for (char c : line) {
        if (c != '\t') {
            result += c;
            continue;
        }
        do result += ' ';
        while (result.size() % static_cast<size_t>(stop) != 0);
    }
    return result;
}

std::vector<std::string> SplitLines(const std::string& text, UINT format) {
    if (format & DT_SINGLELINE) return {text};
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

// Greedy word wrap: a word wider than the rectangle keeps a line to itself.
std::vector<std::string> Wrap(const std::string& line, size_t maxChars) {
    std::vector<std::string> wrapped;
    std::string current;
    size_t i = 0;
    while (i < line.size()) {
        const size_t wordEnd = std::min(line.find(' ', i), line.size());
        const std::string word = line.substr(i, wordEnd - i);
        const size_t needed = current.empty() ? word.size() : current.size() + 1 + word.size();
        if (!current.empty() && needed > maxChars) {
            wrapped.push_back(current);
            current = word;
        } else {
            current = current.empty() ? word : current + ' ' + word;
        }
        i = wordEnd;
        while (i < line.size() && line[i] == ' ') ++i;
    }
    wrapped.push_back(current);
    return wrapped;
}

std::vector<std::string> LayOut(std::string_view text, UINT format, const RECT& rect, int average) {
    std::vector<std::string> lines;
    const bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    const size_t maxChars = static_cast<size_t>(std::max<LONG>(rect.right - rect.left, 0) / average);
    for (const std::string& line : SplitLines(ResolvePrefixes(text, format), format)) {
        const std::string expanded = ExpandTabs(line, format);
        if (!wrap) {
            lines.push_back(expanded);
            continue;
        }
        for (std::string& piece : Wrap(expanded, maxChars)) lines.push_back(std::move(piece));
    }
    return lines;
}

}  // namespace

}  // namespace win32::gdi

using namespace win32::gdi;

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
    TextTarget text = FindTextTarget(hdc);
    if (!text.dc || !lptm) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lptm = text.metrics;
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    TextTarget text = FindTextTarget(hdc);
    if (!text.dc || !psizl || c < 0 || (c > 0 && !lpString)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    psizl->cx = c * text.metrics.tmAveCharWidth;
    psizl->cy = text.metrics.tmHeight;
    return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    TextTarget text = FindTextTarget(hdc);
    if (!text.target || c < 0 || (c > 0 && !lpString)) return FALSE;
    const RECT everywhere{0, 0, text.target->width, text.target->height};
    DrawRun(text, x, y, std::string_view(lpString ? lpString : "", static_cast<size_t>(c)), everywhere);
    return TRUE;
}

// Returns the height of the text, or with DT_VCENTER or DT_BOTTOM the offset
// from the rectangle's top to the bottom of the text. Empty text measures
// 0 x 0 and draws nothing. Ellipsis flags measure the text as given.
int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    TextTarget text = FindTextTarget(hdc);
    if (!text.target || !lprc || !lpchText) return 0;
    const size_t length = cchText < 0 ? std::strlen(lpchText) : static_cast<size_t>(cchText);
    const TEXTMETRICA& tm = text.metrics;
    const int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    RECT& rect = *lprc;
    if (length == 0) {
        if (format & DT_CALCRECT) rect.right = rect.left, rect.bottom = rect.top;
        return 0;
    }
    const std::vector<std::string> lines = LayOut(std::string_view(lpchText, length), format, rect, tm.tmAveCharWidth);
    size_t widestChars = 0;
    for (const std::string& line : lines) widestChars = std::max(widestChars, line.size());
    const int textWidth = static_cast<int>(widestChars) * tm.tmAveCharWidth;
    const int textHeight = static_cast<int>(lines.size()) * lineHeight;

    if (format & DT_CALCRECT) {
        rect.right = rect.left + textWidth;
        rect.bottom = rect.top + textHeight;
        return textHeight;
    }

    int top = rect.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) top = rect.top + (rect.bottom - rect.top - textHeight) / 2;
        else if (format & DT_BOTTOM) top = rect.bottom - textHeight;
    }
    const RECT clip = (format & DT_NOCLIP) ? RECT{0, 0, text.target->width, text.target->height} : rect;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int width = static_cast<int>(lines[i].size()) * tm.tmAveCharWidth;
        int left = rect.left;
        if (format & DT_CENTER) left = rect.left + (rect.right - rect.left - width) / 2;
        else if (format & DT_RIGHT) left = rect.right - width;
        if (!(format & DT_PREFIXONLY)) DrawRun(text, left, top + static_cast<int>(i) * lineHeight, lines[i], clip);
    }
    const bool offsetResult = (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM));
    return offsetResult ? top + textHeight - rect.top : textHeight;
}
