// Dialogs: the dialog class "#32770", templates (DLGTEMPLATE and
// DLGTEMPLATEEX), modeless and modal dialog boxes, DefDlgProcA, EndDialog,
// dialog units and the dialog-item helpers.
//
// Dialog units: a dialog's base units are the average character width and
// the height of its font (GetTextMetricsA's tmAveCharWidth and tmHeight; the
// system font without DS_SETFONT). A horizontal value x is MulDiv(x, base
// width, 4) pixels and a vertical value y is MulDiv(y, base height, 8), so
// the 8-point "MS Sans Serif" font (6 by 13 at 96 dpi) makes a 200 by 100
// unit dialog 300 by 163 pixels.
#include "window_internal.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>

using win32::core::DialogInfo;
using win32::core::Sys;
using win32::core::Window;
using win32::core::WindowSystem;

namespace {

constexpr int kHorizontalUnitsPerBase = 4;
constexpr int kVerticalUnitsPerBase = 8;
// The system font's base units when GDI cannot measure it.
constexpr SIZE kSystemBaseUnits{8, 16};
constexpr WORD kOrdinalMarker = 0xFFFF;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kExtendedVersion = 1;
constexpr WORD kFirstClassOrdinal = 0x0080;
constexpr const char* kClassOrdinalNames[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};

// ---- Templates ----

struct NameOrOrdinal {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::string name;
};

struct ItemSpec {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    const BYTE* creationData = nullptr;  // the size word and the data after it; null without data
};

struct DialogSpec {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal windowClass;
    std::string caption;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = FW_NORMAL;
    BYTE italic = FALSE;
    BYTE charset = DEFAULT_CHARSET;
    std::string faceName;
    std::vector<ItemSpec> items;
};

// Reads little-endian template fields; stops (ok() false) at the end of a
// template of known size.
class TemplateReader {
public:
    TemplateReader(const void* data, size_t size)
        : m_start(static_cast<const BYTE*>(data)), m_pos(m_start), m_end(size ? m_start + size : nullptr) {}

    bool ok() const { return m_ok; }
    BYTE Byte() { return Available(1) ? *m_pos++ : BYTE{0}; }
    WORD Word() {
        const BYTE low = Byte();
        return static_cast<WORD>(low | (Byte() << 8));
    }
    DWORD Dword() {
        const WORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }
    short Short() { return static_cast<short>(Word()); }
    void AlignToDword() {
        while ((m_pos - m_start) % sizeof(DWORD) != 0 && Available(1)) ++m_pos;
    }
    const BYTE* Position() const { return m_pos; }
    void Skip(size_t count) {
        if (Available(count)) m_pos += count;
    }
    // UTF-16 code units become bytes of the narrow code page (U+0000..U+00FF).
    std::string String() {
        std::string text;
        for (WORD unit = Word(); m_ok && unit != 0; unit = Word())
            text.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
        return text;
    }
    NameOrOrdinal NameOrOrd() {
        NameOrOrdinal result;
        const WORD first = Word();
        if (first == kOrdinalMarker) {
            result.isOrdinal = true;
            result.ordinal = Word();
            return result;
        }
        if (first == 0) return result;
        result.name.push_back(first <= 0xFF ? static_cast<char>(first) : '?');
        result.name += String();
        return result;
    }

private:
    bool Available(size_t count) {
        if (m_end && static_cast<size_t>(m_end - m_pos) < count) m_ok = false;
        return m_ok;
    }

