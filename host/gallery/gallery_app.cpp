// The gallery's run: the toolkit's window classes first, then the sheet of
// its pages under the script front end or in the terminal; when the sheet has
// closed, each page reports what its controls committed.
#include "gallery_app.h"

#include <spin_button.h>

#include <cstdlib>
#include <initializer_list>
#include <iostream>
#include <string>

#include "base_page.h"
#include "help_page.h"
#include "main_window.h"
#include "modular_page.h"
#include "parsed_page.h"
#include "render_at_end.h"
#include "script_driver.h"
#include "spin_page.h"
#include "terminal_driver.h"
#include "toolbox_page.h"
#include "tovik_options.h"

namespace {
constexpr char kAppName[] = "Gallery";
constexpr char kProgramName[] = "gallery";
// syskit32's os_get_os_lang answers this variable's number when it is set.
constexpr char kLanguageVariable[] = "SYSKIT_OS_LANG";
constexpr char kSheetCaption[] = "Toolkit gallery";
}  // namespace

CGalleryApp::CGalleryApp() : CWinApp(kAppName) {}

int CGalleryApp::RunGallery(const GalleryOptions& options) {
    RegisterSpinButtonClass();
    // The dialog extension reads the system language at construction of each page.
    if (options.nLanguage != 0) ::setenv(kLanguageVariable, std::to_string(options.nLanguage).c_str(), 1);
    // A picture alone runs the script front end on no commands.
    return options.strScript.empty() && options.strRender.empty() ? RunInTerminal(options) : RunScript(options);
}

bool CGalleryApp::RunSheet(const GalleryOptions& options, CMainWindow& mainWindow, std::ostream& report,
                           const std::function<void(CPropertySheet& sheet)>& run) {
    CSpinPage spinPage(report);
    CParsedPage parsedPage(report);
    CModularPage modularPage(report);
    CBasePage basePage(options.bReadOnly);
    CToolboxPage toolboxPage(report);
    CHelpPage helpPage;
    CGalleryPage* const reportingPages[] = {&spinPage, &parsedPage, &modularPage};
    CPropertySheet sheet(kSheetCaption, &mainWindow);
    for (CPropertyPage* pPage : std::initializer_list<CPropertyPage*>{&spinPage, &parsedPage, &modularPage, &basePage,
                                                                       &toolboxPage, &helpPage}) {
        sheet.AddPage(pPage);
    }
    if (!options.strPage.empty()) {
        const int nPage = sheet.FindPageByCaption(options.strPage);
        if (nPage < 0) {
            std::cerr << "gallery: --page: the sheet has no page \"" << options.strPage << "\"\n";
            return false;
        }
        sheet.SetActivePage(nPage);
    }
    run(sheet);
    for (CGalleryPage* pPage : reportingPages) pPage->ReportValues();
    return true;
}

int CGalleryApp::RunScript(const GalleryOptions& options) {
    // Without a script the sheet opens and the end of the (empty) script
    // closes it as Cancel does: what --render alone needs.
    CScriptSource script;
    if (!script.Open(options.strScript)) {
        std::cerr << "gallery: cannot read the script " << options.strScript << '\n';
        return TOVIK_EXIT_SCRIPT;
    }
    CScriptDriver driver(script.Stream(), script.Name(), std::cout, std::cerr);
    const CRenderAtEnd picture(driver, options.strRender, kProgramName, std::cerr);

    win32::SetDisplayDriver(&driver);
    CMainWindow mainWindow(std::cout);
    mainWindow.CreateHidden();
    m_pMainWnd = &mainWindow;
    bool bPageFound = true;
    do {
        bPageFound = RunSheet(options, mainWindow, std::cout, [&driver](CPropertySheet& sheet) {
            driver.AttachSheet(&sheet);
            sheet.DoModal();
            driver.AttachSheet(nullptr);
        });
    } while (bPageFound && driver.ReadToNextOpen());
    m_pMainWnd = nullptr;
    mainWindow.DestroyWindow();
    win32::SetDisplayDriver(nullptr);
    if (driver.Failed()) return TOVIK_EXIT_SCRIPT;
    return bPageFound ? picture.Status() : TOVIK_EXIT_USAGE;
}

// The pages' reports and the help requests show on the status line while the
// sheet is open; the values the pages committed are printed when it closes.
int CGalleryApp::RunInTerminal(const GalleryOptions& options) {
    CTerminalDriver terminal;
    CMainWindow mainWindow(terminal.StatusStream());
    mainWindow.CreateHidden();
    m_pMainWnd = &mainWindow;
    std::string reason;
    const auto run = [&terminal, &reason](CPropertySheet& sheet) {
        if (!terminal.Open(reason)) return;
        terminal.RunModalSheet(sheet);
        terminal.Close();
    };
    const bool bPageFound = RunSheet(options, mainWindow, terminal.StatusStream(), run);
    m_pMainWnd = nullptr;
    mainWindow.DestroyWindow();
    if (!bPageFound) return TOVIK_EXIT_USAGE;
    if (!reason.empty()) {
        std::cerr << "gallery: cannot open the sheet in the terminal: " << reason << '\n';
        return TOVIK_EXIT_TERMINAL;
    }
    return TOVIK_EXIT_OK;
}
