#include "engine/computer_turn.h"

#include "engine/choosing.h"
#include "engine/game_position.h"
#include "engine/rolling.h"
#include "engine/turn_flow.h"
#include "strategy/casual_player.h"

namespace yacht {
namespace {

// A turn has at most three throws and a score; the skip never needs more steps than this.
constexpr int kMostSteps = 8;

bool casual(const Game& g)
{
    return g.seats.kind[g.player] == SeatKind::Casual;
}

// The parts of the game a computer's moves act on: the game and the solver's plans, the dice,
// the toolkit (a beep), and the turn as the record keeps it.
struct TurnParts {
    Game& game;
    TurnAdvisor& advisor;
    Random& random;
    Toolkit& toolkit;
    TurnLog& log;
    Record& record;
};

// After a throw with throws to come: the dice to hold are held, said, and the rest thrown. Holding
// all five ends the throwing.
void keepAndThrow(const TurnParts& parts, const strategy::TurnPlan& plan, const strategy::Dice& dice, Teller& tell)
{
    Game& g = parts.game;
    const int throwsLeft = 3 - g.roll;
    const strategy::KeepChoice keep = casual(g)
                                          ? strategy::casualKeep(plan, dice, throwsLeft, parts.random.next())
                                          : strategy::bestKeep(plan, dice, throwsLeft);
    applyRolledAction(g, parts.advisor, parts.toolkit, tell, Action::keep(keep.hold));
}

// After the last throw: the category is scored as a person scores it, and said with its player.
void score(const TurnParts& parts, const strategy::TurnPlan& plan, const strategy::Dice& dice, Teller& tell)
{
    Game& g = parts.game;
    const strategy::CategoryChoice choice = casual(g)
                                                ? strategy::casualCategory(plan, dice, parts.random.next())
                                                : strategy::bestCategory(plan, dice);
    if (choice.category < 1) return;
    applyChoosingAction(g, parts.advisor, parts.log, parts.record, tell,
                        Action::of(ActionKind::Score, choice.category));
}

// One move of the turn, told through the given teller; false when there is nothing the computer
// can do in this state.
bool move(const TurnParts& parts, const strategy::TurnPlan& plan, Teller& tell)
{
    Game& g = parts.game;
    if (g.state == EngineState::WaitSpace) return passOrOpenTurn(g, tell, Action::of(ActionKind::Continue)), true;
    if (g.state == EngineState::Rolling) return makePendingThrow(g, parts.random, parts.log, tell), true;
    const std::optional<strategy::Dice> dice = diceOnTable(g);
    if (!dice) return false;
    if (g.state == EngineState::Rolled) return keepAndThrow(parts, plan, *dice, tell), true;
    if (g.state == EngineState::Choosing) return score(parts, plan, *dice, tell), true;
    return false;
}

// Continue (the space bar): the rest of the turn is played at once and only its score is said.
// The moves before the score are told as any (the window still shows their dice), into a queue
// no one hears.
void skipComputerTurn(const TurnParts& parts, Teller& tell)
{
    Game& g = parts.game;
    SpeechQueue unheard;
    Teller quietly{tell.narrator, unheard};
    for (int step = 0; step < kMostSteps && computerTurn(g); ++step) {
        const strategy::TurnPlan* plan = parts.advisor.plan(g);
        if (!plan || !move(parts, *plan, g.state == EngineState::Choosing ? tell : quietly)) break;
    }
}

}  // namespace

Event keptEvent(const Game& g, const std::array<bool, kDice>& hold)
{
    event::ComputerKept kept{.player = g.player, .faces = {}};
    if (const std::optional<strategy::Dice> dice = diceOnTable(g)) kept.faces = heldFaces(*dice, hold);
    return {kept, Entry::Replacing};
}

void playComputerStep(Yacht& y, Action action)
{
    const TurnParts parts{y.game, y.advisor, y.ports.random, y.ports.toolkit, y.turnLog, y.record()};
    TurnAdvisor& advisor = y.advisor;
    if (action.kind == ActionKind::Continue) {
        skipComputerTurn(parts, y.tell);
        advisor.pause.reset(y.ports.clock);
        return;
    }
    // The pending throw is made by the step as for anyone; the other moves wait for quiet.
    if (y.game.state == EngineState::Rolling || !y.toBeHeard.empty() ||
        y.ports.voice.runningState() != RunState::Done) {
        advisor.pause.reset(y.ports.clock);
        return;
    }
    const strategy::TurnPlan* plan = advisor.plan(y.game);
    if (!plan) return advisor.pause.askAgainForTable(y.ports.clock);
    if (advisor.pause.over(y.ports.clock)) move(parts, *plan, y.tell);
}

}  // namespace yacht
