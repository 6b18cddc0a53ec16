// The gallery's pages and controls: template IDs and control IDs, as the
// README lists them.
#pragma once

inline constexpr unsigned IDD_GALLERY_SPIN = 30100;
inline constexpr unsigned IDD_GALLERY_PARSED = 30200;
inline constexpr unsigned IDD_GALLERY_MODULAR = 30300;
inline constexpr unsigned IDD_GALLERY_BASE = 30400;

// "Spin edits"
inline constexpr int IDC_INT_SPIN_EDIT = 1201;    // integer 0..10, "%d", starts at 3
inline constexpr int IDC_INT_SPIN_BUTTON = 1202;
inline constexpr int IDC_FLOAT_SPIN_EDIT = 1203;  // floating 0.5..2.5, one decimal, "%.1f"
inline constexpr int IDC_FLOAT_SPIN_BUTTON = 1204;
inline constexpr int IDC_CHECK_VALUES = 1205;     // checks both with prompts

// "Parsed edits"
inline constexpr int IDC_DIGITS_EDIT = 1301;      // digits, stepped by its spin button
inline constexpr int IDC_DIGITS_SPIN_BUTTON = 1302;
inline constexpr int IDC_LETTERS_EDIT = 1303;
inline constexpr int IDC_DIGITS_LETTERS_EDIT = 1304;
inline constexpr int IDC_QUIET_REJECTIONS = 1305;  // answers rejections with -1: no beep

// "Modular edits"
inline constexpr int IDC_TIME_EDIT = 1401;        // HH:MM:SS, carrying
inline constexpr int IDC_TIME_SPIN_BUTTON = 1402;
inline constexpr int IDC_ADDRESS_EDIT = 1403;     // an IPv4 address, each part on its own
inline constexpr int IDC_ADDRESS_SPIN_BUTTON = 1404;
inline constexpr int IDC_SHOW_VALUES = 1405;      // shows both value texts

// "Base page" (the dialog extension on a CBasePropertyPage)
inline constexpr int IDC_BASE_EDIT = 1501;
inline constexpr int IDC_BASE_LIST = 1502;
inline constexpr int IDC_BASE_COMBO = 1503;
inline constexpr int IDC_BASE_CHECK = 1504;
inline constexpr int IDC_BASE_RADIO_FIRST = 1505;
inline constexpr int IDC_BASE_RADIO_SECOND = 1506;
inline constexpr int IDC_BASE_GROUP = 1507;
inline constexpr int IDC_BASE_PUSH = 1508;       // tells what the extension found
inline constexpr int IDC_BASE_EXTRA_LABEL = 20500;  // extra controls: shown, large font
inline constexpr int IDC_BASE_EXTRA_EDIT = 20501;
