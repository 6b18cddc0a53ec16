// tovik's main window. It stays hidden: the options sheet is owned by it, and
// help requests from the pages arrive here as WM_COMMANDHELP.
#include "main_window.h"

#include <afxdlgs.h>

BEGIN_MESSAGE_MAP(CMainWindow, CWnd)
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
    ON_MESSAGE(PSM_CANCELTOCLOSE, OnCancelToClose)
END_MESSAGE_MAP()

namespace {
constexpr char kMainWindowTitle[] = "Tovik";
constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // never shown: no WS_VISIBLE
}  // namespace

CMainWindow::CMainWindow(std::ostream& out)
    : m_onHelp([&out](DWORD_PTR dwTopic) { out << "help " << static_cast<unsigned long>(dwTopic) << '\n'; }) {}

BOOL CMainWindow::CreateHidden() {
    const RECT rect{0, 0, 0, 0};
    // No class name: the framework registers and uses its own class.
    return CreateEx(0, nullptr, kMainWindowTitle, kMainWindowStyle, rect, nullptr, 0);
}

LRESULT CMainWindow::OnCommandHelp(WPARAM wParam, LPARAM) {
    // Tovik has no help viewer here: the front end shows which topic was asked for.
    if (m_onHelp) m_onHelp(wParam);
    return 0;
}

LRESULT CMainWindow::OnCancelToClose(WPARAM wParam, LPARAM lParam) {
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && ::GetWindow(hWnd, GW_OWNER) == m_hWnd && pWnd->IsKindOf(RUNTIME_CLASS(CPropertySheet))) {
            pWnd->SendMessage(PSM_CANCELTOCLOSE, wParam, lParam);
        }
    }
    return 0;
}
