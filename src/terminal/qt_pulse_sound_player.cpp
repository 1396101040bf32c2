#include "terminal/qt_pulse_sound_player.h"

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <pulse/pulseaudio.h>

#include "speech/wave_format.h"

namespace yacht {
namespace {

pa_sample_format_t sampleFormat(WaveFormat::Sample s)
{
    switch (s) {
    case WaveFormat::Sample::UInt8: return PA_SAMPLE_U8;
    case WaveFormat::Sample::Int16: return PA_SAMPLE_S16LE;
    case WaveFormat::Sample::Int32: return PA_SAMPLE_S32LE;
    case WaveFormat::Sample::Float: return PA_SAMPLE_FLOAT32LE;
    }
    return PA_SAMPLE_S16LE;
}

// One sound on its way to the server: its samples and how far they have been handed over.
// Touched only with the main loop's lock held (its callbacks hold it).
struct Playing {
    std::vector<uint8_t> samples;
    std::size_t sent = 0;
    pa_stream* stream = nullptr;
};

// libpulse's threaded main loop runs the connection on a thread of its own; the game's thread
// only takes its lock to start or stop a stream, which never waits on the server. The game is
// told the sound is over once its length and a margin for the server's latency have passed, on
// the game's own event loop, so nothing crosses back from libpulse's thread.
class PulseSoundPlayer : public SoundPlayer {
public:
    PulseSoundPlayer()
    {
        done_.setSingleShot(true);
        QObject::connect(&done_, &QTimer::timeout, [this] { tellFinished(); });
        loop_ = pa_threaded_mainloop_new();
        if (!loop_) return;
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "yacht");
        // No autospawn: a missing server stays missing, and the game plays silently.
        if (!context_ || pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
            pa_threaded_mainloop_start(loop_) < 0) {
            if (context_) pa_context_unref(context_);
            context_ = nullptr;
        }
    }

    ~PulseSoundPlayer() override
    {
        if (!loop_) return;
        pa_threaded_mainloop_stop(loop_);
        stopStream();
        if (context_) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_free(loop_);
    }

    void play(const std::string&, const std::vector<uint8_t>& wave) override
    {
        done_.stop();
        const auto format = parseWave(wave);
        if (!format || !context_) return tellFinished();
        pa_threaded_mainloop_lock(loop_);
        stopStream();
        bool started = false;
        if (pa_context_get_state(context_) == PA_CONTEXT_READY) started = startStream(wave, *format);
        pa_threaded_mainloop_unlock(loop_);
        if (!started) return tellFinished();
        done_.start(std::chrono::milliseconds(static_cast<long long>(format->seconds() * 1000)) + latencyMargin);
    }

private:
    static constexpr std::chrono::milliseconds latencyMargin{120};

    // With the lock held.
    bool startStream(const std::vector<uint8_t>& wave, const WaveFormat& format)
    {
        const pa_sample_spec streamFormat{sampleFormat(format.sample), static_cast<uint32_t>(format.sampleRate),
                                  static_cast<uint8_t>(format.channels)};
        if (!pa_sample_spec_valid(&streamFormat)) return false;
        playing_.samples.assign(wave.begin() + static_cast<std::ptrdiff_t>(format.dataOffset),
                                wave.begin() + static_cast<std::ptrdiff_t>(format.dataOffset + format.dataSize));
        playing_.sent = 0;
        playing_.stream = pa_stream_new(context_, "dice", &streamFormat, nullptr);
        if (!playing_.stream) return false;
        pa_stream_set_write_callback(playing_.stream, &PulseSoundPlayer::feed, &playing_);
        // A short target buffer: the sound is heard within tens of milliseconds of the throw.
        const uint32_t unset = static_cast<uint32_t>(-1);
        const pa_buffer_attr attr{unset, static_cast<uint32_t>(pa_usec_to_bytes(50000, &streamFormat)), unset, unset, unset};
        if (pa_stream_connect_playback(playing_.stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                       nullptr) < 0) {
            stopStream();
            return false;
        }
        return true;
    }

    // With the lock held: hands the server as much as it asks for; once all is handed over, the
    // stream is drained, which also starts a sound shorter than the server's start threshold.
    static void feed(pa_stream* stream, std::size_t wanted, void* data)
    {
        auto* playing = static_cast<Playing*>(data);
        const std::size_t left = playing->samples.size() - playing->sent;
        if (left == 0) return;
        const std::size_t n = std::min(wanted, left);
        pa_stream_write(stream, playing->samples.data() + playing->sent, n, nullptr, 0, PA_SEEK_RELATIVE);
        playing->sent += n;
        if (playing->sent == playing->samples.size()) pa_operation_unref(pa_stream_drain(stream, nullptr, nullptr));
    }

    // With the lock held (or the loop stopped): a sound still playing stops.
    void stopStream()
    {
        if (!playing_.stream) return;
        pa_stream_set_write_callback(playing_.stream, nullptr, nullptr);
        pa_stream_disconnect(playing_.stream);
        pa_stream_unref(playing_.stream);
        playing_.stream = nullptr;
    }

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    Playing playing_;
    QTimer done_;
};

}  // namespace

std::unique_ptr<SoundPlayer> makePulseSoundPlayer()
{
    return std::make_unique<PulseSoundPlayer>();
}

}  // namespace yacht
