#pragma once
// Hand-written fakes of every port: they record what the game asked and can be scripted.

#include <deque>
#include <functional>
#include <utility>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/key_input.h"
#include "engine/yacht.h"
#include "narration/narrator.h"
#include "narration/sequencer.h"
#include "persist/drive_info.h"
#include "persist/settings_store.h"
#include "persist/user_storage.h"
#include "screen/board.h"
#include "screen/view_keeper.h"
#include "support/speech_text.h"

namespace yacht::test {

// A die's face from the character a test writes for it: '1' to '6', or '?' (0) before a throw.
inline int16_t faceOf(char c)
{
    return c >= '1' && c <= '6' ? int16_t(c - '0') : int16_t(0);
}

// One thing handed to the voice.
struct Spoken {
    std::string text;  // without the markup wrapper
    SpeakMode mode;
};

// A voice that reports Speaking for a scripted number of reads after each asynchronous item.
class FakeVoice : public Voice {
public:
    int speakingReads = 0;  // reads of the running state that report Speaking after an Async item
    bool broken = false;    // a broken voice says nothing and is always done
    std::vector<Spoken> spoken;
    std::vector<std::string> descriptions{"Voice one"};
    VoiceList list = VoiceList::Ready;
    int selected = -1;
    int rate = 0;
    int volume = 0;
    int priorityOverCalls = 0;
    int listingRequests = 0;  // calls of startListingVoices
    int stops = 0;            // calls of stopSpeaking
    int rateCalls = 0;
    int volumeCalls = 0;
    std::vector<std::string> names;  // the engine's names of the voices, by position
    std::vector<std::string> languages;  // the languages of the voices, by position
    std::string selectedByName;      // the last voice chosen by name
    std::size_t spokenBeforeName = 0;  // texts spoken before that choice
    std::string engine = "speechd";    // the engine speaking; handOverTo changes it for a fall-back
    SpeedSetting speeds = SpeedSetting::Game;
    std::vector<std::string>* heard = nullptr;  // "sync TEXT" / "async TEXT", shared with the sound
    std::function<void()> whileSpeakingSync;    // run once, as the next synchronous text is said

    void speak(const std::string& text, SpeakMode mode) override;
    RunState runningState() override;
    void setRate(int r) override
    {
        rate = r;
        ++rateCalls;
    }
    void setVolume(int v) override
    {
        volume = v;
        ++volumeCalls;
    }
    void setPriorityOver() override { ++priorityOverCalls; }
    void stopSpeaking() override
    {
        ++stops;
        remaining_ = 0;
    }
    void startListingVoices() override { ++listingRequests; }
    VoiceList voiceList() override { return list; }
    int voiceCount() override { return list == VoiceList::Ready ? int(descriptions.size()) : 0; }
    void selectVoice(int position) override { selected = position; }
    std::string voiceDescription(int position) override;
    std::string voiceName(int position) override
    {
        return position >= 0 && position < int(names.size()) ? names[position] : std::string();
    }
    std::string voiceLanguage(int position) override
    {
        return position >= 0 && position < int(languages.size()) ? languages[position] : std::string();
    }
    void selectVoiceByName(const std::string& name) override
    {
        selectedByName = name;
        spokenBeforeName = spoken.size();
    }

    std::string engineName() override { return engine; }
    // Another engine takes over, as speech-dispatcher hands over to the built-in voice.
    void handOverTo(std::string name)
    {
        engine = std::move(name);
        tellHandover();
    }
    SpeedSetting speedSetting() override { return speeds; }

