/* wingdi.h of the Win32-subset stand-in: fonts, brushes, pens, bitmaps and
 * device contexts, kept to what the toolkit draws.
 *
 * Index
 *   constants   raster operations, stretch and background modes, stock
 *               objects, object types, device capabilities, font fields,
 *               brush and pen styles
 *   structures  LOGFONTA, TEXTMETRICA, BITMAP, LOGBRUSH, LOGPEN
 *   objects     CreateFontIndirectA, CreateFontA, CreateSolidBrush,
 *               CreateBrushIndirect, CreatePen, CreateBitmap,
 *               CreateCompatibleBitmap, GetStockObject, GetObjectA,
 *               GetObjectType, DeleteObject, GetBitmapBits, SetBitmapBits,
 *               SetBitmapDimensionEx, GetBitmapDimensionEx
 *   contexts    CreateCompatibleDC, DeleteDC, SelectObject, GetCurrentObject,
 *               SaveDC, RestoreDC, GetDeviceCaps, colours and modes
 *   drawing     BitBlt, StretchBlt, PatBlt, SetPixel, GetPixel, MoveToEx,
 *               LineTo, Rectangle, TextOutA
 *   text        GetTextMetricsA, GetTextExtentPoint32A
 *   window DCs  GetDC, GetWindowDC, ReleaseDC, FillRect, FrameRect, DrawTextA,
 *               LoadBitmapA, LoadStringA (user calls that Windows declares in
 *               winuser.h; windows.h includes both)
 *
 * Pixels are real: every window, the screen and every bitmap keep 32-bit
 * pixels (bytes B, G, R, X in memory; X reads back as 0); a monochrome bitmap
 * keeps only black and white. Each window has its own surface of its client
 * size; win32_driver_gdi.h gives front ends access to it.
 *
 * Text metric model, at 96 dots per inch for every face: the cell height is
 * lfHeight when positive, 13/11 of -lfHeight when negative (internal leading
 * of 2/11 em), 16 when 0; the average width is lfWidth when given, else 6/13
 * of the cell height (8/15 for FIXED_PITCH fonts), so the 8-point
 * "MS Sans Serif" font (lfHeight -11) measures 6 x 13. A string of n
 * characters is n average widths wide. Glyphs are drawn as boxes of the text
 * colour, one per non-blank character cell. */
#ifndef DORVANE_WIN32_WINGDI_H
#define DORVANE_WIN32_WINGDI_H

#include "windef.h"

/* Ternary raster operations. */
#define SRCCOPY 0x00CC0020
#define SRCPAINT 0x00EE0086
#define SRCAND 0x008800C6
#define SRCINVERT 0x00660046
#define SRCERASE 0x00440328
#define NOTSRCCOPY 0x00330008
#define NOTSRCERASE 0x001100A6
#define MERGECOPY 0x00C000CA
#define MERGEPAINT 0x00BB0226
#define PATCOPY 0x00F00021
#define PATPAINT 0x00FB0A09
#define PATINVERT 0x005A0049
#define DSTINVERT 0x00550009
#define BLACKNESS 0x00000042
#define WHITENESS 0x00FF0062

/* Stretch modes: all of them stretch by nearest neighbour. */
#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4
#define STRETCH_ANDSCANS BLACKONWHITE
#define STRETCH_ORSCANS WHITEONBLACK
#define STRETCH_DELETESCANS COLORONCOLOR
#define STRETCH_HALFTONE HALFTONE

/* Background modes. */
#define TRANSPARENT 1
#define OPAQUE 2

#define CLR_INVALID 0xFFFFFFFF
#define GDI_ERROR (0xFFFFFFFFL)
#define HGDI_ERROR ((HANDLE)(LONG_PTR)-1)

/* Stock objects. */
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define OEM_FIXED_FONT 10
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEVICE_DEFAULT_FONT 14
#define DEFAULT_PALETTE 15
#define SYSTEM_FIXED_FONT 16
#define DEFAULT_GUI_FONT 17
#define DC_BRUSH 18
#define DC_PEN 19

