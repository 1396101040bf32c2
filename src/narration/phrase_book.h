#pragma once
// Every sentence the game says, whole, with numbered placeholders ("%1$d", "%2$s") for what
// varies, so that the words can be translated or shortened without touching the rules.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace yacht {

// The entries of the phrase book. Entries that run in fives or thirteens (dice, categories,
// speeds) are numbered from their first entry.
enum class Phrase {
    NewGameOrHelp,
    GameOverReminder,
    Greeting,
    GameOverAlone,
    GameWon,
    GameTied,
    JointWinner,
    JointWinnerSeparator,
    RoundOver,
    RoundOverPlayer,
    SpaceToBegin,
    SpaceToContinueTurn,
    FirstThrowOfRound,
    FirstThrowOfRoundOfPlayer,
    FirstThrowOfPlayer,
    FirstThrow,
    SecondThrow,
    FinalThrow,
    ResumingGame,
    ResumedRound,             // four entries: no throw yet, first, second, final roll
    ResumedRoundOfPlayer = ResumedRound + 4,  // the same four, with the player
    WelcomeBack = ResumedRoundOfPlayer + 4,
    WelcomeBackToComputer,
    DiceFace,
    YachtThrown,
    ChooseCategory,
    DieUnderCursor,                        // five entries, first to fifth die
    HeldDieUnderCursor = DieUnderCursor + 5,
    HoldDie = HeldDieUnderCursor + 5,
    ReleaseDie = HoldDie + 5,
    CategoryTaken = ReleaseDie + 5,
    CategoryWorth,
    CategoryWorthNothing,
    CategoryName,                          // thirteen entries, Ones to Yacht
    ScoredAfterOneRound = CategoryName + 13,
    ScoredAfterRounds,
    ComputerScored,
    ComputerKept,
    ComputerKeptNothing,
    KeptFaceSeparator,
    CategoriesLeftOne,
    CategoriesLeftOther,
    ScoresAtRoundEnd,
    ScoresAtGameEnd,
    PlayerScore,
    SoloScoreAtRoundEnd,
    SoloScoreAtGameEnd,
    ChoicesCost,
    ChoicesCostOfPlayer,
    SpaceToContinueReport,
    NewGameQuestion,
    NewGameCancelled,
    PlayersAsked,
    OnePlayer,
    Players,
    NoComputers,
    OneComputer,
    Computers,
    AlongWith,
    Casual,
    Strong,
    Goodbye,
    CoachWaits,
    CoachThinking,
    CoachThrowFirst,
    CoachScore,
    CoachScoreWithCost,
    CoachKeep,
    CoachKeepNothing,
    VoiceChanged,
    SpeedChanged,
    SpeedName,                             // five entries, very slow to very fast
    SpeedInScreenReader = SpeedName + 5,
    NewBestScore,
    NewBestScoreOfPlayer,
    NothingRecorded,
    BestScoresHeading,
    BestScore,
    BestScoreWithCoach,
    MonthName,                             // twelve entries, January to December
    GamesFinished = MonthName + 12,
    OneGameFinished,
    UpperBonuses,
    YachtsThrown,
    OneYachtThrown,
    AverageChoiceCost,
    AgainstStrong,
    AgainstCasual,
    NoGameAgainstComputer,
    TurnOfPlayer,
    TurnFirstThrow,
    TurnKept,
    TurnKeptNothing,
    TurnThrewAgain,
    TurnScored,
    NoTurnPlayed,
    // The terminal's own lines: its keys, the compact state line and the score sheet.
    TerminalKeys,
    TerminalStateOfTurn,
    TerminalStateOfPlayer,
    TerminalHeldFace,
    TerminalFaceSeparator,
    TerminalRowWorth,
    TerminalRowTaken,
    TerminalNoGame,
    TerminalChoosingPlayers,
    TerminalWaitingForSpace,
    TerminalSheetRow,
    TerminalSheetTotal,
    TerminalRunningElsewhere,
    TerminalNeedsTerminal,
    BriefSpeech,
    FullSpeech,
    Count
};

// The entry n places after a run's first entry (a die, a category, a speed).
constexpr Phrase nth(Phrase first, int n)
{
    return static_cast<Phrase>(static_cast<int>(first) + n);
}

// Which of the book's two wordings: whole sentences, or the short one for players who know the game.
enum class Wording { Full, Brief };

// An entry said in the singular for one and in a plural otherwise, with the entry of its plural.
struct PluralPair {
    Phrase one;
    Phrase other;
};

// The entries that count something; the catalogues give each pair its language's plural forms.
const std::vector<PluralPair>& pluralPairs();

// The short English wording of the entries that have one (the others are said in full).
const std::vector<std::pair<Phrase, const char*>>& briefEntries();

// One language's entries.
class PhraseBook {
public:
    // The game's own English words.
    static const PhraseBook& english();

    // The game's own English words in one wording, whatever catalogue is in use: what a game in
    // another language is told in once only an English voice can speak.
    static const PhraseBook& english(Wording wording);

    // The game's English words in one wording, each entry looked up in the message catalogue
    // in use (narration/catalogue.h); an entry the catalogue lacks stays English, and a brief
    // entry the language lacks is said in its full wording.
    static PhraseBook translated(Wording wording);

    // The English text of an entry, as the catalogues know it (the message id).
    static const std::string& englishOf(Phrase p) { return english()[p]; }

    const std::string& operator[](Phrase p) const { return entries_[static_cast<int>(p)]; }

    // The language the book's words are in, as the catalogues name it ("de"), or "" for English.
    const std::string& language() const { return language_; }

    // The entry with its placeholders filled.
    std::string say(Phrase p, std::initializer_list<std::string> args = {}) const;

    // The entry of a plural pair (given by its singular) for n, with its placeholders filled.
    std::string count(Phrase one, long n, std::initializer_list<std::string> args) const;

private:
    std::array<std::string, static_cast<int>(Phrase::Count)> entries_;
    bool catalogued_ = false;  // plural forms come from the catalogue in use
    std::string language_;     // the catalogue's language, "" for English
    std::array<bool, static_cast<int>(Phrase::Count)> brief_{};  // the entry is a brief wording
};

// Fills "%1$s" and "%1$d" (the d marks a number) with the given arguments, counted from 1; "%%"
// is a percent sign. A placeholder without an argument is left out.
std::string fillPhrase(std::string_view pattern, std::initializer_list<std::string> args);

}  // namespace yacht