    // The texts spoken so far, in order.
    std::vector<std::string> texts() const;
    std::string last() const { return spoken.empty() ? std::string() : spoken.back().text; }
    bool busy() const { return remaining_ > 0; }

private:
    int remaining_ = 0;
};

// One sound handed to the player.
struct Played {
    std::string name;
    std::size_t bytes;
};

class FakeSound : public SoundPlayer {
public:
    std::vector<Played> played;
    std::vector<std::string>* heard = nullptr;  // "sound NAME", shared with the voice
    std::function<void()> whilePlaying;         // run once, while the next sound plays
    void play(const std::string& name, const std::vector<uint8_t>& wave) override
    {
        played.push_back({name, wave.size()});
        if (heard) heard->push_back("sound " + name);
        if (whilePlaying) std::exchange(whilePlaying, nullptr)();
        tellFinished();
    }
};

// A clock turned by hand: calls are made, in the order they fall due, as time is advanced.
class FakeClock : public Clock {
public:
    std::chrono::milliseconds now{0};
    Ticket after(std::chrono::milliseconds delay, std::function<void()> call) override;
    void cancel(Ticket ticket) override { calls_.erase(ticket); }
    // Moves time on, making every call that falls due on the way.
    void advance(std::chrono::milliseconds by);
    // How many calls wait to be made.
    std::size_t waiting() const { return calls_.size(); }

private:
    struct Call {
        std::chrono::milliseconds due;
        std::function<void()> call;
    };
    std::map<Ticket, Call> calls_;
    Ticket last_ = 0;
};

// Resources by "TYPE/NAME" in capitals; lookups ignore case as the real ones do.
class FakeResources : public Resources {
public:
    std::map<std::string, std::vector<uint8_t>> items;
    void add(const std::string& type, const std::string& name, const std::string& bytes);
    std::optional<std::vector<uint8_t>> load(const std::string& type,
                                             const std::string& name) override;
};

class FakeStore : public SettingsStore {
public:
    std::map<std::string, std::string> values;  // "application/section/key"
    bool refuseWrites = false;
    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& fallback) override;
    bool set(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
};

class FakeDrive : public DriveInfo {
public:
    std::string bus;
    DriveType type = DriveType::Fixed;
    bool canWrite = true;
    std::string busType(const std::string&) override { return bus; }
    DriveType driveType(const std::string&) override { return type; }
    bool writable(const std::string&) override { return canWrite; }
};

// The player's answer to the new-game question, as a test scripts it.
enum class Answer { Ok, Cancel };

class FakeToolkit : public Toolkit {
public:
    int beeps = 0;
    bool quit = false;
    std::deque<Answer> answers;  // scripted answers; Cancel when none is left
    std::vector<std::string> questions;
    Size screen{8010 + 120, 5610 + 405};
    Size window{8010 + 120, 5610 + 405};

    void beep() override { ++beeps; }
    // Asks as the window's box would: the next scripted answer, Cancel when none is left.
    Answer askOkCancel(const std::string& text);
    void quitNow() override { quit = true; }
    Size screenSize() override { return screen; }
    Size windowOuterSize() override { return window; }
};

// Dice by face: each queued face f gives the number (f - 1) / 6 + a little.
class ScriptedRandom : public Random {
public:
    std::deque<int> faces;
    int draws = 0;
    void push(std::initializer_list<int> f) { faces.insert(faces.end(), f); }
    double next() override;
};

// The whole set of fakes wired into one game, told in the game's own words or in the given
// phrase books (which must outlive it).
struct FakeGame {
    FakeGame() = default;
    FakeGame(const PhraseBook& full, const PhraseBook& brief, Wording start) : narrator(full, brief, start) {}

    FakeVoice voice;
    FakeSound sound;
    FakeResources resources;
    FakeStore store;
    FakeDrive drive;
    FakeToolkit toolkit;
    ScriptedRandom random;
    FakeClock clock;
    UserStorage storage{store, drive};  // the real storage, over the fake store and drive
    Narrator narrator;
    ViewFacts view;  // what the window would show, kept from the events as a front end keeps it
    ViewKeeper keeper{narrator, view};
    Yacht y{Ports{voice, sound, resources, storage, toolkit, random, clock, keeper}};
    Sequencer sequencer{y};

    // Posts a key as the key handler would, without a tick.
    void post(int code, int modifier = 0) { recordKeyPress(y.pendingInput, y.game, y.ports.voice, code, modifier); }
    // Posts a key and runs one tick.
    void press(int code, int modifier = 0);
    // A tick of 100 ms: the clock moves on (making the calls due) and the game takes a step.
    void tick();
    // Runs ticks until the queue is empty and the voice is done (at most the given number).
    void settle(int maxTicks = 100);
    // The dice faces as the window shows them, a string of five characters.
    std::string dice() const;
    // The board as the window draws it: the captions that mirror the game brought in step.
    Board shown() const;
};

// The narrator for steps a test calls directly, with the game's own words.
Narrator& narrator();

// The board of a game as the window draws it.
Board shownBoard(const Yacht& y);

}  // namespace yacht::test
