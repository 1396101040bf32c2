#pragma once
// F5 and F6: the best scores and statistics of the game record, and the turns the others played
// since the current person's last, each a sentence at a time.

#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/record.h"
#include "engine/teller.h"

namespace yacht {

// Which record report was told last, and its sentences, so that a second press goes on.
struct RecordReports {
    enum class Kind { None, Record, Turns };
    Kind told = Kind::None;
    int part = 0;                    // F5: 0 best scores, 1 statistics, 2 against the computer
    std::vector<std::string> items;  // the sentences queued by the last report
};

// F5: the best scores; pressed again while its words are the last heard, the statistics, then
// the games against the computer, then the best scores again. With no finished game, one sentence.
void sayRecord(Record& record, RecordReports& reports, Teller& tell);

// F6: each turn played since the current player's last turn (the last turn played when there is
// none), a sentence each; pressed again while one is heard, it goes on from the next.
void sayOthersTurns(const Game& game, Record& record, RecordReports& reports, Teller& tell);

}  // namespace yacht
