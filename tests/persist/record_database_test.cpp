// The game record's file: statistics from a table of known games, a resumed game found by its
// cells, the export's rows, and files that are damaged, newer, full or out of reach.

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "persist/record_database.h"
#include "persist/sqlite_record.h"
#include "persist/temp_folder.h"

namespace yacht::test {
namespace {

constexpr int64_t kNoon = 1765368000;  // 10 December 2025, 12:00 UTC

RecordedSeats seatsOf(std::initializer_list<SeatKind> kinds, bool coach = false)
{
    RecordedSeats s;
    int p = 0;
    for (SeatKind k : kinds) s.kind[++p] = k;
    s.players = int16_t(p);
    s.coachAsked = coach;
    return s;
}

PlayedTurn turnOf(int round, int player, int category, int points, std::vector<RecordedThrow> throws = {})
{
    PlayedTurn t;
    t.round = int16_t(round);
    t.player = int16_t(player);
    t.category = int16_t(category);
    t.points = int16_t(points);
    t.throws = std::move(throws);
    return t;
}

RecordedThrow thrown(int roll, std::array<int8_t, 5> faces, std::array<bool, 5> kept = {},
                     std::optional<double> cost = {})
{
    return RecordedThrow{int8_t(roll), faces, kept, cost};
}

// A finished game: each seat's category points by round (the same category as the round).
struct KnownGame {
    RecordedSeats seats;
    std::vector<std::vector<int>> points;  // by seat, 13 rounds
    std::vector<int16_t> finals;
    int64_t endedAt = kNoon;
    bool finish = true;
};

void play(RecordDatabase& db, const KnownGame& game)
{
    const std::optional<int64_t> id = db.beginGame(game.seats, game.endedAt - 600);
    ASSERT_TRUE(id);
    for (std::size_t r = 0; r < 13; ++r)
        for (std::size_t p = 0; p < game.points.size(); ++p) {
            std::vector<RecordedThrow> throws{thrown(1, {1, 2, 3, 4, 6})};
            if (r == 12 && p == 0) throws.push_back(thrown(2, {5, 5, 5, 5, 5}, {}, 0.5));  // a Yacht, a weighed keep
            PlayedTurn t = turnOf(int(r) + 1, int(p) + 1, int(r) + 1, game.points[p][r], throws);
            if (p == 0) t.categoryCost = 0.25;
            ASSERT_TRUE(db.addTurn(*id, t, game.endedAt - 60, game.seats.coachAsked));
        }
    if (game.finish) {
        ASSERT_TRUE(db.finishGame(*id, game.finals, game.endedAt, game.seats.coachAsked));
    }
}

std::vector<int> rounds(int upperEach, int lowerEach)
{
    std::vector<int> v;
    for (int r = 0; r < 13; ++r) v.push_back(r < 6 ? upperEach : lowerEach);
    return v;
}

class RecordFile : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.file("record.sqlite");
    std::unique_ptr<RecordDatabase> open(int64_t now = kNoon)
    {
        return RecordDatabase::open(path, RecordAccess::Write, now);
    }
};

TEST_F(RecordFile, StatisticsComeFromTheFinishedGamesOfPeople)
{
    auto db = open();
    ASSERT_TRUE(db);
    const SeatKind H = SeatKind::Human, S = SeatKind::Strong, C = SeatKind::Casual;
    const std::vector<KnownGame> games = {
        // alone: upper 6 x 11 = 66, bonus reached
        {seatsOf({H}), {rounds(11, 10)}, {200}, kNoon},
        // alone with the coach: upper 60
        {seatsOf({H}, true), {rounds(10, 10)}, {250}, kNoon + 86400},
        // against the strong computer, lost
        {seatsOf({H, S}), {rounds(5, 5), rounds(12, 20)}, {100, 300}, kNoon + 2 * 86400},
        // against the casual computer, won
        {seatsOf({H, C}), {rounds(12, 12), rounds(1, 1)}, {190, 50}, kNoon + 3 * 86400},
        // two people: both counted
        {seatsOf({H, H}), {rounds(1, 1), rounds(2, 2)}, {120, 140}, kNoon + 4 * 86400},
        // unfinished: not counted anywhere
        {seatsOf({H}), {rounds(20, 20)}, {}, kNoon + 5 * 86400, false},
    };
    for (const KnownGame& g : games) play(*db, g);

    const RecordSummary s = db->summary();
    EXPECT_EQ(s.gamesFinished, 5);
    EXPECT_EQ(s.personScores, 6);
    EXPECT_DOUBLE_EQ(s.averageScore, (200 + 250 + 100 + 190 + 120 + 140) / 6.0);
    EXPECT_EQ(s.bestScore, 250);
    EXPECT_EQ(s.upperBonuses, 2) << "66 and 72 reach 63; 60 does not";
    EXPECT_EQ(s.yachtsThrown, 5) << "the Yacht of player 1 in each finished game";
    ASSERT_TRUE(s.averageCost);
    EXPECT_NEAR(*s.averageCost, (13 * 0.25 + 0.5) / 14, 1e-9);
    EXPECT_EQ(s.strong, (AgainstComputer{0, 1}));
    EXPECT_EQ(s.casual, (AgainstComputer{1, 0}));
    const std::vector<BestScore> best = {
        {250, kNoon + 86400, true}, {200, kNoon, false}, {190, kNoon + 3 * 86400, false},
        {140, kNoon + 4 * 86400, false}, {120, kNoon + 4 * 86400, false}};
    EXPECT_EQ(s.best, best);
}

TEST_F(RecordFile, AnEmptyRecordSummarisesToNothing)
{
    auto db = open();
    ASSERT_TRUE(db);
    const RecordSummary s = db->summary();
    EXPECT_EQ(s.personScores, 0);
    EXPECT_TRUE(s.best.empty());
    EXPECT_FALSE(s.averageCost);
}

TEST_F(RecordFile, TurnsReadBackAsTheyWerePlayed)
{
    auto db = open();
    const auto id = db->beginGame(seatsOf({SeatKind::Human}), kNoon);
    ASSERT_TRUE(id);
    const PlayedTurn three = turnOf(1, 1, 3, 12,
                                    {thrown(1, {3, 3, 5, 1, 2}), thrown(2, {3, 3, 3, 6, 4}, {true, true, false, false, false}, 1.5),
                                     thrown(3, {3, 3, 3, 3, 1}, {true, true, true, false, false}, 0.0)});
    PlayedTurn resumedLate = turnOf(2, 1, 12, 25, {thrown(3, {2, 2, 3, 3, 3}, {false, false, true, true, true})});
    resumedLate.categoryCost = 0.75;
    ASSERT_TRUE(db->addTurn(*id, three, kNoon, false));
    ASSERT_TRUE(db->addTurn(*id, resumedLate, kNoon, false));
    const std::vector<PlayedTurn> back = db->turnsOf(*id);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0], three);
    EXPECT_EQ(back[1], resumedLate) << "a turn resumed after its first throws keeps its last";
}

