// The "Spin edits" page.
#include "spin_page.h"

#include <cstdio>

#include "gallery_ids.h"

namespace {
constexpr int kIntMin = 0;
constexpr int kIntMax = 10;
constexpr int kIntStart = 3;
constexpr float kFloatMin = 0.5F;
constexpr float kFloatMax = 2.5F;
constexpr float kFloatStart = 1.5F;
constexpr int kFloatDecimals = 1;
constexpr size_t kLineSize = 64;
}  // namespace

BEGIN_MESSAGE_MAP(CSpinPage, CGalleryPage)
    ON_BN_CLICKED(IDC_CHECK_VALUES, OnCheckValues)
END_MESSAGE_MAP()

CSpinPage::CSpinPage(std::ostream& report)
    : CGalleryPage(IDD_GALLERY_SPIN, report),
      m_intEdit(kIntMin, kIntMax, kIntStart, "%d"),
      m_floatEdit(kFloatMin, kFloatMax, kFloatStart, kFloatDecimals, "%.1f") {}

BOOL CSpinPage::OnInitDialog() {
    CGalleryPage::OnInitDialog();
    m_intEdit.AttachSpinById(IDC_INT_SPIN_BUTTON, this, IDC_INT_SPIN_EDIT);
    m_floatEdit.AttachSpinById(IDC_FLOAT_SPIN_BUTTON, this, IDC_FLOAT_SPIN_EDIT);
    ReportNotificationsOf(IDC_INT_SPIN_EDIT);
    ReportNotificationsOf(IDC_FLOAT_SPIN_EDIT);
    return TRUE;
}

// The first value that fails shows its prompt and gets the focus.
void CSpinPage::OnCheckValues() {
    if (!m_intEdit.IsValueValid(TRUE) || !m_floatEdit.IsValueValid(TRUE)) return;
    char text[kLineSize];
    std::snprintf(text, sizeof text, "Both values are valid: %d and %g.", m_intEdit.GetValue(),
                  static_cast<double>(m_floatEdit.GetValue()));
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

void CSpinPage::ReportValues() {
    char line[kLineSize];
    std::snprintf(line, sizeof line, "value %d %d", IDC_INT_SPIN_EDIT, m_intEdit.m_nValue);
    m_report << line << '\n';
    std::snprintf(line, sizeof line, "value %d %g", IDC_FLOAT_SPIN_EDIT, static_cast<double>(m_floatEdit.m_fValue));
    m_report << line << '\n';
}
