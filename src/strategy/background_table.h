#pragma once
// The value table built on background threads from the moment the game starts, so that the
// greeting is never delayed and the table is ready well before anyone asks for advice.

#include <atomic>
#include <filesystem>
#include <thread>

#include "strategy/value_table.h"

namespace yacht::strategy {

// Owns one table and the thread that builds it (or reads it from the cache file, when one is
// named, and writes the file when it had to build). Readers ask ready() on the game's own
// thread (never waiting) or wait() where waiting is fine; destruction waits for the build.
class BackgroundTable {
public:
    explicit BackgroundTable(int threads = 0, FilledMask base = 0, std::filesystem::path cacheFile = {});
    ~BackgroundTable();
    BackgroundTable(const BackgroundTable&) = delete;
    BackgroundTable& operator=(const BackgroundTable&) = delete;

    // The table once built, or null while it is still being built.
    const ValueTable* ready() const;
    const ValueTable& wait();
    // How long the build took, once ready.
    double milliseconds() const;
    // Whether the table was read from the cache file rather than built.
    bool fromCache() const { return ready() && fromCache_; }

private:
    ValueTable table_;
    double milliseconds_ = 0;
    bool fromCache_ = false;
    std::atomic<bool> done_{false};
    std::thread builder_;
};

}  // namespace yacht::strategy
