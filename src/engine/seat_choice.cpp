#include "engine/seat_choice.h"

#include <algorithm>

#include "engine/key_codes.h"
#include "engine/turn_flow.h"

namespace yacht {
namespace {

constexpr int kComputersKey = 'C';
constexpr int kStrengthKey = 'S';

}  // namespace

void seatplayers(Game& g)
{
    Seats& s = g.seats;
    s.computers = std::min(s.computers, g.numplayers);
    for (int p = 1; p < Seats::kColumns; ++p) {
        const bool computer = p <= g.numplayers && p > g.numplayers - s.computers;
        s.kind[p] = computer ? s.strength : SeatKind::Human;
        s.cost[p] = 0;
        s.tallied[p] = false;
    }
}

std::string computerCount(int computers)
{
    if (computers <= 0) return "no computer players";
    return decimal(computers) + (computers == 1 ? " computer player" : " computer players");
}

void chooseplayers(Game& g, Key key)
{
    Seats& s = g.seats;
    if (key.code == kComputersKey || key.code == kStrengthKey) {
        // As with any key, a count not yet chosen becomes one player.
        g.numplayers = std::clamp<int16_t>(g.numplayers, 1, kMaxPlayers);
        if (key.code == kComputersKey) {
            s.computers = static_cast<int16_t>((s.computers + 1) % (g.numplayers + 1));
            g.saybuf.replace(computerCount(s.computers));
        } else {
            s.strength = s.strength == SeatKind::Casual ? SeatKind::Strong : SeatKind::Casual;
            g.saybuf.replace(s.strength == SeatKind::Casual ? "casual" : "strong");
        }
        lightcount(g);
        return;
    }
    playersstep(g, key);
    s.computers = std::min(s.computers, g.numplayers);
    // Whoever asked for computer players hears them with the count; nobody else hears a change.
    if (key.code != keys::Enter && s.computers > 0) g.saybuf.add(", " + computerCount(s.computers));
    if (g.state == EngineState::TurnEnd) seatplayers(g);
}

}  // namespace yacht
