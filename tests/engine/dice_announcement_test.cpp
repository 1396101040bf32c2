#include <gtest/gtest.h>

#include "engine/dice_announcement.h"
#include "support/fakes.h"

namespace yacht::test {

TEST(SayDice, AppendsTheFacesThatAreNews)
{
    struct Case {
        const char* name;
        int roll;
        const char* dice;
        const char* holds;  // 'H' marks a die whose caption reads "HOLD"; 'x' some other text
        const char* queued;
        const char* want;
    };
    const Case cases[] = {
        {"first throw, empty queue", 1, "35162", ".....", "", " 3 5 1 6 2"},
        {"second throw, two held", 2, "44246", ".H.H.", "", " 4 2 6"},
        {"first throw with holds (F2)", 1, "44246", "HH.HH", "", " 4 4 2 4 6"},
        {"final throw, all held", 3, "12345", "HHHHH", "", ""},
        {"second throw, none held", 2, "12345", ".....", "", " 1 2 3 4 5"},
        {"joins the last item", 1, "66612", ".....", "\trolldice\tround 2 first roll",
         "\trolldice\tround 2 first roll 6 6 6 1 2"},
    };
    for (const Case& c : cases) {
        FakeGame f;
        f.y.game.roll = int16_t(c.roll);
        f.y.toBeHeard = queued(c.queued);
        for (int i = 0; i < 5; ++i) {
            f.y.game.dice[i] = faceOf(c.dice[i]);
            f.y.game.held[i] = c.holds[i] == 'H';
        }
        sayDice(f.y.game, f.y.tell);
        EXPECT_EQ(f.y.toBeHeard, queued(c.want)) << c.name;
    }
}

}  // namespace yacht::test
