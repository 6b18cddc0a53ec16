// CCfgTab: the options-page contract, the base of every options tab the
// plug-in gives the host's options sheet, and the toolbox it offers pages.
//
// Index:
//   CCfgTab                the abstract options tab: fields, construction,
//                          initialisation and validation order, the
//                          thirteen contract operations (in slot order), and
//                          the toolbox: control groups, clearing, recording
//                          and replaying control values, the caption timer,
//                          bitmap drawing, the sheet's Close button, loading
//                          and saving under another source name
//   ControlState           one recorded control value
//   SendHelpRequestToHost  the help request every page and dialog answers F1 with
//   CFG_TAB_HELP_BASE      the framework's base for dialog help topics
//
// The host drives a page through this header alone: it calls SaveOptions and
// RestoreDefaults through the virtual table and deletes the page through its
// virtual destructor, so the order of the virtual operations must stay as it is.
//
// Every virtual operation of CCfgTab is defined here, inline, so that the
// class has no key function: its type information is then emitted wherever
// it is needed, in the host too (the undefined-behaviour sanitizer's checks of
// a call through a CCfgTab pointer need it), without the host linking any of
// the plug-in's code. Where an operation's work lives in cfg_tab.cpp, the
// inline operation only calls it.
//
// The base's own message map has two entries: WM_HELP starts the help launcher
// on the page's topic (help_launcher.h), WM_TIMER ends the caption timer. A
// page whose map chains to CCfgTab's inherits both; its own entry for the same
// message takes precedence.
#pragma once

#include <afxdlgs.h>
#include <afxwin.h>

#include <string>
#include <vector>

#include "basepage.h"

// A help topic is this base plus the page's or dialog's template ID.
inline constexpr UINT CFG_TAB_HELP_BASE = 0x20000;

// The window timer of the caption timer, on the page's window.
inline constexpr UINT_PTR CFG_TAB_CAPTION_TIMER_ID = 1;

// One recorded control value (SaveControlStates, RestoreControlStates). Only
// the fields of the control's kind are written; the others keep what the
// caller had in them.
struct ControlState {
    int nID = 0;          // control ID
    std::string strText;  // an edit box's text, or the text of a combo box's selected entry
    int nCheck = 0;       // a check box's or radio button's state: 0 cleared, 1 set

    friend bool operator==(const ControlState&, const ControlState&) = default;
};

class CCfgTab : public CBasePropertyPage {
public:
    // ---- Construction ----
    // The strings come from the host in this order; the caption ID 0 takes the
    // tab's caption from the template.
    CCfgTab(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol, UINT nIDTemplate, UINT nIDCaption);
    CCfgTab(LPCSTR lpszSource, LPCSTR lpszExtra, LPCSTR lpszProtocol, LPCSTR lpszTemplateName, UINT nIDCaption);
    // Then the members go in reverse order of declaration; m_bitmap deletes its bitmap.
    ~CCfgTab() override { m_arrStrings.clear(); }

    // ---- Attributes ----
    BOOL m_bOptionsValid = TRUE;     // what the base ValidateOptions answers
    bool m_bCaptureStates = false;   // whether control-state recording is on
    UINT_PTR m_nCaptionTimer = 0;    // the pending caption timer, 0 when none
    int m_nTimerValue = 0;           // value given to the last StartCaptionTimer
    std::string m_strCaptionA;       // text the caption timer puts on m_btnCaptionA
    std::string m_strCaptionB;       // text the caption timer puts on m_btnCaptionB
    std::string m_strSource;         // first construction string
    std::string m_strProtocol;       // third construction string: the protocol name
    std::string m_strExtra;          // second construction string, kept for the page
    std::vector<std::string> m_arrStrings;
    CButton m_btnCaptionA;           // has a window only once a page attaches it
    CButton m_btnCaptionB;
    CBitmap m_bitmap;                // owned; its bitmap is deleted with the page
    UINT m_nTemplateID = 0;          // 0 when the template was given by name
    std::string m_strTemplateName;   // empty when the template was given by ID

    // ---- Framework overridables ----
    BOOL OnInitDialog() override {
        LoadOptions();
        // The base page's initialisation moves the freshly loaded fields into
        // the controls, then runs the dialog extension; the page always takes
        // the default focus.
        CBasePropertyPage::OnInitDialog();
        return TRUE;
    }
    BOOL OnKillActive() override {
        // A refusing page has already told the user why; the controls keep
        // what the user typed and nothing reaches the fields.
        if (!ValidateOptions()) return FALSE;
        return CBasePropertyPage::OnKillActive();
    }