/* Object types (GetObjectType, GetCurrentObject). */
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_METADC 4
#define OBJ_PAL 5
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_REGION 8
#define OBJ_METAFILE 9
#define OBJ_MEMDC 10
#define OBJ_EXTPEN 11
#define OBJ_ENHMETADC 12
#define OBJ_ENHMETAFILE 13
#define OBJ_COLORSPACE 14

/* Device capabilities (GetDeviceCaps). */
#define DRIVERVERSION 0
#define TECHNOLOGY 2
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define NUMBRUSHES 16
#define NUMPENS 18
#define NUMMARKERS 20
#define NUMFONTS 22
#define NUMCOLORS 24
#define PDEVICESIZE 26
#define CURVECAPS 28
#define LINECAPS 30
#define POLYGONALCAPS 32
#define TEXTCAPS 34
#define CLIPCAPS 36
#define RASTERCAPS 38
#define ASPECTX 40
#define ASPECTY 42
#define ASPECTXY 44
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define SIZEPALETTE 104
#define NUMRESERVED 106
#define COLORRES 108
#define DT_PLOTTER 0
#define DT_RASDISPLAY 1
#define RC_BITBLT 1
#define RC_BANDING 2
#define RC_SCALING 4
#define RC_BITMAP64 8
#define RC_DI_BITMAP 0x0080
#define RC_STRETCHBLT 0x0800

/* Fonts. */
#define LF_FACESIZE 32
#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_EXTRALIGHT 200
#define FW_ULTRALIGHT FW_EXTRALIGHT
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_REGULAR FW_NORMAL
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_DEMIBOLD FW_SEMIBOLD
#define FW_BOLD 700
#define FW_EXTRABOLD 800
#define FW_ULTRABOLD FW_EXTRABOLD
#define FW_HEAVY 900
#define FW_BLACK FW_HEAVY

#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SYMBOL_CHARSET 2
#define MAC_CHARSET 77
#define SHIFTJIS_CHARSET 128
#define HANGEUL_CHARSET 129
#define HANGUL_CHARSET 129
#define JOHAB_CHARSET 130
#define GB2312_CHARSET 134
#define CHINESEBIG5_CHARSET 136
#define GREEK_CHARSET 161
#define TURKISH_CHARSET 162
#define VIETNAMESE_CHARSET 163
#define HEBREW_CHARSET 177
#define ARABIC_CHARSET 178
#define BALTIC_CHARSET 186
#define RUSSIAN_CHARSET 204
#define THAI_CHARSET 222
#define EASTEUROPE_CHARSET 238
#define OEM_CHARSET 255

#define OUT_DEFAULT_PRECIS 0
#define OUT_STRING_PRECIS 1
#define OUT_CHARACTER_PRECIS 2
#define OUT_STROKE_PRECIS 3
#define OUT_TT_PRECIS 4
#define OUT_DEVICE_PRECIS 5
#define OUT_RASTER_PRECIS 6
#define OUT_TT_ONLY_PRECIS 7
#define OUT_OUTLINE_PRECIS 8
#define CLIP_DEFAULT_PRECIS 0
#define CLIP_CHARACTER_PRECIS 1
#define CLIP_STROKE_PRECIS 2
#define DEFAULT_QUALITY 0
#define DRAFT_QUALITY 1
#define PROOF_QUALITY 2
#define NONANTIALIASED_QUALITY 3
#define ANTIALIASED_QUALITY 4
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define FF_SCRIPT 0x40
#define FF_DECORATIVE 0x50
/* tmPitchAndFamily bits; TMPF_FIXED_PITCH set means a variable-pitch font. */
#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR 0x02
#define TMPF_TRUETYPE 0x04
#define TMPF_DEVICE 0x08

/* Brushes and pens. */
#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL
#define BS_HATCHED 2
#define BS_PATTERN 3
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6

