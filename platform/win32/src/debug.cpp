// OutputDebugStringA and the debug sink that records it (win32_debug.h).
#include <windows.h>

#include <win32_debug.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kStderrVariable = "TOVIK_DEBUG";

struct DebugSink {
    std::mutex lock;
    std::deque<std::string> messages;
    std::vector<std::pair<WIN32_DEBUG_HOOK, LPVOID>> hooks;
};

DebugSink& TheSink() {
    static DebugSink sink;
    return sink;
}

}  // namespace

void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
    const std::string text = lpOutputString ? lpOutputString : "";
    DebugSink& sink = TheSink();
    std::vector<std::pair<WIN32_DEBUG_HOOK, LPVOID>> hooks;
    {
        std::lock_guard guard(sink.lock);
        sink.messages.push_back(text);
        if (sink.messages.size() > WIN32_DEBUG_RECORD_LIMIT) sink.messages.pop_front();
        hooks = sink.hooks;
    }
    if (std::getenv(kStderrVariable)) {
        // Texts usually bring their own line end; one is added where missing.
        const bool endsLine = !text.empty() && text.back() == '\n';
        std::fprintf(stderr, "%s%s", text.c_str(), endsLine ? "" : "\n");
    }
    for (const auto& [hook, context] : hooks) hook(text.c_str(), context);
}

DWORD WINAPI Win32GetDebugMessageCount(void) {
    DebugSink& sink = TheSink();
    std::lock_guard guard(sink.lock);
    return static_cast<DWORD>(sink.messages.size());
}

DWORD WINAPI Win32GetDebugMessage(DWORD index, LPSTR buffer, DWORD size) {
    DebugSink& sink = TheSink();
    std::lock_guard guard(sink.lock);
    if (buffer && size > 0) buffer[0] = '\0';
    if (index >= sink.messages.size()) return 0;
    const std::string& text = sink.messages[index];
    if (buffer && size > 0) {
        const size_t copied = std::min(text.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, text.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<DWORD>(text.size());
}

void WINAPI Win32ClearDebugMessages(void) {
    DebugSink& sink = TheSink();
    std::lock_guard guard(sink.lock);
    sink.messages.clear();
}

BOOL WINAPI Win32AddDebugHook(WIN32_DEBUG_HOOK hook, LPVOID context) {
    if (!hook) return FALSE;
    DebugSink& sink = TheSink();
    std::lock_guard guard(sink.lock);
    sink.hooks.emplace_back(hook, context);
    return TRUE;
}

BOOL WINAPI Win32RemoveDebugHook(WIN32_DEBUG_HOOK hook, LPVOID context) {
    DebugSink& sink = TheSink();
    std::lock_guard guard(sink.lock);
    auto it = std::find(sink.hooks.begin(), sink.hooks.end(), std::pair{hook, context});
    if (it == sink.hooks.end()) return FALSE;
    sink.hooks.erase(it);
    return TRUE;
}
