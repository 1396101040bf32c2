#include "engine/coach.h"

#include <algorithm>
#include <cmath>

#include "engine/computer_turn.h"
#include "engine/game_position.h"

namespace yacht {
namespace {

bool personsTurn(const Game& g)
{
    if (g.player < 1 || g.player > g.numPlayers || g.seats.isComputer(g.player)) return false;
    return g.state == EngineState::WaitSpace || g.state == EngineState::Rolling ||
           g.state == EngineState::Rolled || g.state == EngineState::Choosing;
}

Advice scoreAdvice(const strategy::CategoryChoice& best)
{
    Advice a;
    a.kind = Advice::Kind::Score;
    a.category = best.category;
    a.points = best.points;
    return a;
}

// After a throw with throws to come: the dice to keep, or the category to score when the dice
// are best left as they are.
Advice keepAdvice(const strategy::TurnPlan& plan, const strategy::Dice& dice, int throwsLeft)
{
    const strategy::KeepChoice keep = strategy::bestKeep(plan, dice, throwsLeft);
    if (keep.holdsAll()) return scoreAdvice(strategy::bestCategory(plan, dice));
    Advice a;
    a.kind = Advice::Kind::Keep;
    a.keep = heldFaces(dice, keep.hold);
    return a;
}

// While choosing: the best category, and what the row under the cursor costs against it.
Advice categoryAdvice(const Game& g, const strategy::TurnPlan& plan, const strategy::Dice& dice)
{
    Advice a = scoreAdvice(strategy::bestCategory(plan, dice));
    const int c = g.categoryCursor;
    if (c >= 1 && c <= kCategories && c != a.category && plan.position().isFree(c)) {
        a.cursorCategory = c;
        a.cursorCost = strategy::categoryCost(plan, dice, c);
    }
    return a;
}

Advice simply(Advice::Kind kind)
{
    Advice a;
    a.kind = kind;
    return a;
}

void addCost(Game& g, double cost)
{
    if (!std::isfinite(cost)) return;
    g.seats.cost[g.player] += std::max(0.0, cost);
    g.seats.tallied[g.player] = true;
    ++g.seats.weighed[g.player];
}

// A person's choices are weighed once the tallies are to be told (a computer plays, or someone
// asked the coach): a game of people alone never asks for the solver's table.
bool tallies(const Game& g)
{
    return g.player >= 1 && g.player <= kMaxPlayers && !g.seats.isComputer(g.player) && g.seats.talliesTold();
}

}  // namespace

Advice coachAdvice(const Game& g, TurnAdvisor& advisor)
{
    if (!personsTurn(g)) return simply(Advice::Kind::WaitForTurn);
    const strategy::TurnPlan* plan = advisor.plan(g);
    if (!plan) return simply(Advice::Kind::StillThinking);
    const std::optional<strategy::Dice> dice = diceOnTable(g);
    if (g.state == EngineState::WaitSpace || !dice) return simply(Advice::Kind::ThrowFirst);
    if (g.state == EngineState::Choosing) return categoryAdvice(g, *plan, *dice);
    return keepAdvice(*plan, *dice, 3 - g.roll);
}

void tellCoachAdvice(Game& g, TurnAdvisor& advisor, Teller& tell)
{
    if (personsTurn(g)) g.seats.coachAsked = true;
    tell({event::CoachAdvice{coachAdvice(g, advisor)}});
}

void tallyKeep(Game& g, TurnAdvisor& advisor)
{
    if (!tallies(g) || g.roll < 1 || g.roll > 2) return;
    const strategy::TurnPlan* plan = advisor.plan(g);
    const std::optional<strategy::Dice> dice = diceOnTable(g);
    if (!plan || !dice) return;
    const int throwsLeft = 3 - g.roll;
    strategy::FaceCounts kept{};
    for (int i = 0; i < kDice; ++i)
        if (g.held[i] == 1) ++kept[(*dice)[i]];
    const int keep = strategy::diceSets().indexOf(kept);
    if (keep < 0) return;
    double best = -INFINITY;
    for (const strategy::KeepOption& o : strategy::keepOptions(*plan, *dice, throwsLeft))
        best = std::max(best, o.expected);
    addCost(g, best - plan->keepValue(keep, throwsLeft));
}

void tallyCategory(Game& g, TurnAdvisor& advisor, int c)
{
    if (!tallies(g)) return;
    const strategy::TurnPlan* plan = advisor.plan(g);
    const std::optional<strategy::Dice> dice = diceOnTable(g);
    if (!plan || !dice) return;
    addCost(g, strategy::categoryCost(*plan, *dice, c));
}

}  // namespace yacht
