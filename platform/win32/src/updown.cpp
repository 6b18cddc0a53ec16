// The up-down control, "msctls_updown32": a pair of arrows that step a
// position within a range, optionally shown in a buddy window's text.
//
// Each step asks the parent first: WM_NOTIFY with UDN_DELTAPOS carries the old
// position and the proposed change, and a non-zero answer refuses the move.
// Then the parent gets WM_VSCROLL (WM_HSCROLL with UDS_HORZ) with
// SB_THUMBPOSITION and the position, whether the move happened or not; a
// mouse release ends the series with SB_ENDSCROLL. Holding the mouse button
// repeats the step on a timer.
#include "controls_internal.h"

#include <commctrl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace win32::controls {

namespace {

constexpr char kUpDownClassName[] = UPDOWN_CLASSA;

// A new up-down control runs from 100 down to 0: its up arrow lowers the position.
constexpr int kDefaultMinimum = 100;
constexpr int kDefaultMaximum = 0;
constexpr int kDecimalBase = 10;
constexpr int kHexBase = 16;
// Thousands are grouped in the buddy's text from this value on.
constexpr int kFirstGroupedValue = 1000;
constexpr int kDigitsPerGroup = 3;

constexpr UINT_PTR kRepeatTimerId = 1;
constexpr UINT kFirstRepeatDelayMs = 500;
constexpr UINT kRepeatIntervalMs = 100;

enum class Arrow { None, Up, Down };

struct UpDownState {
    int m_nMinimum = kDefaultMinimum;
    int m_nMaximum = kDefaultMaximum;
    int m_nPosition = 0;
    int m_nBase = kDecimalBase;
    HWND m_hwndBuddy = nullptr;
    Arrow m_pressed = Arrow::None;  // the arrow held down with the mouse
    std::vector<UDACCEL> m_accels{UDACCEL{0, 1}};
};

// A buddy subclassed for UDS_ARROWKEYS remembers its up-down and its own procedure.
struct BuddyLink {
    HWND hwndUpDown;
    WNDPROC pfnOriginal;
};
std::unordered_map<HWND, BuddyLink> g_buddyLinks;

LONG_PTR Style(HWND hwnd)
{
    return GetWindowLongPtrA(hwnd, GWL_STYLE);
}

int LowerBound(const UpDownState &state)
{
    return std::min(state.m_nMinimum, state.m_nMaximum);
}

int UpperBound(const UpDownState &state)
{
    return std::max(state.m_nMinimum, state.m_nMaximum);
}

int Clamp(const UpDownState &state, int position)
{
    return std::clamp(position, LowerBound(state), UpperBound(state));
}

// ---- The buddy's text ----

std::string GroupThousands(std::string_view number)
{
    std::string grouped;
    if (!number.empty() && number.front() == '-') {
        grouped.push_back('-');
        number.remove_prefix(1);
    }
    for (size_t i = 0; i < number.size(); ++i) {
        if (i > 0 && (number.size() - i) % kDigitsPerGroup == 0)
            grouped.push_back(',');
        grouped.push_back(number[i]);
    }
    return grouped;
}

std::string FormatPosition(HWND hwnd, const UpDownState &state)
{
    constexpr size_t kNumberBufferSize = 32;  // room for any int, sign and prefix included
    char buffer[kNumberBufferSize] = {};
    if (state.m_nBase == kHexBase) {
        // Hexadecimal positions show with a prefix and at least four digits.
        std::snprintf(buffer, sizeof buffer, "0x%04X", static_cast<unsigned>(state.m_nPosition));
        return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%d", state.m_nPosition);
    const bool group = !(Style(hwnd) & UDS_NOTHOUSANDS) &&
                       (state.m_nPosition >= kFirstGroupedValue || state.m_nPosition <= -kFirstGroupedValue);
    return group ? GroupThousands(buffer) : std::string(buffer);
}

void ShowPositionInBuddy(HWND hwnd, const UpDownState &state)
{
    if (state.m_hwndBuddy == nullptr || !(Style(hwnd) & UDS_SETBUDDYINT))
        return;
    const std::string text = FormatPosition(hwnd, state);
    SetWindowTextA(state.m_hwndBuddy, text.c_str());
}

// Reads the position back from the buddy's text. Fails without a buddy, or
// when the text is not a number in the range; the position then stays.
bool ReadPositionFromBuddy(UpDownState &state)
{
    if (state.m_hwndBuddy == nullptr || !IsWindow(state.m_hwndBuddy))
        return false;
    const int length = GetWindowTextLengthA(state.m_hwndBuddy);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(state.m_hwndBuddy, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    std::erase(text, ',');
    if (text.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, state.m_nBase);
    if (errno != 0 || end == text.c_str() || *end != '\0')
        return false;
    if (value < LowerBound(state) || value > UpperBound(state))
        return false;
    state.m_nPosition = static_cast<int>(value);
    return true;
}

// ---- Stepping ----

int StepSize(const UpDownState &state)
{
    return state.m_accels.empty() ? 1 : static_cast<int>(state.m_accels.front().nInc);
}

void SendScroll(HWND hwnd, const UpDownState &state, WORD code)
{
    HWND parent = GetParent(hwnd);
    if (parent == nullptr)
        return;
    const UINT message = (Style(hwnd) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
    SendMessageA(parent, message, MakeWParam(code, static_cast<DWORD_PTR>(state.m_nPosition)),
                 reinterpret_cast<LPARAM>(hwnd));
}

// Asks the parent whether the step may happen; returns the change it allows,
// or nothing when it refuses.
bool AskParent(HWND hwnd, const UpDownState &state, int &delta)
{
    HWND parent = GetParent(hwnd);
    if (parent == nullptr)
        return true;
    NMUPDOWN notification{};
    notification.hdr.hwndFrom = hwnd;
    notification.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    notification.hdr.code = UDN_DELTAPOS;
    notification.iPos = state.m_nPosition;
    notification.iDelta = delta;
    const LRESULT refused = SendMessageA(parent, WM_NOTIFY, notification.hdr.idFrom,
                                         reinterpret_cast<LPARAM>(&notification));
    delta = notification.iDelta;
    return refused == 0;
}

// One step of an arrow. The up arrow moves towards the maximum, so with the
// default range (100 down to 0) it lowers the position.
void Step(HWND hwnd, UpDownState &state, Arrow arrow)
{
    // A number typed into the buddy is where the step starts from.
    if (Style(hwnd) & UDS_SETBUDDYINT)
        ReadPositionFromBuddy(state);
    int delta = arrow == Arrow::Up ? StepSize(state) : -StepSize(state);
    if (state.m_nMinimum > state.m_nMaximum)
        delta = -delta;
    if (AskParent(hwnd, state, delta)) {
        const long long target = static_cast<long long>(state.m_nPosition) + delta;
        int moved = 0;
        if (target > UpperBound(state))
            moved = (Style(hwnd) & UDS_WRAP) ? LowerBound(state) : UpperBound(state);
        else if (target < LowerBound(state))
            moved = (Style(hwnd) & UDS_WRAP) ? UpperBound(state) : LowerBound(state);
        else
            moved = static_cast<int>(target);
        if (moved != state.m_nPosition) {
            state.m_nPosition = moved;
            ShowPositionInBuddy(hwnd, state);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
    }
    SendScroll(hwnd, state, SB_THUMBPOSITION);
}

Arrow ArrowAt(HWND hwnd, LPARAM lParam)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    const POINT point = PointFromLParam(lParam);
    if (!PtInRect(&client, point))
        return Arrow::None;
    if (Style(hwnd) & UDS_HORZ)
        return point.x >= (client.left + client.right) / 2 ? Arrow::Up : Arrow::Down;
    return point.y < (client.top + client.bottom) / 2 ? Arrow::Up : Arrow::Down;
}

LRESULT OnLButtonDown(HWND hwnd, UpDownState &state, LPARAM lParam)
{
    const Arrow arrow = ArrowAt(hwnd, lParam);
    if (arrow == Arrow::None)
        return 0;
    state.m_pressed = arrow;
    SetCapture(hwnd);
    Step(hwnd, state, arrow);
    if (state.m_pressed != Arrow::None)
        SetTimer(hwnd, kRepeatTimerId, kFirstRepeatDelayMs, nullptr);
    return 0;
}

void EndPress(HWND hwnd, UpDownState &state)
{
    state.m_pressed = Arrow::None;
    KillTimer(hwnd, kRepeatTimerId);
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT OnLButtonUp(HWND hwnd, UpDownState &state)
{
    if (state.m_pressed == Arrow::None)
        return 0;
    EndPress(hwnd, state);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    SendScroll(hwnd, state, SB_ENDSCROLL);
    return 0;
}

// While the mouse is held on the arrow it went down on, the step repeats.
LRESULT OnTimer(HWND hwnd, UpDownState &state, WPARAM timerId)
{
    if (timerId != kRepeatTimerId)
        return 0;
    if (state.m_pressed == Arrow::None) {
        KillTimer(hwnd, kRepeatTimerId);
        return 0;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(hwnd, &cursor);
    const Arrow under = ArrowAt(hwnd, MakeLong(static_cast<DWORD_PTR>(cursor.x), static_cast<DWORD_PTR>(cursor.y)));
    if (under == state.m_pressed)
        Step(hwnd, state, state.m_pressed);
    SetTimer(hwnd, kRepeatTimerId, kRepeatIntervalMs, nullptr);
    return 0;
}

// Arrow keys step the control with UDS_ARROWKEYS, on the control itself or
// on its buddy. Returns whether the key was used.
bool HandleArrowKey(HWND hwnd, UpDownState &state, WPARAM key)
{
    if (!(Style(hwnd) & UDS_ARROWKEYS))
        return false;
    if (key == VK_UP)
        Step(hwnd, state, Arrow::Up);
    else if (key == VK_DOWN)
        Step(hwnd, state, Arrow::Down);
    else
        return false;
    return true;
}

// ---- The buddy ----

LRESULT CALLBACK BuddyWindowProc(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = g_buddyLinks.find(buddy);
    if (found == g_buddyLinks.end())
        return DefWindowProcA(buddy, message, wParam, lParam);
    const BuddyLink link = found->second;
    if (message == WM_KEYDOWN && link.hwndUpDown != nullptr) {
        if (auto *state = GetControlState<UpDownState>(link.hwndUpDown))
            if (HandleArrowKey(link.hwndUpDown, *state, wParam))
                return 0;
    }
    if (message == WM_NCDESTROY) {
        g_buddyLinks.erase(buddy);
        SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link.pfnOriginal));
    }
    return CallWindowProcA(link.pfnOriginal, buddy, message, wParam, lParam);
}

// Stops taking the buddy's arrow keys; the buddy procedure stays in place if
// someone subclassed the buddy after us, and then just passes messages on.
void ReleaseBuddy(HWND hwnd, UpDownState &state)
{
    const auto found = g_buddyLinks.find(state.m_hwndBuddy);
    if (found != g_buddyLinks.end() && found->second.hwndUpDown == hwnd) {
        const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(state.m_hwndBuddy, GWLP_WNDPROC));
        if (current == &BuddyWindowProc) {
            SetWindowLongPtrA(state.m_hwndBuddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.pfnOriginal));
            g_buddyLinks.erase(found);
        } else {
            found->second.hwndUpDown = nullptr;
        }
    }
    state.m_hwndBuddy = nullptr;
}

void TakeBuddyArrowKeys(HWND hwnd, HWND buddy)
{
    const auto found = g_buddyLinks.find(buddy);
    if (found != g_buddyLinks.end()) {
        found->second.hwndUpDown = hwnd;
        return;
    }
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BuddyWindowProc)));
    g_buddyLinks[buddy] = BuddyLink{hwnd, original};
}

