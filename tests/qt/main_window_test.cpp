#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "engine/key_codes.h"
#include "engine/score_sheet.h"
#include "screen/qt_frame_overlay.h"
#include "screen/qt_main_window.h"
#include "screen/view_keeper.h"
#include "screen/qt_said_list.h"
#include "support/fakes.h"

namespace yacht {
namespace {

// The real window as the game's toolkit, with fakes for speech, sound and storage.
struct WindowGame {
    test::FakeVoice voice;
    test::FakeSound sound;
    test::FakeResources resources;
    test::FakeStore store;
    test::FakeDrive drive;
    UserStorage storage{store, drive};
    test::ScriptedRandom random;
    MainWindow window;
    Narrator narrator;
    test::FakeClock clock;
    ViewFacts view;
    ViewKeeper shown{narrator, view};
    Yacht y{Ports{voice, sound, resources, storage, window.toolkit(), random, clock, shown}};
    Sequencer sequencer{y};

    WindowGame() { window.attach(y, view, sequencer); }
    Game& game() { return y.game; }
    void show()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // The window as it is on screen.
    QImage picture()
    {
        window.render();
        return window.grab().toImage();
    }
};

QPoint pixel(float x, float y)
{
    return QPoint(qRound(x), qRound(y));
}

QColor rgb(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

TEST(WindowClicks, LegendsAndDicePostTheirKeysAndTheTickTakesThemAtOnce)
{
    WindowGame g;
    g.voice.speakingReads = 1 << 30;  // what the keys queue stays in the queue to be read here
    g.voice.speak("busy", SpeakMode::Async);
    g.game().state = EngineState::Rolled;
    g.game().player = 1;
    // The legends 3 to 6 post F1 to F4; the reports show that the tick took each at once.
    const std::pair<int, std::string> legends[] = {
        {4, " "}, {5, "13 categories left to fill"}, {6, "At the end of the round"}};
    for (const auto& [i, begins] : legends) {
        g.y.toBeHeard = test::queued("\tsomething not yet said");
        click(g.window.sideLabel(i));
        EXPECT_FALSE(g.y.pendingInput.has_value()) << i;
        EXPECT_EQ(tabbed(g.y.toBeHeard).rfind(begins, 0), 0u) << i << ": " << tabbed(g.y.toBeHeard);
    }
    click(g.window.sideLabel(3));
    EXPECT_EQ(g.game().helpPage, 1);
    g.game().state = EngineState::Idle;
    click(g.window.sideLabel(7));  // F9 with no game under way asks nothing
    EXPECT_EQ(g.game().state, EngineState::Players);
    for (int i = 0; i <= 2; ++i) {
        g.y.toBeHeard = test::queued("\tkept");
        click(g.window.sideLabel(i));
        EXPECT_EQ(g.y.toBeHeard, test::queued("\tkept")) << i;
    }
    for (int i = 0; i < 5; ++i) {
        g.game().state = EngineState::Rolled;
        g.game().roll = 1;
        g.game().held[i] = 0;
        g.y.toBeHeard = test::queued("\tsomething not yet said");
        click(g.window.diceLabel(i));
        EXPECT_EQ(g.game().held[i], 1) << i;
        // Taking the key drops whatever was queued and not yet handed to the voice.
        EXPECT_FALSE(g.y.pendingInput.has_value()) << i;
        EXPECT_EQ(tabbed(g.y.toBeHeard).find("not yet said"), std::string::npos) << i;
    }
}

TEST(WindowClicks, SheetRowPicksTheCategoryAndTheStatusBoxScoresIt)
{
    WindowGame g;
    g.voice.speakingReads = 1 << 30;
    g.voice.speak("busy", SpeakMode::Async);
    g.game().state = EngineState::Choosing;
    g.game().player = 1;
    g.game().round = 2;
    g.game().categoryValues[9] = 25;
    showCard(g.y.game, g.y.tell);
    click(g.window.sheetCaption(9));
    EXPECT_EQ(g.game().categoryCursor, 9);
    EXPECT_EQ(g.y.toBeHeard, test::queued("Full house is worth 25"));
    // The value cells, the subtotal row and the sheet's background pick nothing.
    for (QLabel* cell : {g.window.sheetValue(4), g.window.sheetCaption(14), g.window.sheetCaption(0)})
        click(cell);
    EXPECT_EQ(g.game().categoryCursor, 9);
    EXPECT_EQ(g.y.toBeHeard, test::queued("Full house is worth 25"));
    click(g.window.statusLabel());
    EXPECT_EQ(g.game().scores[9][1], 25);
    EXPECT_EQ(g.game().state, EngineState::TurnEnd);
}

TEST(WindowClicks, PlayerRowAndStatusBoxStartTheGame)
{
    WindowGame g;
    g.game().state = EngineState::Players;
    g.voice.speakingReads = 1 << 30;
    g.voice.speak("busy", SpeakMode::Async);
    click(g.window.sheetCaption(2));
    EXPECT_EQ(g.game().numPlayers, 2);
    EXPECT_EQ(g.y.toBeHeard, test::queued("2 players"));
    // The click chooses the count and posts the space bar, which opens the first turn at once.
    click(g.window.statusLabel());
    EXPECT_EQ(g.game().state, EngineState::Rolling);
    EXPECT_EQ(g.game().player, 1);
    EXPECT_EQ(g.game().round, 1);
    EXPECT_FALSE(g.y.pendingInput.has_value());
}

TEST(WindowClicks, StatusBoxIsIgnoredWhileAThrowIsPending)
{
    WindowGame g;
    g.game().state = EngineState::Rolling;
    click(g.window.statusLabel());
    EXPECT_FALSE(g.y.pendingInput.has_value());
}

TEST(WindowClicks, ClickOnTheRulesAndFramesReachesTheCellBeneath)
{
    WindowGame g;
    g.show();
    g.game().state = EngineState::Choosing;
    QWindow* handle = g.window.windowHandle();
    // Next to the vertical rule in row 5 (the rule itself lies on the value cell), on the sheet frame over row 1, and within the panel frame.
    const Board& b = g.window.board();
    QTest::mouseClick(handle, Qt::LeftButton, {}, pixel(b.sheetRules[13].x1 - 1, b.sheetCaptions[5].rect.top + 8));
    EXPECT_EQ(g.game().categoryCursor, 5);
    QTest::mouseClick(handle, Qt::LeftButton, {}, pixel(b.sheetFrame.rect.left + 1, b.sheetCaptions[1].rect.top + 8));
    EXPECT_EQ(g.game().categoryCursor, 1);
    QTest::mouseClick(handle, Qt::LeftButton, {}, pixel(400 + 53, 216 + 8));
    EXPECT_EQ(g.game().helpPage, 1);  // the F1 legend's key was taken at once
}

TEST(WindowDrawing, RulesAndFramesLieOverTheCellsAndPanelsBeneath)
{
    WindowGame g;
    // A dark desktop theme: light window text. The rules and frames keep the labels' black.
    QPalette dark = g.window.palette();
    dark.setColor(QPalette::WindowText, Qt::white);
    g.window.setPalette(dark);
    g.show();
    const Board& b = g.window.board();
    g.view.litRow = 3;  // the row under the cursor
    g.view.litDie = 2;  // the die under the cursor
    const QImage img = g.picture();
    const auto at = [&](float x, float y) { return img.pixelColor(pixel(x, y)); };
    const QColor ink = rgb(colour::windowText);

    EXPECT_EQ(at(2, 2), rgb(colour::green));
    // The vertical rule crosses the highlighted row; the highlight shows beside it.
    EXPECT_EQ(at(b.sheetRules[13].x1, b.sheetCaptions[3].rect.top + 8), ink);
    EXPECT_EQ(at(b.sheetRules[13].x1 - 7, b.sheetCaptions[3].rect.top + 8), rgb(colour::highlight));
    EXPECT_EQ(at(b.sheetRules[13].x1 - 7, b.sheetCaptions[8].rect.top + 8), rgb(colour::cream));
    // The rule under row 3 is drawn over the highlighted row.
    EXPECT_EQ(at(80, b.sheetRules[2].y1), ink);
    // Both frames, on the cells they surround.
    EXPECT_EQ(at(b.sheetFrame.rect.left + 1, 267), ink);
    EXPECT_EQ(at(b.sidePanelFrame.rect.left + b.sidePanelFrame.rect.width - 1, 267), ink);
    // The side panel's background beneath its legends, the legend cells, the red die.
    EXPECT_EQ(at(396, 267), rgb(colour::cream));
    EXPECT_EQ(at(510, 216 + 4), rgb(colour::peach));
    EXPECT_EQ(at(64 + 88 + 4, 24 + 53), rgb(colour::red));
    EXPECT_EQ(at(64 + 4, 24 + 53), rgb(colour::white));
}

TEST(WindowDrawing, BonusPlaqueShowsTheEmbeddedPictureWithTheGreenRoundItsCorners)
{
    const QImage plaque(":/IMAGE/BONUS");
    ASSERT_FALSE(plaque.isNull());
    EXPECT_EQ(plaque.size(), QSize(416, 154));
    EXPECT_LE(plaque.colorCount(), 4);

    WindowGame g;
    g.show();
    const Board& b = g.window.board();
    const QPoint corner = pixel(b.bonusPlaque.rect.left, b.bonusPlaque.rect.top);
    const QPoint middle = pixel(b.bonusPlaque.rect.left + 13, b.bonusPlaque.rect.top + 4);
    EXPECT_EQ(g.picture().pixelColor(middle), rgb(colour::green));
    // A card whose upper rows reach the bonus.
    g.game().player = 1;
    for (int row = 1; row <= 6; ++row) g.game().scores[row][1] = int16_t(row * 3);
    showCard(g.y.game, g.y.tell);
    const QImage shown = g.picture();
    EXPECT_EQ(shown.pixelColor(corner), rgb(colour::green));
    const QColor yellowish = shown.pixelColor(middle);
    EXPECT_GT(yellowish.red(), 200);
    EXPECT_GT(yellowish.green(), 200);
    EXPECT_LT(yellowish.blue(), 60);
}

TEST(WindowLayout, ScalingToTheScreenMovesEveryCellAndKeepsTheRuleOnTheValueCells)
{
    WindowGame g;
    g.window.scaleToScreen();
    g.window.render();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double yy = g.window.toolkit().screenSize().height / g.window.toolkit().windowOuterSize().height;
    const double xx = g.window.toolkit().screenSize().width / g.window.toolkit().windowOuterSize().width;
    const double dpi = screen->logicalDotsPerInchX();
    ASSERT_GT(xx, 1.01);  // the offscreen screen is larger than the design

    const QRect die = g.window.diceLabel(0)->geometry();
    EXPECT_EQ(die.left(), qRound(64 * xx * dpi / 96));
    EXPECT_NEAR(die.width(), 57 * xx * dpi / 96, 1.0);
    EXPECT_NEAR(g.window.diceLabel(0)->font().pointSizeF(), 36 * yy, 0.01);
    const QLine rule = g.window.sheetFrame()->drawing().rules.at(13);
    for (int r = 1; r <= 14; ++r) EXPECT_EQ(rule.x1(), g.window.sheetValue(r)->geometry().left()) << r;
}

TEST(WindowAccessibility, EveryLabelIsNamedByWhatItShows)
{
    WindowGame g;
    g.y.game.dice[2] = 5;
    g.y.game.held[2] = 1;
    g.view.status = Status::SelectCategory;
    g.y.game.player = 1;
    g.y.game.scores[4][1] = 12;
    showCard(g.y.game, g.y.tell);
    g.window.render();
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name(g.window.diceLabel(2)), "die 3, 5, held");
    EXPECT_EQ(name(g.window.holdLabel(2)), "HOLD");
    EXPECT_EQ(name(g.window.statusLabel()), "Select category");
    EXPECT_EQ(name(g.window.sheetCaption(4)), "Fours, 12");
    EXPECT_EQ(name(g.window.sheetValue(4)), "12");
    EXPECT_EQ(name(g.window.sideLabel(8)), "  F12: Exit");
    EXPECT_EQ(name(g.window.bonusImage()), "+35 Bonus");
    EXPECT_EQ(g.window.sheetCaption(4)->text().toStdString(), "  Fours");
    // The window switcher reads the title: it names the game, as the accessible name does.
    EXPECT_EQ(g.window.windowTitle().toStdString(), "Yacht");
    EXPECT_EQ(name(&g.window), "Yacht");
}

TEST(WindowEngine, SchedulesNothingWhileTheGameWaitsAndAKeyActsAtOnce)
{
    WindowGame g;
    g.y.voiceChoice.voiceApplied = true;
    g.game().state = EngineState::Idle;
    g.window.runTick();
    QCoreApplication::processEvents();
    EXPECT_FALSE(g.window.engineRunning());
    EXPECT_EQ(g.clock.waiting(), 0u);

    // F9 with no game under way: the players are asked for at once, and the count is said as soon
    // as the next key is taken. While the voice says it nothing is scheduled: its end is what
    // moves the game on.
    g.voice.speakingReads = 1000;
    QTest::keyClick(&g.window, Qt::Key_F9);
    EXPECT_EQ(g.game().state, EngineState::Players);
    QTest::keyClick(&g.window, Qt::Key_Down);
    EXPECT_EQ(g.game().numPlayers, 1);
    EXPECT_EQ(g.voice.last(), "1 player");
    QCoreApplication::processEvents();
    EXPECT_FALSE(g.window.engineRunning());
    EXPECT_EQ(g.clock.waiting(), 0u);
}

TEST(WindowEngine, TheFirstTickGreetsOnTheEventLoopsFirstTurnOrAWholeIntervalLater)
{
    for (const FirstTick first : {FirstTick::AtOnce, FirstTick::AfterInterval}) {
        WindowGame g;
        g.window.startEngine(first);
        QCoreApplication::processEvents();
        const bool greeted = !g.voice.spoken.empty() && g.voice.last().rfind("Yacht, from Tevrin", 0) == 0;
        EXPECT_EQ(greeted, first == FirstTick::AtOnce);
    }
}

TEST(WindowAccessibility, TextsBecomeTheNewestFocusedItemOfTheListOfWhatWasSaid)
{
    WindowGame g;
    g.show();
    const std::vector<std::string> texts = {"2 players", "2 players", " 3 5 6 1 2"};
    for (size_t i = 0; i < texts.size(); ++i) {
        g.window.announce(texts[i]);
        QCoreApplication::processEvents();  // given one turn of the event loop later
        SaidList* said = g.window.saidList();
        ASSERT_NE(said, nullptr);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(said);
        ASSERT_EQ(list->childCount(), static_cast<int>(i + 1));
        QAccessibleInterface* newest = list->child(static_cast<int>(i));
        EXPECT_EQ(newest->role(), QAccessible::ListItem);
        EXPECT_EQ(newest->text(QAccessible::Name).toStdString(), QString::fromStdString(texts[i]).trimmed().toStdString());
        EXPECT_TRUE(newest->state().focused);
        EXPECT_EQ(newest->parent(), list);
        EXPECT_EQ(list->indexOfChild(newest), static_cast<int>(i));
        if (i > 0) {
            // The one before is no longer focused, and stands elsewhere: the same words said
            // again are a new item to the screen reader.
            QAccessibleInterface* before = list->child(static_cast<int>(i) - 1);
            EXPECT_FALSE(before->state().focused);
            EXPECT_NE(before->rect(), newest->rect());
        }
    }
    // Nothing is drawn: the list is a pixel, without a name of its own.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(g.window.saidList())->text(QAccessible::Name), QString());
    EXPECT_EQ(g.window.accessibleName(), "Yacht");
    EXPECT_EQ(g.window.accessibleDescription(), "");
}

TEST(WindowAccessibility, ControlsAreNamedWithWhatTheyShow)
{
    WindowGame g;
    g.game().player = 1;
    g.game().scores[9][1] = 25;
    showCard(g.y.game, g.y.tell);
    g.game().dice[1] = 3;
    g.game().held[1] = 1;
    g.game().dice[2] = 6;
    g.view.status = Status::RollDice;
    g.window.render();
    EXPECT_EQ(g.window.diceLabel(1)->accessibleName(), "die 2, 3, held");
    EXPECT_EQ(g.window.diceLabel(2)->accessibleName(), "die 3, 6");
    EXPECT_EQ(g.window.sheetCaption(9)->accessibleName(), "Full house, 25");
    EXPECT_EQ(g.window.sheetCaption(10)->accessibleName(), "Small straight");
    EXPECT_EQ(g.window.statusLabel()->accessibleName(), "Roll dice");
    // The review labels: whose turn, the row (none outside the choice), the score; empty text.
    g.game().state = EngineState::Rolled;
    g.game().round = 4;
    g.game().roll = 1;
    g.window.render();
    EXPECT_EQ(g.window.reviewLabel(0)->accessibleName(), "player 1, round 4, first roll");
    EXPECT_EQ(g.window.reviewLabel(1)->accessibleName(), "");
    EXPECT_TRUE(g.window.reviewLabel(2)->accessibleName().startsWith("player 1, total score"));
    EXPECT_TRUE(g.window.reviewLabel(0)->text().isEmpty());
    // The window that has the keyboard keeps its name whatever the board shows.
    EXPECT_EQ(g.window.accessibleName(), "Yacht");
}

TEST(WindowFocus, TheWindowKeepsTheKeyboardThroughClicks)
{
    WindowGame g;
    g.show();
    g.window.activateWindow();
    g.window.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g.window));
    click(g.window.diceLabel(3));
    click(g.window.sheetCaption(2));
    EXPECT_EQ(QApplication::focusWidget(), &g.window);
    g.voice.speakingReads = 1 << 30;
    g.voice.speak("busy", SpeakMode::Async);
    g.game().state = EngineState::Idle;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    EXPECT_EQ(tabbed(g.y.toBeHeard).rfind("Game over", 0), 0u);
}

