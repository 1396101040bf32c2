#include "engine/tick.h"

#include "engine/choosing.h"
#include "engine/coach.h"
#include "engine/computer_turn.h"
#include "engine/key_actions.h"
#include "engine/mouse_clicks.h"
#include "engine/new_game.h"
#include "engine/rolling.h"
#include "engine/seat_choice.h"
#include "engine/turn_flow.h"
#include "engine/record_reports.h"
#include "engine/reports.h"
#include "engine/sound_help.h"
#include "engine/speaking_engine.h"
#include "engine/speech_output.h"
#include "engine/status_caption.h"
#include "engine/voice_settings.h"
#include "engine/voice_speed.h"

namespace yacht {
namespace {

void finishStartup(Game& g, Storage& storage, Teller& tell)
{
    if (g.state != EngineState::Startup) return;
    g.state = EngineState::Idle;
    resumeSavedGame(storage, g, tell);
    if (g.state == EngineState::Idle)
        tell({event::NewGameOrHelp{}, Entry::Joined});
}

// F12: the unfinished game and the settings are stored and goodbye is said; the program ends once
// the voice has said it.
void leave(Yacht& y)
{
    storeGameAndSettings(y.game, y.voiceChoice, y.ports);
    y.toBeHeard.lastHeard = y.tell.wordsOf({event::Goodbye{}});
    speakAndWait(y.ports.voice, y.toBeHeard.lastHeard);
    y.quitting = true;
}

// The actions of the function keys, which act in every state. A new game and leaving end the tick.
Flow applyFunctionKey(Yacht& y, Action action)
{
    switch (action.kind) {
    case ActionKind::Help: readHelpPage(y.game, y.ports, y.tell); return Flow::Continue;
    case ActionKind::NextVoice: changeVoice(y.voiceChoice, y.ports.voice, y.tell, 0); return Flow::Continue;
    case ActionKind::PreviousVoice: changeVoice(y.voiceChoice, y.ports.voice, y.tell, 1); return Flow::Continue;
    case ActionKind::NextSpeed: changeSpeed(y.voiceChoice, y.ports.voice, y.tell); return Flow::Continue;
    // The wording's key, like the coach's, does nothing else: no prompt is said again after it.
    case ActionKind::ToggleWording: toggleWording(y.voiceChoice, y.ports.voice, y.tell); return Flow::EndTick;
    case ActionKind::ReportDice: repeatDice(y.game, y.tell); return Flow::Continue;
    case ActionKind::ReportCategories: sayCategoriesLeft(y.game, y.tell); return Flow::Continue;
    case ActionKind::ReportScore: sayScores(y.game, y.tell); return Flow::Continue;
    case ActionKind::ReportRecord: sayRecord(y.record(), y.recordReports, y.tell); return Flow::Continue;
    case ActionKind::ReportOthersTurns:
        sayOthersTurns(y.game, y.record(), y.recordReports, y.tell);
        return Flow::Continue;
    case ActionKind::NewGame:
        if (requestNewGame(y.game, y.ports.voice, y.tell)) y.newGameAsked = true;
        return Flow::EndTick;
    case ActionKind::AnswerNewGame: answerNewGame(y.game, y.ports.voice, y.tell, action); return Flow::EndTick;
    case ActionKind::Leave: leave(y); return Flow::EndTick;
    default: return Flow::Continue;
    }
}

// What a key or click does first, whatever it means: it empties the queue and lets the next text
// be said over what is being said. A modifier or lock key alone does this too, and nothing else.
void hushForInput(SpeechQueue& toBeHeard, Voice& voice)
{
    toBeHeard.clear();
    voice.setPriorityOver();
}

}  // namespace

void storeGameAndSettings(const Game& game, const VoiceChoice& choice, const Ports& ports)
{
    ports.storage.saveGame(game);
    storeSettings(choice, ports);
}

void resumeSavedGame(Storage& storage, Game& game, Teller& tell)
{
    const Loaded loaded = storage.loadGame(game);
    if (loaded != Loaded::Nothing) continueSavedTurn(game, tell, loaded == Loaded::Whole);
}

Flow tick(Yacht& y)
{
    if (y.quitting) return Flow::EndTick;
    Game& g = y.game;
    // Voice changes asked for before the installed voices were listed are answered once they are.
    // Listing can keep the speech server busy for seconds: the greeting goes first.
    if (g.state != EngineState::Startup) applyVoicesOnceListed(y.voiceChoice, y.ports.voice, y.tell);
    noticeSpeakingEngine(y.voiceChoice, y.ports.voice, y.tell);

    finishStartup(g, y.ports.storage, y.tell);
    // The caption is told when it changes; most steps leave it as it is.
    if (const std::optional<Status> status = statusCaption(g); status && status != y.statusTold) {
        y.statusTold = status;
        y.tell({event::StatusShown{*status}});
    }
    // The answer to the new-game question comes before any key: the box had the keyboard meanwhile.
    if (y.answer) {
        const Action answer = *y.answer;
        y.answer.reset();
        return applyFunctionKey(y, answer);
    }

    // A key or click hushes the queue. It means what it means in the state it reaches each step
    // in: a turn opened or a throw made on the way changes what it does next. It is read where it
    // waits, and let go as the step ends, however the step ends.
    const PendingInput& input = y.pendingInput;
    struct LetGo {
        PendingInput& input;
        ~LetGo() { input.reset(); }
    } const letGo{y.pendingInput};
    if (input) hushForInput(y.toBeHeard, y.ports.voice);
    // Most steps come with no input: the maps are not consulted for them.
    const auto actionNow = [&] { return input ? actionForInput(*input, g) : Action{}; };
    const Action action = actionNow();
    if (action.acts() && applyFunctionKey(y, action) == Flow::EndTick) return Flow::EndTick;
    // H asks the coach, in every state, and does nothing else.
    if (action.kind == ActionKind::Coach) {
        if (g.state == EngineState::Rolling && y.toBeHeard.empty() && !computerTurn(g))
            makePendingThrow(g, y.ports.random, y.turnLog, y.tell);
        tellCoachAdvice(g, y.advisor, y.tell);
        return Flow::Continue;
    }
    stepComputerTurn(y, action);

    if (y.toBeHeard.empty() && (g.state == EngineState::TurnEnd || g.state == EngineState::WaitSpace)) {
        if (passOrOpenTurn(g, y.tell, actionNow()) == Flow::EndTick) return Flow::EndTick;
    }
    if (g.state == EngineState::Players) choosePlayersAndSeats(g, y.tell, actionNow());
    if (y.toBeHeard.empty() && g.state == EngineState::Rolling) makePendingThrow(g, y.ports.random, y.turnLog, y.tell);

    // During a computer's turn the dice and the categories are the computer's alone.
    if (!computerTurn(g)) {
        if (g.state == EngineState::Rolled &&
            applyRolledAction(g, y.advisor, y.ports.toolkit, y.tell, actionNow()) == Flow::EndTick)
            return Flow::EndTick;
        if (g.state == EngineState::Choosing &&
            applyChoosingAction(g, y.advisor, y.turnLog, y.record(), y.tell, actionNow()) == Flow::EndTick)
            return Flow::EndTick;
    }
    return Flow::Continue;
}

}  // namespace yacht
