// The quoting of the script front end's output, which tools parse back.
#include "control_dump.h"

#include <gtest/gtest.h>

namespace {

struct QuoteCase {
    const char* name;
    std::string text;
    const char* quoted;
};

const QuoteCase kQuotes[] = {
    {"Plain", "Sh&ow run-time viewer", "\"Sh&ow run-time viewer\""},
    {"Empty", "", "\"\""},
    {"QuoteAndBackslash", "a \"b\" c:\\d", "\"a \\\"b\\\" c:\\\\d\""},
    {"ControlBytes", "tab\there\nnul" + std::string(1, '\0'), "\"tab\\x09here\\x0Anul\\x00\""},
    {"HighBytes", "\x7F\x80\xFF", "\"\\x7F\\x80\\xFF\""},
    {"PrintableEdges", " ~", "\" ~\""},
};

TEST(QuoteText, EscapesWhatCouldNotBeParsedBack) {
    for (const QuoteCase& c : kQuotes) EXPECT_EQ(QuoteText(c.text), c.quoted) << c.name;
}

}  // namespace
