// The options-page contract: construction, the help request to the host, the
// base's message handlers and the toolbox (the virtual operations are inline
// in the header).
#include "cfg_tab.h"

#include <span>
#include <string_view>
#include <utility>

#include "help_launcher.h"

namespace {

// Class names are read into a buffer of this size and compared exactly.
constexpr int kClassNameSize = 128;
constexpr std::string_view kComboBoxClass = "ComboBox";
constexpr std::string_view kComboListClass = "ComboLBox";
constexpr std::string_view kEditClass = "Edit";
constexpr std::string_view kButtonClass = "Button";

// BM_SETSTYLE takes the style's low byte, the button type in its low bits.
constexpr DWORD kButtonStyleByte = 0xFF;
constexpr WPARAM kNoSelection = static_cast<WPARAM>(-1);  // CB_SETCURSEL -1, also "from the start" for CB_FINDSTRING
constexpr WPARAM kAppend = static_cast<WPARAM>(-1);       // CB_INSERTSTRING at the end

constexpr char kEnableGroupsError[] = "Error in EnableControlGroups";

std::string OrEmpty(LPCSTR lpsz) { return lpsz ? lpsz : ""; }

bool IsKeyHeld(int nVirtKey) { return ::GetKeyState(nVirtKey) < 0; }

// The kinds of control the toolbox's walks tell apart.
enum class ControlKind {
    ComboBox,     // "ComboBox" or "ComboLBox"
    Edit,         // "Edit"
    CheckBox,     // "Button" of type BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE, BS_AUTO3STATE
    RadioButton,  // "Button" of type BS_RADIOBUTTON, BS_AUTORADIOBUTTON
    OtherButton,  // any other "Button"
    Other,
};

DWORD StyleOf(HWND hWnd) { return static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE)); }

ControlKind KindOf(HWND hWnd) {
    char className[kClassNameSize] = {};
    ::GetClassNameA(hWnd, className, kClassNameSize);
    const std::string_view name = className;
    if (name == kComboBoxClass || name == kComboListClass) return ControlKind::ComboBox;
    if (name == kEditClass) return ControlKind::Edit;
    if (name != kButtonClass) return ControlKind::Other;
    switch (StyleOf(hWnd) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return ControlKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return ControlKind::RadioButton;
    default: return ControlKind::OtherButton;
    }
}

std::string TextOf(HWND hWnd) { return CWnd::FromHandle(hWnd)->GetWindowText(); }

int CheckOf(HWND hWnd) { return static_cast<int>(::SendMessageA(hWnd, BM_GETCHECK, 0, 0)); }

// Writes the control's record and answers true when the control has a value.
bool RecordControl(HWND hControl, ControlState& state) {
    switch (KindOf(hControl)) {
    case ControlKind::ComboBox:
        if (::SendMessageA(hControl, CB_GETCURSEL, 0, 0) < 0) return false;
        state.nID = ::GetDlgCtrlID(hControl);
        state.strText = TextOf(hControl);
        return true;
    case ControlKind::Edit: {
        std::string text = TextOf(hControl);
        if (text.empty()) return false;
        state.nID = ::GetDlgCtrlID(hControl);
        state.strText = std::move(text);
        return true;
    }
    case ControlKind::CheckBox:
        if (CheckOf(hControl) == BST_INDETERMINATE) return false;
        [[fallthrough]];
    case ControlKind::RadioButton:
        state.nID = ::GetDlgCtrlID(hControl);
        state.nCheck = CheckOf(hControl);
        return true;
    case ControlKind::OtherButton:
    case ControlKind::Other: return false;
    }
    return false;
}

void EnableGroup(CWnd& dialog, const int* pIDs, BOOL bEnable) {
    for (; *pIDs != 0; ++pIDs) {
        CWnd* pControl = dialog.GetDlgItem(*pIDs);
        if (pControl && pControl->m_hWnd) pControl->EnableWindow(bEnable);
    }
}

}  // namespace

// ---- Construction ----

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

// ---- Message handlers ----

