// The host programs' command lines: options that take a value ("--name VALUE"
// or "--name=VALUE") and flags ("--name"), described by a table of the
// program's own, and --help.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

template <typename Options>
struct ValueOption {
    std::string_view name;
    // Stores the value; false with the reason in error when the value is bad.
    std::function<bool(Options&, const std::string& value, std::string& error)> apply;
    bool bTakesValue = true;  // false: a flag, applied with an empty value
};

// A table entry that stores the value as it stands in a string field.
template <typename Options>
ValueOption<Options> StoreIn(std::string_view name, std::string Options::*field) {
    return {name, [field](Options& options, const std::string& value, std::string&) {
                options.*field = value;
                return true;
            }};
}

// A flag that sets a bool field.
template <typename Options>
ValueOption<Options> FlagIn(std::string_view name, bool Options::*field) {
    return {name,
            [field](Options& options, const std::string&, std::string&) {
                options.*field = true;
                return true;
            },
            false};
}

// Applies args to options; false with the reason in error. --help and -h set bHelp.
template <typename Options>
bool ParseCommandLine(const std::vector<std::string>& args, std::span<const ValueOption<Options>> table,
                      Options& options, bool& bHelp, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            bHelp = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string_view name = std::string_view(arg).substr(0, equals);
        const ValueOption<Options>* option = nullptr;
        for (const ValueOption<Options>& candidate : table) {
            if (candidate.name == name) option = &candidate;
        }
        if (!option) {
            error = "unknown option \"" + arg + "\"";
            return false;
        }
        std::string value;
        if (!option->bTakesValue) {
            if (equals != std::string::npos) {
                error = std::string(name) + " takes no value";
                return false;
            }
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = std::string(name) + " needs a value";
            return false;
        }
        if (!option->apply(options, value, error)) return false;
    }
    return true;
}
