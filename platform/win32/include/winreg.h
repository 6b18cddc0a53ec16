/* winreg.h of the Win32-subset stand-in: the registry, kept in the file
 * "registry.reg" of the Windows directory (GetWindowsDirectoryA) in the
 * REGEDIT4 layout:
 *
 *     REGEDIT4
 *
 *     [HKEY_CLASSES_ROOT\htmlfile\shell\open\command]
 *     @="\"/usr/bin/browser\" %1"
 *     "Count"=dword:00000002
 *     "Raw"=hex(1):61,62,63
 *
 * "@" is the default value; strings are written with their terminating NUL,
 * any other data (a string without its NUL, for one) as hex(type) bytes. The
 * file is read at every call and written at every change. Key paths and value
 * names compare without regard to case; leading backslashes of a sub-key are
 * ignored.
 *
 * RegQueryValueExA gives the bytes as stored: a string value stored without
 * its terminating NUL comes back without one, as on Windows, so a caller that
 * uses the data as a string terminates it itself. */
#ifndef DORVANE_WIN32_WINREG_H
#define DORVANE_WIN32_WINREG_H

#include "windef.h"
#include "winbase.h"

typedef LONG LSTATUS;
typedef DWORD ACCESS_MASK;
typedef ACCESS_MASK REGSAM;

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)((LONG)0x80000000))
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)((LONG)0x80000001))
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)((LONG)0x80000002))
#define HKEY_USERS ((HKEY)(ULONG_PTR)((LONG)0x80000003))

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_DWORD_LITTLE_ENDIAN 4
#define REG_DWORD_BIG_ENDIAN 5
#define REG_LINK 6
#define REG_MULTI_SZ 7
#define REG_QWORD 11

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_WOW64_64KEY 0x0100
#define KEY_WOW64_32KEY 0x0200
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_EXECUTE 0x20019
#define KEY_ALL_ACCESS 0xF003F

#define REG_OPTION_NON_VOLATILE 0x00000000
#define REG_OPTION_VOLATILE 0x00000001
#define REG_CREATED_NEW_KEY 0x00000001
#define REG_OPENED_EXISTING_KEY 0x00000002

WINADVAPI LSTATUS WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                                       PHKEY phkResult);
WINADVAPI LSTATUS WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions,
                                         REGSAM samDesired, const LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                                         PHKEY phkResult, LPDWORD lpdwDisposition);
WINADVAPI LSTATUS WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                                          LPBYTE lpData, LPDWORD lpcbData);
WINADVAPI LSTATUS WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType,
                                        const BYTE *lpData, DWORD cbData);
WINADVAPI LSTATUS WINAPI RegCloseKey(HKEY hKey);

#define RegOpenKeyEx RegOpenKeyExA
#define RegCreateKeyEx RegCreateKeyExA
#define RegQueryValueEx RegQueryValueExA
#define RegSetValueEx RegSetValueExA

#endif
