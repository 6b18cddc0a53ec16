// The gallery's run: the toolkit's window classes first, then the sheet of
// its pages; when the sheet has closed, each page reports what its controls
// committed.
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
    // Without a script the sheet opens and the end of the (empty) script
    // closes it as Cancel does: what --render alone needs.
    CScriptSource script;
    if (!script.Open(options.strScript)) {
        std::cerr << "gallery: cannot read the script " << options.strScript << '\n';
        return TOVIK_EXIT_SCRIPT;
    }
    CScriptDriver driver(script.Stream(), script.Name(), std::cout, std::cerr);
    const CRenderAtEnd picture(driver, options.strRender, kProgramName, std::cerr);
    RegisterSpinButtonClass();
    // The dialog extension reads the system language at construction of each page.
    if (options.nLanguage != 0) ::setenv(kLanguageVariable, std::to_string(options.nLanguage).c_str(), 1);

    win32::SetDisplayDriver(&driver);
    CMainWindow mainWindow(std::cout);
    mainWindow.CreateHidden();
    m_pMainWnd = &mainWindow;
    std::ostream& report = std::cout;
    int nStatus = TOVIK_EXIT_OK;
    do {
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
                nStatus = TOVIK_EXIT_USAGE;
                break;
            }
            sheet.SetActivePage(nPage);
        }
        driver.AttachSheet(&sheet);
        sheet.DoModal();
        driver.AttachSheet(nullptr);
        for (CGalleryPage* pPage : reportingPages) pPage->ReportValues();
    } while (driver.ReadToNextOpen());
    m_pMainWnd = nullptr;
    mainWindow.DestroyWindow();
    win32::SetDisplayDriver(nullptr);
    if (driver.Failed()) return TOVIK_EXIT_SCRIPT;
    return nStatus != TOVIK_EXIT_OK ? nStatus : picture.Status();
}
