// Golden scripts: each scripts/NAME.tovik runs through the real tovik and the
// real plug-in, and must print NAME.stdout and leave the profile file NAME.ini;
// each scripts/NAME.gallery runs through the gallery and must print NAME.stdout.
//
//   first line "# args: ..."   tovik's options besides --script (optional;
//                              @BIN@ is the build's bin/)
//   NAME.stdout                @BIN@ stands for the folder of the running
//                              program and @BUILD@ for its parent, as the
//                              program sees them (help launches print them)
//   NAME.before.ini            the profile file before the run (optional)
//   NAME.ini                   the profile file after it; without one the run
//                              must leave the profile as it was (or absent)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "temp_dir.h"
#include "tovik_process.h"

namespace {

namespace fs = std::filesystem;

constexpr char kArgsMark[] = "# args: ";
constexpr char kProfileName[] = "tovik.ini";
constexpr char kBinMark[] = "@BIN@";
constexpr char kTovikScript[] = ".tovik";
constexpr char kGalleryScript[] = ".gallery";

fs::path ScriptDir() { return fs::path(SourcePath("tests/host/scripts")); }

std::vector<std::string> GoldenScripts() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(ScriptDir())) {
        const fs::path extension = entry.path().extension();
        if (extension == kTovikScript || extension == kGalleryScript) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The options of the "# args:" line, with @BIN@ standing for the build's bin/.
std::string ScriptArgs(const std::string& script) {
    const std::string firstLine = script.substr(0, script.find('\n'));
    if (!firstLine.starts_with(kArgsMark)) return std::string();
    std::string args = firstLine.substr(sizeof kArgsMark - 1);
    const std::string binDir = fs::path(BinaryPath("tovik")).parent_path().string();
    for (size_t at = args.find(kBinMark); at != std::string::npos; at = args.find(kBinMark, at + binDir.size())) {
        args.replace(at, sizeof kBinMark - 1, binDir);
    }
    return args;
}

// The expected output with the marks replaced by the folders the programs run in.
std::string WithBuildFolders(std::string text) {
    const fs::path binDir = fs::weakly_canonical(fs::path(BinaryPath("tovik")).parent_path());
    const std::pair<std::string, std::string> marks[] = {{"@BIN@", binDir.string()},
                                                         {"@BUILD@", binDir.parent_path().string()}};
    for (const auto& [mark, folder] : marks) {
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + folder.size())) {
            text.replace(at, mark.size(), folder);
        }
    }
    return text;
}

bool PluginsBuilt() {
    return fs::exists(BinaryPath("libdorvane.so")) && fs::exists(BinaryPath("libdorvane_earlier.so")) &&
           fs::exists(BinaryPath("libtovik_fake_plugin.so"));
}

class GoldenScript : public testing::TestWithParam<std::string> {};

TEST_P(GoldenScript, PrintsAndStoresWhatItsGoldenFilesSay) {
    if (!PluginsBuilt()) GTEST_SKIP() << "the plug-in libraries are not built";
    const fs::path scriptFile = ScriptDir() / GetParam();
    const bool bGallery = scriptFile.extension() == kGalleryScript;
    const fs::path base = fs::path(scriptFile).replace_extension();
    const auto sibling = [&base](const std::string& suffix) { return base.string() + suffix; };

    testing_support::TempDir dir;
    const std::string profile = dir / kProfileName;
    const bool bHadProfile = fs::exists(sibling(".before.ini"));
    if (bHadProfile) fs::copy_file(sibling(".before.ini"), profile);
    const std::string before = bHadProfile ? testing_support::ReadFile(profile) : std::string();

    const std::string script = testing_support::ReadFile(scriptFile.string());
    const TovikRun run = RunTovik(dir, ScriptArgs(script) + " --script " + ShellQuote(scriptFile.string()), "",
                                  bGallery ? "gallery" : "tovik");

    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(run.strErr, "");
    EXPECT_EQ(run.strOut, WithBuildFolders(testing_support::ReadFile(sibling(".stdout"))));
    if (fs::exists(sibling(".ini"))) {
        EXPECT_EQ(testing_support::ReadFile(profile), testing_support::ReadFile(sibling(".ini")));
    } else {
        EXPECT_EQ(fs::exists(profile), bHadProfile) << "the run created or removed the profile file";
        EXPECT_EQ(testing_support::ReadFile(profile), before) << "the run changed the profile file";
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenScript, testing::ValuesIn(GoldenScripts()),
                         [](const testing::TestParamInfo<std::string>& row) {
                             // Test names may hold letters, digits and underscores only.
                             std::string name = row.param;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

}  // namespace
