#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

#include "ui/widgets/artwork_painting.h"
#include "ui/widgets/theme.h"

namespace trivanto::artwork::painting {
namespace {

enum class Ears { Pointed, Round, Long, Floppy, Tufts, None };

// One cartoon animal: head colours, ear shape and a few features.
struct Character {
    QColor backdrop;
    QColor fur;
    QColor face;  // muzzle and cheeks
    QColor shirt;
    Ears ears;
    QColor inner;     // inside of the ears
    bool eyePatches;  // panda
    bool mane;        // lion
    bool beak;        // owl and penguin
    bool bigEyes;     // owl and frog
    bool whiskers;
};

const std::array<Character, kPlayerPictureCount>& characters() {
    static const std::array<Character, kPlayerPictureCount> list{{
        // Fox
        {QColor(60, 140, 200), QColor(236, 120, 40), QColor(255, 244, 230), QColor(40, 70, 160),
         Ears::Pointed, QColor(90, 50, 40), false, false, false, false, false},
        // Cat
        {QColor(230, 120, 150), QColor(150, 150, 170), QColor(235, 235, 245), QColor(90, 50, 150),
         Ears::Pointed, QColor(250, 170, 190), false, false, false, false, true},
        // Bear
        {QColor(90, 180, 120), QColor(150, 96, 56), QColor(220, 180, 130), QColor(200, 60, 60),
         Ears::Round, QColor(220, 180, 130), false, false, false, false, false},
        // Rabbit
        {QColor(140, 110, 220), QColor(245, 240, 245), QColor(255, 255, 255), QColor(250, 150, 40),
         Ears::Long, QColor(250, 170, 190), false, false, false, false, true},
        // Panda
        {QColor(120, 200, 110), QColor(250, 250, 250), QColor(255, 255, 255), QColor(230, 60, 90),
         Ears::Round, QColor(30, 30, 40), true, false, false, false, false},
        // Frog
        {QColor(250, 190, 60), QColor(100, 190, 80), QColor(190, 230, 140), QColor(60, 90, 200),
         Ears::None, QColor(100, 190, 80), false, false, false, true, false},
        // Owl
        {QColor(60, 170, 180), QColor(130, 90, 150), QColor(230, 210, 240), QColor(240, 190, 60),
         Ears::Tufts, QColor(100, 60, 120), false, false, true, true, false},
        // Penguin
        {QColor(120, 170, 240), QColor(40, 44, 60), QColor(250, 250, 255), QColor(220, 50, 60),
         Ears::None, QColor(40, 44, 60), false, false, true, false, false},
        // Lion
        {QColor(200, 80, 120), QColor(245, 190, 70), QColor(255, 230, 170), QColor(40, 140, 110),
         Ears::Round, QColor(200, 120, 40), false, true, false, false, true},
        // Dog
        {QColor(250, 140, 60), QColor(210, 170, 120), QColor(250, 235, 210), QColor(70, 110, 200),
         Ears::Floppy, QColor(120, 80, 50), false, false, false, false, false},
    }};
    return list;
}

void drawBackdrop(QPainter& p, const QColor& colour, const QSize& size) {
    QRadialGradient g(size.width() / 2.0, size.height() * 0.35, size.height() * 0.8);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(140));
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), g);
    // A few light rays behind the head.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    for (int i = 0; i < 6; ++i) {
        QPainterPath ray;
        ray.moveTo(size.width() / 2.0, size.height() * 0.42);
        ray.arcTo(QRectF(-100, -110, size.width() + 200, size.height() * 2.0 + 20), 30 + i * 25,
                  10);
        ray.closeSubpath();
        p.drawPath(ray);
    }
}

void drawEye(QPainter& p, const QPointF& c, double r, bool big) {
    if (big) {
        p.setPen(QPen(QColor(40, 30, 40), 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(c, r * 1.9, r * 1.9);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 24, 36));
    p.drawEllipse(c, r, r * 1.15);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c.x() + r * 0.35, c.y() - r * 0.45), r * 0.38, r * 0.38);
}

