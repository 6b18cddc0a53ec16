// Windows: the window system's tables, classes, creation and destruction,
// the window tree, and a window's attributes (long values, properties, text).
#include "window_internal.h"

#include "controls_internal.h"
#include "gdi_hooks.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace win32::core {

namespace {

// Whether a window procedure lives in this library (the dialog class, the
// built-in controls), found through the image that holds its code.
bool IsLibraryProcedure(WNDPROC proc) {
    Dl_info procInfo{};
    Dl_info selfInfo{};
    if (dladdr(reinterpret_cast<void*>(proc), &procInfo) == 0) return false;
    if (dladdr(reinterpret_cast<void*>(&IsLibraryProcedure), &selfInfo) == 0) return false;
    return procInfo.dli_fbase == selfInfo.dli_fbase;
}

LRESULT CALLBACK DesktopWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string NameKey(LPCSTR nameOrAtom) {
    if (IS_INTRESOURCE(nameOrAtom)) return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(nameOrAtom));
    return nameOrAtom;
}

// ---- WindowSystem ----

WindowSystem& WindowSystem::Get() {
    static WindowSystem instance;
    return instance;
}

WindowSystem::WindowSystem() : m_headless(std::make_unique<HeadlessDriver>()), m_driver(m_headless.get()) {
    auto desktopClass = std::make_unique<WindowClass>();
    desktopClass->name = kDesktopClassName;
    desktopClass->proc = DesktopWindowProc;
    desktopClass->library = true;
    WindowClass* desktopClassPtr = desktopClass.get();
    AddClass(std::move(desktopClass));

    auto desktop = std::make_unique<Window>();
    desktop->windowClass = desktopClassPtr;
    desktop->proc = DesktopWindowProc;
    desktop->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    desktop->rect = RECT{0, 0, kScreenWidth, kScreenHeight};
    m_desktop = Add(std::move(desktop));
    RegisterLibraryClasses();
}

HWND WindowSystem::Add(std::unique_ptr<Window> window) {
    std::uint32_t index;
    if (!m_freeSlots.empty()) {
        index = m_freeSlots.back();
        m_freeSlots.pop_back();
    } else {
        if (m_slots.size() >= kMaxSlots) return nullptr;
        index = static_cast<std::uint32_t>(m_slots.size());
        m_slots.emplace_back();
    }
    Slot& slot = m_slots[index];
    const auto value = (slot.generation << kSlotBits) | (std::uintptr_t{index} + 1);
    HWND hwnd = reinterpret_cast<HWND>(value);
    window->handle = hwnd;
    slot.window = std::move(window);
    return hwnd;
}

void WindowSystem::Remove(HWND hwnd) {
    const auto value = reinterpret_cast<std::uintptr_t>(hwnd);
    const std::uintptr_t index = (value & kSlotMask) - 1;
    if (index >= m_slots.size()) return;
    Slot& slot = m_slots[index];
    slot.window.reset();
    slot.generation = slot.generation >= kMaxGeneration ? 1 : slot.generation + 1;
    m_freeSlots.push_back(static_cast<std::uint32_t>(index));
}

std::vector<HWND> WindowSystem::AllWindows() {
    std::vector<HWND> result;
    std::vector<HWND> pending{m_desktop};
    while (!pending.empty()) {
        HWND hwnd = pending.back();
        pending.pop_back();
        Window* window = Find(hwnd);
        if (!window) continue;
        if (hwnd != m_desktop) result.push_back(hwnd);
        pending.insert(pending.end(), window->children.rbegin(), window->children.rend());
    }
    return result;
}

WindowClass* WindowSystem::FindClass(LPCSTR nameOrAtom) {
    if (nameOrAtom == nullptr) return nullptr;
    auto matches = [nameOrAtom](const std::unique_ptr<WindowClass>& c) {
        if (IS_INTRESOURCE(nameOrAtom)) return c->atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom));
        return EqualsNoCase(c->name, nameOrAtom);
    };
    auto found = std::find_if(m_classes.begin(), m_classes.end(), matches);
    if (found != m_classes.end()) return found->get();
    if (!m_builtinsRegistered) {
        // The built-in controls register on first use of a class name.
        m_builtinsRegistered = true;
        controls::RegisterBuiltinControls();
        found = std::find_if(m_classes.begin(), m_classes.end(), matches);
        if (found != m_classes.end()) return found->get();
    }
    return nullptr;
}

