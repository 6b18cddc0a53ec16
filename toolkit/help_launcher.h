// The help launchers behind the options-tab base's own help entry (WM_HELP
// of CCfgTab's message map).
//
// Index:
//   LaunchHelp          current edition: starts the suite's help viewer, or
//                       the web browser for documentation topics, on a topic
//   LaunchHelpForHost   the same for a host executable at a given path
//   GetBrowserPath      the program that opens web pages
//   CHtmlHelpEntry      the platform's HTML Help entry, loaded at its first use
//   OpenHostHelpFile    earlier edition: the host's HTML help file on a topic
//
// What a topic opens (ROOT is the installation root: the parent of the
// host's folder, written with forward slashes):
//
//   180000..189999  the browser, " \"file:///ROOT/help/docs/PatchDocumentation/Default_CSH.htm#TOPIC\""
//   -1              the browser, " \"file:///ROOT/help/docs/PatchDocumentation/Default.htm\""
//   0               the viewer,  "BraskoHelp.exe \"file:///ROOT/help/html_help/index.htm?context=home_BK&topic=front\""
//   any other       the viewer,  "BraskoHelp.exe \"file:///ROOT/help/html_help/index.htm?context=tovik&topic=TOPIC\""
//
// The viewer is BraskoHelp.exe in the host's folder, which is also the
// started program's working directory. The launcher never waits for the
// program, and tells what goes wrong on the debug output only.
#pragma once

#include <windows.h>

#include <htmlhelp.h>

#include <string>

// The file name of the HTML Help control, tried when the registry names none
// that loads.
inline constexpr char HTML_HELP_MODULE_NAME[] = "hhctrl.ocx";

// Starts the program that shows the topic, for the host whose executable
// this process runs. Writes the command line and the working directory to
// the debug output first.
void LaunchHelp(int nTopic);
// The same for a host executable at lpszHostPath: its folder is the one
// before the last '\' or '/' (a Windows path, or one of this platform, whose
// module file names are native). A path without two separators starts
// nothing. Every path and command line must fit the launcher's buffers of
// 1024 characters; one that does not starts nothing and says so on the
// debug output.
void LaunchHelpForHost(LPCSTR lpszHostPath, int nTopic);

// The program between the first and the last double quote of the registry's
// command for opening web pages (HKEY_CLASSES_ROOT
// "\htmlfile\shell\open\command"); empty when the value holds fewer than two
// quotes. Where no value can be read, the platform's own choice: the first
// program of the BROWSER variable (a ':'-separated list of programs) that is
// found, else xdg-open, looked up along PATH; empty when there is none.
std::string GetBrowserPath();

// HtmlHelpA of the HTML Help control, loaded at the first call from the
// module the registry names (HKEY_CLASSES_ROOT
// "CLSID\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\InprocServer32", default
// value), else from the fallback module by its file name. When neither gives
// the entry, every call does nothing and no further load is tried. The
// module stays loaded for the life of the process.
class CHtmlHelpEntry {
public:
    explicit CHtmlHelpEntry(LPCSTR lpszFallbackModule = HTML_HELP_MODULE_NAME);

    // HtmlHelpA's answer; null when the entry could not be loaded.
    HWND HtmlHelp(HWND hwndCaller, LPCSTR pszFile, UINT uCommand, DWORD_PTR dwData);

private:
    void Load();

    std::string m_strFallbackModule;
    bool m_bLoadTried = false;
    HTMLHELPPROCA m_pfnHtmlHelp = nullptr;
};

// Opens the help file TOVIK.CHM in the folder of the host application's
// executable (its path in upper case) on the topic, with no owner window.
// FALSE, and nothing opened, when the host's module file name cannot be read
// whole.
BOOL OpenHostHelpFile(CHtmlHelpEntry& htmlHelp, UINT nTopic);
