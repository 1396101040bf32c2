#include "support/fakes.h"

#include "screen/present.h"

#include <algorithm>
#include <cctype>

#include "engine/key_input.h"
#include "engine/tick.h"

namespace yacht::test {
namespace {

std::string upper(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

void FakeVoice::speak(const std::string& text, SpeakMode mode)
{
    if (broken) return;
    spoken.push_back({text, mode});
    if (heard) heard->push_back((mode == SpeakMode::Sync ? "sync " : "async ") + text);
    if (mode == SpeakMode::Async) remaining_ = speakingReads;
    if (mode == SpeakMode::Sync && whileSpeakingSync) std::exchange(whileSpeakingSync, nullptr)();
}

RunState FakeVoice::runningState()
{
    if (broken || remaining_ <= 0) return RunState::Done;
    --remaining_;
    return RunState::Speaking;
}

std::string FakeVoice::voiceDescription(int position)
{
    if (position < 0 || position >= int(descriptions.size())) return {};
    return descriptions[position];
}

std::vector<std::string> FakeVoice::texts() const
{
    std::vector<std::string> out;
    for (const auto& s : spoken) out.push_back(s.text);
    return out;
}

void FakeResources::add(const std::string& type, const std::string& name, const std::string& bytes)
{
    items[upper(type) + "/" + upper(name)] = std::vector<uint8_t>(bytes.begin(), bytes.end());
}

std::optional<std::vector<uint8_t>> FakeResources::load(const std::string& type,
                                                        const std::string& name)
{
    const auto it = items.find(upper(type) + "/" + upper(name));
    if (it == items.end()) return std::nullopt;
    return it->second;
}

std::string FakeStore::get(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& fallback)
{
    const auto it = values.find(application + "/" + section + "/" + key);
    return it == values.end() ? fallback : it->second;
}

bool FakeStore::set(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& value)
{
    if (refuseWrites) return false;
    values[application + "/" + section + "/" + key] = value;
    return true;
}

Answer FakeToolkit::askOkCancel(const std::string& text)
{
    questions.push_back(text);
    if (answers.empty()) return Answer::Cancel;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

double ScriptedRandom::next()
{
    ++draws;
    int face = 1;
    if (!faces.empty()) {
        face = std::clamp(faces.front(), 1, 6);
        faces.pop_front();
    }
    return (face - 1) / 6.0 + 0.01;
}

void FakeGame::press(int code, int modifier)
{
    post(code, modifier);
    tick();
}

Clock::Ticket FakeClock::after(std::chrono::milliseconds delay, std::function<void()> call)
{
    calls_.emplace(++last_, Call{now + delay, std::move(call)});
    return last_;
}

void FakeClock::advance(std::chrono::milliseconds by)
{
    const auto until = now + by;
    for (;;) {
        auto next = calls_.end();
        for (auto it = calls_.begin(); it != calls_.end(); ++it)
            if (it->second.due <= until && (next == calls_.end() || it->second.due < next->second.due)) next = it;
        if (next == calls_.end()) break;
        now = std::max(now, next->second.due);
        std::function<void()> call = std::move(next->second.call);
        calls_.erase(next);
        call();
    }
    now = until;
}

void FakeGame::tick()
{
    clock.advance(std::chrono::milliseconds(100));
    sequencer.step();
    // The front end asks the question it was raised, and its answer is taken at once.
    if (y.newGameAsked) {
        y.newGameAsked = false;
        const bool ok = toolkit.askOkCancel("Start new game?") == Answer::Ok;
        y.answer = Action::of(ActionKind::AnswerNewGame, ok ? 1 : 0);
        sequencer.step();
    }
}

void FakeGame::settle(int maxTicks)
{
    for (int i = 0; i < maxTicks; ++i) {
        tick();
        if (y.toBeHeard.empty() && !voice.busy() && y.game.state != EngineState::Rolling) return;
    }
}

std::string FakeGame::dice() const
{
    std::string out;
    for (int16_t face : y.game.dice) out += faceText(face);
    return out;
}

Board FakeGame::shown() const
{
    return shownBoard(y);
}

Narrator& narrator()
{
    static Narrator told;
    return told;
}

Board shownBoard(const Yacht& y)
{
    // Every game of the tests tells its events through a keeper of what the window shows.
    const auto& keeper = dynamic_cast<const ViewKeeper&>(y.ports.events);
    Board b = designBoard();
    present(y.game, keeper.view(), b);
    return b;
}

}  // namespace yacht::test