ATOM WindowSystem::AddClass(std::unique_ptr<WindowClass> windowClass) {
    if (windowClass->name == kDialogClassName)
        windowClass->atom = kDialogClassAtom;
    else
        windowClass->atom = m_nextAtom++;
    windowClass->library = windowClass->library || IsLibraryProcedure(windowClass->proc);
    const ATOM atom = windowClass->atom;
    m_classes.push_back(std::move(windowClass));
    return atom;
}

bool WindowSystem::RemoveClass(WindowClass* windowClass) {
    auto found = std::find_if(m_classes.begin(), m_classes.end(),
                              [windowClass](const auto& c) { return c.get() == windowClass; });
    if (found == m_classes.end()) return false;
    m_classes.erase(found);
    return true;
}

void WindowSystem::SetDriver(DisplayDriver* driver) { m_driver = driver ? driver : m_headless.get(); }

void WindowSystem::Reset() {
    // Top-level windows first, topmost first; each takes its children along.
    for (;;) {
        Window& desktop = DesktopWindow();
        if (desktop.children.empty()) break;
        HWND top = desktop.children.front();
        DestroyWindow(top);
        // A window still there (destroyed from inside its own destruction)
        // is dropped without further messages.
        Window& after = DesktopWindow();
        if (!after.children.empty() && after.children.front() == top) {
            after.children.erase(after.children.begin());
            Remove(top);
        }
    }
    posted.clear();
    input.clear();
    raw.clear();
    quitPosted = false;
    quitCode = 0;
    timers.clear();
    nextTimerId = 1;
    keyState.fill(0);
    asyncKeyState.fill(0);
    focus = active = capture = nullptr;
    cursor = POINT{};
    lastClick = ClickRecord{};
    lastMessage = MSG{};
    caret = CaretState{};
    currentCursor = nullptr;
    std::erase_if(m_classes, [](const auto& c) { return !c->library && c->liveWindows == 0; });
    m_headless = std::make_unique<HeadlessDriver>();
    m_driver = m_headless.get();
}

// ---- Helpers ----

POINT ClientOrigin(const Window& window) {
    POINT origin{0, 0};
    WindowSystem& sys = Sys();
    for (const Window* w = &window; w && w->handle != sys.Desktop(); w = sys.Find(w->parent)) {
        origin.x += w->rect.left;
        origin.y += w->rect.top;
    }
    return origin;
}

bool IsShown(HWND hwnd) {
    WindowSystem& sys = Sys();
    Window* window = sys.Find(hwnd);
    if (!window) return false;
    for (; window && window->handle != sys.Desktop(); window = sys.Find(window->parent))
        if (!(window->style & WS_VISIBLE)) return false;
    return true;
}

bool IsDisabledOrInDisabled(HWND hwnd) {
    WindowSystem& sys = Sys();
    for (Window* window = sys.Find(hwnd); window && window->handle != sys.Desktop(); window = sys.Find(window->parent))
        if (window->style & WS_DISABLED) return true;
    return false;
}

HWND RootOf(HWND hwnd) {
    WindowSystem& sys = Sys();
    Window* window = sys.Find(hwnd);
    if (!window || hwnd == sys.Desktop()) return nullptr;
    while (window->parent != sys.Desktop()) {
        Window* parent = sys.Find(window->parent);
        if (!parent) break;
        window = parent;
    }
    return window->handle;
}

}  // namespace win32::core

using win32::core::FindOrFail;
using win32::core::Sys;
using win32::core::Window;
using win32::core::WindowClass;
using win32::core::WindowSystem;

