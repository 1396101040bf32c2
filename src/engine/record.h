#pragma once
// The record port: every game as it is played, turn by turn, kept beyond the game, and what the
// game hears back from it (best scores and statistics for F5, the turns of this game for F6).

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/seats.h"

namespace yacht {

// One throw of a turn: the five faces after it and which of them were kept from the throw before
// (nothing is kept at the first throw).
struct RecordedThrow {
    int8_t roll = 1;  // the throw's number in the turn, 1..3
    std::array<int8_t, 5> faces{};
    std::array<bool, 5> kept{};
    // What the keep before this throw gave up against perfect play, when it was weighed.
    std::optional<double> keepCost;
    friend bool operator==(const RecordedThrow&, const RecordedThrow&) = default;
};

// One turn as it was played, from its first throw to the category scored.
struct PlayedTurn {
    int16_t round = 0;
    int16_t player = 0;
    std::vector<RecordedThrow> throws;  // one to three; fewer when the game was resumed mid-turn
    int16_t category = 0;               // 1..13
    int16_t points = 0;
    std::optional<double> categoryCost;  // what the category gave up, when it was weighed
    friend bool operator==(const PlayedTurn&, const PlayedTurn&) = default;
};

// Who plays each seat of a game, and whether the coach was asked in it.
struct RecordedSeats {
    int16_t players = 0;
    std::array<SeatKind, Seats::kColumns> kind{};  // 1..players
    bool coachAsked = false;
};

// A scored cell of the score table (a category filled by a player), as a resumed game shows it.
struct ScoredCell {
    int16_t player = 0;
    int16_t category = 0;
    int16_t points = 0;
    friend auto operator<=>(const ScoredCell&, const ScoredCell&) = default;
};

// One of the best scores by people at this account.
struct BestScore {
    int points = 0;
    int64_t endedAt = 0;  // seconds since 1970, UTC
    bool coachAsked = false;
    friend bool operator==(const BestScore&, const BestScore&) = default;
};

// Games won and lost by people against one strength of computer player.
struct AgainstComputer {
    int won = 0;
    int lost = 0;
    friend bool operator==(const AgainstComputer&, const AgainstComputer&) = default;
};

// What the record knows of every finished game, as F5 tells it.
struct RecordSummary {
    std::vector<BestScore> best;  // the five best, best first
    int gamesFinished = 0;        // finished games with at least one person
    int personScores = 0;         // the people's final scores counted in the average
    double averageScore = 0;
    int bestScore = 0;
    int upperBonuses = 0;  // of personScores, how many reached the upper bonus
    int yachtsThrown = 0;  // throws of five alike by people
    std::optional<double> averageCost;  // per weighed choice of a person
    AgainstComputer strong;
    AgainstComputer casual;
    friend bool operator==(const RecordSummary&, const RecordSummary&) = default;
};

// Keeps the games as they are played. Every call returns at once: the writing happens elsewhere,
// and a record that cannot be kept drops it quietly (the game plays on without one).
class Record {
public:
    virtual ~Record() = default;
    // A game begins with its first turn: round 1, player 1.
    virtual void gameBegun(const RecordedSeats& seats) = 0;
    // A resumed game goes on: the record finds its unfinished game by the cells scored so far, or
    // starts one it keeps out of the statistics.
    virtual void gameResumed(const RecordedSeats& seats, const std::vector<ScoredCell>& scored) = 0;
    // A turn ended with a category scored; kept at once.
    virtual void turnPlayed(const PlayedTurn& turn, bool coachAsked) = 0;
    // The last turn has been played: the final scores by player, from player 1.
    virtual void gameFinished(const std::vector<int16_t>& finalScores, bool coachAsked) = 0;
    // The summary of the finished games as last read; none until the record has been read.
    virtual std::optional<RecordSummary> summary() = 0;
    // The turns of the game in play, oldest first.
    virtual std::vector<PlayedTurn> turnsOfThisGame() = 0;
};

// The record of a game played without one: it keeps the game's own turns for F6 and nothing else.
class TurnsOnlyRecord final : public Record {
public:
    void gameBegun(const RecordedSeats&) override { turns_.clear(); }
    void gameResumed(const RecordedSeats&, const std::vector<ScoredCell>&) override { turns_.clear(); }
    void turnPlayed(const PlayedTurn& turn, bool) override { turns_.push_back(turn); }
    void gameFinished(const std::vector<int16_t>&, bool) override {}
    std::optional<RecordSummary> summary() override { return std::nullopt; }
    std::vector<PlayedTurn> turnsOfThisGame() override { return turns_; }

private:
    std::vector<PlayedTurn> turns_;
};

}  // namespace yacht
