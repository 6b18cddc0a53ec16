#include "setbook.h"

#include <windows.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

constexpr const char* kXpdDirectoryVariable = "SETBOOK_XPD_DIR";
constexpr const char* kDefaultSection = "Tovik";
constexpr const char* kXpdExtension = ".xpd";

std::string g_hostXpdDirectory;

// A protocol name becomes part of a file name: anything that could leave the
// folder of descriptions, or is no plain file name, finds nothing.
bool IsUsableProtocolName(const char* name)
{
    if (name == nullptr || *name == '\0' || std::strstr(name, "..") != nullptr)
        return false;
    for (const char* p = name; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c < 0x20 || c == 0x7f || c == '/' || c == '\\')
            return false;
    }
    return true;
}

std::string ExecutableDirectory()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : exe.parent_path().string();
}

std::string XpdDirectory(const std::string& fromConstructor)
{
    if (!fromConstructor.empty())
        return fromConstructor;
    if (const char* fromEnvironment = std::getenv(kXpdDirectoryVariable); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    if (!g_hostXpdDirectory.empty())
        return g_hostXpdDirectory;
    return ExecutableDirectory() + "/../protocols";
}

// The description file of a protocol, if the name is usable and the file exists.
std::optional<std::string> XpdFile(const std::string& directory, const char* protocol)
{
    if (!IsUsableProtocolName(protocol))
        return std::nullopt;
    std::string file = XpdDirectory(directory) + "/" + protocol + kXpdExtension;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    return file;
}

int CopyBounded(char* buffer, int size, const char* text)
{
    if (buffer == nullptr || size <= 0)
        return 0;
    const size_t length = std::min(std::strlen(text), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

// The whole value of a key, or nothing when the key is absent.
std::optional<std::string> ReadKey(const std::string& file, const char* section, const char* key)
{
    // A value never holds a control character, so this default cannot be
    // mistaken for one.
    static constexpr char kAbsent[] = "\x01";
    std::string buffer(256, '\0');
    for (;;) {
        const DWORD copied = GetPrivateProfileStringA(section, key, kAbsent, buffer.data(),
                                                      static_cast<DWORD>(buffer.size()), file.c_str());
        if (copied + 1 < buffer.size()) {
            buffer.resize(copied);
            break;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
    if (buffer == kAbsent)
        return std::nullopt;
    return buffer;
}

}  // namespace

XpdReader::XpdReader(const char* strDirectory) : m_nProtocols(0), m_strDirectory(strDirectory ? strDirectory : "")
{
}

int XpdReader::AddProtocol(const char* strProtocol)
{
    if (!XpdFile(m_strDirectory, strProtocol))
        return 0;
    ++m_nProtocols;
    return 1;
}

int XpdReader::GetSectionKey(char* buffer, int nSize, const char* strProtocol, const char* strSection,
                             const char* strKey, const char* strDefault)
{
    if (buffer == nullptr || nSize <= 0)
        return 0;
    const char* fallback = strDefault ? strDefault : "";
    const auto file = XpdFile(m_strDirectory, strProtocol);
    if (!file || strSection == nullptr || strKey == nullptr)
        return CopyBounded(buffer, nSize, fallback);
    const auto value = ReadKey(*file, strSection, strKey);
    return CopyBounded(buffer, nSize, value ? value->c_str() : fallback);
}

const char* XpdReader::GetXpdKeyValue(const char* strKey, const std::list<std::string>& protocols,
                                      MultiKeysRelation relation, const char* strSection, const char* strDefault)
{
    thread_local std::string answer;
    if (strKey == nullptr)
        return strDefault;
    const char* section = strSection && *strSection ? strSection : kDefaultSection;

    std::optional<std::string> common;
    for (const std::string& protocol : protocols) {
        const auto file = XpdFile(m_strDirectory, protocol.c_str());
        const auto value = file ? ReadKey(*file, section, strKey) : std::nullopt;
        if (relation == MKR_FIRST && value) {
            common = value;
            break;
        }
        if (relation == MKR_ALL) {
            if (!value || (common && *common != *value))
                return strDefault;
            common = value;
        }
    }
    if (!common)
        return strDefault;
    answer = *common;
    return answer.c_str();
}

extern "C" void SetbookSetXpdDirectory(const char* strDirectory)
{
    g_hostXpdDirectory = strDirectory ? strDirectory : "";
}
