#pragma once
// The status caption over the sheet, as the game's state decides it.

#include <cstdint>
#include <optional>

#include "engine/game_state.h"

namespace yacht {

// The captions. `RollDice` is also the caption the window is designed with.
enum class Status : int16_t {
    RollDice,
    GameOver,
    SelectCategory,
    FirstRoll,
    SecondRoll,
    ThirdRoll,
    ChoosePlayers,
    SpaceToBegin,
    SpaceToContinue,
};

// The caption the state calls for, shown at the start of every step; none where the caption
// stays as it was (start-up, a question, the first round's wait for the space bar).
inline std::optional<Status> statusCaption(const Game& g)
{
    switch (g.state) {
    case EngineState::Idle: return Status::GameOver;
    case EngineState::Rolled: return Status::RollDice;
    case EngineState::Choosing: return Status::SelectCategory;
    case EngineState::Rolling:
        return g.roll == 2 ? Status::SecondRoll : g.roll == 3 ? Status::ThirdRoll : Status::FirstRoll;
    case EngineState::Players: return Status::ChoosePlayers;
    case EngineState::TurnEnd: return Status::SpaceToBegin;
    case EngineState::WaitSpace:
        // The first round's wait keeps whatever the caption said before.
        if (g.round >= 2) return Status::SpaceToContinue;
        return std::nullopt;
    default: return std::nullopt;
    }
}

}  // namespace yacht
