#include "narration/narrator.h"

#include "narration/tenths.h"

namespace yacht {
namespace {

std::string number(int n)
{
    return std::to_string(n);
}

// A score cell as the sheet shows it: its number, or nothing when it is empty.
std::string cell(const ScoreCell& c)
{
    return c ? number(*c) : std::string();
}

// A die's face as it is shown: its number, or "?" before it is thrown.
std::string face(int f)
{
    return f == 0 ? std::string("?") : number(f);
}

void enter(SpeechQueue& queue, Entry entry, std::string words)
{
    switch (entry) {
    case Entry::After: queue.say(std::move(words)); break;
    case Entry::Joined: queue.add(words); break;
    case Entry::Replacing: queue.replace(std::move(words)); break;
    }
}

std::string categoryName(const PhraseBook& book, int c)
{
    if (c < 1 || c > 13) return {};
    return book[nth(Phrase::CategoryName, c - 1)];
}

std::string keptFaces(const PhraseBook& book, const std::vector<int>& faces)
{
    std::string out;
    for (int f : faces) out += (out.empty() ? "" : book[Phrase::KeptFaceSeparator]) + number(f);
    return out;
}

std::string throwStarted(const PhraseBook& book, const Event& e)
{
    using P = Phrase;
    if (e.roll == 2) return book[P::SecondThrow];
    if (e.roll == 3) return book[P::FinalThrow];
    // The round is named when its first player begins; the player when several play.
    if (e.player == 1)
        return e.several ? book.say(P::FirstThrowOfRoundOfPlayer, {number(e.round), number(e.player)})
                         : book.say(P::FirstThrowOfRound, {number(e.round)});
    return e.several ? book.say(P::FirstThrowOfPlayer, {number(e.player)}) : book[P::FirstThrow];
}

std::string gameTied(const PhraseBook& book, const Event& e)
{
    std::string winners;
    for (int p : e.players) {
        if (!winners.empty()) winners += book[Phrase::JointWinnerSeparator];
        winners += book.say(Phrase::JointWinner, {number(p)});
    }
    return book.say(Phrase::GameTied, {number(int(e.players.size())), winners, number(e.points)});
}

std::string roundOver(const PhraseBook& book, const Event& e)
{
    std::string scores;
    for (std::size_t i = 0; i < e.totals.size(); ++i)
        scores += book.say(Phrase::RoundOverPlayer, {number(int(i) + 1), cell(e.totals[i])});
    return book.say(Phrase::RoundOver, {scores});
}

std::string computerCount(const PhraseBook& book, int n)
{
    if (n <= 0) return book[Phrase::NoComputers];
    return book.say(n == 1 ? Phrase::OneComputer : Phrase::Computers, {number(n)});
}

std::string advice(const PhraseBook& book, const Advice& a)
{
    using P = Phrase;
    switch (a.kind) {
    case Advice::Kind::WaitForTurn: return book[P::CoachWaits];
    case Advice::Kind::StillThinking: return book[P::CoachThinking];
    case Advice::Kind::ThrowFirst: return book[P::CoachThrowFirst];
    case Advice::Kind::Keep:
        return a.keep.empty() ? book[P::CoachKeepNothing] : book.say(P::CoachKeep, {keptFaces(book, a.keep)});
    case Advice::Kind::Score:
        if (a.cursorCategory == 0)
            return book.say(P::CoachScore, {categoryName(book, a.category), number(a.points)});
        return book.say(P::CoachScoreWithCost, {categoryName(book, a.category), number(a.points),
                                                categoryName(book, a.cursorCategory), tenths(a.cursorCost)});
    }
    return {};
}

}  // namespace

void Narrator::happened(const Event& e, SpeechQueue& queue)
{
    using P = Phrase;
    const PhraseBook& book = book_;
    switch (e.kind) {
    case EventKind::ThrowStarted: enter(queue, e.entry, throwStarted(book, e)); return;
    case EventKind::DiceRolling: queue.sound("rolldice"); return;
    case EventKind::DiceShown: {
        // No dice to tell adds nothing, not even an empty item.
        std::string said;
        for (int f : e.faces) said += book.say(P::DiceFace, {face(f)});
        if (!said.empty()) enter(queue, e.entry, said);
        return;
    }
    case EventKind::TurnPassed:
        // A computer's turn begins by itself: nobody is asked for the space bar.
        if (!e.computer) enter(queue, e.entry, book[e.round == 1 ? P::SpaceToBegin : P::SpaceToContinueTurn]);
        return;
    case EventKind::CategoriesLeft: {
        const int left = int(e.categories.size());
        enter(queue, e.entry, book.say(left == 1 ? P::CategoriesLeftOne : P::CategoriesLeftOther, {number(left)}));
        for (int c : e.categories) queue.say(categoryName(book, c));
        return;
    }
    case EventKind::ScoresOfPlayers:
        enter(queue, e.entry, book[e.running ? P::ScoresAtRoundEnd : P::ScoresAtGameEnd]);
        for (std::size_t i = 0; i < e.totals.size(); ++i)
            queue.say(book.say(P::PlayerScore, {number(int(i) + 1), number(e.totals[i].value_or(0))}));
        return;
    case EventKind::Resuming: {
        queue.say(book[P::ResumingGame]);
        const int at = e.roll >= 1 && e.roll <= 3 ? e.roll : 0;
        queue.say(e.several ? book.say(nth(P::ResumedRoundOfPlayer, at), {number(e.round), number(e.player)})
                            : book.say(nth(P::ResumedRound, at), {number(e.round)}));
        return;
    }
    default: enter(queue, e.entry, wordsOf(e)); return;
    }
}

std::string Narrator::wordsOf(const Event& e)
{
    using P = Phrase;
    const PhraseBook& book = book_;
    switch (e.kind) {
    case EventKind::ThrowStarted: return throwStarted(book, e);
    case EventKind::YachtThrown: return book[P::YachtThrown];
    case EventKind::ChooseCategory: return book[P::ChooseCategory];
    case EventKind::RoundOver: return roundOver(book, e);
    case EventKind::GameOverAlone:
        return book.say(P::GameOverAlone, {cell(e.totals.empty() ? ScoreCell() : e.totals.front())});
    case EventKind::GameWon: return book.say(P::GameWon, {number(e.player), number(e.points)});
    case EventKind::GameTied: return gameTied(book, e);
    case EventKind::NewGameOrHelp: return book[P::NewGameOrHelp];
    case EventKind::GameOverReminder: return book[P::GameOverReminder];
    case EventKind::DieUnderCursor: {
        const int die = e.number - 1;
        if (die < 0 || die > 4) return {};
        return book.say(nth(e.held ? P::HeldDieUnderCursor : P::DieUnderCursor, die),
                        {face(e.faces.empty() ? 0 : e.faces.front())});
    }
    case EventKind::DieHeld: {
        const int die = e.number - 1;
        if (die < 0 || die > 4) return {};
        return book[nth(e.held ? P::HoldDie : P::ReleaseDie, die)];
    }
    case EventKind::CategoryUnderCursor: {
        const std::string name = categoryName(book, e.category);
        if (e.taken) return book.say(P::CategoryTaken, {name});
        if (e.points != 0) return book.say(P::CategoryWorth, {name, number(e.points)});
        return book.say(P::CategoryWorthNothing, {name});
    }
    case EventKind::Scored:
        return book.say(e.round > 1 ? P::ScoredAfterRounds : P::ScoredAfterOneRound,
                        {number(e.round), number(e.points)});
    case EventKind::ComputerScored:
        return book.say(P::ComputerScored, {number(e.player), number(e.points), categoryName(book, e.category)});
    case EventKind::ComputerKept:
        if (e.faces.empty()) return book.say(P::ComputerKeptNothing, {number(e.player)});
        return book.say(P::ComputerKept, {number(e.player), keptFaces(book, e.faces)});
    case EventKind::SoloScore:
        if (e.running) return book.say(P::SoloScoreAtRoundEnd, {number(e.points), number(e.number)});
        return book.say(P::SoloScoreAtGameEnd, {number(e.points)});
    case EventKind::ChoicesCost:
        if (e.player == 0) return book.say(P::ChoicesCost, {tenths(e.cost)});
        return book.say(P::ChoicesCostOfPlayer, {number(e.player), tenths(e.cost)});
    case EventKind::SpaceToContinue: return book[P::SpaceToContinueReport];
    case EventKind::Greeting: return book[P::Greeting];
    case EventKind::WelcomeBack: return book[e.computer ? P::WelcomeBackToComputer : P::WelcomeBack];
    case EventKind::NewGameQuestion: return book[P::NewGameQuestion];
    case EventKind::NewGameCancelled: return book[P::NewGameCancelled];
    case EventKind::PlayersAsked: return book[P::PlayersAsked];
    case EventKind::PlayerCount: return book.say(e.number == 1 ? P::OnePlayer : P::Players, {number(e.number)});
    case EventKind::ComputerCount:
        // Said after the count of players it belongs with, or alone when it is what changed.
        if (e.entry == Entry::Joined) return book.say(P::AlongWith, {computerCount(book, e.number)});
        return computerCount(book, e.number);
    case EventKind::StrengthChosen: return book[e.casual ? P::Casual : P::Strong];
    case EventKind::Goodbye: return book[P::Goodbye];
    case EventKind::CoachAdvice: return advice(book, e.advice);
    case EventKind::VoiceChanged: return book.say(P::VoiceChanged, {e.description});
    case EventKind::SpeedChanged:
        return book.say(P::SpeedChanged, {e.number >= 0 && e.number <= 4 ? book[nth(P::SpeedName, e.number)] : ""});
    case EventKind::SpeedInScreenReader: return book[P::SpeedInScreenReader];
    // The help pages are whole texts of their own, kept with the game's resources.
    case EventKind::HelpPage: return e.description;
    // Told by happened() alone: they are more than one item, or a sound.
    case EventKind::DiceRolling:
    case EventKind::DiceShown:
    case EventKind::TurnPassed:
    case EventKind::CategoriesLeft:
    case EventKind::ScoresOfPlayers:
    case EventKind::Resuming: return {};
    }
    return {};
}

}  // namespace yacht
