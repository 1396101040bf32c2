#pragma once
// A voice over an in-process text-to-speech engine that interrupts itself when given a new text:
// the voice keeps its own queue, so each text is said after the one before, as the game needs.

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/voice.h"

namespace yacht {

// The little of a text-to-speech engine the queued voice uses: Qt's flite engine in the program,
// a scripted engine in tests.
class TextEngine {
public:
    enum class State { Ready, Speaking, Error };
    // One of the engine's voices.
    struct EngineVoice {
        QString name;
        QLocale locale;
    };

    virtual ~TextEngine() = default;
    virtual void say(const QString& text) = 0;  // interrupts whatever is being said
    virtual State state() const = 0;
    virtual void setRate(double rate) = 0;      // -1 to 1, 0 normal
    virtual void setVolume(double volume) = 0;  // 0 to 1
    virtual QList<EngineVoice> voices() const = 0;  // fixed order, the voice in use first
    virtual void setVoice(int index) = 0;           // by position in voices()
    virtual void stop() {}                          // stops what is being said
    virtual std::string name() const = 0;           // the engine's name, e.g. "flite"

    // Told of every change of state, on the thread the engine belongs to.
    std::function<void(State)> stateChanged;
};

// Hands the engine one text at a time, the next once the engine has finished the last. A text the
// engine never finishes is given up after a bound derived from its length; an engine in error
// says nothing and counts as done.
class QueuedVoice : public QObject, public Voice {
public:
    using Clock = std::chrono::steady_clock;
    explicit QueuedVoice(std::unique_ptr<TextEngine> engine,
                         std::function<Clock::time_point()> now = &Clock::now);

    void speak(const std::string& text, SpeakMode mode) override;
    RunState runningState() override;
    void setRate(int rate) override;
    void setVolume(int volume) override;
    void setPriorityOver() override {}
    void stopSpeaking() override;
    void startListingVoices() override;
    VoiceList voiceList() override;
    int voiceCount() override;
    void selectVoice(int position) override;
    std::string voiceDescription(int position) override;
    std::string voiceName(int position) override;
    void selectVoiceByName(const std::string& name) override;
    std::string engineName() override { return engine_->name(); }

private:
    struct Item {
        uint64_t seq = 0;
        QString text;
    };
    struct Current {
        uint64_t seq = 0;
        bool began = false;
        Clock::time_point deadline;
    };

    void onState(TextEngine::State s);
    void next();
    // Hands over what waits, and tells the game once nothing is left to say.
    void settle();

    std::unique_ptr<TextEngine> engine_;
    std::function<Clock::time_point()> now_;
    std::deque<Item> queue_;
    std::optional<Current> current_;
    uint64_t lastSeq_ = 0;
    bool overdue_ = false;  // a text outlived its bound and the engine has been silent since
    bool listed_ = false;
    QList<TextEngine::EngineVoice> voices_;  // the English ones, the engine's first voice first
    std::vector<int> indexes_;               // their positions among the engine's voices
};

}  // namespace yacht
