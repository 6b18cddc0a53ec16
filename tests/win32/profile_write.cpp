// WritePrivateProfileStringA: where a write puts its line, that it changes
// no other byte, what it refuses, and that reads after any mix of writes give
// what was written.
#include "winbase.h"

#include "profile_test_hooks.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

using testing_support::ReadFile;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

class ProfileWrite : public ::testing::Test {
protected:
    std::string NewFileName() { return m_dir / ("write" + std::to_string(m_nFiles++) + ".ini"); }

    static std::string Read(const std::string& file, const char* section, const char* key)
    {
        char buffer[256];
        GetPrivateProfileStringA(section, key, "<default>", buffer, sizeof buffer, file.c_str());
        return buffer;
    }

    static std::string Trimmed(std::string text)
    {
        text.erase(0, text.find_first_not_of(" \t"));
        text.erase(text.find_last_not_of(" \t") + 1);
        return text;
    }

    TempDir m_dir;
    ScopedEnv m_windir{"TOVIK_WINDIR", m_dir.path().c_str()};
    int m_nFiles = 0;
};

// One write on a file, and the file's every byte afterwards.
struct SGoldenCase {
    const char* name;
    std::optional<std::string> before;  // nullopt: no file
    const char* section;
    const char* key;
    const char* value;
    std::optional<std::string> after;
};

