#pragma once
// The narrator as the terminal game tells it: the same words, with the terminal's own keys added
// to the help's introduction and to its page of keys.

#include "engine/event_sink.h"
#include "narration/phrase_book.h"

namespace yacht {

// Tells events through another narrator, adding the terminal's keys to help pages 0 and 3.
class TerminalNarrator : public EventSink {
public:
    TerminalNarrator(EventSink& inner, const PhraseBook& book = PhraseBook::english()) : inner_(inner), book_(book) {}
    void happened(const Event& event, SpeechQueue& queue) override { inner_.happened(event, queue); }
    std::string wordsOf(const Event& event) override;

private:
    EventSink& inner_;
    const PhraseBook& book_;
};

}  // namespace yacht
