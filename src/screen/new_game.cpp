#include "screen/new_game.h"

namespace yacht {

void newgame(Yacht&) {}
void choosenum(Yacht&) {}

}  // namespace yacht
