#pragma once

#include "core/setup/question_pool.h"

class QWidget;

namespace trivanto {

class TWartenForm;

// The waiting window while the setup builds the question pool: the setup window hides, the
// waiting window shows the category being loaded and the bar, the hourglass cursor is up.
class WartenProgress final : public SetupProgress {
public:
    WartenProgress(TWartenForm* waiting, QWidget* setup) : m_waiting(waiting), m_setup(setup) {}

    void begin() override;
    void report(const QString& text, int position) override;
    void end(bool started) override;

private:
    TWartenForm* m_waiting;
    QWidget* m_setup;
    bool m_cursor = false;
};

// Moves `window` above or below the mouse when the hourglass would cover it.
void keepClearOfCursor(QWidget* window);

}  // namespace trivanto
