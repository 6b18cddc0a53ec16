// Shared by the toolkit's edit tests: a fresh window system per test, a
// top-level parent window that records the WM_COMMAND notifications its
// controls send and answers them as told, and input helpers that act
// through SendInput as a user would.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>
#include <win32_driver.h>

#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

namespace edits_test {

// One WM_COMMAND notification as the parent saw it.
struct Command {
    int id = 0;
    int code = 0;
    LPARAM lParam = 0;
    bool operator==(const Command&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Command& command);

class CRecordingParent : public CWnd {
public:
    BOOL CreateTopLevel();
    // The notifications with this code received since the last call.
    std::vector<Command> Take(int nCode);

    LRESULT m_lCommandReply = 0;  // what every WM_COMMAND is answered with

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<Command> m_commands;
};

// Where test controls go in the parent's client area.
inline const RECT kEditRect{10, 10, 210, 32};

class EditsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static void Pump() { win32::headless::PumpMessages(); }
    // Typed into the focus window, key by key.
    static void Type(std::string_view text);
    static void Key(WORD virtualKey);
    // A step as a spin button sends it to its associated edit.
    static void Spin(const CWnd& edit, UINT nSBCode);
    // Two clicks in quick succession on the character boundary before nChar.
    static void DoubleClickAt(const CWnd& edit, int nChar);
    // The selection as EM_GETSEL reports it: start and end.
    static std::pair<int, int> Selection(const CWnd& edit);
    static void Select(const CWnd& edit, int nStart, int nEnd);
    static size_t BeepCount() { return win32::Headless().Beeps().size(); }

    CWinApp m_app{"Toolkit Tests"};
    CRecordingParent m_parent;
};

}  // namespace edits_test
