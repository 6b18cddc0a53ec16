// Resources of modules: raw resources by type and name, string tables and
// bitmaps, from the tables that modules register (win32_resources.h).
//
// Each module's tables are indexed at the first look-up after they register;
// an HRSRC points at an entry of that index and stays valid while the module
// is loaded. LoadResource and LockResource give the registered data itself.
#include "module_internal.h"

#include <windows.h>

#include <win32_resources.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace win32::resources {

namespace {

using modules::FromHandle;
using modules::Resolve;

constexpr UINT kStringsPerBlock = 16;
constexpr std::uintptr_t kIntResourceLimit = 0x10000;
const WORD kStringType = 6;  // RT_STRING

bool IsIntResource(LPCSTR value) { return reinterpret_cast<std::uintptr_t>(value) < kIntResourceLimit; }

// A type or name: a number, or a string kept in upper case.
struct Key {
    std::optional<WORD> id;
    std::string name;
    bool operator==(const Key&) const = default;
};

std::optional<Key> KeyOf(LPCSTR value) {
    if (IsIntResource(value)) return Key{static_cast<WORD>(reinterpret_cast<std::uintptr_t>(value)), {}};
    std::string text(value);
    // "#123" names the number 123.
    if (text.size() > 1 && text[0] == '#') {
        unsigned number = 0;
        auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), number);
        if (error != std::errc() || end != text.data() + text.size() || number > 0xFFFF) return std::nullopt;
        return Key{static_cast<WORD>(number), {}};
    }
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return Key{std::nullopt, std::move(text)};
}

struct Resource {
    Key type;
    Key name;
    const void* data;
    DWORD size;
};

// The resources of one module, built from its tables.
struct Index {
    std::vector<std::unique_ptr<Resource>> resources;
    std::map<UINT, const char*> strings;
    std::vector<std::unique_ptr<std::vector<WORD>>> stringBlocks;
};

struct ModuleResources {
    std::vector<const WIN32_MODULE_RESOURCE_TABLE*> tables;
    std::unique_ptr<Index> index;  // built at the first look-up
};

