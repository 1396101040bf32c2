#pragma once
// The solver's table for the real game: read back from the user's cache folder, or built, on a
// background thread from the moment a computer player or the coach first asks for it, never
// keeping the game waiting. A game of people who never ask the coach never loads it.

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "engine/table_source.h"
#include "strategy/background_table.h"

namespace yacht {

// Builder threads at a low priority, so the window and the voice come first; with the cache
// file the table is ready a few milliseconds after the first ask, without it well within a
// second on an idle machine.
class BackgroundTableSource : public TableSource {
public:
    explicit BackgroundTableSource(std::filesystem::path cacheFile);
    ~BackgroundTableSource() override;
    BackgroundTableSource(const BackgroundTableSource&) = delete;
    BackgroundTableSource& operator=(const BackgroundTableSource&) = delete;

    // Starts the load on the first call (on the game's own thread, never waiting).
    const strategy::ValueTable* ready() override;
    // Asked for and not ready yet: a build still running at the end is left to end with the program.
    bool building() const;

private:
    std::filesystem::path cacheFile_;
    bool asked_ = false;
    std::unique_ptr<strategy::BackgroundTable> table_;
    std::atomic<bool> started_{false};
    std::thread starter_;
};

}  // namespace yacht
