// Modules and resources: two helper libraries (tests/win32/modules) with
// resources of their own, their DllMain order, exports, and the resources of
// the test program itself.
#include <gtest/gtest.h>
#include <win32_debug.h>
#include <win32_resources.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

constexpr const char* kAlpha = "libwin32_test_alpha.so";
constexpr const char* kBeta = "libwin32_test_beta.so";
constexpr WORD kDialogId = 100;  // as in test_module.c
constexpr WORD kBitmapId = 200;
constexpr size_t kMessageBufferSize = 256;

LPCSTR IntResource(WORD id) { return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(id)); }
const LPCSTR kTypeBitmap = IntResource(2);
const LPCSTR kTypeDialog = IntResource(5);
const LPCSTR kTypeString = IntResource(6);
const LPCSTR kTypeData = IntResource(10);

// Resources of the test program itself, found with a NULL module.
const char kProgramBytes[] = "program bytes";
const WIN32_RESOURCE kProgramResources[] = {
    {"CUSTOM", IntResource(4100), kProgramBytes, sizeof kProgramBytes},
};
const WIN32_STRING_RESOURCE kProgramStrings[] = {{4100, "program string"}};
const WIN32_MODULE_RESOURCE_TABLE kProgramTable = {kProgramResources, WIN32_COUNT_OF(kProgramResources),
                                                   kProgramStrings, WIN32_COUNT_OF(kProgramStrings)};
WIN32_MODULE_RESOURCES(kProgramTable)

std::vector<std::string> DebugMessages() {
    std::vector<std::string> messages;
    char buffer[kMessageBufferSize];
    for (DWORD i = 0; i < Win32GetDebugMessageCount(); ++i) {
        Win32GetDebugMessage(i, buffer, sizeof buffer);
        messages.emplace_back(buffer);
    }
    return messages;
}

std::string ResourceText(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC resource = FindResourceA(module, name, type);
    if (!resource) return "(none)";
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    return std::string(data, SizeofResource(module, resource) - 1);  // without the NUL
}

std::string String(HMODULE module, UINT id) {
    char buffer[64];
    LoadStringA(module, id, buffer, sizeof buffer);
    return buffer;
}

TEST(Modules, TwoModulesKeepTheirOwnResources) {
    HMODULE alpha = LoadLibraryA(kAlpha);
    HMODULE beta = LoadLibraryA(kBeta);
    ASSERT_NE(alpha, nullptr);
    ASSERT_NE(beta, nullptr);
    ASSERT_NE(alpha, beta);

    EXPECT_EQ(String(alpha, 1), "alpha one");
    EXPECT_EQ(String(beta, 1), "beta one");
    EXPECT_EQ(String(beta, 20), "beta twenty");
    EXPECT_EQ(ResourceText(alpha, IntResource(kDialogId), kTypeDialog), "dialog of alpha");
    EXPECT_EQ(ResourceText(beta, IntResource(kDialogId), kTypeDialog), "dialog of beta");
    EXPECT_EQ(ResourceText(beta, "gREETING", kTypeData), "named data of beta") << "names ignore case";
    EXPECT_EQ(ResourceText(alpha, "#100", kTypeDialog), "dialog of alpha") << "#number names a number";
    EXPECT_EQ(ResourceText(nullptr, IntResource(4100), "custom"), "program bytes");
    EXPECT_EQ(String(nullptr, 4100), "program string");
    EXPECT_EQ(GetModuleHandleA(kAlpha), alpha);
    EXPECT_EQ(GetModuleHandleA("LIBWIN32_TEST_BETA.SO"), beta) << "module names ignore case";
    EXPECT_EQ(GetModuleHandleA("libwin32_test_beta"), beta) << "the default extension is appended";

    EXPECT_TRUE(FreeLibrary(alpha));
    EXPECT_EQ(GetModuleHandleA(kAlpha), nullptr);
    EXPECT_EQ(FindResourceA(alpha, IntResource(kDialogId), kTypeDialog), nullptr);
    EXPECT_EQ(String(alpha, 1), "") << "strings go with the module";
    EXPECT_EQ(String(beta, 1), "beta one");
    EXPECT_TRUE(FreeLibrary(beta));
}

