// The picture renderer: the window tree, read through Win32 calls, drawn
// window by window onto a cairo image surface the size of the window, then
// written as PNG.
//
// Each window is drawn in its own rectangle, clipped to it and to its
// parent's, before its children. The children go from the top of the z-order
// down, in the order the dialog manager created them, as the platform paints
// overlapping siblings that do not clip each other: a label over a rule hides
// the rule behind its text. A few classes draw again after their children: a
// dialog its frame, a combo box the edge and the button round its edit.
#include "picture.h"

#include <cairo.h>
#include <commctrl.h>
#include <fontconfig/fontconfig.h>
#include <win32_driver_gdi.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string_view>
#include <strings.h>
#include <vector>

#include "classic_look.h"

namespace {

constexpr int kClassNameSize = 256;

constexpr char kDialogClass[] = "#32770";
constexpr char kButtonClass[] = "Button";
constexpr char kEditClass[] = "Edit";
constexpr char kStaticClass[] = "Static";
constexpr char kComboBoxClass[] = "ComboBox";
constexpr char kComboListClass[] = "ComboLBox";
constexpr char kListBoxClass[] = "ListBox";
// The toolkit's spin button: a vertical pair of arrows like an up-down control.
constexpr char kToolkitSpinButtonClass[] = "ToolkitSpinButton";

// Pixels between a check box's square and its text.
constexpr int kCheckTextGap = 4;
// A group box's caption starts this far in, with this much frame left out either side of it.
constexpr int kGroupCaptionIndent = 8;
constexpr int kGroupCaptionGap = 2;
// The focus rectangle lies this far inside a push button, and this far round a check box's text.
constexpr int kButtonFocusInset = 4;
constexpr int kCheckFocusOutset = 1;
// A pushed button's text moves down and right by this much.
constexpr int kPushedTextShift = 1;
// The gap between an edit's or list item's edge and its text.
constexpr int kTextMargin = 2;
constexpr char kDefaultPasswordChar = '*';
// A selected tab stands this much higher and wider than the others, and an
// unselected one has its corners cut by one pixel.
constexpr int kSelectedTabGrowth = 2;
constexpr int kTabCorner = 1;

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using ContextPtr = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

bool SameClass(const std::string& className, const char* expected) {
    return ::strcasecmp(className.c_str(), expected) == 0;
}

std::string ClassOf(HWND hWnd) {
    char name[kClassNameSize] = {};
    ::GetClassNameA(hWnd, name, kClassNameSize);
    return name;
}

std::string TextOf(HWND hWnd) {
    const int nLength = ::GetWindowTextLengthA(hWnd);
    std::string text(static_cast<size_t>(std::max(nLength, 0)) + 1, '\0');
    const int nCopied = ::GetWindowTextA(hWnd, text.data(), nLength + 1);
    text.resize(static_cast<size_t>(std::max(nCopied, 0)));
    return text;
}

DWORD StyleOf(HWND hWnd) { return static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE)); }
DWORD ExStyleOf(HWND hWnd) { return static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_EXSTYLE)); }

SIZE SizeOf(HWND hWnd) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// hWnd's rectangle in the client pixels of hWndFrame.
RECT RectIn(HWND hWnd, HWND hWndFrame) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    constexpr UINT kCorners = 2;
    ::MapWindowPoints(nullptr, hWndFrame, reinterpret_cast<LPPOINT>(&rect), kCorners);
    return rect;
}

RECT Inset(RECT rect, int dx, int dy) {
    ::InflateRect(&rect, -dx, -dy);
    return rect;
}

// A property sheet's tab row: the push buttons without a Tab-key stop that
// stand above the page, a child dialog, and the body they sit on.
struct TabStrip {
    std::vector<HWND> tabs;
    RECT body{};  // in the parent's client pixels
};

// What is drawn of one window.
struct WindowState {
    HWND hWnd = nullptr;
    std::string strClass;
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    RECT client{};  // 0, 0, width, height
    bool bEnabled = true;
    bool bFocused = false;
    std::string strText;
};

// The selection field of a combo box: above its list when the list shows.
RECT ComboFieldOf(const WindowState& window) {
    RECT field = window.client;
    for (HWND hWndChild = ::GetWindow(window.hWnd, GW_CHILD); hWndChild;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (!SameClass(ClassOf(hWndChild), kComboListClass) || !(StyleOf(hWndChild) & WS_VISIBLE)) continue;
        field.bottom = RectIn(hWndChild, window.hWnd).top;
    }
    return field;
}

UINT ComboKind(DWORD dwStyle) {
    const UINT nKind = dwStyle & CBS_DROPDOWNLIST;
    return nKind == 0 ? CBS_SIMPLE : nKind;
}

class CWindowPainter {
public:
    CWindowPainter(cairo_t* cr, HWND hWndRoot) : m_cr(cr), m_hWndRoot(hWndRoot) {}

