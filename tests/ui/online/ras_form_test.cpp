// The dial-up window on its own, on the online services' fakes, driven through its controls.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "core/lang/window_texts.h"
#include "support/fake_online_services.h"
#include "support/test_names.h"
#include "ui/common/window_text_applier.h"
#include "ui/online/ras_form.h"
#include "ui/widgets/t_eliding_combo_box.h"

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
        online.backend.errorTexts[678] = QStringLiteral("The remote computer did not respond.");
        applyWindowTexts(&form,
                         resolvedWindowTexts(QStringLiteral("TRASForm"), Language::Englisch));
    }

    template <typename T = QWidget>
    T* control(const char* name) {
        T* found = form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAbstractButton* button(const char* name) { return control<QAbstractButton>(name); }
    QStringList statusLines() {
        return control<QPlainTextEdit>("lblstatus")->toPlainText().split(QLatin1Char('\n'));
    }

    // EnsureOnline on a system without connection, up to the window.
    void openWindow() {
        online.manager.EnsureOnline([this](bool on) {
            EXPECT_FALSE(outcome.has_value()) << "EnsureOnline ended twice";
            outcome = on;
        });
        online.backend.settle();
        ASSERT_TRUE(form.isVisible());
    }
    // Connect pressed and the system has started dialling.
    void startDial() {
        button("btndialentry")->click();
        online.backend.settle();
        ASSERT_EQ(online.backend.dials().size(), 1);
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
    EXPECT_TRUE(button("btndialentry")->isEnabled());
    EXPECT_TRUE(button("FlatButton1")->isEnabled());
    EXPECT_FALSE(control("lvConnections")->isVisible());
    EXPECT_FALSE(outcome.has_value());
}

// The stored password is shown only when the system says one is stored.
TEST_F(RasFormTest, ChoosingAnEntryLoadsItsNameAndOnlyAStoredPassword) {
    openWindow();
    auto* entries = control<QComboBox>("lstentries");
    entries->setFocus();
    QTest::keyClick(entries, Qt::Key_Down);  // a closed combo box chooses the next entry
    ASSERT_EQ(entries->currentIndex(), 1);
    EXPECT_EQ(control<QLineEdit>("txtUserName")->text(), QStringLiteral("bert"));
    EXPECT_TRUE(control<QLineEdit>("txtPassword")->text().isEmpty());
}

TEST_F(RasFormTest, ConnectDialsWithWhatWasTypedAndConnectedClosesTheWindowOnLine) {
    openWindow();
    auto* user = control<QLineEdit>("txtUserName");
    user->selectAll();
    QTest::keyClicks(user, QStringLiteral("carla"));
    auto* password = control<QLineEdit>("txtPassword");
    password->clear();
    QTest::keyClicks(password, QStringLiteral("pa&ss"));
    startDial();
    const DialRequest& request = online.backend.dials().first();
    EXPECT_EQ(request.entryName, QStringLiteral("Home"));
    EXPECT_EQ(request.userName, QStringLiteral("carla"));
    EXPECT_EQ(request.password, QStringLiteral("pa&ss"));
    // While the system dials, Cancel cannot be pressed; the close icon still could.
    EXPECT_FALSE(button("FlatButton1")->isEnabled());
    EXPECT_TRUE(button("Button3")->isEnabled());

    online.backend.notify(RasOpenPort);
    online.backend.notify(RasPortOpened);
    EXPECT_EQ(statusLines(), (QStringList{fake.catalogue.text(Msg::MsgRasOpenPort),
                                          fake.catalogue.text(Msg::MsgRasPortOpened)}));
    EXPECT_TRUE(form.isVisible());

    online.backend.connections = {QStringLiteral("Home")};
    online.backend.notify(RasConnected);
    online.backend.settle();
    EXPECT_EQ(statusLines().last(), QStringLiteral("Connected"));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(outcome, std::optional<bool>(true));
    EXPECT_TRUE(online.online.IsOnline());
}

// A dial that fails later shows the system's reason in red; the user may dial again, confirm
// by hand or cancel, and the close icon ends the run off line.
TEST_F(RasFormTest, AFailedDialShowsTheReasonInRedAndTheWindowStaysUntilClosed) {
    openWindow();
    startDial();
    auto* status = control<QPlainTextEdit>("lblstatus");
    const QColor normal = status->palette().color(QPalette::Text);
    online.backend.notify(RasOpenPort);
    online.backend.notify(RasDisconnected, 678);
    online.backend.settle();
    EXPECT_EQ(statusLines().last(), QStringLiteral("The remote computer did not respond."));
    EXPECT_NE(status->palette().color(QPalette::Text), normal);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(outcome.has_value());
    EXPECT_TRUE(button("btndialentry")->isEnabled());
    EXPECT_TRUE(button("FlatButton1")->isEnabled());

    button("Button3")->click();
    online.backend.settle();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(outcome, std::optional<bool>(false));
}

// Enter in a field connects; on a focused button it presses that button.
TEST_F(RasFormTest, EnterConnectsFromTheFieldsAndPressesAFocusedButton) {
    openWindow();
    QTest::keyClick(control("txtPassword"), Qt::Key_Return);
    online.backend.settle();
    ASSERT_EQ(online.backend.dials().size(), 1);
    EXPECT_EQ(online.backend.dials().first().entryName, QStringLiteral("Home"));

    button("FlatButton2")->setFocus();
    fake.dialog.pushAnswer(AnswerNo);
    QTest::keyClick(button("FlatButton2"), Qt::Key_Enter);
    online.backend.settle();
    EXPECT_EQ(online.backend.dials().size(), 1);
    ASSERT_EQ(fake.dialog.requests().size(), 1u);
    EXPECT_EQ(fake.dialog.last().text, fake.catalogue.text(Msg::MsgAskConnected));
    EXPECT_EQ(outcome, std::optional<bool>(false));
}

// Escape is the close icon: it closes the window even while a dial runs.
TEST_F(RasFormTest, EscapeClosesTheWindowEvenDuringADial) {
    openWindow();
    startDial();
    ASSERT_FALSE(button("FlatButton1")->isEnabled());
    QTest::keyClick(&form, Qt::Key_Escape);
    online.backend.settle();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(outcome, std::optional<bool>(false));
}

TEST_F(RasFormTest, CancelClosesTheWindowOffLineWithoutDialling) {
    openWindow();
    button("FlatButton1")->click();
    online.backend.settle();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(outcome, std::optional<bool>(false));
    EXPECT_TRUE(online.backend.dials().isEmpty());
}

// Manually ...: the window closes, the user is asked whether the connection is up, and the
// answer decides.
TEST_F(RasFormTest, ManuallyClosesTheWindowAndTheAnswerDecides) {
    for (const int answer : {AnswerYes, AnswerNo, AnswerCancel}) {
        SCOPED_TRACE(answer);
        fake.dialog.clear();
        outcome.reset();
        online.online.setOnline(false);
        openWindow();
        fake.dialog.onShow = [this](const MessageRequest&) {
            EXPECT_FALSE(form.isVisible()) << "the question is asked over the dial-up window";
        };
        fake.dialog.pushAnswer(answer);
        button("FlatButton2")->click();
        online.backend.settle();
        ASSERT_EQ(fake.dialog.requests().size(), 1u);
        EXPECT_EQ(fake.dialog.last().text, fake.catalogue.text(Msg::MsgAskConnected));
        EXPECT_EQ(fake.dialog.last().mode, DialogMode::Question);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(outcome, std::optional<bool>(answer == AnswerYes));
        fake.dialog.onShow = nullptr;
    }
}

TEST_F(RasFormTest, ALongEntryNameEndsInAnEllipsisAndIsWholeInTheToolTip) {
    const QString name = QStringLiteral("Wired connection of the second floor office, port 12");
    online.backend.entries.prepend({QStringLiteral("long-id"), name, QString(), QString(), false});
    openWindow();
    auto* entries = control<TElidingComboBox>("lstentries");
    EXPECT_TRUE(entries->shownText().endsWith(QChar(0x2026)));
    EXPECT_LT(entries->shownText().size(), name.size());
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), entries->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(entries, &hover);
    EXPECT_EQ(entries->toolTip(), name);
}

