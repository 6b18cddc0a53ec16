// CPropertySheet: tabs, pages created on first display, and the OK, Apply and
// Cancel sequences.
#include "framework/property_sheet.h"

#include <algorithm>

#include "dialog_template.h"
#include "framework/app.h"
#include "framework/resource_chain.h"
#include "framework_state.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(PSM_SETCURSEL, OnSetCurSel)
    ON_MESSAGE(PSM_CHANGED, OnChanged)
    ON_MESSAGE(PSM_UNCHANGED, OnUnchanged)
    ON_MESSAGE(PSM_CANCELTOCLOSE, OnCancelToClose)
    ON_MESSAGE(PSM_APPLY, OnApplyMessage)
    ON_MESSAGE(PSM_PRESSBUTTON, OnPressButton)
    ON_MESSAGE(PSM_GETCURRENTPAGEHWND, OnGetCurrentPageHwnd)
    ON_MESSAGE(PSM_QUERYSIBLINGS, OnQuerySiblings)
END_MESSAGE_MAP()

namespace {

// Layout, in dialog units of the sheet's 8-point font.
constexpr int kMargin = 7;
constexpr int kTabHeight = 14;
constexpr int kTabCharWidth = 4;    // one average character
constexpr int kTabTextPadding = 12;
constexpr int kTabMinWidth = 40;
constexpr int kPageGap = 4;          // between the tabs, the page and the buttons
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;
constexpr int kMinPageWidth = 100;
constexpr int kMinPageHeight = 50;
// Control IDs of the tabs: one per page from here.
constexpr UINT kFirstTabID = 0x3100;
constexpr UINT kMaxPages = 0x100;

constexpr char kOKCaption[] = "OK";
constexpr char kCancelCaption[] = "Cancel";
constexpr char kApplyCaption[] = "&Apply";
constexpr char kHelpCaption[] = "Help";
// What OK reads once the page's changes can no longer be cancelled.
constexpr char kCloseCaption[] = "Close";

constexpr DWORD kSheetStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;
constexpr DWORD kSheetExStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;

int TabWidth(const std::string& caption) {
    return std::max(kTabMinWidth, static_cast<int>(caption.size()) * kTabCharWidth + kTabTextPadding);
}

constexpr int kStandardButtons = 4;  // OK, Cancel, Apply, Help

}  // namespace

CPropertySheet::CPropertySheet() = default;

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption ? pszCaption : ""), m_pParentWnd(pParentWnd), m_nCurPage(static_cast<int>(iSelectPage)) {}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_nCurPage(static_cast<int>(iSelectPage)) {
    AfxLoadString(nIDCaption, m_strCaption);
}

CPropertySheet::~CPropertySheet() = default;

// ---- Attributes ----

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const {
    auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(m_nCurPage); }

std::string CPropertySheet::GetPageCaption(int nPage) const {
    CPropertyPage* pPage = GetPage(nPage);
    return pPage ? pPage->GetCaption() : std::string();
}

HWND CPropertySheet::GetTabButton(int nPage) const {
    return nPage >= 0 && nPage < static_cast<int>(m_tabButtons.size()) ? m_tabButtons[static_cast<size_t>(nPage)]
                                                                       : nullptr;
}

int CPropertySheet::FindPageByCaption(const std::string& caption) const {
    for (int nPage = 0; nPage < GetPageCount(); ++nPage) {
        if (GetPageCaption(nPage) == caption) return nPage;
    }
    return -1;
}

void CPropertySheet::SetTitle(LPCSTR lpszText) {
    m_strCaption = lpszText ? lpszText : "";
    if (m_hWnd) SetWindowText(m_strCaption.c_str());
}

// ---- Operations ----

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (!pPage || GetPageIndex(pPage) >= 0 || m_pages.size() >= kMaxPages) return;
    m_pages.push_back(pPage);
    if (m_hWnd) CreateTabButton(GetPageCount() - 1);
}

void CPropertySheet::AddButton(LPCSTR lpszCaption, UINT nID) {
    m_hostButtons.push_back({lpszCaption ? lpszCaption : "", nID});
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }

BOOL CPropertySheet::SetActivePage(int nPage) {
    CPropertyPage* pNew = GetPage(nPage);
    if (!pNew) return FALSE;
    if (!m_hWnd) {  // before the sheet exists: the page it starts with
        m_nCurPage = nPage;
        return TRUE;
    }
    CPropertyPage* pOld = GetActivePage();
    if (pOld == pNew && pNew->m_hWnd) return TRUE;
    // The page being left may refuse (it tells the user why itself).
    if (pOld && pOld->m_hWnd && NotifyPage(pOld, PSN_KILLACTIVE, 0) != FALSE) return FALSE;
    if (!pNew->m_hWnd && !CreatePageWindow(pNew)) return FALSE;
    if (NotifyPage(pNew, PSN_SETACTIVE, 0) != 0) return FALSE;
    if (pOld && pOld != pNew && pOld->m_hWnd) pOld->ShowWindow(SW_HIDE);
    pNew->ShowWindow(SW_SHOW);
    m_nCurPage = nPage;
    ShowActiveTab();
    return TRUE;
}

void CPropertySheet::PressButton(int nButton) {
    switch (nButton) {
    case PSBTN_OK: OnSheetOK(); break;
    case PSBTN_APPLYNOW: OnSheetApply(); break;
    case PSBTN_CANCEL: OnSheetCancel(); break;
    case PSBTN_HELP: OnSheetHelp(); break;
    default: break;
    }
}

std::vector<BYTE> CPropertySheet::BuildTemplate(DWORD dwStyle, DWORD dwExStyle) {
    m_pageArea = CSize(kMinPageWidth, kMinPageHeight);
    for (CPropertyPage* pPage : m_pages) {
        const CSize size = pPage->GetTemplateSize();
        m_pageArea.cx = std::max(m_pageArea.cx, size.cx);
        m_pageArea.cy = std::max(m_pageArea.cy, size.cy);
    }
    const int nButtons = kStandardButtons + static_cast<int>(m_hostButtons.size());
    const int buttonRowWidth = nButtons * kButtonWidth + (nButtons - 1) * kButtonGap;
    const int cx = 2 * kMargin + std::max(static_cast<int>(m_pageArea.cx), buttonRowWidth);
    const int cy = kMargin + kTabHeight + kPageGap + static_cast<int>(m_pageArea.cy) + kPageGap + kButtonHeight + kMargin;
    return MakeEmptyDialogTemplate(dwStyle, dwExStyle, static_cast<short>(cx), static_cast<short>(cy), m_strCaption);
}

INT_PTR CPropertySheet::DoModal() {
    if (m_hWnd) return -1;
    const std::vector<BYTE> sheetTemplate = BuildTemplate(kSheetStyle, kSheetExStyle);
    m_bModeless = false;
    m_nResult = 0;
    HWND hWndOwner = AfxGetSafeHwnd(m_pParentWnd);
    if (!hWndOwner) hWndOwner = AfxGetSafeHwnd(AfxGetMainWnd());
    AfxState().pWndInit = this;
    const INT_PTR nResult = ::DialogBoxIndirectParamA(
        AfxGetInstanceHandle(), static_cast<LPCDLGTEMPLATE>(static_cast<const void*>(sheetTemplate.data())), hWndOwner,
        AfxDlgProc, reinterpret_cast<LPARAM>(this));
    if (AfxState().pWndInit == this) AfxState().pWndInit = nullptr;
    return nResult;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
    if (m_hWnd) return FALSE;
    if (dwStyle == static_cast<DWORD>(-1)) dwStyle = kSheetStyle | WS_VISIBLE;
    const std::vector<BYTE> sheetTemplate = BuildTemplate(dwStyle, dwExStyle | kSheetExStyle);
    m_pParentWnd = pParentWnd;
    m_bModeless = true;
    m_nResult = 0;
    AfxState().pWndInit = this;
    HWND hWnd = ::CreateDialogIndirectParamA(
        AfxGetInstanceHandle(), static_cast<LPCDLGTEMPLATE>(static_cast<const void*>(sheetTemplate.data())),
        AfxGetSafeHwnd(pParentWnd), AfxDlgProc, reinterpret_cast<LPARAM>(this));
    if (AfxState().pWndInit == this) AfxState().pWndInit = nullptr;
    return hWnd && m_hWnd == hWnd;
}

// ---- Creation of the sheet's windows ----

CRect CPropertySheet::DialogUnitsToPixels(int x, int y, int cx, int cy) const {
    RECT rect{x, y, x + cx, y + cy};
    ::MapDialogRect(m_hWnd, &rect);
    return rect;
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) {
    m_tabButtons.clear();
    m_changedPages.clear();
    for (int nPage = 0; nPage < GetPageCount(); ++nPage) CreateTabButton(nPage);
    CreateButtonRow();
    const int nFirst = m_nCurPage;
    m_nCurPage = -1;
    if (!SetActivePage(nFirst)) SetActivePage(0);
    return TRUE;
}

