#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "core/game/game_engine.h"
#include "support/app_fixture.h"
#include "support/game_fixture.h"
#include "support/test_names.h"
#include "ui/shell/main_form.h"
#include "ui/widgets/accessible_names.h"
#include "ui/widgets/t_dot_matrix_label.h"
#include "ui/widgets/t_flat_button.h"

namespace trivanto {
namespace {

// Every window of the application in one language, in the screens a game goes through.
class AccessibilityTest : public ShellAppTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        ASSERT_TRUE(startApp(environment(GetParam())));
        accessibility::setAnnouncementListener([this](QWidget* source, const QString& text) {
            announced << source->objectName() + QStringLiteral(": ") + text;
        });
    }
    void TearDown() override {
        accessibility::setAnnouncementListener({});
        ShellAppTest::TearDown();
    }

    // The controls of every window the player would see without a name for screen readers.
    std::string unnamedControls() const {
        QStringList unnamed;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QList<QWidget*> widgets = window->findChildren<QWidget*>();
            widgets.prepend(window);
            for (QWidget* widget : widgets) {
                if (accessibility::isPlayerControl(widget) && widget->isVisibleTo(window) &&
                    widget->isEnabled() && accessibility::nameOf(widget).isEmpty()) {
                    unnamed << window->objectName() + QLatin1Char('/') + widget->objectName() +
                                   QLatin1Char(' ') +
                                   QLatin1String(widget->metaObject()->className());
                }
            }
        }
        return unnamed.join(QLatin1Char('\n')).toStdString();
    }

    void startGame() {
        ASSERT_TRUE(beginGame({QStringLiteral("Ann"), QStringLiteral("Bob"), {}, {}}, 2, 2,
                              QStringLiteral("Which & why %1?")));
    }
    void answer(int k) {
        ASSERT_TRUE(app->engine()->EinsatzPruefen(QStringLiteral("100")));
        QTest::mouseClick(
            control(app->mainForm(), qPrintable(QStringLiteral("Antwort%1Button").arg(k))),
            Qt::LeftButton);
    }
    QString nameOf(const char* control) {
        return accessibility::nameOf(this->control(app->mainForm(), control));
    }

    QStringList announced;  // "source: text"
};

TEST_P(AccessibilityTest, EveryControlOfEveryWindowHasAName) {
    EXPECT_EQ(unnamedControls(), "") << "at start";
    startGame();
    EXPECT_EQ(unnamedControls(), "") << "betting";
    ASSERT_TRUE(app->engine()->EinsatzPruefen(QStringLiteral("100")));
    EXPECT_EQ(unnamedControls(), "") << "question";
    QTest::mouseClick(control(app->mainForm(), "Antwort1Button"), Qt::LeftButton);
    EXPECT_EQ(unnamedControls(), "") << "result";
}

TEST_P(AccessibilityTest, AnswersCarryTheirTextsAndTheQuestion) {
    startGame();
    ASSERT_TRUE(app->engine()->EinsatzPruefen(QStringLiteral("100")));
    for (int k = 1; k <= 4; ++k) {
        auto* button = control<TFlatButton>(app->mainForm(),
                                            qPrintable(QStringLiteral("Antwort%1Button").arg(k)));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(iface, nullptr);
        // "&" from the question file is spoken as it is, never taken as a shortcut mark.
        EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Which & why 1? A%1").arg(k));
        EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("Which & why 1?"));
    }
    EXPECT_EQ(nameOf("FrageLabel"), QStringLiteral("Which & why 1?"));
    // The countdown and the accounts are read from their displays.
    EXPECT_FALSE(nameOf("Label3").isEmpty());
    EXPECT_EQ(nameOf("LCD1"), QStringLiteral("1000"));
}

TEST_P(AccessibilityTest, TheResultIsAnnouncedInWordsNotByColourAlone) {
    const bool german = GetParam() == Language::Deutsch;
    startGame();
    answer(1);
    const QString right = german ? QStringLiteral("Richtig!") : QStringLiteral("Right!");
    EXPECT_EQ(announced, QStringList{QStringLiteral("GoOn: ") + right});
    // It stays on "Proceed", which has the focus, for a reader who comes back to it.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control(app->mainForm(), "GoOn"))
                  ->text(QAccessible::Description),
              right);

    QTest::mouseClick(control(app->mainForm(), "GoOn"), Qt::LeftButton);
    announced.clear();
    answer(2);
    // "Wrong!", then the caption and the right answer as the window shows them.
    ASSERT_EQ(announced.size(), 1);
    const QString wrong = german ? QStringLiteral("GoOn: Falsch! Die richtige Antwort lautet: ")
                                 : QStringLiteral("GoOn: Wrong! The correct answer is: ");
    EXPECT_EQ(announced.first(), wrong + QStringLiteral("Which & why 2? A1"));
}

TEST_P(AccessibilityTest, DisplaysAreReadByTheirCurrentText) {
    startGame();
    ASSERT_TRUE(app->engine()->EinsatzPruefen(QStringLiteral("100")));
    const QString before = nameOf("Label3");
    ASSERT_FALSE(before.isEmpty());
    clock.advance(2000);
    EXPECT_NE(nameOf("Label3"), before);
    EXPECT_EQ(nameOf("Label3"), control<TDotMatrixLabel>(app->mainForm(), "Label3")->text());
    QTest::mouseClick(control(app->mainForm(), "Antwort1Button"), Qt::LeftButton);
    EXPECT_EQ(nameOf("LCD1"), QStringLiteral("1100"));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, AccessibilityTest,
                         ::testing::Values(Language::Englisch, Language::Deutsch),
                         [](const auto& info) {
                             return testName(info.param == Language::Deutsch ? "German"
                                                                             : "English");
                         });

}  // namespace
}  // namespace trivanto
