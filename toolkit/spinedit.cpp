// Spin edits: attaching the spin button, checking and reading the text, and
// the step that each click of the spin button makes.
#include "spinedit.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

IMPLEMENT_DYNAMIC(CSpinEdit, CEdit)
IMPLEMENT_DYNAMIC(CIntSpinEdit, CSpinEdit)
IMPLEMENT_DYNAMIC(CFloatSpinEdit, CSpinEdit)

BEGIN_MESSAGE_MAP(CSpinEdit, CEdit)
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CIntSpinEdit, CSpinEdit)
    ON_WM_VSCROLL()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CFloatSpinEdit, CSpinEdit)
    ON_WM_VSCROLL()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// ---- Conversions that saturate where a plain cast would be undefined ----

int SaturateToInt(long long n) {
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return static_cast<int>(n);
}

// Truncates toward zero; NaN gives 0.
int TruncToInt(double d) {
    constexpr double kPastMax = static_cast<double>(INT_MAX) + 1.0;
    constexpr double kPastMin = static_cast<double>(INT_MIN) - 1.0;
    if (std::isnan(d)) return 0;
    if (d >= kPastMax) return INT_MAX;
    if (d <= kPastMin) return INT_MIN;
    return static_cast<int>(d);
}

int FloorToInt(double d) { return TruncToInt(std::floor(d)); }

// Beyond float's range the number becomes the infinity of its sign.
float NarrowToFloat(double d) {
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    if (d > kFloatMax) return std::numeric_limits<float>::infinity();
    if (d < -kFloatMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(d);
}

// 10 to the power, in single precision by repeated squaring; a negative
// power gives the reciprocal.
float TenToThe(int nPower) {
    constexpr float kTen = 10.0f;
    unsigned nRemaining = nPower < 0 ? 0u - static_cast<unsigned>(nPower) : static_cast<unsigned>(nPower);
    float fResult = 1.0f;
    for (float fSquare = kTen; nRemaining != 0; nRemaining >>= 1, fSquare *= fSquare)
        if (nRemaining & 1u) fResult *= fSquare;
    return nPower < 0 ? 1.0f / fResult : fResult;
}

// Where a conversion begins that runs to the end of the format without its
// conversion character, or npos.
size_t UnfinishedConversion(std::string_view format) {
    // Flags, field width, precision and length modifiers.
    constexpr std::string_view kModifierChars = "-+ #0123456789.*'hlLqjzt";
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        const size_t nStart = i++;
        if (i < format.size() && format[i] == '%') continue;
        while (i < format.size() && kModifierChars.find(format[i]) != std::string_view::npos) ++i;
        if (i == format.size()) return nStart;
    }
    return std::string_view::npos;
}

// The format is the caller's, so it cannot be a literal the compiler checks.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
template <typename Number>
void SetFormattedText(CWnd& wnd, const char* pszFormat, Number value) {
    char szText[SPIN_TEXT_SIZE];
    if (std::snprintf(szText, sizeof szText, pszFormat, value) < 0) szText[0] = '\0';
    wnd.SetWindowText(szText);
}
#pragma GCC diagnostic pop

}  // namespace

// ---- CSpinEdit ----

BOOL CSpinEdit::AttachSpin(CWnd* pSpin, CWnd* pParent, UINT nIDEdit) {
    if (!pSpin || !::IsWindow(pSpin->m_hWnd) || !pParent) return FALSE;
    HWND hWndEdit = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nIDEdit));
    if (!hWndEdit) return FALSE;
    if (m_hWnd != hWndEdit && !SubclassDlgItem(nIDEdit, pParent)) return FALSE;
    if (CWnd::FromHandlePermanent(pSpin->m_hWnd) == pSpin) {
        m_pSpin = pSpin;
    } else {
        m_wndSpinLink.m_hWnd = pSpin->m_hWnd;
        m_pSpin = &m_wndSpinLink;
    }
    m_pSpin->SendMessage(SPM_SETASSOCIATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return TRUE;
}

