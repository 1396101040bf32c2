#pragma once
// The silent voice: says nothing and is always done. For braille users who read the transcript,
// for machines without speech, and as the fallback when no engine can be reached.

#include "engine/voice.h"

namespace yacht {

class SilentVoice : public Voice {
public:
    void speak(const std::string&, SpeakMode) override { tellListener(); }
    RunState runningState() override { return RunState::Done; }
    void setRate(int) override {}
    void setVolume(int) override {}
    void setPriorityOver() override {}
    VoiceList voiceList() override { return VoiceList::Ready; }
    int voiceCount() override { return 1; }
    void selectVoice(int) override {}
    std::string voiceDescription(int) override { return "silent voice"; }
    std::string engineName() override { return "none"; }
};

}  // namespace yacht
