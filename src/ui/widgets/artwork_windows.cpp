#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "ui/widgets/artwork_painting.h"
#include "ui/widgets/main_layout.h"
#include "ui/widgets/theme.h"

namespace trivanto::artwork::painting {
namespace {

constexpr int kTitleBand = 27;

double cornerRadius(WindowStyle style) {
    switch (style) {
        case WindowStyle::Main:
            return 22;
        case WindowStyle::Splash:
            return 0;
        case WindowStyle::Waiting:
            return 12;
        case WindowStyle::Message:
        case WindowStyle::Info:
        case WindowStyle::NewGame:
        case WindowStyle::Generic:
            break;
    }
    return 16;
}

// A glassy plate: dark translucent fill, thin light rim.
void drawPlate(QPainter& p, const QRectF& rect, double radius, int alpha = 150,
               const QColor& rim = QColor(255, 255, 255, 40)) {
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, QColor(10, 12, 40, alpha));
    fill.setColorAt(1, QColor(20, 16, 56, alpha));
    p.setPen(QPen(rim, 1));
    p.setBrush(fill);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void drawSparkles(QPainter& p, const QRectF& area, int count, quint32 seed) {
    // A fixed seed keeps the picture the same on every run.
    QRandomGenerator random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()),
                         area.top() + random.bounded(area.height()));
        const double r = 0.6 + random.bounded(1.4);
        QColor c = i % 3 == 0 ? Theme::kGoldLight : QColor(200, 210, 255);
        c.setAlpha(60 + random.bounded(120));
        p.setBrush(c);
        p.drawEllipse(at, r, r);
    }
}

void drawStage(QPainter& p, const QSize& size, double radius) {
    const QRectF r(QPointF(0, 0), QSizeF(size));
    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0, Theme::kNavy);
    base.setColorAt(0.55, Theme::kMidnight);
    base.setColorAt(1, QColor(30, 18, 62));
    p.fillRect(r, base);
    // Soft spotlights in violet and blue.
    QRadialGradient glow(size.width() * 0.78, size.height() * 0.1, size.width() * 0.6);
    glow.setColorAt(0, QColor(120, 70, 200, 110));
    glow.setColorAt(1, QColor(120, 70, 200, 0));
    p.fillRect(r, glow);
    QRadialGradient glow2(size.width() * 0.12, size.height() * 0.95, size.width() * 0.5);
    glow2.setColorAt(0, QColor(40, 90, 200, 80));
    glow2.setColorAt(1, QColor(40, 90, 200, 0));
    p.fillRect(r, glow2);
    drawSparkles(p, r.adjusted(6, 6, -6, -6), size.width() * size.height() / 2500 + 6,
                 static_cast<quint32>(size.width() * 31 + size.height()));
    Q_UNUSED(radius);
}

void drawBorder(QPainter& p, const QPainterPath& shape, double radius, const QSize& size) {
    p.setBrush(Qt::NoBrush);
    QLinearGradient gold(0, 0, 0, size.height());
    gold.setColorAt(0, Theme::kGoldLight);
    gold.setColorAt(0.5, Theme::kGold);
    gold.setColorAt(1, QColor(190, 120, 30));
    if (radius > 0) {
        p.setPen(QPen(QBrush(gold), 3));
        p.drawPath(shape);
        p.setPen(QPen(QColor(255, 255, 255, 50), 1));
        const QRectF inner = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(3.5, 3.5, -3.5, -3.5);
        p.drawRoundedRect(inner, radius - 3, radius - 3);
    } else {
        p.setPen(QPen(QBrush(gold), 2));
        p.drawRect(QRectF(1, 1, size.width() - 2, size.height() - 2));
    }
}

void drawTitleBand(QPainter& p, const QSize& size) {
    QLinearGradient band(0, 0, 0, kTitleBand);
    band.setColorAt(0, QColor(70, 44, 140, 230));
    band.setColorAt(1, QColor(36, 28, 96, 230));
    p.fillRect(QRectF(0, 0, size.width(), kTitleBand), band);
    QLinearGradient line(0, 0, size.width(), 0);
    line.setColorAt(0, QColor(246, 190, 64, 0));
    line.setColorAt(0.15, Theme::kGold);
    line.setColorAt(0.85, Theme::kGold);
    line.setColorAt(1, QColor(246, 190, 64, 0));
    p.fillRect(QRectF(0, kTitleBand, size.width(), 1.5), line);
}

