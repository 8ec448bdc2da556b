// The dial-up window on its own, on the online services' fakes.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "support/fake_online_services.h"
#include "ui/online/ras_form.h"

namespace trivanto {
namespace {

class RasFormTest : public ::testing::Test {
protected:
    RasFormTest() {
        online.backend.entries = {
            {QStringLiteral("home-id"), QStringLiteral("Home"), QStringLiteral("anna"),
             QStringLiteral("secret"), true},
            {QStringLiteral("work-id"), QStringLiteral("Work"), QStringLiteral("bert"),
             QStringLiteral("forgotten"), false},
        };
    }

    template <typename T = QWidget>
    T* control(const char* name) {
        T* found = form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // EnsureOnline on a system without connection, up to the window.
    void openWindow() {
        online.manager.EnsureOnline([this](bool on) { outcome = on; });
        online.backend.settle();
        ASSERT_TRUE(form.isVisible());
    }

    FakeServices fake;
    FakeOnlineServices online{fake};
    TRASForm form{online.manager};
    std::optional<bool> outcome;
};

TEST_F(RasFormTest, OpensModallyWithTheEntriesAndTheFirstEntrysStoredNames) {
    EXPECT_FALSE(form.isVisible());
    openWindow();
    EXPECT_EQ(form.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(form.size(), TRASForm::kSize);
    auto* entries = control<QComboBox>("lstentries");
    ASSERT_EQ(entries->count(), 2);
    EXPECT_EQ(entries->itemText(1), QStringLiteral("Work"));
    EXPECT_EQ(entries->currentIndex(), 0);
    EXPECT_EQ(control<QLineEdit>("txtUserName")->text(), QStringLiteral("anna"));
    EXPECT_EQ(control<QLineEdit>("txtPassword")->text(), QStringLiteral("secret"));
    EXPECT_EQ(control<QLineEdit>("txtPassword")->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(control<QAbstractButton>("btndialentry")->isEnabled());
    EXPECT_FALSE(outcome.has_value());
}

}  // namespace
}  // namespace trivanto
