#pragma once

#include <QComboBox>

namespace trivanto {

// A drop-down list for names that come from outside (the system's connection names, ...): a
// name wider than the field ends in "…" instead of being cut off, its whole text is the tool
// tip, and the open list is as wide as its longest name.
class TElidingComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TElidingComboBox(QWidget* parent = nullptr);

    // The text the closed box shows for its current item at its present width.
    QString shownText() const;

    void showPopup() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
};

}  // namespace trivanto
