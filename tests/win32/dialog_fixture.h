// Shared by the dialog tests: small stand-ins for buttons, edits and labels
// that answer WM_GETDLGCODE the way the real controls do (and record what
// they get), and a dialog procedure that records commands and ends the
// dialog on IDOK and IDCANCEL.
#pragma once

#include "window_recorder.h"

#include <win32_dialog_template.h>

#include <string>
#include <vector>

namespace dialog_test {

inline constexpr char kStubButton[] = "StubButton";
inline constexpr char kStubEdit[] = "StubEdit";
inline constexpr char kStubLabel[] = "StubLabel";
inline constexpr int kCheckOffset = 0;

inline UINT ButtonType(HWND hwnd) { return static_cast<UINT>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

inline bool IsRadio(HWND hwnd) { return ButtonType(hwnd) == BS_RADIOBUTTON || ButtonType(hwnd) == BS_AUTORADIOBUTTON; }

inline void Notify(HWND control, WORD code) {
    const auto id = static_cast<WORD>(GetDlgCtrlID(control));
    SendMessageA(GetParent(control), WM_COMMAND, static_cast<WPARAM>((static_cast<DWORD>(code) << 16) | id),
                 reinterpret_cast<LPARAM>(control));
}

// Clicking an auto radio button checks it and clears the other radios of its siblings.
inline void StubClick(HWND button) {
    if (ButtonType(button) == BS_AUTORADIOBUTTON) {
        for (HWND sibling = GetWindow(button, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
            if (IsRadio(sibling)) SetWindowLongPtrA(sibling, kCheckOffset, sibling == button ? BST_CHECKED : 0);
    }
    Notify(button, BN_CLICKED);
}

inline LRESULT CALLBACK StubButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    window_test::MessageLog::Get().Record(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_GETDLGCODE:
        switch (ButtonType(hwnd)) {
        case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX: return DLGC_STATIC;
        default: return DLGC_BUTTON;
        }
    case BM_SETSTYLE: {
        const auto style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>((style & ~DWORD{BS_TYPEMASK}) | (wParam & BS_TYPEMASK)));
        return 0;
    }
    case BM_GETCHECK: return GetWindowLongPtrA(hwnd, kCheckOffset);
    case BM_SETCHECK: SetWindowLongPtrA(hwnd, kCheckOffset, static_cast<LONG_PTR>(wParam)); return 0;
    case BM_CLICK:  // as a press and release of the mouse would
        SetFocus(hwnd);
        StubClick(hwnd);
        return 0;
    case WM_LBUTTONDOWN: SetFocus(hwnd); return 0;
    case WM_LBUTTONUP: StubClick(hwnd); return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

inline LRESULT CALLBACK StubEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    window_test::MessageLog::Get().Record(hwnd, message, wParam, lParam);
    if (message == WM_GETDLGCODE) return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (message == WM_LBUTTONDOWN) SetFocus(hwnd);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

inline LRESULT CALLBACK StubLabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    window_test::MessageLog::Get().Record(hwnd, message, wParam, lParam);
    if (message == WM_GETDLGCODE) return DLGC_STATIC;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

inline void RegisterStubControls() {
    WNDCLASSA wc{};
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.lpfnWndProc = StubButtonProc;
    wc.lpszClassName = kStubButton;
    RegisterClassA(&wc);
    wc.lpfnWndProc = StubEditProc;
    wc.lpszClassName = kStubEdit;
    RegisterClassA(&wc);
    wc.lpfnWndProc = StubLabelProc;
    wc.lpszClassName = kStubLabel;
    RegisterClassA(&wc);
}

// What the dialog procedure saw.
struct DialogRecord {
    std::vector<WPARAM> commands;  // wParam of each WM_COMMAND
    HWND initFocus = nullptr;      // WM_INITDIALOG's wParam
    LPARAM initParam = 0;
    std::vector<HELPINFO> help;
    INT_PTR initResult = TRUE;     // what WM_INITDIALOG answers
};

inline DialogRecord& Record() {
    static DialogRecord record;
    return record;
}

inline INT_PTR CALLBACK RecordingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogRecord& record = Record();
    switch (message) {
    case WM_INITDIALOG:
        record.initFocus = reinterpret_cast<HWND>(wParam);
        record.initParam = lParam;
        return record.initResult;
    case WM_COMMAND:
        record.commands.push_back(wParam);
        if (wParam == IDOK || wParam == IDCANCEL) EndDialog(dialog, static_cast<INT_PTR>(wParam));
        return TRUE;
    case WM_HELP:
        record.help.push_back(*reinterpret_cast<const HELPINFO*>(lParam));
        return TRUE;
    default: return FALSE;
    }
}

class DialogTest : public window_test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterStubControls();
        Record() = DialogRecord{};
    }
    static std::vector<WPARAM>& Commands() { return Record().commands; }
    static HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
};

}  // namespace dialog_test
