#include "strategy/turn_plan.h"

#include <algorithm>
#include <limits>

namespace yacht::strategy {

TurnPlan::TurnPlan(const ValueTable& table, const Position& position) : position_(position)
{
    const DiceSets& d = diceSets();
    const FinalTerms& terms = finalTerms();
    int freeCats[category::Count];
    int freeCount = 0;
    for (int c = 1; c <= category::Count; ++c) {
        if (!position.isFree(c)) continue;
        freeCats[freeCount++] = c;
        double* slots = &next_[c * FinalTerms::kSlotsPerCategory];
        if (isUpper(c)) {
            for (int k = 0; k <= 5; ++k)
                slots[k] = pointsNow(position, c, c * k) + table.at(afterScoring(position, c, c * k));
        } else if (c == category::Yacht) {
            slots[0] = table.at(afterScoring(position, c, 0));
            slots[1] = kYachtScore + table.at(afterScoring(position, c, kYachtScore));
        } else {
            slots[0] = table.at(afterScoring(position, c, 0));
        }
    }
    if (freeCount == 0) return;

    std::array<double, DiceSets::kThrows> final{};
    std::array<double, DiceSets::kThrows> again{};
    std::array<double, DiceSets::kKeeps> best{};
    const double bonus = position.yachtHolds50 && !position.isFree(category::Yacht) ? kYachtBonus : 0.0;
    finalValues<double>(terms, d, freeCats, freeCount, next_.data(), bonus, final.data());
    std::copy(final.begin(), final.end(), oneLeft_.begin());
    averageKeeps<double>(d, oneLeft_.data());
    afterThrow<double>(d, final.data(), oneLeft_.data(), best.data(), again.data());
    std::copy(again.begin(), again.end(), twoLeft_.begin());
    averageKeeps<double>(d, twoLeft_.data());
    // Holding all five ends the throwing, so that keep is worth the dice as they lie.
    std::copy(final.begin(), final.end(), twoLeft_.begin());
    afterThrow<double>(d, final.data(), twoLeft_.data(), best.data(), again.data());
    for (int t = 0; t < DiceSets::kThrows; ++t) start_ += again[t] * d.probability[t];
}

double TurnPlan::scoreValue(int t, int c) const
{
    if (!position_.isFree(c)) return -std::numeric_limits<double>::infinity();
    const FinalTerms& terms = finalTerms();
    return next_[terms.slot[t][c]] + terms.addend[t][c];
}

int TurnPlan::bestCategory(int t) const
{
    int best = 0;
    for (int c = 1; c <= category::Count; ++c)
        if (position_.isFree(c) && (best == 0 || scoreValue(t, c) > scoreValue(t, best))) best = c;
    return best;
}

double TurnPlan::keepValue(int k, int throwsLeft) const
{
    return throwsLeft >= 2 ? twoLeft_[k] : oneLeft_[k];
}

}  // namespace yacht::strategy
