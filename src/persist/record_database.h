#pragma once
// The game record's SQLite file: its schema and version, opening it safely (a damaged file is
// moved aside, a newer one left alone), and the writes and reads of games and turns. Used from
// one thread at a time; the game's own thread never waits on it (see sqlite_record.h).

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/record.h"

struct sqlite3;

namespace yacht {

// The schema version this build writes; an older file is brought forward, a newer one is not used.
constexpr int kRecordSchemaVersion = 1;

// How the record file is opened: by the game, which writes, or by a reader such as --record.
enum class RecordAccess { Write, ReadOnly };

// How the file keeps its changes safe until they reach the disk.
enum class RecordJournal { WriteAheadLog, RollbackJournal };

// An open record file.
class RecordDatabase {
public:
    // Opens (and for writing creates, 0600) the file. A file that is not a database or fails its
    // check is moved aside as "<path>.damaged-<time>" and a new one begun; a file of a newer
    // schema, or one that cannot be opened at all, gives none.
    static std::unique_ptr<RecordDatabase> open(const std::string& path, RecordAccess access, int64_t now);
    ~RecordDatabase();
    RecordDatabase(const RecordDatabase&) = delete;
    RecordDatabase& operator=(const RecordDatabase&) = delete;

    RecordJournal journal() const { return journal_; }
    // Limits the file's size in pages (for trying a full disk).
    void limitPages(int64_t pages);

    // A new game; its id, or none when it could not be written.
    std::optional<int64_t> beginGame(const RecordedSeats& seats, int64_t startedAt, bool counted = true);
    // The latest unfinished game with these seats whose turns are exactly the cells scored.
    std::optional<int64_t> findUnfinishedGame(const RecordedSeats& seats, const std::vector<ScoredCell>& scored);
    // One turn, committed on its own; false when it could not be written (the file is as before).
    bool addTurn(int64_t game, const PlayedTurn& turn, int64_t endedAt, bool coachAsked);
    // The game's end and each seat's final score and tallies, committed together.
    bool finishGame(int64_t game, const std::vector<int16_t>& finalScores, int64_t endedAt, bool coachAsked);
    std::vector<PlayedTurn> turnsOf(int64_t game);
    RecordSummary summary();
    // Every recorded turn as CSV, a header row first; false when a row could not be read.
    bool exportCsv(std::ostream& out);

private:
    explicit RecordDatabase(sqlite3* db) : db_(db) {}
    bool connect(const std::string& path, RecordAccess access);
    void chooseJournal(const std::string& path);
    bool prepare(RecordAccess access);
    bool migrate();
    sqlite3* db_;
    RecordJournal journal_ = RecordJournal::WriteAheadLog;
};

// The dice as the record keeps them, a five-digit number read from the first die ("3 3 5 1 2" is
// 33512), and back; faces outside 1..6 read as 0.
int64_t encodeFaces(const std::array<int8_t, 5>& faces);
std::array<int8_t, 5> decodeFaces(int64_t number);

}  // namespace yacht