    const BYTE* m_start;
    const BYTE* m_pos;
    const BYTE* m_end;
    bool m_ok = true;
};

std::optional<DialogSpec> ParseTemplate(const void* data, size_t size) {
    if (!data) return std::nullopt;
    TemplateReader in(data, size);
    DialogSpec spec;
    const WORD version = in.Word();
    const bool extended = in.Word() == kExtendedSignature && version == kExtendedVersion;
    if (extended) {
        in.Dword();  // help ID
        spec.exStyle = in.Dword();
        spec.style = in.Dword();
    } else {
        TemplateReader again(data, size);
        spec.style = again.Dword();
        spec.exStyle = again.Dword();
        in = again;
    }
    const WORD count = in.Word();
    spec.x = in.Short();
    spec.y = in.Short();
    spec.cx = in.Short();
    spec.cy = in.Short();
    in.NameOrOrd();  // menu: dialogs here have none
    spec.windowClass = in.NameOrOrd();
    spec.caption = in.String();
    if (spec.style & (DS_SETFONT | DS_FIXEDSYS)) {
        spec.hasFont = (spec.style & DS_SETFONT) != 0;
        spec.pointSize = in.Word();
        if (extended) {
            spec.weight = in.Word();
            spec.italic = in.Byte();
            spec.charset = in.Byte();
        }
        spec.faceName = in.String();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.AlignToDword();
        ItemSpec item;
        if (extended) {
            in.Dword();  // help ID
            item.exStyle = in.Dword();
            item.style = in.Dword();
        } else {
            item.style = in.Dword();
            item.exStyle = in.Dword();
        }
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = extended ? in.Dword() : in.Word();
        item.windowClass = in.NameOrOrd();
        item.title = in.NameOrOrd();
        const BYTE* dataStart = in.Position();
        const WORD dataSize = in.Word();
        if (dataSize) {
            item.creationData = dataStart;
            // The size of DLGTEMPLATE creation data counts its own size word.
            in.Skip(extended ? dataSize : dataSize - std::min<WORD>(dataSize, sizeof(WORD)));
        }
        spec.items.push_back(std::move(item));
    }
    if (!in.ok()) return std::nullopt;
    return spec;
}

std::string ClassNameOf(const NameOrOrdinal& windowClass) {
    if (!windowClass.isOrdinal) return windowClass.name;
    const int index = windowClass.ordinal - kFirstClassOrdinal;
    if (index >= 0 && index < static_cast<int>(std::size(kClassOrdinalNames))) return kClassOrdinalNames[index];
    return win32::core::NameKey(MAKEINTATOM(windowClass.ordinal));
}

// ---- Fonts and dialog units ----

SIZE MeasureBaseUnits(HFONT font) {
    HDC dc = GetDC(nullptr);
    if (!dc) return kSystemBaseUnits;
    HGDIOBJ previous = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    const BOOL measured = GetTextMetricsA(dc, &metrics);
    if (previous) SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    if (!measured || metrics.tmAveCharWidth <= 0 || metrics.tmHeight <= 0) return kSystemBaseUnits;
    return SIZE{metrics.tmAveCharWidth, metrics.tmHeight};
}

HFONT CreateTemplateFont(const DialogSpec& spec) {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(spec.pointSize, win32::core::kLogPixels, win32::core::kPointsPerInch);
    font.lfWeight = spec.weight;
    font.lfItalic = spec.italic;
    font.lfCharSet = spec.charset;
    const size_t length = std::min(spec.faceName.size(), sizeof(font.lfFaceName) - 1);
    spec.faceName.copy(font.lfFaceName, length);
    return CreateFontIndirectA(&font);
}

int HorizontalPixels(int units, SIZE base) { return MulDiv(units, base.cx, kHorizontalUnitsPerBase); }
int VerticalPixels(int units, SIZE base) { return MulDiv(units, base.cy, kVerticalUnitsPerBase); }

DialogInfo& EnsureDialogInfo(Window& window) {
    if (!window.dialog) {
        window.dialog = std::make_unique<DialogInfo>();
        window.dialog->baseUnits = MeasureBaseUnits(nullptr);
    }
    return *window.dialog;
}

// ---- Creation ----

POINT DialogPosition(const DialogSpec& spec, DWORD style, SIZE size, SIZE base, HWND parent) {
    POINT position{HorizontalPixels(spec.x, base), VerticalPixels(spec.y, base)};
    if (style & WS_CHILD) return position;
    if (style & DS_CENTER)
        return POINT{(win32::core::kScreenWidth - size.cx) / 2, (win32::core::kScreenHeight - size.cy) / 2};
    if (style & DS_CENTERMOUSE) {
        POINT cursor{};
        GetCursorPos(&cursor);
        return POINT{cursor.x - size.cx / 2, cursor.y - size.cy / 2};
    }
    if (!(style & DS_ABSALIGN) && parent) ClientToScreen(parent, &position);
    return position;
}


HWND CreateFromTemplate(HINSTANCE instance, const void* data, size_t size, HWND parent, DLGPROC proc, LPARAM param,
                        bool modal) {
    WindowSystem& sys = Sys();
    std::optional<DialogSpec> spec = ParseTemplate(data, size);
    if (!spec) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HFONT font = spec->hasFont ? CreateTemplateFont(*spec) : nullptr;
    const SIZE base = MeasureBaseUnits(font);

    DWORD style = spec->style;
    DWORD exStyle = spec->exStyle;
    if (style & DS_CONTROL) {
        // A dialog inside a dialog: no caption, and Tab walks into it.
        style &= ~(WS_CAPTION | WS_SYSMENU);
        exStyle |= WS_EX_CONTROLPARENT;
    }
    if (style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    if (style & DS_CONTEXTHELP) exStyle |= WS_EX_CONTEXTHELP;
    const SIZE pixels{HorizontalPixels(spec->cx, base), VerticalPixels(spec->cy, base)};
    const POINT position = DialogPosition(*spec, style, pixels, base, parent);
    const std::string className =
        spec->windowClass.name.empty() && !spec->windowClass.isOrdinal ? win32::core::kDialogClassName
                                                                        : ClassNameOf(spec->windowClass);

    HWND dialog = CreateWindowExA(exStyle, className.c_str(), spec->caption.c_str(), style & ~WS_VISIBLE, position.x,
                                  position.y, pixels.cx, pixels.cy, parent, nullptr, instance,
                                  reinterpret_cast<LPVOID>(param));
    if (!dialog) {
        if (font) DeleteObject(font);
        return nullptr;
    }
    DialogInfo& info = EnsureDialogInfo(*sys.Find(dialog));
    info.font = font;
    info.ownsFont = font != nullptr;
    info.baseUnits = base;
    info.modal = modal;
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    if (font) SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    for (const ItemSpec& item : spec->items) {
        if (!IsWindow(dialog)) return nullptr;
        const std::string itemClass = ClassNameOf(item.windowClass);
        const std::string text = item.title.isOrdinal ? std::string() : item.title.name;
        HWND control = CreateWindowExA(
            item.exStyle | WS_EX_NOPARENTNOTIFY, itemClass.c_str(), text.c_str(), item.style | WS_CHILD,
            HorizontalPixels(item.x, base), VerticalPixels(item.y, base), HorizontalPixels(item.cx, base),
            VerticalPixels(item.cy, base), dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance,
            const_cast<BYTE*>(item.creationData));
        if (!control) {
            if (spec->style & DS_NOFAILCREATE) continue;
            DestroyWindow(dialog);
            return nullptr;
        }
        if (font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        // The first default push button is the dialog's default, whatever the
        // focus later makes of the button styles.
        DialogInfo* current = win32::core::DialogOf(dialog);
        if (current && current->defaultId == 0 && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
            current->defaultId = item.id;
    }
    if (!IsWindow(dialog)) return nullptr;

    HWND first = win32::core::FirstTabItem(dialog);
    const LRESULT wantsFocus = SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!IsWindow(dialog)) return nullptr;
    if (wantsFocus) {
        if (!IsWindow(first)) first = win32::core::FirstTabItem(dialog);
        if (first) win32::core::DialogSetFocus(dialog, first);
    }
    if (!modal && (spec->style & WS_VISIBLE)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        UpdateWindow(dialog);
    }
    return IsWindow(dialog) ? dialog : nullptr;
}

// Finds a template among the module's resources.
const void* FindTemplate(HINSTANCE instance, LPCSTR name, size_t& size) {
    HRSRC resource = FindResourceA(instance, name, RT_DIALOG);
    if (!resource) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    size = SizeofResource(instance, resource);
    HGLOBAL loaded = LoadResource(instance, resource);
    return loaded ? LockResource(loaded) : nullptr;
}

// ---- The modal loop ----

void RunModalLoop(HWND dialog, HWND owner) {
    MSG msg;
    for (;;) {
        const DialogInfo* info = win32::core::DialogOf(dialog);
        if (!info || info->ended) return;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (owner && !(GetWindowLongA(dialog, GWL_STYLE) & DS_NOIDLEMSG))
                SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            info = win32::core::DialogOf(dialog);
            if (!info || info->ended) return;
            if (!GetMessageA(&msg, nullptr, 0, 0)) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop ends too
                return;
            }
        } else if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

INT_PTR RunModal(HINSTANCE instance, const void* data, size_t size, HWND parent, DLGPROC proc, LPARAM param) {
    HWND dialog = CreateFromTemplate(instance, data, size, parent, proc, param, true);
    if (!dialog) return -1;
    HWND owner = GetWindow(dialog, GW_OWNER);
    bool disabledOwner = false;
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner = true;
    }
    if (DialogInfo* info = win32::core::DialogOf(dialog)) info->ownerDisabled = disabledOwner;
    DialogInfo* info = win32::core::DialogOf(dialog);
    if (info && !info->ended) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        UpdateWindow(dialog);
    }
    RunModalLoop(dialog, owner);
    info = win32::core::DialogOf(dialog);
    const INT_PTR result = info ? info->result : 0;
    if (info && info->ownerDisabled && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return result;
}

// ---- DefDlgProc ----

// Messages whose dialog-procedure result is the message result itself.
bool ReturnsProcedureResult(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG: return true;
    default: return false;
    }
}

bool CanTakeFocus(HWND dialog, HWND control) {
    return control && IsChild(dialog, control) && IsWindowVisible(control) &&
           !win32::core::IsDisabledOrInDisabled(control);
}

// The focus goes back to the control that had it last, else to the first tab stop.
bool RestoreFocus(HWND dialog) {
    const DialogInfo* info = win32::core::DialogOf(dialog);
    HWND target = info && CanTakeFocus(dialog, info->lastFocus) ? info->lastFocus : win32::core::FirstTabItem(dialog);
    if (!target) return false;
    win32::core::DialogSetFocus(dialog, target);
    return true;
}

LRESULT OnEraseBackground(HWND dialog, WPARAM wParam) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(dialog, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(dialog)));
    if (!brush) brush = GetSysColorBrush(COLOR_3DFACE);
    RECT client{};
    GetClientRect(dialog, &client);
    win32::core::FillWithBrush(dc, client, brush);
    return TRUE;
}

