#pragma once
// The one place the game's events become words and sounds: each event is told from the phrase
// book and entered into the speech queue the way the game has always queued it.

#include <set>

#include "engine/event_sink.h"
#include "narration/phrase_book.h"

namespace yacht {

// Tells the game's events in the words of one phrase book, or of two: the full wording and the
// brief one, which the player switches between with a key. When only an English voice is left to
// speak a game in another language, it goes on in the English books.
class Narrator : public EventSink {
public:
    explicit Narrator(const PhraseBook& book = PhraseBook::english()) : full_(&book), brief_(&book) {}
    Narrator(const PhraseBook& full, const PhraseBook& brief, Wording start)
        : full_(&full), brief_(&brief), wording_(start)
    {
    }

    void happened(const Event& event, SpeechQueue& queue) override;
    std::string wordsOf(const Event& event) override;

private:
    const PhraseBook& book() const { return wording_ == Wording::Brief ? *brief_ : *full_; }
    // A voice that speaks English only has taken over a game told in another language: the one
    // English line that says so, and the English books for the rest of the run; else nothing.
    std::string tookOver(const event::SpeakingEngine& event);
    // In brief speech a key instruction is said once a game: true when this one has been.
    bool instructedBefore(const Event& event);

    const PhraseBook* full_;   // the books told from: the language's, or English once only an
    const PhraseBook* brief_;  // English voice is left to speak
    Wording wording_ = Wording::Full;
    std::set<std::size_t> instructed_;  // the kinds of instruction heard in this game
};

}  // namespace yacht
