#include "engine/choosing.h"

#include <algorithm>

#include "engine/coach.h"
#include "engine/computer_turn.h"
#include "engine/score_sheet.h"
#include "engine/turn_log.h"

namespace yacht {
namespace {

// Marks the row under the cursor and says what it would score, or that it is taken.
void moveCategoryCursor(Game& g, Teller& tell, int step)
{
    const int at = g.categoryCursor + step;
    // No wrapping: the cursor stops at either end, and saying the row again brings a cursor of 0 to 1.
    g.categoryCursor = static_cast<int16_t>(std::clamp(at, 1, kCategories));

    const int c = g.categoryCursor;
    tell({event::RowLit{c}});
    const event::CategoryUnderCursor under{.category = c, .worth = g.categoryValues[c], .taken = taken(g, c)};
    tell({under, Entry::Replacing});
}

// The category under the cursor is written into the player's column, if it is free. A person
// hears the total; a computer's score is said with its name.
Flow scoreCategory(Game& g, TurnAdvisor& advisor, TurnLog& log, Record& record, Teller& tell)
{
    const int c = g.categoryCursor;
    if (c < 1 || c > kCategories) return Flow::EndTick;
    // A taken category stays as it is; the key has already emptied the queue, so all is silent.
    if (taken(g, c)) return Flow::Continue;
    tallyCategory(g, advisor, c);

    if (isPlayerColumn(g.player)) g.scores[c][g.player] = g.categoryValues[c];
    g.roll = 0;
    showCard(g, tell);
    noteScored(g, log, record, c);
    g.state = EngineState::TurnEnd;
    g.categoryCursor = 0;
    if (g.seats.isComputer(g.player)) {
        const int points = isPlayerColumn(g.player) ? g.scores[c][g.player].value_or(0) : 0;
        const event::ComputerScored scored{.player = g.player, .points = points, .category = c};
        tell({scored, Entry::Replacing});
        return Flow::Continue;
    }
    const event::Scored scored{.round = g.round, .total = g.total, .category = c};
    // The end of the game follows the last round and says the final scores instead.
    tell({scored, g.round == kLastRound ? Entry::Unheard : Entry::Replacing});
    return Flow::Continue;
}

}  // namespace

Flow applyChoosingAction(Game& g, TurnAdvisor& advisor, TurnLog& log, Record& record, Teller& tell,
                         Action action)
{
    switch (action.kind) {
    case ActionKind::Score:
        if (action.number != 0) g.categoryCursor = static_cast<int16_t>(action.number);
        return scoreCategory(g, advisor, log, record, tell);
    case ActionKind::NextCategory: moveCategoryCursor(g, tell, 1); return Flow::Continue;
    case ActionKind::PreviousCategory: moveCategoryCursor(g, tell, -1); return Flow::Continue;
    case ActionKind::SayCategory:
        if (action.number != 0) g.categoryCursor = static_cast<int16_t>(action.number);
        moveCategoryCursor(g, tell, 0);
        return Flow::Continue;
    default: return Flow::Continue;
    }
}

}  // namespace yacht
