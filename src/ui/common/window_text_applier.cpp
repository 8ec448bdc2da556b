#include "ui/common/window_text_applier.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include "ui/widgets/accessible_names.h"
#include "ui/widgets/t_flat_button.h"

namespace trivanto {

namespace {

QObject* findControl(QWidget* window, const QString& name) {
    if (window->objectName() == name) {
        return window;
    }
    return window->findChild<QObject*>(name);
}

// Marks a name that came from a hint, so the next language's hint may replace it.
const char* const kNameFromHint = "trivantoNameFromHint";

QString withoutMnemonics(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Labels and buttons are named by their text as screen readers ask (and told of each change);
// a field's caption is its content; any other control is named by its caption.
void setCaption(QObject* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* flat = qobject_cast<TFlatButton*>(control)) {
        flat->setText(text);
        flat->fitCaption();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (control->metaObject()->indexOfProperty("text") >= 0) {
        control->setProperty("text", text);
    } else {
        if (control->metaObject()->indexOfProperty("caption") >= 0) {
            control->setProperty("caption", text);
        }
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setAccessibleName(withoutMnemonics(text));
        }
    }
}

// The hint is the tool tip and what screen readers add after the name; a control without a
// caption is named by it.
void setHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setAccessibleDescription(hint);
    if (widget->property(kNameFromHint).toBool() || accessibility::nameOf(widget).isEmpty()) {
        widget->setAccessibleName(hint);
        widget->setProperty(kNameFromHint, true);
    }
}

}  // namespace

int applyWindowTexts(QWidget* window, const QList<WindowText>& texts) {
    int applied = 0;
    for (const WindowText& t : texts) {
        QObject* control = findControl(window, t.objectName);
        if (control == nullptr) {
            continue;
        }
        switch (t.kind) {
            case WindowTextKind::Caption:
                setCaption(control, t.text);
                break;
            case WindowTextKind::Hint:
                if (auto* widget = qobject_cast<QWidget*>(control)) {
                    setHint(widget, t.text);
                }
                break;
            case WindowTextKind::Name:
                if (auto* widget = qobject_cast<QWidget*>(control)) {
                    widget->setAccessibleName(t.text);
                    widget->setProperty(kNameFromHint, false);
                }
                break;
            case WindowTextKind::Title:
                control->setProperty("title", t.text);
                break;
        }
        ++applied;
    }
    accessibility::nameFromHints(window);
    return applied;
}

}  // namespace trivanto
