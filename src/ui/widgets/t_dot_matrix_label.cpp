#include "ui/widgets/t_dot_matrix_label.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>

#include "ui/widgets/theme.h"

namespace trivanto {
namespace {

constexpr int kColumns = 5;
constexpr int kRows = 7;
constexpr int kPadding = 2;  // dark border around the dots, in pixels

using Glyph = std::array<std::uint8_t, kRows>;  // one row per byte, bit 4 is the left column

Glyph glyphFor(QChar c) {
    switch (c.unicode()) {
        case '0':
            return {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E};
        case '1':
            return {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E};
        case '2':
            return {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F};
        case '3':
            return {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E};
        case '4':
            return {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02};
        case '5':
            return {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E};
        case '6':
            return {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E};
        case '7':
            return {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08};
        case '8':
            return {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E};
        case '9':
            return {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C};
        case '-':
            return {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00};
        case '+':
            return {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00};
        case '.':
            return {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C};
        case ':':
            return {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00};
        default:
            return {};
    }
}

QColor litColour(TDotMatrixLabel::ColourScheme scheme) {
    switch (scheme) {
        case TDotMatrixLabel::ColourScheme::Amber:
            return Theme::kAmber;
        case TDotMatrixLabel::ColourScheme::Red:
            return Theme::kEmptySeat;
        case TDotMatrixLabel::ColourScheme::White:
            break;
    }
    return QColor(236, 244, 255);
}

// Dot columns of the whole display: characters of five columns with one dark column between.
int totalColumns(int chars) {
    return chars * (kColumns + 1) - 1;
}

}  // namespace

TDotMatrixLabel::TDotMatrixLabel(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDotMatrixLabel::setText(const QString& text) {
    if (text == m_text) {
        return;
    }
    m_text = text;
    // Screen readers read the display by its name; setting it tells them of the change.
    setAccessibleName(text.trimmed());
    update();
}

void TDotMatrixLabel::setCharCount(int count) {
    m_charCount = std::max(1, count);
    updateGeometry();
    update();
}

void TDotMatrixLabel::setColourScheme(ColourScheme scheme) {
    m_scheme = scheme;
    update();
}

void TDotMatrixLabel::setDotPitch(int pixels) {
    m_pitch = std::max(1, pixels);
    updateGeometry();
    update();
}

QString TDotMatrixLabel::displayedText() const {
    return m_text.right(m_charCount).rightJustified(m_charCount, QLatin1Char(' '));
}

QSize TDotMatrixLabel::sizeHint() const {
    return {totalColumns(m_charCount) * m_pitch + 2 * kPadding, kRows * m_pitch + 2 * kPadding};
}

QSize TDotMatrixLabel::minimumSizeHint() const {
    return {totalColumns(m_charCount) + 2 * kPadding, kRows + 2 * kPadding};
}

void TDotMatrixLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Theme::kLcdBack);
    painter.setPen(Qt::NoPen);

    const int columns = totalColumns(m_charCount);
    // Whole pixels per dot keep the dots crisp. A narrow widget first gives up its dark
    // border, and only then do the dots get smaller.
    const int pitch =
        std::max(1, std::min({m_pitch, width() / columns, (height() - 2 * kPadding) / kRows}));
    const int left = (width() - columns * pitch) / 2;
    const int top = (height() - kRows * pitch) / 2;
    // Small pitches fill the whole cell, like pixels; large ones leave a gap and round the dot.
    const double dot = pitch >= 4 ? pitch * 0.78 : pitch;
    const double radius = pitch >= 4 ? dot / 2.0 : 0.0;
    const double inset = (pitch - dot) / 2.0;

    const QColor lit = litColour(m_scheme);
    QColor unlit = lit;
    // Touching small dots would merge into bars, so their unlit cells stay fainter.
    unlit.setAlpha(pitch >= 4 ? 38 : 22);
    QColor halo = lit;
    halo.setAlpha(70);
    painter.setRenderHint(QPainter::Antialiasing, pitch >= 4);

    const QString shown = displayedText();
    for (int i = 0; i < m_charCount; ++i) {
        const Glyph glyph = glyphFor(shown.at(i));
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < kColumns; ++col) {
                const bool on = (glyph[static_cast<size_t>(row)] >> (kColumns - 1 - col)) & 1;
                const QRectF cell(left + (i * (kColumns + 1) + col) * pitch + inset,
                                  top + row * pitch + inset, dot, dot);
                if (on && pitch >= 4) {
                    painter.setBrush(halo);
                    painter.drawEllipse(cell.adjusted(-inset, -inset, inset, inset));
                }
                painter.setBrush(on ? lit : unlit);
                painter.drawRoundedRect(cell, radius, radius);
            }
        }
    }
}

}  // namespace trivanto