namespace {

void Unlink(Window& window) {
    if (Window* parent = Sys().Find(window.parent)) std::erase(parent->children, window.handle);
}

// New children go below their siblings, so that GW_HWNDNEXT walks them in
// creation order (a dialog's tab order); new top-level windows go on top.
void Link(Window& window, HWND parent, bool atTop) {
    window.parent = parent;
    Window* parentWindow = Sys().Find(parent);
    if (!parentWindow) return;
    if (atTop)
        parentWindow->children.insert(parentWindow->children.begin(), window.handle);
    else
        parentWindow->children.push_back(window.handle);
}

void SendDestroyMessages(HWND hwnd) {
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    Window* window = Sys().Find(hwnd);
    if (!window) return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children)
        if (Sys().Find(child)) SendDestroyMessages(child);
}

void FreeWindow(HWND hwnd) {
    WindowSystem& sys = Sys();
    Window* window = sys.Find(hwnd);
    if (!window) return;
    const std::vector<HWND> children = window->children;
    for (HWND child : children) FreeWindow(child);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    window = sys.Find(hwnd);
    if (!window) return;
    win32::core::KillTimersOf(hwnd);
    win32::core::RemoveMessagesFor(hwnd);
    win32::gdi::OnWindowDestroyed(hwnd);
    if (sys.focus == hwnd) sys.focus = nullptr;
    if (sys.active == hwnd) sys.active = nullptr;
    if (sys.capture == hwnd) sys.capture = nullptr;
    if (sys.lastClick.hwnd == hwnd) sys.lastClick = win32::core::ClickRecord{};
    for (HWND other : sys.AllWindows())
        if (Window* w = sys.Find(other); w && w->owner == hwnd) w->owner = nullptr;
    Unlink(*window);
    if (window->windowClass) --window->windowClass->liveWindows;
    sys.Remove(hwnd);
}

void MarkDestroying(Window& window) {
    window.destroying = true;
    for (HWND child : window.children)
        if (Window* w = Sys().Find(child)) MarkDestroying(*w);
}

bool ExtraRange(const Window& window, int index, size_t size) {
    return index >= 0 && static_cast<size_t>(index) + size <= window.extra.size();
}

template <typename T>
T ReadExtra(const Window& window, int index) {
    T value{};
    std::memcpy(&value, window.extra.data() + index, sizeof(T));
    return value;
}

template <typename T>
void WriteExtra(Window& window, int index, T value) {
    std::memcpy(window.extra.data() + index, &value, sizeof(T));
}

LONG_PTR GetLongValue(HWND hwnd, int index, size_t size) {
    Window* window = FindOrFail(hwnd);
    if (!window) return 0;
    switch (index) {
    case GWL_STYLE: return static_cast<LONG>(window->style);
    case GWL_EXSTYLE: return static_cast<LONG>(window->exStyle);
    case GWLP_ID: return window->id;
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(window->IsChildStyle() ? window->parent : window->owner);
    case GWLP_USERDATA: return window->userData;
    default: break;
    }
    if (!ExtraRange(*window, index, size)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return size == sizeof(LONG) ? ReadExtra<LONG>(*window, index) : ReadExtra<LONG_PTR>(*window, index);
}

void ChangeStyle(HWND hwnd, int index, DWORD newStyle) {
    Window* window = Sys().Find(hwnd);
    STYLESTRUCT change{index == GWL_STYLE ? window->style : window->exStyle, newStyle};
    SendMessageA(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    window = Sys().Find(hwnd);
    if (!window) return;
    (index == GWL_STYLE ? window->style : window->exStyle) = change.styleNew;
    SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
}

LONG_PTR SetLongValue(HWND hwnd, int index, LONG_PTR value, size_t size) {
    Window* window = FindOrFail(hwnd);
    if (!window) return 0;
    LONG_PTR previous = 0;
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        previous = static_cast<LONG>(index == GWL_STYLE ? window->style : window->exStyle);
        ChangeStyle(hwnd, index, static_cast<DWORD>(value));
        return previous;
    }
    case GWLP_ID: previous = window->id; window->id = value; return previous;
    case GWLP_WNDPROC:
        previous = reinterpret_cast<LONG_PTR>(window->proc);
        window->proc = reinterpret_cast<WNDPROC>(value);
        return previous;
    case GWLP_HINSTANCE:
        previous = reinterpret_cast<LONG_PTR>(window->instance);
        window->instance = reinterpret_cast<HINSTANCE>(value);
        return previous;
    case GWLP_HWNDPARENT:
        if (window->IsChildStyle()) return reinterpret_cast<LONG_PTR>(SetParent(hwnd, reinterpret_cast<HWND>(value)));
        previous = reinterpret_cast<LONG_PTR>(window->owner);
        window->owner = reinterpret_cast<HWND>(value);
        return previous;
    case GWLP_USERDATA: previous = window->userData; window->userData = value; return previous;
    default: break;
    }
    if (!ExtraRange(*window, index, size)) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    if (size == sizeof(LONG)) {
        previous = ReadExtra<LONG>(*window, index);
        WriteExtra<LONG>(*window, index, static_cast<LONG>(value));
    } else {
        previous = ReadExtra<LONG_PTR>(*window, index);
        WriteExtra<LONG_PTR>(*window, index, value);
    }
    return previous;
}

