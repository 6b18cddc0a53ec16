// The command line of gallery: the options of tovik that apply to a sheet
// of the toolkit's own pages. Exit statuses as tovik's.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct GalleryOptions {
    std::string strScript;  // "-" reads standard input
    std::string strPage;    // empty: the first page
    std::string strRender;  // the PNG file of --render, empty without it
    bool bReadOnly = false;  // the base page in read-only mode
    int nLanguage = 0;       // the system language code the extension reads (1, 3); 0: the system's own
    bool bHelp = false;
};

// The options, or nothing with the reason in error.
std::optional<GalleryOptions> ParseGalleryOptions(const std::vector<std::string>& args, std::string& error);

extern const char GALLERY_USAGE[];
