#include "ui/widgets/fit_text.h"

#include <QFontMetrics>
#include <QLabel>

namespace trivanto {

namespace {

int pixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QFont sized(QFont font, int pixels) {
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

FittedText fitText(const QString& text, const QFont& base, QSize room, bool mayWrap) {
    const int largest = std::max(pixelSizeOf(base), kLeastReadablePixels);
    const QRect box(0, 0, std::max(1, room.width()), 100000);
    // A bold text gives up its weight before it gives up its line.
    QFont regular = base;
    regular.setBold(false);
    for (const QFont& face : {base, regular}) {
        for (int pixels = largest; pixels >= kLeastReadablePixels; --pixels) {
            const QFont font = sized(face, pixels);
            const QRect needed = QFontMetrics(font).boundingRect(box, 0, text);
            if (needed.width() <= room.width() && needed.height() <= room.height()) {
                return {font, text, false, false};
            }
        }
        if (!base.bold()) {
            break;
        }
    }
    if (mayWrap) {
        for (int pixels = largest; pixels >= kLeastReadablePixels; --pixels) {
            const QFont font = sized(base, pixels);
            const QRect needed = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap, text);
            if (needed.width() <= room.width() && needed.height() <= room.height()) {
                return {font, text, true, false};
            }
        }
    }
    const QFont font = sized(base, kLeastReadablePixels);
    return {font, QFontMetrics(font).elidedText(text, Qt::ElideRight, room.width()), false, true};
}

void setFittedLabelText(QLabel* label, const QString& text, const QFont& base, bool mayWrap) {
    label->setTextFormat(Qt::PlainText);
    const FittedText fitted = fitText(text, base, label->size(), mayWrap);
    label->setFont(fitted.font);
    label->setWordWrap(fitted.wrapped);
    label->setText(fitted.shown);
    label->setToolTip(fitted.elided ? text : QString());
}

}  // namespace trivanto
