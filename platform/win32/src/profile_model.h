// The profile-file engine's core: one parser, one index and one writer, shared
// by the profile calls, the benchmarks and the fuzz target. It works on bytes
// in memory; profile_file.h brings them from and to disk.
//
//   CProfile              a parsed profile file: its bytes, sections and keys,
//                         lookups, and the edits a write makes
//   IsValidSectionName,   what a write may put into a file without changing
//   IsValidKeyName,       the meaning of any other line
//   IsValidValue
//   Unquote               the one pair of surrounding quotes a read removes
//   ParseProfileInt       GetPrivateProfileIntA's reading of a value
//   CopyString            copies text into a caller's buffer, Win32 style
//   CNameList             fills a caller's buffer with a double-NUL name list
//
// Offsets are 32 bits, so a profile holds at most MAX_PROFILE_BYTES; the file
// layer refuses larger files.
//
// A byte is a byte: NUL, invalid UTF-8 and bytes above 0x7F are ordinary
// characters of names and values. Only CR and LF end lines, and a C string
// handed back to a caller naturally stops at a NUL inside a value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The engine is internal to the window-system library, but the benchmarks
// and the fuzz target link that library and drive the engine directly.
#define PROFILE_API __attribute__((visibility("default")))

namespace win32::profile {

using Offset = std::uint32_t;
inline constexpr std::size_t MAX_PROFILE_BYTES = UINT32_MAX - 1;

// A run of bytes of the profile.
struct SSpan {
    Offset begin = 0;
    Offset size = 0;
    bool operator==(const SSpan&) const = default;
};

// A "name=value" line inside a section.
struct SKey {
    Offset lineBegin = 0;
    Offset contentEnd = 0;  // where the line ending starts
    Offset lineEnd = 0;     // one past the line ending
    SSpan name;             // blanks around it removed
    SSpan value;            // blanks around it removed, quotes still on
    bool operator==(const SKey&) const = default;
};

// A "[name]" header and every line up to the next header.
struct SSection {
    SSpan name;               // blanks inside the brackets removed
    Offset headerBegin = 0;
    Offset contentEnd = 0;    // one past its last non-blank line: where a new key goes
    Offset end = 0;           // where the next header starts, or the end of the file
    std::uint32_t firstKey = 0;  // its keys are Keys()[firstKey, endKey), in file order
    std::uint32_t endKey = 0;
    bool found = false;       // the first section of its name, the one lookups find
    bool operator==(const SSection&) const = default;
};

// An open-addressing hash table from a name's hash to the index of the first
// section or key of that name; callers compare the names themselves.
class PROFILE_API CNameIndex {
public:
    static constexpr std::uint32_t NPOS = UINT32_MAX;

    bool IsEmpty() const { return m_nCount == 0; }
    template <class Match>
    std::uint32_t Find(std::uint32_t hash, Match match) const;
    // The caller makes sure no entry of the same name is present yet.
    void Insert(std::uint32_t hash, std::uint32_t index);
    // Every stored index >= from grows by one (an entry was inserted before it).
    void ShiftIndices(std::uint32_t from);
    void Clear();
    // Makes room for count entries, so that filling them never rehashes.
    void Reserve(std::size_t count);

private:
    struct SSlot {
        std::uint32_t hash;
        std::uint32_t index;  // NPOS: free
    };
    static std::size_t Home(std::uint32_t hash, std::size_t mask);
    void Rehash(std::size_t slots);

    std::vector<SSlot> m_vecSlots;  // a power of two long, at most half full
    std::size_t m_nCount = 0;
};

class PROFILE_API CProfile {
public:
    explicit CProfile(std::string bytes = {});
    // Parses new bytes into this model, reusing its memory: a file another
    // process changed is read again without touching fresh pages.
    void Assign(std::string bytes);
    // Hands the bytes' buffer over for reuse; the model is empty until Assign.
    std::string ReleaseBytes();

    // Attributes
    std::string_view Bytes() const { return m_strBytes; }
    std::string_view Text(SSpan span) const { return std::string_view(m_strBytes).substr(span.begin, span.size); }
    const std::vector<SSection>& Sections() const { return m_vecSections; }
    const std::vector<SKey>& Keys() const { return m_vecKeys; }
    // The ending of the file's first line; CRLF for a file without one.
    std::string_view LineEnding() const { return m_svLineEnding; }

