// The recording parent and the input helpers of the edit tests.
#include "edits_fixture.h"

namespace edits_test {

namespace {

constexpr RECT kParentRect{100, 80, 500, 380};
// One pixel into the character cell, so that the click lands on the boundary
// before the character.
constexpr int kIntoCell = 1;

}  // namespace

std::ostream& operator<<(std::ostream& out, const Command& command) {
    return out << "{id " << command.id << " code 0x" << std::hex << command.code << std::dec << " lParam "
               << command.lParam << "}";
}

BOOL CRecordingParent::CreateTopLevel() {
    return CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, kParentRect, nullptr, 0);
}

std::vector<Command> CRecordingParent::Take(int nCode) {
    std::vector<Command> taken;
    std::erase_if(m_commands, [&](const Command& command) {
        if (command.code != nCode) return false;
        taken.push_back(command);
        return true;
    });
    return taken;
}

LRESULT CRecordingParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return CWnd::WindowProc(message, wParam, lParam);
    m_commands.push_back(Command{LOWORD(wParam), HIWORD(wParam), lParam});
    return m_lCommandReply;
}

void EditsTest::SetUp() {
    win32::ResetWindowSystem();
    ASSERT_TRUE(m_parent.CreateTopLevel());
}

void EditsTest::TearDown() {
    win32::ResetWindowSystem();
    m_app.OnIdle(0);
}

void EditsTest::Type(std::string_view text) {
    win32::headless::TypeText(text);
    Pump();
}

void EditsTest::Key(WORD virtualKey) {
    win32::headless::PressKey(virtualKey);
    Pump();
}

void EditsTest::Spin(const CWnd& edit, UINT nSBCode) { edit.SendMessage(WM_VSCROLL, MAKEWPARAM(nSBCode, 0), 0); }

void EditsTest::DoubleClickAt(const CWnd& edit, int nChar) {
    const auto position = static_cast<DWORD>(edit.SendMessage(EM_POSFROMCHAR, static_cast<WPARAM>(nChar)));
    POINT point{static_cast<short>(LOWORD(position)) + kIntoCell, static_cast<short>(HIWORD(position)) + kIntoCell};
    edit.ClientToScreen(&point);
    // Far enough from any earlier click that the first one is a single click.
    win32::Headless().AdvanceClock(::GetDoubleClickTime() + 1);
    win32::headless::ClickAt(point);
    win32::headless::ClickAt(point);
    Pump();
}

std::pair<int, int> EditsTest::Selection(const CWnd& edit) {
    DWORD nStart = 0;
    DWORD nEnd = 0;
    edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), reinterpret_cast<LPARAM>(&nEnd));
    return {static_cast<int>(nStart), static_cast<int>(nEnd)};
}

void EditsTest::Select(const CWnd& edit, int nStart, int nEnd) {
    edit.SendMessage(EM_SETSEL, static_cast<WPARAM>(nStart), nEnd);
}

}  // namespace edits_test
