// Prints what the options pages would read for a protocol: the protocol
// description's keys and the Display page's flags in the host's profile file.
//
//   settings-probe [--protocol NAME] [--profile FILE]
#include <setbook.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kDefaultProtocol = "webflow";
constexpr const char* kDefaultProfile = "tovik.ini";
constexpr const char* kDisplaySection = "dorvane_tab";
constexpr int kValueSize = 128;

int Usage()
{
    std::fprintf(stderr, "usage: settings-probe [--protocol NAME] [--profile FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string protocol = kDefaultProtocol;
    std::string profile = kDefaultProfile;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--protocol") == 0 && hasValue)
            protocol = argv[++i];
        else if (std::strcmp(argv[i], "--profile") == 0 && hasValue)
            profile = argv[++i];
        else
            return Usage();
    }

    char value[kValueSize];
    std::printf("protocol %s\n", protocol.c_str());
    XpdReader reader("");
    std::printf("  description %s\n", reader.AddProtocol(protocol.c_str()) ? "found" : "missing");
    for (const char* key : {"EnableCorrelationStudio", "EnableScriptingAndJavaApplets", "VISUAL_LOG"}) {
        reader.GetSectionKey(value, kValueSize, protocol.c_str(), "Tovik", key, "0");
        std::printf("  [Tovik] %s=%s\n", key, value);
    }

    char windowsDirectory[MAX_PATH];
    GetWindowsDirectoryA(windowsDirectory, MAX_PATH);
    std::printf("profile %s (relative names live in %s)\n", profile.c_str(), windowsDirectory);
    const struct { const char* key; const char* fallback; } displayKeys[] = {
        {"ShowBrowser", "0"}, {"BrowserAutoArrange", "1"}, {"GenerateReport", "1"}, {"OpenReport", "1"}};
    for (const auto& [key, fallback] : displayKeys) {
        GetPrivateProfileStringA(kDisplaySection, key, fallback, value, kValueSize - 1, profile.c_str());
        std::printf("  [%s] %s=%s\n", kDisplaySection, key, value);
    }
    return 0;
}
