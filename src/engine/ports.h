#pragma once
// The platform services the game speaks, plays, stores, draws and throws through.

#include "engine/random.h"
#include "engine/storage.h"
#include "engine/toolkit.h"
#include "speech/resources.h"
#include "speech/sound_player.h"
#include "speech/voice.h"

namespace yacht {

// The platform services the game uses, owned elsewhere (main, or a test's fakes).
struct Ports {
    Voice& voice;
    SoundPlayer& sound;
    Resources& resources;
    Storage& storage;
    Toolkit& toolkit;
    Random& random;
};

}  // namespace yacht
