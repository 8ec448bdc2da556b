#pragma once

#include <QWidget>

namespace trivanto {

class FensterNachVorn;
class SoundCues;

// The dark backdrop that covers the screen behind the program's windows. Clicking it brings
// the main window back in front.
class TGrauform final : public QWidget {
    Q_OBJECT
public:
    explicit TGrauform(QWidget* parent = nullptr);

    // Installs the window-ordering rule, shows the backdrop and the main window in front of
    // it, and plays the start cue when the sound is on.
    void FormCreate(FensterNachVorn& order, QWidget& mainWindow, SoundCues& cues);

public slots:
    void FormActivate();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    FensterNachVorn* m_order = nullptr;
};

}  // namespace trivanto
