#pragma once
// The computer's turns: the same tick, throws and announcements as a person's turn, with what it
// keeps and what it scores said aloud, and no space bar between its throws.

#include "engine/yacht.h"

namespace yacht {

// True from the moment a computer's turn is due (waiting for the space bar) until it scores.
bool computerTurn(const Game& g);

// The computer's step of the tick. Once everything queued has been said and a short pause has
// passed, it makes its next move: it opens its turn, keeps dice and throws again, or scores. The
// space bar skips to the end of its turn, with only the score said. Until the solver's table is
// ready the turn waits.
void computerstep(Yacht& y, Key key);

// "player 2 scores 25 in Full house"
std::string scoreSentence(int player, int points, int category);

}  // namespace yacht
