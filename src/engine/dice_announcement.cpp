#include "engine/dice_announcement.h"

namespace yacht {

void saydice(Game& g)
{
    // After the first throw every face is new; later only the dice thrown again are news.
    const bool everyDie = g.roll == 1;
    for (int i = 0; i < kDice; ++i) {
        if (everyDie || g.held[i] != 1) g.saybuf.add(" " + faceText(g.dice[i]));
    }
}

}  // namespace yacht