TEST_F(RecordFile, AResumedGameIsFoundByItsScoredCellsAndSeats)
{
    auto db = open();
    const RecordedSeats two = seatsOf({SeatKind::Human, SeatKind::Casual});
    const auto older = db->beginGame(two, kNoon);
    const auto game = db->beginGame(two, kNoon + 10);
    const auto finished = db->beginGame(two, kNoon + 20);
    db->addTurn(*older, turnOf(1, 1, 5, 15), kNoon, false);
    db->addTurn(*game, turnOf(1, 1, 6, 18), kNoon, false);
    db->addTurn(*game, turnOf(1, 2, 12, 0), kNoon, false);
    db->addTurn(*finished, turnOf(1, 1, 6, 18), kNoon, false);
    db->addTurn(*finished, turnOf(1, 2, 12, 0), kNoon, false);
    db->finishGame(*finished, {18, 0}, kNoon + 30, false);

    const std::vector<ScoredCell> cells = {{2, 12, 0}, {1, 6, 18}};
    EXPECT_EQ(db->findUnfinishedGame(two, cells), game);
    EXPECT_EQ(db->findUnfinishedGame(two, {{1, 5, 15}}), older);
    EXPECT_FALSE(db->findUnfinishedGame(two, {{1, 6, 18}})) << "a cell missing from the saved game";
    EXPECT_FALSE(db->findUnfinishedGame(two, {{1, 6, 17}, {2, 12, 0}})) << "other points";
    EXPECT_FALSE(db->findUnfinishedGame(seatsOf({SeatKind::Human, SeatKind::Strong}), cells)) << "other seats";
}

