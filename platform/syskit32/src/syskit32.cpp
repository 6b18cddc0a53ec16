#include "syskit32.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace {

constexpr const char* kLanguageOverride = "SYSKIT_OS_LANG";

const char* LocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return "";
}

}  // namespace

extern "C" int os_get_os_lang(void)
{
    if (const char* forced = std::getenv(kLanguageOverride); forced != nullptr) {
        const std::string_view text(forced);
        int code = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
        if (error == std::errc() && end == text.data() + text.size() && !text.empty())
            return code;
    }
    return std::string_view(LocaleName()).starts_with("ja") ? OS_LANG_JAPANESE : OS_LANG_WESTERN;
}

extern "C" int os_get_dir_name(const char* path, char* buffer, int size)
{
    const std::string_view whole(path ? path : "");
    const size_t separator = whole.find_last_of("\\/");
    const std::string_view directory = separator == std::string_view::npos ? std::string_view() : whole.substr(0, separator);
    if (buffer != nullptr && size > 0) {
        const size_t length = std::min(directory.size(), static_cast<size_t>(size - 1));
        std::copy_n(directory.data(), length, buffer);
        buffer[length] = '\0';
    }
    return static_cast<int>(directory.size());
}
