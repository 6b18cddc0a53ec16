#include "profile_model.h"

#include <algorithm>
#include <cstring>

#include <sys/mman.h>

namespace win32::profile {
namespace {

constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";
constexpr std::string_view CRLF = "\r\n";
constexpr std::string_view LF = "\n";
constexpr std::string_view CR = "\r";
// A section with at most this many keys is searched in order, which costs
// less than hashing the name.
constexpr std::uint32_t LINEAR_SCAN_KEYS = 16;
constexpr std::size_t MIN_INDEX_SLOTS = 16;
constexpr std::uint32_t FNV_OFFSET = 2166136261u;
constexpr std::uint32_t FNV_PRIME = 16777619u;
constexpr std::uint32_t GOLDEN_RATIO = 0x9E3779B9u;
// Room reserved before a parse, from the file's size: generous, since pages
// that are reserved but never touched cost nothing, while growing a table
// copies it and touches its pages twice.
constexpr std::size_t BYTES_PER_SECTION_ESTIMATE = 64;
constexpr std::size_t BYTES_PER_KEY_ESTIMATE = 20;
constexpr std::size_t HUGE_PAGE_BYTES = 2 * 1024 * 1024;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

std::uint32_t HashName(std::string_view name)
{
    std::uint32_t hash = FNV_OFFSET;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= FNV_PRIME;
    }
    return hash;
}

// A key is found through its section, so equal names in two sections hash apart.
std::uint32_t HashKey(std::uint32_t sectionIndex, std::string_view name)
{
    return HashName(name) ^ (sectionIndex * GOLDEN_RATIO);
}

std::string_view TrimLeadingBlanks(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return text.substr(first);
}

std::string_view LineEndingOf(std::string_view ending)
{
    return ending == CRLF ? CRLF : ending == LF ? LF : CR;
}

Offset ToOffset(std::size_t offset)
{
    return static_cast<Offset>(offset);
}

void Shift(Offset& offset, std::int64_t delta)
{
    offset = static_cast<Offset>(static_cast<std::int64_t>(offset) + delta);
}

// Finds line ends: CR, LF or CRLF. The next CR and the next LF are each found
// with memchr and reused until the scan passes them, so a file without CRs
// costs one extra pass over it, not one per line.
class CLineEnds {
public:
    CLineEnds(std::string_view bytes, std::size_t from)
        : m_svBytes(bytes), m_nNextLf(Search(from, '\n')), m_nNextCr(Search(from, '\r'))
    {
    }

    std::size_t Next(std::size_t from)
    {
        if (m_nNextLf < from)
            m_nNextLf = Search(from, '\n');
        if (m_nNextCr < from)
            m_nNextCr = Search(from, '\r');
        return std::min(m_nNextLf, m_nNextCr);
    }

private:
    std::size_t Search(std::size_t from, char c) const
    {
        if (from >= m_svBytes.size())
            return m_svBytes.size();
        const void* hit = std::memchr(m_svBytes.data() + from, c, m_svBytes.size() - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - m_svBytes.data()) : m_svBytes.size();
    }

    std::string_view m_svBytes;
    std::size_t m_nNextLf;
    std::size_t m_nNextCr;
};

}  // namespace

// --- CNameIndex -------------------------------------------------------------

std::size_t CNameIndex::Home(std::uint32_t hash, std::size_t mask)
{
    // FNV's low bits are weak; mix before taking them.
    hash ^= hash >> 16;
    hash *= 0x45d9f3bu;
    hash ^= hash >> 16;
    return hash & mask;
}

void CNameIndex::Insert(std::uint32_t hash, std::uint32_t index)
{
    if ((m_nCount + 1) * 2 > m_vecSlots.size())
        Rehash(std::max(MIN_INDEX_SLOTS, m_vecSlots.size() * 2));
    const std::size_t mask = m_vecSlots.size() - 1;
    std::size_t slot = Home(hash, mask);
    while (m_vecSlots[slot].index != NPOS)
        slot = (slot + 1) & mask;
    m_vecSlots[slot] = {hash, index};
    ++m_nCount;
}

