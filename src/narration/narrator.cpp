#include "narration/narrator.h"

#include "narration/catalogue.h"
#include "narration/english_only_voice.h"
#include "narration/record_words.h"
#include "narration/tenths.h"

namespace yacht {
namespace {

using P = Phrase;

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
    case Entry::Joined: queue.add(std::move(words)); break;
    case Entry::Replacing: queue.replace(std::move(words)); break;
    case Entry::Unheard: queue.clear(); break;
    }
}

// The words of each kind of event, from one phrase book.
struct Words {
    const PhraseBook& book;

    std::string category(int c) const
    {
        if (c < 1 || c > 13) return {};
        return book[nth(P::CategoryName, c - 1)];
    }
    std::string faces(const std::vector<int>& faces) const
    {
        std::string out;
        for (int f : faces) out += (out.empty() ? "" : book[P::KeptFaceSeparator]) + number(f);
        return out;
    }
    std::string computers(int n) const
    {
        if (n <= 0) return book[P::NoComputers];
        return book.count(P::OneComputer, n, {number(n)});
    }

    std::string operator()(const event::ThrowCalled& e) const
    {
        if (e.roll == 2) return book[P::SecondThrow];
        if (e.roll == 3) return book[P::FinalThrow];
        // The round is named when its first player begins; the player when several play.
        if (e.player == 1)
            return e.several ? book.say(P::FirstThrowOfRoundOfPlayer, {number(e.round), number(e.player)})
                             : book.say(P::FirstThrowOfRound, {number(e.round)});
        return e.several ? book.say(P::FirstThrowOfPlayer, {number(e.player)}) : book[P::FirstThrow];
    }
    std::string operator()(const event::DiceShown& e) const
    {
        std::string said;
        for (int f : e.faces) said += book.say(P::DiceFace, {face(f)});
        return said;
    }
    std::string operator()(const event::YachtThrown&) const { return book[P::YachtThrown]; }
    std::string operator()(const event::ChooseCategory&) const { return book[P::ChooseCategory]; }
    std::string operator()(const event::TurnPassed& e) const
    {
        // A computer's turn begins by itself: nobody is asked for the space bar.
        if (e.computer) return {};
        return book[e.round == 1 ? P::SpaceToBegin : P::SpaceToContinueTurn];
    }
    std::string operator()(const event::RoundOver& e) const
    {
        std::string scores;
        for (std::size_t i = 0; i < e.totals.size(); ++i)
            scores += book.say(P::RoundOverPlayer, {number(int(i) + 1), cell(e.totals[i])});
        return book.say(P::RoundOver, {scores});
    }
    std::string operator()(const event::GameOverAlone& e) const { return book.say(P::GameOverAlone, {cell(e.total)}); }
    std::string operator()(const event::GameWon& e) const
    {
        return book.say(P::GameWon, {number(e.player), number(e.points)});
    }
    std::string operator()(const event::GameTied& e) const
    {
        std::string winners;
        for (int p : e.players) {
            if (!winners.empty()) winners += book[P::JointWinnerSeparator];
            winners += book.say(P::JointWinner, {number(p)});
        }
        return book.say(P::GameTied, {number(int(e.players.size())), winners, number(e.points)});
    }
    std::string operator()(const event::NewGameOrHelp&) const { return book[P::NewGameOrHelp]; }
    std::string operator()(const event::GameOverReminder&) const { return book[P::GameOverReminder]; }
    std::string operator()(const event::DieUnderCursor& e) const
    {
        if (e.die < 1 || e.die > 5) return {};
        return book.say(nth(e.held ? P::HeldDieUnderCursor : P::DieUnderCursor, e.die - 1), {face(e.face)});
    }
    std::string operator()(const event::DieHeld& e) const
    {
        if (e.die < 1 || e.die > 5) return {};
        return book[nth(e.held ? P::HoldDie : P::ReleaseDie, e.die - 1)];
    }
    std::string operator()(const event::CategoryUnderCursor& e) const
    {
        if (e.taken) return book.say(P::CategoryTaken, {category(e.category)});
        if (e.worth != 0) return book.say(P::CategoryWorth, {category(e.category), number(e.worth)});
        return book.say(P::CategoryWorthNothing, {category(e.category)});
    }
    std::string operator()(const event::Scored& e) const
    {
        return book.count(P::ScoredAfterOneRound, e.round, {number(e.round), number(e.total)});
    }
    std::string operator()(const event::ComputerScored& e) const
    {
        return book.say(P::ComputerScored, {number(e.player), number(e.points), category(e.category)});
    }
    std::string operator()(const event::ComputerKept& e) const
    {
        if (e.faces.empty()) return book.say(P::ComputerKeptNothing, {number(e.player)});
        return book.say(P::ComputerKept, {number(e.player), faces(e.faces)});
    }
    std::string operator()(const event::CategoriesLeft& e) const
    {
        const int left = int(e.categories.size());
        return book.count(P::CategoriesLeftOne, left, {number(left)});
    }
    std::string operator()(const event::ScoresOfPlayers& e) const
    {
        return book[e.running ? P::ScoresAtRoundEnd : P::ScoresAtGameEnd];
    }
    std::string operator()(const event::SoloScore& e) const
    {
        if (e.running) return book.say(P::SoloScoreAtRoundEnd, {number(e.total), number(e.subtotal)});
        return book.say(P::SoloScoreAtGameEnd, {number(e.total)});
    }
    std::string operator()(const event::ChoicesCost& e) const
    {
        if (e.player == 0) return book.say(P::ChoicesCost, {tenths(e.cost, book.language())});
        return book.say(P::ChoicesCostOfPlayer, {number(e.player), tenths(e.cost, book.language())});
    }
    std::string operator()(const event::SpaceToContinue&) const { return book[P::SpaceToContinueReport]; }
    std::string operator()(const event::Greeting&) const { return book[P::Greeting]; }
    std::string operator()(const event::WelcomeBack& e) const
    {
        return book[e.computer ? P::WelcomeBackToComputer : P::WelcomeBack];
    }
    // Where the game stands; the item before it says that it is resumed.
    std::string operator()(const event::Resuming& e) const
    {
        const int at = e.roll >= 1 && e.roll <= 3 ? e.roll : 0;
        return e.several ? book.say(nth(P::ResumedRoundOfPlayer, at), {number(e.round), number(e.player)})
                         : book.say(nth(P::ResumedRound, at), {number(e.round)});
    }
    std::string operator()(const event::NewGameQuestion&) const { return book[P::NewGameQuestion]; }
    std::string operator()(const event::NewGameCancelled&) const { return book[P::NewGameCancelled]; }
    std::string operator()(const event::PlayersAsked&) const { return book[P::PlayersAsked]; }
    std::string operator()(const event::PlayerCount& e) const
    {
        return book.count(P::OnePlayer, e.players, {number(e.players)});
    }
    std::string operator()(const event::ComputerCount& e) const { return computers(e.computers); }
    std::string operator()(const event::StrengthChosen& e) const { return book[e.casual ? P::Casual : P::Strong]; }
    std::string operator()(const event::Goodbye&) const { return book[P::Goodbye]; }
    std::string operator()(const event::CoachAdvice& e) const
    {
        const Advice& a = e.advice;
        switch (a.kind) {
        case Advice::Kind::WaitForTurn: return book[P::CoachWaits];
        case Advice::Kind::StillThinking: return book[P::CoachThinking];
        case Advice::Kind::ThrowFirst: return book[P::CoachThrowFirst];
        case Advice::Kind::Keep: return a.keep.empty() ? book[P::CoachKeepNothing] : book.say(P::CoachKeep, {faces(a.keep)});
        case Advice::Kind::Score:
            if (a.cursorCategory == 0) return book.say(P::CoachScore, {category(a.category), number(a.points)});
            return book.say(P::CoachScoreWithCost, {category(a.category), number(a.points), category(a.cursorCategory),
                                                    tenths(a.cursorCost, book.language())});
        }
        return {};
    }
    std::string operator()(const event::VoiceChanged& e) const { return book.say(P::VoiceChanged, {e.description}); }
    std::string operator()(const event::SpeedChanged& e) const
    {
        const bool named = e.speed >= 0 && e.speed <= 4;
        return book.say(P::SpeedChanged, {named ? book[nth(P::SpeedName, e.speed)] : std::string()});
    }
    std::string operator()(const event::SpeedInScreenReader&) const { return book[P::SpeedInScreenReader]; }
    std::string operator()(const event::WordingChanged& e) const { return book[e.brief ? P::BriefSpeech : P::FullSpeech]; }
    // The help pages are whole texts of their own, kept with the game's resources; each line
    // is a message of the catalogues.
    // Once the game has gone on in English, the pages are read as the resources hold them.
    std::string operator()(const event::HelpPage& e) const
    {
        return book.language().empty() ? e.text : translateLines(e.text);
    }
    // The narrator itself answers the engine speaking (Narrator::tookOver).
    std::string operator()(const event::SpeakingEngine&) const { return {}; }
    std::string operator()(const event::DiceRolling&) const { return {}; }
    // What is only shown has no words.
    template <event::ShownOnly Shown>
    std::string operator()(const Shown&) const
    {
        return {};
    }
    // The record's reports are several sentences; said at once they run together.
    std::vector<std::string> items(const event::NewBestScore& e) const
    {
        if (!e.several) return {book[P::NewBestScore]};
        std::vector<std::string> out;
        for (int p : e.players) out.push_back(book.say(P::NewBestScoreOfPlayer, {number(p)}));
        return out;
    }
    std::vector<std::string> items(const event::BestScores& e) const
    {
        std::vector<std::string> out{book[P::BestScoresHeading]};
        for (const BestScore& b : e.best) out.push_back(bestScoreWords(book, b));
        return out;
    }
    std::vector<std::string> items(const event::RecordStatistics& e) const { return statisticsWords(book, e.summary); }
    std::vector<std::string> items(const event::AgainstComputers& e) const
    {
        return againstComputerWords(book, e.strong, e.casual);
    }
    template <typename Report>
    std::string joined(const Report& e) const
    {
        std::string out;
        for (const std::string& item : items(e)) out += (out.empty() ? "" : " ") + item;
        return out;
    }
    std::string operator()(const event::NewBestScore& e) const { return joined(e); }
    std::string operator()(const event::BestScores& e) const { return joined(e); }
    std::string operator()(const event::RecordStatistics& e) const { return joined(e); }
    std::string operator()(const event::AgainstComputers& e) const { return joined(e); }
    std::string operator()(const event::NothingRecorded&) const { return book[P::NothingRecorded]; }
    std::string operator()(const event::TurnRetold& e) const { return turnWords(book, e.turn); }
    std::string operator()(const event::NoTurnPlayed&) const { return book[P::NoTurnPlayed]; }
};

