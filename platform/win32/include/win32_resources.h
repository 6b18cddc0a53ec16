/* Resources and entry points of modules in the Win32-subset stand-in (not a
 * Windows header).
 *
 * A shared library or program declares, once, its resource table and its
 * DllMain; the macros register them when the module is loaded, keyed by the
 * module's identity, so neither needs to be exported:
 *
 *     static const WIN32_RESOURCE kResources[] = {
 *         {RT_DIALOG, MAKEINTRESOURCEA(10117), kDisplayTemplate, sizeof kDisplayTemplate},
 *         {RT_BITMAP, MAKEINTRESOURCEA(200), &kLogo, sizeof kLogo},
 *     };
 *     static const WIN32_STRING_RESOURCE kStrings[] = {{1, "Length required"}};
 *     static const WIN32_MODULE_RESOURCE_TABLE kTable = {
 *         kResources, WIN32_COUNT_OF(kResources), kStrings, WIN32_COUNT_OF(kStrings)};
 *     WIN32_MODULE_RESOURCES(kTable)
 *     WIN32_DLL_ENTRY(DllMain)
 *
 * Tables are read at the first resource look-up, after the module's static
 * initialisation, so their entries may point at data built at start-up (a
 * dialog template made by a builder, for instance). Several tables of one
 * module are searched in the order they registered.
 *
 * LoadLibraryA calls the entry with DLL_PROCESS_ATTACH once the library is
 * loaded (a FALSE result unloads it again and LoadLibraryA fails with
 * ERROR_DLL_INIT_FAILED), and FreeLibrary calls it with DLL_PROCESS_DETACH
 * before the last reference goes. Modules loaded otherwise (linked into the
 * program) are registered but their entry is not called. */
#ifndef DORVANE_WIN32_RESOURCES_H
#define DORVANE_WIN32_RESOURCES_H

#include "windef.h"
#include "winbase.h"

/* One raw resource: FindResourceA finds it by type and name, LockResource
 * gives data, SizeofResource gives size. Names are MAKEINTRESOURCEA numbers or
 * strings, compared without regard to case ("#12" is number 12). */
typedef struct WIN32_RESOURCE {
    LPCSTR type;
    LPCSTR name;
    const void *data;
    DWORD size;
} WIN32_RESOURCE;

/* One entry of the string table (LoadStringA), narrow text as shown. The
 * strings are also found as RT_STRING blocks of 16, each string a WORD length
 * and its bytes widened one to one to WCHARs. */
typedef struct WIN32_STRING_RESOURCE {
    UINT id;
    LPCSTR text;
} WIN32_STRING_RESOURCE;

/* The data of an RT_BITMAP resource, for LoadBitmapA: bits as CreateBitmap
 * takes them (rows top-down, each a multiple of 2 bytes; 1, 16, 24 or 32 bits
 * a pixel). Its resource size is sizeof(WIN32_BITMAP_RESOURCE). */
typedef struct WIN32_BITMAP_RESOURCE {
    int width;
    int height;
    UINT bitsPixel;
    const void *bits;
} WIN32_BITMAP_RESOURCE;

typedef struct WIN32_MODULE_RESOURCE_TABLE {
    const WIN32_RESOURCE *resources;
    size_t resourceCount;
    const WIN32_STRING_RESOURCE *strings;
    size_t stringCount;
} WIN32_MODULE_RESOURCE_TABLE;

typedef BOOL(WINAPI *WIN32_DLL_ENTRY_POINT)(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID lpvReserved);

/* moduleAddress: any address inside the registering module. */
WINBASEAPI void WINAPI Win32RegisterModuleResources(const void *moduleAddress, const WIN32_MODULE_RESOURCE_TABLE *table);
WINBASEAPI void WINAPI Win32UnregisterModuleResources(const void *moduleAddress,
                                                      const WIN32_MODULE_RESOURCE_TABLE *table);
WINBASEAPI void WINAPI Win32RegisterModuleEntry(const void *moduleAddress, WIN32_DLL_ENTRY_POINT entry);
WINBASEAPI void WINAPI Win32UnregisterModuleEntry(const void *moduleAddress);

#define WIN32_COUNT_OF(array) (sizeof(array) / sizeof((array)[0]))

/* A module is told apart by the address of a static object of its own: the
 * loader maps any address inside a module back to that module. */
#define WIN32_MODULE_RESOURCES(table)                                                   \
    static const char win32_module_resources_anchor_ = 0;                               \
    __attribute__((constructor)) static void win32_register_module_resources_(void) {   \
        Win32RegisterModuleResources(&win32_module_resources_anchor_, &(table));        \
    }                                                                                   \
    __attribute__((destructor)) static void win32_unregister_module_resources_(void) {  \
        Win32UnregisterModuleResources(&win32_module_resources_anchor_, &(table));      \
    }

#define WIN32_DLL_ENTRY(entry)                                                          \
    static const char win32_module_entry_anchor_ = 0;                                   \
    __attribute__((constructor)) static void win32_register_module_entry_(void) {       \
        Win32RegisterModuleEntry(&win32_module_entry_anchor_, (entry));                 \
    }                                                                                   \
    __attribute__((destructor)) static void win32_unregister_module_entry_(void) {      \
        Win32UnregisterModuleEntry(&win32_module_entry_anchor_);                        \
    }

#endif
