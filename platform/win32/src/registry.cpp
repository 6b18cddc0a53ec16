// The registry: keys and values kept in "registry.reg" of the Windows
// directory, in the REGEDIT4 layout that winreg.h shows.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

constexpr const char* kRegistryFileName = "registry.reg";
constexpr const char* kFileHeader = "REGEDIT4";
constexpr char kDefaultValueName = '@';
constexpr size_t kDwordSize = 4;
constexpr int kHexDigitsOfDword = 8;
constexpr std::string_view kDwordPrefix = "dword:";
constexpr std::string_view kHexPrefix = "hex";  // "hex:" binary, "hex(t):" type t in hexadecimal
constexpr int kHexBase = 16;
// Opened keys count from here, below the predefined keys (0x80000000 and up).
constexpr std::uintptr_t kFirstKeyHandle = 0x6000'0000;
constexpr std::uintptr_t kHandleStep = 4;

struct Value {
    std::string name;  // "" is the default value
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

struct Key {
    std::string path;  // "HKEY_CLASSES_ROOT\\htmlfile\\shell", as first spelled
    std::vector<Value> values;
};

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// ---- The file -----------------------------------------------------------------------

std::string RegistryFile() {
    char directory[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory) return std::string();
    return std::string(directory) + "/" + kRegistryFileName;
}

// Reads a quoted string starting at text[i] == '"'; i ends after the closing quote.
std::optional<std::string> ReadQuoted(const std::string& text, size_t& i) {
    std::string result;
    for (++i; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            result += text[++i];
        } else if (text[i] == '"') {
            ++i;
            return result;
        } else {
            result += text[i];
        }
    }
    return std::nullopt;
}

std::optional<std::vector<BYTE>> ReadHexBytes(const std::string& text) {
    std::vector<BYTE> bytes;
    std::istringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) {
        item.erase(std::remove_if(item.begin(), item.end(), [](char c) { return std::isspace(static_cast<unsigned char>(c)); }),
                   item.end());
        if (item.empty()) continue;
        char* end = nullptr;
        const unsigned long byte = std::strtoul(item.c_str(), &end, kHexBase);
        if (*end || byte > 0xFF) return std::nullopt;
        bytes.push_back(static_cast<BYTE>(byte));
    }
    return bytes;
}

// The data after '=': "text", dword:hhhhhhhh, hex:bb,... or hex(t):bb,...
std::optional<Value> ReadData(const std::string& text) {
    Value value;
    if (!text.empty() && text[0] == '"') {
        size_t i = 0;
        std::optional<std::string> string = ReadQuoted(text, i);
        if (!string) return std::nullopt;
        value.type = REG_SZ;
        value.data.assign(string->begin(), string->end());
        value.data.push_back(0);
        return value;
    }
    if (text.rfind(kDwordPrefix, 0) == 0) {
        char* end = nullptr;
        const unsigned long number = std::strtoul(text.c_str() + kDwordPrefix.size(), &end, kHexBase);
        if (*end) return std::nullopt;
        value.type = REG_DWORD;
        for (size_t i = 0; i < kDwordSize; ++i) value.data.push_back(static_cast<BYTE>((number >> (8 * i)) & 0xFF));
        return value;
    }
    if (text.rfind(kHexPrefix, 0) == 0) {
        size_t colon = text.find(':');
        if (colon == std::string::npos) return std::nullopt;
        value.type = REG_BINARY;
        if (text[kHexPrefix.size()] == '(') {
            char* end = nullptr;
            value.type = static_cast<DWORD>(std::strtoul(text.c_str() + kHexPrefix.size() + 1, &end, kHexBase));
            if (*end != ')') return std::nullopt;
        }
        std::optional<std::vector<BYTE>> bytes = ReadHexBytes(text.substr(colon + 1));
        if (!bytes) return std::nullopt;
        value.data = std::move(*bytes);
        return value;
    }
    return std::nullopt;
}

