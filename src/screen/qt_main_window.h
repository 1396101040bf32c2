#pragma once
// The main window: draws the board, takes keys and clicks, runs the engine's 100 ms timer, and
// serves the game as its window toolkit (beep, question box, redraw, quit, sizes).

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "engine/yacht.h"
#include "screen/toolkit.h"

class QLabel;

namespace yacht {

class MainWindow : public QWidget, public Toolkit {
    Q_OBJECT
public:
    MainWindow();

    // The game is wired in after the window exists, because the game needs it as its toolkit.
    void attach(Yacht& game);
    // Starts the engine's timer; ticks begin once the event loop runs.
    void startEngine();

    // Toolkit
    void beep() override;
    Answer askOkCancel(const std::string& text) override;
    void redrawNow() override;
    void quitNow() override;
    Size screenSize() override;
    Size windowOuterSize() override;

    // Draws every control from the board.
    void render();

    // The label widget that shows a board label, for tests and accessibility.
    QLabel* diceLabel(int i) const { return dice_[i]; }
    QLabel* holdLabel(int i) const { return hold_[i]; }
    QLabel* statusLabel() const { return status_; }
    QLabel* sheetValue(int row) const { return x_[row]; }
    QLabel* sheetCaption(int row) const { return Y_[row]; }
    QLabel* sideLabel(int i) const { return side_[i]; }

    // One engine tick, never re-entered (synchronous speech and the question box run local loops).
    void runTick();

signals:
    void ticked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makeLabel();
    void greetOnce();
    double twipsToPixels(float twips) const;

    Yacht* game_ = nullptr;
    QTimer engine_;
    bool inTick_ = false;
    bool greeted_ = false;
    bool asking_ = false;
    std::array<QLabel*, 5> dice_{};
    std::array<QLabel*, 5> hold_{};
    QLabel* status_ = nullptr;
    std::array<QLabel*, 15> x_{};
    std::array<QLabel*, 15> Y_{};
    std::array<QLabel*, 9> side_{};
    QLabel* bonus_ = nullptr;
};

}  // namespace yacht
