// The command line of tovik: every option takes one value, given as the next
// argument or after '='.
#include "tovik_options.h"

#include <functional>
#include <string_view>

const char TOVIK_USAGE[] =
    "usage: tovik --script FILE [options]\n"
    "       tovik --render FILE.png [options]\n"
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

struct ValueOption {
    std::string_view name;
    std::function<bool(TovikOptions&, const std::string&, std::string&)> apply;
};

bool Store(std::string TovikOptions::*field, TovikOptions& options, const std::string& value) {
    options.*field = value;
    return true;
}

const ValueOption kValueOptions[] = {
    {"--script", [](TovikOptions& o, const std::string& v, std::string&) { return Store(&TovikOptions::strScript, o, v); }},
    {"--profile", [](TovikOptions& o, const std::string& v, std::string&) { return Store(&TovikOptions::strProfile, o, v); }},
    {"--plugin", [](TovikOptions& o, const std::string& v, std::string&) { return Store(&TovikOptions::strPlugin, o, v); }},
    {"--protocol", [](TovikOptions& o, const std::string& v, std::string&) { return Store(&TovikOptions::strProtocol, o, v); }},
    {"--protocols",
     [](TovikOptions& o, const std::string& v, std::string&) { return Store(&TovikOptions::strProtocolsDir, o, v); }},
    {"--page", [](TovikOptions& o, const std::string& v, std::string&) { return Store(&TovikOptions::strPage, o, v); }},
    {"--render", [](TovikOptions& o, const std::string& v, std::string&) { return Store(&TovikOptions::strRender, o, v); }},
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
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.bHelp = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string_view name = std::string_view(arg).substr(0, equals);
        const ValueOption* option = nullptr;
        for (const ValueOption& candidate : kValueOptions) {
            if (candidate.name == name) option = &candidate;
        }
        if (!option) {
            error = "unknown option \"" + arg + "\"";
            return std::nullopt;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = std::string(name) + " needs a value";
            return std::nullopt;
        }
        if (!option->apply(options, value, error)) return std::nullopt;
    }
    if (!options.bHelp && options.strScript.empty() && options.strRender.empty()) {
        error = "no front end: give --script FILE (- reads standard input) or --render FILE.png";
        return std::nullopt;
    }
    return options;
}
