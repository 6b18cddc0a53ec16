// GetPrivateProfileStringA and GetPrivateProfileIntA on files written by
// hand: how a line is read, what a caller's buffer receives, and how a value
// becomes a number.
#include "winbase.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using testing_support::ReadFile;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

constexpr DWORD LARGE_BUFFER = 4096;
constexpr char NO_VALUE[] = "<default>";

class ProfileRead : public ::testing::Test {
protected:
    // A fresh file per fixture content, so that no row reads another's cache.
    std::string Fixture(const std::string& bytes)
    {
        const std::string file = m_dir / ("read" + std::to_string(m_nFiles++) + ".ini");
        WriteFile(file, bytes);
        return file;
    }

    static std::string Read(const std::string& file, const char* section, const char* key,
                            const char* fallback = NO_VALUE)
    {
        std::vector<char> buffer(LARGE_BUFFER, 'X');
        const DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer.data(),
                                                      static_cast<DWORD>(buffer.size()), file.c_str());
        return std::string(buffer.data(), length);
    }

    TempDir m_dir;
    ScopedEnv m_windir{"TOVIK_WINDIR", m_dir.path().c_str()};
    int m_nFiles = 0;
};

struct SValueCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected;
};

TEST_F(ProfileRead, LinesReadAsThePlatformReadsThem)
{
    const std::string longValue(3 * 1024 * 1024, 'v');
    const std::vector<SValueCase> cases = {
        {"blanks around a value go", "[S]\nk = \t v w \t\n", "S", "k", "v w"},
        {"quotes padded inside stay padded", "[S]\nk=  \"  padded  \"  \n", "S", "k", "  padded  "},
        {"single quotes", "[S]\nk='x'\n", "S", "k", "x"},
        {"doubled quotes stay", "[S]\nk=\"\"x\"\"\n", "S", "k", "\"\"x\"\""},
        {"a quote inside stays", "[S]\nk='it's'\n", "S", "k", "'it's'"},
        {"open quote stays", "[S]\nk=\"open\n", "S", "k", "\"open"},
        {"closing quote stays", "[S]\nk=abc\"\n", "S", "k", "abc\""},
        {"mixed quotes stay", "[S]\nk=\"x'\n", "S", "k", "\"x'"},
        {"inner quotes stay", "[S]\nk=a\"b\"c\n", "S", "k", "a\"b\"c"},
        {"two quoted parts stay", "[S]\nk=\"a\" \"b\"\n", "S", "k", "\"a\" \"b\""},
        {"a lone quote stays", "[S]\nk=\"\n", "S", "k", "\""},
        {"later '=' belong to the value", "[S]\nk=a=b\n", "S", "k", "a=b"},
        {"empty value is not the default", "[S]\nk=\n", "S", "k", ""},
        {"blank value is not the default", "[S]\nk=   \n", "S", "k", ""},
        {"text after ';' on a value line is value", "[S]\nk=4 ; trailing comment\n", "S", "k", "4 ; trailing comment"},
        {"a ';' line is a comment", "[S]\n;k=1\n", "S", ";k", NO_VALUE},
        {"an indented ';' line is a comment", "[S]\n  ;k=1\n", "S", ";k", NO_VALUE},
        {"a '#' line is an ordinary key", "[S]\n#k=1\n", "S", "#k", "1"},
        {"names match in any case", "[SeCt]\nKeY=1\n", "sECT", "kEy", "1"},
        {"blanks around names ignored", "[  S  ]\n \t k \t =1\n", " S\t", "  k ", "1"},
        {"blanks inside names count", "[a b]\nk=1\n", "ab", "k", NO_VALUE},
        {"header ends at the last ']'", "[a[b]c] junk\nk=1\n", "a[b]c", "k", "1"},
        {"a line without ']' is no header", "[S]\n[T\nk=2\n", "S", "k", "2"},
        {"an unclosed '[' line with '=' is a key", "[S]\n[T=3\n", "S", "[T", "3"},
        {"empty section name", "[]\nk=1\n", "", "k", "1"},
        {"a line without '=' is no key", "[S]\nflag\n", "S", "flag", NO_VALUE},
        {"lines before any header belong nowhere", "k=1\n[S]\n", "", "k", NO_VALUE},
        {"first section of a name wins", "[S]\na=1\n[s]\na=2\nb=3\n", "S", "a", "1"},
        {"keys of a later copy are not found", "[S]\na=1\n[s]\na=2\nb=3\n", "S", "b", NO_VALUE},
        {"first of duplicate keys wins", "[S]\na=1\nA=2\n", "S", "a", "1"},
        {"CRLF endings", "[S]\r\na=1\r\nb=2\r\n", "S", "b", "2"},
        {"CR endings", "[S]\ra=1\rb=2\r", "S", "b", "2"},
        {"mixed endings", "[S]\r\na=1\nb=2\rc=3", "S", "c", "3"},
        {"a lone CR inside a line ends it", "[S]\na=1\rb=2\n", "S", "a", "1"},
        {"no final newline", "[S]\na=1", "S", "a", "1"},
        {"byte-order mark skipped", "\xEF\xBB\xBF[S]\na=1\n", "S", "a", "1"},
        {"bytes above 0x7F pass through", "[S\xC3\xA9]\nk=\xC3\xA9\xFF\x80\n", "S\xC3\xA9", "k", "\xC3\xA9\xFF\x80"},
        {"upper-case bytes above 0x7F are not folded", "[\xC3\x89]\nk=1\n", "\xC3\xA9", "k", NO_VALUE},
        {"a line of megabytes", "[S]\nk=" + longValue + "\nj=2\n", "S", "j", "2"},
        {"a value with a NUL byte ends the C string there", std::string("[S]\nk=a\0b\n", 9), "S", "k",
         std::string("a\0b", 3)},
    };
    for (const SValueCase& row : cases)
        EXPECT_EQ(Read(Fixture(row.file), row.section, row.key), row.expected) << row.name;
}

