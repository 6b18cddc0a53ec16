/* winreg.h of the Win32-subset stand-in. */
#ifndef DORVANE_WIN32_WINREG_H
#define DORVANE_WIN32_WINREG_H

#include "windef.h"

#endif
