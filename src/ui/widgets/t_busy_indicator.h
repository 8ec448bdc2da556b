#pragma once

#include <QWidget>
#include <memory>

namespace trivanto {

class Clock;
class Timer;

// A row of gold dots with one bright dot running along it: something is under way. It moves
// on a Clock timer only while it is shown.
class TBusyIndicator final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDots = 9;
    static constexpr int kStepMs = 120;

    explicit TBusyIndicator(Clock& clock, QWidget* parent = nullptr);
    ~TBusyIndicator() override;

    int step() const { return m_step; }
    bool isRunning() const;

    QSize sizeHint() const override { return {kDots * 18, 14}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::unique_ptr<Timer> m_timer;
    int m_step = 0;
};

}  // namespace trivanto
