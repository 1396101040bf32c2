#include "engine/reports.h"

#include <algorithm>
#include <string>
#include <vector>

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

}  // namespace

void repeatdice(Game& g)
{
    g.saybuf.clear();
    saydice(g);
    if (!gameRunning(g)) g.saybuf.replace(phrase::kGameOver);
}

void saycategories(Game& g)
{
    if (!gameRunning(g)) {
        g.saybuf.replace(phrase::kGameOver);
        return;
    }
    // The current player's own column, not the sheet: between turns the sheet still shows the
    // previous card or every player's total, while the player about to throw asks about theirs.
    // Counting the same column makes the count and the list agree.
    const bool column = g.player >= 1 && g.player <= kMaxPlayers;
    std::vector<std::string> names;
    for (int row = 1; row <= kCategories; ++row) {
        if (column && g.scores[row][g.player]) continue;
        names.push_back(withoutLeadingBlanks(kCategoryCaptions[row]));
    }
    g.saybuf.replace(decimal(int(names.size())) + " categories left to fill");
    for (std::string& name : names) g.saybuf.say(std::move(name));
}

void sayscore(Game& g)
{
    const bool running = gameRunning(g);
    if (g.numplayers > 1) {
        g.saybuf.replace(running ? "At the end of the round the scores are, "
                                 : "At the end of the game the scores are, ");
        const int count = std::min<int>(g.numplayers, kMaxPlayers);
        for (int p = 1; p <= count; ++p)
            g.saybuf.say("player " + decimal(p) + ", " + cellText(totalOf(g, p)));
    } else if (running) {
        g.saybuf.replace("At the end of the round your score is " + cellText(totalOf(g, g.player)) +
                         " and your sub total is " + decimal(g.subtotal));
    } else {
        g.saybuf.replace("At the end of the game your score is " + cellText(totalOf(g, g.player)));
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
    g.saybuf.say(running ? "Press the space bar to continue. " : phrase::kNewGameOrHelp);
}

}  // namespace yacht
