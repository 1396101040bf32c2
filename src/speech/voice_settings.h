#pragma once
// The voice and speed settings as the game uses them: taken from the storage at start-up,
// applied to the voice, and handed back to the storage at F12.

#include "engine/game_state.h"
#include "engine/ports.h"

namespace yacht {

// Reads the stored settings into the game: the voice's position and the speed, with the voice's
// own name and the remembered speech engine beside them.
void readsettings(Game& game, Storage& storage);

// Applies the speed to the voice at once, and the voice position once the installed voices are
// listed (now, or later through applystoredvoice).
void applysettings(Game& game, Voice& voice);

// Selects the stored voice when the installed voices are listed; a position beyond them becomes
// 0. Does nothing while the list is pending or once the stored voice has been applied.
void applystoredvoice(Game& game, Voice& voice);

// Hands the voice, the speed, the voice's name and the remembered speech engine to the storage.
void savesettings(const Game& game, const Ports& ports);

}  // namespace yacht
