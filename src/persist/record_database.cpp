#include "persist/record_database.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <set>

#include "persist/sqlite_statement.h"

namespace yacht {
namespace {

constexpr int kUpperBonusThreshold = 63;

// Version 1: games, the seats of each, and the turns. Dice are five-digit numbers, a keep is a
// mask of the dice kept (bit 0 the first die), costs are points against perfect play; times are
// seconds since 1970. A game resumed from a saved file the record did not know is not counted.
const char* const kSchemaV1 = R"(
CREATE TABLE IF NOT EXISTS games(
  id INTEGER PRIMARY KEY,
  started INTEGER NOT NULL,
  ended INTEGER,
  players INTEGER NOT NULL,
  coach INTEGER NOT NULL DEFAULT 0,
  counted INTEGER NOT NULL DEFAULT 1);
CREATE TABLE IF NOT EXISTS seats(
  game INTEGER NOT NULL,
  seat INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  final INTEGER,
  upper INTEGER,
  yachts INTEGER,
  cost_sum REAL,
  cost_count INTEGER,
  PRIMARY KEY(game, seat));
CREATE TABLE IF NOT EXISTS turns(
  game INTEGER NOT NULL,
  round INTEGER NOT NULL,
  seat INTEGER NOT NULL,
  ended INTEGER NOT NULL,
  throw1 INTEGER, kept2 INTEGER, throw2 INTEGER, kept3 INTEGER, throw3 INTEGER,
  cost_keep2 REAL, cost_keep3 REAL,
  category INTEGER NOT NULL,
  points INTEGER NOT NULL,
  cost_category REAL,
  PRIMARY KEY(game, round, seat));
CREATE INDEX IF NOT EXISTS games_unfinished ON games(ended, id);
)";

std::string damagedName(const std::string& path, int64_t now)
{
    const std::time_t t = static_cast<std::time_t>(now);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &tm);
    return path + ".damaged-" + stamp;
}

// The file and its write-ahead log are moved aside together, so a new file starts clean.
void moveAside(const std::string& path, int64_t now)
{
    const std::string aside = damagedName(path, now);
    std::rename(path.c_str(), aside.c_str());
    for (const char* suffix : {"-wal", "-shm", "-journal"}) std::rename((path + suffix).c_str(), (aside + suffix).c_str());
}

// Creates the file private to its owner before SQLite does, so its log files are private too.
void createPrivately(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::fchmod(fd, 0600);
        ::close(fd);
    }
}

int userVersion(sqlite3* db)
{
    SqliteStatement s(db, "PRAGMA user_version");
    return s.row() ? int(s.integer(0)) : -1;
}

bool passesCheck(sqlite3* db)
{
    SqliteStatement s(db, "PRAGMA quick_check");
    return s.row() && s.text(0) == "ok";
}

int64_t keptMask(const std::array<bool, 5>& kept)
{
    int64_t mask = 0;
    for (int i = 0; i < 5; ++i)
        if (kept[i]) mask |= int64_t(1) << i;
    return mask;
}

bool isYacht(const std::array<int8_t, 5>& f)
{
    return f[0] >= 1 && std::all_of(f.begin(), f.end(), [&](int8_t x) { return x == f[0]; });
}

// Runs the body in a transaction; what it wrote is kept only when all of it was.
template <typename Body>
bool inTransaction(sqlite3* db, Body body)
{
    if (!execute(db, "BEGIN IMMEDIATE")) return false;
    if (body() && execute(db, "COMMIT")) return true;
    execute(db, "ROLLBACK");
    return false;
}

}  // namespace

int64_t encodeFaces(const std::array<int8_t, 5>& faces)
{
    int64_t n = 0;
    for (int8_t f : faces) n = n * 10 + std::clamp<int>(f, 0, 9);
    return n;
}

std::array<int8_t, 5> decodeFaces(int64_t number)
{
    std::array<int8_t, 5> faces{};
    for (int i = 4; i >= 0; --i) {
        const int digit = int(number % 10);
        faces[i] = static_cast<int8_t>(digit >= 1 && digit <= 6 ? digit : 0);
        number /= 10;
    }
    return faces;
}

std::unique_ptr<RecordDatabase> RecordDatabase::open(const std::string& path, RecordAccess access, int64_t now)
{
    const bool write = access == RecordAccess::Write;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (write) createPrivately(path);
        std::unique_ptr<RecordDatabase> record(new RecordDatabase(nullptr));
        if (!record->connect(path, access)) return nullptr;
        if (write) record->chooseJournal(path);
        sqlite3* db = record->db_;
        const int version = userVersion(db);
        if (version > kRecordSchemaVersion) return nullptr;  // a newer game's record: left alone
        if (version >= 0 && passesCheck(db) && record->prepare(access)) return record;
        // A reader never moves the game's file; the game moves a damaged one aside once.
        if (!write) return nullptr;
        const int code = sqlite3_errcode(db) & 0xff;
        record.reset();
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_READONLY || code == SQLITE_FULL ||
            code == SQLITE_CANTOPEN || code == SQLITE_IOERR || code == SQLITE_PERM)
            return nullptr;
        moveAside(path, now);
    }
    return nullptr;
}