BOOL CCfgTab::OnHelpInfo(HELPINFO* /*pHelpInfo*/) {
    const UINT nTopic = CFG_TAB_HELP_BASE + m_nIDHelp;
#if DORVANE_EARLIER_EDITION
    static CHtmlHelpEntry htmlHelp;
    return OpenHostHelpFile(htmlHelp, nTopic);
#else
    LaunchHelp(static_cast<int>(nTopic));
    return TRUE;  // handled, whatever the launch achieved
#endif
}

void CCfgTab::OnTimer(UINT_PTR nIDEvent) {
    EndCaptionTimer();
    CBasePropertyPage::OnTimer(nIDEvent);
}

// ---- Clearing, recording and replaying control values ----

void CCfgTab::ClearControlsOfPage() {
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        switch (KindOf(hChild)) {
        case ControlKind::ComboBox: ::SendMessageA(hChild, CB_SETCURSEL, kNoSelection, 0); break;
        case ControlKind::Edit: ::SetWindowTextA(hChild, ""); break;
        case ControlKind::CheckBox: {
            // A box that can show "no value" must be a three-state one.
            const DWORD dwOtherBits = StyleOf(hChild) & kButtonStyleByte & ~static_cast<DWORD>(BS_TYPEMASK);
            ::SendMessageA(hChild, BM_SETSTYLE, dwOtherBits | BS_AUTO3STATE, TRUE);
            ::SendMessageA(hChild, BM_SETCHECK, BST_INDETERMINATE, 0);
            break;
        }
        case ControlKind::RadioButton:
        case ControlKind::OtherButton: ::SendMessageA(hChild, BM_SETCHECK, BST_UNCHECKED, 0); break;
        case ControlKind::Other: break;
        }
    }
}

void CCfgTab::SaveControlStates(int* pnCount, ControlState* pStates) {
    if (!pnCount || *pnCount < 1 || !pStates) return;
    const int nCapacity = *pnCount;
    int nWritten = 0;
    if (m_bCaptureStates) {
        for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild && nWritten < nCapacity;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
            if (RecordControl(hChild, pStates[nWritten])) ++nWritten;
        }
    }
    *pnCount = nWritten;
}

