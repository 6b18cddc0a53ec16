// The "ComboBox" class: a selection field over a "ComboLBox" list child, with
// an "Edit" child for CBS_DROPDOWN and CBS_SIMPLE.
//
// The items live in the list; CB_* messages are carried out by the list's
// LB_* counterparts. A closed drop-down combo box is as tall as its selection
// field; dropping grows the window by the list's height and shows the list
// below the field, so that a click on an item reaches the list, which tells
// the combo box (LBN_SELCHANGE) and the combo box closes. CB_SETCURSEL and
// the other calls from code never send CBN_SELCHANGE; the user's selections
// (a click on the list, the arrow keys, a typed character) do.
#include "controls_internal.h"

#include <algorithm>
#include <string>

namespace win32::controls {

namespace {

constexpr char kComboBoxClassName[] = "ComboBox";
constexpr char kComboListClassName[] = "ComboLBox";
constexpr char kEditClassName[] = "Edit";

// The control IDs Win32 gives a combo box's list and edit.
constexpr int kListId = 1000;
constexpr int kEditId = 1001;
// Pixels between the item text and the top or bottom of the selection field.
constexpr int kFieldPadding = 4;
// Width of the drop-down button when the system metric is not known.
constexpr int kFallbackButtonWidth = 17;
constexpr int kNoSelection = -1;

struct ComboState {
    HWND m_hwndList = nullptr;
    HWND m_hwndEdit = nullptr;    // CBS_DROPDOWN and CBS_SIMPLE only
    int m_nFieldHeight = 0;       // the selection field: the window's height while closed
    int m_nListHeight = 0;        // the list's height when dropped
    bool m_bDropped = false;
    bool m_bResizing = false;     // the size change is our own (dropping, closing, a new font)
    bool m_bUpdatingEdit = false; // the edit's text comes from the list, not from the user
    HFONT m_hFont = nullptr;
};

// The Edit class's own procedure, behind the combo box's edit subclass.
WNDPROC g_pfnEditClassProc = nullptr;

UINT ComboKind(HWND hwnd)
{
    const UINT kind = static_cast<UINT>(GetWindowLongPtrA(hwnd, GWL_STYLE)) & CBS_DROPDOWNLIST;
    return kind == 0 ? CBS_SIMPLE : kind;
}

bool HasEdit(HWND hwnd)
{
    return ComboKind(hwnd) != CBS_DROPDOWNLIST;
}

bool CanDrop(HWND hwnd)
{
    return ComboKind(hwnd) != CBS_SIMPLE;
}

int ButtonWidth()
{
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    return width > 0 ? width : kFallbackButtonWidth;
}

int ClientWidth(HWND hwnd)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    return client.right - client.left;
}

int ClientHeight(HWND hwnd)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    return client.bottom - client.top;
}

LRESULT ToList(const ComboState &state, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageA(state.m_hwndList, message, wParam, lParam);
}

