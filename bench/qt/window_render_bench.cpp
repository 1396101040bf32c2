// The cost of drawing the game and bringing the real window in line with the board, as after every tick, key and
// click: nothing changed, one caption changed, and a caption changed and painted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>

#include "screen/qt_main_window.h"
#include "screen/view_keeper.h"
#include "support/fakes.h"

namespace {

using namespace yacht;

// The real window as the game's toolkit, with fakes for everything else.
struct WindowGame {
    test::FakeVoice voice;
    test::FakeSound sound;
    test::FakeResources resources;
    test::FakeStore store;
    test::FakeDrive drive;
    UserStorage storage{store, drive};
    test::ScriptedRandom random;
    MainWindow window;
    Narrator narrator;
    test::FakeClock clock;
    ViewFacts view;
    ViewKeeper shown{narrator, view};
    Yacht y{Ports{voice, sound, resources, storage, window.toolkit(), random, clock, shown}};
    Sequencer sequencer{y};
    WindowGame()
    {
        window.attach(y, view, sequencer);
        window.show();
        QApplication::processEvents();
    }
};

void RenderUnchangedBoard(benchmark::State& state)
{
    WindowGame g;
    for (auto _ : state) g.window.render();
}
BENCHMARK(RenderUnchangedBoard);

void RenderOneChangedCaption(benchmark::State& state)
{
    WindowGame g;
    int n = 0;
    for (auto _ : state) {
        g.view.status = (++n % 2) ? Status::SecondRoll : Status::ThirdRoll;
        g.window.render();
    }
}
BENCHMARK(RenderOneChangedCaption);

void RenderAndPaintAChangedDieAndRow(benchmark::State& state)
{
    WindowGame g;
    int n = 0;
    for (auto _ : state) {
        ++n;
        g.y.game.dice[n % 5] = static_cast<int16_t>(n % 6 + 1);
        g.view.litRow = static_cast<int16_t>((n % 2) ? n % 13 + 1 : 0);
        g.window.render();
        QApplication::processEvents();
    }
}
BENCHMARK(RenderAndPaintAChangedDieAndRow);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
