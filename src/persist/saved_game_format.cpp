#include "persist/saved_game_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <vector>

#include "persist/file_io.h"

namespace yacht {
namespace {

constexpr int16_t kHighestRound = 14;  // 14 only in the moment the game ends
constexpr int16_t kHighestRoll = 3;
constexpr int16_t kHighestCategoryValue = 50;
constexpr std::size_t kLongestScore = 5;  // the game's numbers are 16-bit

void line(std::string& out, const std::string& text)
{
    out += text;
    out += "\r\n";
}

// A game is running in these states: there are players and a current player.
bool running(int16_t state)
{
    return state >= 1 && state <= 6 && state != static_cast<int16_t>(EngineState::Players);
}

// States in which the current player is named (the turn-end state still has player 0 right
// after the players were chosen).
bool playerNamed(int16_t state)
{
    return running(state) && state != static_cast<int16_t>(EngineState::TurnEnd);
}

// The dice have been thrown in these states, so every die shows a face.
bool diceThrown(int16_t state)
{
    return state == static_cast<int16_t>(EngineState::Rolled) ||
           state == static_cast<int16_t>(EngineState::Choosing);
}

bool isFace(const std::string& caption)
{
    return caption.size() == 1 && caption[0] >= '1' && caption[0] <= '6';
}

// Empty, or a whole number the game could have written: plain digits within 16 bits.
bool isScoreCell(const std::string& cell)
{
    if (cell.empty()) return true;
    if (cell.size() > kLongestScore) return false;
    if (!std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return std::stol(cell) <= INT16_MAX;
}

bool within(int16_t value, int16_t low, int16_t high)
{
    return value >= low && value <= high;
}

// A tally is kept in thousandths of a point, as a whole number like every other line.
constexpr double kTallyUnits = 1000;
constexpr std::size_t kLongestTally = 9;

const char* kindName(SeatKind kind)
{
    switch (kind) {
    case SeatKind::Strong: return "strong";
    case SeatKind::Casual: return "casual";
    default: return "human";
    }
}

std::optional<SeatKind> kindNamed(const std::string& name)
{
    for (SeatKind kind : {SeatKind::Human, SeatKind::Strong, SeatKind::Casual})
        if (name == kindName(kind)) return kind;
    return std::nullopt;
}

// The seat lines after the designed ones: read only when every one of them is sound, so a file
// without them (or with damaged ones) is read as a game of people with no tally.
void readSeats(const std::vector<std::string>& lines, int n, SavedGame& s)
{
    if (lines.size() < savedline::withSeats(n)) return;
    Seats seats;
    for (int p = 1; p <= n; ++p) {
        const std::optional<SeatKind> kind = kindNamed(lines[savedline::seat(p, n)]);
        const std::string& tally = lines[savedline::tally(p, n)];
        if (!kind || tally.size() > kLongestTally ||
            !std::all_of(tally.begin(), tally.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return;
        seats.kind[p] = *kind;
        if (*kind != SeatKind::Human) ++seats.computers;
        seats.tallied[p] = !tally.empty();
        if (!tally.empty()) seats.cost[p] = std::stod(tally) / kTallyUnits;
    }
    // The lines are written only once the tallies are to be told.
    seats.coachAsked = true;
    s.seats = seats;
    s.seatsRead = true;
}

}  // namespace

ScoreCell scoreCellOf(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    return numberOf(text);
}

std::string savedGameText(const Game& game)
{
    std::string out;
    line(out, decimal(game.numPlayers));
    line(out, decimal(game.player));
    line(out, decimal(game.round));
    line(out, decimal(static_cast<int>(game.state)));
    line(out, decimal(game.roll));
    for (int i = 0; i < kDice; ++i) {
        line(out, faceText(game.dice[i]));
        line(out, decimal(game.held[i]));
    }
    const int players = std::clamp<int>(game.numPlayers, 0, kMaxPlayers);
    for (int row = 0; row <= kBonusRow; ++row)
        for (int p = 1; p <= players; ++p) line(out, cellText(game.scores[row][p]));
    for (int c = 1; c <= kCategories; ++c) line(out, decimal(game.categoryValues[c]));
    // A game of people alone without a tally ends here, exactly as the file always did.
    const Seats& seats = game.seats;
    if (!seats.talliesTold()) return out;
    for (int p = 1; p <= players; ++p) line(out, kindName(seats.kind[p]));
    for (int p = 1; p <= players; ++p)
        line(out, seats.tallied[p] ? std::to_string(std::llround(seats.cost[p] * kTallyUnits)) : "");
    return out;
}

bool parseSavedGame(const std::string& text, bool cut, SavedGame& out)
{
    const std::vector<std::string> lines = splitLines(text, savedline::withSeats(kMaxPlayers));
    SavedGame s;
    const auto present = [&](std::size_t at) { return at < lines.size(); };
    // Numbers are read leniently, as their leading decimal number; their ranges are checked after.
    const auto number = [&](std::size_t at) { return numberOf(lines[at]); };

    if (present(savedline::numPlayers)) s.numPlayers = number(savedline::numPlayers);
    if (present(savedline::player)) s.player = number(savedline::player);
    if (present(savedline::round)) s.round = number(savedline::round);
    if (present(savedline::state)) s.state = number(savedline::state);
    if (present(savedline::roll)) s.roll = number(savedline::roll);
    // Without a usable number of players the score columns cannot even be located.
    if (!within(s.numPlayers, 0, kMaxPlayers)) return false;

    const int n = s.numPlayers;
    for (int i = 0; i < kDice; ++i) {
        if (present(savedline::die(i))) s.dice[i] = lines[savedline::die(i)];
        if (present(savedline::held(i))) s.held[i] = number(savedline::held(i));
    }
    for (int row = 0; row <= kBonusRow; ++row)
        for (int p = 1; p <= n; ++p)
            if (present(savedline::score(row, p, n))) s.scores[row][p] = lines[savedline::score(row, p, n)];
    for (int c = 1; c <= kCategories; ++c)
        if (present(savedline::categoryValue(c, n))) s.categoryValues[c] = number(savedline::categoryValue(c, n));

    s.valuesRead = std::min(lines.size(), savedline::count(n));
    readSeats(lines, n, s);
    if (!acceptable(s, cut)) return false;
    out = std::move(s);
    return true;
}

namespace {

// True when player p has a category still to fill: its cell is empty, or the file stops before it.
bool anyCategoryFree(const SavedGame& s, int p)
{
    const int n = s.numPlayers;
    for (int c = 1; c <= kCategories; ++c)
        if (!s.has(savedline::score(c, p, n)) || s.scores[c][p].empty()) return true;
    return false;
}

}  // namespace

// A file is refused, as if there were none, when any value it holds could not be the game's:
//  - players outside 0 to 8, or outside 1 to 8 while a game is running (states 1, 2, 3, 5, 6);
//  - a current player above the players, or 0 where a turn is under way (states 1, 2, 3, 6);
//  - a round outside 0 to 14, a roll outside 0 to 3, a state other than 0 to 6;
//  - a die other than "1" to "6" or "?", a "?" on a held die or on any die in states 1 and 2,
//    a held flag other than 0 or 1, a score cell other than empty or plain digits up to 32767,
//    a category value outside 0 to 50;
//  - a current player with no category left to fill where a turn is under way (states 1, 2, 3,
//    6): the turn could never be scored, and the game could not go on.
// A file that ends early keeps what it holds only where the game stays whole without the rest:
// when it stops before the state, in state 0 (nothing is resumed), or in state 6 once every
// score is in (the category values are worked out afresh after the next throws). A file longer
// than the reading bound must be complete within it.
bool acceptable(const SavedGame& s, bool cut)
{
    using namespace savedline;
    const int n = s.numPlayers;
    if (s.has(numPlayers) && !within(s.numPlayers, 0, kMaxPlayers)) return false;
    if (s.has(player) && !within(s.player, 0, s.numPlayers)) return false;
    if (s.has(round) && !within(s.round, 0, kHighestRound)) return false;
    if (s.has(state) && !within(s.state, 0, 6)) return false;
    if (s.has(roll) && !within(s.roll, 0, kHighestRoll)) return false;
    if (s.has(state) && running(s.state) && s.numPlayers < 1) return false;
    if (s.has(state) && playerNamed(s.state) && s.player < 1) return false;

    for (int i = 0; i < kDice; ++i) {
        if (s.has(die(i))) {
            const std::string& caption = s.dice[i];
            if (!isFace(caption) && caption != "?") return false;
            if (!isFace(caption) && diceThrown(s.state)) return false;
        }
        if (s.has(held(i))) {
            if (!within(s.held[i], 0, 1)) return false;
            if (s.held[i] == 1 && !isFace(s.dice[i])) return false;
        }
    }
    for (int r = 0; r <= kBonusRow; ++r)
        for (int p = 1; p <= n; ++p)
            if (s.has(score(r, p, n)) && !isScoreCell(s.scores[r][p])) return false;
    for (int c = 1; c <= kCategories; ++c)
        if (s.has(categoryValue(c, n)) && !within(s.categoryValues[c], 0, kHighestCategoryValue)) return false;
    if (s.has(state) && playerNamed(s.state) && !anyCategoryFree(s, s.player)) return false;

    if (s.complete()) return true;
    if (cut) return false;
    if (!s.has(state)) return true;
    if (s.state == static_cast<int16_t>(EngineState::Idle)) return true;
    if (s.state == static_cast<int16_t>(EngineState::WaitSpace))
        return s.has(score(kBonusRow, n, n));
    return false;
}

}  // namespace yacht
