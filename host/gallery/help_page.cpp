// The "Help" page.
#include "help_page.h"

#include <help_launcher.h>

#include "gallery_ids.h"

namespace {
constexpr int kHomeTopic = 0;
constexpr int kDocumentationTopic = -1;
constexpr int kPatchTopic = 185000;  // 180000..189999 open in the web browser
}  // namespace

// No ON_WM_HELPINFO: F1 reaches CCfgTab's entry.
BEGIN_MESSAGE_MAP(CHelpPage, CCfgTab)
    ON_BN_CLICKED(IDC_HELP_HOME, OnHome)
    ON_BN_CLICKED(IDC_HELP_DOCUMENTATION, OnDocumentation)
    ON_BN_CLICKED(IDC_HELP_PATCH, OnPatch)
END_MESSAGE_MAP()

CHelpPage::CHelpPage() : CCfgTab("Gallery", "", "", IDD_GALLERY_HELP, 0) {}

void CHelpPage::OnHome() { LaunchHelp(kHomeTopic); }

void CHelpPage::OnDocumentation() { LaunchHelp(kDocumentationTopic); }

void CHelpPage::OnPatch() { LaunchHelp(kPatchTopic); }
