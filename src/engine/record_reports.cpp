#include "engine/record_reports.h"

#include <algorithm>

namespace yacht {
namespace {

constexpr int kRecordParts = 3;

// The position of the sentence last heard among those the report of this kind queued, if any.
std::optional<std::size_t> heardItem(const RecordReports& r, const SpeechQueue& queue, RecordReports::Kind kind)
{
    if (r.told != kind) return std::nullopt;
    const auto at = std::find(r.items.begin(), r.items.end(), queue.lastHeard);
    if (at == r.items.end()) return std::nullopt;
    return std::size_t(at - r.items.begin());
}

void keepQueuedItems(RecordReports& r, const SpeechQueue& queue, RecordReports::Kind kind)
{
    r.told = kind;
    r.items.clear();
    for (const SpeechItem& item : queue.items())
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

void sayRecord(Record& record, RecordReports& r, Teller& tell)
{
    const std::optional<RecordSummary> summary = record.summary();
    if (!summary || summary->personScores == 0) {
        tell({event::NothingRecorded{}, Entry::Replacing});
        r = RecordReports{};  // once games are recorded, F5 begins with the best scores
        return;
    }
    r.part = heardItem(r, tell.queue, RecordReports::Kind::Record) ? (r.part + 1) % kRecordParts : 0;
    switch (r.part) {
    case 0: tell({event::BestScores{summary->best}, Entry::Replacing}); break;
    case 1: tell({event::RecordStatistics{*summary}, Entry::Replacing}); break;
    default:
        tell({event::AgainstComputers{summary->strong, summary->casual}, Entry::Replacing});
        break;
    }
    keepQueuedItems(r, tell.queue, RecordReports::Kind::Record);
}

void sayOthersTurns(const Game& g, Record& record, RecordReports& r, Teller& tell)
{
    const std::vector<PlayedTurn> turns = turnsToTell(g, record.turnsOfThisGame());
    if (turns.empty()) {
        tell({event::NoTurnPlayed{}, Entry::Replacing});
        keepQueuedItems(r, tell.queue, RecordReports::Kind::Turns);
        return;
    }
    // Pressed while a turn is told, the telling goes on from the next; after the last, from the first.
    std::size_t from = 0;
    if (const std::optional<std::size_t> heard = heardItem(r, tell.queue, RecordReports::Kind::Turns)) from = *heard + 1;
    if (from >= turns.size()) from = 0;
    for (std::size_t i = from; i < turns.size(); ++i)
        tell({event::TurnRetold{turns[i]}, i == from ? Entry::Replacing : Entry::After});
    // The positions count from the first turn, whichever the telling began with.
    keepQueuedItems(r, tell.queue, RecordReports::Kind::Turns);
    r.items.insert(r.items.begin(), from, std::string());
}

}  // namespace yacht
