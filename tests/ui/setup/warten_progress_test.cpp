#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "ui/common/warten_form.h"
#include "ui/setup/warten_progress.h"

namespace trivanto {
namespace {

TEST(WartenProgressTest, TheHourglassNeverCoversTheLoadingLine) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* name;
        QPoint cursor;
    } cases[] = {
        {"mouse on the window's middle", screen.center()},
        {"mouse near the bottom edge", {screen.center().x(), screen.bottom() - 10}},
        {"mouse far away", screen.topLeft() + QPoint(5, 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TWartenForm waiting;
        QWidget setup;
        waiting.move(screen.center() - waiting.rect().center());
        const QPoint centred = waiting.pos();
        QCursor::setPos(c.cursor);
        if (QCursor::pos() != c.cursor) {
            GTEST_SKIP() << "this platform cannot place the mouse";
        }
        WartenProgress progress(&waiting, &setup);
        progress.begin();
        progress.report(QStringLiteral("Loading Category 1 / 1"), 0);
        const QRect label = waiting.FrageInfoLabel->geometry().translated(waiting.pos());
        const QRect hourglass(c.cursor - QPoint(32, 32), QSize(64, 64));
        EXPECT_FALSE(label.intersects(hourglass));
        EXPECT_TRUE(screen.contains(waiting.frameGeometry()));
        if (!QRect(centred, waiting.size()).intersects(hourglass)) {
            EXPECT_EQ(waiting.pos(), centred);  // nothing to avoid: it stays centred
        }
        progress.end(true);
    }
}

}  // namespace
}  // namespace trivanto
