// Actions applied to a game in a given state: what is queued to be heard and where the game
// stands after, for a person's keys and a computer's moves alike.

#include <gtest/gtest.h>

#include "engine/choosing.h"
#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/rolling.h"
#include "engine/score_sheet.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

using K = ActionKind;

std::string heldText(const Game& g)
{
    std::string out;
    for (int16_t h : g.held) out += h ? '1' : '0';
    return out;
}

// Player 2 of 2 in round 5, Ones already scored, the dice "24442" on the table, held as given;
// choosing, the cursor is on Fours.
TEST(ActionsApplied, QueueWhatIsHeardAndMoveTheGameOn)
{
    struct Case {
        const char* what;
        EngineState state;
        const char* held;
        int roll;
        bool computer;  // player 2 is the computer's
        Action action;
        const char* said;  // the queue after, items joined by TAB
        EngineState stateAfter;
        const char* heldAfter;
    };
    const EngineState D = EngineState::Rolled, R = EngineState::Rolling, C = EngineState::Choosing,
                      T = EngineState::TurnEnd;
    const Case cases[] = {
        {"release the third die", D, "00100", 1, false, Action::of(K::ToggleDie, 3),
         "release the third dice ", D, "00000"},
        {"a person throws again", D, "01110", 1, false, Action::of(K::Throw), "second roll\trolldice", R,
         "01110"},
        {"a computer's keep is said before its throw", D, "00000", 2, true,
         Action::keep({false, true, true, true, false}), "player 2 keeps 4 4 4\tfinal roll\trolldice", R,
         "01110"},
        {"a computer keeping all throws no more", D, "00000", 1, true,
         Action::keep({true, true, true, true, true}), "player 2 keeps 2 2 4 4 4", R, "11111"},
        {"a person scores the row under the cursor", C, "00000", 3, false, Action::of(K::Score),
         "After 5 rounds your total score is 15", T, "00000"},
        {"a computer scores the category it names", C, "00000", 3, true, Action::of(K::Score, 9),
         "player 2 scores 25 in Full house", T, "00000"},
    };
    for (const Case& c : cases) {
        FakeGame f;
        Game& g = f.y.game;
        g.numPlayers = 2;
        g.player = 2;
        g.round = 5;
        g.state = c.state;
        g.roll = static_cast<int16_t>(c.roll);
        if (c.computer) g.seats.kind[2] = SeatKind::Strong;
        g.scores[1][2] = 3;
        for (int i = 0; i < kDice; ++i) {
            g.dice[i] = faceOf("24442"[i]);
            g.held[i] = c.held[i] == '1';
        }
        showCard(g, f.y.tell);
        priceCategories(g);
        g.categoryCursor = 4;
        if (c.state == D) applyRolledAction(f.y.game, f.y.advisor, f.y.ports.toolkit, f.y.tell, c.action);
        if (c.state == C) applyChoosingAction(f.y.game, f.y.advisor, f.y.turnLog, f.y.record(), f.y.tell, c.action);
        EXPECT_EQ(f.y.toBeHeard, queued(c.said)) << c.what;
        EXPECT_EQ(g.state, c.stateAfter) << c.what;
        EXPECT_EQ(heldText(g), c.heldAfter) << c.what;
    }
}

// A key pressed while a throw is pending is taken once the throw is made: it means what it means
// with the dice just thrown, not nothing as it would while they are still rolling.
TEST(ActionsApplied, AKeyDuringAPendingThrowAppliesToTheDiceThrown)
{
    FakeGame f;
    Game& g = f.y.game;
    g.numPlayers = 1;
    g.player = 1;
    g.round = 2;
    g.roll = 1;
    g.state = EngineState::Rolling;
    f.y.toBeHeard = queued("round 2 first roll\trolldice");
    f.random.push({2, 4, 4, 4, 2});
    f.press(keys::Digit1 + 2);
    EXPECT_EQ(f.dice(), "24442");
    EXPECT_EQ(heldText(g), "00100");
    EXPECT_EQ(g.state, EngineState::Rolled);
    EXPECT_EQ(f.voice.last(), "hold the third dice ");
}


// Keys pressed while the rolling sound plays, or while the dice after it are said, are taken
// once that has ended, and mean what they mean with the dice then on the table. One player,
// round 2, the first throw called.
TEST(ActionsApplied, KeysDuringTheRollingSoundAndTheDiceAfterItAreTakenAfterwards)
{
    struct Case {
        const char* what;
        int duringSound;  // the key pressed while the sound plays, 0 none
        int duringDice;   // the key pressed while the dice after it are said, 0 none
        const char* heard;  // everything handed to the voice and the sound player, joined by TAB
    };
    const Case cases[] = {
        {"nothing pressed", 0, 0, "async round 2 first roll\tsound rolldice\tsync  2 4 4 4 2"},
        {"a die held during the sound: it is held once thrown, in place of the dice", keys::Digit1 + 2, 0,
         "async round 2 first roll\tsound rolldice\tsync hold the third dice "},
        {"a die held while the dice are said", 0, keys::Digit1 + 2,
         "async round 2 first roll\tsound rolldice\tsync  2 4 4 4 2\tasync hold the third dice "},
        {"the space bar during the sound asks for no second throw", keys::Space, 0,
         "async round 2 first roll\tsound rolldice\tsync  2 4 4 4 2"},
        {"the space bar while the dice are said throws again afterwards", 0, keys::Space,
         "async round 2 first roll\tsound rolldice\tsync  2 4 4 4 2\tasync second roll\tsound rolldice\t"
         "sync  3 5 6 1 2"},
        {"a report during the sound is answered before the throw, the dice still rolling", keys::F2, 0,
         "async round 2 first roll\tsound rolldice\tsync  ? ? ? ? ?\tasync  2 4 4 4 2"},
    };
    for (const Case& c : cases) {
        FakeGame f;
        Game& g = f.y.game;
        std::vector<std::string> heard;
        f.voice.heard = &heard;
        f.sound.heard = &heard;
        f.resources.add("WAVE", "ROLLDICE", "RIFF....WAVE");
        g.numPlayers = 1;
        g.player = 1;
        g.round = 2;
        g.roll = 1;
        g.state = EngineState::Rolling;
        f.y.toBeHeard = queued("round 2 first roll\trolldice");
        f.random.push({2, 4, 4, 4, 2, 3, 5, 6, 1, 2});
        if (c.duringSound) f.sound.whilePlaying = [&f, k = c.duringSound] { f.post(k, 0); };
        if (c.duringDice) f.voice.whileSpeakingSync = [&f, k = c.duringDice] { f.post(k, 0); };
        for (int tick = 0; tick < 40; ++tick) f.tick();
        std::string joined;
        for (const std::string& h : heard) joined += (joined.empty() ? "" : "\t") + h;
        EXPECT_EQ(joined, c.heard) << c.what;
    }
}

}  // namespace
}  // namespace yacht::test
