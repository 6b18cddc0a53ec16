// tovik: the host program of the plug-in.
#include <iostream>
#include <string>
#include <vector>

#include "tovik_app.h"
#include "tovik_options.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<TovikOptions> options = ParseTovikOptions(args, error);
    if (!options) {
        std::cerr << "tovik: " << error << '\n' << TOVIK_USAGE;
        return TOVIK_EXIT_USAGE;
    }
    if (options->bHelp) {
        std::cout << TOVIK_USAGE;
        return TOVIK_EXIT_OK;
    }
    CTovikApp app;
    return app.RunHost(*options);
}
