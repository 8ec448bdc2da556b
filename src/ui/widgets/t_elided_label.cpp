#include "ui/widgets/t_elided_label.h"

#include <QPainter>
#include <QStyle>

namespace trivanto {

TElidedLabel::TElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void TElidedLabel::setText(const QString& text) {
    QLabel::setText(text);
    updateToolTip();
}

bool TElidedLabel::isElided() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void TElidedLabel::updateToolTip() {
    setToolTip(isElided() ? text() : QString());
}

void TElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateToolTip();
}

void TElidedLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

}  // namespace trivanto
