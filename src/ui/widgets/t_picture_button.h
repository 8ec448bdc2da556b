#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace trivanto {

// A button drawn from a picture that shows a second picture while the mouse is over it, with
// an optional caption below or beside the picture. The hint is the ordinary tool tip. With the
// keyboard focus it shows a gold plate, and Space or Enter presses it.
class TPictureButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class CaptionPosition { Below, Right };

    explicit TPictureButton(QWidget* parent = nullptr);

    void setPictures(const QPixmap& normal, const QPixmap& hover);
    void setPicture(const QPixmap& normal);  // the same picture in both states
    QPixmap picture() const { return m_normal; }
    QPixmap hoverPicture() const { return m_hover; }

    void setCaptionPosition(CaptionPosition position);
    CaptionPosition captionPosition() const { return m_captionPosition; }

    bool isHovered() const { return m_hovered; }
    // The picture drawn right now: the hover picture while the mouse is over the button.
    QPixmap currentPicture() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize pictureSize() const;  // in the button's own pixels
    QRect pictureRect() const;
    QRect captionRect() const;

    QPixmap m_normal;
    QPixmap m_hover;
    CaptionPosition m_captionPosition = CaptionPosition::Below;
    bool m_hovered = false;
};

}  // namespace trivanto
