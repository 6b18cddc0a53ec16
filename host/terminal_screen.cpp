// The terminal front end's drawing: windows read from the window tree and
// put into character cells.
#include "terminal_screen.h"

#include <afxdlgs.h>
#include <commctrl.h>
#include <spin_button.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "control_dump.h"

#define NCURSES_NOMACROS  // no function-like macros: they would rename members such as clear()
#include <curses.h>

namespace {

using CellRect = CTerminalScreen::CellRect;

// Every top-level window gets a frame one cell wide around its client area;
// its caption stands in the top edge.
constexpr int kFrameCells = 1;
// The status line is the terminal's last row.
constexpr int kStatusRows = 1;
// A group box's frame runs through the middle of its caption's line.
constexpr int kGroupCaptionHalfHeight = 6;
// One line of the dialog font: a static control this high or higher wraps its text.
constexpr int kTextLineHeight = 13;
constexpr char kMnemonicPrefix = '&';
constexpr wchar_t kPasswordCharacter = L'*';

// Message boxes: the widest line of text, the blank margin inside the frame,
// and the gap between buttons.
constexpr int kMessageBoxTextWidth = 56;
constexpr int kMessageBoxMargin = 2;
constexpr int kMessageBoxButtonGap = 2;
// Rows of a message box besides its text: frame, blank, blank, buttons, frame.
constexpr int kMessageBoxExtraRows = 5;

constexpr char kKeysHint[] =
    "Tab/Shift+Tab move  Space/Enter press  Alt+letter  Ctrl+PgUp/PgDn page  F1 help  Esc cancel";

constexpr char kEditClass[] = "Edit";
constexpr char kButtonClass[] = "Button";
constexpr char kStaticClass[] = "Static";
constexpr char kListBoxClass[] = "ListBox";
constexpr char kComboListClass[] = "ComboLBox";  // a combo box's list
constexpr char kComboBoxClass[] = "ComboBox";

int FloorDivide(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The text a label shows: "&&" is one '&', "&x" underlines x.
struct LabelCell {
    wchar_t wch;
    bool bMnemonic;
};
std::vector<LabelCell> LabelCells(std::string_view text, bool bPrefix) {
    std::vector<LabelCell> cells;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool bMnemonic = false;
        if (bPrefix && c == kMnemonicPrefix && i + 1 < text.size()) {
            c = text[++i];
            bMnemonic = c != kMnemonicPrefix;
        }
        const auto byte = static_cast<unsigned char>(c);
        cells.push_back({byte < ' ' ? L' ' : static_cast<wchar_t>(byte), bMnemonic});
    }
    return cells;
}

int LabelWidth(std::string_view text, bool bPrefix) { return static_cast<int>(LabelCells(text, bPrefix).size()); }

// Text broken into lines at its line breaks and between words, so that no
// line is wider than nWidth cells (a longer word is cut).
std::vector<std::string> WrapText(std::string_view text, int nWidth, bool bPrefix) {
    std::vector<std::string> lines;
    std::string line;
    const auto flush = [&lines, &line] {
        lines.push_back(line);
        line.clear();
    };
    size_t at = 0;
    while (at <= text.size()) {
        const size_t end = std::min(text.find_first_of(" \n", at), text.size());
        std::string word(text.substr(at, end - at));
        std::erase(word, '\r');
        if (word.empty() && end < text.size() && text[end] == ' ') {  // runs of blanks fold into one
            at = end + 1;
            continue;
        }
        if (!line.empty() && LabelWidth(line + ' ' + word, bPrefix) > nWidth) flush();
        while (LabelWidth(word, bPrefix) > nWidth) {
            if (!line.empty()) flush();
            line = word.substr(0, static_cast<size_t>(nWidth));
            word.erase(0, static_cast<size_t>(nWidth));
            flush();
        }
        line = line.empty() ? word : line + ' ' + word;
        if (end < text.size() && text[end] == '\n') flush();
        at = end + 1;
    }
    flush();
    return lines;
}

// Writing into cells, kept inside a clip rectangle and the terminal.
class Canvas {
public:
    explicit Canvas(const CellRect& clip) : m_clip(clip) {}