TEST_F(RecordFile, TheExportHasAHeaderAndOneRowATurn)
{
    auto db = open();
    const auto id = db->beginGame(seatsOf({SeatKind::Human, SeatKind::Strong}), kNoon);
    db->addTurn(*id, turnOf(1, 1, 3, 12, {thrown(1, {3, 3, 5, 1, 2}), thrown(2, {3, 3, 3, 6, 4}, {true, true}, 1.25)}), kNoon + 5,
                false);
    db->addTurn(*id, turnOf(1, 2, 13, 50, {thrown(1, {6, 6, 6, 6, 6})}), kNoon + 9, false);
    std::ostringstream out;
    ASSERT_TRUE(db->exportCsv(out));
    EXPECT_EQ(out.str(),
              "game,started,ended,round,player,kind,throw1,kept2,throw2,kept3,throw3,category,points,"
              "cost_keep2,cost_keep3,cost_category\n"
              "1,1765368000,1765368005,1,1,0,33512,3,33364,,,3,12,1.250,,\n"
              "1,1765368000,1765368009,1,2,1,66666,,,,,13,50,,,\n");
}

TEST_F(RecordFile, JunkBytesAreMovedAsideAndANewRecordBegun)
{
    writeText(path, std::string(4096, 'x'));
    auto db = open();
    ASSERT_TRUE(db);
    EXPECT_TRUE(db->beginGame(seatsOf({SeatKind::Human}), kNoon));
    EXPECT_EQ(readText(path + ".damaged-20251210T120000Z"), std::string(4096, 'x'));
}

TEST_F(RecordFile, ADroppedTableComesBackAndTheGamesStay)
{
    {
        auto db = open();
        play(*db, {seatsOf({SeatKind::Human}), {rounds(11, 10)}, {200}});
    }
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &raw), SQLITE_OK);
    sqlite3_exec(raw, "DROP TABLE turns; UPDATE seats SET final = 'a very long text' || hex(zeroblob(100000)) WHERE 0;"
                      "INSERT INTO seats(game, seat, kind, final) VALUES(9, 1, 0, 'junk');", nullptr, nullptr, nullptr);
    sqlite3_close(raw);

    auto db = open();
    ASSERT_TRUE(db);
    EXPECT_EQ(db->summary().best.front().points, 200) << "the finished game's score is intact";
    const auto id = db->beginGame(seatsOf({SeatKind::Human}), kNoon);
    EXPECT_TRUE(db->addTurn(*id, turnOf(1, 1, 1, 3), kNoon, false)) << "the turns table is back";
}

TEST_F(RecordFile, ANewerRecordIsLeftAlone)
{
    {
        auto db = open();
    }
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &raw), SQLITE_OK);
    sqlite3_exec(raw, "PRAGMA user_version = 7", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    const std::string before = readText(path);
    EXPECT_FALSE(open());
    EXPECT_EQ(readText(path), before);
    EXPECT_FALSE(std::filesystem::exists(path + ".damaged-20251210T120000Z"));
}

TEST_F(RecordFile, AFullDiskLosesTheTurnAndKeepsTheEarlierOnes)
{
    auto db = open();
    const auto id = db->beginGame(seatsOf({SeatKind::Human}), kNoon);
    ASSERT_TRUE(db->addTurn(*id, turnOf(1, 1, 1, 3), kNoon, false));
    db->limitPages(1);
    bool anyFailed = false;
    for (int r = 2; r <= 5000 && !anyFailed; ++r)
        anyFailed = !db->addTurn(*id, turnOf(r, 1, 1 + r % 13, 10, {thrown(1, {1, 2, 3, 4, 6})}), kNoon, false);
    EXPECT_TRUE(anyFailed) << "the file reached its limit";
    db->limitPages(1000000);
    EXPECT_EQ(db->turnsOf(*id).front(), turnOf(1, 1, 1, 3));
}

TEST_F(RecordFile, TheFileIsTheOwnersAlone)
{
    auto db = open();
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(db->journal(), RecordJournal::WriteAheadLog);
}

TEST_F(RecordFile, WithoutSharedMemoryForTheLogTheFileKeepsARollbackJournal)
{
    // A folder where the log's shared memory belongs: it cannot be opened, as on a file system
    // without shared memory.
    std::filesystem::create_directory(path + "-shm");
    auto db = open();
    ASSERT_TRUE(db);
    EXPECT_EQ(db->journal(), RecordJournal::RollbackJournal);
    const auto id = db->beginGame(seatsOf({SeatKind::Human}), kNoon);
    ASSERT_TRUE(id);
    EXPECT_TRUE(db->addTurn(*id, turnOf(1, 1, 1, 3), kNoon, false));
    EXPECT_EQ(db->turnsOf(*id).size(), 1u);
}

