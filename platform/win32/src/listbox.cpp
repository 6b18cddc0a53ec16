// The "ListBox" class, single selection, and "ComboLBox", the same list
// serving as the list part of a combo box.
//
// Items are strings with a data value each, kept sorted with LBS_SORT. The
// user selects by click or by the keyboard; LBN_SELCHANGE reaches the parent
// only for the user's selections (with LBS_NOTIFY), never for LB_SETCURSEL.
// A combo box's list never takes the focus: its combo box handles the
// keyboard and hears of every click on the list.
#include "controls_internal.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace win32::controls {

namespace {

constexpr char kListBoxClassName[] = "ListBox";
constexpr char kComboListClassName[] = "ComboLBox";

// LB_SETITEMHEIGHT accepts heights up to this many pixels.
constexpr int kMaxItemHeight = 255;
constexpr int kNoSelection = -1;

struct ListItem {
    std::string strText;
    ULONG_PTR nData = 0;
};

struct ListBoxState {
    std::vector<ListItem> m_items;
    int m_nCurSel = kNoSelection;
    int m_nTopIndex = 0;
    int m_nItemHeight = 0;   // 0 until measured from the font
    bool m_bMouseTracking = false;
    HFONT m_hFont = nullptr;

    int Count() const { return static_cast<int>(m_items.size()); }
    bool IsValid(INT index) const { return index >= 0 && index < Count(); }
};

LONG_PTR Style(HWND hwnd)
{
    return GetWindowLongPtrA(hwnd, GWL_STYLE);
}

bool IsComboList(HWND hwnd)
{
    return (Style(hwnd) & LBS_COMBOBOX) != 0;
}

void Redraw(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, TRUE);
}

int ItemHeight(HWND hwnd, ListBoxState &state)
{
    if (state.m_nItemHeight == 0)
        state.m_nItemHeight = MeasureFont(hwnd, state.m_hFont).nHeight;
    return state.m_nItemHeight;
}

int VisibleRows(HWND hwnd, ListBoxState &state)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    return std::max(1, (client.bottom - client.top) / ItemHeight(hwnd, state));
}

void EnsureVisible(HWND hwnd, ListBoxState &state, int index)
{
    if (!state.IsValid(index))
        return;
    const int rows = VisibleRows(hwnd, state);
    if (index < state.m_nTopIndex)
        state.m_nTopIndex = index;
    else if (index >= state.m_nTopIndex + rows)
        state.m_nTopIndex = index - rows + 1;
}

const char *TextArgument(LPARAM lParam)
{
    const char *text = reinterpret_cast<const char *>(lParam);
    return text != nullptr ? text : "";
}

// The user's selections reach the parent; a combo box always hears of them.
void NotifySelectionChange(HWND hwnd)
{
    if ((Style(hwnd) & LBS_NOTIFY) || IsComboList(hwnd))
        NotifyParent(hwnd, LBN_SELCHANGE);
}

LRESULT InsertAt(HWND hwnd, ListBoxState &state, int index, const char *text)
{
    state.m_items.insert(state.m_items.begin() + index, ListItem{text, 0});
    if (state.m_nCurSel >= index)
        ++state.m_nCurSel;
    Redraw(hwnd);
    return index;
}

LRESULT AddString(HWND hwnd, ListBoxState &state, LPARAM lParam)
{
    const char *text = TextArgument(lParam);
    int index = state.Count();
    if (Style(hwnd) & LBS_SORT) {
        const auto after = std::upper_bound(state.m_items.begin(), state.m_items.end(), std::string_view(text),
                                            [](std::string_view value, const ListItem &item) {
                                                return CompareNoCase(value, item.strText) < 0;
                                            });
        index = static_cast<int>(after - state.m_items.begin());
    }
    return InsertAt(hwnd, state, index, text);
}

// LB_INSERTSTRING: -1 appends, an index up to the count inserts there.
LRESULT InsertString(HWND hwnd, ListBoxState &state, WPARAM wParam, LPARAM lParam)
{
    INT index = static_cast<INT>(wParam);
    if (index == -1)
        index = state.Count();
    if (index < 0 || index > state.Count())
        return LB_ERR;
    return InsertAt(hwnd, state, index, TextArgument(lParam));
}

LRESULT DeleteString(HWND hwnd, ListBoxState &state, WPARAM wParam)
{
    const INT index = static_cast<INT>(wParam);
    if (!state.IsValid(index))
        return LB_ERR;
    state.m_items.erase(state.m_items.begin() + index);
    if (state.m_nCurSel == index)
        state.m_nCurSel = kNoSelection;
    else if (state.m_nCurSel > index)
        --state.m_nCurSel;
    state.m_nTopIndex = std::clamp(state.m_nTopIndex, 0, std::max(0, state.Count() - 1));
    Redraw(hwnd);
    return state.Count();
}

