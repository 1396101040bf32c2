#include "engine/mouse_clicks.h"

#include "engine/computer_turn.h"
#include "engine/key_actions.h"

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
    return digitAction(number, g);
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
    if (!computerTurn(g)) {
        if (g.state == EngineState::Choosing && g.categoryCursor >= 1) return Action::of(K::Score);
        if (g.state == EngineState::Players && g.numPlayers >= 1) return Action::of(K::BeginAtOnce);
    }
    return spaceBarAction(g);
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
