#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include "ui/widgets/artwork.h"

class QPainter;

// Drawing routines behind artwork.h; each returns a fresh picture (no caching here).
namespace trivanto::artwork::painting {

// A picture of `size` logical pixels at `ratio` (the artwork's pixel ratio unless given):
// painters on it draw in logical pixels.
QImage pictureImage(QSize size, qreal ratio = pixelRatio());
QImage transparentImage(QSize size, qreal ratio = pixelRatio());

// Windows.
QPainterPath windowShape(WindowStyle style, QSize size);
// Reads nothing global but the default ratio. The main window's background draws no text, so
// with the ratio given it may be drawn on another thread.
QImage window(WindowStyle style, QSize size, qreal ratio = pixelRatio());

// Line-art symbols shared by the button, tool and small pictures.
enum class Glyph {
    Play,
    Folder,
    Disk,
    Trophy,
    Pencil,
    Globe,
    Question,
    Door,
    Medal,
    Star,
    Check,
    Cross,
    Minus,
    Info,
    SpeakerOn,
    SpeakerOff,
    ArrowLeft,
    ArrowRight,
    ArrowUp,
    ArrowDown,
    Magnifier,
    Plus,
    Undo,
    Page,
    Hourglass,
    Exclamation
};
void drawGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& colour);

QImage button(int index);
QImage smallButton(SmallButton button, bool hover);
QImage sound(int index);
QImage tool(ToolPicture picture, bool hover);

QImage player(int index);
QImage placeholder();
QImage seatFrame();

QImage result(ResultPicture picture);
QImage flag(int index);
// The two lines under the logo are in the build's language.
QImage banner(const QString& line1, const QString& line2);
QImage programIcon(int size);
QImage wizardSide(QSize size);
QImage updateWizard();

// The game's name in gold lettering with a glow, centred in the box.
void drawLogo(QPainter& painter, const QRectF& box, double pixelSize);

}  // namespace trivanto::artwork::painting
