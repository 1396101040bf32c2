#pragma once
// The platform services the game speaks, plays, stores, draws and throws through, and the
// narrator it tells what happened.

#include "engine/clock.h"
#include "engine/event_sink.h"
#include "engine/random.h"
#include "engine/resources.h"
#include "engine/sound_player.h"
#include "engine/storage.h"
#include "engine/toolkit.h"
#include "engine/voice.h"

namespace yacht {

// The platform services the game uses, owned elsewhere (main, or a test's fakes).
struct Ports {
    Voice& voice;
    SoundPlayer& sound;
    Resources& resources;
    Storage& storage;
    Toolkit& toolkit;
    Random& random;
    Clock& clock;       // one-shot calls: the computer's pause, the table asked for again
    EventSink& events;  // the narrator: what happened becomes what is heard
};

}  // namespace yacht
