// Windows: creation and destruction order, the window tree, subclassing,
// attributes, geometry and painting.
#include "window_recorder.h"

#include <cstring>

namespace {

using window_test::CreateRecorder;
using window_test::Step;
using window_test::WindowTest;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
// winerror.h values the window calls report.
constexpr DWORD kErrorInvalidWindowHandle = 1400;
constexpr DWORD kErrorInvalidIndex = 1413;

class WindowLifetime : public WindowTest {};

TEST_F(WindowLifetime, CreationSendsMessagesInWindowsOrder) {
    const std::set<UINT> lifecycle = {WM_GETMINMAXINFO, WM_NCCREATE,          WM_NCCALCSIZE,         WM_CREATE,
                                      WM_SIZE,          WM_MOVE,              WM_PARENTNOTIFY,       WM_SHOWWINDOW,
                                      WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCACTIVATE,      WM_ACTIVATE,
                                      WM_SETFOCUS};
    struct Case {
        const char* name;
        DWORD style;
        bool child;
        std::vector<Step> expected;
    };
    const Case cases[] = {
        {"visible child", kChild, true,
         {{"new", WM_NCCREATE}, {"new", WM_NCCALCSIZE}, {"new", WM_CREATE}, {"new", WM_SIZE}, {"new", WM_MOVE},
          {"parent", WM_PARENTNOTIFY}, {"new", WM_SHOWWINDOW}, {"new", WM_WINDOWPOSCHANGING},
          {"new", WM_WINDOWPOSCHANGED}}},
        {"hidden child", WS_CHILD, true,
         {{"new", WM_NCCREATE}, {"new", WM_NCCALCSIZE}, {"new", WM_CREATE}, {"new", WM_SIZE}, {"new", WM_MOVE},
          {"parent", WM_PARENTNOTIFY}}},
        {"visible top-level window", WS_POPUP | WS_VISIBLE, false,
         {{"new", WM_GETMINMAXINFO}, {"new", WM_NCCREATE}, {"new", WM_NCCALCSIZE}, {"new", WM_CREATE},
          {"new", WM_SIZE}, {"new", WM_MOVE}, {"new", WM_SHOWWINDOW}, {"new", WM_WINDOWPOSCHANGING},
          {"new", WM_WINDOWPOSCHANGED}, {"new", WM_NCACTIVATE}, {"new", WM_ACTIVATE}, {"new", WM_SETFOCUS}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        win32::ResetWindowSystem();
        window_test::RegisterRecorderClasses();
        HWND parent = CreateRecorder("parent", WS_POPUP);
        Log().Clear();
        HWND created = CreateWindowExA(0, window_test::kRecorderClass, "new", c.style, 0, 0, 10, 10,
                                       c.child ? parent : nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(created, nullptr);
        Log().Name(created, "new");
        EXPECT_STEPS(c.expected, Log().Steps(lifecycle));
    }
}

// The window procedure refuses creation at one message.
UINT g_refuseAt = 0;
LRESULT CALLBACK RefusingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    window_test::MessageLog::Get().Record(hwnd, message, wParam, lParam);
    if (message == g_refuseAt) return message == WM_NCCREATE ? FALSE : -1;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(WindowLifetime, RefusedCreationFailsAndCleansUp) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RefusingProc;
    wc.lpszClassName = "Refusing";
    ASSERT_NE(RegisterClassA(&wc), 0);
    struct Case {
        const char* name;
        UINT refuseAt;
        std::vector<UINT> expected;
    };
    const Case cases[] = {
        {"WM_NCCREATE returns FALSE", WM_NCCREATE, {WM_NCCREATE, WM_NCDESTROY}},
        {"WM_CREATE returns -1", WM_CREATE, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log().Clear();
        g_refuseAt = c.refuseAt;
        EXPECT_EQ(CreateWindowExA(0, "Refusing", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
                  nullptr);
        std::vector<UINT> seen;
        for (const auto& entry : Log().Entries())
            if (entry.message != WM_GETMINMAXINFO) seen.push_back(entry.message);
        EXPECT_EQ(c.expected, seen);
        // The class has no window left, so it can go.
        EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), nullptr);
    }
    EXPECT_TRUE(UnregisterClassA("Refusing", nullptr));
}

TEST_F(WindowLifetime, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst) {
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE);
    HWND first = CreateRecorder("first", kChild, top, 1);
    CreateRecorder("grandchild", kChild, first, 3);
    CreateRecorder("second", kChild, top, 2);
    Log().Clear();
    ASSERT_TRUE(DestroyWindow(top));
    const std::vector<Step> expected = {
        {"top", WM_DESTROY},           {"first", WM_DESTROY},      {"grandchild", WM_DESTROY},
        {"second", WM_DESTROY},        {"grandchild", WM_NCDESTROY}, {"first", WM_NCDESTROY},
        {"second", WM_NCDESTROY},      {"top", WM_NCDESTROY},
    };
    EXPECT_STEPS(expected, Log().Steps({WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(first));
}

TEST_F(WindowLifetime, DestroyingTheFocusedChildMovesTheFocusToItsParent) {
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE);
    HWND panel = CreateRecorder("panel", kChild, top, 1);
    HWND field = CreateRecorder("field", kChild, panel, 2);
    SetFocus(field);
    ASSERT_TRUE(DestroyWindow(panel));
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(WindowLifetime, StaleHandleNeverFindsANewWindow) {
    HWND old = CreateRecorder("old", WS_POPUP);
    DestroyWindow(old);
    HWND reused = CreateRecorder("new", WS_POPUP);
    EXPECT_NE(old, reused);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(SendMessageA(old, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(GetLastError(), kErrorInvalidWindowHandle);
}

TEST_F(WindowLifetime, ClassCannotGoWhileItHasWindows) {
    HWND window = CreateRecorder("w", WS_POPUP);
    EXPECT_FALSE(UnregisterClassA(window_test::kRecorderClass, nullptr));
    EXPECT_EQ(RegisterClassA(nullptr), 0);
    WNDCLASSA again{};
    again.lpfnWndProc = window_test::RecordingProc;
    again.lpszClassName = "RECORDER";  // names are case-insensitive
    EXPECT_EQ(RegisterClassA(&again), 0);
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA(window_test::kRecorderClass, nullptr));
    EXPECT_EQ(CreateRecorder("gone", WS_POPUP), nullptr);
}

class WindowTree : public WindowTest {};

TEST_F(WindowTree, ChildrenKeepCreationOrderAndMoveInZOrder) {
    HWND top = CreateRecorder("top", WS_POPUP);
    HWND a = CreateRecorder("a", kChild, top, 1);
    HWND b = CreateRecorder("b", kChild, top, 2);
    HWND c = CreateRecorder("c", kChild, top, 3);
    auto order = [top] {
        std::vector<HWND> seen;
        for (HWND h = GetWindow(top, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) seen.push_back(h);
        return seen;
    };
    EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), a);
    EXPECT_EQ(GetWindow(b, GW_HWNDLAST), c);
    EXPECT_EQ(GetWindow(a, GW_HWNDPREV), nullptr);

    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{c, a, b}));
    SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));
    SetWindowPos(a, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{b, a, c}));
}

