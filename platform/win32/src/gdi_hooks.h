// What the window core tells GDI about windows.
#pragma once

#include <windef.h>

namespace win32::gdi {

// Frees the window's pixel surface; the window core calls this when the
// window gets WM_NCDESTROY. (Surfaces of windows that are no longer
// IsWindow are also dropped lazily when GDI makes a new surface.)
void OnWindowDestroyed(HWND hwnd);

}  // namespace win32::gdi