BOOL CSpinEdit::AttachSpinById(UINT nIDSpin, CWnd* pParent, UINT nIDEdit) {
    if (!pParent) return FALSE;
    return AttachSpin(pParent->GetDlgItem(static_cast<int>(nIDSpin)), pParent, nIDEdit);
}

BOOL CSpinEdit::IsValueValid(BOOL bShowErrors) { return CheckValue(bShowErrors) == SPIN_VALUE_OK; }

void CSpinEdit::ShowValueError(UINT nIDPrompt) {
    SetSel(0, -1);  // and scrolls the caret into view
    AfxMessageBox(nIDPrompt);
    SetFocus();
}

int CSpinEdit::ReadNumber(BOOL bShowErrors, double& dNumber) {
    if (!IsAttached()) return SPIN_INVALID;
    const std::string strText = GetWindowText();
    bool bNumber = false;
    if (!strText.empty()) {
        char* pEnd = nullptr;
        dNumber = std::strtod(strText.c_str(), &pEnd);
        bNumber = pEnd == strText.c_str() + strText.size() && !std::isnan(dNumber);
    }
    if (!bNumber) {
        if (bShowErrors) ShowValueError(IDP_SPIN_NOT_A_NUMBER);
        return SPIN_INVALID;
    }
    return SPIN_VALUE_OK;
}

double CSpinEdit::TextNumber() const { return std::strtod(GetWindowText().c_str(), nullptr); }

void CSpinEdit::ShowFormatted(const char* pszFormat, int nValue) { SetFormattedText(*this, pszFormat, nValue); }
void CSpinEdit::ShowFormatted(const char* pszFormat, double dValue) { SetFormattedText(*this, pszFormat, dValue); }

void CSpinEdit::SetSpinRange(long long nSpan) {
    if (m_pSpin) m_pSpin->SendMessage(SPM_SETRANGE, 0, SaturateToInt(nSpan));
}

// An int converted to WPARAM keeps its sign for the spin button.
void CSpinEdit::SetSpinPos(long long nPos) {
    if (m_pSpin) m_pSpin->SendMessage(SPM_SETPOS, static_cast<WPARAM>(SaturateToInt(nPos)), 0);
}

int CSpinEdit::GetSpinPos() const { return m_pSpin ? SaturateToInt(m_pSpin->SendMessage(SPM_GETPOS)) : 0; }

void CSpinEdit::NotifyStepped() {
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), SEN_STEPPED), reinterpret_cast<LPARAM>(m_hWnd));
}

void CSpinEdit::ForgetSpin() {
    m_pSpin = nullptr;
    m_wndSpinLink.m_hWnd = nullptr;
}

void CSpinEdit::CopyFormat(char (&szFormat)[SPIN_FORMAT_SIZE], LPCSTR lpszFormat) {
    const std::string_view format = lpszFormat ? lpszFormat : "";
    std::string_view kept = format.substr(0, SPIN_FORMAT_SIZE - 1);
    // A conversion cut in two would leave printf a format it cannot read.
    if (kept.size() < format.size()) kept = kept.substr(0, UnfinishedConversion(kept));
    std::memcpy(szFormat, kept.data(), kept.size());
    szFormat[kept.size()] = '\0';
}

void CSpinEdit::OnVScroll(UINT, UINT, CScrollBar*) {}

// ---- CIntSpinEdit ----

CIntSpinEdit::CIntSpinEdit(int nMin, int nMax, int nValue, LPCSTR lpszFormat)
    : m_nMin(nMin), m_nMax(nMax), m_nValue(nValue), m_nLastValue(nMin), m_szFormat{} {
    CopyFormat(m_szFormat, lpszFormat);
}

