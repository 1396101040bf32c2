#pragma once
// The reports behind F2, F3 and F4.

#include "engine/event_sink.h"
#include "engine/game_state.h"

namespace yacht {

void repeatDice(Game& g, EventSink& events);         // F2: the dice again
void sayCategoriesLeft(Game& g, EventSink& events);  // F3: the categories still to fill
void sayScores(Game& g, EventSink& events);          // F4: the scores

}  // namespace yacht
