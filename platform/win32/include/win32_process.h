/* Process starts of the Win32-subset stand-in, for front ends (not a Windows
 * header). A front end prints each start as
 *     launch PROGRAM "COMMAND LINE" in DIRECTORY
 * and may keep the program from running. */
#ifndef DORVANE_WIN32_PROCESS_H
#define DORVANE_WIN32_PROCESS_H

#include "windef.h"

/* Called by CreateProcessA for each start, before the program is looked up:
 * program as the caller named it (lpApplicationName, else the first argument
 * of the command line), the command line as given, and the working directory
 * (lpCurrentDirectory, else the current directory). Returning TRUE starts the
 * program; FALSE does not, and CreateProcessA then succeeds with a process
 * that has already ended with exit code 0. */
typedef BOOL(CALLBACK *WIN32_LAUNCH_HOOK)(LPCSTR program, LPCSTR commandLine, LPCSTR directory, LPVOID context);

/* One hook at a time; NULL removes it. Returns the previous hook. */
WINBASEAPI WIN32_LAUNCH_HOOK WINAPI Win32SetLaunchHook(WIN32_LAUNCH_HOOK hook, LPVOID context);

#endif
