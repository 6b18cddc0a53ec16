// Arbitrary bytes as a profile file: parse, look up, list into small buffers,
// then write in memory and check that the edited model is the one a fresh
// parse of the new bytes gives, and that the written key reads back.
//
// Input: two bytes choosing the edit and the buffer size, then the file; the
// names and the value of the edit are taken from the end of the file.
#include "profile_model.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace win32::profile;

namespace {

constexpr std::array<std::uint32_t, 5> BUFFER_SIZES = {0, 1, 2, 3, 8};
constexpr std::size_t GUARD_BYTES = 4;
constexpr char GUARD = '\x5A';

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Fills a buffer of the given size with guard bytes after it, and checks
// that nothing past size was written and that the result is terminated.
template <class Fill>
void CheckBuffer(std::uint32_t size, Fill fill)
{
    std::vector<char> buffer(size + GUARD_BYTES, GUARD);
    const std::uint32_t length = fill(buffer.data(), size);
    for (std::size_t i = size; i < buffer.size(); ++i)
        Check(buffer[i] == GUARD);
    if (size == 0)
        Check(length == 0);
    else
        Check(length < size && buffer[length] == '\0');
}

void Lookups(const CProfile& profile, std::uint32_t size)
{
    CheckBuffer(size, [&](char* buffer, std::uint32_t n) {
        CNameList list(buffer, n);
        for (const SSection& section : profile.Sections())
            list.Add(profile.Text(section.name));
        return list.Finish();
    });
    for (const SSection& section : profile.Sections()) {
        const std::string_view name = profile.Text(section.name);
        const SSection* found = profile.FindSection(name);
        Check(found != nullptr && found <= &section);  // the first of its name
        for (std::uint32_t i = section.firstKey; i < section.endKey; ++i) {
            const std::string_view key = profile.Text(profile.Keys()[i].name);
            const std::optional<std::string_view> value = profile.FindValue(name, key);
            Check(value.has_value() || !section.found);  // a later copy's keys may be hidden
            if (value) {
                ParseProfileInt(*value);
                CheckBuffer(size, [&](char* buffer, std::uint32_t n) { return CopyString(*value, buffer, n); });
            }
        }
        CheckBuffer(size, [&](char* buffer, std::uint32_t n) {
            CNameList list(buffer, n);
            for (std::uint32_t i = section.firstKey; i < section.endKey; ++i)
                list.Add(profile.Text(profile.Keys()[i].name));
            return list.Finish();
        });
    }
}

// The incrementally edited model must equal a fresh parse of its bytes.
void CheckSameAsFreshParse(const CProfile& edited)
{
    const CProfile fresh{std::string(edited.Bytes())};
    Check(fresh.Sections() == edited.Sections());
    Check(fresh.Keys() == edited.Keys());
    Check(fresh.LineEnding() == edited.LineEnding());
    for (const SSection& section : fresh.Sections())
        for (std::uint32_t i = section.firstKey; i < section.endKey; ++i) {
            const std::string_view name = fresh.Text(section.name);
            const std::string_view key = fresh.Text(fresh.Keys()[i].name);
            Check(fresh.FindValue(name, key) == edited.FindValue(name, key));
        }
}

// Takes a short NUL-separated field from the end of the input.
std::string_view TakeField(std::string_view& tail)
{
    const std::size_t cut = tail.rfind('\0');
    const std::string_view field = cut == std::string_view::npos ? tail : tail.substr(cut + 1);
    tail = cut == std::string_view::npos ? std::string_view() : tail.substr(0, cut);
    return field.substr(0, 64);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int edit = data[0] % 4;
    const std::uint32_t bufferSize = BUFFER_SIZES[data[1] % BUFFER_SIZES.size()];
    const std::string bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    CProfile profile{bytes};
    Lookups(profile, bufferSize);
    profile.FindValue("", "");
    ParseProfileInt(bytes);

    std::string_view tail = bytes;
    const std::string section(TakeField(tail));
    const std::string key(TakeField(tail));
    const std::string value(TakeField(tail));
    if (!IsValidSectionName(section) || !IsValidKeyName(key) || !IsValidValue(value))
        return 0;
    switch (edit) {
    case 0:
    case 1:
        profile.SetValue(section, key, value);
        CheckSameAsFreshParse(profile);
        Check(CProfile{std::string(profile.Bytes())}.FindValue(section, key) == Unquote(TrimBlanks(value)));
        break;
    case 2:
        profile.DeleteKey(section, key);
        CheckSameAsFreshParse(profile);
        break;
    default:
        profile.DeleteSection(section);
        CheckSameAsFreshParse(profile);
        break;
    }
    // A second write on the edited model exercises the index it updated.
    if (IsValidSectionName(key) && IsValidKeyName(section)) {
        profile.SetValue(key, section, value);
        CheckSameAsFreshParse(profile);
    }
    return 0;
}
