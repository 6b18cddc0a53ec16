// What the plug-in exports by name, for a host that finds it with
// GetProcAddress: the two page factories and the entry that opens the
// Advanced Correlation dialog on values the host gives it.
#pragma once

#include <windows.h>

#include <string>

class CCfgTab;

// A page factory: two strings of the host's own, then the protocol name. Null
// when the protocol has no such page. The host owns the page.
using PageFactory = CCfgTab* (*)(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol);

inline constexpr char DORVANE_DISPLAY_FACTORY[] = "create_new_tab";
inline constexpr char DORVANE_CORRELATION_FACTORY[] = "create_new_tab1";
inline constexpr char DORVANE_OPEN_CORR_ADVANCE[] = "open_corr_advance";

// Runs the Advanced Correlation dialog modally, owned by the host's main
// window, on the three values it edits: the delimiter set in its stored form,
// the length as text and the warning flag. Only when the user confirms with OK
// are they replaced by what the dialog gives back. Returns what DoModal
// returns: IDOK, IDCANCEL, or -1 when the dialog could not be shown.
using OpenCorrAdvance = int (*)(std::string& strDelimiters, std::string& strMinDelimitersLength,
                                BOOL& bWarnOnLargeDifferences);