std::string SelectedText(const ComboState &state)
{
    const LRESULT index = ToList(state, LB_GETCURSEL, 0, 0);
    if (index < 0)
        return {};
    const LRESULT length = ToList(state, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ToList(state, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string CurrentText(HWND hwnd, const ComboState &state)
{
    if (!HasEdit(hwnd))
        return SelectedText(state);
    const auto length = static_cast<size_t>(SendMessageA(state.m_hwndEdit, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    SendMessageA(state.m_hwndEdit, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

// Keeps the window core's copy of the title equal to what the combo box shows.
void StoreTitle(HWND hwnd, const ComboState &state)
{
    const std::string text = CurrentText(hwnd, state);
    DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SetEditTextFromCode(ComboState &state, const std::string &text)
{
    state.m_bUpdatingEdit = true;
    SendMessageA(state.m_hwndEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    state.m_bUpdatingEdit = false;
    if (GetFocus() == state.m_hwndEdit)
        SendMessageA(state.m_hwndEdit, EM_SETSEL, 0, -1);
}

// The field shows the list's selection: a drop-down list paints it, an edit
// receives it as its text.
void ShowSelectionInField(HWND hwnd, ComboState &state)
{
    if (HasEdit(hwnd))
        SetEditTextFromCode(state, SelectedText(state));
    StoreTitle(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// ---- Geometry ----

void LayoutChildren(HWND hwnd, ComboState &state)
{
    const int width = ClientWidth(hwnd);
    if (state.m_hwndEdit != nullptr) {
        const int editWidth = CanDrop(hwnd) ? std::max(0, width - ButtonWidth()) : width;
        MoveWindow(state.m_hwndEdit, 0, 0, editWidth, state.m_nFieldHeight, TRUE);
    }
    const int listHeight = CanDrop(hwnd) ? state.m_nListHeight : std::max(0, ClientHeight(hwnd) - state.m_nFieldHeight);
    MoveWindow(state.m_hwndList, 0, state.m_nFieldHeight, width, listHeight, TRUE);
}

void ResizeTo(HWND hwnd, ComboState &state, int height)
{
    state.m_bResizing = true;
    SetWindowPos(hwnd, nullptr, 0, 0, ClientWidth(hwnd), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    state.m_bResizing = false;
    LayoutChildren(hwnd, state);
}

void MeasureField(HWND hwnd, ComboState &state)
{
    state.m_nFieldHeight = MeasureFont(hwnd, state.m_hFont).nHeight + 2 * kFieldPadding;
}

// A size set from outside while closed is the combo box's full height: the
// list takes what lies below the field, and the window folds back to the field.
LRESULT OnSize(HWND hwnd, ComboState &state, LPARAM lParam)
{
    if (!state.m_bResizing && CanDrop(hwnd) && !state.m_bDropped) {
        const int height = HighWord(static_cast<DWORD_PTR>(lParam));
        if (height > state.m_nFieldHeight) {
            state.m_nListHeight = height - state.m_nFieldHeight;
            ResizeTo(hwnd, state, state.m_nFieldHeight);
            return 0;
        }
    }
    LayoutChildren(hwnd, state);
    return 0;
}

// ---- Dropping ----

void ShowList(HWND hwnd, ComboState &state)
{
    if (state.m_bDropped || !CanDrop(hwnd))
        return;
    NotifyParent(hwnd, CBN_DROPDOWN);
    state.m_bDropped = true;
    ResizeTo(hwnd, state, state.m_nFieldHeight + state.m_nListHeight);
    const LRESULT selected = ToList(state, LB_GETCURSEL, 0, 0);
    if (selected >= 0)
        ToList(state, LB_SETTOPINDEX, static_cast<WPARAM>(selected), 0);
    ShowWindow(state.m_hwndList, SW_SHOWNA);
}

// Closes the list; accepted tells whether the user took the selection.
void HideList(HWND hwnd, ComboState &state, bool accepted)
{
    if (!state.m_bDropped)
        return;
    state.m_bDropped = false;
    NotifyParent(hwnd, accepted ? CBN_SELENDOK : CBN_SELENDCANCEL);
    ShowWindow(state.m_hwndList, SW_HIDE);
    ResizeTo(hwnd, state, state.m_nFieldHeight);
    NotifyParent(hwnd, CBN_CLOSEUP);
}

void ToggleList(HWND hwnd, ComboState &state)
{
    if (state.m_bDropped)
        HideList(hwnd, state, true);
    else
        ShowList(hwnd, state);
}

// ---- Selection ----

LRESULT SetCurSel(HWND hwnd, ComboState &state, WPARAM wParam)
{
    const LRESULT result = ToList(state, LB_SETCURSEL, wParam, 0);
    if (result != LB_ERR || static_cast<INT>(wParam) == kNoSelection)
        ShowSelectionInField(hwnd, state);
    return result;
}

LRESULT SelectString(HWND hwnd, ComboState &state, WPARAM wParam, LPARAM lParam)
{
    const LRESULT found = ToList(state, LB_FINDSTRING, wParam, lParam);
    if (found == LB_ERR)
        return CB_ERR;
    return SetCurSel(hwnd, state, static_cast<WPARAM>(found));
}

// A selection made by the user: shown and notified when it moved.
void SelectByUser(HWND hwnd, ComboState &state, int index)
{
    const auto count = static_cast<int>(ToList(state, LB_GETCOUNT, 0, 0));
    if (count == 0)
        return;
    index = std::clamp(index, 0, count - 1);
    if (index == ToList(state, LB_GETCURSEL, 0, 0))
        return;
    SetCurSel(hwnd, state, static_cast<WPARAM>(index));
    NotifyParent(hwnd, CBN_SELCHANGE);
}

LRESULT DeleteString(HWND hwnd, ComboState &state, WPARAM wParam)
{
    const LRESULT selected = ToList(state, LB_GETCURSEL, 0, 0);
    const LRESULT result = ToList(state, LB_DELETESTRING, wParam, 0);
    if (result != LB_ERR && selected == static_cast<INT>(wParam) && !HasEdit(hwnd))
        ShowSelectionInField(hwnd, state);
    return result;
}

LRESULT ResetContent(HWND hwnd, ComboState &state)
{
    ToList(state, LB_RESETCONTENT, 0, 0);
    if (HasEdit(hwnd))
        SetEditTextFromCode(state, {});
    StoreTitle(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
    return CB_OKAY;
}

// ---- Keyboard ----

int PageSize(ComboState &state)
{
    const auto itemHeight = static_cast<int>(ToList(state, LB_GETITEMHEIGHT, 0, 0));
    return itemHeight > 0 ? std::max(1, state.m_nListHeight / itemHeight) : 1;
}

// Keys of the combo box, whether they reach it or its edit. Returns whether
// the key was used.
bool HandleKey(HWND hwnd, ComboState &state, WPARAM key)
{
    const auto current = static_cast<int>(ToList(state, LB_GETCURSEL, 0, 0));
    const bool listOnly = !HasEdit(hwnd);
    switch (key) {
    case VK_F4:
        ToggleList(hwnd, state);
        return true;
    case VK_UP:
        SelectByUser(hwnd, state, current == kNoSelection ? 0 : current - 1);
        return true;
    case VK_DOWN:
        SelectByUser(hwnd, state, current == kNoSelection ? 0 : current + 1);
        return true;
    case VK_PRIOR:
        if (!listOnly)
            return false;
        SelectByUser(hwnd, state, current - (PageSize(state) - 1));
        return true;
    case VK_NEXT:
        if (!listOnly)
            return false;
        SelectByUser(hwnd, state, current + (PageSize(state) - 1));
        return true;
    case VK_HOME:
        if (!listOnly)
            return false;
        SelectByUser(hwnd, state, 0);
        return true;
    case VK_END:
        if (!listOnly)
            return false;
        SelectByUser(hwnd, state, static_cast<int>(ToList(state, LB_GETCOUNT, 0, 0)) - 1);
        return true;
    case VK_RETURN:
    case VK_ESCAPE:
        if (!state.m_bDropped)
            return false;
        HideList(hwnd, state, key == VK_RETURN);
        return true;
    default:
        return false;
    }
}

// Alt+Up and Alt+Down open and close the list.
bool HandleSysKey(HWND hwnd, ComboState &state, WPARAM key)
{
    if (key != VK_UP && key != VK_DOWN)
        return false;
    ToggleList(hwnd, state);
    return true;
}

// A typed character selects the next item that begins with it.
LRESULT OnChar(HWND hwnd, ComboState &state, WPARAM code)
{
    constexpr WPARAM kFirstPrintable = 0x20;
    constexpr WPARAM kLastNarrowCode = 0xFF;
    if (code < kFirstPrintable || code > kLastNarrowCode)
        return 0;
    const char prefix[] = {static_cast<char>(code), '\0'};
    const LRESULT current = ToList(state, LB_GETCURSEL, 0, 0);
    const LRESULT found = ToList(state, LB_FINDSTRING, static_cast<WPARAM>(current), reinterpret_cast<LPARAM>(prefix));
    if (found != LB_ERR)
        SelectByUser(hwnd, state, static_cast<int>(found));
    return 0;
}

LRESULT DialogCodeExtra(const ComboState &state)
{
    return DLGC_WANTARROWS | (state.m_bDropped ? DLGC_WANTALLKEYS : 0);
}

bool IsPartOfCombo(HWND hwnd, const ComboState &state, HWND other)
{
    return other != nullptr && (other == hwnd || other == state.m_hwndEdit || other == state.m_hwndList);
}

// The combo box's edit: the combo box takes the list keys before the edit sees them.
LRESULT CALLBACK ComboEditWindowProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND combo = GetParent(edit);
    ComboState *state = combo != nullptr ? GetControlState<ComboState>(combo) : nullptr;
    if (state != nullptr && state->m_hwndEdit == edit) {
        switch (message) {
        case WM_KEYDOWN:
            if (HandleKey(combo, *state, wParam))
                return 0;
            break;
        case WM_SYSKEYDOWN:
            if (HandleSysKey(combo, *state, wParam))
                return 0;
            break;
        case WM_GETDLGCODE:
            return CallWindowProcA(g_pfnEditClassProc, edit, message, wParam, lParam) | DialogCodeExtra(*state);
        case WM_KILLFOCUS:
            if (!IsPartOfCombo(combo, *state, reinterpret_cast<HWND>(wParam)))
                HideList(combo, *state, false);
            break;
        default:
            break;
        }
    }
    return CallWindowProcA(g_pfnEditClassProc, edit, message, wParam, lParam);
}

// ---- Notifications from the children ----

LRESULT OnCommand(HWND hwnd, ComboState &state, WPARAM wParam, LPARAM lParam)
{
    const auto child = reinterpret_cast<HWND>(lParam);
    const WORD code = HighWord(wParam);
    if (child == state.m_hwndList && child != nullptr) {
        if (code == LBN_SELCHANGE) {
            ShowSelectionInField(hwnd, state);
            NotifyParent(hwnd, CBN_SELCHANGE);
            HideList(hwnd, state, true);
        } else if (code == LBN_DBLCLK) {
            NotifyParent(hwnd, CBN_DBLCLK);
        }
        return 0;
    }
    if (child == state.m_hwndEdit && child != nullptr) {
        switch (code) {
        case EN_UPDATE:
            if (!state.m_bUpdatingEdit)
                NotifyParent(hwnd, CBN_EDITUPDATE);
            break;
        case EN_CHANGE:
            if (!state.m_bUpdatingEdit) {
                StoreTitle(hwnd, state);
                NotifyParent(hwnd, CBN_EDITCHANGE);
            }
            break;
        case EN_SETFOCUS:
            NotifyParent(hwnd, CBN_SETFOCUS);
            break;
        case EN_KILLFOCUS:
            NotifyParent(hwnd, CBN_KILLFOCUS);
            break;
        default:
            break;
        }
    }
    return 0;
}

// ---- Mouse and focus ----

LRESULT OnLButtonDown(HWND hwnd, ComboState &state, LPARAM lParam)
{
    HWND focusTarget = HasEdit(hwnd) ? state.m_hwndEdit : hwnd;
    if (GetFocus() != focusTarget)
        SetFocus(hwnd);
    if (state.m_bDropped) {
        HideList(hwnd, state, false);
        return 0;
    }
    const bool onButton = PointFromLParam(lParam).x >= ClientWidth(hwnd) - ButtonWidth();
    if (ComboKind(hwnd) == CBS_DROPDOWNLIST || (ComboKind(hwnd) == CBS_DROPDOWN && onButton))
        ShowList(hwnd, state);
    return 0;
}

LRESULT OnSetFocus(HWND hwnd, ComboState &state)
{
    if (HasEdit(hwnd)) {
        SetFocus(state.m_hwndEdit);
        SendMessageA(state.m_hwndEdit, EM_SETSEL, 0, -1);
        return 0;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, CBN_SETFOCUS);
    return 0;
}

LRESULT OnKillFocus(HWND hwnd, ComboState &state, WPARAM newFocus)
{
    if (HasEdit(hwnd))
        return 0;  // the focus went on to the edit, or the edit reports its own loss
    if (!IsPartOfCombo(hwnd, state, reinterpret_cast<HWND>(newFocus)))
        HideList(hwnd, state, false);
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, CBN_KILLFOCUS);
    return 0;
}

LRESULT OnSetFont(HWND hwnd, ComboState &state, WPARAM font, LPARAM redraw)
{
    state.m_hFont = reinterpret_cast<HFONT>(font);
    if (state.m_hwndEdit != nullptr)
        SendMessageA(state.m_hwndEdit, WM_SETFONT, font, redraw);
    SendMessageA(state.m_hwndList, WM_SETFONT, font, redraw);
    MeasureField(hwnd, state);
    if (CanDrop(hwnd))
        ResizeTo(hwnd, state, state.m_nFieldHeight + (state.m_bDropped ? state.m_nListHeight : 0));
    else
        LayoutChildren(hwnd, state);
    return 0;
}

// ---- Text ----

LRESULT OnGetText(HWND hwnd, ComboState &state, WPARAM size, LPARAM buffer)
{
    if (HasEdit(hwnd))
        return SendMessageA(state.m_hwndEdit, WM_GETTEXT, size, buffer);
    return CopyTextOut(SelectedText(state), reinterpret_cast<char *>(buffer), size);
}

LRESULT OnGetTextLength(HWND hwnd, ComboState &state)
{
    if (HasEdit(hwnd))
        return SendMessageA(state.m_hwndEdit, WM_GETTEXTLENGTH, 0, 0);
    return static_cast<LRESULT>(SelectedText(state).size());
}

// A drop-down list shows only its items: its text cannot be set. A combo box
// with an edit takes the text into the edit and keeps its selection.
LRESULT OnSetText(HWND hwnd, ComboState &state, LPARAM text)
{
    if (!HasEdit(hwnd))
        return CB_ERR;
    const char *value = reinterpret_cast<const char *>(text);
    SetEditTextFromCode(state, value != nullptr ? value : "");
    StoreTitle(hwnd, state);
    return TRUE;
}

LRESULT GetEditSelection(HWND hwnd, const ComboState &state, WPARAM startOut, LPARAM endOut)
{
    if (!HasEdit(hwnd))
        return CB_ERR;
    return SendMessageA(state.m_hwndEdit, EM_GETSEL, startOut, endOut);
}

// CB_SETEDITSEL packs both ends into words; -1 in either keeps its meaning.
LRESULT SetEditSelection(HWND hwnd, const ComboState &state, LPARAM range)
{
    if (!HasEdit(hwnd))
        return CB_ERR;
    const auto packed = static_cast<DWORD_PTR>(range);
    const auto start = static_cast<SHORT>(LowWord(packed));
    const auto end = static_cast<SHORT>(HighWord(packed));
    SendMessageA(state.m_hwndEdit, EM_SETSEL, static_cast<WPARAM>(static_cast<INT>(start)), end);
    return TRUE;
}

LRESULT GetDroppedRect(HWND hwnd, const ComboState &state, LPARAM lParam)
{
    auto *rect = reinterpret_cast<RECT *>(lParam);
    if (rect == nullptr)
        return CB_ERR;
    RECT window{};
    GetWindowRect(hwnd, &window);
    SetRect(rect, window.left, window.top + state.m_nFieldHeight, window.right,
            window.top + state.m_nFieldHeight + state.m_nListHeight);
    return TRUE;
}

LRESULT GetItemHeight(const ComboState &state, WPARAM index)
{
    if (static_cast<INT>(index) == -1)
        return state.m_nFieldHeight;
    return ToList(state, LB_GETITEMHEIGHT, index, 0);
}

// ---- Creation ----

LRESULT OnCreate(HWND hwnd, ComboState &state, LPARAM lParam)
{
    const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
    const auto style = static_cast<DWORD>(create->style);
    const UINT kind = ComboKind(hwnd);
    MeasureField(hwnd, state);
    state.m_nListHeight = std::max(create->cy - state.m_nFieldHeight, state.m_nFieldHeight);

    DWORD listStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_COMBOBOX | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (style & CBS_SORT)
        listStyle |= LBS_SORT;
    if (kind == CBS_SIMPLE)
        listStyle |= WS_VISIBLE;
    state.m_hwndList = CreateWindowExA(0, kComboListClassName, nullptr, listStyle, 0, state.m_nFieldHeight,
                                       create->cx, state.m_nListHeight, hwnd,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), create->hInstance,
                                       nullptr);
    if (state.m_hwndList == nullptr)
        return -1;

    if (kind != CBS_DROPDOWNLIST) {
        DWORD editStyle = WS_CHILD | WS_VISIBLE;
        if (style & CBS_AUTOHSCROLL)
            editStyle |= ES_AUTOHSCROLL;
        if (style & CBS_UPPERCASE)
            editStyle |= ES_UPPERCASE;
        if (style & CBS_LOWERCASE)
            editStyle |= ES_LOWERCASE;
        const char *text = create->lpszName != nullptr && !IsIntResource(create->lpszName) ? create->lpszName : "";
        state.m_hwndEdit = CreateWindowExA(0, kEditClassName, text, editStyle, 0, 0, create->cx,
                                           state.m_nFieldHeight, hwnd,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
                                           create->hInstance, nullptr);
        if (state.m_hwndEdit == nullptr)
            return -1;
        const auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            state.m_hwndEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditWindowProc)));
        if (g_pfnEditClassProc == nullptr)
            g_pfnEditClassProc = previous;
    }

    if (kind == CBS_SIMPLE)
        LayoutChildren(hwnd, state);
    else
        ResizeTo(hwnd, state, state.m_nFieldHeight);
    StoreTitle(hwnd, state);
    return 0;
}

LRESULT OnEnable(HWND hwnd, const ComboState &state, WPARAM enabled)
{
    if (state.m_hwndEdit != nullptr)
        EnableWindow(state.m_hwndEdit, enabled != 0);
    EnableWindow(state.m_hwndList, enabled != 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    SetControlState(hwnd, new ComboState);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

void OnNcDestroy(HWND hwnd, ComboState *state)
{
    SetControlState<ComboState>(hwnd, nullptr);
    delete state;
}

LRESULT CALLBACK ComboBoxWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    auto *state = GetControlState<ComboState>(hwnd);
    if (state == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_CREATE)
        return OnCreate(hwnd, *state, lParam);
    if (state->m_hwndList == nullptr || message == WM_NCDESTROY) {
        if (message == WM_NCDESTROY)
            OnNcDestroy(hwnd, state);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    switch (message) {
    case CB_ADDSTRING:
        return ToList(*state, LB_ADDSTRING, wParam, lParam);
    case CB_INSERTSTRING:
        return ToList(*state, LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING:
        return DeleteString(hwnd, *state, wParam);
    case CB_RESETCONTENT:
        return ResetContent(hwnd, *state);
    case CB_GETCOUNT:
        return ToList(*state, LB_GETCOUNT, 0, 0);
    case CB_GETCURSEL:
        return ToList(*state, LB_GETCURSEL, 0, 0);
    case CB_SETCURSEL:
        return SetCurSel(hwnd, *state, wParam);
    case CB_FINDSTRING:
        return ToList(*state, LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT:
        return ToList(*state, LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING:
        return SelectString(hwnd, *state, wParam, lParam);
    case CB_GETLBTEXT:
        return ToList(*state, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return ToList(*state, LB_GETTEXTLEN, wParam, 0);
    case CB_SETITEMDATA:
        return ToList(*state, LB_SETITEMDATA, wParam, lParam);
    case CB_GETITEMDATA:
        return ToList(*state, LB_GETITEMDATA, wParam, 0);
    case CB_GETTOPINDEX:
        return ToList(*state, LB_GETTOPINDEX, 0, 0);
    case CB_SETTOPINDEX:
        return ToList(*state, LB_SETTOPINDEX, wParam, 0);
    case CB_SHOWDROPDOWN:
        if (wParam)
            ShowList(hwnd, *state);
        else
            HideList(hwnd, *state, false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return state->m_bDropped;
    case CB_GETDROPPEDCONTROLRECT:
        return GetDroppedRect(hwnd, *state, lParam);
    case CB_GETITEMHEIGHT:
        return GetItemHeight(*state, wParam);
    case CB_LIMITTEXT:
        if (state->m_hwndEdit != nullptr)
            SendMessageA(state->m_hwndEdit, EM_LIMITTEXT, wParam, 0);
        return TRUE;
    case CB_GETEDITSEL:
        return GetEditSelection(hwnd, *state, wParam, lParam);
    case CB_SETEDITSEL:
        return SetEditSelection(hwnd, *state, lParam);
    case WM_GETTEXT:
        return OnGetText(hwnd, *state, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return OnGetTextLength(hwnd, *state);
    case WM_SETTEXT:
        return OnSetText(hwnd, *state, lParam);
    case WM_COMMAND:
        return OnCommand(hwnd, *state, wParam, lParam);
    case WM_KEYDOWN:
        if (HandleKey(hwnd, *state, wParam))
            return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SYSKEYDOWN:
        if (HandleSysKey(hwnd, *state, wParam))
            return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_CHAR:
        return OnChar(hwnd, *state, wParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return OnLButtonDown(hwnd, *state, lParam);
    case WM_SETFOCUS:
        return OnSetFocus(hwnd, *state);
    case WM_KILLFOCUS:
        return OnKillFocus(hwnd, *state, wParam);
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DialogCodeExtra(*state);
    case WM_SIZE:
        return OnSize(hwnd, *state, lParam);
    case WM_SETFONT:
        return OnSetFont(hwnd, *state, wParam, lParam);
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->m_hFont);
    case WM_ENABLE:
        return OnEnable(hwnd, *state, wParam);
    case WM_PAINT:
        PaintControlBackground(hwnd, WM_CTLCOLORLISTBOX, COLOR_WINDOW);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void RegisterComboBoxClass()
{
    RegisterControlClass(kComboBoxClassName, ComboBoxWindowProc, CS_DBLCLKS | CS_PARENTDC);
}

}  // namespace win32::controls
