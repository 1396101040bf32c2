#pragma once
// Every sentence the game says, whole, with numbered placeholders ("%1$d", "%2$s") for what
// varies, so that the words can be translated or shortened without touching the rules.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

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
    Count
};

// The entry n places after a run's first entry (a die, a category, a speed).
constexpr Phrase nth(Phrase first, int n)
{
    return static_cast<Phrase>(static_cast<int>(first) + n);
}

// One language's entries.
class PhraseBook {
public:
    // The game's own English words.
    static const PhraseBook& english();

    const std::string& operator[](Phrase p) const { return entries_[static_cast<int>(p)]; }

    // The entry with its placeholders filled.
    std::string say(Phrase p, std::initializer_list<std::string> args = {}) const;

private:
    std::array<std::string, static_cast<int>(Phrase::Count)> entries_;
};

// Fills "%1$s" and "%1$d" (the d marks a number) with the given arguments, counted from 1; "%%"
// is a percent sign. A placeholder without an argument is left out.
std::string fillPhrase(std::string_view pattern, std::initializer_list<std::string> args);

}  // namespace yacht
