#include "rules/mouse_clicks.h"

namespace yacht {

void lblSideClick(Yacht&, int) {}
void diceClick(Yacht&, int) {}
void YClick(Yacht&, int) {}
void Label3Click(Yacht&) {}

}  // namespace yacht
