// The gallery's pages and controls: template IDs and control IDs, as the
// README lists them.
#pragma once

inline constexpr unsigned IDD_GALLERY_SPIN = 30100;
inline constexpr unsigned IDD_GALLERY_PARSED = 30200;
inline constexpr unsigned IDD_GALLERY_MODULAR = 30300;
inline constexpr unsigned IDD_GALLERY_BASE = 30400;
inline constexpr unsigned IDD_GALLERY_TOOLBOX = 30500;
inline constexpr unsigned IDD_GALLERY_HELP = 30600;

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

// "Toolbox" (a CCfgTab page whose buttons run the toolbox on its own controls)
inline constexpr int IDC_TOOLBOX_EDIT = 1601;     // first group
inline constexpr int IDC_TOOLBOX_COMBO = 1602;    // first group
inline constexpr int IDC_TOOLBOX_CHECK = 1603;    // second group
inline constexpr int IDC_TOOLBOX_RADIO_FIRST = 1604;   // second group
inline constexpr int IDC_TOOLBOX_RADIO_SECOND = 1605;  // second group
inline constexpr int IDC_TOOLBOX_FRAME = 1606;    // where Draw bitmap draws
inline constexpr int IDC_TOOLBOX_CLEAR = 1611;
inline constexpr int IDC_TOOLBOX_RECORD = 1612;
inline constexpr int IDC_TOOLBOX_REPLAY = 1613;
inline constexpr int IDC_TOOLBOX_FIRST_GROUP = 1614;   // enables the first group, disables the second
inline constexpr int IDC_TOOLBOX_SECOND_GROUP = 1615;  // the other way round
inline constexpr int IDC_TOOLBOX_START_TIMER = 1616;
inline constexpr int IDC_TOOLBOX_CAPTION_A = 1617;     // the caption timer's two buttons
inline constexpr int IDC_TOOLBOX_CAPTION_B = 1618;
inline constexpr int IDC_TOOLBOX_DRAW_SMALL = 1619;    // a bitmap smaller than the frame: centred
inline constexpr int IDC_TOOLBOX_DRAW_LARGE = 1620;    // one larger than the frame: stretched
inline constexpr int IDC_TOOLBOX_CANCEL_TO_CLOSE = 1621;

// "Help" (a CCfgTab page without a help handler of its own: F1 starts the launcher)
inline constexpr int IDC_HELP_HOME = 1701;           // topic 0
inline constexpr int IDC_HELP_DOCUMENTATION = 1702;  // topic -1
inline constexpr int IDC_HELP_PATCH = 1703;          // topic 185000

// Host strings of the caption timer (host_strings.cpp).
inline constexpr unsigned IDS_GALLERY_CAPTION_A = 20700;
inline constexpr unsigned IDS_GALLERY_CAPTION_B = 20701;
