#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

namespace trivanto {

// The windows that are brought forward in front of the main window, in the order they are
// raised; the last one raised ends on top, so an open message dialog always stays in front.
enum class FrontWindow {
    Onlineupdate,     // TOnlineupdateForm
    Bestenliste,      // TBestenlisteForm, the high-score window
    Onlinehighscore,  // TOnlinehighscoreForm, the upload wizard
    Editor,
    Spieler,
    Warten,
    RAS,
    Suchen,
    NeueFragendatei,
    Info,
    FragendateiOeffnen,
    Help,  // our help window: in front of every window but the message dialog
    Fehlermeldung,
    Count
};

// The window-ordering rule. Installed for the application's deactivation and for restoring
// the main window from the minimized state: shows the main window, then raises every visible
// window of the list above in its order.
class FensterNachVorn final : public QObject {
    Q_OBJECT
public:
    explicit FensterNachVorn(QObject* parent = nullptr);

    void setMainWindow(QWidget* window) { m_main = window; }
    void setWindow(FrontWindow role, QWidget* window);
    QWidget* window(FrontWindow role) const;

    // Replaces QWidget::raise (tests record the order).
    void setRaiser(std::function<void(QWidget*)> raiser) { m_raise = std::move(raiser); }

    // Connects the rule to the application's state changes and the main window's restore.
    void install();

public slots:
    void run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_main;
    std::array<QPointer<QWidget>, static_cast<std::size_t>(FrontWindow::Count)> m_windows;
    std::function<void(QWidget*)> m_raise;
    bool m_running = false;
};

}  // namespace trivanto
