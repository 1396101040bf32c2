#include "engine/seat_choice.h"

#include <algorithm>

#include "engine/turn_flow.h"

namespace yacht {

void seatPlayers(Game& g)
{
    Seats& s = g.seats;
    s.computers = std::min(s.computers, g.numPlayers);
    for (int p = 1; p < Seats::kColumns; ++p) {
        const bool computer = p <= g.numPlayers && p > g.numPlayers - s.computers;
        s.kind[p] = computer ? s.strength : SeatKind::Human;
        s.cost[p] = 0;
        s.tallied[p] = false;
    }
}

namespace {

void tellComputerCount(Game& g, Teller& tell, Entry entry)
{
    tell({event::ComputerCount{g.seats.computers}, entry});
}

// The game starts with the first turn of round 1, without the request to press the space bar
// that follows a choice made with Enter. A computer in seat 1 opens its turn by itself.
void beginAtOnce(Game& g, Teller& tell)
{
    seatPlayers(g);
    g.state = EngineState::WaitSpace;
    g.player = 1;
    g.round = 1;
    if (!g.seats.isComputer(1)) passOrOpenTurn(g, tell, Action::of(ActionKind::Continue));
}

}  // namespace

void choosePlayersAndSeats(Game& g, Teller& tell, Action action)
{
    if (!action.acts()) return;
    if (action.kind == ActionKind::BeginAtOnce) return beginAtOnce(g, tell);
    Seats& s = g.seats;
    if (action.kind == ActionKind::CycleComputers || action.kind == ActionKind::CycleStrength) {
        // As with any key, a count not yet chosen becomes one player.
        g.numPlayers = std::clamp<int16_t>(g.numPlayers, 1, kMaxPlayers);
        if (action.kind == ActionKind::CycleComputers) {
            s.computers = static_cast<int16_t>((s.computers + 1) % (g.numPlayers + 1));
            tellComputerCount(g, tell, Entry::Replacing);
        } else {
            s.strength = s.strength == SeatKind::Casual ? SeatKind::Strong : SeatKind::Casual;
            const event::StrengthChosen strength{s.strength == SeatKind::Casual};
            tell({strength, Entry::Replacing});
        }
        lightPlayerCount(g, tell);
        return;
    }
    choosePlayerCount(g, tell, action);
    s.computers = std::min(s.computers, g.numPlayers);
    // Whoever asked for computer players hears them with the count; nobody else hears a change.
    if (action.kind != ActionKind::StartGame && s.computers > 0)
        tellComputerCount(g, tell, Entry::Joined);
    if (g.state == EngineState::TurnEnd) seatPlayers(g);
}

}  // namespace yacht
