#pragma once
// The one record of the game in progress: players, round and roll, the dice and their hold flags,
// the score table, the cursors, and the engine state. What the window shows besides is kept by
// the front ends from the game's events (screen/view_facts.h); nothing reads a caption back.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/seats.h"
#include "rules/category_prices.h"

namespace yacht {

// The engine's state codes. The numbers are written to the saved game and must not change.
enum class EngineState : int16_t {
    Idle = 0,       // no game in progress (not started, or over)
    Rolled = 1,     // dice on the table after the first or second throw
    Choosing = 2,   // after the last throw: the player picks a category
    Rolling = 3,    // a throw is pending until the speech queue is empty
    Players = 4,    // choosing the number of players
    TurnEnd = 5,    // a turn is finished; the next one is set up once the queue is empty
    WaitSpace = 6,  // waiting for the space bar before the current player's turn
    Startup = 99,   // set by start-up; the first tick resumes a saved game or greets
};

// True for the codes above; a saved game with any other code is refused.
bool isKnownState(int code);

constexpr int kMaxPlayers = 8;
constexpr int kCategories = 13;
constexpr int kDice = 5;
constexpr int kLastRound = 13;  // a game has as many rounds as categories
constexpr int kTotalRow = 0;
constexpr int kYachtRow = 13;
constexpr int kBonusRow = 14;
static_assert(kDice == kDiceThrown && kCategories == category::Count);

// One cell of the score table: the points entered, or nothing yet (which is not a scored 0).
using ScoreCell = std::optional<int16_t>;

// Rows 0 (total), 1..13 (categories), 14 (Yacht bonus sum) by player columns 0..8; column 0 is
// never used. An empty cell counts as 0 in every sum.
using ScoreTable = std::array<std::array<ScoreCell, kMaxPlayers + 1>, 15>;
static_assert(Seats::kColumns == kMaxPlayers + 1);

// The game state. Numbers are 16-bit as the saved game and the design have them.
struct Game {
    int16_t numPlayers = 0;
    int16_t player = 0;
    int16_t round = 0;
    int16_t roll = 0;
    EngineState state = EngineState::Idle;
    int16_t categoryCursor = 0;
    int16_t diceCursor = 0;
    std::array<int16_t, kDice> dice{};  // faces 1..6; 0 before the die is thrown (shown "?")
    std::array<int16_t, kDice> held{};  // 1 for a held die
    std::array<int16_t, kCategories + 1> categoryValues{};  // indexed 1..13 by category
    ScoreTable scores{};
    int16_t total = 0;
    int16_t subtotal = 0;
    int16_t helpPage = 0;           // the help page the next F1 reads
    Seats seats;                    // who plays each seat, and what each person's choices cost

    // The players whose final score beats every earlier finished game, told once the game's end
    // has been announced; set when the last turn is scored.
    std::vector<int16_t> newBestScores;
};

// True when p names a column of the score table (1..8).
inline bool isPlayerColumn(int p)
{
    return p >= 1 && p <= kMaxPlayers;
}

// A die's face as shown, spoken and saved: "1".."6", or "?" before it is thrown.
std::string faceText(int16_t face);

// The five faces as plain numbers, 0 for a die not yet thrown.
std::array<int, kDice> facesOf(const Game& game);

// Whether the current player has already scored the category (1..13); false without a player.
bool taken(const Game& game, int category);

// A player's total as the sheet last wrote it (none before the player's first card); a player
// outside the table has none.
ScoreCell totalOf(const Game& g, int p);

// Decimal text of a number, no blanks.
std::string decimal(int value);

// A score cell as the sheet shows it, the reports say it and the saved game writes it: its
// decimal, or nothing for an empty cell.
std::string cellText(ScoreCell cell);

// The same text written into a caption in place: the card redraws thirteen of them every turn.
void drawCell(std::string& caption, ScoreCell cell);

}  // namespace yacht
