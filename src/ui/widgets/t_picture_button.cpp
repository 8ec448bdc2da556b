#include "ui/widgets/t_picture_button.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>

#include "ui/widgets/theme.h"

namespace trivanto {
namespace {

constexpr int kSpacing = 2;

}  // namespace

TPictureButton::TPictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFont(Theme::largeButtonFont());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void TPictureButton::setPictures(const LazyPicture& normal, const LazyPicture& hover) {
    m_normal = normal;
    m_hover = hover.isNull() ? normal : hover;
    updateGeometry();
    update();
}

void TPictureButton::setPicture(const LazyPicture& normal) {
    setPictures(normal, normal);
}

void TPictureButton::setCaptionPosition(CaptionPosition position) {
    m_captionPosition = position;
    updateGeometry();
    update();
}

QPixmap TPictureButton::currentPicture() const {
    return m_hovered ? m_hover.picture() : m_normal.picture();
}

QSize TPictureButton::sizeHint() const {
    const QSize picture = m_normal.isNull() ? QSize(16, 16) : m_normal.size();
    if (text().isEmpty()) {
        return picture + QSize(2, 2);
    }
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    if (m_captionPosition == CaptionPosition::Below) {
        return {std::max(picture.width(), textWidth) + 6,
                picture.height() + kSpacing + metrics.height() + 2};
    }
    return {picture.width() + 4 * kSpacing + textWidth + 4,
            std::max(picture.height(), metrics.height()) + 2};
}

QRect TPictureButton::pictureRect() const {
    const QSize picture = m_normal.size();
    if (text().isEmpty()) {
        return QRect(QPoint((width() - picture.width()) / 2, (height() - picture.height()) / 2),
                     picture);
    }
    if (m_captionPosition == CaptionPosition::Below) {
        const int textHeight = QFontMetrics(font()).height();
        const int top = (height() - picture.height() - kSpacing - textHeight) / 2;
        return QRect(QPoint((width() - picture.width()) / 2, std::max(0, top)), picture);
    }
    return QRect(QPoint(1, (height() - picture.height()) / 2), picture);
}

QRect TPictureButton::captionRect() const {
    const QRect picture = pictureRect();
    if (m_captionPosition == CaptionPosition::Below) {
        return QRect(0, picture.bottom() + 1 + kSpacing, width(), QFontMetrics(font()).height());
    }
    const int left = picture.right() + 1 + 3 * kSpacing;
    return QRect(left, 0, width() - left, height());
}

void TPictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool enabled = isEnabled();
    const bool active = enabled && (m_hovered || isDown() || isChecked());

    if (hasFocus()) {
        // A plate and a solid rim, so the keyboard focus reads at a glance on any background.
        QColor plate = Theme::kGoldLight;
        plate.setAlpha(48);
        painter.setPen(QPen(Theme::kGoldLight, 1.5));
        painter.setBrush(plate);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
    }

    QRect target = pictureRect();
    if (isDown()) {
        target.translate(1, 1);
    }
    if (!enabled) {
        painter.setOpacity(0.35);
    }
    const QPixmap shown = active ? m_hover.picture() : m_normal.picture();
    if (!shown.isNull()) {
        painter.drawPixmap(target, shown);
    }

    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(active ? Theme::kGoldLight : Theme::kText);
        const int flags = m_captionPosition == CaptionPosition::Below
                              ? Qt::AlignHCenter | Qt::AlignTop
                              : Qt::AlignLeft | Qt::AlignVCenter;
        QRect caption = captionRect();
        if (isDown()) {
            caption.translate(1, 1);
        }
        painter.drawText(caption, flags | Qt::TextShowMnemonic, text());
    }
}

void TPictureButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button like Space; a held key presses it once.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TPictureButton::showEvent(QShowEvent* event) {
    QAbstractButton::showEvent(event);
    m_normal.picture();
}

void TPictureButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    m_hover.picture();
    update();
}

void TPictureButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}

void TPictureButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_hovered = false;
    }
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
}

}  // namespace trivanto
