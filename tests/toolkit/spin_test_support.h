// What the spin button and spin edit tests share: clicks on either arrow of a
// spin button, made as a user makes them.
#pragma once

#include <win32_driver.h>
#include <windows.h>

namespace spin_test {

enum class Half { Upper, Lower };

// A screen point in the middle of the upper or lower half of the window.
inline POINT PointOn(HWND hwndSpin, Half half) {
    RECT client{};
    ::GetClientRect(hwndSpin, &client);
    const LONG nQuarter = (client.bottom - client.top) / 4;
    POINT point{(client.left + client.right) / 2, half == Half::Upper ? client.top + nQuarter : client.bottom - nQuarter};
    ::ClientToScreen(hwndSpin, &point);
    return point;
}

// Presses and releases the left mouse button there, then lets the messages
// through (past the dialog manager when a dialog is given).
inline void ClickArrow(HWND hwndSpin, Half half, HWND hwndDialog = nullptr) {
    win32::headless::ClickAt(PointOn(hwndSpin, half));
    win32::headless::PumpMessages(hwndDialog);
}

}  // namespace spin_test
