// Reading, adapting and writing DLGTEMPLATE / DLGTEMPLATEEX bytes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogTemplateInfo {
    bool bExtended = false;  // DLGTEMPLATEEX
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    short cx = 0;  // dialog units
    short cy = 0;
    std::string strCaption;
};

// Reads the header and the caption of a template.
DialogTemplateInfo ReadDialogTemplate(const void* pTemplate);

// A copy of the template turned into a child dialog: the style loses its
// popup frame and caption and gains WS_CHILD and DS_CONTROL, the extended
// style gains WS_EX_CONTROLPARENT so that Tab moves into the child's controls.
std::vector<BYTE> MakeChildDialogTemplate(const void* pTemplate, size_t nSize);

// A template with no controls, in the 8-point "MS Sans Serif" font.
std::vector<BYTE> MakeEmptyDialogTemplate(DWORD dwStyle, DWORD dwExStyle, short cx, short cy,
                                          const std::string& strCaption);

// A template found through the resource chain, with its module and size.
struct FoundDialogTemplate {
    HINSTANCE hModule = nullptr;
    const DLGTEMPLATE* pTemplate = nullptr;
    size_t nSize = 0;
};
FoundDialogTemplate FindDialogTemplate(LPCSTR lpszTemplateName);
