#include "screen/new_game.h"

#include "speech/speech_output.h"

namespace yacht {

void newgame(Yacht& y)
{
    Game& g = y.game;
    Board& b = y.board;

    // A game under way (any state but idle, the choice of players included) is only thrown away
    // when the player confirms. The question is spoken while the box is open.
    if (g.state != EngineState::Idle) {
        g.sayitem = "Do you really want to start a new game? Press the enter key to confirm or "
                    "the escape key to cancel";
        sayit(y, g.sayitem);
        if (y.ports.toolkit.askOkCancel("Start new game?") != Answer::Ok) {
            g.sayitem = "cancelled";
            sayit(y, g.sayitem);
            return;
        }
    }

    for (int row = 1; row <= kCategories; ++row) b.x[row].caption.clear();
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

    b.Label3.visible = true;
    b.lblSide[2].caption = "0";

    g.player = 0;
    g.round = 1;
    g.state = EngineState::Players;
    g.saybuf.replace(
        "Choose the number of players using the arrow keys, then press the enter key to begin");
    choosenum(y);
    g.numplayers = 0;
}

void choosenum(Yacht& y)
{
    Board& b = y.board;
    b.x[0].caption = "Choose players";
    for (int row = 1; row <= kCategories; ++row) {
        b.Y[row].caption.clear();
        b.x[row].caption.clear();
        b.Y[row].backstyle = BackStyle::Transparent;
        if (row == 1)
            b.Y[row].caption = "  1 player";
        else if (row <= 6)
            b.Y[row].caption = "  " + decimal(row) + " players";
    }
    b.x[14].visible = false;
    b.imgBonus.visible = false;
}

}  // namespace yacht