// UDS_ALIGNRIGHT / UDS_ALIGNLEFT: the control moves beside the buddy, inside
// its former rectangle, and the buddy narrows by the control's width.
void AlignWithBuddy(HWND hwnd, HWND buddy)
{
    const LONG_PTR style = Style(hwnd);
    if (!(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)))
        return;
    HWND parent = GetParent(hwnd);
    RECT buddyRect{};
    GetWindowRect(buddy, &buddyRect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&buddyRect), 2);
    RECT own{};
    GetClientRect(hwnd, &own);
    int width = own.right - own.left;
    if (width <= 0)
        width = GetSystemMetrics(SM_CXVSCROLL);
    const int height = buddyRect.bottom - buddyRect.top;
    const int buddyWidth = std::max(0, static_cast<int>(buddyRect.right - buddyRect.left) - width);
    if (style & UDS_ALIGNRIGHT) {
        MoveWindow(buddy, buddyRect.left, buddyRect.top, buddyWidth, height, TRUE);
        MoveWindow(hwnd, buddyRect.left + buddyWidth, buddyRect.top, width, height, TRUE);
    } else {
        MoveWindow(hwnd, buddyRect.left, buddyRect.top, width, height, TRUE);
        MoveWindow(buddy, buddyRect.left + width, buddyRect.top, buddyWidth, height, TRUE);
    }
}

