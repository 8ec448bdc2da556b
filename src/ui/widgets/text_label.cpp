#include "ui/widgets/text_label.h"

#include <QLabel>
#include <QPalette>

namespace trivanto {

QLabel* makeTextLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font,
                      const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    setTextColour(label, colour);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void setTextColour(QWidget* label, const QColor& colour) {
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) == colour && palette.color(QPalette::Text) == colour) {
        return;
    }
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    label->setPalette(palette);
}

}  // namespace trivanto
