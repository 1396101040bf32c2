#include "engine/voice_speed.h"

#include "engine/speech_output.h"
#include "engine/voice_settings.h"

namespace yacht {
namespace {

// One step through the voices, wrapping at both ends.
void stepVoiceIndex(VoiceChoice& v, int direction, int count)
{
    v.voiceIndex = static_cast<int16_t>(v.voiceIndex + (direction == 0 ? 1 : -1));
    if (v.voiceIndex >= count) v.voiceIndex = 0;
    if (v.voiceIndex < 0) v.voiceIndex = static_cast<int16_t>(count - 1);
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
void selectAndNameVoice(VoiceChoice& v, Voice& voice, Teller& tell, Queue queue)
{
    if (voice.voiceCount() > 1) v.voiceChangedOn = voice.engineName();
    voice.selectVoice(v.voiceIndex);
    announce(voice, tell, {event::VoiceChanged{voice.voiceDescription(v.voiceIndex)}}, queue);
}

}  // namespace

void changeVoice(VoiceChoice& v, Voice& voice, Teller& tell, int16_t direction)
{
    if (voice.voiceList() == VoiceList::Pending) {
        // The voices are still being listed: the step is remembered and answered when they
        // arrive, so the window and the game go on meanwhile. What was queued is dropped now,
        // as it would be by an answer given at once.
        v.pendingVoice.steps += direction == 0 ? 1 : -1;
        v.pendingVoice.announce = true;
        voice.setPriorityOver();
        tell.queue.clear();
        voice.startListingVoices();
        return;
    }
    selectStoredVoice(v, voice);
    stepVoiceIndex(v, direction, usableVoiceCount(voice));
    selectAndNameVoice(v, voice, tell, Queue::Empty);
}

int rateForSpeed(int16_t speedIndex)
{
    return (speedIndex - 2) * 3;
}

void changeSpeed(VoiceChoice& v, Voice& voice, Teller& tell)
{
    // The screen reader speaks at its own rate: the keys change nothing, and the speed stored for
    // the game's own voices stays as it is.
    if (voice.speedSetting() == SpeedSetting::ScreenReader) {
        announce(voice, tell, {event::SpeedInScreenReader{}}, Queue::Empty);
        return;
    }
    ++v.speedIndex;
    // A stored speed below the scale steps into it at "very slow", as one above it does.
    if (v.speedIndex > 4 || v.speedIndex < 0) v.speedIndex = 0;
    voice.setRate(rateForSpeed(v.speedIndex));
    announce(voice, tell, {event::SpeedChanged{v.speedIndex}}, Queue::Empty);
}

void toggleWording(VoiceChoice& v, Voice& voice, Teller& tell)
{
    v.briefSpeech = !v.briefSpeech;
    v.briefRemembered = v.briefSpeech;
    announce(voice, tell, {event::WordingChanged{v.briefSpeech}}, Queue::Empty);
}

void applyVoicesOnceListed(VoiceChoice& v, Voice& voice, Teller& tell)
{
    if (v.voiceApplied && !v.pendingVoice.announce) return;
    voice.startListingVoices();
    if (voice.voiceList() == VoiceList::Pending) return;

    selectStoredVoice(v, voice);
    if (!v.pendingVoice.announce) return;

    // The presses made while waiting count as net steps; the voice reached names itself. The
    // queue was emptied when the keys were taken; what the game queued since then stays.
    const int count = usableVoiceCount(voice);
    const int steps = v.pendingVoice.steps;
    const int direction = steps > 0 ? 0 : 1;
    for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) stepVoiceIndex(v, direction, count);
    v.pendingVoice = PendingVoiceSteps{};
    selectAndNameVoice(v, voice, tell, Queue::Keep);
}

}  // namespace yacht
