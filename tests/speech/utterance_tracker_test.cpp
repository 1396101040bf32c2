#include <gtest/gtest.h>

#include "speech/utterance_tracker.h"

namespace yacht::test {
namespace {

using namespace std::chrono_literals;
using TP = UtteranceTracker::TimePoint;

const TP t0{};

}  // namespace

TEST(UtteranceTracker, TextIsOutstandingFromHandOverUntilItsEndEvenBeforeItBegins)
{
    UtteranceTracker t;
    const uint64_t a = t.handedOver(20, t0);
    EXPECT_FALSE(t.allDone(t0));  // not yet accepted by the server
    t.queued(a, 7, t0 + 5ms);
    EXPECT_FALSE(t.allDone(t0 + 10ms));  // accepted, not yet begun
    t.event(7, SpeechEvent::Begin, t0 + 50ms);
    EXPECT_FALSE(t.allDone(t0 + 60ms));
    t.event(7, SpeechEvent::End, t0 + 900ms);
    EXPECT_TRUE(t.allDone(t0 + 900ms));
}

TEST(UtteranceTracker, CancelAndFailedHandOverCountAsSaid)
{
    UtteranceTracker t;
    const uint64_t a = t.handedOver(5, t0);
    const uint64_t b = t.handedOver(5, t0);
    t.queued(a, 1, t0);
    t.failed(b);
    EXPECT_TRUE(t.isDone(b, t0));
    EXPECT_FALSE(t.isDone(a, t0));
    t.event(1, SpeechEvent::Cancel, t0 + 1ms);
    EXPECT_TRUE(t.allDone(t0 + 1ms));
}

TEST(UtteranceTracker, ReportsThatOvertakeTheServersIdAreKeptUntilTheIdIsKnown)
{
    UtteranceTracker t;
    const uint64_t a = t.handedOver(5, t0);
    const uint64_t b = t.handedOver(5, t0);
    t.event(11, SpeechEvent::Begin, t0 + 1ms);
    t.event(11, SpeechEvent::End, t0 + 2ms);
    t.event(12, SpeechEvent::Begin, t0 + 3ms);
    t.queued(a, 11, t0 + 4ms);
    t.queued(b, 12, t0 + 4ms);
    EXPECT_TRUE(t.isDone(a, t0 + 5ms));
    EXPECT_FALSE(t.isDone(b, t0 + 5ms)) << "a beginning alone does not end the text";
}

TEST(UtteranceTracker, BoundGrowsWithTheTextAndIsCapped)
{
    EXPECT_EQ(UtteranceTracker::bound(0), 1000ms);
    EXPECT_EQ(UtteranceTracker::bound(40), 7000ms);
    EXPECT_EQ(UtteranceTracker::bound(100000), 300000ms);
}

// The server's news of one text is lost, or it has stopped answering: each text counts as said
// once its bound is over, and only a second unanswered text makes the server unresponsive.
TEST(UtteranceTracker, SilentServerIsGivenUpOnAfterTwoBoundsAndThenNotWaitedFor)
{
    UtteranceTracker t;
    const uint64_t a = t.handedOver(10, t0);  // bound 2.5 s
    t.queued(a, 1, t0);
    EXPECT_FALSE(t.allDone(t0 + 2499ms));
    EXPECT_TRUE(t.allDone(t0 + 2500ms));
    EXPECT_FALSE(t.unresponsive()) << "one lost text is not yet a silent server";

    const uint64_t b = t.handedOver(10, t0 + 3s);
    t.queued(b, 2, t0 + 3s);
    EXPECT_FALSE(t.isDone(b, t0 + 5s));
    EXPECT_TRUE(t.isDone(b, t0 + 5500ms));
    EXPECT_TRUE(t.unresponsive());
    const uint64_t c = t.handedOver(10, t0 + 6s);
    EXPECT_TRUE(t.isDone(c, t0 + 6s)) << "no waiting on a server that stopped answering";

    t.event(2, SpeechEvent::End, t0 + 7s);  // it speaks again
    EXPECT_FALSE(t.unresponsive());
    const uint64_t d = t.handedOver(10, t0 + 8s);
    EXPECT_FALSE(t.isDone(d, t0 + 8s));
}

TEST(UtteranceTracker, NewsOfTheNextTextForgivesOneLostText)
{
    UtteranceTracker t;
    t.queued(t.handedOver(10, t0), 1, t0);
    EXPECT_TRUE(t.allDone(t0 + 3s));  // its end never came
    const uint64_t b = t.handedOver(10, t0 + 3s);
    t.queued(b, 2, t0 + 3s);
    t.event(2, SpeechEvent::Begin, t0 + 3100ms);
    t.event(2, SpeechEvent::End, t0 + 4s);
    t.queued(t.handedOver(10, t0 + 5s), 3, t0 + 5s);
    EXPECT_TRUE(t.allDone(t0 + 8s));  // lost again: one in a row
    EXPECT_FALSE(t.unresponsive());
}

TEST(UtteranceTracker, TextQueuedBehindALongOneStartsItsClockWhenThatOneIsDue)
{
    UtteranceTracker t;
    const uint64_t help = t.handedOver(1000, t0);  // bound 151 s
    const uint64_t next = t.handedOver(10, t0);    // 2.5 s after that
    t.queued(help, 1, t0);
    t.queued(next, 2, t0);
    EXPECT_EQ(t.nextDeadline(), t0 + 151s);
    EXPECT_FALSE(t.isDone(next, t0 + 100s));
    EXPECT_FALSE(t.isDone(next, t0 + 153s));
    EXPECT_TRUE(t.isDone(next, t0 + 154s));
}

TEST(UtteranceTracker, BeginRestartsTheClock)
{
    UtteranceTracker t;
    const uint64_t a = t.handedOver(10, t0);  // bound 2.5 s
    t.queued(a, 1, t0);
    EXPECT_EQ(t.nextDeadline(), t0 + 2500ms);
    t.event(1, SpeechEvent::Begin, t0 + 2s);  // another client spoke first
    EXPECT_EQ(t.nextDeadline(), t0 + 4500ms) << "the moment to look again moves with the beginning";
    EXPECT_FALSE(t.isDone(a, t0 + 4s));
    EXPECT_TRUE(t.isDone(a, t0 + 4500ms));
    EXPECT_EQ(t.nextDeadline(), std::nullopt);
}

TEST(UtteranceTracker, LostConnectionEndsEverythingOutstanding)
{
    UtteranceTracker t;
    t.queued(t.handedOver(10, t0), 1, t0);
    t.handedOver(10, t0);
    t.forgetAll();
    EXPECT_TRUE(t.allDone(t0));
    EXPECT_FALSE(t.unresponsive());
}

}  // namespace yacht::test
