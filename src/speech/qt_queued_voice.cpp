#include "speech/qt_queued_voice.h"

#include <QTimer>
#include <algorithm>

#include "speech/unthrown_dice.h"
#include "speech/utterance_tracker.h"

namespace yacht {

QueuedVoice::QueuedVoice(std::unique_ptr<TextEngine> engine, std::function<Clock::time_point()> now)
    : engine_(std::move(engine)), now_(std::move(now))
{
    engine_->stateChanged = [this](TextEngine::State s) { onState(s); };
}

void QueuedVoice::onState(TextEngine::State s)
{
    overdue_ = false;
    if (s == TextEngine::State::Speaking) {
        if (current_) current_->began = true;
        return;
    }
    // Ready after speaking, or an error: the text is over. A Ready that comes before the text
    // began belongs to the text the engine was interrupted in, and is not this one's end.
    if (!current_ || (s == TextEngine::State::Ready && !current_->began)) return;
    current_.reset();
    // The next text starts from the event loop, not inside the engine's own notification.
    QTimer::singleShot(0, this, [this] { settle(); });
}

void QueuedVoice::settle()
{
    if (runningState() == RunState::Done) tellListener();
}

void QueuedVoice::speak(const std::string& text, SpeakMode)
{
    const QString plain = QString::fromStdString(unthrownDiceNamed(text)).trimmed();
    if (plain.isEmpty()) return tellListener();
    queue_.push_back({++lastSeq_, plain});
    next();
}

RunState QueuedVoice::runningState()
{
    next();
    const bool engineIdle = engine_->state() != TextEngine::State::Speaking || overdue_;
    return !current_ && queue_.empty() && engineIdle ? RunState::Done : RunState::Speaking;
}

void QueuedVoice::next()
{
    if (current_ && now_() >= current_->deadline) {
        // An engine that says it is speaking long after it should have finished is stuck; it
        // is not believed again until it changes state.
        current_.reset();
        overdue_ = true;
    }
    if (current_ || queue_.empty()) return;
    const TextEngine::State state = engine_->state();
    if (state == TextEngine::State::Error) {
        queue_.clear();  // an engine in error says nothing; everything counts as said
        QTimer::singleShot(0, this, [this] { settle(); });
        return;
    }
    if (state == TextEngine::State::Speaking && !overdue_) return;
    const Item item = queue_.front();
    queue_.pop_front();
    const auto bound = UtteranceTracker::bound(static_cast<std::size_t>(item.text.size()));
    current_ = Current{item.seq, false, now_() + bound};
    // Should the engine never say it has finished, the text is given up once its bound is over.
    QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(bound) + std::chrono::milliseconds(5),
                       this, [this] { settle(); });
    engine_->say(item.text);
}

void QueuedVoice::stopSpeaking()
{
    queue_.clear();
    current_.reset();
    engine_->stop();
    tellListener();
}

void QueuedVoice::setRate(int rate)
{
    engine_->setRate(std::clamp(rate, -10, 10) / 10.0);
}

void QueuedVoice::setVolume(int volume)
{
    engine_->setVolume(std::clamp(volume, 0, 100) / 100.0);
}

// The engine's voices are known in-process at once; no listing thread is needed.
void QueuedVoice::startListingVoices()
{
    if (listed_) return;
    listed_ = true;
    const QList<TextEngine::EngineVoice> all = engine_->voices();
    for (int i = 0; i < all.size(); ++i) {
        if (i > 0 && all[i].locale.language() != QLocale::English) continue;
        voices_.push_back(all[i]);
        indexes_.push_back(i);
    }
}

VoiceList QueuedVoice::voiceList()
{
    return listed_ ? VoiceList::Ready : VoiceList::Pending;
}

int QueuedVoice::voiceCount()
{
    return listed_ ? std::max<int>(1, static_cast<int>(voices_.size())) : 0;
}

void QueuedVoice::selectVoice(int position)
{
    if (!listed_ || position < 0 || position >= voices_.size()) return;
    engine_->setVoice(indexes_[static_cast<std::size_t>(position)]);
}

std::string QueuedVoice::voiceName(int position)
{
    if (!listed_ || position < 0 || position >= voices_.size()) return {};
    return voices_[position].name.toStdString();
}

void QueuedVoice::selectVoiceByName(const std::string& name)
{
    const QList<TextEngine::EngineVoice> all = engine_->voices();
    for (int i = 0; i < all.size(); ++i)
        if (all[i].name.toStdString() == name) return engine_->setVoice(i);
}

std::string QueuedVoice::voiceDescription(int position)
{
    if (!listed_ || position < 0 || position >= voices_.size()) return {};
    const TextEngine::EngineVoice& v = voices_[position];
    // The language and country, with the voice's own name when the country has several.
    QString text = QLocale::languageToString(v.locale.language());
    if (v.locale.territory() != QLocale::AnyTerritory)
        text += ", " + QLocale::territoryToString(v.locale.territory());
    const auto same = std::count_if(voices_.begin(), voices_.end(),
                                    [&](const TextEngine::EngineVoice& o) { return o.locale == v.locale; });
    if (same > 1 && !v.name.isEmpty()) text += ", " + v.name;
    return text.toStdString();
}

}  // namespace yacht
