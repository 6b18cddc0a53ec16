// Framework objects for the predefined controls.
#include "framework/controls.h"

#include <commctrl.h>

#include <vector>

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

namespace {

int AsInt(LRESULT lResult) { return static_cast<int>(lResult); }

// Reads an item's text with the control's length and text messages.
int GetItemText(HWND hWnd, UINT nLengthMessage, UINT nTextMessage, int nIndex, std::string& rString) {
    rString.clear();
    const int nLength = AsInt(::SendMessageA(hWnd, nLengthMessage, static_cast<WPARAM>(nIndex), 0));
    if (nLength < 0) return nLength;
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1, '\0');
    const int nCopied = AsInt(::SendMessageA(hWnd, nTextMessage, static_cast<WPARAM>(nIndex),
                                             reinterpret_cast<LPARAM>(buffer.data())));
    if (nCopied > 0) rString.assign(buffer.data(), static_cast<size_t>(nCopied));
    return nCopied;
}

LPARAM TextParam(LPCSTR lpsz) { return reinterpret_cast<LPARAM>(lpsz); }

}  // namespace

// ---- CButton ----

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_BUTTONA, lpszCaption, dwStyle, rect, pParentWnd, nID);
}
int CButton::GetCheck() const { return AsInt(SendMessage(BM_GETCHECK)); }
void CButton::SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
UINT CButton::GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
void CButton::SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(bHighlight)); }
UINT CButton::GetButtonStyle() const { return static_cast<UINT>(GetStyle()) & BS_TYPEMASK; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
    SendMessage(BM_SETSTYLE, nStyle, static_cast<LPARAM>(bRedraw));
}
HBITMAP CButton::SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}
HBITMAP CButton::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP)); }

// ---- CEdit ----

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_EDITA, nullptr, dwStyle, rect, pParentWnd, nID);
}
DWORD CEdit::GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    const DWORD dwSel = GetSel();
    nStartChar = LOWORD(dwSel);
    nEndChar = HIWORD(dwSel);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll) SendMessage(EM_SCROLLCARET);
}
void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo) {
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), TextParam(lpszNewText));
}
void CEdit::LimitText(int nChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly))); }
void CEdit::Clear() { SendMessage(WM_CLEAR); }
BOOL CEdit::GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL bModified) { SendMessage(EM_SETMODIFY, static_cast<WPARAM>(bModified)); }

// ---- CStatic ----

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_STATICA, lpszText, dwStyle, rect, pParentWnd, nID);
}
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}
HBITMAP CStatic::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP)); }

// ---- CComboBox ----

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_COMBOBOXA, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CComboBox::GetCount() const { return AsInt(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return AsInt(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) { return AsInt(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
int CComboBox::AddString(LPCSTR lpszString) { return AsInt(SendMessage(CB_ADDSTRING, 0, TextParam(lpszString))); }
int CComboBox::InsertString(int nIndex, LPCSTR lpszString) {
    return AsInt(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), TextParam(lpszString)));
}
int CComboBox::DeleteString(UINT nIndex) { return AsInt(SendMessage(CB_DELETESTRING, nIndex)); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const {
    return AsInt(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszString)));
}
int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return AsInt(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), TextParam(lpszFind)));
}
int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString) {
    return AsInt(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszString)));
}
int CComboBox::GetLBText(int nIndex, std::string& rString) const {
    return GetItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
}
int CComboBox::GetLBTextLen(int nIndex) const { return AsInt(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex))); }
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return AsInt(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}

// ---- CListBox ----

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTBOXA, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CListBox::GetCount() const { return AsInt(SendMessage(LB_GETCOUNT)); }
int CListBox::GetCurSel() const { return AsInt(SendMessage(LB_GETCURSEL)); }
int CListBox::SetCurSel(int nSelect) { return AsInt(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
int CListBox::AddString(LPCSTR lpszItem) { return AsInt(SendMessage(LB_ADDSTRING, 0, TextParam(lpszItem))); }
int CListBox::InsertString(int nIndex, LPCSTR lpszItem) {
    return AsInt(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(nIndex), TextParam(lpszItem)));
}
int CListBox::DeleteString(UINT nIndex) { return AsInt(SendMessage(LB_DELETESTRING, nIndex)); }
void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const {
    return AsInt(SendMessage(LB_FINDSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszItem)));
}
int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return AsInt(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), TextParam(lpszFind)));
}
int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem) {
    return AsInt(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszItem)));
}
int CListBox::GetText(int nIndex, std::string& rString) const {
    return GetItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}
int CListBox::GetTextLen(int nIndex) const { return AsInt(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex))); }
DWORD_PTR CListBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
}
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return AsInt(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}

// ---- CSpinButtonCtrl ----

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}
void CSpinButtonCtrl::SetRange(short nLower, short nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
    SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}
void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const {
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
}
int CSpinButtonCtrl::SetPos(int nPos) { return static_cast<short>(LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0)))); }
int CSpinButtonCtrl::GetPos() const { return AsInt(SendMessage(UDM_GETPOS)); }
int CSpinButtonCtrl::SetPos32(int nPos) { return AsInt(SendMessage(UDM_SETPOS32, 0, nPos)); }
int CSpinButtonCtrl::GetPos32(BOOL* lpbError) const {
    return AsInt(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError)));
}
CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(AfxGetSafeHwnd(pWndBuddy)))));
}
CWnd* CSpinButtonCtrl::GetBuddy() const { return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }
