#include "speech/screen_reader_voice.h"

#include <algorithm>
#include <cctype>

#include "speech/unthrown_dice.h"

namespace yacht {
namespace {

constexpr int kSlowWordsPerMinute = 120;
// From the text handed over to its first word: the screen reader's own work and the synthesiser's.
constexpr std::chrono::milliseconds kLead{150};
// A sentence longer than this is split at its sentence ends.
constexpr size_t kLongText = 160;
// The window's name, which the screen reader says when the window opens.
constexpr const char* kWindowName = "Yacht.";

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string trimmed(const std::string& s)
{
    const auto first = std::find_if_not(s.begin(), s.end(), isSpace);
    const auto last = std::find_if_not(s.rbegin(), s.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

// Words the text takes to say, in tenths, so long words and numbers count for what they are.
long long spokenTenths(const std::string& text)
{
    long long tenths = 0;
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) {
            size_t digits = 0;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++digits, ++i;
            // 6 is a word, 13 a longer one, 254 "two hundred and fifty four".
            tenths += digits == 1 ? 10 : digits == 2 ? 13 : 12 * static_cast<long long>(digits);
        } else if (isSpace(text[i]) || std::ispunct(c)) {
            if (c == '.' || c == '?' || c == '!' || c == ',' || c == ':') tenths += 3;
            ++i;
        } else {
            size_t letters = 0;
            while (i < text.size() && !isSpace(text[i]) &&
                   !std::ispunct(static_cast<unsigned char>(text[i])) &&
                   !std::isdigit(static_cast<unsigned char>(text[i]))) {
                if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++letters;
                ++i;
            }
            // "a" and "of" are said quicker than "score", "categories" slower.
            tenths += letters <= 2 ? 5 : letters == 3 ? 8 : std::max<long long>(10, letters * 10 / 6);
        }
    }
    return tenths;
}

// A text said synchronously (the goodbye before the window closes, the dice after their sound)
// is given a little longer, so its last word is not lost to what comes next.
constexpr std::chrono::milliseconds kSyncTail{300};

// A long line split after each sentence's end.
void sentences(const std::string& line, std::vector<std::string>& out)
{
    if (line.size() <= kLongText) {
        out.push_back(line);
        return;
    }
    size_t start = 0;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        if ((line[i] == '.' || line[i] == '?' || line[i] == '!') && line[i + 1] == ' ') {
            out.push_back(trimmed(line.substr(start, i + 1 - start)));
            start = i + 1;
        }
    }
    const std::string rest = trimmed(line.substr(start));
    if (!rest.empty()) out.push_back(rest);
}

}  // namespace

ScreenReaderVoice::ScreenReaderVoice(Announce announce, int wordsPerMinute,
                                     std::function<Clock::time_point()> now, ::yacht::Clock* timer)
    : announce_(std::move(announce)),
      wordsPerMinute_(std::max(1, wordsPerMinute)),
      now_(std::move(now)),
      timer_(timer)
{
}

ScreenReaderVoice::~ScreenReaderVoice()
{
    if (timer_) timer_->cancel(ticket_);
}

void ScreenReaderVoice::awaitEstimate()
{
    if (!timer_) return;
    timer_->cancel(ticket_);
    ticket_ = 0;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(busyUntil_ - now_());
    if (left.count() <= 0 && waiting_.empty()) return tellListener();
    ticket_ = timer_->after(std::max(left, std::chrono::milliseconds(0)), [this] {
        ticket_ = 0;
        next();
        if (runningState() == RunState::Done) tellListener();
        else if (!ticket_) awaitEstimate();
    });
}

int ScreenReaderVoice::wordsPerMinute(int orcaRate)
{
    // Orca sends speech-dispatcher 2 * rate - 98 (its rate 0..99); espeak-ng's module speaks
    // speech-dispatcher's 0 at 170 words a minute, 100 at 449 and -100 at 80.
    const int rate = 2 * std::clamp(orcaRate, 0, 99) - 98;
    return rate >= 0 ? 170 + (449 - 170) * rate / 100 : 170 + (170 - 80) * rate / 100;
}

std::chrono::milliseconds ScreenReaderVoice::estimate(const std::string& text, int wordsPerMinute)
{
    const long long tenths = spokenTenths(text);
    const int wpm = std::max(kSlowWordsPerMinute, wordsPerMinute);
    // A word takes about a tenth longer than the rate says (measured against espeak-ng's audio
    // through Orca), so the next text does not overtake the last word of this one.
    return kLead + std::chrono::milliseconds(tenths * 6600 / wpm);
}

std::vector<std::string> ScreenReaderVoice::pieces(const std::string& text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        if (!line.empty()) sentences(unthrownDiceNamed(line), out);
        start = end + 1;
    }
    return out;
}

void ScreenReaderVoice::next()
{
    if (waiting_.empty() || now_() < busyUntil_) return;
    const std::string text = std::move(waiting_.front());
    waiting_.pop_front();
    busyUntil_ = now_() + estimate(text, wordsPerMinute_);
    // As the window opens the screen reader first says its name, and the game's first text is
    // heard after it.
    if (handed_ == 0) busyUntil_ += estimate(kWindowName, wordsPerMinute_) - kLead;
    ++handed_;
    announce_(text);
    addSyncTail();
    awaitEstimate();
}

void ScreenReaderVoice::addSyncTail()
{
    if (!tailAt_ || handed_ < tailAt_) return;
    tailAt_ = 0;
    if (now_() < busyUntil_) busyUntil_ += kSyncTail;
}

void ScreenReaderVoice::speak(const std::string& text, SpeakMode mode)
{
    const std::size_t before = waiting_.size() + handed_;
    for (std::string& piece : pieces(text)) waiting_.push_back(std::move(piece));
    // Nothing to say (a blank text) leaves the voice as it was; a quiet voice says so at once.
    if (waiting_.size() + handed_ == before && runningState() == RunState::Done) tellListener();
    // Words said after a sound are given a little longer once their last piece is handed over.
    if (mode == SpeakMode::Sync) tailAt_ = handed_ + waiting_.size();
    next();
    if (mode == SpeakMode::Sync && handed_ >= tailAt_ && tailAt_) {
        addSyncTail();
        awaitEstimate();
    }
}

RunState ScreenReaderVoice::runningState()
{
    next();
    return waiting_.empty() && now_() >= busyUntil_ ? RunState::Done : RunState::Speaking;
}

void ScreenReaderVoice::keyTaken()
{
    handed_ += waiting_.size();
    waiting_.clear();
    busyUntil_ = now_();
    tailAt_ = 0;
    if (timer_) timer_->cancel(ticket_);
    ticket_ = 0;
    tellListener();
}

void ScreenReaderVoice::stopSpeaking()
{
    // Ctrl hushes the screen reader itself; the game stops waiting for it.
    keyTaken();
}

}  // namespace yacht