namespace {
HWND CreateButton(HWND hWndParent, LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, UINT nID) {
    HWND hWnd = ::CreateWindowExA(0, "Button", lpszCaption, WS_CHILD | WS_VISIBLE | dwStyle, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, hWndParent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), AfxGetInstanceHandle(), nullptr);
    ::SendMessageA(hWnd, WM_SETFONT, static_cast<WPARAM>(::SendMessageA(hWndParent, WM_GETFONT, 0, 0)), FALSE);
    return hWnd;
}
}  // namespace

void CPropertySheet::CreateTabButton(int nPage) {
    int x = kMargin;
    for (int nBefore = 0; nBefore < nPage; ++nBefore) x += TabWidth(GetPageCaption(nBefore));
    const std::string caption = GetPageCaption(nPage);
    const CRect rect = DialogUnitsToPixels(x, kMargin, TabWidth(caption), kTabHeight);
    // Tabs take clicks but no Tab-key stop: the key moves through the page and the buttons.
    m_tabButtons.push_back(CreateButton(m_hWnd, caption.c_str(), BS_PUSHBUTTON, rect, kFirstTabID + static_cast<UINT>(nPage)));
}

void CPropertySheet::CreateButtonRow() {
    CRect client;
    GetClientRect(&client);
    const CRect unit = DialogUnitsToPixels(0, 0, kButtonWidth, kButtonHeight);
    const CRect gap = DialogUnitsToPixels(0, 0, kButtonGap, kMargin);
    const int y = client.bottom - gap.Height() - unit.Height();
    // Right-aligned: [host buttons] OK Cancel Apply Help.
    struct Row {
        LPCSTR lpszCaption;
        UINT nID;
        DWORD dwStyle;
    };
    std::vector<Row> row;
    for (const HostButton& button : m_hostButtons) row.push_back({button.strCaption.c_str(), button.nID, WS_TABSTOP});
    row.push_back({kOKCaption, IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON});
    row.push_back({kCancelCaption, IDCANCEL, WS_TABSTOP});
    row.push_back({kApplyCaption, ID_APPLY_NOW, WS_TABSTOP | WS_DISABLED});  // enabled once a page is changed
    row.push_back({kHelpCaption, IDHELP, WS_TABSTOP});
    const int rowWidth = static_cast<int>(row.size()) * (unit.Width() + gap.Width()) - gap.Width();
    int x = client.right - DialogUnitsToPixels(0, 0, kMargin, 0).Width() - rowWidth;
    for (const Row& button : row) {
        CreateButton(m_hWnd, button.lpszCaption, button.dwStyle, CRect(x, y, x + unit.Width(), y + unit.Height()), button.nID);
        x += unit.Width() + gap.Width();
    }
}

