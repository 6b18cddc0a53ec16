#include <syskit32.h>

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

using testing_support::ScopedEnv;

namespace {

TEST(OsGetOsLang, FollowsTheLocaleAndTheOverride)
{
    struct Case { const char* name; const char* all; const char* messages; const char* lang; const char* forced; int expected; };
    const Case cases[] = {
        {"nothing set", nullptr, nullptr, nullptr, nullptr, OS_LANG_WESTERN},
        {"Japanese LANG", nullptr, nullptr, "ja_JP.UTF-8", nullptr, OS_LANG_JAPANESE},
        {"LC_ALL wins over LANG", "en_US.UTF-8", nullptr, "ja_JP.UTF-8", nullptr, OS_LANG_WESTERN},
        {"LC_MESSAGES wins over LANG", nullptr, "ja_JP", "C", nullptr, OS_LANG_JAPANESE},
        {"empty LC_ALL is skipped", "", nullptr, "ja", nullptr, OS_LANG_JAPANESE},
        {"other language", nullptr, nullptr, "de_DE", nullptr, OS_LANG_WESTERN},
        {"override by number", nullptr, nullptr, "en_US", "3", OS_LANG_JAPANESE},
        {"override to another code", nullptr, nullptr, "ja_JP", "7", 7},
        {"override that is no number", nullptr, nullptr, "ja_JP", "ja", OS_LANG_JAPANESE},
    };
    for (const Case& c : cases) {
        ScopedEnv all("LC_ALL", c.all), messages("LC_MESSAGES", c.messages), lang("LANG", c.lang),
            forced("SYSKIT_OS_LANG", c.forced);
        EXPECT_EQ(os_get_os_lang(), c.expected) << c.name;
    }
}

TEST(OsGetDirName, TakesTheDirectoryWithoutTrailingSeparator)
{
    struct Case { const char* path; const char* expected; };
    const Case cases[] = {
        {"C:\\PROGRAM FILES\\TOVIK\\BIN\\TOVIK.EXE", "C:\\PROGRAM FILES\\TOVIK\\BIN"},
        {"/opt/tovik/bin/tovik", "/opt/tovik/bin"},
        {"C:\\TOVIK.EXE", "C:"},
        {"mixed/dir\\file", "mixed/dir"},
        {"file.exe", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        char buffer[260];
        EXPECT_EQ(os_get_dir_name(c.path, buffer, sizeof buffer), static_cast<int>(std::string(c.expected).size()))
            << c.path;
        EXPECT_STREQ(buffer, c.expected) << c.path;
    }
}

TEST(OsGetDirName, StaysWithinTheBuffer)
{
    char buffer[6] = {'#', '#', '#', '#', '#', '#'};
    EXPECT_EQ(os_get_dir_name("abcdefgh/x", buffer, 5), 8);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(buffer[5], '#');

    char untouched[2] = {'#', '\0'};
    os_get_dir_name("abc/x", untouched, 0);
    EXPECT_EQ(untouched[0], '#');
}

}  // namespace
