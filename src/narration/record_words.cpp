#include "narration/record_words.h"

#include <algorithm>
#include <ctime>

#include "narration/tenths.h"

namespace yacht {
namespace {

using P = Phrase;

std::string number(int n)
{
    return std::to_string(n);
}

std::string faces(const PhraseBook& book, std::vector<int> faces)
{
    std::sort(faces.begin(), faces.end());
    std::string out;
    for (int f : faces) out += (out.empty() ? "" : book[P::KeptFaceSeparator]) + number(f);
    return out;
}

std::string thrownFaces(const PhraseBook& book, const RecordedThrow& thrown)
{
    std::string out;
    for (int8_t f : thrown.faces) out += (out.empty() ? "" : book[P::KeptFaceSeparator]) + number(f);
    return out;
}

}  // namespace

std::string bestScoreWords(const PhraseBook& book, const BestScore& best)
{
    const std::time_t t = static_cast<std::time_t>(best.endedAt);
    std::tm tm{};
    localtime_r(&t, &tm);
    const std::string month = book[nth(P::MonthName, std::clamp(tm.tm_mon, 0, 11))];
    return book.say(best.coachAsked ? P::BestScoreWithCoach : P::BestScore,
                    {number(best.points), number(tm.tm_mday), month, number(tm.tm_year + 1900)});
}

std::vector<std::string> statisticsWords(const PhraseBook& book, const RecordSummary& s)
{
    std::vector<std::string> items;
    if (s.personScores == 1)
        items.push_back(book.say(P::OneGameFinished, {number(s.bestScore)}));
    else
        items.push_back(book.say(P::GamesFinished, {number(s.gamesFinished), tenths(s.averageScore, book.language()), number(s.bestScore)}));
    items.push_back(book.say(P::UpperBonuses, {number(s.upperBonuses), number(s.personScores)}));
    items.push_back(s.yachtsThrown == 1 ? book[P::OneYachtThrown] : book.say(P::YachtsThrown, {number(s.yachtsThrown)}));
    if (s.averageCost) items.push_back(book.say(P::AverageChoiceCost, {tenths(*s.averageCost, book.language())}));
    return items;
}

std::vector<std::string> againstComputerWords(const PhraseBook& book, AgainstComputer strong, AgainstComputer casual)
{
    std::vector<std::string> items;
    if (strong.won + strong.lost > 0) items.push_back(book.say(P::AgainstStrong, {number(strong.won), number(strong.lost)}));
    if (casual.won + casual.lost > 0) items.push_back(book.say(P::AgainstCasual, {number(casual.won), number(casual.lost)}));
    if (items.empty()) items.push_back(book[P::NoGameAgainstComputer]);
    return items;
}

std::string turnWords(const PhraseBook& book, const PlayedTurn& turn)
{
    std::string out;
    for (std::size_t i = 0; i < turn.throws.size(); ++i) {
        const RecordedThrow& thrown = turn.throws[i];
        if (i == 0) {
            out += book.say(P::TurnFirstThrow, {number(turn.player), thrownFaces(book, thrown)});
            continue;
        }
        std::vector<int> kept;
        for (int d = 0; d < 5; ++d)
            if (thrown.kept[d]) kept.push_back(thrown.faces[d]);
        out += kept.empty() ? book[P::TurnKeptNothing] : book.say(P::TurnKept, {faces(book, kept)});
        out += book.say(P::TurnThrewAgain, {thrownFaces(book, thrown)});
    }
    // A turn resumed after its throws begins with its score.
    if (out.empty()) out = book.say(P::TurnOfPlayer, {number(turn.player)});
    const std::string name = turn.category >= 1 && turn.category <= 13 ? book[nth(P::CategoryName, turn.category - 1)] : "";
    return out + book.say(P::TurnScored, {number(turn.points), name});
}

}  // namespace yacht
