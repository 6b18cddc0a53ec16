// CMainWindow: tovik's hidden top-level window, the main window of its
// user-interface thread. The plug-in's pages send their help requests here,
// and, as the owner of the options sheet, it is the grandparent of every
// page: a page's request to turn Cancel into Close (PSM_CANCELTOCLOSE) that
// arrives here goes on to the sheet.
#pragma once

#include <afxwin.h>

#include <functional>
#include <ostream>
#include <utility>

class CMainWindow : public CWnd {
public:
    // What the front end does with a help request: the topic as WM_COMMANDHELP gives it.
    using HelpHandler = std::function<void(DWORD_PTR dwTopic)>;

    // Help requests are reported on out as "help TOPIC" lines.
    explicit CMainWindow(std::ostream& out);
    explicit CMainWindow(HelpHandler onHelp) : m_onHelp(std::move(onHelp)) {}

    BOOL CreateHidden();

protected:
    DECLARE_MESSAGE_MAP()
    // WM_COMMANDHELP: wParam is the help topic (0x20000 + template ID); nothing is returned.
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    // PSM_CANCELTOCLOSE: passed on to every property sheet this window owns.
    afx_msg LRESULT OnCancelToClose(WPARAM wParam, LPARAM lParam);

private:
    HelpHandler m_onHelp;
};