long long CIntSpinEdit::Span() const { return static_cast<long long>(m_nMax) - m_nMin; }
long long CIntSpinEdit::PositionOf(int nValue) const { return static_cast<long long>(m_nMax) - nValue; }
int CIntSpinEdit::ValueAt(int nPos) const { return SaturateToInt(static_cast<long long>(m_nMax) - nPos); }
void CIntSpinEdit::ShowValue(int nValue) { ShowFormatted(m_szFormat, nValue); }

BOOL CIntSpinEdit::AttachSpin(CWnd* pSpin, CWnd* pParent, UINT nIDEdit) {
    if (!CSpinEdit::AttachSpin(pSpin, pParent, nIDEdit)) return FALSE;
    SetSpinRange(Span());
    SetSpinPos(PositionOf(m_nValue));
    ShowValue(m_nValue);
    return TRUE;
}

int CIntSpinEdit::CheckValue(BOOL bShowErrors) {
    double dNumber = 0.0;
    const int nStatus = ReadNumber(bShowErrors, dNumber);
    if (nStatus != SPIN_VALUE_OK) return nStatus;
    const int nFloor = FloorToInt(dNumber);
    if (nFloor > m_nMax || nFloor < m_nMin) {
        if (bShowErrors) ShowValueError(IDP_SPIN_OUT_OF_RANGE);
        return SPIN_OUT_OF_RANGE;
    }
    if (dNumber != std::floor(dNumber)) {
        if (bShowErrors) ShowValueError(IDP_SPIN_NOT_A_NUMBER);
        return SPIN_NOT_WHOLE;
    }
    return SPIN_VALUE_OK;
}

int CIntSpinEdit::GetValue() {
    switch (CheckValue(FALSE)) {
    case SPIN_VALUE_OK:
    case SPIN_NOT_WHOLE:
        return FloorToInt(TextNumber());
    case SPIN_OUT_OF_RANGE:
        // Compared in double precision: in single precision a number just
        // past a large bound can round onto it and pick the wrong bound.
        return TextNumber() > m_nMax ? m_nMax : m_nMin;
    default:
        return m_nValue;
    }
}

void CIntSpinEdit::SetValue(int n) {
    if (n > m_nMax) n = m_nMax;
    if (n < m_nMin) n = m_nMin;
    if (m_nValue > m_nMax || m_nValue < m_nMin) m_nValue = m_nMin;
    if (IsAttached()) {
        ShowValue(n);
        SetSpinPos(PositionOf(n));
    } else {
        m_nValue = n;
    }
}

BOOL CIntSpinEdit::IsWholeNumber() { return CheckValue(FALSE) != SPIN_NOT_WHOLE; }

void CIntSpinEdit::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    if (m_nMax == m_nMin) {
        ShowValue(m_nMax);
        m_nLastValue = GetValue();
        return;
    }
    const int nValue = GetValue();
    if (nValue != m_nLastValue) {
        // The text changed since the last step: step from what it says.
        m_nLastValue = nValue;
        const long long nPos = PositionOf(nValue);
        // The floor of a fraction is a step below the number itself.
        const bool bFraction = CheckValue(FALSE) == SPIN_NOT_WHOLE;
        if (nSBCode == SB_LINEUP)
            SetSpinPos(bFraction || nValue < m_nMax ? nPos - 1 : nPos);
        else if (nSBCode == SB_LINEDOWN)
            SetSpinPos(!bFraction && nValue > m_nMin ? nPos + 1 : nPos);
    }
    ShowValue(ValueAt(GetSpinPos()));
    m_nLastValue = GetValue();
    NotifyStepped();
}

void CIntSpinEdit::OnDestroy() {
    m_nValue = GetValue();
    ForgetSpin();
}

// ---- CFloatSpinEdit ----

CFloatSpinEdit::CFloatSpinEdit(float fMin, float fMax, float fValue, int nDecimals, LPCSTR lpszFormat)
    : m_fMin(fMin),
      m_fMax(fMax),
      m_fValue(fValue),
      m_fLastValue(fMin),
      m_fScale(TenToThe(nDecimals)),
      m_szFormat{} {
    CopyFormat(m_szFormat, lpszFormat);
}

