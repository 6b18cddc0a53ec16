// The "Edit" class, single line: text, selection and caret, typing, the
// editing keys, the mouse, and the EM_* messages the toolkit relies on.
//
// The selection is kept as an anchor and a caret: EM_GETSEL reports it
// normalised, the caret is where EM_SETSEL's second argument put it. Text
// lays out in cells of the font's average character width, from a small
// inset at the left of the client area.
#include "controls_internal.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <string>

namespace win32::controls {

namespace {

constexpr char kEditClassName[] = "Edit";

// A new edit accepts this many characters from the user.
constexpr size_t kDefaultTextLimit = 30000;
// EM_SETLIMITTEXT(0) lifts the limit to this, as Win32 does for single-line edits.
constexpr size_t kUnlimitedText = 0x7FFFFFFE;
// Pixels between the left or right edge of the client area and the text
// (the border and a one-pixel gap).
constexpr int kTextInset = 2;
constexpr int kTextTop = 1;
// EM_GETSEL packs both ends into 16-bit words; beyond that it answers -1.
constexpr size_t kLargestPackedPosition = 0xFFFF;

struct EditState {
    std::string m_strText;
    size_t m_nAnchor = 0;        // the end of the selection that stays put
    size_t m_nCaret = 0;         // the end of the selection where the caret is
    size_t m_nLimit = kDefaultTextLimit;
    size_t m_nFirstVisible = 0;  // index of the leftmost visible character
    bool m_bReadOnly = false;    // set by ES_READONLY at creation or EM_SETREADONLY only
    bool m_bModified = false;    // EM_GETMODIFY: the user changed the text
    bool m_bMouseSelecting = false;
    HFONT m_hFont = nullptr;
    std::optional<FontMetrics> m_metrics;  // measured on first use, reset by WM_SETFONT