    void Put(int nRow, int nColumn, wchar_t wch, attr_t attr) const {
        if (!Visible(nRow, nColumn)) return;
        const wchar_t text[] = {wch, L'\0'};
        cchar_t cell{};
        setcchar(&cell, text, attr, 0, nullptr);
        mvadd_wch(nRow, nColumn, &cell);
    }
    void PutSymbol(int nRow, int nColumn, const cchar_t* symbol, attr_t attr) const {
        if (!Visible(nRow, nColumn)) return;
        attrset(attr);
        mvadd_wch(nRow, nColumn, symbol);
        attrset(A_NORMAL);
    }
    // Writes a label from nColumn, at most nWidth cells (negative: no limit); the cells written.
    int PutLabel(int nRow, int nColumn, std::string_view text, attr_t attr, bool bPrefix, int nWidth = -1) const {
        int nWritten = 0;
        for (const LabelCell& cell : LabelCells(text, bPrefix)) {
            if (nWidth >= 0 && nWritten >= nWidth) break;
            Put(nRow, nColumn + nWritten, cell.wch, attr | (cell.bMnemonic ? A_UNDERLINE : A_NORMAL));
            ++nWritten;
        }
        return nWritten;
    }
    void Fill(const CellRect& rect, attr_t attr) const {
        for (int nRow = rect.nTop; nRow <= rect.nBottom; ++nRow) {
            for (int nColumn = rect.nLeft; nColumn <= rect.nRight; ++nColumn) Put(nRow, nColumn, L' ', attr);
        }
    }
    void HorizontalLine(int nRow, int nFirst, int nLast, attr_t attr) const {
        for (int nColumn = nFirst; nColumn <= nLast; ++nColumn) PutSymbol(nRow, nColumn, WACS_HLINE, attr);
    }
    void VerticalLine(int nColumn, int nFirst, int nLast, attr_t attr) const {
        for (int nRow = nFirst; nRow <= nLast; ++nRow) PutSymbol(nRow, nColumn, WACS_VLINE, attr);
    }
    // A frame on the edge of rect; a rect one row high or one column wide is a rule.
    void Frame(const CellRect& rect, attr_t attr) const {
        if (rect.nTop == rect.nBottom) return HorizontalLine(rect.nTop, rect.nLeft, rect.nRight, attr);
        if (rect.nLeft == rect.nRight) return VerticalLine(rect.nLeft, rect.nTop, rect.nBottom, attr);
        HorizontalLine(rect.nTop, rect.nLeft + 1, rect.nRight - 1, attr);
        HorizontalLine(rect.nBottom, rect.nLeft + 1, rect.nRight - 1, attr);
        VerticalLine(rect.nLeft, rect.nTop + 1, rect.nBottom - 1, attr);
        VerticalLine(rect.nRight, rect.nTop + 1, rect.nBottom - 1, attr);
        PutSymbol(rect.nTop, rect.nLeft, WACS_ULCORNER, attr);
        PutSymbol(rect.nTop, rect.nRight, WACS_URCORNER, attr);
        PutSymbol(rect.nBottom, rect.nLeft, WACS_LLCORNER, attr);
        PutSymbol(rect.nBottom, rect.nRight, WACS_LRCORNER, attr);
    }

private:
    CellRect m_clip;

    bool Visible(int nRow, int nColumn) const {
        return m_clip.Contains(nRow, nColumn) && nRow >= 0 && nRow < LINES && nColumn >= 0 && nColumn < COLS;
    }
};

bool IsUpDown(const ControlSnapshot& control) {
    return control.IsClass(UPDOWN_CLASSA) || control.IsClass(SPIN_BUTTON_CLASS);
}

bool IsStaticFrame(const ControlSnapshot& control) {
    if (!control.IsClass(kStaticClass)) return false;
    switch (control.dwStyle & SS_TYPEMASK) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
    case SS_ETCHEDHORZ:
    case SS_ETCHEDVERT:
    case SS_ETCHEDFRAME: return true;
    default: return false;
    }
}

bool IsList(const ControlSnapshot& control) {
    return control.IsClass(kListBoxClass) || control.IsClass(kComboListClass);
}

bool HasBorder(HWND hWnd, const ControlSnapshot& control) {
    return (control.dwStyle & WS_BORDER) || (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

std::string ListItemText(HWND hWnd, int nItem) {
    const LRESULT nLength = ::SendMessageA(hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nItem), 0);
    if (nLength <= 0) return std::string();
    std::string text(static_cast<size_t>(nLength) + 1, '\0');
    const LRESULT nCopied =
        ::SendMessageA(hWnd, LB_GETTEXT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, nCopied)));
    return text;
}

bool IsGroupBox(const ControlSnapshot& control) {
    return control.IsClass(kButtonClass) && (control.dwStyle & BS_TYPEMASK) == BS_GROUPBOX;
}

// Drawn before the other controls, so that labels standing on them stay readable.
bool IsFrame(const ControlSnapshot& control) { return IsGroupBox(control) || IsStaticFrame(control); }

attr_t BaseAttributes(const ControlSnapshot& control) { return control.bEnabled ? A_NORMAL : A_DIM; }

