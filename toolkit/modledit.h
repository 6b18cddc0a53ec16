// The modules of a modular edit (CMultiModuleEdit, mul_edit.h): each owns a
// run of character positions of the edit's text.
//
// Index:
//   MODULE_STEP_DONE, MODULE_STEP_CARRY, MODULE_STEP_BORROW
//                      what a spin step did to a value module
//   MODULE_KIND_VALUE, MODULE_KIND_DELIMITER   values of m_nKind
//   DELIMITER_SPLIT_RIGHT   a delimiter whose every position belongs to its right neighbour
//   CModulEdit         a value module: the base of the concrete modules a user
//                      of the edit derives (an hour, a minute, a byte of an address)
//   CDelimter          fixed text between two value modules
//
// A value module derives from CModulEdit, gives its length to the
// constructor, keeps m_strText as its display text (exactly GetLength
// characters), and overrides the operations it reacts to: HandleChar for
// typing, HandleSpin for spin steps and the arrow keys, HandleDelete for the
// Delete key, Increment / Decrement for a carry or borrow from the module
// after it, GetValueText for the edit's value text.
//
// The virtual operations keep their order (the edit's users derive from
// these classes), and so do the fields.
#pragma once

#include <afxwin.h>

#include <string>

// HandleSpin's results. A carry or borrow makes the edit step the value
// module before this one by one (PassCarry).
inline constexpr int MODULE_STEP_DONE = 1;
inline constexpr int MODULE_STEP_CARRY = 2;   // stepped past its top: the previous module goes up
inline constexpr int MODULE_STEP_BORROW = 3;  // stepped past its bottom: the previous module goes down

inline constexpr int MODULE_KIND_VALUE = 0;  // any kind other than MODULE_KIND_DELIMITER is a value module
inline constexpr int MODULE_KIND_DELIMITER = 1;

// CDelimter's split offset that gives input at every position of the
// delimiter to the value module after it.
inline constexpr int DELIMITER_SPLIT_RIGHT = -1;

class CModulEdit {
public:
    // A module with no positions and empty text; a derived value module sets
    // m_nLength (or uses the other constructor).
    CModulEdit() = default;
    // A value module of nLength positions.
    explicit CModulEdit(int nLength) : m_nLength(nLength) {}
    CModulEdit(const CModulEdit&) = delete;
    CModulEdit& operator=(const CModulEdit&) = delete;

    // ---- Overridables, in slot order ----
    virtual ~CModulEdit() = default;
    // A typed character, with the edit's selection (end: the last selected
    // position, or the caret when nothing is selected). The result is not used.
    virtual int HandleChar(UINT nChar, int nSelStart, int nSelEnd);
    // A spin step (SB_LINEUP, SB_LINEDOWN; other codes are passed on as
    // they come): one of the MODULE_STEP_* results.
    virtual int HandleSpin(UINT nSBCode);
    // A carry (Increment) or borrow (Decrement) from the module after this
    // one, by nCount steps.
    virtual int Increment(int nCount);
    virtual int Decrement(int nCount);
    // The display text, GetLength characters.
    virtual std::string GetText() const;
    virtual int GetLength() const;
    // The module that input at position nPos goes to: delimiters only.
    virtual CModulEdit* GetTarget(int nPos) const;
    // Hooks for derived modules; the edit never calls them, so the meaning of
    // their arguments and results is the deriving class's own.
    virtual std::string GetExtraText(int nParam1, int nParam2, int nParam3) const;
    // The Delete key, with the selection as for HandleChar.
    virtual void HandleDelete(int nSelStart, int nSelEnd);
    // The module's part of the edit's value text; empty when the module holds
    // no usable value, which makes the whole value text empty.
    virtual std::string GetValueText() const;
    virtual int GetExtraIndex(int nParam) const;
    virtual int GetExtraValue() const;

    // ---- Attributes (AddModule sets start and links) ----
    int GetStart() const { return m_nStart; }
    void SetStart(int nStart) { m_nStart = nStart; }
    int GetKind() const { return m_nKind; }
    void SetKind(int nKind) { m_nKind = nKind; }
    bool IsDelimiter() const { return m_nKind == MODULE_KIND_DELIMITER; }
    CModulEdit* GetPrev() const { return m_pPrev; }
    void SetPrev(CModulEdit* pPrev) { m_pPrev = pPrev; }
    CModulEdit* GetNext() const { return m_pNext; }
    void SetNext(CModulEdit* pNext) { m_pNext = pNext; }

    // ---- Operations ----
    // Applies a HandleSpin result to the previous value module: a carry
    // increments it by one, a borrow decrements it by one, anything else (or
    // no previous module) does nothing. A module whose Increment or Decrement
    // runs past its own range passes the step on with this as well.
    void PassCarry(int nStepResult);

protected:
    std::string m_strText;            // the display text
    int m_nLength = 0;                // positions of a value module (the base GetLength)
    int m_nStart = 0;                 // first position in the edit's text
    int m_nKind = MODULE_KIND_VALUE;  // MODULE_KIND_DELIMITER for a delimiter
    CModulEdit* m_pPrev = nullptr;    // the value module added before this one; not owned
    CModulEdit* m_pNext = nullptr;    // delimiters: the value module added after it; not owned
};

class CDelimter : public CModulEdit {
public:
    // Input at offsets 0..nSplit of the delimiter goes to the module on its
    // left, input further right to the module on its right;
    // DELIMITER_SPLIT_RIGHT sends all of it right.
    CDelimter(LPCSTR lpszText, int nSplit);
    ~CDelimter() override = default;

    // ---- Overridables ----
    std::string GetText() const override;
    int GetLength() const override;  // the length of the text
    CModulEdit* GetTarget(int nPos) const override;

    // ---- Operations ----
    // Passes a spin step at position nPos to the target module and returns
    // its HandleSpin result; MODULE_STEP_DONE when there is no target or the
    // delimiter gives everything to its right neighbour.
    int ForwardSpin(int nPos, UINT nSBCode);

    // ---- Attributes ----
    int m_nSplit;  // last offset that belongs to the left neighbour, or DELIMITER_SPLIT_RIGHT
};
