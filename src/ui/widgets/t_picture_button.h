#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include "ui/widgets/lazy_picture.h"

namespace trivanto {

// A button drawn from a picture that shows a second picture while the mouse is over it, with
// an optional caption below or beside the picture. The hint is the ordinary tool tip. With the
// keyboard focus it shows a gold plate, and Space or Enter presses it. The picture is drawn
// when the button first shows, the hover picture when the mouse first comes over it.
class TPictureButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class CaptionPosition { Below, Right };

    explicit TPictureButton(QWidget* parent = nullptr);

    void setPictures(const LazyPicture& normal, const LazyPicture& hover);
    void setPicture(const LazyPicture& normal);  // the same picture in both states
    // Either picture is drawn here if it was not yet.
    QPixmap picture() const { return m_normal.picture(); }
    QPixmap hoverPicture() const { return m_hover.picture(); }
    bool isPictureDrawn() const { return m_normal.isDrawn(); }
    bool isHoverPictureDrawn() const { return m_hover.isDrawn(); }

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
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect pictureRect() const;
    QRect captionRect() const;

    LazyPicture m_normal;
    LazyPicture m_hover;
    CaptionPosition m_captionPosition = CaptionPosition::Below;
    bool m_hovered = false;
};

}  // namespace trivanto
