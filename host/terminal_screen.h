// CTerminalScreen: the terminal front end's drawing. It reads the window tree
// (classes, styles, texts, rectangles, check states, selections, focus,
// visibility) and draws every visible top-level window in character cells,
// the lowest first, so that a modal dialog covers the sheet; then a message
// box when one is up, and the status line. It remembers which screen pixel
// each drawn cell stands for, so that a mouse press on a cell becomes a press
// on the window drawn there.
//
// Index
//   TERMINAL_PIXELS_PER_COLUMN/ROW   the scale from window pixels to cells
//   MessageBoxView                   a message box as the terminal shows it
//   CTerminalScreen                  drawing and the cells' pixels
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CPropertySheet;

// A column is as wide as the dialog font's narrow characters, so that a
// control's caption fits in its template width; a row is one line of that
// font, so that controls a line apart in the template get rows of their own.
inline constexpr int TERMINAL_PIXELS_PER_COLUMN = 5;
inline constexpr int TERMINAL_PIXELS_PER_ROW = 12;

struct MessageBoxView {
    std::string strCaption;
    std::string strText;
    std::vector<int> buttons;  // IDOK, IDCANCEL..., left to right
    size_t nFocus = 0;         // the button that Enter presses
};

class CTerminalScreen {
public:
    // ---- Operations ----
    // Draws the windows (the tabs of pSheet, when given, as tabs) and the
    // status line; when the terminal cannot hold them, says so instead.
    void Draw(const CPropertySheet* pSheet, const std::string& strStatus);
    // Draws a message box over what Draw drew.
    void DrawMessageBox(const MessageBoxView& box);
    // Puts what was drawn on the terminal, with the cursor at the caret of
    // the focused edit when one shows.
    void Show();
    // The next Show puts every cell again, whatever the terminal shows now.
    void RepaintAll();

    // ---- Attributes ----
    // The screen pixel a mouse press on this cell stands for; nothing when
    // the cell shows no window.
    std::optional<POINT> PointAt(int nRow, int nColumn) const;
    // The index of the message box's button drawn at this cell, if any.
    std::optional<size_t> MessageBoxButtonAt(int nRow, int nColumn) const;

    // The caption of a message box's button (IDOK...), with its mnemonic.
    static std::string ButtonCaption(int nButton);

    // ---- Implementation ----
    // Cells, inclusive on every side.
    struct CellRect {
        int nTop = 0;
        int nLeft = 0;
        int nBottom = -1;
        int nRight = -1;
        bool Contains(int nRow, int nColumn) const {
            return nRow >= nTop && nRow <= nBottom && nColumn >= nLeft && nColumn <= nRight;
        }
    };

private:
    // A run of cells on one row whose mouse presses go to a window.
    struct HitRegion {
        int nRow;
        int nFirst;
        int nLast;
        std::function<POINT(int nColumn)> pointAt;  // screen pixels
    };
    struct ButtonRegion {
        int nRow;
        int nFirst;
        int nLast;
        size_t nButton;
    };

    POINT m_ptOrigin{};  // the screen pixel drawn at the top-left cell inside the frames
    CellRect m_used;     // the cells the windows and their frames take
    std::vector<CellRect> m_windowAreas;
    std::vector<HitRegion> m_regions;
    std::vector<ButtonRegion> m_messageBoxButtons;
    std::optional<std::pair<int, int>> m_caret;  // row, column
    const CPropertySheet* m_pSheet = nullptr;
    CellRect m_clip;                // the client cells of the top-level window being drawn
    std::vector<HWND> m_dropped;    // its combo boxes' dropped lists, drawn last

    int RowOf(int y) const;
    int ColumnOf(int x) const;
    CellRect CellsOf(const RECT& rcScreen) const;
    POINT PixelOf(int nRow, int nColumn) const;

    void DrawTopLevel(HWND hWnd);
    void DrawChildren(HWND hWndParent);
    struct ControlView;
    void DrawControl(HWND hWnd, bool bFramesPass);
    // The index of the sheet's tab that hWnd is, or -1.
    int TabIndexOf(HWND hWnd) const;
    void DrawGroupBox(const ControlView& view);
    void DrawStaticFrame(const ControlView& view);
    void DrawTab(const ControlView& view, int nTab);
    void DrawButton(const ControlView& view);
    void DrawEdit(const ControlView& view);
    void DrawUpDown(const ControlView& view);
    void DrawStatic(const ControlView& view);
    void DrawList(const ControlView& view);
    void DrawComboBox(const ControlView& view);
    void DrawTabRule();
    void AddRegion(int nRow, int nFirst, int nLast, std::function<POINT(int)> pointAt);
    void AddCentreRegion(int nRow, int nFirst, int nLast, const RECT& rcScreen);
    void DrawTooSmall(int nRowsNeeded, int nColumnsNeeded);
};