    // Lookups (names match case-insensitively, blanks around them ignored).
    // Lookups fill the key index lazily: call them from one thread at a time.
    const SSection* FindSection(std::string_view name) const;
    const SKey* FindKey(const SSection& section, std::string_view name) const;
    // What GetPrivateProfileStringA returns for the key, or nullopt when the
    // default applies.
    std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;

    // Operations: the writer. Each edits the bytes and the model together,
    // changing only the line it must, and returns false when the bytes stay
    // as they were. Callers check names and values with IsValid* first.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

private:
    void Parse();
    void ParseLine(std::size_t begin, std::size_t end, std::size_t next);
    void AddSection(std::size_t lineBegin, std::size_t nameBegin, std::size_t nameEnd, std::size_t next);
    void ReplaceKeyLine(std::uint32_t sectionIndex, std::uint32_t keyIndex, std::string_view value);
    void InsertKey(std::uint32_t sectionIndex, std::string_view key, std::string_view value);
    void AppendSection(std::string_view section, std::string_view key, std::string_view value);
    void ShiftFrom(std::uint32_t firstKey, std::uint32_t firstSection, std::int64_t delta);
    void IndexKeys(std::uint32_t sectionIndex) const;
    bool NeedsLineBreakAt(std::size_t offset) const;
    SSpan TrimmedSpan(std::size_t begin, std::size_t end) const;
    std::uint32_t IndexOf(const SSection& section) const;

    std::string m_strBytes;
    std::size_t m_nBodyBegin = 0;  // past the UTF-8 byte-order mark, if any
    std::string_view m_svLineEnding;
    std::vector<SSection> m_vecSections;
    std::vector<SKey> m_vecKeys;
    CNameIndex m_idxSections;
    // Keys of the sections with more than LINEAR_SCAN_KEYS keys, filled on a
    // section's first lookup so that a parse hashes no key names.
    mutable CNameIndex m_idxKeys;
    mutable std::vector<bool> m_vecKeysIndexed;
};

// Asks the kernel to back a large buffer with huge pages before it is first
// touched: where each first touch of a 4 KB page costs microseconds, a cold
// parse of a big file would otherwise spend most of its time faulting memory in.
void AdviseHugePages(const void* data, std::size_t bytes);

template <class Container>
void ReserveLarge(Container& container, std::size_t count)
{
    container.reserve(count);
    AdviseHugePages(container.data(), container.capacity() * sizeof(*container.data()));
}

PROFILE_API bool IsValidSectionName(std::string_view name);
PROFILE_API bool IsValidKeyName(std::string_view name);
PROFILE_API bool IsValidValue(std::string_view value);

PROFILE_API std::string_view TrimBlanks(std::string_view text);
PROFILE_API std::string_view Unquote(std::string_view text);
PROFILE_API std::uint32_t ParseProfileInt(std::string_view value);

// Copies at most size-1 bytes and a NUL; returns the number copied. Size 0
// leaves the buffer untouched.
PROFILE_API std::uint32_t CopyString(std::string_view text, char* buffer, std::uint32_t size);

// Fills a caller's buffer with NUL-terminated names and a final NUL. A list
// that does not fit is cut as Windows cuts it: its first size-2 bytes, then
// two NULs, and the result is size-2.
class PROFILE_API CNameList {
public:
    CNameList(char* buffer, std::uint32_t size);
    void Add(std::string_view name);
    // Returns the length without the final NUL.
    std::uint32_t Finish();

private:
    char* m_pBuffer;
    std::size_t m_nSize;
    std::size_t m_nUsed = 0;
    bool m_bTruncated = false;
};

template <class Match>
std::uint32_t CNameIndex::Find(std::uint32_t hash, Match match) const
{
    if (m_vecSlots.empty())
        return NPOS;
    const std::size_t mask = m_vecSlots.size() - 1;
    for (std::size_t slot = Home(hash, mask);; slot = (slot + 1) & mask) {
        const SSlot& entry = m_vecSlots[slot];
        if (entry.index == NPOS)
            return NPOS;
        if (entry.hash == hash && match(entry.index))
            return entry.index;
    }
}

}  // namespace win32::profile