void CNameIndex::ShiftIndices(std::uint32_t from)
{
    for (SSlot& slot : m_vecSlots)
        if (slot.index != NPOS && slot.index >= from)
            ++slot.index;
}

// Keeps the slots' memory for the next parse.
void CNameIndex::Clear()
{
    std::fill(m_vecSlots.begin(), m_vecSlots.end(), SSlot{0, NPOS});
    m_nCount = 0;
}

void CNameIndex::Reserve(std::size_t count)
{
    std::size_t slots = MIN_INDEX_SLOTS;
    while (slots < count * 2)
        slots *= 2;
    if (slots > m_vecSlots.size())
        Rehash(slots);
}

void CNameIndex::Rehash(std::size_t slots)
{
    std::vector<SSlot> old = std::move(m_vecSlots);
    m_vecSlots.clear();
    ReserveLarge(m_vecSlots, slots);
    m_vecSlots.assign(slots, SSlot{0, NPOS});
    m_nCount = 0;
    for (const SSlot& slot : old)
        if (slot.index != NPOS)
            Insert(slot.hash, slot.index);
}

// --- CProfile: parser -------------------------------------------------------

CProfile::CProfile(std::string bytes) : m_strBytes(std::move(bytes))
{
    Parse();
}

void CProfile::Assign(std::string bytes)
{
    m_strBytes = std::move(bytes);
    Parse();
}

std::string CProfile::ReleaseBytes()
{
    std::string bytes = std::move(m_strBytes);
    m_strBytes.clear();
    Parse();
    return bytes;
}

// One pass over the lines; every name and value is kept as offsets into the
// bytes, so a parse allocates only the section and key tables.
void CProfile::Parse()
{
    m_vecSections.clear();
    m_vecKeys.clear();
    m_idxSections.Clear();
    m_idxKeys.Clear();
    const std::string_view bytes = m_strBytes;
    ReserveLarge(m_vecSections, bytes.size() / BYTES_PER_SECTION_ESTIMATE);
    ReserveLarge(m_vecKeys, bytes.size() / BYTES_PER_KEY_ESTIMATE);
    m_idxSections.Reserve(bytes.size() / BYTES_PER_SECTION_ESTIMATE);
    m_nBodyBegin = bytes.starts_with(UTF8_BOM) ? UTF8_BOM.size() : 0;
    m_svLineEnding = {};
    CLineEnds ends(bytes, m_nBodyBegin);
    for (std::size_t begin = m_nBodyBegin; begin < bytes.size();) {
        const std::size_t end = ends.Next(begin);
        std::size_t next = end;
        if (end < bytes.size()) {
            next = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
            if (m_svLineEnding.empty())
                m_svLineEnding = LineEndingOf(bytes.substr(end, next - end));
        }
        ParseLine(begin, end, next);
        begin = next;
    }
    if (m_svLineEnding.empty())
        m_svLineEnding = CRLF;
    if (!m_vecSections.empty())
        m_vecSections.back().end = ToOffset(bytes.size());
    m_vecKeysIndexed.assign(m_vecSections.size(), false);
}

void CProfile::ParseLine(std::size_t begin, std::size_t end, std::size_t next)
{
    const char* data = m_strBytes.data();
    std::size_t first = begin;
    while (first < end && IsBlank(data[first]))
        ++first;
    if (first == end)
        return;  // a blank line is nobody's content: new keys go before it
    if (data[first] == '[') {
        // The name ends at the last ']'; a line without one is no header.
        if (const void* close = memrchr(data + first + 1, ']', end - first - 1)) {
            AddSection(begin, first + 1, static_cast<std::size_t>(static_cast<const char*>(close) - data), next);
            return;
        }
    }
    if (m_vecSections.empty())
        return;  // lines before the first header belong to no section
    SSection& section = m_vecSections.back();
    section.contentEnd = ToOffset(next);
    if (data[first] == ';')
        return;
    if (const void* equals = std::memchr(data + first, '=', end - first)) {
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(equals) - data);
        m_vecKeys.push_back({ToOffset(begin), ToOffset(end), ToOffset(next), TrimmedSpan(first, at),
                             TrimmedSpan(at + 1, end)});
        section.endKey = ToOffset(m_vecKeys.size());
    }
}