RecordDatabase::~RecordDatabase()
{
    sqlite3_close(db_);
}

bool RecordDatabase::connect(const std::string& path, RecordAccess access)
{
    sqlite3_close(db_);
    db_ = nullptr;
    const bool write = access == RecordAccess::Write;
    const int flags = (write ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) return false;
    // The game waits a little for a reader; a reader waits a little for the game's commit.
    sqlite3_busy_timeout(db_, write ? 2000 : 500);
    return true;
}

void RecordDatabase::chooseJournal(const std::string& path)
{
    // The write-ahead log needs shared memory beside the file; where the file system has none (a
    // network home folder) the file keeps a rollback journal instead.
    std::string mode;
    if (SqliteStatement wal(db_, "PRAGMA journal_mode=WAL"); wal.row()) mode = wal.text(0);
    if (mode == "wal") {
        // Beginning a write proves the log's shared memory works: without it SQLite only reads.
        if (execute(db_, "BEGIN IMMEDIATE")) {
            execute(db_, "ROLLBACK");
            journal_ = RecordJournal::WriteAheadLog;
            return;
        }
    }
    // A connection that failed on the shared memory keeps failing: a new one reads the log with
    // an exclusive lock, which needs none, and turns the file back to a rollback journal.
    journal_ = RecordJournal::RollbackJournal;
    if (!connect(path, RecordAccess::Write)) return;
    execute(db_, "PRAGMA locking_mode=EXCLUSIVE");
    if (SqliteStatement journal(db_, "PRAGMA journal_mode=DELETE"); journal.row()) {}
    execute(db_, "PRAGMA locking_mode=NORMAL");
    // The next read gives the exclusive lock back, so a reader can open the file meanwhile.
    if (SqliteStatement read(db_, "SELECT count(*) FROM sqlite_master"); read.row()) {}
}

bool RecordDatabase::prepare(RecordAccess access)
{
    if (access == RecordAccess::ReadOnly) {
        SqliteStatement s(db_, "SELECT count(*) FROM games");
        return s.row();
    }
    if (!execute(db_, "PRAGMA synchronous=FULL")) return false;
    return migrate();
}

bool RecordDatabase::migrate()
{
    // Each step brings the file from one version to the next; tables dropped by hand come back.
    const int version = userVersion(db_);
    if (version < 0) return false;
    return inTransaction(db_, [&] {
        if (!execute(db_, kSchemaV1)) return false;
        if (version < kRecordSchemaVersion) {
            const std::string set = "PRAGMA user_version=" + std::to_string(kRecordSchemaVersion);
            if (!execute(db_, set.c_str())) return false;
        }
        return true;
    });
}

void RecordDatabase::limitPages(int64_t pages)
{
    const std::string sql = "PRAGMA max_page_count=" + std::to_string(pages);
    execute(db_, sql.c_str());
}

std::optional<int64_t> RecordDatabase::beginGame(const RecordedSeats& seats, int64_t startedAt, bool counted)
{
    std::optional<int64_t> id;
    inTransaction(db_, [&] {
        SqliteStatement game(db_, "INSERT INTO games(started, players, coach, counted) VALUES(?, ?, ?, ?)");
        if (!game.bind(1, startedAt).bind(2, int64_t(seats.players)).bind(3, int64_t(seats.coachAsked))
                 .bind(4, int64_t(counted)).run())
            return false;
        const int64_t gameId = sqlite3_last_insert_rowid(db_);
        for (int p = 1; p <= seats.players && p < Seats::kColumns; ++p) {
            SqliteStatement seat(db_, "INSERT INTO seats(game, seat, kind) VALUES(?, ?, ?)");
            if (!seat.bind(1, gameId).bind(2, int64_t(p)).bind(3, int64_t(seats.kind[p])).run()) return false;
        }
        id = gameId;
        return true;
    });
    return id;
}

