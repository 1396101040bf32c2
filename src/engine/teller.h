#pragma once
// How the engine tells what happened: the events port (the narrator, and what the front ends
// show) and the queue of what is still to be heard, which the narrator fills and the sequencer
// hands out.

#include <string>

#include "engine/event_sink.h"
#include "engine/speech_queue.h"

namespace yacht {

// Hands each event to the narrator together with the queue its words go into.
struct Teller {
    EventSink& narrator;
    SpeechQueue& queue;

    void operator()(const Event& event) { narrator.happened(event, queue); }
    // The words of an event said at once, past the queue.
    std::string wordsOf(const Event& event) { return narrator.wordsOf(event); }
};

}  // namespace yacht
