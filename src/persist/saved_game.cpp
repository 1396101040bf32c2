#include "persist/saved_game.h"

#include "persist/file_io.h"
#include "persist/saved_game_format.h"

namespace yacht {
namespace {

// A saved game of eight players is under 2 KB; a longer file is read only this far.
constexpr std::size_t kReadBound = 64 * 1024;

// Puts the values read into the game, as far as the file went.
void load(Game& g, const SavedGame& s)
{
    using namespace savedline;
    if (s.has(numPlayers)) g.numPlayers = s.numPlayers;
    if (s.has(player)) g.player = s.player;
    if (s.has(round)) g.round = s.round;
    if (s.has(state)) g.state = static_cast<EngineState>(s.state);
    if (s.has(roll)) g.roll = s.roll;
    for (int i = 0; i < kDice; ++i) {
        if (s.has(die(i))) g.dice[i] = numberOf(s.dice[i]);  // "?" reads as 0
        if (s.has(held(i))) g.held[i] = s.held[i];
    }
    const int n = s.numPlayers;
    for (int r = 0; r <= kBonusRow; ++r)
        for (int p = 1; p <= n; ++p)
            if (s.has(score(r, p, n))) g.scores[r][p] = scoreCellOf(s.scores[r][p]);
    for (int c = 1; c <= kCategories; ++c)
        if (s.has(categoryValue(c, n))) g.categoryValues[c] = s.categoryValues[c];
    if (s.seatsRead) g.seats = s.seats;
}

}  // namespace

std::string savedGamePath(const std::string& folder)
{
    return folder + kSavedGameName;
}

void writeSavedGame(const std::string& folder, const Game& game)
{
    // Without a folder of the user's own there is no place for the game; it is not saved.
    if (folder.empty()) return;
    // Only its owner may read the game: other accounts on the machine have no business with it.
    replaceFile(savedGamePath(folder), savedGameText(game), kPrivateFileMode);
}

Loaded readSavedGame(const std::string& folder, Game& game)
{
    if (folder.empty()) return Loaded::Nothing;
    const auto file = readFilePrefix(savedGamePath(folder), kReadBound);
    if (!file) return Loaded::Nothing;
    SavedGame saved;
    if (!parseSavedGame(file->bytes, file->cut, saved)) return Loaded::Nothing;
    load(game, saved);
    return saved.complete() ? Loaded::Whole : Loaded::Part;
}

}  // namespace yacht
