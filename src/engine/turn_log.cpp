#include "engine/turn_log.h"

#include <algorithm>

namespace yacht {
namespace {

RecordedSeats seatsOf(const Game& g)
{
    RecordedSeats seats;
    seats.players = static_cast<int16_t>(std::clamp<int>(g.numPlayers, 0, kMaxPlayers));
    for (int p = 1; p <= seats.players; ++p) seats.kind[p] = g.seats.kind[p];
    seats.coachAsked = g.seats.coachAsked;
    return seats;
}

// The cells scored before the turn just played: what the record knows a resumed game by.
std::vector<ScoredCell> scoredBefore(const Game& g, const PlayedTurn& turn)
{
    std::vector<ScoredCell> cells;
    for (int p = 1; p <= std::clamp<int>(g.numPlayers, 0, kMaxPlayers); ++p)
        for (int c = 1; c <= kCategories; ++c) {
            if (p == turn.player && c == turn.category) continue;
            if (const ScoreCell cell = g.scores[c][p]) cells.push_back({int16_t(p), int16_t(c), *cell});
        }
    return cells;
}

// What the player's choices gave up since the last note, when any of them was weighed.
std::optional<double> costSinceLastNote(const Game& g, TurnLog& log)
{
    if (!isPlayerColumn(g.player)) return std::nullopt;
    const double cost = g.seats.cost[g.player];
    const int16_t weighed = g.seats.weighed[g.player];
    std::optional<double> spent;
    if (weighed != log.weighedBefore) spent = std::max(0.0, cost - log.costBefore);
    log.costBefore = cost;
    log.weighedBefore = weighed;
    return spent;
}

// The people whose final score beats the best finished game of a person the record knew before.
std::vector<int16_t> newBestScores(const Game& g, Record& record, const std::vector<int16_t>& finals)
{
    const std::optional<RecordSummary> before = record.summary();
    if (!before || before->personScores == 0) return {};
    std::vector<int16_t> players;
    for (std::size_t i = 0; i < finals.size(); ++i) {
        const int p = int(i) + 1;
        if (!g.seats.isComputer(p) && finals[i] > before->bestScore) players.push_back(int16_t(p));
    }
    return players;
}

}  // namespace

void noteThrow(const Game& g, TurnLog& log)
{
    PlayedTurn& turn = log.turn;
    if (turn.round != g.round || turn.player != g.player) {
        turn = PlayedTurn{};
        turn.round = g.round;
        turn.player = g.player;
    }
    RecordedThrow thrown;
    thrown.roll = static_cast<int8_t>(std::clamp<int>(g.roll, 1, 3));
    for (int i = 0; i < kDice; ++i) {
        thrown.faces[i] = static_cast<int8_t>(g.dice[i]);
        thrown.kept[i] = thrown.roll > 1 && g.held[i] == 1;
    }
    const std::optional<double> spent = costSinceLastNote(g, log);
    if (!turn.throws.empty()) thrown.keepCost = spent;
    // A turn's throws come in order; one that repeats a number belongs to a turn begun again.
    if (!turn.throws.empty() && turn.throws.back().roll >= thrown.roll) turn.throws.clear();
    turn.throws.push_back(thrown);
}

void noteScored(Game& g, TurnLog& log, Record& record, int c)
{
    PlayedTurn turn = std::move(log.turn);
    log.turn = PlayedTurn{};
    if (turn.round != g.round || turn.player != g.player) {
        turn = PlayedTurn{};
        turn.round = g.round;
        turn.player = g.player;
    }
    turn.category = static_cast<int16_t>(c);
    turn.points = isPlayerColumn(g.player) ? g.scores[c][g.player].value_or(0) : 0;
    turn.categoryCost = costSinceLastNote(g, log);

    if (g.round == 1 && g.player == 1) {
        record.gameBegun(seatsOf(g));
        log.gameOpen = true;
    } else if (!log.gameOpen) {
        record.gameResumed(seatsOf(g), scoredBefore(g, turn));
        log.gameOpen = true;
    }
    record.turnPlayed(turn, g.seats.coachAsked);

    if (g.round < kLastRound || g.player < g.numPlayers) return;
    std::vector<int16_t> finals;
    for (int p = 1; p <= std::clamp<int>(g.numPlayers, 0, kMaxPlayers); ++p) finals.push_back(totalOf(g, p).value_or(0));
    g.newBestScores = newBestScores(g, record, finals);
    record.gameFinished(finals, g.seats.coachAsked);
    log.gameOpen = false;
}

}  // namespace yacht
