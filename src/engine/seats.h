#pragma once
// Who plays each seat: a person or the computer (and how well it plays), and what each person's
// choices have cost so far against perfect play.

#include <array>
#include <cstdint>

namespace yacht {

// How a seat is played. The computer plays strong (perfectly) or casual (with human-sized slips).
enum class SeatKind : int16_t { Human = 0, Strong = 1, Casual = 2 };

// The seats of the game, indexed 1..8 like the score table's columns (0 unused).
struct Seats {
    static constexpr int kColumns = 9;

    // Asked for while the players are chosen: how many seats, counted from the last, the
    // computer plays, and how well. They become the seats' kinds when the game starts.
    int16_t computers = 0;
    SeatKind strength = SeatKind::Strong;

    std::array<SeatKind, kColumns> kind{};
    // Expected points each person has given up against perfect play, and whether any of their
    // choices was weighed (a game played before the solver's table was ready has none).
    std::array<double, kColumns> cost{};
    std::array<bool, kColumns> tallied{};
    // How many of each person's choices have been weighed in this run (the record tells a choice
    // weighed at nothing from one not weighed); never saved.
    std::array<int16_t, kColumns> weighed{};
    // Someone asked the coach on their turn. The tallies are told (by F4 after the game) and
    // saved only in a game with a computer player or a coach: a game of people who never asked
    // sounds and saves exactly as it always did.
    bool coachAsked = false;

    bool isComputer(int p) const { return p >= 1 && p < kColumns && kind[p] != SeatKind::Human; }
    bool anyComputer() const
    {
        for (int p = 1; p < kColumns; ++p)
            if (isComputer(p)) return true;
        return false;
    }
    bool talliesTold() const { return coachAsked || anyComputer(); }
};

}  // namespace yacht
