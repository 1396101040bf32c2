#include "engine/record_reports.h"

#include <algorithm>

#include "engine/yacht.h"

namespace yacht {
namespace {

constexpr int kRecordParts = 3;

// The position of the sentence last heard among those the report of this kind queued, if any.
std::optional<std::size_t> heardItem(const Yacht& y, RecordReports::Kind kind)
{
    const RecordReports& r = y.recordReports;
    if (r.told != kind) return std::nullopt;
    const auto at = std::find(r.items.begin(), r.items.end(), y.toBeHeard.lastHeard);
    if (at == r.items.end()) return std::nullopt;
    return std::size_t(at - r.items.begin());
}

void keepQueuedItems(Yacht& y, RecordReports::Kind kind)
{
    RecordReports& r = y.recordReports;
    r.told = kind;
    r.items.clear();
    for (const SpeechItem& item : y.toBeHeard.items())
        if (item.kind == SpeechItem::Kind::Text) r.items.push_back(item.text);
}

// The turns to tell: those after the player's last turn, or the last one played.
std::vector<PlayedTurn> turnsToTell(const Game& g, std::vector<PlayedTurn> turns)
{
    const auto mine = std::find_if(turns.rbegin(), turns.rend(), [&](const PlayedTurn& t) { return t.player == g.player; });
    std::vector<PlayedTurn> since(mine.base(), turns.end());
    if (since.empty() && !turns.empty()) since.push_back(turns.back());
    return since;
}

}  // namespace

void sayRecord(Yacht& y)
{
    RecordReports& r = y.recordReports;
    const std::optional<RecordSummary> summary = y.record().summary();
    if (!summary || summary->personScores == 0) {
        y.tell({event::NothingRecorded{}, Entry::Replacing});
        r = RecordReports{};  // once games are recorded, F5 begins with the best scores
        return;
    }
    r.part = heardItem(y, RecordReports::Kind::Record) ? (r.part + 1) % kRecordParts : 0;
    switch (r.part) {
    case 0: y.tell({event::BestScores{summary->best}, Entry::Replacing}); break;
    case 1: y.tell({event::RecordStatistics{*summary}, Entry::Replacing}); break;
    default:
        y.tell({event::AgainstComputers{summary->strong, summary->casual}, Entry::Replacing});
        break;
    }
    keepQueuedItems(y, RecordReports::Kind::Record);
}

void sayOthersTurns(Yacht& y)
{
    Game& g = y.game;
    const std::vector<PlayedTurn> turns = turnsToTell(g, y.record().turnsOfThisGame());
    if (turns.empty()) {
        y.tell({event::NoTurnPlayed{}, Entry::Replacing});
        keepQueuedItems(y, RecordReports::Kind::Turns);
        return;
    }
    // Pressed while a turn is told, the telling goes on from the next; after the last, from the first.
    std::size_t from = 0;
    if (const std::optional<std::size_t> heard = heardItem(y, RecordReports::Kind::Turns)) from = *heard + 1;
    if (from >= turns.size()) from = 0;
    y.toBeHeard.clear();
    for (std::size_t i = from; i < turns.size(); ++i)
        y.tell({event::TurnRetold{turns[i]}, i == from ? Entry::Replacing : Entry::After});
    // The positions count from the first turn, whichever the telling began with.
    RecordReports& r = y.recordReports;
    keepQueuedItems(y, RecordReports::Kind::Turns);
    r.items.insert(r.items.begin(), from, std::string());
}

}  // namespace yacht
