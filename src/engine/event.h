#pragma once
// What happened in the game, typed, with the facts needed to tell it: the engine emits one of
// these wherever something is to be heard or shown; the narrator turns them into words and
// sounds, and the front ends keep what they show from them.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/game_state.h"
#include "engine/record.h"
#include "engine/status_caption.h"

namespace yacht {

// The coach's advice, as facts: a category to score, dice to keep, or why there is none.
struct Advice {
    enum class Kind { WaitForTurn, StillThinking, ThrowFirst, Keep, Score };
    Kind kind = Kind::WaitForTurn;
    std::vector<int> keep;   // the faces to keep (Keep), smallest first
    int category = 0;        // the category to score (Score)
    int points = 0;          // what it scores (Score)
    int cursorCategory = 0;  // the row under the cursor when it costs points against the best, else 0
    double cursorCost = 0;
};

// The kinds of event, each with its facts.
namespace event {

// The turn
struct ThrowCalled { int roll = 1; int round = 0; int player = 0; bool several = false; };  // several: more than one player
struct DiceRolling {};                                   // the rolling sound
struct DiceShown { std::vector<int> faces; };            // the dice told; 0 for a die not thrown
struct YachtThrown {};
struct ChooseCategory {};                                // a person is told how to choose
struct TurnPassed { int round = 0; int player = 0; bool computer = false; };
struct RoundOver { std::vector<ScoreCell> totals; };     // by player, from player 1
struct GameOverAlone { ScoreCell total; };
struct GameWon { int player = 0; int points = 0; };
struct GameTied { std::vector<int> players; int points = 0; };
struct NewBestScore { std::vector<int> players; bool several = false; };  // beat every earlier finished game
struct NewGameOrHelp {};                                 // no game running: how to start one
struct GameOverReminder {};                              // a report asked while no game runs
// The dice and the categories
struct DieUnderCursor { int die = 1; int face = 0; bool held = false; };  // die 1..5
struct DieHeld { int die = 1; bool held = true; };                        // held or released
struct CategoryUnderCursor { int category = 1; int worth = 0; bool taken = false; };
struct Scored { int round = 0; int total = 0; int category = 0; };        // a person scored
struct ComputerScored { int player = 0; int points = 0; int category = 0; };
struct ComputerKept { int player = 0; std::vector<int> faces; };          // smallest first
// Reports
struct CategoriesLeft { std::vector<int> categories; };
struct ScoresOfPlayers { bool running = false; std::vector<int> totals; };  // running: a game is under way
struct SoloScore { bool running = false; int total = 0; int subtotal = 0; };
struct ChoicesCost { int player = 0; double cost = 0; };  // player 0 when only one plays
struct SpaceToContinue {};
// The record (F5) and the turns of the others (F6)
struct NothingRecorded {};
struct BestScores { std::vector<BestScore> best; };      // best first
struct RecordStatistics { RecordSummary summary; };
struct AgainstComputers { AgainstComputer strong; AgainstComputer casual; };
struct TurnRetold { PlayedTurn turn; };
struct NoTurnPlayed {};
// Start and end
struct Greeting {};
struct WelcomeBack { bool computer = false; };          // a resumed game waits for its next turn
struct Resuming { int round = 0; int player = 0; bool several = false; int roll = 0; };
struct NewGameQuestion {};
struct NewGameCancelled {};
struct PlayersAsked {};
struct PlayerCount { int players = 1; };
struct ComputerCount { int computers = 0; };
struct StrengthChosen { bool casual = true; };
struct Goodbye {};
// The coach, the voice and the help
struct CoachAdvice { Advice advice; };
struct VoiceChanged { std::string description; };
struct SpeedChanged { int speed = 2; };                 // 0 very slow .. 4 very fast
struct SpeedInScreenReader {};
struct WordingChanged { bool brief = false; };           // said in the wording it changed to
struct HelpPage { int page = 0; std::string text; };    // the page's text, as the resources hold it
struct SpeakingEngine { std::string engine; };          // the engine speaking now, first seen or taken over
// What the window and the terminal's sheet show; nothing of these is heard
struct BoardStarted { static constexpr bool kShownOnly = true; };  // the side title reads "YACHT" until a card
struct CardShown { int player = 0; int total = 0; static constexpr bool kShownOnly = true; };
struct ScoreboardShown { static constexpr bool kShownOnly = true; };    // one row per player
struct PlayerCountsShown { static constexpr bool kShownOnly = true; };  // the list of player counts
struct RowLit { int row = 0; static constexpr bool kShownOnly = true; };  // 0 for none
struct DieLit { int die = 0; static constexpr bool kShownOnly = true; };  // 1..5, 0 for none
struct SideTotalShown { std::optional<int> total; static constexpr bool kShownOnly = true; };  // none: blank
struct StatusShown { Status status = Status::RollDice; static constexpr bool kShownOnly = true; };

// Whether an event is only shown, never heard.
template <typename E>
concept ShownOnly = E::kShownOnly;

}  // namespace event

using EventFacts = std::variant<
    event::ThrowCalled, event::DiceRolling, event::DiceShown, event::YachtThrown, event::ChooseCategory,
    event::TurnPassed, event::RoundOver, event::GameOverAlone, event::GameWon, event::GameTied,
    event::NewGameOrHelp, event::GameOverReminder, event::DieUnderCursor, event::DieHeld,
    event::CategoryUnderCursor, event::Scored, event::ComputerScored, event::ComputerKept,
    event::CategoriesLeft, event::ScoresOfPlayers, event::SoloScore, event::ChoicesCost,
    event::SpaceToContinue, event::NothingRecorded, event::BestScores, event::RecordStatistics,
    event::AgainstComputers, event::TurnRetold, event::NoTurnPlayed, event::NewBestScore, event::Greeting, event::WelcomeBack, event::Resuming, event::NewGameQuestion,
    event::NewGameCancelled, event::PlayersAsked, event::PlayerCount, event::ComputerCount,
    event::StrengthChosen, event::Goodbye, event::CoachAdvice, event::VoiceChanged, event::SpeedChanged,
    event::SpeedInScreenReader, event::HelpPage, event::WordingChanged, event::SpeakingEngine,
    event::BoardStarted, event::CardShown, event::ScoreboardShown, event::PlayerCountsShown, event::RowLit,
    event::DieLit, event::SideTotalShown, event::StatusShown>;

// How the words enter the speech queue, which keeps what is heard in today's order.
enum class Entry {
    After,      // an item of its own, said after what is queued
    Joined,     // joined to the last queued item, said in one breath with it
    Replacing,  // everything queued is dropped first
    Unheard,    // everything queued is dropped, and nothing of this event is heard: what follows says it
};

// One thing that happened, and how what is heard of it enters the queue.
struct Event {
    EventFacts what;
    Entry entry = Entry::After;
};

}  // namespace yacht
