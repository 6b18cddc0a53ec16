// The help launchers: the command lines of the help viewer and the browser,
// the browser's registration, and the HTML Help entry of the earlier edition.
#include "help_launcher.h"

#include <afxwin.h>
#include <syskit32.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// The launcher builds every path and command line in a buffer of this size.
constexpr size_t kLaunchBufferSize = 1024;
// The host's module file name is read with this limit.
constexpr size_t kModuleNameLimit = MAX_PATH;
using LaunchBuffer = std::array<char, kLaunchBufferSize>;
using ModuleNameBuffer = std::array<char, kModuleNameLimit>;

constexpr int kFirstDocumentationTopic = 180000;
constexpr int kLastDocumentationTopic = 189999;
constexpr int kDocumentationContentsTopic = -1;
constexpr int kViewerHomeTopic = 0;

constexpr char kViewerProgram[] = "BraskoHelp.exe";
constexpr char kViewerContext[] = "tovik";
constexpr char kProgramFormat[] = "%s\\%s";
// The double quotes around each address belong to the command line.
constexpr char kDocumentationTopicFormat[] = " \"file:///%s/help/docs/PatchDocumentation/Default_CSH.htm#%u\"";
constexpr char kDocumentationContentsFormat[] = " \"file:///%s/help/docs/PatchDocumentation/Default.htm\"";
constexpr char kViewerHomeFormat[] = "%s \"file:///%s/help/html_help/index.htm?context=home_BK&topic=front\"";
constexpr char kViewerTopicFormat[] = "%s \"file:///%s/help/html_help/index.htm?context=%s&topic=%u\"";

constexpr char kWorkingDirLabel[] = "working dir : ";
constexpr char kCommandFailed[] = "command failed";
constexpr char kNoBrowserInRegistry[] = "NO IE path at registry !!!";
constexpr char kPathTooLong[] = "help: a path is too long for the launcher; nothing started";

constexpr char kBrowserCommandKey[] = "\\htmlfile\\shell\\open\\command";
constexpr char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kHtmlHelpEntryName[] = "HtmlHelpA";

constexpr char kHostHelpFileFormat[] = "%s\\TOVIK.CHM";

constexpr char kBrowserVariable[] = "BROWSER";
constexpr char kPathVariable[] = "PATH";
constexpr char kListSeparator = ':';
constexpr char kPlatformOpener[] = "xdg-open";

constexpr char kQuote = '"';

// Formats into the buffer; false when the result does not fit whole (what
// the buffer then holds is cut and must not be used).
[[gnu::format(printf, 3, 4)]] bool FormatInto(char* buffer, size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, size, format, args);
    va_end(args);
    return length >= 0 && static_cast<size_t>(length) < size;
}

void ReportTooLong() { ::OutputDebugStringA(kPathTooLong); }

// The part before the last separator, or nothing when there is none. Both
// '\' (a Windows path) and '/' (this platform's module file names) separate.
std::optional<std::string_view> FolderOf(std::string_view path) {
    const size_t separator = path.find_last_of("\\/");
    if (separator == std::string_view::npos) return std::nullopt;
    return path.substr(0, separator);
}

bool CopyInto(LaunchBuffer& buffer, std::string_view text) {
    return FormatInto(buffer.data(), buffer.size(), "%.*s", static_cast<int>(text.size()), text.data());
}

// ---- The registry ----

enum class RegistryRead {
    NoKey,    // the key cannot be opened
    NoValue,  // the default value cannot be read
    Read,
};

// The key's default value as a string: exactly the bytes the registry gave,
// up to the first NUL, so that a value stored without its terminating NUL is
// read no further than it goes.
RegistryRead ReadDefaultValue(HKEY hRoot, LPCSTR lpszSubKey, std::string& value) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hRoot, lpszSubKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return RegistryRead::NoKey;
    DWORD cbData = 0;
    std::vector<BYTE> data;
    LSTATUS status = ::RegQueryValueExA(hKey, nullptr, nullptr, nullptr, nullptr, &cbData);
    if (status == ERROR_SUCCESS) {
        data.resize(cbData);
        status = ::RegQueryValueExA(hKey, nullptr, nullptr, nullptr, data.data(), &cbData);
    }
    ::RegCloseKey(hKey);
    if (status != ERROR_SUCCESS) return RegistryRead::NoValue;
    const auto end = data.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(cbData, data.size()));
    value.assign(data.begin(), std::find(data.begin(), end, '\0'));
    return RegistryRead::Read;
}

