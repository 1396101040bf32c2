#pragma once
// Bookkeeping of the texts handed to a speech server: which are still to be said, by the
// server's own notifications, with a bound on each so that a silent server never stalls the game.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>

namespace yacht {

// What the speech server reports about one of its messages.
enum class SpeechEvent { Begin, End, Cancel };

// Counts a text as outstanding from the moment it is handed over until the server reports its end
// or cancellation, the hand-over fails, or it outlives a bound derived from its length. The server
// names its messages with ids of its own, which may be reported before the hand-over has returned
// them; such early reports are kept until the id is known. Not thread-safe: one thread feeds it.
class UtteranceTracker {
public:
    using Clock = std::chrono::steady_clock;
    using TimePoint = Clock::time_point;

    // How long a text may take once started: 1 s plus 150 ms a character, at most 5 minutes,
    // far longer than any voice at the slowest speed needs.
    static std::chrono::milliseconds bound(std::size_t characters);

    // A text of this length has been handed over; returns its number. While the server is
    // unresponsive (two texts outlived their bounds, and nothing was reported since) the text
    // counts as done at once.
    uint64_t handedOver(std::size_t characters, TimePoint now);
    // The server accepted text `seq` as its message `messageId`.
    void queued(uint64_t seq, long messageId, TimePoint now);
    // The hand-over failed (refused, connection lost): the text counts as said.
    void failed(uint64_t seq);
    // The connection to the server was lost: nothing handed over will be reported on any more.
    void forgetAll() { pending_.clear(); }
    void event(long messageId, SpeechEvent e, TimePoint now);

    // True once nothing handed over is still outstanding.
    bool allDone(TimePoint now);
    // True once text `seq` is no longer outstanding.
    bool isDone(uint64_t seq, TimePoint now);
    // A server may lose the news of one text (speech-dispatcher sometimes does) and go on speaking;
    // it is unresponsive once a second text goes unanswered with no word from it in between.
    bool unresponsive() const { return missed_ >= 2; }
    std::size_t outstanding() const { return pending_.size(); }
    // When the next outstanding text outlives its bound, if one is outstanding: the moment to look
    // again when the server says nothing more. A beginning told late moves it on.
    std::optional<TimePoint> nextDeadline() const;

private:
    struct Utterance {
        uint64_t seq = 0;
        std::size_t characters = 0;
        long messageId = -1;
        TimePoint deadline;
    };
    void expire(TimePoint now);
    void apply(std::deque<Utterance>::iterator it, SpeechEvent e, TimePoint now);

    std::deque<Utterance> pending_;       // in hand-over order
    std::map<long, SpeechEvent> early_;   // reports for ids not yet known, the latest per id
    uint64_t next_ = 1;
    int missed_ = 0;  // texts that outlived their bounds since the server last reported
};

}  // namespace yacht
