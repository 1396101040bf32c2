#include "terminal/state_report.h"

#include "screen/board.h"
#include "screen/present.h"

namespace yacht {
namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string diceText(const Game& g, const PhraseBook& book)
{
    std::string out;
    for (int i = 0; i < kDice; ++i) {
        if (i > 0) out += book[Phrase::TerminalFaceSeparator];
        const std::string face = faceText(g.dice[i]);
        out += g.held[i] ? book.say(Phrase::TerminalHeldFace, {face}) : face;
    }
    return out;
}

std::string rowUnderCursor(const Game& g, const PhraseBook& book)
{
    const int row = g.categoryCursor;
    if (g.state != EngineState::Choosing || row < 1 || row > kCategories || !isPlayerColumn(g.player)) return {};
    // The category's name in the game's language, as the narrator says it.
    const std::string& name = book[nth(Phrase::CategoryName, row - 1)];
    if (g.scores[row][g.player]) return book.say(Phrase::TerminalRowTaken, {name});
    return book.say(Phrase::TerminalRowWorth, {name, decimal(g.categoryValues[row])});
}

}  // namespace

std::string stateLine(const Game& g, const PhraseBook& book)
{
    if (g.state == EngineState::Players) return book.say(Phrase::TerminalChoosingPlayers, {decimal(g.numPlayers)});
    if (g.state == EngineState::Idle || g.state == EngineState::Startup || !isPlayerColumn(g.player))
        return book[Phrase::TerminalNoGame];
    const std::string dice = diceText(g, book);
    std::string line = g.numPlayers > 1
                           ? book.say(Phrase::TerminalStateOfPlayer,
                                      {decimal(g.player), decimal(g.round), decimal(g.roll), dice})
                           : book.say(Phrase::TerminalStateOfTurn, {decimal(g.round), decimal(g.roll), dice});
    line += rowUnderCursor(g, book);
    if (g.state == EngineState::WaitSpace || g.state == EngineState::TurnEnd) line += book[Phrase::TerminalWaitingForSpace];
    return line;
}

std::vector<std::string> sheetLines(const Game& g, const ViewFacts& view, const PhraseBook& book)
{
    Board board = designBoard();
    present(g, view, board);
    std::vector<std::string> lines;
    const auto add = [&lines](std::string line) {
        if (!line.empty()) lines.push_back(std::move(line));
    };
    add(trimmed(board.sheetValues[0].caption));
    add(trimmed(board.sidePanel[1].caption));
    const std::string total = trimmed(board.sidePanel[2].caption);
    if (!total.empty()) add(book.say(Phrase::TerminalSheetTotal, {total}));
    for (int row = 1; row <= kBonusRow; ++row) {
        if (!board.sheetCaptions[row].visible) continue;
        std::string caption = trimmed(board.sheetCaptions[row].caption);
        while (!caption.empty() && caption.back() == ':') caption.pop_back();
        const std::string value = board.sheetValues[row].visible ? trimmed(board.sheetValues[row].caption) : std::string();
        if (caption.empty() && value.empty()) continue;
        add(value.empty() ? caption : caption.empty() ? value : book.say(Phrase::TerminalSheetRow, {caption, value}));
    }
    return lines;
}

}  // namespace yacht
