#include "ui/widgets/t_flat_progress_bar.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/widgets/theme.h"

namespace trivanto {

TFlatProgressBar::TFlatProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TFlatProgressBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = std::min(frame.height() / 2.0, 6.0);
    painter.setPen(QPen(Theme::kPanelLight, 1));
    painter.setBrush(Theme::kLcdBack);
    painter.drawRoundedRect(frame, radius, radius);

    const int span = maximum() - minimum();
    if (span <= 0 || value() <= minimum()) {
        return;
    }
    const double fraction = std::clamp(double(value() - minimum()) / span, 0.0, 1.0);
    QRectF fill = frame.adjusted(1.5, 1.5, -1.5, -1.5);
    fill.setWidth(std::max(fill.height(), fill.width() * fraction));
    QLinearGradient gradient(fill.topLeft(), fill.bottomLeft());
    gradient.setColorAt(0.0, Theme::kGoldLight);
    gradient.setColorAt(0.45, Theme::kGold);
    gradient.setColorAt(1.0, Theme::kAmber);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    const double fillRadius = std::max(0.0, radius - 1.5);
    painter.drawRoundedRect(fill, fillRadius, fillRadius);
    // A thin highlight along the top gives the bar its glassy look.
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawRoundedRect(QRectF(fill.left() + 2, fill.top() + 1, fill.width() - 4,
                                   std::max(1.0, fill.height() / 3.0)),
                            1, 1);
}

}  // namespace trivanto
