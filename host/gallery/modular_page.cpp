// The "Modular edits" page.
#include "modular_page.h"

#include <spin_button.h>

#include <memory>

#include "number_module.h"

namespace {
constexpr int kHourMax = 23;
constexpr int kMinuteMax = 59;
constexpr int kTwoDigits = 2;
constexpr int kStartHour = 12;
constexpr int kAddressPartMax = 255;
constexpr int kAddressPartDigits = 3;
constexpr int kAddressParts[] = {192, 168, 0, 1};
constexpr char kTimeSeparator[] = ":";
constexpr char kAddressSeparator[] = ".";
// Input on a one-character delimiter belongs to the module on its left.
constexpr int kSplitAfterFirst = 0;
}  // namespace

BEGIN_MESSAGE_MAP(CModularPage, CGalleryPage)
    ON_BN_CLICKED(IDC_SHOW_VALUES, OnShowValues)
END_MESSAGE_MAP()

BOOL CModularPage::OnInitDialog() {
    CGalleryPage::OnInitDialog();
    m_timeEdit.AttachToItem(IDC_TIME_EDIT, this);
    m_timeEdit.AddModule(std::make_unique<CNumberModule>(0, kHourMax, kTwoDigits, true, kStartHour));
    m_timeEdit.AddModule(std::make_unique<CDelimter>(kTimeSeparator, kSplitAfterFirst));
    m_timeEdit.AddModule(std::make_unique<CNumberModule>(0, kMinuteMax, kTwoDigits, true, 0));
    m_timeEdit.AddModule(std::make_unique<CDelimter>(kTimeSeparator, kSplitAfterFirst));
    m_timeEdit.AddModule(std::make_unique<CNumberModule>(0, kMinuteMax, kTwoDigits, true, 0));
    m_timeEdit.Refresh(MULTI_MODULE_SELECT);

    m_addressEdit.AttachToItem(IDC_ADDRESS_EDIT, this);
    bool bFirst = true;
    for (int nPart : kAddressParts) {
        if (!bFirst) m_addressEdit.AddModule(std::make_unique<CDelimter>(kAddressSeparator, kSplitAfterFirst));
        m_addressEdit.AddModule(std::make_unique<CNumberModule>(0, kAddressPartMax, kAddressPartDigits, false, nPart));
        bFirst = false;
    }
    m_addressEdit.Refresh(MULTI_MODULE_SELECT);

    SendDlgItemMessage(IDC_TIME_SPIN_BUTTON, SPM_SETASSOCIATE, reinterpret_cast<WPARAM>(m_timeEdit.m_hWnd), 0);
    SendDlgItemMessage(IDC_ADDRESS_SPIN_BUTTON, SPM_SETASSOCIATE, reinterpret_cast<WPARAM>(m_addressEdit.m_hWnd), 0);
    ReportNotificationsOf(IDC_TIME_EDIT);
    ReportNotificationsOf(IDC_ADDRESS_EDIT);
    return TRUE;
}

void CModularPage::OnShowValues() {
    const std::string text = "Time: " + m_timeEdit.ComposeValueText() + "\nAddress: " + m_addressEdit.ComposeValueText();
    AfxMessageBox(text.c_str(), MB_OK | MB_ICONINFORMATION);
}
