#include "strategy/turn_kernel.h"

namespace yacht::strategy {
namespace {

FinalTerms build()
{
    const DiceSets& d = diceSets();
    FinalTerms terms;
    for (int t = 0; t < DiceSets::kThrows; ++t) {
        for (int c = 1; c <= category::Count; ++c) {
            const int price = d.prices[t][c];
            int option = 0;
            double addend = price;
            if (isUpper(c)) {
                option = d.counts[t][c];
                addend = 0;
            } else if (c == category::Yacht) {
                option = price == kYachtScore ? 1 : 0;
                addend = 0;
            }
            terms.slot[t][c] = static_cast<uint8_t>(c * FinalTerms::kSlotsPerCategory + option);
            terms.addend[t][c] = addend;
        }
    }
    return terms;
}

}  // namespace

const FinalTerms& finalTerms()
{
    static const FinalTerms terms = build();
    return terms;
}

}  // namespace yacht::strategy