TEST_F(WindowTree, ParentsOwnersAndAncestors) {
    HWND owner = CreateRecorder("owner", WS_POPUP);
    HWND popup = CreateRecorder("popup", WS_POPUP, owner);
    HWND child = CreateRecorder("child", kChild, popup, 7);
    HWND grandchild = CreateRecorder("grandchild", kChild, child, 8);

    EXPECT_EQ(GetParent(grandchild), child);
    EXPECT_EQ(GetParent(popup), owner);  // a popup's GetParent is its owner
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetAncestor(grandchild, GA_ROOT), popup);
    EXPECT_EQ(GetAncestor(grandchild, GA_ROOTOWNER), owner);
    EXPECT_EQ(GetAncestor(popup, GA_PARENT), GetDesktopWindow());
    EXPECT_TRUE(IsChild(popup, grandchild));
    EXPECT_FALSE(IsChild(owner, child));  // ownership is not parenthood
    EXPECT_EQ(GetDlgItem(popup, 7), child);
    EXPECT_EQ(GetDlgItem(popup, 8), nullptr);  // only direct children
    EXPECT_EQ(GetDlgCtrlID(grandchild), 8);

    std::vector<HWND> enumerated;
    EnumChildWindows(
        popup,
        [](HWND hwnd, LPARAM param) {
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&enumerated));
    EXPECT_EQ(enumerated, (std::vector<HWND>{child, grandchild}));

    HWND other = CreateRecorder("other", WS_POPUP);
    EXPECT_EQ(SetParent(child, other), popup);
    EXPECT_EQ(GetParent(child), other);
    EXPECT_EQ(GetAncestor(grandchild, GA_ROOT), other);
}

// ---- Subclassing ----

WNDPROC g_previous = nullptr;
std::vector<UINT> g_subclassSaw;
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g_subclassSaw.push_back(message);
    if (message == WM_SETTEXT) return FALSE;  // refuses every new text
    return CallWindowProcA(g_previous, hwnd, message, wParam, lParam);
}

