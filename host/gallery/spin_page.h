// The gallery's "Spin edits" page: an integer and a floating spin edit, each
// with the toolkit's spin button, and a button that checks both as a dialog
// would before accepting them.
#pragma once

#include <spinedit.h>

#include "gallery_page.h"

class CSpinPage : public CGalleryPage {
public:
    explicit CSpinPage(std::ostream& report);

    void ReportValues() override;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnCheckValues();
    DECLARE_MESSAGE_MAP()

private:
    CIntSpinEdit m_intEdit;
    CFloatSpinEdit m_floatEdit;
};
