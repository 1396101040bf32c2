// A long run of random keys and clicks through the engine, checking after every tick that the
// game state stays within its tables and in step with the board. The number of keys comes from
// YACHT_SOAK_KEYS (a million in the sanitizer run; fewer in the everyday suite).

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/tick.h"
#include "engine/mouse_clicks.h"
#include "support/fakes.h"

namespace yacht::test {
namespace {

long soakKeys()
{
    if (const char* n = std::getenv("YACHT_SOAK_KEYS")) return std::max(1L, std::atol(n));
    return 50000;
}

// What a cell of the row can hold: a category at most 50, a total or a bonus sum never below 0.
bool withinRow(int row, ScoreCell cell)
{
    if (!cell) return true;
    return *cell >= 0 && (row < 1 || row > kCategories || *cell <= 50);
}

int cardTotal(const Game& g, int p)
{
    int total = 0, upper = 0;
    for (int r = 1; r <= 13; ++r) {
        total += g.scores[r][p].value_or(0);
        if (r <= 6) upper += g.scores[r][p].value_or(0);
    }
    if (upper >= 63) total += 35;
    return total + g.scores[kBonusRow][p].value_or(0);
}

// Returns a description of the first broken invariant, or "" when all hold.
std::string brokenInvariant(const Yacht& y)
{
    const Game& g = y.game;
    if (!isKnownState(int(g.state))) return "unknown state " + decimal(int(g.state));
    if (g.numPlayers < 0 || g.numPlayers > kMaxPlayers) return "numPlayers out of range";
    if (g.player < 0 || g.player > std::max<int16_t>(g.numPlayers, 0)) return "player out of range";
    if (g.round < 0 || g.round > 14) return "round out of range";
    if (g.roll < 0 || g.roll > 3) return "roll out of range";
    if (g.categoryCursor < 0 || g.categoryCursor > 13) return "categoryCursor out of range";
    if (g.diceCursor < 0 || g.diceCursor > 5) return "diceCursor out of range";
    if (g.state == EngineState::Choosing && g.roll != 3) return "choosing without the third roll";
    for (int i = 0; i < kDice; ++i) {
        if (g.held[i] != 0 && g.held[i] != 1) return "held flag not 0 or 1";
        if (g.dice[i] < 0 || g.dice[i] > 6) return "die shows " + decimal(g.dice[i]);
        if (g.held[i] == 1 && g.dice[i] == 0) return "held die without a face";
    }
    for (int r = 0; r <= 14; ++r)
        for (int p = 1; p <= kMaxPlayers; ++p)
            if (!withinRow(r, g.scores[r][p])) return "score cell " + cellText(g.scores[r][p]);
    // A player's total row matches the card, except for the current player in the middle of a
    // turn, whose shown total already carries a Yacht bonus that the card takes in at the score.
    const bool midTurn = g.state == EngineState::Rolled || g.state == EngineState::Choosing ||
                         g.state == EngineState::Rolling;
    for (int p = 1; p <= g.numPlayers; ++p) {
        if (!g.scores[0][p] || (midTurn && p == g.player)) continue;
        if (*g.scores[0][p] != cardTotal(g, p))
            return "player " + decimal(p) + " total " + cellText(g.scores[0][p]) + " but card " +
                   decimal(cardTotal(g, p));
    }
    return {};
}

TEST(ASoakOfRandomKeysAndClicks, KeepsEveryInvariantAfterEveryTick)
{
    FakeGame f;
    std::mt19937 rng(20261208);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    f.y.game.state = EngineState::Startup;
    windowActivated(f.y.tell);

    const int frequent[] = {keys::Space, keys::Enter, keys::Left, keys::Right, keys::Up,
                            keys::Down,  keys::Digit1, keys::Digit1 + 1, keys::Digit1 + 4,
                            keys::F9,    keys::F2,     keys::F3,  keys::F4};
    const long total = soakKeys();
    for (long n = 0; n < total; ++n) {
        f.voice.speakingReads = int(rng() % 3);
        if (rng() % 3 == 0) f.random.push({int(rng() % 6) + 1, int(rng() % 6) + 1});
        if (f.toolkit.answers.empty()) f.toolkit.answers.push_back(rng() % 2 ? Answer::Ok : Answer::Cancel);

        switch (rng() % 10) {
        case 0: f.post(int(rng() % 255) + 1, int(rng() % 8)); break;  // any key at all
        case 1: postClick(f.y.pendingInput, f.y.game, {ClickTarget::Legend, int(rng() % 9)}); break;
        case 2: postClick(f.y.pendingInput, f.y.game, {ClickTarget::Die, int(rng() % 5)}); break;
        case 3: postClick(f.y.pendingInput, f.y.game, {ClickTarget::SheetRow, int(rng() % 15)}); break;
        case 4: postClick(f.y.pendingInput, f.y.game, {ClickTarget::StatusBox, 0}); break;
        default: {
            const int code = frequent[rng() % std::size(frequent)];
            f.post(code, code == keys::F9 ? 0 : int(rng() % 2));
        }
        }
        // Leaving ends the run; the soak keeps playing.
        if (f.y.pendingInput && actionForInput(*f.y.pendingInput, f.y.game).kind == ActionKind::Leave)
            f.y.pendingInput.reset();

        const int ticks = 1 + int(rng() % 4);
        for (int t = 0; t < ticks; ++t) {
            f.tick();
            const std::string broken = brokenInvariant(f.y);
            ASSERT_EQ(broken, "") << "after key " << n;
        }
        if (f.voice.spoken.size() > 1000) f.voice.spoken.clear();
        if (f.sound.played.size() > 1000) f.sound.played.clear();
    }
}

}  // namespace
}  // namespace yacht::test
