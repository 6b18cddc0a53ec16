// GDI: pixels of bitmaps and windows after block transfers and fills, object
// lifetime in DCs, fonts and the text metric model.
#include <gtest/gtest.h>
#include <win32_driver.h>
#include <win32_driver_gdi.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr COLORREF Rgb(BYTE r, BYTE g, BYTE b) { return static_cast<COLORREF>(r | (g << 8) | (b << 16)); }

constexpr COLORREF kRed = Rgb(255, 0, 0);
constexpr COLORREF kGreen = Rgb(0, 255, 0);
constexpr COLORREF kBlue = Rgb(0, 0, 255);
constexpr COLORREF kWhite = Rgb(255, 255, 255);
constexpr COLORREF kBlack = Rgb(0, 0, 0);
constexpr COLORREF kGrey = Rgb(128, 128, 128);

// A 32-bit bitmap whose pixels are given row by row.
HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels) {
    std::vector<BYTE> bits;
    for (COLORREF color : pixels) {
        const auto channel = [color](int shift) { return static_cast<BYTE>((color >> shift) & 0xFF); };
        bits.insert(bits.end(), {channel(16), channel(8), channel(0), 0});  // blue, green, red, unused
    }
    return CreateBitmap(width, height, 1, 32, bits.data());
}

// A memory DC with a colour bitmap of its own, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) : m_dc(CreateCompatibleDC(nullptr)) {
        HDC screen = GetDC(nullptr);
        m_bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        m_previous = SelectObject(m_dc, m_bitmap);
        HBRUSH brush = CreateSolidBrush(fill);
        const RECT all{0, 0, width, height};
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    // One letter per pixel of a row: R, G, B, W, K (black), ? for others.
    std::string Row(int y, int width) const {
        std::string letters;
        for (int x = 0; x < width; ++x) {
            const COLORREF c = GetPixel(m_dc, x, y);
            letters += c == kRed ? 'R' : c == kGreen ? 'G' : c == kBlue ? 'B' : c == kWhite ? 'W' : c == kBlack ? 'K' : '?';
        }
        return letters;
    }

