// The table's cache file: read back exactly, ignored when damaged or from other rules, and the
// background builder rebuilds and rewrites it then.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <thread>

#include "engine/background_table_source.h"
#include "persist/temp_folder.h"
#include "strategy/background_table.h"
#include "strategy/table_cache.h"

namespace {

using namespace yacht::strategy;
using yacht::test::TempFolder;
namespace fs = std::filesystem;

// A full-sized table with made-up values is enough to test the file; solving is tested apart.
ValueTable madeUpTable()
{
    ValueTable t;
    for (std::size_t i = 0; i < t.values().size(); ++i) t.values()[i] = static_cast<double>(i % 977) / 7.0;
    return t;
}

TEST(TableCache, TheFolderFollowsTheCacheHomeOrFallsBackToHome)
{
    EXPECT_EQ(tableCachePath("/c", "/h"), fs::path("/c/yacht/solver-table.bin"));
    EXPECT_EQ(tableCachePath(nullptr, "/h"), fs::path("/h/.cache/yacht/solver-table.bin"));
    EXPECT_EQ(tableCachePath("relative", "/h"), fs::path("/h/.cache/yacht/solver-table.bin"));
    EXPECT_EQ(tableCachePath(nullptr, nullptr), fs::path());
}

TEST(TableCache, ASavedTableReadsBackAndAnyDamageIsRefused)
{
    TempFolder folder;
    const fs::path file = fs::path(folder.path()) / "yacht" / "solver-table.bin";
    const ValueTable table = madeUpTable();
    ASSERT_TRUE(saveTable(table, file));
    const auto back = loadTable(file);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->values(), table.values());

    const auto damaged = [&](const std::function<void(std::fstream&)>& harm) {
        ASSERT_TRUE(saveTable(table, file));
        {
            std::fstream f(file, std::ios::binary | std::ios::in | std::ios::out);
            harm(f);
        }
        EXPECT_FALSE(loadTable(file).has_value());
    };
    damaged([](std::fstream& f) { f.seekp(16); f.put(static_cast<char>(99)); });  // other rules
    damaged([](std::fstream& f) { f.seekp(5000); f.put(static_cast<char>(f.peek() ^ 1)); });
    damaged([](std::fstream& f) { f.seekp(0, std::ios::end); f.put('x'); });
    ASSERT_TRUE(saveTable(table, file));
    fs::resize_file(file, fs::file_size(file) - 8);
    EXPECT_FALSE(loadTable(file).has_value());
    EXPECT_FALSE(loadTable(fs::path(folder.path()) / "missing.bin").has_value());
    // A named pipe in the file's place would block a plain open until a writer came.
    fs::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_FALSE(loadTable(file).has_value());
    EXPECT_TRUE(saveTable(table, file));
    EXPECT_TRUE(loadTable(file).has_value()) << "the next save replaces the pipe";
}

TEST(TableCache, TheBackgroundBuilderReadsASoundFileAndRewritesADamagedOne)
{
    TempFolder folder;
    const fs::path file = fs::path(folder.path()) / "solver-table.bin";
    ASSERT_TRUE(saveTable(madeUpTable(), file));
    {
        BackgroundTable background(2, 0, file);
        EXPECT_EQ(background.wait().values(), madeUpTable().values());
        EXPECT_TRUE(background.fromCache());
    }
    {
        // The game's source reads nothing until a computer player or the coach first asks.
        yacht::BackgroundTableSource source(file);
        EXPECT_FALSE(source.building());
        const ValueTable* table = source.ready();
        while (!table) {
            std::this_thread::yield();
            table = source.ready();
        }
        EXPECT_FALSE(source.building());
        EXPECT_EQ(table->values(), madeUpTable().values());
    }
    // A small table (Chance and Yacht left) stands in for the whole one, which takes longer.
    const FilledMask base = static_cast<FilledMask>(kAllFilled & ~(bitOf(12) | bitOf(13)));
    const double expected = buildValueTable(1, base).at({base, 0, false});
    const auto open = [&](bool cachedExpected) {
        BackgroundTable background(2, base, file);
        EXPECT_DOUBLE_EQ(background.wait().at({base, 0, false}), expected);
        EXPECT_EQ(background.fromCache(), cachedExpected);
    };
    open(false);  // the file holds a table of another base: built, and written over it
    open(true);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "not a table";
    open(false);
    const auto rewritten = loadTable(file);
    ASSERT_TRUE(rewritten.has_value());
    EXPECT_EQ(rewritten->base(), base);
    EXPECT_DOUBLE_EQ(rewritten->at({base, 0, false}), expected);
}

}  // namespace