    void PaintTree(HWND hWnd);

private:
    using PaintStep = void (CWindowPainter::*)(const WindowState&);
    struct ClassPainter {
        const char* className;
        PaintStep pfnBeforeChildren;
        PaintStep pfnAfterChildren;  // may be null
    };
    static const ClassPainter kClassPainters[];

    cairo_t* m_cr;
    HWND m_hWndRoot;
    std::map<HFONT, classic::Font> m_fonts;

    static const ClassPainter* PainterOf(const std::string& className);
    static WindowState StateOf(HWND hWnd);
    void SelectFontOf(HWND hWnd);
    static TabStrip FindTabStrip(HWND hWndParent);

    void CompositeSurface(const WindowState& window);
    void PaintDialog(const WindowState& window);
    void PaintDialogFrame(const WindowState& window);
    void PaintButton(const WindowState& window);
    void PaintPushButton(const WindowState& window, bool bPushed, bool bDefault);
    void PaintCheckOrRadio(const WindowState& window, UINT nCheck, bool bPushed, bool bRadio);
    void PaintGroupBox(const WindowState& window);
    void PaintEdit(const WindowState& window);
    void PaintStatic(const WindowState& window);
    void PaintComboBoxField(const WindowState& window);
    void PaintComboBoxEdge(const WindowState& window);
    void PaintListBox(const WindowState& window);
    void PaintUpDown(const WindowState& window);
    void PaintTabStrip(const TabStrip& strip);
    void PaintTab(HWND hWndTab, bool bSelected);
    RECT PaintCaption(const WindowState& window, const RECT& rect, UINT uFormat);
    void PaintVerticalScrollBar(const RECT& bar, bool bEnabled);
};

const CWindowPainter::ClassPainter CWindowPainter::kClassPainters[] = {
    {kDialogClass, &CWindowPainter::PaintDialog, &CWindowPainter::PaintDialogFrame},
    {kButtonClass, &CWindowPainter::PaintButton, nullptr},
    {kEditClass, &CWindowPainter::PaintEdit, nullptr},
    {kStaticClass, &CWindowPainter::PaintStatic, nullptr},
    {kComboBoxClass, &CWindowPainter::PaintComboBoxField, &CWindowPainter::PaintComboBoxEdge},
    {kComboListClass, &CWindowPainter::PaintListBox, nullptr},
    {kListBoxClass, &CWindowPainter::PaintListBox, nullptr},
    {UPDOWN_CLASSA, &CWindowPainter::PaintUpDown, nullptr},
    {kToolkitSpinButtonClass, &CWindowPainter::PaintUpDown, nullptr},
};

const CWindowPainter::ClassPainter* CWindowPainter::PainterOf(const std::string& className) {
    for (const ClassPainter& painter : kClassPainters) {
        if (SameClass(className, painter.className)) return &painter;
    }
    return nullptr;
}

WindowState CWindowPainter::StateOf(HWND hWnd) {
    WindowState window;
    window.hWnd = hWnd;
    window.strClass = ClassOf(hWnd);
    window.dwStyle = StyleOf(hWnd);
    window.dwExStyle = ExStyleOf(hWnd);
    const SIZE size = SizeOf(hWnd);
    window.client = RECT{0, 0, size.cx, size.cy};
    window.bEnabled = (window.dwStyle & WS_DISABLED) == 0;
    window.bFocused = ::GetFocus() == hWnd;
    window.strText = TextOf(hWnd);
    return window;
}

