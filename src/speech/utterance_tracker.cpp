#include "speech/utterance_tracker.h"

#include <algorithm>

namespace yacht {
namespace {

constexpr std::size_t kMaxEarly = 256;

}  // namespace

std::chrono::milliseconds UtteranceTracker::bound(std::size_t characters)
{
    const auto ms = std::chrono::milliseconds(1000 + 150 * static_cast<long long>(characters));
    return std::min(ms, std::chrono::milliseconds(5 * 60 * 1000));
}

uint64_t UtteranceTracker::handedOver(std::size_t characters, TimePoint now)
{
    const uint64_t seq = next_++;
    if (unresponsive()) return seq;
    // A text queued behind others starts its clock when they are due to have ended.
    const TimePoint start = pending_.empty() ? now : std::max(now, pending_.back().deadline);
    pending_.push_back({seq, characters, -1, start + bound(characters)});
    return seq;
}

void UtteranceTracker::queued(uint64_t seq, long messageId, TimePoint now)
{
    const auto it = std::find_if(pending_.begin(), pending_.end(),
                                 [seq](const Utterance& u) { return u.seq == seq; });
    if (it == pending_.end()) return;
    it->messageId = messageId;
    const auto early = early_.find(messageId);
    if (early == early_.end()) return;
    const SpeechEvent e = early->second;
    early_.erase(early);
    apply(it, e, now);
}

void UtteranceTracker::failed(uint64_t seq)
{
    std::erase_if(pending_, [seq](const Utterance& u) { return u.seq == seq; });
}

void UtteranceTracker::event(long messageId, SpeechEvent e, TimePoint now)
{
    // Any word from the server shows that it is alive again.
    missed_ = 0;
    const auto it = std::find_if(pending_.begin(), pending_.end(), [messageId](const Utterance& u) {
        return u.messageId == messageId;
    });
    if (it != pending_.end()) {
        apply(it, e, now);
        return;
    }
    // The end of a message counts over its beginning when both come before the id is known.
    const auto [kept, inserted] = early_.try_emplace(messageId, e);
    if (!inserted && e != SpeechEvent::Begin) kept->second = e;
    if (early_.size() > kMaxEarly) early_.erase(early_.begin());
}

void UtteranceTracker::apply(std::deque<Utterance>::iterator it, SpeechEvent e, TimePoint now)
{
    if (e == SpeechEvent::Begin) {
        it->deadline = now + bound(it->characters);
    } else {
        pending_.erase(it);
    }
}

void UtteranceTracker::expire(TimePoint now)
{
    for (auto it = pending_.begin(); it != pending_.end();) {
        if (it->deadline > now) {
            ++it;
            continue;
        }
        // The bound is far beyond any voice's need, so a text that outlives it counts as said:
        // the server has lost its news or stopped answering (it may have begun a text and never
        // ended it).
        ++missed_;
        it = pending_.erase(it);
    }
}

std::optional<UtteranceTracker::TimePoint> UtteranceTracker::nextDeadline() const
{
    if (pending_.empty()) return std::nullopt;
    return std::min_element(pending_.begin(), pending_.end(), [](const Utterance& a, const Utterance& b) {
               return a.deadline < b.deadline;
           })->deadline;
}

bool UtteranceTracker::allDone(TimePoint now)
{
    expire(now);
    return pending_.empty();
}

bool UtteranceTracker::isDone(uint64_t seq, TimePoint now)
{
    expire(now);
    return std::none_of(pending_.begin(), pending_.end(),
                        [seq](const Utterance& u) { return u.seq == seq; });
}

}  // namespace yacht