TEST_F(WindowTree, SubclassSeesMessagesFirstAndPassesThemOn) {
    HWND window = CreateRecorder("w", WS_POPUP);
    g_subclassSaw.clear();
    g_previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    EXPECT_EQ(g_previous, &window_test::RecordingProc);
    Log().Clear();

    EXPECT_EQ(SendMessageA(window, WM_USER + 1, 0, 0), 0);
    EXPECT_FALSE(SetWindowTextA(window, "changed"));
    EXPECT_EQ(g_subclassSaw, (std::vector<UINT>{WM_USER + 1, WM_SETTEXT}));
    EXPECT_EQ(Log().Steps(), (std::vector<Step>{{"w", WM_USER + 1}}));  // the original saw what was passed on

    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
    EXPECT_TRUE(SetWindowTextA(window, "changed"));
    char text[16];
    EXPECT_EQ(GetWindowTextA(window, text, sizeof(text)), 7);
    EXPECT_STREQ(text, "changed");
}

// ---- Attributes ----

class WindowAttributes : public WindowTest {};

TEST_F(WindowAttributes, TextIsKeptByDefWindowProcAndTruncatedOnTheWayOut) {
    HWND window = CreateRecorder("Caption", WS_POPUP);
    char text[5] = "xxxx";
    EXPECT_EQ(GetWindowTextLengthA(window), 7);
    EXPECT_EQ(GetWindowTextA(window, text, sizeof(text)), 4);
    EXPECT_STREQ(text, "Capt");
    EXPECT_TRUE(SetWindowTextA(window, nullptr));
    EXPECT_EQ(GetWindowTextLengthA(window), 0);
}

TEST_F(WindowAttributes, ClassNameKeepsTheRegisteredSpelling) {
    HWND window = CreateWindowExA(0, "RECORDER", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    char name[32];
    EXPECT_EQ(GetClassNameA(window, name, sizeof(name)), 8);
    EXPECT_STREQ(name, "Recorder");
    EXPECT_EQ(GetClassNameA(window, name, 4), 3);
    EXPECT_STREQ(name, "Rec");
}

TEST_F(WindowAttributes, LongValuesAndExtraBytes) {
    HWND window = CreateRecorder("w", WS_POPUP, nullptr, 0);
    EXPECT_EQ(SetWindowLongPtrA(window, 0, 0x1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, 0), 0x1234);
    EXPECT_EQ(SetWindowLongPtrA(window, sizeof(LONG_PTR), -5), 0);
    EXPECT_EQ(GetWindowLongA(window, sizeof(LONG_PTR)), -5);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrA(window, 2 * sizeof(LONG_PTR)), 0);  // past the class's cbWndExtra
    EXPECT_EQ(GetLastError(), kErrorInvalidIndex);

    EXPECT_EQ(SetWindowLongPtrA(window, GWLP_USERDATA, 42), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 42);
    EXPECT_EQ(SetWindowLongPtrA(window, GWLP_ID, 99), 0);
    EXPECT_EQ(GetDlgCtrlID(window), 99);

    Log().Clear();
    const LONG old = SetWindowLongA(window, GWL_STYLE, WS_POPUP | WS_DISABLED);
    EXPECT_EQ(static_cast<DWORD>(old), static_cast<DWORD>(WS_POPUP));
    EXPECT_FALSE(IsWindowEnabled(window));
    EXPECT_EQ(Log().Steps(), (std::vector<Step>{{"w", WM_STYLECHANGING}, {"w", WM_STYLECHANGED}}));
}

TEST_F(WindowAttributes, PropertiesAreCaseInsensitive) {
    HWND window = CreateRecorder("w", WS_POPUP);
    int value = 0;
    EXPECT_TRUE(SetPropA(window, "Owner", &value));
    EXPECT_EQ(GetPropA(window, "OWNER"), &value);
    EXPECT_EQ(RemovePropA(window, "owner"), &value);
    EXPECT_EQ(GetPropA(window, "Owner"), nullptr);
}

TEST_F(WindowAttributes, VisibleOnlyWhenEveryAncestorIs) {
    HWND top = CreateRecorder("top", WS_POPUP);
    HWND child = CreateRecorder("child", kChild, top);
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_FALSE(ShowWindow(top, SW_SHOW));  // FALSE: it was hidden before
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(top, SW_SHOW));
    ShowWindow(child, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(child));
    Log().Clear();
    EXPECT_FALSE(ShowWindow(child, SW_HIDE));  // already hidden: no messages
    EXPECT_TRUE(Log().Entries().empty());
}

TEST_F(WindowAttributes, EnableWindowReportsThePreviousStateAndNotifiesOnChange) {
    HWND window = CreateRecorder("w", WS_POPUP);
    Log().Clear();
    EXPECT_FALSE(EnableWindow(window, FALSE));  // FALSE: it was enabled
    EXPECT_TRUE(EnableWindow(window, FALSE));
    EXPECT_TRUE(EnableWindow(window, TRUE));
    const std::vector<Step> expected = {{"w", WM_ENABLE}, {"w", WM_ENABLE}};
    EXPECT_STEPS(expected, Log().Steps({WM_ENABLE}));
    EXPECT_EQ(Log().Of(window, WM_ENABLE)[0].wParam, static_cast<WPARAM>(FALSE));
}

