#pragma once
// The terminal's voice: every text the game says is printed as plain lines before it is passed
// on to the voice that speaks it (or to silence, when a screen reader reads the lines).

#include "engine/voice.h"
#include "terminal/terminal_lines.h"

namespace yacht {

// Prints what it is handed, then passes it on.
class PrintingVoice : public Voice {
public:
    PrintingVoice(Voice& inner, LinePrinter& printer) : inner_(inner), printer_(printer) {}
    void speak(const std::string& text, SpeakMode mode) override
    {
        printer_.print(text);
        inner_.speak(text, mode);
    }
    RunState runningState() override { return inner_.runningState(); }
    void listen(std::function<void()> listener) override { inner_.listen(std::move(listener)); }
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

private:
    Voice& inner_;
    LinePrinter& printer_;
};

}  // namespace yacht
