#pragma once
// Builds the real speech, sound and resource adapters for the program.

#include <functional>
#include <memory>
#include <string>

#include "engine/clock.h"
#include "engine/resources.h"
#include "engine/sound_player.h"
#include "engine/voice.h"

namespace yacht {

// The voice by engine name: "" or "speechd" tries speech-dispatcher, then flite; "flite" the
// embedded flite engine; "none" the silent voice; "screen-reader" hands every text to `announce`
// for the running screen reader, or, when none runs, speaks through speech-dispatcher and puts
// the sentence that says so into `notice`. A name that exists nowhere falls back like a missing
// server. Returns at once: neither the connection nor the voice list is waited for. The clock
// paces the screen reader's texts by their estimates.
std::unique_ptr<Voice> makeVoice(const std::string& engine,
                                 std::function<void(const std::string&)> announce = {},
                                 std::string* notice = nullptr, Clock* clock = nullptr);

// Qt Multimedia to the audio server; silence when there is none.
std::unique_ptr<SoundPlayer> makeSoundPlayer();

// The resources compiled into the executable.
std::unique_ptr<Resources> makeResources();

}  // namespace yacht
