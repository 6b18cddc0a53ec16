// The settings library's users carry its inline members and the virtual
// tables of its classes themselves and export them, and the host expects to
// find them in the plug-in's export table. This unit is compiled without
// optimisation, so that each of those members is emitted here whether or not a
// page happens to use it; the export list (exports.map) names them.
#include <setbook.h>

#include <list>
#include <string>

namespace {

[[gnu::used]] void EmitSetbookInlineMembers() {
    XpdReader reader;
    XpdReader readerCopy(reader);
    readerCopy = reader;
    const std::list<std::string> noProtocols;
    static_cast<void>(reader.GetXpdKeyValueAsBool("", noProtocols, MKR_FIRST, "", nullptr));

    CSetbook book{std::string()};
    CSetbook bookCopy(book);
    bookCopy = book;
    static_cast<void>(bookCopy.GetSetbookName());
}

}  // namespace