private:
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// A memory DC holding the given bitmap for the length of a test.
class Holder {
public:
    explicit Holder(HBITMAP bitmap) : m_dc(CreateCompatibleDC(nullptr)), m_previous(SelectObject(m_dc, bitmap)) {}
    ~Holder() {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

TEST(GdiBlit, SmallerBitmapCopiedCentredOddPixelToTheRightAndBottom) {
    HBITMAP source = MakeBitmap(3, 2, {kRed, kGreen, kBlue, kBlue, kGreen, kRed});
    Holder from(source);
    Canvas to(8, 5, kWhite);
    // (8 - 3) / 2 = 2 and (5 - 2) / 2 = 1: the spare column and row go right and down.
    ASSERT_TRUE(BitBlt(to.dc(), 2, 1, 3, 2, from.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(to.Row(0, 8), "WWWWWWWW");
    EXPECT_EQ(to.Row(1, 8), "WWRGBWWW");
    EXPECT_EQ(to.Row(2, 8), "WWBGRWWW");
    EXPECT_EQ(to.Row(3, 8), "WWWWWWWW");
    DeleteObject(source);
}

TEST(GdiBlit, StretchIsNearestNeighbour) {
    struct Case {
        const char* name;
        std::vector<COLORREF> source;  // one row
        int destWidth;
        int sourceWidth;  // negative mirrors
        const char* expected;
    };
    const Case cases[] = {
        {"double", {kRed, kGreen}, 4, 2, "RRGG"},
        {"three to five", {kRed, kGreen, kBlue}, 5, 3, "RRGGB"},
        {"halve keeps every other pixel", {kRed, kGreen, kBlue, kWhite}, 2, 4, "RB"},
        {"mirrored", {kRed, kGreen, kBlue}, 3, -3, "BGR"},
    };
    for (const Case& c : cases) {
        const int width = static_cast<int>(c.source.size());
        HBITMAP source = MakeBitmap(width, 1, c.source);
        Holder from(source);
        Canvas to(c.destWidth, 2, kBlack);
        const int sourceX = c.sourceWidth < 0 ? width : 0;
        ASSERT_TRUE(StretchBlt(to.dc(), 0, 0, c.destWidth, 2, from.dc(), sourceX, 0, c.sourceWidth, 1, SRCCOPY))
            << c.name;
        EXPECT_EQ(to.Row(0, c.destWidth), c.expected) << c.name;
        EXPECT_EQ(to.Row(1, c.destWidth), c.expected) << c.name << ": one source row fills two";
        DeleteObject(source);
    }
}

TEST(GdiBlit, BlitWithinOneBitmapReadsTheSourceFirst) {
    Canvas canvas(4, 1, kWhite);
    SetPixel(canvas.dc(), 0, 0, kRed);
    SetPixel(canvas.dc(), 1, 0, kGreen);
    ASSERT_TRUE(BitBlt(canvas.dc(), 1, 0, 2, 1, canvas.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(canvas.Row(0, 4), "RRGW");
}

TEST(GdiBlit, MonochromeAndColourConvertByTheDcColours) {
    // 1 bit a pixel, high bit leftmost: 1 0 1 1.
    const BYTE monoBits[] = {0xB0, 0x00};
    HBITMAP mono = CreateBitmap(4, 1, 1, 1, monoBits);
    Holder monoDc(mono);
    Canvas colour(4, 1, kBlack);
    SetTextColor(colour.dc(), kRed);  // mono 0 (black) becomes the text colour
    SetBkColor(colour.dc(), kBlue);   // mono 1 (white) becomes the background colour
    ASSERT_TRUE(BitBlt(colour.dc(), 0, 0, 4, 1, monoDc.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(colour.Row(0, 4), "BRBB");

    // Back to monochrome: the source's background colour turns white, the rest black.
    SetBkColor(colour.dc(), kRed);
    ASSERT_TRUE(BitBlt(monoDc.dc(), 0, 0, 4, 1, colour.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(monoDc.dc(), 0, 0), kBlack);
    EXPECT_EQ(GetPixel(monoDc.dc(), 1, 0), kWhite);
    DeleteObject(mono);
}

TEST(GdiBlit, RasterOperationsCombinePatternSourceAndDestination) {
    struct Case {
        const char* name;
        DWORD rop;
        COLORREF expected;  // destination grey, source red, brush blue
    };
    const Case cases[] = {
        {"SRCCOPY", SRCCOPY, kRed},
        {"SRCPAINT", SRCPAINT, Rgb(255, 128, 128)},
        {"SRCAND", SRCAND, Rgb(128, 0, 0)},
        {"SRCINVERT", SRCINVERT, Rgb(127, 128, 128)},
        {"NOTSRCCOPY", NOTSRCCOPY, Rgb(0, 255, 255)},
        {"DSTINVERT", DSTINVERT, Rgb(127, 127, 127)},
        {"PATCOPY", PATCOPY, kBlue},
        {"BLACKNESS", BLACKNESS, kBlack},
        {"WHITENESS", WHITENESS, kWhite},
    };
    HBITMAP red = MakeBitmap(1, 1, {kRed});
    Holder source(red);
    for (const Case& c : cases) {
        Canvas canvas(1, 1, kGrey);
        HBRUSH blue = CreateSolidBrush(kBlue);
        HGDIOBJ previous = SelectObject(canvas.dc(), blue);
        ASSERT_TRUE(BitBlt(canvas.dc(), 0, 0, 1, 1, source.dc(), 0, 0, c.rop)) << c.name;
        EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), c.expected) << c.name;
        SelectObject(canvas.dc(), previous);
        DeleteObject(blue);
    }
    DeleteObject(red);
}

TEST(GdiPixels, FillFrameAndPixelsStayInsideTheTarget) {
    Canvas canvas(5, 4, kWhite);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT frame{0, 0, 5, 4};
    ASSERT_TRUE(FrameRect(canvas.dc(), &frame, red));
    const RECT inner{-3, 2, 4, 99};  // clipped to the bitmap; right and bottom excluded
    ASSERT_TRUE(FillRect(canvas.dc(), &inner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(canvas.Row(0, 5), "RRRRR");
    EXPECT_EQ(canvas.Row(1, 5), "RWWWR");
    EXPECT_EQ(canvas.Row(2, 5), "KKKKR");
    EXPECT_EQ(canvas.Row(3, 5), "KKKKR");
    EXPECT_EQ(GetPixel(canvas.dc(), 5, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, -1), CLR_INVALID);
    EXPECT_EQ(SetPixel(canvas.dc(), 9, 9, kRed), CLR_INVALID);
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 1, Rgb(1, 2, 3)), Rgb(1, 2, 3));
    DeleteObject(red);
}

TEST(GdiPixels, SystemColourPseudoBrushPaintsTheSystemColour) {
    Canvas canvas(2, 2, kBlack);
    const RECT all{0, 0, 2, 2};
    HBRUSH windowColour = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    ASSERT_TRUE(FillRect(canvas.dc(), &all, windowColour));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 1), GetSysColor(COLOR_BTNFACE));
}

TEST(GdiBitmaps, BitsRoundTripInEveryDepth) {
    struct Case {
        const char* name;
        UINT bitsPixel;
        int width;
        LONG widthBytes;
        std::vector<BYTE> bits;  // one row, padded to 2 bytes
        COLORREF firstPixel;
    };
    const Case cases[] = {
        {"1 bpp", 1, 10, 2, {0x80, 0x40}, kWhite},
        {"16 bpp 5-5-5", 16, 1, 2, {0x00, 0x7C}, kRed},
        {"24 bpp", 24, 3, 10, {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0}, kBlue},
        {"32 bpp", 32, 2, 8, {0, 0xFF, 0, 0, 1, 2, 3, 0}, kGreen},
    };
    for (const Case& c : cases) {
        HBITMAP bitmap = CreateBitmap(c.width, 1, 1, c.bitsPixel, c.bits.data());
        ASSERT_NE(bitmap, nullptr) << c.name;
        BITMAP info{};
        ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info)) << c.name;
        EXPECT_EQ(info.bmWidth, c.width) << c.name;
        EXPECT_EQ(info.bmHeight, 1) << c.name;
        EXPECT_EQ(info.bmWidthBytes, c.widthBytes) << c.name;
        EXPECT_EQ(info.bmBitsPixel, c.bitsPixel) << c.name;
        EXPECT_EQ(info.bmPlanes, 1) << c.name;
        std::vector<BYTE> back(c.bits.size() + 4, 0xEE);
        EXPECT_EQ(GetBitmapBits(bitmap, static_cast<LONG>(back.size()), back.data()), static_cast<LONG>(c.bits.size()))
            << c.name;
        back.resize(c.bits.size());
        EXPECT_EQ(back, c.bits) << c.name;
        Holder holder(bitmap);
        EXPECT_EQ(GetPixel(holder.dc(), 0, 0), c.firstPixel) << c.name;
        DeleteObject(bitmap);
    }
}

TEST(GdiBitmaps, SetBitmapBitsAndDimensionAreKept) {
    HBITMAP bitmap = CreateBitmap(2, 1, 1, 24, nullptr);
    const BYTE bits[] = {0, 0, 0xFF, 0xFF, 0, 0};  // red, blue
    EXPECT_EQ(SetBitmapBits(bitmap, sizeof bits, bits), static_cast<LONG>(sizeof bits));
    {
        Holder holder(bitmap);
        EXPECT_EQ(GetPixel(holder.dc(), 0, 0), kRed);
        EXPECT_EQ(GetPixel(holder.dc(), 1, 0), kBlue);
    }
    SIZE previous{-1, -1}, dimension{};
    ASSERT_TRUE(SetBitmapDimensionEx(bitmap, 40, 30, &previous));
    EXPECT_EQ(previous.cx, 0);
    EXPECT_EQ(previous.cy, 0);
    ASSERT_TRUE(GetBitmapDimensionEx(bitmap, &dimension));
    EXPECT_EQ(dimension.cx, 40);
    EXPECT_EQ(dimension.cy, 30);
    DeleteObject(bitmap);
}

TEST(GdiObjects, MemoryDcStartsWithOneMonochromePixel) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP colour = CreateBitmap(2, 2, 1, 32, nullptr);
    HGDIOBJ initial = SelectObject(dc, colour);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(initial, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));

    // Compatible bitmaps take the format of the bitmap in the DC.
    HBITMAP likeColour = CreateCompatibleBitmap(dc, 3, 3);
    SelectObject(dc, initial);
    HBITMAP likeMono = CreateCompatibleBitmap(dc, 3, 3);
    GetObjectA(likeColour, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    GetObjectA(likeMono, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(colour), static_cast<HGDIOBJ>(likeColour), static_cast<HGDIOBJ>(likeMono)}) {
        EXPECT_TRUE(DeleteObject(object));
    }
    DeleteDC(dc);
}

TEST(GdiObjects, DeletingASelectedObjectWaitsUntilItIsDeselected) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = MakeBitmap(1, 1, {kRed});
    HGDIOBJ initial = SelectObject(dc, bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    BITMAP info{};
    EXPECT_NE(GetObjectA(bitmap, sizeof info, &info), 0) << "still selected, so still alive";
    EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
    EXPECT_EQ(SelectObject(dc, initial), bitmap);
    EXPECT_EQ(GetObjectA(bitmap, sizeof info, &info), 0) << "freed when deselected";

    // A deleted DC lets go of its objects too.
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    SelectObject(dc, font);
    DeleteObject(font);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    DeleteDC(dc);
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH))) << "stock objects ignore deletion";
    EXPECT_EQ(GetObjectType(GetStockObject(WHITE_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
}

TEST(GdiObjects, ABitmapLivesInOneDcAtATime) {
    HBITMAP bitmap = MakeBitmap(1, 1, {kRed});
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HGDIOBJ initial = SelectObject(first, bitmap);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    SelectObject(first, initial);
    EXPECT_NE(SelectObject(second, bitmap), nullptr);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(SelectObject(screen, bitmap), nullptr) << "bitmaps go into memory DCs only";
    ReleaseDC(nullptr, screen);
    DeleteDC(first);
    DeleteDC(second);
    DeleteObject(bitmap);
}

TEST(GdiObjects, SaveDcAndRestoreDcPutSelectionsAndColoursBack) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    const int level = SaveDC(dc);
    ASSERT_EQ(level, 1);
    SelectObject(dc, font);
    SetTextColor(dc, kRed);
    SaveDC(dc);
    SetTextColor(dc, kBlue);
    ASSERT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetTextColor(dc), kRed);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    ASSERT_TRUE(RestoreDC(dc, level));
    EXPECT_EQ(GetTextColor(dc), kBlack);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_FALSE(RestoreDC(dc, 1)) << "nothing saved any more";
    DeleteDC(dc);
    DeleteObject(font);
}

