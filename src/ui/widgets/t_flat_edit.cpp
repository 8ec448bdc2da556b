#include "ui/widgets/t_flat_edit.h"

#include "ui/widgets/theme.h"

namespace trivanto {

TFlatEdit::TFlatEdit(QWidget* parent) : TFlatEdit(QString(), parent) {}

TFlatEdit::TFlatEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setProperty("trivantoFlat", true);
    setFont(Theme::bodyFont());
    setFrame(false);
}

}  // namespace trivanto
