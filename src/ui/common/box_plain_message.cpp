#include "ui/common/box_plain_message.h"

#include <QMessageBox>

namespace trivanto {

std::unique_ptr<QMessageBox> BoxPlainMessage::makeBox(const QString& title, const QString& text) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Information, title, text, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return box;
}

void BoxPlainMessage::show(const QString& title, const QString& text) {
    const auto box = makeBox(title, text);
    box->show();
    box->raise();
    box->activateWindow();
    box->exec();
}

}  // namespace trivanto
