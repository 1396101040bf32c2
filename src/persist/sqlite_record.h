#pragma once
// The game record kept in its SQLite file by a worker thread of its own: the game hands each
// turn over and goes on at once, and reads back only what the worker last published.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "engine/record.h"

namespace yacht {

class RecordDatabase;

// The Record port on an SQLite file, written on a worker thread in the order the game reports.
class SqliteRecord final : public Record {
public:
    using Clock = std::function<int64_t()>;  // seconds since 1970
    // The file is opened on the worker; until it is (or when it cannot be), the game has no
    // summary and its turns are kept for F6 alone.
    explicit SqliteRecord(std::string path, Clock clock = nullptr);
    // Writes what is still queued, then closes the file.
    ~SqliteRecord() override;

    void gameBegun(const RecordedSeats& seats) override;
    void gameResumed(const RecordedSeats& seats, const std::vector<ScoredCell>& scored) override;
    void turnPlayed(const PlayedTurn& turn, bool coachAsked) override;
    void gameFinished(const std::vector<int16_t>& finalScores, bool coachAsked) override;
    std::optional<RecordSummary> summary() override;
    std::vector<PlayedTurn> turnsOfThisGame() override;

    // Waits until everything handed over so far has been written (for tests and benchmarks).
    void flush();
    // Whether the file could be opened (once the worker has tried); for tests.
    bool isOpen();
    // Limits the file's size in pages, to try a full disk (for tests).
    void limitPages(int64_t pages);

private:
    using Job = std::function<void()>;
    void post(Job job);
    void work();
    void publishSummary();

    std::string path_;
    Clock clock_;
    // Only the worker touches these.
    std::unique_ptr<RecordDatabase> db_;
    std::optional<int64_t> game_;

    std::mutex jobsMutex_;
    std::condition_variable jobsReady_;
    std::condition_variable jobsDone_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;

    std::mutex publishedMutex_;
    std::optional<RecordSummary> summary_;
    std::vector<PlayedTurn> turns_;
    bool opened_ = false;

    std::thread worker_;  // last: it starts once everything above is ready
};

// "$XDG_DATA_HOME/yacht/record.sqlite" (a relative or empty value counts as unset), else
// "$HOME/.local/share/yacht/record.sqlite"; empty when neither is known.
std::string recordPath(const char* xdgDataHome, const char* home);

// Creates the record's folder (0700) when it is missing; false when it cannot be made.
bool prepareRecordFolder(const std::string& recordFile);

}  // namespace yacht
