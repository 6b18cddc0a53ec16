// The window core of the Win32-subset stand-in: the state every window,
// message, input, timer and dialog unit shares.
//
// Index
//   Window handles    an HWND encodes a slot index and a generation, so that a
//                     lookup is one bounds check and one compare, and a stale
//                     handle never finds a new window
//   WindowClass       a registered class
//   DialogInfo        what a dialog window keeps besides its extra bytes
//   Window            one window
//   RawInput, Timer   input not yet taken from the queue, a running timer
//   WindowSystem      the one instance of all of it (UI thread only)
//   helpers shared by the window*.cpp, message*.cpp, input*.cpp, timer*.cpp,
//   dialog*.cpp and driver*.cpp units
//
// Everything runs on the one user-interface thread; nothing is locked. Code
// that sends a message looks the window up again afterwards: the message may
// have destroyed it.
#pragma once

#include <windows.h>

#include "win32_driver.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace win32::core {

// ---- Window handles ----
// HWND value = generation << kSlotBits | (slot index + 1). Values stay below
// 2^31, as Windows' handles do, so programs that keep an HWND in a LONG work.
inline constexpr unsigned kSlotBits = 16;
inline constexpr std::uintptr_t kSlotMask = (std::uintptr_t{1} << kSlotBits) - 1;
inline constexpr std::uint32_t kMaxSlots = static_cast<std::uint32_t>(kSlotMask) - 1;
inline constexpr std::uint32_t kMaxGeneration = 0x7FFF;

// ---- Screen and defaults ----
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr int kDefaultWindowWidth = 640;
inline constexpr int kDefaultWindowHeight = 480;
// The logical resolution fonts are sized at.
inline constexpr int kLogPixels = 96;
inline constexpr int kPointsPerInch = 72;
inline constexpr UINT kDoubleClickTime = 500;
inline constexpr int kDoubleClickWidth = 4;
inline constexpr int kDoubleClickHeight = 4;
// Application classes get atoms from here up, as Windows' string atoms do.
inline constexpr ATOM kFirstClassAtom = 0xC000;
inline constexpr ATOM kDialogClassAtom = 0x8002;
inline constexpr UINT kFirstRegisteredMessage = 0xC000;
inline constexpr char kDialogClassName[] = "#32770";
inline constexpr char kDesktopClassName[] = "#32769";
// The system colours a class brush may name as (HBRUSH)(COLOR_xxx + 1).
inline constexpr int kSystemColorCount = COLOR_MENUBAR + 1;

struct WindowClass {
    std::string name;  // the registered spelling, returned by GetClassNameA
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtraBytes = 0;
    int windowExtraBytes = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    LPCSTR menuName = nullptr;
    std::vector<BYTE> classExtra;
    int liveWindows = 0;   // UnregisterClassA refuses while windows exist
    bool library = false;  // registered by this library: kept by ResetWindowSystem
};

struct DialogInfo {
    HFONT font = nullptr;    // from the template's DS_SETFONT, or null (system font)
    bool ownsFont = false;   // deleted with the dialog
    SIZE baseUnits{};        // pixels per 4 horizontal and 8 vertical dialog units
    UINT defaultId = 0;      // DM_SETDEFID; 0 = the BS_DEFPUSHBUTTON among the controls
    HWND lastFocus = nullptr;  // restored when the dialog gets the focus back
    bool ended = false;      // EndDialog was called
    INT_PTR result = 0;      // EndDialog's result
    bool modal = false;
    bool ownerDisabled = false;  // the modal loop disabled the owner; EndDialog enables it
};

struct Window {
    HWND handle = nullptr;
    WindowClass* windowClass = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;  // control ID of a child window; the menu handle of a top-level one
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    HWND parent = nullptr;  // the desktop for top-level windows
    HWND owner = nullptr;
    std::vector<HWND> children;  // z-order, topmost first
    RECT rect{};                 // in the parent's client coordinates (screen for top-level)
    std::string text;
    HFONT font = nullptr;  // WM_SETFONT kept by DefWindowProcA
    std::vector<BYTE> extra;
    std::vector<std::pair<std::string, HANDLE>> props;
    DWORD contextHelpId = 0;
    RECT update{};              // bounding box of the invalid area; empty: nothing to paint
    bool updateErase = false;   // the invalid area wants WM_ERASEBKGND
    bool destroying = false;
    std::unique_ptr<DialogInfo> dialog;

