// The gallery's "Help" page: a page on the options-tab base CCfgTab whose
// message map chains to the base's and has no help handler of its own, so F1
// there starts the base's help launcher on the page's topic (0x20000 + 30600).
// Three buttons start the launcher's other forms.
#pragma once

#include <cfg_tab.h>

class CHelpPage : public CCfgTab {
public:
    CHelpPage();

    // The gallery keeps no options.
    void LoadOptions() override {}
    void SaveOptions() override {}
    void RestoreDefaults() override {}

protected:
    afx_msg void OnHome();
    afx_msg void OnDocumentation();
    afx_msg void OnPatch();
    DECLARE_MESSAGE_MAP()
};