HWND FindDefaultPushButton(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) return child;
    return nullptr;
}

LRESULT OnGetDefId(HWND dialog, const DialogInfo& info) {
    if (info.ended) return 0;
    if (info.defaultId) return MakeLResult(info.defaultId, DC_HASDEFID);
    if (HWND button = FindDefaultPushButton(dialog)) return MakeLResult(GetDlgCtrlID(button), DC_HASDEFID);
    return 0;
}

void SetButtonStyle(HWND button, DWORD type) {
    if (button) SendMessageA(button, BM_SETSTYLE, type, TRUE);
}

LRESULT OnSetDefId(HWND dialog, DialogInfo& info, WPARAM id) {
    HWND old = info.defaultId ? GetDlgItem(dialog, static_cast<int>(info.defaultId)) : nullptr;
    if (old && (SendMessageA(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) SetButtonStyle(old, BS_PUSHBUTTON);
    info.defaultId = static_cast<UINT>(id);
    HWND focus = GetFocus();
    const bool focusOnPushButton =
        focus && IsChild(dialog, focus) &&
        (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
    HWND button = GetDlgItem(dialog, static_cast<int>(id));
    if (button && !focusOnPushButton && (SendMessageA(button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
        SetButtonStyle(button, BS_DEFPUSHBUTTON);
    return TRUE;
}

void OnNextDialogControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND target = nullptr;
    if (LowWord(lParam)) {
        target = reinterpret_cast<HWND>(wParam);
    } else {
        HWND focus = GetFocus();
        if (focus && !IsChild(dialog, focus)) focus = nullptr;
        target = GetNextDlgTabItem(dialog, focus, wParam != 0);
    }
    if (target) win32::core::DialogSetFocus(dialog, target);
}

void OnClose(HWND dialog) {
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) {
        MessageBeep(0);
        return;
    }
    PostMessageA(dialog, WM_COMMAND, MakeWParam(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

LRESULT DialogDefault(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Sys().Find(dialog);
    DialogInfo& info = EnsureDialogInfo(*window);
    switch (message) {
    case WM_ERASEBKGND: return OnEraseBackground(dialog, wParam);
    case WM_ACTIVATE:
        if (LowWord(wParam) != WA_INACTIVE && !RestoreFocus(dialog)) SetFocus(dialog);
        return 0;
    case WM_SETFOCUS: RestoreFocus(dialog); return 0;
    case DM_GETDEFID: return OnGetDefId(dialog, info);
    case DM_SETDEFID: return OnSetDefId(dialog, info, wParam);
    case DM_REPOSITION: return 0;
    case WM_NEXTDLGCTL: OnNextDialogControl(dialog, wParam, lParam); return 0;
    case WM_CLOSE: OnClose(dialog); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(info.font);
    case WM_SETFONT: info.font = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_NCDESTROY:
        if (info.ownsFont && info.font) DeleteObject(info.font);
        window->dialog.reset();
        return DefWindowProcA(dialog, message, wParam, lParam);
    default: return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

UINT ParseInteger(const std::string& text, BOOL* translated, bool isSigned) {
    if (translated) *translated = FALSE;
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (isSigned && i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    unsigned long long value = 0;
    const size_t firstDigit = i;
    constexpr unsigned long long kLimit = 0xFFFFFFFFull;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > kLimit) return 0;
    }
    if (i == firstDigit) return 0;
    if (isSigned) {
        const unsigned long long limit = negative ? static_cast<unsigned long long>(INT_MAX) + 1 : INT_MAX;
        if (value > limit) return 0;
        if (translated) *translated = TRUE;
        const long long signedValue = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
        return static_cast<UINT>(static_cast<int>(signedValue));
    }
    if (translated) *translated = TRUE;
    return static_cast<UINT>(value);
}

LRESULT CALLBACK DialogClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcA(hwnd, message, wParam, lParam);
}

}  // namespace

namespace win32::core {

DialogInfo* DialogOf(HWND hwnd) {
    Window* window = Sys().Find(hwnd);
    return window ? window->dialog.get() : nullptr;
}

void WindowSystem::RegisterLibraryClasses() {
    auto dialogClass = std::make_unique<WindowClass>();
    dialogClass->name = kDialogClassName;
    dialogClass->style = CS_DBLCLKS | CS_SAVEBITS;
    dialogClass->proc = DialogClassProc;
    dialogClass->windowExtraBytes = DLGWINDOWEXTRA;
    dialogClass->cursor = LoadCursorA(nullptr, IDC_ARROW);
    dialogClass->library = true;
    AddClass(std::move(dialogClass));
}

}  // namespace win32::core

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    return CreateFromTemplate(hInstance, lpTemplate, 0, hWndParent, lpDialogFunc, dwInitParam, false);
}

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
    size_t size = 0;
    const void* data = FindTemplate(hInstance, lpTemplateName, size);
    if (!data) return nullptr;
    return CreateFromTemplate(hInstance, data, size, hWndParent, lpDialogFunc, dwInitParam, false);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    return RunModal(hInstance, hDialogTemplate, 0, hWndParent, lpDialogFunc, dwInitParam);
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
    size_t size = 0;
    const void* data = FindTemplate(hInstance, lpTemplateName, size);
    if (!data) return -1;
    return RunModal(hInstance, data, size, hWndParent, lpDialogFunc, dwInitParam);
}

LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* window = Sys().Find(hDlg);
    if (!window) return 0;
    EnsureDialogInfo(*window);
    const bool hasDialogBytes = window->extra.size() >= DLGWINDOWEXTRA;
    auto proc = hasDialogBytes ? reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hDlg, DWLP_DLGPROC)) : nullptr;
    if (hasDialogBytes) SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 0);
    const INT_PTR handled = proc ? proc(hDlg, Msg, wParam, lParam) : 0;
    if (!IsWindow(hDlg)) return handled;
    if (handled) return ReturnsProcedureResult(Msg) ? handled : GetWindowLongPtrA(hDlg, DWLP_MSGRESULT);
    return DialogDefault(hDlg, Msg, wParam, lParam);
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
    DialogInfo* info = win32::core::DialogOf(hDlg);
    if (!info) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    info->ended = true;
    info->result = nResult;
    // The owner comes back first, so that it takes the activation when the dialog hides.
    if (info->ownerDisabled) {
        info->ownerDisabled = false;
        if (HWND owner = GetWindow(hDlg, GW_OWNER)) EnableWindow(owner, TRUE);
    }
    SetWindowPos(hDlg, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

LONG WINAPI GetDialogBaseUnits(void) {
    const SIZE base = MeasureBaseUnits(nullptr);
    return MakeLong(base.cx, base.cy);
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
    const DialogInfo* info = win32::core::DialogOf(hDlg);
    if (!info || !lpRect) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    lpRect->left = HorizontalPixels(lpRect->left, info->baseUnits);
    lpRect->right = HorizontalPixels(lpRect->right, info->baseUnits);
    lpRect->top = VerticalPixels(lpRect->top, info->baseUnits);
    lpRect->bottom = VerticalPixels(lpRect->bottom, info->baseUnits);
    return TRUE;
}

// ---- Dialog items ----

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
    HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item ? SetWindowTextA(item, lpString) : FALSE;
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
    if (lpString && cchMax > 0) lpString[0] = '\0';
    HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item ? static_cast<UINT>(GetWindowTextA(item, lpString, cchMax)) : 0;
}

BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
    char text[sizeof("-4294967295")];
    if (bSigned)
        std::snprintf(text, sizeof(text), "%d", static_cast<int>(uValue));
    else
        std::snprintf(text, sizeof(text), "%u", uValue);
    return SetDlgItemTextA(hDlg, nIDDlgItem, text);
}

UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
    if (lpTranslated) *lpTranslated = FALSE;
    HWND item = GetDlgItem(hDlg, nIDDlgItem);
    if (!item) return 0;
    std::string text(static_cast<size_t>(GetWindowTextLengthA(item)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
    return ParseInteger(text, lpTranslated, bSigned != FALSE);
}

BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
    HWND button = GetDlgItem(hDlg, nIDButton);
    if (!button) return FALSE;
    SendMessageA(button, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    HWND button = GetDlgItem(hDlg, nIDButton);
    return button ? static_cast<UINT>(SendMessageA(button, BM_GETCHECK, 0, 0)) : 0;
}

BOOL WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    bool found = false;
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        HWND button = GetDlgItem(hDlg, id);
        if (!button) continue;
        found = true;
        SendMessageA(button, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return found ? TRUE : FALSE;
}

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item ? SendMessageA(item, Msg, wParam, lParam) : 0;
}
