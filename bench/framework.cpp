// The class framework's costs: a message handled three maps up the chain
// against a direct virtual call, and a property page's whole life (construct,
// create from a 12-control template, initialise with data exchange, destroy).
// Goals: dispatch under 100 ns (stretch 20 ns); page cycle under 100 us.
#include <afxdlgs.h>
#include <benchmark/benchmark.h>
#include <win32_dialog_template.h>
#include <win32_driver.h>
#include <win32_resources.h>

#include <string>

namespace {

constexpr UINT kBenchMessage = WM_APP + 7;
constexpr UINT kPageTemplate = 900;

class CBaseWnd : public CWnd {
public:
    virtual LRESULT Direct(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam) + lParam; }

protected:
    afx_msg LRESULT OnBenchMessage(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam) + lParam; }
    afx_msg void OnMiddleClick() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(kBenchMessage, OnBenchMessage)
END_MESSAGE_MAP()

class CMiddleWnd : public CBaseWnd {
protected:
    afx_msg void OnClick() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMiddleWnd, CBaseWnd)
    ON_BN_CLICKED(1, OnClick)
    ON_BN_CLICKED(2, OnClick)
END_MESSAGE_MAP()

class CLeafWnd : public CMiddleWnd {
public:
    LRESULT Direct(WPARAM wParam, LPARAM lParam) override { return static_cast<LRESULT>(wParam) + lParam + 1; }

protected:
    afx_msg void OnClick3() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLeafWnd, CMiddleWnd)
    ON_BN_CLICKED(3, OnClick3)
    ON_WM_TIMER()
END_MESSAGE_MAP()

void BM_SendMessageHandledThreeMapsUp(benchmark::State& state) {
    win32::ResetWindowSystem();
    CLeafWnd window;
    window.CreateEx(0, nullptr, "bench", WS_OVERLAPPED, CRect(0, 0, 10, 10), nullptr, 0);
    WPARAM wParam = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(::SendMessageA(window.m_hWnd, kBenchMessage, wParam, 2));
        ++wParam;
    }
}
BENCHMARK(BM_SendMessageHandledThreeMapsUp);

void BM_DirectVirtualCall(benchmark::State& state) {
    CLeafWnd window;
    CBaseWnd* pWindow = &window;
    benchmark::DoNotOptimize(pWindow);
    WPARAM wParam = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pWindow->Direct(wParam, 2));
        ++wParam;
    }
}
BENCHMARK(BM_DirectVirtualCall);

// Twelve controls, four of them exchanged with fields.
const win32::DialogTemplate kPage{
    {.caption = "Bench", .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION, .cx = 240, .cy = 160,
     .fontName = "MS Sans Serif"},
    {
        {"Button", "One", 1001, 10, 10, 100, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {"Button", "Two", 1002, 10, 25, 100, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {"Button", "Three", 1003, 10, 40, 100, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {"Edit", "", 1004, 10, 55, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {"Static", "Label", win32::kStaticControlId, 80, 55, 60, 8, SS_LEFT},
        {"Edit", "", 1006, 10, 70, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {"Button", "Group", win32::kStaticControlId, 5, 90, 200, 40, BS_GROUPBOX},
        {"Button", "Radio A", 1008, 10, 100, 60, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
        {"Button", "Radio B", 1009, 10, 112, 60, 10, BS_AUTORADIOBUTTON},
        {"ComboBox", "", 1010, 120, 10, 80, 60, CBS_DROPDOWNLIST | WS_TABSTOP},
        {"ListBox", "", 1011, 120, 30, 80, 40, LBS_NOTIFY | WS_BORDER | WS_TABSTOP},
        {"Button", "Push", 1012, 120, 140, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    }};
const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(kPageTemplate), kPage.Bytes().data(), static_cast<DWORD>(kPage.Size())},
};
const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), nullptr, 0};

class CBenchPage : public CPropertyPage {
public:
    CBenchPage() : CPropertyPage(kPageTemplate) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Check(pDX, 1001, m_bOne);
        DDX_Check(pDX, 1002, m_bTwo);
        DDX_Text(pDX, 1004, m_strText);
        DDX_Text(pDX, 1006, m_nNumber);
    }
    int m_bOne = 1;
    int m_bTwo = 0;
    std::string m_strText = "text";
    int m_nNumber = 42;
};

void BM_PropertyPageCycle(benchmark::State& state) {
    win32::ResetWindowSystem();
    CWnd sheet;
    sheet.CreateEx(WS_EX_CONTROLPARENT, nullptr, "sheet", WS_OVERLAPPED, CRect(0, 0, 400, 300), nullptr, 0);
    for (auto _ : state) {
        CBenchPage page;
        if (!page.CreatePage(&sheet)) state.SkipWithError("the page was not created");
        page.DestroyWindow();
    }
}
BENCHMARK(BM_PropertyPageCycle);

}  // namespace

WIN32_MODULE_RESOURCES(kTable)

BENCHMARK_MAIN();
