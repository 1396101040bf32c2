#include "engine/tick.h"

#include "engine/choosing.h"
#include "engine/coach.h"
#include "engine/computer_turn.h"
#include "engine/key_codes.h"
#include "engine/rolling.h"
#include "engine/seat_choice.h"
#include "engine/turn_flow.h"
#include "rules/phrases.h"
#include "engine/reports.h"
#include "screen/new_game.h"
#include "speech/sound_help.h"
#include "speech/speech_output.h"
#include "speech/speech_pump.h"
#include "speech/voice_settings.h"
#include "speech/voice_speed.h"

namespace yacht {
namespace {

void startupstep(Yacht& y)
{
    Game& g = y.game;
    if (g.state != EngineState::Startup) return;
    g.state = EngineState::Idle;
    resumegame(y);
    if (g.state == EngineState::Idle) g.saybuf.add(phrase::kNewGameOrHelp);
}

// F12: the unfinished game and the settings are stored, goodbye is said, the program ends.
void leave(Yacht& y)
{
    storeforlater(y);
    y.game.sayitem = "goodbye";
    sayit2(y, y.game.sayitem);
    y.quitting = true;
    y.ports.toolkit.quitNow();
}

// The function keys act in every state. F9 and F12 end the tick.
Flow functionkeys(Yacht& y, Key key)
{
    switch (key.code) {
    case keys::F1:
        if (key.modifier == 0)
            sayhelp(y);
        else if (key.modifier == keys::Shift)
            changevoice(y, 0);
        else if (key.modifier == keys::Ctrl)
            changevoice(y, 1);
        else
            changespeed(y);
        return Flow::Continue;
    case keys::F2: repeatdice(y.game); return Flow::Continue;
    case keys::F3: saycategories(y.game); return Flow::Continue;
    case keys::F4: sayscore(y.game); return Flow::Continue;
    case keys::F9: newgame(y); return Flow::EndTick;
    case keys::F12: leave(y); return Flow::EndTick;
    default: return Flow::Continue;
    }
}

}  // namespace

void storeforlater(Yacht& y)
{
    y.ports.storage.saveGame(y.game);
    savesettings(y);
}

void resumegame(Yacht& y)
{
    const Loaded loaded = y.ports.storage.loadGame(y.game);
    if (loaded != Loaded::Nothing) resumeturn(y, loaded == Loaded::Whole);
}

void showstatus(const Game& g, Board& b)
{
    std::string& caption = b.Label3.caption;
    switch (g.state) {
    case EngineState::Idle: caption = "Game over"; break;
    case EngineState::Rolled: caption = "Roll dice"; break;
    case EngineState::Choosing: caption = "Select category"; break;
    case EngineState::Rolling:
        caption = g.roll == 2 ? "Second roll" : g.roll == 3 ? "Third roll" : "First roll";
        break;
    case EngineState::Players: caption = "Choose players"; break;
    case EngineState::TurnEnd: caption = "Press space bar to begin"; break;
    case EngineState::WaitSpace:
        if (g.round >= 2) caption = "Press space bar to continue";
        break;
    default: break;
    }
}

bool engineCanSleep(Yacht& y)
{
    const Game& g = y.game;
    const bool waiting = g.state == EngineState::Idle || g.state == EngineState::Players ||
                         g.state == EngineState::WaitSpace;
    if (!waiting || y.quitting) return false;
    // A computer's turn goes on by itself (or waits for the solver's table) without any key.
    if (computerTurn(g)) return false;
    if (!g.saybuf.empty() || g.keybuf) return false;
    if (!y.voiceApplied || y.pendingVoice.announce) return false;
    return y.ports.voice.runningState() == RunState::Done;
}

Key takekey(Yacht& y)
{
    Game& g = y.game;
    if (!g.keybuf) return Key{};
    const Key key = *g.keybuf;
    g.keybuf.reset();
    g.saybuf.clear();
    g.runstate = 0;
    y.ports.voice.setPriorityOver();
    // A modifier or lock key alone has hushed the queue and is otherwise no key: the row or the
    // count is not announced again over the silence the player asked for.
    if (keys::isModifierOrLock(key.code)) return Key{};
    return key;
}

void tick(Yacht& y)
{
    if (y.quitting) return;
    Game& g = y.game;
    // Voice changes asked for before the installed voices were listed are answered once they are.
    servevoicelist(y);

    startupstep(y);
    showstatus(y.game, y.board);

    const Key key = takekey(y);
    if (key.code > 0 && functionkeys(y, key) == Flow::EndTick) return;
    // H asks the coach, in every state, and does nothing else.
    if (isCoachKey(key)) {
        coachstep(y);
        pumpspeech(y);
        return;
    }
    computerstep(y, key);

    if (g.saybuf.empty() && (g.state == EngineState::TurnEnd || g.state == EngineState::WaitSpace)) {
        if (turnflow(y, key) == Flow::EndTick) return;
    }
    if (g.state == EngineState::Players && key.code > 0) chooseplayers(y, key);
    if (g.saybuf.empty() && g.state == EngineState::Rolling) makeroll(y);

    // During a computer's turn the dice and the categories are the computer's alone.
    if (key.code > 0 && !computerTurn(g)) {
        if (g.state == EngineState::Rolled && rolledkeys(y, key) == Flow::EndTick) return;
        if (g.state == EngineState::Choosing && choosingkeys(y, key) == Flow::EndTick) return;
    }
    pumpspeech(y);
}

}  // namespace yacht
