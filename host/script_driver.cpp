// The script front end: one command per line, run when a message loop waits
// for input, so input reaches windows exactly as a user's would.
#include "script_driver.h"

#include <commctrl.h>
#include <win32_debug.h>
#include <win32_process.h>

#include <array>
#include <iostream>
#include <charconv>
#include <optional>
#include <string_view>
#include <strings.h>
#include <utility>

#include "control_dump.h"
#include "host_sheet.h"

namespace {

constexpr char kCommentMark = '#';
constexpr char kStandardInput[] = "-";
constexpr char kStandardInputName[] = "stdin";
// Closing at the end of the script: a page may refuse Cancel, a dialog may
// stay; after this many tries the loops are told that no more input comes.
constexpr int kMaxEndAttempts = 8;
constexpr int kHexDigits = 2;
constexpr int kHexBase = 16;
constexpr int kClassNameSize = 256;

struct NamedKey {
    std::string_view name;
    WORD wVirtualKey;
};

constexpr std::array kKeys = {
    NamedKey{"F1", VK_F1},         NamedKey{"Enter", VK_RETURN}, NamedKey{"Escape", VK_ESCAPE},
    NamedKey{"Tab", VK_TAB},       NamedKey{"Up", VK_UP},        NamedKey{"Down", VK_DOWN},
    NamedKey{"Left", VK_LEFT},     NamedKey{"Right", VK_RIGHT},  NamedKey{"Home", VK_HOME},
    NamedKey{"End", VK_END},       NamedKey{"Delete", VK_DELETE}, NamedKey{"Backspace", VK_BACK},
};

struct NamedModifier {
    std::string_view prefix;
    UINT nModifier;
};

constexpr std::array kModifierPrefixes = {
    NamedModifier{"ctrl+", MOD_CONTROL},
    NamedModifier{"shift+", MOD_SHIFT},
    NamedModifier{"alt+", MOD_ALT},
};

// The first word and the rest after the single space that ends it.
std::pair<std::string, std::string> SplitWord(const std::string& text) {
    const size_t space = text.find(' ');
    if (space == std::string::npos) return {text, std::string()};
    return {text.substr(0, space), text.substr(space + 1)};
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// type's escapes: \t, \n, \\ and \xHH; nothing on a bad escape.
std::optional<std::string> Unescape(std::string_view text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
        case 't': bytes += '\t'; break;
        case 'n': bytes += '\n'; break;
        case '\\': bytes += '\\'; break;
        case 'x': {
            if (i + kHexDigits >= text.size()) return std::nullopt;
            unsigned value = 0;
            const char* first = text.data() + i + 1;
            auto [ptr, ec] = std::from_chars(first, first + kHexDigits, value, kHexBase);
            if (ec != std::errc() || ptr != first + kHexDigits) return std::nullopt;
            bytes += static_cast<char>(value);
            i += kHexDigits;
            break;
        }
        default: return std::nullopt;
        }
    }
    return bytes;
}