std::optional<int64_t> RecordDatabase::findUnfinishedGame(const RecordedSeats& seats,
                                                           const std::vector<ScoredCell>& scored)
{
    std::vector<ScoredCell> wanted = scored;
    std::sort(wanted.begin(), wanted.end());
    SqliteStatement games(db_, "SELECT id FROM games WHERE ended IS NULL AND players = ? ORDER BY id DESC LIMIT 50");
    games.bind(1, int64_t(seats.players));
    while (games.row()) {
        const int64_t id = games.integer(0);
        SqliteStatement kinds(db_, "SELECT seat, kind FROM seats WHERE game = ?");
        kinds.bind(1, id);
        int matching = 0;
        while (kinds.row()) {
            const int64_t seat = kinds.integer(0);
            if (seat >= 1 && seat <= seats.players && kinds.integer(1) == int64_t(seats.kind[seat])) ++matching;
        }
        if (matching != seats.players) continue;
        std::vector<ScoredCell> cells;
        SqliteStatement turns(db_, "SELECT seat, category, points FROM turns WHERE game = ?");
        turns.bind(1, id);
        while (turns.row())
            cells.push_back({int16_t(turns.integer(0)), int16_t(turns.integer(1)), int16_t(turns.integer(2))});
        std::sort(cells.begin(), cells.end());
        if (cells == wanted) return id;
    }
    return std::nullopt;
}

