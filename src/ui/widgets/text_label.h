#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "ui/widgets/theme.h"

class QLabel;
class QWidget;

namespace trivanto {

// A label on a window's picture: transparent, in the given font and colour, letting mouse
// presses through (the window can be dragged by it), and always plain text, so a name or text
// from a file or a person never becomes markup.
QLabel* makeTextLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font,
                      const QColor& colour = Theme::kText);

// Gives a label its text colour through its palette. A style sheet of its own would do the same
// but gives every label its own copy of the style's rules: hundreds of kilobytes at the start
// and a new polish on every change of colour.
void setTextColour(QWidget* label, const QColor& colour);

}  // namespace trivanto
