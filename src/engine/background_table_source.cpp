#include "engine/background_table_source.h"

#include <sys/resource.h>
#include <unistd.h>

namespace yacht {
namespace {

// Below the game's own thread, as a background build of the player's other programs would be.
constexpr int kBuilderNice = 19;

}  // namespace

BackgroundTableSource::BackgroundTableSource(std::filesystem::path cacheFile) : cacheFile_(std::move(cacheFile)) {}

BackgroundTableSource::~BackgroundTableSource()
{
    if (starter_.joinable()) starter_.join();
}

const strategy::ValueTable* BackgroundTableSource::ready()
{
    if (!asked_) {
        asked_ = true;
        starter_ = std::thread([this] {
            // On Linux a thread's priority is its own and passes to the threads it starts, so the
            // builders started here run at the lowest priority without touching the game's thread.
            ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kBuilderNice);
            // Every core: by now a computer player or the coach is waiting for it.
            table_ = std::make_unique<strategy::BackgroundTable>(0, 0, cacheFile_);
            started_.store(true, std::memory_order_release);
        });
    }
    return started_.load(std::memory_order_acquire) ? table_->ready() : nullptr;
}

bool BackgroundTableSource::building() const
{
    return asked_ && !(started_.load(std::memory_order_acquire) && table_->ready());
}

}  // namespace yacht