LRESULT SetBuddy(HWND hwnd, UpDownState &state, WPARAM wParam)
{
    HWND previous = state.m_hwndBuddy;
    ReleaseBuddy(hwnd, state);
    HWND buddy = reinterpret_cast<HWND>(wParam);
    if (buddy != nullptr && IsWindow(buddy)) {
        state.m_hwndBuddy = buddy;
        if (Style(hwnd) & UDS_ARROWKEYS)
            TakeBuddyArrowKeys(hwnd, buddy);
        AlignWithBuddy(hwnd, buddy);
    }
    return reinterpret_cast<LRESULT>(previous);
}

// ---- Range, position, base, acceleration ----

LRESULT SetPosition(HWND hwnd, UpDownState &state, int position)
{
    const int previous = state.m_nPosition;
    state.m_nPosition = Clamp(state, position);
    ShowPositionInBuddy(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
    return previous;
}

// UDM_GETPOS: the position in the low word, non-zero in the high word when
// there is no buddy or its text is no valid position.
LRESULT GetPosition(UpDownState &state)
{
    const bool read = ReadPositionFromBuddy(state);
    return MakeLResult(static_cast<DWORD_PTR>(state.m_nPosition), read ? 0 : 1);
}

LRESULT GetPosition32(UpDownState &state, LPARAM errorOut)
{
    const bool read = ReadPositionFromBuddy(state);
    if (auto *error = reinterpret_cast<BOOL *>(errorOut))
        *error = read ? FALSE : TRUE;
    return state.m_nPosition;
}

LRESULT SetRange(HWND hwnd, UpDownState &state, int minimum, int maximum)
{
    state.m_nMinimum = minimum;
    state.m_nMaximum = maximum;
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT GetRange32(const UpDownState &state, WPARAM minimumOut, LPARAM maximumOut)
{
    if (auto *minimum = reinterpret_cast<int *>(minimumOut))
        *minimum = state.m_nMinimum;
    if (auto *maximum = reinterpret_cast<int *>(maximumOut))
        *maximum = state.m_nMaximum;
    return 0;
}

LRESULT SetBase(HWND hwnd, UpDownState &state, WPARAM base)
{
    if (base != kDecimalBase && base != kHexBase)
        return 0;
    const int previous = state.m_nBase;
    state.m_nBase = static_cast<int>(base);
    ShowPositionInBuddy(hwnd, state);
    return previous;
}

LRESULT SetAccel(UpDownState &state, WPARAM count, LPARAM table)
{
    const auto *accels = reinterpret_cast<const UDACCEL *>(table);
    if (count == 0 || accels == nullptr)
        return FALSE;
    state.m_accels.assign(accels, accels + count);
    return TRUE;
}

LRESULT GetAccel(const UpDownState &state, WPARAM count, LPARAM table)
{
    auto *accels = reinterpret_cast<UDACCEL *>(table);
    if (accels != nullptr)
        std::copy_n(state.m_accels.begin(), std::min<size_t>(count, state.m_accels.size()), accels);
    return static_cast<LRESULT>(state.m_accels.size());
}

// ---- Creation ----

// UDS_AUTOBUDDY takes the previous sibling in the z-order as the buddy.
LRESULT OnCreate(HWND hwnd, UpDownState &state)
{
    if (Style(hwnd) & UDS_AUTOBUDDY)
        if (HWND previous = GetWindow(hwnd, GW_HWNDPREV))
            SetBuddy(hwnd, state, reinterpret_cast<WPARAM>(previous));
    return 0;
}

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    SetControlState(hwnd, new UpDownState);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

void OnNcDestroy(HWND hwnd, UpDownState *state)
{
    KillTimer(hwnd, kRepeatTimerId);
    ReleaseBuddy(hwnd, *state);
    SetControlState<UpDownState>(hwnd, nullptr);
    delete state;
}

LRESULT CALLBACK UpDownWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    auto *state = GetControlState<UpDownState>(hwnd);
    if (state == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_CREATE:
        return OnCreate(hwnd, *state);
    case WM_NCDESTROY:
        OnNcDestroy(hwnd, state);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case UDM_SETRANGE: {
        const auto packed = static_cast<DWORD_PTR>(lParam);
        return SetRange(hwnd, *state, static_cast<SHORT>(HighWord(packed)), static_cast<SHORT>(LowWord(packed)));
    }
    case UDM_GETRANGE:
        return MakeLResult(static_cast<DWORD_PTR>(state->m_nMaximum), static_cast<DWORD_PTR>(state->m_nMinimum));
    case UDM_SETRANGE32:
        return SetRange(hwnd, *state, static_cast<int>(static_cast<INT>(wParam)), static_cast<int>(lParam));
    case UDM_GETRANGE32:
        return GetRange32(*state, wParam, lParam);
    case UDM_SETPOS:
        return SetPosition(hwnd, *state, static_cast<SHORT>(LowWord(static_cast<DWORD_PTR>(lParam))));
    case UDM_GETPOS:
        return GetPosition(*state);
    case UDM_SETPOS32:
        return SetPosition(hwnd, *state, static_cast<int>(lParam));
    case UDM_GETPOS32:
        return GetPosition32(*state, lParam);
    case UDM_SETBUDDY:
        return SetBuddy(hwnd, *state, wParam);
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(state->m_hwndBuddy);
    case UDM_SETBASE:
        return SetBase(hwnd, *state, wParam);
    case UDM_GETBASE:
        return state->m_nBase;
    case UDM_SETACCEL:
        return SetAccel(*state, wParam, lParam);
    case UDM_GETACCEL:
        return GetAccel(*state, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return OnLButtonDown(hwnd, *state, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(hwnd, *state);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd && state->m_pressed != Arrow::None)
            EndPress(hwnd, *state);
        return 0;
    case WM_TIMER:
        return OnTimer(hwnd, *state, wParam);
    case WM_KEYDOWN:
        if (HandleArrowKey(hwnd, *state, wParam))
            return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        PaintControlBackground(hwnd, WM_CTLCOLORBTN, COLOR_BTNFACE);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void RegisterUpDownClass()
{
    RegisterControlClass(kUpDownClassName, UpDownWindowProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

}  // namespace win32::controls

HWND WINAPI CreateUpDownControl(DWORD dwStyle, int x, int y, int cx, int cy, HWND hParent, int nID, HINSTANCE hInst,
                                HWND hBuddy, int nUpper, int nLower, int nPos)
{
    using namespace win32::controls;
    RegisterBuiltinControls();
    HWND hwnd = CreateWindowExA(0, UPDOWN_CLASSA, nullptr, dwStyle, x, y, cx, cy, hParent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), hInst, nullptr);
    if (hwnd == nullptr)
        return nullptr;
    if (hBuddy != nullptr)
        SendMessageA(hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hBuddy), 0);
    SendMessageA(hwnd, UDM_SETRANGE, 0, static_cast<LPARAM>(MakeLong(static_cast<DWORD_PTR>(nUpper),
                                                                      static_cast<DWORD_PTR>(nLower))));
    SendMessageA(hwnd, UDM_SETPOS, 0, static_cast<LPARAM>(MakeLong(static_cast<DWORD_PTR>(nPos), 0)));
    return hwnd;
}
