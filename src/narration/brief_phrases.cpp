#include "narration/phrase_book.h"

namespace yacht {

// The brief wording keeps what changes (the roll, the dice, the price) and leaves out what a
// player who knows the game already knows. Blanks at either end join the words they follow, as
// in the full wording.
const std::vector<std::pair<Phrase, const char*>>& briefEntries()
{
    using P = Phrase;
    static const std::vector<std::pair<Phrase, const char*>> entries = {
        {P::GameOverReminder, "Game over. F 9 new game, F 1 help. "},
        {P::Greeting, "Yacht. F 9 new game, F 1 help. "},
        {P::GameOverAlone, "game over, score %1$s"},
        {P::GameWon, "Game over. Player %1$d wins with %2$d"},
        {P::GameTied, "Game over. %1$d way tie, %2$s with %3$d"},
        {P::RoundOver, "scores: %1$s"},
        {P::SpaceToBegin, " space to begin"},
        {P::SpaceToContinueTurn, " space"},
        {P::FirstThrowOfRound, "round %1$d, roll 1:"},
        {P::FirstThrowOfRoundOfPlayer, "round %1$d, player %2$d, roll 1:"},
        {P::FirstThrowOfPlayer, " player %1$d, roll 1:"},
        {P::FirstThrow, " roll 1:"},
        {P::SecondThrow, "roll 2:"},
        {P::FinalThrow, "roll 3:"},
        {P::ResumingGame, "Resuming. F 9 new game. "},
        {P::WelcomeBack, "Yacht. Resuming. Space to go on, F 9 new game. "},
        {P::WelcomeBackToComputer, "Yacht. Resuming. F 9 new game. "},
        {P::ChooseCategory, "choose"},
        {nth(P::DieUnderCursor, 0), "1st %1$s"},
        {nth(P::DieUnderCursor, 1), "2nd %1$s"},
        {nth(P::DieUnderCursor, 2), "3rd %1$s"},
        {nth(P::DieUnderCursor, 3), "4th %1$s"},
        {nth(P::DieUnderCursor, 4), "5th %1$s"},
        {nth(P::HeldDieUnderCursor, 0), "1st %1$s held"},
        {nth(P::HeldDieUnderCursor, 1), "2nd %1$s held"},
        {nth(P::HeldDieUnderCursor, 2), "3rd %1$s held"},
        {nth(P::HeldDieUnderCursor, 3), "4th %1$s held"},
        {nth(P::HeldDieUnderCursor, 4), "5th %1$s held"},
        {nth(P::HoldDie, 0), "held 1st "},
        {nth(P::HoldDie, 1), "held 2nd "},
        {nth(P::HoldDie, 2), "held 3rd "},
        {nth(P::HoldDie, 3), "held 4th "},
        {nth(P::HoldDie, 4), "held 5th "},
        {nth(P::ReleaseDie, 0), "freed 1st "},
        {nth(P::ReleaseDie, 1), "freed 2nd "},
        {nth(P::ReleaseDie, 2), "freed 3rd "},
        {nth(P::ReleaseDie, 3), "freed 4th "},
        {nth(P::ReleaseDie, 4), "freed 5th "},
        {P::CategoryTaken, "%1$s taken"},
        {P::CategoryWorth, "%1$s %2$d"},
        {P::CategoryWorthNothing, "%1$s 0"},
        {P::ScoredAfterOneRound, "total %2$d"},
        {P::ScoredAfterRounds, "total %2$d"},
        {P::ComputerScored, "player %1$d, %3$s %2$d"},
        {P::CategoriesLeftOne, "%1$d left"},
        {P::CategoriesLeftOther, "%1$d left"},
        {P::ScoresAtRoundEnd, "scores: "},
        {P::ScoresAtGameEnd, "final scores: "},
        {P::SoloScoreAtRoundEnd, "score %1$d, sub total %2$d"},
        {P::SoloScoreAtGameEnd, "final score %1$d"},
        {P::ChoicesCost, "cost %1$s points"},
        {P::ChoicesCostOfPlayer, "player %1$d, cost %2$s points"},
        {P::SpaceToContinueReport, "space. "},
        {P::NewGameQuestion, "New game? Enter yes, escape no"},
        {P::PlayersAsked, "how many players?"},
        {P::CoachThrowFirst, "throw first"},
        {P::CoachScoreWithCost, "score %1$s for %2$d, %3$s costs %4$s"},
        {P::VoiceChanged, "voice %1$s"},
        {P::SpeedChanged, "speed %1$s"},
        {P::SpeedInScreenReader, "speed is in your screen reader"},
    };
    return entries;
}

}  // namespace yacht
