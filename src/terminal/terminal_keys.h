#pragma once
// What a key typed in the terminal does there: most keys go to the game as they are; the state
// and sheet keys print, Escape hushes, Ctrl+C leaves as F12 does.

#include <optional>

#include "engine/key.h"

namespace yacht {

// The terminal's own meaning of a key.
enum class TerminalCommand {
    GameKey,     // the key goes to the game
    StateLine,   // I: the state of play in one line
    SheetLines,  // L: the score sheet, a line a row
};

// A decoded key with what the terminal makes of it; `key` is what the game is given.
struct TerminalKey {
    TerminalCommand command = TerminalCommand::GameKey;
    Key key;
};

// Ctrl+C is F12; Escape is the hush key (as Ctrl alone is in the window, which a terminal
// cannot see), stopping the voice at once; I and L are the terminal's reports.
TerminalKey terminalKey(Key decoded);

// The player's answer to the new-game question.
enum class QuestionAnswer { Ok, Cancel };

// The answer a key gives to the new-game question: Enter or Y confirms, Escape, N or Ctrl+C
// cancels; any other key leaves it open.
std::optional<QuestionAnswer> questionAnswer(Key decoded);

}  // namespace yacht
