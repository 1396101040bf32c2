#include "speech/voice_speed.h"

namespace yacht {

void changevoice(Yacht&, int16_t) {}
void changespeed(Yacht&) {}

}  // namespace yacht
