// CModulEdit and CDelimter: the base behaviour of a module, and a delimiter's
// routing of input to its neighbours.
#include "modledit.h"

// ---- CModulEdit ----

int CModulEdit::HandleChar(UINT, int, int) { return MODULE_STEP_DONE; }
int CModulEdit::HandleSpin(UINT) { return MODULE_STEP_DONE; }
int CModulEdit::Increment(int) { return MODULE_STEP_DONE; }
int CModulEdit::Decrement(int) { return MODULE_STEP_DONE; }
std::string CModulEdit::GetText() const { return m_strText; }
int CModulEdit::GetLength() const { return m_nLength; }
CModulEdit* CModulEdit::GetTarget(int) const { return nullptr; }
std::string CModulEdit::GetExtraText(int, int, int) const { return {}; }
void CModulEdit::HandleDelete(int, int) {}
std::string CModulEdit::GetValueText() const { return {}; }
int CModulEdit::GetExtraIndex(int) const { return -1; }
int CModulEdit::GetExtraValue() const { return -1; }

void CModulEdit::PassCarry(int nStepResult) {
    if (!m_pPrev) return;
    if (nStepResult == MODULE_STEP_CARRY)
        m_pPrev->Increment(1);
    else if (nStepResult == MODULE_STEP_BORROW)
        m_pPrev->Decrement(1);
}

// ---- CDelimter ----

CDelimter::CDelimter(LPCSTR lpszText, int nSplit) : m_nSplit(nSplit) {
    m_nKind = MODULE_KIND_DELIMITER;
    m_strText = lpszText ? lpszText : "";
}

std::string CDelimter::GetText() const { return m_strText; }
int CDelimter::GetLength() const { return static_cast<int>(m_strText.size()); }

CModulEdit* CDelimter::GetTarget(int nPos) const { return nPos - m_nStart > m_nSplit ? m_pNext : m_pPrev; }

int CDelimter::ForwardSpin(int nPos, UINT nSBCode) {
    if (m_nSplit == DELIMITER_SPLIT_RIGHT) return MODULE_STEP_DONE;
    CModulEdit* pTarget = GetTarget(nPos);
    return pTarget ? pTarget->HandleSpin(nSBCode) : MODULE_STEP_DONE;
}
