#include "engine/mouse_clicks.h"

#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/seat_choice.h"

namespace yacht {
namespace {

// A click on a label that stands for a key posts that key, without modifiers.
void postClick(std::optional<Key>& pendingKey, int code)
{
    postKey(pendingKey, Key{code, 0, KeySource::Legend});
}

}  // namespace

void clickSidePanel(std::optional<Key>& pendingKey, int index)
{
    static constexpr int legendKeys[] = {keys::F1, keys::F2, keys::F3,
                                         keys::F4, keys::F9, keys::F12};
    if (index < 3 || index > 8) return;
    postClick(pendingKey, legendKeys[index - 3]);
}

void clickDie(std::optional<Key>& pendingKey, int index)
{
    if (index < 0 || index >= kDice) return;
    postClick(pendingKey, keys::Digit1 + index);
}

void clickSheetRow(Game& g, std::optional<Key>& pendingKey, int index)
{
    if (index >= 1 && index <= kCategories && g.state == EngineState::Choosing) {
        g.categoryCursor = static_cast<int16_t>(index);
        // The row names the category itself: the cursor is put on it rather than moved.
        postKey(pendingKey, Key{keys::Digit0 + index, 0, KeySource::Row});
    } else if (index >= 1 && index <= 6 && g.state == EngineState::Players) {
        g.numPlayers = static_cast<int16_t>(index);
        postClick(pendingKey, keys::Space);
    }
}

void clickStatusBox(Game& g, std::optional<Key>& pendingKey)
{
    // The space bar is dropped while a throw is pending, so that it cannot ask for a second
    // throw before the first is made and announced; the status box behaves the same way.
    if (g.state == EngineState::Rolling) return;
    postClick(pendingKey, keys::Space);
    if (g.state == EngineState::Choosing && g.categoryCursor >= 1) {
        postClick(pendingKey, keys::Enter);
    } else if (g.state == EngineState::Players && g.numPlayers >= 1) {
        // The game starts at once with the first turn of round 1, without the request to press
        // the space bar that follows a choice made with the keyboard. The seats are taken as
        // Enter takes them, so the computer players chosen with C play.
        seatPlayers(g);
        g.state = EngineState::WaitSpace;
        g.player = 1;
        g.round = 1;
        // A computer in seat 1 opens its turn by itself; the space bar would skip that turn.
        if (g.seats.isComputer(1)) pendingKey.reset();
    }
}

}  // namespace yacht
