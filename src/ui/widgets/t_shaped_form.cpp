#include "ui/widgets/t_shaped_form.h"

#include <QApplication>
#include <QBitmap>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace trivanto {

TShapedForm::TShapedForm(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_TranslucentBackground, false);
    setAutoFillBackground(false);
}

TShapedForm::~TShapedForm() {
    if (m_takesKeys) {
        qApp->removeEventFilter(this);
    }
}

void TShapedForm::setWindowStyle(artwork::WindowStyle style) {
    m_style = style;
    if (size() != artwork::designSize(style) && !testAttribute(Qt::WA_Resized)) {
        resize(artwork::designSize(style));
    }
    shapeChanged();
}

void TShapedForm::drawBackgroundAhead() {
    if (m_style) {
        m_backgroundAhead = artwork::drawWindowBackgroundAhead(*m_style, size());
    }
}

void TShapedForm::setBackgroundPicture(const QPixmap& picture) {
    m_style.reset();
    m_background = picture;
    if (!picture.isNull()) {
        resize(picture.deviceIndependentSize().toSize());
    }
    shapeChanged();
}

QPixmap TShapedForm::backgroundPicture() const {
    if (m_style && (m_shapeDue || m_shapedFor != size())) {
        return artwork::windowBackground(*m_style, size());
    }
    return m_background;
}

void TShapedForm::shapeChanged() {
    m_shapeDue = true;
    if (isVisible()) {
        updateShape();
    }
}

void TShapedForm::updateShape() {
    if (!m_shapeDue && (!m_style || m_shapedFor == size())) {
        return;
    }
    m_shapeDue = false;
    m_shapedFor = size();
    if (m_style) {
        artwork::BackgroundAhead ahead = std::move(m_backgroundAhead);
        m_backgroundAhead = {};
        if (ahead.image.valid() && ahead.size == size() && ahead.ratio == artwork::pixelRatio()) {
            m_background = QPixmap::fromImage(ahead.image.get());
        } else {
            // Drawn for another size or ratio: dropped once done, and drawn anew.
            m_background = artwork::windowBackground(*m_style, size());
        }
        setMask(artwork::windowMask(*m_style, size()));
    } else if (!m_background.isNull() && m_background.hasAlphaChannel()) {
        // A mask counts in the window's own pixels, a sharp picture has more.
        setMask(QBitmap::fromImage(
            m_background.toImage().scaled(size(), Qt::IgnoreAspectRatio).createAlphaMask()));
    } else {
        clearMask();
    }
    update();
}

void TShapedForm::showEvent(QShowEvent* event) {
    // Before the window appears: it shows in its shape from the first frame.
    updateShape();
    QWidget::showEvent(event);
}

void TShapedForm::setTakesKeysFirst(bool takesKeys) {
    if (takesKeys == m_takesKeys) {
        return;
    }
    m_takesKeys = takesKeys;
    // Key events go to the focus widget, so only an application filter sees them first.
    if (takesKeys) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

void TShapedForm::formKeyPress(QKeyEvent* event) {
    emit keyPreview(event);
}

bool TShapedForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && m_takesKeys && isVisible()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this) {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            const bool accepted = keyEvent->isAccepted();
            keyEvent->ignore();
            formKeyPress(keyEvent);
            if (keyEvent->isAccepted()) {
                return true;
            }
            // Left as it came: an ignored key travels on to the parents, and Tab handled by
            // the control would then move the focus a second time.
            keyEvent->setAccepted(accepted);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TShapedForm::showModal(const std::function<void()>& shown) {
    // Modality takes effect only when a window is shown: one already up is shown again.
    if (windowModality() != Qt::ApplicationModal) {
        if (isVisible()) {
            QWidget::hide();
        }
        setWindowModality(Qt::ApplicationModal);
    }
    QEventLoop loop;
    connect(this, &TShapedForm::hidden, &loop, &QEventLoop::quit);
    show();
    raise();
    activateWindow();
    if (shown && isVisible()) {
        shown();
    }
    if (isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
}

void TShapedForm::paintEvent(QPaintEvent* /*event*/) {
    updateShape();
    QPainter painter(this);
    if (m_background.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawPixmap(0, 0, m_background);
}

void TShapedForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_style) {
        shapeChanged();
    }
}

void TShapedForm::mousePressEvent(QMouseEvent* event) {
    if (m_movable && event->button() == Qt::LeftButton) {
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TShapedForm::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragOffset && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void TShapedForm::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragOffset && event->button() == Qt::LeftButton) {
        m_dragOffset.reset();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void TShapedForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_dragOffset.reset();
    emit hidden();
}

}  // namespace trivanto
