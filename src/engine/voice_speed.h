#pragma once
// Stepping through the installed voices and the five speaking speeds.

#include <cstdint>
#include <string>

#include "engine/teller.h"
#include "engine/voice_choice.h"
#include "engine/voice.h"

namespace yacht {

void changeVoice(VoiceChoice& choice, Voice& voice, Teller& tell, int16_t direction);  // 0 the next voice, else the previous one
// The next speed, from very fast back to very slow; with the screen reader, which keeps its own
// speed, it says so and changes nothing.
void changeSpeed(VoiceChoice& choice, Voice& voice, Teller& tell);
// Brief speech after full speech and back, said in the wording chosen and kept for the next start.
void toggleWording(VoiceChoice& choice, Voice& voice, Teller& tell);

// The voice's rate for a speed: "normal" is the player's own rate, and each step either side
// moves three tenths of the engine's scale from it.
int rateForSpeed(int16_t speedIndex);

// Called at the start of every step once the greeting has been handed to the voice: it asks for
// the installed voices; when they have been listed it applies the stored voice and answers the
// voice changes the player asked for meanwhile. Never waits.
void applyVoicesOnceListed(VoiceChoice& choice, Voice& voice, Teller& tell);

}  // namespace yacht
