// What the plug-in's tests share: the two editions' library files, the
// factories' signature, and a host main window that records help requests.
#pragma once

#include <afxwin.h>

#include <vector>

#include "cfg_tab.h"

namespace plugin_testing {

inline constexpr char kCurrentEdition[] = "libdorvane.so";
inline constexpr char kEarlierEdition[] = "libdorvane_earlier.so";
inline constexpr char kProfileName[] = "tovik.ini";

using CreateTab = CCfgTab* (*)(LPCSTR, LPCSTR, LPCSTR);

// The host's main window: it records the topics of the help requests it receives.
class CHelpRecorder : public CWnd {
public:
    std::vector<WPARAM> m_topics;

protected:
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

}  // namespace plugin_testing