POINT CentreOf(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace

bool CScriptSource::Open(const std::string& name) {
    m_strName = name;
    if (name.empty()) return true;
    if (name == kStandardInput) {
        m_strName = kStandardInputName;
        m_pStream = &std::cin;
        return true;
    }
    m_file.open(name, std::ios::binary);
    m_pStream = &m_file;
    return static_cast<bool>(m_file);
}

CScriptDriver::CScriptDriver(std::istream& script, std::string fileName, std::ostream& out, std::ostream& err)
    : m_script(script), m_strFileName(std::move(fileName)), m_out(out), m_err(err) {
    Win32SetLaunchHook(&CScriptDriver::OnLaunch, this);
    Win32AddDebugHook(&CScriptDriver::OnDebugOutput, this);
}

CScriptDriver::~CScriptDriver() {
    Win32RemoveDebugHook(&CScriptDriver::OnDebugOutput, this);
    Win32SetLaunchHook(nullptr, nullptr);
}

// A script's output must not depend on which programs the machine has, nor
// open windows: the start is printed and the program not run (CreateProcessA
// then succeeds with a process that has already ended).
BOOL CALLBACK CScriptDriver::OnLaunch(LPCSTR program, LPCSTR commandLine, LPCSTR directory, LPVOID context) {
    static_cast<CScriptDriver*>(context)->m_out << "launch " << program << ' ' << QuoteText(commandLine) << " in "
                                                << directory << '\n';
    return FALSE;
}

void CALLBACK CScriptDriver::OnDebugOutput(LPCSTR text, LPVOID context) {
    static_cast<CScriptDriver*>(context)->m_out << "debug " << QuoteText(text) << '\n';
}

void CScriptDriver::AttachSheet(CPropertySheet* pSheet, std::function<void()> storeOptions) {
    m_pSheet = pSheet;
    m_storeOptions = std::move(storeOptions);
    m_nReportedPage = -1;
    m_nEndAttempts = 0;
}

bool CScriptDriver::ReadToNextOpen() {
    std::string line;
    if (m_bFailed || !ReadCommand(line)) return false;
    if (line == "open") return true;
    Fail("\"" + SplitWord(line).first + "\" after the sheet closed (only open may follow)");
    return false;
}

int CScriptDriver::ShowMessageBox(const win32::MessageBoxRequest& request) {
    m_out << "msgbox " << QuoteText(request.text) << '\n';
    // The headless driver knows each box's default button.
    return win32::Headless().ShowMessageBox(request);
}

void CScriptDriver::Beep(UINT) { m_out << "beep\n"; }

win32::WaitResult CScriptDriver::WaitForInput(const DWORD*) {
    if (m_bFailed || !m_pSheet) return win32::WaitResult::NoMoreInput;
    ReportPageChange();
    if (!m_bAtEnd) {
        std::string line;
        if (ReadCommand(line)) {
            Execute(line);
            return m_bFailed ? win32::WaitResult::NoMoreInput : win32::WaitResult::Progress;
        }
        m_bAtEnd = true;
        if (m_atEnd) m_atEnd(ModalDialogOpen() ? ::GetActiveWindow() : m_pSheet->m_hWnd);
    }
    if (++m_nEndAttempts > kMaxEndAttempts) return win32::WaitResult::NoMoreInput;
    CloseAtEnd();
    return win32::WaitResult::Progress;
}

bool CScriptDriver::ReadCommand(std::string& line) {
    while (std::getline(m_script, line)) {
        ++m_nLine;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == kCommentMark) continue;
        return true;
    }
    return false;
}

void CScriptDriver::Fail(const std::string& message) {
    m_err << m_strFileName << ':' << m_nLine << ": " << message << '\n';
    m_bFailed = true;
}

void CScriptDriver::ReportPageChange() {
    if (!m_pSheet->m_hWnd) return;
    const int nPage = m_pSheet->GetActiveIndex();
    if (nPage == m_nReportedPage) return;
    m_nReportedPage = nPage;
    m_out << "page " << m_pSheet->GetPageCaption(nPage) << '\n';
}

void CScriptDriver::CloseAtEnd() {
    if (ModalDialogOpen()) {
        PressDialogButton(IDCANCEL, VK_ESCAPE);
    } else {
        PressSheetButton(IDCANCEL);
    }
}

