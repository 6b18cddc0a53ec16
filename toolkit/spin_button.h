// The toolkit's spin button: a window class of its own, "ToolkitSpinButton",
// that shows two arrow buttons, one above the other, and keeps a position
// between 0 and a span. It is what a spin edit pairs with (spin_messages.h
// has the messages between the two).
//
// A click with the left mouse button on the upper half moves the position
// one towards 0, on the lower half one towards the span, never outside
// 0..span; then the button sends WM_VSCROLL to its associate with SB_LINEUP
// (upper arrow) or SB_LINEDOWN (lower arrow) in the low word of wParam, 0 in
// the high word, and its own window in lParam. A click at either end still
// sends its WM_VSCROLL, so the associate sees every click. The arrow stays
// drawn pushed in until the button is released; holding it does not repeat.
// A new spin button has span 0, position 0 and no associate.
//
// Dialog templates name it by class; programs register the class once at
// start-up:
//
//     RegisterSpinButtonClass();
//     {SPIN_BUTTON_CLASS, "", 1031, 60, 7, 10, 12, 0}   // a control of a win32::DialogTemplate
//
// Index:
//   SPIN_BUTTON_CLASS        the class name
//   RegisterSpinButtonClass  registers the class for every module of the process
#pragma once

#include <windows.h>

#include "spin_messages.h"

inline constexpr char SPIN_BUTTON_CLASS[] = "ToolkitSpinButton";

// Registers the class as a global class unless it is registered already.
// TRUE when the class is registered afterwards.
BOOL RegisterSpinButtonClass();
