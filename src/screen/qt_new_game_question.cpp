#include "screen/qt_new_game_question.h"

#include <QMessageBox>
#include <QPushButton>

#include "narration/catalogue.h"

namespace yacht {

void NewGameQuestion::ask(const std::string& spoken, std::function<void(bool ok)> answered)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString(), QString::fromUtf8(translate("Start new game?")),
                                QMessageBox::Ok | QMessageBox::Cancel, &window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Cancel);
    if (!spoken.empty()) box->setInformativeText(QString::fromStdString(spoken));
    box_ = box;
    QObject::connect(box, &QMessageBox::finished, &window_, [this, box, answered = std::move(answered)](int) {
        const bool ok = box->clickedButton() == box->button(QMessageBox::Ok);
        box_ = nullptr;
        answered(ok);
    });
    box->show();
}

}  // namespace yacht
