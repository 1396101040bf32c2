#include "engine/reports.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/computer_turn.h"
#include "engine/dice_announcement.h"

namespace yacht {
namespace {

bool gameRunning(const Game& g)
{
    return g.state != EngineState::Idle;
}

// Whether any player has a total on the sheet: none before the first game has been played.
bool anyTotal(const Game& g)
{
    for (int p = 1; p <= kMaxPlayers; ++p)
        if (totalOf(g, p)) return true;
    return false;
}

// A player's total as the reports say it: a total not yet drawn is 0, never an empty number.
int spokenTotal(const Game& g, int p)
{
    return totalOf(g, p).value_or(0);
}

void gameOver(Teller& tell)
{
    tell({event::GameOverReminder{}, Entry::Replacing});
}

// The player whose categories F3 lists: the current one, except between turns (a score just
// entered), where it is the player who throws next. 0 after the last score of the game.
int playerToList(const Game& g)
{
    if (g.state != EngineState::TurnEnd) return g.player;
    if (g.player < g.numPlayers) return g.player + 1;
    return g.round >= kLastRound ? 0 : 1;
}

}  // namespace

void repeatDice(Game& g, Teller& tell)
{
    sayDice(g, tell, Entry::Replacing);
    if (!gameRunning(g)) gameOver(tell);
}

void sayCategoriesLeft(Game& g, Teller& tell)
{
    const int player = playerToList(g);
    if (!gameRunning(g) || (g.state == EngineState::TurnEnd && player == 0)) {
        gameOver(tell);
        return;
    }
    // The player's own column, not the sheet: between turns the sheet still shows the previous
    // card or every player's total, while the player about to throw asks about theirs. Counting
    // the same column makes the count and the list agree.
    const bool column = isPlayerColumn(player);
    event::CategoriesLeft left;
    for (int row = 1; row <= kCategories; ++row) {
        if (column && g.scores[row][player]) continue;
        left.categories.push_back(row);
    }
    tell({left, Entry::Replacing});
}

void sayScores(Game& g, Teller& tell)
{
    const bool running = gameRunning(g);
    // Before any game there is no score to tell: F4 answers as F2 and F3 do then.
    if (!running && !anyTotal(g)) {
        gameOver(tell);
        return;
    }
    if (g.numPlayers > 1) {
        event::ScoresOfPlayers scores{.running = running, .totals = {}};
        const int count = std::min<int>(g.numPlayers, kMaxPlayers);
        for (int p = 1; p <= count; ++p) scores.totals.push_back(spokenTotal(g, p));
        tell({scores, Entry::Replacing});
    } else {
        const event::SoloScore score{.running = running, .total = spokenTotal(g, g.player), .subtotal = g.subtotal};
        tell({score, Entry::Replacing});
    }
    // After the game each person also hears what their choices cost against perfect play.
    if (!running && g.seats.talliesTold()) {
        const int count = std::min<int>(g.numPlayers, kMaxPlayers);
        for (int p = 1; p <= count; ++p) {
            if (!g.seats.tallied[p] || g.seats.isComputer(p)) continue;
            const event::ChoicesCost cost{.player = count > 1 ? p : 0, .cost = g.seats.cost[p]};
            tell({cost});
        }
    }
    // A computer's turn goes on by itself: the space bar would only skip it.
    if (!running)
        tell({event::NewGameOrHelp{}});
    else if (!computerTurn(g))
        tell({event::SpaceToContinue{}});
}

}  // namespace yacht
