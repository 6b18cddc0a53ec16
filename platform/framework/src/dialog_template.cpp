// DLGTEMPLATE and DLGTEMPLATEEX headers, as the resource compiler lays them out.
#include "dialog_template.h"

#include <cstring>

#include "framework/resource_chain.h"

namespace {

constexpr WORD kExtendedSignature = 0xFFFF;  // second WORD of a DLGTEMPLATEEX
constexpr WORD kOrdinalMarker = 0xFFFF;      // a menu or class given by number
// Offsets of the fields in the two layouts.
constexpr size_t kStyleOffset = 0;
constexpr size_t kExStyleOffset = 4;
constexpr size_t kExtendedExStyleOffset = 8;
constexpr size_t kExtendedStyleOffset = 12;
constexpr size_t kSizeOffset = 14;  // cx, cy after style, exstyle, cdit, x, y
constexpr size_t kExtendedSizeOffset = 22;
constexpr size_t kHeaderSize = 18;
constexpr size_t kExtendedHeaderSize = 26;
constexpr WORD kDialogPointSize = 8;
constexpr char kDialogFace[] = "MS Sans Serif";

template <typename T>
T ReadAt(const BYTE* p, size_t offset) {
    T value;
    std::memcpy(&value, p + offset, sizeof value);
    return value;
}

template <typename T>
void WriteAt(BYTE* p, size_t offset, T value) {
    std::memcpy(p + offset, &value, sizeof value);
}

bool IsExtended(const BYTE* p) { return ReadAt<WORD>(p, sizeof(WORD)) == kExtendedSignature; }

// Skips a menu or class field (0, 0xFFFF + ordinal, or a UTF-16 string).
size_t SkipNameOrOrdinal(const BYTE* p, size_t offset) {
    const WORD first = ReadAt<WORD>(p, offset);
    if (first == 0) return offset + sizeof(WORD);
    if (first == kOrdinalMarker) return offset + 2 * sizeof(WORD);
    while (ReadAt<WORD>(p, offset) != 0) offset += sizeof(WORD);
    return offset + sizeof(WORD);
}

// Narrow text of the system code page maps one to one onto U+0000..U+00FF.
std::string ReadUtf16(const BYTE* p, size_t offset) {
    std::string text;
    for (WORD ch = ReadAt<WORD>(p, offset); ch != 0; ch = ReadAt<WORD>(p, offset)) {
        text.push_back(ch <= 0xFF ? static_cast<char>(ch) : '?');
        offset += sizeof(WORD);
    }
    return text;
}

void AppendWord(std::vector<BYTE>& bytes, WORD value) {
    bytes.push_back(LOBYTE(value));
    bytes.push_back(HIBYTE(value));
}

void AppendUtf16(std::vector<BYTE>& bytes, const std::string& text) {
    for (char ch : text) AppendWord(bytes, static_cast<BYTE>(ch));
    AppendWord(bytes, 0);
}

}  // namespace

DialogTemplateInfo ReadDialogTemplate(const void* pTemplate) {
    const auto* p = static_cast<const BYTE*>(pTemplate);
    DialogTemplateInfo info;
    info.bExtended = IsExtended(p);
    info.dwStyle = ReadAt<DWORD>(p, info.bExtended ? kExtendedStyleOffset : kStyleOffset);
    info.dwExStyle = ReadAt<DWORD>(p, info.bExtended ? kExtendedExStyleOffset : kExStyleOffset);
    const size_t sizeOffset = info.bExtended ? kExtendedSizeOffset : kSizeOffset;
    info.cx = ReadAt<short>(p, sizeOffset);
    info.cy = ReadAt<short>(p, sizeOffset + sizeof(short));
    size_t offset = info.bExtended ? kExtendedHeaderSize : kHeaderSize;
    offset = SkipNameOrOrdinal(p, offset);  // menu
    offset = SkipNameOrOrdinal(p, offset);  // class
    info.strCaption = ReadUtf16(p, offset);
    return info;
}

std::vector<BYTE> MakeChildDialogTemplate(const void* pTemplate, size_t nSize) {
    const auto* p = static_cast<const BYTE*>(pTemplate);
    std::vector<BYTE> bytes(p, p + nSize);
    const bool bExtended = IsExtended(p);
    const size_t styleOffset = bExtended ? kExtendedStyleOffset : kStyleOffset;
    const size_t exStyleOffset = bExtended ? kExtendedExStyleOffset : kExStyleOffset;
    constexpr DWORD kFrameStyles = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | WS_VISIBLE |
                                   WS_DISABLED | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    constexpr DWORD kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_APPWINDOW;
    const DWORD dwStyle = (ReadAt<DWORD>(p, styleOffset) & ~kFrameStyles) | WS_CHILD | DS_CONTROL;
    const DWORD dwExStyle = (ReadAt<DWORD>(p, exStyleOffset) & ~kFrameExStyles) | WS_EX_CONTROLPARENT;
    WriteAt(bytes.data(), styleOffset, dwStyle);
    WriteAt(bytes.data(), exStyleOffset, dwExStyle);
    return bytes;
}

std::vector<BYTE> MakeEmptyDialogTemplate(DWORD dwStyle, DWORD dwExStyle, short cx, short cy,
                                          const std::string& strCaption) {
    std::vector<BYTE> bytes(kHeaderSize, 0);
    WriteAt(bytes.data(), kStyleOffset, dwStyle | DS_SETFONT);
    WriteAt(bytes.data(), kExStyleOffset, dwExStyle);
    WriteAt(bytes.data(), kSizeOffset, cx);
    WriteAt(bytes.data(), kSizeOffset + sizeof(short), cy);
    AppendWord(bytes, 0);  // no menu
    AppendWord(bytes, 0);  // the dialog class
    AppendUtf16(bytes, strCaption);
    AppendWord(bytes, kDialogPointSize);
    AppendUtf16(bytes, kDialogFace);
    return bytes;
}

FoundDialogTemplate FindDialogTemplate(LPCSTR lpszTemplateName) {
    FoundDialogTemplate found;
    HINSTANCE hModule = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hModule, lpszTemplateName, RT_DIALOG);
    if (!hResource) return found;
    HGLOBAL hData = ::LoadResource(hModule, hResource);
    const void* pData = hData ? ::LockResource(hData) : nullptr;
    if (!pData) return found;
    found.hModule = hModule;
    found.pTemplate = static_cast<const DLGTEMPLATE*>(pData);
    found.nSize = ::SizeofResource(hModule, hResource);
    return found;
}
