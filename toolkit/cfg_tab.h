// CCfgTab: the options-page contract, the base of every options tab the
// plug-in gives the host's options sheet.
//
// Index:
//   CCfgTab                the abstract options tab: fields, construction,
//                          initialisation and validation order, and the
//                          thirteen contract operations (in slot order)
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
// the plug-in's code.
#pragma once

#include <afxdlgs.h>
#include <afxwin.h>

#include <string>
#include <vector>

#include "basepage.h"

// A help topic is this base plus the page's or dialog's template ID.
inline constexpr UINT CFG_TAB_HELP_BASE = 0x20000;

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
        return CPropertyPage::OnKillActive();
    }

    // ---- The contract, in slot order ----
    virtual void LoadOptions() = 0;
    virtual void SaveOptions() = 0;
    virtual void RestoreDefaults() = 0;
    virtual BOOL ValidateOptions() { return m_bOptionsValid; }
    virtual void PageHook1() {}
    virtual void PageHook2() {}
    virtual void PageHook3() {}
    // The toolbox operations come with the toolbox; until then they do nothing
    // and no caption timer is ever started.
    virtual void ClearControls() {}
    virtual BOOL PageQuery1(UINT /*nValue*/) { return TRUE; }
    virtual BOOL PageQuery2(UINT /*nValue*/) { return FALSE; }
    virtual void EndCaptionTimer() {}
    virtual UINT_PTR StartCaptionTimer(UINT /*nIDTextA*/, UINT /*nIDTextB*/, int /*nValue*/, UINT /*nDelay*/) {
        return 0;
    }
    virtual void DrawBitmap(CBitmap* /*pBitmap*/, int /*nIDCtrl*/) {}

protected:
    // The base has no message entries of its own yet: its map is the base
    // page's. Written out inline rather than with BEGIN_MESSAGE_MAP, for the
    // reason at the top of this header.
    static const AFX_MSGMAP* GetThisMessageMap() { return CBasePropertyPage::GetThisMessageMap(); }
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
};

// Answers a help request (WM_HELP) of pWnd, whose help ID is its template ID:
// with a main window and none of Shift, Ctrl and Alt held, the main window is
// sent WM_COMMANDHELP with CFG_TAB_HELP_BASE + nHelpID and the request is
// handled; otherwise the framework's default help handling answers.
BOOL SendHelpRequestToHost(CWnd& wnd, UINT nHelpID, HELPINFO* pHelpInfo);
