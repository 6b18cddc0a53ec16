// The interactive terminal front end, driven in a real terminal (tmux) with a
// user's keys and mouse reports: what the screen shows, what the profile file
// holds afterwards, and that the terminal is given back on every way out.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"
#include "tmux_terminal.h"
#include "tovik_process.h"

namespace {

// The size the sheet is tried at: room for it and the status line.
constexpr int kColumns = 100;
constexpr int kRows = 40;
constexpr char kProfileName[] = "tovik.ini";

constexpr char kShowViewerCaption[] = "Show run-time viewer during replay";
constexpr char kLengthLabel[] = "Ignore differences shorter than";
constexpr char kRefusalText[] = "Please supply delimiter length";

// Waits until the screen shows text.
testing::AssertionResult Shows(const TmuxTerminal& terminal, const std::string& text) {
    if (terminal.WaitForText(text)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no \"" << text << "\" on\n" << ScreenText(terminal.Screen());
}

class TerminalSheet : public testing::Test {
protected:
    void SetUp() override {
        if (!TmuxTerminal::Available()) GTEST_SKIP() << "tmux is not installed";
        if (!std::filesystem::exists(BinaryPath("libdorvane.so"))) GTEST_SKIP() << "the plug-in is not built";
    }

    // tovik in the terminal, with the test's directory as its Windows directory.
    std::unique_ptr<TmuxTerminal> Start(const std::string& args) {
        return StartProgram("tovik", std::string("--profile ") + kProfileName + ' ' + args, kColumns, kRows);
    }

    std::unique_ptr<TmuxTerminal> StartProgram(const std::string& program, const std::string& args, int nColumns,
                                               int nRows) {
        const std::string dir = m_dir.path().string();
        const std::string command = "cd " + ShellQuote(dir) + " && env TOVIK_WINDIR=" + ShellQuote(dir) +
                                    " LC_ALL=C.UTF-8 " + ShellQuote(BinaryPath(program)) + ' ' + args;
        return std::make_unique<TmuxTerminal>(m_dir, command, nColumns, nRows);
    }

    std::string Profile() const {
        const std::string file = m_dir / kProfileName;
        return std::filesystem::exists(file) ? testing_support::ReadFile(file) : std::string();
    }

    // The program ended by itself with status 0 and left the terminal as it found it.
    static void ExpectCleanExit(const TmuxTerminal& terminal) {
        EXPECT_EQ(terminal.WaitForExit(), 0) << ScreenText(terminal.Screen());
        EXPECT_EQ(terminal.Query("#{alternate_on},#{mouse_any_flag},#{keypad_flag}"), "0,0,0");
    }

    testing_support::TempDir m_dir;
};

TEST_F(TerminalSheet, TicksSwitchesTypesAndStoresOnOK) {
    const auto terminal = Start("--protocol webflow");
    EXPECT_TRUE(Shows(*terminal, "[ Display ]"));
    EXPECT_TRUE(Shows(*terminal, std::string("[ ] ") + kShowViewerCaption));
    EXPECT_TRUE(Shows(*terminal, "< OK >"));
    EXPECT_TRUE(Shows(*terminal, "< Defaults >"));

    terminal->SendKeys({"Space"});  // the first check box has the focus
    EXPECT_TRUE(Shows(*terminal, std::string("[x] ") + kShowViewerCaption));

    terminal->SendKeys({"C-NPage"});
    EXPECT_TRUE(Shows(*terminal, "[ Correlation ]"));
    EXPECT_TRUE(Shows(*terminal, kLengthLabel));
    // Past the two check boxes to the length, whose text Tab selects: typing replaces it.
    terminal->SendKeys({"Tab", "Tab"});
    terminal->Type("12");
    EXPECT_TRUE(Shows(*terminal, std::string(kLengthLabel) + "[12"));
    // The caret stands after what was typed.
    const auto field = FindOnScreen(terminal->Screen(), std::string(kLengthLabel) + "[12");
    ASSERT_TRUE(field);
    const int nCaretColumn = field->second + static_cast<int>(sizeof kLengthLabel - 1) + 3;
    EXPECT_EQ(terminal->Query("#{cursor_y},#{cursor_x},#{cursor_flag}"),
              std::to_string(field->first) + ',' + std::to_string(nCaretColumn) + ",1");

    terminal->SendKeys({"Enter"});  // the sheet's default button: OK
    ExpectCleanExit(*terminal);
    const std::string profile = Profile();
    EXPECT_NE(profile.find("ShowBrowser=1"), std::string::npos) << profile;
    EXPECT_NE(profile.find("MinDelimitersLength=12"), std::string::npos) << profile;
}

TEST_F(TerminalSheet, LeavesHiddenControlsOutDimsDisabledOnesAndReversesTheFocus) {
    // SGR sequences as the terminal keeps them.
    constexpr char kDim[] = "\x1b[2m";
    constexpr char kReverse[] = "\x1b[7m";
    constexpr char kUnderline[] = "\x1b[4m";
    const auto terminal = Start("--protocol webflow");
    EXPECT_TRUE(Shows(*terminal, std::string("[ ] ") + kShowViewerCaption));
    const auto styledRowOf = [&terminal](const std::string& text) {
        const auto at = FindOnScreen(terminal->Screen(), text);
        const std::vector<std::string> styled = terminal->StyledScreen();
        return at && static_cast<size_t>(at->first) < styled.size() ? styled[static_cast<size_t>(at->first)]
                                                                    : std::string();
    };

    const std::vector<std::string> screen = terminal->Screen();
    // Hidden in this presentation: the browser group and the report box.
    EXPECT_FALSE(ScreenShows(screen, "Online Browser")) << ScreenText(screen);
    EXPECT_FALSE(ScreenShows(screen, "Display report at the end")) << ScreenText(screen);
    // The viewer box has the focus; its mnemonic is underlined ("Sh&ow").
    const std::string viewer = styledRowOf(kShowViewerCaption);
    EXPECT_NE(viewer.find(std::string(kReverse) + "Sh"), std::string::npos) << viewer;
    EXPECT_NE(viewer.find(std::string(kUnderline) + "o"), std::string::npos) << viewer;
    // "Auto arrange window" waits for the viewer box.
    EXPECT_NE(styledRowOf("arrange window").find(kDim), std::string::npos) << styledRowOf("arrange window");

    terminal->SendKeys({"Space"});
    EXPECT_TRUE(Shows(*terminal, std::string("[x] ") + kShowViewerCaption));
    EXPECT_EQ(styledRowOf("arrange window").find(kDim), std::string::npos) << styledRowOf("arrange window");
    terminal->SendKeys({"Tab"});
    EXPECT_TRUE(terminal->WaitFor([&styledRowOf, kReverse](const std::vector<std::string>&) {
        return styledRowOf("arrange window").find(std::string(kReverse) + "Au") != std::string::npos;
    })) << styledRowOf("arrange window");
    terminal->SendKeys({"Escape"});
    ExpectCleanExit(*terminal);
}

TEST_F(TerminalSheet, RefusedLeaveShowsItsMessageOverThePage) {
    const auto terminal = Start("--protocol webflow --page Correlation");
    EXPECT_TRUE(Shows(*terminal, "[ Correlation ]"));
    EXPECT_TRUE(Shows(*terminal, std::string(kLengthLabel) + "[4"));
    terminal->SendKeys({"Tab", "Tab", "BSpace"});
    EXPECT_TRUE(Shows(*terminal, std::string(kLengthLabel) + "[ "));

    terminal->SendKeys({"C-PPage"});
    EXPECT_TRUE(Shows(*terminal, kRefusalText));
    const std::vector<std::string> withBox = terminal->Screen();
    EXPECT_TRUE(ScreenShows(withBox, "[ Correlation ]")) << ScreenText(withBox);
    // The box stands over the page: the label under it is cut.
    EXPECT_FALSE(ScreenShows(withBox, kLengthLabel)) << ScreenText(withBox);

    terminal->SendKeys({"Enter"});  // answers the box; the page keeps the user
    EXPECT_TRUE(Shows(*terminal, kLengthLabel));
    const std::vector<std::string> after = terminal->Screen();
    EXPECT_FALSE(ScreenShows(after, kRefusalText)) << ScreenText(after);
    EXPECT_TRUE(ScreenShows(after, "[ Correlation ]")) << ScreenText(after);

    terminal->Type("7");
    EXPECT_TRUE(Shows(*terminal, std::string(kLengthLabel) + "[7"));
    terminal->SendKeys({"Escape"});  // Cancel stores nothing
    ExpectCleanExit(*terminal);
    EXPECT_EQ(Profile(), "");
}

TEST_F(TerminalSheet, MousePressesReachControlsTabsAndArrows) {
    const auto terminal = Start("--protocol webflow");
    EXPECT_TRUE(Shows(*terminal, std::string("[ ] ") + kShowViewerCaption));
    const auto checkBox = FindOnScreen(terminal->Screen(), kShowViewerCaption);
    ASSERT_TRUE(checkBox);
    terminal->Click(checkBox->first, checkBox->second + 2);
    EXPECT_TRUE(Shows(*terminal, std::string("[x] ") + kShowViewerCaption));

    const auto tab = FindOnScreen(terminal->Screen(), "Correlation");
    ASSERT_TRUE(tab);
    terminal->Click(tab->first, tab->second);
    EXPECT_TRUE(Shows(*terminal, "[ Correlation ]"));

    // The up arrow stands just after the length's field, the down arrow after it.
    EXPECT_TRUE(Shows(*terminal, std::string(kLengthLabel) + "[4     ]"));
    const auto field = FindOnScreen(terminal->Screen(), std::string(kLengthLabel) + "[4     ]");
    ASSERT_TRUE(field);
    const int nUpArrow = field->second + static_cast<int>(sizeof kLengthLabel - 1) + 8;
    terminal->Click(field->first, nUpArrow);
    EXPECT_TRUE(Shows(*terminal, std::string(kLengthLabel) + "[5"));
    terminal->Click(field->first, nUpArrow + 1);
    terminal->Click(field->first, nUpArrow + 1);
    EXPECT_TRUE(Shows(*terminal, std::string(kLengthLabel) + "[3"));

    const auto ok = FindOnScreen(terminal->Screen(), "< OK >");
    ASSERT_TRUE(ok);
    terminal->Click(ok->first, ok->second + 2);
    ExpectCleanExit(*terminal);
    const std::string profile = Profile();
    EXPECT_NE(profile.find("ShowBrowser=1"), std::string::npos) << profile;
    EXPECT_NE(profile.find("MinDelimitersLength=3"), std::string::npos) << profile;
}

TEST_F(TerminalSheet, AdvancedDialogOfTheEarlierEditionOpensOverTheSheet) {
    const auto terminal = Start("--protocol webflow --edition earlier --page Correlation");
    EXPECT_TRUE(Shows(*terminal, "< Advanced ... >"));
    terminal->SendKeys({"M-a"});  // the button's mnemonic
    EXPECT_TRUE(Shows(*terminal, "Advanced Correlation"));
    EXPECT_TRUE(Shows(*terminal, "Characters that should be treated as delimiters:"));
    EXPECT_TRUE(Shows(*terminal, "< Use Default >"));
    EXPECT_FALSE(ScreenShows(terminal->Screen(), "< Advanced ... >")) << ScreenText(terminal->Screen());

    terminal->SendKeys({"Escape"});  // closes the dialog, not the sheet
    EXPECT_TRUE(Shows(*terminal, "< Advanced ... >"));
    EXPECT_FALSE(ScreenShows(terminal->Screen(), "Advanced Correlation")) << ScreenText(terminal->Screen());
    terminal->SendKeys({"Escape"});
    ExpectCleanExit(*terminal);
}

TEST_F(TerminalSheet, HelpTopicShowsOnTheStatusLineForF1Alone) {
    const auto terminal = Start("--protocol webflow");
    EXPECT_TRUE(Shows(*terminal, std::string("[ ] ") + kShowViewerCaption));
    // With a modifier held the page leaves F1 to the framework: no help. The
    // check box then shows that the keys before it were read.
    terminal->SendKeys({"S-F1", "C-F1", "Space"});
    EXPECT_TRUE(Shows(*terminal, std::string("[x] ") + kShowViewerCaption));
    EXPECT_FALSE(ScreenShows(terminal->Screen(), "Help: topic")) << ScreenText(terminal->Screen());

    terminal->SendKeys({"F1"});
    EXPECT_TRUE(Shows(*terminal, "Help: topic 141189"));
    terminal->SendKeys({"Space"});  // the next key clears it
    EXPECT_TRUE(Shows(*terminal, std::string("[ ] ") + kShowViewerCaption));
    EXPECT_FALSE(ScreenShows(terminal->Screen(), "Help: topic")) << ScreenText(terminal->Screen());
    terminal->SendKeys({"Escape"});
    ExpectCleanExit(*terminal);
}

TEST_F(TerminalSheet, RedrawsOnResizeAndSaysWhenTheTerminalIsTooSmall) {
    const auto terminal = Start("--protocol webflow");
    EXPECT_TRUE(Shows(*terminal, "[ Display ]"));
    terminal->Resize(40, 10);
    EXPECT_TRUE(Shows(*terminal, "The terminal is too small"));
    EXPECT_FALSE(ScreenShows(terminal->Screen(), "[ Display ]")) << ScreenText(terminal->Screen());
    terminal->Resize(kColumns, kRows);
    EXPECT_TRUE(Shows(*terminal, "[ Display ]"));
    EXPECT_FALSE(ScreenShows(terminal->Screen(), "too small")) << ScreenText(terminal->Screen());
    terminal->SendKeys({"Escape"});
    ExpectCleanExit(*terminal);
}

// The gallery's sheet is wider than tovik's.
TEST_F(TerminalSheet, GallerySpinButtonStepsAndFilteringEditsKeepTheirCharacters) {
    constexpr int kGalleryColumns = 120;
    constexpr int kGalleryRows = 45;
    constexpr char kIntegerLabel[] = "Integer, 0 to 10:";
    const auto terminal = StartProgram("gallery", "", kGalleryColumns, kGalleryRows);
    EXPECT_TRUE(Shows(*terminal, "[ Spin edits ]"));
    EXPECT_TRUE(Shows(*terminal, "[3 "));
    // The spin button's up arrow is the first one on the integer's row.
    const std::vector<std::string> screen = terminal->Screen();
    const auto label = FindOnScreen(screen, kIntegerLabel);
    const auto arrow = FindOnScreen(screen, "\u2191");
    ASSERT_TRUE(label && arrow) << ScreenText(screen);
    ASSERT_EQ(arrow->first, label->first) << ScreenText(screen);
    terminal->Click(arrow->first, arrow->second);
    EXPECT_TRUE(Shows(*terminal, "[4 "));

    terminal->SendKeys({"C-NPage"});
    EXPECT_TRUE(Shows(*terminal, "[ Parsed edits ]"));
    terminal->Type("a1b2");  // into the digits edit, which has the focus and drops the letters
    EXPECT_TRUE(Shows(*terminal, "[12 "));

    terminal->SendKeys({"Enter"});
    EXPECT_EQ(terminal->WaitForExit(), 0) << ScreenText(terminal->Screen());
    // What the spin edits committed, printed once the terminal is given back
    // (tmux's note that the pane has ended may have scrolled it up).
    const std::vector<std::string> output = terminal->ScreenAndHistory();
    EXPECT_TRUE(ScreenShows(output, "value 1201 4")) << ScreenText(output);
}

struct SignalCase {
    const char* name;
    int nSignal;
    const char* key;  // sent instead of the signal when not null: the terminal raises it
};

const SignalCase kSignals[] = {
    {"Terminate", SIGTERM, nullptr},
    {"HangUp", SIGHUP, nullptr},
    {"CtrlC", SIGINT, "C-c"},
};

TEST_F(TerminalSheet, SignalsGiveTheTerminalBack) {
    for (const SignalCase& c : kSignals) {
        SCOPED_TRACE(c.name);
        const auto terminal = Start("--protocol webflow");
        EXPECT_TRUE(Shows(*terminal, "[ Display ]"));
        ASSERT_EQ(terminal->Query("#{alternate_on},#{mouse_any_flag}"), "1,1");
        if (c.key) {
            terminal->SendKeys({c.key});
        } else {
            const pid_t pid = terminal->ProgramId();
            ASSERT_GT(pid, 0);
            ASSERT_EQ(::kill(pid, c.nSignal), 0);
        }
        // The shell's status of a program ended by signal N.
        constexpr int kSignalStatusBase = 128;
        EXPECT_EQ(terminal->WaitForExit(), kSignalStatusBase + c.nSignal) << ScreenText(terminal->Screen());
        EXPECT_EQ(terminal->Query("#{alternate_on},#{mouse_any_flag},#{keypad_flag}"), "0,0,0");
        EXPECT_EQ(Profile(), "");
    }
}

}  // namespace
