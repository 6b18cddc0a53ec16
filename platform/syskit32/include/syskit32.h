// The system-utilities library.
//
//   os_get_os_lang   the system's language code
//   os_get_dir_name  the directory part of a path
#pragma once

#define SYSKIT32_API __attribute__((visibility("default")))

// Language codes as os_get_os_lang gives them.
enum {
    OS_LANG_WESTERN = 1,   // a Western (ANSI) system
    OS_LANG_JAPANESE = 3,  // a Japanese (Shift-JIS) system
};

#ifdef __cplusplus
extern "C" {
#endif

// OS_LANG_JAPANESE when the process's locale (LC_ALL, else LC_MESSAGES, else
// LANG) begins with "ja", OS_LANG_WESTERN otherwise. The environment variable
// SYSKIT_OS_LANG, when it holds a number, overrides both.
SYSKIT32_API int os_get_os_lang(void);

// Copies the directory of path (everything before its last '\' or '/', without
// that separator) into buffer, cut to size-1 characters and NUL-terminated.
// A path without a separator has the empty directory. Returns the length of
// the full directory name; nothing is written when size is 0.
SYSKIT32_API int os_get_dir_name(const char* path, char* buffer, int size);

#ifdef __cplusplus
}
#endif