void CScriptDriver::Execute(const std::string& line) {
    const auto [command, rest] = SplitWord(line);
    if (command == "tab") return DoTab(rest);
    if (command == "click") return DoClick(rest, false);
    if (command == "dblclick") return DoClick(rest, true);
    if (command == "spin") return DoSpin(rest);
    if (command == "focus") return DoFocus(rest);
    if (command == "type") return DoType(rest);
    if (command == "key") return DoKey(rest);
    if (command == "settext") return DoSetText(rest);
    if (command == "dump") return DoDump(rest);
    if (command == "wait") return DoWait(rest);
    if (command == "advanced") return DoAdvanced(rest);
    if (command == "ok") return ModalDialogOpen() ? PressDialogButton(IDOK, VK_RETURN) : PressSheetButton(IDOK);
    if (command == "cancel") {
        return ModalDialogOpen() ? PressDialogButton(IDCANCEL, VK_ESCAPE) : PressSheetButton(IDCANCEL);
    }
    if (command == "apply" || command == "defaults") {
        if (ModalDialogOpen()) return Fail(command + ": a modal dialog is open; only ok and cancel answer it");
        return PressSheetButton(command == "apply" ? ID_APPLY_NOW : ID_HOST_DEFAULTS);
    }
    if (command == "save") return m_storeOptions ? m_storeOptions() : Fail("save: this sheet stores no options");
    if (command == "open") return Fail("open: the sheet is still open");
    Fail("unknown command \"" + command + "\"");
}

// ---- The active window and its controls ----

// A modal dialog takes the activation from the sheet while it runs.
bool CScriptDriver::ModalDialogOpen() const {
    HWND hWndActive = ::GetActiveWindow();
    return hWndActive && hWndActive != m_pSheet->m_hWnd && ::IsWindowVisible(hWndActive);
}

HWND CScriptDriver::ActiveWindow() const {
    if (ModalDialogOpen()) return ::GetActiveWindow();
    CPropertyPage* pPage = m_pSheet->GetActivePage();
    return pPage ? pPage->m_hWnd : nullptr;
}

HWND CScriptDriver::FindControl(const std::string& idText) {
    const std::optional<int> nID = ParseNumber<int>(idText);
    if (!nID) {
        Fail("\"" + idText + "\" is not a control ID");
        return nullptr;
    }
    HWND hWndControl = ::GetDlgItem(ActiveWindow(), *nID);
    if (!hWndControl) Fail("the active window has no control " + idText);
    return hWndControl;
}

// ---- Commands ----

void CScriptDriver::PressSheetButton(int nID) {
    HWND hWndButton = ::GetDlgItem(m_pSheet->m_hWnd, nID);
    if (!hWndButton) return Fail("the sheet has no such button");
    win32::headless::Click(hWndButton);
}

void CScriptDriver::PressDialogButton(int nID, WORD wFallbackKey) {
    HWND hWndButton = ::GetDlgItem(ActiveWindow(), nID);
    if (hWndButton && ::IsWindowVisible(hWndButton) && ::IsWindowEnabled(hWndButton)) {
        win32::headless::Click(hWndButton);
    } else {
        win32::headless::PressKey(wFallbackKey);
    }
}

void CScriptDriver::DoTab(const std::string& caption) {
    const int nPage = m_pSheet->FindPageByCaption(caption);
    if (nPage < 0) return Fail("the sheet has no tab \"" + caption + "\"");
    win32::headless::Click(m_pSheet->GetTabButton(nPage));
}

void CScriptDriver::DoClick(const std::string& idText, bool bDouble) {
    HWND hWndControl = FindControl(idText);
    if (!hWndControl) return;
    RECT rect{};
    ::GetWindowRect(hWndControl, &rect);
    win32::headless::ClickAt(CentreOf(rect));
    if (bDouble) win32::headless::ClickAt(CentreOf(rect));  // the clock stands still: within the double-click time
}

void CScriptDriver::DoSpin(const std::string& args) {
    const auto [idText, direction] = SplitWord(args);
    if (direction != "up" && direction != "down") return Fail("spin: \"" + direction + "\" is neither up nor down");
    HWND hWndControl = FindControl(idText);
    if (!hWndControl) return;
    RECT rect{};
    ::GetWindowRect(hWndControl, &rect);
    POINT point = CentreOf(rect);
    const bool bUp = direction == "up";
    // A vertical control has its up arrow on top, a horizontal one on the right.
    if (::GetWindowLongA(hWndControl, GWL_STYLE) & UDS_HORZ) {
        point.x = bUp ? (point.x + rect.right) / 2 : (rect.left + point.x) / 2;
    } else {
        point.y = bUp ? (rect.top + point.y) / 2 : (point.y + rect.bottom) / 2;
    }
    win32::headless::ClickAt(point);
}

