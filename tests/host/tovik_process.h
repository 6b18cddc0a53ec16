// Runs the real tovik program (or the gallery) in a test's temporary directory, which is also
// its Windows directory, so the profile file lives there.
#pragma once

#include <string>

#include "temp_dir.h"

struct TovikRun {
    int nStatus = -1;  // the exit status
    std::string strOut;
    std::string strErr;
};

// args are passed to a shell as they are; stdinFile (when not empty) becomes
// standard input. program is one of the build's host programs (tovik, gallery).
TovikRun RunTovik(const testing_support::TempDir& dir, const std::string& args, const std::string& stdinFile = "",
                  const std::string& program = "tovik");

// Where the build puts the program, its plug-ins and the sample protocols.
std::string BinaryPath(const std::string& name);
// A path in the source tree.
std::string SourcePath(const std::string& name);
// The shell-quoted form of a word.
std::string ShellQuote(const std::string& word);
