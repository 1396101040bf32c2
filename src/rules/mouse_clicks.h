#pragma once
// Mouse clicks: each clickable label posts the key it stands for.

#include "engine/yacht.h"

namespace yacht {

void lblSideClick(Yacht& y, int index);
void diceClick(Yacht& y, int index);
void YClick(Yacht& y, int index);
void Label3Click(Yacht& y);

}  // namespace yacht