    size_t SelStart() const { return std::min(m_nAnchor, m_nCaret); }
    size_t SelEnd() const { return std::max(m_nAnchor, m_nCaret); }
    bool HasSelection() const { return m_nAnchor != m_nCaret; }
};

LONG_PTR Style(HWND hwnd)
{
    return GetWindowLongPtrA(hwnd, GWL_STYLE);
}

const FontMetrics &Metrics(HWND hwnd, EditState &state)
{
    if (!state.m_metrics)
        state.m_metrics = MeasureFont(hwnd, state.m_hFont);
    return *state.m_metrics;
}

size_t VisibleCharacters(HWND hwnd, EditState &state)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    const int width = client.right - client.left - 2 * kTextInset;
    return static_cast<size_t>(std::max(1, width / Metrics(hwnd, state).nAveCharWidth));
}

void Redraw(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ScrollCaretIntoView(HWND hwnd, EditState &state)
{
    const size_t visible = VisibleCharacters(hwnd, state);
    size_t first = std::min(state.m_nFirstVisible, state.m_strText.size());
    if (state.m_nCaret < first)
        first = state.m_nCaret;
    else if (state.m_nCaret > first + visible)
        first = state.m_nCaret - visible;
    if (first != state.m_nFirstVisible) {
        state.m_nFirstVisible = first;
        Redraw(hwnd);
    }
}

// The character boundary nearest to a client x coordinate.
size_t CharFromX(HWND hwnd, EditState &state, int x)
{
    const int cell = Metrics(hwnd, state).nAveCharWidth;
    const int offset = std::max(0, x - kTextInset);
    const size_t index = state.m_nFirstVisible + static_cast<size_t>((offset + cell / 2) / cell);
    return std::min(index, state.m_strText.size());
}

// Keeps the window core's copy of the text in step, so that whatever reads
// the title directly sees what the edit holds.
void StoreTitle(HWND hwnd, const EditState &state)
{
    DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(state.m_strText.c_str()));
}

void NotifyTextChanged(HWND hwnd)
{
    NotifyParent(hwnd, EN_UPDATE);
    NotifyParent(hwnd, EN_CHANGE);
}

void SetSelection(HWND hwnd, EditState &state, size_t anchor, size_t caret)
{
    const size_t length = state.m_strText.size();
    anchor = std::min(anchor, length);
    caret = std::min(caret, length);
    if (anchor == state.m_nAnchor && caret == state.m_nCaret)
        return;
    state.m_nAnchor = anchor;
    state.m_nCaret = caret;
    Redraw(hwnd);
}

// Replaces the selection with text, cut to the text limit; the caret ends
// after the inserted text. Returns whether the text changed.
bool ReplaceSelection(HWND hwnd, EditState &state, std::string_view text)
{
    const size_t start = state.SelStart();
    const size_t kept = state.m_strText.size() - (state.SelEnd() - start);
    const size_t room = state.m_nLimit > kept ? state.m_nLimit - kept : 0;
    const bool truncated = text.size() > room;
    if (truncated)
        text = text.substr(0, room);
    if (text.empty() && !state.HasSelection()) {
        if (truncated)
            NotifyParent(hwnd, EN_MAXTEXT);
        return false;
    }
    state.m_strText.replace(start, state.SelEnd() - start, text);
    state.m_nAnchor = state.m_nCaret = start + text.size();
    state.m_bModified = true;
    StoreTitle(hwnd, state);
    ScrollCaretIntoView(hwnd, state);
    Redraw(hwnd);
    NotifyTextChanged(hwnd);
    if (truncated)
        NotifyParent(hwnd, EN_MAXTEXT);
    return true;
}

// Deletes the selection, or else the character on the given side of the caret.
void DeleteAtCaret(HWND hwnd, EditState &state, bool before)
{
    if (!state.HasSelection()) {
        if (before && state.m_nCaret == 0)
            return;
        if (!before && state.m_nCaret == state.m_strText.size())
            return;
        state.m_nAnchor = before ? state.m_nCaret - 1 : state.m_nCaret + 1;
    }
    ReplaceSelection(hwnd, state, {});
}

bool IsWordCharacter(char c)
{
    return !std::isspace(static_cast<unsigned char>(c));
}

size_t WordStartBefore(const std::string &text, size_t position)
{
    while (position > 0 && !IsWordCharacter(text[position - 1]))
        --position;
    while (position > 0 && IsWordCharacter(text[position - 1]))
        --position;
    return position;
}

size_t WordStartAfter(const std::string &text, size_t position)
{
    while (position < text.size() && IsWordCharacter(text[position]))
        ++position;
    while (position < text.size() && !IsWordCharacter(text[position]))
        ++position;
    return position;
}

LRESULT OnChar(HWND hwnd, EditState &state, WPARAM code)
{
    constexpr WPARAM kFirstPrintable = 0x20;
    constexpr WPARAM kDeleteCharacter = 0x7F;  // Ctrl+Backspace
    constexpr WPARAM kLastNarrowCode = 0xFF;
    constexpr LRESULT kCharHandled = 1;
    if (state.m_bReadOnly || code > kLastNarrowCode)
        return kCharHandled;
    if (code == VK_BACK) {
        DeleteAtCaret(hwnd, state, true);
        return kCharHandled;
    }
    if (code < kFirstPrintable || code == kDeleteCharacter)
        return kCharHandled;
    char c = static_cast<char>(code);
    const LONG_PTR style = Style(hwnd);
    if ((style & ES_NUMBER) && !std::isdigit(static_cast<unsigned char>(c)))
        return kCharHandled;
    if (style & ES_UPPERCASE)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    else if (style & ES_LOWERCASE)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ReplaceSelection(hwnd, state, std::string_view(&c, 1));
    return kCharHandled;
}

// Moves the caret for an arrow, Home or End key; with Shift the anchor stays.
void MoveCaret(HWND hwnd, EditState &state, size_t position, bool extend)
{
    SetSelection(hwnd, state, extend ? state.m_nAnchor : position, position);
    ScrollCaretIntoView(hwnd, state);
}

LRESULT OnKeyDown(HWND hwnd, EditState &state, WPARAM key, LPARAM keyData)
{
    const bool shift = IsKeyDown(VK_SHIFT);
    const bool control = IsKeyDown(VK_CONTROL);
    const std::string &text = state.m_strText;
    switch (key) {
    case VK_LEFT: {
        // Without Shift a selection collapses to its left end.
        size_t position = state.m_nCaret;
        if (control)
            position = WordStartBefore(text, position);
        else if (!shift && state.HasSelection())
            position = state.SelStart();
        else if (position > 0)
            --position;
        MoveCaret(hwnd, state, position, shift);
        return 0;
    }
    case VK_RIGHT: {
        size_t position = state.m_nCaret;
        if (control)
            position = WordStartAfter(text, position);
        else if (!shift && state.HasSelection())
            position = state.SelEnd();
        else if (position < text.size())
            ++position;
        MoveCaret(hwnd, state, position, shift);
        return 0;
    }
    case VK_HOME:
        MoveCaret(hwnd, state, 0, shift);
        return 0;
    case VK_END:
        MoveCaret(hwnd, state, text.size(), shift);
        return 0;
    case VK_DELETE:
        if (!state.m_bReadOnly)
            DeleteAtCaret(hwnd, state, false);
        return 0;
    default:
        return DefWindowProcA(hwnd, WM_KEYDOWN, key, keyData);
    }
}

LRESULT OnSetText(HWND hwnd, EditState &state, LPARAM lParam)
{
    const char *text = reinterpret_cast<const char *>(lParam);
    state.m_strText = text != nullptr ? text : "";
    state.m_nAnchor = state.m_nCaret = 0;
    state.m_nFirstVisible = 0;
    state.m_bModified = false;
    StoreTitle(hwnd, state);
    Redraw(hwnd);
    NotifyTextChanged(hwnd);
    return TRUE;
}

LRESULT GetSelection(const EditState &state, WPARAM startOut, LPARAM endOut)
{
    const size_t start = state.SelStart();
    const size_t end = state.SelEnd();
    if (auto *p = reinterpret_cast<DWORD *>(startOut))
        *p = static_cast<DWORD>(start);
    if (auto *p = reinterpret_cast<DWORD *>(endOut))
        *p = static_cast<DWORD>(end);
    if (end > kLargestPackedPosition)
        return -1;
    return MakeLResult(start, end);
}

// EM_SETSEL: (0, -1) selects everything, a start of -1 collapses the selection
// to the caret, and any other negative value or one past the text means the end.
LRESULT OnSetSelection(HWND hwnd, EditState &state, WPARAM wParam, LPARAM lParam)
{
    const INT start = static_cast<INT>(wParam);
    const INT end = static_cast<INT>(lParam);
    if (start == -1) {
        SetSelection(hwnd, state, state.m_nCaret, state.m_nCaret);
        return 0;
    }
    const size_t length = state.m_strText.size();
    const auto clamp = [length](INT value) { return value < 0 ? length : std::min<size_t>(value, length); };
    SetSelection(hwnd, state, clamp(start), clamp(end));
    return 0;
}

LRESULT OnReplaceSelection(HWND hwnd, EditState &state, LPARAM lParam)
{
    const char *text = reinterpret_cast<const char *>(lParam);
    ReplaceSelection(hwnd, state, text != nullptr ? text : "");
    return 0;
}

LRESULT OnSetLimit(EditState &state, WPARAM limit)
{
    state.m_nLimit = limit == 0 ? kUnlimitedText : static_cast<size_t>(limit);
    return 0;
}

LRESULT OnSetReadOnly(HWND hwnd, EditState &state, WPARAM readOnly)
{
    state.m_bReadOnly = readOnly != 0;
    const LONG_PTR style = Style(hwnd);
    const LONG_PTR changed = state.m_bReadOnly ? style | ES_READONLY : style & ~static_cast<LONG_PTR>(ES_READONLY);
    if (changed != style)
        SetWindowLongPtrA(hwnd, GWL_STYLE, changed);
    Redraw(hwnd);
    return TRUE;
}

// EM_GETLINE of line 0: the buffer's first word holds its size; the copy is
// not terminated.
LRESULT GetLine(const EditState &state, WPARAM line, LPARAM lParam)
{
    auto *buffer = reinterpret_cast<char *>(lParam);
    if (line != 0 || buffer == nullptr)
        return 0;
    WORD size = 0;
    std::memcpy(&size, buffer, sizeof size);
    const size_t count = std::min<size_t>(size, state.m_strText.size());
    std::memcpy(buffer, state.m_strText.data(), count);
    return static_cast<LRESULT>(count);
}

LRESULT PositionFromChar(HWND hwnd, EditState &state, WPARAM index)
{
    if (index > state.m_strText.size())
        return -1;
    const int cell = Metrics(hwnd, state).nAveCharWidth;
    const auto column = static_cast<int>(index) - static_cast<int>(state.m_nFirstVisible);
    return MakeLResult(kTextInset + column * cell, kTextTop);
}

LRESULT CharFromPosition(HWND hwnd, EditState &state, LPARAM lParam)
{
    const POINT point = PointFromLParam(lParam);
    return MakeLResult(CharFromX(hwnd, state, point.x), 0);
}

LRESULT OnLButtonDown(HWND hwnd, EditState &state, LPARAM lParam)
{
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    SetCapture(hwnd);
    state.m_bMouseSelecting = true;
    const size_t position = CharFromX(hwnd, state, PointFromLParam(lParam).x);
    MoveCaret(hwnd, state, position, IsKeyDown(VK_SHIFT));
    return 0;
}

LRESULT OnMouseMove(HWND hwnd, EditState &state, LPARAM lParam)
{
    if (state.m_bMouseSelecting)
        MoveCaret(hwnd, state, CharFromX(hwnd, state, PointFromLParam(lParam).x), true);
    return 0;
}

LRESULT OnLButtonUp(HWND hwnd, EditState &state)
{
    if (!state.m_bMouseSelecting)
        return 0;
    state.m_bMouseSelecting = false;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    return 0;
}

// A double click selects the word under the mouse.
LRESULT OnLButtonDblClk(HWND hwnd, EditState &state, LPARAM lParam)
{
    const std::string &text = state.m_strText;
    size_t start = CharFromX(hwnd, state, PointFromLParam(lParam).x);
    size_t end = start;
    while (start > 0 && IsWordCharacter(text[start - 1]))
        --start;
    while (end < text.size() && IsWordCharacter(text[end]))
        ++end;
    SetSelection(hwnd, state, start, end);
    ScrollCaretIntoView(hwnd, state);
    return 0;
}

LRESULT OnSetFont(HWND hwnd, EditState &state, WPARAM font, LPARAM redraw)
{
    state.m_hFont = reinterpret_cast<HFONT>(font);
    state.m_metrics.reset();
    if (redraw)
        Redraw(hwnd);
    return 0;
}

void OnPaint(HWND hwnd, const EditState &state)
{
    const bool greyed = state.m_bReadOnly || !IsWindowEnabled(hwnd);
    PaintControlBackground(hwnd, greyed ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, greyed ? COLOR_BTNFACE : COLOR_WINDOW);
}

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    auto *state = new EditState;
    if (create != nullptr) {
        if (create->lpszName != nullptr && !IsIntResource(create->lpszName))
            state->m_strText = create->lpszName;
        state->m_bReadOnly = (create->style & ES_READONLY) != 0;
    }
    SetControlState(hwnd, state);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

void OnNcDestroy(HWND hwnd, EditState *state)
{
    SetControlState<EditState>(hwnd, nullptr);
    delete state;
}

LRESULT CALLBACK EditWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    auto *state = GetControlState<EditState>(hwnd);
    if (state == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_NCDESTROY:
        OnNcDestroy(hwnd, state);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_CHAR:
        return OnChar(hwnd, *state, wParam);
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, *state, wParam, lParam);
    case WM_SETTEXT:
        return OnSetText(hwnd, *state, lParam);
    case WM_GETTEXT:
        return CopyTextOut(state->m_strText, reinterpret_cast<char *>(lParam), wParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(state->m_strText.size());
    case WM_CLEAR:
        if (!state->m_bReadOnly && state->HasSelection())
            ReplaceSelection(hwnd, *state, {});
        return 0;
    case EM_GETSEL:
        return GetSelection(*state, wParam, lParam);
    case EM_SETSEL:
        return OnSetSelection(hwnd, *state, wParam, lParam);
    case EM_REPLACESEL:
        return OnReplaceSelection(hwnd, *state, lParam);
    case EM_SCROLLCARET:
        ScrollCaretIntoView(hwnd, *state);
        return TRUE;
    case EM_LIMITTEXT:  // EM_SETLIMITTEXT is the same message
        return OnSetLimit(*state, wParam);
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(state->m_nLimit);
    case EM_SETREADONLY:
        return OnSetReadOnly(hwnd, *state, wParam);
    case EM_GETMODIFY:
        return state->m_bModified;
    case EM_SETMODIFY:
        state->m_bModified = wParam != 0;
        return 0;
    case EM_GETLINECOUNT:
        return 1;
    case EM_LINEINDEX:
        return static_cast<INT>(wParam) <= 0 ? 0 : -1;
    case EM_LINELENGTH:
        return static_cast<LRESULT>(state->m_strText.size());
    case EM_GETLINE:
        return GetLine(*state, wParam, lParam);
    case EM_GETFIRSTVISIBLELINE:
        return static_cast<LRESULT>(state->m_nFirstVisible);
    case EM_POSFROMCHAR:
        return PositionFromChar(hwnd, *state, wParam);
    case EM_CHARFROMPOS:
        return CharFromPosition(hwnd, *state, lParam);
    case EM_CANUNDO:
        return FALSE;
    case WM_LBUTTONDOWN:
        return OnLButtonDown(hwnd, *state, lParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(hwnd, *state, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(hwnd, *state);
    case WM_LBUTTONDBLCLK:
        return OnLButtonDblClk(hwnd, *state, lParam);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd)
            state->m_bMouseSelecting = false;
        return 0;
    case WM_SETFOCUS:
        Redraw(hwnd);
        NotifyParent(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Redraw(hwnd);
        NotifyParent(hwnd, EN_KILLFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETFONT:
        return OnSetFont(hwnd, *state, wParam, lParam);
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->m_hFont);
    case WM_SIZE:
        ScrollCaretIntoView(hwnd, *state);
        return 0;
    case WM_ENABLE:
        Redraw(hwnd);
        return 0;
    case WM_PAINT:
        OnPaint(hwnd, *state);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void RegisterEditClass()
{
    RegisterControlClass(kEditClassName, EditWindowProc, CS_DBLCLKS | CS_PARENTDC);
}

}  // namespace win32::controls
