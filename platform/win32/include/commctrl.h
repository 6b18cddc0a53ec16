/* Common controls of the Win32-subset stand-in.
 *
 * Index:
 *   InitCommonControls, InitCommonControlsEx  registration (always succeeds)
 *   WC_*                                      class names of the built-in controls
 *   NM_FIRST.., UDN_*                         notification code ranges
 *   UPDOWN_CLASSA, UDS_*, UDM_*, UDACCEL,     the up-down control
 *   NMUPDOWN, CreateUpDownControl
 *
 * The built-in window classes ("Button", "Edit", "Static", "ComboBox",
 * "ComboLBox", "ListBox", "msctls_updown32") are registered by the library
 * itself; InitCommonControls is accepted for programs that call it. */
#ifndef DORVANE_WIN32_COMMCTRL_H
#define DORVANE_WIN32_COMMCTRL_H

#include "windows.h"

/* ---- Registration ---- */

typedef struct tagINITCOMMONCONTROLSEX {
    DWORD dwSize; /* sizeof(INITCOMMONCONTROLSEX) */
    DWORD dwICC;  /* ICC_* classes wanted */
} INITCOMMONCONTROLSEX, *LPINITCOMMONCONTROLSEX;

#define ICC_LISTVIEW_CLASSES 0x00000001
#define ICC_TREEVIEW_CLASSES 0x00000002
#define ICC_BAR_CLASSES 0x00000004
#define ICC_TAB_CLASSES 0x00000008
#define ICC_UPDOWN_CLASS 0x00000010
#define ICC_PROGRESS_CLASS 0x00000020
#define ICC_HOTKEY_CLASS 0x00000040
#define ICC_ANIMATE_CLASS 0x00000080
#define ICC_WIN95_CLASSES 0x000000FF
#define ICC_DATE_CLASSES 0x00000100
#define ICC_USEREX_CLASSES 0x00000200
#define ICC_COOL_CLASSES 0x00000400
#define ICC_STANDARD_CLASSES 0x00004000

WINCOMMCTRLAPI void WINAPI InitCommonControls(void);
WINCOMMCTRLAPI BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX *picce);

/* ---- Class names ---- */

#define WC_BUTTONA "Button"
#define WC_EDITA "Edit"
#define WC_STATICA "Static"
#define WC_COMBOBOXA "ComboBox"
#define WC_LISTBOXA "ListBox"
#define WC_BUTTON WC_BUTTONA
#define WC_EDIT WC_EDITA
#define WC_STATIC WC_STATICA
#define WC_COMBOBOX WC_COMBOBOXA
#define WC_LISTBOX WC_LISTBOXA

/* ---- Notification code ranges (WM_NOTIFY) ---- */

#define NM_FIRST (0U - 0U)
#define NM_LAST (0U - 99U)
#define UDN_FIRST (0U - 721U)
#define UDN_LAST (0U - 729U)

/* ---- Up-down control ---- */

#define UPDOWN_CLASSA "msctls_updown32"
#define UPDOWN_CLASS UPDOWN_CLASSA

#define UD_MAXVAL 0x7fff
#define UD_MINVAL (-UD_MAXVAL)

#define UDS_WRAP 0x0001
#define UDS_SETBUDDYINT 0x0002
#define UDS_ALIGNRIGHT 0x0004
#define UDS_ALIGNLEFT 0x0008
#define UDS_AUTOBUDDY 0x0010
#define UDS_ARROWKEYS 0x0020
#define UDS_HORZ 0x0040
#define UDS_NOTHOUSANDS 0x0080
#define UDS_HOTTRACK 0x0100

#define UDM_SETRANGE (WM_USER + 101)
#define UDM_GETRANGE (WM_USER + 102)
#define UDM_SETPOS (WM_USER + 103)
#define UDM_GETPOS (WM_USER + 104)
#define UDM_SETBUDDY (WM_USER + 105)
#define UDM_GETBUDDY (WM_USER + 106)
#define UDM_SETACCEL (WM_USER + 107)
#define UDM_GETACCEL (WM_USER + 108)
#define UDM_SETBASE (WM_USER + 109)
#define UDM_GETBASE (WM_USER + 110)
#define UDM_SETRANGE32 (WM_USER + 111)
#define UDM_GETRANGE32 (WM_USER + 112)
#define UDM_SETPOS32 (WM_USER + 113)
#define UDM_GETPOS32 (WM_USER + 114)

typedef struct _UDACCEL {
    UINT nSec; /* seconds of holding before this step applies */
    UINT nInc; /* step size */
} UDACCEL, *LPUDACCEL;

#define UDN_DELTAPOS (UDN_FIRST - 1)

/* Sent with UDN_DELTAPOS before the position moves; the parent may change
 * iDelta, or return non-zero to refuse the move. */
typedef struct _NM_UPDOWN {
    NMHDR hdr;
    int iPos;   /* position before the step */
    int iDelta; /* proposed change */
} NMUPDOWN, *LPNMUPDOWN;

WINCOMMCTRLAPI HWND WINAPI CreateUpDownControl(DWORD dwStyle, int x, int y, int cx, int cy, HWND hParent,
                                              int nID, HINSTANCE hInst, HWND hBuddy, int nUpper, int nLower,
                                              int nPos);

#endif
