// The dialog manager's keyboard: IsDialogMessageA (Tab and Shift+Tab through
// tab stops, arrow keys within a group, Enter for the default button, Escape
// for Cancel, mnemonics), GetNextDlgTabItem, GetNextDlgGroupItem, and the
// default push button that follows the focus.
//
// Controls are walked in z-order (a template's order); a visible, enabled
// child with WS_EX_CONTROLPARENT is walked into instead of being a stop, as
// property sheets need for their pages.
#include "window_internal.h"

#include <algorithm>
#include <cctype>
#include <string>

using win32::core::Sys;
using win32::core::Window;

namespace {

constexpr char kMnemonicPrefix = '&';

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }

void CollectControls(HWND parent, std::vector<HWND>& out) {
    Window* window = Sys().Find(parent);
    if (!window) return;
    for (HWND child : window->children) {
        Window* control = Sys().Find(child);
        const bool container = (control->exStyle & WS_EX_CONTROLPARENT) && (control->style & WS_VISIBLE) &&
                               !(control->style & WS_DISABLED);
        if (container)
            CollectControls(child, out);
        else
            out.push_back(child);
    }
}

std::vector<HWND> ControlsOf(HWND dialog) {
    std::vector<HWND> controls;
    CollectControls(dialog, controls);
    return controls;
}

