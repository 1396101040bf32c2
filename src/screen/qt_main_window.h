#pragma once
// The main window: draws the board and hands keys and clicks to the game and its stepper. The
// toolkit the game asks of the window, the new-game box and the screen reader's texts are its
// parts (qt_window_toolkit.h, qt_new_game_question.h, qt_screen_reader_texts.h).

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/yacht.h"
#include "narration/stepper.h"
#include "screen/board.h"
#include "screen/qt_new_game_question.h"
#include "screen/qt_screen_reader_texts.h"
#include "screen/qt_window_toolkit.h"
#include "screen/view_facts.h"

class QLabel;

namespace yacht {

class FrameOverlay;

// When the game's first step comes: as soon as the event loop runs, so the greeting is handed
// to the voice at once, or a tenth of a second after the start, so that a screen reader has seen
// the window open before the game's first text is shown to it.
enum class FirstTick { AtOnce, AfterInterval };

// One label widget with the board label it last showed, so a render touches only what changed.
struct LabelCell {
    QLabel* widget = nullptr;
    Label shown;
    bool drawn = false;
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();

    // The game is wired in after the window exists, because the game needs it as its toolkit. The
    // sequencer asks the window for a step whenever the game has news; the window makes it from
    // its event loop, outside any other step.
    // `view` is what the window shows besides the game, kept from the game's events by the
    // ViewKeeper the events port goes through.
    void attach(Yacht& game, const ViewFacts& view, Sequencer& sequencer);
    // Asks for the first step; steps begin once the event loop runs.
    void startEngine(FirstTick first = FirstTick::AfterInterval);

    // The game's toolkit: beep, quit and the sizes.
    Toolkit& toolkit() { return toolkit_; }

    // The new-game question, raised by the game; the answer is posted to the game when it is
    // given. No step runs while the box is open.
    void askNewGame();
    // The box while it is open, else null.
    QWidget* questionBox() const { return question_.box(); }

    // Stretches the designed board to the screen, once, before the window is first shown.
    void scaleToScreen();

    // Draws the game onto the board and brings the widgets in line with it, touching only the
    // properties that changed.
    void render();
    // The board as last drawn: the designed geometry, scaled, with the game's captions.
    const Board& board() const { return board_; }

    // The label widget that shows a board label, for tests and accessibility.
    QLabel* diceLabel(int i) const { return dice_[i].widget; }
    QLabel* holdLabel(int i) const { return hold_[i].widget; }
    QLabel* statusLabel() const { return status_.widget; }
    QLabel* sheetValue(int row) const { return valueCells_[row].widget; }
    QLabel* sheetCaption(int row) const { return captionCells_[row].widget; }
    QLabel* sideLabel(int i) const { return side_[i].widget; }
    QLabel* bonusImage() const { return bonus_; }
    // The review objects, which draw nothing: whose turn, round and roll; the row under the
    // cursor with its worth; the current player's score.
    QLabel* reviewLabel(int i) const { return review_[i]; }
    FrameOverlay* sheetFrame() const { return sheetFrame_; }
    FrameOverlay* panelFrame() const { return panelFrame_; }

    // One step of the game, and the board drawn after it.
    void runTick() { if (stepper_) stepper_->step(); }

    // Acts on a key or a click at once: runs a step now. A key that comes while the rolling sound
    // plays, or the dice after it are said, waits as the pending input until they have been heard.
    void wake() { if (stepper_) stepper_->wake(); }
    // Asks for a step from the event loop, once however often it is asked before it comes.
    void wakeSoon() { if (stepper_) stepper_->wakeSoon(); }
    // Hands a text to the screen reader, one turn of the event loop later: it becomes the newest
    // item of the window's list of what was said, which the screen reader speaks at once and keeps
    // on the braille display. While the new-game box is open texts are held, and given once the
    // window has the keyboard again; the question itself, handed as the box opens, is put into
    // the box, which the screen reader reads whole as it opens.
    void announce(const std::string& text) { screenReaderTexts_->announce(text); }
    // The list of what was said; null until the first text.
    SaidList* saidList() const { return screenReaderTexts_->saidList(); }

    // Called for every key the player presses, before the game takes it.
    void setKeyListener(std::function<void()> listener) { keyListener_ = std::move(listener); }

    // Whether a step has been asked for and not yet made (none while the game waits for the player).
    bool engineRunning() const { return stepper_ && stepper_->stepPosted(); }

signals:
    void ticked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makeLabel(LabelCell& cell);
    void renderLabel(LabelCell& cell, const Label& label);
    void renderFrames(const Board& board);
    void renderAccessibleNames(const Board& board);
    void click(QObject* watched);
    QRect pixels(const Rect& design) const;
    QPoint pixels(float xDesign, float yDesign) const;

    Yacht* game_ = nullptr;
    const ViewFacts* view_ = nullptr;
    std::unique_ptr<Stepper> stepper_;
    Board board_ = designBoard();
    WindowToolkit toolkit_{*this};
    NewGameQuestion question_{*this};
    ScreenReaderTexts* screenReaderTexts_ = nullptr;
    std::function<void()> keyListener_;
    double pixelsPerDesignX_ = 1.0;
    double pixelsPerDesignY_ = 1.0;
    bool geometryStale_ = true;
    bool bonusShown_ = false;
    Rect bonusRect_;
    Rgb backgroundShown_{1, 2, 3};
    std::array<LabelCell, 5> dice_{};
    std::array<LabelCell, 5> hold_{};
    LabelCell status_;
    std::array<LabelCell, 15> valueCells_{};
    std::array<LabelCell, 15> captionCells_{};
    std::array<LabelCell, 9> side_{};
    QLabel* bonus_ = nullptr;
    std::array<QLabel*, 3> review_{};
    FrameOverlay* sheetFrame_ = nullptr;
    FrameOverlay* panelFrame_ = nullptr;
};

}  // namespace yacht
