// CWnd: the framework's window object.
//
// A CWnd is permanent when the framework owns the link to its window (it
// created, attached or subclassed it) and temporary when FromHandle wrapped a
// foreign handle; temporary objects stay valid until the idle clean-up
// (CWinApp::OnIdle or CWnd::DeleteTempMap) and must not be stored.
//
// Messages reach a permanent object through the framework's window procedure:
// WindowProc -> OnWndMsg (OnCommand, OnNotify, then the message map) -> else
// DefWindowProc, which calls the window's previous procedure (a subclassed
// control's own, the dialog manager's) or DefWindowProcA.
#pragma once

#include <string>

#include "framework/message_map.h"

class CDataExchange;
class CFont;
class CDC;
class CMenu;

class FRAMEWORK_API CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    // ---- Attributes ----
    HWND m_hWnd = nullptr;

    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The permanent object of the handle, else a temporary one; null for null.
    static CWnd* FromHandle(HWND hWnd);
    // The permanent object of the handle, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Deletes every temporary window object.
    static void DeleteTempMap();

    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Routes the window's messages through this object's map before its own procedure.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);

    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetTopWindow() const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    BOOL IsChild(const CWnd* pWnd) const;

    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(std::string& rString) const;
    std::string GetWindowText() const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, std::string& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowVisible() const;
    BOOL ShowWindow(int nCmdShow);

    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);

    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    // The font the window reports (WM_GETFONT); null when it uses the system font.
    CFont* GetFont() const;

    CWnd* SetFocus();
    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();

    // ---- Operations ----
    // A window of the class (null: the framework's own class), owned by this object.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    // A temporary device-context object for the window's client area; give it back with ReleaseDC.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);

    // Moves data between the controls and the fields: TRUE saves the controls
    // into the fields and validates; FALSE fills the controls. FALSE on failure.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Calls the window's default processing for the message being handled.
    LRESULT Default();
    // The message being dispatched.
    static const MSG* GetCurrentMessage();

    // ---- Overridables ----
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void DoDataExchange(CDataExchange* pDX);
    // Called after the window's last message; the object may delete itself here.
    virtual void PostNcDestroy();
    virtual void PreSubclassWindow();

    // Runs PreTranslateMessage from the message's window up to hWndStop.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // ---- Message handlers: each default passes the message to Default() ----
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    // pScrollBar is the sending control when it is a framework CScrollBar, else null.
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnClose();

    // ---- Implementation ----
    // The procedure the window had before the framework subclassed it.
    WNDPROC m_pfnSuper = nullptr;

    // Binds the object being created to its new window (first message seen).
    static CWnd* AttachInitWindow(HWND hWnd);
    // Unlinks the window at its last message and calls PostNcDestroy.
    void FinishNcDestroy();
    // Runs a window message through the object with the current-message bookkeeping.
    static LRESULT CallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()

    // Calls a window-message entry's handler with the message's arguments.
    LRESULT CallHandler(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam, LPARAM lParam);
};

// The window of an object that may be null.
inline HWND AfxGetSafeHwnd(const CWnd* pWnd) { return pWnd ? pWnd->m_hWnd : nullptr; }

// The framework's window class (registered on first use), for CWnd::Create with no class name.
#define AFX_WND_CLASS "AfxWnd"
