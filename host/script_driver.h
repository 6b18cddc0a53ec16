// CScriptDriver: the script front end. It is the window system's display
// driver: whenever a message loop runs out of messages it reads the next
// command of the script and turns it into input (SendInput) or output, so a
// modal dialog that a command opens simply keeps reading the script in its
// own loop. It prints what a user would see, one line per event:
//   msgbox "TEXT"   help TOPIC   beep   page CAPTION   advanced "D" "L" W
//   launch PROGRAM "COMMAND LINE" in DIRECTORY (a process start, which it
//   prints instead of running the program)   debug "TEXT" (debug output)
// and the dump lines.
#pragma once

#include <dorvane_exports.h>
#include <win32_driver.h>

#include <fstream>
#include <functional>
#include <istream>
#include <sstream>
#include <ostream>
#include <string>
#include <utility>

class CPropertySheet;

// The commands a run reads: the file --script names, standard input for
// "-", or none at all for a run without a script.
class CScriptSource {
public:
    // False when the file cannot be read.
    bool Open(const std::string& name);
    std::istream& Stream() { return *m_pStream; }
    // How messages name the script ("stdin" for standard input).
    const std::string& Name() const { return m_strName; }

private:
    std::ifstream m_file;
    std::istringstream m_noCommands;
    std::istream* m_pStream = &m_noCommands;
    std::string m_strName;
};

class CScriptDriver final : public win32::DisplayDriver {
public:
    // fileName names the script in error messages ("FILE:LINE: message").
    CScriptDriver(std::istream& script, std::string fileName, std::ostream& out, std::ostream& err);
    ~CScriptDriver() override;
    CScriptDriver(const CScriptDriver&) = delete;
    CScriptDriver& operator=(const CScriptDriver&) = delete;

    // The sheet the commands act on; null once it has closed. storeOptions is
    // what `save` runs (none: the sheet stores nothing).
    void AttachSheet(CPropertySheet* pSheet, std::function<void()> storeOptions = {});
    // Called once when the script runs out while a sheet is open, before the
    // end closes it, with the window the user would be looking at: the topmost
    // modal dialog, else the sheet.
    void AtEndOfScript(std::function<void(HWND hWndActive)> atEnd) { m_atEnd = std::move(atEnd); }
    // The plug-in's entry that `advanced` opens the Advanced Correlation dialog with.
    void SetCorrAdvanceEntry(OpenCorrAdvance openCorrAdvance) { m_openCorrAdvance = openCorrAdvance; }
    // After the sheet closed: reads on to the next `open` (true), or to the end
    // of the script or an error (false).
    bool ReadToNextOpen();
    // A script error was reported.
    bool Failed() const { return m_bFailed; }

    // ---- DisplayDriver ----
    // Prints the box and answers it with its default button.
    int ShowMessageBox(const win32::MessageBoxRequest& request) override;
    void Beep(UINT type) override;
    DWORD Now() override { return m_dwNow; }
    // Runs the next command; at the end of the script it closes the sheet as Cancel does.
    win32::WaitResult WaitForInput(const DWORD* pNextTimerDue) override;

private:
    std::istream& m_script;
    std::string m_strFileName;
    std::ostream& m_out;
    std::ostream& m_err;
    CPropertySheet* m_pSheet = nullptr;
    std::function<void()> m_storeOptions;
    OpenCorrAdvance m_openCorrAdvance = nullptr;
    std::function<void(HWND)> m_atEnd;
    int m_nLine = 0;
    bool m_bAtEnd = false;
    bool m_bFailed = false;
    int m_nEndAttempts = 0;
    int m_nReportedPage = -1;
    DWORD m_dwNow = 0;

    // Process starts and debug output, printed while the driver lives.
    static BOOL CALLBACK OnLaunch(LPCSTR program, LPCSTR commandLine, LPCSTR directory, LPVOID context);
    static void CALLBACK OnDebugOutput(LPCSTR text, LPVOID context);

    // The next command line (blank lines and comments skipped); false at the end.
    bool ReadCommand(std::string& line);
    void Execute(const std::string& line);
    void Fail(const std::string& message);
    void ReportPageChange();
    void CloseAtEnd();

    // The topmost modal dialog when one is open, else the sheet's active page.
    HWND ActiveWindow() const;
    bool ModalDialogOpen() const;
    // Control ID of the active window, or null after reporting the error.
    HWND FindControl(const std::string& idText);

    void PressSheetButton(int nID);
    void PressDialogButton(int nID, WORD wFallbackKey);
    void DoTab(const std::string& caption);
    void DoClick(const std::string& idText, bool bDouble);
    void DoSpin(const std::string& args);
    void DoFocus(const std::string& idText);
    void DoType(const std::string& text);
    void DoKey(const std::string& keyName);
    void DoSetText(const std::string& args);
    void DoDump(const std::string& idText);
    void DoWait(const std::string& millisecondsText);
    void DoAdvanced(const std::string& args);
};
