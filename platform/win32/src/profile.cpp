// The profile calls: thin adapters over the engine (profile_model.h) and its
// file layer (profile_file.h).
#include "winbase.h"

#include "profile_file.h"
#include "profile_model.h"

#include <cstring>

using namespace win32::profile;

namespace {

// A default is returned as a value would be: trailing blanks stripped (the
// leading ones kept), then one pair of surrounding quotes removed.
std::string_view DefaultValue(LPCSTR lpDefault)
{
    std::string_view text = lpDefault ? lpDefault : "";
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return Unquote(text);
}

// An empty or missing list is an empty list, whatever the default: a caller
// walking it must find its end.
DWORD CopySectionNames(const CProfile& profile, LPSTR buffer, DWORD size)
{
    CNameList list(buffer, size);
    for (const SSection& section : profile.Sections())
        if (section.name.size > 0)  // "[]" would end the list early
            list.Add(profile.Text(section.name));
    return list.Finish();
}

DWORD CopyKeyNames(const CProfile& profile, std::string_view sectionName, LPSTR buffer, DWORD size)
{
    CNameList list(buffer, size);
    if (const SSection* section = profile.FindSection(sectionName)) {
        for (std::uint32_t i = section->firstKey; i < section->endKey; ++i) {
            const SKey& key = profile.Keys()[i];
            if (key.name.size > 0)
                list.Add(profile.Text(key.name));
        }
    }
    return list.Finish();
}

}  // namespace

DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                                      LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName)
{
    if (!lpReturnedString || nSize == 0)
        return 0;
    const CCachedProfile cached(ResolveProfilePath(lpFileName).path);
    const CProfile& profile = cached.Get();
    if (!lpAppName)
        return CopySectionNames(profile, lpReturnedString, nSize);
    if (!lpKeyName)
        return CopyKeyNames(profile, lpAppName, lpReturnedString, nSize);
    const std::optional<std::string_view> value = profile.FindValue(lpAppName, lpKeyName);
    return CopyString(value ? *value : DefaultValue(lpDefault), lpReturnedString, nSize);
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName)
{
    const UINT fallback = static_cast<UINT>(nDefault);
    if (!lpAppName || !lpKeyName)
        return fallback;
    const CCachedProfile cached(ResolveProfilePath(lpFileName).path);
    const std::optional<std::string_view> value = cached.Get().FindValue(lpAppName, lpKeyName);
    // An empty value gives the default; any other text gives a number, 0 if
    // it has no digits.
    return value && !value->empty() ? ParseProfileInt(*value) : fallback;
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName)
{
    const SProfilePath where = ResolveProfilePath(lpFileName);
    if (!lpAppName) {
        // The documented "flush" call; writes are never held back, so it only
        // forgets the cached copy. Like Windows, it reports FALSE.
        if (!lpKeyName && !lpString)
            ForgetCachedProfile(where.path);
        return FALSE;
    }
    const std::string_view section = lpAppName;
    if (!IsValidSectionName(section) || (lpKeyName && !IsValidKeyName(lpKeyName)) ||
        (lpString && !IsValidValue(lpString)))
        return FALSE;
    if (!lpKeyName)
        return WriteProfile(where, EMissingFile::LeaveMissing,
                            [&](CProfile& profile) { return profile.DeleteSection(section); });
    const std::string_view key = lpKeyName;
    if (!lpString)
        return WriteProfile(where, EMissingFile::LeaveMissing,
                            [&](CProfile& profile) { return profile.DeleteKey(section, key); });
    const std::string_view value = lpString;
    return WriteProfile(where, EMissingFile::Create,
                        [&](CProfile& profile) { return profile.SetValue(section, key, value); });
}

UINT WINAPI GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize)
{
    const std::string directory = WindowsDirectory();
    // Too small a buffer gets nothing, and the result is the size needed,
    // terminating NUL included.
    if (!lpBuffer || directory.size() >= uSize)
        return static_cast<UINT>(directory.size() + 1);
    std::memcpy(lpBuffer, directory.c_str(), directory.size() + 1);
    return static_cast<UINT>(directory.size());
}
