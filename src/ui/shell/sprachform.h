#pragma once

#include <QWidget>

namespace trivanto {

// The language unit's window: created with the others at start-up, never shown, no texts.
class TSprachform final : public QWidget {
    Q_OBJECT
public:
    explicit TSprachform(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("Sprachform"));
    }
};

}  // namespace trivanto
