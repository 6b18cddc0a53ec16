// The host tests' plug-in. Its pages tell what the host asks of them through
// message boxes, which the script front end prints:
//   "Fake" (create_new_tab): edit 100 with up-down 101 (0..10, starts at 5);
//       button 102 beeps and shows the edit's text; button 103 runs a modal
//       dialog whose OK copies its edit 200 into edit 100; an empty edit 100
//       refuses to be left; defaults put 5 back; saving shows the value.
//   "Second" (create_new_tab1, not for protocol "single"): saving says so.
#include <afxext.h>
#include <afxwin.h>
#include <cfg_tab.h>
#include <commctrl.h>
#include <win32_dialog_template.h>
#include <win32_resources.h>

#include <new>
#include <string>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr UINT IDD_FAKE_PAGE = 900;
constexpr UINT IDD_SECOND_PAGE = 901;
constexpr UINT IDD_FAKE_DIALOG = 902;
constexpr int IDC_VALUE = 100;
constexpr int IDC_VALUE_SPIN = 101;
constexpr int IDC_ASK = 102;
constexpr int IDC_RUN_DIALOG = 103;
constexpr int IDC_DIALOG_TEXT = 200;
constexpr int kMinValue = 0;
constexpr int kMaxValue = 10;
constexpr int kDefaultValue = 5;
constexpr char kDefaultText[] = "5";
constexpr char kSingleProtocol[] = "single";

const win32::DialogTemplate kFakePage{
    {.caption = "Fake", .style = WS_CHILD | DS_CONTROL, .cx = 200, .cy = 80, .fontName = "MS Sans Serif"},
    {
        {"Edit", "", IDC_VALUE, 10, 10, 40, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {UPDOWN_CLASSA, "", IDC_VALUE_SPIN, 50, 10, 10, 12, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY},
        {"Button", "&Ask", IDC_ASK, 10, 30, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {"Button", "&Dialog...", IDC_RUN_DIALOG, 70, 30, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    }};

const win32::DialogTemplate kSecondPage{
    {.caption = "Second", .style = WS_CHILD | DS_CONTROL, .cx = 200, .cy = 80, .fontName = "MS Sans Serif"},
    {
        {"Static", "Nothing to set", win32::kStaticControlId, 10, 10, 100, 8, SS_LEFT},
    }};

const win32::DialogTemplate kFakeDialog{
    {.caption = "Fake dialog", .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION, .cx = 120, .cy = 60,
     .fontName = "MS Sans Serif"},
    {
        {"Edit", "", IDC_DIALOG_TEXT, 10, 10, 100, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {"Button", "OK", IDOK, 10, 35, 45, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {"Button", "Cancel", IDCANCEL, 65, 35, 45, 14, BS_PUSHBUTTON | WS_TABSTOP},
    }};

const WIN32_RESOURCE kResources[] = {
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_FAKE_PAGE), kFakePage.Bytes().data(), static_cast<DWORD>(kFakePage.Size())},
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_SECOND_PAGE), kSecondPage.Bytes().data(), static_cast<DWORD>(kSecondPage.Size())},
    {RT_DIALOG, MAKEINTRESOURCEA(IDD_FAKE_DIALOG), kFakeDialog.Bytes().data(), static_cast<DWORD>(kFakeDialog.Size())},
};
const WIN32_MODULE_RESOURCE_TABLE kTable = {kResources, WIN32_COUNT_OF(kResources), nullptr, 0};

class CFakeDialog : public CDialog {
public:
    explicit CFakeDialog(CWnd* pParent) : CDialog(IDD_FAKE_DIALOG, pParent) {}
    std::string m_strText;
    void OnOK() override {
        GetDlgItemText(IDC_DIALOG_TEXT, m_strText);
        CDialog::OnOK();
    }
};

class CFakeTab : public CCfgTab {
public:
    CFakeTab(LPCSTR a, LPCSTR b, LPCSTR c) : CCfgTab(a, b, c, IDD_FAKE_PAGE, 0) {}

    BOOL OnInitDialog() override {
        CCfgTab::OnInitDialog();
        SendDlgItemMessage(IDC_VALUE_SPIN, UDM_SETRANGE32, kMinValue, kMaxValue);
        SendDlgItemMessage(IDC_VALUE_SPIN, UDM_SETPOS32, 0, kDefaultValue);
        return TRUE;
    }
    void LoadOptions() override {}
    void SaveOptions() override {
        if (m_hWnd) AfxMessageBox(("Fake saves " + Value()).c_str());
    }
    void RestoreDefaults() override { SetDlgItemText(IDC_VALUE, kDefaultText); }
    BOOL ValidateOptions() override {
        if (!Value().empty()) return TRUE;
        AfxMessageBox("Fake needs a value");
        return FALSE;
    }

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg void OnAsk() {
        ::MessageBeep(0xFFFFFFFF);
        AfxMessageBox(("Fake holds " + Value()).c_str(), MB_YESNO | MB_DEFBUTTON2);
    }
    afx_msg void OnRunDialog() {
        CFakeDialog dialog(this);
        if (dialog.DoModal() == IDOK) SetDlgItemText(IDC_VALUE, dialog.m_strText.c_str());
    }

private:
    std::string Value() const {
        std::string text;
        GetDlgItemText(IDC_VALUE, text);
        return text;
    }
};

BEGIN_MESSAGE_MAP(CFakeTab, CCfgTab)
    ON_BN_CLICKED(IDC_ASK, OnAsk)
    ON_BN_CLICKED(IDC_RUN_DIALOG, OnRunDialog)
END_MESSAGE_MAP()

class CSecondTab : public CCfgTab {
public:
    CSecondTab(LPCSTR a, LPCSTR b, LPCSTR c) : CCfgTab(a, b, c, IDD_SECOND_PAGE, 0) {}
    void LoadOptions() override {}
    void SaveOptions() override {
        if (m_hWnd) AfxMessageBox("Second saves");
    }
    void RestoreDefaults() override { AfxMessageBox("Second restores"); }
};

AFX_EXTENSION_MODULE extensionModule;

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(extensionModule, hInstance)) return FALSE;
        new CDynLinkLibrary(extensionModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(extensionModule);
    }
    return TRUE;
}

}  // namespace

WIN32_MODULE_RESOURCES(kTable)
WIN32_DLL_ENTRY(DllMain)

FAKE_EXPORT CCfgTab* create_new_tab(LPCSTR a, LPCSTR b, LPCSTR c) { return new (std::nothrow) CFakeTab(a, b, c); }

FAKE_EXPORT CCfgTab* create_new_tab1(LPCSTR a, LPCSTR b, LPCSTR c) {
    if (c && std::string(c) == kSingleProtocol) return nullptr;
    return new (std::nothrow) CSecondTab(a, b, c);
}