// Where a mouse press on the middle of a window lands.
POINT CentreOf(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace

// ---- Geometry ----

int CTerminalScreen::RowOf(int y) const { return kFrameCells + FloorDivide(y - m_ptOrigin.y, TERMINAL_PIXELS_PER_ROW); }

int CTerminalScreen::ColumnOf(int x) const {
    return kFrameCells + FloorDivide(x - m_ptOrigin.x, TERMINAL_PIXELS_PER_COLUMN);
}

CellRect CTerminalScreen::CellsOf(const RECT& rcScreen) const {
    return CellRect{RowOf(rcScreen.top), ColumnOf(rcScreen.left), RowOf(rcScreen.bottom - 1),
                    ColumnOf(rcScreen.right - 1)};
}

POINT CTerminalScreen::PixelOf(int nRow, int nColumn) const {
    return POINT{m_ptOrigin.x + (nColumn - kFrameCells) * TERMINAL_PIXELS_PER_COLUMN + TERMINAL_PIXELS_PER_COLUMN / 2,
                 m_ptOrigin.y + (nRow - kFrameCells) * TERMINAL_PIXELS_PER_ROW + TERMINAL_PIXELS_PER_ROW / 2};
}

void CTerminalScreen::AddRegion(int nRow, int nFirst, int nLast, std::function<POINT(int)> pointAt) {
    if (nFirst > nLast) return;
    m_regions.push_back({nRow, std::max(nFirst, m_clip.nLeft), std::min(nLast, m_clip.nRight), std::move(pointAt)});
}

void CTerminalScreen::AddCentreRegion(int nRow, int nFirst, int nLast, const RECT& rcScreen) {
    const POINT centre = CentreOf(rcScreen);
    AddRegion(nRow, nFirst, nLast, [centre](int) { return centre; });
}

std::optional<POINT> CTerminalScreen::PointAt(int nRow, int nColumn) const {
    for (auto it = m_regions.rbegin(); it != m_regions.rend(); ++it) {
        if (it->nRow == nRow && nColumn >= it->nFirst && nColumn <= it->nLast) return it->pointAt(nColumn);
    }
    for (const CellRect& area : m_windowAreas) {
        if (area.Contains(nRow, nColumn)) return PixelOf(nRow, nColumn);
    }
    return std::nullopt;
}

std::optional<size_t> CTerminalScreen::MessageBoxButtonAt(int nRow, int nColumn) const {
    for (const ButtonRegion& button : m_messageBoxButtons) {
        if (button.nRow == nRow && nColumn >= button.nFirst && nColumn <= button.nLast) return button.nButton;
    }
    return std::nullopt;
}

// ---- Drawing ----

void CTerminalScreen::Draw(const CPropertySheet* pSheet, const std::string& strStatus) {
    m_pSheet = pSheet;
    m_regions.clear();
    m_windowAreas.clear();
    m_messageBoxButtons.clear();
    m_caret.reset();
    werase(stdscr);

    // Top-level windows, the topmost first.
    std::vector<HWND> windows;
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            RECT rect{};
            if (::IsWindowVisible(hWnd) && ::GetWindowRect(hWnd, &rect) && !::IsRectEmpty(&rect)) {
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));

    RECT rcUnion{};
    for (HWND hWnd : windows) {
        RECT rect{};
        ::GetWindowRect(hWnd, &rect);
        ::UnionRect(&rcUnion, &rcUnion, &rect);
    }
    m_ptOrigin = POINT{rcUnion.left, rcUnion.top};
    const CellRect client = CellsOf(rcUnion);
    m_used = CellRect{client.nTop - kFrameCells, client.nLeft - kFrameCells, client.nBottom + kFrameCells,
                      client.nRight + kFrameCells};
    const int nRowsNeeded = m_used.nBottom + 1 + kStatusRows;
    const int nColumnsNeeded = m_used.nRight + 1;
    if (!windows.empty() && (LINES < nRowsNeeded || COLS < nColumnsNeeded)) {
        DrawTooSmall(nRowsNeeded, nColumnsNeeded);
        return;
    }

    for (auto it = windows.rbegin(); it != windows.rend(); ++it) DrawTopLevel(*it);

    const Canvas status(CellRect{LINES - kStatusRows, 0, LINES - 1, COLS - 1});
    status.PutLabel(LINES - kStatusRows, 0, strStatus.empty() ? kKeysHint : strStatus, A_BOLD, false);
}

void CTerminalScreen::DrawTooSmall(int nRowsNeeded, int nColumnsNeeded) {
    const std::string message = "The terminal is too small: the window needs " + std::to_string(nColumnsNeeded) +
                                " x " + std::to_string(nRowsNeeded) + " cells, the terminal has " +
                                std::to_string(COLS) + " x " + std::to_string(LINES) + ".";
    const Canvas canvas(CellRect{0, 0, LINES - 1, COLS - 1});
    // Wrapped at the terminal's width, so that even a narrow one shows it all.
    int nRow = 0;
    for (const std::string& line : WrapText(message, std::max(1, COLS), false))
        canvas.PutLabel(nRow++, 0, line, A_BOLD, false);
}

