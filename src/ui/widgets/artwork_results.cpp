#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "ui/widgets/artwork_painting.h"
#include "ui/widgets/theme.h"

namespace trivanto::artwork::painting {
namespace {

void drawConfetti(QPainter& p, const QRectF& area, int count, quint32 seed) {
    QRandomGenerator random(seed);
    const QColor colours[] = {Theme::kGoldLight, QColor(240, 90, 150), QColor(90, 200, 255),
                              QColor(120, 220, 120), QColor(190, 130, 255)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(area.left() + random.bounded(area.width()),
                    area.top() + random.bounded(area.height()));
        p.rotate(random.bounded(180));
        p.setBrush(colours[i % 5]);
        p.drawRect(QRectF(-2.5, -1.2, 5, 2.4));
        p.restore();
    }
}

// A glowing coin-like badge with a glyph on it.
void drawBadge(QPainter& p, const QPointF& centre, double radius, const QColor& colour,
               Glyph glyph) {
    QRadialGradient halo(centre, radius * 1.6);
    halo.setColorAt(0.55, QColor(colour.red(), colour.green(), colour.blue(), 120));
    halo.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, radius * 1.6, radius * 1.6);
    QRadialGradient fill(centre.x() - radius * 0.3, centre.y() - radius * 0.4, radius * 1.5);
    fill.setColorAt(0, colour.lighter(165));
    fill.setColorAt(0.6, colour);
    fill.setColorAt(1, colour.darker(160));
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    const double g = radius * 0.62;
    drawGlyph(p, glyph, QRectF(centre.x() - g, centre.y() - g, 2 * g, 2 * g), Qt::white);
}

void drawJoker(QPainter& p) {
    // A fanned pair of cards with a jester's star.
    for (int i = 0; i < 2; ++i) {
        p.save();
        p.translate(80, 64);
        p.rotate(i == 0 ? -14 : 10);
        const QRectF card(-32, -46, 64, 90);
        QLinearGradient fill(card.topLeft(), card.bottomRight());
        fill.setColorAt(0, i == 0 ? QColor(230, 230, 250) : Qt::white);
        fill.setColorAt(1, i == 0 ? QColor(190, 190, 220) : QColor(240, 236, 250));
        p.setPen(QPen(Theme::kGold, 2));
        p.setBrush(fill);
        p.drawRoundedRect(card, 7, 7);
        if (i == 1) {
            p.setPen(QPen(QColor(140, 60, 200), 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(card.adjusted(5, 5, -5, -5), 4, 4);
            // Jester hat: three coloured points with bells.
            const QColor hats[] = {QColor(220, 50, 80), QColor(60, 120, 230), QColor(250, 180, 30)};
            const QPointF tips[] = {{-20, -22}, {0, -30}, {20, -22}};
            for (int k = 0; k < 3; ++k) {
                QPolygonF point;
                point << QPointF(-14 + k * 6, 0) << tips[k] << QPointF(-2 + k * 6, 0);
                p.setPen(Qt::NoPen);
                p.setBrush(hats[k]);
                p.drawPolygon(point);
                p.setBrush(Theme::kGold);
                p.drawEllipse(tips[k], 3.5, 3.5);
            }
            QFont font(Theme::kFontFamily);
            font.setBold(true);
            font.setPixelSize(26);
            p.setFont(font);
            p.setPen(QColor(140, 60, 200));
            p.drawText(QRectF(-30, 2, 60, 36), Qt::AlignCenter, QStringLiteral("J"));
        }
        p.restore();
    }
    drawGlyph(p, Glyph::Star, QRectF(118, 10, 26, 26), Theme::kGoldLight);
    drawGlyph(p, Glyph::Star, QRectF(18, 84, 18, 18), Theme::kGoldLight);
}

void drawTrophyScene(QPainter& p) {
    drawConfetti(p, QRectF(6, 4, 148, 110), 46, 7);
    QRadialGradient halo(80, 58, 60);
    halo.setColorAt(0, QColor(255, 220, 120, 160));
    halo.setColorAt(1, QColor(255, 220, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(80, 58), 60, 60);
    // Cup.
    QLinearGradient gold(50, 0, 110, 0);
    gold.setColorAt(0, QColor(200, 130, 20));
    gold.setColorAt(0.45, Theme::kGoldLight);
    gold.setColorAt(1, QColor(190, 120, 20));
    QPainterPath cup;
    cup.moveTo(52, 16);
    cup.lineTo(108, 16);
    cup.cubicTo(108, 58, 94, 70, 80, 72);
    cup.cubicTo(66, 70, 52, 58, 52, 16);
    p.setPen(QPen(QColor(140, 80, 10), 1.5));
    p.setBrush(gold);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 6));
    p.drawArc(QRectF(36, 22, 24, 28), 90 * 16, 180 * 16);
    p.drawArc(QRectF(100, 22, 24, 28), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(140, 80, 10), 1.5));
    p.setBrush(gold);
    p.drawRect(QRectF(74, 72, 12, 14));
    p.drawRoundedRect(QRectF(58, 86, 44, 10), 3, 3);
    p.setBrush(QColor(60, 40, 110));
    p.drawRoundedRect(QRectF(52, 96, 56, 16), 3, 3);
    drawGlyph(p, Glyph::Star, QRectF(68, 24, 24, 24), Qt::white);
}

void drawEstimation(QPainter& p) {
    // A gauge with a needle and a number display: "how many?".
    const QPointF centre(80, 82);
    const double r = 58;
    p.setPen(Qt::NoPen);
    const QColor bands[] = {QColor(70, 160, 240), QColor(90, 200, 120), QColor(250, 200, 60),
                            QColor(240, 120, 50), QColor(230, 70, 80)};
    for (int i = 0; i < 5; ++i) {
        QPainterPath slice;
        slice.moveTo(centre);
        slice.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 180 - i * 36, -36);
        slice.closeSubpath();
        p.setBrush(bands[i]);
        p.drawPath(slice);
    }
    p.setBrush(Theme::kMidnight);
    p.drawEllipse(centre, r * 0.62, r * 0.62);
    p.setPen(QPen(Qt::white, 1.5));
    for (int i = 0; i <= 10; ++i) {
        const double a = M_PI - i * M_PI / 10;
        p.drawLine(
            QPointF(centre.x() + std::cos(a) * r * 0.66, centre.y() - std::sin(a) * r * 0.66),
            QPointF(centre.x() + std::cos(a) * r * 0.78, centre.y() - std::sin(a) * r * 0.78));
    }
    const double needle = M_PI * 0.32;
    p.setPen(QPen(Theme::kGoldLight, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, QPointF(centre.x() + std::cos(needle) * r * 0.85,
                               centre.y() - std::sin(needle) * r * 0.85));
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::kGold);
    p.drawEllipse(centre, 6, 6);
    p.setBrush(QColor(8, 10, 24));
    p.setPen(QPen(Theme::kGold, 1.5));
    p.drawRoundedRect(QRectF(48, 90, 64, 24), 5, 5);
    QFont font(Theme::kFontFamily);
    font.setBold(true);
    font.setPixelSize(17);
    p.setFont(font);
    p.setPen(Theme::kAmber);
    p.drawText(QRectF(48, 90, 64, 24), Qt::AlignCenter, QStringLiteral("\u2248 ?"));
}

}  // namespace

