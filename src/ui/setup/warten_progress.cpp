#include "ui/setup/warten_progress.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QScreen>

#include "ui/common/warten_form.h"
#include "ui/widgets/t_flat_progress_bar.h"

namespace trivanto {

namespace {

// The room the hourglass takes around the mouse position.
constexpr int kCursorReach = 32;

}  // namespace

void keepClearOfCursor(QWidget* window) {
    const QPoint cursor = QCursor::pos();
    const QRect covered(cursor - QPoint(kCursorReach, kCursorReach),
                        QSize(2 * kCursorReach, 2 * kCursorReach));
    QRect place = window->frameGeometry();
    if (!place.intersects(covered)) {
        return;
    }
    const QScreen* screen = QGuiApplication::screenAt(cursor);
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    place.moveTop(covered.bottom() + 1);
    if (room.isValid() && !room.contains(place)) {
        place.moveBottom(covered.top() - 1);
    }
    window->move(place.topLeft());
}

void WartenProgress::begin() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_cursor = true;
    m_setup->hide();
    if (m_waiting != nullptr) {
        m_waiting->FrageInfoLabel->clear();
        m_waiting->FlatProgressBar1->setValue(0);
        // The hourglass stands where the mouse is: the window moves out from under it, so the
        // line "Loading Category ..." is never hidden.
        keepClearOfCursor(m_waiting);
        m_waiting->show();
        m_waiting->raise();
    }
}

void WartenProgress::report(const QString& text, int position) {
    if (m_waiting == nullptr) {
        return;
    }
    if (!text.isEmpty()) {
        m_waiting->FrageInfoLabel->setText(text);
    }
    m_waiting->FlatProgressBar1->setValue(position);
    m_waiting->repaint();
}

void WartenProgress::end(bool started) {
    if (m_waiting != nullptr) {
        m_waiting->hide();
    }
    if (m_cursor) {
        QApplication::restoreOverrideCursor();
        m_cursor = false;
    }
    if (!started) {
        // Something went wrong on the way: the players get their window back.
        m_setup->show();
    }
}

}  // namespace trivanto
