// The script front end's output formats: quoted text and one line per control.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// TEXT in double quotes, with '"' and '\' escaped by a backslash and every byte
// outside printable ASCII written as \xHH, so that a line can be parsed back.
std::string QuoteText(std::string_view text);
// The inverse: reads one quoted text from the front of text and removes it
// (and the blanks after it) from there; nothing when text does not start with
// a well-formed one.
std::optional<std::string> ReadQuotedText(std::string_view& text);

// "ID CLASS "TEXT" check=N enabled=0|1 visible=0|1 focus=0|1 rect=X,Y,W,H",
// rect in the client pixels of the control's parent; edits add sel=START,END,
// up-downs pos=N.
std::string DumpControl(HWND hWndControl);