// ---- Fonts and text -------------------------------------------------------------------

TEST(GdiFonts, LogicalFontComesBackByteForByte) {
    LOGFONTA font{};
    font.lfHeight = 13;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    // The Japanese "MS P Gothic" face in code page 932.
    const char face[] = "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";
    std::memcpy(font.lfFaceName, face, sizeof face);
    HFONT handle = CreateFontIndirectA(&font);
    ASSERT_NE(handle, nullptr);
    LOGFONTA back{};
    EXPECT_EQ(GetObjectA(handle, 0, nullptr), static_cast<int>(sizeof(LOGFONTA)));
    ASSERT_EQ(GetObjectA(handle, sizeof back, &back), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_EQ(std::memcmp(&back, &font, sizeof font), 0);
    EXPECT_STREQ(back.lfFaceName, face);
    DeleteObject(handle);

    HFONT made = CreateFontA(-11, 0, 0, 0, FW_HEAVY, TRUE, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    ASSERT_EQ(GetObjectA(made, sizeof back, &back), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_EQ(back.lfHeight, -11);
    EXPECT_EQ(back.lfWeight, FW_HEAVY);
    EXPECT_EQ(back.lfItalic, TRUE);
    EXPECT_STREQ(back.lfFaceName, "MS Sans Serif");
    DeleteObject(made);
}

TEST(GdiFonts, MetricModel) {
    struct Case {
        const char* name;
        LONG height;
        LONG width;
        BYTE pitch;
        LONG expectedHeight;
        LONG expectedAverage;
    };
    const Case cases[] = {
        {"8 point as character height", -11, 0, VARIABLE_PITCH, 13, 6},
        {"8 point as cell height", 13, 0, VARIABLE_PITCH, 13, 6},
        {"12 point", -16, 0, VARIABLE_PITCH, 19, 9},
        {"small cell", 8, 0, VARIABLE_PITCH, 8, 4},
        {"given width", 13, 10, VARIABLE_PITCH, 13, 10},
        {"fixed pitch", 15, 0, FIXED_PITCH, 15, 8},
        {"default height", 0, 0, DEFAULT_PITCH, 16, 7},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const Case& c : cases) {
        HFONT font = CreateFontA(c.height, c.width, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, c.pitch, "Face");
        HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICA tm{};
        ASSERT_TRUE(GetTextMetricsA(dc, &tm)) << c.name;
        EXPECT_EQ(tm.tmHeight, c.expectedHeight) << c.name;
        EXPECT_EQ(tm.tmAveCharWidth, c.expectedAverage) << c.name;
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight) << c.name;
        EXPECT_EQ((tm.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0, c.pitch == FIXED_PITCH)
            << c.name << ": the bit is set for variable pitch";
        SelectObject(dc, previous);
        DeleteObject(font);
    }
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    DeleteDC(dc);
}

TEST(GdiFonts, StockFonts) {
    struct Case {
        const char* name;
        int stock;
        const char* face;
        LONG height;
        LONG average;
    };
    const Case cases[] = {
        {"SYSTEM_FONT", SYSTEM_FONT, "System", 16, 7},
        {"DEFAULT_GUI_FONT", DEFAULT_GUI_FONT, "MS Shell Dlg", 13, 6},
        {"ANSI_VAR_FONT", ANSI_VAR_FONT, "MS Sans Serif", 13, 6},
        {"SYSTEM_FIXED_FONT", SYSTEM_FIXED_FONT, "Fixedsys", 15, 8},
    };
    HDC dc = GetDC(nullptr);
    for (const Case& c : cases) {
        HGDIOBJ font = GetStockObject(c.stock);
        LOGFONTA logFont{};
        ASSERT_EQ(GetObjectA(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont)) << c.name;
        EXPECT_STREQ(logFont.lfFaceName, c.face) << c.name;
        HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        EXPECT_EQ(tm.tmHeight, c.height) << c.name;
        EXPECT_EQ(tm.tmAveCharWidth, c.average) << c.name;
        SelectObject(dc, previous);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT)) << "a new DC uses the system font";
    ReleaseDC(nullptr, dc);
}

TEST(GdiText, MeasuringWithTheAverageWidth) {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));  // 6 x 13
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32A(dc, "Hello", 5, &size));
    EXPECT_EQ(size.cx, 30);
    EXPECT_EQ(size.cy, 13);

    struct Case {
        const char* name;
        const char* text;
        UINT format;
        LONG width;  // of the rectangle given; the result's width and height follow
        LONG expectedWidth;
        LONG expectedHeight;
    };
    const Case cases[] = {
        {"single line", "Hello", DT_SINGLELINE, 200, 30, 13},
        {"mnemonic prefix is not measured", "&File", DT_SINGLELINE, 200, 24, 13},
        {"doubled ampersand is one", "A&&B", DT_SINGLELINE, 200, 18, 13},
        {"no prefix", "&File", DT_SINGLELINE | DT_NOPREFIX, 200, 30, 13},
        {"lines", "ab\r\ncde\nf", 0, 200, 18, 39},
        {"word break", "aaa bbb ccc", DT_WORDBREAK, 42, 42, 26},
        {"word wider than the rectangle", "abcdefghij", DT_WORDBREAK, 30, 60, 13},
        {"tabs expand to 8 characters", "a\tb", DT_SINGLELINE | DT_EXPANDTABS, 200, 54, 13},
        {"empty", "", DT_SINGLELINE, 200, 0, 0},
    };
    for (const Case& c : cases) {
        RECT rect{10, 20, 10 + c.width, 500};
        const int height = DrawTextA(dc, c.text, -1, &rect, c.format | DT_CALCRECT);
        EXPECT_EQ(height, c.expectedHeight) << c.name;
        EXPECT_EQ(rect.left, 10) << c.name;
        EXPECT_EQ(rect.top, 20) << c.name;
        EXPECT_EQ(rect.right - rect.left, c.expectedWidth) << c.name;
        EXPECT_EQ(rect.bottom - rect.top, c.expectedHeight) << c.name;
    }
    DeleteDC(dc);
}

