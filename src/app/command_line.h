#pragma once
// The program's command-line options.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace yacht {

// What the command line asked for.
struct Options {
    std::string transcript;        // "" none, "-" standard output, else a file
    std::optional<uint64_t> seed;  // a fixed seed for the dice
    std::string speechEngine;      // "" the default (speechd, then flite), or speechd|flite|none
    bool help = false;
    bool version = false;
    bool optimum = false;          // print the optimal expected score and leave
    bool simulate = false;         // play solitaire games with no window and leave
    std::string simulateStrength;  // strong|casual
    long simulateGames = 0;
};

// The outcome of parsing: the options, or a message for stderr and exit status 2.
struct ParsedOptions {
    Options options;
    std::string error;
};

ParsedOptions parseCommandLine(const std::vector<std::string>& args);

// The text --help prints.
std::string usageText();

}  // namespace yacht
