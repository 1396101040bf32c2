#pragma once
// The computer's turns: the same steps, throws and announcements as a person's turn, with what it
// keeps and what it scores said aloud, and no space bar between its throws.

#include "engine/yacht.h"

namespace yacht {

// True from the moment a computer's turn is due (waiting for the space bar) until it scores.
inline bool computerTurn(const Game& g)
{
    if (g.player < 1 || g.player > g.numPlayers || !g.seats.isComputer(g.player)) return false;
    switch (g.state) {
    case EngineState::WaitSpace:
    case EngineState::Rolling:
    case EngineState::Rolled:
    case EngineState::Choosing: return true;
    default: return false;
    }
}

// The computer's step while computerTurn holds (see stepComputerTurn).
void playComputerStep(Yacht& y, Action action);

// The computer's part of a step. Once everything queued has been heard and a short pause has
// passed on the clock, it makes its next move: it opens its turn, keeps dice and throws again, or
// scores. The Continue action (the space bar) skips to the end of its turn, with only the score
// said. Until the solver's table is ready the turn asks again shortly. Outside a computer's turn
// it only ends the pause.
inline void stepComputerTurn(Yacht& y, Action action)
{
    if (computerTurn(y.game))
        playComputerStep(y, action);
    else
        y.advisor.pause.reset(y.ports.clock);
}

// The computer kept these of the dice on the table ("player 2 keeps 4 4 4"): the faces in order,
// none when nothing is held.
Event keptEvent(const Game& g, const std::array<bool, kDice>& hold);

}  // namespace yacht
