// CTovikApp: tovik's application object. It holds the profile-file name that
// the plug-in's pages copy when they are made, loads the plug-in, and runs
// options sheets built from the plug-in's factories under the script front end.
#pragma once

#include <afxwin.h>

#include <vector>

#include "tovik_options.h"

class CCfgTab;
class CPluginLibrary;

class CTovikApp : public CWinApp {
public:
    CTovikApp();

    // Runs tovik with these options; the process's exit status.
    int RunHost(const TovikOptions& options);

private:
    // One page from each factory that makes one.
    static std::vector<CCfgTab*> CreatePages(const CPluginLibrary& library, const TovikOptions& options);
    static void DeletePages(std::vector<CCfgTab*>& pages);
};
