#include "engine/turn_advisor.h"

#include "engine/game_position.h"

namespace yacht {

const strategy::TurnPlan* TurnAdvisor::plan(const Game& g)
{
    const strategy::ValueTable* values = table();
    if (!values || g.player < 1 || g.player > kMaxPlayers) return nullptr;
    const strategy::Position position = positionOf(g, g.player);
    if (position.isOver()) return nullptr;
    if (!plan_ || player_ != g.player || !(plan_->position() == position)) {
        plan_ = std::make_shared<const strategy::TurnPlan>(*values, position);
        player_ = g.player;
    }
    return plan_.get();
}

}  // namespace yacht