    int Width() const { return rect.right - rect.left; }
    int Height() const { return rect.bottom - rect.top; }
    bool IsChildStyle() const { return (style & WS_CHILD) != 0; }
};

struct RawInput {
    DWORD type = INPUT_KEYBOARD;
    KEYBDINPUT key{};
    DWORD mouseFlags = 0;
    POINT point{};  // cursor position once the input was applied
    DWORD time = 0;
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    DWORD due = 0;
    TIMERPROC proc = nullptr;
};

struct CaretState {
    HWND owner = nullptr;
    POINT position{};
    int hideCount = 1;  // a new caret starts hidden
};

// The last left click, for double-click detection.
struct ClickRecord {
    HWND hwnd = nullptr;
    DWORD time = 0;
    POINT point{};
    bool wasDouble = false;
};

class WindowSystem {
public:
    static WindowSystem& Get();

    // ---- Windows ----
    Window* Find(HWND hwnd) {
        const auto value = reinterpret_cast<std::uintptr_t>(hwnd);
        const std::uintptr_t index = (value & kSlotMask) - 1;
        if (index >= m_slots.size()) return nullptr;
        Slot& slot = m_slots[index];
        return slot.generation == (value >> kSlotBits) ? slot.window.get() : nullptr;
    }
    HWND Add(std::unique_ptr<Window> window);
    void Remove(HWND hwnd);
    HWND Desktop() const { return m_desktop; }
    Window& DesktopWindow() { return *Find(m_desktop); }
    // Every window in tree order (parents before children), top-level windows topmost first.
    std::vector<HWND> AllWindows();

    // ---- Classes ----
    WindowClass* FindClass(LPCSTR nameOrAtom);
    ATOM AddClass(std::unique_ptr<WindowClass> windowClass);
    bool RemoveClass(WindowClass* windowClass);

    // ---- State ----
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    POINT cursor{};
    ClickRecord lastClick;
    std::deque<MSG> posted;  // PostMessageA, TranslateMessage's characters
    std::deque<MSG> input;   // input messages, converted from raw input
    std::deque<RawInput> raw;
    bool quitPosted = false;
    int quitCode = 0;
    std::vector<Timer> timers;
    UINT_PTR nextTimerId = 1;
    std::array<BYTE, 256> keyState{};       // as of the messages taken so far
    std::array<BYTE, 256> asyncKeyState{};  // as of the input sent so far
    MSG lastMessage{};
    std::vector<std::string> registeredMessages;  // RegisterWindowMessageA, from kFirstRegisteredMessage
    CaretState caret;
    std::array<HBRUSH, kSystemColorCount> sysColorBrushes{};
    HCURSOR currentCursor = nullptr;

    DisplayDriver& Driver() { return *m_driver; }
    void SetDriver(DisplayDriver* driver);
    HeadlessDriver& HeadlessInstance() { return *m_headless; }
    void NotifyChanged() { m_driver->WindowsChanged(); }

    void Reset();

private:
    WindowSystem();
    void RegisterLibraryClasses();

    struct Slot {
        std::uintptr_t generation = 1;
        std::unique_ptr<Window> window;
    };
    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_freeSlots;
    std::vector<std::unique_ptr<WindowClass>> m_classes;
    ATOM m_nextAtom = kFirstClassAtom;
    HWND m_desktop = nullptr;
    bool m_builtinsRegistered = false;
    std::unique_ptr<HeadlessDriver> m_headless;
    DisplayDriver* m_driver = nullptr;
};

inline WindowSystem& Sys() { return WindowSystem::Get(); }

