#pragma once
// The saved game's file: one value per line, CR LF after each, in a fixed order (the counts,
// the dice with their hold flags, every player's score column, the category values). Reading
// fills a separate record that is checked before any of it reaches the game.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/game_state.h"

namespace yacht {

// Where each value sits in the file, counted from 0, for a game of n players.
namespace savedline {
inline constexpr std::size_t numPlayers = 0, player = 1, round = 2, state = 3, roll = 4;
inline constexpr std::size_t die(int i) { return 5 + 2 * std::size_t(i); }
inline constexpr std::size_t held(int i) { return 6 + 2 * std::size_t(i); }
inline constexpr std::size_t score(int row, int p, int n) { return 15 + std::size_t(row * n + p - 1); }
inline constexpr std::size_t categoryValue(int c, int n) { return 15 + std::size_t(15 * n + c - 1); }
inline constexpr std::size_t count(int n) { return 28 + 15 * std::size_t(n); }
// After the designed lines, in a game with a computer player or where the coach was asked: each seat's
// kind, then each seat's tally.
inline constexpr std::size_t seat(int p, int n) { return count(n) + std::size_t(p - 1); }
inline constexpr std::size_t tally(int p, int n) { return count(n) + std::size_t(n + p - 1); }
inline constexpr std::size_t withSeats(int n) { return count(n) + 2 * std::size_t(n); }
}  // namespace savedline

// The score table's cells as the file holds them, before they are read as numbers.
using ScoreTexts = std::array<std::array<std::string, kMaxPlayers + 1>, kBonusRow + 1>;

// A score cell of the file as the game holds it: an empty line is a cell not taken, anything
// else is read leniently as a number.
ScoreCell scoreCellOf(const std::string& text);

// The values of a saved game as read from its file, before any of them reaches the game.
struct SavedGame {
    int16_t numPlayers = 0;
    int16_t player = 0;
    int16_t round = 0;
    int16_t state = 0;
    int16_t roll = 0;
    std::array<std::string, kDice> dice;
    std::array<int16_t, kDice> held{};
    ScoreTexts scores{};
    std::array<int16_t, kCategories + 1> categoryValues{};  // indexed 1..13
    Seats seats;              // who played each seat and each person's tally, when the file says
    bool seatsRead = false;   // the file has the seat lines, all of them sound
    std::size_t valuesRead = 0;  // the file's values present, in file order; a short file has fewer

    bool has(std::size_t line) const { return line < valuesRead; }
    bool complete() const { return valuesRead >= savedline::count(numPlayers); }
};

// The file's text for the game as it stands, whatever the engine state.
std::string savedGameText(const Game& game);

// Reads the file's text into the record. `cut` says the text is only the beginning of a longer
// file. False when the file must be refused as if it did not exist.
bool parseSavedGame(const std::string& text, bool cut, SavedGame& out);

// Whether the values read make a game the engine can go on with (see the rules in the source).
bool acceptable(const SavedGame& saved, bool cut);

}  // namespace yacht
