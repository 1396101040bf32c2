#include "speech/qt_speechd_voice.h"

#include <algorithm>
#include <csignal>

#include "speech/qt_speechd_link.h"
#include "speech/qt_wait.h"
#include "speech/utterance_tracker.h"

namespace yacht {
namespace {

using Clock = std::chrono::steady_clock;
using speechd::Command;
using speechd::Link;
using speechd::Report;

// How long the voices may take to be listed before the player gets just the default voice.
constexpr auto kListingBound = std::chrono::seconds(20);

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

// Waits a moment for a thread that has been asked to end; one stuck on a silent server is left
// behind, holding only its share of the link.
void finish(std::thread& thread, const std::atomic<bool>& ended, std::chrono::milliseconds grace)
{
    if (!thread.joinable()) return;
    const auto until = Clock::now() + grace;
    while (!ended && Clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (ended)
        thread.join();
    else
        thread.detach();
}

// The speech-dispatcher voice. The connection lives on its own thread; this side, on the
// user-interface thread, only posts commands and reads reports, so it never blocks on the server.
class SpeechdVoice : public Voice {
public:
    SpeechdVoice(std::shared_ptr<Link> link, std::thread worker)
        : link_(std::move(link)), worker_(std::move(worker))
    {
    }

    ~SpeechdVoice() override
    {
        link_->post(Command::quit());
        finish(worker_, link_->connectionEnded, std::chrono::seconds(1));
        finish(lister_, link_->listingEnded, std::chrono::milliseconds(0));  // cannot be cut short
    }

    void speak(const std::string& text, SpeakMode mode) override
    {
        const std::string plain = unwrapMarkup(text);
        if (blank(plain)) return;
        const uint64_t seq = tracker_.handedOver(characters(plain), Clock::now());
        link_->post(Command::say(seq, plain));
        if (mode == SpeakMode::Sync) {
            // The tracker bounds the wait; the outer bound only guards against a clock jump.
            const auto deadline = Clock::now() + std::chrono::minutes(30);
            waitUntil(
                [&] {
                    drain();
                    return tracker_.isDone(seq, Clock::now());
                },
                deadline);
        }
    }

    RunState runningState() override
    {
        drain();
        return tracker_.allDone(Clock::now()) ? RunState::Done : RunState::Speaking;
    }

    void setRate(int rate) override
    {
        link_->post(Command::number(Command::Kind::Rate, std::clamp(rate, -10, 10) * 10));
    }

    void setVolume(int volume) override
    {
        link_->post(Command::number(Command::Kind::Volume, std::clamp(volume, 0, 100) * 2 - 100));
    }

    // Every text is sent with message priority, which already queues after what is said.
    void setPriorityOver() override {}

    void startListingVoices() override
    {
        if (lister_.joinable() || listed_) return;
        listingStarted_ = Clock::now();
        lister_ = std::thread(speechd::listVoices, link_);
    }

    VoiceList voiceList() override
    {
        if (listed_) return VoiceList::Ready;
        if (!lister_.joinable()) return VoiceList::Pending;
        {
            std::lock_guard lock(link_->mutex);
            if (link_->listed) {
                voices_ = link_->voices;
                listed_ = true;
            }
        }
        if (!listed_ && Clock::now() - listingStarted_ > kListingBound) {
            // The server did not list its voices in time: the player keeps its default voice.
            std::lock_guard lock(link_->mutex);
            voices_ = chooseVoices({}, link_->defaultLanguage);
            listed_ = true;
        }
        return listed_ ? VoiceList::Ready : VoiceList::Pending;
    }

    int voiceCount() override
    {
        return voiceList() == VoiceList::Ready ? static_cast<int>(voices_.size()) : 0;
    }

    void selectVoice(int position) override
    {
        if (position == selected_ || voiceList() != VoiceList::Ready) return;
        if (position < 0 || position >= static_cast<int>(voices_.size())) return;
        const VoiceChoice& v = voices_[static_cast<std::size_t>(position)];
        if (!v.name.empty())
            link_->post(Command::named(Command::Kind::Voice, v.name));
        else
            link_->post(Command::named(Command::Kind::Language, v.language));
        selected_ = position;
    }

    std::string voiceDescription(int position) override
    {
        if (voiceList() != VoiceList::Ready) return {};
        if (position < 0 || position >= static_cast<int>(voices_.size())) return {};
        return voices_[static_cast<std::size_t>(position)].description;
    }

private:
    // Takes what the connection and the server have reported into the tracker.
    void drain()
    {
        const auto now = Clock::now();
        for (const Report& r : link_->takeReports()) {
            switch (r.kind) {
            case Report::Kind::Queued: tracker_.queued(r.seq, r.messageId, now); break;
            case Report::Kind::Failed: tracker_.failed(r.seq); break;
            case Report::Kind::Lost: tracker_.forgetAll(); break;
            case Report::Kind::Event: tracker_.event(r.messageId, r.event, now); break;
            }
        }
    }

    std::shared_ptr<Link> link_;
    std::thread worker_;
    std::thread lister_;
    UtteranceTracker tracker_;
    Clock::time_point listingStarted_;
    bool listed_ = false;
    std::vector<VoiceChoice> voices_;
    int selected_ = 0;  // the server's default voice is in use until another is chosen
};

}  // namespace

std::unique_ptr<Voice> openSpeechdVoice(std::chrono::milliseconds bound)
{
    // Writing to a connection the server has closed must fail, not end the program.
    std::signal(SIGPIPE, SIG_IGN);

    auto link = std::make_shared<Link>();
    std::thread worker(speechd::serve, link);
    bool opened = false;
    {
        std::unique_lock lock(link->mutex);
        link->wake.wait_for(lock, bound, [&] { return link->openFinished; });
        opened = link->opened;
    }
    if (!opened) {
        // Not reached in time: the thread closes the connection if it is made later.
        link->post(Command::quit());
        worker.detach();
        return nullptr;
    }
    return std::make_unique<SpeechdVoice>(std::move(link), std::move(worker));
}

}  // namespace yacht
