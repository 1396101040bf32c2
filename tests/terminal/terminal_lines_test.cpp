// The terminal's lines: plain, one a text, never blank, the cursor at the start of the newest.

#include <gtest/gtest.h>

#include "terminal/terminal_lines.h"

namespace yacht {
namespace {

TEST(TerminalLines, PrintsPlainLinesWithoutBlanksOrControls)
{
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"the queue's leading blank goes", " Press the space bar to continue", {"Press the space bar to continue"}},
        {"runs of blanks and tabs become one", "round 3\t  first  roll ", {"round 3 first roll"}},
        {"a help page's blank lines go", "Function keys.\r\n\r\nF2 tells you the dice.\r\n", {"Function keys.", "F2 tells you the dice."}},
        {"escape sequences cannot recolour the terminal", "\x1b[31mred\x1b[0m", {"[31mred[0m"}},
        {"nothing but blanks prints nothing", " \t \n ", {}},
        {"UTF-8 stays whole", "Voice changed to Fran\xc3\xa7ois", {"Voice changed to Fran\xc3\xa7ois"}},
    };
    for (const Case& c : cases) EXPECT_EQ(terminalLines(c.text), c.lines) << c.what;
}

TEST(TerminalLines, LeavesTheCursorAtTheStartOfTheNewestLine)
{
    std::string out;
    LinePrinter printer([&out](std::string_view s) { out += s; });
    printer.print("goodbye?");
    printer.print("");
    printer.print("one\ntwo");
    EXPECT_EQ(out, "goodbye?\r\none\r\ntwo\r");
    printer.finish();
    EXPECT_EQ(out, "goodbye?\r\none\r\ntwo\r\n");
}

TEST(TerminalLines, ALongLineThatWrapsLeavesTheCursorAtItsFirstRow)
{
    std::string out;
    std::size_t width = 10;
    LinePrinter printer([&out](std::string_view s) { out += s; }, [&width] { return width; });
    printer.print("exactly 10");  // fills its row: the cursor stays on it
    printer.print("twenty-one characters");  // three rows: up two
    printer.print("\xc3\xa9t\xc3\xa9 9 cols");  // UTF-8: nine columns, one row
    EXPECT_EQ(out, "exactly 10\r\ntwenty-one characters\r\x1b[2A\n\n\n\xc3\xa9t\xc3\xa9 9 cols\r");
    out.clear();
    width = 0;  // not known: no rows reckoned
    printer.print("eleven char");
    printer.print("x");
    EXPECT_EQ(out, "\neleven char\r\nx\r");
    width = 4;
    out.clear();
    printer.print("wraps twice");
    printer.finish();  // below the last row, for the shell
    EXPECT_EQ(out, "\nwraps twice\r\x1b[2A\n\n\n");
}

}  // namespace
}  // namespace yacht
