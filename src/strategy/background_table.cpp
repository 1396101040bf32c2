#include "strategy/background_table.h"

#include <chrono>
#include <optional>

#include "strategy/table_cache.h"

namespace yacht::strategy {

BackgroundTable::BackgroundTable(int threads, FilledMask base, std::filesystem::path cacheFile)
    : builder_([this, threads, base, cacheFile] {
          const auto started = std::chrono::steady_clock::now();
          std::optional<ValueTable> cached;
          if (!cacheFile.empty()) cached = loadTable(cacheFile);
          if (cached && cached->base() != base) cached.reset();
          fromCache_ = cached.has_value();
          if (cached) {
              table_ = std::move(*cached);
          } else {
              table_ = buildValueTable(threads, base);
              if (!cacheFile.empty()) saveTable(table_, cacheFile);
          }
          milliseconds_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
          done_.store(true, std::memory_order_release);
      })
{
}

BackgroundTable::~BackgroundTable()
{
    if (builder_.joinable()) builder_.join();
}

const ValueTable* BackgroundTable::ready() const
{
    return done_.load(std::memory_order_acquire) ? &table_ : nullptr;
}

const ValueTable& BackgroundTable::wait()
{
    if (builder_.joinable()) builder_.join();
    return table_;
}

double BackgroundTable::milliseconds() const
{
    return ready() ? milliseconds_ : 0.0;
}

}  // namespace yacht::strategy
