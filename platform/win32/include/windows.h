/* The Win32-subset stand-in: the part of the Win32 API that Dorvane, its
 * framework and its host use, with Win32's names, types and values. */
#ifndef DORVANE_WIN32_WINDOWS_H
#define DORVANE_WIN32_WINDOWS_H

#include "windef.h"
#include "winbase.h"
#include "winuser.h"
#include "wingdi.h"
#include "winreg.h"

#endif
