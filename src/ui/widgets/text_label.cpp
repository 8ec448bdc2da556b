#include "ui/widgets/text_label.h"

#include <QLabel>

namespace trivanto {

QLabel* makeTextLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font,
                      const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

}  // namespace trivanto
