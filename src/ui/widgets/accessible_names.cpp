#include "ui/widgets/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "ui/widgets/t_dot_matrix_label.h"

namespace trivanto::accessibility {

namespace {
AnnouncementListener& listener() {
    static AnnouncementListener current;
    return current;
}
}  // namespace

QString nameOf(QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) {
        return widget->accessibleName();
    }
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface != nullptr ? iface->text(QAccessible::Name).trimmed() : QString();
}

bool isPlayerControl(const QWidget* widget) {
    // A combo box is one control: its field and its list are parts of it.
    if (qobject_cast<const QComboBox*>(widget->parentWidget()) != nullptr ||
        widget->window()->inherits("QComboBoxPrivateContainer")) {
        return false;
    }
    if (qobject_cast<const QAbstractButton*>(widget) != nullptr ||
        qobject_cast<const QLineEdit*>(widget) != nullptr ||
        qobject_cast<const QComboBox*>(widget) != nullptr ||
        qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
        qobject_cast<const TDotMatrixLabel*>(widget) != nullptr) {
        return true;
    }
    // Lists and text areas; the inner parts of a combo box or a scroll area are not controls
    // of their own.
    if (qobject_cast<const QAbstractScrollArea*>(widget) != nullptr) {
        return widget->focusPolicy() != Qt::NoFocus;
    }
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label != nullptr && !label->pixmap().isNull();
}

void nameFromHints(QWidget* window) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (!isPlayerControl(widget) || widget->toolTip().isEmpty()) {
            continue;
        }
        if (widget->accessibleDescription().isEmpty()) {
            widget->setAccessibleDescription(widget->toolTip());
        }
        if (nameOf(widget).isEmpty()) {
            widget->setAccessibleName(widget->toolTip());
        }
    }
}

void announce(QWidget* source, const QString& text) {
    // Setting the description raises its own change event.
    source->setAccessibleDescription(text);
    if (text.isEmpty()) {
        return;
    }
    QAccessibleEvent alert(source, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    if (listener()) {
        listener()(source, text);
    }
}

void setAnnouncementListener(AnnouncementListener listener_) {
    listener() = std::move(listener_);
}

}  // namespace trivanto::accessibility
