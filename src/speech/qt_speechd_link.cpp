#include "speech/qt_speechd_link.h"

#include <libspeechd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <thread>

#include "narration/catalogue.h"

namespace yacht::speechd {
namespace {

using Clock = std::chrono::steady_clock;

// libspeechd's callbacks carry only the client id of their connection; this finds its link.
// Never destroyed, because callbacks may still come while the program ends.
struct Registry {
    std::mutex mutex;
    std::map<std::size_t, std::weak_ptr<Link>> links;
};

Registry& registry()
{
    static Registry* r = new Registry;
    return *r;
}

void onEvent(std::size_t messageId, std::size_t clientId, SPDNotificationType type)
{
    std::shared_ptr<Link> link;
    {
        std::lock_guard lock(registry().mutex);
        const auto it = registry().links.find(clientId);
        if (it != registry().links.end()) link = it->second.lock();
    }
    if (!link) return;
    Report r;
    r.kind = Report::Kind::Event;
    r.messageId = static_cast<long>(messageId);
    if (type == SPD_EVENT_BEGIN)
        r.event = SpeechEvent::Begin;
    else if (type == SPD_EVENT_END)
        r.event = SpeechEvent::End;
    else if (type == SPD_EVENT_CANCEL)
        r.event = SpeechEvent::Cancel;
    else
        return;
    link->report(r);
}

// The settings the server has been given, applied again after a reconnection. Rate and volume
// are the player's own, configured for every program, until the game is asked to change them.
struct Settings {
    std::optional<int> rate;  // relative to the player's own rate
    std::optional<int> volume;
    int ownRate = 0;          // the rate the player configured, as the server reported it
    std::string voice;
    std::string language;

