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

// Upper subtotals side by side: the solver's arithmetic runs across the subtotals, which share
// every decision's shape and differ only in the scores of the later turns. As many lanes as one
// vector register holds (eight with AVX-512, four with AVX2, two otherwise), so each step is one packed
// instruction: wider vectors than the registers are split by the compiler into scalar code.
template <int N>
struct LaneType;
template <>
struct LaneType<2> {
    using Type = double __attribute__((vector_size(2 * sizeof(double))));
};
template <>
struct LaneType<4> {
    using Type = double __attribute__((vector_size(4 * sizeof(double))));
};
template <>
struct LaneType<8> {
    using Type = double __attribute__((vector_size(8 * sizeof(double))));
};
template <int N>
using Lanes = typename LaneType<N>::Type;
static_assert(kUpperLevels % 8 == 0);

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

// Scratch space of one thread: a turn's values for N subtotals.
template <int N>
struct Scratch {
    Lanes<N> next[FinalTerms::kSlots];
    Lanes<N> final[DiceSets::kThrows];
    Lanes<N> keeps[DiceSets::kKeeps];
    Lanes<N> best[DiceSets::kKeeps];
    Lanes<N> again[DiceSets::kThrows];
};

// The value at the start of a turn, for the N subtotals from u0, of one filled set and Yacht
// flag; the later positions must be in the table already. Every lane does the same additions,
// multiplications and comparisons in the same order as the single-position plan, so the values
// do not depend on the lane count.
template <int N>
[[gnu::always_inline]] inline void solveLanes(ValueTable& table, FilledMask filled, bool flag, int u0,
                                              Scratch<N>& s)
{
    using V = Lanes<N>;
    const DiceSets& d = diceSets();
    const FinalTerms& terms = finalTerms();
    int freeCats[category::Count];
    int freeCount = 0;
    for (int c = 1; c <= category::Count; ++c) {
        if (filled & bitOf(c)) continue;
        freeCats[freeCount++] = c;
        const FilledMask after = static_cast<FilledMask>(filled | bitOf(c));
        V* slots = &s.next[c * FinalTerms::kSlotsPerCategory];
        if (isUpper(c)) {
            const double* later = table.row(after, flag);
            for (int k = 0; k <= 5; ++k)
                for (int i = 0; i < N; ++i) {
                    const Position here{filled, u0 + i, flag};
                    slots[k][i] = pointsNow(here, c, c * k) + later[std::min(kBonusThreshold, u0 + i + c * k)];
                }
        } else if (c == category::Yacht) {
            const double* zero = table.row(after, false) + u0;
            const double* fifty = table.row(after, true) + u0;
            for (int i = 0; i < N; ++i) {
                slots[0][i] = zero[i];
                slots[1][i] = kYachtScore + fifty[i];
            }
        } else {
            const double* later = table.row(after, flag) + u0;
            for (int i = 0; i < N; ++i) slots[0][i] = later[i];
        }
    }

    finalValues<V>(terms, d, freeCats, freeCount, s.next, flag ? kYachtBonus : 0.0, s.final);
    std::copy(s.final, s.final + DiceSets::kThrows, s.keeps);
    averageKeeps<V>(d, s.keeps);
    afterThrow<V>(d, s.final, s.keeps, s.best, s.again);
    std::copy(s.again, s.again + DiceSets::kThrows, s.keeps);
    averageKeeps<V>(d, s.keeps);
    std::copy(s.final, s.final + DiceSets::kThrows, s.keeps);  // holding all five stops
    afterThrow<V>(d, s.final, s.keeps, s.best, s.again);
    V start = {};
    for (int t = 0; t < DiceSets::kThrows; ++t) start += s.again[t] * d.probability[t];

    double* out = table.row(filled, flag) + u0;
    for (int i = 0; i < N; ++i) out[i] = start[i];
}

// Every Yacht flag and upper subtotal of one filled set.
template <int N>
[[gnu::always_inline]] inline void solveFilledSet(ValueTable& table, FilledMask filled, Scratch<N>& s)
{
    const int top = highestUpper(filled);
    const bool yachtFilled = (filled & bitOf(category::Yacht)) != 0;
    for (int flag = 0; flag <= (yachtFilled ? 1 : 0); ++flag)
        // Whole blocks of eight subtotals, whatever the lane count, so every copy fills the
        // same entries (those past the highest subtotal are never read, but are in the cache file).
        for (int block = 0; block <= top; block += 8)
            for (int u0 = block; u0 < block + 8; u0 += N) solveLanes<N>(table, filled, flag == 1, u0, s);
}

// One compiled copy of the kernel per instruction set, chosen once by the processor at hand.
using SolveSet = void (*)(ValueTable&, FilledMask, void* scratch);

void solveSetPlain(ValueTable& table, FilledMask filled, void* scratch)
{
    solveFilledSet<2>(table, filled, *static_cast<Scratch<2>*>(scratch));
}

#if defined(__x86_64__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define YACHT_SOLVER_CLONES 1
__attribute__((target("avx2"))) void solveSetAvx2(ValueTable& table, FilledMask filled, void* scratch)
{
    solveFilledSet<4>(table, filled, *static_cast<Scratch<4>*>(scratch));
}

__attribute__((target("avx512f"))) void solveSetAvx512(ValueTable& table, FilledMask filled, void* scratch)
{
    solveFilledSet<8>(table, filled, *static_cast<Scratch<8>*>(scratch));
}
#endif

// A copy of the kernel and the scratch space it needs.
struct Kernel {
    SolveSet solve;
    std::size_t scratchBytes;
};

bool supports(InstructionSet set)
{
#ifdef YACHT_SOLVER_CLONES
    __builtin_cpu_init();
    if (set == InstructionSet::Avx512) return __builtin_cpu_supports("avx512f");
    if (set == InstructionSet::Avx2) return __builtin_cpu_supports("avx2");
#endif
    return set == InstructionSet::Plain || set == InstructionSet::Widest;
}

Kernel kernelFor(InstructionSet set)
{
#ifdef YACHT_SOLVER_CLONES
    if (set == InstructionSet::Widest)
        set = supports(InstructionSet::Avx512) ? InstructionSet::Avx512
              : supports(InstructionSet::Avx2) ? InstructionSet::Avx2
                                               : InstructionSet::Plain;
    if (set == InstructionSet::Avx512 && supports(set)) return {solveSetAvx512, sizeof(Scratch<8>)};
    if (set == InstructionSet::Avx2 && supports(set)) return {solveSetAvx2, sizeof(Scratch<4>)};
#endif
    static_cast<void>(set);  // builds without the copies have the plain one alone
    return {solveSetPlain, sizeof(Scratch<2>)};
}

// Scratch space aligned for the widest vectors.
struct alignas(64) ScratchBlock {
    unsigned char bytes[64];
};

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

bool canRun(InstructionSet set)
{
    return supports(set);
}

ValueTable buildValueTable(int threads, FilledMask base, InstructionSet set)
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
    const Kernel kernel = kernelFor(set);
    const auto work = [&] {
        std::vector<ScratchBlock> scratch((kernel.scratchBytes + sizeof(ScratchBlock) - 1) / sizeof(ScratchBlock));
        for (int size = category::Count - 1; size >= 0; --size) {
            const auto& sets = bySize[size];
            for (int i = taken[size]++; i < static_cast<int>(sets.size()); i = taken[size]++)
                kernel.solve(table, sets[i], scratch.data());
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