bool RecordDatabase::addTurn(int64_t game, const PlayedTurn& turn, int64_t endedAt, bool coachAsked)
{
    return inTransaction(db_, [&] {
        SqliteStatement s(db_,
                          "INSERT OR REPLACE INTO turns(game, round, seat, ended, throw1, kept2, throw2, kept3, throw3, "
                          "cost_keep2, cost_keep3, category, points, cost_category) "
                          "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        s.bind(1, game).bind(2, int64_t(turn.round)).bind(3, int64_t(turn.player)).bind(4, endedAt);
        // Each throw in the columns of its number; a turn resumed after its first throws, or
        // ended early by a Yacht or a full hold, leaves the others empty.
        for (int t = 0; t < 3; ++t) {
            const int throwColumn = 5 + 2 * t;  // throw1, throw2, throw3
            s.bindNull(throwColumn);
            if (t > 0) s.bindNull(throwColumn - 1).bindNull(9 + t);
        }
        for (const RecordedThrow& thrown : turn.throws) {
            const int t = std::clamp<int>(thrown.roll, 1, 3) - 1;
            const int throwColumn = 5 + 2 * t;
            s.bind(throwColumn, encodeFaces(thrown.faces));
            if (t > 0) s.bind(throwColumn - 1, keptMask(thrown.kept)).bind(9 + t, thrown.keepCost);
        }
        s.bind(12, int64_t(turn.category)).bind(13, int64_t(turn.points)).bind(14, turn.categoryCost);
        if (!s.run()) return false;
        SqliteStatement coach(db_, "UPDATE games SET coach = max(coach, ?) WHERE id = ?");
        return coach.bind(1, int64_t(coachAsked)).bind(2, game).run();
    });
}

std::vector<PlayedTurn> RecordDatabase::turnsOf(int64_t game)
{
    std::vector<PlayedTurn> turns;
    SqliteStatement s(db_,
                      "SELECT round, seat, throw1, kept2, throw2, kept3, throw3, cost_keep2, cost_keep3, category, "
                      "points, cost_category FROM turns WHERE game = ? ORDER BY round, seat");
    s.bind(1, game);
    while (s.row()) {
        PlayedTurn t;
        t.round = int16_t(s.integer(0));
        t.player = int16_t(s.integer(1));
        for (int k = 0; k < 3; ++k) {
            if (s.isNull(2 + 2 * k)) continue;
            RecordedThrow thrown;
            thrown.roll = static_cast<int8_t>(k + 1);
            thrown.faces = decodeFaces(s.integer(2 + 2 * k));
            if (k > 0) {
                const int64_t mask = s.integer(1 + 2 * k);
                for (int i = 0; i < 5; ++i) thrown.kept[i] = (mask >> i) & 1;
                thrown.keepCost = s.optionalReal(6 + k);
            }
            t.throws.push_back(thrown);
        }
        t.category = int16_t(s.integer(9));
        t.points = int16_t(s.integer(10));
        t.categoryCost = s.optionalReal(11);
        turns.push_back(std::move(t));
    }
    return turns;
}

bool RecordDatabase::finishGame(int64_t game, const std::vector<int16_t>& finalScores, int64_t endedAt, bool coachAsked)
{
    // Each seat's tallies come from its turns, so the statistics read one row a seat.
    struct Tally { int upper = 0; int yachts = 0; double cost = 0; int weighed = 0; };
    std::map<int, Tally> tallies;
    for (const PlayedTurn& t : turnsOf(game)) {
        Tally& tally = tallies[t.player];
        if (t.category >= 1 && t.category <= 6) tally.upper += t.points;
        for (const RecordedThrow& thrown : t.throws) {
            if (isYacht(thrown.faces)) ++tally.yachts;
            if (thrown.keepCost) tally.cost += *thrown.keepCost, ++tally.weighed;
        }
        if (t.categoryCost) tally.cost += *t.categoryCost, ++tally.weighed;
    }
    return inTransaction(db_, [&] {
        SqliteStatement g(db_, "UPDATE games SET ended = ?, coach = max(coach, ?) WHERE id = ?");
        if (!g.bind(1, endedAt).bind(2, int64_t(coachAsked)).bind(3, game).run()) return false;
        for (std::size_t i = 0; i < finalScores.size(); ++i) {
            const Tally& tally = tallies[int(i) + 1];
            SqliteStatement s(db_, "UPDATE seats SET final = ?, upper = ?, yachts = ?, cost_sum = ?, cost_count = ? "
                                   "WHERE game = ? AND seat = ?");
            s.bind(1, int64_t(finalScores[i])).bind(2, int64_t(tally.upper)).bind(3, int64_t(tally.yachts));
            s.bind(4, tally.cost).bind(5, int64_t(tally.weighed)).bind(6, game).bind(7, int64_t(i + 1));
            if (!s.run()) return false;
        }
        return true;
    });
}

RecordSummary RecordDatabase::summary()
{
    RecordSummary r;
    // People's seats of finished games the record saw from their start.
    const char* const personSeats =
        " FROM seats s JOIN games g ON g.id = s.game WHERE g.ended IS NOT NULL AND g.counted = 1 AND s.kind = 0"
        " AND s.final IS NOT NULL";
    {
        SqliteStatement best(db_, std::string("SELECT s.final, g.ended, g.coach") + personSeats +
                                      " ORDER BY s.final DESC, g.ended ASC LIMIT 5");
        while (best.row()) r.best.push_back({int(best.integer(0)), best.integer(1), best.integer(2) != 0});
    }
    {
        SqliteStatement totals(db_, std::string("SELECT count(*), avg(s.final), max(s.final), "
                                                "sum(s.upper >= ") + std::to_string(kUpperBonusThreshold) +
                                        "), sum(s.yachts), sum(s.cost_sum), sum(s.cost_count), count(DISTINCT s.game)" +
                                        personSeats);
        if (totals.row()) {
            r.personScores = int(totals.integer(0));
            r.averageScore = totals.real(1);
            r.bestScore = int(totals.integer(2));
            r.upperBonuses = int(totals.integer(3));
            r.yachtsThrown = int(totals.integer(4));
            if (totals.integer(6) > 0) r.averageCost = totals.real(5) / double(totals.integer(6));
            r.gamesFinished = int(totals.integer(7));
        }
    }
    {
        // A game with people and the computer is won when a person has the best score (a tie too).
        SqliteStatement against(db_,
                                "SELECT max(CASE WHEN s.kind = 0 THEN s.final END), max(CASE WHEN s.kind <> 0 THEN s.final END),"
                                " max(s.kind) FROM seats s JOIN games g ON g.id = s.game"
                                " WHERE g.ended IS NOT NULL AND g.counted = 1 AND s.final IS NOT NULL GROUP BY s.game");
        while (against.row()) {
            if (against.isNull(0) || against.isNull(1)) continue;
            AgainstComputer& side = against.integer(2) == int64_t(SeatKind::Casual) ? r.casual : r.strong;
            ++(against.integer(0) >= against.integer(1) ? side.won : side.lost);
        }
    }
    return r;
}

bool RecordDatabase::exportCsv(std::ostream& out)
{
    out << "game,started,ended,round,player,kind,throw1,kept2,throw2,kept3,throw3,category,points,"
           "cost_keep2,cost_keep3,cost_category\n";
    SqliteStatement s(db_,
                      "SELECT t.game, g.started, t.ended, t.round, t.seat, coalesce(s.kind, 0), t.throw1, t.kept2, "
                      "t.throw2, t.kept3, t.throw3, t.category, t.points, t.cost_keep2, t.cost_keep3, t.cost_category "
                      "FROM turns t JOIN games g ON g.id = t.game LEFT JOIN seats s ON s.game = t.game AND s.seat = t.seat "
                      "ORDER BY t.game, t.round, t.seat");
    if (!s.ready()) return false;
    while (s.row()) {
        for (int c = 0; c < 16; ++c) {
            if (c > 0) out << ',';
            if (s.isNull(c)) continue;
            if (c >= 13) {
                char cost[32];
                std::snprintf(cost, sizeof cost, "%.3f", s.real(c));
                out << cost;
            } else {
                out << s.integer(c);
            }
        }
        out << '\n';
    }
    return s.lastCode() == SQLITE_DONE && bool(out);
}

}  // namespace yacht
