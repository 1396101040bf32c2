// What the narrator makes of each kind of event: the words, and how they enter the speech queue.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "narration/narrator.h"

namespace yacht {
namespace {

// The queue as a test writes it: items joined by '|', a sound as <name>.
std::string written(const SpeechQueue& q)
{
    std::string out;
    for (const SpeechItem& item : q.items()) {
        if (!out.empty()) out += '|';
        out += item.kind == SpeechItem::Kind::Sound ? "<" + item.text + ">" : item.text;
    }
    return out;
}

Event with(EventKind kind, Entry entry, void (*fill)(Event&) = nullptr)
{
    Event e = Event::of(kind, entry);
    if (fill) fill(e);
    return e;
}

struct Told {
    const char* situation;
    std::vector<std::string> before;  // what is queued when the event happens
    Event event;
    std::string heard;                // the queue after it
};

const std::string kHelp = "Press function key F 9 to start a new game or function key F 1 for help. ";

TEST(Narrator, TellsEachKindOfEventInTheGamesWordsAndQueueOrder)
{
    using K = EventKind;
    using E = Entry;
    const std::vector<Told> table = {
        {"first player's first throw", {}, with(K::ThrowStarted, E::After, [](Event& e) {
             e.roll = 1, e.round = 3, e.player = 1, e.several = true;
         }), "round 3 player 1 first roll"},
        {"later player joins the round-over scores", {"scores "}, with(K::ThrowStarted, E::Joined, [](Event& e) {
             e.roll = 1, e.round = 3, e.player = 2, e.several = true;
         }), "scores  player 2 first roll"},
        {"one player's first throw", {}, with(K::ThrowStarted, E::After, [](Event& e) { e.roll = 1, e.round = 1, e.player = 1; }),
         "round 1 first roll"},
        {"second throw", {"hold the first dice "}, with(K::ThrowStarted, E::After, [](Event& e) { e.roll = 2; }),
         "hold the first dice |second roll"},
        {"final throw", {}, with(K::ThrowStarted, E::After, [](Event& e) { e.roll = 3; }), "final roll"},
        {"rolling sound", {"final roll"}, with(K::DiceRolling, E::After), "final roll|<rolldice>"},
        {"dice after the sound", {"x"}, with(K::DiceShown, E::Joined, [](Event& e) { e.faces = {3, 0, 6}; }), "x 3 ? 6"},
        {"no dice to tell adds no item", {}, with(K::DiceShown, E::Joined), ""},
        {"yacht", {}, with(K::YachtThrown, E::After), "yacht"},
        {"how to choose", {}, with(K::ChooseCategory, E::After),
         "Use the arrow keys to choose the category then press the enter key to score"},
        {"first round's wait", {"a"}, with(K::TurnPassed, E::Joined, [](Event& e) { e.round = 1; }),
         "a Press the space bar to begin"},
        {"later round's wait", {"a"}, with(K::TurnPassed, E::Joined, [](Event& e) { e.round = 2; }),
         "a Press the space bar to continue"},
        {"a computer is not asked for the space bar", {"a"}, with(K::TurnPassed, E::Joined, [](Event& e) {
             e.round = 2, e.computer = true;
         }), "a"},
        {"round over, a total not yet drawn", {"old"}, with(K::RoundOver, E::Replacing, [](Event& e) {
             e.totals = {ScoreCell(50), ScoreCell()};
         }), "At the end of the round, the scores are player 1 50, player 2 , "},
        {"one player's game over", {}, with(K::GameOverAlone, E::Replacing, [](Event& e) { e.totals = {ScoreCell(231)}; }),
         "game over, you scored 231 " + kHelp},
        {"one winner", {}, with(K::GameWon, E::Replacing, [](Event& e) { e.player = 2, e.points = 180; }),
         "Game over. The winner is player 2 with a score of 180 " + kHelp},
        {"three way tie", {}, with(K::GameTied, E::Replacing, [](Event& e) { e.players = {1, 3, 4}, e.points = 99; }),
         "Game over. We have a 3 way tie. The joint winners are player 1 and player 3 and player 4 with a score of 99 " + kHelp},
        {"no game running", {"x"}, with(K::GameOverReminder, E::Replacing), "Game over. " + kHelp},
        {"start-up with no game", {}, with(K::NewGameOrHelp, E::Joined), kHelp},
        {"greeting", {"x"}, with(K::Greeting, E::Replacing), "Yacht, from Tevrin Software. " + kHelp},
        {"held die under the cursor", {}, with(K::DieUnderCursor, E::Replacing, [](Event& e) {
             e.number = 5, e.faces = {4}, e.held = true;
         }), "Fifth dice 4, held"},
        {"unthrown die under the cursor", {}, with(K::DieUnderCursor, E::Replacing, [](Event& e) { e.number = 1, e.faces = {0}; }),
         "First dice ?"},
        {"hold the last die", {}, with(K::DieHeld, E::Replacing, [](Event& e) { e.number = 5, e.held = true; }),
         "hold the last dice "},
        {"release the second die", {}, with(K::DieHeld, E::Replacing, [](Event& e) { e.number = 2; }),
         "release the second dice "},
        {"taken row", {}, with(K::CategoryUnderCursor, E::Replacing, [](Event& e) { e.category = 9, e.taken = true; }),
         "Full house is already taken"},
        {"row with a worth", {}, with(K::CategoryUnderCursor, E::Replacing, [](Event& e) { e.category = 7, e.points = 17; }),
         "3 of a kind is worth 17"},
        {"row worth nothing", {}, with(K::CategoryUnderCursor, E::Replacing, [](Event& e) { e.category = 13; }),
         "Yacht is worth nothing"},
        {"scored in the first round", {}, with(K::Scored, E::Replacing, [](Event& e) { e.round = 1, e.points = 12; }),
         "After 1 round your total score is 12"},
        {"scored later", {}, with(K::Scored, E::Replacing, [](Event& e) { e.round = 4, e.points = 60; }),
         "After 4 rounds your total score is 60"},
        {"computer scores", {}, with(K::ComputerScored, E::Replacing, [](Event& e) {
             e.player = 2, e.points = 25, e.category = 9;
         }), "player 2 scores 25 in Full house"},
        {"computer keeps", {}, with(K::ComputerKept, E::Replacing, [](Event& e) { e.player = 2, e.faces = {4, 4, 4}; }),
         "player 2 keeps 4 4 4"},
        {"computer keeps nothing", {}, with(K::ComputerKept, E::Replacing, [](Event& e) { e.player = 3; }),
         "player 3 keeps nothing"},
        {"one category left, as the game has always said it", {}, with(K::CategoriesLeft, E::Replacing, [](Event& e) {
             e.categories = {13};
         }), "1 categories left to fill|Yacht"},
        {"categories left", {}, with(K::CategoriesLeft, E::Replacing, [](Event& e) { e.categories = {1, 12}; }),
         "2 categories left to fill|Ones|Chance"},
        {"scores during a game", {}, with(K::ScoresOfPlayers, E::Replacing, [](Event& e) {
             e.running = true, e.totals = {ScoreCell(10), ScoreCell(0)};
         }), "At the end of the round the scores are, |player 1, 10|player 2, 0"},
        {"scores after the game", {}, with(K::ScoresOfPlayers, E::Replacing, [](Event& e) { e.totals = {ScoreCell(120)}; }),
         "At the end of the game the scores are, |player 1, 120"},
        {"one player's score during a game", {}, with(K::SoloScore, E::Replacing, [](Event& e) {
             e.running = true, e.points = 40, e.number = 30;
         }), "At the end of the round your score is 40 and your sub total is 30"},
        {"one player's score after the game", {}, with(K::SoloScore, E::Replacing, [](Event& e) { e.points = 231; }),
         "At the end of the game your score is 231"},
        {"one player's cost", {"s"}, with(K::ChoicesCost, E::After, [](Event& e) { e.cost = 12.44; }),
         "s|your choices cost 12.4 points against perfect play"},
        {"a player's cost", {}, with(K::ChoicesCost, E::After, [](Event& e) { e.player = 2, e.cost = 3; }),
         "player 2, your choices cost 3.0 points against perfect play"},
        {"space bar after the report", {"s"}, with(K::SpaceToContinue, E::After), "s|Press the space bar to continue. "},
        {"welcome back", {"x"}, with(K::WelcomeBack, E::Replacing),
         "Yacht, from Tevrin Software. Resuming an unfinished game.  Press the space bar to continue or press "
         "function key F 9 if you prefer to start a new game. "},
        {"welcome back to a computer's turn", {}, with(K::WelcomeBack, E::Replacing, [](Event& e) { e.computer = true; }),
         "Yacht, from Tevrin Software. Resuming an unfinished game.  Press function key F 9 if you prefer to start a "
         "new game. "},
        {"resuming several players' second throw", {}, with(K::Resuming, E::After, [](Event& e) {
             e.round = 5, e.player = 2, e.several = true, e.roll = 2;
         }), "Resuming an unfinished game, press function key F 9 if you prefer to start a new game. |"
             "round 5, player 2 second roll"},
        {"resuming before any throw", {}, with(K::Resuming, E::After, [](Event& e) { e.round = 1, e.player = 1; }),
         "Resuming an unfinished game, press function key F 9 if you prefer to start a new game. |round 1"},
        {"players asked", {}, with(K::PlayersAsked, E::Replacing),
         "Choose the number of players using the arrow keys, then press the enter key to begin"},
        {"one player", {}, with(K::PlayerCount, E::Replacing, [](Event& e) { e.number = 1; }), "1 player"},
        {"with computers", {"3 players"}, with(K::ComputerCount, E::Joined, [](Event& e) { e.number = 2; }),
         "3 players, 2 computer players"},
        {"one computer alone", {}, with(K::ComputerCount, E::Replacing, [](Event& e) { e.number = 1; }), "1 computer player"},
        {"no computers", {}, with(K::ComputerCount, E::Replacing), "no computer players"},
        {"strength", {}, with(K::StrengthChosen, E::Replacing, [](Event& e) { e.casual = true; }), "casual"},
        {"coach keeps", {"x"}, with(K::CoachAdvice, E::After, [](Event& e) {
             e.advice.kind = Advice::Kind::Keep, e.advice.keep = {5, 5};
         }), "x|keep 5 5, then throw"},
        {"coach scores, with the row under the cursor", {}, with(K::CoachAdvice, E::After, [](Event& e) {
             e.advice = Advice{Advice::Kind::Score, {}, 11, 40, 12, 7.25};
         }), "score Large straight for 40, Chance costs 7.3 points"},
        {"coach waits", {}, with(K::CoachAdvice, E::After), "the coach waits for your turn"},
    };
    for (const Told& t : table) {
        Narrator narrator;
        SpeechQueue queue;
        for (const std::string& item : t.before) queue.say(item);
        narrator.happened(t.event, queue);
        EXPECT_EQ(written(queue), t.heard) << t.situation;
    }
}

TEST(Narrator, GivesTheWordsOfWhatIsSaidAtOnce)
{
    using K = EventKind;
    const std::vector<std::pair<Event, std::string>> table = {
        {Event::of(K::NewGameQuestion),
         "Do you really want to start a new game? Press the enter key to confirm or the escape key to cancel"},
        {Event::of(K::NewGameCancelled), "cancelled"},
        {Event::of(K::Goodbye), "goodbye"},
        {with(K::VoiceChanged, Entry::After, [](Event& e) { e.description = "Voice one"; }), "Voice changed to Voice one"},
        {with(K::SpeedChanged, Entry::After, [](Event& e) { e.number = 4; }), "Speed changed to very fast"},
        {Event::of(K::SpeedInScreenReader), "The speed is set in your screen reader"},
    };
    Narrator narrator;
    for (const auto& [event, words] : table) EXPECT_EQ(narrator.wordsOf(event), words);
}

TEST(PhraseBook, FillsNumberedPlaceholdersInAnyOrder)
{
    EXPECT_EQ(fillPhrase("%2$s scores %1$d", {"25", "player 2"}), "player 2 scores 25");
    EXPECT_EQ(fillPhrase("100%% of %1$s", {"it"}), "100% of it");
    EXPECT_EQ(fillPhrase("a %3$s b", {"x"}), "a  b");      // a missing argument is left out
    EXPECT_EQ(fillPhrase("50% off %1", {"x"}), "50% off %1");  // not a placeholder
}

TEST(PhraseBook, EveryEntryHasWords)
{
    const PhraseBook& book = PhraseBook::english();
    for (int p = 0; p < static_cast<int>(Phrase::Count); ++p)
        EXPECT_FALSE(book[static_cast<Phrase>(p)].empty()) << "entry " << p;
}

}  // namespace
}  // namespace yacht
