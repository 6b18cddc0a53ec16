// Spin edits: edit boxes of a dialog that hold one number between a minimum
// and a maximum, each paired with a separate spin button window
// (spin_button.h, or any window that answers the messages of
// spin_messages.h) whose clicks step the number. The edit keeps the spin
// button's position and its own text in step, checks typed text on request
// (with a message box when asked), and tells its parent after every step.
//
// A dialog that uses one constructs it with bounds, initial value and format
// (and decimals); once the dialog's child windows exist it calls AttachSpin
// or AttachSpinById once; before accepting the dialog it calls
// IsValueValid(TRUE), and GetValue to read the number. When the edit window is
// destroyed the value of its last text is committed to m_nValue / m_fValue,
// so the object can still be read after its dialog has closed.
//
// Spin positions run from 0 to the span, and position 0 stands for the
// maximum (the spin button's upper arrow moves towards 0):
//   CIntSpinEdit    span m_nMax - m_nMin; value v at position m_nMax - v
//   CFloatSpinEdit  span trunc((m_fMax - m_fMin) * m_fScale); value v at
//                   trunc((m_fMax - v) * m_fScale); position p shows
//                   (m_fScale * m_fMax - p) / m_fScale
// Positions are ints: a span or position beyond int's range is cut to it, so
// an integer edit whose bounds lie more than INT_MAX apart cannot step all
// the way down to its minimum.
//
// Typed text is read as the C library's strtod reads it (leading white space,
// a sign, decimals, an exponent) and must be a number to its end. "nan" is
// no number (SPIN_INVALID); "inf" and numbers too large for a double are
// numbers beyond every bound (SPIN_OUT_OF_RANGE). The integer edit converts
// the floor of the number to 32 bits saturating at INT_MIN / INT_MAX.
//
// Index:
//   SPIN_VALUE_OK, SPIN_OUT_OF_RANGE, SPIN_INVALID, SPIN_NOT_WHOLE   CheckValue's results
//   IDP_SPIN_OUT_OF_RANGE, IDP_SPIN_NOT_A_NUMBER   the prompts (host strings)
//   SEN_STEPPED                the notification posted to the parent after a step
//   SPIN_FORMAT_SIZE, SPIN_TEXT_SIZE   the format field and the text buffer
//   CSpinEdit                  the abstract base: the spin button, attaching, prompts
//   CIntSpinEdit               a 32-bit integer stepped by 1
//   CFloatSpinEdit             a float stepped by one unit of its last decimal
#pragma once

#include <afxwin.h>

#include <cstddef>

#include "spin_messages.h"

// ---- Results of CheckValue ----
inline constexpr int SPIN_VALUE_OK = 0;      // the text is a number within the bounds
inline constexpr int SPIN_OUT_OF_RANGE = 1;  // a number outside the bounds; prompt IDP_SPIN_OUT_OF_RANGE
inline constexpr int SPIN_INVALID = 2;       // not attached (never a prompt), empty, or not entirely a number;
                                             // prompt IDP_SPIN_NOT_A_NUMBER
inline constexpr int SPIN_NOT_WHOLE = 3;     // integer edit: a fraction whose floor lies within the bounds;
                                             // prompt IDP_SPIN_NOT_A_NUMBER

// ---- Prompts: string resources the host program supplies, looked up when shown ----
inline constexpr UINT IDP_SPIN_OUT_OF_RANGE = 20600;
inline constexpr UINT IDP_SPIN_NOT_A_NUMBER = 20601;

// WM_COMMAND to the parent after every step: wParam MAKEWPARAM(edit's ID,
// SEN_STEPPED), lParam the edit's window. Posted, so the parent handles it
// once the step has finished.
inline constexpr WORD SEN_STEPPED = 0x0602;

// The format field holds at most SPIN_FORMAT_SIZE - 1 characters; a longer
// format is cut to that (less a conversion the cut would leave unfinished).
inline constexpr size_t SPIN_FORMAT_SIZE = 32;
// Every text the edit writes is at most SPIN_TEXT_SIZE - 1 characters.
inline constexpr size_t SPIN_TEXT_SIZE = 256;

class CSpinEdit : public CEdit {
    DECLARE_DYNAMIC(CSpinEdit)
public:
    // ---- Attributes ----
    // The spin button; not owned, never destroyed by the edit. Null until a
    // spin button is attached, and null again once the edit window is destroyed.
    CWnd* m_pSpin = nullptr;

    // Attached: the edit has a window and a spin button.
    BOOL IsAttached() const { return m_hWnd != nullptr && m_pSpin != nullptr; }

