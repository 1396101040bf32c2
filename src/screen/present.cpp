#include "screen/present.h"

#include "engine/score_sheet.h"
#include "narration/catalogue.h"
#include "narration/phrase_book.h"

namespace yacht {
namespace {

// A caption of the sheet's rows: two blanks, then the words in the player's language.
std::string rowCaption(const std::string& words)
{
    return "  " + words;
}

// A category's name on its row: its spoken name, or a shorter one where a language needs it.
std::string categoryCaption(int category)
{
    const std::string& name = PhraseBook::englishOf(nth(Phrase::CategoryName, category - 1));
    const char* own = translateInContext("sheet row", name.c_str());
    return own ? own : translate(name.c_str());
}

// "  3 players": the count of players as the list of counts shows it.
std::string countCaption(int players)
{
    return rowCaption(fillPhrase(translatePlural("%1$d player", "%1$d players", players), {decimal(players)}));
}

// "Player 3", on the scoreboard's rows and the side title.
std::string playerCaption(int player)
{
    return fillPhrase(translate("Player %1$d"), {decimal(player)});
}

// "Player 3" in the side title's large letters, where a language may need a shorter word.
std::string sideTitle(int player)
{
    const char* own = translateInContext("side title", "Player %1$d");
    return own ? fillPhrase(own, {decimal(player)}) : playerCaption(player);
}

void presentRows(const Game& g, const ViewFacts& v, Board& b)
{
    const bool cardColumn = isPlayerColumn(v.cardPlayer);
    for (int row = 1; row <= kCategories; ++row) {
        std::string& caption = b.sheetCaptions[row].caption;
        std::string& value = b.sheetValues[row].caption;
        switch (v.sheet) {
        case Sheet::Card:
            caption = rowCaption(categoryCaption(row));
            drawCell(value, cardColumn ? g.scores[row][v.cardPlayer] : ScoreCell());
            break;
        case Sheet::Scoreboard: {
            // Rows beyond the last column of the table stay blank even if numPlayers says more.
            const bool filled = row <= g.numPlayers && isPlayerColumn(row);
            if (filled)
                caption = rowCaption(playerCaption(row));
            else
                caption.clear();
            drawCell(value, filled ? g.scores[kTotalRow][row] : ScoreCell());
            break;
        }
        case Sheet::Players:
            caption = row <= 6 ? countCaption(row) : "";
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

void presentSheet(const Game& g, const ViewFacts& v, Board& b)
{
    b.sheetValues[0].caption = v.sheet == Sheet::Players ? translate("Choose players") : translate("Score Sheet");
    presentRows(g, v, b);

    // Once a card has been drawn its subtotal caption stays, over the scoreboard and the list of
    // counts too; the value and the plaque show on the card alone.
    const CardSums sums = v.cardDrawn ? cardSums(g, v.cardPlayer) : CardSums{};
    b.sheetCaptions[14].caption = v.cardDrawn ? translate("Subtotal: ") : "";
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
void presentSide(const ViewFacts& v, Board& b)
{
    if (v.cardDrawn)
        b.sidePanel[1].caption = sideTitle(v.cardPlayer);
    else
        b.sidePanel[1].caption = v.started ? translate("YACHT") : translate("Yacht");
    if (v.sideTotal)
        b.sidePanel[2].caption = decimal(*v.sideTotal);
    else
        b.sidePanel[2].caption.clear();
}

}  // namespace

const char* statusText(Status status)
{
    switch (status) {
    case Status::GameOver: return translate("Game over");
    case Status::SelectCategory: return translate("Select category");
    case Status::FirstRoll: return translate("First roll");
    case Status::SecondRoll: return translate("Second roll");
    case Status::ThirdRoll: return translate("Third roll");
    case Status::ChoosePlayers: return translate("Choose players");
    case Status::SpaceToBegin: return translate("Press space bar to begin");
    case Status::SpaceToContinue: return translate("Press space bar to continue");
    case Status::RollDice: break;
    }
    return translate("Roll dice");
}

void present(const Game& game, const ViewFacts& view, Board& board)
{
    for (int i = 0; i < kDice; ++i) {
        board.dice[i].caption = faceText(game.dice[i]);
        board.dice[i].backcolor = view.litDie == i + 1 ? colour::red : colour::white;
        board.holdMarks[i].caption = game.held[i] == 1 ? translate("HOLD") : "";
    }
    board.statusBox.caption = statusText(view.status);
    board.statusBox.visible = true;
    presentSheet(game, view, board);
    presentSide(view, board);
}

}  // namespace yacht
