#include "engine/coach.h"

#include <algorithm>
#include <cmath>

#include "engine/computer_turn.h"
#include "engine/game_position.h"
#include "engine/rolling.h"
#include "rules/coach_phrases.h"
#include "rules/scoring.h"

namespace yacht {
namespace {

std::string categoryName(int c)
{
    return withoutLeadingBlanks(kCategoryCaptions[c]);
}

bool personsTurn(const Game& g)
{
    if (g.player < 1 || g.player > g.numplayers || g.seats.isComputer(g.player)) return false;
    return g.state == EngineState::WaitSpace || g.state == EngineState::Rolling ||
           g.state == EngineState::Rolled || g.state == EngineState::Choosing;
}

std::string scoreAdvice(const strategy::CategoryChoice& best)
{
    return "score " + categoryName(best.category) + " for " + decimal(best.points);
}

// After a throw with throws to come: the dice to keep, or the category to score when the dice
// are best left as they are.
std::string keepAdvice(const strategy::TurnPlan& plan, const strategy::Dice& dice, int throwsLeft)
{
    const strategy::KeepChoice keep = strategy::bestKeep(plan, dice, throwsLeft);
    if (keep.holdsAll()) return scoreAdvice(strategy::bestCategory(plan, dice));
    const std::string faces = heldFaces(dice, keep.hold);
    return "keep " + (faces.empty() ? std::string("nothing") : faces) + ", then throw";
}

// While choosing: the best category, and what the row under the cursor costs against it.
std::string categoryAdvice(const Game& g, const strategy::TurnPlan& plan, const strategy::Dice& dice)
{
    const strategy::CategoryChoice best = strategy::bestCategory(plan, dice);
    std::string said = scoreAdvice(best);
    const int c = g.catcursor;
    if (c >= 1 && c <= kCategories && c != best.category && plan.position().isFree(c))
        said += ", " + categoryName(c) + " costs " + tenths(strategy::categoryCost(plan, dice, c)) + " points";
    return said;
}

void addCost(Game& g, double cost)
{
    if (!std::isfinite(cost)) return;
    g.seats.cost[g.player] += std::max(0.0, cost);
    g.seats.tallied[g.player] = true;
}

// A person's choices are weighed once the tallies are to be told (a computer plays, or someone
// asked the coach): a game of people alone never asks for the solver's table.
bool tallies(const Game& g)
{
    return g.player >= 1 && g.player <= kMaxPlayers && !g.seats.isComputer(g.player) && g.seats.talliesTold();
}

}  // namespace

std::string coachAdvice(const Game& g, TurnAdvisor& advisor)
{
    if (!personsTurn(g)) return "the coach waits for your turn";
    const strategy::TurnPlan* plan = advisor.plan(g);
    if (!plan) return "the coach is still thinking";
    const std::optional<strategy::Dice> dice = diceOnTable(g);
    if (g.state == EngineState::WaitSpace || !dice) return "throw the dice with the space bar";
    if (g.state == EngineState::Choosing) return categoryAdvice(g, *plan, *dice);
    return keepAdvice(*plan, *dice, 3 - g.roll);
}

void coachstep(Yacht& y)
{
    Game& g = y.game;
    if (personsTurn(g)) g.seats.coachAsked = true;
    if (g.state == EngineState::Rolling && g.saybuf.empty() && !computerTurn(g)) makeroll(y);
    g.saybuf.say(coachAdvice(g, y.advisor));
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
