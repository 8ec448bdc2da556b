#include "ui/widgets/t_flat_button.h"

#include "ui/widgets/theme.h"

namespace trivanto {

TFlatButton::TFlatButton(QWidget* parent) : TFlatButton(QString(), parent) {}

TFlatButton::TFlatButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setProperty("trivantoFlat", true);
    QFont font = Theme::bodyFont();
    font.setBold(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setAutoDefault(false);
}

}  // namespace trivanto
