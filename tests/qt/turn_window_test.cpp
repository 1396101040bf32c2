// A turn played on the real window, offscreen: the widgets show the dice, the HOLD marks, the
// dice cursor, the highlighted category row and the player's card as the board holds them.

#include <gtest/gtest.h>

#include <QLabel>

#include "screen/qt_main_window.h"
#include "support/turn_script.h"

namespace yacht::test {
namespace {

std::string text(QLabel* label)
{
    return label ? label->text().toStdString() : "<no label>";
}

TEST(ATurnOnTheWindow, ShowsTheDiceHoldsCursorHighlightAndCard)
{
    FakeGame f;
    MainWindow w;
    w.attach(f.y, f.view, f.sequencer);
    f.y.game.scores[1][1] = 2;
    f.random.push({3, 5, 1, 6, 3});
    openTurn(f);
    drain(f);
    pressAndDrain(f, keys::Digit1);
    pressAndDrain(f, keys::Digit0 + 5);
    f.press(keys::Left);
    f.press(keys::Left);
    w.render();

    const char* faces[] = {"3", "5", "1", "6", "3"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(text(w.diceLabel(i)), faces[i]) << i;
        EXPECT_EQ(text(w.holdLabel(i)), i == 0 || i == 4 ? "HOLD" : "") << i;
        const QColor back = w.diceLabel(i)->palette().color(QPalette::Window);
        EXPECT_EQ(back, i == 3 ? QColor(255, 0, 0) : QColor(255, 255, 255)) << i;
    }
    EXPECT_EQ(text(w.statusLabel()), "Roll dice");
    EXPECT_EQ(text(w.sideLabel(1)), "Player 1");
    EXPECT_EQ(text(w.sideLabel(2)), "2");
    EXPECT_EQ(text(w.sheetCaption(1)), "  Ones");
    EXPECT_EQ(text(w.sheetValue(1)), "2");

    // Two more throws of the free dice, then the cursor on 3 of a kind.
    f.random.push({2, 4, 6, 3, 3, 2});
    pressAndDrain(f, keys::Space);
    pressAndDrain(f, keys::Space);
    ASSERT_EQ(f.y.game.state, EngineState::Choosing);
    for (int i = 0; i < 7; ++i) f.press(keys::Down);
    w.render();
    EXPECT_EQ(text(w.diceLabel(1)), "3");
    EXPECT_EQ(text(w.diceLabel(3)), "2");
    for (int r = 1; r <= 13; ++r)
        EXPECT_EQ(w.sheetCaption(r)->autoFillBackground(), r == 7) << "row " << r;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.diceLabel(i)->palette().color(QPalette::Window), QColor(255, 255, 255)) << i;

    f.press(keys::Enter);
    w.render();
    EXPECT_EQ(text(w.sheetValue(7)), "14");
    EXPECT_EQ(text(w.sheetCaption(7)), "  3 of a kind");
    EXPECT_EQ(text(w.sideLabel(2)), "16");
    EXPECT_EQ(text(w.sheetCaption(14)), "Subtotal: ");
    EXPECT_EQ(text(w.sheetValue(14)), "2");
    for (int r = 1; r <= 13; ++r) EXPECT_FALSE(w.sheetCaption(r)->autoFillBackground()) << r;
}

}  // namespace
}  // namespace yacht::test
