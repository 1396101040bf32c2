#include "persist/sqlite_record.h"

#include <sys/stat.h>

#include <cerrno>
#include <ctime>

#include "persist/record_database.h"

namespace yacht {

SqliteRecord::SqliteRecord(std::string path, Clock clock)
    : path_(std::move(path)), clock_(clock ? std::move(clock) : Clock([] { return int64_t(std::time(nullptr)); }))
{
    worker_ = std::thread([this] { work(); });
    post([this] {
        if (!path_.empty() && prepareRecordFolder(path_)) db_ = RecordDatabase::open(path_, RecordAccess::Write, clock_());
        {
            std::lock_guard lock(publishedMutex_);
            opened_ = db_ != nullptr;
        }
        publishSummary();
    });
}

SqliteRecord::~SqliteRecord()
{
    {
        std::lock_guard lock(jobsMutex_);
        stopping_ = true;
    }
    jobsReady_.notify_all();
    worker_.join();
}

void SqliteRecord::post(Job job)
{
    {
        std::lock_guard lock(jobsMutex_);
        jobs_.push_back(std::move(job));
    }
    jobsReady_.notify_one();
}

void SqliteRecord::work()
{
    std::unique_lock lock(jobsMutex_);
    for (;;) {
        jobsReady_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) break;  // stopping, and everything has been written
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        job();
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) jobsDone_.notify_all();
    }
    db_.reset();
}

void SqliteRecord::flush()
{
    std::unique_lock lock(jobsMutex_);
    jobsDone_.wait(lock, [&] { return jobs_.empty() && !busy_; });
}

bool SqliteRecord::isOpen()
{
    flush();
    std::lock_guard lock(publishedMutex_);
    return opened_;
}

void SqliteRecord::limitPages(int64_t pages)
{
    post([this, pages] {
        if (db_) db_->limitPages(pages);
    });
}

void SqliteRecord::publishSummary()
{
    if (!db_) return;
    RecordSummary s = db_->summary();
    std::lock_guard lock(publishedMutex_);
    summary_ = std::move(s);
}

void SqliteRecord::gameBegun(const RecordedSeats& seats)
{
    {
        std::lock_guard lock(publishedMutex_);
        turns_.clear();
    }
    const int64_t now = clock_();
    post([this, seats, now] {
        game_.reset();
        if (db_) game_ = db_->beginGame(seats, now);
    });
}

void SqliteRecord::gameResumed(const RecordedSeats& seats, const std::vector<ScoredCell>& scored)
{
    {
        std::lock_guard lock(publishedMutex_);
        turns_.clear();
    }
    const int64_t now = clock_();
    post([this, seats, scored, now] {
        game_.reset();
        if (!db_) return;
        game_ = db_->findUnfinishedGame(seats, scored);
        if (!game_) {
            // A game the record never saw begin is kept, but out of the statistics.
            game_ = db_->beginGame(seats, now, false);
            return;
        }
        // F6 hears the turns played before the game was left, ahead of those played since.
        std::vector<PlayedTurn> earlier = db_->turnsOf(*game_);
        std::lock_guard lock(publishedMutex_);
        earlier.insert(earlier.end(), turns_.begin(), turns_.end());
        turns_ = std::move(earlier);
    });
}

void SqliteRecord::turnPlayed(const PlayedTurn& turn, bool coachAsked)
{
    {
        std::lock_guard lock(publishedMutex_);
        turns_.push_back(turn);
    }
    const int64_t now = clock_();
    post([this, turn, coachAsked, now] {
        if (db_ && game_) db_->addTurn(*game_, turn, now, coachAsked);
    });
}

void SqliteRecord::gameFinished(const std::vector<int16_t>& finalScores, bool coachAsked)
{
    const int64_t now = clock_();
    post([this, finalScores, coachAsked, now] {
        if (db_ && game_) db_->finishGame(*game_, finalScores, now, coachAsked);
        game_.reset();
        publishSummary();
    });
}

std::optional<RecordSummary> SqliteRecord::summary()
{
    std::lock_guard lock(publishedMutex_);
    return summary_;
}

std::vector<PlayedTurn> SqliteRecord::turnsOfThisGame()
{
    std::lock_guard lock(publishedMutex_);
    return turns_;
}

std::string recordPath(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome && xdgDataHome[0] == '/') return std::string(xdgDataHome) + "/yacht/record.sqlite";
    if (home && home[0] == '/') return std::string(home) + "/.local/share/yacht/record.sqlite";
    return {};
}

bool prepareRecordFolder(const std::string& recordFile)
{
    const std::size_t slash = recordFile.rfind('/');
    if (slash == std::string::npos || slash == 0) return false;
    const std::string folder = recordFile.substr(0, slash);
    // Every missing folder on the way is made private to the user.
    for (std::size_t at = folder.find('/', 1); ; at = folder.find('/', at + 1)) {
        const std::string part = folder.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (at == std::string::npos) break;
    }
    struct stat st{};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace yacht
