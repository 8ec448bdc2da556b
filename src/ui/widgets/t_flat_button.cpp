#include "ui/widgets/t_flat_button.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>

#include "ui/widgets/fit_text.h"
#include "ui/widgets/theme.h"

namespace trivanto {

namespace {
// Room kept between the plate's rim and the text.
constexpr int kTextMargin = 6;
}  // namespace

QString withoutShortcutMarks(const QString& text) {
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

TFlatButton::TFlatButton(QWidget* parent) : TFlatButton(QString(), parent) {}

TFlatButton::TFlatButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setProperty("trivantoFlat", true);
    QFont font = Theme::bodyFont();
    font.setBold(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setAutoDefault(false);
}

void TFlatButton::setPlainText(const QString& text, const QFont& base) {
    m_plain = true;
    m_text = text;
    m_base = base;
    // The button's own text never holds a shortcut mark; the painting below shows m_text.
    setText(withoutShortcutMarks(text));
    fit();
}

QString TFlatButton::shownText() const {
    if (m_plain) {
        return m_text;
    }
    QString shown = text();
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return shown;
}

void TFlatButton::fitCaption() {
    if (m_plain) {
        return;
    }
    if (!m_captionFont) {
        m_captionFont = font();
    }
    m_captionToFit = true;
    if (isVisible()) {
        fitCaptionNow();
    }
}

void TFlatButton::fitCaptionNow() {
    m_captionToFit = false;
    QFont caption = *m_captionFont;
    const QString shown = shownText();
    const int room = width() - kCaptionChrome;
    while (caption.pixelSize() > kLeastReadablePixels &&
           QFontMetrics(caption).horizontalAdvance(shown) > room) {
        caption.setPixelSize(caption.pixelSize() - 1);
    }
    setFont(caption);
}

void TFlatButton::fit() {
    const QSize room = contentsRect().adjusted(kTextMargin, 2, -kTextMargin, -2).size();
    const FittedText fitted = fitText(m_text, m_base, room, true);
    setFont(fitted.font);
    m_shown = fitted.shown;
    m_wrapped = fitted.wrapped;
    setToolTip(fitted.elided ? m_text : QString());
    update();
}

void TFlatButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    if (m_plain) {
        fit();
    }
}

void TFlatButton::showEvent(QShowEvent* event) {
    if (m_captionToFit) {
        fitCaptionNow();
    }
    QPushButton::showEvent(event);
}

void TFlatButton::paintEvent(QPaintEvent* event) {
    if (!m_plain) {
        QPushButton::paintEvent(event);
        return;
    }
    // The plate as the style draws it, then the text as it is.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    QPainter painter(this);
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QRect box = rect().adjusted(kTextMargin, 2, -kTextMargin, -2);
    painter.drawText(box, Qt::AlignCenter | (m_wrapped ? Qt::TextWordWrap : 0), m_shown);
}

}  // namespace trivanto
