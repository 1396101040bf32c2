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

// The number of terminal columns a printed line takes: one a character (UTF-8 continuation
// bytes take none).
std::size_t lineColumns(std::string_view line);

// Writes lines so that the cursor rests at the start of the newest one: each line after the
// first begins with a line feed, and each ends with a carriage return. A line longer than the
// terminal is wide wraps onto more rows: the cursor goes back up to its first row, and the next
// line starts below its last. Nothing else is written: no colours, no clearing, no redrawing.
class LinePrinter {
public:
    using Writer = std::function<void(std::string_view)>;
    // The terminal's width in columns now; 0 when it is not known (no wrapping is reckoned).
    using Width = std::function<std::size_t()>;
    explicit LinePrinter(Writer write, Width width = {}) : write_(std::move(write)), width_(std::move(width)) {}

    // Prints the text's lines; a text with no words prints nothing.
    void print(std::string_view text);
    // Moves below the last line, so what the shell prints next starts a line of its own.
    void finish();

private:
    // The line feeds that take the cursor from the newest line's first row past its last.
    std::string belowNewest() const;

    Writer write_;
    Width width_;
    bool started_ = false;
    // Rows the newest line wrapped onto below its first.
    std::size_t rowsBelow_ = 0;
};

}  // namespace yacht
