// The messages between a toolkit edit and the spin button that steps it.
//
// The spin button's positions run from 0 to a span that the edit sets; what a
// position stands for is the edit's business. On each click the button moves
// its own position by one (its upper arrow towards 0, its lower arrow towards
// the span, never outside 0..span) and then sends WM_VSCROLL to its
// associate, with SB_LINEUP or SB_LINEDOWN in the low word of wParam and its
// own window in lParam.
//
// Index:
//   SPM_SETASSOCIATE  wParam: the window that gets the steps; lParam 0
//   SPM_SETRANGE      wParam 0; lParam: the span (positions 0..span)
//   SPM_SETPOS        wParam: the position, kept within 0..span; lParam 0
//   SPM_GETPOS        wParam, lParam 0; returns the current position
#pragma once

#include <windows.h>

inline constexpr UINT SPM_SETASSOCIATE = WM_USER + 1;
inline constexpr UINT SPM_SETRANGE = WM_USER + 3;
inline constexpr UINT SPM_SETPOS = WM_USER + 5;
inline constexpr UINT SPM_GETPOS = WM_USER + 6;
