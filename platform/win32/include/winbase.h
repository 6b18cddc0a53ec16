/* Kernel calls of the Win32-subset stand-in: profile files, modules,
 * processes, debug output. */
#ifndef DORVANE_WIN32_WINBASE_H
#define DORVANE_WIN32_WINBASE_H

#include "windef.h"

/* Profile files (INI layout). A file name without a directory resolves in the
 * Windows directory: $TOVIK_WINDIR, else $XDG_CONFIG_HOME/tovik, else
 * ~/.config/tovik. */
WINBASEAPI DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                                                 LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName);
WINBASEAPI UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName);
WINBASEAPI BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                                  LPCSTR lpFileName);
/* The Windows directory that relative profile names resolve against. */
WINBASEAPI UINT WINAPI GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize);

#endif
