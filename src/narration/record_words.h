#pragma once
// The words of the game record (F5), of a turn told again (F6) and of a new best score.

#include <string>
#include <vector>

#include "engine/record.h"
#include "narration/phrase_book.h"

namespace yacht {

// "245, on 10 December 2026, with the coach." with the local date of the game's end.
std::string bestScoreWords(const PhraseBook& book, const BestScore& best);

// The statistics of the finished games, a sentence an item.
std::vector<std::string> statisticsWords(const PhraseBook& book, const RecordSummary& summary);

// The games against each strength of computer player that has played, a sentence an item.
std::vector<std::string> againstComputerWords(const PhraseBook& book, AgainstComputer strong, AgainstComputer casual);

// "player 2 threw 3 3 5 1 2, kept 3 3, threw 3 3 3 6 4, scored 12 in Threes".
std::string turnWords(const PhraseBook& book, const PlayedTurn& turn);

}  // namespace yacht
