// tovik's run: the profile name first, then the plug-in, then one options
// sheet after another (a script's `open` asks for the next) until the script
// ends, and the picture of --render when it runs out; or one sheet in the
// terminal. The pages go before the library does.
#include "tovik_app.h"

#include <cfg_tab.h>
#include <setbook.h>

#include <fstream>
#include <iostream>
#include <sstream>

#include "host_sheet.h"
#include "main_window.h"
#include "plugin_library.h"
#include "render_at_end.h"
#include "script_driver.h"
#include "terminal_driver.h"

namespace {

constexpr char kAppName[] = "Tovik";
constexpr char kProgramName[] = "tovik";
constexpr char kSheetCaption[] = "Options";
// The first two strings each page gets from the host: it keeps them unread.
constexpr char kPageSource[] = "Tovik";
constexpr char kPageExtra[] = "General Options";

}  // namespace

CTovikApp::CTovikApp() : CWinApp(kAppName) {}

std::vector<CCfgTab*> CTovikApp::CreatePages(const CPluginLibrary& library, const TovikOptions& options) {
    std::vector<CCfgTab*> pages;
    for (PageFactory factory : library.Factories()) {
        // Null: the protocol has no such page.
        if (CCfgTab* pPage = factory(kPageSource, kPageExtra, options.strProtocol.c_str())) pages.push_back(pPage);
    }
    return pages;
}

void CTovikApp::DeletePages(std::vector<CCfgTab*>& pages) {
    for (CCfgTab* pPage : pages) delete pPage;
    pages.clear();
}

bool CTovikApp::LoadPlugin(CPluginLibrary& library, const TovikOptions& options) {
    const std::string pluginFile = options.strPlugin.empty() ? DefaultPluginFile(options.bEarlierEdition) : options.strPlugin;
    std::string reason;
    if (library.Load(pluginFile, reason)) return true;
    std::cerr << "tovik: cannot load the plug-in " << pluginFile << ": " << reason << '\n';
    return false;
}

bool CTovikApp::RunSheet(const CPluginLibrary& library, const TovikOptions& options, CMainWindow& mainWindow,
                         const std::function<void(CHostSheet& sheet)>& run) {
    std::vector<CCfgTab*> pages = CreatePages(library, options);
    bool bPageFound = true;
    {
        CHostSheet sheet(kSheetCaption, &mainWindow, pages);
        if (!options.strPage.empty()) {
            const int nPage = sheet.FindPageByCaption(options.strPage);
            if (nPage < 0) {
                std::cerr << "tovik: --page: the sheet has no page \"" << options.strPage << "\"\n";
                bPageFound = false;
            }
            sheet.SetActivePage(nPage);
        }
        if (bPageFound) run(sheet);
    }
    DeletePages(pages);
    return bPageFound;
}

int CTovikApp::RunHost(const TovikOptions& options) {
    // Before any factory call: every page copies the name at construction.
    SetProfileName(options.strProfile);
    if (!options.strProtocolsDir.empty()) SetbookSetXpdDirectory(options.strProtocolsDir.c_str());
    // A picture alone runs the script front end on no commands.
    return options.strScript.empty() && options.strRender.empty() ? RunInTerminal(options) : RunScript(options);
}

int CTovikApp::RunScript(const TovikOptions& options) {
    // Without a script the sheet opens and the end of the (empty) script
    // closes it as Cancel does: what --render alone needs.
    CScriptSource script;
    if (!script.Open(options.strScript)) {
        std::cerr << "tovik: cannot read the script " << options.strScript << '\n';
        return TOVIK_EXIT_SCRIPT;
    }
    CScriptDriver driver(script.Stream(), script.Name(), std::cout, std::cerr);
    const CRenderAtEnd picture(driver, options.strRender, kProgramName, std::cerr);
    CPluginLibrary library;
    if (!LoadPlugin(library, options)) return TOVIK_EXIT_PLUGIN;

    driver.SetCorrAdvanceEntry(library.CorrAdvanceEntry());
    win32::SetDisplayDriver(&driver);
    CMainWindow mainWindow(std::cout);
    mainWindow.CreateHidden();
    m_pMainWnd = &mainWindow;

    bool bPageFound = true;
    do {
        bPageFound = RunSheet(library, options, mainWindow, [&driver](CHostSheet& sheet) {
            driver.AttachSheet(&sheet, [&sheet] { sheet.StoreOptions(); });
            sheet.DoModal();
            driver.AttachSheet(nullptr);
        });
    } while (bPageFound && driver.ReadToNextOpen());

    m_pMainWnd = nullptr;
    mainWindow.DestroyWindow();
    library.Free();
    win32::SetDisplayDriver(nullptr);
    if (driver.Failed()) return TOVIK_EXIT_SCRIPT;
    if (!bPageFound) return TOVIK_EXIT_USAGE;
    return picture.Status();
}

int CTovikApp::RunInTerminal(const TovikOptions& options) {
    CPluginLibrary library;
    if (!LoadPlugin(library, options)) return TOVIK_EXIT_PLUGIN;

    CTerminalDriver terminal;
    CMainWindow mainWindow([&terminal](DWORD_PTR dwTopic) { terminal.ShowHelpTopic(dwTopic); });
    mainWindow.CreateHidden();
    m_pMainWnd = &mainWindow;

    std::string reason;
    const bool bPageFound = RunSheet(library, options, mainWindow, [&terminal, &reason](CHostSheet& sheet) {
        if (!terminal.Open(reason)) return;
        terminal.RunModalSheet(sheet);
        terminal.Close();
    });

    m_pMainWnd = nullptr;
    mainWindow.DestroyWindow();
    library.Free();
    if (!bPageFound) return TOVIK_EXIT_USAGE;
    if (!reason.empty()) {
        std::cerr << "tovik: cannot open the sheet in the terminal: " << reason << '\n';
        return TOVIK_EXIT_TERMINAL;
    }
    return TOVIK_EXIT_OK;
}
