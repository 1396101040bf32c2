#pragma once
// The voice and speed settings as the game uses them: taken from the storage at start-up,
// applied to the voice, and handed back to the storage at F12.

#include "engine/voice_choice.h"
#include "engine/ports.h"

namespace yacht {

// Reads the stored settings into the voice choice: the stored voice (its position, its name and
// the engine it belongs to), the speed, the remembered speech engine and the wording.
void loadSettings(VoiceChoice& choice, Storage& storage);

// Applies the speed to the voice at once, and the stored voice once the installed voices are
// listed (now, or later through selectStoredVoice), when it belongs to the engine speaking.
void applyStoredSettings(VoiceChoice& choice, Voice& voice);

// Selects the stored voice when the installed voices are listed; a position beyond them, a voice
// of another engine, or one speaking another language than the game's, gives the first voice.
// Does nothing while the list is pending or once the stored voice has been applied.
void selectStoredVoice(VoiceChoice& choice, Voice& voice);

// Hands the settings to the storage: the voice in use, its name and its engine when the player
// changed voice in this run on the engine speaking now, else the stored voice as it was read;
// the speed and the remembered speech engine always.
void storeSettings(const VoiceChoice& choice, const Ports& ports);

}  // namespace yacht
