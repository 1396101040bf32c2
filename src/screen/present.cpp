#include "screen/present.h"

namespace yacht {

void present(const Game& game, Board& board)
{
    for (int i = 0; i < kDice; ++i) {
        board.dice[i].caption = faceText(game.dice[i]);
        board.H[i].caption = game.held[i] == 1 ? "HOLD" : "";
    }
}

}  // namespace yacht
