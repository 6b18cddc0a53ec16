// tovik's run: the profile name first, then the plug-in, then one options
// sheet after another (a script's `open` asks for the next) until the script
// ends, and the picture of --render when it runs out; the pages go before the
// library does.
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

int CTovikApp::RunHost(const TovikOptions& options) {
    // Before any factory call: every page copies the name at construction.
    SetProfileName(options.strProfile);
    if (!options.strProtocolsDir.empty()) SetbookSetXpdDirectory(options.strProtocolsDir.c_str());

    // Without a script the sheet opens and the end of the (empty) script
    // closes it as Cancel does: what --render alone needs.
    CScriptSource script;
    if (!script.Open(options.strScript)) {
        std::cerr << "tovik: cannot read the script " << options.strScript << '\n';
        return TOVIK_EXIT_SCRIPT;
    }
    CScriptDriver driver(script.Stream(), script.Name(), std::cout, std::cerr);
    const CRenderAtEnd picture(driver, options.strRender, kProgramName, std::cerr);

    const std::string pluginFile = options.strPlugin.empty() ? DefaultPluginFile(options.bEarlierEdition) : options.strPlugin;
    CPluginLibrary library;
    std::string reason;
    if (!library.Load(pluginFile, reason)) {
        std::cerr << "tovik: cannot load the plug-in " << pluginFile << ": " << reason << '\n';
        return TOVIK_EXIT_PLUGIN;
    }

    driver.SetCorrAdvanceEntry(library.CorrAdvanceEntry());
    win32::SetDisplayDriver(&driver);
    CMainWindow mainWindow(std::cout);
    mainWindow.CreateHidden();
    m_pMainWnd = &mainWindow;

    int nStatus = TOVIK_EXIT_OK;
    do {
        std::vector<CCfgTab*> pages = CreatePages(library, options);
        {
            CHostSheet sheet(kSheetCaption, &mainWindow, pages);
            if (!options.strPage.empty()) {
                const int nPage = sheet.FindPageByCaption(options.strPage);
                if (nPage < 0) {
                    std::cerr << "tovik: --page: the sheet has no page \"" << options.strPage << "\"\n";
                    nStatus = TOVIK_EXIT_USAGE;
                }
                sheet.SetActivePage(nPage);
            }
            if (nStatus == TOVIK_EXIT_OK) {
                driver.AttachSheet(&sheet, [&sheet] { sheet.StoreOptions(); });
                sheet.DoModal();
                driver.AttachSheet(nullptr);
            }
        }
        DeletePages(pages);
    } while (nStatus == TOVIK_EXIT_OK && driver.ReadToNextOpen());

    m_pMainWnd = nullptr;
    mainWindow.DestroyWindow();
    library.Free();
    win32::SetDisplayDriver(nullptr);
    if (driver.Failed()) return TOVIK_EXIT_SCRIPT;
    return nStatus != TOVIK_EXIT_OK ? nStatus : picture.Status();
}