void CTerminalScreen::DrawTopLevel(HWND hWnd) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    const CellRect client = CellsOf(rect);
    const CellRect frame{client.nTop - kFrameCells, client.nLeft - kFrameCells, client.nBottom + kFrameCells,
                         client.nRight + kFrameCells};
    const Canvas whole(frame);
    whole.Fill(frame, A_NORMAL);
    whole.Frame(frame, A_NORMAL);
    if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CAPTION) {
        const std::string title = ' ' + WindowText(hWnd) + ' ';
        whole.PutLabel(frame.nTop, frame.nLeft + 2, title, A_BOLD, false, frame.nRight - frame.nLeft - 3);
    }
    // A window drawn over others takes their presses there.
    m_regions.erase(std::remove_if(m_regions.begin(), m_regions.end(),
                                   [&frame](const HitRegion& region) {
                                       return region.nRow >= frame.nTop && region.nRow <= frame.nBottom &&
                                              region.nLast >= frame.nLeft && region.nFirst <= frame.nRight;
                                   }),
                    m_regions.end());
    m_windowAreas.insert(m_windowAreas.begin(), client);
    m_clip = client;
    if (m_pSheet && hWnd == m_pSheet->m_hWnd) DrawTabRule();
    DrawChildren(hWnd);
    // Dropped lists stand over the controls below their combo boxes.
    for (HWND hWndList : std::exchange(m_dropped, {})) {
        const ControlSnapshot list = ReadControl(hWndList);
        Canvas(m_clip).Fill(CellsOf(list.rcScreen), A_NORMAL);
        DrawControl(hWndList, false);
    }
}

// The line under the sheet's tabs, open under the active one.
void CTerminalScreen::DrawTabRule() {
    HWND hWndTab = m_pSheet->GetTabButton(0);
    RECT rect{};
    if (!hWndTab || !::IsWindowVisible(hWndTab) || !::GetWindowRect(hWndTab, &rect)) return;
    const CellRect tab = CellsOf(rect);
    if (tab.nBottom == RowOf(CentreOf(rect).y)) return;  // no row to spare under the captions
    Canvas(m_clip).HorizontalLine(tab.nBottom, m_clip.nLeft, m_clip.nRight, A_NORMAL);
}