TEST_F(ProfileRead, SectionsWithManyKeysFindEveryKey)
{
    // Past a handful of keys a section is looked up through a hash index; the
    // first of duplicate keys must still win there.
    std::string bytes = "[Big]\n";
    for (int i = 0; i < 200; ++i)
        bytes += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    bytes += "key7=duplicate\n[Other]\nKey7=other\n";
    const std::string file = Fixture(bytes);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(Read(file, "big", ("KEY" + std::to_string(i)).c_str()), std::to_string(i)) << i;
    EXPECT_EQ(Read(file, "Big", "key200"), NO_VALUE);
    EXPECT_EQ(Read(file, "Other", "key7"), "other");
}

TEST_F(ProfileRead, DefaultLosesTrailingBlanksAndOneQuotePair)
{
    const std::string missing = m_dir / "missing.ini";
    const struct {
        const char* fallback;
        std::string expected;
    } cases[] = {
        {"  x  ", "  x"},
        {"\"q\"", "q"},
        {"\"q\"  ", "q"},
        {"' both '", " both "},
        {"\"open", "\"open"},
        {nullptr, ""},
    };
    for (const auto& row : cases)
        EXPECT_EQ(Read(missing, "S", "k", row.fallback), row.expected) << (row.fallback ? row.fallback : "NULL");
    const std::string present = Fixture("[S]\nk=1\n");
    EXPECT_EQ(Read(present, "S", "other", " \"d\" "), " \"d\"") << "leading blanks stop the unquoting";
    EXPECT_FALSE(std::filesystem::exists(missing)) << "a read never creates the file";
}

TEST_F(ProfileRead, BufferGetsAtMostSizeMinusOneAndANul)
{
    const std::string file = Fixture("[S]\nplain=abcdef\nquoted=\"abc\"\n");
    const struct {
        const char* key;
        DWORD size;
        std::string expected;  // the NUL-terminated contents
    } cases[] = {
        {"plain", 7, "abcdef"}, {"plain", 6, "abcde"}, {"plain", 4, "abc"},
        {"plain", 1, ""},       {"quoted", 3, "ab"},   {"quoted", 4, "abc"},
    };
    for (const auto& row : cases) {
        std::string buffer(row.size + 8, 'X');
        const DWORD length = GetPrivateProfileStringA("S", row.key, "", buffer.data(), row.size, file.c_str());
        const std::string name = std::string(row.key) + " size " + std::to_string(row.size);
        EXPECT_EQ(length, row.expected.size()) << name;
        EXPECT_EQ(buffer.substr(0, row.expected.size() + 1), row.expected + '\0') << name;
        EXPECT_EQ(buffer.substr(row.size), std::string(8, 'X')) << name << ": written past size";
    }
    char untouched[4] = {'X', 'X', 'X', 'X'};
    EXPECT_EQ(GetPrivateProfileStringA("S", "plain", "", untouched, 0, file.c_str()), 0u);
    EXPECT_EQ(std::string(untouched, 4), "XXXX") << "size 0 writes nothing";
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", untouched, 0, file.c_str()), 0u);
    EXPECT_EQ(std::string(untouched, 4), "XXXX") << "size 0 writes nothing, lists neither";
}

