// Dialog templates from a readable table (C++ only): the bytes of a real
// DLGTEMPLATE (or DLGTEMPLATEEX) in memory, laid out as a resource compiler
// lays them out, for CreateDialogIndirectParamA, DialogBoxIndirectParamA and
// module resource tables.
//
//   const win32::DialogTemplate kOptions{
//       {.caption = "Options", .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION,
//        .cx = 186, .cy = 95, .fontName = "MS Sans Serif", .pointSize = 8},
//       {
//           {"Static", "&Name:", win32::kStaticControlId, 7, 9, 40, 8, SS_LEFT},
//           {"Edit", "", 1001, 50, 7, 129, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
//           {"Button", "OK", IDOK, 75, 74, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
//       }};
//
// Positions and sizes are dialog units. Every control gets WS_CHILD, and
// WS_VISIBLE unless it is marked hidden, as in a resource script. Giving a
// font adds DS_SETFONT. The predefined classes (Button, Edit, Static,
// ListBox, ScrollBar, ComboBox, in any case) are written as their class
// ordinals 0x0080..0x0085, any other class by name. Narrow text maps byte
// for byte onto UTF-16 code units U+0000..U+00FF, the inverse of what the
// dialog manager does when it reads a template.
#pragma once

#include <windows.h>

#include <cctype>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace win32 {

// The ID resource scripts give labels nobody looks up (IDC_STATIC, -1).
inline constexpr WORD kStaticControlId = 0xFFFF;

struct DialogControl {
    const char* className;
    const char* text;
    WORD id;
    short x;
    short y;
    short cx;
    short cy;
    DWORD style;
    DWORD exStyle = 0;
    bool hidden = false;
};

struct DialogHeader {
    const char* caption = "";
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    const char* fontName = nullptr;  // with a font, DS_SETFONT is added
    WORD pointSize = 8;
    const char* className = nullptr;  // nullptr: the dialog class
    bool extended = false;            // DLGTEMPLATEEX, with the three font fields below
    WORD weight = FW_NORMAL;
    BYTE italic = FALSE;
    BYTE charset = DEFAULT_CHARSET;
};

class DialogTemplate {
public:
    DialogTemplate(const DialogHeader& header, std::initializer_list<DialogControl> controls) {
        const DWORD style = header.style | (header.fontName ? DWORD{DS_SETFONT} : DWORD{0});
        const WORD count = static_cast<WORD>(controls.size());
        if (header.extended) {
            Word(kExtendedVersion);
            Word(kExtendedSignature);
            Dword(0);  // help ID
            Dword(header.exStyle);
            Dword(style);
        } else {
            Dword(style);
            Dword(header.exStyle);
        }
        Word(count);
        Short(header.x);
        Short(header.y);
        Short(header.cx);
        Short(header.cy);
        Word(0);  // no menu
        if (header.className)
            Text(header.className);
        else
            Word(0);
        Text(header.caption);
        if (header.fontName) {
            Word(header.pointSize);
            if (header.extended) {
                Word(header.weight);
                Byte(header.italic);
                Byte(header.charset);
            }
            Text(header.fontName);
        }
        for (const DialogControl& control : controls) Item(control, header.extended);
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_bytes.data()); }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }
    size_t Size() const { return m_bytes.size(); }

private:
    static constexpr WORD kExtendedVersion = 1;
    static constexpr WORD kExtendedSignature = 0xFFFF;
    static constexpr WORD kOrdinalMarker = 0xFFFF;
    static constexpr WORD kFirstClassOrdinal = 0x0080;

    void Byte(BYTE value) { m_bytes.push_back(value); }
    void Word(WORD value) {
        Byte(static_cast<BYTE>(value & 0xFF));
        Byte(static_cast<BYTE>(value >> 8));
    }
    void Short(short value) { Word(static_cast<WORD>(value)); }
    void Dword(DWORD value) {
        Word(static_cast<WORD>(value & 0xFFFF));
        Word(static_cast<WORD>(value >> 16));
    }
    void Text(const char* text) {
        for (const char* p = text ? text : ""; *p; ++p) Word(static_cast<unsigned char>(*p));
        Word(0);
    }
    void AlignToDword() {
        while (m_bytes.size() % sizeof(DWORD) != 0) Byte(0);
    }
    static bool SameName(const char* a, const char* b) {
        for (; *a && *b; ++a, ++b)
            if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
                return false;
        return *a == *b;
    }
    void ClassName(const char* name) {
        static constexpr const char* kPredefined[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
        for (WORD i = 0; i < sizeof(kPredefined) / sizeof(kPredefined[0]); ++i)
            if (SameName(name, kPredefined[i])) {
                Word(kOrdinalMarker);
                Word(static_cast<WORD>(kFirstClassOrdinal + i));
                return;
            }
        Text(name);
    }
    void Item(const DialogControl& control, bool extended) {
        AlignToDword();
        DWORD style = control.style | WS_CHILD;
        if (!control.hidden) style |= WS_VISIBLE;
        if (extended) {
            Dword(0);  // help ID
            Dword(control.exStyle);
            Dword(style);
        } else {
            Dword(style);
            Dword(control.exStyle);
        }
        Short(control.x);
        Short(control.y);
        Short(control.cx);
        Short(control.cy);
        if (extended)
            Dword(control.id);
        else
            Word(control.id);
        ClassName(control.className);
        Text(control.text);
        Word(0);  // no creation data
    }

    std::vector<BYTE> m_bytes;
};

}  // namespace win32
