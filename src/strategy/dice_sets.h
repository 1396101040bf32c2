#pragma once
// The 252 ways five dice can fall and the 462 sets of dice a player can keep, with the links the
// solver walks between them.

#include <array>
#include <cstdint>
#include <vector>

#include "rules/category_prices.h"

namespace yacht::strategy {

// How many dice of each face, indexed 1..6 (entry 0 unused).
using FaceCounts = std::array<uint8_t, 7>;

// Every throw and every keep, numbered so that the 252 five-dice sets (the throws) come first,
// then the keeps of four dice, three, two, one and none: a keep's value is the average over the
// face of one more die, so walking the numbers upwards visits every keep after its larger ones.
struct DiceSets {
    static constexpr int kThrows = 252;
    static constexpr int kKeeps = 462;
    static constexpr int kEmptyKeep = kKeeps - 1;

    std::array<FaceCounts, kKeeps> counts{};
    std::array<uint8_t, kKeeps> size{};
    // The keep with one more die of face f (index f-1); only for keeps of fewer than five dice.
    std::array<std::array<int16_t, 6>, kKeeps> withFace{};

    // For each throw, the distinct keeps it allows (itself included, and the empty keep), as a
    // range of subKeeps.
    std::array<int, kThrows + 1> subKeepStart{};
    std::vector<int16_t> subKeeps;

    // For each keep, the keeps with one die fewer (one per distinct face it holds), as a range
    // of smaller: the best keep within a throw is found by walking down through them.
    std::array<int, kKeeps + 1> smallerStart{};
    std::vector<int16_t> smaller;

    std::array<double, kThrows> probability{};  // of the throw from five dice thrown at once
    std::array<CategoryValues, kThrows> prices{};
    std::array<bool, kThrows> yacht{};

    // The number of a keep from its face counts, or -1 for more than five dice.
    int indexOf(const FaceCounts& c) const;

    // The throw's number for five faces in any order (each 1..6).
    int throwOf(const std::array<int, kDiceThrown>& faces) const;

    std::array<int16_t, 46656> byCode{};  // face counts read as a base-6 number, to index
};

// The one shared set, built on first use (safe from any thread).
const DiceSets& diceSets();

}  // namespace yacht::strategy
