#pragma once
// The key map: what a key (its engine code and modifiers) does in the state the game is in. Every
// front end posts keys; clicks have a map of their own (mouse_clicks.h). The engine's handlers
// take the action this map gives, in the state the key reaches them in.
//
// In every state: F1 help (Shift+F1 the next voice, Ctrl+F1 the previous voice, any other
// modifier the next speed), F2 dice, F3 categories left, F4 score, F9 new game, F12 leave, H the
// coach; V, B and R as F1's next voice, previous voice and next speed; a modifier or lock key
// alone hushes. N and P stand for Right and Left wherever those act. During a computer's turn
// the space bar skips to its end and the keys below only hush. Otherwise, by state:
// - waiting for the space bar: the space bar opens the turn;
// - dice on the table: Left and Right move the dice cursor, the digits 1 to 5 hold or release a
//   die, Enter the die under the cursor, the space bar throws again;
// - choosing a category: Down or Right and Up or Left walk the categories, Enter scores the one
//   under the cursor, any other key below F1 says the row under the cursor again;
// - choosing the players: the arrows change the count (1 to 6), the digits 1 to 8 choose a count
//   and begin, Enter begins, C gives the computer one more seat, S its strength, any other key
//   says the count again.
// Every other key hushes.

#include "engine/action.h"
#include "engine/game_state.h"
#include "engine/key.h"

namespace yacht {

Action actionFor(Key key, const Game& g);

// What the space bar does in the state the game is in; the status box does the same, apart from
// its own shortcuts.
Action spaceBarAction(const Game& g);

// What digit n (1 to 8) does in the state the game is in; a click on die n does the same.
Action digitAction(int n, const Game& g);

}  // namespace yacht
