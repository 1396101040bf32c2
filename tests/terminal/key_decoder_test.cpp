// The terminal's key strings decoded into the game's keys: the Linux console, xterm-like
// terminals, screen and tmux, split reads, a lone Escape, Alt and characters beyond ASCII.

#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "terminal/key_decoder.h"

namespace yacht {
namespace {

Key k(int code, int modifier = 0)
{
    return Key{code, modifier};
}

constexpr int F5 = keys::F1 + 4, F11 = keys::F1 + 10;

TEST(KeyDecoder, DecodesEachTerminalsStringsForTheGamesKeys)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<Key> keys;
    };
    const Case cases[] = {
        {"letters in either case, digits, space", "hH3 ", {k('H'), k('H'), k('3'), k(keys::Space)}},
        {"Enter as carriage return and line feed", "\r\n", {k(keys::Enter), k(keys::Enter)}},
        {"Ctrl+C is C with Ctrl", "\x03", {k('C', keys::Ctrl)}},
        {"Backspace as DEL and as Ctrl+H", "\x7f\x08", {k(keys::Backspace), k(keys::Backspace)}},
        {"Linux console F1 and F5", "\x1b[[A\x1b[[E", {k(keys::F1), k(F5)}},
        {"Linux console Shift+F1 and Shift+F4", "\x1b[25~\x1b[29~", {k(keys::F1, keys::Shift), k(keys::F4, keys::Shift)}},
        {"xterm and screen F1 to F4", "\x1bOP\x1bOS", {k(keys::F1), k(keys::F4)}},
        {"F9 F11 F12", "\x1b[20~\x1b[23~\x1b[24~", {k(keys::F9), k(F11), k(keys::F12)}},
        {"xterm Shift+F1 Ctrl+F1 Alt+F1", "\x1b[1;2P\x1b[1;5P\x1b[1;3P",
         {k(keys::F1, keys::Shift), k(keys::F1, keys::Ctrl), k(keys::F1, keys::Alt)}},
        {"xterm Ctrl+Shift+F12", "\x1b[24;6~", {k(keys::F12, keys::Ctrl | keys::Shift)}},
        {"old xterm modified SS3", "\x1bO2P", {k(keys::F1, keys::Shift)}},
        {"arrows, normal and application mode", "\x1b[A\x1bOB\x1b[C\x1bOD",
         {k(keys::Up), k(keys::Down), k(keys::Right), k(keys::Left)}},
        {"Alt+letter", "\x1bv", {k('V', keys::Alt)}},
        {"Escape twice, then a key", "\x1b\x1b[A", {k(keys::Escape), k(keys::Up)}},
        {"an accented letter is one other key", "\xc3\xa9" "1", {k(keys::OtherKey), k('1')}},
        {"an unknown sequence is one other key", "\x1b[99x" "2", {k(keys::OtherKey), k('2')}},
    };
    for (const Case& c : cases) {
        KeyDecoder decoder;
        EXPECT_EQ(decoder.feed(c.bytes), c.keys) << c.what;
        EXPECT_FALSE(decoder.waiting()) << c.what;
    }
}

TEST(KeyDecoder, WaitsForTheRestOfASequenceSplitBetweenReads)
{
    KeyDecoder decoder;
    EXPECT_TRUE(decoder.feed("\x1b").empty());
    EXPECT_TRUE(decoder.waiting());
    EXPECT_TRUE(decoder.feed("[2").empty());
    EXPECT_EQ(decoder.feed("4~5"), (std::vector<Key>{k(keys::F12), k('5')}));
    EXPECT_TRUE(decoder.feed("\xe2\x82").empty());
    EXPECT_EQ(decoder.feed("\xac"), (std::vector<Key>{k(keys::OtherKey)}));
}

TEST(KeyDecoder, ALoneEscapeIsEscapeOnceTheWaitIsOver)
{
    KeyDecoder decoder;
    EXPECT_TRUE(decoder.feed("\x1b").empty());
    EXPECT_EQ(decoder.flush(), (std::vector<Key>{k(keys::Escape)}));
    EXPECT_FALSE(decoder.waiting());
    // An Escape and a bracket with nothing after them were typed, not sent as a sequence.
    EXPECT_TRUE(decoder.feed("\x1b[").empty());
    EXPECT_EQ(decoder.flush(), (std::vector<Key>{k(keys::Escape), k(keys::OtherKey)}));
}

TEST(KeyDecoder, TheTerminalsOwnStringsComeFirst)
{
    // rxvt sends Shift+F1 as ESC [ 23 $, which no built-in rule knows.
    KeyDecoder decoder({{"\x1b[23$", k(keys::F1, keys::Shift)}, {"\x1b[11~", k(keys::F1)}});
    EXPECT_EQ(decoder.feed("\x1b[23$\x1b[11~\x1b[24~"),
              (std::vector<Key>{k(keys::F1, keys::Shift), k(keys::F1), k(keys::F12)}));
    EXPECT_TRUE(decoder.feed("\x1b[23").empty());
    EXPECT_EQ(decoder.feed("$"), (std::vector<Key>{k(keys::F1, keys::Shift)}));
}

}  // namespace
}  // namespace yacht
