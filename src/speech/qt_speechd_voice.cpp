#include "speech/qt_speechd_voice.h"

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <deque>
#include <optional>
#include <thread>
#include <vector>

#include "speech/qt_speechd_link.h"
#include "speech/qt_speechd_voices.h"
#include "speech/unthrown_dice.h"
#include "speech/utterance_tracker.h"

namespace yacht {
namespace {

using Clock = std::chrono::steady_clock;
using speechd::Command;
using speechd::Link;
using speechd::Report;

// Connecting to a running server takes a millisecond, starting one well under a second; a
// server that has not answered by then is taken as absent.
constexpr auto kConnectBound = std::chrono::seconds(3);

std::size_t characters(const std::string& utf8)
{
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool blank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// The speech-dispatcher voice. The connection lives on its own thread; this side, on the
// user-interface thread, only posts commands and reads reports, so it never blocks on the server.
// When the server cannot be reached or stops answering, the fallback voice takes over for good.
class SpeechdVoice : public Voice {
public:
    SpeechdVoice(std::shared_ptr<Link> link, VoiceMaker fallback)
        : link_(std::move(link)), choices_(link_), makeFallback_(std::move(fallback))
    {
        // The server's notifications arrive on libspeechd's thread and the connection's; each is
        // handed to this thread, where it is read and the game told once everything is said.
        {
            std::lock_guard lock(link_->mutex);
            link_->reported = [this] {
                QMetaObject::invokeMethod(&context_, [this] { settle(); }, Qt::QueuedConnection);
            };
        }
        worker_ = std::thread(speechd::serve, link_);
        lookAgain_.setSingleShot(true);
        QObject::connect(&lookAgain_, &QTimer::timeout, &context_, [this] { settle(); });
        // A server that takes the connection and never answers is given up on after the bound.
        QTimer::singleShot(kConnectBound + std::chrono::milliseconds(5), &context_, [this] { settle(); });
    }

    ~SpeechdVoice() override
    {
        {
            std::lock_guard lock(link_->mutex);
            link_->reported = nullptr;
        }
        link_->post(Command::quit());
        // The thread closes the connection at once, unless a silent server holds it; then it is
        // left behind, holding only its share of the link.
        const auto until = Clock::now() + std::chrono::seconds(1);
        while (!link_->connectionEnded && Clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (link_->connectionEnded)
            worker_.join();
        else
            worker_.detach();
    }

    void speak(const std::string& text, SpeakMode mode) override
    {
        if (failedOver()) return fallback_->speak(text, mode);
        const std::string plain = unthrownDiceNamed(text);
        if (blank(plain)) return tellListener();
        releaseHeld();
        // speech-dispatcher 0.12 can lose the end of a text said while it lists its voices, and
        // the game would wait out the text's whole bound in silence: a text handed over meanwhile
        // waits until the listing is over (well under a second on a machine that is not loaded).
        if (choices_.listing()) {
            if (held_.empty())
                QTimer::singleShot(speechd::VoiceChoices::kBound + std::chrono::milliseconds(5), &context_,
                                   [this] { settle(); });
            held_.push_back(plain);
            return;
        }
        handOver(plain);
    }

    RunState runningState() override
    {
        if (failedOver()) return fallback_->runningState();
        releaseHeld();
        if (!held_.empty()) return RunState::Speaking;
        return tracker_.allDone(Clock::now()) ? RunState::Done : RunState::Speaking;
    }

    void setRate(int rate) override
    {
        rate_ = std::clamp(rate, -10, 10);
        if (failedOver()) return fallback_->setRate(rate_);
        // A tenth of the server's scale per step, from the rate the player configured.
        link_->post(Command::number(Command::Kind::Rate, rate_ * 10));
    }

    void setVolume(int volume) override
    {
        volume_ = std::clamp(volume, 0, 100);
        if (failedOver()) return fallback_->setVolume(*volume_);
        link_->post(Command::number(Command::Kind::Volume, *volume_ * 2 - 100));
    }

    void stopSpeaking() override
    {
        if (failedOver()) return fallback_->stopSpeaking();
        // What was handed over counts as said: the game goes on at once, and the server's
        // cancel notifications for those texts are no longer waited for.
        tracker_.forgetAll();
        lookAgain_.stop();
        undelivered_.clear();
        held_.clear();
        link_->post(Command::cancel());
        tellListener();
    }

    // Every text is sent with message priority, which already queues after what is said and is
    // not cut off by the next text.
    void setPriorityOver() override
    {
        if (failedOver()) fallback_->setPriorityOver();
    }

    // Asked while a text is being said, the listing waits until the server has fallen quiet (the
    // game asks again as it goes on): a server that plays the synthesiser's sound itself
    // (speech-dispatcher 0.12) can lose the end of the text being said when the synthesiser is
    // asked for its voices meanwhile, and the game would wait for that end in vain.
    void startListingVoices() override
    {
        if (failedOver()) return fallback_->startListingVoices();
        if (!tracker_.allDone(Clock::now())) return;
        choices_.start();
    }

    VoiceList voiceList() override
    {
        return failedOver() ? fallback_->voiceList() : choices_.state();
    }

    int voiceCount() override { return failedOver() ? fallback_->voiceCount() : choices_.count(); }

    void selectVoice(int position) override
    {
        if (failedOver()) return fallback_->selectVoice(position);
        choices_.select(position);
    }

    // A name is speech-dispatcher's own: it means nothing to the fallback, whose voices the game
    // chooses among once they are listed.
    void selectVoiceByName(const std::string& name) override
    {
        if (failedOver()) return fallback_->selectVoiceByName(name);
        choices_.selectByName(name);
    }

    std::string voiceName(int position) override
    {
        return failedOver() ? fallback_->voiceName(position) : choices_.name(position);
    }

    std::string voiceLanguage(int position) override
    {
        return failedOver() ? fallback_->voiceLanguage(position) : choices_.language(position);
    }

    std::string voiceDescription(int position) override
    {
        return failedOver() ? fallback_->voiceDescription(position) : choices_.description(position);
    }

    std::string engineName() override
    {
        return failedOver() ? fallback_->engineName() : std::string("speechd");
    }

    SpeedSetting speedSetting() override
    {
        return failedOver() ? fallback_->speedSetting() : SpeedSetting::Game;
    }

    void listen(std::function<void()> listener) override
    {
        Voice::listen(listener);
        if (fallback_) fallback_->listen(std::move(listener));
    }

private:
    struct Text {
        uint64_t seq;
        std::string text;
    };

    // Reads what the server has reported and tells the game once everything is said; the
    // voices' listing is news too.
    void settle()
    {
        const bool quiet = runningState() == RunState::Done;
        const bool listedNow = !listedTold_ && voiceList() == VoiceList::Ready;
        listedTold_ = listedTold_ || listedNow;
        if (quiet || listedNow) tellListener();
    }

    // Takes what the connection and the server have reported; true once the fallback speaks.
    bool failedOver()
    {
        if (fallback_) return true;
        const auto now = Clock::now();
        bool unreachable = false;
        std::vector<uint64_t> refused;
        for (const Report& r : link_->takeReports()) {
            switch (r.kind) {
            case Report::Kind::Queued:
                delivered(r.seq);
                tracker_.queued(r.seq, r.messageId, now);
                break;
            case Report::Kind::Failed:
                refused.push_back(r.seq);
                tracker_.failed(r.seq);
                break;
            case Report::Kind::Lost: tracker_.forgetAll(); break;
            case Report::Kind::Unreachable: unreachable = true; break;
            case Report::Kind::Event: tracker_.event(r.messageId, r.event, now); break;
            }
        }
        tracker_.allDone(now);  // gives up on texts that outlived their bound
        lookAgainAtTheNextBound();
        const char* why = nullptr;
        if (unreachable) why = "cannot be reached";
        if (tracker_.unresponsive()) why = "did not tell the end of two texts in a row in time";
        if (!why && now - created_ >= kConnectBound) {
            std::lock_guard lock(link_->mutex);
            if (!link_->openFinished) why = "took the connection and never answered";
        }
        if (!why) {
            // A text the server refused while it could still be reached is not said again.
            for (uint64_t seq : refused) delivered(seq);
            return false;
        }
        // One line for the player's log: why the voice has changed.
        std::fprintf(stderr, "yacht: the speech server %s; the built-in voice speaks from now on\n", why);
        failOver();
        return true;
    }

    void handOver(const std::string& plain)
    {
        const uint64_t seq = tracker_.handedOver(characters(plain), Clock::now());
        undelivered_.push_back({seq, plain});
        link_->post(Command::say(seq, plain));
        lookAgainAtTheNextBound();
    }

    // Hands over, in order, the texts that waited for the voices' listing once it is over.
    void releaseHeld()
    {
        if (held_.empty() || choices_.listing()) return;
        std::deque<std::string> waiting;
        waiting.swap(held_);
        for (const std::string& plain : waiting) handOver(plain);
    }

    // Should the server never tell of a text's end, it counts as said once its bound is over; the
    // bound moves when the server tells of the text's beginning, or when it waits behind others,
    // so the voice looks again at whichever bound comes next, and tells the game then.
    void lookAgainAtTheNextBound()
    {
        const auto next = tracker_.nextDeadline();
        if (!next) return lookAgain_.stop();
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now());
        lookAgain_.start(std::max(wait, std::chrono::milliseconds(0)) + std::chrono::milliseconds(5));
    }

    void delivered(uint64_t seq)
    {
        std::erase_if(undelivered_, [seq](const Text& t) { return t.seq == seq; });
    }

    // The server cannot be reached, or has stopped answering: the fallback voice says what the
    // server was never given, and everything from now on.
    void failOver()
    {
        link_->post(Command::quit());
        fallback_ = makeFallback_();
        fallback_->listen([this] { tellListener(); });
        if (rate_ != 0) fallback_->setRate(rate_);
        if (volume_) fallback_->setVolume(*volume_);
        for (const Text& t : undelivered_) fallback_->speak(t.text, SpeakMode::Async);
        for (const std::string& plain : held_) fallback_->speak(plain, SpeakMode::Async);
        undelivered_.clear();
        held_.clear();
        tracker_.forgetAll();
        tellHandover();
    }

    QObject context_;  // where the server's news is handed to the user-interface thread
    std::shared_ptr<Link> link_;
    std::thread worker_;
    speechd::VoiceChoices choices_;
    VoiceMaker makeFallback_;
    std::unique_ptr<Voice> fallback_;
    UtteranceTracker tracker_;
    QTimer lookAgain_;  // fires at the next text's bound
    std::deque<Text> undelivered_;  // handed over, not yet accepted or refused by the server
    std::deque<std::string> held_;  // waiting for the voices' listing to end
    Clock::time_point created_ = Clock::now();
    bool listedTold_ = false;     // the game has been told the voices are listed
    int rate_ = 0;                // relative to the player's own rate
    std::optional<int> volume_;   // never set by the game: the player's own volume stays
};

}  // namespace

std::unique_ptr<Voice> openSpeechdVoice(VoiceMaker fallback)
{
    // Writing to a connection the server has closed must fail, not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    return std::make_unique<SpeechdVoice>(std::make_shared<Link>(), std::move(fallback));
}

}  // namespace yacht
