#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/widgets/artwork_painting.h"
#include "ui/widgets/theme.h"

namespace trivanto::artwork::painting {
namespace {

// Maps unit coordinates (0..1 in both directions) into the glyph's box.
struct Frame {
    QRectF box;
    QPointF at(double x, double y) const {
        return {box.left() + x * box.width(), box.top() + y * box.height()};
    }
    QRectF rect(double x, double y, double w, double h) const {
        return QRectF(at(x, y), QSizeF(w * box.width(), h * box.height()));
    }
    double unit() const { return std::min(box.width(), box.height()); }
};

// The letters of the pictures are outlines of one large font, scaled to each picture. Drawn as
// text, every size would load a font of its own, and the pictures come in many sizes: the
// program icon alone in five. The outlines are placed as centred text would be.
constexpr int kOutlinePixels = 100;

struct Outline {
    QPainterPath path;
    double advance = 0;
    double ascent = 0;
    double height = 0;
};

const Outline& outlineOf(const QString& text) {
    static QHash<QString, Outline> outlines;
    auto found = outlines.constFind(text);
    if (found != outlines.constEnd()) {
        return *found;
    }
    QFont font(Theme::kFontFamily);
    font.setBold(true);
    font.setPixelSize(kOutlinePixels);
    const QFontMetricsF metrics(font);
    Outline outline;
    outline.path.addText(0, 0, font, text);
    outline.advance = metrics.horizontalAdvance(text);
    outline.ascent = metrics.ascent();
    outline.height = metrics.ascent() + metrics.descent();
    return *outlines.insert(text, outline);
}

void drawText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
              double scale = 1.0) {
    const int pixels = std::max(6, static_cast<int>(std::lround(box.height() * scale)));
    const Outline& outline = outlineOf(text);
    const double k = double(pixels) / kOutlinePixels;
    const QPointF baseline(box.center().x() - outline.advance * k / 2,
                           box.center().y() - outline.height * k / 2 + outline.ascent * k);
    p.save();
    p.translate(baseline);
    p.scale(k, k);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(outline.path);
    p.restore();
}

QPainterPath starPath(const QPointF& centre, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? outer : inner;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

void drawSpeaker(QPainter& p, const Frame& f, const QColor& c) {
    QPainterPath body;
    body.moveTo(f.at(0.08, 0.36));
    body.lineTo(f.at(0.28, 0.36));
    body.lineTo(f.at(0.52, 0.14));
    body.lineTo(f.at(0.52, 0.86));
    body.lineTo(f.at(0.28, 0.64));
    body.lineTo(f.at(0.08, 0.64));
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(body);
}

}  // namespace

void drawGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const Frame f{box};
    const double w = std::max(1.2, f.unit() * 0.11);
    QPen pen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
        case Glyph::Play: {
            p.drawEllipse(f.rect(0.06, 0.06, 0.88, 0.88));
            QPolygonF tri;
            tri << f.at(0.40, 0.28) << f.at(0.74, 0.5) << f.at(0.40, 0.72);
            p.setBrush(c);
            p.drawPolygon(tri);
            break;
        }
        case Glyph::Folder: {
            QPainterPath back;
            back.moveTo(f.at(0.06, 0.22));
            back.lineTo(f.at(0.38, 0.22));
            back.lineTo(f.at(0.46, 0.32));
            back.lineTo(f.at(0.94, 0.32));
            back.lineTo(f.at(0.94, 0.84));
            back.lineTo(f.at(0.06, 0.84));
            back.closeSubpath();
            p.drawPath(back);
            QPolygonF front;
            front << f.at(0.06, 0.84) << f.at(0.18, 0.46) << f.at(0.98, 0.46) << f.at(0.86, 0.84);
            p.setBrush(c);
            p.drawPolygon(front);
            break;
        }
        case Glyph::Disk: {
            p.drawRoundedRect(f.rect(0.1, 0.1, 0.8, 0.8), w, w);
            p.setBrush(c);
            p.drawRect(f.rect(0.28, 0.1, 0.42, 0.26));
            p.setBrush(Qt::NoBrush);
            p.drawRect(f.rect(0.24, 0.54, 0.52, 0.36));
            break;
        }
        case Glyph::Trophy: {
            QPainterPath cup;
            cup.moveTo(f.at(0.26, 0.1));
            cup.lineTo(f.at(0.74, 0.1));
            cup.cubicTo(f.at(0.74, 0.45), f.at(0.62, 0.56), f.at(0.5, 0.58));
            cup.cubicTo(f.at(0.38, 0.56), f.at(0.26, 0.45), f.at(0.26, 0.1));
            p.setBrush(c);
            p.drawPath(cup);
            p.setBrush(Qt::NoBrush);
            p.drawArc(f.rect(0.08, 0.14, 0.24, 0.26), 90 * 16, 180 * 16);
            p.drawArc(f.rect(0.68, 0.14, 0.24, 0.26), -90 * 16, 180 * 16);
            p.drawLine(f.at(0.5, 0.58), f.at(0.5, 0.76));
            p.setBrush(c);
            p.drawRect(f.rect(0.3, 0.78, 0.4, 0.1));
            break;
        }
        case Glyph::Pencil: {
            QPolygonF body;
            body << f.at(0.70, 0.08) << f.at(0.92, 0.30) << f.at(0.34, 0.88) << f.at(0.12, 0.66);
            p.setBrush(c);
            p.drawPolygon(body);
            QPolygonF tip;
            tip << f.at(0.12, 0.66) << f.at(0.34, 0.88) << f.at(0.06, 0.94);
            p.drawPolygon(tip);
            p.setPen(QPen(QColor(0, 0, 0, 90), w * 0.6));
            p.drawLine(f.at(0.62, 0.16), f.at(0.84, 0.38));
            break;
        }
        case Glyph::Globe: {
            p.drawEllipse(f.rect(0.08, 0.08, 0.84, 0.84));
            p.drawEllipse(f.rect(0.32, 0.08, 0.36, 0.84));
            p.drawLine(f.at(0.1, 0.5), f.at(0.9, 0.5));
            p.drawLine(f.at(0.18, 0.27), f.at(0.82, 0.27));
            p.drawLine(f.at(0.18, 0.73), f.at(0.82, 0.73));
            break;
        }
        case Glyph::Question:
            drawText(p, box, QStringLiteral("?"), c, 1.0);
            break;
        case Glyph::Exclamation:
            drawText(p, box, QStringLiteral("!"), c, 1.0);
            break;
        case Glyph::Info:
            drawText(p, box, QStringLiteral("i"), c, 0.95);
            break;
        case Glyph::Door: {
            p.drawLine(f.at(0.56, 0.1), f.at(0.14, 0.1));
            p.drawLine(f.at(0.14, 0.1), f.at(0.14, 0.9));
            p.drawLine(f.at(0.14, 0.9), f.at(0.56, 0.9));
            QPolygonF leaf;
            leaf << f.at(0.14, 0.1) << f.at(0.46, 0.2) << f.at(0.46, 0.98) << f.at(0.14, 0.9);
            p.setBrush(c);
            p.drawPolygon(leaf);
            p.setBrush(Qt::NoBrush);
            p.drawLine(f.at(0.58, 0.5), f.at(0.94, 0.5));
            p.drawLine(f.at(0.8, 0.36), f.at(0.94, 0.5));
            p.drawLine(f.at(0.8, 0.64), f.at(0.94, 0.5));
            break;
        }
        case Glyph::Medal: {
            QPolygonF ribbon;
            ribbon << f.at(0.28, 0.02) << f.at(0.46, 0.02) << f.at(0.58, 0.4) << f.at(0.42, 0.4);
            p.setBrush(c);
            p.drawPolygon(ribbon);
            ribbon.clear();
            ribbon << f.at(0.72, 0.02) << f.at(0.54, 0.02) << f.at(0.42, 0.4) << f.at(0.58, 0.4);
            p.drawPolygon(ribbon);
            p.drawEllipse(f.rect(0.2, 0.36, 0.6, 0.6));
            QColor inner = c.lightness() > 128 ? Theme::kTextDark : Theme::kText;
            drawText(p, f.rect(0.2, 0.4, 0.6, 0.52), QStringLiteral("10"), inner, 0.62);
            break;
        }
        case Glyph::Star:
            p.setBrush(c);
            p.drawPath(starPath(f.at(0.5, 0.54), f.unit() * 0.46, f.unit() * 0.2));
            break;
        case Glyph::Check:
            pen.setWidthF(w * 1.5);
            p.setPen(pen);
            p.drawPolyline(QPolygonF() << f.at(0.14, 0.54) << f.at(0.4, 0.8) << f.at(0.88, 0.2));
            break;
        case Glyph::Cross:
            pen.setWidthF(w * 1.4);
            p.setPen(pen);
            p.drawLine(f.at(0.2, 0.2), f.at(0.8, 0.8));
            p.drawLine(f.at(0.8, 0.2), f.at(0.2, 0.8));
            break;
        case Glyph::Minus:
            pen.setWidthF(w * 1.4);
            p.setPen(pen);
            p.drawLine(f.at(0.22, 0.66), f.at(0.78, 0.66));
            break;
        case Glyph::Plus:
            pen.setWidthF(w * 1.4);
            p.setPen(pen);
            p.drawLine(f.at(0.2, 0.5), f.at(0.8, 0.5));
            p.drawLine(f.at(0.5, 0.2), f.at(0.5, 0.8));
            break;
        case Glyph::SpeakerOn:
            drawSpeaker(p, f, c);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawArc(f.rect(0.42, 0.3, 0.26, 0.4), -50 * 16, 100 * 16);
            p.drawArc(f.rect(0.42, 0.14, 0.46, 0.72), -50 * 16, 100 * 16);
            break;
        case Glyph::SpeakerOff:
            drawSpeaker(p, f, c);
            p.setPen(pen);
            p.drawLine(f.at(0.64, 0.36), f.at(0.92, 0.64));
            p.drawLine(f.at(0.92, 0.36), f.at(0.64, 0.64));
            break;
        case Glyph::ArrowLeft:
        case Glyph::ArrowRight:
        case Glyph::ArrowUp:
        case Glyph::ArrowDown: {
            // One arrow pointing left; the others are its mirror and its turns.
            const bool upright = glyph == Glyph::ArrowUp || glyph == Glyph::ArrowDown;
            const auto at = [&](double along, double across) {
                return upright ? f.at(across, along) : f.at(along, across);
            };
            QPolygonF arrow;
            arrow << at(0.16, 0.5) << at(0.56, 0.14) << at(0.56, 0.34) << at(0.86, 0.34)
                  << at(0.86, 0.66) << at(0.56, 0.66) << at(0.56, 0.86);
            if (glyph == Glyph::ArrowRight) {
                for (QPointF& point : arrow) {
                    point.setX(box.left() + box.right() - point.x());
                }
            }
            if (glyph == Glyph::ArrowDown) {
                for (QPointF& point : arrow) {
                    point.setY(box.top() + box.bottom() - point.y());
                }
            }
            p.setPen(QPen(c, w * 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(c);
            p.drawPolygon(arrow);
            break;
        }
        case Glyph::Magnifier:
            p.drawEllipse(f.rect(0.1, 0.1, 0.54, 0.54));
            pen.setWidthF(w * 1.6);
            p.setPen(pen);
            p.drawLine(f.at(0.58, 0.58), f.at(0.88, 0.88));
            break;
        case Glyph::Undo: {
            QPainterPath curve;
            curve.moveTo(f.at(0.22, 0.42));
            curve.cubicTo(f.at(0.5, 0.12), f.at(0.94, 0.3), f.at(0.82, 0.66));
            curve.cubicTo(f.at(0.76, 0.84), f.at(0.6, 0.88), f.at(0.46, 0.86));
            p.drawPath(curve);
            QPolygonF head;
            head << f.at(0.08, 0.28) << f.at(0.4, 0.2) << f.at(0.26, 0.56);
            p.setBrush(c);
            p.drawPolygon(head);
            break;
        }
        case Glyph::Page: {
            QPolygonF sheet;
            sheet << f.at(0.18, 0.06) << f.at(0.6, 0.06) << f.at(0.82, 0.28) << f.at(0.82, 0.94)
                  << f.at(0.18, 0.94);
            p.drawPolygon(sheet);
            p.drawPolyline(QPolygonF() << f.at(0.6, 0.06) << f.at(0.6, 0.28) << f.at(0.82, 0.28));
            break;
        }
        case Glyph::Hourglass: {
            p.drawLine(f.at(0.2, 0.06), f.at(0.8, 0.06));
            p.drawLine(f.at(0.2, 0.94), f.at(0.8, 0.94));
            QPainterPath glass;
            glass.moveTo(f.at(0.26, 0.08));
            glass.cubicTo(f.at(0.26, 0.4), f.at(0.46, 0.42), f.at(0.46, 0.5));
            glass.cubicTo(f.at(0.46, 0.58), f.at(0.26, 0.6), f.at(0.26, 0.92));
            glass.lineTo(f.at(0.74, 0.92));
            glass.cubicTo(f.at(0.74, 0.6), f.at(0.54, 0.58), f.at(0.54, 0.5));
            glass.cubicTo(f.at(0.54, 0.42), f.at(0.74, 0.4), f.at(0.74, 0.08));
            glass.closeSubpath();
            p.drawPath(glass);
            QPolygonF sand;
            sand << f.at(0.32, 0.9) << f.at(0.5, 0.7) << f.at(0.68, 0.9);
            p.setBrush(c);
            p.drawPolygon(sand);
            break;
        }
    }
    p.restore();
}

}  // namespace trivanto::artwork::painting