void CProfile::AddSection(std::size_t lineBegin, std::size_t nameBegin, std::size_t nameEnd, std::size_t next)
{
    if (!m_vecSections.empty())
        m_vecSections.back().end = ToOffset(lineBegin);
    SSection section;
    section.name = TrimmedSpan(nameBegin, nameEnd);
    section.headerBegin = ToOffset(lineBegin);
    section.contentEnd = section.end = ToOffset(next);
    section.firstKey = section.endKey = ToOffset(m_vecKeys.size());
    const std::string_view name = Text(section.name);
    const std::uint32_t hash = HashName(name);
    const auto sameName = [&](std::uint32_t i) { return EqualNoCase(Text(m_vecSections[i].name), name); };
    section.found = m_idxSections.Find(hash, sameName) == CNameIndex::NPOS;
    if (section.found)
        m_idxSections.Insert(hash, ToOffset(m_vecSections.size()));
    m_vecSections.push_back(section);
}

SSpan CProfile::TrimmedSpan(std::size_t begin, std::size_t end) const
{
    while (begin < end && IsBlank(m_strBytes[begin]))
        ++begin;
    while (end > begin && IsBlank(m_strBytes[end - 1]))
        --end;
    return {ToOffset(begin), ToOffset(end - begin)};
}

// --- CProfile: lookups ------------------------------------------------------

std::uint32_t CProfile::IndexOf(const SSection& section) const
{
    return ToOffset(static_cast<std::size_t>(&section - m_vecSections.data()));
}

const SSection* CProfile::FindSection(std::string_view name) const
{
    name = TrimBlanks(name);
    const auto sameName = [&](std::uint32_t i) { return EqualNoCase(Text(m_vecSections[i].name), name); };
    const std::uint32_t index = m_idxSections.Find(HashName(name), sameName);
    return index == CNameIndex::NPOS ? nullptr : &m_vecSections[index];
}

const SKey* CProfile::FindKey(const SSection& section, std::string_view name) const
{
    name = TrimBlanks(name);
    if (section.endKey - section.firstKey <= LINEAR_SCAN_KEYS) {
        for (std::uint32_t i = section.firstKey; i < section.endKey; ++i)
            if (EqualNoCase(Text(m_vecKeys[i].name), name))
                return &m_vecKeys[i];
        return nullptr;
    }
    const std::uint32_t sectionIndex = IndexOf(section);
    if (!m_vecKeysIndexed[sectionIndex])
        IndexKeys(sectionIndex);
    const auto sameKey = [&](std::uint32_t i) {
        return i >= section.firstKey && i < section.endKey && EqualNoCase(Text(m_vecKeys[i].name), name);
    };
    const std::uint32_t index = m_idxKeys.Find(HashKey(sectionIndex, name), sameKey);
    return index == CNameIndex::NPOS ? nullptr : &m_vecKeys[index];
}

void CProfile::IndexKeys(std::uint32_t sectionIndex) const
{
    const SSection& section = m_vecSections[sectionIndex];
    for (std::uint32_t i = section.firstKey; i < section.endKey; ++i) {
        const std::string_view name = Text(m_vecKeys[i].name);
        const std::uint32_t hash = HashKey(sectionIndex, name);
        const auto sameKey = [&](std::uint32_t k) {
            return k >= section.firstKey && k < section.endKey && EqualNoCase(Text(m_vecKeys[k].name), name);
        };
        if (m_idxKeys.Find(hash, sameKey) == CNameIndex::NPOS)  // the first of duplicate keys wins
            m_idxKeys.Insert(hash, i);
    }
    m_vecKeysIndexed[sectionIndex] = true;
}

std::optional<std::string_view> CProfile::FindValue(std::string_view section, std::string_view key) const
{
    const SSection* found = FindSection(section);
    if (!found)
        return std::nullopt;
    const SKey* entry = FindKey(*found, key);
    if (!entry)
        return std::nullopt;
    return Unquote(Text(entry->value));
}

// --- CProfile: writer -------------------------------------------------------
//
// Replacing a value and adding a key or a section update the tables in place,
// so that a page's save does not parse the file once per key. Deletions, and
// the rare edit that must first end an unterminated last line, parse again.

bool CProfile::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    value = TrimLeadingBlanks(value);
    const SSection* found = FindSection(section);
    if (!found) {
        AppendSection(section, key, value);
        return true;
    }
    const std::uint32_t sectionIndex = IndexOf(*found);
    if (const SKey* entry = FindKey(*found, key)) {
        if (Text(entry->value) == TrimBlanks(value))
            return false;  // reads would give the same: leave the file as it is
        ReplaceKeyLine(sectionIndex, ToOffset(static_cast<std::size_t>(entry - m_vecKeys.data())), value);
        return true;
    }
    InsertKey(sectionIndex, key, value);
    return true;
}

bool CProfile::DeleteKey(std::string_view section, std::string_view key)
{
    const SSection* found = FindSection(section);
    const SKey* entry = found ? FindKey(*found, key) : nullptr;
    if (!entry)
        return false;
    m_strBytes.erase(entry->lineBegin, entry->lineEnd - entry->lineBegin);
    Parse();
    return true;
}

bool CProfile::DeleteSection(std::string_view section)
{
    const SSection* found = FindSection(section);
    if (!found)
        return false;
    m_strBytes.erase(found->headerBegin, found->end - found->headerBegin);
    Parse();
    return true;
}

// The line keeps its own ending and the key its spelling in the file.
void CProfile::ReplaceKeyLine(std::uint32_t sectionIndex, std::uint32_t keyIndex, std::string_view value)
{
    SKey& key = m_vecKeys[keyIndex];
    std::string line;
    line.reserve(key.name.size + 1 + value.size());
    line.append(Text(key.name)).append(1, '=').append(value);
    const std::size_t oldSize = key.contentEnd - key.lineBegin;
    const std::int64_t delta = static_cast<std::int64_t>(line.size()) - static_cast<std::int64_t>(oldSize);
    m_strBytes.replace(key.lineBegin, oldSize, line);

    ShiftFrom(keyIndex + 1, sectionIndex + 1, delta);
    SSection& section = m_vecSections[sectionIndex];
    Shift(section.contentEnd, delta);
    Shift(section.end, delta);
    key.contentEnd = ToOffset(key.lineBegin + line.size());
    Shift(key.lineEnd, delta);
    key.name.begin = key.lineBegin;
    key.value = TrimmedSpan(key.lineBegin + key.name.size + 1, key.contentEnd);
}

// A new key goes after the section's last non-blank line.
void CProfile::InsertKey(std::uint32_t sectionIndex, std::string_view key, std::string_view value)
{
    const std::size_t at = m_vecSections[sectionIndex].contentEnd;
    const bool endLastLine = NeedsLineBreakAt(at);
    // In a file whose first line ends in CR, a CR before a line that is a
    // bare LF would merge with it into one CRLF and swallow that line.
    const bool wouldMerge = m_svLineEnding == CR && at < m_strBytes.size() && m_strBytes[at] == '\n';
    std::string text;
    if (endLastLine)
        text.append(m_svLineEnding);
    text.append(key).append(1, '=').append(value).append(wouldMerge ? LF : m_svLineEnding);
    m_strBytes.insert(at, text);
    if (endLastLine) {
        Parse();
        return;
    }

    const std::uint32_t keyIndex = m_vecSections[sectionIndex].endKey;
    const auto delta = static_cast<std::int64_t>(text.size());
    ShiftFrom(keyIndex, sectionIndex + 1, delta);
    for (std::size_t i = sectionIndex + 1; i < m_vecSections.size(); ++i) {
        ++m_vecSections[i].firstKey;
        ++m_vecSections[i].endKey;
    }
    SKey entry;
    entry.lineBegin = ToOffset(at);
    entry.contentEnd = ToOffset(at + key.size() + 1 + value.size());
    entry.lineEnd = ToOffset(at + text.size());
    entry.name = {ToOffset(at), ToOffset(key.size())};
    entry.value = TrimmedSpan(at + key.size() + 1, entry.contentEnd);
    if (!m_idxKeys.IsEmpty())
        m_idxKeys.ShiftIndices(keyIndex);
    m_vecKeys.insert(m_vecKeys.begin() + keyIndex, entry);

    SSection& section = m_vecSections[sectionIndex];
    Shift(section.contentEnd, delta);
    Shift(section.end, delta);
    ++section.endKey;
    if (m_vecKeysIndexed[sectionIndex])
        m_idxKeys.Insert(HashKey(sectionIndex, key), keyIndex);
}

