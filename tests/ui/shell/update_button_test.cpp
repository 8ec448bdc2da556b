// The main window's Online Update button and the update wizard the application owns.
#include <QAbstractButton>
#include <QLabel>

#include "support/app_fixture.h"
#include "support/keyboard_keys.h"
#include "ui/shell/main_form.h"
#include "ui/update/onlineupdate_form.h"

namespace trivanto {
namespace {

// The button opens the wizard modally on its start page, in the game's language; the button
// returns once the wizard has closed.
TEST_F(ShellAppTest, TheOnlineUpdateButtonOpensTheWizard) {
    ASSERT_TRUE(startApp());
    connections.settle();
    TOnlineupdateForm* wizard = app->onlineupdateForm();
    ASSERT_NE(wizard, nullptr);
    const size_t messages = dialog.requests().size();
    bool shown = false;
    whenModal([&] {
        shown = wizard->isVisible() && wizard->isModal() &&
                wizard->currentPage() == QStringLiteral("start");
        EXPECT_EQ(control<QLabel>(wizard, "Label1")->text(),
                  QStringLiteral("Welcome to the Online Update"));
        keyboardtest::press(wizard, Qt::Key_Escape);
    });
    control<QAbstractButton>(app->mainForm(), "OnlineupdateButton")->click();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(dialog.requests().size(), messages);  // no "not finished yet"
}

}  // namespace
}  // namespace trivanto
