#include "strategy/value_table.h"

#include <algorithm>
#include <atomic>
#include <barrier>
#include <bit>
#include <memory>
#include <thread>

#include "strategy/turn_kernel.h"

namespace yacht::strategy {
namespace {

// Eight upper subtotals side by side: the solver's arithmetic runs across the subtotals, which
// share every decision's shape and differ only in the scores of the later turns.
constexpr int kLanes = 8;
using Lanes = double __attribute__((vector_size(kLanes * sizeof(double))));
static_assert(kUpperLevels % kLanes == 0);

int rowIndex(FilledMask filled, bool yachtHolds50)
{
    const bool flag = yachtHolds50 && (filled & bitOf(category::Yacht)) != 0;
    return (static_cast<int>(filled) * 2 + (flag ? 1 : 0)) * kUpperLevels;
}

// The highest upper subtotal the filled upper categories can hold (five of each face).
int highestUpper(FilledMask filled)
{
    int most = 0;
    for (int c = category::Ones; c <= category::Sixes; ++c)
        if (filled & bitOf(c)) most += 5 * c;
    return std::min(most, kBonusThreshold);
}

// Scratch space of one thread: a turn's values for eight subtotals.
struct Scratch {
    Lanes next[FinalTerms::kSlots];
    Lanes final[DiceSets::kThrows];
    Lanes keeps[DiceSets::kKeeps];
    Lanes best[DiceSets::kKeeps];
    Lanes again[DiceSets::kThrows];
};

// The value at the start of a turn, for the eight subtotals from u0, of one filled set and
// Yacht flag; the later positions must be in the table already.
#if defined(__x86_64__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
void solveLanes(ValueTable& table, FilledMask filled, bool flag, int u0, Scratch& s)
{
    const DiceSets& d = diceSets();
    const FinalTerms& terms = finalTerms();
    int freeCats[category::Count];
    int freeCount = 0;
    for (int c = 1; c <= category::Count; ++c) {
        if (filled & bitOf(c)) continue;
        freeCats[freeCount++] = c;
        const FilledMask after = static_cast<FilledMask>(filled | bitOf(c));
        Lanes* slots = &s.next[c * FinalTerms::kSlotsPerCategory];
        if (isUpper(c)) {
            const double* later = table.row(after, flag);
            for (int k = 0; k <= 5; ++k)
                for (int i = 0; i < kLanes; ++i) {
                    const Position here{filled, u0 + i, flag};
                    slots[k][i] = pointsNow(here, c, c * k) + later[std::min(kBonusThreshold, u0 + i + c * k)];
                }
        } else if (c == category::Yacht) {
            const double* zero = table.row(after, false) + u0;
            const double* fifty = table.row(after, true) + u0;
            for (int i = 0; i < kLanes; ++i) {
                slots[0][i] = zero[i];
                slots[1][i] = kYachtScore + fifty[i];
            }
        } else {
            const double* later = table.row(after, flag) + u0;
            for (int i = 0; i < kLanes; ++i) slots[0][i] = later[i];
        }
    }

    finalValues<Lanes>(terms, d, freeCats, freeCount, s.next, flag ? kYachtBonus : 0.0, s.final);
    std::copy(s.final, s.final + DiceSets::kThrows, s.keeps);
    averageKeeps<Lanes>(d, s.keeps);
    afterThrow<Lanes>(d, s.final, s.keeps, s.best, s.again);
    std::copy(s.again, s.again + DiceSets::kThrows, s.keeps);
    averageKeeps<Lanes>(d, s.keeps);
    std::copy(s.final, s.final + DiceSets::kThrows, s.keeps);  // holding all five stops
    afterThrow<Lanes>(d, s.final, s.keeps, s.best, s.again);
    Lanes start = {};
    for (int t = 0; t < DiceSets::kThrows; ++t) start += s.again[t] * d.probability[t];

    double* out = table.row(filled, flag) + u0;
    for (int i = 0; i < kLanes; ++i) out[i] = start[i];
}

void solveFilledSet(ValueTable& table, FilledMask filled, Scratch& s)
{
    const int top = highestUpper(filled);
    const bool yachtFilled = (filled & bitOf(category::Yacht)) != 0;
    for (int flag = 0; flag <= (yachtFilled ? 1 : 0); ++flag)
        for (int u0 = 0; u0 <= top; u0 += kLanes) solveLanes(table, filled, flag == 1, u0, s);
}

}  // namespace

ValueTable::ValueTable() : values_(static_cast<std::size_t>(kAllFilled + 1) * 2 * kUpperLevels, 0.0) {}

double ValueTable::at(const Position& p) const
{
    if (p.isOver()) return 0.0;
    return row(p.filled, p.yachtHolds50)[std::clamp(p.upper, 0, kBonusThreshold)];
}

const double* ValueTable::row(FilledMask filled, bool yachtHolds50) const
{
    return values_.data() + rowIndex(filled, yachtHolds50);
}

double* ValueTable::row(FilledMask filled, bool yachtHolds50)
{
    return values_.data() + rowIndex(filled, yachtHolds50);
}

ValueTable buildValueTable(int threads, FilledMask base)
{
    ValueTable table;
    table.setBase(base);
    diceSets();
    finalTerms();

    // Filled sets by how many categories they fill: each set needs only fuller ones, so every
    // set of one size can be solved at once, shared between the threads.
    std::vector<std::vector<FilledMask>> bySize(category::Count + 1);
    for (int m = 0; m < kAllFilled; ++m)
        if ((m & base) == base) bySize[std::popcount(static_cast<unsigned>(m))].push_back(static_cast<FilledMask>(m));

    if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::array<std::atomic<int>, category::Count + 1> taken{};
    std::barrier sizeDone(threads);
    const auto work = [&] {
        auto scratch = std::make_unique<Scratch>();
        for (int size = category::Count - 1; size >= 0; --size) {
            const auto& sets = bySize[size];
            for (int i = taken[size]++; i < static_cast<int>(sets.size()); i = taken[size]++)
                solveFilledSet(table, sets[i], *scratch);
            sizeDone.arrive_and_wait();
        }
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads; ++i) helpers.emplace_back(work);
    work();
    for (auto& h : helpers) h.join();
    return table;
}

long reachablePositions()
{
    long count = 0;
    for (int m = 0; m <= kAllFilled; ++m) {
        // Which upper subtotals the filled upper categories can sum to, capped at 63.
        std::array<bool, kUpperLevels> can{};
        can[0] = true;
        for (int c = category::Ones; c <= category::Sixes; ++c) {
            if (!(m & bitOf(c))) continue;
            std::array<bool, kUpperLevels> next{};
            for (int u = 0; u < kUpperLevels; ++u)
                if (can[u])
                    for (int k = 0; k <= 5; ++k) next[std::min(kBonusThreshold, u + c * k)] = true;
            can = next;
        }
        const long subtotals = std::count(can.begin(), can.end(), true);
        count += subtotals * ((m & bitOf(category::Yacht)) ? 2 : 1);
    }
    return count;
}

}  // namespace yacht::strategy
