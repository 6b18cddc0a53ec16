// What the script front end prints about controls.
#include "control_dump.h"

#include <commctrl.h>

#include <charconv>
#include <cstdio>
#include <strings.h>

namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kLastPrintable = 0x7E;
constexpr int kClassNameSize = 256;
constexpr char kQuote = '"';
constexpr char kEscape = '\\';
constexpr size_t kHexEscapeDigits = 2;
constexpr int kHexBase = 16;

constexpr char kEditClass[] = "Edit";
constexpr char kButtonClass[] = "Button";

}  // namespace

bool ControlSnapshot::IsClass(const char* className) const { return ::strcasecmp(strClass.c_str(), className) == 0; }

std::string WindowText(HWND hWnd) {
    const int nLength = ::GetWindowTextLengthA(hWnd);
    std::string text(static_cast<size_t>(nLength) + 1, '\0');
    const int nCopied = ::GetWindowTextA(hWnd, text.data(), nLength + 1);
    text.resize(static_cast<size_t>(nCopied > 0 ? nCopied : 0));
    return text;
}

ControlSnapshot ReadControl(HWND hWndControl) {
    ControlSnapshot control;
    char className[kClassNameSize] = {};
    ::GetClassNameA(hWndControl, className, kClassNameSize);
    control.strClass = className;
    control.nID = ::GetDlgCtrlID(hWndControl);
    control.strText = WindowText(hWndControl);
    control.dwStyle = static_cast<DWORD>(::GetWindowLongA(hWndControl, GWL_STYLE));
    control.bEnabled = ::IsWindowEnabled(hWndControl);
    control.bVisible = ::IsWindowVisible(hWndControl);
    control.bFocus = ::GetFocus() == hWndControl;
    ::GetWindowRect(hWndControl, &control.rcScreen);
    control.rcParent = control.rcScreen;
    ::MapWindowPoints(nullptr, ::GetParent(hWndControl), reinterpret_cast<LPPOINT>(&control.rcParent), 2);
    if (control.IsClass(kButtonClass)) control.nCheck = ::SendMessageA(hWndControl, BM_GETCHECK, 0, 0);
    if (control.IsClass(kEditClass)) {
        ::SendMessageA(hWndControl, EM_GETSEL, reinterpret_cast<WPARAM>(&control.dwSelStart),
                       reinterpret_cast<LPARAM>(&control.dwSelEnd));
        control.nFirstVisible = static_cast<int>(::SendMessageA(hWndControl, EM_GETFIRSTVISIBLELINE, 0, 0));
    } else if (control.IsClass(UPDOWN_CLASSA)) {
        control.nPosition = static_cast<int>(::SendMessageA(hWndControl, UDM_GETPOS32, 0, 0));
    }
    return control;
}

std::string QuoteText(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == kQuote || c == kEscape) {
            quoted += '\\';
            quoted += c;
        } else if (byte < kFirstPrintable || byte > kLastPrintable) {
            char escape[sizeof "\\xHH"];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::optional<std::string> ReadQuotedText(std::string_view& text) {
    if (text.empty() || text.front() != kQuote) return std::nullopt;
    std::string bytes;
    for (size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kQuote) {
            text.remove_prefix(i + 1);
            while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
            return bytes;
        }
        if (c != kEscape) {
            bytes += c;
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        if (text[i] == kQuote || text[i] == kEscape) {
            bytes += text[i];
        } else if (text[i] == 'x' && i + kHexEscapeDigits < text.size()) {
            unsigned value = 0;
            const char* first = text.data() + i + 1;
            const auto [end, error] = std::from_chars(first, first + kHexEscapeDigits, value, kHexBase);
            if (error != std::errc() || end != first + kHexEscapeDigits) return std::nullopt;
            bytes += static_cast<char>(value);
            i += kHexEscapeDigits;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;  // no closing quote
}

std::string DumpControl(HWND hWndControl) {
    const ControlSnapshot control = ReadControl(hWndControl);
    const RECT& rect = control.rcParent;
    std::string line = std::to_string(control.nID) + ' ' + control.strClass + ' ' + QuoteText(control.strText) +
                       " check=" + std::to_string(control.nCheck) + " enabled=" + (control.bEnabled ? "1" : "0") +
                       " visible=" + (control.bVisible ? "1" : "0") + " focus=" + (control.bFocus ? "1" : "0") +
                       " rect=" + std::to_string(rect.left) + ',' + std::to_string(rect.top) + ',' +
                       std::to_string(rect.right - rect.left) + ',' + std::to_string(rect.bottom - rect.top);
    if (control.IsClass(kEditClass)) {
        line += " sel=" + std::to_string(control.dwSelStart) + ',' + std::to_string(control.dwSelEnd);
    } else if (control.IsClass(UPDOWN_CLASSA)) {
        line += " pos=" + std::to_string(control.nPosition);
    }
    return line;
}
