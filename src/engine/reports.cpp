#include "engine/reports.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/computer_turn.h"
#include "engine/dice_announcement.h"
#include "rules/coach_phrases.h"
#include "rules/phrases.h"
#include "rules/scoring.h"

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
std::string spokenTotal(const Game& g, int p)
{
    return decimal(totalOf(g, p).value_or(0));
}

// The player whose categories F3 lists: the current one, except between turns (a score just
// entered), where it is the player who throws next. 0 after the last score of the game.
int playerToList(const Game& g)
{
    if (g.state != EngineState::TurnEnd) return g.player;
    if (g.player < g.numplayers) return g.player + 1;
    return g.round >= kLastRound ? 0 : 1;
}

}  // namespace

void repeatdice(Game& g)
{
    g.saybuf.clear();
    saydice(g);
    if (!gameRunning(g)) g.saybuf.replace(phrase::kGameOver);
}

void saycategories(Game& g)
{
    const int player = playerToList(g);
    if (!gameRunning(g) || (g.state == EngineState::TurnEnd && player == 0)) {
        g.saybuf.replace(phrase::kGameOver);
        return;
    }
    // The player's own column, not the sheet: between turns the sheet still shows the previous
    // card or every player's total, while the player about to throw asks about theirs. Counting
    // the same column makes the count and the list agree.
    const bool column = isPlayerColumn(player);
    std::vector<std::string> names;
    for (int row = 1; row <= kCategories; ++row) {
        if (column && g.scores[row][player]) continue;
        names.push_back(withoutLeadingBlanks(kCategoryCaptions[row]));
    }
    g.saybuf.replace(decimal(int(names.size())) + " categories left to fill");
    for (std::string& name : names) g.saybuf.say(std::move(name));
}

void sayscore(Game& g)
{
    const bool running = gameRunning(g);
    // Before any game there is no score to tell: F4 answers as F2 and F3 do then.
    if (!running && !anyTotal(g)) {
        g.saybuf.replace(phrase::kGameOver);
        return;
    }
    if (g.numplayers > 1) {
        g.saybuf.replace(running ? "At the end of the round the scores are, "
                                 : "At the end of the game the scores are, ");
        const int count = std::min<int>(g.numplayers, kMaxPlayers);
        for (int p = 1; p <= count; ++p)
            g.saybuf.say("player " + decimal(p) + ", " + spokenTotal(g, p));
    } else if (running) {
        g.saybuf.replace("At the end of the round your score is " + spokenTotal(g, g.player) +
                         " and your sub total is " + decimal(g.subtotal));
    } else {
        g.saybuf.replace("At the end of the game your score is " + spokenTotal(g, g.player));
    }
    // After the game each person also hears what their choices cost against perfect play.
    if (!running && g.seats.talliesTold()) {
        const int count = std::min<int>(g.numplayers, kMaxPlayers);
        for (int p = 1; p <= count; ++p) {
            if (!g.seats.tallied[p] || g.seats.isComputer(p)) continue;
            g.saybuf.say((count > 1 ? "player " + decimal(p) + ", " : std::string()) +
                         costOfChoices(g.seats.cost[p]));
        }
    }
    // A computer's turn goes on by itself: the space bar would only skip it.
    if (!running)
        g.saybuf.say(phrase::kNewGameOrHelp);
    else if (!computerTurn(g))
        g.saybuf.say("Press the space bar to continue. ");
}

}  // namespace yacht
