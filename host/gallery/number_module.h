// CNumberModule: the gallery's value module for a modular edit, a number of a
// fixed count of digits between a minimum and a maximum, shown with leading
// zeros. Typing a digit overwrites the digit under the caret; a spin step
// past either bound wraps round and, for a module that carries, passes one
// step on to the module before it (seconds into minutes, minutes into hours).
#pragma once

#include <modledit.h>

class CNumberModule : public CModulEdit {
public:
    CNumberModule(int nMin, int nMax, int nDigits, bool bCarries, int nValue);

    int Value() const { return m_nValue; }

    int HandleChar(UINT nChar, int nSelStart, int nSelEnd) override;
    int HandleSpin(UINT nCode) override;
    int Increment(int nCount) override;
    int Decrement(int nCount) override;
    void HandleDelete(int nSelStart, int nSelEnd) override;
    std::string GetValueText() const override;

private:
    int m_nMin;
    int m_nMax;
    bool m_bCarries;
    int m_nValue;

    // Moves by nSteps (either sign), wrapping within the bounds; the result
    // says whether it wrapped over the top (carry) or the bottom (borrow).
    int Step(int nSteps);
    void SetValue(int nValue);
};
