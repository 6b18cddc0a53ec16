/* Pixels of windows for front ends of the Win32-subset stand-in (not a
 * Windows header). Every window has its own surface of its client size that
 * GetDC and BeginPaint draw on; a picture front end reads the surfaces and
 * composes them by the windows' screen rectangles. */
#ifndef DORVANE_WIN32_DRIVER_GDI_H
#define DORVANE_WIN32_DRIVER_GDI_H

#include "windef.h"

typedef struct WIN32_SURFACE {
    int width;
    int height;
    int stride;         /* bytes from one row to the next, top row first */
    const BYTE *pixels; /* 4 bytes a pixel: blue, green, red, 0 */
} WIN32_SURFACE;

/* Fills *surface with the pixels of the window (NULL: the screen). FALSE when
 * the window has never been drawn on (no GetDC yet) or does not exist. The
 * pointer stays valid until the next GDI call that resizes or frees the
 * surface (a GetDC after the client size changed, the window's destruction). */
WINGDIAPI BOOL WINAPI Win32GetWindowSurface(HWND hwnd, WIN32_SURFACE *surface);

#endif
