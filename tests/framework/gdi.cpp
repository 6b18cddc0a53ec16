// Drawing objects: ownership of their handles, and permanent against
// temporary objects for a handle.
#include "framework_fixture.h"

namespace {

constexpr int kBitmapSide = 4;
constexpr int kBitsPerPixel = 32;

using GdiTest = FrameworkTest;

TEST_F(GdiTest, ABitmapObjectDeletesItsBitmap) {
    HBITMAP hBitmap = nullptr;
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmap(kBitmapSide, kBitmapSide, 1, kBitsPerPixel, nullptr));
        hBitmap = bitmap;
        bitmap.SetBitmapDimension(20, 10);
        EXPECT_EQ(bitmap.GetBitmapDimension(), CSize(20, 10)) << "the recorded dimension, not the pixel size";
        BITMAP info{};
        ASSERT_TRUE(bitmap.GetBitmap(&info));
        EXPECT_EQ(info.bmWidth, kBitmapSide);
        EXPECT_EQ(CBitmap::FromHandle(hBitmap), &bitmap) << "the owning object is found by its handle";
    }
    BITMAP info{};
    EXPECT_EQ(::GetObjectA(hBitmap, sizeof info, &info), 0) << "the bitmap went with its object";
}

TEST_F(GdiTest, ForeignHandlesGetTemporaryObjectsThatDoNotOwnThem) {
    LOGFONTA logFont{};
    logFont.lfHeight = 13;
    HFONT hFont = ::CreateFontIndirectA(&logFont);
    CFont* pTemporary = CFont::FromHandle(hFont);
    ASSERT_NE(pTemporary, nullptr);
    EXPECT_EQ(CFont::FromHandle(hFont), pTemporary);
    LOGFONTA readBack{};
    ASSERT_TRUE(pTemporary->GetLogFont(&readBack));
    EXPECT_EQ(readBack.lfHeight, 13);

    m_app.OnIdle(0);
    EXPECT_EQ(::GetObjectA(hFont, sizeof readBack, &readBack), static_cast<int>(sizeof readBack))
        << "the clean-up deleted the object, not the font";
    ::DeleteObject(hFont);
}

TEST_F(GdiTest, AWindowReportsTheFontObjectItWasGiven) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "font", WS_OVERLAPPED, CRect(0, 0, 50, 50), nullptr, 0));
    CFont font;
    LOGFONTA logFont{};
    logFont.lfHeight = 8;
    ASSERT_TRUE(font.CreateFontIndirect(&logFont));
    window.SetFont(&font, FALSE);
    EXPECT_EQ(window.GetFont(), &font);
}

}  // namespace