    // ---- Operations (virtual, in this order after CEdit's) ----
    // Takes over the child edit nIDEdit of pParent, keeps the spin button and
    // makes the edit its associate; the kinds then set the spin button's range
    // and position and the text from the committed value. FALSE, with nothing
    // changed, without a spin button window or without such an edit.
    virtual BOOL AttachSpin(CWnd* pSpin, CWnd* pParent, UINT nIDEdit);
    // AttachSpin with the parent's child window nIDSpin.
    virtual BOOL AttachSpinById(UINT nIDSpin, CWnd* pParent, UINT nIDEdit);
    // One of the SPIN_* results; with bShowErrors a failing text is selected,
    // its prompt shown, and the edit given the focus.
    virtual int CheckValue(BOOL bShowErrors) = 0;
    // TRUE exactly when CheckValue(bShowErrors) is SPIN_VALUE_OK.
    virtual BOOL IsValueValid(BOOL bShowErrors);

protected:
    // ---- Implementation ----
    // Selects the whole text, scrolls the caret into view, shows the prompt,
    // then gives the edit the focus, so the user can type over the text.
    void ShowValueError(UINT nIDPrompt);
    // The checks both kinds start with: attached, a text, entirely a number.
    // SPIN_VALUE_OK with the number, else SPIN_INVALID (prompted when asked).
    int ReadNumber(BOOL bShowErrors, double& dNumber);
    // The text's number as atof reads it (0 when it starts with no number).
    double TextNumber() const;
    // Format and value as printf takes them; the text is cut to SPIN_TEXT_SIZE - 1.
    void ShowFormatted(const char* pszFormat, int nValue);
    void ShowFormatted(const char* pszFormat, double dValue);
    // The spin button's messages; nothing without a spin button.
    void SetSpinRange(long long nSpan);
    void SetSpinPos(long long nPos);
    int GetSpinPos() const;
    // Posts SEN_STEPPED to the parent.
    void NotifyStepped();
    // The window is going: forgets the spin button.
    void ForgetSpin();
    // Copies a format into a kind's field, cut to fit and terminated.
    static void CopyFormat(char (&szFormat)[SPIN_FORMAT_SIZE], LPCSTR lpszFormat);

    // A step reaching the base does nothing; each kind steps in its own handler.
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

private:
    // The spin button when it came as a temporary framework object (from
    // GetDlgItem): those are deleted at the next idle time, so the edit keeps
    // the window through an object of its own instead.
    CWnd m_wndSpinLink;
};

class CIntSpinEdit : public CSpinEdit {
    DECLARE_DYNAMIC(CIntSpinEdit)
public:
    // The bounds (nMin not above nMax: the caller's duty), the committed value
    // and a printf format with one int conversion.
    CIntSpinEdit(int nMin, int nMax, int nValue, LPCSTR lpszFormat);

    // ---- Attributes ----
    int m_nMin;
    int m_nMax;
    int m_nValue;      // committed: set here or by SetValue while detached, refreshed when the window goes
    int m_nLastValue;  // the text's value after the last step; starts as m_nMin
    char m_szFormat[SPIN_FORMAT_SIZE];

    // ---- Operations ----
    BOOL AttachSpin(CWnd* pSpin, CWnd* pParent, UINT nIDEdit) override;
    int CheckValue(BOOL bShowErrors) override;
    // The text's value: its floor (SPIN_VALUE_OK, SPIN_NOT_WHOLE), the nearer
    // bound (SPIN_OUT_OF_RANGE) or m_nValue (SPIN_INVALID).
    int GetValue();
    // Clamps n into the bounds; attached, shows it (m_nValue stays), else commits it.
    void SetValue(int n);
    // TRUE unless the text is a fraction within the bounds (SPIN_NOT_WHOLE).
    BOOL IsWholeNumber();

protected:
    // One click of the spin button, which has already moved its position.
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // Commits the text's value to m_nValue and forgets the spin button.
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    long long Span() const;
    long long PositionOf(int nValue) const;
    int ValueAt(int nPos) const;
    void ShowValue(int nValue);
};

class CFloatSpinEdit : public CSpinEdit {
    DECLARE_DYNAMIC(CFloatSpinEdit)
public:
    // The bounds (fMin not above fMax: the caller's duty), the committed value,
    // the number of decimals a step changes, and a printf format with one
    // floating conversion (the value is passed as a double).
    CFloatSpinEdit(float fMin, float fMax, float fValue, int nDecimals, LPCSTR lpszFormat);

    // ---- Attributes ----
    float m_fMin;
    float m_fMax;
    float m_fValue;      // committed, as m_nValue
    float m_fLastValue;  // as m_nLastValue; starts as m_fMin
    float m_fScale;      // 10 to the number of decimals: spin positions per unit
    char m_szFormat[SPIN_FORMAT_SIZE];

    // ---- Operations ----
    BOOL AttachSpin(CWnd* pSpin, CWnd* pParent, UINT nIDEdit) override;
    int CheckValue(BOOL bShowErrors) override;
    // The text's value (SPIN_VALUE_OK), the nearer bound (SPIN_OUT_OF_RANGE)
    // or m_fValue (SPIN_INVALID).
    float GetValue();
    // No clamping; attached, shows f (m_fValue stays), else commits it.
    void SetValue(float f);
    // TRUE when the text is not a valid number, or is a whole number of steps.
    BOOL IsOnStep();

protected:
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    int PositionOf(double dValue) const;
    float ValueAt(int nPos) const;
    void ShowValue(float fValue);
};
