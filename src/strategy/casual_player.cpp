#include "strategy/casual_player.h"

#include <cmath>
#include <vector>

namespace yacht::strategy {
namespace {

// Picks an index by u among options weighted exp((value - best) / carelessness).
std::size_t draw(const std::vector<double>& values, double u)
{
    double best = values[0];
    for (double v : values) best = std::max(best, v);
    std::vector<double> weights;
    double sum = 0;
    for (double v : values) {
        weights.push_back(std::exp((v - best) / kCasualCarelessness));
        sum += weights.back();
    }
    double at = u * sum;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (at < weights[i]) return i;
        at -= weights[i];
    }
    return weights.size() - 1;
}

}  // namespace

KeepChoice casualKeep(const TurnPlan& plan, const Dice& dice, int throwsLeft, double u)
{
    const DiceSets& d = diceSets();
    if (throwsLeft <= 0 || d.yacht[d.throwOf(dice)]) return bestKeep(plan, dice, throwsLeft);
    const std::vector<KeepOption> options = keepOptions(plan, dice, throwsLeft);
    std::vector<double> values;
    for (const KeepOption& o : options) values.push_back(o.expected);
    const KeepOption& chosen = options[draw(values, u)];
    return {holdFor(dice, d.counts[chosen.keep]), chosen.expected};
}

CategoryChoice casualCategory(const TurnPlan& plan, const Dice& dice, double u)
{
    const DiceSets& d = diceSets();
    const int t = d.throwOf(dice);
    std::vector<int> cats;
    std::vector<double> values;
    for (int c = 1; c <= category::Count; ++c) {
        if (!plan.position().isFree(c)) continue;
        cats.push_back(c);
        values.push_back(plan.scoreValue(t, c));
    }
    if (cats.empty()) return {};
    const int c = cats[draw(values, u)];
    return {c, d.prices[t][c], plan.scoreValue(t, c)};
}

}  // namespace yacht::strategy