int CFloatSpinEdit::PositionOf(double dValue) const {
    return TruncToInt((static_cast<double>(m_fMax) - dValue) * m_fScale);
}

// A scale of 0 (more than 45 negative decimals) has no positions to divide by.
float CFloatSpinEdit::ValueAt(int nPos) const {
    if (m_fScale == 0.0f) return m_fMax;
    return (m_fScale * m_fMax - static_cast<float>(nPos)) / m_fScale;
}

void CFloatSpinEdit::ShowValue(float fValue) { ShowFormatted(m_szFormat, static_cast<double>(fValue)); }

BOOL CFloatSpinEdit::AttachSpin(CWnd* pSpin, CWnd* pParent, UINT nIDEdit) {
    if (!CSpinEdit::AttachSpin(pSpin, pParent, nIDEdit)) return FALSE;
    SetSpinRange(TruncToInt((static_cast<double>(m_fMax) - m_fMin) * m_fScale));
    SetSpinPos(PositionOf(m_fValue));
    ShowValue(m_fValue);
    return TRUE;
}

int CFloatSpinEdit::CheckValue(BOOL bShowErrors) {
    double dNumber = 0.0;
    const int nStatus = ReadNumber(bShowErrors, dNumber);
    if (nStatus != SPIN_VALUE_OK) return nStatus;
    const float fNumber = NarrowToFloat(dNumber);
    if (fNumber > m_fMax || fNumber < m_fMin) {
        if (bShowErrors) ShowValueError(IDP_SPIN_OUT_OF_RANGE);
        return SPIN_OUT_OF_RANGE;
    }
    return SPIN_VALUE_OK;
}

float CFloatSpinEdit::GetValue() {
    switch (CheckValue(FALSE)) {
    case SPIN_VALUE_OK:
        return NarrowToFloat(TextNumber());
    case SPIN_OUT_OF_RANGE:
        return NarrowToFloat(TextNumber()) > m_fMax ? m_fMax : m_fMin;
    default:
        return m_fValue;
    }
}

void CFloatSpinEdit::SetValue(float f) {
    if (IsAttached()) {
        ShowValue(f);
        SetSpinPos(PositionOf(f));
    } else {
        m_fValue = f;
    }
}

BOOL CFloatSpinEdit::IsOnStep() {
    if (CheckValue(FALSE) != SPIN_VALUE_OK) return TRUE;
    const double dSteps = TextNumber() * m_fScale;
    return dSteps == std::floor(dSteps);
}

void CFloatSpinEdit::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    if (m_fMax == m_fMin) {
        ShowValue(m_fMax);
        m_fLastValue = GetValue();
        return;
    }
    const float fValue = GetValue();
    if (fValue != m_fLastValue) {
        // The text changed since the last step: step from what it says.
        m_fLastValue = fValue;
        const double dPos = (static_cast<double>(m_fMax) - fValue) * m_fScale;
        if (IsOnStep()) {
            const long long nPos = TruncToInt(dPos);
            if (nSBCode == SB_LINEUP)
                SetSpinPos(fValue < m_fMax ? nPos - 1 : nPos);
            else if (nSBCode == SB_LINEDOWN)
                SetSpinPos(fValue > m_fMin ? nPos + 1 : nPos);
        } else {
            // Between two steps: go to the nearer step in the click's direction.
            const float fPos = NarrowToFloat(dPos);
            if (nSBCode == SB_LINEUP)
                SetSpinPos(static_cast<long long>(TruncToInt(std::ceil(fPos))) - 1);
            else if (nSBCode == SB_LINEDOWN)
                SetSpinPos(static_cast<long long>(TruncToInt(std::floor(fPos))) + 1);
        }
    }
    ShowValue(ValueAt(GetSpinPos()));
    m_fLastValue = GetValue();
    NotifyStepped();
}

void CFloatSpinEdit::OnDestroy() {
    m_fValue = GetValue();
    ForgetSpin();
}
