// The gallery's number module.
#include "number_module.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kTextSize = 16;
}  // namespace

CNumberModule::CNumberModule(int nMin, int nMax, int nDigits, bool bCarries, int nValue)
    : CModulEdit(nDigits), m_nMin(nMin), m_nMax(nMax), m_bCarries(bCarries), m_nValue(nMin) {
    SetValue(nValue);
}

void CNumberModule::SetValue(int nValue) {
    m_nValue = std::clamp(nValue, m_nMin, m_nMax);
    char text[kTextSize];
    std::snprintf(text, sizeof text, "%0*d", m_nLength, m_nValue);
    m_strText = text;
}

int CNumberModule::HandleChar(UINT nChar, int nSelStart, int) {
    if (nChar < '0' || nChar > '9') return MODULE_STEP_DONE;
    const int nOffset = std::clamp(nSelStart - m_nStart, 0, m_nLength - 1);
    std::string digits = m_strText;
    digits[static_cast<size_t>(nOffset)] = static_cast<char>(nChar);
    // A digit that would pass a bound gives the bound: 7 typed over the 1 of hour 12 gives 23.
    SetValue(std::stoi(digits));
    return MODULE_STEP_DONE;
}

int CNumberModule::Step(int nSteps) {
    const int nSpan = m_nMax - m_nMin + 1;
    const int nOffset = m_nValue - m_nMin + nSteps;
    const int nWrapped = ((nOffset % nSpan) + nSpan) % nSpan;
    SetValue(m_nMin + nWrapped);
    if (!m_bCarries || (nOffset >= 0 && nOffset < nSpan)) return MODULE_STEP_DONE;
    return nOffset < 0 ? MODULE_STEP_BORROW : MODULE_STEP_CARRY;
}

int CNumberModule::HandleSpin(UINT nCode) {
    if (nCode == SB_LINEUP) return Step(1);
    if (nCode == SB_LINEDOWN) return Step(-1);
    return MODULE_STEP_DONE;
}

// A carry from the module after this one may wrap this one, which carries on.
int CNumberModule::Increment(int nCount) {
    const int nResult = Step(nCount);
    PassCarry(nResult);
    return nResult;
}

int CNumberModule::Decrement(int nCount) {
    const int nResult = Step(-nCount);
    PassCarry(nResult);
    return nResult;
}

void CNumberModule::HandleDelete(int, int) { SetValue(m_nMin); }

std::string CNumberModule::GetValueText() const { return m_strText; }
