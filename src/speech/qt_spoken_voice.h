#pragma once
// The voices that speak by themselves, without a screen reader: speech-dispatcher, flite or
// silence. They need Qt's core and text-to-speech modules only, so the terminal game makes them
// without the window's libraries.

#include <memory>
#include <string>

#include "engine/voice.h"

namespace yacht {

// "none" the silent voice; "flite" the embedded flite engine (silence when it cannot be loaded);
// any other name speech-dispatcher, which hands over to flite, then silence, when its server
// cannot be reached. Returns at once: neither the connection nor the voice list is waited for.
std::unique_ptr<Voice> openSpokenVoice(const std::string& engine);

}  // namespace yacht
