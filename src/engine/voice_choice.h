#pragma once
// The player's voice, speed and wording as the running game holds them: read from the settings
// at start, changed by the voice keys, handed back to the settings at F12. None of it is game
// state, and none of it is written to the saved game.

#include <cstdint>
#include <string>

namespace yacht {

// The speech engine the game speaks through unless another is named or remembered; a stored
// voice without an engine of its own is one of its voices.
inline constexpr const char* kDefaultSpeechEngine = "speechd";

// The voice kept from an earlier run: its position and its name among the voices of the engine it
// belongs to. It is written back as it was read unless the player changes voice.
struct StoredVoice {
    int16_t index = 0;
    std::string name;                      // "" when none is kept
    std::string engine = kDefaultSpeechEngine;
    std::string language;                  // the language it speaks, "" when not known
};

// Voice changes asked for before the installed voices have been listed; answered when they are.
struct PendingVoiceSteps {
    int steps = 0;  // net steps: +1 next, -1 previous
    bool announce = false;
};

// What start-up fills in from the settings and the command line, and the voice keys change.
struct VoiceChoice {
    int16_t voiceIndex = 0;  // the voice in use, by its position among the listed voices
    int16_t speedIndex = 2;
    StoredVoice storedVoice;     // as read at start; its name is chosen before the voices are listed
    std::string voiceChangedOn;  // the engine the player last changed voice on in this run, "" none
    std::string speechEngine;    // the speech engine remembered for the next start ("" none)
    std::string speakingEngine;  // the engine last seen speaking, "" before the first step
    bool engineToBeRead = true;  // the first step, or another engine has taken over since
    std::string language;        // the language the game is played in ("de"), "" for English
    bool briefSpeech = false;    // the narrator speaks in its brief wording
    bool briefRemembered = false;  // the wording kept for the next start (--brief is for one run)
    bool voiceApplied = false;   // the stored voice has been applied to the listed voices
    PendingVoiceSteps pendingVoice;
};

}  // namespace yacht
