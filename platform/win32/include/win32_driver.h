// The display-driver interface of the Win32-subset stand-in (C++ only).
//
// The window core is headless and deterministic. Whatever presents windows
// and produces input plugs in behind DisplayDriver: it shows message boxes
// and answers them, beeps, keeps the clock that timers and message times
// read, and produces input when a message loop finds its queue empty.
//
// Index
//   DisplayDriver          the interface a front end implements
//   MessageBoxButtons      a message box's buttons and its default one
//   SetDisplayDriver       plugs a front end in (nullptr: the headless driver)
//   ResetWindowSystem      back to a fresh process state, for tests
//   HeadlessDriver         the driver of the tests: scripted steps, answers
//                          for message boxes, a virtual clock
//   headless::Click ...    input helpers that act as a user would
//
// Input conventions
//   Input enters through SendInput only. Keys are virtual keys (KEYEVENTF_KEYUP
//   for the release; KEYEVENTF_UNICODE sends a character in wScan, bytes
//   0x00..0xFF). Mouse positions are screen pixels: with MOUSEEVENTF_ABSOLUTE,
//   dx and dy are the new cursor position in screen pixels (not Win32's
//   0..65535 normalised range); without it they move the cursor by that many
//   pixels. Keys go to the focus window (or the active window when nothing
//   has the focus); mouse messages go to the capture window, else to the
//   visible window under the cursor, and to nothing when that window or one
//   of its ancestors is disabled. The target is chosen when the message is
//   taken from the queue, as Windows does, so input sent before a modal
//   dialog starts reaches the dialog.
//
// Text: narrow strings are bytes of the system code page, which this
// stand-in maps one to one onto U+0000..U+00FF where UTF-16 is needed
// (dialog templates).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#define WIN32_DRIVER_API __attribute__((visibility("default")))

namespace win32 {

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = MB_OK;
};

// What a message loop learns when it asks the driver for more input.
enum class WaitResult {
    Progress,     // something happened (input sent, clock moved): look again
    NoMoreInput,  // nothing will ever come: the loop gets WM_QUIT
};

class DisplayDriver {
public:
    virtual ~DisplayDriver() = default;

    // Shows a message box and returns the button chosen (IDOK, IDCANCEL...).
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // MessageBeep: uType is 0xFFFFFFFF for the simple beep, else MB_ICON*/MB_OK.
    virtual void Beep(UINT type) = 0;
    // Milliseconds of the driver's clock; timers fall due against it.
    virtual DWORD Now() = 0;
    // Called when a message loop would block: the queue has nothing to give.
    // nextTimerDue is the clock time of the earliest timer, or nullptr when no
    // timer runs. The driver sends input (SendInput), moves its clock, or says
    // that no more input will come.
    virtual WaitResult WaitForInput(const DWORD* nextTimerDue) = 0;
    // Called after windows change (created, destroyed, moved, shown, painted,
    // text set), so that a front end can redraw. Optional.
    virtual void WindowsChanged() {}
};

// The buttons of a message box of this type (MB_OKCANCEL...), left to right,
// and the index among them of its default button (MB_DEFBUTTON1...), as
// Windows lays them out: what every driver shows and answers.
WIN32_DRIVER_API std::vector<int> MessageBoxButtons(UINT type);
WIN32_DRIVER_API size_t MessageBoxDefaultButton(UINT type);

// Plugs a front end in; nullptr restores the headless driver. The caller keeps
// ownership and must keep the driver alive while it is plugged in.
WIN32_DRIVER_API void SetDisplayDriver(DisplayDriver* driver);
WIN32_DRIVER_API DisplayDriver& CurrentDisplayDriver();

// Destroys every window (with the usual messages), empties the queue, kills
// the timers, forgets focus, capture, key state and the cursor position,
// unregisters the program's classes (the library's own classes stay), and
// restores a fresh headless driver. For tests.
WIN32_DRIVER_API void ResetWindowSystem();

// The driver of the tests. Nothing happens on its own: the clock moves only
// when told, and a loop waiting for input runs the next scripted step, or
// gets WM_QUIT when there is none (NoMoreInput).
class WIN32_DRIVER_API HeadlessDriver final : public DisplayDriver {
public:
    int ShowMessageBox(const MessageBoxRequest& request) override;
    void Beep(UINT type) override;
    DWORD Now() override { return m_now; }
    WaitResult WaitForInput(const DWORD* nextTimerDue) override;

    // Moves the clock; due timers fire when a loop next looks at its queue.
    void AdvanceClock(DWORD milliseconds) { m_now += milliseconds; }
    // The answer to the next message box (queued in order). Without one, a
    // message box is answered with its default button.
    void AnswerNextMessageBox(int button) { m_answers.push_back(button); }
    // A step run when a message loop finds its queue empty, in order: this is
    // how a test drives a modal dialog (click a control, press a key...).
    void Then(std::function<void()> step) { m_steps.push_back(std::move(step)); }
    size_t PendingSteps() const { return m_steps.size() - m_nextStep; }

    const std::vector<MessageBoxRequest>& MessageBoxes() const { return m_messageBoxes; }
    const std::vector<UINT>& Beeps() const { return m_beeps; }

private:
    DWORD m_now = 0;
    std::vector<int> m_answers;
    size_t m_nextAnswer = 0;
    std::vector<std::function<void()>> m_steps;
    size_t m_nextStep = 0;
    std::vector<MessageBoxRequest> m_messageBoxes;
    std::vector<UINT> m_beeps;
};

// The headless driver (also when another driver is plugged in).
WIN32_DRIVER_API HeadlessDriver& Headless();

namespace headless {

// Input as a user makes it, through SendInput. Each call queues the input;
// it reaches windows when a message loop (or PumpMessages) takes it.

// Moves the mouse to the centre of the window and presses and releases the
// left button.
WIN32_DRIVER_API void Click(HWND window);
// Presses and releases the left button at a screen point.
WIN32_DRIVER_API void ClickAt(POINT screenPoint);
// Presses and releases a key with modifiers (MOD_SHIFT, MOD_CONTROL, MOD_ALT)
// held around it.
WIN32_DRIVER_API void PressKey(WORD virtualKey, UINT modifiers = 0);
// Types text key by key (VkKeyScanA, with Shift where the character needs it).
WIN32_DRIVER_API void TypeText(std::string_view text);
// Dispatches queued messages until the queue is empty, passing each through
// IsDialogMessageA(dialog) first when a dialog is given. Does not wait.
WIN32_DRIVER_API void PumpMessages(HWND dialog = nullptr);

}  // namespace headless

}  // namespace win32
