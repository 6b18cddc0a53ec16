// CGalleryApp: the gallery's application object. It shows the toolkit's
// controls at work on pages of its own, in one options sheet after another
// (a script's `open` asks for the next), under the script front end.
#pragma once

#include <afxwin.h>

#include "gallery_options.h"

class CGalleryApp : public CWinApp {
public:
    CGalleryApp();

    // Runs the gallery with these options; the process's exit status.
    int RunGallery(const GalleryOptions& options);
};
