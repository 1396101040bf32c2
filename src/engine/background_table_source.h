#pragma once
// The solver's table for the real game: built on a background thread from the moment the game
// starts (or read back from the user's cache folder), never keeping the game waiting.

#include <filesystem>
#include <utility>

#include "engine/table_source.h"
#include "strategy/background_table.h"

namespace yacht {

// One builder thread, so the other core stays free for the greeting and the window.
class BackgroundTableSource : public TableSource {
public:
    explicit BackgroundTableSource(std::filesystem::path cacheFile) : table_(1, 0, std::move(cacheFile)) {}
    const strategy::ValueTable* ready() override { return table_.ready(); }

private:
    strategy::BackgroundTable table_;
};

}  // namespace yacht
