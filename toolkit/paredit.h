// CParsedEdit: an edit box that lets through only typed characters of the
// classes it accepts, and counts its text up or down on spin steps.
//
// Index:
//   PARSE_DIGITS, PARSE_LETTERS, PARSE_OTHER   character classes for m_wAccept
//   PARSE_CONTROL      the class of control characters (passes whenever
//                      m_wAccept is not 0)
//   PEN_REJECTED       the notification a refused character or step sends
//   PARSED_EDIT_SPIN_MIN, PARSED_EDIT_SPIN_MAX  the range spin steps keep to
//   CParsedEdit        the edit
//
// Set-up: either CreateEdit with the classes in the low word of the style
// (WS_CHILD | WS_VISIBLE | PARSE_DIGITS | PARSE_LETTERS), or AttachToItem on
// a dialog's edit, which accepts digits only (set m_wAccept afterwards for
// others). A spin button that sends WM_VSCROLL with SB_LINEUP / SB_LINEDOWN
// to the edit steps its text by one within 0..32767.
//
// Only typed characters are filtered: pasted or programmatically set text
// reaches the edit unchanged.
#pragma once

#include <afxwin.h>

#include "edit_support.h"

inline constexpr WORD PARSE_DIGITS = 0x0001;   // 0 to 9
inline constexpr WORD PARSE_LETTERS = 0x0002;  // A to Z, a to z (no 8-bit letters)
inline constexpr WORD PARSE_OTHER = 0x0004;    // blank, punctuation, every code from 0x7F up
inline constexpr WORD PARSE_CONTROL = 0xFFFF;  // codes below 0x20: backspace, tab, return...

// Sent as WM_COMMAND (control ID, PEN_REJECTED) with the edit's window in
// lParam; a reply of -1 (REJECT_REPLY_NO_BEEP) keeps the edit from beeping.
inline constexpr WORD PEN_REJECTED = 0x8000;

inline constexpr int PARSED_EDIT_SPIN_MIN = 0;
inline constexpr int PARSED_EDIT_SPIN_MAX = 0x7FFF;

class CParsedEdit : public CEdit {
public:
    CParsedEdit() = default;

    // ---- Attributes ----
    // The classes typed input may belong to; 0 (as constructed) accepts
    // nothing, not even backspace.
    WORD m_wAccept = 0;

    // The class of a character code (one of the PARSE_* values).
    static WORD ClassOf(UINT nChar);

    // ---- Operations ----
    // The low word of dwStyle gives m_wAccept and never reaches the window;
    // the high word is the window's style. The edit starts empty.
    BOOL CreateEdit(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Accepts digits and takes over the parent's edit with that ID; FALSE
    // when the parent has no such child.
    BOOL AttachToItem(UINT nID, CWnd* pParent);

    // ---- Overridables ----
    // Called for every refused character and refused spin step: sends
    // PEN_REJECTED to the parent and beeps unless the parent answers -1.
    virtual void RejectInput();

protected:
    // ---- Message handlers ----
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()
};
