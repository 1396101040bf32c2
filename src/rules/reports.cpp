#include "rules/reports.h"

namespace yacht {

void repeatdice(Yacht&) {}
void saycategories(Yacht&) {}
void sayscore(Yacht&) {}

}  // namespace yacht
