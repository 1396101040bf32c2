#pragma once
// The solver's figures from the command line, printed with no window, no speech and no sound.

#include <ostream>

#include "app/command_line.h"

namespace yacht {

// For --optimum: "optimal expected score S (table T ms)". For --simulate: the games played at
// the strength asked, "mean M sd D games N", seeded by --seed when given. Returns the exit status.
int printSolverFigures(const Options& options, std::ostream& out);

}  // namespace yacht
