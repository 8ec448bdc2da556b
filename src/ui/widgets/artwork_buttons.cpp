#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <array>

#include "ui/widgets/artwork_painting.h"
#include "ui/widgets/theme.h"

namespace trivanto::artwork::painting {
namespace {

// A round gem: violet at rest, gold and glowing when hovered.
void drawDisc(QPainter& p, const QRectF& disc, bool hover, const QColor& rest = Theme::kViolet) {
    if (hover) {
        QRadialGradient glow(disc.center(), disc.width() * 0.62);
        glow.setColorAt(0.7, QColor(255, 210, 100, 120));
        glow.setColorAt(1.0, QColor(255, 210, 100, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(disc.adjusted(-3, -3, 3, 3));
    }
    QRadialGradient fill(disc.center().x() - disc.width() * 0.2,
                         disc.center().y() - disc.height() * 0.25, disc.width() * 0.8);
    if (hover) {
        fill.setColorAt(0, QColor(255, 244, 200));
        fill.setColorAt(0.6, Theme::kGold);
        fill.setColorAt(1, QColor(200, 120, 20));
    } else {
        fill.setColorAt(0, rest.lighter(170));
        fill.setColorAt(0.7, rest);
        fill.setColorAt(1, rest.darker(150));
    }
    p.setPen(QPen(hover ? QColor(255, 250, 220) : Theme::kGold, 1.3));
    p.setBrush(fill);
    p.drawEllipse(disc);
}

struct ButtonArt {
    Glyph glyph;
    QColor rest;  // disc colour at rest, a hint of the button's meaning
};

ButtonArt buttonArt(int pair) {
    static const std::array<ButtonArt, 10> art{{
        {Glyph::Play, QColor(40, 130, 80)},
        {Glyph::Folder, QColor(60, 80, 170)},
        {Glyph::Disk, QColor(60, 80, 170)},
        {Glyph::Trophy, QColor(150, 90, 30)},
        {Glyph::Pencil, QColor(110, 60, 170)},
        {Glyph::Globe, QColor(30, 110, 160)},
        {Glyph::Question, QColor(110, 60, 170)},
        {Glyph::Door, QColor(160, 50, 60)},
        {Glyph::Medal, QColor(150, 90, 30)},
        {Glyph::Globe, QColor(150, 90, 30)},
    }};
    return art[static_cast<size_t>(pair)];
}

}  // namespace

QImage pictureImage(QSize size, qreal ratio) {
    QImage image(qCeil(size.width() * ratio), qCeil(size.height() * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage transparentImage(QSize size, qreal ratio) {
    QImage image = pictureImage(size, ratio);
    image.fill(Qt::transparent);
    return image;
}

QImage button(int index) {
    QImage image = transparentImage(kButtonPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool hover = index % 2 == 1;
    const ButtonArt art = buttonArt(index / 2);
    const QRectF disc(4.5, 2.5, 31, 31);
    drawDisc(p, disc, hover, art.rest);
    const QColor ink = hover ? Theme::kTextDark : Theme::kText;
    drawGlyph(p, art.glyph, disc.adjusted(7, 7, -7, -7), ink);
    if (index / 2 == 9) {
        // Online Top50: a star on the globe.
        drawGlyph(p, Glyph::Star, QRectF(24, 0, 15, 15), hover ? Theme::kText : Theme::kGoldLight);
    }
    return image;
}

QImage smallButton(SmallButton kind, bool hover) {
    QImage image = transparentImage(kSmallButtonSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, 16, 16);
    const bool close = kind == SmallButton::Close;
    if (hover && close) {
        p.setPen(QPen(QColor(255, 220, 220), 1));
        p.setBrush(Theme::kWrong);
        p.drawEllipse(disc);
    } else {
        drawDisc(p, disc, hover, Theme::kNavy);
    }
    const QColor ink = hover && !close ? Theme::kTextDark : Theme::kText;
    const QRectF inner = disc.adjusted(4, 4, -4, -4);
    switch (kind) {
        case SmallButton::Close:
            drawGlyph(p, Glyph::Cross, inner.adjusted(-1, -1, 1, 1), ink);
            break;
        case SmallButton::Help:
            drawGlyph(p, Glyph::Question, disc.adjusted(3, 2, -3, -2), ink);
            break;
        case SmallButton::Minimise:
            drawGlyph(p, Glyph::Minus, inner, ink);
            break;
        case SmallButton::Info:
            drawGlyph(p, Glyph::Info, disc.adjusted(3, 2, -3, -2), ink);
            break;
    }
    return image;
}

QImage sound(int index) {
    QImage image = transparentImage(kSoundPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1.5, 1.5, 21, 21);
    const bool on = index == 1;
    drawDisc(p, disc, false, on ? QColor(40, 130, 80) : QColor(90, 90, 120));
    drawGlyph(p, on ? Glyph::SpeakerOn : Glyph::SpeakerOff, disc.adjusted(4, 5, -3, -5),
              on ? Theme::kGoldLight : Theme::kTextMuted);
    return image;
}

QImage tool(ToolPicture picture, bool hover) {
    QImage image = transparentImage(kToolPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1.5, 1.5, 21, 21);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, hover ? Theme::kGoldLight : Theme::kPanelLight);
    fill.setColorAt(1, hover ? Theme::kGold : Theme::kNavy);
    p.setPen(QPen(hover ? QColor(255, 250, 220) : Theme::kGold, 1));
    p.setBrush(fill);
    p.drawRoundedRect(tile, 5, 5);
    Glyph glyph = Glyph::Page;
    switch (picture) {
        case ToolPicture::Previous:
            glyph = Glyph::ArrowLeft;
            break;
        case ToolPicture::Next:
            glyph = Glyph::ArrowRight;
            break;
        case ToolPicture::Search:
            glyph = Glyph::Magnifier;
            break;
        case ToolPicture::NewQuestion:
            glyph = Glyph::Plus;
            break;
        case ToolPicture::Delete:
            glyph = Glyph::Cross;
            break;
        case ToolPicture::Save:
            glyph = Glyph::Disk;
            break;
        case ToolPicture::Undo:
            glyph = Glyph::Undo;
            break;
        case ToolPicture::NewFile:
            glyph = Glyph::Page;
            break;
        case ToolPicture::Open:
            glyph = Glyph::Folder;
            break;
        case ToolPicture::Import:
            glyph = Glyph::ArrowDown;
            break;
        case ToolPicture::Export:
            glyph = Glyph::ArrowUp;
            break;
        case ToolPicture::Help:
            glyph = Glyph::Question;
            break;
        case ToolPicture::Exit:
            glyph = Glyph::Door;
            break;
    }
    QColor ink = hover ? Theme::kTextDark : Theme::kText;
    if (picture == ToolPicture::Delete && !hover) {
        ink = QColor(255, 130, 120);
    }
    drawGlyph(p, glyph, tile.adjusted(4.5, 4.5, -4.5, -4.5), ink);
    return image;
}

QImage flag(int index) {
    QImage image = pictureImage(kFlagSize);
    image.fill(Qt::white);
    QPainter p(&image);
    const double w = kFlagSize.width(), h = kFlagSize.height();
    auto stripesH = [&](std::initializer_list<std::pair<QColor, double>> stripes) {
        double y = 0;
        for (const auto& [colour, share] : stripes) {
            p.fillRect(QRectF(0, y, w, h * share), colour);
            y += h * share;
        }
    };
    auto stripesV = [&](const QColor& a, const QColor& b, const QColor& c) {
        p.fillRect(QRectF(0, 0, w / 3, h), a);
        p.fillRect(QRectF(w / 3, 0, w / 3, h), b);
        p.fillRect(QRectF(2 * w / 3, 0, w / 3 + 1, h), c);
    };
    switch (index) {
        case 0:
            stripesH({{QColor(0, 0, 0), 1.0 / 3},
                      {QColor(221, 0, 0), 1.0 / 3},
                      {QColor(255, 206, 0), 1.0 / 3 + 0.01}});
            break;
        case 1: {
            p.setRenderHint(QPainter::Antialiasing);
            p.fillRect(image.rect(), QColor(1, 33, 105));
            p.setPen(QPen(Qt::white, 3.2));
            p.drawLine(QPointF(0, 0), QPointF(w, h));
            p.drawLine(QPointF(w, 0), QPointF(0, h));
            p.setPen(QPen(QColor(200, 16, 46), 1.2));
            p.drawLine(QPointF(0, 0), QPointF(w, h));
            p.drawLine(QPointF(w, 0), QPointF(0, h));
            p.setRenderHint(QPainter::Antialiasing, false);
            p.fillRect(QRectF(w / 2 - 3, 0, 6, h), Qt::white);
            p.fillRect(QRectF(0, h / 2 - 3, w, 6), Qt::white);
            p.fillRect(QRectF(w / 2 - 1.5, 0, 3, h), QColor(200, 16, 46));
            p.fillRect(QRectF(0, h / 2 - 1.5, w, 3), QColor(200, 16, 46));
            break;
        }
        case 2:
            stripesV(QColor(0, 35, 149), Qt::white, QColor(237, 41, 57));
            break;
        case 3:
            stripesH({{QColor(170, 21, 27), 0.25},
                      {QColor(241, 191, 0), 0.5},
                      {QColor(170, 21, 27), 0.26}});
            break;
        case 4:
            stripesV(QColor(0, 146, 70), Qt::white, QColor(206, 43, 55));
            break;
        default: {
            // Any other language: a globe on the game's blue.
            p.setRenderHint(QPainter::Antialiasing);
            p.fillRect(image.rect(), QColor(34, 60, 140));
            drawGlyph(p, Glyph::Globe, QRectF(6, 1, 12, 12), QColor(230, 236, 255));
            break;
        }
    }
    // A thin dark edge keeps light flags apart from a light background.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0, 0, 0, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kFlagSize.width() - 1, kFlagSize.height() - 1);
    return image;
}

QImage programIcon(int size) {
    QImage image = transparentImage(QSize(size, size), 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0, QColor(96, 56, 180));
    fill.setColorAt(1, Theme::kMidnight);
    p.setPen(QPen(Theme::kGold, std::max(1.0, s * 0.045)));
    p.setBrush(fill);
    p.drawRoundedRect(tile, s * 0.22, s * 0.22);
    QRadialGradient spot(s * 0.5, s * 0.42, s * 0.42);
    spot.setColorAt(0, QColor(255, 210, 110, 120));
    spot.setColorAt(1, QColor(255, 210, 110, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    p.drawEllipse(tile);
    drawGlyph(p, Glyph::Question, QRectF(s * 0.18, s * 0.1, s * 0.64, s * 0.8), Theme::kGoldLight);
    if (size >= 32) {
        drawGlyph(p, Glyph::Star, QRectF(s * 0.64, s * 0.1, s * 0.26, s * 0.26), Theme::kText);
    }
    return image;
}

QImage seatFrame() {
    const QSize size(111, 190);
    QImage image = transparentImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(1.5, 1.5, size.width() - 3, size.height() - 3);
    // Soft outer glow, then a gold rim with a light inner line.
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(QColor(255, 200, 80, 40 * (4 - i)), i * 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(outer, 9, 9);
    }
    QLinearGradient gold(0, 0, 0, size.height());
    gold.setColorAt(0, Theme::kGoldLight);
    gold.setColorAt(1, Theme::kAmber);
    p.setPen(QPen(QBrush(gold), 2.5));
    p.drawRoundedRect(outer, 9, 9);
    // The light line hugs the gold one: the rim stays within 3 pixels (main_layout.h).
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), 7.5, 7.5);
    return image;
}

}  // namespace trivanto::artwork::painting