TEST_F(ProfileWrite, WriteChangesOnlyItsOwnLine)
{
    const std::string bom = "\xEF\xBB\xBF";
    const std::vector<SGoldenCase> cases = {
        {"new file is CRLF", std::nullopt, "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"new section at the end, no blank line", "[A]\nx=1\n\n", "B", "k", "v", "[A]\nx=1\n\n[B]\nk=v\n"},
        {"new section after an unterminated line", "[A]\nx=1", "B", "k", "v", "[A]\nx=1\n[B]\nk=v\n"},
        {"new section in a file without line endings", "x", "B", "k", "v", "x\r\n[B]\r\nk=v\r\n"},
        {"new section in an empty file", "", "B", "k", "v", "[B]\r\nk=v\r\n"},
        {"new key after the section's last non-blank line", "[A]\nx=1\n;note\n\n\n[B]\ny=2\n", "A", "k", "v",
         "[A]\nx=1\n;note\nk=v\n\n\n[B]\ny=2\n"},
        {"new key in an empty section", "[A]\n\n[B]\n", "A", "k", "v", "[A]\nk=v\n\n[B]\n"},
        {"new key after an unterminated last line", "[A]\r\nx=1", "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n"},
        {"new key into the first of duplicate sections", "[A]\nx=1\n[B]\n[a]\ny=2\n", "A", "y", "3",
         "[A]\nx=1\ny=3\n[B]\n[a]\ny=2\n"},
        {"CR-only file gets CR", "[A]\rx=1\r", "A", "k", "v", "[A]\rx=1\rk=v\r"},
        {"the first line's ending is the file's", "[A]\r\nx=1\ny=2\n", "A", "k", "v", "[A]\r\nx=1\ny=2\nk=v\r\n"},
        {"replace keeps the key's spelling, drops leading blanks", "[A]\n  Key \t=  old ; c \nz=1\n", "a", "KEY",
         "  new  ", "[A]\nKey=new  \nz=1\n"},
        {"replace changes the first copy only", "[A]\nk=1\nk=2\n", "A", "k", "3", "[A]\nk=3\nk=2\n"},
        {"replace keeps the line's own ending", "[A]\r\nk=1\nz=2\r\n", "A", "k", "3", "[A]\r\nk=3\nz=2\r\n"},
        {"replace the unterminated last line", "[A]\nk=1", "A", "k", "2", "[A]\nk=2"},
        {"header keeps its spelling", "[ SeC ]\r\nk=1\r\n", "sec", "k", "2", "[ SeC ]\r\nk=2\r\n"},
        {"byte-order mark kept", bom + "[A]\r\nk=1\r\n", "A", "k", "2", bom + "[A]\r\nk=2\r\n"},
        {"byte-order mark alone", bom, "S", "k", "v", bom + "[S]\r\nk=v\r\n"},
        {"unknown lines kept", "; top\n#hash\n[A]\n  odd line  \nk =1\n\t\n[Z]\nq\n", "A", "k", "2",
         "; top\n#hash\n[A]\n  odd line  \nk=2\n\t\n[Z]\nq\n"},
        {"empty section name", "", "", "k", "v", "[]\r\nk=v\r\n"},
        {"delete key removes its line", "[A]\r\na=1\r\nb=2\r\nc=3\r\n", "A", "B", nullptr, "[A]\r\na=1\r\nc=3\r\n"},
        {"delete the last key keeps the header", "[A]\nb=2\n[C]\n", "A", "b", nullptr, "[A]\n[C]\n"},
        {"delete an unterminated last key", "[A]\na=1\nb=2", "A", "b", nullptr, "[A]\na=1\n"},
        {"delete the first copy of a key", "[A]\nb=1\nb=2\n", "A", "b", nullptr, "[A]\nb=2\n"},
        {"delete section to the next header", "[A]\na=1\n;c\n\n[B]\nb=2\n[a]\nz=9\n", "a", nullptr, nullptr,
         "[B]\nb=2\n[a]\nz=9\n"},
        {"delete the last section", "[B]\nb=2\n[A]\na=1\n", "A", nullptr, nullptr, "[B]\nb=2\n"},
        {"delete a missing key", "[A]\na=1", "A", "x", nullptr, "[A]\na=1"},
        {"delete a missing section", "[A]\na=1", "X", nullptr, nullptr, "[A]\na=1"},
        {"delete on a missing file creates nothing", std::nullopt, "A", "x", nullptr, std::nullopt},
        {"delete section on a missing file", std::nullopt, "A", nullptr, nullptr, std::nullopt},
    };
    for (const SGoldenCase& row : cases) {
        const std::string file = NewFileName();
        if (row.before)
            WriteFile(file, *row.before);
        EXPECT_TRUE(WritePrivateProfileStringA(row.section, row.key, row.value, file.c_str())) << row.name;
        if (row.after)
            EXPECT_EQ(ReadFile(file), *row.after) << row.name;
        else
            EXPECT_FALSE(std::filesystem::exists(file)) << row.name;
        if (row.key && row.value) {
            EXPECT_EQ(Read(file, row.section, row.key), Trimmed(row.value)) << row.name << ": reads back";
        }
    }
}

TEST_F(ProfileWrite, EqualValueLeavesFileUntouched)
{
    const std::string file = NewFileName();
    WriteFile(file, "[A]\nk =  \"v\"  \n");
    const struct timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), past, 0), 0);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    EXPECT_TRUE(WritePrivateProfileStringA("a", "K", "\"v\"", file.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("a", "K", "  \"v\" ", file.c_str())) << "blanks around make no difference";

    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "not replaced";
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec) << "not rewritten";
    EXPECT_EQ(ReadFile(file), "[A]\nk =  \"v\"  \n");

    EXPECT_TRUE(WritePrivateProfileStringA("A", "k", "v", file.c_str())) << "same read, different text";
    EXPECT_EQ(ReadFile(file), "[A]\nk=v\n");
}

