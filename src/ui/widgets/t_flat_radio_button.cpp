#include "ui/widgets/t_flat_radio_button.h"

#include "ui/widgets/theme.h"

namespace trivanto {

TFlatRadioButton::TFlatRadioButton(QWidget* parent) : TFlatRadioButton(QString(), parent) {}

TFlatRadioButton::TFlatRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    setProperty("trivantoFlat", true);
    setFont(Theme::bodyFont());
    setCursor(Qt::PointingHandCursor);
}

}  // namespace trivanto
