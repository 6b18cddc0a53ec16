// CMultiModuleEdit: the module table, the current module, and the input
// handlers that route everything through the modules.
#include "mul_edit.h"

#include <algorithm>

namespace {

// RejectInput's notification carries no code and no window.
constexpr WORD kRejectNotifyCode = 0;
constexpr LPARAM kRejectNotifyParam = 0;

}  // namespace

BEGIN_MESSAGE_MAP(CMultiModuleEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_VSCROLL()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CMultiModuleEdit::~CMultiModuleEdit() {
    // The table only borrows; forget it before the modules go.
    m_apModules.fill(nullptr);
    m_pLastValueModule = nullptr;
    m_pLastDelimiter = nullptr;
    for (std::unique_ptr<CModulEdit>& pModule : m_modules) pModule.reset();
    m_modules.clear();
}

CModulEdit* CMultiModuleEdit::GetModuleAt(int nPos) const {
    if (nPos < 0 || nPos >= MULTI_MODULE_MAX_POSITIONS) return nullptr;
    return m_apModules[static_cast<size_t>(nPos)];
}

BOOL CMultiModuleEdit::CreateEdit(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    m_wStyle = LOWORD(dwStyle);
    return CEdit::Create(dwStyle & EDIT_WINDOW_STYLE_MASK, rect, pParentWnd, nID);
}

BOOL CMultiModuleEdit::AttachToItem(UINT nID, CWnd* pParent) {
    m_wStyle = 0;
    return SubclassDlgItem(nID, pParent);  // FALSE when the parent has no such child
}

void CMultiModuleEdit::AddModule(std::unique_ptr<CModulEdit> pModule) {
    if (!pModule) return;
    CModulEdit* pAdded = m_modules.emplace_back(std::move(pModule)).get();
    // Value modules link to the value module before them, skipping
    // delimiters; a delimiter knows both its neighbours.
    pAdded->SetPrev(m_pLastValueModule);
    if (pAdded->IsDelimiter()) {
        m_pLastDelimiter = pAdded;
    } else {
        m_pLastValueModule = pAdded;
        if (m_pLastDelimiter) m_pLastDelimiter->SetNext(pAdded);
    }
    pAdded->SetStart(m_nCount);
    const int nLength = pAdded->GetLength();
    for (int i = 0; i < nLength && m_nCount < MULTI_MODULE_MAX_POSITIONS; ++i)
        m_apModules[static_cast<size_t>(m_nCount++)] = pAdded;
}

CModulEdit* CMultiModuleEdit::GetCurrentModule() {
    GetSel(m_nSelStart, m_nSelEnd);
    // A selection stands for its last character; a bare caret for the
    // character after it.
    if (m_nSelEnd > m_nSelStart) --m_nSelEnd;
    return ModuleOfSelection();
}

CModulEdit* CMultiModuleEdit::ModuleOfSelection() const {
    if (m_nCount == 0) return nullptr;
    // The caret at the end of the text belongs to the last module.
    CModulEdit* pModule = m_apModules[static_cast<size_t>(std::clamp(m_nSelEnd, 0, m_nCount - 1))];
    if (pModule && pModule->IsDelimiter()) return pModule->GetTarget(m_nSelEnd);
    return pModule;
}

void CMultiModuleEdit::SelectCurrentModule() {
    // The stored end was moved onto the last selected character when it was
    // read; moving it again could name the module on the other side of a
    // delimiter.
    if (CModulEdit* pModule = ModuleOfSelection())
        SetSel(pModule->GetStart(), pModule->GetStart() + pModule->GetLength());  // and scrolls the caret
}

std::string CMultiModuleEdit::ComposeText() const {
    std::string strText;
    const CModulEdit* pPrevEntry = nullptr;
    for (const CModulEdit* pModule : m_apModules) {
        if (pModule && pModule != pPrevEntry) strText += pModule->GetText();
        pPrevEntry = pModule;
    }
    return strText;
}

std::string CMultiModuleEdit::ComposeValueText() const {
    std::string strValue;
    const CModulEdit* pPrevEntry = nullptr;
    for (const CModulEdit* pModule : m_apModules) {
        if (pModule && pModule != pPrevEntry) {
            if (pModule->IsDelimiter()) {
                strValue += pModule->GetText();
            } else {
                const std::string strPart = pModule->GetValueText();
                if (strPart.empty()) return {};
                strValue += strPart;
            }
        }
        pPrevEntry = pModule;
    }
    return strValue;
}

void CMultiModuleEdit::Refresh(int nMode) {
    const std::string strText = ComposeText();
    int nSelStart = 0;
    int nSelEnd = 0;
    GetSel(nSelStart, nSelEnd);
    SetWindowText(strText.c_str());  // loses the selection
    if (nMode == MULTI_MODULE_SELECT) {
        SelectCurrentModule();
        return;
    }
    // After a typed character: the caret steps past it, and past a delimiter
    // that follows, so typing runs on into the next value module.
    const int nCaret = nSelStart + 1;
    SetSel(nCaret, nCaret);
    if (m_nCount == 0) return;
    const CModulEdit* pModule = m_apModules[static_cast<size_t>(std::min(nCaret, m_nCount - 1))];
    if (pModule && pModule->IsDelimiter()) {
        const int nAfterDelimiter = pModule->GetStart() + pModule->GetLength();
        SetSel(nAfterDelimiter, nAfterDelimiter);
    }
}

void CMultiModuleEdit::RejectInput() { ReportRejectedInput(*this, kRejectNotifyCode, kRejectNotifyParam); }

void CMultiModuleEdit::ShowModules() {
    SetWindowText(ComposeText().c_str());
    SelectCurrentModule();
}

void CMultiModuleEdit::StepCurrentModule(UINT nSBCode) {
    SetFocus();
    CModulEdit* pModule = GetCurrentModule();
    if (!pModule) return;
    pModule->PassCarry(pModule->HandleSpin(nSBCode));
    ShowModules();
}

// ---- Message handlers ----

void CMultiModuleEdit::OnChar(UINT nChar, UINT, UINT) {
    // The text changes only through the modules: the character never reaches
    // the edit's own handling.
    CModulEdit* pModule = GetCurrentModule();
    if (!pModule) return;
    pModule->HandleChar(nChar, m_nSelStart, m_nSelEnd);
    Refresh(MULTI_MODULE_STEP_CARET);
}

void CMultiModuleEdit::OnVScroll(UINT nSBCode, UINT, CScrollBar*) { StepCurrentModule(nSBCode); }

void CMultiModuleEdit::OnKeyDown(UINT nChar, UINT, UINT) {
    CModulEdit* pModule = GetCurrentModule();
    if (!pModule) return;  // no modules: the key is dropped
    switch (nChar) {
    case VK_UP:
        StepCurrentModule(SB_LINEUP);
        break;
    case VK_DOWN:
        StepCurrentModule(SB_LINEDOWN);
        break;
    case VK_DELETE:
        pModule->HandleDelete(m_nSelStart, m_nSelEnd);
        break;
    default:
        Default();  // the caret keys move as in any edit
        return;
    }
    ShowModules();
}

void CMultiModuleEdit::OnLButtonDblClk(UINT, CPoint) {
    // Instead of the edit's word selection: the whole module under the mouse
    // (the button press before put the caret there).
    GetCurrentModule();
    SelectCurrentModule();
}