// Lines that do not parse are skipped, as regedit skips them.
std::vector<Key> Load(const std::string& file) {
    std::vector<Key> keys;
    std::ifstream stream(file, std::ios::binary);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A hex list goes on over lines that end in a backslash.
        while (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos) {
            std::string next;
            if (!std::getline(stream, next)) break;
            if (!next.empty() && next.back() == '\r') next.pop_back();
            line.pop_back();
            line += next;
        }
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == ';') continue;
        line.erase(0, first);
        if (line[0] == '[') {
            const size_t close = line.rfind(']');
            if (close != std::string::npos) keys.push_back(Key{line.substr(1, close - 1), {}});
            continue;
        }
        if (keys.empty()) continue;
        size_t i = 0;
        std::string name;
        if (line[0] == kDefaultValueName) {
            i = 1;
        } else if (line[0] == '"') {
            std::optional<std::string> quoted = ReadQuoted(line, i);
            if (!quoted) continue;
            name = *quoted;
        } else {
            continue;
        }
        if (i >= line.size() || line[i] != '=') continue;
        std::optional<Value> value = ReadData(line.substr(i + 1));
        if (!value) continue;
        value->name = name;
        keys.back().values.push_back(std::move(*value));
    }
    return keys;
}

std::string Quote(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') result += '\\';
        result += c;
    }
    return result + '"';
}

// A string that ends with its one NUL is written as text, everything else as
// bytes, so that every value reads back as it was set.
std::string FormatData(const Value& value) {
    const auto& data = value.data;
    const bool plainString = value.type == REG_SZ && !data.empty() && data.back() == 0 &&
                             std::find(data.begin(), data.end() - 1, BYTE{0}) == data.end() - 1 &&
                             std::none_of(data.begin(), data.end() - 1, [](BYTE b) { return b == '\n' || b == '\r'; });
    if (plainString) return Quote(std::string(data.begin(), data.end() - 1));
    char buffer[32];
    if (value.type == REG_DWORD && data.size() == kDwordSize) {
        unsigned long number = 0;
        for (size_t i = 0; i < kDwordSize; ++i) number |= static_cast<unsigned long>(data[i]) << (8 * i);
        std::snprintf(buffer, sizeof buffer, "%s%0*lx", std::string(kDwordPrefix).c_str(), kHexDigitsOfDword, number);
        return buffer;
    }
    std::string result(kHexPrefix);
    if (value.type != REG_BINARY) {
        std::snprintf(buffer, sizeof buffer, "(%lx)", static_cast<unsigned long>(value.type));
        result += buffer;
    }
    result += ':';
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%s%02x", i ? "," : "", data[i]);
        result += buffer;
    }
    return result;
}

bool Save(const std::string& file, const std::vector<Key>& keys) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), error);
    const std::string temporary = file + ".new";
    {
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        stream << kFileHeader << "\n";
        for (const Key& key : keys) {
            stream << "\n[" << key.path << "]\n";
            for (const Value& value : key.values) {
                stream << (value.name.empty() ? std::string(1, kDefaultValueName) : Quote(value.name)) << '='
                       << FormatData(value) << "\n";
            }
        }
        if (!stream) return false;
    }
    std::filesystem::rename(temporary, file, error);
    return !error;
}

// ---- Keys and handles ------------------------------------------------------------------

// The predefined keys as winreg.h spells them: 32-bit values, sign-extended.
HKEY PredefinedKey(std::uint32_t value) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(value))));
}

const char* RootName(HKEY key) {
    static const struct {
        HKEY key;
        const char* name;
    } kRoots[] = {
        {PredefinedKey(0x80000000), "HKEY_CLASSES_ROOT"},
        {PredefinedKey(0x80000001), "HKEY_CURRENT_USER"},
        {PredefinedKey(0x80000002), "HKEY_LOCAL_MACHINE"},
        {PredefinedKey(0x80000003), "HKEY_USERS"},
    };
    for (const auto& root : kRoots) {
        if (root.key == key) return root.name;
    }
    return nullptr;
}

struct OpenKey {
    std::string path;
    REGSAM access = 0;
};