bool IsReachable(HWND control) {
    const DWORD style = StyleOf(control);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// Where a window stands in the list: itself, or the ancestor that is listed
// (the edit inside a combo box stands for the combo box).
std::ptrdiff_t IndexOf(const std::vector<HWND>& controls, HWND hwnd) {
    for (HWND current = hwnd; current; current = GetAncestor(current, GA_PARENT)) {
        auto found = std::find(controls.begin(), controls.end(), current);
        if (found != controls.end()) return found - controls.begin();
        if (!(StyleOf(current) & WS_CHILD)) break;
    }
    return -1;
}

LRESULT DialogCode(HWND control, WPARAM key = 0, const MSG* msg = nullptr) {
    return SendMessageA(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(msg));
}

// After the focus moves, the focused push button shows as the default; when
// the focus is elsewhere the dialog's default button does.
void FixDefaultButton(HWND dialog, HWND focus) {
    const LRESULT focusCode = focus ? DialogCode(focus) : 0;
    HWND shouldBeDefault = nullptr;
    if (focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
        shouldBeDefault = focus;
    } else {
        const LRESULT defId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
        if (HighWord(defId) == DC_HASDEFID) shouldBeDefault = GetDlgItem(dialog, LowWord(defId));
    }
    for (HWND control : ControlsOf(dialog)) {
        const LRESULT code = DialogCode(control);
        if ((code & DLGC_DEFPUSHBUTTON) && control != shouldBeDefault)
            SendMessageA(control, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        else if ((code & DLGC_UNDEFPUSHBUTTON) && control == shouldBeDefault)
            SendMessageA(control, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
}

// The mnemonic of a label: the character after a single '&'.
int MnemonicOf(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != kMnemonicPrefix) continue;
        if (text[i + 1] == kMnemonicPrefix) {
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(text[i + 1]));
    }
    return 0;
}

std::string TextOf(HWND hwnd) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A mnemonic clicks its button, or moves the focus to the control after its
// label (static text or group box). The search starts after the focus.
bool HandleMnemonic(HWND dialog, WPARAM character) {
    const int wanted = std::toupper(static_cast<int>(character & 0xFF));
    if (wanted == 0) return false;
    const std::vector<HWND> controls = ControlsOf(dialog);
    if (controls.empty()) return false;
    const std::ptrdiff_t focusIndex = IndexOf(controls, GetFocus());
    const size_t count = controls.size();
    for (size_t step = 1; step <= count; ++step) {
        const size_t index = (static_cast<size_t>(focusIndex + static_cast<std::ptrdiff_t>(count)) + step) % count;
        HWND control = controls[index];
        if (!IsReachable(control)) continue;
        const LRESULT code = DialogCode(control);
        if (!(code & (DLGC_BUTTON | DLGC_STATIC))) continue;
        if ((code & DLGC_STATIC) && (StyleOf(control) & SS_NOPREFIX)) continue;
        if (MnemonicOf(TextOf(control)) != wanted) continue;
        const bool label = (code & DLGC_STATIC) || (StyleOf(control) & BS_TYPEMASK) == BS_GROUPBOX;
        if (label) {
            if (HWND next = GetNextDlgTabItem(dialog, control, FALSE)) win32::core::DialogSetFocus(dialog, next);
        } else {
            SendMessageA(control, BM_CLICK, 0, 0);
        }
        return true;
    }
    return false;
}

void PressDefaultButton(HWND dialog) {
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) && (DialogCode(focus) & DLGC_DEFPUSHBUTTON)) {
        SendMessageA(dialog, WM_COMMAND, MakeWParam(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
        return;
    }
    const LRESULT defId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HighWord(defId) == DC_HASDEFID) {
        HWND button = GetDlgItem(dialog, LowWord(defId));
        if (!button || IsWindowEnabled(button))
            SendMessageA(dialog, WM_COMMAND, MakeWParam(LowWord(defId), BN_CLICKED), reinterpret_cast<LPARAM>(button));
        return;
    }
    SendMessageA(dialog, WM_COMMAND, MakeWParam(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

void PressCancel(HWND dialog) {
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) return;
    SendMessageA(dialog, WM_COMMAND, MakeWParam(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

void MoveInGroup(HWND dialog, HWND from, bool previous) {
    HWND next = GetNextDlgGroupItem(dialog, from, previous);
    if (!next) return;
    if (DialogCode(next) & DLGC_RADIOBUTTON) {
        win32::core::DialogSetFocus(dialog, next);
        if ((StyleOf(next) & BS_TYPEMASK) == BS_AUTORADIOBUTTON && SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
            SendMessageA(next, BM_CLICK, 0, 0);
        return;
    }
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

// A dialog inside a dialog (DS_CONTROL) leaves the keyboard to the outer one.
HWND OutermostDialog(HWND dialog) {
    for (;;) {
        if (!(StyleOf(dialog) & DS_CONTROL) || !(StyleOf(dialog) & WS_CHILD)) return dialog;
        HWND parent = GetParent(dialog);
        if (!parent || !win32::core::DialogOf(parent)) return dialog;
        dialog = parent;
    }
}

// True when the key was the dialog manager's.
bool HandleKeyDown(HWND dialog, const MSG& msg) {
    const LRESULT code = DialogCode(msg.hwnd, msg.wParam, &msg);
    if (code & DLGC_WANTMESSAGE) return false;
    switch (msg.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB) return false;
        SendMessageA(dialog, WM_NEXTDLGCTL, win32::core::IsKeyDown(VK_SHIFT) ? 1 : 0, 0);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS) return false;
        MoveInGroup(dialog, msg.hwnd, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
        return true;
    case VK_ESCAPE:
    case VK_CANCEL: PressCancel(dialog); return true;
    case VK_RETURN:
    case VK_EXECUTE: PressDefaultButton(dialog); return true;
    default: return false;
    }
}

bool HandleCharacter(HWND dialog, const MSG& msg) {
    const LRESULT code = DialogCode(msg.hwnd, msg.wParam, &msg);
    if (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) return false;
    if (msg.wParam == '\t' && (code & DLGC_WANTTAB)) return false;
    return HandleMnemonic(dialog, msg.wParam);
}

}  // namespace

namespace win32::core {

HWND FirstTabItem(HWND dialog) { return GetNextDlgTabItem(dialog, nullptr, FALSE); }

void DialogSetFocus(HWND dialog, HWND control) {
    if (DialogCode(control) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
    SetFocus(control);
    FixDefaultButton(dialog, control);
}

}  // namespace win32::core

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!IsWindow(hDlg)) return nullptr;
    const std::vector<HWND> controls = ControlsOf(hDlg);
    if (controls.empty()) return nullptr;
    const auto count = static_cast<std::ptrdiff_t>(controls.size());
    std::ptrdiff_t start = hCtl ? IndexOf(controls, hCtl) : -1;
    // Without a starting control the search starts at the last one going
    // forward (so the first stop comes next) and at the first going back.
    if (start < 0) start = bPrevious ? 0 : count - 1;
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t index = ((start + (bPrevious ? -step : step)) % count + count) % count;
        HWND control = controls[static_cast<size_t>(index)];
        if (IsReachable(control) && (StyleOf(control) & WS_TABSTOP)) return control;
    }
    return nullptr;
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!IsWindow(hDlg)) return nullptr;
    const std::vector<HWND> controls = ControlsOf(hDlg);
    const std::ptrdiff_t here = hCtl ? IndexOf(controls, hCtl) : -1;
    if (here < 0) {
        for (HWND control : controls)
            if (IsReachable(control)) return control;
        return nullptr;
    }
    // The group runs from the control with WS_GROUP at or before this one up
    // to the next WS_GROUP; without any WS_GROUP it is every control.
    std::ptrdiff_t first = here;
    while (first > 0 && !(StyleOf(controls[static_cast<size_t>(first)]) & WS_GROUP)) --first;
    std::ptrdiff_t end = here + 1;
    const auto count = static_cast<std::ptrdiff_t>(controls.size());
    while (end < count && !(StyleOf(controls[static_cast<size_t>(end)]) & WS_GROUP)) ++end;
    const std::ptrdiff_t size = end - first;
    for (std::ptrdiff_t step = 1; step < size; ++step) {
        const std::ptrdiff_t offset = ((here - first + (bPrevious ? -step : step)) % size + size) % size;
        HWND control = controls[static_cast<size_t>(first + offset)];
        if (IsReachable(control)) return control;
    }
    return controls[static_cast<size_t>(here)];
}

BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
    if (!lpMsg || !IsWindow(hDlg)) return FALSE;
    if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
    HWND dialog = OutermostDialog(hDlg);
    bool handled = false;
    switch (lpMsg->message) {
    case WM_KEYDOWN: handled = HandleKeyDown(dialog, *lpMsg); break;
    case WM_CHAR: handled = HandleCharacter(dialog, *lpMsg); break;
    case WM_SYSCHAR: handled = HandleMnemonic(dialog, lpMsg->wParam); break;
    default: break;
    }
    if (!handled) {
        TranslateMessage(lpMsg);
        DispatchMessageA(lpMsg);
    }
    return TRUE;
}
