// CTovikApp: tovik's application object. It holds the profile-file name that
// the plug-in's pages copy when they are made, loads the plug-in, and runs
// options sheets built from the plug-in's factories under a front end: the
// script front end with --script, else the interactive terminal front end.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

#include "tovik_options.h"

class CCfgTab;
class CHostSheet;
class CMainWindow;
class CPluginLibrary;

class CTovikApp : public CWinApp {
public:
    CTovikApp();

    // Runs tovik with these options; the process's exit status.
    int RunHost(const TovikOptions& options);

private:
    int RunScript(const TovikOptions& options);
    int RunInTerminal(const TovikOptions& options);

    // The plug-in the options name; false after telling why it cannot be loaded.
    static bool LoadPlugin(CPluginLibrary& library, const TovikOptions& options);
    // One sheet of new pages, opened on the --page page and handed to run
    // (which runs it modally); false after telling that --page names no page.
    static bool RunSheet(const CPluginLibrary& library, const TovikOptions& options, CMainWindow& mainWindow,
                         const std::function<void(CHostSheet& sheet)>& run);
    // One page from each factory that makes one.
    static std::vector<CCfgTab*> CreatePages(const CPluginLibrary& library, const TovikOptions& options);
    static void DeletePages(std::vector<CCfgTab*>& pages);
};