typedef struct tagLOGFONTA {
    LONG lfHeight; /* < 0: character (em) height, > 0: cell height, 0: default */
    LONG lfWidth;  /* average character width, 0: from the height */
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE]; /* bytes in the font's code page, kept as given */
} LOGFONTA, *PLOGFONTA, *LPLOGFONTA;

typedef struct tagTEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICA, *PTEXTMETRICA, *LPTEXTMETRICA;

typedef struct tagBITMAP {
    LONG bmType;       /* always 0 */
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes; /* bytes per scan line, a multiple of 2 */
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;     /* NULL: device-dependent bitmaps give no pointer */
} BITMAP, *PBITMAP, *LPBITMAP;

typedef struct tagLOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
} LOGBRUSH, *PLOGBRUSH, *LPLOGBRUSH;

typedef struct tagLOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
} LOGPEN, *PLOGPEN, *LPLOGPEN;

/* Objects */
WINGDIAPI HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf);
WINGDIAPI HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                                   DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                                   DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                                   DWORD iPitchAndFamily, LPCSTR pszFaceName);
WINGDIAPI HBRUSH WINAPI CreateSolidBrush(COLORREF color);
WINGDIAPI HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush);
WINGDIAPI HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color);
WINGDIAPI HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits);
WINGDIAPI HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy);
WINGDIAPI HGDIOBJ WINAPI GetStockObject(int i);
WINGDIAPI int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv);
WINGDIAPI DWORD WINAPI GetObjectType(HGDIOBJ h);
WINGDIAPI BOOL WINAPI DeleteObject(HGDIOBJ ho);
WINGDIAPI LONG WINAPI GetBitmapBits(HBITMAP hbit, LONG cb, LPVOID lpvBits);
WINGDIAPI LONG WINAPI SetBitmapBits(HBITMAP hbm, DWORD cb, const void* pvBits);
WINGDIAPI BOOL WINAPI SetBitmapDimensionEx(HBITMAP hbm, int w, int h, LPSIZE lpsz);
WINGDIAPI BOOL WINAPI GetBitmapDimensionEx(HBITMAP hbit, LPSIZE lpsize);

/* Device contexts */
WINGDIAPI HDC WINAPI CreateCompatibleDC(HDC hdc);
WINGDIAPI BOOL WINAPI DeleteDC(HDC hdc);
WINGDIAPI HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
WINGDIAPI HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
WINGDIAPI int WINAPI SaveDC(HDC hdc);
WINGDIAPI BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC);
WINGDIAPI int WINAPI GetDeviceCaps(HDC hdc, int index);
WINGDIAPI COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
WINGDIAPI COLORREF WINAPI GetTextColor(HDC hdc);
WINGDIAPI COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
WINGDIAPI COLORREF WINAPI GetBkColor(HDC hdc);
WINGDIAPI int WINAPI SetBkMode(HDC hdc, int mode);
WINGDIAPI int WINAPI GetBkMode(HDC hdc);
WINGDIAPI int WINAPI SetStretchBltMode(HDC hdc, int mode);
WINGDIAPI int WINAPI GetStretchBltMode(HDC hdc);

/* Drawing */
WINGDIAPI BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
WINGDIAPI BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                                 int ySrc, int wSrc, int hSrc, DWORD rop);
WINGDIAPI BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
WINGDIAPI COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
WINGDIAPI COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
WINGDIAPI BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
WINGDIAPI BOOL WINAPI LineTo(HDC hdc, int x, int y);
WINGDIAPI BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
WINGDIAPI BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);

/* Text measurement */
WINGDIAPI BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm);
WINGDIAPI BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl);

#define CreateFontIndirect CreateFontIndirectA
#define CreateFont CreateFontA
#define GetObject GetObjectA
#define GetTextMetrics GetTextMetricsA
#define GetTextExtentPoint32 GetTextExtentPoint32A
#define TextOut TextOutA
#define LOGFONT LOGFONTA
#define TEXTMETRIC TEXTMETRICA

#endif