struct Registry {
    std::mutex lock;
    std::uintptr_t next = kFirstKeyHandle;
    std::unordered_map<std::uintptr_t, OpenKey> open;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

// The path and access of a handle; predefined keys allow everything.
std::optional<OpenKey> Lookup(Registry& registry, HKEY key) {
    if (const char* root = RootName(key)) return OpenKey{root, KEY_ALL_ACCESS};
    auto it = registry.open.find(reinterpret_cast<std::uintptr_t>(key));
    if (it == registry.open.end()) return std::nullopt;
    return it->second;
}

std::string Join(const std::string& base, const char* subKey) {
    std::string sub = subKey ? subKey : "";
    sub.erase(0, sub.find_first_not_of('\\'));
    while (!sub.empty() && sub.back() == '\\') sub.pop_back();
    return sub.empty() ? base : base + "\\" + sub;
}

bool IsRoot(const std::string& path) { return path.find('\\') == std::string::npos; }

// A key exists when it has a section or lies above one.
bool Exists(const std::vector<Key>& keys, const std::string& path) {
    if (IsRoot(path)) return true;
    return std::any_of(keys.begin(), keys.end(), [&](const Key& key) {
        return SameName(key.path, path) ||
               (key.path.size() > path.size() && key.path[path.size()] == '\\' &&
                SameName(key.path.substr(0, path.size()), path));
    });
}

Key* FindKey(std::vector<Key>& keys, const std::string& path) {
    auto it = std::find_if(keys.begin(), keys.end(), [&](const Key& key) { return SameName(key.path, path); });
    return it == keys.end() ? nullptr : &*it;
}

HKEY NewHandle(Registry& registry, const std::string& path, REGSAM access) {
    const std::uintptr_t value = registry.next;
    registry.next += kHandleStep;
    registry.open.emplace(value, OpenKey{path, access});
    return reinterpret_cast<HKEY>(value);
}

}  // namespace

LSTATUS WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    if (!phkResult) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    std::optional<OpenKey> base = Lookup(registry, hKey);
    if (!base) return ERROR_INVALID_HANDLE;
    const std::string path = Join(base->path, lpSubKey);
    if (!Exists(Load(RegistryFile()), path)) return ERROR_FILE_NOT_FOUND;
    *phkResult = NewHandle(registry, path, samDesired);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired,
                               const LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    if (!phkResult || !lpSubKey) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    std::optional<OpenKey> base = Lookup(registry, hKey);
    if (!base) return ERROR_INVALID_HANDLE;
    const std::string path = Join(base->path, lpSubKey);
    const std::string file = RegistryFile();
    std::vector<Key> keys = Load(file);
    const bool existed = Exists(keys, path);
    if (!existed) {
        keys.push_back(Key{path, {}});
        if (!Save(file, keys)) return ERROR_CANTWRITE;
    }
    if (lpdwDisposition) *lpdwDisposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *phkResult = NewHandle(registry, path, samDesired);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                                LPDWORD lpcbData) {
    if (lpReserved || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    std::optional<OpenKey> key = Lookup(registry, hKey);
    if (!key) return ERROR_INVALID_HANDLE;
    std::vector<Key> keys = Load(RegistryFile());
    Key* found = FindKey(keys, key->path);
    const std::string name = lpValueName ? lpValueName : "";
    const Value* value = nullptr;
    if (found) {
        auto it = std::find_if(found->values.begin(), found->values.end(),
                               [&](const Value& v) { return SameName(v.name, name); });
        if (it != found->values.end()) value = &*it;
    }
    if (!value) return ERROR_FILE_NOT_FOUND;
    if (lpType) *lpType = value->type;
    const DWORD size = static_cast<DWORD>(value->data.size());
    if (!lpcbData) return ERROR_SUCCESS;
    const DWORD capacity = *lpcbData;
    *lpcbData = size;
    if (!lpData) return ERROR_SUCCESS;
    if (capacity < size) return ERROR_MORE_DATA;
    std::copy(value->data.begin(), value->data.end(), lpData);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData) {
    if (!lpData && cbData > 0) return ERROR_INVALID_PARAMETER;
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    std::optional<OpenKey> key = Lookup(registry, hKey);
    if (!key) return ERROR_INVALID_HANDLE;
    if (!(key->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    const std::string file = RegistryFile();
    std::vector<Key> keys = Load(file);
    Key* found = FindKey(keys, key->path);
    if (!found) {
        keys.push_back(Key{key->path, {}});
        found = &keys.back();
    }
    Value value{lpValueName ? lpValueName : "", dwType, std::vector<BYTE>(lpData, lpData + cbData)};
    auto it = std::find_if(found->values.begin(), found->values.end(),
                           [&](const Value& v) { return SameName(v.name, value.name); });
    if (it != found->values.end()) *it = std::move(value);
    else found->values.push_back(std::move(value));
    return Save(file, keys) ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

LSTATUS WINAPI RegCloseKey(HKEY hKey) {
    if (RootName(hKey)) return ERROR_SUCCESS;
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    return registry.open.erase(reinterpret_cast<std::uintptr_t>(hKey)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
