// The base property page: construction with the extension's defaults for
// property pages (its answers and initialisation are inline in the header).
#include "basepage.h"

namespace {

// The page record size the toolkit's pages have always declared to the sheet.
constexpr DWORD kPropertyPageRecordSize = 52;

// Read-only mode off, the extra controls hidden, every walk on.
void SetPageDefaults(CDlgExt& extension) {
    extension.m_bReadOnly = FALSE;
    extension.m_nExtraShow = SW_HIDE;
    extension.m_nFeatures = EXT_READONLY | EXT_EXTRA_CONTROLS | EXT_LANGUAGE_FONTS;
}

}  // namespace

CBasePropertyPage::CBasePropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate, nIDCaption, kPropertyPageRecordSize) {
    SetPageDefaults(*this);
}

CBasePropertyPage::CBasePropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption)
    : CPropertyPage(lpszTemplateName, nIDCaption, kPropertyPageRecordSize) {
    SetPageDefaults(*this);
}
