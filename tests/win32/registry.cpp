// The registry: keys and values round-trip through registry.reg in the
// Windows directory, and reads follow RegQueryValueExA's size rules.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "temp_dir.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

// The predefined key as winreg.h defines it, without the header's C casts.
const HKEY kClassesRoot = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(0x80000000))));

constexpr const char* kCommandKey = "htmlfile\\shell\\open\\command";
const std::string kBrowser = "\"/usr/bin/web browser\" -nohome";

class Registry : public ::testing::Test {
protected:
    TempDir m_dir;
    ScopedEnv m_windowsDirectory{"TOVIK_WINDIR", m_dir.path().c_str()};

    std::string File() const { return ReadFile(m_dir / "registry.reg"); }
};

TEST_F(Registry, ValuesRoundTripThroughTheFile) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(kClassesRoot, kCommandKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    ASSERT_EQ(RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kBrowser.c_str()),
                             static_cast<DWORD>(kBrowser.size() + 1)),
              ERROR_SUCCESS);
    const DWORD count = 2;
    ASSERT_EQ(RegSetValueExA(key, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count), sizeof count),
              ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    EXPECT_EQ(File(),
              "REGEDIT4\n"
              "\n"
              "[HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command]\n"
              "@=\"\\\"/usr/bin/web browser\\\" -nohome\"\n"
              "\"Count\"=dword:00000002\n");

    // Read back the way the help launcher reads it: leading backslash, size first.
    ASSERT_EQ(RegOpenKeyExA(kClassesRoot, "\\HTMLFILE\\shell\\open\\command", 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD size = 0, type = 0;
    ASSERT_EQ(RegQueryValueExA(key, "", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, kBrowser.size() + 1) << "the size includes the NUL";
    std::string value(size, '\0');
    ASSERT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(value.c_str(), kBrowser.c_str());
    DWORD number = 0, numberSize = sizeof number;
    ASSERT_EQ(RegQueryValueExA(key, "count", nullptr, &type, reinterpret_cast<BYTE*>(&number), &numberSize),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(number, 2u);
    RegCloseKey(key);

    ASSERT_EQ(RegCreateKeyExA(kClassesRoot, "HTMLFILE\\Shell", 0, nullptr, 0, KEY_READ, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY)) << "a key above a stored one exists";
    RegCloseKey(key);
}

TEST_F(Registry, ShortBufferGetsMoreDataAndTheSizeNeeded) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(kClassesRoot, kCommandKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>("abcdef"), 7);
    char buffer[4] = {'x', 'x', 'x', 'x'};
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 7u);
    size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS) << "only asks if it exists";
    EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(Registry, ValuesOfEveryKindReadBackAsSet) {
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        const char* line;  // as the file keeps it
    };
    const Case cases[] = {
        {"string", REG_SZ, std::string("text\0", 5), "\"v\"=\"text\"\n"},
        {"string without its NUL", REG_SZ, "abc", "\"v\"=hex(1):61,62,63\n"},
        {"expandable string", REG_EXPAND_SZ, std::string("%X%\0", 4), "\"v\"=hex(2):25,58,25,00\n"},
        {"binary", REG_BINARY, std::string("\x01\xff", 2), "\"v\"=hex:01,ff\n"},
        {"64-bit number, type in hexadecimal", REG_QWORD, std::string("\x01\0\0\0\0\0\0\0", 8),
         "\"v\"=hex(b):01,00,00,00,00,00,00,00\n"},
    };
    for (const Case& c : cases) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(kClassesRoot, "kinds", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, "v", 0, c.type, reinterpret_cast<const BYTE*>(c.data.data()),
                                 static_cast<DWORD>(c.data.size())),
                  ERROR_SUCCESS)
            << c.name;
        RegCloseKey(key);
        EXPECT_NE(File().find(c.line), std::string::npos) << c.name << "\n" << File();

        ASSERT_EQ(RegOpenKeyExA(kClassesRoot, "kinds", 0, KEY_READ, &key), ERROR_SUCCESS);
        char buffer[16];
        std::memset(buffer, 'x', sizeof buffer);
        DWORD size = sizeof buffer, type = REG_NONE;
        ASSERT_EQ(RegQueryValueExA(key, "V", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS)
            << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(std::string(buffer, size), c.data) << c.name;
        EXPECT_EQ(buffer[size], 'x') << c.name << ": nothing appended, not even a NUL";
        RegCloseKey(key);
    }
}

TEST_F(Registry, FileWrittenByHandIsRead) {
    WriteFile(m_dir / "registry.reg",
              "REGEDIT4\r\n"
              "\r\n"
              "; the browser registration\r\n"
              "[HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command]\r\n"
              "@=\"\\\"C:\\\\Browser\\\\browser.exe\\\" %1\"\r\n"
              "\"List\"=hex(7):61,00,\\\r\n"
              "  62,00,00\r\n");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(kClassesRoot, kCommandKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    char buffer[64] = {};
    DWORD size = sizeof buffer;
    ASSERT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "\"C:\\Browser\\browser.exe\" %1");
    DWORD type = 0;
    size = sizeof buffer;
    ASSERT_EQ(RegQueryValueExA(key, "List", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
    EXPECT_EQ(std::string(buffer, size), std::string("a\0b\0\0", 5));
    RegCloseKey(key);
}

TEST_F(Registry, MissingKeysBadHandlesAndReadOnlyKeysAreRefused) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(kClassesRoot, kCommandKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(File(), "") << "reading creates no file";
    ASSERT_EQ(RegCreateKeyExA(kClassesRoot, "ro", 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "x", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE) << "closed already";
    EXPECT_EQ(RegOpenKeyExA(key, "x", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
}

}  // namespace
