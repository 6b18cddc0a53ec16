// gallery: the toolkit's controls at work, on an options sheet of their own.
#include <iostream>
#include <string>
#include <vector>

#include "gallery_app.h"
#include "tovik_options.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<GalleryOptions> options = ParseGalleryOptions(args, error);
    if (!options) {
        std::cerr << "gallery: " << error << '\n' << GALLERY_USAGE;
        return TOVIK_EXIT_USAGE;
    }
    if (options->bHelp) {
        std::cout << GALLERY_USAGE;
        return TOVIK_EXIT_OK;
    }
    CGalleryApp app;
    return app.RunGallery(*options);
}
