#pragma once
// The front end's side of the events port: it keeps the view facts from what is shown and passes
// everything else on to the narrator.

#include "engine/event_sink.h"
#include "screen/view_facts.h"

namespace yacht {

// Stands between the engine and the narrator: events that are only shown change the view facts
// and go no further; the narrator hears the rest.
class ViewKeeper : public EventSink {
public:
    ViewKeeper(EventSink& narrator, ViewFacts& view) : narrator_(narrator), view_(view) {}
    void happened(const Event& event, SpeechQueue& queue) override
    {
        if (!showEvent(view_, event.what)) narrator_.happened(event, queue);
    }
    std::string wordsOf(const Event& event) override { return narrator_.wordsOf(event); }
    const ViewFacts& view() const { return view_; }

private:
    EventSink& narrator_;
    ViewFacts& view_;
};

}  // namespace yacht
