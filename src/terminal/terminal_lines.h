#pragma once
// The terminal's output: every text the game says becomes plain lines that a console screen
// reader reads once as they arrive and a braille display follows, with the cursor left at the
// start of the newest line.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace yacht {

// The lines of a text as printed: split at its line breaks, blanks at either end dropped and runs
// of blanks made one, control characters dropped, empty lines left out. UTF-8 stays as it is.
std::vector<std::string> terminalLines(std::string_view text);

// Writes lines so that the cursor rests at the start of the newest one: each line after the
// first begins with a line feed, and each ends with a carriage return. Nothing else is written:
// no colours, no clearing, no redrawing.
class LinePrinter {
public:
    using Writer = std::function<void(std::string_view)>;
    explicit LinePrinter(Writer write) : write_(std::move(write)) {}

    // Prints the text's lines; a text with no words prints nothing.
    void print(std::string_view text);
    // Moves below the last line, so what the shell prints next starts a line of its own.
    void finish();

private:
    Writer write_;
    bool started_ = false;
};

}  // namespace yacht
