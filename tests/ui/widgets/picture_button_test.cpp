#include <gtest/gtest.h>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

#include "ui/widgets/artwork.h"
#include "ui/widgets/t_picture_button.h"

namespace trivanto {
namespace {

class PictureButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_button.setPictures(artwork::buttonPicture(0), artwork::buttonPicture(1));
        m_button.setText(QStringLiteral("New Game"));
        m_button.resize(m_button.sizeHint());
    }

    void enter() {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&m_button, &event);
    }
    void leave() {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(&m_button, &event);
    }

    TPictureButton m_button;
};

TEST_F(PictureButtonTest, ShowsHoverPictureWhileTheMouseIsOver) {
    const QImage normal = artwork::buttonPicture(0).toImage();
    const QImage hover = artwork::buttonPicture(1).toImage();
    EXPECT_EQ(m_button.currentPicture().toImage(), normal);
    enter();
    EXPECT_TRUE(m_button.isHovered());
    EXPECT_EQ(m_button.currentPicture().toImage(), hover);
    leave();
    EXPECT_EQ(m_button.currentPicture().toImage(), normal);
}

TEST_F(PictureButtonTest, PaintsTheHoverPicture) {
    const QImage before = m_button.grab().toImage();
    enter();
    const QImage during = m_button.grab().toImage();
    leave();
    EXPECT_NE(before, during);
    EXPECT_EQ(before, m_button.grab().toImage());
}

// Built in a window that is not shown, a button draws nothing; its picture comes with its first
// show, the hover picture with the mouse, each once.
TEST_F(PictureButtonTest, DrawsItsPicturesWhenFirstNeeded) {
    int normalDrawn = 0;
    int hoverDrawn = 0;
    QWidget window;
    auto* button = new TPictureButton(&window);
    button->setPictures(LazyPicture(
                            [&] {
                                ++normalDrawn;
                                return artwork::buttonPicture(0);
                            },
                            artwork::kButtonPictureSize),
                        LazyPicture(
                            [&] {
                                ++hoverDrawn;
                                return artwork::buttonPicture(1);
                            },
                            artwork::kButtonPictureSize));
    EXPECT_EQ(button->sizeHint(), artwork::kButtonPictureSize + QSize(2, 2));
    EXPECT_EQ(normalDrawn + hoverDrawn, 0);

    window.show();
    EXPECT_TRUE(button->isPictureDrawn());
    EXPECT_FALSE(button->isHoverPictureDrawn());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->isHoverPictureDrawn());
    EXPECT_EQ(button->currentPicture().toImage(), artwork::buttonPicture(1).toImage());
    button->grab();
    EXPECT_EQ(normalDrawn, 1);
    EXPECT_EQ(hoverDrawn, 1);
}

TEST_F(PictureButtonTest, ClickEmitsClickedOnlyWhenEnabled) {
    QSignalSpy clicked(&m_button, &QAbstractButton::clicked);
    QTest::mouseClick(&m_button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    m_button.setEnabled(false);
    QTest::mouseClick(&m_button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(PictureButtonTest, DisabledButtonLooksFaded) {
    const QImage enabled = m_button.grab().toImage();
    m_button.setEnabled(false);
    const QImage disabled = m_button.grab().toImage();
    // Faded: the picture's centre moves towards the background colour of the corner.
    const QPoint centre(m_button.width() / 2, 19);
    const QColor back = enabled.pixelColor(0, 0);
    auto distance = [&](const QColor& c) {
        return std::abs(c.red() - back.red()) + std::abs(c.green() - back.green()) +
               std::abs(c.blue() - back.blue());
    };
    EXPECT_LT(distance(disabled.pixelColor(centre)), distance(enabled.pixelColor(centre)) / 2);
}

TEST_F(PictureButtonTest, CaptionMakesRoomBelowOrBeside) {
    const QSize below = m_button.sizeHint();
    EXPECT_GT(below.height(), artwork::kButtonPictureSize.height());
    m_button.setCaptionPosition(TPictureButton::CaptionPosition::Right);
    const QSize beside = m_button.sizeHint();
    EXPECT_GT(beside.width(), below.width());
    EXPECT_LT(beside.height(), below.height());
}

TEST_F(PictureButtonTest, SharpPicturesTakeTheSameRoom) {
    const QSize designed = m_button.sizeHint();
    artwork::setPixelRatio(2);
    m_button.setPictures(artwork::buttonPicture(0), artwork::buttonPicture(1));
    artwork::setPixelRatio(0);
    EXPECT_EQ(m_button.picture().size(), artwork::kButtonPictureSize * 2);
    EXPECT_EQ(m_button.sizeHint(), designed);
}

}  // namespace
}  // namespace trivanto