TEST(GdiText, TextIsDrawnInItsCellsWithTheDcColours) {
    Canvas canvas(40, 20, kWhite);
    SelectObject(canvas.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(canvas.dc(), kRed);
    SetBkColor(canvas.dc(), kBlue);
    RECT rect{0, 0, 40, 20};
    // Centred: 2 characters of 6 in 40 pixels start at 14; vertically (20 - 13) / 2 = 3.
    const int bottom = DrawTextA(canvas.dc(), "ab", -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_EQ(bottom, 3 + 13);
    EXPECT_EQ(GetPixel(canvas.dc(), 13, 8), kWhite) << "left of the text";
    EXPECT_EQ(GetPixel(canvas.dc(), 17, 8), kRed) << "inside the glyph box of 'a'";
    EXPECT_EQ(GetPixel(canvas.dc(), 14, 8), kBlue) << "cell background, opaque mode";

    SetBkMode(canvas.dc(), TRANSPARENT);
    ASSERT_TRUE(TextOutA(canvas.dc(), 0, 0, " x", 2));
    EXPECT_EQ(GetPixel(canvas.dc(), 2, 5), kWhite) << "a blank cell stays as it was";
    EXPECT_EQ(GetPixel(canvas.dc(), 8, 5), kRed);
}

// ---- Window surfaces ----------------------------------------------------------------------

class GdiWindow : public ::testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "GdiTestWindow";
        RegisterClassA(&wc);
        m_window = CreateWindowExA(0, "GdiTestWindow", "surface", WS_POPUP, 10, 10, 30, 20, nullptr, nullptr,
                                   nullptr, nullptr);
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override { win32::ResetWindowSystem(); }

    HWND m_window = nullptr;
};

TEST_F(GdiWindow, PixelsDrawnOnTheWindowCanBeReadBack) {
    HDC dc = GetDC(m_window);
    ASSERT_NE(dc, nullptr);
    const RECT all{0, 0, 30, 20};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT corner{25, 15, 30, 20};
    HBRUSH red = CreateSolidBrush(kRed);
    FillRect(dc, &corner, red);
    DeleteObject(red);
    EXPECT_EQ(ReleaseDC(m_window, dc), 1);

    // Another DC of the same window sees the same surface.
    dc = GetDC(m_window);
    EXPECT_EQ(GetPixel(dc, 29, 19), kRed);
    EXPECT_EQ(GetPixel(dc, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(dc, 30, 0), CLR_INVALID) << "the surface is the client size";
    ReleaseDC(m_window, dc);

    WIN32_SURFACE surface{};
    ASSERT_TRUE(Win32GetWindowSurface(m_window, &surface));
    EXPECT_EQ(surface.width, 30);
    EXPECT_EQ(surface.height, 20);
    EXPECT_EQ(surface.stride, 30 * 4);
    const BYTE* pixel = surface.pixels + 19 * surface.stride + 29 * 4;
    EXPECT_EQ(pixel[0], 0);    // blue
    EXPECT_EQ(pixel[1], 0);    // green
    EXPECT_EQ(pixel[2], 255);  // red
}

TEST_F(GdiWindow, SurfaceFollowsTheClientSizeAndGoesWithTheWindow) {
    HDC dc = GetDC(m_window);
    SetPixel(dc, 1, 1, kGreen);
    ReleaseDC(m_window, dc);
    ASSERT_TRUE(MoveWindow(m_window, 10, 10, 50, 40, FALSE));
    dc = GetDC(m_window);
    EXPECT_NE(GetPixel(dc, 49, 39), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 1, 1), kGreen) << "what the old and new sizes share is kept";
    ReleaseDC(m_window, dc);

    DestroyWindow(m_window);
    WIN32_SURFACE surface{};
    EXPECT_FALSE(Win32GetWindowSurface(m_window, &surface));
    EXPECT_EQ(GetDC(m_window), nullptr);
}

}  // namespace
