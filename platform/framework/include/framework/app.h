// The application object, message boxes and string resources.
//
// Index:
//   CWinThread       the user-interface thread: main window, message pump, idle work
//   CWinApp          the one application object of the process
//   AfxGetApp, AfxGetThread, AfxGetMainWnd, AfxGetAppName
//   AfxMessageBox    by text or string number, owned by the main window, captioned with the application's name
//   AfxLoadString, AfxFormatString1/2   strings found through the resource chain
//   WM_COMMANDHELP   the framework's command-help request (wParam: help context)
#pragma once

#include <string>

#include "framework/message_map.h"

class CWnd;

#define WM_COMMANDHELP 0x0365
#define ID_HELP 0xE146

class FRAMEWORK_API CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWnd* m_pMainWnd = nullptr;
    MSG m_msgCur{};

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Pumps messages, doing idle work whenever the queue is empty, until WM_QUIT.
    virtual int Run();
    // Takes and dispatches one message; FALSE at WM_QUIT.
    virtual BOOL PumpMessage();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Idle work; the default deletes the temporary window, GDI and DC objects.
    // Returns TRUE when more idle work remains.
    virtual BOOL OnIdle(LONG lCount);
};

class FRAMEWORK_API CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The application's name defaults to the executable's base name, the
    // profile file to that name with ".INI".
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCSTR m_pszAppName = nullptr;
    // The application's profile-file name; the host sets it before pages are made.
    LPCSTR m_pszProfileName = nullptr;
    LPCSTR m_pszExeName = nullptr;
    HINSTANCE m_hInstance = nullptr;

    // Replace the names with owned copies.
    void SetAppName(const std::string& name);
    void SetProfileName(const std::string& name);

    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

private:
    std::string m_strAppName;
    std::string m_strProfileName;
    std::string m_strExeName;
};

FRAMEWORK_API CWinApp* AfxGetApp();
FRAMEWORK_API CWinThread* AfxGetThread();
// The main window of the current user-interface thread, or null.
FRAMEWORK_API CWnd* AfxGetMainWnd();
FRAMEWORK_API LPCSTR AfxGetAppName();

FRAMEWORK_API int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The string of that number through the resource chain; nIDHelp (UINT)-1 means the string's number.
FRAMEWORK_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// Copies the string into the buffer (truncated, NUL-terminated); its length, 0 when absent.
FRAMEWORK_API int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf);
// The whole string; FALSE (and an empty string) when no module of the chain has it.
FRAMEWORK_API BOOL AfxLoadString(UINT nID, std::string& rString);
// The string with "%1" (and "%2") replaced.
FRAMEWORK_API void AfxFormatString1(std::string& rString, UINT nIDS, LPCSTR lpsz1);
FRAMEWORK_API void AfxFormatString2(std::string& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2);
