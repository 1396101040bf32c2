#pragma once
// The command line read with Qt's parser, before the application object exists.

#include <string>
#include <vector>

#include "app/command_line.h"

namespace yacht {

// Reads the arguments after the program's name. Qt's own options (-platform, -display, -style
// and the rest) are accepted and left for QApplication, which takes them from the same command
// line; -platform and -display are noted in the options for the display check.
ParsedOptions parseCommandLine(const std::vector<std::string>& args);

}  // namespace yacht