    int absoluteRate() const { return std::clamp(ownRate + rate.value_or(0), -100, 100); }
};

struct Connection {
    SPDConnection* spd = nullptr;
    std::size_t client = 0;
};

Connection open(const std::shared_ptr<Link>& link, const char* name, SPDConnectionMode mode,
                int autospawn)
{
    char* error = nullptr;
    Connection c;
    c.spd = spd_open2("yacht", name, nullptr, mode, nullptr, autospawn, &error);
    std::free(error);
    if (!c.spd || mode != SPD_MODE_THREADED) return c;
    // The game's texts are plain words; markup stays off. This first command also shows the
    // server is still there: libspeechd crashes asking for the client id on a connection the
    // server has already closed (one ending as it is reached, or refusing more clients).
    if (spd_set_data_mode(c.spd, SPD_DATA_TEXT) != 0) {
        spd_close(c.spd);
        return Connection{};
    }
    const int client = spd_get_client_id(c.spd);
    if (client > 0) {
        c.client = static_cast<std::size_t>(client);
        std::lock_guard lock(registry().mutex);
        registry().links[c.client] = link;
    }
    c.spd->callback_begin = onEvent;
    c.spd->callback_end = onEvent;
    c.spd->callback_cancel = onEvent;
    spd_set_notification_on(c.spd, SPD_BEGIN);
    spd_set_notification_on(c.spd, SPD_END);
    spd_set_notification_on(c.spd, SPD_CANCEL);
    return c;
}

void close(Connection& c)
{
    if (!c.spd) return;
    spd_close(c.spd);  // also ends libspeechd's event thread, so no callback follows
    if (c.client) {
        std::lock_guard lock(registry().mutex);
        registry().links.erase(c.client);
    }
    c = Connection{};
}

void apply(SPDConnection* spd, const Settings& s)
{
    if (s.rate) spd_set_voice_rate(spd, s.absoluteRate());
    if (s.volume) spd_set_volume(spd, *s.volume);
    if (!s.language.empty()) spd_set_language(spd, s.language.c_str());
    if (!s.voice.empty()) spd_set_synthesis_voice(spd, s.voice.c_str());
}

}  // namespace

void Link::post(Command c)
{
    {
        std::lock_guard lock(mutex);
        // Texts not yet sent are dropped by a cancel, rather than sent and cut off at once.
        if (c.kind == Command::Kind::Cancel)
            std::erase_if(commands, [](const Command& q) { return q.kind == Command::Kind::Say; });
        commands.push_back(std::move(c));
    }
    wake.notify_all();
}

void Link::report(Report r)
{
    std::lock_guard lock(mutex);
    reports.push_back(r);
    if (reported) reported();
}

void Link::poke()
{
    std::lock_guard lock(mutex);
    if (reported) reported();
}

std::vector<Report> Link::takeReports()
{
    std::lock_guard lock(mutex);
    std::vector<Report> out;
    out.swap(reports);
    return out;
}

void serve(std::shared_ptr<Link> link)
{
    Connection c = open(link, "main", SPD_MODE_THREADED, 1);
    std::string language;
    Settings settings;
    if (c.spd) {
        if (char* answer = spd_get_language(c.spd)) {
            language = answer;
            std::free(answer);
        }
        // The player's own rate is "normal"; the game's speeds step from it.
        settings.ownRate = spd_get_voice_rate(c.spd);
        // A game in another language than English speaks it, and lists that language's voices.
        if (!languageInUse().empty()) {
            settings.language = language = languageInUse();
            apply(c.spd, settings);
        }
    }
    {
        std::lock_guard lock(link->mutex);
        link->opened = c.spd != nullptr;
        link->openFinished = true;
        link->defaultLanguage = language;
    }
    link->wake.notify_all();

    if (!c.spd) link->report(Report::unreachable());

    auto lastAttempt = Clock::time_point{};
    const auto connect = [&] {
        lastAttempt = Clock::now();
        c = open(link, "main", SPD_MODE_THREADED, 1);
        if (c.spd) apply(c.spd, settings);
        return c.spd != nullptr;
    };
    // With no connection, tries again at most every few seconds, so a vanished server costs no
    // time on every text.
    const auto reconnect = [&] {
        return Clock::now() - lastAttempt >= std::chrono::seconds(3) && connect();
    };
    // A connection that was working and broke is made again at once, a few times within a
    // second: a server busy for a moment must not cost the player their voice for the game.
    const auto reconnectAfterLoss = [&] {
        for (const int pause : {0, 100, 300, 600}) {
            std::this_thread::sleep_for(std::chrono::milliseconds(pause));
            if (connect()) return true;
        }
        std::fputs("yacht: the speech server cannot be connected to again\n", stderr);
        return false;
    };
    const auto lost = [&] {
        close(c);
        link->report(Report::lost());
    };

    for (;;) {
        Command cmd;
        {
            std::unique_lock lock(link->mutex);
            link->wake.wait(lock, [&] { return !link->commands.empty(); });
            cmd = std::move(link->commands.front());
            link->commands.pop_front();
        }
        if (cmd.kind == Command::Kind::Quit) break;
        switch (cmd.kind) {
        case Command::Kind::Rate: settings.rate = cmd.value; break;
        case Command::Kind::Volume: settings.volume = cmd.value; break;
        case Command::Kind::Voice: settings.voice = cmd.text; break;
        case Command::Kind::Language:
            settings.language = cmd.text;
            settings.voice.clear();
            break;
        default: break;
        }
        if (!c.spd && !reconnect()) {
            if (cmd.kind == Command::Kind::Say) {
                link->report(Report::unreachable());
                link->report(Report::failed(cmd.seq));
            }
            continue;
        }
        if (cmd.kind != Command::Kind::Say) {
            if (cmd.kind == Command::Kind::Rate) spd_set_voice_rate(c.spd, settings.absoluteRate());
            if (cmd.kind == Command::Kind::Volume) spd_set_volume(c.spd, cmd.value);
            if (cmd.kind == Command::Kind::Voice) spd_set_synthesis_voice(c.spd, cmd.text.c_str());
            if (cmd.kind == Command::Kind::Language) apply(c.spd, settings);
            if (cmd.kind == Command::Kind::Cancel) spd_cancel(c.spd);
            continue;
        }
        // Message priority queues after what is being said and is not cut off by the next text.
        int id = spd_say(c.spd, SPD_MESSAGE, cmd.text.c_str());
        if (id < 0) {
            std::fputs("yacht: the speech server refused a text or closed the connection; "
                       "connecting again\n", stderr);
            lost();
            if (reconnectAfterLoss())
                id = spd_say(c.spd, SPD_MESSAGE, cmd.text.c_str());
            else
                link->report(Report::unreachable());
        }
        if (id < 0) {
            if (c.spd) lost();
            link->report(Report::failed(cmd.seq));
        } else {
            link->report(Report::queued(cmd.seq, id));
        }
    }
    close(c);
    link->connectionEnded = true;
}

void listVoices(std::shared_ptr<Link> link)
{
    std::vector<SynthesisVoice> listed;
    bool reachable = false;
    {
        // The main connection starts the server when none runs; the listing waits for it.
        std::unique_lock lock(link->mutex);
        link->wake.wait(lock, [&] { return link->openFinished; });
        reachable = link->opened;
    }
    // A connection of its own: the listing holds its socket for seconds.
    Connection c = reachable ? open(link, "voices", SPD_MODE_SINGLE, 0) : Connection{};
    if (c.spd) {
        if (SPDVoice** voices = spd_list_synthesis_voices(c.spd)) {
            for (SPDVoice** v = voices; *v; ++v) {
                SynthesisVoice s;
                s.name = (*v)->name ? (*v)->name : "";
                s.language = (*v)->language ? (*v)->language : "";
                s.variant = (*v)->variant ? (*v)->variant : "";
                listed.push_back(std::move(s));
            }
            free_spd_voices(voices);
        }
        close(c);
    }
    std::string language;
    {
        std::lock_guard lock(link->mutex);
        language = link->defaultLanguage;
    }
    auto voices = chooseVoices(listed, language);
    {
        std::lock_guard lock(link->mutex);
        link->voices = std::move(voices);
        link->listed = true;
    }
    link->listingEnded = true;
    link->poke();
}

}  // namespace yacht::speechd
