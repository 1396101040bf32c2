#include "screen/qt_screen_reader_texts.h"

#include <QTimer>

#include "screen/qt_said_list.h"

namespace yacht {

ScreenReaderTexts::ScreenReaderTexts(QWidget& window, std::function<bool()> questionOpen)
    : QObject(&window), window_(window), questionOpen_(std::move(questionOpen))
{
}

void ScreenReaderTexts::announce(const std::string& text)
{
    held_.push_back(text);
    if (held_.size() == 1) QTimer::singleShot(0, this, &ScreenReaderTexts::giveHeld);
}

std::string ScreenReaderTexts::takeNewest()
{
    if (held_.empty()) return {};
    std::string newest = std::move(held_.back());
    held_.pop_back();
    return newest;
}

void ScreenReaderTexts::holdUntilActive(bool windowActiveNow)
{
    if (!said_) return;
    holding_ = !windowActiveNow;
    QTimer::singleShot(1000, this, [this] {
        holding_ = false;
        giveHeld();
    });
}

void ScreenReaderTexts::windowActivated()
{
    if (!holding_) return;
    holding_ = false;
    QTimer::singleShot(0, this, &ScreenReaderTexts::giveHeld);
}

void ScreenReaderTexts::giveHeld()
{
    if ((questionOpen_ && questionOpen_()) || holding_ || held_.empty()) return;
    if (!said_) said_ = new SaidList(&window_);
    std::vector<std::string> texts;
    texts.swap(held_);
    for (const std::string& text : texts) said_->say(QString::fromStdString(text).trimmed());
}

}  // namespace yacht
