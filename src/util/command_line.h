// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The program's command line: a bare start opens the window; --help and --version
// print their text and end; anything else is refused with the usage. Read before the
// application object is made, so none of these needs a display.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace teclarium {

// What a command line asks for, and the texts to print.
struct TCommandLineOutcome {
    std::optional<int> FExitCode;  // empty: run the program
    std::string FOut;              // for stdout
    std::string FErr;              // for stderr
};

// programName: the name the program was started as (argv[0], a path or not);
// args: the arguments after it. Qt's own options are refused too, except -session
// with its value, by which a desktop's session manager restarts the program.
TCommandLineOutcome ReadCommandLine(std::string_view programName, const std::vector<std::string_view>& args);

// Reads argv, prints the texts and returns the exit code, or nothing to run.
std::optional<int> HandleCommandLine(int argc, const char* const* argv);

}  // namespace teclarium
