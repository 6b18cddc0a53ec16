// The "Static" class: text, frames, rectangles, etched lines and images.
//
// The text is the window's own title (kept by DefWindowProc). Mnemonics are
// the dialog manager's business. A static without SS_NOTIFY is transparent to
// the mouse, as Win32 makes it; with SS_NOTIFY it reports clicks.
#include "controls_internal.h"

namespace win32::controls {

namespace {

constexpr char kStaticClassName[] = "Static";

struct StaticState {
    HFONT m_hFont = nullptr;
    HANDLE m_hImage = nullptr;        // STM_SETIMAGE / STM_SETICON, or loaded at creation
    WPARAM m_nImageType = IMAGE_BITMAP;
};

UINT StaticType(HWND hwnd)
{
    return static_cast<UINT>(GetWindowLongPtrA(hwnd, GWL_STYLE)) & SS_TYPEMASK;
}

bool Notifies(HWND hwnd)
{
    return (GetWindowLongPtrA(hwnd, GWL_STYLE) & SS_NOTIFY) != 0;
}

void Redraw(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT SetImage(HWND hwnd, StaticState &state, WPARAM type, LPARAM image)
{
    if (type != IMAGE_BITMAP && type != IMAGE_ICON && type != IMAGE_CURSOR && type != IMAGE_ENHMETAFILE)
        return 0;
    HANDLE previous = state.m_nImageType == type ? state.m_hImage : nullptr;
    state.m_hImage = reinterpret_cast<HANDLE>(image);
    state.m_nImageType = type;
    Redraw(hwnd);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT GetImage(const StaticState &state, WPARAM type)
{
    return state.m_nImageType == type ? reinterpret_cast<LRESULT>(state.m_hImage) : 0;
}

LRESULT OnHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (!Notifies(hwnd))
        return HTTRANSPARENT;
    return DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam);
}

LRESULT OnMouseButton(HWND hwnd, WORD code)
{
    if (Notifies(hwnd))
        NotifyParent(hwnd, code);
    return 0;
}

LRESULT OnEnable(HWND hwnd, WPARAM enabled)
{
    Redraw(hwnd);
    if (Notifies(hwnd))
        NotifyParent(hwnd, enabled ? STN_ENABLE : STN_DISABLE);
    return 0;
}

LRESULT OnSetFont(HWND hwnd, StaticState &state, WPARAM font, LPARAM redraw)
{
    state.m_hFont = reinterpret_cast<HFONT>(font);
    if (redraw)
        Redraw(hwnd);
    return 0;
}

// An image static names its picture by the window text: a bitmap of the
// creating module. The name may be an ordinal, which must not reach the
// default procedure as if it were text.
LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    auto *state = new StaticState;
    SetControlState(hwnd, state);
    const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    if (create == nullptr)
        return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
    const bool isBitmap = (static_cast<UINT>(create->style) & SS_TYPEMASK) == SS_BITMAP;
    const char *name = create->lpszName;
    const bool namesPicture = IsIntResource(name) ? name != nullptr : *name != '\0';
    if (isBitmap && namesPicture)
        state->m_hImage = LoadBitmapA(create->hInstance, name);
    if (!IsIntResource(name))
        return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);

    CREATESTRUCTA withoutName = *create;
    withoutName.lpszName = nullptr;
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, reinterpret_cast<LPARAM>(&withoutName));
}

void OnNcDestroy(HWND hwnd, StaticState *state)
{
    SetControlState<StaticState>(hwnd, nullptr);
    delete state;
}

void OnPaint(HWND hwnd)
{
    const UINT type = StaticType(hwnd);
    const int colour = type == SS_BLACKRECT ? COLOR_WINDOWFRAME
                       : type == SS_GRAYRECT ? COLOR_BTNSHADOW
                       : type == SS_WHITERECT ? COLOR_WINDOW
                                              : COLOR_BTNFACE;
    PaintControlBackground(hwnd, WM_CTLCOLORSTATIC, colour);
}

LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    auto *state = GetControlState<StaticState>(hwnd);
    if (state == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_NCDESTROY:
        OnNcDestroy(hwnd, state);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case STM_SETIMAGE:
        return SetImage(hwnd, *state, wParam, lParam);
    case STM_GETIMAGE:
        return GetImage(*state, wParam);
    case STM_SETICON:
        return SetImage(hwnd, *state, IMAGE_ICON, static_cast<LPARAM>(wParam));
    case STM_GETICON:
        return GetImage(*state, IMAGE_ICON);
    case WM_NCHITTEST:
        return OnHitTest(hwnd, wParam, lParam);
    case WM_LBUTTONDOWN:
        return OnMouseButton(hwnd, STN_CLICKED);
    case WM_LBUTTONDBLCLK:
        return OnMouseButton(hwnd, STN_DBLCLK);
    case WM_ENABLE:
        return OnEnable(hwnd, wParam);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_SETFONT:
        return OnSetFont(hwnd, *state, wParam, lParam);
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->m_hFont);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        Redraw(hwnd);
        return result;
    }
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void RegisterStaticClass()
{
    RegisterControlClass(kStaticClassName, StaticWindowProc, CS_DBLCLKS | CS_PARENTDC);
}

}  // namespace win32::controls
