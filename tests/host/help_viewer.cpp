// The help viewer stand-in beside tovik (BraskoHelp.exe): it opens the
// address it is given with the platform's browser, or prints it where there
// is none.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "temp_dir.h"
#include "tovik_process.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

constexpr char kUrl[] = "file:///suite/help/html_help/index.htm?context=tovik&topic=141189";

void WriteRecordingBrowser(const std::string& path, const std::string& record) {
    WriteFile(path, "#!/bin/sh\nprintf '%s|%s\\n' \"${0##*/}\" \"$*\" >> '" + record + "'\n");
    chmod(path.c_str(), 0755);
}

TEST(HelpViewer, OpensTheAddressWithThePlatformsBrowserOrPrintsIt) {
    TempDir dir;
    const std::string browsers = dir / "browsers";
    const std::string opener = dir / "opener";
    const std::string empty = dir / "empty";
    for (const std::string& folder : {browsers, opener, empty}) std::filesystem::create_directories(folder);
    const std::string record = dir / "record.txt";
    WriteRecordingBrowser(browsers + "/web", record);
    WriteRecordingBrowser(opener + "/xdg-open", record);
    struct Row {
        const char* name;
        std::string environment;  // besides a cleared environment
        std::string out;
        std::string recorded;
    };
    const Row rows[] = {
        {"the first program of BROWSER that is found", "PATH=" + browsers + " BROWSER=no-such-browser:web", "",
         std::string("web|") + kUrl + "\n"},
        {"xdg-open without BROWSER", "PATH=" + opener, "", std::string("xdg-open|") + kUrl + "\n"},
        {"no browser: the address is printed", "PATH=" + empty + " BROWSER=no-such-browser",
         std::string("BraskoHelp: ") + kUrl + "\n", ""},
    };
    for (const Row& row : rows) {
        std::filesystem::remove(record);
        const std::string out = dir / "out.txt";
        const std::string command = "/usr/bin/env -i " + row.environment + " " +
                                    ShellQuote(BinaryPath("BraskoHelp.exe")) + " " + ShellQuote(kUrl) + " >" +
                                    ShellQuote(out);
        EXPECT_EQ(std::system(command.c_str()), 0) << row.name;
        EXPECT_EQ(ReadFile(out), row.out) << row.name;
        EXPECT_EQ(ReadFile(record), row.recorded) << row.name;
    }
}

}  // namespace
