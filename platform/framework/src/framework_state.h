// The framework's process-wide state, kept in one place: the application
// object, the handle maps, the resource chain, the class registry and the
// message being dispatched. Everything runs on the one user-interface thread.
#pragma once

#include <map>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/runtime_class.h"

class CWnd;
class CGdiObject;
class CDC;
class CWinApp;
class CDynLinkLibrary;

struct FrameworkState {
    CWinApp* pApp = nullptr;
    HINSTANCE hResource = nullptr;  // AfxSetResourceHandle; null: the application's module

    // Window objects by handle. Permanent objects are the framework's own
    // (created, attached or subclassed); temporary ones wrap foreign handles
    // until the next idle clean-up.
    std::unordered_map<HWND, CWnd*> permanentWindows;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporaryWindows;
    // The last permanent lookup: consecutive messages mostly go to one window.
    HWND hLastPermanent = nullptr;
    CWnd* pLastPermanent = nullptr;
    std::unordered_map<HGDIOBJ, CGdiObject*> permanentGdiObjects;
    std::map<std::pair<HGDIOBJ, const CRuntimeClass*>, std::unique_ptr<CGdiObject>> temporaryGdiObjects;
    std::unordered_map<HDC, std::unique_ptr<CDC>> temporaryDCs;

    // The object whose window is being created; it is attached when its
    // window first reaches a framework window or dialog procedure.
    CWnd* pWndInit = nullptr;
    // Control notifications to this window are dropped while UpdateData runs.
    HWND hLockoutNotifyWindow = nullptr;
    // The message being dispatched, for CWnd::Default.
    MSG lastSentMsg{};
    // The dialog whose WM_INITDIALOG is being dispatched through its map.
    HWND hInitDialogInProgress = nullptr;

    // Extension modules after the application's own module, in joining order.
    std::vector<CDynLinkLibrary*> libraries;
};

FrameworkState& AfxState();

// Every class record of the loaded modules, for CRuntimeClass::FromName.
std::vector<const CRuntimeClass*>& AfxRegisteredClasses();

// The framework's window and dialog procedures.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Reports a framework fault on the debug output.
void AfxTrace(const char* text);

// Forgets every cached message-map lookup (a module and its maps went away).
void AfxResetMessageCache();