void drawCharacter(QPainter& p, const Character& ch, const QSize& size) {
    drawBackdrop(p, ch.backdrop, size);
    const double cx = size.width() / 2.0;
    const QPointF head(cx, 56);
    const double hr = 31;
    const QPen outline(QColor(40, 26, 30, 200), 1.6);

    // Shoulders in a shirt with a collar.
    QPainterPath body;
    body.moveTo(8, size.height());
    body.cubicTo(10, 96, 30, 86, cx, 86);
    body.cubicTo(size.width() - 30, 86, size.width() - 10, 96, size.width() - 8, size.height());
    body.closeSubpath();
    QLinearGradient shirt(0, 86, 0, size.height());
    shirt.setColorAt(0, ch.shirt.lighter(130));
    shirt.setColorAt(1, ch.shirt.darker(120));
    p.setPen(outline);
    p.setBrush(shirt);
    p.drawPath(body);
    p.setBrush(Qt::white);
    QPolygonF collar;
    collar << QPointF(cx - 14, 88) << QPointF(cx, 100) << QPointF(cx + 14, 88);
    p.drawPolygon(collar);

    if (ch.mane) {
        p.setBrush(QColor(190, 100, 30));
        QPainterPath mane;
        for (int i = 0; i < 14; ++i) {
            const double a = i * 2 * M_PI / 14;
            mane.addEllipse(
                QPointF(head.x() + std::cos(a) * hr * 1.05, head.y() + std::sin(a) * hr), 12, 12);
        }
        p.drawPath(mane.simplified());
    }

    // Ears behind the head.
    p.setPen(outline);
    auto ear = [&](double side) {
        const double ex = head.x() + side * hr * 0.7;
        switch (ch.ears) {
            case Ears::Pointed: {
                QPolygonF e;
                e << QPointF(ex - side * 14, head.y() - hr * 0.5)
                  << QPointF(ex + side * 6, head.y() - hr - 16)
                  << QPointF(ex + side * 12, head.y() - hr * 0.3);
                p.setBrush(ch.fur);
                p.drawPolygon(e);
                QPolygonF in;
                in << QPointF(ex - side * 6, head.y() - hr * 0.6)
                   << QPointF(ex + side * 5, head.y() - hr - 8)
                   << QPointF(ex + side * 8, head.y() - hr * 0.5);
                p.setBrush(ch.inner);
                p.drawPolygon(in);
                break;
            }
            case Ears::Round:
                p.setBrush(ch.eyePatches ? ch.inner : ch.fur);
                p.drawEllipse(QPointF(ex, head.y() - hr * 0.8), 11, 11);
                p.setBrush(ch.inner);
                if (!ch.eyePatches) {
                    p.drawEllipse(QPointF(ex, head.y() - hr * 0.8), 6, 6);
                }
                break;
            case Ears::Long:
                p.setBrush(ch.fur);
                p.drawEllipse(QPointF(ex - side * 4, head.y() - hr - 14), 8, 22);
                p.setBrush(ch.inner);
                p.drawEllipse(QPointF(ex - side * 4, head.y() - hr - 12), 4, 16);
                break;
            case Ears::Floppy:
                break;  // drawn over the head below
            case Ears::Tufts: {
                QPolygonF e;
                e << QPointF(ex - side * 10, head.y() - hr * 0.7)
                  << QPointF(ex + side * 10, head.y() - hr - 12)
                  << QPointF(ex + side * 8, head.y() - hr * 0.4);
                p.setBrush(ch.inner);
                p.drawPolygon(e);
                break;
            }
            case Ears::None:
                break;
        }
    };
    ear(-1);
    ear(1);

    // Head.
    QRadialGradient fur(head.x() - 10, head.y() - 12, hr * 1.6);
    fur.setColorAt(0, ch.fur.lighter(125));
    fur.setColorAt(1, ch.fur.darker(115));
    p.setBrush(fur);
    if (ch.bigEyes && !ch.beak) {  // frog: wide head with eye bumps
        p.drawEllipse(QPointF(head.x() - 15, head.y() - 22), 12, 12);
        p.drawEllipse(QPointF(head.x() + 15, head.y() - 22), 12, 12);
        p.drawEllipse(QRectF(head.x() - hr - 4, head.y() - hr + 6, 2 * hr + 8, 2 * hr - 6));
    } else {
        p.drawEllipse(head, hr, hr);
    }

    if (ch.ears == Ears::Floppy) {
        p.setBrush(ch.inner);
        p.save();
        p.translate(head.x() - hr + 2, head.y() - 10);
        p.rotate(20);
        p.drawEllipse(QRectF(-9, -6, 16, 34));
        p.restore();
        p.save();
        p.translate(head.x() + hr - 2, head.y() - 10);
        p.rotate(-20);
        p.drawEllipse(QRectF(-7, -6, 16, 34));
        p.restore();
    }

    // Face: muzzle or face disc.
    p.setPen(Qt::NoPen);
    p.setBrush(ch.face);
    if (ch.beak && !ch.bigEyes) {  // penguin: white face mask
        p.drawEllipse(QRectF(head.x() - 24, head.y() - 18, 48, 44));
    } else if (ch.bigEyes && ch.beak) {  // owl: two face discs
        p.drawEllipse(QPointF(head.x() - 11, head.y() - 4), 14, 14);
        p.drawEllipse(QPointF(head.x() + 11, head.y() - 4), 14, 14);
    } else if (!ch.bigEyes) {
        p.drawEllipse(QRectF(head.x() - 17, head.y() + 2, 34, 24));
    }
    if (ch.eyePatches) {
        p.setBrush(QColor(30, 30, 40));
        p.save();
        p.translate(head.x() - 11, head.y() - 5);
        p.rotate(-25);
        p.drawEllipse(QRectF(-7, -9, 14, 18));
        p.restore();
        p.save();
        p.translate(head.x() + 11, head.y() - 5);
        p.rotate(25);
        p.drawEllipse(QRectF(-7, -9, 14, 18));
        p.restore();
    }

    // Eyes.
    if (ch.bigEyes && !ch.beak) {
        drawEye(p, QPointF(head.x() - 15, head.y() - 23), 3.6, true);
        drawEye(p, QPointF(head.x() + 15, head.y() - 23), 3.6, true);
    } else if (ch.bigEyes) {
        drawEye(p, QPointF(head.x() - 11, head.y() - 5), 4.2, true);
        drawEye(p, QPointF(head.x() + 11, head.y() - 5), 4.2, true);
    } else {
        const QColor ring = ch.eyePatches ? QColor(255, 255, 255) : QColor(0, 0, 0, 0);
        Q_UNUSED(ring);
        drawEye(p, QPointF(head.x() - 11, head.y() - 5), 3.6, false);
        drawEye(p, QPointF(head.x() + 11, head.y() - 5), 3.6, false);
    }

    // Nose or beak, mouth.
    if (ch.beak) {
        QPolygonF beak;
        beak << QPointF(head.x() - 6, head.y() + 5) << QPointF(head.x() + 6, head.y() + 5)
             << QPointF(head.x(), head.y() + 15);
        p.setPen(QPen(QColor(120, 60, 10), 1));
        p.setBrush(QColor(250, 160, 30));
        p.drawPolygon(beak);
    } else if (ch.bigEyes) {
        p.setPen(QPen(QColor(40, 80, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(head.x() - 20, head.y() - 14, 40, 30), -20 * 16, -140 * 16);
    } else {
        p.setBrush(QColor(40, 26, 30));
        p.drawEllipse(QRectF(head.x() - 5, head.y() + 4, 10, 7));
        p.setPen(QPen(QColor(40, 26, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(head.x(), head.y() + 11), QPointF(head.x(), head.y() + 15));
        p.drawArc(QRectF(head.x() - 9, head.y() + 9, 9, 9), -180 * 16, 150 * 16);
        p.drawArc(QRectF(head.x(), head.y() + 9, 9, 9), -30 * 16, -150 * 16);
    }
    if (ch.whiskers) {
        p.setPen(QPen(QColor(60, 50, 60, 200), 1));
        for (int i = -1; i <= 1; ++i) {
            p.drawLine(QPointF(head.x() - 12, head.y() + 12 + i * 3),
                       QPointF(head.x() - 30, head.y() + 9 + i * 6));
            p.drawLine(QPointF(head.x() + 12, head.y() + 12 + i * 3),
                       QPointF(head.x() + 30, head.y() + 9 + i * 6));
        }
    }
    // Rosy cheeks make them friendly.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 110, 130, 90));
    p.drawEllipse(QPointF(head.x() - 21, head.y() + 8), 5, 3.5);
    p.drawEllipse(QPointF(head.x() + 21, head.y() + 8), 5, 3.5);
}

}  // namespace

QImage player(int index) {
    QImage image = pictureImage(kPlayerPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawCharacter(p, characters()[static_cast<size_t>(index)], kPlayerPictureSize);
    return image;
}

QImage placeholder() {
    QImage image = pictureImage(kPlayerPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, kPlayerPictureSize.height());
    g.setColorAt(0, QColor(44, 50, 96));
    g.setColorAt(1, QColor(22, 24, 54));
    p.fillRect(image.rect(), g);
    const double cx = kPlayerPictureSize.width() / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 98, 150));
    p.drawEllipse(QPointF(cx, 50), 24, 26);
    QPainterPath body;
    body.moveTo(12, kPlayerPictureSize.height());
    body.cubicTo(14, 92, 34, 82, cx, 82);
    body.cubicTo(kPlayerPictureSize.width() - 34, 82, kPlayerPictureSize.width() - 14, 92,
                 kPlayerPictureSize.width() - 12, kPlayerPictureSize.height());
    body.closeSubpath();
    p.drawPath(body);
    drawGlyph(p, Glyph::Question, QRectF(cx - 12, 34, 24, 32), QColor(44, 50, 96));
    return image;
}

}  // namespace trivanto::artwork::painting
