#include "engine/background_table_source.h"

#include <sys/resource.h>
#include <unistd.h>

namespace yacht {
namespace {

// Below the game's own thread, as a background build of the player's other programs would be.
constexpr int kBuilderNice = 10;

}  // namespace

BackgroundTableSource::BackgroundTableSource(std::filesystem::path cacheFile)
    : starter_([this, cacheFile = std::move(cacheFile)] {
          // On Linux a thread's priority is its own and passes to the threads it starts, so the
          // builder started here runs at the lowest priority without touching the game's thread.
          ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
          table_ = std::make_unique<strategy::BackgroundTable>(1, 0, cacheFile);
          started_.store(true, std::memory_order_release);
      })
{
}

BackgroundTableSource::~BackgroundTableSource()
{
    starter_.join();
}

const strategy::ValueTable* BackgroundTableSource::ready()
{
    return started_.load(std::memory_order_acquire) ? table_->ready() : nullptr;
}

}  // namespace yacht
