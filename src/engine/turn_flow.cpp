#include "engine/turn_flow.h"

#include <algorithm>
#include <vector>

#include "engine/dice_announcement.h"
#include "engine/score_sheet.h"

namespace yacht {
namespace {

constexpr int kArrowLimit = 6;  // the arrows choose 1 to 6 players; a count reaches 8

// The players whose columns exist: a count from a damaged saved game never reaches past the table.
int playerCount(const Game& g)
{
    return std::clamp<int>(g.numPlayers, 0, kMaxPlayers);
}

void announceGameOver(Game& g, Teller& tell);

// The game is over: the final scores, then whoever beat every earlier finished game.
void endGame(Game& g, Teller& tell)
{
    announceGameOver(g, tell);
    if (!g.newBestScores.empty()) {
        const bool several = playerCount(g) > 1;
        tell({event::NewBestScore{std::vector<int>(g.newBestScores.begin(), g.newBestScores.end()), several}});
    }
    g.newBestScores.clear();
}

// The one player hears the score, several hear the winner or the tied winners.
void announceGameOver(Game& g, Teller& tell)
{
    g.state = EngineState::Idle;
    g.round = 0;
    g.roll = 0;

    const int count = playerCount(g);
    if (count <= 1) {
        tell({event::GameOverAlone{totalOf(g, 1)}, Entry::Replacing});
        return;
    }
    // A total never drawn counts 0, as an empty cell does in every sum.
    const auto score = [&](int p) { return int(totalOf(g, p).value_or(0)); };
    int best = 0;
    for (int p = 1; p <= count; ++p) best = std::max(best, score(p));
    std::vector<int> winners;
    for (int p = 1; p <= count; ++p)
        if (score(p) == best) winners.push_back(p);
    if (winners.size() == 1)
        tell({event::GameWon{.player = winners.front(), .points = best}, Entry::Replacing});
    else
        tell({event::GameTied{.players = std::move(winners), .points = best}, Entry::Replacing});
}

// The dice are cleared and the next player comes up, after the last one the first player of the
// next round. True when a new round begins.
bool advanceToNextPlayer(Game& g)
{
    g.held.fill(0);
    g.dice.fill(0);
    if (g.round < 1) g.round = 1;
    ++g.player;
    if (g.player <= g.numPlayers) return false;
    g.player = 1;
    ++g.round;
    return true;
}

// The turn is over: the next player (and perhaps the next round) comes up and is announced.
Flow passTurn(Game& g, Teller& tell)
{
    if (advanceToNextPlayer(g)) {
        if (g.numPlayers > 1) {
            showScoreboard(tell);
            event::RoundOver over;
            for (int p = 1; p <= playerCount(g); ++p) over.totals.push_back(totalOf(g, p));
            tell({over, Entry::Replacing});
        }
    }

    if (g.round > kLastRound) {
        endGame(g, tell);
        return Flow::EndTick;
    }
    const event::TurnPassed passed{.round = g.round, .player = g.player, .computer = g.seats.isComputer(g.player)};
    tell({passed, Entry::Joined});
    g.state = EngineState::WaitSpace;
    return Flow::EndTick;
}

// The space bar opens the turn: it is announced, the player's card is drawn, the first throw
// is requested and made once the announcement and the rolling sound have been heard.
void beginTurn(Game& g, Teller& tell)
{
    // The round is said as an item of its own; a later player is named after what is queued.
    const event::ThrowCalled opened{.roll = 1, .round = g.round, .player = g.player, .several = g.numPlayers > 1};
    tell({opened, g.player == 1 ? Entry::After : Entry::Joined});
    showCard(g, tell);
    tell({event::DiceRolling{}});
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
void announceResumedTurn(Game& g, Teller& tell)
{
    showCard(g, tell);
    const event::Resuming resuming{.round = g.round, .player = g.player, .several = g.numPlayers > 1, .roll = g.roll};
    tell({resuming});
    // Dice still to be thrown get the rolling sound; thrown dice are read out.
    if (anyDieToThrow(g))
        tell({event::DiceRolling{}});
    else
        sayDice(g, tell);
}

// Moves a resumed game into the state it continues in.
void settleResumedState(Game& g, Teller& tell)
{
    if (g.state == EngineState::Players) {
        g.state = EngineState::Idle;
    } else if (g.state == EngineState::TurnEnd && (g.roll == 0 || g.player == 0)) {
        // A turn was scored, or the players were just chosen: the next turn waits for the space
        // bar, and the scores of a finished round are not read out over the welcome.
        advanceToNextPlayer(g);
        g.state = g.round > kLastRound ? EngineState::Idle : EngineState::WaitSpace;
    } else if (g.state != EngineState::Idle) {
        announceResumedTurn(g, tell);
    }
}

}  // namespace

Flow passOrOpenTurn(Game& g, Teller& tell, Action action)
{
    if (g.state == EngineState::TurnEnd) return passTurn(g, tell);

    if (action.kind != ActionKind::Continue) return Flow::EndTick;
    if (g.round <= kLastRound) {
        beginTurn(g, tell);
        return Flow::Continue;
    }
    endGame(g, tell);
    return Flow::EndTick;
}

void choosePlayerCount(Game& g, Teller& tell, Action action)
{
    if (action.kind == ActionKind::MorePlayers) ++g.numPlayers;
    if (action.kind == ActionKind::FewerPlayers) --g.numPlayers;
    g.numPlayers = std::clamp<int16_t>(g.numPlayers, 1, kArrowLimit);
    const bool counted = action.kind == ActionKind::PlayerCount && action.number >= 1 &&
                         action.number <= kMaxPlayers;
    if (counted) g.numPlayers = static_cast<int16_t>(action.number);
    const bool named = action.kind == ActionKind::SayPlayerCount && action.number >= 1;
    if (named) g.numPlayers = static_cast<int16_t>(std::min(action.number, kArrowLimit));

    const bool start = action.kind == ActionKind::StartGame;
    if (!start) {
        tell({event::PlayerCount{g.numPlayers}, Entry::Replacing});
    }
    if (start || counted) g.state = EngineState::TurnEnd;

    lightPlayerCount(g, tell);
}

void lightPlayerCount(const Game& g, Teller& tell)
{
    tell({event::RowLit{g.numPlayers}});
}

void continueSavedTurn(Game& g, Teller& tell, bool whole)
{
    if (whole) settleResumedState(g, tell);
    if (g.state == EngineState::WaitSpace) {
        tell({event::WelcomeBack{g.seats.isComputer(g.player)}, Entry::Replacing});
    }
}

}  // namespace yacht
