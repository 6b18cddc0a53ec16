// Loading the plug-in: LoadLibraryA runs its start-up (it joins the resource
// chain), GetProcAddress finds the factories by name.
#include "plugin_library.h"

#include <filesystem>

namespace {

constexpr char kCurrentEditionFile[] = "libdorvane.so";
constexpr char kEarlierEditionFile[] = "libdorvane_earlier.so";

template <typename Entry>
Entry As(FARPROC proc) {
    return reinterpret_cast<Entry>(reinterpret_cast<void*>(proc));
}

std::string LoadFailureReason(const std::string& file, DWORD dwError) {
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) return "no such file";
    if (dwError == ERROR_DLL_INIT_FAILED) return "its start-up failed";
    return "not a loadable library (error " + std::to_string(dwError) + "; TOVIK_DEBUG=1 shows the loader's message)";
}

}  // namespace

CPluginLibrary::~CPluginLibrary() { Free(); }

BOOL CPluginLibrary::Load(const std::string& file, std::string& reason) {
    Free();
    m_hModule = ::LoadLibraryA(file.c_str());
    if (!m_hModule) {
        reason = LoadFailureReason(file, ::GetLastError());
        return FALSE;
    }
    FARPROC display = ::GetProcAddress(m_hModule, DORVANE_DISPLAY_FACTORY);
    if (!display) {
        reason = std::string("it has no export ") + DORVANE_DISPLAY_FACTORY;
        Free();
        return FALSE;
    }
    m_factories.push_back(As<PageFactory>(display));
    // Only libraries that carry the Correlation page export its factory.
    if (FARPROC correlation = ::GetProcAddress(m_hModule, DORVANE_CORRELATION_FACTORY)) {
        m_factories.push_back(As<PageFactory>(correlation));
    }
    m_openCorrAdvance = As<OpenCorrAdvance>(::GetProcAddress(m_hModule, DORVANE_OPEN_CORR_ADVANCE));
    return TRUE;
}

void CPluginLibrary::Free() {
    m_factories.clear();
    m_openCorrAdvance = nullptr;
    if (m_hModule) ::FreeLibrary(m_hModule);
    m_hModule = nullptr;
}

std::string DefaultPluginFile(bool bEarlierEdition) {
    char path[MAX_PATH] = {};
    const DWORD nLength = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::filesystem::path program(std::string(path, nLength < MAX_PATH ? nLength : 0));
    return (program.parent_path() / (bEarlierEdition ? kEarlierEditionFile : kCurrentEditionFile)).string();
}