ATOM RegisterClassFrom(const WNDCLASSEXA& wc) {
    WindowSystem& sys = Sys();
    if (wc.lpszClassName == nullptr || wc.lpfnWndProc == nullptr || wc.cbClsExtra < 0 || wc.cbWndExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (sys.FindClass(wc.lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto c = std::make_unique<WindowClass>();
    c->name = win32::core::NameKey(wc.lpszClassName);
    c->style = wc.style;
    c->proc = wc.lpfnWndProc;
    c->classExtraBytes = wc.cbClsExtra;
    c->windowExtraBytes = wc.cbWndExtra;
    c->instance = wc.hInstance;
    c->icon = wc.hIcon;
    c->smallIcon = wc.hIconSm;
    c->cursor = wc.hCursor;
    c->background = wc.hbrBackground;
    c->menuName = wc.lpszMenuName;
    c->classExtra.assign(static_cast<size_t>(wc.cbClsExtra), 0);
    return sys.AddClass(std::move(c));
}

void FillClassInfo(const WindowClass& c, WNDCLASSEXA& wc) {
    wc.style = c.style;
    wc.lpfnWndProc = c.proc;
    wc.cbClsExtra = c.classExtraBytes;
    wc.cbWndExtra = c.windowExtraBytes;
    wc.hInstance = c.instance;
    wc.hIcon = c.icon;
    wc.hIconSm = c.smallIcon;
    wc.hCursor = c.cursor;
    wc.hbrBackground = c.background;
    wc.lpszMenuName = c.menuName;
    wc.lpszClassName = c.name.c_str();
}

}  // namespace

// ---- Classes ----

ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (!lpWndClass) return 0;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = lpWndClass->style;
    wc.lpfnWndProc = lpWndClass->lpfnWndProc;
    wc.cbClsExtra = lpWndClass->cbClsExtra;
    wc.cbWndExtra = lpWndClass->cbWndExtra;
    wc.hInstance = lpWndClass->hInstance;
    wc.hIcon = lpWndClass->hIcon;
    wc.hCursor = lpWndClass->hCursor;
    wc.hbrBackground = lpWndClass->hbrBackground;
    wc.lpszMenuName = lpWndClass->lpszMenuName;
    wc.lpszClassName = lpWndClass->lpszClassName;
    return RegisterClassFrom(wc);
}

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* lpWndClass) {
    if (!lpWndClass || lpWndClass->cbSize != sizeof(WNDCLASSEXA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return RegisterClassFrom(*lpWndClass);
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE) {
    WindowSystem& sys = Sys();
    WindowClass* c = sys.FindClass(lpClassName);
    if (!c) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (c->liveWindows > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    return sys.RemoveClass(c) ? TRUE : FALSE;
}

BOOL WINAPI GetClassInfoExA(HINSTANCE, LPCSTR lpszClass, LPWNDCLASSEXA lpwcx) {
    WindowClass* c = Sys().FindClass(lpszClass);
    if (!c || !lpwcx) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    FillClassInfo(*c, *lpwcx);
    return c->atom;
}

BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    const BOOL found = GetClassInfoExA(hInstance, lpClassName, &wc);
    if (!found || !lpWndClass) return FALSE;
    *lpWndClass = WNDCLASSA{wc.style,   wc.lpfnWndProc,   wc.cbClsExtra,    wc.cbWndExtra,  wc.hInstance,
                            wc.hIcon,   wc.hCursor,       wc.hbrBackground, wc.lpszMenuName, wc.lpszClassName};
    return found;
}

int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
    Window* window = FindOrFail(hWnd);
    if (!window || !lpClassName || nMaxCount <= 0) return 0;
    const std::string& name = window->windowClass->name;
    const size_t count = std::min(name.size(), static_cast<size_t>(nMaxCount - 1));
    std::memcpy(lpClassName, name.data(), count);
    lpClassName[count] = '\0';
    return static_cast<int>(count);
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int nIndex) {
    Window* window = FindOrFail(hWnd);
    if (!window) return 0;
    const WindowClass& c = *window->windowClass;
    switch (nIndex) {
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c.background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c.cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c.icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(c.smallIcon);
    case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR>(c.instance);
    case GCL_CBWNDEXTRA: return static_cast<ULONG_PTR>(c.windowExtraBytes);
    case GCL_CBCLSEXTRA: return static_cast<ULONG_PTR>(c.classExtraBytes);
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c.proc);
    case GCL_STYLE: return c.style;
    case GCW_ATOM: return c.atom;
    default: break;
    }
    if (nIndex >= 0 && static_cast<size_t>(nIndex) + sizeof(ULONG_PTR) <= c.classExtra.size()) {
        ULONG_PTR value = 0;
        std::memcpy(&value, c.classExtra.data() + nIndex, sizeof(value));
        return value;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

DWORD WINAPI GetClassLongA(HWND hWnd, int nIndex) { return static_cast<DWORD>(GetClassLongPtrA(hWnd, nIndex)); }

// ---- Creation and destruction ----

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
    WindowSystem& sys = Sys();
    WindowClass* windowClass = sys.FindClass(lpClassName);
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    const bool child = (dwStyle & WS_CHILD) != 0;
    if (child && !sys.Find(hWndParent)) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    if (!child && !(dwStyle & WS_POPUP)) dwStyle |= WS_CAPTION | WS_CLIPSIBLINGS;  // overlapped windows
    if (X == CW_USEDEFAULT) X = Y = 0;
    if (nWidth == CW_USEDEFAULT) {
        nWidth = child ? 0 : win32::core::kDefaultWindowWidth;
        nHeight = child ? 0 : win32::core::kDefaultWindowHeight;
    }

    auto window = std::make_unique<Window>();
    window->windowClass = windowClass;
    window->proc = windowClass->proc;
    window->style = dwStyle & ~WS_VISIBLE;  // shown at the end of creation
    window->exStyle = dwExStyle;
    window->id = reinterpret_cast<LONG_PTR>(hMenu);
    window->instance = hInstance;
    window->rect = RECT{X, Y, X + std::max(nWidth, 0), Y + std::max(nHeight, 0)};
    window->extra.assign(static_cast<size_t>(windowClass->windowExtraBytes), 0);
    if (!child && hWndParent) window->owner = win32::core::RootOf(hWndParent);
    Window* raw = window.get();
    HWND hwnd = sys.Add(std::move(window));
    if (!hwnd) return nullptr;
    ++windowClass->liveWindows;
    Link(*raw, child ? hWndParent : sys.Desktop(), !child);

    CREATESTRUCTA cs{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, Y, X,
                     static_cast<LONG>(dwStyle), lpWindowName, lpClassName, dwExStyle};
    if (!child) {
        MINMAXINFO info{};
        info.ptMaxSize = POINT{win32::core::kScreenWidth, win32::core::kScreenHeight};
        info.ptMaxTrackSize = info.ptMaxSize;
        SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    }
    if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        FreeWindow(hwnd);
        return nullptr;
    }
    if (Window* w = sys.Find(hwnd)) {
        RECT client = w->rect;
        SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    }
    if (!sys.Find(hwnd) || SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    Window* created = sys.Find(hwnd);
    if (!created) return nullptr;
    const RECT rect = created->rect;
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MakeLParam(rect.right - rect.left, rect.bottom - rect.top));
    SendMessageA(hwnd, WM_MOVE, 0, MakeLParam(rect.left, rect.top));
    if (child && !(dwExStyle & WS_EX_NOPARENTNOTIFY))
        SendMessageA(hWndParent, WM_PARENTNOTIFY, MakeWParam(WM_CREATE, LowWord(reinterpret_cast<LONG_PTR>(hMenu))),
                     reinterpret_cast<LPARAM>(hwnd));
    if (!sys.Find(hwnd)) return nullptr;
    if (dwStyle & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    sys.NotifyChanged();
    return sys.Find(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    WindowSystem& sys = Sys();
    Window* window = FindOrFail(hWnd);
    if (!window || hWnd == sys.Desktop()) return FALSE;
    if (window->destroying) return TRUE;
    const bool child = window->IsChildStyle();
    const HWND parent = window->parent;
    const LONG_PTR id = window->id;
    const bool notifyParent = child && !(window->exStyle & WS_EX_NOPARENTNOTIFY);

    // Hidden first: the focus moves off it and its parent repaints.
    if (window->style & WS_VISIBLE)
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    else
        win32::core::MoveFocusOffHidden(hWnd);
    if (!sys.Find(hWnd)) return TRUE;
    if (notifyParent)
        SendMessageA(parent, WM_PARENTNOTIFY, MakeWParam(WM_DESTROY, LowWord(id)), reinterpret_cast<LPARAM>(hWnd));

    // Owned windows go before their owner.
    if (!child) {
        const std::vector<HWND> topLevel = sys.DesktopWindow().children;
        for (HWND other : topLevel)
            if (Window* w = sys.Find(other); w && w->owner == hWnd && !w->destroying) DestroyWindow(other);
    }
    window = sys.Find(hWnd);
    if (!window || window->destroying) return TRUE;
    MarkDestroying(*window);
    if (sys.capture && (sys.capture == hWnd || IsChild(hWnd, sys.capture))) ReleaseCapture();
    if (sys.active == hWnd) win32::core::ActivateOther(hWnd);
    if (sys.focus && (sys.focus == hWnd || IsChild(hWnd, sys.focus))) sys.focus = nullptr;
    SendDestroyMessages(hWnd);
    FreeWindow(hWnd);
    sys.NotifyChanged();
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hWnd) { return Sys().Find(hWnd) != nullptr ? TRUE : FALSE; }

HWND WINAPI GetDesktopWindow(void) { return Sys().Desktop(); }

// ---- The window tree ----

HWND WINAPI GetParent(HWND hWnd) {
    Window* window = FindOrFail(hWnd);
    if (!window) return nullptr;
    if (window->IsChildStyle()) return window->parent;
    return (window->style & WS_POPUP) ? window->owner : nullptr;
}

HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent) {
    WindowSystem& sys = Sys();
    Window* window = FindOrFail(hWndChild);
    if (!window) return nullptr;
    if (!hWndNewParent) hWndNewParent = sys.Desktop();
    if (!sys.Find(hWndNewParent) || hWndNewParent == hWndChild || IsChild(hWndChild, hWndNewParent)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HWND previous = window->parent;
    const bool visible = (window->style & WS_VISIBLE) != 0;
    if (visible) ShowWindow(hWndChild, SW_HIDE);
    window = sys.Find(hWndChild);
    if (!window) return nullptr;
    Unlink(*window);
    Link(*window, hWndNewParent, true);
    if (visible) ShowWindow(hWndChild, SW_SHOWNA);
    sys.NotifyChanged();
    return previous;
}

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
    WindowSystem& sys = Sys();
    Window* window = FindOrFail(hWnd);
    if (!window) return nullptr;
    if (uCmd == GW_CHILD) return window->children.empty() ? nullptr : window->children.front();
    if (uCmd == GW_OWNER) return window->owner;
    if (uCmd == GW_ENABLEDPOPUP) return nullptr;
    Window* parent = sys.Find(window->parent);
    if (!parent) return nullptr;
    const std::vector<HWND>& siblings = parent->children;
    auto here = std::find(siblings.begin(), siblings.end(), hWnd);
    switch (uCmd) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return (here == siblings.end() || here + 1 == siblings.end()) ? nullptr : *(here + 1);
    case GW_HWNDPREV: return (here == siblings.end() || here == siblings.begin()) ? nullptr : *(here - 1);
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

HWND WINAPI GetTopWindow(HWND hWnd) { return GetWindow(hWnd ? hWnd : Sys().Desktop(), GW_CHILD); }

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
    WindowSystem& sys = Sys();
    Window* window = sys.Find(hWnd);
    while (window && window->IsChildStyle()) {
        if (window->parent == hWndParent) return TRUE;
        window = sys.Find(window->parent);
    }
    return FALSE;
}

HWND WINAPI GetAncestor(HWND hwnd, UINT gaFlags) {
    WindowSystem& sys = Sys();
    Window* window = FindOrFail(hwnd);
    if (!window || hwnd == sys.Desktop()) return nullptr;
    switch (gaFlags) {
    case GA_PARENT: return window->parent;
    case GA_ROOT: return win32::core::RootOf(hwnd);
    case GA_ROOTOWNER: {
        HWND root = win32::core::RootOf(hwnd);
        while (Window* w = sys.Find(root)) {
            if (!w->owner) break;
            root = w->owner;
        }
        return root;
    }
    default: return nullptr;
    }
}

namespace {

void CollectDescendants(HWND hwnd, std::vector<HWND>& out) {
    Window* window = Sys().Find(hwnd);
    if (!window) return;
    for (HWND child : window->children) {
        out.push_back(child);
        CollectDescendants(child, out);
    }
}

}  // namespace

BOOL WINAPI EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam) {
    if (!hWndParent) return EnumWindows(lpEnumFunc, lParam);
    std::vector<HWND> all;
    CollectDescendants(hWndParent, all);
    for (HWND hwnd : all)
        if (IsWindow(hwnd) && !lpEnumFunc(hwnd, lParam)) break;
    return TRUE;
}