std::string BetweenFirstAndLastQuote(const std::string& value) {
    const size_t first = value.find(kQuote);
    const size_t last = value.rfind(kQuote);
    if (first == std::string::npos || first == last) return std::string();
    return value.substr(first + 1, last - first - 1);
}

// ---- The platform's browser ----

bool IsExecutableFile(const std::filesystem::path& path) {
    using std::filesystem::perms;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status)) return false;
    return (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) != perms::none;
}

// Calls visit with each non-empty item of a ':'-separated list until it answers true.
template <typename Visit>
bool ForEachListItem(std::string_view list, Visit visit) {
    while (!list.empty()) {
        const size_t separator = list.find(kListSeparator);
        const std::string_view item = list.substr(0, separator);
        if (!item.empty() && visit(item)) return true;
        list.remove_prefix(separator == std::string_view::npos ? list.size() : separator + 1);
    }
    return false;
}

// A program named with a folder is taken as it is; a bare name is looked up along PATH.
std::optional<std::string> FindProgram(std::string_view name) {
    if (name.find('/') != std::string_view::npos) {
        if (IsExecutableFile(name)) return std::string(name);
        return std::nullopt;
    }
    const char* path = std::getenv(kPathVariable);
    std::optional<std::string> found;
    ForEachListItem(path ? path : "", [&](std::string_view folder) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (IsExecutableFile(candidate)) found = candidate.string();
        return found.has_value();
    });
    return found;
}

std::string PlatformBrowser() {
    std::optional<std::string> found;
    if (const char* browsers = std::getenv(kBrowserVariable)) {
        ForEachListItem(browsers, [&](std::string_view program) {
            found = FindProgram(program);
            return found.has_value();
        });
    }
    if (!found) found = FindProgram(kPlatformOpener);
    return found.value_or(std::string());
}

// ---- Starting the program ----

void StartProgram(LaunchBuffer& program, LaunchBuffer& commandLine, const LaunchBuffer& workingDir) {
    ::OutputDebugStringA(commandLine.data());
    ::OutputDebugStringA((std::string(kWorkingDirLabel) + workingDir.data()).c_str());
    STARTUPINFOA startup{};
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(program.data(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, workingDir.data(),
                          &startup, &process)) {
        ::OutputDebugStringA(kCommandFailed);
        return;
    }
    // The launcher does not wait for the program.
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
}

// The program and command line for the topic; false when one does not fit.
bool BuildCommand(int nTopic, const char* lpszRoot, const LaunchBuffer& programDir, LaunchBuffer& program,
                  LaunchBuffer& commandLine) {
    const unsigned nTopicNumber = static_cast<unsigned>(nTopic);
    const bool bDocumentationTopic = nTopic >= kFirstDocumentationTopic && nTopic <= kLastDocumentationTopic;
    if (bDocumentationTopic || nTopic == kDocumentationContentsTopic) {
        const bool bFits =
            bDocumentationTopic
                ? FormatInto(commandLine.data(), commandLine.size(), kDocumentationTopicFormat, lpszRoot, nTopicNumber)
                : FormatInto(commandLine.data(), commandLine.size(), kDocumentationContentsFormat, lpszRoot);
        return bFits && CopyInto(program, GetBrowserPath());
    }
    if (!FormatInto(program.data(), program.size(), kProgramFormat, programDir.data(), kViewerProgram)) return false;
    if (nTopic != kViewerHomeTopic) {
        return FormatInto(commandLine.data(), commandLine.size(), kViewerTopicFormat, kViewerProgram, lpszRoot,
                          kViewerContext, nTopicNumber);
    }
    return FormatInto(commandLine.data(), commandLine.size(), kViewerHomeFormat, kViewerProgram, lpszRoot);
}

}  // namespace

// ---- Current edition ----

void LaunchHelp(int nTopic) {
    ModuleNameBuffer moduleName{};
    const DWORD nLength = ::GetModuleFileNameA(nullptr, moduleName.data(), static_cast<DWORD>(moduleName.size()));
    if (nLength == 0) return;
    // A name cut at the limit would give the wrong folders.
    if (nLength >= moduleName.size()) return ReportTooLong();
    LaunchHelpForHost(moduleName.data(), nTopic);
}

