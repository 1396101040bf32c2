#include "strategy/advice.h"

#include <limits>

namespace yacht::strategy {

std::array<bool, kDiceThrown> holdFor(const Dice& dice, const FaceCounts& keep)
{
    FaceCounts left = keep;
    std::array<bool, kDiceThrown> hold{};
    for (int i = 0; i < kDiceThrown; ++i) {
        const int face = dice[i];
        if (face >= 1 && face <= 6 && left[face] > 0) {
            hold[i] = true;
            --left[face];
        }
    }
    return hold;
}

std::vector<KeepOption> keepOptions(const TurnPlan& plan, const Dice& dice, int throwsLeft)
{
    const DiceSets& d = diceSets();
    const int t = d.throwOf(dice);
    std::vector<KeepOption> options;
    for (int i = d.subKeepStart[t]; i < d.subKeepStart[t + 1]; ++i)
        options.push_back({d.subKeeps[i], plan.keepValue(d.subKeeps[i], throwsLeft)});
    return options;
}

KeepChoice bestKeep(const TurnPlan& plan, const Dice& dice, int throwsLeft)
{
    const DiceSets& d = diceSets();
    const int t = d.throwOf(dice);
    if (throwsLeft <= 0 || d.yacht[t]) {
        const int c = plan.bestCategory(t);
        return {{true, true, true, true, true}, plan.scoreValue(t, c)};
    }
    // Among keeps of equal worth the first listed wins; holding all five is listed last, so a
    // tie never stops the throwing early.
    KeepOption best{-1, -std::numeric_limits<double>::infinity()};
    for (const KeepOption& o : keepOptions(plan, dice, throwsLeft))
        if (o.expected > best.expected) best = o;
    return {holdFor(dice, d.counts[best.keep]), best.expected};
}

KeepChoice bestKeep(const ValueTable& table, const Position& position, const Dice& dice, int throwsLeft)
{
    return bestKeep(TurnPlan(table, position), dice, throwsLeft);
}

CategoryChoice bestCategory(const TurnPlan& plan, const Dice& dice)
{
    const DiceSets& d = diceSets();
    const int t = d.throwOf(dice);
    const int c = plan.bestCategory(t);
    if (c == 0) return {};
    return {c, d.prices[t][c], plan.scoreValue(t, c)};
}

CategoryChoice bestCategory(const ValueTable& table, const Position& position, const Dice& dice)
{
    return bestCategory(TurnPlan(table, position), dice);
}

double categoryCost(const TurnPlan& plan, const Dice& dice, int category)
{
    const int t = diceSets().throwOf(dice);
    const int best = plan.bestCategory(t);
    if (best == 0 || category < 1 || category > category::Count || !plan.position().isFree(category))
        return std::numeric_limits<double>::infinity();
    return plan.scoreValue(t, best) - plan.scoreValue(t, category);
}

double categoryCost(const ValueTable& table, const Position& position, const Dice& dice, int category)
{
    return categoryCost(TurnPlan(table, position), dice, category);
}

}  // namespace yacht::strategy
