#include <gtest/gtest.h>

#include "support/fakes.h"

namespace yacht::test {

TEST(FirstTick, GreetsWithTheSentenceTwice)
{
    FakeGame f;
    f.y.game.state = EngineState::Startup;
    f.y.game.saybuf = "Yacht, from Tevrin Software. ";
    f.tick();
    EXPECT_EQ(f.y.game.state, EngineState::Idle);
    EXPECT_EQ(f.y.board.Label3.caption, "Game over");
}

}  // namespace yacht::test
