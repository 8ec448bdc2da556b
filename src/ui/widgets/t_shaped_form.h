#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <optional>

#include "ui/widgets/artwork.h"

class QKeyEvent;

namespace trivanto {

// Borderless top-level window painted from a background picture and cut to the shape of its
// mask. With a window style the picture and mask follow the window's size; with an explicit
// picture the mask comes from the picture's transparency. Dialogs can be dragged by their
// picture; a form that takes key presses first sees every key of its controls in formKeyPress.
class TShapedForm : public QWidget {
    Q_OBJECT

public:
    explicit TShapedForm(QWidget* parent = nullptr);
    ~TShapedForm() override;

    // Background and mask drawn for the current size. They are drawn when the window is
    // about to show (a window that is never shown costs nothing) and again after a resize.
    void setWindowStyle(artwork::WindowStyle style);
    // Starts drawing the background for the current style and size on a thread of its own, for
    // the window that shows first: it is ready when the window shows after the others are made.
    void drawBackgroundAhead();
    // A fixed picture; transparent pixels are outside the window.
    void setBackgroundPicture(const QPixmap& picture);
    QPixmap backgroundPicture() const;

    void setMovable(bool movable) { m_movable = movable; }
    bool isMovable() const { return m_movable; }

    // Whether key presses meant for the form's controls reach formKeyPress first.
    void setTakesKeysFirst(bool takesKeys);
    bool takesKeysFirst() const { return m_takesKeys; }

    // Shows the form application-modal and returns when it is hidden or closed. `shown` runs
    // once the form is on screen, before the modal loop: a window that asks a question as it
    // opens asks it in front of itself.
    void showModal(const std::function<void()>& shown = {});

signals:
    // Emitted by the default formKeyPress.
    void keyPreview(QKeyEvent* event);
    void hidden();

protected:
    // Called with a key press before the control that has the focus; the event arrives
    // ignored, and a handler that accepts it keeps it from the control.
    virtual void formKeyPress(QKeyEvent* event);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Draws the background and sets the mask when they are due and the window shows.
    void updateShape();
    void shapeChanged();

    std::optional<artwork::WindowStyle> m_style;
    QPixmap m_background;
    artwork::BackgroundAhead m_backgroundAhead;  // kept until drawn, taken at the first show
    QSize m_shapedFor;                           // the size background and mask were last drawn for
    bool m_shapeDue = false;
    bool m_movable = false;
    bool m_takesKeys = false;
    std::optional<QPoint> m_dragOffset;  // cursor position relative to the window while dragging
};

}  // namespace trivanto
