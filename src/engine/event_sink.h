#pragma once
// The port the engine tells what happened through; the narrator behind it decides the words.

#include <string>

#include "engine/event.h"
#include "engine/speech_queue.h"

namespace yacht {

// Receives the game's events the moment they happen.
class EventSink {
public:
    virtual ~EventSink() = default;
    // Puts what is heard of the event into the queue, as the event's entry says.
    virtual void happened(const Event& event, SpeechQueue& queue) = 0;
    // The words of an event that is said at once, past the queue (a question, goodbye, a voice
    // or speed change).
    virtual std::string wordsOf(const Event& event) = 0;
};

}  // namespace yacht
