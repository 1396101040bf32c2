#include "engine/voice_speed.h"

#include "engine/speech_output.h"
#include "engine/voice_settings.h"

namespace yacht {
namespace {

// One step through the voices, wrapping at both ends.
void stepVoiceIndex(Game& g, int direction, int count)
{
    g.voiceIndex = static_cast<int16_t>(g.voiceIndex + (direction == 0 ? 1 : -1));
    if (g.voiceIndex >= count) g.voiceIndex = 0;
    if (g.voiceIndex < 0) g.voiceIndex = static_cast<int16_t>(count - 1);
}

// The voice count as the stepping rules use it; a platform reporting none still has the one it
// speaks with.
int usableVoiceCount(Voice& voice)
{
    const int count = voice.voiceCount();
    return count < 1 ? 1 : count;
}

// Whether what is still queued is dropped before an announcement.
enum class Queue { Empty, Keep };

void announce(Voice& voice, Teller& tell, const Event& event, Queue queue)
{
    voice.setPriorityOver();
    if (queue == Queue::Empty) tell.queue.clear();
    speakNow(voice, tell.queue, tell.wordsOf(event));
}

// Makes the voice at voiceIndex the voice, and it names itself. With more than one voice to
// choose from, the player has chosen a voice of the engine speaking, to be kept at F12.
void selectAndNameVoice(Game& g, Voice& voice, Teller& tell, Queue queue)
{
    if (voice.voiceCount() > 1) g.voiceChangedOn = voice.engineName();
    voice.selectVoice(g.voiceIndex);
    announce(voice, tell, {event::VoiceChanged{voice.voiceDescription(g.voiceIndex)}}, queue);
}

}  // namespace

void changeVoice(Game& g, Voice& voice, Teller& tell, int16_t direction)
{
    if (voice.voiceList() == VoiceList::Pending) {
        // The voices are still being listed: the step is remembered and answered when they
        // arrive, so the window and the game go on meanwhile. What was queued is dropped now,
        // as it would be by an answer given at once.
        g.pendingVoice.steps += direction == 0 ? 1 : -1;
        g.pendingVoice.announce = true;
        voice.setPriorityOver();
        tell.queue.clear();
        voice.startListingVoices();
        return;
    }
    selectStoredVoice(g, voice);
    stepVoiceIndex(g, direction, usableVoiceCount(voice));
    selectAndNameVoice(g, voice, tell, Queue::Empty);
}

int rateForSpeed(int16_t speedIndex)
{
    return (speedIndex - 2) * 3;
}

void changeSpeed(Game& g, Voice& voice, Teller& tell)
{
    // The screen reader speaks at its own rate: the keys change nothing, and the speed stored for
    // the game's own voices stays as it is.
    if (voice.speedSetting() == SpeedSetting::ScreenReader) {
        announce(voice, tell, {event::SpeedInScreenReader{}}, Queue::Empty);
        return;
    }
    ++g.speedIndex;
    // A stored speed below the scale steps into it at "very slow", as one above it does.
    if (g.speedIndex > 4 || g.speedIndex < 0) g.speedIndex = 0;
    voice.setRate(rateForSpeed(g.speedIndex));
    announce(voice, tell, {event::SpeedChanged{g.speedIndex}}, Queue::Empty);
}

void toggleWording(Game& g, Voice& voice, Teller& tell)
{
    g.briefSpeech = !g.briefSpeech;
    g.briefRemembered = g.briefSpeech;
    announce(voice, tell, {event::WordingChanged{g.briefSpeech}}, Queue::Empty);
}

void applyVoicesOnceListed(Game& g, Voice& voice, Teller& tell)
{
    // Listing can keep the speech server busy for seconds; the greeting goes first.
    if (g.state == EngineState::Startup) return;
    if (g.voiceApplied && !g.pendingVoice.announce) return;
    voice.startListingVoices();
    if (voice.voiceList() == VoiceList::Pending) return;

    selectStoredVoice(g, voice);
    if (!g.pendingVoice.announce) return;

    // The presses made while waiting count as net steps; the voice reached names itself. The
    // queue was emptied when the keys were taken; what the game queued since then stays.
    const int count = usableVoiceCount(voice);
    const int steps = g.pendingVoice.steps;
    const int direction = steps > 0 ? 0 : 1;
    for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) stepVoiceIndex(g, direction, count);
    g.pendingVoice = PendingVoiceSteps{};
    selectAndNameVoice(g, voice, tell, Queue::Keep);
}

}  // namespace yacht
