// What the window shows is kept from the game's events: the shown events change the view facts
// and are never heard; every other event reaches the narrator as before.

#include <gtest/gtest.h>

#include "screen/view_keeper.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

TEST(ViewKeeper, ShownEventsChangeTheViewAndAreNeverHeard)
{
    struct Case {
        const char* name;
        Event event;
        bool (*holds)(const ViewFacts&);
    };
    const Case cases[] = {
        {"a card lights no row and shows its total beside",
         {event::CardShown{.player = 3, .total = 77}},
         [](const ViewFacts& v) {
             return v.sheet == Sheet::Card && v.cardPlayer == 3 && v.cardDrawn && v.litRow == 0 && v.sideTotal == 77;
         }},
        {"the scoreboard keeps the card's side total",
         {event::ScoreboardShown{}},
         [](const ViewFacts& v) { return v.sheet == Sheet::Scoreboard && v.litRow == 0 && v.sideTotal == 5; }},
        {"the player counts", {event::PlayerCountsShown{}},
         [](const ViewFacts& v) { return v.sheet == Sheet::Players && v.litRow == 0; }},
        {"a row lit", {event::RowLit{9}}, [](const ViewFacts& v) { return v.litRow == 9; }},
        {"no die lit", {event::DieLit{0}}, [](const ViewFacts& v) { return v.litDie == 0; }},
        {"a blank side total", {event::SideTotalShown{}}, [](const ViewFacts& v) { return !v.sideTotal; }},
        {"start-up blanks the side total", {event::BoardStarted{}},
         [](const ViewFacts& v) { return v.started && !v.sideTotal; }},
        {"a status", {event::StatusShown{Status::ThirdRoll}},
         [](const ViewFacts& v) { return v.status == Status::ThirdRoll; }},
    };
    for (const Case& c : cases) {
        ViewFacts view;
        view.litRow = 4;
        view.litDie = 2;
        view.sideTotal = 5;
        ViewKeeper keeper{narrator(), view};
        SpeechQueue queue{"already queued"};
        keeper.happened(c.event, queue);
        EXPECT_TRUE(c.holds(view)) << c.name;
        EXPECT_EQ(queue, (SpeechQueue{"already queued"})) << c.name << ": nothing heard, nothing dropped";
    }
}

TEST(ViewKeeper, EventsThatAreHeardReachTheNarratorAndLeaveTheViewAlone)
{
    ViewFacts view;
    view.litRow = 4;
    ViewKeeper keeper{narrator(), view};
    SpeechQueue queue;
    keeper.happened({event::CategoryUnderCursor{.category = 4, .worth = 12, .taken = false}, Entry::Replacing}, queue);
    EXPECT_EQ(queue.size(), 1u);
    EXPECT_EQ(queue.front(), keeper.wordsOf({event::CategoryUnderCursor{.category = 4, .worth = 12, .taken = false}}));
    EXPECT_EQ(view.litRow, 4) << "the engine lights the row with an event of its own";
}

}  // namespace
}  // namespace yacht::test
