#include "screen/qt_main_window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include "engine/key_input.h"
#include "engine/tick.h"
#include "rules/mouse_clicks.h"
#include "screen/qt_key_map.h"

namespace yacht {
namespace {

QColor qcolor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// Arial where installed, else the metric-compatible Liberation Sans.
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

Qt::Alignment qalign(Align a)
{
    switch (a) {
    case Align::Center: return Qt::AlignCenter;
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

MainWindow::MainWindow()
{
    setWindowTitle(QString());
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);

    // Created beneath-first, so the panels lie under what sits on them.
    Y_[0] = makeLabel();
    x_[0] = makeLabel();
    for (int i = 4; i >= 0; --i) hold_[i] = makeLabel();
    for (int i = 4; i >= 0; --i) dice_[i] = makeLabel();
    status_ = makeLabel();
    for (int r = 1; r <= 13; ++r) Y_[r] = makeLabel();
    for (int r = 1; r <= 13; ++r) x_[r] = makeLabel();
    side_[0] = makeLabel();
    for (int i : {5, 4, 8, 2, 1, 3, 7}) side_[i] = makeLabel();
    bonus_ = makeLabel();
    side_[6] = makeLabel();
    x_[14] = makeLabel();
    Y_[14] = makeLabel();

    engine_.setInterval(100);
    engine_.setTimerType(Qt::CoarseTimer);
    connect(&engine_, &QTimer::timeout, this, &MainWindow::runTick);
}

QLabel* MainWindow::makeLabel()
{
    auto* label = new QLabel(this);
    label->setAutoFillBackground(false);
    label->setFocusPolicy(Qt::NoFocus);
    label->installEventFilter(this);
    return label;
}

void MainWindow::attach(Yacht& game)
{
    game_ = &game;
    render();
}

void MainWindow::startEngine()
{
    engine_.start();
}

double MainWindow::twipsToPixels(float twips) const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return twips * dpi / 1440.0;
}

void MainWindow::render()
{
    if (!game_) return;
    const Board& b = game_->board;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qcolor(b.background));
    setPalette(pal);

    const auto show = [this](QLabel* w, const Label& l) {
        if (!w) return;
        const QRect geometry(qRound(twipsToPixels(l.rect.left)), qRound(twipsToPixels(l.rect.top)),
                             qRound(twipsToPixels(l.rect.width)),
                             qRound(twipsToPixels(l.rect.height)));
        if (w->geometry() != geometry) w->setGeometry(geometry);
        const QString text = QString::fromStdString(l.caption);
        if (w->text() != text) {
            w->setText(text);
            w->setAccessibleName(text);
        }
        QFont f(fontFamily());
        f.setPointSizeF(l.font.size);
        f.setBold(l.font.bold);
        f.setItalic(l.font.italic);
        if (w->font() != f) w->setFont(f);
        if (w->alignment() != qalign(l.align)) w->setAlignment(qalign(l.align));
        const QFrame::Shape frame = l.border ? QFrame::Box : QFrame::NoFrame;
        if (w->frameShape() != frame) w->setFrameShape(frame);
        QPalette p = w->palette();
        p.setColor(QPalette::Window, qcolor(l.backcolor));
        p.setColor(QPalette::WindowText, qcolor(l.forecolor));
        if (w->palette() != p) w->setPalette(p);
        const bool opaque = l.backstyle == BackStyle::Opaque;
        if (w->autoFillBackground() != opaque) w->setAutoFillBackground(opaque);
        if (w->isVisibleTo(this) != l.visible) w->setVisible(l.visible);
    };

    for (int i = 0; i < 5; ++i) {
        show(dice_[i], b.dice[i]);
        show(hold_[i], b.H[i]);
    }
    show(status_, b.Label3);
    for (int r = 0; r < 15; ++r) {
        show(x_[r], b.x[r]);
        show(Y_[r], b.Y[r]);
    }
    for (int i = 0; i < 9; ++i) show(side_[i], b.lblSide[i]);

    Label plaque;
    plaque.rect = b.imgBonus.rect;
    plaque.caption = "+35 Bonus";
    plaque.visible = b.imgBonus.visible;
    plaque.backstyle = BackStyle::Opaque;
    plaque.backcolor = colour::yellow;
    plaque.align = Align::Center;
    plaque.font.bold = true;
    show(bonus_, plaque);
}

void MainWindow::greetOnce()
{
    if (greeted_ || !game_) return;
    greeted_ = true;
    windowActivated(*game_);
}

void MainWindow::runTick()
{
    if (!game_ || inTick_ || asking_ || game_->quitting) return;
    // The greeting belongs before the first tick, whatever order the platform delivers events in.
    greetOnce();
    inTick_ = true;
    tick(*game_);
    inTick_ = false;
    if (!game_->quitting) render();
    emit ticked();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (!game_) return;
    const int code = gameKeyCode(event->key(), event->modifiers());
    if (code > 0) keydown(*game_, code, gameModifiers(event->modifiers()));
    event->accept();
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) greetOnce();
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (game_ && event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 9; ++i)
            if (watched == side_[i]) lblSideClick(*game_, i);
        for (int i = 0; i < 5; ++i)
            if (watched == dice_[i]) diceClick(*game_, i);
        for (int r = 0; r < 15; ++r)
            if (watched == Y_[r]) YClick(*game_, r);
        if (watched == status_) Label3Click(*game_);
        render();
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::beep()
{
    QApplication::beep();
}

Answer MainWindow::askOkCancel(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    asking_ = true;
    const int answer = box.exec();
    asking_ = false;
    return answer == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void MainWindow::redrawNow()
{
    render();
    repaint();
}

void MainWindow::quitNow()
{
    engine_.stop();
    hide();
    QCoreApplication::exit(0);
}

Size MainWindow::screenSize()
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return {8010, 5610};
    const double perPixel = 1440.0 / s->logicalDotsPerInchY();
    return {float(s->geometry().width() * perPixel), float(s->geometry().height() * perPixel)};
}

Size MainWindow::windowOuterSize()
{
    // The designed client area plus the frame a window has around it (a border of 4 pixels on
    // each side and a title bar of 23 pixels at 96 dots per inch).
    return {8010.0f + 120.0f, 5610.0f + 465.0f};
}

}  // namespace yacht
