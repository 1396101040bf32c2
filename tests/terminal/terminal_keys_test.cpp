// The terminal's own keys, the new-game question's answers, and its keys in the help.

#include <gtest/gtest.h>

#include "engine/key_codes.h"
#include "narration/narrator.h"
#include "terminal/terminal_keys.h"
#include "terminal/terminal_narrator.h"

namespace yacht {
namespace {

TEST(TerminalKeys, CtrlCLeavesEscapeHushesIAndLReport)
{
    EXPECT_EQ(terminalKey(Key{'C', keys::Ctrl}).key, Key{keys::F12});
    EXPECT_EQ(terminalKey(Key{keys::Escape}).key, Key{keys::CtrlKey});
    EXPECT_EQ(terminalKey(Key{'I'}).command, TerminalCommand::StateLine);
    EXPECT_EQ(terminalKey(Key{'L'}).command, TerminalCommand::SheetLines);
    EXPECT_EQ(terminalKey(Key{'L', keys::Alt}).command, TerminalCommand::GameKey);
    EXPECT_EQ(terminalKey(Key{'C'}).key, Key{'C'});
    EXPECT_EQ(terminalKey(Key{keys::F1, keys::Shift}).key, (Key{keys::F1, keys::Shift}));

    EXPECT_EQ(questionAnswer(Key{keys::Enter}), QuestionAnswer::Ok);
    EXPECT_EQ(questionAnswer(Key{'Y'}), QuestionAnswer::Ok);
    EXPECT_EQ(questionAnswer(Key{keys::Escape}), QuestionAnswer::Cancel);
    EXPECT_EQ(questionAnswer(Key{'C', keys::Ctrl}), QuestionAnswer::Cancel);
    EXPECT_EQ(questionAnswer(Key{keys::Space}), std::nullopt);
}

TEST(TerminalKeys, TheHelpsIntroductionAndKeyPageNameThem)
{
    Narrator narrator;
    TerminalNarrator told(narrator);
    const auto page = [&told](int n) { return told.wordsOf({event::HelpPage{n, "Page."}}); };
    EXPECT_NE(page(0).find("I tells the state of play"), std::string::npos);
    EXPECT_NE(page(3).find("Escape hushes"), std::string::npos);
    EXPECT_EQ(page(1), "Page.");
}

}  // namespace
}  // namespace yacht
