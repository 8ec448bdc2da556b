#include "ui/common/fenster_nach_vorn.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindowStateChangeEvent>

namespace trivanto {

FensterNachVorn::FensterNachVorn(QObject* parent)
    : QObject(parent), m_raise([](QWidget* w) { w->raise(); }) {}

void FensterNachVorn::setWindow(FrontWindow role, QWidget* window) {
    m_windows[static_cast<std::size_t>(role)] = window;
}

QWidget* FensterNachVorn::window(FrontWindow role) const {
    return m_windows[static_cast<std::size_t>(role)];
}

void FensterNachVorn::install() {
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationInactive) {
                    run();
                }
            });
    if (m_main) {
        m_main->installEventFilter(this);
    }
}

bool FensterNachVorn::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_main && event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if ((change->oldState() & Qt::WindowMinimized) && !m_main->isMinimized()) {
            run();
        }
    }
    return QObject::eventFilter(watched, event);
}

void FensterNachVorn::run() {
    // Showing and raising can deliver state changes that would call the rule again.
    if (m_running || !m_main) {
        return;
    }
    m_running = true;
    m_main->show();
    m_raise(m_main);
    for (const auto& window : m_windows) {
        if (window && window->isVisible()) {
            m_raise(window);
        }
    }
    m_running = false;
}

}  // namespace trivanto
