#include "ui/setup/warten_progress.h"

#include <QApplication>
#include <QLabel>

#include "ui/common/warten_form.h"
#include "ui/widgets/t_flat_progress_bar.h"

namespace trivanto {

void WartenProgress::begin() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_cursor = true;
    m_setup->hide();
    if (m_waiting != nullptr) {
        m_waiting->FrageInfoLabel->clear();
        m_waiting->FlatProgressBar1->setValue(0);
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