void CScriptDriver::DoFocus(const std::string& idText) {
    if (HWND hWndControl = FindControl(idText)) ::SetFocus(hWndControl);
}

void CScriptDriver::DoType(const std::string& text) {
    const std::optional<std::string> bytes = Unescape(text);
    if (!bytes) return Fail("type: a bad escape (\\t, \\n, \\\\ and \\xHH are known)");
    win32::headless::TypeText(*bytes);
}

void CScriptDriver::DoKey(const std::string& keyName) {
    std::string_view name = keyName;
    UINT nModifiers = 0;
    for (bool bFound = true; bFound;) {
        bFound = false;
        for (const NamedModifier& modifier : kModifierPrefixes) {
            if (name.starts_with(modifier.prefix)) {
                nModifiers |= modifier.nModifier;
                name.remove_prefix(modifier.prefix.size());
                bFound = true;
            }
        }
    }
    for (const NamedKey& key : kKeys) {
        if (key.name == name) return win32::headless::PressKey(key.wVirtualKey, nModifiers);
    }
    Fail("unknown key \"" + keyName + "\"");
}

void CScriptDriver::DoSetText(const std::string& args) {
    const auto [idText, text] = SplitWord(args);
    HWND hWndControl = FindControl(idText);
    if (!hWndControl) return;
    char className[kClassNameSize] = {};
    ::GetClassNameA(hWndControl, className, kClassNameSize);
    if (::strcasecmp(className, "Edit") == 0) {
        // As a paste: the whole text selected, then replaced (the edit notifies its parent).
        ::SendMessageA(hWndControl, EM_SETSEL, 0, -1);
        ::SendMessageA(hWndControl, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    } else {
        ::SetWindowTextA(hWndControl, text.c_str());
    }
}

void CScriptDriver::DoDump(const std::string& idText) {
    if (!idText.empty()) {
        if (HWND hWndControl = FindControl(idText)) m_out << DumpControl(hWndControl) << '\n';
        return;
    }
    for (HWND hWnd = ::GetWindow(ActiveWindow(), GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        m_out << DumpControl(hWnd) << '\n';
    }
}

void CScriptDriver::DoWait(const std::string& millisecondsText) {
    const std::optional<DWORD> dwMilliseconds = ParseNumber<DWORD>(millisecondsText);
    if (!dwMilliseconds) return Fail("wait: \"" + millisecondsText + "\" is not a number of milliseconds");
    m_dwNow += *dwMilliseconds;
}

// Opens the Advanced Correlation dialog modally on the values given; the
// commands that follow act on it, and OK prints the values it gives back.
void CScriptDriver::DoAdvanced(const std::string& args) {
    constexpr char kUsage[] = "advanced: expected \"DELIMITERS\" \"LENGTH\" 0|1";
    if (!m_openCorrAdvance) return Fail("advanced: the plug-in cannot open the Advanced Correlation dialog");
    std::string_view rest = args;
    std::optional<std::string> delimiters = ReadQuotedText(rest);
    std::optional<std::string> length = delimiters ? ReadQuotedText(rest) : std::nullopt;
    if (!length || (rest != "0" && rest != "1")) return Fail(kUsage);
    BOOL bWarn = rest == "1";
    if (m_openCorrAdvance(*delimiters, *length, bWarn) != IDOK) return;
    m_out << "advanced " << QuoteText(*delimiters) << ' ' << QuoteText(*length) << ' ' << (bWarn ? 1 : 0) << '\n';
}
