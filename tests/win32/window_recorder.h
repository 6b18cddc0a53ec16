// Shared by the window-core tests: a window class whose procedure records
// every message before passing it on, a log of what the named windows saw,
// and a fixture that starts each test from a fresh window system.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>
#include <win32_driver.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace window_test {

inline constexpr char kRecorderClass[] = "Recorder";
inline constexpr char kDoubleClickRecorderClass[] = "DoubleClickRecorder";

struct Step {
    std::string window;
    UINT message;
    bool operator==(const Step&) const = default;
};

struct Recorded {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageLog {
public:
    static MessageLog& Get() {
        static MessageLog log;
        return log;
    }
    void Name(HWND hwnd, std::string name) { m_names[hwnd] = std::move(name); }
    std::string NameOf(HWND hwnd) const {
        auto found = m_names.find(hwnd);
        if (found != m_names.end()) return found->second;
        char text[32];
        std::snprintf(text, sizeof(text), "%p", static_cast<void*>(hwnd));
        return text;
    }
    void Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        m_entries.push_back(Recorded{hwnd, message, wParam, lParam});
    }
    void Clear() { m_entries.clear(); }
    void Reset() {
        m_entries.clear();
        m_names.clear();
    }
    const std::vector<Recorded>& Entries() const { return m_entries; }
    // The steps whose message is one of `only` (all when empty).
    std::vector<Step> Steps(std::set<UINT> only = {}) const {
        std::vector<Step> steps;
        for (const Recorded& entry : m_entries)
            if (only.empty() || only.count(entry.message)) steps.push_back(Step{NameOf(entry.hwnd), entry.message});
        return steps;
    }
    // The recorded messages of one window.
    std::vector<Recorded> Of(HWND hwnd, UINT message) const {
        std::vector<Recorded> found;
        std::copy_if(m_entries.begin(), m_entries.end(), std::back_inserter(found),
                     [&](const Recorded& e) { return e.hwnd == hwnd && e.message == message; });
        return found;
    }

private:
    std::vector<Recorded> m_entries;
    std::map<HWND, std::string> m_names;
};

inline const char* MessageName(UINT message) {
    static const std::map<UINT, const char*> kNames = {
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_PAINT, "WM_PAINT"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSKEYUP, "WM_SYSKEYUP"},
        {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_TIMER, "WM_TIMER"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"},
        {WM_HELP, "WM_HELP"},
        {WM_INITDIALOG, "WM_INITDIALOG"},
        {WM_SETFONT, "WM_SETFONT"},
    };
    auto found = kNames.find(message);
    return found != kNames.end() ? found->second : "?";
}

inline std::string Describe(const std::vector<Step>& steps) {
    std::string text;
    for (const Step& step : steps) {
        char line[96];
        std::snprintf(line, sizeof(line), "  %s %s (0x%04X)\n", step.window.c_str(), MessageName(step.message),
                      step.message);
        text += line;
    }
    return text;
}

#define EXPECT_STEPS(expected, actual)                                                                    \
    EXPECT_EQ(expected, actual) << "expected:\n"                                                          \
                                << window_test::Describe(expected) << "actual:\n"                         \
                                << window_test::Describe(actual)

// MAKELPARAM of two 16-bit values, as a mouse or size message packs them.
inline LPARAM PackWords(int low, int high) {
    return static_cast<LPARAM>((static_cast<DWORD>(high & 0xFFFF) << 16) | static_cast<DWORD>(low & 0xFFFF));
}

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog::Get().Record(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

inline void RegisterRecorderClasses() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.lpszClassName = kRecorderClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.cbWndExtra = sizeof(LONG_PTR) * 2;
    RegisterClassA(&wc);
    wc.style = CS_DBLCLKS;
    wc.lpszClassName = kDoubleClickRecorderClass;
    RegisterClassA(&wc);
}

// A recording window, named in the log.
inline HWND CreateRecorder(const char* name, DWORD style, HWND parent = nullptr, int id = 0,
                           RECT rect = RECT{0, 0, 100, 50}, const char* className = kRecorderClass) {
    HWND hwnd = CreateWindowExA(0, className, name, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                nullptr, nullptr);
    MessageLog::Get().Name(hwnd, name);
    return hwnd;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::ResetWindowSystem();
        MessageLog::Get().Reset();
        RegisterRecorderClasses();
    }
    void TearDown() override {
        win32::ResetWindowSystem();
        MessageLog::Get().Reset();
    }
    static MessageLog& Log() { return MessageLog::Get(); }
    static win32::HeadlessDriver& Driver() { return win32::Headless(); }
};

}  // namespace window_test