void drawMainExtras(QPainter& p) {
    using namespace main_layout;
    // Band of the large buttons.
    const QRectF band = QRectF(kButtonBand);
    QLinearGradient fill(band.topLeft(), band.bottomLeft());
    fill.setColorAt(0, QColor(86, 54, 160, 200));
    fill.setColorAt(1, QColor(34, 26, 92, 220));
    p.setPen(QPen(QColor(246, 190, 64, 170), 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(band.adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(band.left() + 14, band.top() + 2.5),
               QPointF(band.right() - 14, band.top() + 2.5));

    drawPlate(p, QRectF(kPanelArea), 10);
    drawPlate(p, QRectF(kBanner).adjusted(-4, -4, 4, 4), 8, 190, QColor(246, 190, 64, 140));
    drawPlate(p, QRectF(kQuestionArea), 12, 120);

    // A stage floor under the seats and a dark plate per seat.
    QLinearGradient floor(0, kSeatFrameTop - 6, 0, 479);
    floor.setColorAt(0, QColor(90, 60, 170, 0));
    floor.setColorAt(1, QColor(90, 60, 170, 70));
    p.fillRect(QRectF(kSeatFrameLeft[0] - 4, kSeatFrameTop - 6, 640 - kSeatFrameLeft[0] - 10, 200),
               floor);
    for (int seat = 0; seat < 4; ++seat) {
        const int inset = kSeatPlateInset;
        drawPlate(p, QRectF(seatRect(seat, kSeatFrame)).adjusted(inset, inset, -inset, -inset), 8,
                  110);
    }
}

void drawMessageExtras(QPainter& p, const QSize& size) {
    // Speech bubble left of the text.
    const QRectF bubble(14, 38, 44, 36);
    QLinearGradient fill(bubble.topLeft(), bubble.bottomLeft());
    fill.setColorAt(0, Theme::kGoldLight);
    fill.setColorAt(1, Theme::kGold);
    QPainterPath path;
    path.addRoundedRect(bubble, 10, 10);
    QPolygonF tail;
    tail << QPointF(24, 70) << QPointF(20, 84) << QPointF(36, 72);
    path.addPolygon(tail);
    p.setPen(QPen(QColor(120, 70, 10), 1));
    p.setBrush(fill);
    p.drawPath(path.simplified());
    drawGlyph(p, Glyph::Exclamation, bubble.adjusted(10, 4, -10, -4), Theme::kTextDark);
    // Quiet line above the buttons.
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    // It keeps its distance to the buttons when a long text makes the dialog taller.
    const double lineY = size.height() - 31.5;
    p.drawLine(QPointF(66, lineY), QPointF(size.width() - 20, lineY));
}

void drawSplash(QPainter& p, const QSize& size) {
    const QPointF focus(size.width() / 2.0, size.height() * 0.42);
    // Spotlight rays fanning out from the title.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        QPainterPath ray;
        ray.moveTo(focus);
        const double a0 = i * 20.0, a1 = a0 + 8.0;
        ray.arcTo(QRectF(focus.x() - 700, focus.y() - 700, 1400, 1400), a0, a1 - a0);
        ray.closeSubpath();
        p.setBrush(QColor(160, 120, 255, i % 2 ? 22 : 34));
        p.drawPath(ray);
    }
    QRadialGradient halo(focus, size.width() * 0.45);
    halo.setColorAt(0, QColor(255, 200, 90, 110));
    halo.setColorAt(0.5, QColor(180, 90, 220, 40));
    halo.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), halo);

    // Floating question-mark bubbles.
    struct Bubble {
        double x, y, r;
        QColor colour;
    };
    const Bubble bubbles[] = {{70, 80, 30, QColor(70, 160, 255)},
                              {480, 90, 36, QColor(240, 90, 150)},
                              {95, 300, 26, QColor(90, 210, 120)},
                              {470, 290, 28, QColor(255, 170, 40)},
                              {300, 60, 16, QColor(170, 110, 255)}};
    for (const Bubble& b : bubbles) {
        QRadialGradient g(b.x - b.r / 3, b.y - b.r / 3, b.r * 1.3);
        g.setColorAt(0, b.colour.lighter(160));
        g.setColorAt(1, b.colour.darker(130));
        p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
        p.setBrush(g);
        p.drawEllipse(QPointF(b.x, b.y), b.r, b.r);
        drawGlyph(p, Glyph::Question,
                  QRectF(b.x - b.r * 0.6, b.y - b.r * 0.7, b.r * 1.2, b.r * 1.4), Qt::white);
    }

    drawLogo(p, QRectF(0, size.height() * 0.42 - 60, size.width(), 110), 86);
    // The tagline and the footer line are labels of the splash window, in its language.

    // Footer stripe that carries the version label.
    QLinearGradient footer(0, size.height() - 56, 0, size.height());
    footer.setColorAt(0, QColor(8, 10, 30, 0));
    footer.setColorAt(0.4, QColor(8, 10, 30, 200));
    footer.setColorAt(1, QColor(8, 10, 30, 230));
    p.fillRect(QRectF(0, size.height() - 56, size.width(), 56), footer);
}

}  // namespace

QPainterPath windowShape(WindowStyle style, QSize size) {
    QPainterPath path;
    const QRectF rect(QPointF(0, 0), QSizeF(size));
    const double radius = std::min({cornerRadius(style), size.width() / 2.0, size.height() / 2.0});
    if (radius <= 0) {
        path.addRect(rect);
    } else {
        path.addRoundedRect(rect, radius, radius);
    }
    return path;
}

QImage window(WindowStyle style, QSize size, qreal ratio) {
    QImage image = transparentImage(size, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPainterPath shape = windowShape(style, size);
    const double radius = std::min({cornerRadius(style), size.width() / 2.0, size.height() / 2.0});
    p.setClipPath(shape);
    drawStage(p, size, radius);
    switch (style) {
        case WindowStyle::Main:
            drawTitleBand(p, size);
            drawMainExtras(p);
            break;
        case WindowStyle::Splash:
            drawSplash(p, size);
            break;
        case WindowStyle::Waiting:
            drawGlyph(p, Glyph::Hourglass, QRectF(12, 10, 28, size.height() - 20), Theme::kGold);
            break;
        case WindowStyle::Message:
            drawTitleBand(p, size);
            drawMessageExtras(p, size);
            break;
        case WindowStyle::Info:
        case WindowStyle::NewGame:
        case WindowStyle::Generic:
            drawTitleBand(p, size);
            drawPlate(p,
                      QRectF(8, kTitleBand + 8, size.width() - 16, size.height() - kTitleBand - 16),
                      10, 90);
            break;
    }
    p.setClipping(false);
    drawBorder(p, shape, radius, size);
    return image;
}

}  // namespace trivanto::artwork::painting