void CCfgTab::RestoreControlStates(int nCount, const ControlState* pStates) {
    if (!pStates || nCount <= 0) return;
    for (const ControlState& state : std::span(pStates, static_cast<size_t>(nCount))) {
        CWnd* pControl = GetDlgItem(state.nID);
        if (!pControl) continue;
        const HWND hControl = pControl->m_hWnd;
        switch (KindOf(hControl)) {
        case ControlKind::ComboBox: {
            const LPARAM lText = reinterpret_cast<LPARAM>(state.strText.c_str());
            LRESULT nIndex = ::SendMessageA(hControl, CB_FINDSTRING, kNoSelection, lText);
            if (nIndex == CB_ERR) nIndex = ::SendMessageA(hControl, CB_INSERTSTRING, kAppend, lText);
            ::SendMessageA(hControl, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
            pControl->UpdateData(FALSE);
            break;
        }
        case ControlKind::Edit:
            if (state.strText.empty()) break;
            pControl->SetWindowText(state.strText.c_str());
            pControl->UpdateData(FALSE);
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::OtherButton:
            ::SendMessageA(hControl, BM_SETCHECK, static_cast<WPARAM>(state.nCheck), 0);
            // Setting the state notifies nobody: the page hears of a set button as of a click.
            if (state.nCheck != 0) {
                SendMessage(WM_COMMAND, MAKEWPARAM(state.nID, BN_CLICKED), reinterpret_cast<LPARAM>(hControl));
            }
            pControl->UpdateData(FALSE);
            break;
        case ControlKind::Other: break;
        }
    }
}

// ---- Groups of controls ----

void CCfgTab::EnableControlGroups(const int* pEnableIDs, CWnd* pDialog, const int* pDisableIDs) {
    if (!pEnableIDs || !pDialog || !pDisableIDs) return;
    try {
        EnableGroup(*pDialog, pEnableIDs, TRUE);
        EnableGroup(*pDialog, pDisableIDs, FALSE);
    } catch (...) {
        AfxMessageBox(kEnableGroupsError, MB_OK, 0);
    }
}

// ---- The caption timer ----

UINT_PTR CCfgTab::StartCaptionTimerOfPage(UINT nIDTextA, UINT nIDTextB, int nValue, UINT nDelay) {
    AfxLoadString(nIDTextA, m_strCaptionA);
    AfxLoadString(nIDTextB, m_strCaptionB);
    m_nTimerValue = nValue;
    if (m_nCaptionTimer != 0) KillTimer(m_nCaptionTimer);
    // Without a window SetTimer would start a thread timer that no page hears.
    m_nCaptionTimer = m_hWnd ? SetTimer(CFG_TAB_CAPTION_TIMER_ID, nDelay) : 0;
    return m_nCaptionTimer;
}

void CCfgTab::EndCaptionTimerOfPage() {
    if (m_nCaptionTimer != 0) {
        KillTimer(m_nCaptionTimer);
        m_nCaptionTimer = 0;
    }
    if (!m_btnCaptionA.m_hWnd || !m_btnCaptionB.m_hWnd) return;
    m_btnCaptionA.SetWindowText(m_strCaptionA.c_str());
    m_btnCaptionB.SetWindowText(m_strCaptionB.c_str());
}

// ---- Drawing a bitmap ----

void CCfgTab::DrawBitmapOfPage(CBitmap* pBitmap, int nIDCtrl) {
    CWnd* pControl = GetDlgItem(nIDCtrl);
    if (!pControl || !pBitmap || !pBitmap->GetSafeHandle()) return;
    CRect client;
    pControl->GetClientRect(&client);
    // The size recorded on the bitmap object, which need not be its pixel size.
    const CSize size = pBitmap->GetBitmapDimension();

    CDC* pDC = pControl->GetDC();
    CDC memoryDC;
    memoryDC.CreateCompatibleDC(pDC);
    CBitmap* pPreviousBitmap = memoryDC.SelectObject(pBitmap);
    // The bitmap goes over a freshly painted background.
    pControl->Invalidate(TRUE);
    pControl->UpdateWindow();
    const int nFreeWidth = client.Width() - size.cx;
    const int nFreeHeight = client.Height() - size.cy;
    if (nFreeWidth >= 0 && nFreeHeight >= 0) {
        // Centred; an odd pixel left over goes to the right or the bottom.
        pDC->BitBlt(nFreeWidth / 2, nFreeHeight / 2, size.cx, size.cy, &memoryDC, 0, 0, SRCCOPY);
    } else {
        pDC->StretchBlt(0, 0, client.right, client.bottom, &memoryDC, 0, 0, size.cx, size.cy, SRCCOPY);
    }
    memoryDC.SelectObject(pPreviousBitmap);
    memoryDC.DeleteDC();
    pControl->ReleaseDC(pDC);
}

// ---- The sheet, other sources, strings ----

void CCfgTab::SheetCancelToClose() {
    if (!m_hWnd) return;
    HWND hWndParent = ::GetParent(m_hWnd);
    HWND hWndGrandparent = hWndParent ? ::GetParent(hWndParent) : nullptr;
    if (hWndGrandparent) ::SendMessageA(hWndGrandparent, PSM_CANCELTOCLOSE, 0, 0);
}

void CCfgTab::LoadOptionsFrom(LPCSTR lpszName) {
    if (!lpszName || !*lpszName) return;
    m_strSource = lpszName;
    LoadOptions();
}

void CCfgTab::SaveOptionsTo(LPCSTR lpszName) {
    if (!lpszName || !*lpszName) return;
    m_strSource = lpszName;
    SaveOptions();
}

// ---- The help request to the host ----

BOOL SendHelpRequestToHost(CWnd& wnd, UINT nHelpID, HELPINFO* pHelpInfo) {
    CWnd* pMainWnd = AfxGetMainWnd();
    const bool bModifierHeld = IsKeyHeld(VK_SHIFT) || IsKeyHeld(VK_CONTROL) || IsKeyHeld(VK_MENU);
    if (pMainWnd && !bModifierHeld) {
        pMainWnd->SendMessage(WM_COMMANDHELP, CFG_TAB_HELP_BASE + nHelpID, 0);
        return TRUE;
    }
    return wnd.CWnd::OnHelpInfo(pHelpInfo);
}
