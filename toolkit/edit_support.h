// What the toolkit's edits (paredit, mul_edit) share: the split of their
// creation style, and how they report input they refuse.
#pragma once

#include <afxwin.h>

// CreateEdit's style word: the high word is the window's style; the low word,
// where a class's own styles live, holds the edit's settings instead and
// never reaches the window.
inline constexpr DWORD EDIT_WINDOW_STYLE_MASK = 0xFFFF0000;

// The parent's answer to a rejection notification that keeps the edit quiet.
inline constexpr LRESULT REJECT_REPLY_NO_BEEP = -1;
// MessageBeep's simple beep (not one of the MB_ICON* sounds).
inline constexpr UINT REJECT_SIMPLE_BEEP = 0xFFFFFFFF;

// Sends WM_COMMAND (the edit's control ID, wNotifyCode; lParam) to the
// edit's parent and beeps unless the parent replies REJECT_REPLY_NO_BEEP.
// The notification is sent, not posted, so the answer is known at once.
inline void ReportRejectedInput(const CWnd& wndEdit, WORD wNotifyCode, LPARAM lParam) {
    LRESULT lReply = 0;
    if (CWnd* pParent = wndEdit.GetParent()) {
        const auto wID = static_cast<WORD>(wndEdit.GetDlgCtrlID());
        lReply = pParent->SendMessage(WM_COMMAND, MAKEWPARAM(wID, wNotifyCode), lParam);
    }
    if (lReply != REJECT_REPLY_NO_BEEP) ::MessageBeep(REJECT_SIMPLE_BEEP);
}