// A new section goes at the end of the file, with no blank line before it.
void CProfile::AppendSection(std::string_view section, std::string_view key, std::string_view value)
{
    const std::size_t headerBegin = m_strBytes.size();
    const bool endLastLine = NeedsLineBreakAt(headerBegin);
    if (endLastLine)
        m_strBytes.append(m_svLineEnding);
    m_strBytes.append(1, '[').append(section).append(1, ']').append(m_svLineEnding);
    const std::size_t keyBegin = m_strBytes.size();
    m_strBytes.append(key).append(1, '=').append(value);
    const std::size_t keyContentEnd = m_strBytes.size();
    m_strBytes.append(m_svLineEnding);
    if (endLastLine) {
        Parse();
        return;
    }

    SSection header;
    header.name = {ToOffset(headerBegin + 1), ToOffset(section.size())};
    header.headerBegin = ToOffset(headerBegin);
    header.contentEnd = header.end = ToOffset(m_strBytes.size());
    header.firstKey = ToOffset(m_vecKeys.size());
    header.endKey = header.firstKey + 1;
    header.found = true;
    m_idxSections.Insert(HashName(section), ToOffset(m_vecSections.size()));
    m_vecSections.push_back(header);
    m_vecKeysIndexed.push_back(false);

    SKey entry;
    entry.lineBegin = ToOffset(keyBegin);
    entry.contentEnd = ToOffset(keyContentEnd);
    entry.lineEnd = ToOffset(m_strBytes.size());
    entry.name = {ToOffset(keyBegin), ToOffset(key.size())};
    entry.value = TrimmedSpan(keyBegin + key.size() + 1, keyContentEnd);
    m_vecKeys.push_back(entry);
}

// Moves every offset of the keys from firstKey on and of the sections from
// firstSection on, all of which lie after the edit.
void CProfile::ShiftFrom(std::uint32_t firstKey, std::uint32_t firstSection, std::int64_t delta)
{
    for (std::size_t i = firstKey; i < m_vecKeys.size(); ++i) {
        SKey& key = m_vecKeys[i];
        Shift(key.lineBegin, delta);
        Shift(key.contentEnd, delta);
        Shift(key.lineEnd, delta);
        Shift(key.name.begin, delta);
        Shift(key.value.begin, delta);
    }
    for (std::size_t i = firstSection; i < m_vecSections.size(); ++i) {
        SSection& section = m_vecSections[i];
        Shift(section.name.begin, delta);
        Shift(section.headerBegin, delta);
        Shift(section.contentEnd, delta);
        Shift(section.end, delta);
    }
}

// True when offset is the end of a last line that has no line ending yet.
bool CProfile::NeedsLineBreakAt(std::size_t offset) const
{
    return offset > m_nBodyBegin && m_strBytes[offset - 1] != '\n' && m_strBytes[offset - 1] != '\r';
}

// --- Names, values and buffers ----------------------------------------------

void AdviseHugePages(const void* data, std::size_t bytes)
{
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + HUGE_PAGE_BYTES - 1) & ~(HUGE_PAGE_BYTES - 1);
    const std::uintptr_t last = (begin + bytes) & ~(HUGE_PAGE_BYTES - 1);
    if (last > first)  // advice only; where it is not taken, small pages do
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