// How each kind enters the queue: its words as its entry says, except for the kinds below.
struct Queueing {
    const Words& words;
    SpeechQueue& queue;
    Entry entry;

    template <typename Facts>
    void operator()(const Facts& e) const
    {
        enter(queue, entry, words(e));
    }
    // What is only shown enters nothing, not even an empty item.
    template <event::ShownOnly Shown>
    void operator()(const Shown&) const
    {
    }
    void operator()(const event::DiceRolling&) const { queue.sound("rolldice"); }
    void operator()(const event::DiceShown& e) const
    {
        // No dice to tell adds nothing, not even an empty item; a report of them still drops what is queued.
        if (!e.faces.empty()) enter(queue, entry, words(e));
        else if (entry == Entry::Replacing) queue.clear();
    }
    void operator()(const event::TurnPassed& e) const
    {
        if (!e.computer) enter(queue, entry, words(e));
    }
    // The count, then each category an item of its own.
    void operator()(const event::CategoriesLeft& e) const
    {
        enter(queue, entry, words(e));
        for (int c : e.categories) queue.say(words.category(c));
    }
    // The heading, then each player's total an item of its own.
    void operator()(const event::ScoresOfPlayers& e) const
    {
        enter(queue, entry, words(e));
        for (std::size_t i = 0; i < e.totals.size(); ++i)
            queue.say(words.book.say(P::PlayerScore, {number(int(i) + 1), number(e.totals[i])}));
    }
    // Said after the count of players it belongs with, or alone when it is what changed.
    void operator()(const event::ComputerCount& e) const
    {
        if (entry == Entry::Joined)
            enter(queue, entry, words.book.say(P::AlongWith, {words(e)}));
        else
            enter(queue, entry, words(e));
    }
    // The record's reports, a sentence an item: each can be skipped or repeated on its own.
    template <typename Report>
    void itemByItem(const Report& e) const
    {
        bool first = true;
        for (std::string& item : words.items(e)) {
            if (first) enter(queue, entry, std::move(item));
            else queue.say(std::move(item));
            first = false;
        }
    }
    void operator()(const event::NewBestScore& e) const { itemByItem(e); }
    void operator()(const event::BestScores& e) const { itemByItem(e); }
    void operator()(const event::RecordStatistics& e) const { itemByItem(e); }
    void operator()(const event::AgainstComputers& e) const { itemByItem(e); }
    void operator()(const event::Resuming& e) const
    {
        queue.say(words.book[P::ResumingGame]);
        enter(queue, entry, words(e));
    }
};

}  // namespace

