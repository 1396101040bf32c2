#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>

#include "speech/qt_speechd_voice.h"

namespace yacht {
namespace {

// What the fallback voice was asked to do.
struct FallbackLog {
    std::vector<std::string> texts;
    int rate = 0;
    int made = 0;
    std::vector<std::string> named;  // voices asked for by name
};

class RecordingVoice : public Voice {
public:
    explicit RecordingVoice(FallbackLog& log) : log_(log) {}
    void speak(const std::string& text, SpeakMode) override { log_.texts.push_back(text); }
    RunState runningState() override { return RunState::Done; }
    void setRate(int rate) override { log_.rate = rate; }
    void setVolume(int) override {}
    void setPriorityOver() override {}
    VoiceList voiceList() override { return VoiceList::Ready; }
    int voiceCount() override { return 1; }
    void selectVoice(int) override {}
    std::string voiceDescription(int) override { return "fallback"; }
    std::string engineName() override { return "flite"; }
    void selectVoiceByName(const std::string& name) override { log_.named.push_back(name); }

private:
    FallbackLog& log_;
};

}  // namespace

// A speech server address where nothing listens: the connection is refused at once, and the
// fallback voice says everything, in order, with the speed already set, and names itself as the
// engine speaking, telling the game of the handover once; a voice chosen by speech-dispatcher's
// name is not asked of it.
TEST(SpeechdVoice, UnreachableServerHandsEveryTextToTheFallbackInOrder)
{
    const QByteArray saved = qgetenv("SPEECHD_ADDRESS");
    qputenv("SPEECHD_ADDRESS", "inet_socket:127.0.0.1:9");
    FallbackLog log;
    int handovers = 0;
    {
        auto voice = openSpeechdVoice([&log] {
            ++log.made;
            return std::make_unique<RecordingVoice>(log);
        });
        voice->listenForHandover([&handovers] { ++handovers; });
        voice->setRate(4);
        voice->selectVoiceByName("mbrola-en1");  // speech-dispatcher's name, no voice of flite's
        voice->speak("Yacht, from Tevrin Software.", SpeakMode::Async);
        voice->speak("3 4 4 5 6", SpeakMode::Sync);
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (log.texts.size() < 2 && std::chrono::steady_clock::now() < until) {
            voice->runningState();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        voice->speak("goodbye", SpeakMode::Sync);
        EXPECT_EQ(voice->runningState(), RunState::Done);
        EXPECT_EQ(voice->voiceDescription(0), "fallback");
        EXPECT_EQ(voice->engineName(), "flite");  // the stored voice is judged by the one speaking
    }
    if (saved.isEmpty())
        qunsetenv("SPEECHD_ADDRESS");
    else
        qputenv("SPEECHD_ADDRESS", saved);
    EXPECT_EQ(log.made, 1);
    EXPECT_EQ(handovers, 1);
    EXPECT_EQ(log.rate, 4);
    EXPECT_TRUE(log.named.empty());
    EXPECT_EQ(log.texts,
              (std::vector<std::string>{"Yacht, from Tevrin Software.", "3 4 4 5 6", "goodbye"}));
}

}  // namespace yacht
