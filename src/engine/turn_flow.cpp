#include "engine/turn_flow.h"

#include <algorithm>

#include "engine/dice_announcement.h"
#include "engine/score_sheet.h"
#include "rules/phrases.h"

namespace yacht {
namespace {

constexpr int kArrowLimit = 6;  // the arrows choose 1 to 6 players; a count reaches 8

const char* const kResuming =
    "Resuming an unfinished game, press function key F 9 if you prefer to start a new game. ";
const char* const kWelcomeBack =
    "Yacht, from Tevrin Software. Resuming an unfinished game. "
    " Press the space bar to continue or press function key F 9 if you prefer to start a new game. ";
// A computer's turn goes on by itself: the space bar would skip it, so it is not asked for.
const char* const kWelcomeBackToComputer =
    "Yacht, from Tevrin Software. Resuming an unfinished game. "
    " Press function key F 9 if you prefer to start a new game. ";

// The players whose columns exist: a count from a damaged saved game never reaches past the table.
int playerCount(const Game& g)
{
    return std::clamp<int>(g.numplayers, 0, kMaxPlayers);
}

// The game is over: the one player hears the score, several hear the winner or the tied winners.
void endgame(Game& g)
{
    g.state = EngineState::Idle;
    g.round = 0;
    g.roll = 0;

    const int count = playerCount(g);
    if (count <= 1) {
        g.saybuf.replace("game over, you scored " + cellText(totalOf(g, 1)));
    } else {
        // A total never drawn counts 0, as an empty cell does in every sum.
        const auto score = [&](int p) { return int(totalOf(g, p).value_or(0)); };
        int best = 0;
        for (int p = 1; p <= count; ++p) best = std::max(best, score(p));
        int winners = 0;
        int winner = 0;
        for (int p = 1; p <= count; ++p) {
            if (score(p) != best) continue;
            ++winners;
            if (winner == 0) winner = p;
        }
        if (winners == 1) {
            g.saybuf.replace("Game over. The winner is player " + decimal(winner) +
                             " with a score of " + decimal(best));
        } else {
            g.saybuf.replace("Game over. We have a " + decimal(winners) +
                             " way tie. The joint winners are");
            bool named = false;
            for (int p = 1; p <= count; ++p) {
                if (score(p) != best) continue;
                if (named) g.saybuf.add(" and");
                g.saybuf.add(" player " + decimal(p));
                named = true;
            }
            g.saybuf.add(" with a score of " + decimal(best));
        }
    }
    g.saybuf.add(" " + phrase::kNewGameOrHelp);
}

// The dice are cleared and the next player comes up, after the last one the first player of the
// next round. True when a new round begins.
bool nextturn(Game& g)
{
    g.held.fill(0);
    g.dice.fill(0);
    if (g.round < 1) g.round = 1;
    ++g.player;
    if (g.player <= g.numplayers) return false;
    g.player = 1;
    ++g.round;
    return true;
}

// The turn is over: the next player (and perhaps the next round) comes up and is announced.
Flow passturn(Game& g)
{
    if (nextturn(g)) {
        if (g.numplayers > 1) {
            scoreboard(g);
            g.saybuf.replace("At the end of the round, the scores are ");
            for (int p = 1; p <= playerCount(g); ++p)
                g.saybuf.add("player " + decimal(p) + " " + cellText(totalOf(g, p)) + ", ");
        }
    }

    if (g.round > kLastRound) {
        endgame(g);
        return Flow::EndTick;
    }
    // A computer's turn begins by itself: nobody is asked for the space bar.
    if (!g.seats.isComputer(g.player))
        g.saybuf.add(g.round == 1 ? " Press the space bar to begin" : " Press the space bar to continue");
    g.state = EngineState::WaitSpace;
    return Flow::EndTick;
}

// The space bar opens the turn: it is announced, the player's card is drawn, the first throw
// is requested and made once the announcement and the rolling sound have been heard.
void openturn(Game& g)
{
    if (g.player == 1) g.saybuf.say("round " + decimal(g.round));
    if (g.numplayers > 1) g.saybuf.add(" player " + decimal(g.player));
    g.saybuf.add(" first roll");
    getcard(g);
    g.saybuf.sound("rolldice");
    g.state = EngineState::Rolling;
    g.roll = 1;
}

bool anyDieToThrow(const Game& g)
{
    for (int16_t face : g.dice)
        if (face == 0) return true;
    return false;
}

// Tells the player where a resumed game stands: the round, the player, the throw, and the dice.
void announceturn(Game& g)
{
    getcard(g);
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
        saydice(g);
}

// Moves a resumed game into the state it continues in.
void adjuststate(Game& g)
{
    if (g.state == EngineState::Players) {
        g.state = EngineState::Idle;
    } else if (g.state == EngineState::TurnEnd && (g.roll == 0 || g.player == 0)) {
        // A turn was scored, or the players were just chosen: the next turn waits for the space
        // bar, and the scores of a finished round are not read out over the welcome.
        nextturn(g);
        g.state = g.round > kLastRound ? EngineState::Idle : EngineState::WaitSpace;
    } else if (g.state != EngineState::Idle) {
        announceturn(g);
    }
}

}  // namespace

Flow turnflow(Game& g, Action action)
{
    if (g.state == EngineState::TurnEnd) return passturn(g);

    if (action.kind != ActionKind::Continue) return Flow::EndTick;
    if (g.round <= kLastRound) {
        openturn(g);
        return Flow::Continue;
    }
    endgame(g);
    return Flow::EndTick;
}

void playersstep(Game& g, Action action)
{
    if (action.kind == ActionKind::MorePlayers) ++g.numplayers;
    if (action.kind == ActionKind::FewerPlayers) --g.numplayers;
    g.numplayers = std::clamp<int16_t>(g.numplayers, 1, kArrowLimit);
    const bool counted = action.kind == ActionKind::PlayerCount && action.number >= 1 &&
                         action.number <= kMaxPlayers;
    if (counted) g.numplayers = static_cast<int16_t>(action.number);

    const bool start = action.kind == ActionKind::StartGame;
    if (!start) g.saybuf.replace(decimal(g.numplayers) + " player" + (g.numplayers > 1 ? "s" : ""));
    if (start || counted) g.state = EngineState::TurnEnd;

    lightcount(g);
}

void lightcount(Game& g)
{
    g.view.litrow = g.numplayers;
}

void resumeturn(Game& g, bool whole)
{
    if (whole) adjuststate(g);
    if (g.state == EngineState::WaitSpace)
        g.saybuf.replace(g.seats.isComputer(g.player) ? kWelcomeBackToComputer : kWelcomeBack);
}

}  // namespace yacht