BOOL CPropertySheet::CreatePageWindow(CPropertyPage* pPage) {
    if (!pPage->CreatePage(this)) return FALSE;
    const CRect area = DialogUnitsToPixels(kMargin, kMargin + kTabHeight + kPageGap, 0, 0);
    // After the tabs in the z-order, so that Tab reaches the page's controls before the buttons.
    HWND hWndAfter = m_tabButtons.empty() ? HWND_TOP : m_tabButtons.back();
    ::SetWindowPos(pPage->m_hWnd, hWndAfter, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CPropertySheet::ShowActiveTab() {
    for (size_t nTab = 0; nTab < m_tabButtons.size(); ++nTab) {
        ::SendMessageA(m_tabButtons[nTab], BM_SETSTATE, static_cast<int>(nTab) == m_nCurPage, 0);
    }
}

// ---- Talking to the pages ----

LRESULT CPropertySheet::NotifyPage(CPropertyPage* pPage, UINT nCode, LPARAM lParam) {
    PSHNOTIFY notify{};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = 0;
    notify.hdr.code = nCode;
    notify.lParam = lParam;
    return ::SendMessageA(pPage->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

bool CPropertySheet::ApplyPages(bool bClosing) {
    CPropertyPage* pActive = GetActivePage();
    if (pActive && pActive->m_hWnd && NotifyPage(pActive, PSN_KILLACTIVE, 0) != FALSE) return false;
    for (int nPage = 0; nPage < GetPageCount(); ++nPage) {
        CPropertyPage* pPage = m_pages[static_cast<size_t>(nPage)];
        if (!pPage->m_hWnd) continue;  // never shown: nothing to apply
        const LRESULT lResult = NotifyPage(pPage, PSN_APPLY, bClosing);
        if (lResult == PSNRET_NOERROR) continue;
        if (lResult == PSNRET_INVALID) SetActivePage(nPage);
        return false;
    }
    m_changedPages.clear();
    if (HWND hWndApply = ::GetDlgItem(m_hWnd, ID_APPLY_NOW)) ::EnableWindow(hWndApply, FALSE);
    return true;
}

void CPropertySheet::CloseSheet(int nResult) {
    m_nResult = nResult;
    if (m_bModeless) {
        DestroyWindow();
    } else {
        ::EndDialog(m_hWnd, nResult);
    }
}

void CPropertySheet::OnSheetOK() {
    if (ApplyPages(true)) CloseSheet(IDOK);
}

void CPropertySheet::OnSheetApply() { ApplyPages(false); }

void CPropertySheet::OnSheetCancel() {
    CPropertyPage* pActive = GetActivePage();
    if (pActive && pActive->m_hWnd && NotifyPage(pActive, PSN_QUERYCANCEL, 0) != FALSE) return;
    for (CPropertyPage* pPage : m_pages) {
        if (pPage->m_hWnd) NotifyPage(pPage, PSN_RESET, 0);
    }
    CloseSheet(IDCANCEL);
}

void CPropertySheet::OnSheetHelp() {
    if (CPropertyPage* pActive = GetActivePage(); pActive && pActive->m_hWnd) NotifyPage(pActive, PSN_HELP, 0);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;  // the host's own entries first
    const UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED) return FALSE;
    if (nID >= kFirstTabID && nID < kFirstTabID + m_tabButtons.size()) {
        SetActivePage(static_cast<int>(nID - kFirstTabID));
        return TRUE;
    }
    switch (nID) {
    case IDOK: OnSheetOK(); return TRUE;
    case IDCANCEL:
        // After CancelToClose the disabled Cancel button no longer cancels (Escape and the close box neither).
        if (HWND hWndCancel = ::GetDlgItem(m_hWnd, IDCANCEL); hWndCancel && !::IsWindowEnabled(hWndCancel)) return TRUE;
        OnSheetCancel();
        return TRUE;
    case ID_APPLY_NOW: OnSheetApply(); return TRUE;
    case IDHELP: OnSheetHelp(); return TRUE;
    default: return FALSE;
    }
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) { return m_bModeless && m_hWnd && ::IsDialogMessageA(m_hWnd, pMsg); }

// ---- Property-sheet messages ----

LRESULT CPropertySheet::OnSetCurSel(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0) {
        for (CPropertyPage* pPage : m_pages) {
            if (reinterpret_cast<LPARAM>(pPage->m_hWnd) == lParam) return SetActivePage(pPage);
        }
    }
    return SetActivePage(static_cast<int>(wParam));
}

LRESULT CPropertySheet::OnChanged(WPARAM wParam, LPARAM) {
    m_changedPages.insert(reinterpret_cast<HWND>(wParam));
    if (HWND hWndApply = ::GetDlgItem(m_hWnd, ID_APPLY_NOW)) ::EnableWindow(hWndApply, TRUE);
    return 0;
}

LRESULT CPropertySheet::OnUnchanged(WPARAM wParam, LPARAM) {
    m_changedPages.erase(reinterpret_cast<HWND>(wParam));
    if (m_changedPages.empty()) {
        if (HWND hWndApply = ::GetDlgItem(m_hWnd, ID_APPLY_NOW)) ::EnableWindow(hWndApply, FALSE);
    }
    return 0;
}

LRESULT CPropertySheet::OnCancelToClose(WPARAM, LPARAM) {
    ::SetDlgItemTextA(m_hWnd, IDOK, kCloseCaption);
    if (HWND hWndCancel = ::GetDlgItem(m_hWnd, IDCANCEL)) ::EnableWindow(hWndCancel, FALSE);
    return 0;
}

LRESULT CPropertySheet::OnApplyMessage(WPARAM, LPARAM) { return ApplyPages(false) ? TRUE : FALSE; }

LRESULT CPropertySheet::OnPressButton(WPARAM wParam, LPARAM) {
    PressButton(static_cast<int>(wParam));
    return 0;
}

// Null once the sheet has closed: a modeless sheet's owner polls this.
LRESULT CPropertySheet::OnGetCurrentPageHwnd(WPARAM, LPARAM) {
    CPropertyPage* pActive = GetActivePage();
    return reinterpret_cast<LRESULT>(pActive ? pActive->m_hWnd : nullptr);
}

LRESULT CPropertySheet::OnQuerySiblings(WPARAM wParam, LPARAM lParam) {
    for (CPropertyPage* pPage : m_pages) {
        if (!pPage->m_hWnd) continue;
        if (LRESULT lResult = ::SendMessageA(pPage->m_hWnd, PSM_QUERYSIBLINGS, wParam, lParam)) return lResult;
    }
    return 0;
}
