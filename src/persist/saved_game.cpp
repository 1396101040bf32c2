#include "persist/saved_game.h"

#include "persist/file_io.h"
#include "persist/saved_game_format.h"
#include "rules/dice_announcement.h"
#include "screen/score_sheet.h"

namespace yacht {
namespace {

// A saved game of eight players is under 2 KB; a longer file is read only this far.
constexpr std::size_t kReadBound = 64 * 1024;

const char* const kResuming =
    "Resuming an unfinished game, press function key F 9 if you prefer to start a new game. ";
const char* const kWelcomeBack =
    "Yacht, from Tevrin Software. Resuming an unfinished game. "
    " Press the space bar to continue or press function key F 9 if you prefer to start a new game. ";
// A computer's turn goes on by itself: the space bar would skip it, so it is not asked for.
const char* const kWelcomeBackToComputer =
    "Yacht, from Tevrin Software. Resuming an unfinished game. "
    " Press function key F 9 if you prefer to start a new game. ";

// Puts the values read into the game and onto the board, as far as the file went.
void load(Yacht& y, const SavedGame& s)
{
    using namespace savedline;
    Game& g = y.game;
    if (s.has(numplayers)) g.numplayers = s.numplayers;
    if (s.has(player)) g.player = s.player;
    if (s.has(round)) g.round = s.round;
    if (s.has(state)) g.state = static_cast<EngineState>(s.state);
    if (s.has(roll)) g.roll = s.roll;
    for (int i = 0; i < kDice; ++i) {
        if (s.has(die(i))) g.dice[i] = numberOf(s.dice[i]);  // "?" reads as 0
        if (s.has(held(i))) g.held[i] = s.held[i];
    }
    const int n = s.numplayers;
    for (int r = 0; r <= kBonusRow; ++r)
        for (int p = 1; p <= n; ++p)
            if (s.has(score(r, p, n))) g.scores[r][p] = s.scores[r][p];
    for (int c = 1; c <= kCategories; ++c)
        if (s.has(catvalue(c, n))) g.catvalue[c] = s.catvalue[c];
    if (s.seatsRead) g.seats = s.seats;
}

// The dice are cleared for the next turn, as the end of a turn does before the turn passes.
void cleardice(Game& g)
{
    g.held.fill(0);
    g.dice.fill(0);
}

// Passes a finished turn on to the next player, or ends the game after the thirteenth round.
void passturn(Yacht& y)
{
    Game& g = y.game;
    cleardice(g);
    g.state = EngineState::WaitSpace;
    if (++g.player > g.numplayers) {
        g.player = 1;
        ++g.round;
    }
    if (g.round > 13) g.state = EngineState::Idle;
}

bool anyDieToThrow(const Game& g)
{
    for (int16_t face : g.dice)
        if (face == 0) return true;
    return false;
}

// Tells the player where the game stands: the round, the player, the throw, and the dice.
void announceturn(Yacht& y)
{
    Game& g = y.game;
    getcard(y);
    g.saybuf.say(kResuming);
    g.saybuf.say("round " + decimal(g.round));
    if (g.numplayers > 1) g.saybuf.add(", player " + decimal(g.player));
    if (g.roll == 1) g.saybuf.add(" first roll");
    if (g.roll == 2) g.saybuf.add(" second roll");
    if (g.roll == 3) g.saybuf.add(" final roll");
    // Dice still to be thrown get the rolling sound; thrown dice are read out.
    if (anyDieToThrow(g))
        g.saybuf.sound("rolldice");
    else
        saydice(y);
}

// Moves the loaded game into the state it continues in.
void adjuststate(Yacht& y)
{
    Game& g = y.game;
    if (g.state == EngineState::Players) {
        g.state = EngineState::Idle;
    } else if (g.state == EngineState::TurnEnd && (g.roll == 0 || g.player == 0)) {
        // A turn was scored, or the players were just chosen: the next turn waits for the space bar.
        passturn(y);
    } else if (g.state != EngineState::Idle) {
        announceturn(y);
    }
}

}  // namespace

std::string savedGamePath(const Game& game)
{
    return game.savedir + kSavedGameName;
}

void savegame(Yacht& y)
{
    // Without a folder of the user's own there is no place for the game; it is not saved.
    if (y.game.savedir.empty()) return;
    // Only its owner may read the game: other accounts on the machine have no business with it.
    replaceFile(savedGamePath(y.game), savedGameText(y.game), kPrivateFileMode);
}

void resumegame(Yacht& y)
{
    if (y.game.savedir.empty()) return;
    const auto file = readFilePrefix(savedGamePath(y.game), kReadBound);
    if (!file) return;
    SavedGame saved;
    if (!parseSavedGame(file->bytes, file->cut, saved)) return;
    load(y, saved);
    if (saved.complete()) adjuststate(y);
    if (y.game.state == EngineState::WaitSpace)
        y.game.saybuf.replace(y.game.seats.isComputer(y.game.player) ? kWelcomeBackToComputer : kWelcomeBack);
}

}  // namespace yacht