BOOL WINAPI EnumWindows(WNDENUMPROC lpEnumFunc, LPARAM lParam) {
    const std::vector<HWND> top = Sys().DesktopWindow().children;
    for (HWND hwnd : top)
        if (IsWindow(hwnd) && !lpEnumFunc(hwnd, lParam)) return FALSE;
    return TRUE;
}

HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName) {
    WindowSystem& sys = Sys();
    WindowClass* wanted = lpClassName ? sys.FindClass(lpClassName) : nullptr;
    if (lpClassName && !wanted) return nullptr;
    for (HWND hwnd : sys.DesktopWindow().children) {
        Window* window = sys.Find(hwnd);
        if (wanted && window->windowClass != wanted) continue;
        if (lpWindowName && window->text != lpWindowName) continue;
        return hwnd;
    }
    return nullptr;
}

// ---- Attributes ----

int WINAPI GetDlgCtrlID(HWND hWnd) {
    Window* window = FindOrFail(hWnd);
    return window ? static_cast<int>(window->id) : 0;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
    Window* dialog = FindOrFail(hDlg);
    if (!dialog) return nullptr;
    for (HWND child : dialog->children)
        if (static_cast<int>(Sys().Find(child)->id) == nIDDlgItem) return child;
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) { return static_cast<LONG>(GetLongValue(hWnd, nIndex, sizeof(LONG))); }

LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
    return static_cast<LONG>(SetLongValue(hWnd, nIndex, dwNewLong, sizeof(LONG)));
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) { return GetLongValue(hWnd, nIndex, sizeof(LONG_PTR)); }

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    return SetLongValue(hWnd, nIndex, dwNewLong, sizeof(LONG_PTR));
}

// Procedures are plain function pointers here (there are no Unicode thunks),
// so calling the previous procedure of a subclassed window is a call.
LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

HANDLE WINAPI GetPropA(HWND hWnd, LPCSTR lpString) {
    Window* window = Sys().Find(hWnd);
    if (!window || !lpString) return nullptr;
    const std::string key = win32::core::NameKey(lpString);
    for (const auto& [name, value] : window->props)
        if (win32::core::EqualsNoCase(name, key)) return value;
    return nullptr;
}

BOOL WINAPI SetPropA(HWND hWnd, LPCSTR lpString, HANDLE hData) {
    Window* window = FindOrFail(hWnd);
    if (!window || !lpString) return FALSE;
    const std::string key = win32::core::NameKey(lpString);
    for (auto& [name, value] : window->props)
        if (win32::core::EqualsNoCase(name, key)) {
            value = hData;
            return TRUE;
        }
    window->props.emplace_back(key, hData);
    return TRUE;
}

