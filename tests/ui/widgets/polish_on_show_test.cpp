#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include "ui/widgets/polish_on_show.h"

namespace trivanto {
namespace {

bool polished(const QWidget* widget) {
    return widget->testAttribute(Qt::WA_WState_Polished);
}

// A window built at the start but shown later, as most of the program's windows are.
class PolishOnShow : public ::testing::Test {
protected:
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
};

TEST_F(PolishOnShow, AWindowNotShownIsPolishedOnlyWhenItShows) {
    polishWhenShown();
    QApplication::processEvents();
    EXPECT_FALSE(polished(&window));
    EXPECT_FALSE(polished(field));
    window.show();
    EXPECT_TRUE(polished(&window));
    EXPECT_TRUE(polished(field));
}

TEST_F(PolishOnShow, AWindowOnScreenAndWidgetsMadeLaterStayPolished) {
    QWidget shown;
    auto* shownField = new QLineEdit(&shown);
    shown.show();
    polishWhenShown();
    auto* later = new QLineEdit(&window);
    QApplication::processEvents();
    EXPECT_TRUE(polished(shownField));
    // Made after the call: polished by the loop, as any new widget.
    EXPECT_TRUE(polished(later));
}

}  // namespace
}  // namespace trivanto
