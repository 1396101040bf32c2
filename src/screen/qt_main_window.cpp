#include "screen/qt_main_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "engine/key_input.h"
#include "engine/mouse_clicks.h"
#include "narration/catalogue.h"
#include "narration/phrase_book.h"
#include "screen/qt_frame_overlay.h"
#include "screen/layout.h"
#include "screen/qt_key_map.h"
#include "screen/present.h"
#include "screen/review_texts.h"

namespace yacht {
namespace {

constexpr double kDesignDotsPerInch = 96.0;

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// Arial where installed, else the metric-compatible Liberation Sans, so text keeps the width
// the cells were designed for.
QString fontFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        if (families.contains("Arial")) return QString("Arial");
        if (families.contains("Liberation Sans")) return QString("Liberation Sans");
        return QString("Sans Serif");
    }();
    return family;
}

// Captions stand at the top of their cell, aligned left, centred or right.
Qt::Alignment toQtAlignment(Align a)
{
    switch (a) {
    case Align::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right: return Qt::AlignRight | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

bool sameFont(const Font& a, const Font& b)
{
    return a.size == b.size && a.bold == b.bold && a.italic == b.italic;
}

const QScreen* screenOf(const QWidget* w)
{
    const QScreen* s = w->screen();
    return s ? s : QGuiApplication::primaryScreen();
}

}  // namespace

MainWindow::MainWindow()
{
    // The title names the game: the window switcher and the task lists read it aloud.
    setWindowTitle(QStringLiteral("Yacht"));
    setAccessibleName("Yacht");
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    screenReaderTexts_ = new ScreenReaderTexts(*this, [this] { return stepper_ && stepper_->asking(); });
    // Where no window manager maximises the window, it still covers the screen.
    if (const QScreen* s = screenOf(this)) setGeometry(s->availableGeometry());

    // Widgets are created beneath-first: the two background panels lie under what sits on them,
    // and the rules and frames are drawn over the cells.
    makeLabel(captionCells_[0]);
    makeLabel(valueCells_[0]);
    for (LabelCell& hold : hold_) makeLabel(hold);
    for (LabelCell& die : dice_) makeLabel(die);
    makeLabel(status_);
    for (int r = 1; r <= 13; ++r) makeLabel(captionCells_[r]);
    for (int r = 1; r <= 13; ++r) makeLabel(valueCells_[r]);
    makeLabel(side_[0]);
    for (int i : {5, 4, 8, 2, 1, 3, 7}) makeLabel(side_[i]);

    bonus_ = new QLabel(this);
    bonus_->setFocusPolicy(Qt::NoFocus);
    bonus_->setScaledContents(true);
    // TRANSLATORS: the plaque shown once the first six rows make the bonus of 35 points.
    bonus_->setAccessibleName(QString::fromUtf8(translate("+35 Bonus")));
    const QPixmap plaque(":/IMAGE/BONUS");
    if (plaque.isNull()) {
        bonus_->setText(QString::fromUtf8(translate("+35 Bonus")));
        bonus_->setAlignment(Qt::AlignCenter);
    } else {
        bonus_->setPixmap(plaque);
    }
    bonus_->hide();

    // Empty labels a pixel wide: nothing is drawn, and a screen reader's review reads their names.
    for (QLabel*& review : review_) {
        review = new QLabel(this);
        review->setFocusPolicy(Qt::NoFocus);
        review->setAttribute(Qt::WA_TransparentForMouseEvents);
        review->setGeometry(0, 0, 1, 1);
    }

    sheetFrame_ = new FrameOverlay(this);
    panelFrame_ = new FrameOverlay(this);
    makeLabel(side_[6]);
    makeLabel(valueCells_[14]);
    makeLabel(captionCells_[14]);

}

QLabel* MainWindow::makeLabel(LabelCell& cell)
{
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setIndent(0);
    label->setMargin(0);
    label->setAutoFillBackground(false);
    label->setFocusPolicy(Qt::NoFocus);
    label->installEventFilter(this);
    cell.widget = label;
    cell.drawn = false;
    return label;
}

void MainWindow::attach(Yacht& game, const ViewFacts& view, Sequencer& sequencer)
{
    view_ = &view;
    game_ = &game;
    FrontHooks hooks;
    hooks.post = [this](std::function<void()> call) { QTimer::singleShot(0, this, std::move(call)); };
    hooks.draw = [this] { render(); };
    hooks.stepped = [this] { emit ticked(); };
    hooks.ask = [this] { askNewGame(); };
    stepper_ = std::make_unique<Stepper>(game, sequencer, std::move(hooks));
    render();
}

void MainWindow::scaleToScreen()
{
    fitToScreen(board_, toolkit_.screenSize(), toolkit_.windowOuterSize());
    geometryStale_ = true;
}

void MainWindow::startEngine(FirstTick first)
{
    QTimer::singleShot(first == FirstTick::AtOnce ? 0 : 100, this, &MainWindow::runTick);
}

QPoint MainWindow::pixels(float xDesign, float yDesign) const
{
    return QPoint(qRound(xDesign * pixelsPerDesignX_), qRound(yDesign * pixelsPerDesignY_));
}

// Both edges are rounded, not the size, so cells that meet in the design meet on screen and a
// rule drawn at a cell's edge stays on it.
QRect MainWindow::pixels(const Rect& r) const
{
    const QPoint topLeft = pixels(r.left, r.top);
    const QPoint bottomRight = pixels(r.left + r.width, r.top + r.height);
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

void MainWindow::renderLabel(LabelCell& cell, const Label& l)
{
    QLabel* w = cell.widget;
    Label& was = cell.shown;
    const bool all = !cell.drawn;

    if (all || geometryStale_ || !(was.rect == l.rect)) w->setGeometry(pixels(l.rect));
    if (all || was.caption != l.caption) w->setText(QString::fromStdString(l.caption));
    if (all || !sameFont(was.font, l.font)) {
        QFont f(fontFamily());
        f.setPointSizeF(l.font.size > 0 ? l.font.size : 1.0);
        f.setBold(l.font.bold);
        f.setItalic(l.font.italic);
        w->setFont(f);
    }
    if (all || was.align != l.align) w->setAlignment(toQtAlignment(l.align));
    if (all || was.border != l.border) {
        w->setFrameStyle(l.border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        w->setLineWidth(1);
    }
    if (all || !(was.backcolor == l.backcolor) || !(was.forecolor == l.forecolor)) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, toQColor(l.backcolor));
        p.setColor(QPalette::WindowText, toQColor(l.forecolor));
        w->setPalette(p);
    }
    if (all || was.backstyle != l.backstyle)
        w->setAutoFillBackground(l.backstyle == BackStyle::Opaque);
    if (all || was.visible != l.visible) w->setVisible(l.visible);

    was = l;
    cell.drawn = true;
}

void MainWindow::renderFrames(const Board& b)
{
    FrameDrawing sheet;
    for (const Line& l : b.sheetRules) sheet.rules.emplace_back(pixels(l.x1, l.y1), pixels(l.x2, l.y2));
    sheet.frames.push_back(pixels(b.sheetFrame.rect));
    sheet.frameWidth = b.sheetFrame.lineWidth;
    // The rules and frames are inked like the labels' text, so a dark theme cannot wash them out.
    sheet.ink = toQColor(colour::windowText);
    sheetFrame_->setDrawing(sheet);

    FrameDrawing panel;
    panel.frames.push_back(pixels(b.sidePanelFrame.rect));
    panel.frameWidth = b.sidePanelFrame.lineWidth;
    panel.ink = sheet.ink;
    panelFrame_->setDrawing(panel);
}

void MainWindow::render()
{
    if (!game_) return;
    present(game_->game, *view_, board_);
    const Board& b = board_;

    if (const QScreen* s = screenOf(this)) {
        const double px = s->logicalDotsPerInchX() / kDesignDotsPerInch;
        const double py = s->logicalDotsPerInchY() / kDesignDotsPerInch;
        if (px != pixelsPerDesignX_ || py != pixelsPerDesignY_) {
            pixelsPerDesignX_ = px;
            pixelsPerDesignY_ = py;
            geometryStale_ = true;
        }
    }
    if (!(backgroundShown_ == b.background)) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, toQColor(b.background));
        setPalette(pal);
        backgroundShown_ = b.background;
    }

    for (int i = 0; i < 5; ++i) {
        renderLabel(dice_[i], b.dice[i]);
        renderLabel(hold_[i], b.holdMarks[i]);
    }
    renderLabel(status_, b.statusBox);
    for (int r = 0; r < 15; ++r) {
        renderLabel(valueCells_[r], b.sheetValues[r]);
        renderLabel(captionCells_[r], b.sheetCaptions[r]);
    }
    for (int i = 0; i < 9; ++i) renderLabel(side_[i], b.sidePanel[i]);

    if (geometryStale_ || !(bonusRect_ == b.bonusPlaque.rect)) {
        bonus_->setGeometry(pixels(b.bonusPlaque.rect));
        bonusRect_ = b.bonusPlaque.rect;
    }
    if (bonusShown_ != b.bonusPlaque.visible) {
        bonus_->setVisible(b.bonusPlaque.visible);
        bonusShown_ = b.bonusPlaque.visible;
    }
    renderFrames(b);
    renderAccessibleNames(b);
    geometryStale_ = false;
}

