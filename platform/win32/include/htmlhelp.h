/* htmlhelp.h of the Win32-subset stand-in: the entry point of the HTML Help
 * control (hhctrl.ocx), which opens compiled HTML help files.
 *
 * Programs that must run where the control may be missing load it at run
 * time instead of linking it:
 *
 *     HMODULE hModule = LoadLibraryA("hhctrl.ocx");
 *     HTMLHELPPROCA pfnHtmlHelp = hModule ? (HTMLHELPPROCA)GetProcAddress(hModule, "HtmlHelpA") : NULL;
 *     if (pfnHtmlHelp) pfnHtmlHelp(NULL, "C:\\App\\App.chm", HH_HELP_CONTEXT, 141189);
 *
 * The stand-in's control (beside the programs, where LoadLibraryA looks
 * first) opens no window: it reports each call on the debug output. */
#ifndef DORVANE_WIN32_HTMLHELP_H
#define DORVANE_WIN32_HTMLHELP_H

#include "windef.h"

/* Commands (uCommand). */
#define HH_DISPLAY_TOPIC 0x0000 /* dwData: the topic's file within pszFile, or 0 */
#define HH_HELP_CONTEXT 0x000F  /* dwData: the numeric help context of the topic */

/* The help window's handle, or NULL when the command opened none. */
typedef HWND(WINAPI *HTMLHELPPROCA)(HWND hwndCaller, LPCSTR pszFile, UINT uCommand, DWORD_PTR dwData);

#define HHCTRLAPI WIN32_EXTERN_C __attribute__((visibility("default")))
HHCTRLAPI HWND WINAPI HtmlHelpA(HWND hwndCaller, LPCSTR pszFile, UINT uCommand, DWORD_PTR dwData);

#define HtmlHelp HtmlHelpA

#endif
