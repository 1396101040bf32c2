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

    tell({event::SideTotalShown{0}});

    g.player = 0;
    g.round = 1;
    g.state = EngineState::Players;
    tell({event::PlayersAsked{}, Entry::Replacing});
    showPlayerCounts(tell);
    g.numPlayers = 0;
}

}  // namespace

bool requestNewGame(Game& g, Voice& voice, Teller& tell)
{
    // A game under way (any state but idle, the choice of players included) is only thrown away
    // when the player confirms. The question is spoken while the box is open.
    if (g.state != EngineState::Idle) {
        sayAtOnce(voice, tell, {event::NewGameQuestion{}});
        return true;
    }
    clearForNewGame(g, tell);
    return false;
}

void answerNewGame(Game& g, Voice& voice, Teller& tell, Action answer)
{
    if (answer.number != 1) {
        sayAtOnce(voice, tell, {event::NewGameCancelled{}});
        return;
    }
    clearForNewGame(g, tell);
}

void showPlayerCounts(Teller& tell)
{
    tell({event::PlayerCountsShown{}});
}

}  // namespace yacht
