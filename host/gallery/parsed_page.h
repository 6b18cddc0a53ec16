// The gallery's "Parsed edits" page: three character-filtering edits (digits
// with the toolkit's spin button, letters, digits and letters) and a check box
// that makes the page answer their rejections with -1, which keeps them quiet.
#pragma once

#include <paredit.h>

#include "gallery_ids.h"
#include "gallery_page.h"

class CParsedPage : public CGalleryPage {
public:
    explicit CParsedPage(std::ostream& report) : CGalleryPage(IDD_GALLERY_PARSED, report) {}

protected:
    BOOL OnInitDialog() override;
    LRESULT ReplyToNotification(int nID, UINT nCode) override;

private:
    CParsedEdit m_digitsEdit;
    CParsedEdit m_lettersEdit;
    CParsedEdit m_digitsLettersEdit;

    // A parsed edit made by CreateEdit where the template leaves room for it.
    void CreateParsedEdit(CParsedEdit& edit, WORD wAccept, const RECT& dialogUnits, int nID);
};
