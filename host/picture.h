// Pictures of windows for the host programs' --render option: a window and
// its visible descendants drawn in the classic look of the platform's
// dialogs and written as a PNG file.
//
// The picture has the window's pixel size. The built-in controls ("Button",
// "Edit", "Static", "ComboBox", "ListBox", "msctls_updown32") and the
// toolkit's "ToolkitSpinButton" are drawn from their state as Win32 calls
// report it (styles, text, check state, selection, focus); a property sheet's
// tab buttons are drawn as tabs; windows of other classes, and owner-drawn
// and image controls, show what GDI drew on their surfaces. Hidden windows are
// left out, disabled ones greyed. The renderer only reads: it sends query
// messages and paints what is still waiting to be painted, nothing else.
#pragma once

#include <windows.h>

#include <string>

// Draws hWnd and writes the picture to path as PNG. false with the reason in
// error when hWnd is no window or the file cannot be written.
bool RenderWindowToPng(HWND hWnd, const std::string& path, std::string& error);
