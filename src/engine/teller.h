#pragma once
// How the engine tells what happened: the narrator behind the events port, the queue of what is
// still to be heard, which the narrator fills and the sequencer hands out, and what the window
// and the terminal's sheet show.

#include <string>

#include "engine/event_sink.h"
#include "engine/speech_queue.h"
#include "engine/view_facts.h"

namespace yacht {

// Hands each event to the narrator together with the queue its words go into.
struct Teller {
    EventSink& narrator;
    SpeechQueue& queue;
    ViewFacts& view;

    void operator()(const Event& event) { narrator.happened(event, queue); }
    // The words of an event said at once, past the queue.
    std::string wordsOf(const Event& event) { return narrator.wordsOf(event); }
};

}  // namespace yacht
