#pragma once
// The speech voice port: the one text-to-speech voice the game speaks through.

#include <cstdint>
#include <functional>
#include <string>

namespace yacht {

// How the game waits for a text: Async texts are said while the game goes on taking keys; a Sync
// text (the dice after the rolling sound, goodbye) holds the keys pressed meanwhile until the
// voice reports it said. Neither call waits; the mode tells the voice and the transcript which it is.
enum class SpeakMode { Async, Sync };

// The voice's running state as the speech pump reads it.
enum class RunState : int16_t { Done = 1, Speaking = 2 };

// Whether the installed voices have been listed yet; listing can take seconds, so adapters do it
// in the background and the game answers voice changes once the list is there.
enum class VoiceList { Pending, Ready };

// Who sets the speaking speed: the game, through the voice's rate, or the player's screen reader,
// whose own rate applies to everything it says.
enum class SpeedSetting { Game, ScreenReader };

// The text-to-speech voice. Every operation is quiet on failure: a voice that cannot be reached
// says nothing and reports Done, so the game never waits for it.
class Voice {
public:
    virtual ~Voice() = default;

    // Speak the text, returning at once: it is said after whatever the voice is still saying,
    // never over it, and the listener is told once everything has been said.
    virtual void speak(const std::string& text, SpeakMode mode) = 0;

    // Done once everything handed over has been said (or the voice is broken or absent).
    virtual RunState runningState() = 0;

    // Rate on the scale -10..10, relative to the player's own: 0 is the rate the player set for
    // every program (the engine's default where nothing is configured). Nothing is sent to the
    // engine until the game asks for a rate, so the player's own rate stays.
    virtual void setRate(int rate) = 0;

    // Volume 0..100. The game never sets it: the player's own volume stays.
    virtual void setVolume(int volume) = 0;

    // Stops what is being said and drops what the voice still holds; the voice is Done at once.
    virtual void stopSpeaking() {}

    // Later speech queues after what is being said and is not cut off by it.
    virtual void setPriorityOver() = 0;

    // Asks for the installed voices to be listed in the background; listing can take seconds, so
    // the game asks only once the greeting is on its way, and asks again as it goes on until the
    // voices are listed. A voice may put the listing off while it speaks; once started, asking
    // again does nothing.
    virtual void startListingVoices() {}

    // The installed voices the player steps through, by position from 0. Pending until listed;
    // position 0 is the voice the platform speaks with when none is chosen.
    virtual VoiceList voiceList() = 0;
    virtual int voiceCount() = 0;
    virtual void selectVoice(int position) = 0;
    virtual std::string voiceDescription(int position) = 0;

    // The engine's own name of a listed voice, which stays the same whatever else is installed;
    // empty when the voice has none.
    virtual std::string voiceName(int) { return {}; }

    // The language a listed voice speaks ("de", "en-GB"); empty when the engine does not say.
    virtual std::string voiceLanguage(int) { return {}; }

    // The speech engine speaking now, as the command line names it: "speechd", "flite",
    // "screen-reader" or "none". Voices are listed per engine, so a stored voice is applied, and
    // a voice change kept, only on the engine it belongs to. A voice that has handed over to
    // another names the one that speaks.
    virtual std::string engineName() = 0;

    // Whether the game's speed keys change anything.
    virtual SpeedSetting speedSetting() { return SpeedSetting::Game; }

    // Chooses a voice by the engine's name at once, without waiting for the voices to be listed,
    // so the first words are already in the player's voice. An unknown name may be ignored.
    virtual void selectVoiceByName(const std::string&) {}

    // Tells the game, on the user-interface thread, whenever the voice has news for it: it has
    // fallen quiet (everything handed over said, cancelled or given up; a voice that cannot speak
    // says so at once, even from within speak), or the installed voices have been listed. The
    // game then reads runningState and voiceList again. A voice that wraps another passes it on.
    virtual void listen(std::function<void()> listener) { listener_ = std::move(listener); }

    // Tells the game, on the user-interface thread, that another engine has taken over from the
    // voice's own (speech-dispatcher handing over to the built-in voice): the game then reads
    // engineName again. A voice that wraps another passes it on.
    virtual void listenForHandover(std::function<void()> handedOver) { handedOver_ = std::move(handedOver); }

protected:
    void tellListener() const
    {
        if (listener_) listener_();
    }
    void tellHandover() const
    {
        if (handedOver_) handedOver_();
    }

private:
    std::function<void()> listener_;
    std::function<void()> handedOver_;
};

}  // namespace yacht
