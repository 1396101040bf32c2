#pragma once
// The solver's table for the real game: built on a background thread from the moment the game
// starts (or read back from the user's cache folder), never keeping the game waiting.

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "engine/table_source.h"
#include "strategy/background_table.h"

namespace yacht {

// One builder thread at a low priority, so the window and the voice come first; on an idle
// machine the table is ready about a second after the start.
class BackgroundTableSource : public TableSource {
public:
    explicit BackgroundTableSource(std::filesystem::path cacheFile);
    ~BackgroundTableSource() override;
    BackgroundTableSource(const BackgroundTableSource&) = delete;
    BackgroundTableSource& operator=(const BackgroundTableSource&) = delete;

    const strategy::ValueTable* ready() override;

private:
    std::unique_ptr<strategy::BackgroundTable> table_;
    std::atomic<bool> started_{false};
    std::thread starter_;
};

}  // namespace yacht
