#include <gtest/gtest.h>

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "ui/widgets/picture_on_show.h"

namespace trivanto {
namespace {

QPixmap filled(int side) {
    QPixmap picture(side, side);
    picture.fill(Qt::red);
    return picture;
}

// A drawing of a square of `side` that counts how often it is drawn.
std::function<QPixmap()> counted(int& drawn, int side) {
    return [&drawn, side] {
        ++drawn;
        return filled(side);
    };
}

// A picture inside a window that is built but not shown is drawn when the window first shows,
// once, and never before.
TEST(PictureOnShow, IsDrawnOnceWhenTheWindowFirstShows) {
    QWidget window;
    auto* label = new QLabel(&window);
    int drawn = 0;
    setPictureWhenShown(label, counted(drawn, 8));
    EXPECT_EQ(drawn, 0);
    EXPECT_TRUE(label->pixmap().isNull());

    window.show();
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(label->pixmap().size(), QSize(8, 8));

    window.hide();
    window.show();
    label->hide();
    label->show();
    EXPECT_EQ(drawn, 1);
}

// A label hidden inside a shown window waits for its own show.
TEST(PictureOnShow, AHiddenLabelWaitsForItsOwnShow) {
    QWidget window;
    auto* label = new QLabel(&window);
    label->hide();
    window.show();
    int drawn = 0;
    setPictureWhenShown(label, counted(drawn, 4));
    EXPECT_EQ(drawn, 0);
    label->show();
    EXPECT_EQ(drawn, 1);
    EXPECT_FALSE(label->pixmap().isNull());
}

// A picture asked for again before the show replaces the one waiting: only it is drawn.
TEST(PictureOnShow, TheLastPictureAskedForBeforeTheShowWins) {
    QWidget window;
    auto* label = new QLabel(&window);
    int drawnFirst = 0;
    setPictureWhenShown(label, counted(drawnFirst, 4));
    setPictureWhenShown(label, [] { return filled(6); });
    window.show();
    EXPECT_EQ(drawnFirst, 0);
    EXPECT_EQ(label->pixmap().size(), QSize(6, 6));

    window.hide();
    setPictureWhenShown(label, [] { return filled(9); });
    EXPECT_EQ(label->pixmap().size(), QSize(6, 6));
    window.show();
    EXPECT_EQ(label->pixmap().size(), QSize(9, 9));
}

TEST(PictureOnShow, AVisibleLabelGetsItsPictureAtOnce) {
    QWidget window;
    auto* label = new QLabel(&window);
    window.show();
    setPictureWhenShown(label, [] { return filled(4); });
    EXPECT_FALSE(label->pixmap().isNull());
}

}  // namespace
}  // namespace trivanto
