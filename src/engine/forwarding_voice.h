#pragma once
// A voice that hands everything on to another voice: the base of the voices that only add
// something to what is said (the transcript's log, the terminal's printed lines).

#include "engine/voice.h"

namespace yacht {

// Passes every call on to the voice it wraps; a wrapper overrides only what it adds to.
class ForwardingVoice : public Voice {
public:
    explicit ForwardingVoice(Voice& inner) : inner_(inner) {}
    void speak(const std::string& text, SpeakMode mode) override { inner_.speak(text, mode); }
    RunState runningState() override { return inner_.runningState(); }
    void listen(std::function<void()> listener) override { inner_.listen(std::move(listener)); }
    void listenForHandover(std::function<void()> handedOver) override
    {
        inner_.listenForHandover(std::move(handedOver));
    }
    void setRate(int rate) override { inner_.setRate(rate); }
    void setVolume(int volume) override { inner_.setVolume(volume); }
    void setPriorityOver() override { inner_.setPriorityOver(); }
    void stopSpeaking() override { inner_.stopSpeaking(); }
    void startListingVoices() override { inner_.startListingVoices(); }
    VoiceList voiceList() override { return inner_.voiceList(); }
    int voiceCount() override { return inner_.voiceCount(); }
    void selectVoice(int position) override { inner_.selectVoice(position); }
    std::string voiceDescription(int position) override { return inner_.voiceDescription(position); }
    std::string voiceName(int position) override { return inner_.voiceName(position); }
    std::string voiceLanguage(int position) override { return inner_.voiceLanguage(position); }
    void selectVoiceByName(const std::string& name) override { inner_.selectVoiceByName(name); }
    std::string engineName() override { return inner_.engineName(); }
    SpeedSetting speedSetting() override { return inner_.speedSetting(); }

protected:
    Voice& inner() { return inner_; }

private:
    Voice& inner_;
};

}  // namespace yacht
