// The HTML Help control of the Win32-subset stand-in. There is no help viewer
// here: HtmlHelpA writes one line per call to the debug output,
//     HtmlHelpA(0x0, "C:\APP\APP.CHM", 0x000F, 141189) answered by /path/hhctrl.ocx
// (caller window, file, command, data, and the module that answered), and
// opens no window.
#include <htmlhelp.h>
#include <win32_resources.h>
#include <windows.h>

#include <cstdint>
#include <iomanip>
#include <sstream>
#include <string>

namespace {

constexpr int kCommandDigits = 4;  // commands are reported as 0x000F

// This module, as LoadLibraryA attached it: the report names it, so that a
// caller can tell which copy of the control answered.
HMODULE g_hThisModule = nullptr;

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) g_hThisModule = hInstance;
    return TRUE;
}

std::string ThisModuleFileName() {
    char fileName[MAX_PATH] = {};
    if (!g_hThisModule || !GetModuleFileNameA(g_hThisModule, fileName, MAX_PATH)) return "hhctrl.ocx";
    return fileName;
}

}  // namespace

WIN32_DLL_ENTRY(DllMain)

HWND WINAPI HtmlHelpA(HWND hwndCaller, LPCSTR pszFile, UINT uCommand, DWORD_PTR dwData) {
    std::ostringstream report;
    report << "HtmlHelpA(0x" << std::hex << reinterpret_cast<std::uintptr_t>(hwndCaller) << ", \""
           << (pszFile ? pszFile : "") << "\", 0x" << std::uppercase << std::setw(kCommandDigits) << std::setfill('0')
           << uCommand << std::dec << ", " << dwData << ") answered by " << ThisModuleFileName();
    OutputDebugStringA(report.str().c_str());
    return nullptr;
}
