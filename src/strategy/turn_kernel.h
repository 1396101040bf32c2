#pragma once
// The steps of one turn's dynamic programme, written once for a single upper subtotal (double)
// and for several side by side (a vector of doubles), so the table and a single query share them.

#include <array>
#include <cstdint>

#include "strategy/dice_sets.h"
#include "strategy/position.h"

namespace yacht::strategy {

// What a free category adds at the end of a turn, for each throw: one of the "next" values
// (slot), plus a price that does not depend on the upper subtotal (addend). Upper categories
// use a slot per count of their face (the price moves the subtotal); Yacht a slot for 0 and one
// for 50 (the price sets the Yacht flag); the other categories one slot and their price.
struct FinalTerms {
    static constexpr int kSlotsPerCategory = 6;
    static constexpr int kSlots = (category::Count + 1) * kSlotsPerCategory;
    std::array<std::array<uint8_t, category::Count + 1>, DiceSets::kThrows> slot{};
    std::array<std::array<double, category::Count + 1>, DiceSets::kThrows> addend{};
};

const FinalTerms& finalTerms();

// After the last throw: the best free category, plus the Yacht bonus where this throw pays it.
template <typename T>
[[gnu::always_inline]] inline void finalValues(const FinalTerms& terms, const DiceSets& d,
                                               const int* freeCats, int freeCount, const T* next,
                                               double yachtBonus, T* out)
{
    for (int t = 0; t < DiceSets::kThrows; ++t) {
        const auto& slot = terms.slot[t];
        const auto& add = terms.addend[t];
        T best = next[slot[freeCats[0]]] + add[freeCats[0]];
        for (int i = 1; i < freeCount; ++i) {
            const int c = freeCats[i];
            const T v = next[slot[c]] + add[c];
            best = v > best ? v : best;
        }
        out[t] = d.yacht[t] ? best + yachtBonus : best;
    }
}

// Keeps of fewer than five dice: the average over the face of one more die. keeps[0..251] must
// already hold the values of the throws.
template <typename T>
[[gnu::always_inline]] inline void averageKeeps(const DiceSets& d, T* keeps)
{
    constexpr double kSixth = 1.0 / 6.0;
    for (int k = DiceSets::kThrows; k < DiceSets::kKeeps; ++k) {
        const auto& w = d.withFace[k];
        keeps[k] = (keeps[w[0]] + keeps[w[1]] + keeps[w[2]] + keeps[w[3]] + keeps[w[4]] + keeps[w[5]]) *
                   kSixth;
    }
}

// The best keep within each keep, from the values of the keeps: walking from the empty keep
// up, each keep's best is itself or the best of a keep one die smaller.
template <typename T>
[[gnu::always_inline]] inline void bestWithin(const DiceSets& d, const T* keeps, T* best)
{
    for (int k = DiceSets::kKeeps - 1; k >= 0; --k) {
        T b = keeps[k];
        for (int i = d.smallerStart[k]; i < d.smallerStart[k + 1]; ++i) {
            const T& v = best[d.smaller[i]];
            b = v > b ? v : b;
        }
        best[k] = b;
    }
}

// The values of the throws with throws still to come: a Yacht ends the throwing, any other
// throw is worth its best keep (keeping all five is stopping).
template <typename T>
[[gnu::always_inline]] inline void afterThrow(const DiceSets& d, const T* final, const T* keepsNext,
                                              T* best, T* out)
{
    bestWithin<T>(d, keepsNext, best);
    for (int t = 0; t < DiceSets::kThrows; ++t) out[t] = d.yacht[t] ? final[t] : best[t];
}

}  // namespace yacht::strategy
