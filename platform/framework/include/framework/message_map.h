// Message maps and the command target.
//
// A message map is a static constant table of entries (message, notification
// code, control-ID range, typed handler) that names its base class's map. The
// framework looks an incoming message up in the class's own table, then in
// the table its map chains to, and so on. A class that must skip its parents'
// maps chains to an older ancestor by naming it in BEGIN_MESSAGE_MAP:
//
//   BEGIN_MESSAGE_MAP(CTabDorvane, CPropertyPage)   // skips CCfgTab's map
//       ON_BN_CLICKED(1002, OnGenerateReportClicked)
//       ON_WM_HELPINFO()
//   END_MESSAGE_MAP()
//
// Index:
//   AfxSig*, AfxHandler     one handler type per signature (the variant index is the tag)
//   AFX_MSGMAP_ENTRY        one row of a table
//   AFX_MSGMAP              a table and the map it chains to
//   AfxFindMessageEntry     lookup along the chain, with a lookup cache
//   CCmdTarget              the root of every class with a map; dispatches commands
//   DECLARE_MESSAGE_MAP, BEGIN_MESSAGE_MAP, END_MESSAGE_MAP, ON_* entry macros
#pragma once

#include <variant>

#include "framework/runtime_class.h"
#include "framework/types.h"

class CCmdTarget;
class CWnd;
class CDC;
class CScrollBar;

// The notification code of a menu or accelerator command (equal to BN_CLICKED).
#define CN_COMMAND 0
// The 16-bit colour message; ON_WM_CTLCOLOR entries use it for every WM_CTLCOLOR* message.
#define AFX_WM_CTLCOLOR 0x0019

// Handler types, one per signature.
struct AfxSigVoid { void (CCmdTarget::*pfn)(); };                           // commands, WM_DESTROY...
struct AfxSigRange { void (CCmdTarget::*pfn)(UINT nID); };                  // command and control ranges
struct AfxSigNotify { void (CCmdTarget::*pfn)(NMHDR*, LRESULT*); };         // WM_NOTIFY
struct AfxSigHelpInfo { BOOL (CCmdTarget::*pfn)(HELPINFO*); };              // WM_HELP
struct AfxSigTimer { void (CCmdTarget::*pfn)(UINT_PTR nIDEvent); };         // WM_TIMER
struct AfxSigKey { void (CCmdTarget::*pfn)(UINT nChar, UINT nRepCnt, UINT nFlags); };  // WM_CHAR, WM_KEYDOWN
struct AfxSigMouse { void (CCmdTarget::*pfn)(UINT nFlags, CPoint point); };  // mouse buttons
struct AfxSigScroll { void (CCmdTarget::*pfn)(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar); };
struct AfxSigCtlColor { HBRUSH (CCmdTarget::*pfn)(CDC* pDC, CWnd* pWnd, UINT nCtlColor); };
struct AfxSigCreate { int (CCmdTarget::*pfn)(LPCREATESTRUCTA); };           // WM_CREATE
struct AfxSigMessage { LRESULT (CCmdTarget::*pfn)(WPARAM, LPARAM); };       // ON_MESSAGE

using AfxHandler = std::variant<std::monostate, AfxSigVoid, AfxSigRange, AfxSigNotify, AfxSigHelpInfo, AfxSigTimer,
                                AfxSigKey, AfxSigMouse, AfxSigScroll, AfxSigCtlColor, AfxSigCreate, AfxSigMessage>;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message; WM_COMMAND and WM_NOTIFY entries also match code and ID
    UINT nCode;     // control notification or WM_NOTIFY code; 0 for window messages
    UINT nID;       // first control ID of the range; 0 for window messages
    UINT nLastID;   // last control ID of the range
    AfxHandler handler;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for CCmdTarget's map, the end of every chain
    const AFX_MSGMAP_ENTRY* lpEntries;     // ends with an entry whose nMessage is 0
};

// The first entry for the message along the chain starting at pMap, or null.
FRAMEWORK_API const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);

class FRAMEWORK_API CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Runs the map's WM_COMMAND entry for the command or control notification.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                       \
protected:                                          \
    static const AFX_MSGMAP* GetThisMessageMap();   \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                  \
        using ThisClass = theClass;                                                    \
        using TheBaseClass = baseClass;                                                \
        static_assert(sizeof(ThisClass) > 0);                                          \
        static constexpr AFX_MSGMAP_ENTRY afxMessageEntries[] = {

#define END_MESSAGE_MAP()                                                                        \
    {0, 0, 0, 0, AfxHandler{}}};                                                                 \
    static constexpr AFX_MSGMAP afxMessageMap = {&TheBaseClass::GetThisMessageMap, afxMessageEntries}; \
    return &afxMessageMap;                                                                       \
    }

