#include "ui/widgets/enter_key.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace trivanto {

bool pressEnter(QWidget* window, QKeyEvent* event, const std::function<void()>& proceed) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
        return false;
    }
    event->accept();
    if (event->isAutoRepeat()) {
        return true;
    }
    auto* button = qobject_cast<QPushButton*>(window->focusWidget());
    if (button != nullptr && button->isEnabled()) {
        button->click();
    } else {
        proceed();
    }
    return true;
}

}  // namespace trivanto