HANDLE WINAPI RemovePropA(HWND hWnd, LPCSTR lpString) {
    Window* window = Sys().Find(hWnd);
    if (!window || !lpString) return nullptr;
    const std::string key = win32::core::NameKey(lpString);
    for (auto it = window->props.begin(); it != window->props.end(); ++it)
        if (win32::core::EqualsNoCase(it->first, key)) {
            HANDLE value = it->second;
            window->props.erase(it);
            return value;
        }
    return nullptr;
}

BOOL WINAPI SetWindowContextHelpId(HWND hWnd, DWORD dwContextHelpId) {
    Window* window = FindOrFail(hWnd);
    if (!window) return FALSE;
    window->contextHelpId = dwContextHelpId;
    return TRUE;
}

DWORD WINAPI GetWindowContextHelpId(HWND hWnd) {
    Window* window = FindOrFail(hWnd);
    return window ? window->contextHelpId : 0;
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    if (!FindOrFail(hWnd)) return FALSE;
    const LRESULT result = SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString));
    Sys().NotifyChanged();
    return result != 0 && result != CB_ERR ? TRUE : FALSE;
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (!FindOrFail(hWnd) || !lpString || nMaxCount <= 0) return 0;
    lpString[0] = '\0';
    return static_cast<int>(
        SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthA(HWND hWnd) {
    if (!FindOrFail(hWnd)) return 0;
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

// ---- Cursors, icons and carets: the predefined ones, by their numbers ----

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR lpCursorName) {
    return IS_INTRESOURCE(lpCursorName) ? reinterpret_cast<HCURSOR>(const_cast<LPSTR>(lpCursorName)) : nullptr;
}

HICON WINAPI LoadIconA(HINSTANCE, LPCSTR lpIconName) {
    return IS_INTRESOURCE(lpIconName) ? reinterpret_cast<HICON>(const_cast<LPSTR>(lpIconName)) : nullptr;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor) { return std::exchange(Sys().currentCursor, hCursor); }


BOOL WINAPI CreateCaret(HWND hWnd, HBITMAP, int, int) {
    if (!IsWindow(hWnd)) return FALSE;
    Sys().caret = win32::core::CaretState{hWnd, POINT{}, 1};
    return TRUE;
}

BOOL WINAPI DestroyCaret(void) {
    Sys().caret = win32::core::CaretState{};
    return TRUE;
}

BOOL WINAPI ShowCaret(HWND hWnd) {
    win32::core::CaretState& caret = Sys().caret;
    if (!caret.owner || (hWnd && hWnd != caret.owner)) return FALSE;
    if (caret.hideCount > 0) --caret.hideCount;
    return TRUE;
}

BOOL WINAPI HideCaret(HWND hWnd) {
    win32::core::CaretState& caret = Sys().caret;
    if (!caret.owner || (hWnd && hWnd != caret.owner)) return FALSE;
    ++caret.hideCount;
    return TRUE;
}

BOOL WINAPI SetCaretPos(int X, int Y) {
    win32::core::CaretState& caret = Sys().caret;
    if (!caret.owner) return FALSE;
    caret.position = POINT{X, Y};
    return TRUE;
}

BOOL WINAPI GetCaretPos(LPPOINT lpPoint) {
    if (!lpPoint) return FALSE;
    *lpPoint = Sys().caret.position;
    return TRUE;
}