    // ---- The contract, in slot order ----
    virtual void LoadOptions() = 0;
    virtual void SaveOptions() = 0;
    virtual void RestoreDefaults() = 0;
    virtual BOOL ValidateOptions() { return m_bOptionsValid; }
    virtual void PageHook1() {}
    virtual void PageHook2() {}
    virtual void PageHook3() {}
    // Every child control to a state without value: combo boxes lose their
    // selection, edits their text, two- and three-state check boxes become
    // automatic three-state boxes showing the indeterminate state, every other
    // button is cleared.
    virtual void ClearControls() { ClearControlsOfPage(); }
    virtual BOOL PageQuery1(UINT /*nValue*/) { return TRUE; }
    virtual BOOL PageQuery2(UINT /*nValue*/) { return FALSE; }
    // Stops the pending caption timer; then, if both caption buttons have
    // windows, puts m_strCaptionA and m_strCaptionB on them.
    virtual void EndCaptionTimer() { EndCaptionTimerOfPage(); }
    // Loads the two captions from the strings nIDTextA and nIDTextB (through
    // the resource chain), keeps nValue and starts the one-shot timer that
    // puts them on the caption buttons after nDelay milliseconds, replacing a
    // pending one. The timer ID, 0 when no timer could be started.
    virtual UINT_PTR StartCaptionTimer(UINT nIDTextA, UINT nIDTextB, int nValue, UINT nDelay) {
        return StartCaptionTimerOfPage(nIDTextA, nIDTextB, nValue, nDelay);
    }
    // Draws the bitmap (borrowed) into control nIDCtrl over a fresh
    // background: centred when its recorded dimension (SetBitmapDimension)
    // fits the control's client area, else stretched over all of it. Nothing
    // happens for a missing control or bitmap.
    virtual void DrawBitmap(CBitmap* pBitmap, int nIDCtrl) { DrawBitmapOfPage(pBitmap, nIDCtrl); }

    // ---- Toolbox operations ----
    // Enables the controls of pDialog named by pEnableIDs, then disables those
    // named by pDisableIDs (so an ID in both ends disabled); each list ends with
    // 0, and missing controls are skipped. Either list null: nothing happens.
    static void EnableControlGroups(const int* pEnableIDs, CWnd* pDialog, const int* pDisableIDs);
    // Asks the page's grandparent to turn the sheet's Cancel button into a
    // Close button (PSM_CANCELTOCLOSE), when the page has a window, a parent
    // and a grandparent.
    void SheetCancelToClose();
    // Null or empty: nothing happens. Otherwise m_strSource becomes the name,
    // then LoadOptions (SaveOptions) runs.
    void LoadOptionsFrom(LPCSTR lpszName);
    void SaveOptionsTo(LPCSTR lpszName);
    void SetStringList(const std::vector<std::string>& arrStrings) { m_arrStrings = arrStrings; }
    // With recording on (m_bCaptureStates), writes a record for each child
    // control that has a value, in z-order, until *pnCount records (the
    // capacity) are written, and sets *pnCount to the number written: 0 with
    // recording off. A null pointer or a capacity below 1 changes nothing.
    void SaveControlStates(int* pnCount, ControlState* pStates);
    // Gives each recorded control its value back; a combo box text not in the
    // list is appended and selected, and a set button tells the page it was
    // clicked (BN_CLICKED). Missing controls are skipped.
    void RestoreControlStates(int nCount, const ControlState* pStates);

    // ---- Message handlers ----
    // WM_HELP: the help launcher on the page's topic (the earlier edition opens
    // the host's help file instead).
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    // WM_TIMER, whatever the timer: EndCaptionTimer, then the default processing.
    afx_msg void OnTimer(UINT_PTR nIDEvent);

protected:
    // The map is written out here rather than with BEGIN_MESSAGE_MAP, whose
    // out-of-line GetMessageMap would become the class's key function.
    static const AFX_MSGMAP* GetThisMessageMap() {
        using ThisClass = CCfgTab;
        static constexpr AFX_MSGMAP_ENTRY entries[] = {
            ON_WM_HELPINFO()
            ON_WM_TIMER()
            {0, 0, 0, 0, AfxHandler{}}};
        static constexpr AFX_MSGMAP messageMap = {&CBasePropertyPage::GetThisMessageMap, entries};
        return &messageMap;
    }
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }

    // ---- Implementation: the work of the inline operations above ----
    void ClearControlsOfPage();
    void EndCaptionTimerOfPage();
    UINT_PTR StartCaptionTimerOfPage(UINT nIDTextA, UINT nIDTextB, int nValue, UINT nDelay);
    void DrawBitmapOfPage(CBitmap* pBitmap, int nIDCtrl);
};

// Answers a help request (WM_HELP) of pWnd, whose help ID is its template ID:
// with a main window and none of Shift, Ctrl and Alt held, the main window is
// sent WM_COMMANDHELP with CFG_TAB_HELP_BASE + nHelpID and the request is
// handled; otherwise the framework's default help handling answers.
BOOL SendHelpRequestToHost(CWnd& wnd, UINT nHelpID, HELPINFO* pHelpInfo);
