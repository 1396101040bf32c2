// The solver's costs: the whole table of optimal values, on both cores and on one, and the
// questions a computer player or coach asks during a turn.

#include <benchmark/benchmark.h>

#include "strategy/advice.h"
#include "strategy/value_table.h"

namespace {

using namespace yacht::strategy;

// The whole table on one thread or two, with the widest kernel this processor runs (set 0), or
// with the AVX2 copy (1) or the plain one (2), as a processor without the wider vectors would.
void BM_ValueTable(benchmark::State& state)
{
    const int threads = static_cast<int>(state.range(0));
    const InstructionSet sets[] = {InstructionSet::Widest, InstructionSet::Avx2, InstructionSet::Plain};
    const InstructionSet set = sets[state.range(1)];
    if (!canRun(set)) return state.SkipWithError("this processor does not run that kernel");
    diceSets();
    for (auto _ : state) {
        ValueTable table = buildValueTable(threads, 0, set);
        benchmark::DoNotOptimize(table.at({}));
    }
}
BENCHMARK(BM_ValueTable)
    ->ArgsProduct({{1, 2}, {0, 1, 2}})
    ->ArgNames({"threads", "set"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);

const ValueTable& sharedTable()
{
    static const ValueTable table = buildValueTable();
    return table;
}

// Mid-game: Ones, Fours, Full house and Chance filled, 10 in the upper section.
const Position kMidGame{static_cast<FilledMask>(bitOf(1) | bitOf(4) | bitOf(9) | bitOf(12)), 10, false};

void BM_BestKeepQuery(benchmark::State& state)
{
    const ValueTable& table = sharedTable();
    for (auto _ : state) benchmark::DoNotOptimize(bestKeep(table, kMidGame, {2, 3, 3, 5, 6}, 2));
}
BENCHMARK(BM_BestKeepQuery)->Unit(benchmark::kMicrosecond);

void BM_BestKeepQueryOpeningTurn(benchmark::State& state)
{
    const ValueTable& table = sharedTable();
    for (auto _ : state) benchmark::DoNotOptimize(bestKeep(table, Position{}, {1, 3, 3, 5, 6}, 2));
}
BENCHMARK(BM_BestKeepQueryOpeningTurn)->Unit(benchmark::kMicrosecond);

void BM_BestCategoryQuery(benchmark::State& state)
{
    const ValueTable& table = sharedTable();
    for (auto _ : state) benchmark::DoNotOptimize(bestCategory(table, kMidGame, {2, 3, 3, 5, 6}));
}
BENCHMARK(BM_BestCategoryQuery)->Unit(benchmark::kMicrosecond);

}  // namespace
