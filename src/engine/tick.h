#pragma once
// The engine's step, run whenever something happens: a key, a click, a timer, or what was being
// heard has ended.

#include "engine/key_actions.h"
#include "engine/mouse_clicks.h"
#include "engine/yacht.h"

namespace yacht {

// One step of the engine: start-up, status caption, key intake and function keys, the turn flow,
// the players, the pending throw and the keys of the current state. Continue when the next queued
// item may be handed over afterwards; EndTick when the step ends before that (a new game, leaving,
// a beep).
Flow tick(Yacht& y);

// Reads the saved game on the first step (state already 0). A game that was running goes on
// where it stopped and says so; a file the game cannot use changes nothing, as if there were none.
void resumeSavedGame(Storage& storage, Game& game, Teller& tell);

// Stores the unfinished game and then the settings, as F12 does before it says goodbye.
void storeGameAndSettings(const Game& game, const VoiceChoice& choice, const Ports& ports);

// What a key or a click does in the state the game is in: the key map or the click map.
inline Action actionForInput(const Input& input, const Game& g)
{
    if (const Key* key = std::get_if<Key>(&input)) return actionFor(*key, g);
    return actionForClick(std::get<Click>(input), g);
}

}  // namespace yacht
