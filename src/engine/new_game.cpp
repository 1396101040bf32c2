#include "engine/new_game.h"

#include "engine/speech_output.h"

namespace yacht {

namespace {

// The game is cleared and the number of players is asked for.
void clearForNewGame(Game& g, Teller& tell)
{
    g.dice.fill(0);
    g.held.fill(0);
    // Column 0 is never a player's; the eight player columns are emptied, totals and bonuses too.
    for (auto& row : g.scores)
        for (int p = 1; p <= kMaxPlayers; ++p) row[p].reset();

    // The last game's sums are not the new game's: F4 before the first card would otherwise
    // report the old sub total. The first card recomputes both from the empty columns.
    g.total = 0;
    g.subtotal = 0;
    // Every seat is a person's again until the player asks for the computer.
    g.seats = Seats{};

    g.view.sideTotal = 0;

    g.player = 0;
    g.round = 1;
    g.state = EngineState::Players;
    tell({event::PlayersAsked{}, Entry::Replacing});
    showPlayerCounts(g);
    g.numPlayers = 0;
}

}  // namespace

void requestNewGame(Yacht& y)
{
    Game& g = y.game;

    // A game under way (any state but idle, the choice of players included) is only thrown away
    // when the player confirms. The question is spoken while the box is open.
    if (g.state != EngineState::Idle) {
        y.toBeHeard.lastHeard = y.tell.wordsOf({event::NewGameQuestion{}});
        speakNow(y.ports.voice, y.toBeHeard, y.toBeHeard.lastHeard);
        y.newGameAsked = true;
        return;
    }
    clearForNewGame(g, y.tell);
}

void answerNewGame(Yacht& y, Action answer)
{
    Game& g = y.game;
    if (answer.number != 1) {
        y.toBeHeard.lastHeard = y.tell.wordsOf({event::NewGameCancelled{}});
        speakNow(y.ports.voice, y.toBeHeard, y.toBeHeard.lastHeard);
        return;
    }
    clearForNewGame(g, y.tell);
}

void showPlayerCounts(Game& g)
{
    // The heading reads "Choose players"; the subtotal caption stays as it was.
    g.view.sheet = Sheet::Players;
    g.view.litRow = 0;
}

}  // namespace yacht
