#include "strategy/solitaire.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

#include "strategy/advice.h"
#include "strategy/casual_player.h"

namespace yacht::strategy {
namespace {

// A small, fast generator with a well-mixed 64-bit output: enough for dice.
struct SplitMix {
    uint64_t state;
    uint64_t next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    int die() { return std::min(6, static_cast<int>(uniform() * 6) + 1); }
};

bool allEqual(const Dice& dice)
{
    return std::all_of(dice.begin(), dice.end(), [&](int f) { return f == dice[0]; });
}

}  // namespace

int playSolitaire(const ValueTable& table, Strength strength, const Position& start, uint64_t seed)
{
    SplitMix random{seed};
    Position position = start;
    int points = 0;
    while (!position.isOver()) {
        const TurnPlan plan(table, position);
        Dice dice{};
        std::array<bool, kDiceThrown> hold{};
        for (int throwNumber = 1; throwNumber <= 3; ++throwNumber) {
            for (int i = 0; i < kDiceThrown; ++i)
                if (!hold[i]) dice[i] = random.die();
            if (allEqual(dice)) {
                // A Yacht ends the throwing, and pays its bonus once the row holds 50.
                if (position.yachtHolds50 && !position.isFree(category::Yacht)) points += kYachtBonus;
                break;
            }
            if (throwNumber == 3) break;
            const int throwsLeft = 3 - throwNumber;
            const KeepChoice keep = strength == Strength::Strong
                                        ? bestKeep(plan, dice, throwsLeft)
                                        : casualKeep(plan, dice, throwsLeft, random.uniform());
            if (keep.holdsAll()) break;
            hold = keep.hold;
        }
        const CategoryChoice choice = strength == Strength::Strong ? bestCategory(plan, dice)
                                                                   : casualCategory(plan, dice, random.uniform());
        points += pointsNow(position, choice.category, choice.points);
        position = afterScoring(position, choice.category, choice.points);
    }
    return points;
}

SimulationFigures simulateGames(const ValueTable& table, Strength strength, long games, uint64_t seed,
                                int threads, const Position& start)
{
    if (games <= 0) return {};
    if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    // Whole-number sums, so the figures are the same however the games are shared out, and no
    // memory grows with the number of games.
    std::vector<int64_t> sums(static_cast<std::size_t>(threads)), squares(sums.size());
    const auto work = [&](int part) {
        int64_t sum = 0, square = 0;
        for (long i = part; i < games; i += threads) {
            // Game i's seed is the i-th number the given seed starts.
            const uint64_t gameSeed = SplitMix{seed + static_cast<uint64_t>(i) * 0x9E3779B97F4A7C15ull}.next();
            const int64_t score = playSolitaire(table, strength, start, gameSeed);
            sum += score;
            square += score * score;
        }
        sums[part] = sum;
        squares[part] = square;
    };
    std::vector<std::thread> helpers;
    for (int part = 1; part < threads; ++part) helpers.emplace_back(work, part);
    work(0);
    for (auto& h : helpers) h.join();

    long double sum = 0, sumSquares = 0;
    for (std::size_t part = 0; part < sums.size(); ++part) {
        sum += sums[part];
        sumSquares += squares[part];
    }
    const long double mean = sum / games;
    const long double spread = games > 1 ? (sumSquares - sum * mean) / (games - 1) : 0.0L;
    return {static_cast<double>(mean), static_cast<double>(std::sqrt(std::max(0.0L, spread))), games};
}

}  // namespace yacht::strategy
