#include "core/app/zoom.h"
#include "support/app_fixture.h"
#include "ui/shell/main_form.h"

namespace trivanto {
namespace {

class FullScreenKeyTest : public ShellAppTest {};

// The zoom is fixed while the program runs: F11 remembers the choice and says when it counts.
TEST_F(FullScreenKeyTest, F11SwitchesFullScreenForTheNextStartAndSaysSo) {
    for (const Language language : {Language::Englisch, Language::Deutsch}) {
        ASSERT_TRUE(startApp(environment(language)));
        storeZoom(settings, Zoom::OneAndHalf);
        // The key works in whichever window of the game is active.
        app->mainForm()->show();
        QApplication::setActiveWindow(app->mainForm());
        QTest::keyClick(app->mainForm(), Qt::Key_F11);
        EXPECT_EQ(storedZoom(settings), Zoom::Fit);
        ASSERT_FALSE(dialog.empty());
        EXPECT_EQ(dialog.last().text, zoomNextStartText(Zoom::Fit, language));

        QTest::keyClick(app->mainForm(), Qt::Key_F11);
        EXPECT_EQ(storedZoom(settings), Zoom::OneAndHalf);
        EXPECT_EQ(dialog.last().text, zoomNextStartText(Zoom::OneAndHalf, language));
        app.reset();
        dialog.clear();
    }
}

}  // namespace
}  // namespace trivanto