LRESULT ResetContent(HWND hwnd, ListBoxState &state)
{
    state.m_items.clear();
    state.m_nCurSel = kNoSelection;
    state.m_nTopIndex = 0;
    Redraw(hwnd);
    return LB_OKAY;
}

// LB_SETCURSEL: -1 clears the selection and still answers LB_ERR; an index
// out of range answers LB_ERR and keeps the selection.
LRESULT SetCurSel(HWND hwnd, ListBoxState &state, WPARAM wParam)
{
    const INT index = static_cast<INT>(wParam);
    if (index == kNoSelection) {
        state.m_nCurSel = kNoSelection;
        Redraw(hwnd);
        return LB_ERR;
    }
    if (!state.IsValid(index))
        return LB_ERR;
    state.m_nCurSel = index;
    EnsureVisible(hwnd, state, index);
    Redraw(hwnd);
    return index;
}

LRESULT GetText(const ListBoxState &state, WPARAM wParam, LPARAM lParam)
{
    const INT index = static_cast<INT>(wParam);
    auto *buffer = reinterpret_cast<char *>(lParam);
    if (!state.IsValid(index) || buffer == nullptr)
        return LB_ERR;
    const std::string &text = state.m_items[static_cast<size_t>(index)].strText;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

// The search of LB_FINDSTRING and LB_FINDSTRINGEXACT: from the item after
// start (-1, or a start past the end: from the first item), wrapping round.
LRESULT Find(const ListBoxState &state, WPARAM wParam, LPARAM lParam, bool exact)
{
    const std::string_view wanted = TextArgument(lParam);
    const int count = state.Count();
    if (count == 0 || (!exact && wanted.empty()))
        return LB_ERR;
    const INT start = static_cast<INT>(wParam);
    const int first = (start < 0 || start >= count) ? 0 : (start + 1) % count;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        const std::string &text = state.m_items[static_cast<size_t>(index)].strText;
        if (exact ? EqualsNoCase(text, wanted) : StartsWithNoCase(text, wanted))
            return index;
    }
    return LB_ERR;
}

LRESULT SelectString(HWND hwnd, ListBoxState &state, WPARAM wParam, LPARAM lParam)
{
    const LRESULT found = Find(state, wParam, lParam, false);
    if (found == LB_ERR)
        return LB_ERR;
    return SetCurSel(hwnd, state, static_cast<WPARAM>(found));
}

LRESULT SetItemData(ListBoxState &state, WPARAM wParam, LPARAM data)
{
    const INT index = static_cast<INT>(wParam);
    if (!state.IsValid(index))
        return LB_ERR;
    state.m_items[static_cast<size_t>(index)].nData = static_cast<ULONG_PTR>(data);
    return LB_OKAY;
}

LRESULT GetItemData(const ListBoxState &state, WPARAM wParam)
{
    const INT index = static_cast<INT>(wParam);
    if (!state.IsValid(index))
        return LB_ERR;
    return static_cast<LRESULT>(state.m_items[static_cast<size_t>(index)].nData);
}

LRESULT SetTopIndex(HWND hwnd, ListBoxState &state, WPARAM wParam)
{
    const INT index = static_cast<INT>(wParam);
    if (!state.IsValid(index))
        return LB_ERR;
    state.m_nTopIndex = index;
    Redraw(hwnd);
    return LB_OKAY;
}

LRESULT SetItemHeight(HWND hwnd, ListBoxState &state, LPARAM lParam)
{
    const int height = static_cast<int>(LowWord(static_cast<DWORD_PTR>(lParam)));
    if (height <= 0 || height > kMaxItemHeight)
        return LB_ERR;
    state.m_nItemHeight = height;
    Redraw(hwnd);
    return LB_OKAY;
}

LRESULT GetItemRect(HWND hwnd, ListBoxState &state, WPARAM wParam, LPARAM lParam)
{
    const INT index = static_cast<INT>(wParam);
    auto *rect = reinterpret_cast<RECT *>(lParam);
    if (!state.IsValid(index) || rect == nullptr)
        return LB_ERR;
    RECT client{};
    GetClientRect(hwnd, &client);
    const int height = ItemHeight(hwnd, state);
    const int top = (index - state.m_nTopIndex) * height;
    SetRect(rect, client.left, top, client.right, top + height);
    return TRUE;
}

// The item row under a client y coordinate, or kNoSelection below the last item.
int ItemAtY(HWND hwnd, ListBoxState &state, int y)
{
    if (y < 0)
        return kNoSelection;
    const int index = state.m_nTopIndex + y / ItemHeight(hwnd, state);
    return state.IsValid(index) ? index : kNoSelection;
}

