#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include "ui/widgets/polish_on_show.h"

namespace trivanto {
namespace {

// A control under the program's style sheet: its polish gives it the sheet's border.
class PolishOnShow : public ::testing::Test {
protected:
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
};

TEST_F(PolishOnShow, AWindowNotShownIsNotPolishedByTheEventLoop) {
    polishWhenShown(&window);
    QApplication::processEvents();
    EXPECT_FALSE(window.testAttribute(Qt::WA_WState_Polished));
    EXPECT_FALSE(field->testAttribute(Qt::WA_WState_Polished));
}

TEST_F(PolishOnShow, ShowingTheWindowPolishesItAndEveryControlFirst) {
    polishWhenShown(&window);
    QApplication::processEvents();
    window.show();
    EXPECT_TRUE(window.testAttribute(Qt::WA_WState_Polished));
    EXPECT_TRUE(field->testAttribute(Qt::WA_WState_Polished));
    // A control made after the deferral has its own request, as any new control.
    auto* later = new QLineEdit(&window);
    QApplication::processEvents();
    EXPECT_TRUE(later->testAttribute(Qt::WA_WState_Polished));
}

TEST_F(PolishOnShow, AWindowAlreadyShownKeepsItsPendingPolish) {
    window.show();
    auto* later = new QLineEdit(&window);
    polishWhenShown(&window);
    QApplication::processEvents();
    EXPECT_TRUE(later->testAttribute(Qt::WA_WState_Polished));
}

}  // namespace
}  // namespace trivanto
