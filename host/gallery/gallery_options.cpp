// The command line of gallery.
#include "gallery_options.h"

#include <string_view>

#include "command_line.h"
#include "terminal_driver.h"

const char GALLERY_USAGE[] =
    "usage: gallery [--script FILE] [options]\n"
    "       gallery --render FILE.png [options]\n"
    "  Without --script and --render, in a terminal, the sheet opens in the terminal.\n"
    "  --script FILE        drive the gallery's sheet with the commands in FILE (- reads standard input)\n"
    "  --render FILE.png    write a picture of the active window to FILE.png when the script has run out\n"
    "  --read-only          show the base page in read-only mode\n"
    "  --lang en|ja         the system language the dialog extension sees (default the system's)\n"
    "  --page CAPTION       open the sheet on this page (default the first)\n"
    "  --help               print this text\n";

namespace {

struct Language {
    std::string_view name;
    int nCode;  // as os_get_os_lang gives it
};
constexpr Language kLanguages[] = {{"en", 1}, {"ja", 3}};

const ValueOption<GalleryOptions> kValueOptions[] = {
    StoreIn("--script", &GalleryOptions::strScript),
    StoreIn("--page", &GalleryOptions::strPage),
    StoreIn("--render", &GalleryOptions::strRender),
    FlagIn("--read-only", &GalleryOptions::bReadOnly),
    {"--lang",
     [](GalleryOptions& o, const std::string& v, std::string& error) {
         for (const Language& language : kLanguages) {
             if (v == language.name) {
                 o.nLanguage = language.nCode;
                 return true;
             }
         }
         error = "--lang: \"" + v + "\" is neither en nor ja";
         return false;
     }},
};

}  // namespace

std::optional<GalleryOptions> ParseGalleryOptions(const std::vector<std::string>& args, std::string& error) {
    GalleryOptions options;
    if (!ParseCommandLine<GalleryOptions>(args, kValueOptions, options, options.bHelp, error)) return std::nullopt;
    if (!options.bHelp && options.strScript.empty() && options.strRender.empty() && !CTerminalDriver::Available()) {
        error = "no front end: give --script FILE (- reads standard input) or --render FILE.png, "
                "or run gallery in a terminal";
        return std::nullopt;
    }
    return options;
}