// LB_ITEMFROMPOINT: the nearest item in the low word, 1 in the high word when
// the point lies outside the client area.
LRESULT ItemFromPoint(HWND hwnd, ListBoxState &state, LPARAM lParam)
{
    const POINT point = PointFromLParam(lParam);
    RECT client{};
    GetClientRect(hwnd, &client);
    const bool outside = !PtInRect(&client, point);
    if (state.Count() == 0)
        return MakeLResult(0, 1);
    const int row = state.m_nTopIndex + std::max(0, static_cast<int>(point.y)) / ItemHeight(hwnd, state);
    const int index = std::min(row, state.Count() - 1);
    return MakeLResult(static_cast<DWORD_PTR>(index), outside || row >= state.Count() ? 1 : 0);
}

// A selection made by the user: notifies only when it moved.
void SelectByUser(HWND hwnd, ListBoxState &state, int index)
{
    index = std::clamp(index, 0, state.Count() - 1);
    if (index == state.m_nCurSel)
        return;
    SetCurSel(hwnd, state, static_cast<WPARAM>(index));
    NotifySelectionChange(hwnd);
}

LRESULT OnKeyDown(HWND hwnd, ListBoxState &state, WPARAM key, LPARAM keyData)
{
    if (state.Count() == 0)
        return DefWindowProcA(hwnd, WM_KEYDOWN, key, keyData);
    const int current = state.m_nCurSel;
    const int page = VisibleRows(hwnd, state);
    switch (key) {
    case VK_UP:
        SelectByUser(hwnd, state, current == kNoSelection ? 0 : current - 1);
        return 0;
    case VK_DOWN:
        SelectByUser(hwnd, state, current == kNoSelection ? 0 : current + 1);
        return 0;
    case VK_PRIOR:
        SelectByUser(hwnd, state, current == kNoSelection ? 0 : current - (page - 1));
        return 0;
    case VK_NEXT:
        SelectByUser(hwnd, state, current == kNoSelection ? 0 : current + (page - 1));
        return 0;
    case VK_HOME:
        SelectByUser(hwnd, state, 0);
        return 0;
    case VK_END:
        SelectByUser(hwnd, state, state.Count() - 1);
        return 0;
    default:
        return DefWindowProcA(hwnd, WM_KEYDOWN, key, keyData);
    }
}

// A typed character selects the next item that begins with it.
LRESULT OnChar(HWND hwnd, ListBoxState &state, WPARAM code)
{
    constexpr WPARAM kFirstPrintable = 0x20;
    constexpr WPARAM kLastNarrowCode = 0xFF;
    if (code < kFirstPrintable || code > kLastNarrowCode)
        return 0;
    const char prefix[] = {static_cast<char>(code), '\0'};
    const LRESULT found =
        Find(state, static_cast<WPARAM>(state.m_nCurSel), reinterpret_cast<LPARAM>(prefix), false);
    if (found != LB_ERR)
        SelectByUser(hwnd, state, static_cast<int>(found));
    return 0;
}

LRESULT OnLButtonDown(HWND hwnd, ListBoxState &state, LPARAM lParam)
{
    if (!IsComboList(hwnd) && GetFocus() != hwnd)
        SetFocus(hwnd);
    const int index = ItemAtY(hwnd, state, PointFromLParam(lParam).y);
    if (index == kNoSelection)
        return 0;
    SetCapture(hwnd);
    state.m_bMouseTracking = true;
    SetCurSel(hwnd, state, static_cast<WPARAM>(index));
    return 0;
}

LRESULT OnMouseMove(HWND hwnd, ListBoxState &state, LPARAM lParam)
{
    if (!state.m_bMouseTracking)
        return 0;
    const int index = ItemAtY(hwnd, state, PointFromLParam(lParam).y);
    if (index != kNoSelection && index != state.m_nCurSel)
        SetCurSel(hwnd, state, static_cast<WPARAM>(index));
    return 0;
}

// The click ends at the release: the list reports it whether or not the
// item was already selected, as Win32 lists do.
LRESULT OnLButtonUp(HWND hwnd, ListBoxState &state)
{
    if (!state.m_bMouseTracking)
        return 0;
    state.m_bMouseTracking = false;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    NotifySelectionChange(hwnd);
    return 0;
}

LRESULT OnLButtonDblClk(HWND hwnd, ListBoxState &state, LPARAM lParam)
{
    if (IsComboList(hwnd))
        return OnLButtonDown(hwnd, state, lParam);
    if ((Style(hwnd) & LBS_NOTIFY) && ItemAtY(hwnd, state, PointFromLParam(lParam).y) != kNoSelection)
        NotifyParent(hwnd, LBN_DBLCLK);
    return 0;
}

