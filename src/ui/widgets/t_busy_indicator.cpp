#include "ui/widgets/t_busy_indicator.h"

#include <QPainter>

#include "core/app/clock.h"
#include "ui/widgets/theme.h"

namespace trivanto {

TBusyIndicator::TBusyIndicator(Clock& clock, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    m_timer = clock.createTimer(
        [this] {
            m_step = (m_step + 1) % kDots;
            update();
        },
        TimerMode::Repeating);
}

TBusyIndicator::~TBusyIndicator() = default;

bool TBusyIndicator::isRunning() const {
    return m_timer->isActive();
}

void TBusyIndicator::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_step = 0;
    m_timer->start(kStepMs);
}

void TBusyIndicator::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_timer->stop();
}

void TBusyIndicator::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double pitch = double(width()) / kDots;
    const double radius = std::min(pitch, double(height())) * 0.3;
    for (int i = 0; i < kDots; ++i) {
        // The bright dot leaves a fading trail behind it.
        const int behind = (m_step - i + kDots) % kDots;
        QColor colour = behind == 0 ? Theme::kGoldLight : Theme::kGold;
        colour.setAlpha(behind == 0 ? 255 : std::max(60, 200 - behind * 45));
        painter.setBrush(colour);
        const QPointF centre(pitch * (i + 0.5), height() / 2.0);
        painter.drawEllipse(centre, behind == 0 ? radius * 1.3 : radius,
                            behind == 0 ? radius * 1.3 : radius);
    }
}

}  // namespace trivanto
