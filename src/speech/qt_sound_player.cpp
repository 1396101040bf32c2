#include "speech/qt_sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "speech/wave_format.h"

namespace yacht {
namespace {

using Clock = std::chrono::steady_clock;

// How much of the sound is handed to the sound server ahead of what is heard (it keeps about
// half as much queued).
constexpr qint64 kStoreAhead = 2'000'000;  // microseconds

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
    bool told = false;  // the game has been told the sound is over
};

// Qt Multimedia's audio sink, reading the samples straight from memory. One sound at a time:
// a new sound stops one still playing. The game is told once the sound has been heard: the
// device has taken the last samples a little before they are heard, so the end also waits for
// the sound's own length. However the device behaves, the end comes no later than the sound
// plus a margin, and a sound that cannot be played ends at once.
class QtSoundPlayer : public SoundPlayer {
public:
    void play(const std::string&, const std::vector<uint8_t>& wave) override
    {
        playing_.reset();
        const auto format = parseWave(wave);
        if (!format) return tellFinished();  // not a wave this player knows: silence

        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return tellFinished();  // no audio server or no device: silence
        QAudioFormat qformat;
        qformat.setSampleRate(format->sampleRate);
        qformat.setChannelCount(format->channels);
        qformat.setSampleFormat(sampleFormat(format->sample));
        if (!device.isFormatSupported(qformat)) return tellFinished();

        auto p = std::make_unique<Playing>();
        p->samples = QByteArray(reinterpret_cast<const char*>(wave.data() + format->dataOffset),
                                static_cast<qsizetype>(format->dataSize));
        p->buffer.setBuffer(&p->samples);
        p->buffer.open(QIODevice::ReadOnly);
        p->sink = std::make_unique<QAudioSink>(device, qformat);
        // Qt leaves the sound server a tenth of a second of samples or less (70 ms with Qt 6.8),
        // and on a busy machine the rattle then breaks up. The samples are in memory, so a
        // larger store costs nothing: the sound starts as soon, and ends when its length says.
        p->sink->setBufferSize(std::min<qsizetype>(p->samples.size(), qformat.bytesForDuration(kStoreAhead)));
        Playing* raw = p.get();
        QAudioSink* sink = p->sink.get();
        const auto start = Clock::now();
        const auto length = std::chrono::milliseconds(static_cast<long long>(format->seconds() * 1000));
        const auto heard = start + length + std::chrono::milliseconds(30);
        const auto finish = [this, raw] {
            if (raw->told) return;
            raw->told = true;
            tellFinished();
        };
        QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink, heard, finish](QAudio::State s) {
            if (s == QAudio::IdleState) {
                const auto left = std::chrono::ceil<std::chrono::milliseconds>(heard - Clock::now());
                QTimer::singleShot(std::max(left, std::chrono::milliseconds(0)), sink, finish);
            }
            if (s == QAudio::StoppedState && sink->error() != QAudio::NoError) finish();
        });
        QTimer::singleShot(length + std::chrono::seconds(2), sink, finish);
        sink->start(&p->buffer);
        if (sink->error() != QAudio::NoError) return tellFinished();
        playing_ = std::move(p);
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