// A screen reader's review of the window reads each control by its name: the dice with their
// place, face and hold, the sheet's rows with their value, the other captions as they stand.
// None of them has the keyboard, so a change of name is not spoken over the game.
void MainWindow::renderAccessibleNames(const Board& b)
{
    const auto name = [](QWidget* w, const std::string& text) {
        const QString q = QString::fromStdString(text);
        if (w->accessibleName() != q) w->setAccessibleName(q);
    };
    for (int i = 0; i < 5; ++i) {
        const char* die = b.holdMarks[i].caption.empty()
                              // TRANSLATORS: a die as the screen reader names it: its place, its face.
                              ? translate("die %1$d, %2$s")
                              // TRANSLATORS: a held die as the screen reader names it.
                              : translate("die %1$d, %2$s, held");
        name(dice_[i].widget, fillPhrase(die, {decimal(i + 1), b.dice[i].caption}));
        name(hold_[i].widget, b.holdMarks[i].caption);
    }
    for (int r = 0; r < 15; ++r) {
        const std::string caption = withoutLeadingBlanks(b.sheetCaptions[r].caption);
        const std::string& value = b.sheetValues[r].caption;
        name(captionCells_[r].widget, value.empty() || caption.empty() ? caption : caption + ", " + value);
        name(valueCells_[r].widget, value);
    }
    name(status_.widget, b.statusBox.caption);
    for (int i = 0; i < 9; ++i) name(side_[i].widget, b.sidePanel[i].caption);
    if (game_) {
        const ReviewTexts review = reviewTexts(game_->game);
        name(review_[0], review.turn);
        name(review_[1], review.row);
        name(review_[2], review.score);
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (!game_) return;
    if (keyListener_) keyListener_();
    // X11 and Wayland report the X keycode, which tells a key's position whatever the layout.
    static const NativeKeys native = QGuiApplication::platformName() == "xcb" ||
                                             QGuiApplication::platformName().startsWith("wayland")
                                         ? NativeKeys::X11
                                         : NativeKeys::None;
    const int code = gameKeyCode(event->key(), event->modifiers(), event->nativeScanCode(), native);
    if (code > 0)
        recordKeyPress(game_->pendingInput, game_->game, game_->ports.voice, code, gameModifiers(event->modifiers()));
    event->accept();
    wake();
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (stepper_) stepper_->greetOnce();
        // Back from the new-game box: the screen reader has been told the window is active
        // again, which it answers by cutting its speech; what was held is said after that.
        screenReaderTexts_->windowActivated();
    }
    // Tab would move the focus away from the window; the game takes it as a key instead.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void MainWindow::click(QObject* watched)
{
    const auto post = [this](ClickTarget target, int index) {
        postClick(game_->pendingInput, game_->game, Click{target, index});
    };
    for (int i = 0; i < 9; ++i)
        if (watched == side_[i].widget) return post(ClickTarget::Legend, i);
    for (int i = 0; i < 5; ++i)
        if (watched == dice_[i].widget) return post(ClickTarget::Die, i);
    for (int r = 0; r < 15; ++r)
        if (watched == captionCells_[r].widget) return post(ClickTarget::SheetRow, r);
    if (watched == status_.widget) post(ClickTarget::StatusBox, 0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A click is a left button released over the label it was pressed on.
    if (game_ && !game_->quitting && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
            click(watched);
            wake();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::askNewGame()
{
    question_.ask(screenReaderTexts_->takeNewest(), [this](bool ok) {
        if (stepper_) stepper_->answer(ok);
        // The key that answered the box is the player's too: the screen reader has cut the question.
        if (keyListener_) keyListener_();
        // The keys go back to the game, not to whatever the box leaves focused.
        activateWindow();
        setFocus();
        screenReaderTexts_->holdUntilActive(isActiveWindow());
        wake();
    });
}

}  // namespace yacht
