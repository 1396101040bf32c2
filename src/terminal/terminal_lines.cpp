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

void LinePrinter::print(std::string_view text)
{
    for (const std::string& line : terminalLines(text)) {
        std::string out;
        if (started_) out += '\n';
        out += line;
        out += '\r';
        write_(out);
        started_ = true;
    }
}

void LinePrinter::finish()
{
    if (started_) write_("\n");
    started_ = false;
}

}  // namespace yacht
