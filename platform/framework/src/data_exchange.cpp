// Dialog data exchange.
#include "framework/data_exchange.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "framework/app.h"
#include "framework_state.h"

namespace {

constexpr char kParseInt[] = "Please enter an integer.";
constexpr char kParseUInt[] = "Please enter a positive integer.";
constexpr char kParseReal[] = "Please enter a number.";
// Enough for every formatted number, including the longest double with %.15g.
constexpr size_t kNumberBufferSize = 64;
// Significant digits a double keeps through a text round trip of its shown value.
constexpr int kDoubleDigits = 15;

bool OnlySpacesFrom(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    return *p == '\0';
}

// The text as a number, as scanf would read it, with nothing but blanks after it.
bool ParseSigned(const std::string& text, long long minValue, long long maxValue, long long& result) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE || !OnlySpacesFrom(end) || value < minValue || value > maxValue) return false;
    result = value;
    return true;
}

bool ParseUnsigned(const std::string& text, unsigned long long maxValue, unsigned long long& result) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t') ++begin;
    if (*begin == '-') return false;
    long long value = 0;
    if (!ParseSigned(begin, 0, std::numeric_limits<long long>::max(), value)) return false;
    if (static_cast<unsigned long long>(value) > maxValue) return false;
    result = static_cast<unsigned long long>(value);
    return true;
}

void ReportAndFail(CDataExchange* pDX, const char* lpszPrompt) {
    AfxMessageBox(lpszPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <typename Value>
void ExchangeSigned(CDataExchange* pDX, int nIDC, Value& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!hWndCtrl) return;
    CWnd* pCtrl = CWnd::FromHandle(hWndCtrl);
    if (pDX->m_bSaveAndValidate) {
        long long parsed = 0;
        if (!ParseSigned(pCtrl->GetWindowText(), std::numeric_limits<Value>::min(), std::numeric_limits<Value>::max(),
                         parsed)) {
            ReportAndFail(pDX, kParseInt);
        }
        value = static_cast<Value>(parsed);
    } else {
        pCtrl->SetWindowText(std::to_string(value).c_str());
    }
}

template <typename Value>
void ExchangeUnsigned(CDataExchange* pDX, int nIDC, Value& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!hWndCtrl) return;
    CWnd* pCtrl = CWnd::FromHandle(hWndCtrl);
    if (pDX->m_bSaveAndValidate) {
        unsigned long long parsed = 0;
        if (!ParseUnsigned(pCtrl->GetWindowText(), std::numeric_limits<Value>::max(), parsed)) {
            ReportAndFail(pDX, kParseUInt);
        }
        value = static_cast<Value>(parsed);
    } else {
        pCtrl->SetWindowText(std::to_string(value).c_str());
    }
}

}  // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (!hWndCtrl) {
        AfxTrace("framework: data exchange with a control the window does not have");
        return nullptr;
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    if (hWndCtrl) m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    // Back to the control that failed, with an edit's text selected for retyping.
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl) return;
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!hWndCtrl) return;
    CWnd* pCtrl = CWnd::FromHandle(hWndCtrl);
    if (pDX->m_bSaveAndValidate) {
        pCtrl->GetWindowText(value);
    } else {
        pCtrl->SetWindowText(value.c_str());
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeSigned(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeSigned(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeUnsigned(pDX, nIDC, value); }

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!hWndCtrl) return;
    CWnd* pCtrl = CWnd::FromHandle(hWndCtrl);
    if (pDX->m_bSaveAndValidate) {
        const std::string text = pCtrl->GetWindowText();
        char* end = nullptr;
        errno = 0;
        const double parsed = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || errno == ERANGE || !OnlySpacesFrom(end)) ReportAndFail(pDX, kParseReal);
        value = parsed;
    } else {
        char buffer[kNumberBufferSize];
        std::snprintf(buffer, sizeof buffer, "%.*g", kDoubleDigits, value);
        pCtrl->SetWindowText(buffer);
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (!pDX->m_bSaveAndValidate || (minVal <= value && value <= maxVal)) return;
    char prompt[kNumberBufferSize * 2];
    std::snprintf(prompt, sizeof prompt, "Please enter an integer between %d and %d.", minVal, maxVal);
    ReportAndFail(pDX, prompt);
}
