#include "screen/view_facts.h"

#include <variant>

namespace yacht {
namespace {

// Which kinds of event are only shown, by their place in the list of kinds: a step tells far more
// that is heard than shown, and this answers for those without visiting them.
template <typename Kinds>
struct ShownKinds;
template <typename... Kind>
struct ShownKinds<std::variant<Kind...>> {
    static constexpr bool at[] = {event::ShownOnly<Kind>...};
};

// Whether an event is one of what is shown, never heard.
bool shownOnly(const EventFacts& event)
{
    return ShownKinds<EventFacts>::at[event.index()];
}

int16_t narrow(int n)
{
    return static_cast<int16_t>(n);
}

struct Showing {
    ViewFacts& v;

    void operator()(const event::BoardStarted&) const
    {
        v.started = true;
        v.sideTotal.reset();
    }
    void operator()(const event::CardShown& e) const
    {
        v.sheet = Sheet::Card;
        v.cardPlayer = narrow(e.player);
        v.cardDrawn = true;
        v.litRow = 0;
        v.sideTotal = narrow(e.total);
    }
    // The heading, the subtotal caption and the side panel stay as the last card left them.
    void operator()(const event::ScoreboardShown&) const
    {
        v.sheet = Sheet::Scoreboard;
        v.litRow = 0;
    }
    // The heading reads "Choose players"; the subtotal caption stays as it was.
    void operator()(const event::PlayerCountsShown&) const
    {
        v.sheet = Sheet::Players;
        v.litRow = 0;
    }
    void operator()(const event::RowLit& e) const { v.litRow = narrow(e.row); }
    void operator()(const event::DieLit& e) const { v.litDie = narrow(e.die); }
    void operator()(const event::SideTotalShown& e) const
    {
        if (e.total)
            v.sideTotal = narrow(*e.total);
        else
            v.sideTotal.reset();
    }
    void operator()(const event::StatusShown& e) const { v.status = e.status; }
};

}  // namespace

bool showEvent(ViewFacts& view, const EventFacts& event)
{
    if (!shownOnly(event)) return false;
    return std::visit(
        [&view]<typename Facts>(const Facts& e) {
            if constexpr (event::ShownOnly<Facts>) {
                Showing{view}(e);
                return true;
            } else {
                return false;
            }
        },
        event);
}

}  // namespace yacht
