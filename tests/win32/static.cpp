// The "Static" class: dialog code, click notifications, images, painting.
#include "controls_fixture.h"

namespace {

using controls_test::Command;
using controls_test::ControlsTest;

constexpr int kStaticId = 400;

class StaticTest : public ControlsTest {};

TEST_F(StaticTest, ReportsClicksOnlyWithNotifyStyle)
{
    HWND plain = Create("static", "plain", SS_LEFT, kStaticId, RECT{10, 10, 110, 30});
    HWND notifying = Create("static", "notify", SS_LEFT | SS_NOTIFY, kStaticId + 1, RECT{10, 50, 110, 70});
    Take();

    Click(plain);
    EXPECT_TRUE(Take().empty()) << "a static without SS_NOTIFY says nothing";

    Click(notifying);
    EXPECT_EQ(Take(), (std::vector{Command(kStaticId + 1, STN_CLICKED, notifying)}));

    EXPECT_EQ(SendMessageA(plain, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

TEST_F(StaticTest, SetImageReturnsThePreviousImageOfThatType)
{
    HWND picture = Create("Static", "", SS_BITMAP, kStaticId);
    HBITMAP first = CreateBitmap(4, 4, 1, 32, nullptr);
    HBITMAP second = CreateBitmap(2, 2, 1, 32, nullptr);
    EXPECT_EQ(SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(first)), 0);
    EXPECT_EQ(SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(second)),
              reinterpret_cast<LRESULT>(first));
    EXPECT_EQ(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(second));
    EXPECT_EQ(SendMessageA(picture, STM_GETIMAGE, IMAGE_ICON, 0), 0);
    DestroyWindow(picture);
    DeleteObject(first);
    DeleteObject(second);
}

TEST_F(StaticTest, PaintFillsWithTheBrushTheParentAnswers)
{
    constexpr COLORREF kPageColour = 0x00336699;
    HBRUSH brush = CreateSolidBrush(kPageColour);
    m_ctlColorBrush = brush;
    HWND label = Create("Static", "label", SS_LEFT, kStaticId, RECT{10, 10, 60, 30});
    InvalidateRect(label, nullptr, TRUE);
    UpdateWindow(label);

    HDC dc = GetDC(label);
    EXPECT_EQ(GetPixel(dc, 0, 0), kPageColour);
    EXPECT_EQ(GetPixel(dc, 49, 19), kPageColour);
    ReleaseDC(label, dc);
    m_ctlColorBrush = nullptr;
    DestroyWindow(label);
    DeleteObject(brush);
}

}  // namespace
