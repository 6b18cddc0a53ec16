// CMultiModuleEdit: a fixed-format edit box whose text is a row of modules
// (modledit.h), such as a time of day HH:MM:SS made of three value modules
// and two delimiters.
//
// Index:
//   MULTI_MODULE_MAX_POSITIONS   the most character positions an edit holds
//   MULTI_MODULE_SELECT, MULTI_MODULE_STEP_CARET   Refresh's display modes
//   CMultiModuleEdit             the edit
//
// Use:
//   CMultiModuleEdit edit;
//   edit.AttachToItem(IDC_TIME, pDialog);          // or CreateEdit
//   edit.AddModule(std::make_unique<CHours>());     // left to right:
//   edit.AddModule(std::make_unique<CDelimter>(":", 0));
//   edit.AddModule(std::make_unique<CMinutes>());   // values and delimiters alternating
//   edit.Refresh(MULTI_MODULE_SELECT);              // the initial text, first module selected
//
// Every input goes to the module under the caret (the current module): a
// typed character to its HandleChar, the up and down arrow keys and a spin
// button's SB_LINEUP / SB_LINEDOWN (WM_VSCROLL sent to the edit) to its
// HandleSpin, the Delete key to its HandleDelete. The text then is built
// again from the modules; it never changes otherwise. A spin step that
// carries or borrows steps the value module before the current one.
#pragma once

#include <afxwin.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "edit_support.h"
#include "modledit.h"

inline constexpr int MULTI_MODULE_MAX_POSITIONS = 100;

// Refresh's modes: select the current module (after a spin step, at the
// start), or put the caret after a typed character and over a delimiter that
// follows it (any mode other than MULTI_MODULE_SELECT).
inline constexpr int MULTI_MODULE_SELECT = -1;
inline constexpr int MULTI_MODULE_STEP_CARET = 1;

class CMultiModuleEdit : public CEdit {
public:
    CMultiModuleEdit() = default;
    // Deletes every module added, once each, in the order they were added,
    // then the window.
    ~CMultiModuleEdit() override;

    // ---- Attributes ----
    // The low word of the style CreateEdit was given (0 after AttachToItem);
    // the edit itself does not read it.
    WORD GetStyleWord() const { return m_wStyle; }
    // The number of character positions the modules cover: the text's length.
    int GetCount() const { return m_nCount; }
    // The module covering position nPos, or null (also outside 0..99).
    CModulEdit* GetModuleAt(int nPos) const;

    // ---- Operations ----
    // The low word of dwStyle goes to m_wStyle and never reaches the window;
    // the high word is the window's style. The edit starts empty.
    BOOL CreateEdit(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Takes over the parent's edit with that ID; FALSE when there is none.
    BOOL AttachToItem(UINT nID, CWnd* pParent);
    // Appends a module after those added before and takes ownership of it
    // (null is ignored). A module gets as many positions as it is long, as
    // far as position 99: one added later, or one of no length, is kept (and
    // deleted with the edit) but covers no position, or only those that fit.
    void AddModule(std::unique_ptr<CModulEdit> pModule);
    // Reads the selection from the window; the module it designates, or null.
    CModulEdit* GetCurrentModule();
    // Selects all positions of the module the last selection read designates.
    void SelectCurrentModule();
    // The modules' value texts in order; delimiters contribute their display
    // text ("12:30:05"). Empty as soon as a value module gives an empty value
    // text, so an incomplete value never looks complete.
    std::string ComposeValueText() const;
    // Writes ComposeText into the window and places the selection or the
    // caret as the mode says (MULTI_MODULE_SELECT, MULTI_MODULE_STEP_CARET).
    void Refresh(int nMode);

    // ---- Overridables, in slot order ----
    // Sends WM_COMMAND (control ID, code 0; lParam 0) to the parent and beeps
    // unless the parent answers -1. The edit never calls it: a derived edit
    // or its modules report unacceptable input with it.
    virtual void RejectInput();
    // The display text: every module's GetText, left to right.
    virtual std::string ComposeText() const;

protected:
    // ---- Message handlers ----
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    // ---- Implementation ----
    WORD m_wStyle = 0;
    int m_nCount = 0;     // positions covered by modules
    int m_nSelStart = 0;  // the selection last read from the window...
    int m_nSelEnd = 0;    // ...its end already moved onto the last selected character
    CModulEdit* m_pLastValueModule = nullptr;
    CModulEdit* m_pLastDelimiter = nullptr;
    // The module of each position (borrowed from m_modules); null past m_nCount.
    std::array<CModulEdit*, MULTI_MODULE_MAX_POSITIONS> m_apModules{};

private:
    // The module the stored selection designates (no window access).
    CModulEdit* ModuleOfSelection() const;
    // One spin step of the current module, with its carry or borrow.
    void StepCurrentModule(UINT nSBCode);
    // Writes the modules' text and selects the current module.
    void ShowModules();

    // Every module added, in order: the one owner of each.
    std::vector<std::unique_ptr<CModulEdit>> m_modules;
};
