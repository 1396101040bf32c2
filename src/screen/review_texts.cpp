#include "screen/review_texts.h"

#include "rules/scoring.h"

namespace yacht {
namespace {

const char* rollName(int roll)
{
    switch (roll) {
    case 1: return "first roll";
    case 2: return "second roll";
    case 3: return "final roll";
    default: return "before the first roll";
    }
}

}  // namespace

ReviewTexts reviewTexts(const Game& g)
{
    ReviewTexts out;
    const bool playing = g.state != EngineState::Idle && g.state != EngineState::Players &&
                         g.player >= 1 && g.player <= kMaxPlayers;
    if (!playing) {
        out.turn = g.state == EngineState::Players ? "choosing the players" : "no game under way";
        return out;
    }
    const std::string player = "player " + decimal(g.player);
    out.turn = player + ", round " + decimal(g.round) + ", " + rollName(g.roll);
    if (g.state == EngineState::Choosing && g.categoryCursor >= 1 && g.categoryCursor <= kCategories) {
        const std::string name = withoutLeadingBlanks(kCategoryCaptions[g.categoryCursor]);
        const ScoreCell cell = g.scores[g.categoryCursor][g.player];
        out.row = taken(g, g.categoryCursor) ? name + ", taken, " + (cell ? decimal(*cell) : "0")
                                        : name + ", worth " + decimal(g.categoryValues[g.categoryCursor]);
    }
    const ScoreCell total = totalOf(g, g.player);
    out.score = player + ", total score " + decimal(total ? *total : 0);
    return out;
}

}  // namespace yacht