LRESULT OnFocusChange(HWND hwnd, WORD code)
{
    Redraw(hwnd);
    if (Style(hwnd) & LBS_NOTIFY)
        NotifyParent(hwnd, code);
    return 0;
}

LRESULT OnSetFont(HWND hwnd, ListBoxState &state, WPARAM font, LPARAM redraw)
{
    state.m_hFont = reinterpret_cast<HFONT>(font);
    state.m_nItemHeight = 0;
    if (redraw)
        Redraw(hwnd);
    return 0;
}

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    SetControlState(hwnd, new ListBoxState);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

void OnNcDestroy(HWND hwnd, ListBoxState *state)
{
    SetControlState<ListBoxState>(hwnd, nullptr);
    delete state;
}

// Combo box messages sent to a combo box's list are meant for the combo box:
// a walk over windows may reach the list as well as its owner.
bool IsComboMessage(UINT message)
{
    return message >= CB_GETEDITSEL && message <= CB_INITSTORAGE;
}

LRESULT CALLBACK ListBoxWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    auto *state = GetControlState<ListBoxState>(hwnd);
    if (state == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (IsComboMessage(message) && IsComboList(hwnd)) {
        HWND combo = GetParent(hwnd);
        return combo != nullptr ? SendMessageA(combo, message, wParam, lParam) : CB_ERR;
    }

    switch (message) {
    case WM_NCDESTROY:
        OnNcDestroy(hwnd, state);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case LB_ADDSTRING:
        return AddString(hwnd, *state, lParam);
    case LB_INSERTSTRING:
        return InsertString(hwnd, *state, wParam, lParam);
    case LB_DELETESTRING:
        return DeleteString(hwnd, *state, wParam);
    case LB_RESETCONTENT:
        return ResetContent(hwnd, *state);
    case LB_GETCOUNT:
        return state->Count();
    case LB_GETCURSEL:
        return state->m_nCurSel;
    case LB_SETCURSEL:
        return SetCurSel(hwnd, *state, wParam);
    case LB_GETSEL: {
        const INT index = static_cast<INT>(wParam);
        return state->IsValid(index) ? (index == state->m_nCurSel ? 1 : 0) : LB_ERR;
    }
    case LB_GETTEXT:
        return GetText(*state, wParam, lParam);
    case LB_GETTEXTLEN: {
        const INT index = static_cast<INT>(wParam);
        return state->IsValid(index) ? static_cast<LRESULT>(state->m_items[static_cast<size_t>(index)].strText.size())
                                     : LB_ERR;
    }
    case LB_FINDSTRING:
        return Find(*state, wParam, lParam, false);
    case LB_FINDSTRINGEXACT:
        return Find(*state, wParam, lParam, true);
    case LB_SELECTSTRING:
        return SelectString(hwnd, *state, wParam, lParam);
    case LB_SETITEMDATA:
        return SetItemData(*state, wParam, lParam);
    case LB_GETITEMDATA:
        return GetItemData(*state, wParam);
    case LB_GETTOPINDEX:
        return state->m_nTopIndex;
    case LB_SETTOPINDEX:
        return SetTopIndex(hwnd, *state, wParam);
    case LB_GETITEMHEIGHT:
        return ItemHeight(hwnd, *state);
    case LB_SETITEMHEIGHT:
        return SetItemHeight(hwnd, *state, lParam);
    case LB_GETITEMRECT:
        return GetItemRect(hwnd, *state, wParam, lParam);
    case LB_ITEMFROMPOINT:
        return ItemFromPoint(hwnd, *state, lParam);
    case LB_GETCARETINDEX:
        return std::max(state->m_nCurSel, 0);
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, *state, wParam, lParam);
    case WM_CHAR:
        return OnChar(hwnd, *state, wParam);
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
            state->m_bMouseTracking = false;
        return 0;
    case WM_SETFOCUS:
        return OnFocusChange(hwnd, LBN_SETFOCUS);
    case WM_KILLFOCUS:
        return OnFocusChange(hwnd, LBN_KILLFOCUS);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
        return OnSetFont(hwnd, *state, wParam, lParam);
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->m_hFont);
    case WM_PAINT:
        PaintControlBackground(hwnd, WM_CTLCOLORLISTBOX, COLOR_WINDOW);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void RegisterListBoxClasses()
{
    RegisterControlClass(kListBoxClassName, ListBoxWindowProc, CS_DBLCLKS | CS_PARENTDC);
    RegisterControlClass(kComboListClassName, ListBoxWindowProc, CS_DBLCLKS | CS_SAVEBITS);
}

}  // namespace win32::controls
