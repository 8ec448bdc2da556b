#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/widgets/t_shaped_form.h"

namespace trivanto {
namespace {

using artwork::WindowStyle;

// Drags the form by its picture: press at a point, move by an offset, release.
void drag(QWidget& form, QPoint offset) {
    const QPoint start(150, 60);
    QTest::mousePress(&form, Qt::LeftButton, Qt::NoModifier, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start + offset),
                     QPointF(form.mapToGlobal(start + offset)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &move);
    QTest::mouseRelease(&form, Qt::LeftButton, Qt::NoModifier, start + offset);
}

TEST(ShapedForm, MovableFormFollowsTheDrag) {
    TShapedForm form;
    form.setWindowStyle(WindowStyle::Info);
    form.setMovable(true);
    form.move(100, 100);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint before = form.pos();
    drag(form, QPoint(30, 20));
    EXPECT_EQ(form.pos(), before + QPoint(30, 20));
}

TEST(ShapedForm, UnmovableFormStaysPut) {
    TShapedForm form;
    form.setWindowStyle(WindowStyle::Main);
    form.move(100, 100);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint before = form.pos();
    drag(form, QPoint(30, 20));
    EXPECT_EQ(form.pos(), before);
}

TEST(ShapedForm, MaskFollowsTheSize) {
    TShapedForm form;
    form.setWindowStyle(WindowStyle::Message);
    EXPECT_EQ(form.size(), QSize(474, 118));
    form.show();
    form.resize(328, 118);
    const QRegion mask = form.mask();
    EXPECT_FALSE(mask.isEmpty());
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 328, 118));
    EXPECT_TRUE(mask.contains(QPoint(164, 59)));
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(327, 117)));
    EXPECT_EQ(form.backgroundPicture().width(), 328);
}

// A background drawn ahead is the one the window shows; resized before it shows, the window
// draws its new size instead. A window closed before its drawing is done waits for it: the
// drawing never outlives the window, nor the application.
TEST(ShapedForm, BackgroundDrawnAheadIsShownAndNeverOutlivesTheWindow) {
    {
        TShapedForm form;
        form.setWindowStyle(WindowStyle::Main);
        form.drawBackgroundAhead();
        form.show();
        EXPECT_EQ(form.backgroundPicture().toImage(),
                  artwork::windowBackground(WindowStyle::Main).toImage());
    }
    {
        TShapedForm form;
        form.setWindowStyle(WindowStyle::Generic);
        form.drawBackgroundAhead();
        form.resize(300, 200);
        form.show();
        EXPECT_EQ(form.backgroundPicture().deviceIndependentSize().toSize(), QSize(300, 200));
    }
    for (int i = 0; i < 3; ++i) {
        TShapedForm form;
        form.setWindowStyle(WindowStyle::Main);
        form.drawBackgroundAhead();
    }
}

class KeyForm : public TShapedForm {
public:
    QList<int> keys;

protected:
    void formKeyPress(QKeyEvent* event) override {
        keys.append(event->key());
        if (event->key() == Qt::Key_X) {
            event->accept();
        }
    }
};

TEST(ShapedForm, TakesKeysBeforeItsControlsOnlyWhenAsked) {
    KeyForm form;
    form.setWindowStyle(WindowStyle::Message);
    auto* edit = new QLineEdit(&form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_TRUE(form.keys.isEmpty());

    form.setTakesKeysFirst(true);
    QTest::keyClick(edit, Qt::Key_B);
    QTest::keyClick(edit, Qt::Key_X);
    EXPECT_EQ(form.keys, (QList<int>{Qt::Key_B, Qt::Key_X}));
    // B went on to the field; the accepted X did not reach it.
    EXPECT_EQ(edit->text(), QStringLiteral("ab"));

    QLineEdit outsider;
    outsider.show();
    QTest::keyClick(&outsider, Qt::Key_C);
    EXPECT_EQ(form.keys.size(), 2);  // keys of other windows are not the form's
}

TEST(ShapedForm, ShowModalReturnsWhenHidden) {
    TShapedForm form;
    form.setWindowStyle(WindowStyle::Info);
    QSignalSpy hidden(&form, &TShapedForm::hidden);
    QTimer::singleShot(0, &form, &QWidget::hide);
    form.showModal();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(hidden.count(), 1);
}

}  // namespace
}  // namespace trivanto
