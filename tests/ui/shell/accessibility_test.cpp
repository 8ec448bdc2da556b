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
#include "ui/widgets/t_flat_button.h"

namespace trivanto {
namespace {

// What a screen reader is told: every accessibility event with the name and description of
// its object at that moment.
struct HeardEvent {
    QAccessible::Event type;
    QString objectName;
    QString name;
    QString description;
};
std::vector<HeardEvent>* g_heard = nullptr;

void hear(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    if (g_heard == nullptr || iface == nullptr || event->object() == nullptr) {
        return;
    }
    g_heard->push_back({event->type(), event->object()->objectName(),
                        iface->text(QAccessible::Name), iface->text(QAccessible::Description)});
}

// Every window of the application in one language, in the screens a game goes through.
class AccessibilityTest : public ShellAppTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        ASSERT_TRUE(startApp(environment(GetParam())));
        m_oldHandler = QAccessible::installUpdateHandler(hear);
        QAccessible::setActive(true);
        g_heard = &heard;
    }
    void TearDown() override {
        g_heard = nullptr;
        QAccessible::installUpdateHandler(m_oldHandler);
        QAccessible::setActive(false);
        ShellAppTest::TearDown();
    }

    // The controls of every window the player would see without a name for screen readers.
    QStringList unnamedControls() const {
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
        return unnamed;
    }

    void startGame() {
        std::vector<QuestionSlot> list;
        for (int i = 1; i <= 4; ++i) {
            list.push_back(gametest::mcSlot(QStringLiteral("Which & why %1?").arg(i)));
        }
        NewGameData data;
        data.PlayerCount = 2;
        data.QuestionsPerPlayer = 2;
        data.names = {QStringLiteral("Ann"), QStringLiteral("Bob"), {}, {}};
        ASSERT_TRUE(app->engine()->NeuesSpiel(data, std::move(list)));
    }
    void answer(int k) {
        ASSERT_TRUE(app->engine()->EinsatzPruefen(QStringLiteral("100")));
        QTest::mouseClick(
            control(app->mainForm(), qPrintable(QStringLiteral("Antwort%1Button").arg(k))),
            Qt::LeftButton);
    }
    // The alerts raised since `from`, as name: description.
    QStringList alertsSince(std::size_t from) const {
        QStringList alerts;
        for (std::size_t i = from; i < heard.size(); ++i) {
            if (heard[i].type == QAccessible::Alert) {
                alerts << heard[i].description;
            }
        }
        return alerts;
    }
    QString nameOf(const char* control) {
        return accessibility::nameOf(this->control(app->mainForm(), control));
    }

    std::vector<HeardEvent> heard;

private:
    QAccessible::UpdateHandler m_oldHandler = nullptr;
};

TEST_P(AccessibilityTest, EveryControlOfEveryWindowHasAName) {
    EXPECT_EQ(unnamedControls(), QStringList()) << "at start";
    startGame();
    EXPECT_EQ(unnamedControls(), QStringList()) << "betting";
    ASSERT_TRUE(app->engine()->EinsatzPruefen(QStringLiteral("100")));
    EXPECT_EQ(unnamedControls(), QStringList()) << "question";
    QTest::mouseClick(control(app->mainForm(), "Antwort1Button"), Qt::LeftButton);
    EXPECT_EQ(unnamedControls(), QStringList()) << "result";
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
    EXPECT_EQ(nameOf("LCD1"), QStringLiteral("900"));
}

TEST_P(AccessibilityTest, TheResultIsAnnouncedInWordsNotByColourAlone) {
    const bool german = GetParam() == Language::Deutsch;
    startGame();
    std::size_t from = heard.size();
    answer(1);
    const QString right = german ? QStringLiteral("Richtig!") : QStringLiteral("Right!");
    EXPECT_EQ(alertsSince(from), QStringList{right});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control(app->mainForm(), "GoOn"))
                  ->text(QAccessible::Description),
              right);

    QTest::mouseClick(control(app->mainForm(), "GoOn"), Qt::LeftButton);
    from = heard.size();
    answer(2);
    const QStringList alerts = alertsSince(from);
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(
        alerts.first().startsWith(german ? QStringLiteral("Falsch!") : QStringLiteral("Wrong!")))
        << alerts.first().toStdString();
    // The right answer is told with it.
    EXPECT_TRUE(alerts.first().endsWith(QStringLiteral("Which & why 2? A1")))
        << alerts.first().toStdString();
}

TEST_P(AccessibilityTest, ChangingTextsAreToldToScreenReaders) {
    startGame();
    ASSERT_TRUE(app->engine()->EinsatzPruefen(QStringLiteral("100")));
    const auto told = [this](const char* objectName, const QString& name) {
        return std::any_of(heard.begin(), heard.end(), [&](const HeardEvent& e) {
            return e.type == QAccessible::NameChanged &&
                   e.objectName == QLatin1String(objectName) && e.name == name;
        });
    };
    EXPECT_TRUE(told("FrageLabel", QStringLiteral("Which & why 1?")));
    EXPECT_TRUE(told("Antwort3Button", QStringLiteral("Which & why 1? A3")));
    EXPECT_TRUE(told("LCD1", QStringLiteral("900")));
    clock.advance(1000);
    EXPECT_TRUE(told("Label3", accessibility::nameOf(control(app->mainForm(), "Label3"))));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, AccessibilityTest,
                         ::testing::Values(Language::Englisch, Language::Deutsch),
                         [](const auto& info) {
                             return testName(info.param == Language::Deutsch ? "German"
                                                                             : "English");
                         });

}  // namespace
}  // namespace trivanto