bool Narrator::instructedBefore(const Event& e)
{
    // A new game is told its keys afresh.
    if (std::holds_alternative<event::PlayersAsked>(e.what)) instructed_.clear();
    const bool instruction = std::holds_alternative<event::ChooseCategory>(e.what) ||
                             std::holds_alternative<event::TurnPassed>(e.what) ||
                             std::holds_alternative<event::SpaceToContinue>(e.what) ||
                             std::holds_alternative<event::NewGameOrHelp>(e.what);
    if (!instruction || wording_ != Wording::Brief) return false;
    return !instructed_.insert(e.what.index()).second;
}

std::string Narrator::tookOver(const event::SpeakingEngine& e)
{
    const std::string language = full_->language();
    if (!speaksEnglishOnly(e.engine) || language.empty()) return {};
    full_ = &PhraseBook::english(Wording::Full);
    brief_ = &PhraseBook::english(Wording::Brief);
    return englishOnlyNotice(language);
}

void Narrator::happened(const Event& e, SpeechQueue& queue)
{
    if (const auto* changed = std::get_if<event::WordingChanged>(&e.what))
        wording_ = changed->brief ? Wording::Brief : Wording::Full;
    if (const auto* speaking = std::get_if<event::SpeakingEngine>(&e.what)) {
        std::string notice = tookOver(*speaking);
        if (!notice.empty()) enter(queue, e.entry, std::move(notice));
        return;
    }
    if (instructedBefore(e)) return;
    const Words words{book()};
    std::visit(Queueing{words, queue, e.entry}, e.what);
}

std::string Narrator::wordsOf(const Event& e)
{
    if (const auto* changed = std::get_if<event::WordingChanged>(&e.what))
        wording_ = changed->brief ? Wording::Brief : Wording::Full;
    if (const auto* speaking = std::get_if<event::SpeakingEngine>(&e.what)) return tookOver(*speaking);
    return std::visit(Words{book()}, e.what);
}

}  // namespace yacht