TEST(Modules, MissingResourcesAndModulesSayWhy) {
    HMODULE alpha = LoadLibraryA(kAlpha);
    ASSERT_NE(alpha, nullptr);
    struct Case {
        const char* name;
        LPCSTR resource;
        LPCSTR type;
        DWORD error;
    };
    const Case cases[] = {
        {"unknown name", IntResource(999), kTypeDialog, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"unknown type", IntResource(kDialogId), IntResource(11), ERROR_RESOURCE_TYPE_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(FindResourceA(alpha, c.resource, c.type), nullptr) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
    FreeLibrary(alpha);
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA("libwin32_test_missing.so"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_FALSE(FreeLibrary(alpha)) << "freed already";
}

TEST(Modules, DllMainRunsAtFirstLoadAndLastFree) {
    Win32ClearDebugMessages();
    HMODULE alpha = LoadLibraryA(kAlpha);
    EXPECT_EQ(LoadLibraryA(kAlpha), alpha) << "a second load counts, it does not attach again";
    HMODULE beta = LoadLibraryA(kBeta);
    FreeLibrary(beta);
    FreeLibrary(alpha);
    EXPECT_NE(GetModuleHandleA(kAlpha), nullptr) << "one reference left";
    FreeLibrary(alpha);
    const std::vector<std::string> expected = {"alpha attach", "beta attach", "beta detach", "alpha detach"};
    EXPECT_EQ(DebugMessages(), expected);
}

TEST(Modules, FailedAttachUnloadsTheLibrary) {
    testing_support::ScopedEnv failBeta("WIN32_TEST_FAIL_ATTACH", "beta");
    Win32ClearDebugMessages();
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA(kBeta), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
    EXPECT_EQ(GetModuleHandleA(kBeta), nullptr);
    const std::vector<std::string> expected = {"beta attach", "beta detach"};
    EXPECT_EQ(DebugMessages(), expected);
}

TEST(Modules, GetProcAddressFindsOnlyTheModulesOwnExports) {
    HMODULE alpha = LoadLibraryA(kAlpha);
    ASSERT_NE(alpha, nullptr);
    FARPROC exported = GetProcAddress(alpha, "TestModuleName");
    ASSERT_NE(exported, nullptr);
    using NameFunction = const char* (*)();
    // Through the generic function pointer type, as a FARPROC is cast in C.
    auto function = reinterpret_cast<NameFunction>(reinterpret_cast<void (*)()>(exported));
    EXPECT_STREQ(function(), "alpha");
    struct Case {
        const char* name;
        LPCSTR symbol;
    };
    const Case missing[] = {
        {"hidden function", "HiddenHelper"},
        {"export of a library it uses", "GetDC"},
        {"no such name", "NoSuchExport"},
        {"ordinal", IntResource(1)},
    };
    for (const Case& c : missing) {
        SetLastError(0);
        EXPECT_EQ(GetProcAddress(alpha, c.symbol), nullptr) << c.name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND)) << c.name;
    }
    FreeLibrary(alpha);
}

TEST(Modules, LoadStringCutsAndTerminates) {
    HMODULE alpha = LoadLibraryA(kAlpha);
    ASSERT_NE(alpha, nullptr);
    struct Case {
        const char* name;
        UINT id;
        int size;
        int expectedLength;
        const char* expectedText;
    };
    const Case cases[] = {
        {"fits", 1, 64, 9, "alpha one"},
        {"exactly fits with its NUL", 1, 10, 9, "alpha one"},
        {"cut", 1, 5, 4, "alph"},
        {"room for the NUL only", 1, 1, 0, ""},
        {"no such string", 2, 64, 0, ""},
    };
    for (const Case& c : cases) {
        char buffer[80];  // more than the largest size given, to see what lies past it
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(LoadStringA(alpha, c.id, buffer, c.size), c.expectedLength) << c.name;
        EXPECT_STREQ(buffer, c.expectedText) << c.name;
        EXPECT_EQ(buffer[c.size], 'x') << c.name << ": nothing written past the size";
    }

    // The same strings as an RT_STRING block: 16 strings, each a length and WCHARs.
    HRSRC block = FindResourceA(alpha, IntResource(1), kTypeString);
    ASSERT_NE(block, nullptr);
    const WORD* words = static_cast<const WORD*>(LockResource(LoadResource(alpha, block)));
    EXPECT_EQ(words[0], 0) << "string 0 is absent";
    ASSERT_EQ(words[1], 9);
    EXPECT_EQ(words[2], 'a');
    EXPECT_EQ(words[10], 'e');
    FreeLibrary(alpha);
}

TEST(Modules, LoadBitmapMakesTheBitmapOfTheTable) {
    HMODULE alpha = LoadLibraryA(kAlpha);
    ASSERT_NE(alpha, nullptr);
    HBITMAP bitmap = LoadBitmapA(alpha, IntResource(kBitmapId));
    ASSERT_NE(bitmap, nullptr);
    FreeLibrary(alpha);  // the bitmap is a copy and outlives its module
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(info.bmBitsPixel, 24);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), 0x0000FFu) << "red";
    EXPECT_EQ(GetPixel(dc, 1, 1), 0xFFFFFFu) << "white";
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    EXPECT_EQ(LoadBitmapA(nullptr, IntResource(kBitmapId)), nullptr) << "no system bitmaps";
}

TEST(Modules, ModuleFileNameIsAbsoluteAndCutAsWindowsCutsIt) {
    HMODULE alpha = LoadLibraryA(kAlpha);
    ASSERT_NE(alpha, nullptr);
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(alpha, path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(path[0], '/');
    EXPECT_EQ(std::string(path).substr(std::strlen(path) - std::strlen(kAlpha) - 1), std::string("/") + kAlpha);

    char program[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, program, sizeof program), 0u);
    EXPECT_EQ(std::string(program).substr(std::string(program).find_last_of('/') + 1), "win32_tests");

    char exact[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameA(alpha, exact, length + 1), length) << "room for the NUL";
    SetLastError(0);
    char cut[MAX_PATH];
    std::memset(cut, 'x', sizeof cut);
    EXPECT_EQ(GetModuleFileNameA(alpha, cut, length), length) << "too small: the result is the size";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(cut), std::string(path, length - 1));
    FreeLibrary(alpha);
}

}  // namespace
