#include "engine/key_actions.h"

#include "engine/computer_turn.h"
#include "engine/key_codes.h"

namespace yacht {
namespace {

using K = ActionKind;

constexpr int kComputersKey = 'C';
constexpr int kStrengthKey = 'S';
constexpr int kCoachKey = 'H';
// Letters for the voice and speed keys, which a terminal may have no code for with their
// modifiers, and for the arrows, which a screen reader may keep for its own review.
constexpr int kNextVoiceKey = 'V';
constexpr int kPreviousVoiceKey = 'B';
constexpr int kSpeedKey = 'R';
constexpr int kNextKey = 'N';
constexpr int kPreviousKey = 'P';
constexpr int kWordingKey = 'W';  // the wording: brief speech or full speech

bool isDigit(int code, int highest)
{
    return code >= keys::Digit1 && code < keys::Digit1 + highest;
}

// The keys that mean the same in every state; None for the others.
Action everywhere(Key key)
{
    switch (key.code) {
    case keys::F1:
        if (key.modifier == 0) return Action::of(K::Help);
        if (key.modifier == keys::Shift) return Action::of(K::NextVoice);
        if (key.modifier == keys::Ctrl) return Action::of(K::PreviousVoice);
        return Action::of(K::NextSpeed);
    case keys::F2: return Action::of(K::ReportDice);
    case keys::F3: return Action::of(K::ReportCategories);
    case keys::F4: return Action::of(K::ReportScore);
    case keys::F5: return Action::of(K::ReportRecord);
    case keys::F6: return Action::of(K::ReportOthersTurns);
    case keys::F9: return Action::of(K::NewGame);
    case keys::F12: return Action::of(K::Leave);
    case kCoachKey: return Action::of(K::Coach);
    case kNextVoiceKey: return key.modifier == 0 ? Action::of(K::NextVoice) : Action{};
    case kPreviousVoiceKey: return key.modifier == 0 ? Action::of(K::PreviousVoice) : Action{};
    case kSpeedKey: return key.modifier == 0 ? Action::of(K::NextSpeed) : Action{};
    case kWordingKey: return Action::of(K::ToggleWording);
    default: return Action{};
    }
}

Action onTheDice(int code, const Game& g)
{
    if (code == keys::Left) return Action::of(K::PreviousDie);
    if (code == keys::Right) return Action::of(K::NextDie);
    if (code == keys::Enter) {
        const int at = g.diceCursor;
        return at >= 1 && at <= kDice ? Action::of(K::ToggleDie, at) : Action::of(K::Hush);
    }
    return Action::of(K::Hush);
}

Action onTheCategories(int code)
{
    if (code == keys::Enter) return Action::of(K::Score);
    if (code >= keys::F1) return Action::of(K::Hush);
    if (code == keys::Right || code == keys::Down) return Action::of(K::NextCategory);
    if (code == keys::Left || code == keys::Up) return Action::of(K::PreviousCategory);
    return Action::of(K::SayCategory);
}

Action onThePlayers(int code)
{
    if (code == kComputersKey) return Action::of(K::CycleComputers);
    if (code == kStrengthKey) return Action::of(K::CycleStrength);
    if (code == keys::Right || code == keys::Down) return Action::of(K::MorePlayers);
    if (code == keys::Left || code == keys::Up) return Action::of(K::FewerPlayers);
    if (code == keys::Enter) return Action::of(K::StartGame);
    return Action::of(K::SayPlayerCount);
}

}  // namespace

Action spaceBarAction(const Game& g)
{
    if (computerTurn(g)) return Action::of(K::Continue);
    switch (g.state) {
    case EngineState::WaitSpace: return Action::of(K::Continue);
    case EngineState::Rolled: return Action::of(K::Throw);
    case EngineState::Choosing: return Action::of(K::SayCategory);
    case EngineState::Players: return Action::of(K::SayPlayerCount);
    default: return Action::of(K::Hush);
    }
}

Action digitAction(int n, const Game& g)
{
    if (computerTurn(g)) return Action::of(K::Hush);
    switch (g.state) {
    case EngineState::Rolled: return n <= kDice ? Action::of(K::ToggleDie, n) : Action::of(K::Hush);
    case EngineState::Choosing: return Action::of(K::SayCategory);
    case EngineState::Players: return Action::of(K::PlayerCount, n);
    default: return Action::of(K::Hush);
    }
}

Action actionFor(Key key, const Game& g)
{
    if (key.code <= 0) return Action{};
    // N and P move as Right and Left do (and, among the categories and the counts, Down and Up).
    if (key.modifier == 0 && key.code == kNextKey) key.code = keys::Right;
    if (key.modifier == 0 && key.code == kPreviousKey) key.code = keys::Left;
    if (keys::isModifierOrLock(key.code)) return Action::of(K::Hush);
    if (const Action a = everywhere(key); a.acts()) return a;
    if (key.code == keys::Space) return spaceBarAction(g);
    if (isDigit(key.code, kMaxPlayers)) return digitAction(key.code - keys::Digit0, g);
    if (computerTurn(g)) return Action::of(key.code == keys::Space ? K::Continue : K::Hush);
    switch (g.state) {
    case EngineState::WaitSpace: return Action::of(key.code == keys::Space ? K::Continue : K::Hush);
    case EngineState::Rolled: return onTheDice(key.code, g);
    case EngineState::Choosing: return onTheCategories(key.code);
    case EngineState::Players: return onThePlayers(key.code);
    default: return Action::of(K::Hush);
    }
}

}  // namespace yacht
