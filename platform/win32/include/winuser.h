/* winuser.h of the Win32-subset stand-in. */
#ifndef DORVANE_WIN32_WINUSER_H
#define DORVANE_WIN32_WINUSER_H

#include "windef.h"

#endif