// Every caption of the window is whole in both languages: the buttons share their row by
// their captions, the labels fit their places.
class RasFormCaptions : public ::testing::TestWithParam<Language> {};

TEST_P(RasFormCaptions, FitTheirControls) {
    FakeServices fake(QStringLiteral("prog"), QStringLiteral("win"), GetParam());
    FakeOnlineServices online{fake};
    online.backend.entries = {{QStringLiteral("id"), QStringLiteral("Home"), {}, {}, false}};
    TRASForm form{online.manager};
    applyWindowTexts(&form, resolvedWindowTexts(QStringLiteral("TRASForm"), GetParam()));
    online.manager.EnsureOnline([](bool) {});
    online.backend.settle();
    ASSERT_TRUE(form.isVisible());

    int right = 0;
    for (const char* name : {"btndialentry", "FlatButton2", "FlatButton1"}) {
        auto* button = form.findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        // Border and padding of a button take 14 pixels.
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 14,
                  button->width())
            << name << " \"" << button->text().toStdString() << '"';
        EXPECT_GT(button->x(), right) << name << " overlaps its neighbour";
        right = button->geometry().right();
    }
    EXPECT_LE(right, TRASForm::kSize.width() - 10);
    for (const char* name : {"Label4", "Label2", "lblUserName", "lblPassword"}) {
        auto* label = form.findChild<QLabel*>(QLatin1String(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
            << name;
    }
    auto* hint = form.findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(hint, nullptr);
    EXPECT_LE(hint->heightForWidth(hint->width()), hint->height());
}

INSTANTIATE_TEST_SUITE_P(Languages, RasFormCaptions,
                         ::testing::Values(Language::Englisch, Language::Deutsch),
                         [](const auto& info) {
                             return testName(info.param == Language::Deutsch ? "German"
                                                                             : "English");
                         });

}  // namespace
}  // namespace trivanto
