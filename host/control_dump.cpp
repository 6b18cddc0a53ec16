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

bool IsClass(const char* className, const char* expected) { return ::strcasecmp(className, expected) == 0; }

std::string WindowText(HWND hWnd) {
    const int nLength = ::GetWindowTextLengthA(hWnd);
    std::string text(static_cast<size_t>(nLength) + 1, '\0');
    const int nCopied = ::GetWindowTextA(hWnd, text.data(), nLength + 1);
    text.resize(static_cast<size_t>(nCopied > 0 ? nCopied : 0));
    return text;
}

}  // namespace

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
    char className[kClassNameSize] = {};
    ::GetClassNameA(hWndControl, className, kClassNameSize);

    RECT rect{};
    ::GetWindowRect(hWndControl, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(hWndControl), reinterpret_cast<LPPOINT>(&rect), 2);

    const LRESULT check = IsClass(className, kButtonClass) ? ::SendMessageA(hWndControl, BM_GETCHECK, 0, 0) : 0;
    std::string line = std::to_string(::GetDlgCtrlID(hWndControl)) + ' ' + className + ' ' +
                       QuoteText(WindowText(hWndControl)) + " check=" + std::to_string(check) +
                       " enabled=" + (::IsWindowEnabled(hWndControl) ? "1" : "0") +
                       " visible=" + (::IsWindowVisible(hWndControl) ? "1" : "0") +
                       " focus=" + (::GetFocus() == hWndControl ? "1" : "0") + " rect=" + std::to_string(rect.left) +
                       ',' + std::to_string(rect.top) + ',' + std::to_string(rect.right - rect.left) + ',' +
                       std::to_string(rect.bottom - rect.top);
    if (IsClass(className, kEditClass)) {
        DWORD dwStart = 0;
        DWORD dwEnd = 0;
        ::SendMessageA(hWndControl, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        line += " sel=" + std::to_string(dwStart) + ',' + std::to_string(dwEnd);
    } else if (IsClass(className, UPDOWN_CLASSA)) {
        line += " pos=" + std::to_string(::SendMessageA(hWndControl, UDM_GETPOS32, 0, 0));
    }
    return line;
}
