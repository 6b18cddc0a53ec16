// Dialog data exchange: moving values between a window's controls and its
// fields (DoDataExchange, driven by CWnd::UpdateData).
//
// Index:
//   CDataExchange      direction, the window, the control being exchanged, Fail()
//   DDX_Check          check box state <-> int (0 cleared, 1 set, 2 indeterminate)
//   DDX_Text           edit text <-> std::string, int, UINT (= DWORD), long, double
//   DDV_MinMaxInt      range check on save
//
// A failing exchange tells the user why (AfxMessageBox), then calls Fail(),
// which puts the focus on the control and throws; UpdateData catches it and
// returns FALSE.
#pragma once

#include <string>

#include "framework/wnd.h"

class FRAMEWORK_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls into fields; FALSE: fields into controls
    CWnd* m_pDlgWnd;

    // The control with that ID, remembered as the one a failure returns to; null if absent.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    [[noreturn]] void Fail();

    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

FRAMEWORK_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// DWORD is the same type as UINT here, so this overload serves both.
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
FRAMEWORK_API void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
