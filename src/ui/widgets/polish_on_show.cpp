#include "ui/widgets/polish_on_show.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace trivanto {

void polishWhenShown(QWidget* window) {
    if (window == nullptr || window->isVisible()) {
        return;
    }
    QCoreApplication::removePostedEvents(window, QEvent::PolishRequest);
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        QCoreApplication::removePostedEvents(control, QEvent::PolishRequest);
    }
}

}  // namespace trivanto
