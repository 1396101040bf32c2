#pragma once
// The one place the game's events become words and sounds: each event is told from the phrase
// book and entered into the speech queue the way the game has always queued it.

#include "engine/event_sink.h"
#include "narration/phrase_book.h"

namespace yacht {

// Tells the game's events in the words of one phrase book.
class Narrator : public EventSink {
public:
    explicit Narrator(const PhraseBook& book = PhraseBook::english()) : book_(book) {}

    void happened(const Event& event, SpeechQueue& queue) override;
    std::string wordsOf(const Event& event) override;

private:
    const PhraseBook& book_;
};

}  // namespace yacht
