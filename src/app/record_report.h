#pragma once
// The game record from the command line: --record prints what F5 says, --record-export writes
// every recorded turn as CSV. Both read the file without a window and without blocking a game
// that is writing it.

#include <ostream>
#include <string>

namespace yacht {

// Prints the best scores, the statistics and the games against the computer, a sentence a line,
// in the words F5 says them. Returns the exit status (0, also with nothing recorded).
int printRecord(const std::string& recordFile, std::ostream& out);

// Writes every recorded turn as CSV to `target` ("-" for `out`), written beside an existing file
// and renamed over it. On a failure says so in one line on `err` and returns 1.
int exportRecord(const std::string& recordFile, const std::string& target, std::ostream& out, std::ostream& err);

}  // namespace yacht
