// The command line of tovik.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Exit statuses, one per kind of failure a user can cause.
inline constexpr int TOVIK_EXIT_OK = 0;
inline constexpr int TOVIK_EXIT_USAGE = 2;    // unknown option, missing or bad value
inline constexpr int TOVIK_EXIT_SCRIPT = 3;   // a script error (FILE:LINE: message)
inline constexpr int TOVIK_EXIT_PLUGIN = 4;   // the plug-in cannot be loaded or has no create_new_tab
inline constexpr int TOVIK_EXIT_RENDER = 5;   // --render wrote no picture
inline constexpr int TOVIK_EXIT_TERMINAL = 6; // the terminal front end cannot take the terminal

struct TovikOptions {
    std::string strProfile = "tovik.ini";  // a bare name lives in the Windows directory
    std::string strPlugin;                 // empty: the edition's library beside tovik
    bool bEarlierEdition = false;
    std::string strProtocol = "webflow";   // a shipped sample that enables both pages
    std::string strProtocolsDir;           // empty: protocols/ beside bin/, the setbook default
    std::string strPage;                   // empty: the first page
    std::string strScript;                 // "-" reads standard input; empty (and no --render): the terminal
    std::string strRender;                 // the PNG file of --render, empty without it
    bool bHelp = false;
};

// The options, or nothing with the reason in error.
std::optional<TovikOptions> ParseTovikOptions(const std::vector<std::string>& args, std::string& error);

// What `tovik --help` and a usage error print.
extern const char TOVIK_USAGE[];
