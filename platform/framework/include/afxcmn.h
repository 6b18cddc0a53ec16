// Common controls (the up-down control's CSpinButtonCtrl lives with the other controls).
#pragma once

#include <commctrl.h>

#include "afxwin.h"
