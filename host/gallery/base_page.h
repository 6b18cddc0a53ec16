// The gallery's "Base page": a page on the toolkit's CBasePropertyPage, so
// the dialog extension runs on it. Its edit, static, list, combo, check,
// radio, group and push controls show read-only mode (gallery --read-only)
// and the language fonts (gallery --lang ja: a Western template on a Japanese
// system); its two extra controls (20500, 20501) are shown in the large font.
#pragma once

#include <basepage.h>

class CBasePage : public CBasePropertyPage {
public:
    explicit CBasePage(bool bReadOnly);

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnTellLanguages();
    DECLARE_MESSAGE_MAP()
};
