// tovik's main window owns the options sheet, so it is the grandparent of
// every page: a page's request to turn Cancel into Close arrives here and
// must reach the sheet.
#include "main_window.h"

#include <afxdlgs.h>
#include <gtest/gtest.h>
#include <win32_driver.h>

#include <sstream>
#include <string>

namespace {

std::string ItemText(const CWnd& dialog, int nID) {
    return CWnd::FromHandle(::GetDlgItem(dialog.m_hWnd, nID))->GetWindowText();
}

TEST(MainWindow, PassesCancelToCloseOnToTheSheetItOwns) {
    win32::ResetWindowSystem();
    {
        CWinApp app("Main Window Tests");
        std::ostringstream out;
        CMainWindow mainWindow(out);
        ASSERT_TRUE(mainWindow.CreateHidden());
        CPropertySheet sheet("Options", &mainWindow);
        ASSERT_TRUE(sheet.Create(&mainWindow));
        CPropertySheet otherSheet("Other");
        ASSERT_TRUE(otherSheet.Create());

        mainWindow.SendMessage(PSM_CANCELTOCLOSE);

        EXPECT_EQ(ItemText(sheet, IDOK), "Close");
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(sheet.m_hWnd, IDCANCEL)));
        EXPECT_EQ(ItemText(otherSheet, IDOK), "OK") << "a sheet the main window does not own";
        EXPECT_EQ(out.str(), "");
        win32::ResetWindowSystem();
        app.OnIdle(0);
    }
}

}  // namespace
