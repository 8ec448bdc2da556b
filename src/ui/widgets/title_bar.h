#pragma once

#include <QFont>
#include <QPoint>
#include <QString>

#include "ui/widgets/artwork.h"

class QLabel;
class QWidget;

namespace trivanto {

class TPictureButton;

// The small picture buttons that stand in for a title bar (info, help, minimise, close): no
// keyboard focus, so Enter and Escape stay with the window.
TPictureButton* makeTitleBarButton(QWidget* parent, const QString& name, artwork::SmallButton kind,
                                   QPoint at);

// A white caption drawn on a window picture; it lets mouse presses through so the window can
// still be dragged by it.
QLabel* makePictureLabel(QWidget* parent, const QString& name, const QFont& font);

}  // namespace trivanto
