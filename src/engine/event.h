#pragma once
// What happened in the game, typed, with the facts needed to tell it: the engine emits one of
// these wherever something is to be heard, and the narrator turns it into words and sounds.

#include <optional>
#include <string>
#include <vector>

#include "engine/game_state.h"

namespace yacht {

// The kinds of thing that happen. The fields of Event each kind uses are named beside it.
enum class EventKind {
    // Turn flow
    ThrowStarted,      // roll (1..3), round, player, several (more than one player): a throw is called
    DiceRolling,       // the rolling sound
    DiceShown,         // faces: the dice said after a throw or asked for (0 for a die not thrown)
    YachtThrown,       // five of a kind
    ChooseCategory,    // a person is told how to choose after the last throw
    TurnPassed,        // round, player, computer: the next player waits for the space bar
    RoundOver,         // totals: every player's total at the end of a round
    GameOverAlone,     // totals (one): the one player's final score
    GameWon,           // player, points: one winner
    GameTied,          // players, points: the joint winners
    NewGameOrHelp,     // no game running: how to start one or hear the help
    GameOverReminder,  // a report asked while no game is running
    // The dice and the categories
    DieUnderCursor,    // number (die 1..5), faces (its face), held
    DieHeld,           // number (die 1..5), held (true held, false released)
    CategoryUnderCursor,  // category, points (its worth), taken
    Scored,            // round, points (the player's total): a person scored
    ComputerScored,    // player, points, category
    ComputerKept,      // player, faces (the kept faces, in order)
    // Reports
    CategoriesLeft,    // categories: the player's empty rows
    ScoresOfPlayers,   // running, totals: every player's total
    SoloScore,         // running, points (total), number (sub total)
    ChoicesCost,       // player (0 when only one player plays), cost
    SpaceToContinue,   // a person's turn waits after the score report
    // Start and end
    Greeting,          // the window has opened
    WelcomeBack,       // computer: a resumed game waits for its next turn
    Resuming,          // round, player, several, roll: where a resumed game stands
    NewGameQuestion,   // a game is under way: a new game is to be confirmed
    NewGameCancelled,
    PlayersAsked,      // a new game: the number of players is asked for
    PlayerCount,       // number: players chosen so far
    ComputerCount,     // number: computer players among them
    StrengthChosen,    // casual: the computer players' strength
    Goodbye,
    // The coach and the voice
    CoachAdvice,       // advice: what the coach says
    VoiceChanged,      // description: the voice now speaking
    SpeedChanged,      // number: the speed index (0 very slow .. 4 very fast)
    SpeedInScreenReader,
    HelpPage,          // number, description (the page's text, as the game's resources hold it)
};

// How the words enter the speech queue, which keeps what is heard in today's order.
enum class Entry {
    After,      // an item of its own, said after what is queued
    Joined,     // joined to the last queued item, said in one breath with it
    Replacing,  // everything queued is dropped first
};

// The coach's advice, as facts: a category to score, dice to keep, or why there is none.
struct Advice {
    enum class Kind { WaitForTurn, StillThinking, ThrowFirst, Keep, Score };
    Kind kind = Kind::WaitForTurn;
    std::vector<int> keep;   // the faces to keep (Keep)
    int category = 0;        // the category to score (Score)
    int points = 0;          // what it scores (Score)
    int cursorCategory = 0;  // the row under the cursor when it costs points against the best, else 0
    double cursorCost = 0;
};

// One thing that happened.
struct Event {
    EventKind kind;
    Entry entry = Entry::After;
    int round = 0;
    int player = 0;
    int roll = 0;
    int number = 0;
    int points = 0;
    int category = 0;
    bool several = false;  // more than one player plays
    bool held = false;
    bool taken = false;
    bool computer = false;
    bool running = false;  // a game is under way
    bool casual = false;
    double cost = 0;
    std::vector<int> faces;
    std::vector<int> players;
    std::vector<int> categories;
    std::vector<ScoreCell> totals;
    std::string description;
    Advice advice;

    static Event of(EventKind kind, Entry entry = Entry::After)
    {
        Event e{kind};
        e.entry = entry;
        return e;
    }
};

}  // namespace yacht
