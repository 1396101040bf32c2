#include "screen/present.h"

#include "engine/score_sheet.h"
#include "rules/scoring.h"

namespace yacht {
namespace {

// The caption of row r (1..13) of the sheet on show, and its value.
const char* const kCountCaptions[] = {"",           "  1 player",  "  2 players", "  3 players",
                                      "  4 players", "  5 players", "  6 players"};

void presentRows(const Game& g, Board& b)
{
    const ViewFacts& v = g.view;
    const bool cardColumn = isPlayerColumn(v.cardPlayer);
    for (int row = 1; row <= kCategories; ++row) {
        std::string& caption = b.sheetCaptions[row].caption;
        std::string& value = b.sheetValues[row].caption;
        switch (v.sheet) {
        case Sheet::Card:
            caption = kCategoryCaptions[row];
            drawCell(value, cardColumn ? g.scores[row][v.cardPlayer] : ScoreCell());
            break;
        case Sheet::Scoreboard: {
            // Rows beyond the last column of the table stay blank even if numPlayers says more.
            const bool filled = row <= g.numPlayers && isPlayerColumn(row);
            if (filled)
                caption = "  Player " + decimal(row);
            else
                caption.clear();
            drawCell(value, filled ? g.scores[kTotalRow][row] : ScoreCell());
            break;
        }
        case Sheet::Players:
            caption = row <= 6 ? kCountCaptions[row] : "";
            value.clear();
            break;
        case Sheet::Designed:
            caption.clear();
            value.clear();
            break;
        }
        b.sheetCaptions[row].backstyle = row == v.litRow ? BackStyle::Opaque : BackStyle::Transparent;
        b.sheetCaptions[row].visible = true;
        b.sheetValues[row].visible = true;
    }
}

void presentSheet(const Game& g, Board& b)
{
    const ViewFacts& v = g.view;
    b.sheetValues[0].caption = v.sheet == Sheet::Players ? "Choose players" : "Score Sheet";
    presentRows(g, b);

    // Once a card has been drawn its subtotal caption stays, over the scoreboard and the list of
    // counts too; the value and the plaque show on the card alone.
    const CardSums sums = v.cardDrawn ? cardSums(g, v.cardPlayer) : CardSums{};
    b.sheetCaptions[14].caption = v.cardDrawn ? "Subtotal: " : "";
    b.sheetCaptions[14].visible = true;
    if (v.cardDrawn)
        b.sheetValues[14].caption = decimal(sums.subtotal);
    else
        b.sheetValues[14].caption.clear();
    b.sheetValues[14].visible = v.sheet == Sheet::Designed || v.sheet == Sheet::Card;
    b.bonusPlaque.visible = v.sheet == Sheet::Card && sums.bonus;
}

// The side title names the player of the last card; before any card it is the game's name,
// in capitals once start-up has run.
void presentSide(const Game& g, Board& b)
{
    const ViewFacts& v = g.view;
    if (v.cardDrawn)
        b.sidePanel[1].caption = "Player " + decimal(v.cardPlayer);
    else
        b.sidePanel[1].caption = v.started ? "YACHT" : "Yacht";
    if (v.sideTotal)
        b.sidePanel[2].caption = decimal(*v.sideTotal);
    else
        b.sidePanel[2].caption.clear();
}

}  // namespace

const char* statusText(Status status)
{
    switch (status) {
    case Status::GameOver: return "Game over";
    case Status::SelectCategory: return "Select category";
    case Status::FirstRoll: return "First roll";
    case Status::SecondRoll: return "Second roll";
    case Status::ThirdRoll: return "Third roll";
    case Status::ChoosePlayers: return "Choose players";
    case Status::SpaceToBegin: return "Press space bar to begin";
    case Status::SpaceToContinue: return "Press space bar to continue";
    case Status::RollDice: break;
    }
    return "Roll dice";
}

void present(const Game& game, Board& board)
{
    for (int i = 0; i < kDice; ++i) {
        board.dice[i].caption = faceText(game.dice[i]);
        board.dice[i].backcolor = game.view.litDie == i + 1 ? colour::red : colour::white;
        board.holdMarks[i].caption = game.held[i] == 1 ? "HOLD" : "";
    }
    board.statusBox.caption = statusText(game.view.status);
    board.statusBox.visible = true;
    presentSheet(game, board);
    presentSide(game, board);
}

}  // namespace yacht
