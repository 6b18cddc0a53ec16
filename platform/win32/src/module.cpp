// Modules: the program and the shared libraries it loads, their entry points
// and exports.
//
// LoadLibraryA opens a library with dlopen and keeps its own count of
// references; the library's DllMain (registered with WIN32_DLL_ENTRY) runs
// with DLL_PROCESS_ATTACH at the first LoadLibraryA and with
// DLL_PROCESS_DETACH at the last FreeLibrary, after which dlclose unloads it.
// Exports are the library's own default-visibility symbols. All of this is
// done under one loader lock, which an entry point may take again.
#include "module_internal.h"

#include <windows.h>

#include <win32_resources.h>

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <unordered_map>

namespace win32::modules {

namespace {

constexpr const char* kDefaultLibraryExtension = ".so";

struct LoadedLibrary {
    void* dlHandle = nullptr;
    int references = 0;
};

struct Loader {
    std::recursive_mutex lock;
    std::unordered_map<const link_map*, WIN32_DLL_ENTRY_POINT> entries;
    std::unordered_map<const link_map*, LoadedLibrary> libraries;
};

Loader& TheLoader() {
    static Loader loader;
    return loader;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Windows appends ".dll" to a name without extension; a trailing dot means
// "no extension, append none".
std::string WithDefaultExtension(std::string name) {
    const std::string base = BaseName(name);
    if (!base.empty() && base.back() == '.') {
        name.pop_back();
        return name;
    }
    if (base.find('.') == std::string::npos) name += kDefaultLibraryExtension;
    return name;
}

std::string Absolute(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// A loaded module whose file matches the name: by absolute path when the name
// has a directory, else by file name without regard to case, as Windows does.
link_map* FindLoaded(const std::string& name) {
    const bool byPath = name.find('/') != std::string::npos;
    const std::string wanted = byPath ? Absolute(name) : name;
    for (link_map* module = MainModule(); module; module = module->l_next) {
        const std::string file = FileNameOf(module);
        if (file.empty()) continue;
        if (byPath ? file == wanted : EqualsIgnoringCase(BaseName(file), wanted)) return module;
    }
    return nullptr;
}

std::string ProgramDirectory() {
    const std::string program = FileNameOf(MainModule());
    const size_t slash = program.find_last_of('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

// The program's directory comes first, as on Windows; then the loader's own
// search (LD_LIBRARY_PATH, run paths, system directories).
void* OpenLibrary(const std::string& name) {
    constexpr int kFlags = RTLD_NOW | RTLD_LOCAL;
    if (name.find('/') == std::string::npos) {
        const std::string besideProgram = ProgramDirectory() + "/" + name;
        if (access(besideProgram.c_str(), F_OK) == 0) return dlopen(besideProgram.c_str(), kFlags);
    }
    return dlopen(name.c_str(), kFlags);
}

link_map* LinkMapOf(void* dlHandle) {
    link_map* module = nullptr;
    if (dlinfo(dlHandle, RTLD_DI_LINKMAP, &module) != 0) return nullptr;
    return module;
}

void ReportLoaderError(const char* call) {
    const char* reason = dlerror();
    std::string text = std::string(call) + ": " + (reason ? reason : "unknown error") + "\n";
    OutputDebugStringA(text.c_str());
}

}  // namespace

link_map* MainModule() {
    static link_map* const main = [] {
        void* self = dlopen(nullptr, RTLD_NOW);
        link_map* module = self ? LinkMapOf(self) : nullptr;
        // Rewind to the head of the chain, which is the program.
        while (module && module->l_prev) module = module->l_prev;
        return module;
    }();
    return main;
}

link_map* ModuleOf(const void* address) {
    Dl_info info{};
    link_map* module = nullptr;
    if (!dladdr1(address, &info, reinterpret_cast<void**>(&module), RTLD_DL_LINKMAP)) return nullptr;
    return module;
}

bool IsLoaded(HMODULE handle) {
    const link_map* wanted = FromHandle(handle);
    for (link_map* module = MainModule(); module; module = module->l_next) {
        if (module == wanted) return true;
    }
    return false;
}

link_map* Resolve(HMODULE module) {
    if (!module) return MainModule();
    return IsLoaded(module) ? FromHandle(module) : nullptr;
}

std::string FileNameOf(const link_map* module) {
    if (module == MainModule()) {
        std::string path(PATH_MAX, '\0');
        const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
        return length > 0 ? path.substr(0, static_cast<size_t>(length)) : std::string();
    }
    if (!module->l_name || !*module->l_name) return std::string();
    return Absolute(module->l_name);
}

}  // namespace win32::modules

using namespace win32::modules;

// ---- Registration ---------------------------------------------------------------

void WINAPI Win32RegisterModuleEntry(const void* moduleAddress, WIN32_DLL_ENTRY_POINT entry) {
    Loader& loader = TheLoader();
    std::lock_guard guard(loader.lock);
    if (link_map* module = ModuleOf(moduleAddress)) loader.entries[module] = entry;
}

void WINAPI Win32UnregisterModuleEntry(const void* moduleAddress) {
    Loader& loader = TheLoader();
    std::lock_guard guard(loader.lock);
    if (link_map* module = ModuleOf(moduleAddress)) loader.entries.erase(module);
}

// ---- Loading --------------------------------------------------------------------

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (!lpModuleName) return ToHandle(MainModule());
    Loader& loader = TheLoader();
    std::lock_guard guard(loader.lock);
    if (link_map* module = FindLoaded(WithDefaultExtension(lpModuleName))) return ToHandle(module);
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
    if (!lpLibFileName || !*lpLibFileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Loader& loader = TheLoader();
    std::lock_guard guard(loader.lock);
    const std::string name = WithDefaultExtension(lpLibFileName);
    // A module of that name that is loaded already is the one Windows gives.
    const link_map* already = FindLoaded(name);
    void* dlHandle = already ? dlopen(FileNameOf(already).c_str(), RTLD_NOW | RTLD_LOCAL) : OpenLibrary(name);
    if (!dlHandle) {
        ReportLoaderError("LoadLibraryA");
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    link_map* module = LinkMapOf(dlHandle);
    LoadedLibrary& library = loader.libraries[module];
    if (library.references > 0) {
        dlclose(dlHandle);  // the first handle stays open for the whole count
        ++library.references;
        return ToHandle(module);
    }
    library = LoadedLibrary{dlHandle, 1};
    auto entry = loader.entries.find(module);
    if (entry != loader.entries.end() && entry->second) {
        const WIN32_DLL_ENTRY_POINT dllMain = entry->second;
        if (!dllMain(ToHandle(module), DLL_PROCESS_ATTACH, nullptr)) {
            // Windows detaches a library whose attach failed, then unloads it.
            dllMain(ToHandle(module), DLL_PROCESS_DETACH, nullptr);
            loader.libraries.erase(module);
            dlclose(dlHandle);
            SetLastError(ERROR_DLL_INIT_FAILED);
            return nullptr;
        }
    }
    return ToHandle(module);
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
    Loader& loader = TheLoader();
    std::lock_guard guard(loader.lock);
    auto it = loader.libraries.find(FromHandle(hLibModule));
    if (it == loader.libraries.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (--it->second.references > 0) return TRUE;
    void* dlHandle = it->second.dlHandle;
    loader.libraries.erase(it);
    auto entry = loader.entries.find(FromHandle(hLibModule));
    if (entry != loader.entries.end() && entry->second) entry->second(hLibModule, DLL_PROCESS_DETACH, nullptr);
    dlclose(dlHandle);
    return TRUE;
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    Loader& loader = TheLoader();
    std::lock_guard guard(loader.lock);
    link_map* module = Resolve(hModule);
    if (!module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    // Exports by ordinal do not exist here.
    if (!lpProcName || (reinterpret_cast<std::uintptr_t>(lpProcName) >> 16) == 0) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    const std::string file = module == MainModule() ? std::string() : FileNameOf(module);
    void* dlHandle = dlopen(file.empty() ? nullptr : file.c_str(), RTLD_NOW | RTLD_NOLOAD);
    void* symbol = dlHandle ? dlsym(dlHandle, lpProcName) : nullptr;
    if (dlHandle) dlclose(dlHandle);
    // dlsym also searches the module's dependencies; Windows gives only the
    // module's own exports.
    if (!symbol || ModuleOf(symbol) != module) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    link_map* module = Resolve(hModule);
    if (!module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    const std::string file = FileNameOf(module);
    if (nSize == 0 || !lpFilename) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    // Too long a name is cut to nSize - 1 characters plus the NUL, and the
    // result is nSize, as on Windows Vista and later.
    if (file.size() >= nSize) {
        std::memcpy(lpFilename, file.data(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, file.c_str(), file.size() + 1);
    return static_cast<DWORD>(file.size());
}