void CWindowPainter::PaintTree(HWND hWnd) {
    const RECT rect = RectIn(hWnd, m_hWndRoot);
    cairo_save(m_cr);
    cairo_rectangle(m_cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    cairo_clip(m_cr);
    cairo_translate(m_cr, rect.left, rect.top);

    const WindowState window = StateOf(hWnd);
    const ClassPainter* painter = PainterOf(window.strClass);
    SelectFontOf(hWnd);
    if (painter) {
        (this->*painter->pfnBeforeChildren)(window);
    } else {
        CompositeSurface(window);
    }
    cairo_restore(m_cr);

    // Each child maps its rectangle from the root, so children start from the root's coordinates.
    cairo_save(m_cr);
    cairo_rectangle(m_cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    cairo_clip(m_cr);
    const TabStrip strip = FindTabStrip(hWnd);
    for (HWND hWndChild = ::GetWindow(hWnd, GW_CHILD); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (!(StyleOf(hWndChild) & WS_VISIBLE)) continue;  // hidden, with everything in it
        if (std::find(strip.tabs.begin(), strip.tabs.end(), hWndChild) != strip.tabs.end()) continue;
        PaintTree(hWndChild);
    }
    cairo_translate(m_cr, rect.left, rect.top);
    if (!strip.tabs.empty()) PaintTabStrip(strip);
    if (painter && painter->pfnAfterChildren) {
        SelectFontOf(hWnd);
        (this->*painter->pfnAfterChildren)(window);
    }
    cairo_restore(m_cr);
}

void CWindowPainter::SelectFontOf(HWND hWnd) {
    // A control without a font of its own shows its dialog's; a window with none the GUI font.
    HFONT hFont = nullptr;
    for (HWND hWndOwner = hWnd; hWndOwner && !hFont; hWndOwner = ::GetParent(hWndOwner)) {
        hFont = reinterpret_cast<HFONT>(::SendMessageA(hWndOwner, WM_GETFONT, 0, 0));
    }
    if (!hFont) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    auto found = m_fonts.find(hFont);
    if (found == m_fonts.end()) {
        LOGFONTA logFont{};
        ::GetObjectA(hFont, sizeof logFont, &logFont);
        // The screen's DC measures without giving any window a surface.
        TEXTMETRICA metrics{};
        HDC hDC = ::GetDC(nullptr);
        HGDIOBJ hPrevious = ::SelectObject(hDC, hFont);
        ::GetTextMetricsA(hDC, &metrics);
        ::SelectObject(hDC, hPrevious);
        ::ReleaseDC(nullptr, hDC);
        found = m_fonts.emplace(hFont, classic::MapFont(m_cr, logFont, metrics.tmAveCharWidth)).first;
    }
    classic::SelectFont(m_cr, found->second);
}

// ---- Windows the renderer does not know, and dialogs ----

void CWindowPainter::CompositeSurface(const WindowState& window) {
    WIN32_SURFACE surface{};
    if (!Win32GetWindowSurface(window.hWnd, &surface) || surface.width <= 0 || surface.height <= 0) return;
    // The window system keeps blue, green, red and a spare byte, cairo's RGB24 on a little-endian machine.
    SurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, surface.width, surface.height),
                     cairo_surface_destroy);
    cairo_surface_flush(image.get());
    unsigned char* pDestination = cairo_image_surface_get_data(image.get());
    const int nDestinationStride = cairo_image_surface_get_stride(image.get());
    const size_t nRowBytes = static_cast<size_t>(std::min(nDestinationStride, surface.stride));
    for (int y = 0; y < surface.height; ++y) {
        std::memcpy(pDestination + static_cast<ptrdiff_t>(y) * nDestinationStride,
                    surface.pixels + static_cast<ptrdiff_t>(y) * surface.stride, nRowBytes);
    }
    cairo_surface_mark_dirty(image.get());
    cairo_set_source_surface(m_cr, image.get(), 0, 0);
    cairo_paint(m_cr);
}

void CWindowPainter::PaintDialog(const WindowState& window) { classic::Fill(m_cr, window.client, COLOR_BTNFACE); }

// A top-level dialog has no frame outside its rectangle here, so its classic
// raised frame is drawn just inside it, over the margin round its controls.
void CWindowPainter::PaintDialogFrame(const WindowState& window) {
    constexpr DWORD kFramed = WS_CAPTION | WS_DLGFRAME | WS_BORDER | WS_THICKFRAME;
    const bool bTopLevel = (window.dwStyle & WS_CHILD) == 0;
    if (bTopLevel && ((window.dwStyle & kFramed) || (window.dwStyle & DS_MODALFRAME))) {
        classic::DrawEdge(m_cr, window.client, classic::Edge::Raised);
    }
}

// ---- Buttons ----

RECT CWindowPainter::PaintCaption(const WindowState& window, const RECT& rect, UINT uFormat) {
    if (window.bEnabled) return classic::DrawText(m_cr, window.strText, rect, uFormat, COLOR_BTNTEXT);
    return classic::DrawDisabledText(m_cr, window.strText, rect, uFormat);
}

void CWindowPainter::PaintButton(const WindowState& window) {
    const UINT nType = window.dwStyle & BS_TYPEMASK;
    const auto nState = static_cast<UINT>(::SendMessageA(window.hWnd, BM_GETSTATE, 0, 0));
    const auto nCheck = static_cast<UINT>(::SendMessageA(window.hWnd, BM_GETCHECK, 0, 0));
    const bool bPushed = (nState & BST_PUSHED) != 0;
    switch (nType) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
        const bool bRadio = nType == BS_RADIOBUTTON || nType == BS_AUTORADIOBUTTON;
        // A push-like box looks like a push button that stays in while it is checked.
        if (window.dwStyle & BS_PUSHLIKE) return PaintPushButton(window, bPushed || nCheck != BST_UNCHECKED, false);
        return PaintCheckOrRadio(window, nCheck, bPushed, bRadio);
    }
    case BS_GROUPBOX: return PaintGroupBox(window);
    case BS_OWNERDRAW:
    case BS_USERBUTTON: return CompositeSurface(window);
    default: return PaintPushButton(window, bPushed, nType == BS_DEFPUSHBUTTON);
    }
}

