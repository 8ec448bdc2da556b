#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/lang/message_catalogue.h"

namespace trivanto {

// What a window text sets on its control: the caption, the tool tip, a file dialog's title, or
// the name screen readers give a control that shows no caption (a picture, a field).
enum class WindowTextKind { Caption, Hint, Title, Name };

struct WindowText {
    QString objectName;
    WindowTextKind kind;
    QString text;

    friend bool operator==(const WindowText&, const WindowText&) = default;
};

// The language table's texts for one window class ("TMainForm", "TSpielerForm", ...).
// German: the texts the windows are designed with. English: the texts the English language
// replaces (the message dialog's buttons included). An unknown class gives an empty list.
const QList<WindowText>& windowTexts(const QString& windowClass, Language language);

// The window classes that have texts in the language, in table order.
QStringList windowTextClasses(Language language);

// The names screen readers give the window's controls that show no caption (Name texts).
const QList<WindowText>& accessibleNameTexts(const QString& windowClass, Language language);

// What a window shows in the language: its German design texts with the language's
// replacements applied, plus any text the language adds, then the accessible names in the
// language. This is what a window applies after it is built.
QList<WindowText> resolvedWindowTexts(const QString& windowClass, Language language);

}  // namespace trivanto
