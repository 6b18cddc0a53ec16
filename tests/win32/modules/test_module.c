/* A module for the module and resource tests, built as
 * libwin32_test_<TEST_MODULE_NAME>.so: its own strings, dialog bytes, named
 * data and bitmap, and a DllMain that reports attach and detach on the debug
 * output ("alpha attach"). The attach fails when the environment variable
 * WIN32_TEST_FAIL_ATTACH names the module. */
#include <windows.h>
#include <win32_resources.h>

#include <stdlib.h>
#include <string.h>

#define TEST_DIALOG_ID 100
#define TEST_BITMAP_ID 200

static const char kDialogBytes[] = "dialog of " TEST_MODULE_NAME;
static const char kNamedBytes[] = "named data of " TEST_MODULE_NAME;

/* 2 x 2 pixels, 24 bits (6 bytes a row, already a multiple of 2): red, green /
 * blue, white. */
static const BYTE kBitmapBits[] = {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00,
                                   0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF};
static const WIN32_BITMAP_RESOURCE kBitmap = {2, 2, 24, kBitmapBits};

static const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(TEST_DIALOG_ID), kDialogBytes, sizeof kDialogBytes},
    {RT_RCDATA, "Greeting", kNamedBytes, sizeof kNamedBytes},
    {RT_BITMAP, MAKEINTRESOURCEA(TEST_BITMAP_ID), &kBitmap, sizeof kBitmap},
};
static const WIN32_STRING_RESOURCE kStrings[] = {
    {1, TEST_MODULE_NAME " one"},
    {20, TEST_MODULE_NAME " twenty"},
};
static const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), kStrings,
                                                   WIN32_COUNT_OF(kStrings)};
WIN32_MODULE_RESOURCES(kTable)

static BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    const char *failing = getenv("WIN32_TEST_FAIL_ATTACH");
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        OutputDebugStringA(TEST_MODULE_NAME " attach");
        return !(failing && strcmp(failing, TEST_MODULE_NAME) == 0);
    }
    if (reason == DLL_PROCESS_DETACH) OutputDebugStringA(TEST_MODULE_NAME " detach");
    return TRUE;
}
WIN32_DLL_ENTRY(DllMain)

/* Exported: found by GetProcAddress. */
__attribute__((visibility("default"))) const char *TestModuleName(void) { return TEST_MODULE_NAME; }

/* Not exported: hidden like everything else in the module. */
const char *HiddenHelper(void) { return TEST_MODULE_NAME; }
