#pragma once
// The speech-dispatcher connection, kept on a thread of its own: a server that has stopped
// answering can block any call on its socket, and the game's window must never wait on it.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <functional>
#include <thread>
#include <vector>

#include "speech/utterance_tracker.h"
#include "speech/voice_catalogue.h"

namespace yacht::speechd {

// A request the user-interface thread posts to the connection's thread.
struct Command {
    enum class Kind { Say, Rate, Volume, Voice, Language, Cancel, Quit };
    Kind kind = Kind::Say;
    uint64_t seq = 0;   // Say: the number the tracker gave the text
    std::string text;   // Say: the text; Voice: the voice's name; Language: a language code
    int value = 0;      // Rate (relative to the player's own) and Volume, on the server's scale

    static Command say(uint64_t seq, std::string text) { return {Kind::Say, seq, std::move(text), 0}; }
    static Command number(Kind kind, int value) { return {kind, 0, {}, value}; }
    static Command named(Kind kind, std::string text) { return {kind, 0, std::move(text), 0}; }
    static Command quit() { return {Kind::Quit, 0, {}, 0}; }
    static Command cancel() { return {Kind::Cancel, 0, {}, 0}; }
};

// What the connection's thread and libspeechd's event thread report back.
struct Report {
    // Unreachable: no connection could be made, or a lost one could not be made again.
    enum class Kind { Queued, Failed, Lost, Unreachable, Event };
    Kind kind = Kind::Event;
    uint64_t seq = 0;
    long messageId = -1;
    SpeechEvent event = SpeechEvent::End;

    static Report queued(uint64_t seq, long id) { return {Kind::Queued, seq, id, SpeechEvent::End}; }
    static Report failed(uint64_t seq) { return {Kind::Failed, seq, -1, SpeechEvent::End}; }
    static Report lost() { return {Kind::Lost, 0, -1, SpeechEvent::End}; }
    static Report unreachable() { return {Kind::Unreachable, 0, -1, SpeechEvent::End}; }
};

// Everything the threads share; the user-interface thread, the connection's thread, the listing
// thread and libspeechd's callbacks each hold it, so it outlives whichever ends last.
struct Link {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Command> commands;
    std::vector<Report> reports;
    bool opened = false;      // the first connection was made
    bool openFinished = false;
    std::string defaultLanguage;
    bool listed = false;
    std::vector<VoiceChoice> voices;
    std::atomic<bool> connectionEnded{false};
    std::atomic<bool> listingEnded{false};

    // Told, on the thread that reports, that there is news for the user-interface thread (a
    // report, or the voices listed); the voice sets it and hands the news over to its own thread.
    std::function<void()> reported;

    void post(Command c);
    void report(Report r);
    // Tells of news that is not a report: the voices have been listed.
    void poke();
    std::vector<Report> takeReports();
};

// Runs the connection until a Quit command: connects (starting the server when none runs), then
// carries out the commands in order, connecting again at once when a lost connection is noticed.
// Reports Unreachable when no connection can be made.
void serve(std::shared_ptr<Link> link);

// Lists the server's voices on a connection of its own and keeps the player's short list in
// `link->voices`; when the server cannot be asked, the list holds just its default voice.
void listVoices(std::shared_ptr<Link> link);

}  // namespace yacht::speechd
