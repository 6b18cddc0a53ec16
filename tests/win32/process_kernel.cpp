// Kernel helpers: MulDiv rounding, narrow string copies, upper case, the
// current directory.
#include <gtest/gtest.h>
#include <windows.h>

#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

TEST(Kernel, MulDivRoundsHalvesAwayFromZero) {
    struct Case {
        const char* name;
        int number, numerator, denominator, expected;
    };
    const Case cases[] = {
        {"dialog units 6/4", 5, 6, 4, 8},      // 7.5
        {"dialog units 13/8", 3, 13, 8, 5},    // 4.875
        {"exact", 8, 13, 8, 13},
        {"half up", 1, 1, 2, 1},
        {"negative half away from zero", -1, 1, 2, -1},
        {"negative denominator", 7, 1, -2, -4},  // -3.5
        {"below half", 10, 1, 3, 3},
        {"64-bit intermediate", INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {"division by zero", 1, 1, 0, -1},
        {"result too large", INT_MAX, 2, 1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected) << c.name;
    }
}

TEST(Kernel, NarrowStringHelpers) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(lstrcpynA(buffer, "abcdefghij", 5), buffer);
    EXPECT_STREQ(buffer, "abcd") << "cut to 4 characters and a NUL";
    EXPECT_EQ(buffer[5], 'x');
    EXPECT_EQ(lstrlenA("abc"), 3);
    EXPECT_EQ(lstrlenA(nullptr), 0);

    char path[] = "c:\\suite\\bin\\host.exe \xe9";
    EXPECT_EQ(CharUpperA(path), path);
    EXPECT_STREQ(path, "C:\\SUITE\\BIN\\HOST.EXE \xe9") << "bytes above 0x7F are left as they are";
    char partial[] = "abc";
    EXPECT_EQ(CharUpperBuffA(partial, 2), 2u);
    EXPECT_STREQ(partial, "ABc");
    // A value below 64 KiB is one character, not a string.
    LPSTR single = CharUpperA(reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>('q')));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(single), static_cast<std::uintptr_t>('Q'));
}

TEST(Kernel, CurrentDirectoryAndItsSize) {
    char expected[4096];
    ASSERT_NE(getcwd(expected, sizeof expected), nullptr);
    const DWORD length = static_cast<DWORD>(std::strlen(expected));
    char buffer[4096];
    EXPECT_EQ(GetCurrentDirectoryA(sizeof buffer, buffer), length);
    EXPECT_STREQ(buffer, expected);
    EXPECT_EQ(GetCurrentDirectoryA(length, buffer), length + 1) << "too small: the size needed with its NUL";
    EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), length + 1);
}

}  // namespace
