// The side picture of the top-fifty upload wizard.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ui/widgets/artwork_painting.h"
#include "ui/widgets/theme.h"

namespace trivanto::artwork::painting {

QImage wizardSide(QSize size) {
    QImage image = transparentImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QPainterPath shape;
    shape.addRoundedRect(area, 10, 10);
    p.setClipPath(shape);

    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0, Theme::kViolet);
    base.setColorAt(0.6, Theme::kNavy);
    base.setColorAt(1, Theme::kMidnight);
    p.fillRect(area, base);
    // A spotlight from above on the globe.
    QRadialGradient light(size.width() / 2.0, size.height() * 0.3, size.width() * 0.9);
    light.setColorAt(0, QColor(255, 210, 120, 90));
    light.setColorAt(1, QColor(255, 210, 120, 0));
    p.fillRect(area, light);

    const double w = size.width();
    const double h = size.height();
    const double globe = std::min(w * 0.7, h * 0.3);
    drawGlyph(p, Glyph::Globe, QRectF((w - globe) / 2, h * 0.14, globe, globe), Theme::kGoldLight);
    const double trophy = globe * 0.8;
    drawGlyph(p, Glyph::Trophy, QRectF((w - trophy) / 2, h * 0.52, trophy, trophy), Theme::kGold);
    // Stars round the trophy.
    const double star = trophy * 0.28;
    const QPointF stars[] = {
        {w * 0.18, h * 0.55}, {w * 0.8, h * 0.6}, {w * 0.26, h * 0.8}, {w * 0.74, h * 0.84}};
    for (const QPointF& at : stars) {
        drawGlyph(p, Glyph::Star, QRectF(at.x() - star / 2, at.y() - star / 2, star, star),
                  QColor(255, 222, 130, 200));
    }

    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(246, 190, 64, 160), 1.5));
    p.drawPath(shape);
    return image;
}

}  // namespace trivanto::artwork::painting
