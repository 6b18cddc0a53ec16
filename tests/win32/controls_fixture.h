// Shared fixture of the built-in control tests: a top-level parent window
// that records the notifications its controls send, and input helpers that
// act through SendInput as a user would.
#pragma once

#include <commctrl.h>
#include <gtest/gtest.h>
#include <win32_driver.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace controls_test {

// One notification as the parent saw it.
struct Notification {
    UINT message = 0;  // WM_COMMAND, WM_NOTIFY, WM_VSCROLL or WM_HSCROLL
    int id = 0;        // control ID (WM_COMMAND, WM_NOTIFY); 0 for scrolling
    int code = 0;      // notification code, or the scroll code
    HWND from = nullptr;
    int position = 0;  // scrolling: the high word of wParam; UDN_DELTAPOS: iPos
    int delta = 0;     // UDN_DELTAPOS: iDelta

    bool operator==(const Notification &) const = default;
};

inline std::ostream &operator<<(std::ostream &out, const Notification &n)
{
    return out << "{msg 0x" << std::hex << n.message << std::dec << " id " << n.id << " code " << n.code
               << " pos " << n.position << " delta " << n.delta << "}";
}

inline Notification Command(int id, int code, HWND from)
{
    return Notification{WM_COMMAND, id, code, from, 0, 0};
}

inline constexpr char kParentClassName[] = "ControlsTestParent";
inline constexpr POINT kParentOrigin{100, 80};
inline constexpr SIZE kParentSize{400, 300};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        win32::ResetWindowSystem();
        WNDCLASSA wc{};
        wc.lpfnWndProc = &ParentProc;
        wc.lpszClassName = kParentClassName;
        RegisterClassA(&wc);
        m_parent = CreateWindowExA(0, kParentClassName, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   kParentOrigin.x, kParentOrigin.y, kParentSize.cx, kParentSize.cy, nullptr,
                                   nullptr, nullptr, nullptr);
        ASSERT_NE(m_parent, nullptr);
        SetWindowLongPtrA(m_parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    void TearDown() override { win32::ResetWindowSystem(); }

    // A visible child control of the parent; position in the parent's client area.
    HWND Create(const char *className, const char *text, DWORD style, int id, RECT rect = {10, 10, 110, 34})
    {
        HWND hwnd = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top, m_parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        EXPECT_NE(hwnd, nullptr) << className;
        return hwnd;
    }

    // Everything recorded since the last call.
    std::vector<Notification> Take()
    {
        std::vector<Notification> taken;
        taken.swap(m_seen);
        return taken;
    }

    // The codes of the WM_COMMAND notifications recorded since the last call.
    std::vector<int> TakeCommandCodes()
    {
        std::vector<int> codes;
        for (const Notification &n : Take())
            if (n.message == WM_COMMAND)
                codes.push_back(n.code);
        return codes;
    }

    static std::string Text(HWND hwnd)
    {
        const int length = GetWindowTextLengthA(hwnd);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        GetWindowTextA(hwnd, text.data(), length + 1);
        text.resize(static_cast<size_t>(length));
        return text;
    }

    static void Pump() { win32::headless::PumpMessages(); }

    // A screen point at client coordinates of a window.
    static POINT ScreenPoint(HWND hwnd, int x, int y)
    {
        POINT point{x, y};
        ClientToScreen(hwnd, &point);
        return point;
    }

    // Mouse input at a screen point: a move there, then the button flags.
    static void MouseAt(POINT screen, DWORD buttonFlags)
    {
        INPUT inputs[2] = {};
        inputs[0].type = INPUT_MOUSE;
        inputs[0].mi.dx = screen.x;
        inputs[0].mi.dy = screen.y;
        inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs[1].type = INPUT_MOUSE;
        inputs[1].mi.dx = screen.x;
        inputs[1].mi.dy = screen.y;
        inputs[1].mi.dwFlags = buttonFlags | MOUSEEVENTF_ABSOLUTE;
        SendInput(2, inputs, sizeof(INPUT));
    }

    // Lets the double-click time pass, so that the next click is a single one.
    static void WaitOutDoubleClick() { win32::Headless().AdvanceClock(GetDoubleClickTime() + 1); }

    static void ClickAt(HWND hwnd, int x, int y)
    {
        WaitOutDoubleClick();
        win32::headless::ClickAt(ScreenPoint(hwnd, x, y));
        Pump();
    }

    static void Click(HWND hwnd)
    {
        WaitOutDoubleClick();
        win32::headless::Click(hwnd);
        Pump();
    }

    static void Key(WORD virtualKey, UINT modifiers = 0)
    {
        win32::headless::PressKey(virtualKey, modifiers);
        Pump();
    }

    // Typed characters, straight to the control's window procedure.
    static void Chars(HWND hwnd, const std::string &text)
    {
        for (char c : text)
            SendMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(c), 1);
    }

    HWND m_parent = nullptr;
    LRESULT m_notifyReply = 0;          // the parent's answer to WM_NOTIFY
    HBRUSH m_ctlColorBrush = nullptr;   // the parent's answer to WM_CTLCOLOR*, when set

private:
    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self = reinterpret_cast<ControlsTest *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self == nullptr)
            return DefWindowProcA(hwnd, message, wParam, lParam);
        const auto word = [](WPARAM value, int shift) { return static_cast<int>((value >> shift) & 0xFFFF); };
        switch (message) {
        case WM_COMMAND:
            self->m_seen.push_back(
                Notification{message, word(wParam, 0), word(wParam, 16), reinterpret_cast<HWND>(lParam), 0, 0});
            return 0;
        case WM_NOTIFY: {
            const auto *header = reinterpret_cast<const NMHDR *>(lParam);
            Notification n{message, static_cast<int>(header->idFrom), static_cast<int>(header->code),
                           header->hwndFrom, 0, 0};
            if (header->code == UDN_DELTAPOS) {
                const auto *updown = reinterpret_cast<const NMUPDOWN *>(lParam);
                n.position = updown->iPos;
                n.delta = updown->iDelta;
            }
            self->m_seen.push_back(n);
            return self->m_notifyReply;
        }
        case WM_VSCROLL:
        case WM_HSCROLL:
            self->m_seen.push_back(Notification{message, 0, word(wParam, 0), reinterpret_cast<HWND>(lParam),
                                                static_cast<SHORT>(word(wParam, 16)), 0});
            return 0;
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
            if (self->m_ctlColorBrush != nullptr)
                return reinterpret_cast<LRESULT>(self->m_ctlColorBrush);
            return DefWindowProcA(hwnd, message, wParam, lParam);
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
    }

    std::vector<Notification> m_seen;
};

}  // namespace controls_test
