#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>
#include <string>

namespace trivanto::keyboardtest {

// Keys go where a keyboard sends them: to the control of `window` that has the focus (to the
// window itself when none has it). The window is made the active one first, as the window
// manager does for the window a player types into; focus moves need it.
inline QWidget* keyTarget(QWidget* window) {
    if (QApplication::activeWindow() != window) {
        QApplication::setActiveWindow(window);
    }
    QWidget* focus = window->focusWidget();
    return focus != nullptr ? focus : window;
}

// The objectName of the control with the focus (readable in a failure message).
inline std::string focusName(QWidget* window) {
    QWidget* focus = window->focusWidget();
    return focus != nullptr ? focus->objectName().toStdString() : std::string();
}

inline void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(keyTarget(window), key, modifiers);
}

inline void type(QWidget* window, const QString& text) {
    QTest::keyClicks(keyTarget(window), text);
}

}  // namespace trivanto::keyboardtest
