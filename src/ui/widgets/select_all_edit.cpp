#include "ui/widgets/select_all_edit.h"

#include <QMouseEvent>

namespace trivanto {

TSelectAllEdit::TSelectAllEdit(QWidget* parent) : TFlatEdit(parent) {}

void TSelectAllEdit::mouseReleaseEvent(QMouseEvent* event) {
    TFlatEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        selectAll();
    }
}

}  // namespace trivanto