struct Registry {
    std::recursive_mutex lock;
    std::unordered_map<const link_map*, ModuleResources> modules;
    std::unordered_set<const Resource*> live;  // every HRSRC handed out can be checked
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

// RT_STRING block n holds strings 16 (n - 1) to 16 n - 1, each a WORD length
// and its characters; the narrow bytes widen one to one.
void AddStringBlocks(Index& index) {
    std::map<UINT, std::vector<const char*>> blocks;
    for (const auto& [id, text] : index.strings) {
        auto& block = blocks[id / kStringsPerBlock + 1];
        block.resize(kStringsPerBlock, nullptr);
        block[id % kStringsPerBlock] = text;
    }
    for (const auto& [number, texts] : blocks) {
        auto words = std::make_unique<std::vector<WORD>>();
        for (const char* text : texts) {
            const size_t length = text ? std::strlen(text) : 0;
            words->push_back(static_cast<WORD>(length));
            for (size_t i = 0; i < length; ++i) words->push_back(static_cast<unsigned char>(text[i]));
        }
        index.resources.push_back(std::make_unique<Resource>(Resource{
            Key{kStringType, {}}, Key{static_cast<WORD>(number), {}}, words->data(),
            static_cast<DWORD>(words->size() * sizeof(WORD))}));
        index.stringBlocks.push_back(std::move(words));
    }
}

std::unique_ptr<Index> BuildIndex(const ModuleResources& module, Registry& registry) {
    auto index = std::make_unique<Index>();
    for (const WIN32_MODULE_RESOURCE_TABLE* table : module.tables) {
        for (size_t i = 0; i < table->resourceCount; ++i) {
            const WIN32_RESOURCE& entry = table->resources[i];
            std::optional<Key> type = entry.type ? KeyOf(entry.type) : std::nullopt;
            std::optional<Key> name = entry.name ? KeyOf(entry.name) : std::nullopt;
            if (!type || !name) continue;
            index->resources.push_back(
                std::make_unique<Resource>(Resource{*type, *name, entry.data, entry.size}));
        }
        for (size_t i = 0; i < table->stringCount; ++i) {
            const WIN32_STRING_RESOURCE& entry = table->strings[i];
            index->strings.emplace(entry.id, entry.text ? entry.text : "");  // the first table wins
        }
    }
    AddStringBlocks(*index);
    for (const auto& resource : index->resources) registry.live.insert(resource.get());
    return index;
}

void Forget(Registry& registry, ModuleResources& module) {
    if (!module.index) return;
    for (const auto& resource : module.index->resources) registry.live.erase(resource.get());
    module.index.reset();
}

// The index of a module's resources, or null when it registered none.
Index* IndexOf(Registry& registry, const link_map* module) {
    auto it = registry.modules.find(module);
    if (it == registry.modules.end()) return nullptr;
    if (!it->second.index) it->second.index = BuildIndex(it->second, registry);
    return it->second.index.get();
}

const Resource* Find(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    const link_map* module = Resolve(hModule);
    if (!module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    const std::optional<Key> type = lpType ? KeyOf(lpType) : std::nullopt;
    const std::optional<Key> name = lpName ? KeyOf(lpName) : std::nullopt;
    Index* index = IndexOf(registry, module);
    if (!index) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    bool typeSeen = false;
    for (const auto& resource : index->resources) {
        if (!type || !(resource->type == *type)) continue;
        typeSeen = true;
        if (name && resource->name == *name) return resource.get();
    }
    SetLastError(typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

const Resource* Checked(HRSRC hResInfo) {
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    const auto* resource = reinterpret_cast<const Resource*>(hResInfo);
    if (!registry.live.contains(resource)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return resource;
}

}  // namespace

}  // namespace win32::resources

using namespace win32::resources;

// ---- Registration -----------------------------------------------------------------

void WINAPI Win32RegisterModuleResources(const void* moduleAddress, const WIN32_MODULE_RESOURCE_TABLE* table) {
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    const link_map* module = win32::modules::ModuleOf(moduleAddress);
    if (!module || !table) return;
    ModuleResources& resources = registry.modules[module];
    resources.tables.push_back(table);
    Forget(registry, resources);  // rebuilt with the new table at the next look-up
}

void WINAPI Win32UnregisterModuleResources(const void* moduleAddress, const WIN32_MODULE_RESOURCE_TABLE* table) {
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    auto it = registry.modules.find(win32::modules::ModuleOf(moduleAddress));
    if (it == registry.modules.end()) return;
    Forget(registry, it->second);
    std::erase(it->second.tables, table);
    if (it->second.tables.empty()) registry.modules.erase(it);
}

// ---- Raw resources ------------------------------------------------------------------

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    return reinterpret_cast<HRSRC>(const_cast<Resource*>(Find(hModule, lpName, lpType)));
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC hResInfo) {
    const Resource* resource = Checked(hResInfo);
    return resource ? const_cast<void*>(resource->data) : nullptr;
}

// The loaded data is the resource itself, so locking only hands it back.
LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

DWORD WINAPI SizeofResource(HMODULE, HRSRC hResInfo) {
    const Resource* resource = Checked(hResInfo);
    return resource ? resource->size : 0;
}

// Resources need no freeing; the call succeeds by returning FALSE, as on Win32.
BOOL WINAPI FreeResource(HGLOBAL) { return FALSE; }

// ---- Strings and bitmaps ------------------------------------------------------------------

// The string is cut to cchBufferMax - 1 characters and always ends with a NUL;
// the result is the number of characters copied (0 when there is no such
// string). The read-only pointer form of a 0-sized buffer is LoadStringW's,
// not LoadStringA's, which copies nothing then.
int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (!lpBuffer || cchBufferMax <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    lpBuffer[0] = '\0';
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    const link_map* module = win32::modules::Resolve(hInstance);
    Index* index = module ? IndexOf(registry, module) : nullptr;
    const char* text = nullptr;
    if (index) {
        auto it = index->strings.find(uID);
        if (it != index->strings.end()) text = it->second;
    }
    if (!text) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    const size_t copied = std::min(std::strlen(text), static_cast<size_t>(cchBufferMax - 1));
    std::memcpy(lpBuffer, text, copied);
    lpBuffer[copied] = '\0';
    return static_cast<int>(copied);
}

// A NULL instance asks for the system's predefined bitmaps, of which there
// are none here.
HBITMAP WINAPI LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName) {
    if (!hInstance) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    constexpr WORD kBitmapType = 2;  // RT_BITMAP
    const Resource* resource =
        Find(hInstance, lpBitmapName, reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(kBitmapType)));
    if (!resource) return nullptr;
    if (resource->size != sizeof(WIN32_BITMAP_RESOURCE) || !resource->data) {
        SetLastError(ERROR_INVALID_DATA);
        return nullptr;
    }
    const auto* bitmap = static_cast<const WIN32_BITMAP_RESOURCE*>(resource->data);
    return CreateBitmap(bitmap->width, bitmap->height, 1, bitmap->bitsPixel, bitmap->bits);
}
