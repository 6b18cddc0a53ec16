/* The debug sink of the Win32-subset stand-in (not a Windows header).
 *
 * Every OutputDebugStringA text is recorded here, in order, and handed to
 * each subscribed hook (a front end prints it as `debug "TEXT"`); when the
 * environment variable TOVIK_DEBUG is set it also goes to stderr. The record
 * keeps the most recent WIN32_DEBUG_RECORD_LIMIT texts. Any thread may write. */
#ifndef DORVANE_WIN32_DEBUG_H
#define DORVANE_WIN32_DEBUG_H

#include "windef.h"

#define WIN32_DEBUG_RECORD_LIMIT 4096

typedef void(CALLBACK *WIN32_DEBUG_HOOK)(LPCSTR text, LPVOID context);

/* Number of recorded texts, and one of them (0 the oldest kept) copied into
 * buffer as GetModuleFileNameA copies: cut to size - 1 characters and
 * NUL-terminated. The result is the text's full length, or 0 and an empty
 * buffer for an index out of range. */
WINBASEAPI DWORD WINAPI Win32GetDebugMessageCount(void);
WINBASEAPI DWORD WINAPI Win32GetDebugMessage(DWORD index, LPSTR buffer, DWORD size);
WINBASEAPI void WINAPI Win32ClearDebugMessages(void);

/* Hooks are called in the order they were added, on the writing thread,
 * outside the sink's lock. Adding a hook twice calls it twice. */
WINBASEAPI BOOL WINAPI Win32AddDebugHook(WIN32_DEBUG_HOOK hook, LPVOID context);
WINBASEAPI BOOL WINAPI Win32RemoveDebugHook(WIN32_DEBUG_HOOK hook, LPVOID context);

#endif
