#include "engine/rolling.h"

#include <algorithm>
#include <array>

#include "engine/coach.h"
#include "engine/computer_turn.h"
#include "engine/dice_announcement.h"
#include "engine/turn_log.h"

namespace yacht {
namespace {

// One die: the whole part of r times 6, plus 1. The bound keeps a faulty source from showing 7.
int throwDie(Random& random)
{
    return std::clamp(static_cast<int>(random.next() * 6) + 1, 1, 6);
}

bool isYacht(const Game& g)
{
    for (int i = 1; i < kDice; ++i)
        if (g.dice[i] != g.dice[0]) return false;
    return true;
}

// A further Yacht, thrown once the Yacht row holds 50, pays 100 at once, before any choice.
void payYachtBonus(Game& g, Teller& tell)
{
    if (!isPlayerColumn(g.player) || g.scores[kYachtRow][g.player] != 50) return;
    // The sum stops at the largest 16-bit number, where reading it back always stopped it.
    ScoreCell& bonus = g.scores[kBonusRow][g.player];
    bonus = static_cast<int16_t>(std::min(bonus.value_or(0) + kYachtBonus, int(INT16_MAX)));
    g.total = static_cast<int16_t>(g.total + kYachtBonus);
    tell({event::SideTotalShown{g.total}});
}

// The dice cursor moves with wrapping; a cursor outside 1..5 restarts from the end it enters.
void moveDiceCursor(Game& g, Teller& tell, bool right)
{
    const int at = g.diceCursor;
    if (right)
        g.diceCursor = static_cast<int16_t>(at >= kDice || at < 0 ? 1 : at + 1);
    else
        g.diceCursor = static_cast<int16_t>(at <= 1 || at > kDice ? kDice : at - 1);

    const int die = g.diceCursor - 1;
    tell({event::DieLit{g.diceCursor}});
    const event::DieUnderCursor under{.die = die + 1, .face = g.dice[die], .held = g.held[die] == 1};
    tell({under, Entry::Replacing});
}

// The next throw, or the end of throwing when nothing is left to throw. What the throw says
// follows whatever is queued: a person's key has emptied the queue, a computer's keep is said first.
void throwAgain(Game& g, TurnAdvisor& advisor, Teller& tell)
{
    tallyKeep(g, advisor);
    int heldCount = 0;
    for (int16_t h : g.held) heldCount += h;
    if (heldCount == kDice) g.roll = 3;
    if (g.roll >= 3) {
        // The pending roll throws nothing, sees the last roll and starts the choice.
        g.state = EngineState::Rolling;
        return;
    }
    for (int i = 0; i < kDice; ++i)
        if (g.held[i] == 0) g.dice[i] = 0;
    ++g.roll;
    const event::ThrowCalled called{.roll = g.roll, .round = g.round, .player = g.player, .several = g.numPlayers > 1};
    tell({called});
    tell({event::DiceRolling{}});
    g.state = EngineState::Rolling;
}

Flow holdOrRelease(Game& g, Toolkit& toolkit, Teller& tell, int die)
{
    if (g.roll == 0) {
        toolkit.beep();
        return Flow::EndTick;
    }
    const bool hold = g.held[die] == 0;
    g.held[die] = hold ? 1 : 0;
    tell({event::DieHeld{.die = die + 1, .held = hold}, Entry::Replacing});
    return Flow::Continue;
}

}  // namespace

void priceCategories(Game& g)
{
    const CategoryValues v = priceDice(facesOf(g));
    for (int c = 1; c <= kCategories; ++c) g.categoryValues[c] = v[c];
}

void makePendingThrow(Game& g, Random& random, TurnLog& log, Teller& tell)
{
    for (int i = 0; i < kDice; ++i)
        if (g.held[i] == 0) g.dice[i] = static_cast<int16_t>(throwDie(random));
    tell({event::DieLit{0}});
    // A pending roll with every die held throws nothing and is no throw of the turn.
    if (std::count(g.held.begin(), g.held.end(), int16_t(1)) < kDice) noteThrow(g, log);

    if (isYacht(g)) {
        tell({event::YachtThrown{}});
        g.roll = 3;
        payYachtBonus(g, tell);
    } else {
        sayDice(g, tell);
    }
    g.state = EngineState::Rolled;
    g.diceCursor = 0;

    if (g.roll == 3) {
        priceCategories(g);
        // The computer chooses by itself; only a person is told how to choose.
        if (!g.seats.isComputer(g.player))
            tell({event::ChooseCategory{}});
        g.state = EngineState::Choosing;
        g.categoryCursor = 0;
        // A Yacht the player has not yet taken puts the cursor on Yacht, so enter scores it.
        if (g.categoryValues[category::Yacht] == 50 && !taken(g, category::Yacht))
            g.categoryCursor = category::Yacht;
    }
}

Flow applyRolledAction(Game& g, TurnAdvisor& advisor, Toolkit& toolkit, Teller& tell, Action action)
{
    switch (action.kind) {
    case ActionKind::NextDie: moveDiceCursor(g, tell, true); return Flow::Continue;
    case ActionKind::PreviousDie: moveDiceCursor(g, tell, false); return Flow::Continue;
    case ActionKind::Throw: throwAgain(g, advisor, tell); return Flow::Continue;
    case ActionKind::Keep:
        // The keep is said first; the throw's own words and sound follow it.
        tell(keptEvent(g, action.hold));
        for (int i = 0; i < kDice; ++i) g.held[i] = action.hold[i] ? 1 : 0;
        throwAgain(g, advisor, tell);
        return Flow::Continue;
    case ActionKind::ToggleDie:
        if (action.number < 1 || action.number > kDice) return Flow::Continue;
        return holdOrRelease(g, toolkit, tell, action.number - 1);
    default: return Flow::Continue;
    }
}

}  // namespace yacht
