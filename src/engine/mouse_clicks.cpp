#include "engine/mouse_clicks.h"

#include "engine/computer_turn.h"

namespace yacht {
namespace {

using K = ActionKind;

Action onTheLegend(int index)
{
    static constexpr ActionKind legend[] = {K::Help,        K::ReportDice, K::ReportCategories,
                                            K::ReportScore, K::NewGame,    K::Leave};
    if (index < 3 || index > 8) return Action{};
    return Action::of(legend[index - 3]);
}

Action onADie(int number, const Game& g)
{
    if (number < 1 || number > kDice) return Action{};
    if (computerTurn(g)) return Action::of(K::Hush);
    switch (g.state) {
    case EngineState::Rolled: return Action::of(K::ToggleDie, number);
    case EngineState::Choosing: return Action::of(K::SayCategory);
    case EngineState::Players: return Action::of(K::PlayerCount, number);
    default: return Action::of(K::Hush);
    }
}

Action onARow(int row, const Game& g)
{
    Action a;
    if (g.state == EngineState::Choosing && row >= 1 && row <= kCategories)
        a = Action::of(K::SayCategory, row);
    else if (g.state == EngineState::Players && row >= 1 && row <= 6)
        a = Action::of(K::SayPlayerCount, row);
    // During a computer's turn the categories are the computer's: the click only hushes.
    return a.acts() && computerTurn(g) ? Action::of(K::Hush) : a;
}

Action onTheStatusBox(const Game& g)
{
    // As the space bar, the box cannot ask for a second throw before the first is made and
    // announced.
    if (g.state == EngineState::Rolling) return Action{};
    if (computerTurn(g)) return Action::of(K::Continue);
    switch (g.state) {
    case EngineState::WaitSpace: return Action::of(K::Continue);
    case EngineState::Rolled: return Action::of(K::Throw);
    case EngineState::Choosing: return g.categoryCursor >= 1 ? Action::of(K::Score) : Action::of(K::SayCategory);
    case EngineState::Players: return g.numPlayers >= 1 ? Action::of(K::BeginAtOnce) : Action::of(K::SayPlayerCount);
    default: return Action::of(K::Hush);
    }
}

}  // namespace

Action actionForClick(Click click, const Game& g)
{
    switch (click.target) {
    case ClickTarget::Legend: return onTheLegend(click.index);
    case ClickTarget::Die: return onADie(click.index + 1, g);
    case ClickTarget::SheetRow: return onARow(click.index, g);
    case ClickTarget::StatusBox: return onTheStatusBox(g);
    }
    return Action{};
}

void postClick(PendingInput& pending, const Game& g, Click click)
{
    if (actionForClick(click, g).kind != ActionKind::None) pending = click;
}

}  // namespace yacht
