#pragma once

#include <QLineEdit>

namespace trivanto {

// Single-line field in the game's look: dark inset, gold frame when focused.
class TFlatEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TFlatEdit(QWidget* parent = nullptr);
    explicit TFlatEdit(const QString& text, QWidget* parent = nullptr);
};

}  // namespace trivanto
