#include "strategy/background_table.h"

#include <chrono>

namespace yacht::strategy {

BackgroundTable::BackgroundTable(int threads, FilledMask base)
    : builder_([this, threads, base] {
          const auto started = std::chrono::steady_clock::now();
          table_ = buildValueTable(threads, base);
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
