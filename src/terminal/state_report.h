#pragma once
// What the terminal prints on the state key and the sheet key: the state of play in one line a
// braille display holds, and the score sheet the window would show, a line a row.

#include <string>
#include <vector>

#include "engine/game_state.h"
#include "screen/view_facts.h"
#include "narration/phrase_book.h"

namespace yacht {

// "player 2, round 3, roll 2: 3 5* 5* 2 6; Twos 6": the player when several play, the round, the
// throw, the dice with held ones marked, and while choosing the row under the cursor and its
// worth. Outside a turn it says what the game waits for.
std::string stateLine(const Game& game, const PhraseBook& book = PhraseBook::english());

// The score sheet column as the window draws it: its heading, the title and total of the side
// panel, then one line a row with its value ("Twos: 6", a row with nothing entered by its name).
std::vector<std::string> sheetLines(const Game& game, const ViewFacts& view,
                                    const PhraseBook& book = PhraseBook::english());

}  // namespace yacht