void LaunchHelpForHost(LPCSTR lpszHostPath, int nTopic) {
    const std::optional<std::string_view> programFolder = FolderOf(lpszHostPath ? lpszHostPath : "");
    if (!programFolder) return;
    const std::optional<std::string_view> rootFolder = FolderOf(*programFolder);
    if (!rootFolder) return;
    LaunchBuffer programDir{};
    LaunchBuffer root{};
    LaunchBuffer program{};
    LaunchBuffer commandLine{};
    if (!CopyInto(programDir, *programFolder) || !CopyInto(root, *rootFolder)) return ReportTooLong();
    // The root goes into file:/// addresses, which separate with '/'.
    std::replace(root.begin(), root.end(), '\\', '/');
    // "file:///" already holds the slash that starts a native absolute path
    // (file:///C:/Suite, file:///opt/suite), so such a root gives up its own.
    const char* lpszRoot = root[0] == '/' ? root.data() + 1 : root.data();
    if (!BuildCommand(nTopic, lpszRoot, programDir, program, commandLine)) return ReportTooLong();
    StartProgram(program, commandLine, programDir);
}

std::string GetBrowserPath() {
    std::string value;
    switch (ReadDefaultValue(HKEY_CLASSES_ROOT, kBrowserCommandKey, value)) {
    case RegistryRead::Read: return BetweenFirstAndLastQuote(value);
    case RegistryRead::NoValue: ::OutputDebugStringA(kNoBrowserInRegistry); break;
    case RegistryRead::NoKey: break;
    }
    return PlatformBrowser();
}

// ---- Earlier edition ----

namespace {

HTMLHELPPROCA HtmlHelpEntryOf(LPCSTR lpszModule) {
    HMODULE hModule = ::LoadLibraryA(lpszModule);
    if (!hModule) return nullptr;
    FARPROC proc = ::GetProcAddress(hModule, kHtmlHelpEntryName);
    if (!proc) {
        ::FreeLibrary(hModule);
        return nullptr;
    }
    return reinterpret_cast<HTMLHELPPROCA>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

CHtmlHelpEntry::CHtmlHelpEntry(LPCSTR lpszFallbackModule)
    : m_strFallbackModule(lpszFallbackModule ? lpszFallbackModule : "") {}

HWND CHtmlHelpEntry::HtmlHelp(HWND hwndCaller, LPCSTR pszFile, UINT uCommand, DWORD_PTR dwData) {
    if (!m_bLoadTried) Load();
    return m_pfnHtmlHelp ? m_pfnHtmlHelp(hwndCaller, pszFile, uCommand, dwData) : nullptr;
}

void CHtmlHelpEntry::Load() {
    m_bLoadTried = true;
    std::string registered;
    if (ReadDefaultValue(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, registered) == RegistryRead::Read &&
        !registered.empty()) {
        m_pfnHtmlHelp = HtmlHelpEntryOf(registered.c_str());
    }
    if (!m_pfnHtmlHelp && !m_strFallbackModule.empty()) m_pfnHtmlHelp = HtmlHelpEntryOf(m_strFallbackModule.c_str());
}

BOOL OpenHostHelpFile(CHtmlHelpEntry& htmlHelp, UINT nTopic) {
    ModuleNameBuffer moduleName{};
    const DWORD nLength =
        ::GetModuleFileNameA(AfxGetInstanceHandle(), moduleName.data(), static_cast<DWORD>(moduleName.size()));
    if (nLength == 0) return FALSE;
    if (nLength >= moduleName.size()) {
        ReportTooLong();
        return FALSE;
    }
    ::CharUpperA(moduleName.data());
    ModuleNameBuffer folder{};
    ::os_get_dir_name(moduleName.data(), folder.data(), static_cast<int>(folder.size()));
    ModuleNameBuffer helpFile{};
    if (!FormatInto(helpFile.data(), helpFile.size(), kHostHelpFileFormat, folder.data())) {
        ReportTooLong();
        return FALSE;
    }
    htmlHelp.HtmlHelp(nullptr, helpFile.data(), HH_HELP_CONTEXT, nTopic);
    return TRUE;
}
