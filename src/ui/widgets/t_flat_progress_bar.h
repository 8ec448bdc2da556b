#pragma once

#include <QProgressBar>

namespace trivanto {

// Smooth progress bar from 0 to 100: a rounded amber-gold fill with a soft sheen, no blocks and
// no text.
class TFlatProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit TFlatProgressBar(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {200, 12}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace trivanto
