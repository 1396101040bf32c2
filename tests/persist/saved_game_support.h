#pragma once
// Games laid out in a given state, and the checks the saved-game tests share.

#include <array>
#include <string>

#include "support/fakes.h"

namespace yacht::test {

// A game as it stands when F12 is pressed.
struct Position {
    int16_t numPlayers = 2;
    int16_t player = 1;
    int16_t round = 3;
    EngineState state = EngineState::Rolled;
    int16_t roll = 2;
    std::array<std::string, 5> dice{"3", "5", "1", "6", "2"};
    std::array<int16_t, 5> held{0, 1, 0, 0, 0};
    int16_t scored = 2;  // categories each player has taken
};

// Lays the position out on the game: dice and hold marks, and for each player a score column
// with `scored` categories taken, its total and, for player 2, a Yacht bonus.
void arrange(Yacht& y, const Position& p);

// Compares everything the saved game carries, with the test's own messages on a difference.
void expectSameSavedFields(const Yacht& resumed, const Yacht& saved);

// Compares every control of the board the game reads or writes: captions, visibility, styles.
void expectSameBoard(const Board& resumed, const Board& saved);

// A game that was never touched by a saved game: the fields a fresh start has.
void expectUntouched(const Yacht& y);

}  // namespace yacht::test
