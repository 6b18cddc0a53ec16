// CGalleryApp: the gallery's application object. It shows the toolkit's
// controls at work on pages of its own, in one options sheet after another
// (a script's `open` asks for the next) under the script front end, or in
// one sheet in the terminal.
#pragma once

#include <afxwin.h>

#include <functional>
#include <ostream>

#include "gallery_options.h"

class CMainWindow;
class CPropertySheet;

class CGalleryApp : public CWinApp {
public:
    CGalleryApp();

    // Runs the gallery with these options; the process's exit status.
    int RunGallery(const GalleryOptions& options);

private:
    int RunScript(const GalleryOptions& options);
    int RunInTerminal(const GalleryOptions& options);
    // One sheet of new pages reporting on report, opened on the --page page
    // and handed to run (which runs it modally); the pages report their
    // values when it has closed. False after telling that --page names no page.
    static bool RunSheet(const GalleryOptions& options, CMainWindow& mainWindow, std::ostream& report,
                         const std::function<void(CPropertySheet& sheet)>& run);
};
