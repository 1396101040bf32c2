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

void gameOver(Game& g, EventSink& events)
{
    events.happened({event::GameOverReminder{}, Entry::Replacing}, g.speechQueue);
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

void repeatDice(Game& g, EventSink& events)
{
    g.speechQueue.clear();
    sayDice(g, events);
    if (!gameRunning(g)) gameOver(g, events);
}

void sayCategoriesLeft(Game& g, EventSink& events)
{
    const int player = playerToList(g);
    if (!gameRunning(g) || (g.state == EngineState::TurnEnd && player == 0)) {
        gameOver(g, events);
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
    events.happened({left, Entry::Replacing}, g.speechQueue);
}

void sayScores(Game& g, EventSink& events)
{
    const bool running = gameRunning(g);
    // Before any game there is no score to tell: F4 answers as F2 and F3 do then.
    if (!running && !anyTotal(g)) {
        gameOver(g, events);
        return;
    }
    if (g.numPlayers > 1) {
        event::ScoresOfPlayers scores{.running = running, .totals = {}};
        const int count = std::min<int>(g.numPlayers, kMaxPlayers);
        for (int p = 1; p <= count; ++p) scores.totals.push_back(spokenTotal(g, p));
        events.happened({scores, Entry::Replacing}, g.speechQueue);
    } else {
        const event::SoloScore score{.running = running, .total = spokenTotal(g, g.player), .subtotal = g.subtotal};
        events.happened({score, Entry::Replacing}, g.speechQueue);
    }
    // After the game each person also hears what their choices cost against perfect play.
    if (!running && g.seats.talliesTold()) {
        const int count = std::min<int>(g.numPlayers, kMaxPlayers);
        for (int p = 1; p <= count; ++p) {
            if (!g.seats.tallied[p] || g.seats.isComputer(p)) continue;
            const event::ChoicesCost cost{.player = count > 1 ? p : 0, .cost = g.seats.cost[p]};
            events.happened({cost}, g.speechQueue);
        }
    }
    // A computer's turn goes on by itself: the space bar would only skip it.
    if (!running)
        events.happened({event::NewGameOrHelp{}}, g.speechQueue);
    else if (!computerTurn(g))
        events.happened({event::SpaceToContinue{}}, g.speechQueue);
}

}  // namespace yacht
