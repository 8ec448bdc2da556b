#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include "support/app_fixture.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/trivanto_style.h"

namespace trivanto {
namespace {

QColor pixel(QWidget& widget, QPoint at) {
    return widget.grab().toImage().pixelColor(at);
}

// The window tests run under the game's theme, as the program does.
TEST(TrivantoStyleTest, IsTheApplicationsStyleAndNoStyleSheetIsSet) {
    EXPECT_NE(dynamic_cast<TrivantoStyle*>(QApplication::style()), nullptr);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

TEST(TrivantoStyleTest, FieldFrameTurnsGoldAndWiderUnderTheFocus) {
    QWidget window;
    window.resize(200, 60);
    QLineEdit field(&window);
    field.setGeometry(10, 10, 150, 24);
    QLineEdit other(&window);
    other.setGeometry(10, 36, 150, 20);
    window.show();
    QApplication::setActiveWindow(&window);
    other.setFocus();
    const QPoint rim(0, 12);
    const QPoint inner(1, 12);
    EXPECT_EQ(pixel(field, rim), Theme::kPanelLight);
    EXPECT_NE(pixel(field, inner), Theme::kGoldLight);

    field.setFocus();
    ASSERT_TRUE(field.hasFocus());
    EXPECT_EQ(pixel(field, rim), Theme::kGoldLight);
    EXPECT_EQ(pixel(field, inner), Theme::kGoldLight);
}

TEST(TrivantoStyleTest, ButtonsAreGoldPlatesWithDarkBoldTextAndGreyWhenDisabled) {
    QPushButton button(QStringLiteral("OK"));
    button.resize(80, 26);
    button.show();
    EXPECT_TRUE(button.font().bold());
    const QColor face = pixel(button, {6, 13});
    EXPECT_GT(face.red(), 200);
    EXPECT_GT(face.green(), 150);
    EXPECT_LT(face.blue(), 140);

    button.setEnabled(false);
    EXPECT_EQ(pixel(button, {6, 13}), Theme::kPanel);
}

TEST(TrivantoStyleTest, CheckBoxShowsItsTickOnlyWhenTicked) {
    QCheckBox box(QStringLiteral("Educated Guess"));
    box.resize(160, 20);
    box.show();
    const QImage unticked = box.grab().toImage();
    box.setChecked(true);
    const QImage ticked = box.grab().toImage();
    const int size = box.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box);
    EXPECT_EQ(size, 15);
    int changed = 0;
    for (int y = 0; y < unticked.height(); ++y) {
        for (int x = 0; x < unticked.width(); ++x) {
            if (unticked.pixel(x, y) != ticked.pixel(x, y)) {
                EXPECT_LT(x, size) << "only the box changes";
                ++changed;
            }
        }
    }
    EXPECT_GT(changed, 10);
}

// The slim bars have no arrow buttons: the whole bar is track, and a click at its end pages.
TEST(TrivantoStyleTest, ScrollBarsAreAllTrackWithoutArrows) {
    QListWidget list;
    list.resize(120, 80);
    for (int i = 0; i < 100; ++i) {
        list.addItem(QStringLiteral("Line %1").arg(i));
    }
    list.show();
    QScrollBar* bar = list.verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->width(), 11);

    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.pageStep = bar->pageStep();
    option.sliderPosition = bar->value();
    QStyle* style = bar->style();
    for (auto arrow : {QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubLine}) {
        EXPECT_TRUE(style->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar).isEmpty());
    }
    const QRect slider =
        style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    EXPECT_EQ(slider.top(), 0);
    EXPECT_GE(slider.height(), 20);
    EXPECT_EQ(
        style->hitTestComplexControl(QStyle::CC_ScrollBar, &option, {5, bar->height() - 1}, bar),
        QStyle::SC_ScrollBarAddPage);

    bar->setValue(bar->maximum());
    option.sliderPosition = bar->value();
    EXPECT_EQ(style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar)
                  .bottom(),
              bar->height() - 1);
}

class WindowsWithoutStyleSheets : public ShellAppTest {};

// A style sheet on one control makes Qt match rules for it and its children at every polish;
// the windows colour their texts through palettes instead.
TEST_F(WindowsWithoutStyleSheets, NoControlOfAnyWindowCarriesAStyleSheet) {
    ASSERT_TRUE(startApp());
    int controls = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            EXPECT_TRUE(control->styleSheet().isEmpty())
                << control->objectName().toStdString() << " in "
                << window->objectName().toStdString();
            ++controls;
        }
    }
    EXPECT_GT(controls, 100);
}

}  // namespace
}  // namespace trivanto
