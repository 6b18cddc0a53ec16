// The gallery's "Modular edits" page: a time of day HH:MM:SS whose seconds
// carry into minutes and minutes into hours on spin steps, and an IPv4
// address whose four parts step on their own, each with the toolkit's spin
// button, and a button that shows both value texts.
#pragma once

#include <mul_edit.h>

#include "gallery_ids.h"
#include "gallery_page.h"

class CModularPage : public CGalleryPage {
public:
    explicit CModularPage(std::ostream& report) : CGalleryPage(IDD_GALLERY_MODULAR, report) {}

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnShowValues();
    DECLARE_MESSAGE_MAP()

private:
    CMultiModuleEdit m_timeEdit;
    CMultiModuleEdit m_addressEdit;
};
