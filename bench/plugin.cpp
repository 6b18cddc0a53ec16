// One whole life of the plug-in's pages inside one process, as the host lives
// it: create through the factory, show in a sheet (window from the template,
// options loaded from the profile file), save through the contract, close the
// sheet and delete the page. The library is loaded once, as the host does.
// Goal: a cycle under 1 ms.
#include <afxdlgs.h>
#include <benchmark/benchmark.h>
#include <win32_driver.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "../toolkit/cfg_tab.h"

namespace {

using CreateTab = CCfgTab* (*)(LPCSTR, LPCSTR, LPCSTR);

void DisplayPageCycle(benchmark::State& state) {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("dorvane_bench_plugin_" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    ::setenv("TOVIK_WINDIR", directory.c_str(), 1);
    win32::ResetWindowSystem();
    CWinApp app("Tovik");
    app.SetProfileName("tovik.ini");

    HMODULE hModule = ::LoadLibraryA("libdorvane.so");
    if (!hModule) {
        state.SkipWithError("libdorvane.so cannot be loaded");
        return;
    }
    auto create =
        reinterpret_cast<CreateTab>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, "create_new_tab")));
    for (auto _ : state) {
        std::unique_ptr<CCfgTab> page(create("source", "extra", "webflow"));
        CPropertySheet sheet("Options");
        sheet.AddPage(page.get());
        sheet.Create();
        page->SaveOptions();
        sheet.PressButton(PSBTN_CANCEL);
        win32::headless::PumpMessages(sheet.m_hWnd);
        sheet.DestroyWindow();
        app.OnIdle(0);
    }
    ::FreeLibrary(hModule);
    std::filesystem::remove_all(directory);
}
BENCHMARK(DisplayPageCycle)->Unit(benchmark::kMicrosecond);

}  // namespace
BENCHMARK_MAIN();
