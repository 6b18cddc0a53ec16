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

/* ---- Errors, modules, resources, processes, debug output, strings ------ */

/* Error codes (GetLastError); the values of Windows' winerror.h. */
#ifndef ERROR_SUCCESS
#define ERROR_SUCCESS 0L
#define NO_ERROR 0L
#define ERROR_INVALID_FUNCTION 1L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_BAD_FORMAT 11L
#define ERROR_INVALID_DATA 13L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_NOT_SUPPORTED 50L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_INVALID_NAME 123L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_PROC_NOT_FOUND 127L
#define ERROR_BAD_PATHNAME 161L
#define ERROR_BAD_EXE_FORMAT 193L
#define ERROR_FILENAME_EXCED_RANGE 206L
#define ERROR_MORE_DATA 234L
#define ERROR_NO_MORE_ITEMS 259L
#define ERROR_DIRECTORY 267L
#define ERROR_BADDB 1009L
#define ERROR_BADKEY 1010L
#define ERROR_CANTOPEN 1011L
#define ERROR_CANTREAD 1012L
#define ERROR_CANTWRITE 1013L
#define ERROR_DLL_INIT_FAILED 1114L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_TLW_WITH_WSCHILD 1406L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CLASS_DOES_NOT_EXIST 1411L
#define ERROR_CLASS_HAS_WINDOWS 1412L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_CONTROL_ID_NOT_FOUND 1421L
#define ERROR_NOT_CHILD_WINDOW 1442L
#define ERROR_RESOURCE_DATA_NOT_FOUND 1812L
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L
#endif

WINBASEAPI DWORD WINAPI GetLastError(void);
WINBASEAPI void WINAPI SetLastError(DWORD dwErrCode);

/* Modules. An HMODULE is the loader's link map of the module; the program
 * itself is GetModuleHandleA(NULL). A name without an extension gets ".so",
 * as Windows appends ".dll". DllMain and resources are registered with the
 * macros of win32_resources.h. */
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
typedef INT_PTR(WINAPI *FARPROC)(void);
WINBASEAPI HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
WINBASEAPI HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
WINBASEAPI BOOL WINAPI FreeLibrary(HMODULE hLibModule);
WINBASEAPI FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
WINBASEAPI DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

/* Resources of a module (NULL: the program). */
WINBASEAPI HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
WINBASEAPI HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);
WINBASEAPI LPVOID WINAPI LockResource(HGLOBAL hResData);
WINBASEAPI DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo);
WINBASEAPI BOOL WINAPI FreeResource(HGLOBAL hResData);

/* Processes. */
#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_ABANDONED 0x00000080L
#define WAIT_TIMEOUT 258L
#define WAIT_FAILED 0xFFFFFFFF
#define STILL_ACTIVE 259L
#define STARTF_USESHOWWINDOW 0x00000001
#define STARTF_USESTDHANDLES 0x00000100
#define CREATE_NEW_CONSOLE 0x00000010
#define CREATE_NO_WINDOW 0x08000000
#define NORMAL_PRIORITY_CLASS 0x00000020

typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

typedef struct _STARTUPINFOA {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
} STARTUPINFOA, *LPSTARTUPINFOA;

typedef struct _PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
} PROCESS_INFORMATION, *PPROCESS_INFORMATION, *LPPROCESS_INFORMATION;

/* The program is lpApplicationName, else the first argument of the command
 * line; a relative program resolves against the current directory, then
 * PATH. The command line is split into arguments by the rules of
 * CommandLineToArgvW. Environment blocks and creation flags are ignored. */
WINBASEAPI BOOL WINAPI CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine,
                                      LPSECURITY_ATTRIBUTES lpProcessAttributes,
                                      LPSECURITY_ATTRIBUTES lpThreadAttributes, BOOL bInheritHandles,
                                      DWORD dwCreationFlags, LPVOID lpEnvironment, LPCSTR lpCurrentDirectory,
                                      LPSTARTUPINFOA lpStartupInfo, LPPROCESS_INFORMATION lpProcessInformation);
WINBASEAPI BOOL WINAPI CloseHandle(HANDLE hObject);
WINBASEAPI DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
WINBASEAPI BOOL WINAPI GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode);
WINBASEAPI DWORD WINAPI GetCurrentDirectoryA(DWORD nBufferLength, LPSTR lpBuffer);

/* Debug output: to the debug sink (win32_debug.h), and to stderr when the
 * environment variable TOVIK_DEBUG is set. */
WINBASEAPI void WINAPI OutputDebugStringA(LPCSTR lpOutputString);

/* Strings and arithmetic. */
WINBASEAPI int WINAPI lstrlenA(LPCSTR lpString);
WINBASEAPI LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength);
/* number * numerator / denominator in 64 bits, rounded half away from zero;
 * -1 when the denominator is 0 or the result does not fit. */
WINBASEAPI int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator);
/* Upper case in the "C" locale: bytes above 0x7F are left as they are. */
WINBASEAPI LPSTR WINAPI CharUpperA(LPSTR lpsz);
WINBASEAPI DWORD WINAPI CharUpperBuffA(LPSTR lpsz, DWORD cchLength);

#define GetModuleHandle GetModuleHandleA
#define LoadLibrary LoadLibraryA
#define GetModuleFileName GetModuleFileNameA
#define FindResource FindResourceA
#define CreateProcess CreateProcessA
#define GetCurrentDirectory GetCurrentDirectoryA
#define OutputDebugString OutputDebugStringA
#define lstrlen lstrlenA
#define lstrcpyn lstrcpynA
#define CharUpper CharUpperA
#define CharUpperBuff CharUpperBuffA
#define STARTUPINFO STARTUPINFOA
#define LPSTARTUPINFO LPSTARTUPINFOA

#endif
