#include "speech/qt_flite_voice.h"

#include <QTextToSpeech>
#include <QVoice>

#include "speech/qt_queued_voice.h"

namespace yacht {
namespace {

// Qt's flite engine behind the small engine interface of the queued voice.
class FliteEngine : public TextEngine {
public:
    explicit FliteEngine(std::unique_ptr<QTextToSpeech> tts) : tts_(std::move(tts))
    {
        QObject::connect(tts_.get(), &QTextToSpeech::stateChanged, tts_.get(),
                         [this](QTextToSpeech::State s) {
                             if (stateChanged) stateChanged(convert(s));
                         });
    }

    void say(const QString& text) override { tts_->say(text); }
    State state() const override { return convert(tts_->state()); }
    void setRate(double rate) override { tts_->setRate(rate); }
    void setVolume(double volume) override { tts_->setVolume(volume); }
    void stop() override { tts_->stop(); }
    std::string name() const override { return "flite"; }

    QList<EngineVoice> voices() const override
    {
        QList<EngineVoice> out;
        for (const QVoice& v : list()) out.push_back({v.name(), v.locale()});
        return out;
    }

    void setVoice(int index) override
    {
        const QList<QVoice>& all = list();
        if (index >= 0 && index < all.size()) tts_->setVoice(all[index]);
    }

private:
    static State convert(QTextToSpeech::State s)
    {
        if (s == QTextToSpeech::Speaking) return State::Speaking;
        if (s == QTextToSpeech::Error) return State::Error;
        return State::Ready;  // Ready, or Paused, which the game never asks for
    }

    // The voices in a fixed order, taken once: the one in use at the start first.
    const QList<QVoice>& list() const
    {
        if (list_.isEmpty()) {
            const QVoice first = tts_->voice();
            list_.push_back(first);
            for (const QVoice& v : tts_->availableVoices())
                if (!(v == first)) list_.push_back(v);
        }
        return list_;
    }

    std::unique_ptr<QTextToSpeech> tts_;
    mutable QList<QVoice> list_;
};

}  // namespace

std::unique_ptr<Voice> openFliteVoice()
{
    if (!QTextToSpeech::availableEngines().contains("flite")) return nullptr;
    auto tts = std::make_unique<QTextToSpeech>("flite");
    if (tts->engine() != "flite" || tts->state() == QTextToSpeech::Error) return nullptr;
    return std::make_unique<QueuedVoice>(std::make_unique<FliteEngine>(std::move(tts)));
}

}  // namespace yacht
