#pragma once
// The value table kept in the player's cache folder, so that later starts read it back instead
// of working it out again. A file from other rules, damaged or cut short is ignored (and so
// rebuilt and rewritten).

#include <filesystem>
#include <optional>

#include "strategy/value_table.h"

namespace yacht::strategy {

// Raised whenever a change to the rules or to the table's layout changes the values.
inline constexpr uint32_t kRulesVersion = 1;

// $XDG_CACHE_HOME/yacht/solver-table.bin, or ~/.cache/yacht/ when XDG_CACHE_HOME is unset or
// not absolute; empty when neither is known. The arguments are the two variables' values.
std::filesystem::path tableCachePath(const char* xdgCacheHome, const char* home);

// Writes a table (with the base it was built from) beside the file and renames it over, so a reader never sees half a file.
bool saveTable(const ValueTable& table, const std::filesystem::path& file);

// The table from the file, if its header, length and checksum are all sound.
std::optional<ValueTable> loadTable(const std::filesystem::path& file);

}  // namespace yacht::strategy
