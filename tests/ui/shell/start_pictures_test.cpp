// The start draws the pictures on screen and leaves the others for when they are first seen:
// the windows built but not shown, and every hover picture.
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QTest>

#include "support/app_fixture.h"
#include "support/category_files.h"
#include "ui/setup/spieler_form.h"
#include "ui/shell/main_form.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/t_picture_button.h"

namespace trivanto {
namespace {

constexpr const char* kLargeButtons[] = {
    "NeuesSpielButton",    "OeffnenButton",      "SpeichernButton", "BestenlisteButton",
    "FragenkatalogButton", "OnlineupdateButton", "HilfeButton",     "BeendenButton",
};

QString where(const QWidget* window, const QWidget* control) {
    return window->objectName() + QStringLiteral("/") + control->objectName();
}

TEST_F(ShellAppTest, StartDrawsOnlyThePicturesOnScreen) {
    ASSERT_TRUE(startApp());
    ASSERT_TRUE(app->mainForm()->isVisible());
    int hidden = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (const TPictureButton* button : window->findChildren<TPictureButton*>()) {
            SCOPED_TRACE(where(window, button).toStdString());
            EXPECT_EQ(button->isPictureDrawn(), button->isVisible());
            if (!window->isVisible()) {
                EXPECT_FALSE(button->isHoverPictureDrawn());
                ++hidden;
            }
        }
    }
    EXPECT_GT(hidden, 40);  // the editor's tools, the setup's arrows, the title bars, ...
    for (const char* name : kLargeButtons) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(control<TPictureButton>(app->mainForm(), name)->isHoverPictureDrawn());
    }
    // The seats' frame waits for a game, the setup's player pictures for the setup.
    EXPECT_TRUE(control<QLabel>(app->mainForm(), "ImageRahmen")->pixmap().isNull());
    EXPECT_TRUE(control<QLabel>(app->spielerForm(), "Image1")->pixmap().isNull());
}

TEST_F(ShellAppTest, AMainWindowButtonShowsItsHoverPictureUnderTheMouse) {
    ASSERT_TRUE(startApp());
    for (std::size_t i = 0; i < std::size(kLargeButtons); ++i) {
        SCOPED_TRACE(kLargeButtons[i]);
        auto* button = control<TPictureButton>(app->mainForm(), kLargeButtons[i]);
        const QImage normal = button->grab().toImage();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(button, &enter);
        EXPECT_TRUE(button->isHoverPictureDrawn());
        EXPECT_EQ(button->currentPicture().toImage(),
                  artwork::buttonPicture(static_cast<int>(2 * i + 1)).toImage());
        // "Save Game" is off until a game runs: it does not light up.
        EXPECT_EQ(button->grab().toImage() != normal, button->isEnabled());
    }
}

TEST_F(ShellAppTest, TheSetupDrawsItsPicturesWhenItOpens) {
    setuptest::writeCategory(progDir(), QStringLiteral("Animals"), 12);
    ASSERT_TRUE(startApp());
    TSpielerForm* setup = app->spielerForm();
    int drawnArrows = 0;
    QImage firstPlayer;
    whenModal([&] {
        for (int n = 1; n <= 8; ++n) {
            const auto name = QStringLiteral("Button%1").arg(n).toLatin1();
            drawnArrows += control<TPictureButton>(setup, name.constData())->isPictureDrawn();
        }
        firstPlayer = control<QLabel>(setup, "Image1")->pixmap().toImage();
        QTest::mouseClick(control(setup, "AbbrechenButton"), Qt::LeftButton);
    });
    QTest::mouseClick(control(app->mainForm(), "NeuesSpielButton"), Qt::LeftButton);
    EXPECT_EQ(drawnArrows, 8);
    EXPECT_EQ(firstPlayer, artwork::playerPicture(0).toImage());
}

}  // namespace
}  // namespace trivanto
