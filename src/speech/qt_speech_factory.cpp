#include "speech/qt_speech_factory.h"

#include "speech/silent_voice.h"

namespace yacht {
namespace {

class SilentSound : public SoundPlayer {
public:
    void play(const std::string&, const std::vector<uint8_t>&, PlayMode) override {}
};

class NoResources : public Resources {
public:
    std::optional<std::vector<uint8_t>> load(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
};

}  // namespace

std::unique_ptr<Voice> makeVoice(const std::string&)
{
    return std::make_unique<SilentVoice>();
}

std::unique_ptr<SoundPlayer> makeSoundPlayer()
{
    return std::make_unique<SilentSound>();
}

std::unique_ptr<Resources> makeResources()
{
    return std::make_unique<NoResources>();
}

}  // namespace yacht
