#include "narration/phrase_book.h"

#include "narration/catalogue.h"

namespace yacht {
namespace {

// How to start a game or hear the help; several entries end with it.
#define NEW_GAME_OR_HELP "Press function key F 9 to start a new game or function key F 1 for help. "

// The English entries; blanks at either end are part of the words (they join what they follow).
const std::vector<std::pair<Phrase, const char*>>& englishEntries()
{
    using P = Phrase;
    static const std::vector<std::pair<Phrase, const char*>> entries = {
        {P::NewGameOrHelp, NEW_GAME_OR_HELP},
        {P::GameOverReminder, "Game over. " NEW_GAME_OR_HELP},
        {P::Greeting, "Yacht, from Tevrin Software. " NEW_GAME_OR_HELP},
        {P::GameOverAlone, "game over, you scored %1$s " NEW_GAME_OR_HELP},
        {P::GameWon, "Game over. The winner is player %1$d with a score of %2$d " NEW_GAME_OR_HELP},
        {P::GameTied, "Game over. We have a %1$d way tie. The joint winners are %2$s with a score of %3$d "
                      NEW_GAME_OR_HELP},
        {P::JointWinner, "player %1$d"},
        {P::JointWinnerSeparator, " and "},
        {P::RoundOver, "At the end of the round, the scores are %1$s"},
        {P::RoundOverPlayer, "player %1$d %2$s, "},
        {P::SpaceToBegin, " Press the space bar to begin"},
        {P::SpaceToContinueTurn, " Press the space bar to continue"},
        {P::FirstThrowOfRound, "round %1$d first roll"},
        {P::FirstThrowOfRoundOfPlayer, "round %1$d player %2$d first roll"},
        {P::FirstThrowOfPlayer, " player %1$d first roll"},
        {P::FirstThrow, " first roll"},
        {P::SecondThrow, "second roll"},
        {P::FinalThrow, "final roll"},
        {P::ResumingGame, "Resuming an unfinished game, press function key F 9 if you prefer to start a new game. "},
        {nth(P::ResumedRound, 0), "round %1$d"},
        {nth(P::ResumedRound, 1), "round %1$d first roll"},
        {nth(P::ResumedRound, 2), "round %1$d second roll"},
        {nth(P::ResumedRound, 3), "round %1$d final roll"},
        {nth(P::ResumedRoundOfPlayer, 0), "round %1$d, player %2$d"},
        {nth(P::ResumedRoundOfPlayer, 1), "round %1$d, player %2$d first roll"},
        {nth(P::ResumedRoundOfPlayer, 2), "round %1$d, player %2$d second roll"},
        {nth(P::ResumedRoundOfPlayer, 3), "round %1$d, player %2$d final roll"},
        {P::WelcomeBack, "Yacht, from Tevrin Software. Resuming an unfinished game. "
                         " Press the space bar to continue or press function key F 9 if you prefer to start a new game. "},
        // A computer's turn goes on by itself: the space bar would skip it, so it is not asked for.
        {P::WelcomeBackToComputer, "Yacht, from Tevrin Software. Resuming an unfinished game. "
                                   " Press function key F 9 if you prefer to start a new game. "},
        {P::DiceFace, " %1$s"},
        {P::YachtThrown, "yacht"},
        {P::ChooseCategory, "Use the arrow keys to choose the category then press the enter key to score"},
        {nth(P::DieUnderCursor, 0), "First dice %1$s"},
        {nth(P::DieUnderCursor, 1), "Second dice %1$s"},
        {nth(P::DieUnderCursor, 2), "Third dice %1$s"},
        {nth(P::DieUnderCursor, 3), "Fourth dice %1$s"},
        {nth(P::DieUnderCursor, 4), "Fifth dice %1$s"},
        {nth(P::HeldDieUnderCursor, 0), "First dice %1$s, held"},
        {nth(P::HeldDieUnderCursor, 1), "Second dice %1$s, held"},
        {nth(P::HeldDieUnderCursor, 2), "Third dice %1$s, held"},
        {nth(P::HeldDieUnderCursor, 3), "Fourth dice %1$s, held"},
        {nth(P::HeldDieUnderCursor, 4), "Fifth dice %1$s, held"},
        {nth(P::HoldDie, 0), "hold the first dice "},
        {nth(P::HoldDie, 1), "hold the second dice "},
        {nth(P::HoldDie, 2), "hold the third dice "},
        {nth(P::HoldDie, 3), "hold the fourth dice "},
        {nth(P::HoldDie, 4), "hold the last dice "},
        {nth(P::ReleaseDie, 0), "release the first dice "},
        {nth(P::ReleaseDie, 1), "release the second dice "},
        {nth(P::ReleaseDie, 2), "release the third dice "},
        {nth(P::ReleaseDie, 3), "release the fourth dice "},
        {nth(P::ReleaseDie, 4), "release the last dice "},
        {P::CategoryTaken, "%1$s is already taken"},
        {P::CategoryWorth, "%1$s is worth %2$d"},
        {P::CategoryWorthNothing, "%1$s is worth nothing"},
        {nth(P::CategoryName, 0), "Ones"},
        {nth(P::CategoryName, 1), "Twos"},
        {nth(P::CategoryName, 2), "Threes"},
        {nth(P::CategoryName, 3), "Fours"},
        {nth(P::CategoryName, 4), "Fives"},
        {nth(P::CategoryName, 5), "Sixes"},
        {nth(P::CategoryName, 6), "3 of a kind"},
        {nth(P::CategoryName, 7), "4 of a kind"},
        {nth(P::CategoryName, 8), "Full house"},
        {nth(P::CategoryName, 9), "Small straight"},
        {nth(P::CategoryName, 10), "Large straight"},
        {nth(P::CategoryName, 11), "Chance"},
        {nth(P::CategoryName, 12), "Yacht"},
        {P::ScoredAfterOneRound, "After %1$d round your total score is %2$d"},
        {P::ScoredAfterRounds, "After %1$d rounds your total score is %2$d"},
        {P::ComputerScored, "player %1$d scores %2$d in %3$s"},
        {P::ComputerKept, "player %1$d keeps %2$s"},
        {P::ComputerKeptNothing, "player %1$d keeps nothing"},
        {P::KeptFaceSeparator, " "},
        // "1 categories" is how the game has always said it.
        {P::CategoriesLeftOne, "%1$d categories left to fill"},
        {P::CategoriesLeftOther, "%1$d categories left to fill"},
        {P::ScoresAtRoundEnd, "At the end of the round the scores are, "},
        {P::ScoresAtGameEnd, "At the end of the game the scores are, "},
        {P::PlayerScore, "player %1$d, %2$d"},
        {P::SoloScoreAtRoundEnd, "At the end of the round your score is %1$d and your sub total is %2$d"},
        {P::SoloScoreAtGameEnd, "At the end of the game your score is %1$d"},
        {P::ChoicesCost, "your choices cost %1$s points against perfect play"},
        {P::ChoicesCostOfPlayer, "player %1$d, your choices cost %2$s points against perfect play"},
        {P::SpaceToContinueReport, "Press the space bar to continue. "},
        {P::NewGameQuestion, "Do you really want to start a new game? Press the enter key to confirm or "
                             "the escape key to cancel"},
        {P::NewGameCancelled, "cancelled"},
        {P::PlayersAsked, "Choose the number of players using the arrow keys, then press the enter key to begin"},
        {P::OnePlayer, "%1$d player"},
        {P::Players, "%1$d players"},
        {P::NoComputers, "no computer players"},
        {P::OneComputer, "%1$d computer player"},
        {P::Computers, "%1$d computer players"},
        {P::AlongWith, ", %1$s"},
        {P::Casual, "casual"},
        {P::Strong, "strong"},
        {P::Goodbye, "goodbye"},
        {P::CoachWaits, "the coach waits for your turn"},
        {P::CoachThinking, "the coach is still thinking"},
        {P::CoachThrowFirst, "throw the dice with the space bar"},
        {P::CoachScore, "score %1$s for %2$d"},
        {P::CoachScoreWithCost, "score %1$s for %2$d, %3$s costs %4$s points"},
        {P::CoachKeep, "keep %1$s, then throw"},
        {P::CoachKeepNothing, "keep nothing, then throw"},
        {P::VoiceChanged, "Voice changed to %1$s"},
        {P::SpeedChanged, "Speed changed to %1$s"},
        {nth(P::SpeedName, 0), "very slow"},
        {nth(P::SpeedName, 1), "slow"},
        {nth(P::SpeedName, 2), "normal"},
        {nth(P::SpeedName, 3), "fast"},
        {nth(P::SpeedName, 4), "very fast"},
        {P::SpeedInScreenReader, "The speed is set in your screen reader"},
        {P::NewBestScore, "A new best score."},
        {P::NewBestScoreOfPlayer, "player %1$d, a new best score."},
        {P::NothingRecorded, "No game has been finished yet, so there are no best scores."},
        {P::BestScoresHeading, "The best scores."},
        {P::BestScore, "%1$d, on %2$d %3$s %4$d."},
        {P::BestScoreWithCoach, "%1$d, on %2$d %3$s %4$d, with the coach."},
        {nth(P::MonthName, 0), "January"},
        {nth(P::MonthName, 1), "February"},
        {nth(P::MonthName, 2), "March"},
        {nth(P::MonthName, 3), "April"},
        {nth(P::MonthName, 4), "May"},
        {nth(P::MonthName, 5), "June"},
        {nth(P::MonthName, 6), "July"},
        {nth(P::MonthName, 7), "August"},
        {nth(P::MonthName, 8), "September"},
        {nth(P::MonthName, 9), "October"},
        {nth(P::MonthName, 10), "November"},
        {nth(P::MonthName, 11), "December"},
        {P::GamesFinished, "%1$d games finished, an average score of %2$s, the best %3$d."},
        {P::OneGameFinished, "1 game finished, with a score of %1$d."},
        {P::UpperBonuses, "The upper bonus reached %1$d times out of %2$d."},
        {P::YachtsThrown, "%1$d Yachts thrown."},
        {P::OneYachtThrown, "1 Yacht thrown."},
        {P::AverageChoiceCost, "A choice cost %1$s points on average against perfect play."},
        {P::AgainstStrong, "Against the strong computer, %1$d won and %2$d lost."},
        {P::AgainstCasual, "Against the casual computer, %1$d won and %2$d lost."},
        {P::NoGameAgainstComputer, "No game against the computer finished yet."},
        {P::TurnOfPlayer, "player %1$d"},
        {P::TurnFirstThrow, "player %1$d threw %2$s"},
        {P::TurnKept, ", kept %1$s"},
        {P::TurnKeptNothing, ", kept nothing"},
        {P::TurnThrewAgain, ", threw %1$s"},
        {P::TurnScored, ", scored %1$d in %2$s"},
        {P::NoTurnPlayed, "No turn has been played yet."},
        {P::TerminalKeys, "In the terminal: I tells the state of play, L lists the score sheet, "
                          "V and B the next and previous voice, R the speed, N and P move like the arrows, "
                          "Escape hushes, Control C saves and leaves like F 12. "},
        {P::TerminalStateOfTurn, "round %1$d, roll %2$d: %3$s"},
        {P::TerminalStateOfPlayer, "player %1$d, round %2$d, roll %3$d: %4$s"},
        {P::TerminalHeldFace, "%1$s*"},
        {P::TerminalFaceSeparator, " "},
        {P::TerminalRowWorth, "; %1$s %2$d"},
        {P::TerminalRowTaken, "; %1$s taken"},
        {P::TerminalNoGame, "no game: F9 new game, F1 help"},
        {P::TerminalChoosingPlayers, "choosing players: %1$s"},
        {P::TerminalWaitingForSpace, "; space to go on"},
        {P::TerminalSheetRow, "%1$s: %2$s"},
        {P::TerminalSheetTotal, "Total: %1$s"},
        {P::TerminalRunningElsewhere, "yacht: the game is already running elsewhere (in another terminal "
                                      "or on the desktop)"},
        {P::TerminalNeedsTerminal, "yacht: --terminal needs a terminal on standard input and output"},
        {P::BriefSpeech, "brief speech"},
        {P::FullSpeech, "full speech"},
    };
    return entries;
}

#undef NEW_GAME_OR_HELP

}  // namespace

const PhraseBook& PhraseBook::english()
{
    static const PhraseBook book = [] {
        PhraseBook b;
        for (const auto& [phrase, text] : englishEntries()) b.entries_[static_cast<int>(phrase)] = text;
        return b;
    }();
    return book;
}

const PhraseBook& PhraseBook::english(Wording wording)
{
    static const PhraseBook brief = [] {
        PhraseBook b = english();
        for (const auto& [phrase, text] : briefEntries()) b.entries_[int(phrase)] = text;
        return b;
    }();
    return wording == Wording::Brief ? brief : english();
}

const std::vector<PluralPair>& pluralPairs()
{
    using P = Phrase;
    static const std::vector<PluralPair> pairs = {
        {P::ScoredAfterOneRound, P::ScoredAfterRounds},
        {P::CategoriesLeftOne, P::CategoriesLeftOther},
        {P::OnePlayer, P::Players},
        {P::OneComputer, P::Computers},
    };
    return pairs;
}

PhraseBook PhraseBook::translated(Wording wording)
{
    const PhraseBook& en = english();
    PhraseBook b;
    b.catalogued_ = true;
    b.language_ = languageInUse();
    for (int i = 0; i < int(Phrase::Count); ++i) b.entries_[i] = translate(en.entries_[i].c_str());
    if (wording == Wording::Brief) {
        const bool english = languageInUse().empty();
        for (const auto& [phrase, text] : briefEntries()) {
            const char* own = translateInContext("brief", text);
            if (!own && !english) continue;
            b.entries_[int(phrase)] = own ? own : text;
            b.brief_[int(phrase)] = true;
        }
    }
    return b;
}

std::string PhraseBook::count(Phrase one, long n, std::initializer_list<std::string> args) const
{
    for (const PluralPair& pair : pluralPairs()) {
        if (pair.one != one) continue;
        // The English book, and a brief entry, choose between the two by English's rule.
        if (!catalogued_ || brief_[int(one)]) return say(n == 1 ? pair.one : pair.other, args);
        return fillPhrase(translatePlural(englishOf(pair.one).c_str(), englishOf(pair.other).c_str(),
                                          static_cast<unsigned long>(n < 0 ? -n : n)),
                          args);
    }
    return say(one, args);
}

std::string PhraseBook::say(Phrase p, std::initializer_list<std::string> args) const
{
    return fillPhrase((*this)[p], args);
}

std::string fillPhrase(std::string_view pattern, std::initializer_list<std::string> args)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    std::size_t i = 0;
    while (i < pattern.size()) {
        // The words up to the next percent sign go over as they stand.
        const std::size_t percent = pattern.find('%', i);
        out.append(pattern.substr(i, percent == std::string_view::npos ? std::string_view::npos : percent - i));
        if (percent == std::string_view::npos) break;
        i = percent;
        if (i + 1 >= pattern.size()) {
            out += '%';
            break;
        }
        if (pattern[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        // %N$s or %N$d
        std::size_t j = i + 1;
        int n = 0;
        while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9') n = n * 10 + (pattern[j++] - '0');
        const bool placeholder = j > i + 1 && j + 1 < pattern.size() && pattern[j] == '$' &&
                                 (pattern[j + 1] == 's' || pattern[j + 1] == 'd');
        if (!placeholder) {
            out += '%';
            ++i;
            continue;
        }
        if (n >= 1 && n <= int(args.size())) out += *(args.begin() + (n - 1));
        i = j + 2;
    }
    return out;
}

}  // namespace yacht
