#include "terminal/terminal_lines.h"

namespace yacht {
namespace {

bool isBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string cleanLine(std::string_view raw)
{
    std::string out;
    bool pendingBlank = false;
    for (const char ch : raw) {
        const auto c = static_cast<unsigned char>(ch);
        if (isBlank(c)) {
            pendingBlank = !out.empty();
            continue;
        }
        // Escape and the other control characters would move the cursor or change colours.
        if (c < 0x20 || c == 0x7f) continue;
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += ch;
    }
    return out;
}

}  // namespace

std::vector<std::string> terminalLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string line = cleanLine(text.substr(start, end - start));
        if (!line.empty()) lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::size_t lineColumns(std::string_view line)
{
    std::size_t columns = 0;
    for (const char ch : line)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++columns;
    return columns;
}

std::string LinePrinter::belowNewest() const
{
    return started_ ? std::string(rowsBelow_ + 1, '\n') : std::string();
}

void LinePrinter::print(std::string_view text)
{
    for (const std::string& line : terminalLines(text)) {
        std::string out = belowNewest();
        out += line;
        out += '\r';
        // A line that fills its last row leaves the cursor on that row (the terminals the game
        // meets wrap only when the next character comes), so a line of exactly the width takes
        // one row.
        const std::size_t width = width_ ? width_() : 0;
        const std::size_t columns = lineColumns(line);
        rowsBelow_ = width > 0 && columns > width ? (columns - 1) / width : 0;
        if (rowsBelow_ > 0) out += "\x1b[" + std::to_string(rowsBelow_) + "A";
        write_(out);
        started_ = true;
    }
}

void LinePrinter::finish()
{
    write_(belowNewest());
    started_ = false;
    rowsBelow_ = 0;
}

}  // namespace yacht
