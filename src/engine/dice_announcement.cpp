#include "engine/dice_announcement.h"

namespace yacht {

void sayDice(Game& g, Teller& tell, Entry entry)
{
    // After the first throw every face is new; later only the dice thrown again are news.
    const bool everyDie = g.roll == 1;
    event::DiceShown shown;
    shown.faces.reserve(kDice);
    for (int i = 0; i < kDice; ++i) {
        if (everyDie || g.held[i] != 1) shown.faces.push_back(g.dice[i]);
    }
    tell({std::move(shown), entry});
}

}  // namespace yacht
