// Shared set-up of the framework tests: a fresh window system and the
// templates and strings of the test program's own module.
#pragma once

#include <afxdlgs.h>
#include <gtest/gtest.h>
#include <win32_driver.h>

// Controls of the test templates.
namespace test_ids {
inline constexpr UINT kSimpleDialog = 100;  // edit, check box, number edit, OK, Cancel
inline constexpr int kNameEdit = 1001;
inline constexpr int kEnabledCheck = 1002;
inline constexpr int kCountEdit = 1003;

inline constexpr UINT kAlphaPage = 200;  // caption "Alpha": check box, edit
inline constexpr int kAlphaCheck = 2001;
inline constexpr int kAlphaEdit = 2002;
inline constexpr UINT kBetaPage = 201;  // caption "Beta": edit
inline constexpr int kBetaEdit = 2101;
inline constexpr UINT kGammaCaption = 300;  // string "Gamma from strings"
}  // namespace test_ids

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override { win32::ResetWindowSystem(); }
    void TearDown() override {
        win32::ResetWindowSystem();
        m_app.OnIdle(0);
    }

    win32::HeadlessDriver& Driver() { return win32::Headless(); }

    CWinApp m_app{"Framework Tests"};
};
