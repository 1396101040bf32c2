#pragma once
// The program's command-line options, as qt_command_line.cpp reads them, and the text of --help.

#include <cstdint>
#include <optional>
#include <string>

namespace yacht {

// What the command line asked for.
struct Options {
    std::string transcript;        // "" none, "-" standard output, else a file
    std::optional<uint64_t> seed;  // a fixed seed for the dice
    std::string speechEngine;      // "" as remembered, or speechd|flite|screen-reader|none
    bool terminal = false;         // play in the terminal even where a display is available
    std::string language;          // "" the desktop's, else a language code such as "de"
    bool brief = false;            // brief speech for this run
    bool help = false;
    bool version = false;
    bool optimum = false;          // print the optimal expected score and leave
    bool simulate = false;         // play solitaire games with no window and leave
    std::string simulateStrength;  // strong|casual
    long simulateGames = 0;
    bool record = false;           // print the best scores and statistics and leave
    std::string recordExport;      // write the recorded turns as CSV to this file (- standard output) and leave
    bool platformNamed = false;    // Qt's -platform was given
    std::string display;           // Qt's -display, "" when not given
};

// The outcome of parsing: the options, or a message for stderr and exit status 2.
struct ParsedOptions {
    Options options;
    std::string error;
};

// The text --help prints. Written out rather than made by Qt's parser: its layout (the synopsis
// lines, the options and their continuation lines) is what the manual page is made from, and it
// stays as players and scripts know it.
std::string usageText();

}  // namespace yacht
