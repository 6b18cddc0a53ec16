// The options-page contract: construction and the help request to the host
// (the virtual operations are inline in the header).
#include "cfg_tab.h"

namespace {

std::string OrEmpty(LPCSTR lpsz) { return lpsz ? lpsz : ""; }

bool IsKeyHeld(int nVirtKey) { return ::GetKeyState(nVirtKey) < 0; }

}  // namespace

CCfgTab::CCfgTab(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol, UINT nIDTemplate, UINT nIDCaption)
    : CBasePropertyPage(nIDTemplate, nIDCaption),
      m_strSource(OrEmpty(lpszSource)),
      m_strProtocol(OrEmpty(lpszProtocol)),
      m_strExtra(OrEmpty(lpszExtra)),
      m_nTemplateID(nIDTemplate) {}

CCfgTab::CCfgTab(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol, LPCSTR lpszTemplateName,
                 UINT nIDCaption)
    : CBasePropertyPage(lpszTemplateName, nIDCaption),
      m_strSource(OrEmpty(lpszSource)),
      m_strProtocol(OrEmpty(lpszProtocol)),
      m_strExtra(OrEmpty(lpszExtra)),
      m_strTemplateName(OrEmpty(lpszTemplateName)) {}

BOOL SendHelpRequestToHost(CWnd& wnd, UINT nHelpID, HELPINFO* pHelpInfo) {
    CWnd* pMainWnd = AfxGetMainWnd();
    const bool bModifierHeld = IsKeyHeld(VK_SHIFT) || IsKeyHeld(VK_CONTROL) || IsKeyHeld(VK_MENU);
    if (pMainWnd && !bModifierHeld) {
        pMainWnd->SendMessage(WM_COMMANDHELP, CFG_TAB_HELP_BASE + nHelpID, 0);
        return TRUE;
    }
    return wnd.CWnd::OnHelpInfo(pHelpInfo);
}
