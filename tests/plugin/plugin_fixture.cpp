#include "plugin_fixture.h"

#include <gtest/gtest.h>

namespace plugin_testing {

BEGIN_MESSAGE_MAP(CHelpRecorder, CWnd)
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

LRESULT CHelpRecorder::OnCommandHelp(WPARAM wParam, LPARAM lParam) {
    EXPECT_EQ(lParam, 0);
    m_topics.push_back(wParam);
    return TRUE;
}

}  // namespace plugin_testing