void CTerminalScreen::DrawChildren(HWND hWndParent) {
    for (bool bFramesPass : {true, false}) {
        for (HWND hWnd = ::GetWindow(hWndParent, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
            if (::IsWindowVisible(hWnd)) DrawControl(hWnd, bFramesPass);
        }
    }
}

// A control read from the window tree and placed on cells.
struct CTerminalScreen::ControlView {
    HWND hWnd;
    ControlSnapshot control;
    CellRect cells;  // the cells its rectangle covers
    int nRow;        // the row of its middle, where a one-line control is drawn
    int nWidth;      // columns
    attr_t base;     // dim when disabled
    attr_t focus;    // reverse when it has the focus
};

void CTerminalScreen::DrawControl(HWND hWnd, bool bFramesPass) {
    ControlSnapshot control = ReadControl(hWnd);
    if (IsFrame(control) != bFramesPass) return;
    // A window of another kind that holds windows (a page) is only what it holds.
    const bool bKnown = control.IsClass(kButtonClass) || control.IsClass(kEditClass) || control.IsClass(kStaticClass) ||
                        IsUpDown(control) || IsList(control) || control.IsClass(kComboBoxClass);
    if (!bKnown && ::GetWindow(hWnd, GW_CHILD)) return DrawChildren(hWnd);
    const RECT rc = control.rcScreen;
    if (rc.right <= rc.left || rc.bottom <= rc.top) return;
    const CellRect cells = CellsOf(rc);
    const attr_t base = BaseAttributes(control);
    const attr_t focus = control.bFocus ? A_REVERSE : A_NORMAL;
    const ControlView view{hWnd, std::move(control), cells, RowOf(CentreOf(rc).y), cells.nRight - cells.nLeft + 1, base,
                           focus};

    if (IsGroupBox(view.control)) return DrawGroupBox(view);
    if (IsStaticFrame(view.control)) return DrawStaticFrame(view);
    if (const int nTab = TabIndexOf(hWnd); nTab >= 0) return DrawTab(view, nTab);
    if (view.control.IsClass(kButtonClass)) return DrawButton(view);
    if (view.control.IsClass(kEditClass)) return DrawEdit(view);
    if (IsUpDown(view.control)) return DrawUpDown(view);
    if (view.control.IsClass(kStaticClass)) return DrawStatic(view);
    if (IsList(view.control)) return DrawList(view);
    if (view.control.IsClass(kComboBoxClass)) return DrawComboBox(view);
    // Any other control: its text.
    Canvas(m_clip).PutLabel(view.nRow, cells.nLeft, TrimRight(view.control.strText), base | focus, false, view.nWidth);
    AddCentreRegion(view.nRow, cells.nLeft, cells.nRight, rc);
}

int CTerminalScreen::TabIndexOf(HWND hWnd) const {
    if (!m_pSheet) return -1;
    for (int nTab = 0; nTab < m_pSheet->GetPageCount(); ++nTab) {
        if (m_pSheet->GetTabButton(nTab) == hWnd) return nTab;
    }
    return -1;
}

void CTerminalScreen::DrawGroupBox(const ControlView& view) {
    const Canvas canvas(m_clip);
    CellRect frame = view.cells;
    frame.nTop = std::min(RowOf(view.control.rcScreen.top + kGroupCaptionHalfHeight), frame.nBottom);
    canvas.Frame(frame, view.base);
    if (!view.control.strText.empty()) {
        canvas.PutLabel(frame.nTop, frame.nLeft + 1, ' ' + view.control.strText + ' ', view.base, true,
                        view.nWidth - 2);
    }
}

void CTerminalScreen::DrawStaticFrame(const ControlView& view) {
    const DWORD dwStatic = view.control.dwStyle & SS_TYPEMASK;
    CellRect line = view.cells;
    if (dwStatic == SS_ETCHEDHORZ) line.nBottom = line.nTop;
    if (dwStatic == SS_ETCHEDVERT) line.nRight = line.nLeft;
    Canvas(m_clip).Frame(line, view.base);
}

// The active tab in brackets, bold, and open to the page below it.
void CTerminalScreen::DrawTab(const ControlView& view, int nTab) {
    const Canvas canvas(m_clip);
    const CellRect& cells = view.cells;
    const bool bActive = nTab == m_pSheet->GetActiveIndex();
    const std::string label = (bActive ? "[ " : "  ") + view.control.strText + (bActive ? " ]" : "  ");
    const int nStart = cells.nLeft + std::max(0, (view.nWidth - LabelWidth(label, true)) / 2);
    canvas.PutLabel(view.nRow, nStart, label, view.base | view.focus | (bActive ? A_BOLD : A_NORMAL), true,
                    view.nWidth);
    if (bActive && cells.nBottom > view.nRow) {
        canvas.Fill(CellRect{cells.nBottom, cells.nLeft, cells.nBottom, cells.nRight}, A_NORMAL);
    }
    AddCentreRegion(view.nRow, cells.nLeft, cells.nRight, view.control.rcScreen);
}

void CTerminalScreen::DrawButton(const ControlView& view) {
    const Canvas canvas(m_clip);
    const ControlSnapshot& control = view.control;
    const CellRect& cells = view.cells;
    const DWORD dwType = control.dwStyle & BS_TYPEMASK;
    const bool bCheckBox =
        dwType == BS_CHECKBOX || dwType == BS_AUTOCHECKBOX || dwType == BS_3STATE || dwType == BS_AUTO3STATE;
    const bool bRadio = dwType == BS_RADIOBUTTON || dwType == BS_AUTORADIOBUTTON;
    if (bCheckBox || bRadio) {
        std::string box;
        if (bRadio) {
            box = control.nCheck == BST_CHECKED ? "(*)" : "( )";
        } else {
            box = control.nCheck == BST_CHECKED ? "[x]" : control.nCheck == BST_INDETERMINATE ? "[-]" : "[ ]";
        }
        const int nCaption = LabelWidth(control.strText, true);
        const int nBox = static_cast<int>(box.size());
        if (control.dwStyle & BS_LEFTTEXT) {
            canvas.PutLabel(view.nRow, cells.nLeft, control.strText, view.base | view.focus, true);
            canvas.PutLabel(view.nRow, cells.nLeft + nCaption + 1, box, view.base, false);
        } else {
            canvas.PutLabel(view.nRow, cells.nLeft, box, view.base, false);
            canvas.PutLabel(view.nRow, cells.nLeft + nBox + 1, control.strText, view.base | view.focus, true);
        }
        AddCentreRegion(view.nRow, cells.nLeft, std::max(cells.nRight, cells.nLeft + nBox + nCaption),
                        control.rcScreen);
        return;
    }
    // A push button: its caption between angle brackets, in the middle of its width.
    const attr_t attr = view.base | view.focus | (dwType == BS_DEFPUSHBUTTON ? A_BOLD : A_NORMAL);
    const std::string label =
        LabelWidth(control.strText, true) + 4 <= view.nWidth ? "< " + control.strText + " >" : control.strText;
    canvas.PutLabel(view.nRow, cells.nLeft + std::max(0, (view.nWidth - LabelWidth(label, true)) / 2), label, attr,
                    true, view.nWidth);
    AddCentreRegion(view.nRow, cells.nLeft, cells.nRight, control.rcScreen);
}

void CTerminalScreen::DrawEdit(const ControlView& view) {
    const Canvas canvas(m_clip);
    const ControlSnapshot& control = view.control;
    const int nRow = view.nRow;
    // A bordered edit shows its border as brackets around the field.
    CellRect field{nRow, view.cells.nLeft, nRow, view.cells.nRight};
    const bool bBorder = (control.dwStyle & WS_BORDER) || (::GetWindowLongA(view.hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    if (bBorder && view.nWidth > 2) {
        canvas.Put(nRow, field.nLeft++, L'[', view.base);
        canvas.Put(nRow, field.nRight--, L']', view.base);
    }
    const int nFieldWidth = field.nRight - field.nLeft + 1;
    const attr_t attr = view.base | A_UNDERLINE | (control.bFocus ? A_BOLD : A_NORMAL);
    canvas.Fill(field, attr);
    const auto first = static_cast<size_t>(std::max(0, control.nFirstVisible));
    const bool bPassword = control.dwStyle & ES_PASSWORD;
    for (size_t i = first; i < control.strText.size() && static_cast<int>(i - first) < nFieldWidth; ++i) {
        const auto byte = static_cast<unsigned char>(control.strText[i]);
        const bool bSelected = control.bFocus && i >= control.dwSelStart && i < control.dwSelEnd;
        const wchar_t wch = bPassword ? kPasswordCharacter : byte < ' ' ? L' ' : static_cast<wchar_t>(byte);
        canvas.Put(nRow, field.nLeft + static_cast<int>(i - first), wch, attr | (bSelected ? A_REVERSE : A_NORMAL));
    }
    if (control.bFocus) {
        // The window system keeps no caret for the edit: it stands at the end of the selection.
        const int nCaret = static_cast<int>(control.dwSelEnd) - static_cast<int>(first);
        m_caret = std::pair{nRow, std::clamp(field.nLeft + nCaret, field.nLeft, field.nRight)};
    }
    // A press on a character puts the caret before it, as on the edit's own pixels.
    const HWND hWnd = view.hWnd;
    const RECT rcEdit = control.rcScreen;
    const int nLeft = field.nLeft;
    const size_t nLength = control.strText.size();
    AddRegion(nRow, view.cells.nLeft, view.cells.nRight, [hWnd, rcEdit, nLeft, first, nLength](int nColumn) {
        const size_t index = std::min(nLength, first + static_cast<size_t>(std::max(0, nColumn - nLeft)));
        const LRESULT lResult = ::SendMessageA(hWnd, EM_POSFROMCHAR, index, 0);
        if (lResult == -1) return CentreOf(rcEdit);
        POINT point{static_cast<short>(LOWORD(lResult)), static_cast<short>(HIWORD(lResult))};
        ::ClientToScreen(hWnd, &point);
        point.x = std::clamp(point.x, rcEdit.left, rcEdit.right - 1);
        point.y = std::clamp(point.y, rcEdit.top, rcEdit.bottom - 1);
        return point;
    });
}

// Two arrows side by side; a press on one is a press on that half of the control.
void CTerminalScreen::DrawUpDown(const ControlView& view) {
    const Canvas canvas(m_clip);
    const RECT& rc = view.control.rcScreen;
    const bool bHorizontal = view.control.IsClass(UPDOWN_CLASSA) && (view.control.dwStyle & UDS_HORZ);
    const attr_t attr = view.base | view.focus;
    const POINT centre = CentreOf(rc);
    // A horizontal control's first arrow points left (down), a vertical one's up.
    const POINT first =
        bHorizontal ? POINT{(rc.left + centre.x) / 2, centre.y} : POINT{centre.x, (rc.top + centre.y) / 2};
    const POINT second =
        bHorizontal ? POINT{(centre.x + rc.right) / 2, centre.y} : POINT{centre.x, (centre.y + rc.bottom) / 2};
    // In the middle of the control's cells: its first cell often shares a column with the edit beside it.
    const int nArrows = view.cells.nLeft + std::max(0, (view.nWidth - 2) / 2);
    canvas.PutSymbol(view.nRow, nArrows, bHorizontal ? WACS_LARROW : WACS_UARROW, attr);
    canvas.PutSymbol(view.nRow, nArrows + 1, bHorizontal ? WACS_RARROW : WACS_DARROW, attr);
    AddRegion(view.nRow, nArrows, nArrows, [first](int) { return first; });
    AddRegion(view.nRow, nArrows + 1, nArrows + 1, [second](int) { return second; });
}

// Text; a label two lines high or more wraps between words.
void CTerminalScreen::DrawStatic(const ControlView& view) {
    const ControlSnapshot& control = view.control;
    const DWORD dwStatic = control.dwStyle & SS_TYPEMASK;
    const bool bPrefix = !(control.dwStyle & SS_NOPREFIX);
    const std::string text = TrimRight(control.strText);
    const bool bWraps = dwStatic == SS_LEFT || dwStatic == SS_CENTER || dwStatic == SS_RIGHT;
    const int nHeight = control.rcScreen.bottom - control.rcScreen.top;
    std::vector<std::string> lines{text};
    if (bWraps && LabelWidth(text, bPrefix) > view.nWidth && nHeight >= 2 * kTextLineHeight) {
        lines = WrapText(text, view.nWidth, bPrefix);
    }
    const Canvas canvas(m_clip);
    int nLine = lines.size() == 1 ? view.nRow : view.cells.nTop;
    for (const std::string& line : lines) {
        const int nSpare = std::max(0, view.nWidth - LabelWidth(line, bPrefix));
        const int nOffset = dwStatic == SS_CENTER ? nSpare / 2 : dwStatic == SS_RIGHT ? nSpare : 0;
        canvas.PutLabel(nLine++, view.cells.nLeft + nOffset, line, view.base, bPrefix);
    }
}

// One item a row from the top index, the selected one reversed; a bordered
// list three rows high or more gets a frame.
void CTerminalScreen::DrawList(const ControlView& view) {
    const Canvas canvas(m_clip);
    CellRect items = view.cells;
    if (HasBorder(view.hWnd, view.control) && items.nBottom - items.nTop >= 2 && view.nWidth > 2) {
        canvas.Frame(items, view.base);
        items = CellRect{items.nTop + 1, items.nLeft + 1, items.nBottom - 1, items.nRight - 1};
    }
    const HWND hWnd = view.hWnd;
    const auto nCount = static_cast<int>(::SendMessageA(hWnd, LB_GETCOUNT, 0, 0));
    const auto nTop = static_cast<int>(std::max<LRESULT>(0, ::SendMessageA(hWnd, LB_GETTOPINDEX, 0, 0)));
    const int nItemWidth = items.nRight - items.nLeft + 1;
    for (int nRow = items.nTop; nRow <= items.nBottom; ++nRow) {
        const int nItem = nTop + nRow - items.nTop;
        if (nItem >= nCount) break;
        const bool bSelected = ::SendMessageA(hWnd, LB_GETSEL, static_cast<WPARAM>(nItem), 0) > 0;
        const attr_t attr = view.base | (bSelected ? A_REVERSE : A_NORMAL);
        if (bSelected) canvas.Fill(CellRect{nRow, items.nLeft, nRow, items.nRight}, attr);
        canvas.PutLabel(nRow, items.nLeft, ListItemText(hWnd, nItem), attr, false, nItemWidth);
        // A press on the row is a press on that item.
        RECT rcItem{};
        ::SendMessageA(hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&rcItem));
        POINT point = CentreOf(rcItem);
        ::ClientToScreen(hWnd, &point);
        AddRegion(nRow, items.nLeft, items.nRight, [point](int) { return point; });
    }
    if (view.control.bFocus) {
        const auto nCaret = static_cast<int>(::SendMessageA(hWnd, LB_GETCARETINDEX, 0, 0));
        if (nCaret >= nTop && nCaret - nTop <= items.nBottom - items.nTop) {
            m_caret = std::pair{items.nTop + nCaret - nTop, items.nLeft};
        }
    }
}

// The selection field with the drop-down arrow at its right; the edit of a
// drop-down combo box draws itself over the field, and a dropped list is
// drawn over whatever lies below, once the rest of the window is drawn.
void CTerminalScreen::DrawComboBox(const ControlView& view) {
    const Canvas canvas(m_clip);
    const ControlSnapshot& control = view.control;
    HWND hWndList = nullptr;
    HWND hWndEdit = nullptr;
    for (HWND hWnd = ::GetWindow(view.hWnd, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        const ControlSnapshot child = ReadControl(hWnd);
        if (IsList(child)) hWndList = hWnd;
        if (child.IsClass(kEditClass)) hWndEdit = hWnd;
    }
    RECT rcField = control.rcScreen;
    const bool bDropped = hWndList && ::IsWindowVisible(hWndList);
    if (hWndList && (bDropped || (control.dwStyle & CBS_DROPDOWNLIST) == CBS_SIMPLE)) {
        RECT rcList{};
        ::GetWindowRect(hWndList, &rcList);
        rcField.bottom = std::max(rcField.top + 1, static_cast<int>(rcList.top));
    }
    const CellRect field = CellsOf(rcField);
    const int nRow = RowOf(CentreOf(rcField).y);
    const bool bArrow = (control.dwStyle & CBS_DROPDOWNLIST) != CBS_SIMPLE;
    const int nTextRight = bArrow ? field.nRight - 1 : field.nRight;
    const attr_t attr = view.base | A_UNDERLINE;
    canvas.Fill(CellRect{nRow, field.nLeft, nRow, nTextRight}, attr);
    if (!hWndEdit) {
        canvas.PutLabel(nRow, field.nLeft, control.strText, attr | view.focus, false, nTextRight - field.nLeft + 1);
    }
    AddCentreRegion(nRow, field.nLeft, field.nRight, rcField);
    if (hWndEdit && ::IsWindowVisible(hWndEdit)) DrawControl(hWndEdit, false);
    // After the edit, which may reach into the button's column.
    if (bArrow) {
        canvas.PutSymbol(nRow, field.nRight, WACS_DARROW, view.base);
        // The arrow button fills the right end of the field.
        const POINT arrow{rcField.right - 1 - TERMINAL_PIXELS_PER_COLUMN / 2, CentreOf(rcField).y};
        AddRegion(nRow, field.nRight, field.nRight, [arrow](int) { return arrow; });
    }
    if (bDropped) {
        m_dropped.push_back(hWndList);
    } else if (hWndList && ::IsWindowVisible(hWndList)) {
        DrawControl(hWndList, false);  // a simple combo box's list, always shown
    }
}

void CTerminalScreen::DrawMessageBox(const MessageBoxView& box) {
    m_caret.reset();
    m_messageBoxButtons.clear();
    const int nTextWidth = std::max(1, std::min(kMessageBoxTextWidth, COLS - 2 * (kFrameCells + kMessageBoxMargin)));
    const std::vector<std::string> lines = WrapText(box.strText, nTextWidth, false);
    int nButtonsWidth = 0;
    for (int nButton : box.buttons)
        nButtonsWidth += LabelWidth(ButtonCaption(nButton), true) + 4 + kMessageBoxButtonGap;
    nButtonsWidth -= kMessageBoxButtonGap;
    int nInner = std::max(nButtonsWidth, LabelWidth(box.strCaption, false) + 2);
    for (const std::string& text : lines) nInner = std::max(nInner, static_cast<int>(text.size()));
    const int nBoxWidth = nInner + 2 * (kFrameCells + kMessageBoxMargin);
    const int nBoxHeight = static_cast<int>(lines.size()) + kMessageBoxExtraRows;

    // Over the middle of the windows, inside the terminal.
    const int nCentreRow = m_used.nBottom >= m_used.nTop ? (m_used.nTop + m_used.nBottom) / 2 : LINES / 2;
    const int nCentreColumn = m_used.nRight >= m_used.nLeft ? (m_used.nLeft + m_used.nRight) / 2 : COLS / 2;
    const int nTop = std::clamp(nCentreRow - nBoxHeight / 2, 0, std::max(0, LINES - nBoxHeight));
    const int nLeft = std::clamp(nCentreColumn - nBoxWidth / 2, 0, std::max(0, COLS - nBoxWidth));
    const CellRect frame{nTop, nLeft, nTop + nBoxHeight - 1, nLeft + nBoxWidth - 1};
    const Canvas canvas(frame);
    canvas.Fill(frame, A_NORMAL);
    canvas.Frame(frame, A_BOLD);
    canvas.PutLabel(frame.nTop, frame.nLeft + 2, ' ' + box.strCaption + ' ', A_BOLD, false, nBoxWidth - 4);
    const int nTextLeft = frame.nLeft + kFrameCells + kMessageBoxMargin;
    int nRow = frame.nTop + 2;
    for (const std::string& text : lines) canvas.PutLabel(nRow++, nTextLeft, text, A_NORMAL, false);
    ++nRow;
    int nColumn = frame.nLeft + (nBoxWidth - nButtonsWidth) / 2;
    for (size_t i = 0; i < box.buttons.size(); ++i) {
        const std::string label = "< " + ButtonCaption(box.buttons[i]) + " >";
        const int nLabel = LabelWidth(label, true);
        canvas.PutLabel(nRow, nColumn, label, i == box.nFocus ? A_REVERSE : A_NORMAL, true);
        m_messageBoxButtons.push_back({nRow, nColumn, nColumn + nLabel - 1, i});
        nColumn += nLabel + kMessageBoxButtonGap;
    }
}

void CTerminalScreen::Show() {
    if (m_caret) {
        curs_set(1);
        wmove(stdscr, m_caret->first, m_caret->second);
    } else {
        curs_set(0);
    }
    wrefresh(stdscr);
}

void CTerminalScreen::RepaintAll() { clearok(curscr, TRUE); }

std::string CTerminalScreen::ButtonCaption(int nButton) {
    switch (nButton) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "&Abort";
    case IDRETRY: return "&Retry";
    case IDIGNORE: return "&Ignore";
    case IDYES: return "&Yes";
    case IDNO: return "&No";
    case IDTRYAGAIN: return "&Try Again";
    case IDCONTINUE: return "&Continue";
    case IDHELP: return "Help";
    default: return "?";
    }
}
