// What a user gets wrong: each kind of failure has its exit status and a
// message that names the option, file or script line at fault.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "temp_dir.h"
#include "tovik_process.h"

namespace {

struct FailureCase {
    const char* name;
    std::string args;    // besides a script s.tovik holding `script`
    const char* script;  // written to s.tovik in the test's directory
    int nStatus;
    std::string strError;  // a part of standard error
};

const FailureCase kFailures[] = {
    {"UnknownOption", "--bogus 1 --script s.tovik", "", 2, "tovik: unknown option \"--bogus\"\nusage: tovik"},
    {"OptionWithoutValue", "--script s.tovik --protocol", "", 2, "--protocol needs a value"},
    {"UnknownEdition", "--edition newest --script s.tovik", "", 2, "--edition: \"newest\" is neither current nor earlier"},
    {"NoFrontEnd", "--protocol webflow", "", 2, "no front end: give --script FILE"},
    {"PageTheSheetLacks", "--page Nowhere --script s.tovik", "", 2, "--page: the sheet has no page \"Nowhere\""},
    {"PluginFileMissing", "--plugin ./missing.so --script s.tovik", "", 4,
     "tovik: cannot load the plug-in ./missing.so: no such file"},
    {"PluginWithoutFactory", "--plugin " + BinaryPath("libsetbook.so") + " --script s.tovik", "", 4,
     BinaryPath("libsetbook.so") + ": it has no export create_new_tab"},
    {"UnknownCommand", "--script s.tovik", "dump 1001\n\nfrobnicate 3\nok\n", 3, "s.tovik:3: unknown command \"frobnicate\""},
    {"UnknownControl", "--script s.tovik", "# a comment\nclick 4242\n", 3, "s.tovik:2: the active window has no control 4242"},
    {"UnknownTab", "--script s.tovik", "tab Nowhere\n", 3, "s.tovik:1: the sheet has no tab \"Nowhere\""},
    {"UnknownKey", "--script s.tovik", "key ctrl+F13\n", 3, "s.tovik:1: unknown key \"ctrl+F13\""},
    {"BadTypeEscape", "--script s.tovik", "type a\\q\n", 3, "s.tovik:1: type: a bad escape"},
    {"CommandAfterTheSheetClosed", "--script s.tovik", "ok\ndump\n", 3,
     "s.tovik:2: \"dump\" after the sheet closed (only open may follow)"},
    {"AdvancedWithoutQuotes", "--script s.tovik", "advanced x \"7\" 1\n", 3,
     "s.tovik:1: advanced: expected \"DELIMITERS\" \"LENGTH\" 0|1"},
    {"AdvancedUnclosedQuote", "--script s.tovik", "advanced \"x\" \"7 1\n", 3, "s.tovik:1: advanced: expected"},
    {"AdvancedBadFlag", "--script s.tovik", "advanced \"x\" \"7\" yes\n", 3, "s.tovik:1: advanced: expected"},
    {"AdvancedWithoutTheEntry", "--plugin " + BinaryPath("libtovik_fake_plugin.so") + " --script s.tovik",
     "advanced \"x\" \"7\" 1\n", 3, "s.tovik:1: advanced: the plug-in cannot open the Advanced Correlation dialog"},
    {"OpenWhileOpen", "--script s.tovik", "open\n", 3, "s.tovik:1: open: the sheet is still open"},
    {"ScriptFromStandardInput", "--script -", "dump 99\n", 3, "stdin:1: the active window has no control 99"},
    {"ScriptFileMissing", "--script none.tovik", nullptr, 3, "tovik: cannot read the script none.tovik"},
    {"RenderAfterTheScriptClosedTheSheet", "--script s.tovik --render p.png", "ok\n", 5,
     "tovik: --render: the script closed the sheet itself: nothing to draw"},
    {"RenderIntoAMissingFolder", "--script s.tovik --render missing/p.png", "", 5,
     "tovik: --render: cannot write missing/p.png: No such file or directory"},
    {"RenderAfterAScriptError", "--script s.tovik --render p.png", "click 4242\n", 3,
     "s.tovik:1: the active window has no control 4242"},
};

// Names the row in ctest's listing instead of the struct's bytes.
void PrintTo(const FailureCase& failure, std::ostream* os) { *os << failure.name; }

class TovikFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(TovikFailure, ExitsWithItsStatusAndMessage) {
    const FailureCase& failure = GetParam();
    testing_support::TempDir dir;
    if (failure.script) testing_support::WriteFile(dir / "s.tovik", failure.script);
    const TovikRun run = RunTovik(dir, failure.args, failure.script ? dir / "s.tovik" : std::string());
    EXPECT_EQ(run.nStatus, failure.nStatus) << run.strErr;
    EXPECT_NE(run.strErr.find(failure.strError), std::string::npos) << "stderr: " << run.strErr;
}

INSTANTIATE_TEST_SUITE_P(Cases, TovikFailure, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<FailureCase>& row) { return std::string(row.param.name); });

}  // namespace
