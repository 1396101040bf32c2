// The game record: a turn's cost on the game's thread and the commit's own time on the worker,
// F5's summary over 10,000 recorded games, and the record's start with such a file.

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "persist/record_database.h"
#include "persist/sqlite_record.h"

namespace {

using namespace yacht;

std::string freshFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "yacht-bench-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

PlayedTurn sampleTurn(int round)
{
    PlayedTurn t;
    t.round = int16_t(1 + (round - 1) % 13);
    t.player = 1;
    t.throws = {RecordedThrow{1, {3, 3, 5, 1, 2}, {}, {}}, RecordedThrow{2, {3, 3, 3, 6, 4}, {true, true}, 0.5},
                RecordedThrow{3, {3, 3, 3, 3, 1}, {true, true, true}, 0.0}};
    t.category = 3;
    t.points = 12;
    t.categoryCost = 0.25;
    return t;
}

// A record of 10,000 finished one-player games, written in one transaction to be quick to make.
const std::string& tenThousandGames()
{
    static const std::string path = [] {
        const std::string file = freshFolder() + "/record.sqlite";
        RecordDatabase::open(file, RecordAccess::Write, 0);
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr);
        for (int g = 1; g <= 10000; ++g) {
            const std::string id = std::to_string(g);
            const std::string score = std::to_string(150 + g % 120);
            std::string sql = "INSERT INTO games VALUES(" + id + ", " + id + "000, " + id + "600, 1, 0, 1);"
                              "INSERT INTO seats VALUES(" + id + ", 1, 0, " + score + ", 60, 1, 1.5, 26);";
            for (int r = 1; r <= 13; ++r)
                sql += "INSERT INTO turns VALUES(" + id + ", " + std::to_string(r) + ", 1, " + id +
                       "500, 33512, 3, 33364, 7, 33331, 0.5, 0, " + std::to_string(r) + ", 12, 0.25);";
            sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return file;
    }();
    return path;
}

// The game thread's cost of a turn: handing it to the worker.
void RecordTurnOnGameThread(benchmark::State& state)
{
    SqliteRecord record(freshFolder() + "/record.sqlite");
    record.flush();
    record.gameBegun(RecordedSeats{1, {SeatKind::Human, SeatKind::Human}, false});
    int round = 0;
    for (auto _ : state) {
        record.turnPlayed(sampleTurn(++round), false);
        if (round % 64 == 0) {
            state.PauseTiming();
            record.flush();  // the queue stays as short as in play
            state.ResumeTiming();
        }
    }
}
BENCHMARK(RecordTurnOnGameThread)->Unit(benchmark::kMicrosecond)->Iterations(5000);

// The commit's own time on the worker: one turn, written and synced to the disk.
void RecordTurnCommit(benchmark::State& state)
{
    auto db = RecordDatabase::open(freshFolder() + "/record.sqlite", RecordAccess::Write, 0);
    const auto game = db->beginGame(RecordedSeats{1, {SeatKind::Human, SeatKind::Human}, false}, 0);
    int round = 0;
    for (auto _ : state) benchmark::DoNotOptimize(db->addTurn(*game, sampleTurn(++round), 0, false));
}
BENCHMARK(RecordTurnCommit)->Unit(benchmark::kMillisecond)->Iterations(2000);

// F5's statistics worked out on the worker over 10,000 games.
void SummaryOverTenThousandGames(benchmark::State& state)
{
    auto db = RecordDatabase::open(tenThousandGames(), RecordAccess::ReadOnly, 0);
    for (auto _ : state) benchmark::DoNotOptimize(db->summary());
}
BENCHMARK(SummaryOverTenThousandGames)->Unit(benchmark::kMillisecond);

// F5 on the game thread: the summary the worker last published.
void SummaryOnGameThread(benchmark::State& state)
{
    SqliteRecord record(tenThousandGames());
    record.flush();
    for (auto _ : state) benchmark::DoNotOptimize(record.summary());
}
BENCHMARK(SummaryOnGameThread)->Unit(benchmark::kMicrosecond);

// The start with a 10,000-game record: the game thread's cost (the worker started), and the
// time until the worker has opened and checked the file and published the summary.
void StartWithTenThousandGames(benchmark::State& state)
{
    tenThousandGames();
    double ready = 0;
    for (auto _ : state) {
        const auto began = std::chrono::steady_clock::now();
        SqliteRecord record(tenThousandGames());
        const auto handedOver = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(handedOver - began).count());
        record.flush();
        ready += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began).count();
    }
    state.counters["ready_ms"] = benchmark::Counter(ready / double(state.iterations()));
}
BENCHMARK(StartWithTenThousandGames)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(20);

}  // namespace
