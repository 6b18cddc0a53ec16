#include "settings_access.h"

#include <setbook.h>

#include <vector>

namespace {

constexpr char kDescriptionSection[] = "Tovik";
constexpr char kDescriptionDefault[] = "0";

}  // namespace

std::string ReadDescriptionKey(LPCSTR lpszProtocol, LPCSTR lpszKey, int nBufferSize) {
    XpdReader reader("");
    reader.AddProtocol(lpszProtocol);
    std::vector<char> buffer(static_cast<size_t>(nBufferSize), '\0');
    reader.GetSectionKey(buffer.data(), nBufferSize, lpszProtocol, kDescriptionSection, lpszKey, kDescriptionDefault);
    return buffer.data();
}

LPCSTR HostProfileName() {
    const CWinApp* pApp = AfxGetApp();
    return pApp && pApp->m_pszProfileName ? pApp->m_pszProfileName : "";
}
