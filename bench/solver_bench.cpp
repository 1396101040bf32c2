// The solver's costs: the whole table of optimal values, on both cores and on one, and the
// questions a computer player or coach asks during a turn.

#include <benchmark/benchmark.h>

#include "strategy/advice.h"
#include "strategy/value_table.h"

namespace {

using namespace yacht::strategy;

void BM_ValueTable(benchmark::State& state)
{
    const int threads = static_cast<int>(state.range(0));
    diceSets();
    for (auto _ : state) {
        ValueTable table = buildValueTable(threads);
        benchmark::DoNotOptimize(table.at({}));
    }
}
BENCHMARK(BM_ValueTable)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

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