namespace {

bool ContainsAny(std::string_view text, std::string_view bytes)
{
    return text.find_first_of(bytes) != std::string_view::npos;
}

constexpr std::string_view SECTION_REFUSED{"]\r\n\0", 4};
constexpr std::string_view KEY_REFUSED{"=\r\n\0", 4};
constexpr std::string_view VALUE_REFUSED{"\r\n\0", 3};

int DigitValue(char c, int base)
{
    int digit = base;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

}  // namespace

// A ']' would end the header early and let the rest of the name leak out.
bool IsValidSectionName(std::string_view name)
{
    return !ContainsAny(name, SECTION_REFUSED);
}

// A key must read back as itself: an '=' would move the split, a leading '['
// or ';' would turn the line into a header or a comment, and a blank name
// could never be looked up or listed.
bool IsValidKeyName(std::string_view name)
{
    const std::string_view trimmed = TrimBlanks(name);
    return !trimmed.empty() && !ContainsAny(name, KEY_REFUSED) && trimmed.front() != '[' && trimmed.front() != ';';
}

bool IsValidValue(std::string_view value)
{
    return !ContainsAny(value, VALUE_REFUSED);
}

std::string_view TrimBlanks(std::string_view text)
{
    text = TrimLeadingBlanks(text);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Only a pair that encloses the whole value counts: with the same quote
// inside, as in "a" "b", the quotes belong to the text.
std::string_view Unquote(std::string_view text)
{
    if (text.size() < 2 || (text.front() != '"' && text.front() != '\'') || text.back() != text.front())
        return text;
    const std::string_view inside = text.substr(1, text.size() - 2);
    return inside.find(text.front()) == std::string_view::npos ? inside : text;
}

// Decimal, or hexadecimal after a lower-case "0x", up to the first other
// character, wrapping modulo 2^32 as the platform's 32-bit arithmetic does.
std::uint32_t ParseProfileInt(std::string_view value)
{
    value = TrimLeadingBlanks(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    int base = 10;
    if (value.starts_with("0x")) {
        base = 16;
        value.remove_prefix(2);
    }
    std::uint32_t result = 0;
    for (char c : value) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            break;
        result = result * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    return negative ? 0u - result : result;
}

std::uint32_t CopyString(std::string_view text, char* buffer, std::uint32_t size)
{
    if (size == 0)
        return 0;
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    if (count > 0)
        std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return ToOffset(count);
}

CNameList::CNameList(char* buffer, std::uint32_t size) : m_pBuffer(buffer), m_nSize(size)
{
}

void CNameList::Add(std::string_view name)
{
    if (m_bTruncated)
        return;
    // One byte stays free for the list's final NUL.
    if (m_nSize >= 1 && m_nUsed + name.size() + 1 <= m_nSize - 1) {
        if (!name.empty())
            std::memcpy(m_pBuffer + m_nUsed, name.data(), name.size());
        m_nUsed += name.size();
        m_pBuffer[m_nUsed++] = '\0';
        return;
    }
    // Finish cuts the list after its first size-2 bytes, part of this name included.
    m_bTruncated = true;
    const std::size_t room = m_nSize >= 2 && m_nSize - 2 > m_nUsed ? m_nSize - 2 - m_nUsed : 0;
    if (room > 0)
        std::memcpy(m_pBuffer + m_nUsed, name.data(), std::min(name.size(), room));
}

std::uint32_t CNameList::Finish()
{
    if (m_nSize == 0)
        return 0;
    if (m_nSize == 1) {
        m_pBuffer[0] = '\0';
        return 0;
    }
    if (m_bTruncated) {
        m_pBuffer[m_nSize - 2] = '\0';
        m_pBuffer[m_nSize - 1] = '\0';
        return ToOffset(m_nSize - 2);
    }
    m_pBuffer[m_nUsed] = '\0';
    if (m_nUsed == 0)
        m_pBuffer[1] = '\0';  // an empty list still reads as one
    return ToOffset(m_nUsed);
}

}  // namespace win32::profile
