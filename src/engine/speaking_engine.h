#pragma once
// Watching which speech engine speaks: speech-dispatcher can hand over to the built-in voice at
// any moment of a game, and the narrator may need to say so and speak on in other words.

#include "engine/teller.h"
#include "engine/voice_choice.h"
#include "engine/voice.h"

namespace yacht {

// Called at the start of every step. The first step, and the first step after the voice has told
// of a handover to another engine, tells the narrator which engine speaks; what the narrator has
// to say of it is said at once, after what the voice already holds, and what is queued stays
// queued. Other steps do nothing here.
void noticeSpeakingEngine(VoiceChoice& choice, Voice& voice, Teller& tell);

}  // namespace yacht
