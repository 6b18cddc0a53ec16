// Window timers on the headless driver's clock.
#include "window_recorder.h"

namespace {

using window_test::CreateRecorder;
using window_test::WindowTest;

constexpr UINT_PTR kTimerId = 7;
constexpr UINT kPeriod = 100;

class Timers : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window = CreateRecorder("w", WS_POPUP);
        Log().Clear();
    }
    size_t TimerMessages() {
        win32::headless::PumpMessages();
        return Log().Of(window, WM_TIMER).size();
    }
    HWND window = nullptr;
};

TEST_F(Timers, FireOnlyWhenTheClockPassesTheDueTime) {
    ASSERT_EQ(SetTimer(window, kTimerId, kPeriod, nullptr), kTimerId);
    Driver().AdvanceClock(kPeriod - 1);
    EXPECT_EQ(TimerMessages(), 0u);
    Driver().AdvanceClock(1);
    EXPECT_EQ(TimerMessages(), 1u);
    EXPECT_EQ(Log().Of(window, WM_TIMER)[0].wParam, kTimerId);
    Driver().AdvanceClock(5 * kPeriod);  // periods that went by while nobody looked make one message
    EXPECT_EQ(TimerMessages(), 2u);
    ASSERT_TRUE(KillTimer(window, kTimerId));
    Driver().AdvanceClock(kPeriod);
    EXPECT_EQ(TimerMessages(), 2u);
    EXPECT_FALSE(KillTimer(window, kTimerId));
}

TEST_F(Timers, SettingAgainRestartsTheTimer) {
    SetTimer(window, kTimerId, kPeriod, nullptr);
    Driver().AdvanceClock(kPeriod / 2);
    SetTimer(window, kTimerId, kPeriod, nullptr);
    Driver().AdvanceClock(kPeriod / 2);
    EXPECT_EQ(TimerMessages(), 0u);
    Driver().AdvanceClock(kPeriod / 2);
    EXPECT_EQ(TimerMessages(), 1u);
}

std::vector<UINT_PTR> g_procCalls;
void CALLBACK RecordTimer(HWND, UINT, UINT_PTR id, DWORD) { g_procCalls.push_back(id); }

TEST_F(Timers, TimerProcReplacesTheWindowProcedureAndThreadTimersGetTheirOwnIds) {
    g_procCalls.clear();
    const UINT_PTR first = SetTimer(nullptr, 0, kPeriod, RecordTimer);
    const UINT_PTR second = SetTimer(nullptr, 0, kPeriod, RecordTimer);
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, second);
    SetTimer(window, kTimerId, kPeriod, RecordTimer);
    Driver().AdvanceClock(kPeriod);
    EXPECT_EQ(TimerMessages(), 0u);
    EXPECT_EQ(g_procCalls.size(), 3u);
}

TEST_F(Timers, ATimerDiesWithItsWindow) {
    SetTimer(window, kTimerId, kPeriod, nullptr);
    DestroyWindow(window);
    Driver().AdvanceClock(kPeriod);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Timers, GetMessageWaitsThroughScriptedStepsAndQuitsWhenInputRunsOut) {
    SetTimer(window, kTimerId, kPeriod, nullptr);
    Driver().Then([] { win32::Headless().AdvanceClock(kPeriod); });
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.time, kPeriod);
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
}

}  // namespace
