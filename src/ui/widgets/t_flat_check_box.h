#pragma once

#include <QCheckBox>

namespace trivanto {

// Check box with the game's gold-framed square indicator.
class TFlatCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit TFlatCheckBox(QWidget* parent = nullptr);
    explicit TFlatCheckBox(const QString& text, QWidget* parent = nullptr);
};

}  // namespace trivanto
