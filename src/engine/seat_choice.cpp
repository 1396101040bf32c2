#include "engine/seat_choice.h"

#include <algorithm>

#include "engine/turn_flow.h"

namespace yacht {

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

void chooseplayers(Game& g, Action action)
{
    if (!action.acts()) return;
    Seats& s = g.seats;
    if (action.kind == ActionKind::CycleComputers || action.kind == ActionKind::CycleStrength) {
        // As with any key, a count not yet chosen becomes one player.
        g.numplayers = std::clamp<int16_t>(g.numplayers, 1, kMaxPlayers);
        if (action.kind == ActionKind::CycleComputers) {
            s.computers = static_cast<int16_t>((s.computers + 1) % (g.numplayers + 1));
            g.saybuf.replace(computerCount(s.computers));
        } else {
            s.strength = s.strength == SeatKind::Casual ? SeatKind::Strong : SeatKind::Casual;
            g.saybuf.replace(s.strength == SeatKind::Casual ? "casual" : "strong");
        }
        lightcount(g);
        return;
    }
    playersstep(g, action);
    s.computers = std::min(s.computers, g.numplayers);
    // Whoever asked for computer players hears them with the count; nobody else hears a change.
    if (action.kind != ActionKind::StartGame && s.computers > 0)
        g.saybuf.add(", " + computerCount(s.computers));
    if (g.state == EngineState::TurnEnd) seatplayers(g);
}

}  // namespace yacht
