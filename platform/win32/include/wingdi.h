/* wingdi.h of the Win32-subset stand-in. */
#ifndef DORVANE_WIN32_WINGDI_H
#define DORVANE_WIN32_WINGDI_H

#include "windef.h"

#endif