void drawLogo(QPainter& p, const QRectF& box, double pixelSize) {
    QFont font(Theme::kFontFamily);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setLetterSpacing(QFont::PercentageSpacing, 96);
    QPainterPath text;
    const QString name = QStringLiteral("Trivanto");
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(name);
    const QPointF origin(box.center().x() - width / 2,
                         box.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    text.addText(origin, font, name);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Glow: the outline drawn wide and faint a few times.
    for (int i = 4; i >= 1; --i) {
        p.setPen(QPen(QColor(255, 190, 80, 26), pixelSize * 0.05 * i, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(text);
    }
    p.setPen(QPen(QColor(110, 50, 10), std::max(1.0, pixelSize * 0.035)));
    QLinearGradient gold(0, origin.y() - metrics.ascent(), 0, origin.y());
    gold.setColorAt(0, QColor(255, 248, 210));
    gold.setColorAt(0.45, Theme::kGoldLight);
    gold.setColorAt(0.5, Theme::kGold);
    gold.setColorAt(1, QColor(220, 130, 20));
    p.setBrush(gold);
    p.drawPath(text);
    p.restore();
}

QImage result(ResultPicture picture) {
    QImage image = transparentImage(kResultPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (picture) {
        case ResultPicture::Right:
            drawConfetti(p, QRectF(10, 6, 140, 108), 24, 3);
            drawBadge(p, QPointF(80, 60), 40, Theme::kRight, Glyph::Check);
            break;
        case ResultPicture::Wrong:
            drawBadge(p, QPointF(80, 60), 40, Theme::kWrong, Glyph::Cross);
            break;
        case ResultPicture::Joker:
            drawJoker(p);
            break;
        case ResultPicture::End:
            drawTrophyScene(p);
            break;
        case ResultPicture::Estimation:
            drawEstimation(p);
            break;
    }
    return image;
}

QImage banner(const QString& line1, const QString& line2) {
    QImage image = pictureImage(kBannerSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(0, 0, kBannerSize.width(), kBannerSize.height());
    QLinearGradient base(0, 0, 0, r.height());
    base.setColorAt(0, QColor(86, 48, 170));
    base.setColorAt(1, Theme::kMidnight);
    p.fillRect(r, base);
    QRadialGradient spot(r.width() / 2, 30, 70);
    spot.setColorAt(0, QColor(255, 200, 90, 110));
    spot.setColorAt(1, QColor(255, 200, 90, 0));
    p.fillRect(r, spot);
    drawLogo(p, QRectF(0, 6, r.width(), 36), 27);
    QFont font(Theme::kFontFamily);
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Theme::kText);
    p.drawText(QRectF(0, 43, r.width(), 15), Qt::AlignCenter, line1);
    p.drawText(QRectF(0, 57, r.width(), 15), Qt::AlignCenter, line2);
    drawGlyph(p, Glyph::Star, QRectF(38, 73, 12, 12), Theme::kGoldLight);
    drawGlyph(p, Glyph::Star, QRectF(60.5, 73, 12, 12), Theme::kGoldLight);
    drawGlyph(p, Glyph::Star, QRectF(83, 73, 12, 12), Theme::kGoldLight);
    p.setPen(QPen(Theme::kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -1, -1));
    return image;
}

}  // namespace trivanto::artwork::painting
