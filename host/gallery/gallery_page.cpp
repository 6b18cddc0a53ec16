// The gallery pages' shared reporting.
#include "gallery_page.h"

#include <cstdio>

namespace {
constexpr size_t kNotifyLineSize = 48;
}  // namespace

LRESULT CGalleryPage::ReplyToNotification(int, UINT) { return 0; }

BOOL CGalleryPage::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const int nID = LOWORD(wParam);
    if (message != WM_COMMAND || !m_toolkitControls.contains(nID)) {
        return CPropertyPage::OnWndMsg(message, wParam, lParam, pResult);
    }
    const UINT nCode = HIWORD(wParam);
    char line[kNotifyLineSize];
    std::snprintf(line, sizeof line, "notify %d 0x%x", nID, nCode);
    m_report << line << '\n';
    // The page's own handlers still see the notification; the reply is the page's.
    CPropertyPage::OnWndMsg(message, wParam, lParam, pResult);
    *pResult = ReplyToNotification(nID, nCode);
    return TRUE;
}
