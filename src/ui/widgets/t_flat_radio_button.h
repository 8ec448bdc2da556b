#pragma once

#include <QRadioButton>

namespace trivanto {

// Radio button with the game's gold-framed round indicator.
class TFlatRadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit TFlatRadioButton(QWidget* parent = nullptr);
    explicit TFlatRadioButton(const QString& text, QWidget* parent = nullptr);
};

}  // namespace trivanto
