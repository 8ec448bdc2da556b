#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

namespace trivanto {

// A control of `window` by its objectName, as a test drives it; a missing one fails the test.
template <typename T = QWidget>
T* findControl(const QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

}  // namespace trivanto
