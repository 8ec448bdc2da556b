#include "ui/common/grauform.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "core/game/sound_cues.h"
#include "ui/common/fenster_nach_vorn.h"
#include "ui/widgets/theme.h"

namespace trivanto {

TGrauform::TGrauform(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Grauform"));
    setWindowTitle(QStringLiteral("Trivanto 1.04"));
    QPalette p = palette();
    p.setColor(QPalette::Window, Theme::kBackdrop);
    setPalette(p);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
}

void TGrauform::FormCreate(FensterNachVorn& order, QWidget& mainWindow, SoundCues& cues) {
    m_order = &order;
    order.install();
    show();
    mainWindow.show();
    mainWindow.raise();
    mainWindow.activateWindow();
    if (cues.SoundOn()) {
        cues.play(Cue::ProgramStart);
    }
}

void TGrauform::FormActivate() {
    if (m_order != nullptr) {
        m_order->run();
    }
}

void TGrauform::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    FormActivate();
}

void TGrauform::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

}  // namespace trivanto
