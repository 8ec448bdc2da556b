// The side picture of the update wizard.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ui/widgets/artwork_painting.h"
#include "ui/widgets/theme.h"

namespace trivanto::artwork::painting {
namespace {

// A parcel seen from the front: a gold box with a ribbon.
void drawParcel(QPainter& p, const QRectF& box) {
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, Theme::kGoldLight);
    fill.setColorAt(1, QColor(214, 140, 36));
    p.setPen(QPen(QColor(120, 70, 20), 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(box, 3, 3);
    const QRectF lid(box.left() - 2, box.top(), box.width() + 4, box.height() * 0.28);
    p.drawRoundedRect(lid, 2, 2);
    p.setPen(QPen(Theme::kViolet, box.width() * 0.12));
    p.drawLine(QPointF(box.center().x(), box.top() + 1), QPointF(box.center().x(), box.bottom()));
}

// A broad arrow pointing down, the way the packages travel.
void drawDownArrow(QPainter& p, const QRectF& box) {
    QPainterPath arrow;
    const double shaft = box.width() * 0.36;
    const double cx = box.center().x();
    const double neck = box.top() + box.height() * 0.5;
    arrow.moveTo(cx - shaft / 2, box.top());
    arrow.lineTo(cx + shaft / 2, box.top());
    arrow.lineTo(cx + shaft / 2, neck);
    arrow.lineTo(box.right(), neck);
    arrow.lineTo(cx, box.bottom());
    arrow.lineTo(box.left(), neck);
    arrow.lineTo(cx - shaft / 2, neck);
    arrow.closeSubpath();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(246, 190, 64, 40));
    fill.setColorAt(1, QColor(255, 222, 130, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(arrow);
}

}  // namespace

QImage updateWizard() {
    QImage image = transparentImage(kWizardPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(0.5, 0.5, kWizardPictureSize.width() - 1.0,
                       kWizardPictureSize.height() - 1.0);
    QLinearGradient stage(frame.topLeft(), frame.bottomLeft());
    stage.setColorAt(0, Theme::kViolet);
    stage.setColorAt(0.55, Theme::kNavy);
    stage.setColorAt(1, Theme::kMidnight);
    p.setPen(QPen(QColor(246, 190, 64, 150), 1));
    p.setBrush(stage);
    p.drawRoundedRect(frame, 9, 9);

    // The world the update comes from, glowing.
    const QPointF centre(frame.center().x(), 62);
    QRadialGradient glow(centre, 46);
    glow.setColorAt(0.55, QColor(255, 210, 100, 90));
    glow.setColorAt(1, QColor(255, 210, 100, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 46, 46);
    QRadialGradient sphere(centre.x() - 10, centre.y() - 12, 44);
    sphere.setColorAt(0, QColor(120, 190, 240));
    sphere.setColorAt(0.7, QColor(30, 110, 160));
    sphere.setColorAt(1, QColor(16, 60, 110));
    p.setPen(QPen(Theme::kGold, 1.5));
    p.setBrush(sphere);
    p.drawEllipse(centre, 32, 32);
    drawGlyph(p, Glyph::Globe, QRectF(centre.x() - 22, centre.y() - 22, 44, 44), Theme::kText);

    drawDownArrow(p, QRectF(centre.x() - 16, 104, 32, 40));
    drawParcel(p, QRectF(centre.x() - 34, 156, 30, 26));
    drawParcel(p, QRectF(centre.x() + 4, 156, 30, 26));
    drawParcel(p, QRectF(centre.x() - 15, 186, 30, 26));
    drawLogo(p, QRectF(frame.left(), 218, frame.width(), 26), 17);
    return image;
}

}  // namespace trivanto::artwork::painting
