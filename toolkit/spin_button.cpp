// The toolkit's spin button window: its state, its window procedure, the
// clicks on its arrows and its painting.
#include "spin_button.h"

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <utility>

namespace {

// The window's extra bytes hold the pointer to its state.
constexpr int kStateOffset = 0;

// Each half is drawn as a button with the classic two-pixel raised edge.
constexpr int kEdgeWidth = 2;
// A pushed arrow moves this many pixels right and down, as a pushed button's glyph does.
constexpr int kPushedGlyphShift = 1;

enum class Arrow { None, Up, Down };

struct SpinButtonState {
    HWND m_hwndAssociate = nullptr;  // gets WM_VSCROLL after each click
    int m_nSpan = 0;                 // positions run from 0 to the span
    int m_nPos = 0;
    Arrow m_pressed = Arrow::None;   // the arrow the mouse button is held on, drawn pushed in
};

SpinButtonState* StateOf(HWND hwnd) {
    return reinterpret_cast<SpinButtonState*>(::GetWindowLongPtrA(hwnd, kStateOffset));
}

void Redraw(HWND hwnd) { ::InvalidateRect(hwnd, nullptr, TRUE); }

// ---- Range and position ----

// Positions are ints; a span beyond int's range is cut to it, and a negative
// one counts as 0.
LRESULT SetSpan(SpinButtonState& state, LPARAM lParam) {
    state.m_nSpan = static_cast<int>(std::clamp<LONG_PTR>(lParam, 0, INT_MAX));
    state.m_nPos = std::min(state.m_nPos, state.m_nSpan);
    return 0;
}

// wParam carries the position as a signed number (an int converted to WPARAM).
LRESULT SetPosition(SpinButtonState& state, WPARAM wParam) {
    const int nPrevious = state.m_nPos;
    state.m_nPos = static_cast<int>(std::clamp<LONG_PTR>(static_cast<LONG_PTR>(wParam), 0, state.m_nSpan));
    return nPrevious;
}

LRESULT SetAssociate(SpinButtonState& state, WPARAM wParam) {
    HWND hwndPrevious = state.m_hwndAssociate;
    state.m_hwndAssociate = reinterpret_cast<HWND>(wParam);
    return reinterpret_cast<LRESULT>(hwndPrevious);
}

// ---- Clicks ----

// The associate may destroy this window while it handles the step, so
// nothing of the state is used after the message is sent.
void Step(HWND hwnd, SpinButtonState& state, Arrow arrow) {
    WORD wCode = SB_LINEUP;
    if (arrow == Arrow::Up) {
        if (state.m_nPos > 0) --state.m_nPos;
    } else {
        wCode = SB_LINEDOWN;
        if (state.m_nPos < state.m_nSpan) ++state.m_nPos;
    }
    if (HWND hwndAssociate = state.m_hwndAssociate)
        ::SendMessageA(hwndAssociate, WM_VSCROLL, MAKEWPARAM(wCode, 0), reinterpret_cast<LPARAM>(hwnd));
}

RECT ClientRect(HWND hwnd) {
    RECT client{};
    ::GetClientRect(hwnd, &client);
    return client;
}

// The row that starts the lower half; with an odd height the middle row is the lower arrow's.
LONG MiddleRow(const RECT& client) { return (client.top + client.bottom) / 2; }

Arrow ArrowAt(HWND hwnd, LPARAM lParam) {
    const RECT client = ClientRect(hwnd);
    const POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    if (!::PtInRect(&client, point)) return Arrow::None;
    return point.y < MiddleRow(client) ? Arrow::Up : Arrow::Down;
}

LRESULT OnLButtonDown(HWND hwnd, SpinButtonState& state, LPARAM lParam) {
    const Arrow arrow = ArrowAt(hwnd, lParam);
    if (arrow == Arrow::None) return 0;
    state.m_pressed = arrow;
    ::SetCapture(hwnd);
    Redraw(hwnd);
    Step(hwnd, state, arrow);
    return 0;
}

void EndPress(HWND hwnd, SpinButtonState& state) {
    state.m_pressed = Arrow::None;
    Redraw(hwnd);
}

LRESULT OnLButtonUp(HWND hwnd, SpinButtonState& state) {
    if (state.m_pressed == Arrow::None) return 0;
    EndPress(hwnd, state);
    if (::GetCapture() == hwnd) ::ReleaseCapture();
    return 0;
}

// ---- Painting ----

void FillWith(HDC hdc, LONG left, LONG top, LONG right, LONG bottom, int nColor) {
    const RECT rect{left, top, right, bottom};
    ::FillRect(hdc, &rect, ::GetSysColorBrush(nColor));
}

// The face of one arrow button: raised (light and highlight on the top and
// left, dark shadow and shadow on the bottom and right), or while pushed a
// flat face inside one line of shadow.
void PaintButtonFace(HDC hdc, const RECT& r, bool bPushed) {
    FillWith(hdc, r.left, r.top, r.right, r.bottom, COLOR_BTNFACE);
    if (bPushed) {
        FillWith(hdc, r.left, r.top, r.right, r.top + 1, COLOR_BTNSHADOW);
        FillWith(hdc, r.left, r.top, r.left + 1, r.bottom, COLOR_BTNSHADOW);
        FillWith(hdc, r.left, r.bottom - 1, r.right, r.bottom, COLOR_BTNSHADOW);
        FillWith(hdc, r.right - 1, r.top, r.right, r.bottom, COLOR_BTNSHADOW);
        return;
    }
    FillWith(hdc, r.left, r.top, r.right - 1, r.top + 1, COLOR_3DLIGHT);
    FillWith(hdc, r.left, r.top, r.left + 1, r.bottom - 1, COLOR_3DLIGHT);
    FillWith(hdc, r.left, r.bottom - 1, r.right, r.bottom, COLOR_3DDKSHADOW);
    FillWith(hdc, r.right - 1, r.top, r.right, r.bottom, COLOR_3DDKSHADOW);
    FillWith(hdc, r.left + 1, r.top + 1, r.right - 2, r.top + 2, COLOR_BTNHIGHLIGHT);
    FillWith(hdc, r.left + 1, r.top + 1, r.left + 2, r.bottom - 2, COLOR_BTNHIGHLIGHT);
    FillWith(hdc, r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1, COLOR_BTNSHADOW);
    FillWith(hdc, r.right - 2, r.top + 1, r.right - 1, r.bottom - 1, COLOR_BTNSHADOW);
}

// A solid triangle, its point up or down, centred on (nCentreX, nTop .. nTop + nHeight).
void PaintTriangle(HDC hdc, Arrow arrow, LONG nCentreX, LONG nTop, int nHeight, int nColor) {
    for (int nRow = 0; nRow < nHeight; ++nRow) {
        const int nHalfWidth = arrow == Arrow::Up ? nRow : nHeight - 1 - nRow;
        FillWith(hdc, nCentreX - nHalfWidth, nTop + nRow, nCentreX + nHalfWidth + 1, nTop + nRow + 1, nColor);
    }
}

// The arrow glyph, as large as fits the face inside its edge; a disabled
// button's glyph is grey with a highlight below and right of it (etched).
void PaintArrowGlyph(HDC hdc, const RECT& r, Arrow arrow, bool bPushed, bool bEnabled) {
    const LONG nInnerWidth = r.right - r.left - 2 * kEdgeWidth;
    const LONG nInnerHeight = r.bottom - r.top - 2 * kEdgeWidth;
    if (nInnerWidth <= 0 || nInnerHeight <= 0) return;
    // The base is 2 * height - 1 pixels wide; keep it within half the face's width.
    const int nHeight = std::max(1, static_cast<int>(std::min(nInnerWidth / 2, nInnerHeight)) / 2);
    const LONG nShift = bPushed ? kPushedGlyphShift : 0;
    const LONG nCentreX = r.left + kEdgeWidth + (nInnerWidth - 1) / 2 + nShift;
    const LONG nTop = r.top + kEdgeWidth + (nInnerHeight - nHeight) / 2 + nShift;
    if (bEnabled) {
        PaintTriangle(hdc, arrow, nCentreX, nTop, nHeight, COLOR_BTNTEXT);
        return;
    }
    PaintTriangle(hdc, arrow, nCentreX + 1, nTop + 1, nHeight, COLOR_BTNHIGHLIGHT);
    PaintTriangle(hdc, arrow, nCentreX, nTop, nHeight, COLOR_GRAYTEXT);
}

LRESULT OnPaint(HWND hwnd, const SpinButtonState& state) {
    PAINTSTRUCT ps{};
    HDC hdc = ::BeginPaint(hwnd, &ps);
    if (!hdc) return 0;
    const RECT client = ClientRect(hwnd);
    const LONG nMiddle = MiddleRow(client);
    const RECT upper{client.left, client.top, client.right, nMiddle};
    const RECT lower{client.left, nMiddle, client.right, client.bottom};
    const bool bEnabled = ::IsWindowEnabled(hwnd) != FALSE;
    for (const auto& [arrow, rect] : {std::pair{Arrow::Up, upper}, std::pair{Arrow::Down, lower}}) {
        const bool bPushed = state.m_pressed == arrow;
        PaintButtonFace(hdc, rect, bPushed);
        PaintArrowGlyph(hdc, rect, arrow, bPushed, bEnabled);
    }
    ::EndPaint(hwnd, &ps);
    return 0;
}

// ---- Creation and destruction ----

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    ::SetWindowLongPtrA(hwnd, kStateOffset, reinterpret_cast<LONG_PTR>(new SpinButtonState));
    return ::DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

void OnNcDestroy(HWND hwnd, SpinButtonState* pState) {
    ::SetWindowLongPtrA(hwnd, kStateOffset, 0);
    delete pState;
}

LRESULT CALLBACK SpinButtonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return OnNcCreate(hwnd, wParam, lParam);
    SpinButtonState* pState = StateOf(hwnd);
    if (!pState) return ::DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_NCDESTROY:
        OnNcDestroy(hwnd, pState);
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    case SPM_SETASSOCIATE:
        return SetAssociate(*pState, wParam);
    case SPM_SETRANGE:
        return SetSpan(*pState, lParam);
    case SPM_SETPOS:
        return SetPosition(*pState, wParam);
    case SPM_GETPOS:
        return pState->m_nPos;
    case WM_LBUTTONDOWN:
        return OnLButtonDown(hwnd, *pState, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(hwnd, *pState);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd && pState->m_pressed != Arrow::None) EndPress(hwnd, *pState);
        return 0;
    case WM_ENABLE:
        Redraw(hwnd);
        return 0;
    case WM_PAINT:
        return OnPaint(hwnd, *pState);
    default:
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

BOOL RegisterSpinButtonClass() {
    WNDCLASSA wc{};
    if (::GetClassInfoA(nullptr, SPIN_BUTTON_CLASS, &wc)) return TRUE;
    // Without CS_DBLCLKS a quick second click is one more WM_LBUTTONDOWN, so every click steps.
    wc.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = SpinButtonWindowProc;
    wc.cbWndExtra = sizeof(SpinButtonState*);
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = SPIN_BUTTON_CLASS;
    return ::RegisterClassA(&wc) != 0;
}
