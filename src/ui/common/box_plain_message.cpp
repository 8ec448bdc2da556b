#include "ui/common/box_plain_message.h"

#include <QMessageBox>

namespace trivanto {

void BoxPlainMessage::show(const QString& title, const QString& text) {
    QMessageBox::information(nullptr, title, text);
}

}  // namespace trivanto