// The window of a handle; for a stale or foreign handle, null with
// ERROR_INVALID_WINDOW_HANDLE as the last error, as the window calls report it.
inline Window* FindOrFail(HWND hwnd) {
    Window* window = Sys().Find(hwnd);
    if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

// ---- Helpers shared by the units ----

// Case-insensitive ASCII comparison (class names, property names).
bool EqualsNoCase(std::string_view a, std::string_view b);
// A string or an atom (MAKEINTATOM) as a property or class key.
std::string NameKey(LPCSTR nameOrAtom);

// Position of the window's client origin on the screen.
POINT ClientOrigin(const Window& window);
// Whether the window and all its ancestors are WS_VISIBLE.
bool IsShown(HWND hwnd);
// Whether the window or one of its ancestors is disabled.
bool IsDisabledOrInDisabled(HWND hwnd);
// The top-level window the window belongs to.
HWND RootOf(HWND hwnd);

// The deepest visible window at a screen point (window_geometry.cpp).
// Disabled windows are found too unless skipDisabled.
HWND DeepestWindowAt(POINT screen, bool skipDisabled);

// Focus and activation (window_focus.cpp).
void MoveFocusOffHidden(HWND hwnd);
void ActivateOther(HWND leaving);

// Painting (window_paint.cpp).
void Invalidate(Window& window, const RECT* rect, bool erase);
void InvalidateTree(HWND hwnd, bool erase);
HBRUSH ClassBackgroundBrush(const Window& window);
HWND NextWindowToPaint(HWND filter);

// Messages (message.cpp).
void RemoveMessagesFor(HWND hwnd);
bool MatchesFilter(HWND msgWindow, HWND filter, UINT message, UINT first, UINT last);
DWORD Now();

// Timers (timer.cpp).
void KillTimersOf(HWND hwnd);
// Takes the next due timer as a WM_TIMER message; false when none is due.
bool TakeDueTimer(HWND filter, UINT first, UINT last, bool remove, MSG& out);
const DWORD* NextTimerDue(DWORD& storage);
bool IsTimerProc(HWND hwnd, UINT_PTR id, TIMERPROC proc);

// Input (input.cpp): converts the next raw input into an input message.
bool ConvertNextRawInput();
bool IsKeyDown(int virtualKey);
WPARAM MouseKeyFlags();

// Dialogs (dialog.cpp).
DialogInfo* DialogOf(HWND hwnd);
// Sets the focus the way the dialog manager does: select all in an edit,
// then fix which push button shows as the default.
void DialogSetFocus(HWND dialog, HWND control);
HWND FirstTabItem(HWND dialog);

// Paint on a DC without letting a null brush through.
void FillWithBrush(HDC dc, const RECT& rect, HBRUSH brush);

// The word macros of windef.h, as typed C++ (their C casts would trip the
// warnings of C++ units).
template <typename T>
constexpr WORD LowWord(T value) {
    return static_cast<WORD>(static_cast<std::uintptr_t>(value) & 0xFFFF);
}
template <typename T>
constexpr WORD HighWord(T value) {
    return static_cast<WORD>((static_cast<std::uintptr_t>(value) >> 16) & 0xFFFF);
}
template <typename L, typename H>
constexpr LONG MakeLong(L low, H high) {
    return static_cast<LONG>(static_cast<DWORD>(LowWord(low)) | (static_cast<DWORD>(LowWord(high)) << 16));
}
template <typename L, typename H>
constexpr LPARAM MakeLParam(L low, H high) {
    return static_cast<LPARAM>(static_cast<DWORD>(MakeLong(low, high)));
}
template <typename L, typename H>
constexpr WPARAM MakeWParam(L low, H high) {
    return static_cast<WPARAM>(static_cast<DWORD>(MakeLong(low, high)));
}
template <typename L, typename H>
constexpr LRESULT MakeLResult(L low, H high) {
    return static_cast<LRESULT>(static_cast<DWORD>(MakeLong(low, high)));
}
constexpr COLORREF Rgb(BYTE red, BYTE green, BYTE blue) {
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) | (static_cast<COLORREF>(blue) << 16);
}

}  // namespace win32::core

using win32::core::HighWord;
using win32::core::LowWord;
using win32::core::MakeLong;
using win32::core::MakeLParam;
using win32::core::MakeLResult;
using win32::core::MakeWParam;
using win32::core::Rgb;
