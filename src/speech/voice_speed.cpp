#include "speech/voice_speed.h"

#include "speech/speech_output.h"
#include "speech/voice_settings.h"

namespace yacht {
namespace {

// One step through the voices, wrapping at both ends.
void stepvoice(Game& g, int direction, int count)
{
    g.voiceindex = static_cast<int16_t>(g.voiceindex + (direction == 0 ? 1 : -1));
    if (g.voiceindex >= count) g.voiceindex = 0;
    if (g.voiceindex < 0) g.voiceindex = static_cast<int16_t>(count - 1);
}

// The voice count as the stepping rules use it; a platform reporting none still has the one it
// speaks with.
int voicecount(Voice& voice)
{
    const int count = voice.voiceCount();
    return count < 1 ? 1 : count;
}

// Whether what is still queued is dropped before an announcement.
enum class Queue { Empty, Keep };

void announce(Yacht& y, const std::string& text, Queue queue)
{
    y.ports.voice.setPriorityOver();
    if (queue == Queue::Empty) y.game.saybuf.clear();
    sayit(y.ports.voice, y.game.saybuf, text);
}

// Makes the voice at voiceindex the voice, and it names itself.
void sayvoice(Yacht& y, Queue queue)
{
    Voice& voice = y.ports.voice;
    voice.selectVoice(y.game.voiceindex);
    announce(y, "Voice changed to " + voice.voiceDescription(y.game.voiceindex), queue);
}

}  // namespace

void changevoice(Yacht& y, int16_t direction)
{
    Voice& voice = y.ports.voice;
    if (voice.voiceList() == VoiceList::Pending) {
        // The voices are still being listed: the step is remembered and answered when they
        // arrive, so the window and the game go on meanwhile. What was queued is dropped now,
        // as it would be by an answer given at once.
        y.pendingVoice.steps += direction == 0 ? 1 : -1;
        y.pendingVoice.announce = true;
        voice.setPriorityOver();
        y.game.saybuf.clear();
        voice.startListingVoices();
        return;
    }
    applystoredvoice(y);
    stepvoice(y.game, direction, voicecount(voice));
    sayvoice(y, Queue::Empty);
}

int speedrate(int16_t speedindex)
{
    return (speedindex - 2) * 3;
}

std::string speedname(int16_t speedindex)
{
    static const char* const names[] = {"very slow", "slow", "normal", "fast", "very fast"};
    if (speedindex < 0 || speedindex > 4) return {};
    return names[speedindex];
}

void changespeed(Yacht& y)
{
    Game& g = y.game;
    ++g.speedindex;
    // A stored speed below the scale steps into it at "very slow", as one above it does.
    if (g.speedindex > 4 || g.speedindex < 0) g.speedindex = 0;
    y.ports.voice.setRate(speedrate(g.speedindex));
    announce(y, "Speed changed to " + speedname(g.speedindex), Queue::Empty);
}

void servevoicelist(Yacht& y)
{
    // Listing can keep the speech server busy for seconds; the greeting goes first.
    if (y.game.state == EngineState::Startup) return;
    if (y.voiceApplied && !y.pendingVoice.announce) return;
    Voice& voice = y.ports.voice;
    voice.startListingVoices();
    if (voice.voiceList() == VoiceList::Pending) return;

    applystoredvoice(y);
    if (!y.pendingVoice.announce) return;

    // The presses made while waiting count as net steps; the voice reached names itself. The
    // queue was emptied when the keys were taken; what the game queued since then stays.
    const int count = voicecount(voice);
    const int steps = y.pendingVoice.steps;
    const int direction = steps > 0 ? 0 : 1;
    for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) stepvoice(y.game, direction, count);
    y.pendingVoice = PendingVoiceSteps{};
    sayvoice(y, Queue::Keep);
}

}  // namespace yacht
