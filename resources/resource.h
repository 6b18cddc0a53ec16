// Numbers of the plug-in's resources: dialog templates, their controls and
// the string table.
#pragma once

#include <windows.h>

// Dialog templates; each is also the help ID of its page or dialog.
inline constexpr UINT IDD_DISPLAY = 10117;

// Controls of the Display page (IDD_DISPLAY).
inline constexpr int IDC_SHOW_BROWSER = 1001;
inline constexpr int IDC_GENERATE_REPORT = 1002;
inline constexpr int IDC_OPEN_REPORT = 1004;
inline constexpr int IDC_BROWSER_AUTO_ARRANGE = 1005;
inline constexpr int IDC_SHOW_DURING_RECORDING = 1006;
inline constexpr int IDC_TEST_RESULTS_GROUP = 1007;
inline constexpr int IDC_ONLINE_BROWSER_GROUP = 1008;