// Lists: every name NUL-terminated and a final NUL; cut to size-2 bytes and
// two NULs when it does not fit.
TEST_F(ProfileRead, ListsOfKeysAndSections)
{
    const std::string file =
        Fixture("[S]\nkey=1\nalpha=2\n;comment=3\nflag\nkey=4\n=blank\n[T]\n[]\nx=1\n[s]\nlater=5\n");
    const std::string keys("key\0alpha\0key\0\0", 15);
    const std::string sections("S\0T\0s\0\0", 7);
    const struct {
        const char* name;
        const char* section;
        DWORD size;
        std::string expected;  // all size bytes, or the list when it fits
        DWORD result;
    } cases[] = {
        {"keys fit", "S", 64, keys, 14},
        {"keys fit exactly", "S", 15, keys, 14},
        {"keys one short", "S", 14, std::string("key\0alpha\0ke\0\0", 14), 12},
        {"keys cut inside a name", "S", 8, std::string("key\0al\0\0", 8), 6},
        {"keys cut after a name", "S", 6, std::string("key\0\0\0", 6), 4},
        {"size 2", "S", 2, std::string("\0\0", 2), 0},
        {"size 1", "S", 1, std::string("\0", 1), 0},
        {"empty section", "T", 8, std::string("\0\0", 2), 0},
        {"missing section ignores the default", "nope", 8, std::string("\0\0", 2), 0},
        {"sections fit, duplicates and [] aside", nullptr, 64, sections, 6},
        {"sections cut", nullptr, 5, std::string("S\0T\0\0", 5), 3},
    };
    for (const auto& row : cases) {
        std::string buffer(row.size + 8, 'X');
        const DWORD length = GetPrivateProfileStringA(row.section, nullptr, "default", buffer.data(), row.size,
                                                      file.c_str());
        EXPECT_EQ(length, row.result) << row.name;
        EXPECT_EQ(buffer.substr(0, row.expected.size()), row.expected) << row.name;
        EXPECT_EQ(buffer.substr(row.size), std::string(8, 'X')) << row.name << ": written past size";
    }
    char buffer[8] = {'X', 'X', 'X', 'X'};
    const std::string missing = m_dir / "missing.ini";
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "d", buffer, sizeof buffer, missing.c_str()), 0u);
    EXPECT_EQ(std::string(buffer, 2), std::string("\0\0", 2)) << "a missing file lists no section";
}

TEST_F(ProfileRead, IntegersWrapModulo2To32)
{
    const struct {
        const char* value;
        UINT expected;
    } cases[] = {
        {"  12abc", 12},
        {"12 34", 12},
        {"-5", 4294967291u},
        {"  -3", 4294967293u},
        {"+7", 7},
        {"\"5\"", 5},
        {"\t9", 9},
        {"010", 10},
        {"0x10", 16},
        {"0x1F", 31},
        {"0X1f", 0},
        {"-0x10", 4294967280u},
        {"abc", 0},
        {"- 4", 0},
        {"4294967296", 0},
        {"2147483648", 2147483648u},
        {"-2147483649", 2147483647u},
        {"99999999999", 1215752191u},
        {"\" \"", 0},
    };
    std::string bytes = "[N]\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        bytes += "k" + std::to_string(i) + "=" + cases[i].value + "\n";
    bytes += "empty=\n";
    const std::string file = Fixture(bytes);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(GetPrivateProfileIntA("N", ("k" + std::to_string(i)).c_str(), 77, file.c_str()), cases[i].expected)
            << cases[i].value;

    EXPECT_EQ(GetPrivateProfileIntA("N", "empty", 77, file.c_str()), 77u) << "empty value";
    EXPECT_EQ(GetPrivateProfileIntA("N", "missing", -1, file.c_str()), 4294967295u) << "missing key";
    EXPECT_EQ(GetPrivateProfileIntA("N", nullptr, 5, file.c_str()), 5u) << "NULL key";
    EXPECT_EQ(GetPrivateProfileIntA(nullptr, "k0", 5, file.c_str()), 5u) << "NULL section";
    EXPECT_EQ(GetPrivateProfileIntA("N", "k0", 5, (m_dir / "missing.ini").c_str()), 5u) << "missing file";
}

TEST_F(ProfileRead, UnreadableNamesReadAsMissingFiles)
{
    std::filesystem::create_directory(m_dir.path() / "folder.ini");
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "d", buffer, sizeof buffer, (m_dir / "folder.ini").c_str()), 1u);
    EXPECT_STREQ(buffer, "d") << "a directory under a profile's name";
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "d", buffer, sizeof buffer, (m_dir / "no/such/dir.ini").c_str()),
              1u);
    EXPECT_STREQ(buffer, "d") << "a missing directory";
}

}  // namespace
