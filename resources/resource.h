// Numbers of the plug-in's resources: dialog templates, their controls and
// the string table.
#pragma once

#include <windows.h>

// Dialog templates; each is also the help ID of its page or dialog.
inline constexpr UINT IDD_DISPLAY = 10117;
inline constexpr UINT IDD_CORRELATION = 10118;
inline constexpr UINT IDD_CORR_ADVANCE = 10119;

// Controls of the Display page (IDD_DISPLAY).
inline constexpr int IDC_SHOW_BROWSER = 1001;
inline constexpr int IDC_GENERATE_REPORT = 1002;
inline constexpr int IDC_OPEN_REPORT = 1004;
inline constexpr int IDC_BROWSER_AUTO_ARRANGE = 1005;
inline constexpr int IDC_SHOW_DURING_RECORDING = 1006;
inline constexpr int IDC_TEST_RESULTS_GROUP = 1007;
inline constexpr int IDC_ONLINE_BROWSER_GROUP = 1008;

// Controls of the Correlation page (IDD_CORRELATION).
inline constexpr int IDC_ENABLE_JAVA_APPLETS = 1014;
inline constexpr int IDC_TEXT_COMPARISON = 1017;
inline constexpr int IDC_HTML_COMPARISON = 1018;
inline constexpr int IDC_ADVANCED = 1020;  // earlier edition only
inline constexpr int IDC_WARN_ON_LARGE_DIFFERENCES = 1027;
inline constexpr int IDC_DOWNLOAD_IMAGES = 1028;
inline constexpr int IDC_MIN_DELIMITERS_LENGTH = 1029;
inline constexpr int IDC_MIN_DELIMITERS_LENGTH_SPIN = 1030;  // on the page in the current edition only

// Controls of the Advanced Correlation dialog (IDD_CORR_ADVANCE), besides the
// length box 1029, its up-down control 1030 and the warning 1027, which carry
// the page's numbers.
inline constexpr int IDC_USE_DEFAULT = 3;
inline constexpr int IDC_DELIMITERS = 1021;
inline constexpr int IDC_NEW_LINE = 1022;
inline constexpr int IDC_TAB_CHARACTERS = 1024;
inline constexpr int IDC_CARRIAGE_RETURN = 1026;

// Strings. The earlier edition's page has no length box; its string serves the
// Advanced Correlation dialog.
inline constexpr UINT IDS_TYPE_ANY_DELIMITERS = 1;
#if DORVANE_EARLIER_EDITION
inline constexpr UINT IDS_SUPPLY_DELIMITER_LENGTH = 2;
#else
inline constexpr UINT IDS_SUPPLY_DELIMITER_LENGTH = 20;
#endif
