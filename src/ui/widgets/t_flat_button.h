#pragma once

#include <QPushButton>

namespace trivanto {

// Text button of the game ("MAX", "Proceed", "OK"): a gold plate with dark text.
class TFlatButton : public QPushButton {
    Q_OBJECT

public:
    explicit TFlatButton(QWidget* parent = nullptr);
    explicit TFlatButton(const QString& text, QWidget* parent = nullptr);
};

}  // namespace trivanto
