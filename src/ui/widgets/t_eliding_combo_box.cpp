#include "ui/widgets/t_eliding_combo_box.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

namespace trivanto {

namespace {

// Room the open list needs beside its text: frame, item padding and a scroll bar.
constexpr int kPopupExtra = 32;

}  // namespace

TElidingComboBox::TElidingComboBox(QWidget* parent) : QComboBox(parent) {
    view()->setTextElideMode(Qt::ElideRight);
}

bool TElidingComboBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // Asked when the tip is due, so it names the current item however it was chosen.
        setToolTip(currentText());
    }
    return QComboBox::event(event);
}

QRect TElidingComboBox::textRect() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

QString TElidingComboBox::shownText() const {
    // A few pixels stay free, as the style keeps them from the edit field's edge.
    return fontMetrics().elidedText(currentText(), Qt::ElideRight,
                                    std::max(0, textRect().width() - 4));
}

void TElidingComboBox::showPopup() {
    int widest = width();
    for (int i = 0; i < count(); ++i) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)) + kPopupExtra);
    }
    // Never wider than the screen the box is on.
    if (const QScreen* here = screen()) {
        widest = std::min(widest, here->availableGeometry().width());
    }
    view()->setMinimumWidth(widest);
    QComboBox::showPopup();
}

void TElidingComboBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = shownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace trivanto
