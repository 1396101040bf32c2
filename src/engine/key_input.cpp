#include "engine/key_input.h"

#include "engine/computer_turn.h"
#include "engine/key_codes.h"

namespace yacht {

void recordKeyPress(PendingInput& pending, const Game& g, Voice& voice, int code, int modifier)
{
    // Codes beyond one character are not keys the game knows; they are not recorded.
    if (code <= 0 || code > 255 || modifier < 0 || modifier > 7) return;
    if (keys::isModifierOrLock(code)) {
        // Ctrl on its own stops the voice at once, as it does in every screen reader.
        if (code == keys::CtrlKey) voice.stopSpeaking();
        // A modifier on its own only hushes; it does not push aside a key not yet taken, which
        // hushes as well (Shift pressed after a digit, on the way to the next key).
        if (pending) return;
    }
    pending = Key{code, modifier};
    // During a computer's turn the space bar skips to its end, even while a throw is pending.
    if (code == keys::Space && g.state == EngineState::Rolling && !computerTurn(g))
        pending.reset();
}

void windowActivated(Teller& tell)
{
    tell({event::Greeting{}, Entry::Replacing});
}

}  // namespace yacht
