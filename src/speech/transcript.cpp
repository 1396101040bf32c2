#include "speech/transcript.h"

namespace yacht {

Transcript::Transcript(std::FILE* out, Clock::time_point start) : out_(out), start_(start) {}

Transcript::~Transcript()
{
    if (out_ && out_ != stdout && out_ != stderr) std::fclose(out_);
}

std::unique_ptr<Transcript> Transcript::open(const std::string& path, Clock::time_point start)
{
    std::FILE* out = path == "-" ? stdout : std::fopen(path.c_str(), "w");
    if (!out) return nullptr;
    return std::make_unique<Transcript>(out, start);
}

void Transcript::write(const std::string& kind, const std::string& text)
{
    // Line breaks inside an item become blanks so that every item stays on one line.
    std::string line = text;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
    std::fprintf(out_, "%lld %s %s\n", static_cast<long long>(ms), kind.c_str(), line.c_str());
    std::fflush(out_);
}

void TranscriptVoice::speak(const std::string& text, SpeakMode mode)
{
    transcript_.write(mode == SpeakMode::Sync ? "say-sync" : "say-async", text);
    inner().speak(text, mode);
}

void TranscriptVoice::stopSpeaking()
{
    transcript_.write("cancel", "");
    inner().stopSpeaking();
}

void TranscriptSoundPlayer::play(const std::string& name, const std::vector<uint8_t>& wave)
{
    transcript_.write("sound", name);
    inner_.play(name, wave);
}

}  // namespace yacht