void CWindowPainter::PaintPushButton(const WindowState& window, bool bPushed, bool bDefault) {
    classic::Fill(m_cr, window.client, COLOR_BTNFACE);
    RECT edge = window.client;
    if (bDefault) {
        classic::Frame(m_cr, edge, COLOR_WINDOWFRAME);
        edge = Inset(edge, 1, 1);
    }
    RECT inside = classic::DrawEdge(m_cr, edge, bPushed ? classic::Edge::ButtonPushed : classic::Edge::Button);
    if (bPushed) ::OffsetRect(&inside, kPushedTextShift, kPushedTextShift);
    const UINT uFormat = (window.dwStyle & BS_MULTILINE) ? DT_CENTER | DT_VCENTER | DT_WORDBREAK
                                                         : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    PaintCaption(window, inside, uFormat);
    if (window.bFocused) classic::DrawFocusRect(m_cr, Inset(window.client, kButtonFocusInset, kButtonFocusInset));
}

void CWindowPainter::PaintCheckOrRadio(const WindowState& window, UINT nCheck, bool bPushed, bool bRadio) {
    const int nMarkSize = bRadio ? classic::RADIO_BUTTON_SIZE : classic::CHECK_BOX_SIZE;
    const bool bMarkOnRight = (window.dwStyle & BS_LEFTTEXT) != 0;
    const LONG nWidth = window.client.right;
    const POINT mark{bMarkOnRight ? nWidth - nMarkSize : 0, (window.client.bottom - nMarkSize) / 2};
    if (bRadio) {
        classic::DrawRadioButton(m_cr, mark, nCheck == BST_CHECKED, window.bEnabled, bPushed);
    } else {
        classic::DrawCheckBox(m_cr, mark, nCheck, window.bEnabled, bPushed);
    }
    const int nTextStart = nMarkSize + kCheckTextGap;
    const RECT text = bMarkOnRight ? RECT{0, 0, nWidth - nTextStart, window.client.bottom}
                                   : RECT{nTextStart, 0, nWidth, window.client.bottom};
    const UINT uFormat = DT_VCENTER | ((window.dwStyle & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
    const RECT covered = PaintCaption(window, text, uFormat);
    if (window.bFocused && !window.strText.empty()) {
        RECT focus = Inset(covered, -kCheckFocusOutset, -kCheckFocusOutset);
        ::IntersectRect(&focus, &focus, &window.client);
        classic::DrawFocusRect(m_cr, focus);
    }
}

void CWindowPainter::PaintGroupBox(const WindowState& window) {
    const int nLineHeight = classic::TextExtent(m_cr, "").cy;
    RECT frame = window.client;
    frame.top = nLineHeight / 2;
    classic::DrawEdge(m_cr, frame, classic::Edge::Etched);
    if (window.strText.empty()) return;
    const RECT caption{kGroupCaptionIndent, 0, window.client.right - kGroupCaptionIndent, nLineHeight};
    constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE;
    RECT covered = classic::DrawText(m_cr, window.strText, caption, kFormat | DT_CALCRECT, COLOR_BTNTEXT);
    covered.left -= kGroupCaptionGap;
    covered.right += kGroupCaptionGap;
    classic::Fill(m_cr, covered, COLOR_BTNFACE);
    PaintCaption(window, caption, kFormat);
}

// ---- Edits, statics, list and combo boxes, up-down controls ----

void CWindowPainter::PaintEdit(const WindowState& window) {
    RECT inside = window.client;
    if (window.dwExStyle & WS_EX_CLIENTEDGE || window.dwStyle & WS_BORDER) {
        inside = classic::DrawEdge(m_cr, inside, classic::Edge::Sunken);
    } else if (window.dwExStyle & WS_EX_STATICEDGE) {
        inside = classic::DrawEdge(m_cr, inside, classic::Edge::ThinSunken);
    } else if (SameClass(ClassOf(::GetParent(window.hWnd)), kComboBoxClass)) {
        // A combo box draws its own edge round its edit afterwards.
        inside = RECT{classic::EDGE_WIDTH, classic::EDGE_WIDTH, inside.right, inside.bottom - classic::EDGE_WIDTH};
    }
    const bool bReadOnly = (window.dwStyle & ES_READONLY) != 0;
    classic::Fill(m_cr, inside, window.bEnabled && !bReadOnly ? COLOR_WINDOW : COLOR_BTNFACE);

    std::string text = window.strText;
    if (window.dwStyle & ES_PASSWORD) {
        auto cPassword = static_cast<char>(::SendMessageA(window.hWnd, EM_GETPASSWORDCHAR, 0, 0));
        if (cPassword == '\0') cPassword = kDefaultPasswordChar;
        text.assign(text.size(), cPassword);
    }
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ::SendMessageA(window.hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    dwStart = std::min<DWORD>(dwStart, static_cast<DWORD>(text.size()));
    dwEnd = std::min<DWORD>(dwEnd, static_cast<DWORD>(text.size()));

    cairo_save(m_cr);
    cairo_rectangle(m_cr, inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top);
    cairo_clip(m_cr);
    const RECT area = Inset(inside, kTextMargin, 0);
    const bool bMultiLine = (window.dwStyle & ES_MULTILINE) != 0;
    UINT uFormat = DT_NOPREFIX | (bMultiLine ? DT_WORDBREAK | DT_TOP : DT_SINGLELINE | DT_VCENTER);
    if (window.dwStyle & ES_CENTER) uFormat |= DT_CENTER;
    if (window.dwStyle & ES_RIGHT) uFormat |= DT_RIGHT;
    const int nText = window.bEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT;
    const RECT covered = classic::DrawText(m_cr, text, area, uFormat, nText);
    // The selection and the caret show while the edit has the focus, on its first line.
    if (window.bFocused && !bMultiLine) {
        const std::string_view shown = text;
        const int nFrom = covered.left + classic::TextExtent(m_cr, shown.substr(0, dwStart)).cx;
        const int nTo = covered.left + classic::TextExtent(m_cr, shown.substr(0, dwEnd)).cx;
        const RECT line{nFrom, covered.top, nTo, covered.bottom};
        if (dwStart == dwEnd) {
            classic::Fill(m_cr, RECT{nFrom, line.top, nFrom + 1, line.bottom}, COLOR_WINDOWTEXT);
        } else {
            classic::Fill(m_cr, line, COLOR_HIGHLIGHT);
            classic::DrawText(m_cr, shown.substr(dwStart, dwEnd - dwStart), line, DT_NOPREFIX | DT_SINGLELINE,
                              COLOR_HIGHLIGHTTEXT);
        }
    }
    cairo_restore(m_cr);
}

void CWindowPainter::PaintStatic(const WindowState& window) {
    const UINT nType = window.dwStyle & SS_TYPEMASK;
    RECT inside = window.client;
    if (window.dwExStyle & WS_EX_STATICEDGE || window.dwStyle & SS_SUNKEN) {
        inside = classic::DrawEdge(m_cr, inside, classic::Edge::ThinSunken);
    } else if (window.dwExStyle & WS_EX_CLIENTEDGE) {
        inside = classic::DrawEdge(m_cr, inside, classic::Edge::Sunken);
    }
    // The colours the window system paints these statics with.
    switch (nType) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: {
        // Text erases what lies behind it with the background the window system painted.
        classic::Fill(m_cr, inside, COLOR_BTNFACE);
        CompositeSurface(window);
        UINT uFormat = nType == SS_CENTER ? DT_CENTER : nType == SS_RIGHT ? DT_RIGHT : DT_LEFT;
        uFormat |= (nType == SS_SIMPLE || nType == SS_LEFTNOWORDWRAP) ? DT_SINGLELINE : DT_WORDBREAK;
        if (window.dwStyle & SS_CENTERIMAGE) uFormat |= DT_SINGLELINE | DT_VCENTER;
        if (window.dwStyle & SS_NOPREFIX) uFormat |= DT_NOPREFIX;
        PaintCaption(window, inside, uFormat);
        return;
    }
    case SS_BLACKRECT: return classic::Fill(m_cr, inside, COLOR_WINDOWFRAME);
    case SS_GRAYRECT: return classic::Fill(m_cr, inside, COLOR_BTNSHADOW);
    case SS_WHITERECT: return classic::Fill(m_cr, inside, COLOR_WINDOW);
    default: break;
    }
    // Frames, images and owner-drawn statics: what GDI drew into them shows, under the frame.
    CompositeSurface(window);
    switch (nType) {
    case SS_BLACKFRAME: return classic::Frame(m_cr, inside, COLOR_WINDOWFRAME);
    case SS_GRAYFRAME: return classic::Frame(m_cr, inside, COLOR_BTNSHADOW);
    case SS_WHITEFRAME: return classic::Frame(m_cr, inside, COLOR_WINDOW);
    case SS_ETCHEDFRAME: classic::DrawEdge(m_cr, inside, classic::Edge::Etched); return;
    case SS_ETCHEDHORZ:
        classic::Fill(m_cr, RECT{inside.left, inside.top, inside.right, inside.top + 1}, COLOR_BTNSHADOW);
        classic::Fill(m_cr, RECT{inside.left, inside.top + 1, inside.right, inside.top + 2}, COLOR_BTNHIGHLIGHT);
        return;
    case SS_ETCHEDVERT:
        classic::Fill(m_cr, RECT{inside.left, inside.top, inside.left + 1, inside.bottom}, COLOR_BTNSHADOW);
        classic::Fill(m_cr, RECT{inside.left + 1, inside.top, inside.left + 2, inside.bottom}, COLOR_BTNHIGHLIGHT);
        return;
    default: return;
    }
}

void CWindowPainter::PaintComboBoxField(const WindowState& window) {
    const RECT field = ComboFieldOf(window);
    const RECT inside = classic::DrawEdge(m_cr, field, classic::Edge::Sunken);
    classic::Fill(m_cr, inside, window.bEnabled ? COLOR_WINDOW : COLOR_BTNFACE);
    if (ComboKind(window.dwStyle) != CBS_DROPDOWNLIST) return;  // its edit shows the text
    RECT text = inside;
    text.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    // A focused drop-down list shows its selection highlighted, with the focus rectangle round it.
    const bool bHighlighted = window.bFocused && !::SendMessageA(window.hWnd, CB_GETDROPPEDSTATE, 0, 0);
    const RECT highlight = Inset(text, 1, 1);
    if (bHighlighted) classic::Fill(m_cr, highlight, COLOR_HIGHLIGHT);
    const int nColour = !window.bEnabled ? COLOR_GRAYTEXT : bHighlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
    classic::DrawText(m_cr, window.strText, Inset(text, kTextMargin, 0), DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER,
                      nColour);
    if (bHighlighted) classic::DrawFocusRect(m_cr, highlight);
}

void CWindowPainter::PaintComboBoxEdge(const WindowState& window) {
    const RECT field = ComboFieldOf(window);
    const RECT inside = classic::DrawEdge(m_cr, field, classic::Edge::Sunken);
    if (ComboKind(window.dwStyle) == CBS_SIMPLE) return;
    const RECT button{inside.right - ::GetSystemMetrics(SM_CXVSCROLL), inside.top, inside.right, inside.bottom};
    const bool bDropped = ::SendMessageA(window.hWnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
    classic::Fill(m_cr, button, COLOR_BTNFACE);
    RECT arrow = classic::DrawEdge(m_cr, button, bDropped ? classic::Edge::ButtonPushed : classic::Edge::Button);
    if (bDropped) ::OffsetRect(&arrow, kPushedTextShift, kPushedTextShift);
    classic::DrawArrow(m_cr, arrow, classic::Arrow::Down, window.bEnabled);
}

void CWindowPainter::PaintListBox(const WindowState& window) {
    RECT inside = window.client;
    if (SameClass(window.strClass, kComboListClass)) {
        classic::Frame(m_cr, inside, COLOR_WINDOWFRAME);  // a dropped list has a plain frame
        inside = Inset(inside, 1, 1);
    } else if (window.dwExStyle & WS_EX_CLIENTEDGE || window.dwStyle & WS_BORDER) {
        inside = classic::DrawEdge(m_cr, inside, classic::Edge::Sunken);
    }
    classic::Fill(m_cr, inside, COLOR_WINDOW);
    const auto nCount = static_cast<int>(::SendMessageA(window.hWnd, LB_GETCOUNT, 0, 0));
    const auto nTop = static_cast<int>(::SendMessageA(window.hWnd, LB_GETTOPINDEX, 0, 0));
    int nItemHeight = static_cast<int>(::SendMessageA(window.hWnd, LB_GETITEMHEIGHT, 0, 0));
    if (nItemHeight <= 0) nItemHeight = classic::TextExtent(m_cr, "").cy;
    if (window.dwStyle & WS_VSCROLL) {
        const int nVisible = (inside.bottom - inside.top) / nItemHeight;
        if (nCount > nVisible || window.dwStyle & LBS_DISABLENOSCROLL) {
            const RECT bar{inside.right - ::GetSystemMetrics(SM_CXVSCROLL), inside.top, inside.right, inside.bottom};
            PaintVerticalScrollBar(bar, window.bEnabled && nCount > nVisible);
            inside.right = bar.left;
        }
    }
    cairo_save(m_cr);
    cairo_rectangle(m_cr, inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top);
    cairo_clip(m_cr);
    const auto nCaret = static_cast<int>(::SendMessageA(window.hWnd, LB_GETCARETINDEX, 0, 0));
    for (int nItem = std::max(nTop, 0), y = inside.top; nItem < nCount && y < inside.bottom;
         ++nItem, y += nItemHeight) {
        const auto nLength =
            static_cast<int>(::SendMessageA(window.hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nItem), 0));
        std::string text(static_cast<size_t>(std::max(nLength, 0)) + 1, '\0');
        ::SendMessageA(window.hWnd, LB_GETTEXT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(text.data()));
        text.resize(std::strlen(text.c_str()));
        const RECT item{inside.left, y, inside.right, y + nItemHeight};
        const bool bSelected = ::SendMessageA(window.hWnd, LB_GETSEL, static_cast<WPARAM>(nItem), 0) > 0;
        if (bSelected) classic::Fill(m_cr, item, COLOR_HIGHLIGHT);
        const int nColour = !window.bEnabled ? COLOR_GRAYTEXT : bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
        classic::DrawText(m_cr, text, Inset(item, kTextMargin, 0), DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER, nColour);
        if (window.bFocused && nItem == nCaret) classic::DrawFocusRect(m_cr, item);
    }
    cairo_restore(m_cr);
}

void CWindowPainter::PaintVerticalScrollBar(const RECT& bar, bool bEnabled) {
    const int nArrowHeight = std::min<int>(::GetSystemMetrics(SM_CYVSCROLL), (bar.bottom - bar.top) / 2);
    const RECT up{bar.left, bar.top, bar.right, bar.top + nArrowHeight};
    const RECT down{bar.left, bar.bottom - nArrowHeight, bar.right, bar.bottom};
    classic::DrawDither(m_cr, RECT{bar.left, up.bottom, bar.right, down.top}, COLOR_BTNHIGHLIGHT, COLOR_BTNFACE);
    for (const auto& [button, arrow] : {std::pair{up, classic::Arrow::Up}, std::pair{down, classic::Arrow::Down}}) {
        classic::Fill(m_cr, button, COLOR_BTNFACE);
        classic::DrawArrow(m_cr, classic::DrawEdge(m_cr, button, classic::Edge::Button), arrow, bEnabled);
    }
}

void CWindowPainter::PaintUpDown(const WindowState& window) {
    // A vertical control has its up arrow on top, a horizontal one on the right.
    const bool bHorizontal = SameClass(window.strClass, UPDOWN_CLASSA) && (window.dwStyle & UDS_HORZ);
    const LONG nWidth = window.client.right;
    const LONG nHeight = window.client.bottom;
    const RECT first = bHorizontal ? RECT{0, 0, nWidth / 2, nHeight} : RECT{0, 0, nWidth, nHeight / 2};
    const RECT second = bHorizontal ? RECT{nWidth / 2, 0, nWidth, nHeight} : RECT{0, nHeight / 2, nWidth, nHeight};
    const classic::Arrow firstArrow = bHorizontal ? classic::Arrow::Left : classic::Arrow::Up;
    const classic::Arrow secondArrow = bHorizontal ? classic::Arrow::Right : classic::Arrow::Down;
    for (const auto& [button, arrow] : {std::pair{first, firstArrow}, std::pair{second, secondArrow}}) {
        classic::Fill(m_cr, button, COLOR_BTNFACE);
        classic::DrawArrow(m_cr, classic::DrawEdge(m_cr, button, classic::Edge::Button), arrow, window.bEnabled);
    }
}

// ---- Tabs ----

TabStrip CWindowPainter::FindTabStrip(HWND hWndParent) {
    TabStrip strip;
    HWND hWndPage = nullptr;
    for (HWND hWnd = ::GetWindow(hWndParent, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        const DWORD dwStyle = StyleOf(hWnd);
        if (!hWndPage && (dwStyle & WS_VISIBLE) && (dwStyle & WS_CHILD) && SameClass(ClassOf(hWnd), kDialogClass)) {
            hWndPage = hWnd;
        }
    }
    if (!hWndPage) return strip;
    auto inParent = [hWndParent](HWND hWnd) { return RectIn(hWnd, hWndParent); };
    const RECT page = inParent(hWndPage);
    LONG nButtonRowTop = 0;
    for (HWND hWnd = ::GetWindow(hWndParent, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        const DWORD dwStyle = StyleOf(hWnd);
        if (!(dwStyle & WS_VISIBLE) || !SameClass(ClassOf(hWnd), kButtonClass)) continue;
        const UINT nType = dwStyle & BS_TYPEMASK;
        if (nType != BS_PUSHBUTTON && nType != BS_DEFPUSHBUTTON) continue;
        const RECT rect = inParent(hWnd);
        if (rect.bottom <= page.top && !(dwStyle & WS_TABSTOP)) {
            strip.tabs.push_back(hWnd);
        } else if (rect.top >= page.bottom && (nButtonRowTop == 0 || rect.top < nButtonRowTop)) {
            nButtonRowTop = rect.top;
        }
    }
    if (strip.tabs.empty()) return strip;
    // The body runs from under the tabs round the page, as far from the page as the tabs are.
    const RECT firstTab = inParent(strip.tabs.front());
    const LONG nGap = page.top - firstTab.bottom;
    RECT parent{};
    ::GetClientRect(hWndParent, &parent);
    strip.body = RECT{firstTab.left, firstTab.bottom, std::max(page.right, parent.right - firstTab.left),
                      nButtonRowTop ? nButtonRowTop - nGap : page.bottom + nGap};
    return strip;
}

void CWindowPainter::PaintTabStrip(const TabStrip& strip) {
    const RECT& body = strip.body;
    // The body's frame: light on the top and left, shadowed on the bottom and right.
    classic::Fill(m_cr, RECT{body.left, body.top, body.right - 1, body.top + 1}, COLOR_BTNHIGHLIGHT);
    classic::Fill(m_cr, RECT{body.left, body.top, body.left + 1, body.bottom - 1}, COLOR_BTNHIGHLIGHT);
    classic::Fill(m_cr, RECT{body.left, body.bottom - 1, body.right, body.bottom}, COLOR_3DDKSHADOW);
    classic::Fill(m_cr, RECT{body.right - 1, body.top, body.right, body.bottom}, COLOR_3DDKSHADOW);
    classic::Fill(m_cr, RECT{body.left + 1, body.bottom - 2, body.right - 1, body.bottom - 1}, COLOR_BTNSHADOW);
    classic::Fill(m_cr, RECT{body.right - 2, body.top + 1, body.right - 1, body.bottom - 1}, COLOR_BTNSHADOW);
    HWND hWndSelected = nullptr;
    for (HWND hWndTab : strip.tabs) {
        if (::SendMessageA(hWndTab, BM_GETSTATE, 0, 0) & BST_PUSHED) {
            hWndSelected = hWndTab;
        } else {
            PaintTab(hWndTab, false);
        }
    }
    // Last, so that it covers its neighbours' edges and the body's line under it.
    if (hWndSelected) PaintTab(hWndSelected, true);
}

void CWindowPainter::PaintTab(HWND hWndTab, bool bSelected) {
    const WindowState tab = StateOf(hWndTab);
    RECT rect = RectIn(hWndTab, ::GetParent(hWndTab));
    if (bSelected) {
        rect = RECT{rect.left - kSelectedTabGrowth, rect.top, rect.right + kSelectedTabGrowth, rect.bottom + 1};
    } else {
        rect.top += kSelectedTabGrowth;
    }
    classic::Fill(m_cr, RECT{rect.left + 1, rect.top + 1, rect.right - 2, rect.bottom}, COLOR_BTNFACE);
    // The left and top edges light, the right one shadowed, the corners cut.
    classic::Fill(m_cr, RECT{rect.left, rect.top + 1 + kTabCorner, rect.left + 1, rect.bottom}, COLOR_BTNHIGHLIGHT);
    classic::Fill(m_cr, RECT{rect.left + 1, rect.top + kTabCorner, rect.left + 2, rect.top + 1 + kTabCorner},
                  COLOR_BTNHIGHLIGHT);
    classic::Fill(m_cr, RECT{rect.left + 1 + kTabCorner, rect.top, rect.right - 2 - kTabCorner, rect.top + 1},
                  COLOR_BTNHIGHLIGHT);
    classic::Fill(m_cr, RECT{rect.right - 2, rect.top + 1, rect.right - 1, rect.bottom}, COLOR_BTNSHADOW);
    classic::Fill(m_cr, RECT{rect.right - 1, rect.top + 1 + kTabCorner, rect.right, rect.bottom}, COLOR_3DDKSHADOW);
    classic::Fill(m_cr, RECT{rect.right - 2, rect.top + kTabCorner, rect.right - 1, rect.top + 1 + kTabCorner},
                  COLOR_3DDKSHADOW);
    SelectFontOf(hWndTab);
    RECT label = rect;
    if (!bSelected) label.bottom -= 1;
    const RECT covered = PaintCaption(tab, label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (tab.bFocused) classic::DrawFocusRect(m_cr, Inset(covered, -kCheckFocusOutset, -kCheckFocusOutset));
}

// ---- PNG ----

// cairo and fontconfig keep their fonts for the life of the process. They
// are let go when it exits, after every picture, so that a leak checker sees
// only what the program itself leaks.
class CFontCaches {
public:
    static void KeepUntilExit() { static CFontCaches caches; }
    ~CFontCaches() {
        cairo_debug_reset_static_data();
        FcFini();
    }

private:
    CFontCaches() = default;
};

cairo_status_t WriteToFile(void* closure, const unsigned char* data, unsigned int length) {
    return std::fwrite(data, 1, length, static_cast<std::FILE*>(closure)) == length ? CAIRO_STATUS_SUCCESS
                                                                                    : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

bool RenderWindowToPng(HWND hWnd, const std::string& path, std::string& error) {
    if (!::IsWindow(hWnd)) {
        error = "there is no window to draw";
        return false;
    }
    CFontCaches::KeepUntilExit();
    // What is still waiting to be painted reaches the surfaces first.
    ::UpdateWindow(hWnd);
    const SIZE size = SizeOf(hWnd);
    // cairo makes no surface of no pixels: an empty window gives a picture of one.
    SurfacePtr surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1)),
        cairo_surface_destroy);
    {
        ContextPtr cr(cairo_create(surface.get()), cairo_destroy);
        classic::Fill(cr.get(), RECT{0, 0, size.cx, size.cy}, COLOR_BTNFACE);
        CWindowPainter(cr.get(), hWnd).PaintTree(hWnd);
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
            error = std::string("cannot draw: ") + cairo_status_to_string(cairo_status(cr.get()));
            return false;
        }
    }
    std::FILE* pFile = std::fopen(path.c_str(), "wb");
    if (!pFile) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface.get(), WriteToFile, pFile);
    const bool bClosed = std::fclose(pFile) == 0;
    if (status != CAIRO_STATUS_SUCCESS || !bClosed) {
        const char* reason = status != CAIRO_STATUS_SUCCESS ? cairo_status_to_string(status) : std::strerror(errno);
        error = "cannot write " + path + ": " + reason;
        return false;
    }
    return true;
}