// Counts the paint events of a widget.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(WindowRendering, UnchangedBoardRepaintsNothingAndAChangedCaptionOnlyItsCell)
{
    WindowGame g;
    g.show();
    QApplication::processEvents();
    PaintCounter status, die;
    g.window.statusLabel()->installEventFilter(&status);
    g.window.diceLabel(0)->installEventFilter(&die);
    for (int i = 0; i < 5; ++i) g.window.render();
    QApplication::processEvents();
    EXPECT_EQ(status.paints, 0);
    EXPECT_EQ(die.paints, 0);
    g.view.status = Status::ThirdRoll;
    g.window.render();
    QApplication::processEvents();
    EXPECT_GE(status.paints, 1);
    EXPECT_EQ(die.paints, 0);
}

TEST(WindowQuestion, EscapeCancelsEnterConfirmsAndNoStepRunsMeanwhile)
{
    WindowGame g;
    g.show();
    g.game().numPlayers = 1;
    g.game().player = 1;
    g.game().round = 3;
    g.game().state = EngineState::Rolled;
    int stepsDuringQuestion = 0;
    for (const auto& [key, after] : {std::pair{Qt::Key_Escape, EngineState::Rolled},
                                     std::pair{Qt::Key_Return, EngineState::Players}}) {
        QTest::keyClick(&g.window, Qt::Key_F9);
        QWidget* box = g.window.questionBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), box);
        const auto counting = QObject::connect(&g.window, &MainWindow::ticked, [&] { ++stepsDuringQuestion; });
        g.window.runTick();  // asked for while the box is open: nothing happens
        QObject::disconnect(counting);
        QTest::keyClick(box, key);
        EXPECT_EQ(g.window.questionBox(), nullptr);
        EXPECT_EQ(g.game().state, after) << "answered with " << key;
    }
    EXPECT_EQ(stepsDuringQuestion, 0);
    EXPECT_EQ(g.voice.texts()[1], "cancelled");
}

}  // namespace
}  // namespace yacht