// ---- Geometry ----

class WindowGeometry : public WindowTest {};

TEST_F(WindowGeometry, ClientAndScreenCoordinates) {
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE, nullptr, 0, RECT{100, 50, 400, 250});
    HWND child = CreateRecorder("child", kChild, top, 1, RECT{10, 20, 60, 40});
    RECT rect;
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect.left, 110);
    EXPECT_EQ(rect.top, 70);
    EXPECT_EQ(rect.right, 160);
    EXPECT_EQ(rect.bottom, 90);
    GetClientRect(child, &rect);
    EXPECT_EQ(rect.right, 50);
    EXPECT_EQ(rect.bottom, 20);

    POINT point{115, 75};
    ScreenToClient(child, &point);
    EXPECT_EQ(point.x, 5);
    EXPECT_EQ(point.y, 5);
    ClientToScreen(top, &point);
    EXPECT_EQ(point.x, 105);
    POINT mapped{0, 0};
    MapWindowPoints(child, top, &mapped, 1);
    EXPECT_EQ(mapped.x, 10);
    EXPECT_EQ(mapped.y, 20);

    EXPECT_EQ(WindowFromPoint(POINT{115, 75}), child);
    EXPECT_EQ(WindowFromPoint(POINT{300, 200}), top);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{15, 25}), child);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{200, 100}), top);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{900, 100}), nullptr);
}

TEST_F(WindowGeometry, MoveWindowReportsMoveAndSizeThroughWindowPosChanged) {
    HWND top = CreateRecorder("top", WS_POPUP | WS_VISIBLE);
    HWND child = CreateRecorder("child", kChild, top, 1, RECT{0, 0, 10, 10});
    Log().Clear();
    MoveWindow(child, 5, 6, 30, 40, TRUE);
    const std::vector<Step> expected = {{"child", WM_WINDOWPOSCHANGING},
                                        {"child", WM_WINDOWPOSCHANGED},
                                        {"child", WM_SIZE},
                                        {"child", WM_MOVE}};
    EXPECT_STEPS(expected, Log().Steps({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}));
    EXPECT_EQ(Log().Of(child, WM_SIZE)[0].lParam, window_test::PackWords(30, 40));
    EXPECT_EQ(Log().Of(child, WM_MOVE)[0].lParam, window_test::PackWords(5, 6));
    RECT update;
    EXPECT_TRUE(GetUpdateRect(child, &update, FALSE));  // repainted at the new size

    Log().Clear();
    MoveWindow(child, 5, 6, 30, 40, TRUE);  // no change: nothing to report
    EXPECT_TRUE(Log().Steps({WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}).empty());
}

// ---- Painting ----

class WindowPainting : public WindowTest {};

TEST_F(WindowPainting, UpdateWindowErasesThenPaintsAndValidates) {
    HWND window = CreateRecorder("w", WS_POPUP | WS_VISIBLE);
    UpdateWindow(window);
    Log().Clear();
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    EXPECT_EQ(Log().Steps({WM_ERASEBKGND, WM_PAINT}),
              (std::vector<Step>{{"w", WM_ERASEBKGND}, {"w", WM_PAINT}}));
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    Log().Clear();
    UpdateWindow(window);  // nothing invalid: nothing sent
    EXPECT_TRUE(Log().Entries().empty());
}

TEST_F(WindowPainting, BackgroundIsTheClassBrush) {
    HWND window = CreateRecorder("w", WS_POPUP | WS_VISIBLE);
    UpdateWindow(window);
    HDC dc = GetDC(window);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetPixel(dc, 3, 3), GetSysColor(COLOR_WINDOW));
    ReleaseDC(window, dc);
}

TEST_F(WindowPainting, QueuedPaintComesAfterPostedMessagesAndOnlyWhileInvalid) {
    HWND window = CreateRecorder("w", WS_POPUP | WS_VISIBLE);
    PostMessageA(window, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(msg.hwnd, window);
    DispatchMessageA(&msg);  // DefWindowProc validates
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));

    RECT half{0, 0, 100, 25};
    InvalidateRect(window, &half, FALSE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(window, &update, FALSE));
    EXPECT_EQ(update.bottom, 25);
    ValidateRect(window, nullptr);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(WindowPainting, HiddenWindowsGetNoPaint) {
    HWND window = CreateRecorder("w", WS_POPUP);
    InvalidateRect(window, nullptr, TRUE);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

}  // namespace
