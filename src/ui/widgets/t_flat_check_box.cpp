#include "ui/widgets/t_flat_check_box.h"

#include "ui/widgets/theme.h"

namespace trivanto {

TFlatCheckBox::TFlatCheckBox(QWidget* parent) : TFlatCheckBox(QString(), parent) {}

TFlatCheckBox::TFlatCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    setProperty("trivantoFlat", true);
    setFont(Theme::bodyFont());
    setCursor(Qt::PointingHandCursor);
}

}  // namespace trivanto
