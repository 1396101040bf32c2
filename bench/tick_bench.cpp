// The cost of one step of the game (the engine and the hand-over after it): idle, and taking a key.

#include <benchmark/benchmark.h>

#include "engine/key_input.h"
#include "engine/tick.h"
#include "support/fakes.h"

namespace {

void IdleTick(benchmark::State& state)
{
    yacht::test::FakeGame f;
    for (auto _ : state) {
        f.sequencer.step();
        benchmark::DoNotOptimize(f.y.game.state);
    }
}
BENCHMARK(IdleTick);

void TickTakingAKey(benchmark::State& state)
{
    yacht::test::FakeGame f;
    for (auto _ : state) {
        yacht::recordKeyPress(f.y.pendingInput, f.y.game, f.y.ports.voice, 'A', 0);
        f.sequencer.step();
        benchmark::DoNotOptimize(f.y.game.state);
    }
}
BENCHMARK(TickTakingAKey);

}  // namespace
