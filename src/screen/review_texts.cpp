#include "screen/review_texts.h"

#include "narration/catalogue.h"
#include "narration/phrase_book.h"

namespace yacht {
namespace {

const char* rollName(int roll)
{
    switch (roll) {
    case 1: return translate("first roll");
    case 2: return translate("second roll");
    case 3: return translate("final roll");
    default: return translate("before the first roll");
    }
}

}  // namespace

ReviewTexts reviewTexts(const Game& g)
{
    ReviewTexts out;
    const bool playing = g.state != EngineState::Idle && g.state != EngineState::Players &&
                         g.player >= 1 && g.player <= kMaxPlayers;
    if (!playing) {
        out.turn = g.state == EngineState::Players ? translate("choosing the players") : translate("no game under way");
        return out;
    }
    const std::string player = fillPhrase(translate("player %1$d"), {decimal(g.player)});
    out.turn = fillPhrase(translate("%1$s, round %2$d, %3$s"), {player, decimal(g.round), rollName(g.roll)});
    if (g.state == EngineState::Choosing && g.categoryCursor >= 1 && g.categoryCursor <= kCategories) {
        const std::string name = translate(PhraseBook::englishOf(nth(Phrase::CategoryName, g.categoryCursor - 1)).c_str());
        const ScoreCell cell = g.scores[g.categoryCursor][g.player];
        out.row = taken(g, g.categoryCursor)
                      ? fillPhrase(translate("%1$s, taken, %2$d"), {name, cell ? decimal(*cell) : "0"})
                      : fillPhrase(translate("%1$s, worth %2$d"), {name, decimal(g.categoryValues[g.categoryCursor])});
    }
    const ScoreCell total = totalOf(g, g.player);
    out.score = fillPhrase(translate("%1$s, total score %2$d"), {player, decimal(total ? *total : 0)});
    return out;
}

}  // namespace yacht
