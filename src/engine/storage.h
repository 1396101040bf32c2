#pragma once
// The storage port: where the unfinished game and the voice settings outlive the program.

#include <cstdint>
#include <string>

#include "engine/game_state.h"
#include "engine/voice_choice.h"

namespace yacht {

// How much of a saved game reached the game.
enum class Loaded {
    Nothing,  // no file, or one the game cannot use: the game is as it was
    Part,     // a file that ended early but holds a game that stays whole
    Whole,    // every value of the file
};

// The settings kept between runs, already checked: a voice position of 0 or more, a speed of 0
// to 4, and a speech engine the game knows or "".
struct StoredSettings {
    int16_t voiceIndex = 0;
    int16_t speedIndex = 2;
    std::string voiceName;     // the voice's own name, "" when none is kept
    std::string voiceEngine = kDefaultSpeechEngine;  // the engine whose voices those two count among
    std::string voiceLanguage;  // the language the voice speaks ("de", "en-GB"), "" when not known
    std::string speechEngine;  // the engine remembered for the next start, "" none
    bool briefSpeech = false;  // the player chose brief speech with its key
};

// Loads and saves the game in the folder start-up found for it, and reads and writes the
// settings wherever they live; every failure is quiet.
class Storage {
public:
    virtual ~Storage() = default;
    // Reads the saved game's values into the game, as far as the file goes.
    virtual Loaded loadGame(Game& game) = 0;
    // Writes the whole game, whatever the engine state, keeping the previous file on a failure.
    virtual void saveGame(const Game& game) = 0;
    // Decides where the settings live and reads them; defaults for whatever is missing.
    virtual StoredSettings readSettings() = 0;
    // Writes them where readSettings found they live.
    virtual void writeSettings(const StoredSettings& settings) = 0;
};

}  // namespace yacht
