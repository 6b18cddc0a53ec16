// Debug output: the sink records every text in order, hooks see them, and
// TOVIK_DEBUG copies them to stderr.
#include <gtest/gtest.h>
#include <win32_debug.h>
#include <windows.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

void CALLBACK Collect(LPCSTR text, LPVOID context) { static_cast<std::vector<std::string>*>(context)->push_back(text); }

TEST(DebugOutput, RecordedInOrderAndHandedToHooks) {
    Win32ClearDebugMessages();
    std::vector<std::string> seen;
    ASSERT_TRUE(Win32AddDebugHook(Collect, &seen));
    OutputDebugStringA("command failed");
    OutputDebugStringA("working dir : /suite/bin");
    ASSERT_TRUE(Win32RemoveDebugHook(Collect, &seen));
    OutputDebugStringA("after the hook went");
    EXPECT_FALSE(Win32RemoveDebugHook(Collect, &seen));

    EXPECT_EQ(seen, (std::vector<std::string>{"command failed", "working dir : /suite/bin"}));
    ASSERT_EQ(Win32GetDebugMessageCount(), 3u);
    char buffer[8];
    EXPECT_EQ(Win32GetDebugMessage(0, buffer, sizeof buffer), 14u) << "the full length";
    EXPECT_STREQ(buffer, "command") << "cut to the buffer and terminated";
    EXPECT_EQ(Win32GetDebugMessage(3, buffer, sizeof buffer), 0u);
    EXPECT_STREQ(buffer, "");
}

TEST(DebugOutput, GoesToStderrOnlyWhenAsked) {
    struct Case {
        const char* name;
        const char* variable;  // TOVIK_DEBUG, or null for unset
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"unset", nullptr, "quiet", ""},
        {"set: a line end is added", "1", "loud", "loud\n"},
        {"set: the text's own line end is kept", "1", "line\n", "line\n"},
    };
    for (const Case& c : cases) {
        testing_support::ScopedEnv variable("TOVIK_DEBUG", c.variable);
        testing::internal::CaptureStderr();
        OutputDebugStringA(c.text);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.expected) << c.name;
    }
}

}  // namespace
