// The command line of tovik: every option takes one value, given as the next
// argument or after '='.
#include "tovik_options.h"

#include <string_view>

#include "command_line.h"
#include "terminal_driver.h"

const char TOVIK_USAGE[] =
    "usage: tovik [--script FILE] [options]\n"
    "       tovik --render FILE.png [options]\n"
    "  Without --script and --render, in a terminal, the options sheet opens in the terminal.\n"
    "  --script FILE        drive the options sheet with the commands in FILE (- reads standard input)\n"
    "  --render FILE.png    write a picture of the active window to FILE.png when the script has run out\n"
    "                       (without --script: of the sheet as it opens, which then closes as Cancel closes it)\n"
    "  --profile FILE       the profile file the pages read and write (default tovik.ini in the Windows directory)\n"
    "  --plugin FILE        the plug-in library to load (default: the edition's library beside tovik)\n"
    "  --edition current|earlier   which edition's library to load (default current)\n"
    "  --protocol NAME      the protocol whose options the pages edit (default webflow)\n"
    "  --protocols DIR      where protocol descriptions are found (default protocols/ beside bin/)\n"
    "  --page CAPTION       open the sheet on this page (default the first)\n"
    "  --help               print this text\n";

namespace {

constexpr std::string_view kEditionCurrent = "current";
constexpr std::string_view kEditionEarlier = "earlier";

using TovikOption = ValueOption<TovikOptions>;

const TovikOption kValueOptions[] = {
    StoreIn("--script", &TovikOptions::strScript),
    StoreIn("--profile", &TovikOptions::strProfile),
    StoreIn("--plugin", &TovikOptions::strPlugin),
    StoreIn("--protocol", &TovikOptions::strProtocol),
    StoreIn("--protocols", &TovikOptions::strProtocolsDir),
    StoreIn("--page", &TovikOptions::strPage),
    StoreIn("--render", &TovikOptions::strRender),
    {"--edition",
     [](TovikOptions& o, const std::string& v, std::string& error) {
         if (v != kEditionCurrent && v != kEditionEarlier) {
             error = "--edition: \"" + v + "\" is neither current nor earlier";
             return false;
         }
         o.bEarlierEdition = v == kEditionEarlier;
         return true;
     }},
};

}  // namespace

std::optional<TovikOptions> ParseTovikOptions(const std::vector<std::string>& args, std::string& error) {
    TovikOptions options;
    if (!ParseCommandLine<TovikOptions>(args, kValueOptions, options, options.bHelp, error)) return std::nullopt;
    if (!options.bHelp && options.strScript.empty() && options.strRender.empty() && !CTerminalDriver::Available()) {
        error = "no front end: give --script FILE (- reads standard input) or --render FILE.png, "
                "or run tovik in a terminal";
        return std::nullopt;
    }
    return options;
}
