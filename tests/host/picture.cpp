// Pictures of windows, checked by their pixels where it matters: the state a
// control shows, what is left out, what is greyed, and what GDI drew. First
// through the renderer on a dialog of the test's own, then through tovik.
#include "picture.h"

#include <cairo.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <win32_dialog_template.h>
#include <win32_driver.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <string>

#include "temp_dir.h"
#include "tovik_process.h"

namespace {

namespace headless = win32::headless;

// A channel at or below this is dark: black text and check marks, not the grey of disabled ones.
constexpr int kDarkChannel = 64;
// The grey of disabled text and shadows, give or take the smoothing of the text's edges.
constexpr int kGrey = 128;
constexpr int kGreyTolerance = 40;

// The classic check box's square; a radio button's circle fits in it.
constexpr int kMarkSize = 13;

constexpr COLORREF kSwatchColour = RGB(255, 0, 0);
constexpr COLORREF kDrawnInFrameColour = RGB(0, 0, 255);
constexpr char kSwatchClass[] = "PictureTestSwatch";

enum : WORD {
    IDC_CHECKED_BOX = 101,
    IDC_CLEARED_BOX,
    IDC_CHECKED_RADIO,
    IDC_CLEARED_RADIO,
    IDC_HIDDEN_BUTTON,
    IDC_ENABLED_CAPTION,
    IDC_DISABLED_CAPTION,
    IDC_MNEMONIC_CAPTION,
    IDC_PLAIN_CAPTION,
    IDC_SWATCH,
    IDC_DRAWN_FRAME,
    IDC_NAME_EDIT,
    IDC_KIND_COMBO,
    IDC_ITEM_LIST,
    IDC_COUNT_SPIN,
    IDC_GROUP,
};

constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

// Every kind of control the renderer draws, and two it only shows the surface of.
const win32::DialogTemplate kTestDialog{
    {.caption = "Pictures",
     .style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE,
     .cx = 240,
     .cy = 230,
     .fontName = "MS Sans Serif",
     .pointSize = 8},
    {
        {"Button", "&Checked", IDC_CHECKED_BOX, 10, 10, 60, 10, kCheckBox},
        {"Button", "C&leared", IDC_CLEARED_BOX, 80, 10, 60, 10, kCheckBox},
        {"Button", "&On", IDC_CHECKED_RADIO, 10, 25, 60, 10, kRadio | WS_GROUP},
        {"Button", "O&ff", IDC_CLEARED_RADIO, 80, 25, 60, 10, kRadio},
        {"Button", "Hidden", IDC_HIDDEN_BUTTON, 150, 10, 50, 14, BS_PUSHBUTTON, 0, true},
        {"Static", "Enabled caption", IDC_ENABLED_CAPTION, 10, 40, 80, 8, SS_LEFT},
        {"Static", "Disabled caption", IDC_DISABLED_CAPTION, 100, 40, 80, 8, SS_LEFT | WS_DISABLED},
        {"Static", "&W", IDC_MNEMONIC_CAPTION, 10, 52, 20, 8, SS_LEFT},
        {"Static", "W", IDC_PLAIN_CAPTION, 40, 52, 20, 8, SS_LEFT},
        {kSwatchClass, "", IDC_SWATCH, 150, 30, 30, 20, 0},
        {"Static", "", IDC_DRAWN_FRAME, 190, 30, 30, 20, SS_BLACKFRAME},
        {"Edit", "text", IDC_NAME_EDIT, 10, 65, 80, 12, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {"ComboBox", "", IDC_KIND_COMBO, 100, 65, 80, 60, CBS_DROPDOWNLIST | WS_TABSTOP},
        {"ListBox", "", IDC_ITEM_LIST, 10, 85, 80, 40, WS_BORDER | WS_VSCROLL | LBS_NOTIFY},
        {UPDOWN_CLASSA, "", IDC_COUNT_SPIN, 100, 85, 11, 14, UDS_ARROWKEYS},
        {"Button", "Group", IDC_GROUP, 120, 85, 100, 40, BS_GROUPBOX},
        {"Button", "OK", IDOK, 10, 145, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    }};

// A child dialog, the page of a property sheet.
const win32::DialogTemplate kTestPage{
    {.caption = "", .style = WS_CHILD | WS_VISIBLE, .cx = 200, .cy = 80, .fontName = "MS Sans Serif", .pointSize = 8},
    {{"Static", "On the page", win32::kStaticControlId, 10, 10, 80, 8, SS_LEFT}}};

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A class the renderer does not know: it paints itself red with GDI.
LRESULT CALLBACK SwatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return ::DefWindowProcA(hWnd, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC hDC = ::BeginPaint(hWnd, &paint);
    RECT client{};
    ::GetClientRect(hWnd, &client);
    HBRUSH hBrush = ::CreateSolidBrush(kSwatchColour);
    ::FillRect(hDC, &client, hBrush);
    ::DeleteObject(hBrush);
    ::EndPaint(hWnd, &paint);
    return 0;
}

struct Rgb {
    int r, g, b;
};

// A PNG file read back with cairo.
class CPicture {
public:
    explicit CPicture(const std::string& file)
        : m_surface(cairo_image_surface_create_from_png(file.c_str()), cairo_surface_destroy) {}

    bool Loaded() const { return cairo_surface_status(m_surface.get()) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(m_surface.get()); }
    int Height() const { return cairo_image_surface_get_height(m_surface.get()); }

    Rgb At(int x, int y) const {
        const unsigned char* pRow = cairo_image_surface_get_data(m_surface.get()) +
                                    static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(m_surface.get());
        // RGB24: one native 32-bit word a pixel, red in bits 16..23.
        const uint32_t pixel = reinterpret_cast<const uint32_t*>(pRow)[x];
        constexpr int kRedShift = 16;
        constexpr int kGreenShift = 8;
        constexpr uint32_t kChannel = 0xFF;
        return Rgb{static_cast<int>((pixel >> kRedShift) & kChannel),
                   static_cast<int>((pixel >> kGreenShift) & kChannel), static_cast<int>(pixel & kChannel)};
    }

    int Count(const RECT& rect, const std::function<bool(Rgb)>& test) const {
        int nCount = 0;
        for (LONG y = rect.top; y < rect.bottom; ++y) {
            for (LONG x = rect.left; x < rect.right; ++x) nCount += test(At(x, y)) ? 1 : 0;
        }
        return nCount;
    }

private:
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> m_surface;
};

bool IsDark(Rgb c) { return c.r <= kDarkChannel && c.g <= kDarkChannel && c.b <= kDarkChannel; }
bool IsGrey(Rgb c) {
    return std::abs(c.r - kGrey) <= kGreyTolerance && std::abs(c.g - kGrey) <= kGreyTolerance &&
           std::abs(c.b - kGrey) <= kGreyTolerance;
}
std::function<bool(Rgb)> Is(COLORREF colour) {
    return [colour](Rgb c) { return c.r == GetRValue(colour) && c.g == GetGValue(colour) && c.b == GetBValue(colour); };
}
std::function<bool(Rgb)> IsNot(COLORREF colour) {
    return [colour](Rgb c) { return !Is(colour)(c); };
}

int Area(const RECT& rect) { return (rect.right - rect.left) * (rect.bottom - rect.top); }

class PictureTest : public testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        WNDCLASSA swatch{};
        swatch.lpfnWndProc = SwatchProc;
        swatch.lpszClassName = kSwatchClass;
        ASSERT_NE(::RegisterClassA(&swatch), 0);
        m_hDialog = ::CreateDialogIndirectParamA(nullptr, kTestDialog.Get(), nullptr, QuietDialogProc, 0);
        ASSERT_NE(m_hDialog, nullptr);
        ::CheckDlgButton(m_hDialog, IDC_CHECKED_BOX, BST_CHECKED);
        ::CheckDlgButton(m_hDialog, IDC_CHECKED_RADIO, BST_CHECKED);
        for (const char* item : {"alpha", "beta", "gamma"}) {
            ::SendDlgItemMessageA(m_hDialog, IDC_KIND_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            ::SendDlgItemMessageA(m_hDialog, IDC_ITEM_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        ::SendDlgItemMessageA(m_hDialog, IDC_KIND_COMBO, CB_SETCURSEL, 1, 0);
        ::SendDlgItemMessageA(m_hDialog, IDC_ITEM_LIST, LB_SETCURSEL, 0, 0);
        headless::PumpMessages(m_hDialog);
    }
    void TearDown() override { win32::ResetWindowSystem(); }

    CPicture Render(HWND hWnd = nullptr) {
        std::string error;
        const std::string file = m_dir / "picture.png";
        EXPECT_TRUE(RenderWindowToPng(hWnd ? hWnd : m_hDialog, file, error)) << error;
        CPicture picture(file);
        EXPECT_TRUE(picture.Loaded());
        return picture;
    }
    // Where control nID lies in the picture of the dialog.
    RECT RectOf(int nID) const { return RectIn(::GetDlgItem(m_hDialog, nID), m_hDialog); }
    static RECT RectIn(HWND hWnd, HWND hWndFrame) {
        RECT rect{};
        ::GetWindowRect(hWnd, &rect);
        ::MapWindowPoints(nullptr, hWndFrame, reinterpret_cast<LPPOINT>(&rect), 2);
        return rect;
    }
    // The square or circle of a check box or radio button: at its left, centred in its height.
    RECT MarkOf(int nID) const {
        const RECT rect = RectOf(nID);
        const LONG nTop = rect.top + (rect.bottom - rect.top - kMarkSize) / 2;
        return RECT{rect.left, nTop, rect.left + kMarkSize, nTop + kMarkSize};
    }

    testing_support::TempDir m_dir;
    HWND m_hDialog = nullptr;
};

TEST_F(PictureTest, HasTheWindowsSizeAndOnlyButtonFaceOutsideTheControls) {
    const CPicture picture = Render();
    RECT window{};
    ::GetWindowRect(m_hDialog, &window);
    EXPECT_EQ(picture.Width(), window.right - window.left);
    EXPECT_EQ(picture.Height(), window.bottom - window.top);
    // Between the dialog's frame and its first control there is only the face colour.
    const RECT first = RectOf(IDC_CHECKED_BOX);
    constexpr int kFrame = 2;
    EXPECT_EQ(picture.Count(RECT{kFrame, kFrame, first.left, first.top}, IsNot(::GetSysColor(COLOR_BTNFACE))), 0);
}

TEST_F(PictureTest, ABoxShowsItsCheckStateAsAUserLeftIt) {
    struct Row {
        const char* name;
        int nSet;
        int nCleared;
    };
    for (const Row& row :
         {Row{"check box", IDC_CHECKED_BOX, IDC_CLEARED_BOX}, Row{"radio", IDC_CHECKED_RADIO, IDC_CLEARED_RADIO}}) {
        const CPicture before = Render();
        const int nSetDark = before.Count(MarkOf(row.nSet), IsDark);
        const int nClearedDark = before.Count(MarkOf(row.nCleared), IsDark);
        EXPECT_GT(nSetDark, nClearedDark) << row.name;

        // A click moves the mark: the cleared one now looks as the set one did.
        headless::Click(::GetDlgItem(m_hDialog, row.nCleared));
        headless::PumpMessages(m_hDialog);
        const CPicture after = Render();
        EXPECT_EQ(after.Count(MarkOf(row.nCleared), IsDark), nSetDark) << row.name;
        if (row.nSet == IDC_CHECKED_RADIO) {
            EXPECT_EQ(after.Count(MarkOf(row.nSet), IsDark), nClearedDark)
                << row.name << ": the group's other radio clears";
        }
    }
}

TEST_F(PictureTest, AHiddenControlLeavesNoMarkUntilItIsShown) {
    const RECT hidden = RectOf(IDC_HIDDEN_BUTTON);
    EXPECT_EQ(Render().Count(hidden, IsNot(::GetSysColor(COLOR_BTNFACE))), 0);
    ::ShowWindow(::GetDlgItem(m_hDialog, IDC_HIDDEN_BUTTON), SW_SHOW);
    EXPECT_GT(Render().Count(hidden, IsDark), 0) << "a shown push button has its dark edge and caption";
}

TEST_F(PictureTest, ADisabledCaptionIsGreyUntilEnabled) {
    const CPicture picture = Render();
    EXPECT_GT(picture.Count(RectOf(IDC_ENABLED_CAPTION), IsDark), 0);
    EXPECT_EQ(picture.Count(RectOf(IDC_DISABLED_CAPTION), IsDark), 0);
    EXPECT_GT(picture.Count(RectOf(IDC_DISABLED_CAPTION), IsGrey), 0);

    ::EnableWindow(::GetDlgItem(m_hDialog, IDC_DISABLED_CAPTION), TRUE);
    EXPECT_GT(Render().Count(RectOf(IDC_DISABLED_CAPTION), IsDark), 0);
}

TEST_F(PictureTest, AMnemonicIsUnderlinedAndItsAmpersandNotShown) {
    const CPicture picture = Render();
    const int nMnemonic = picture.Count(RectOf(IDC_MNEMONIC_CAPTION), IsDark);
    const int nPlain = picture.Count(RectOf(IDC_PLAIN_CAPTION), IsDark);
    // The same W, one line more under it, and no ampersand beside it.
    EXPECT_GT(nMnemonic, nPlain);
    EXPECT_LT(nMnemonic, 2 * nPlain);
}

TEST_F(PictureTest, UnknownWindowsAndDrawnFramesShowWhatGdiDrew) {
    // The toolkit draws a bitmap into a frame through a DC of its own.
    HWND hWndFrame = ::GetDlgItem(m_hDialog, IDC_DRAWN_FRAME);
    HDC hDC = ::GetDC(hWndFrame);
    HBRUSH hBrush = ::CreateSolidBrush(kDrawnInFrameColour);
    RECT client{};
    ::GetClientRect(hWndFrame, &client);
    ::FillRect(hDC, &client, hBrush);
    ::DeleteObject(hBrush);
    ::ReleaseDC(hWndFrame, hDC);

    const CPicture picture = Render();
    const RECT swatch = RectOf(IDC_SWATCH);
    EXPECT_EQ(picture.Count(swatch, Is(kSwatchColour)), Area(swatch));
    const RECT frame = RectOf(IDC_DRAWN_FRAME);
    const RECT inside{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
    EXPECT_EQ(picture.Count(inside, Is(kDrawnInFrameColour)), Area(inside));
    EXPECT_EQ(picture.Count(frame, Is(::GetSysColor(COLOR_WINDOWFRAME))), Area(frame) - Area(inside)) << "the frame";
}

TEST_F(PictureTest, TheActiveTabStandsRaisedAboveTheOthers) {
    // A property sheet as the framework builds one: tab buttons without a
    // Tab-key stop above the page, a child dialog; the active tab is pushed.
    HWND hWndPage = ::CreateDialogIndirectParamA(nullptr, kTestPage.Get(), m_hDialog, QuietDialogProc, 0);
    ASSERT_NE(hWndPage, nullptr);
    constexpr int kTabWidth = 60;
    constexpr int kTabHeight = 22;
    constexpr int kPageTop = 310;  // below every control of the dialog
    const RECT page = RectIn(hWndPage, m_hDialog);
    ::SetWindowPos(hWndPage, nullptr, page.left, kPageTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND tabs[2] = {};
    for (int i = 0; i < 2; ++i) {
        tabs[i] = ::CreateWindowExA(0, "Button", i == 0 ? "First" : "Second", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                    page.left + i * kTabWidth, kPageTop - kTabHeight - 4, kTabWidth, kTabHeight,
                                    m_hDialog, nullptr, nullptr, nullptr);
    }
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int nActive = 0; nActive < 2; ++nActive) {
        for (int i = 0; i < 2; ++i) ::SendMessageA(tabs[i], BM_SETSTATE, i == nActive, 0);
        const CPicture picture = Render();
        for (int i = 0; i < 2; ++i) {
            const RECT tab = RectIn(tabs[i], m_hDialog);
            const auto topLine = [&](LONG y) {
                return picture.Count(RECT{tab.left + 4, y, tab.right - 4, y + 1}, Is(highlight));
            };
            const int nInner = tab.right - tab.left - 8;
            constexpr int kRaise = 2;
            if (i == nActive) {
                EXPECT_EQ(topLine(tab.top), nInner) << "active tab " << i;
            } else {
                EXPECT_EQ(topLine(tab.top), 0) << "inactive tab " << i;
                EXPECT_EQ(topLine(tab.top + kRaise), nInner) << "inactive tab " << i;
            }
        }
    }
}

TEST_F(PictureTest, FailsWithTheReason) {
    std::string error;
    EXPECT_FALSE(RenderWindowToPng(nullptr, m_dir / "none.png", error));
    EXPECT_EQ(error, "there is no window to draw");
    const std::string unwritable = m_dir / "missing/picture.png";
    EXPECT_FALSE(RenderWindowToPng(m_hDialog, unwritable, error));
    EXPECT_EQ(error.rfind("cannot write " + unwritable + ": ", 0), 0u) << error;
}

// ---- Through tovik ----

// The line of out that starts with prefix, without its line break.
std::string LineStartingWith(const std::string& out, const std::string& prefix) {
    for (size_t nStart = 0; nStart < out.size();) {
        const size_t nEnd = std::min(out.find('\n', nStart), out.size());
        if (out.compare(nStart, prefix.size(), prefix) == 0) return out.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
    }
    return std::string();
}

bool PluginsBuilt() {
    return std::filesystem::exists(BinaryPath("libdorvane.so")) &&
           std::filesystem::exists(BinaryPath("libdorvane_earlier.so"));
}

TEST(TovikRender, WithoutAScriptDrawsTheSheetAsItOpensThenCancels) {
    if (!PluginsBuilt()) GTEST_SKIP() << "the plug-in libraries are not built";
    testing_support::TempDir dir;
    const TovikRun run = RunTovik(dir, "--render sheet.png");
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(run.strOut, "page Display\n");
    const CPicture picture(dir / "sheet.png");
    ASSERT_TRUE(picture.Loaded());
    EXPECT_GT(picture.Width(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "tovik.ini")) << "Cancel stores nothing";
}

// The Advanced Correlation dialog's template is 206 x 175 dialog units.
constexpr int kAdvancedWidth = 309;
constexpr int kAdvancedHeight = 284;

struct ModalCase {
    const char* name;
    std::string args;
    std::string script;  // opens the Advanced Correlation dialog
};

TEST(TovikRender, DrawsTheModalDialogAsTheScriptLeftIt) {
    if (!PluginsBuilt()) GTEST_SKIP() << "the plug-in libraries are not built";
    const ModalCase cases[] = {
        {"earlier edition's Advanced button", "--edition earlier", "tab Correlation\nclick 1020\n"},
        {"current edition's advanced command", "", "advanced \"\\\\r\" \"4\" 1\n"},
    };
    // The "Carriage return" box, its check state and where it lies in the dialog.
    const std::string box = "1026";
    const std::regex dumpLine(box + R"( Button .* check=(\d) .* rect=(\d+),(\d+),(\d+),(\d+))");
    for (const ModalCase& c : cases) {
        // Twice: as the dialog opens, and after a click on its "Carriage return" box.
        int nDark[2] = {};
        int nCheck[2] = {};
        for (int nRun = 0; nRun < 2; ++nRun) {
            testing_support::TempDir dir;
            const std::string script = c.script + (nRun ? "click " + box + "\n" : "") + "dump " + box + "\n";
            testing_support::WriteFile(dir / "s.tovik", script);
            const TovikRun run = RunTovik(dir, c.args + " --script s.tovik --render dialog.png");
            ASSERT_EQ(run.nStatus, 0) << c.name << ": " << run.strErr;
            const std::string line = LineStartingWith(run.strOut, box + " ");
            std::smatch match;
            ASSERT_TRUE(std::regex_match(line, match, dumpLine)) << c.name << ": " << run.strOut;
            const CPicture picture(dir / "dialog.png");
            ASSERT_TRUE(picture.Loaded()) << c.name;
            EXPECT_EQ(picture.Width(), kAdvancedWidth) << c.name;
            EXPECT_EQ(picture.Height(), kAdvancedHeight) << c.name;
            const LONG nLeft = std::stol(match[2]);
            const LONG nTop = std::stol(match[3]) + (std::stol(match[5]) - kMarkSize) / 2;
            nDark[nRun] = picture.Count(RECT{nLeft, nTop, nLeft + kMarkSize, nTop + kMarkSize}, IsDark);
            nCheck[nRun] = std::stoi(match[1]);
        }
        ASSERT_NE(nCheck[0], nCheck[1]) << c.name;
        EXPECT_EQ(nDark[0] > nDark[1], nCheck[0] > nCheck[1]) << c.name << ": the checked box has the mark";
    }
}

}  // namespace
