// Engine-only full games: one player, thirteen rounds, every throw and score through the steps.

#include <benchmark/benchmark.h>

#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/std_random.h"
#include "engine/tick.h"
#include "support/fakes.h"

namespace {

using namespace yacht;

// Plays one game to its end: throws three times, then scores the first free category.
void playOneGame(Yacht& y, Sequencer& sequencer)
{
    const auto press = [&](int code) {
        recordKeyPress(y.pendingInput, y.game, y.ports.voice, code, 0);
        sequencer.step();
    };
    press(keys::F9);
    press(keys::Enter);
    for (int guard = 0; guard < 2000; ++guard) {
        sequencer.step();
        const Game& g = y.game;
        switch (g.state) {
        case EngineState::WaitSpace:
        case EngineState::Rolled: press(keys::Space); break;
        case EngineState::Choosing:
            press(keys::Down);
            if (!taken(y.game, y.game.categoryCursor)) press(keys::Enter);
            break;
        case EngineState::Idle: return;
        default: break;
        }
    }
}

void FullGame(benchmark::State& state)
{
    test::FakeVoice voice;
    test::FakeSound sound;
    test::FakeResources resources;
    test::FakeStore store;
    test::FakeDrive drive;
    UserStorage storage{store, drive};
    test::FakeToolkit toolkit;
    StdRandom random(42);
    Narrator narrator;
    test::FakeClock clock;
    Yacht y(Ports{voice, sound, resources, storage, toolkit, random, clock, narrator});
    Sequencer sequencer(y);
    for (auto _ : state) {
        playOneGame(y, sequencer);
        if (y.game.state != EngineState::Idle) state.SkipWithError("the game did not end");
        voice.spoken.clear();
        sound.played.clear();
    }
}
BENCHMARK(FullGame)->Unit(benchmark::kMicrosecond);

}  // namespace