// One entry of each kind.
#define AFX_ENTRY(message, code, id, lastId, handler) \
    {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(lastId), AfxHandler{handler}},
#define AFX_PMSG(type, memberFxn) static_cast<decltype(type::pfn)>(&ThisClass::memberFxn)

#define ON_COMMAND(id, memberFxn) AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSigVoid{AFX_PMSG(AfxSigVoid, memberFxn)})
#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, idFirst, idLast, AfxSigRange{AFX_PMSG(AfxSigRange, memberFxn)})
// WM_COMMAND carries the notification code in a 16-bit word.
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    AFX_ENTRY(WM_COMMAND, static_cast<WORD>(wNotifyCode), id, id, AfxSigVoid{AFX_PMSG(AfxSigVoid, memberFxn)})
#define ON_CONTROL_RANGE(wNotifyCode, idFirst, idLast, memberFxn) \
    AFX_ENTRY(WM_COMMAND, static_cast<WORD>(wNotifyCode), idFirst, idLast, AfxSigRange{AFX_PMSG(AfxSigRange, memberFxn)})
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    AFX_ENTRY(WM_NOTIFY, wNotifyCode, id, id, AfxSigNotify{AFX_PMSG(AfxSigNotify, memberFxn)})
#define ON_MESSAGE(message, memberFxn) AFX_ENTRY(message, 0, 0, 0, AfxSigMessage{AFX_PMSG(AfxSigMessage, memberFxn)})

#define ON_WM_HELPINFO() AFX_ENTRY(WM_HELP, 0, 0, 0, AfxSigHelpInfo{AFX_PMSG(AfxSigHelpInfo, OnHelpInfo)})
#define ON_WM_TIMER() AFX_ENTRY(WM_TIMER, 0, 0, 0, AfxSigTimer{AFX_PMSG(AfxSigTimer, OnTimer)})
#define ON_WM_CHAR() AFX_ENTRY(WM_CHAR, 0, 0, 0, AfxSigKey{AFX_PMSG(AfxSigKey, OnChar)})
#define ON_WM_KEYDOWN() AFX_ENTRY(WM_KEYDOWN, 0, 0, 0, AfxSigKey{AFX_PMSG(AfxSigKey, OnKeyDown)})
#define ON_WM_KEYUP() AFX_ENTRY(WM_KEYUP, 0, 0, 0, AfxSigKey{AFX_PMSG(AfxSigKey, OnKeyUp)})
#define ON_WM_LBUTTONDOWN() AFX_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, AfxSigMouse{AFX_PMSG(AfxSigMouse, OnLButtonDown)})
#define ON_WM_LBUTTONUP() AFX_ENTRY(WM_LBUTTONUP, 0, 0, 0, AfxSigMouse{AFX_PMSG(AfxSigMouse, OnLButtonUp)})
#define ON_WM_LBUTTONDBLCLK() \
    AFX_ENTRY(WM_LBUTTONDBLCLK, 0, 0, 0, AfxSigMouse{AFX_PMSG(AfxSigMouse, OnLButtonDblClk)})
#define ON_WM_VSCROLL() AFX_ENTRY(WM_VSCROLL, 0, 0, 0, AfxSigScroll{AFX_PMSG(AfxSigScroll, OnVScroll)})
#define ON_WM_HSCROLL() AFX_ENTRY(WM_HSCROLL, 0, 0, 0, AfxSigScroll{AFX_PMSG(AfxSigScroll, OnHScroll)})
#define ON_WM_CTLCOLOR() AFX_ENTRY(AFX_WM_CTLCOLOR, 0, 0, 0, AfxSigCtlColor{AFX_PMSG(AfxSigCtlColor, OnCtlColor)})
#define ON_WM_CREATE() AFX_ENTRY(WM_CREATE, 0, 0, 0, AfxSigCreate{AFX_PMSG(AfxSigCreate, OnCreate)})
#define ON_WM_DESTROY() AFX_ENTRY(WM_DESTROY, 0, 0, 0, AfxSigVoid{AFX_PMSG(AfxSigVoid, OnDestroy)})
#define ON_WM_NCDESTROY() AFX_ENTRY(WM_NCDESTROY, 0, 0, 0, AfxSigVoid{AFX_PMSG(AfxSigVoid, OnNcDestroy)})
#define ON_WM_PAINT() AFX_ENTRY(WM_PAINT, 0, 0, 0, AfxSigVoid{AFX_PMSG(AfxSigVoid, OnPaint)})
#define ON_WM_CLOSE() AFX_ENTRY(WM_CLOSE, 0, 0, 0, AfxSigVoid{AFX_PMSG(AfxSigVoid, OnClose)})
