#include "speech/qt_sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <chrono>

#include "speech/qt_wait.h"
#include "speech/wave_format.h"

namespace yacht {
namespace {

using Clock = std::chrono::steady_clock;

QAudioFormat::SampleFormat sampleFormat(WaveFormat::Sample s)
{
    switch (s) {
    case WaveFormat::Sample::UInt8: return QAudioFormat::UInt8;
    case WaveFormat::Sample::Int16: return QAudioFormat::Int16;
    case WaveFormat::Sample::Int32: return QAudioFormat::Int32;
    case WaveFormat::Sample::Float: return QAudioFormat::Float;
    }
    return QAudioFormat::Int16;
}

// One sound on its way to the device: the samples, and the sink that reads them from memory.
struct Playing {
    QByteArray samples;
    QBuffer buffer;
    std::unique_ptr<QAudioSink> sink;
    bool drained = false;  // the device has taken every sample
    bool failed = false;   // the device stopped with an error
};

// Qt Multimedia's audio sink, reading the samples straight from memory. One sound at a time:
// a new sound stops one still playing in the background.
class QtSoundPlayer : public SoundPlayer {
public:
    void play(const std::string&, const std::vector<uint8_t>& wave, PlayMode mode) override
    {
        playing_.reset();
        const auto format = parseWave(wave);
        if (!format) return;  // not a wave this player knows: silence

        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return;  // no audio server or no device: silence
        QAudioFormat qformat;
        qformat.setSampleRate(format->sampleRate);
        qformat.setChannelCount(format->channels);
        qformat.setSampleFormat(sampleFormat(format->sample));
        if (!device.isFormatSupported(qformat)) return;

        auto p = std::make_unique<Playing>();
        p->samples = QByteArray(reinterpret_cast<const char*>(wave.data() + format->dataOffset),
                                static_cast<qsizetype>(format->dataSize));
        p->buffer.setBuffer(&p->samples);
        p->buffer.open(QIODevice::ReadOnly);
        p->sink = std::make_unique<QAudioSink>(device, qformat);
        Playing* raw = p.get();
        QObject::connect(p->sink.get(), &QAudioSink::stateChanged, p->sink.get(),
                         [raw, sink = p->sink.get()](QAudio::State s) {
                             if (s == QAudio::IdleState) raw->drained = true;
                             if (s == QAudio::StoppedState && sink->error() != QAudio::NoError)
                                 raw->failed = true;
                         });
        p->sink->start(&p->buffer);
        if (p->sink->error() != QAudio::NoError) return;
        playing_ = std::move(p);

        if (mode == PlayMode::ToEnd) {
            // The device has taken the last samples a little before they are heard, so the wait
            // also lasts the sound's own length. However the device behaves, the game waits no
            // longer than the sound plus a margin.
            const auto start = Clock::now();
            const auto length =
                std::chrono::milliseconds(static_cast<long long>(format->seconds() * 1000));
            const auto heard = start + length + std::chrono::milliseconds(30);
            waitUntil(
                [raw, heard] { return raw->failed || (raw->drained && Clock::now() >= heard); },
                start + length + std::chrono::seconds(2));
            playing_.reset();
        }
    }

    ~QtSoundPlayer() override { playing_.reset(); }

private:
    std::unique_ptr<Playing> playing_;
};

}  // namespace

std::unique_ptr<SoundPlayer> makeQtSoundPlayer()
{
    return std::make_unique<QtSoundPlayer>();
}

}  // namespace yacht
