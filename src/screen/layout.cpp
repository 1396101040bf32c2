#include "screen/layout.h"

namespace yacht {

void setscreen(Yacht&) {}
void resizescreen(Board&, float, float) {}

}  // namespace yacht