// Each of these would, written raw, add or hide a line: refused, file as it was.
TEST_F(ProfileWrite, InputThatWouldCorruptTheFileIsRefused)
{
    const struct {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"section with ]", "S]x", "k", "v"},
        {"section with LF", "S\nk=v", "k", "v"},
        {"section with CR", "S\r", "k", "v"},
        {"section with ] on delete", "S]", nullptr, nullptr},
        {"key with =", "S", "k=ey", "v"},
        {"key with LF", "S", "k\n[T]", "v"},
        {"key with CR", "S", "k\r", "v"},
        {"key starting with [", "S", "[k]", "v"},
        {"key starting with ; after blanks", "S", "  ;k", "v"},
        {"empty key", "S", "", "v"},
        {"blank key", "S", " \t ", "v"},
        {"key with = on delete", "S", "a=1", nullptr},
        {"value with LF", "S", "k", "a\n[T]\nx=1"},
        {"value with CR", "S", "k", "a\rb"},
        {"no section", nullptr, "k", "v"},
        {"flush call", nullptr, nullptr, nullptr},
    };
    const std::string before = "; keep\r\n[S]\r\nk=1\r\na=1\r\n";
    const std::string file = NewFileName();
    const std::string missing = NewFileName();
    WriteFile(file, before);
    for (const auto& row : cases) {
        EXPECT_FALSE(WritePrivateProfileStringA(row.section, row.key, row.value, file.c_str())) << row.name;
        EXPECT_EQ(ReadFile(file), before) << row.name;
        EXPECT_FALSE(WritePrivateProfileStringA(row.section, row.key, row.value, missing.c_str())) << row.name;
        EXPECT_FALSE(std::filesystem::exists(missing)) << row.name;
    }
    EXPECT_TRUE(WritePrivateProfileStringA("[S", " k]x ", "=v;", file.c_str())) << "harmless brackets";
    EXPECT_EQ(Read(file, "[S", "k]x"), "=v;");
}

// A reference map against the engine: random writes, deletes and section
// deletes in changing letter case, every key read back after each. The edits
// update the cached model in place, so this is where a wrong offset or index
// shows.
TEST_F(ProfileWrite, ReadsAfterAnyMixOfWritesGiveWhatWasWritten)
{
    const profile_testing::ScopedFastWrites fastWrites;
    const std::string file = NewFileName();
    WriteFile(file, "; header comment\n[s0]\nk0=seed\n\n[unrelated]\nx=1\n");
    std::map<std::string, std::map<std::string, std::string>> expected{{"s0", {{"k0", "seed"}}},
                                                                       {"unrelated", {{"x", "1"}}}};
    std::mt19937 random(20240531);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto randomCase = [&](std::string name) {
        for (char& c : name)
            if (pick(2))
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return name;
    };
    constexpr int SECTIONS = 4;
    constexpr int KEYS = 40;  // past the size at which a section's keys are hashed
    const auto checkAll = [&](const std::string& when) {
        for (int s = 0; s < SECTIONS; ++s) {
            const std::string section = "s" + std::to_string(s);
            for (int k = 0; k < KEYS; ++k) {
                const std::string key = "k" + std::to_string(k);
                const auto inSection = expected.find(section);
                std::string want = "<default>";
                if (inSection != expected.end() && inSection->second.count(key))
                    want = inSection->second.at(key);
                ASSERT_EQ(Read(file, section.c_str(), key.c_str()), want) << when << ": " << section << "/" << key;
            }
        }
        ASSERT_EQ(Read(file, "unrelated", "x"), "1") << when;
    };
    for (int step = 0; step < 1500; ++step) {
        const std::string section = "s" + std::to_string(pick(SECTIONS));
        const std::string key = "k" + std::to_string(pick(KEYS));
        const int action = pick(100);
        if (action < 85) {
            const std::string value = "v" + std::to_string(pick(1000)) + std::string(static_cast<size_t>(pick(3)), 'x');
            ASSERT_TRUE(WritePrivateProfileStringA(randomCase(section).c_str(), randomCase(key).c_str(), value.c_str(),
                                                   file.c_str()));
            expected[section][key] = value;
        } else if (action < 98) {
            ASSERT_TRUE(WritePrivateProfileStringA(randomCase(section).c_str(), randomCase(key).c_str(), nullptr,
                                                   file.c_str()));
            if (expected.count(section))
                expected[section].erase(key);
        } else {
            ASSERT_TRUE(WritePrivateProfileStringA(randomCase(section).c_str(), nullptr, nullptr, file.c_str()));
            expected.erase(section);
        }
        checkAll("step " + std::to_string(step));
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());  // forget the cached model
    checkAll("parsed afresh");
    EXPECT_EQ(ReadFile(file).rfind("; header comment\n", 0), 0u);
}

}  // namespace