TEST_F(RecordFile, ARecordWithALogMovedWhereThereIsNoSharedMemoryKeepsItsGames)
{
    {
        auto db = open();
        play(*db, {seatsOf({SeatKind::Human}), {rounds(11, 10)}, {200}});
        ASSERT_EQ(db->journal(), RecordJournal::WriteAheadLog);
    }
    std::filesystem::create_directory(path + "-shm");
    auto db = open();
    ASSERT_TRUE(db);
    EXPECT_EQ(db->journal(), RecordJournal::RollbackJournal);
    EXPECT_EQ(db->summary().bestScore, 200);
    EXPECT_TRUE(db->beginGame(seatsOf({SeatKind::Human}), kNoon));
}

TEST_F(RecordFile, AReaderSeesTheGameWhileItWrites)
{
    auto writer = open();
    play(*writer, {seatsOf({SeatKind::Human}), {rounds(11, 10)}, {200}});
    const auto id = writer->beginGame(seatsOf({SeatKind::Human}), kNoon);
    ASSERT_TRUE(writer->addTurn(*id, turnOf(1, 1, 1, 3), kNoon, false));
    auto reader = RecordDatabase::open(path, RecordAccess::ReadOnly, kNoon);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->summary().bestScore, 200);
    EXPECT_TRUE(writer->addTurn(*id, turnOf(2, 1, 2, 6), kNoon, false)) << "the reader does not block the game";
}

TEST(RecordWorker, TurnsReachTheFileAndTheSummaryFollows)
{
    TempFolder folder;
    const std::string path = folder.file("data/yacht/record.sqlite");
    {
        SqliteRecord record(path, [] { return kNoon; });
        EXPECT_TRUE(record.isOpen());
        EXPECT_EQ(record.summary()->personScores, 0);
        record.gameBegun(seatsOf({SeatKind::Human}));
        for (int r = 1; r <= 13; ++r) record.turnPlayed(turnOf(r, 1, r, 7), false);
        record.gameFinished({91}, false);
        record.flush();
        EXPECT_EQ(record.summary()->bestScore, 91);
        EXPECT_EQ(record.turnsOfThisGame().size(), 13u);
    }
    struct stat st{};
    ASSERT_EQ(::stat(folder.file("data/yacht").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(RecordWorker, AResumedGameGoesOnInTheSameRecordGame)
{
    TempFolder folder;
    const std::string path = folder.file("record.sqlite");
    const RecordedSeats alone = seatsOf({SeatKind::Human});
    {
        SqliteRecord record(path);
        record.gameBegun(alone);
        record.turnPlayed(turnOf(1, 1, 4, 12), false);
        record.turnPlayed(turnOf(2, 1, 5, 15), false);
    }
    SqliteRecord record(path);
    record.gameResumed(alone, {{1, 5, 15}, {1, 4, 12}});
    record.turnPlayed(turnOf(3, 1, 6, 18), false);
    record.flush();
    EXPECT_EQ(record.turnsOfThisGame().size(), 3u) << "the turns before the game was left come first";
    EXPECT_EQ(record.turnsOfThisGame().front(), turnOf(1, 1, 4, 12));
    auto db = RecordDatabase::open(path, RecordAccess::ReadOnly, kNoon);
    EXPECT_EQ(db->turnsOf(1).size(), 3u);
    EXPECT_TRUE(db->turnsOf(2).empty()) << "no second game was begun";
}

TEST(RecordWorker, AFolderOutOfReachLeavesTheGameWithoutARecord)
{
    TempFolder folder;
    // A plain file where the folder belongs stops anyone, root too; a read-only folder the others.
    writeText(folder.file("yacht"), "");
    ::chmod(folder.path().c_str(), 0500);
    SqliteRecord record(folder.file("yacht/record.sqlite"));
    record.gameBegun(seatsOf({SeatKind::Human}));
    record.turnPlayed(turnOf(1, 1, 1, 3), false);
    EXPECT_FALSE(record.isOpen());
    EXPECT_FALSE(record.summary());
    EXPECT_EQ(record.turnsOfThisGame().size(), 1u) << "F6 still has the game's own turns";
    ::chmod(folder.path().c_str(), 0700);
}

}  // namespace
}  // namespace yacht::test
