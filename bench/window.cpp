// Window core speed: SendMessageA against a direct call of the same window
// procedure (goal: within 10 times), and a 12-control dialog created from a
// template and destroyed again (goal: under 50 microseconds).
#include <windows.h>

#include <benchmark/benchmark.h>
#include <win32_dialog_template.h>
#include <win32_driver.h>

namespace {

constexpr UINT kBenchMessage = WM_USER + 1;

LRESULT g_sum = 0;

LRESULT CALLBACK SummingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kBenchMessage) {
        g_sum += static_cast<LRESULT>(wParam);
        return g_sum;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND SummingWindow() {
    static HWND window = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = SummingProc;
        wc.lpszClassName = "BenchSumming";
        RegisterClassA(&wc);
        return CreateWindowExA(0, "BenchSumming", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }();
    return window;
}

void DirectCall(benchmark::State& state) {
    HWND window = SummingWindow();
    // Called through a pointer the compiler cannot see through, as SendMessageA does.
    WNDPROC proc = SummingProc;
    benchmark::DoNotOptimize(proc);
    for (auto _ : state) benchmark::DoNotOptimize(proc(window, kBenchMessage, 1, 0));
}
BENCHMARK(DirectCall);

void SendMessageToProcedure(benchmark::State& state) {
    HWND window = SummingWindow();
    for (auto _ : state) benchmark::DoNotOptimize(SendMessageA(window, kBenchMessage, 1, 0));
}
BENCHMARK(SendMessageToProcedure);

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

const win32::DialogTemplate& TwelveControls() {
    static const win32::DialogTemplate kTemplate{
        {.caption = "Twelve", .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION, .cx = 220, .cy = 140,
         .fontName = "MS Sans Serif", .pointSize = 8},
        {
            {"Static", "&First:", 1000, 7, 9, 40, 8, SS_LEFT},
            {"Edit", "", 1001, 50, 7, 100, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {"Static", "&Second:", 1002, 7, 25, 40, 8, SS_LEFT},
            {"Edit", "", 1003, 50, 23, 100, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
            {"Button", "Options", 1004, 7, 40, 150, 50, BS_GROUPBOX},
            {"Button", "&Alpha", 1005, 14, 52, 60, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
            {"Button", "&Beta", 1006, 14, 64, 60, 10, BS_AUTORADIOBUTTON},
            {"Button", "&Gamma", 1007, 14, 76, 60, 10, BS_AUTORADIOBUTTON},
            {"Button", "&Check", 1008, 90, 52, 60, 10, BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP},
            {"Button", "OK", IDOK, 50, 118, 50, 14, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
            {"Button", "Cancel", IDCANCEL, 105, 118, 50, 14, WS_TABSTOP},
            {"Button", "&Help", IDHELP, 160, 118, 50, 14, WS_TABSTOP},
        }};
    return kTemplate;
}

void CreateAndDestroyTwelveControlDialog(benchmark::State& state) {
    for (auto _ : state) {
        HWND dialog = CreateDialogIndirectParamA(nullptr, TwelveControls().Get(), nullptr, QuietDialogProc, 0);
        benchmark::DoNotOptimize(dialog);
        DestroyWindow(dialog);
    }
}
BENCHMARK(CreateAndDestroyTwelveControlDialog)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
