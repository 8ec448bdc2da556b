#include "ui/common/window_text_applier.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace trivanto {

namespace {

QObject* findControl(QWidget* window, const QString& name) {
    if (window->objectName() == name) {
        return window;
    }
    return window->findChild<QObject*>(name);
}

void setCaption(QObject* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (control->metaObject()->indexOfProperty("text") >= 0) {
        control->setProperty("text", text);
    } else if (control->metaObject()->indexOfProperty("caption") >= 0) {
        control->setProperty("caption", text);
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
                    widget->setToolTip(t.text);
                }
                break;
            case WindowTextKind::Title:
                control->setProperty("title", t.text);
                break;
        }
        ++applied;
    }
    return applied;
}

}  // namespace trivanto
