// The classic look of the platform's dialogs, drawn with cairo: system
// colours, 3-D edges, check boxes, radio buttons, arrows, focus rectangles
// and dialog text with its mnemonic underlined.
//
// Index
//   Fill, Frame              solid rectangles and one-pixel frames
//   Edge, DrawEdge           the 3-D edges of buttons, fields, frames and dialogs
//   DrawCheckBox, DrawRadioButton, DrawArrow, DrawFocusRect, DrawDither
//   Font, SelectFont         a platform font mapped onto an installed one
//   DrawText, TextExtent     text in a rectangle, with Win32's DT_ flags
//
// Shapes are drawn pixel by pixel, without smoothing, in the platform's own
// colours (GetSysColor); only text is smoothed. Every rectangle is in the
// pixels of the cairo context's current user space. Text is bytes of the
// system code page, which maps one to one onto U+0000..U+00FF.
#pragma once

#include <cairo.h>
#include <windows.h>

#include <string>
#include <string_view>

namespace classic {

// The pixels of the check box square and of the radio button circle.
inline constexpr int CHECK_BOX_SIZE = 13;
inline constexpr int RADIO_BUTTON_SIZE = 12;
// The width of a two-pixel 3-D edge.
inline constexpr int EDGE_WIDTH = 2;

// ---- Rectangles and edges ----

// Fills rect with the system colour nSysColor (COLOR_*).
void Fill(cairo_t* cr, const RECT& rect, int nSysColor);
// A one-pixel frame just inside rect.
void Frame(cairo_t* cr, const RECT& rect, int nSysColor);

enum class Edge {
    Raised,        // a dialog's frame, a tab control's body: light outside, dark on the bottom right
    Sunken,        // an edit box, a list box, a check box's square
    Button,        // a push button at rest (soft: its inner top-left line is the face colour)
    ButtonPushed,  // a push button held down: a dark frame and a shadow line
    Etched,        // a group box's frame, an etched static: a groove
    ThinSunken,    // WS_EX_STATICEDGE, SS_SUNKEN: one pixel, shadow on the top left
};

// Draws the edge inside rect and returns the rectangle left inside it.
RECT DrawEdge(cairo_t* cr, const RECT& rect, Edge edge);

// ---- Marks ----

// nCheck: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE. A disabled or
// pushed box has the face colour inside.
void DrawCheckBox(cairo_t* cr, POINT topLeft, UINT nCheck, bool bEnabled, bool bPushed);
void DrawRadioButton(cairo_t* cr, POINT topLeft, bool bChecked, bool bEnabled, bool bPushed);

enum class Arrow { Up, Down, Left, Right };
// A solid triangle centred in box; a disabled one is embossed.
void DrawArrow(cairo_t* cr, const RECT& box, Arrow arrow, bool bEnabled);
// The dotted rectangle of the keyboard focus, just inside rect.
void DrawFocusRect(cairo_t* cr, const RECT& rect);
// A checkerboard of two system colours: a scroll bar's track.
void DrawDither(cairo_t* cr, const RECT& rect, int nSysColorEven, int nSysColorOdd);

// ---- Text ----

// A platform font (its LOGFONTA) mapped onto an installed font.
struct Font {
    std::string strFamily;  // a fontconfig family name
    double dSize = 0;       // cairo's font size: pixels per em
    bool bBold = false;
    bool bItalic = false;
    bool bUnderline = false;
};

// The installed font for a platform font: sans, or monospace for a fixed-pitch
// one, sized so that its average character is as wide as the platform font's
// (nAverageWidth, GetTextMetrics' tmAveCharWidth), since the dialog's layout
// was computed from that width, but never taller than the platform font.
Font MapFont(cairo_t* cr, const LOGFONTA& logFont, int nAverageWidth);
void SelectFont(cairo_t* cr, const Font& font);

// Draws text in rect, as Win32's DrawTextA would, in the selected font:
// DT_LEFT, DT_CENTER, DT_RIGHT, DT_TOP, DT_VCENTER, DT_BOTTOM, DT_SINGLELINE,
// DT_WORDBREAK, DT_NOPREFIX ('&' otherwise underlines the next character and
// "&&" is one '&'), and DT_CALCRECT (nothing drawn). Returns the rectangle
// the text covers.
RECT DrawText(cairo_t* cr, std::string_view text, const RECT& rect, UINT uFormat, int nSysColor);
// The same in the embossed grey of disabled controls.
RECT DrawDisabledText(cairo_t* cr, std::string_view text, const RECT& rect, UINT uFormat);
// The width of text (no mnemonic processing) and the height of a line, in pixels.
SIZE TextExtent(cairo_t* cr, std::string_view text);

}  // namespace classic
