// The "Button" class: push buttons, check boxes, radio buttons, three-state
// boxes and group boxes.
//
// A click is a mouse press and release inside the button, a Space key press
// and release, or BM_CLICK; each sends the parent exactly one BN_CLICKED,
// after an automatic type has changed its own check state.
#include "controls_internal.h"

namespace win32::controls {

namespace {

constexpr char kButtonClassName[] = "Button";

struct ButtonState {
    UINT m_nCheck = BST_UNCHECKED;  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    bool m_bPushed = false;         // drawn pressed (BST_PUSHED)
    bool m_bFocused = false;        // has the keyboard focus (BST_FOCUS)
    bool m_bMouseTracking = false;  // the left button went down on us and is not yet up
    bool m_bSpaceTracking = false;  // Space went down on us and is not yet up
    bool m_bClickFromCode = false;  // BM_CLICK's release counts as inside whatever our size
    HFONT m_hFont = nullptr;
    HANDLE m_hImage = nullptr;  // BM_SETIMAGE
};

UINT ButtonType(HWND hwnd)
{
    return static_cast<UINT>(GetWindowLongPtrA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

// The highest check state a type can hold: push buttons and group boxes hold
// none, three-state boxes hold the indeterminate state too.
UINT MaxCheckState(UINT type)
{
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE:
        return BST_INDETERMINATE;
    default:
        return BST_UNCHECKED;
    }
}

bool HasGroupStyle(HWND hwnd)
{
    return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_GROUP) != 0;
}

// The first sibling of hwnd's group: the nearest sibling at or before hwnd with
// WS_GROUP, or the first sibling when none before it has WS_GROUP.
HWND FirstOfGroup(HWND hwnd)
{
    HWND first = hwnd;
    while (!HasGroupStyle(first)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr)
            break;
        first = previous;
    }
    return first;
}

// Clears every other automatic radio button of hwnd's group. The group runs
// from its first control up to, not including, the next control with WS_GROUP.
void UncheckOtherAutoRadios(HWND hwnd)
{
    HWND sibling = FirstOfGroup(hwnd);
    bool first = true;
    for (; sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT), first = false) {
        if (!first && HasGroupStyle(sibling))
            break;
        if (sibling == hwnd || !HasClassName(sibling, kButtonClassName))
            continue;
        if (ButtonType(sibling) == BS_AUTORADIOBUTTON &&
            SendMessageA(sibling, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
            SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void Redraw(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT SetCheck(HWND hwnd, ButtonState &state, WPARAM requested)
{
    const UINT type = ButtonType(hwnd);
    const UINT maxState = MaxCheckState(type);
    UINT check = requested == BST_UNCHECKED ? BST_UNCHECKED : BST_CHECKED;
    if (maxState == BST_INDETERMINATE && requested >= BST_INDETERMINATE)
        check = BST_INDETERMINATE;
    if (check > maxState)
        return 0;
    if (state.m_nCheck != check) {
        state.m_nCheck = check;
        Redraw(hwnd);
    }
    if (type == BS_AUTORADIOBUTTON && check == BST_CHECKED)
        UncheckOtherAutoRadios(hwnd);
    return 0;
}

LRESULT GetState(const ButtonState &state)
{
    UINT result = state.m_nCheck;
    if (state.m_bPushed)
        result |= BST_PUSHED;
    if (state.m_bFocused)
        result |= BST_FOCUS;
    return static_cast<LRESULT>(result);
}

LRESULT SetPushed(HWND hwnd, ButtonState &state, bool pushed)
{
    if (state.m_bPushed != pushed) {
        state.m_bPushed = pushed;
        Redraw(hwnd);
    }
    return 0;
}

// BM_SETSTYLE: only the type bits change; the check state is kept.
LRESULT SetButtonStyle(HWND hwnd, WPARAM style, LPARAM redraw)
{
    const LONG_PTR current = GetWindowLongPtrA(hwnd, GWL_STYLE);
    const LONG_PTR changed = (current & ~static_cast<LONG_PTR>(BS_TYPEMASK)) |
                             (static_cast<LONG_PTR>(style) & BS_TYPEMASK);
    if (changed != current)
        SetWindowLongPtrA(hwnd, GWL_STYLE, changed);
    if (redraw)
        Redraw(hwnd);
    return 0;
}

// The effect of a completed click: automatic types move their own check state
// (through BM_SETCHECK, so a subclass sees it), then the parent hears of it.
void Click(HWND hwnd, const ButtonState &state)
{
    switch (ButtonType(hwnd)) {
    case BS_AUTOCHECKBOX:
        SendMessageA(hwnd, BM_SETCHECK, state.m_nCheck == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case BS_AUTORADIOBUTTON:
        SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessageA(hwnd, BM_SETCHECK, (state.m_nCheck + 1) % (BST_INDETERMINATE + 1), 0);
        break;
    default:
        break;
    }
    NotifyParent(hwnd, BN_CLICKED);
}

// A double click reaches radio buttons, user and owner-drawn buttons and
// BS_NOTIFY buttons as BN_DOUBLECLICKED; every other button takes it as a
// second press.
bool NotifiesDoubleClick(HWND hwnd)
{
    const UINT type = ButtonType(hwnd);
    return type == BS_RADIOBUTTON || type == BS_USERBUTTON || type == BS_OWNERDRAW ||
           (GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_NOTIFY) != 0;
}

LRESULT OnLButtonDown(HWND hwnd, ButtonState &state)
{
    SetFocus(hwnd);
    SetCapture(hwnd);
    state.m_bMouseTracking = true;
    SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
    return 0;
}

bool IsInside(HWND hwnd, LPARAM lParam)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    return PtInRect(&client, PointFromLParam(lParam)) != FALSE;
}

LRESULT OnMouseMove(HWND hwnd, ButtonState &state, LPARAM lParam)
{
    if (state.m_bMouseTracking)
        SendMessageA(hwnd, BM_SETSTATE, IsInside(hwnd, lParam), 0);
    return 0;
}

LRESULT OnLButtonUp(HWND hwnd, ButtonState &state, LPARAM lParam)
{
    if (!state.m_bMouseTracking)
        return 0;
    state.m_bMouseTracking = false;
    const bool inside = state.m_bClickFromCode || IsInside(hwnd, lParam);
    state.m_bClickFromCode = false;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
    if (inside)
        Click(hwnd, state);
    return 0;
}

LRESULT OnLButtonDblClk(HWND hwnd, ButtonState &state)
{
    if (NotifiesDoubleClick(hwnd)) {
        NotifyParent(hwnd, BN_DOUBLECLICKED);
        return 0;
    }
    return OnLButtonDown(hwnd, state);
}

// BM_CLICK plays a press and a release, as Win32 does, so a subclass sees the
// mouse messages; the release counts as inside even for an empty button.
LRESULT OnClickMessage(HWND hwnd, ButtonState &state)
{
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    state.m_bClickFromCode = true;
    SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
    state.m_bClickFromCode = false;
    return 0;
}

LRESULT OnKeyDown(HWND hwnd, ButtonState &state, WPARAM key, LPARAM keyData)
{
    if (key != VK_SPACE)
        return DefWindowProcA(hwnd, WM_KEYDOWN, key, keyData);
    if (IsKeyRepeat(keyData))
        return 0;
    state.m_bSpaceTracking = true;
    SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
    return 0;
}

LRESULT OnKeyUp(HWND hwnd, ButtonState &state, WPARAM key)
{
    if (key != VK_SPACE || !state.m_bSpaceTracking)
        return 0;
    state.m_bSpaceTracking = false;
    const bool pushed = state.m_bPushed;
    SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
    if (pushed)
        Click(hwnd, state);
    return 0;
}

// Losing the focus or the capture in the middle of a press cancels the click.
void CancelTracking(HWND hwnd, ButtonState &state)
{
    if (!state.m_bMouseTracking && !state.m_bSpaceTracking)
        return;
    state.m_bMouseTracking = false;
    state.m_bSpaceTracking = false;
    SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
}

LRESULT OnSetFocus(HWND hwnd, ButtonState &state)
{
    state.m_bFocused = true;
    Redraw(hwnd);
    if (GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_NOTIFY)
        NotifyParent(hwnd, BN_SETFOCUS);
    return 0;
}

LRESULT OnKillFocus(HWND hwnd, ButtonState &state)
{
    state.m_bFocused = false;
    CancelTracking(hwnd, state);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    Redraw(hwnd);
    if (GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_NOTIFY)
        NotifyParent(hwnd, BN_KILLFOCUS);
    return 0;
}

LRESULT GetDialogCode(HWND hwnd)
{
    switch (ButtonType(hwnd)) {
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

// Group boxes are frames: the mouse passes through them to what lies beneath.
LRESULT OnHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (ButtonType(hwnd) == BS_GROUPBOX)
        return HTTRANSPARENT;
    return DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam);
}

LRESULT OnSetFont(HWND hwnd, ButtonState &state, WPARAM font, LPARAM redraw)
{
    state.m_hFont = reinterpret_cast<HFONT>(font);
    if (redraw)
        Redraw(hwnd);
    return 0;
}

LRESULT SetImage(HWND hwnd, ButtonState &state, LPARAM image)
{
    HANDLE previous = state.m_hImage;
    state.m_hImage = reinterpret_cast<HANDLE>(image);
    Redraw(hwnd);
    return reinterpret_cast<LRESULT>(previous);
}

void OnPaint(HWND hwnd)
{
    const UINT type = ButtonType(hwnd);
    const bool pushLike = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX;
    PaintControlBackground(hwnd, pushLike ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC, COLOR_BTNFACE);
}

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    SetControlState(hwnd, new ButtonState);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

void OnNcDestroy(HWND hwnd, ButtonState *state)
{
    SetControlState<ButtonState>(hwnd, nullptr);
    delete state;
}

LRESULT CALLBACK ButtonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    auto *state = GetControlState<ButtonState>(hwnd);
    if (state == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_NCDESTROY:
        OnNcDestroy(hwnd, state);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case BM_GETCHECK:
        return static_cast<LRESULT>(state->m_nCheck);
    case BM_SETCHECK:
        return SetCheck(hwnd, *state, wParam);
    case BM_GETSTATE:
        return GetState(*state);
    case BM_SETSTATE:
        return SetPushed(hwnd, *state, wParam != 0);
    case BM_SETSTYLE:
        return SetButtonStyle(hwnd, wParam, lParam);
    case BM_CLICK:
        return OnClickMessage(hwnd, *state);
    case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(state->m_hImage);
    case BM_SETIMAGE:
        return SetImage(hwnd, *state, lParam);
    case WM_LBUTTONDOWN:
        return OnLButtonDown(hwnd, *state);
    case WM_LBUTTONDBLCLK:
        return OnLButtonDblClk(hwnd, *state);
    case WM_MOUSEMOVE:
        return OnMouseMove(hwnd, *state, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(hwnd, *state, lParam);
    case WM_CAPTURECHANGED:
        if (state->m_bMouseTracking && reinterpret_cast<HWND>(lParam) != hwnd) {
            state->m_bMouseTracking = false;
            SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
        }
        return 0;
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, *state, wParam, lParam);
    case WM_KEYUP:
        return OnKeyUp(hwnd, *state, wParam);
    case WM_SETFOCUS:
        return OnSetFocus(hwnd, *state);
    case WM_KILLFOCUS:
        return OnKillFocus(hwnd, *state);
    case WM_GETDLGCODE:
        return GetDialogCode(hwnd);
    case WM_NCHITTEST:
        return OnHitTest(hwnd, wParam, lParam);
    case WM_SETFONT:
        return OnSetFont(hwnd, *state, wParam, lParam);
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->m_hFont);
    case WM_SETTEXT:
    case WM_ENABLE: {
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

void RegisterButtonClass()
{
    RegisterControlClass(kButtonClassName, ButtonWindowProc, CS_DBLCLKS | CS_PARENTDC);
}

}  // namespace win32::controls
