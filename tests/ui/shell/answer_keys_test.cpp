#include <QPushButton>
#include <QSignalSpy>
#include <array>
#include <functional>
#include <memory>

#include "core/game/game_engine.h"
#include "support/app_fixture.h"
#include "support/keyboard_keys.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_game.h"

namespace trivanto {
namespace {

using keyboardtest::focusName;
using keyboardtest::press;

// The digit keys of the main window against the real application: a one-player game of two
// multiple-choice questions whose right answer is 2.
class KeyboardAnswerKeysTest : public ShellAppTest {
protected:
    static constexpr int kRight = 2;

    void SetUp() override {
        ShellAppTest::SetUp();
        ASSERT_TRUE(startApp());
        main = app->mainForm();
        engine = app->engine();
    }

    static GameQuestions questions() {
        GameQuestions list;
        for (int slot = 1; slot <= 2; ++slot) {
            const QString q = QStringLiteral("Question %1").arg(slot);
            list.push_back({q,
                            {q + QStringLiteral(" a"), q + QStringLiteral(" b"),
                             q + QStringLiteral(" c"), q + QStringLiteral(" d")},
                            QString::number(kRight)});
        }
        return list;
    }

    // A new game whose first question is shown: the offered bet placed with Enter.
    void openQuestion() {
        NewGameData data;
        data.PlayerCount = 1;
        data.QuestionsPerPlayer = 2;
        data.names[0] = QStringLiteral("Ann");
        ASSERT_TRUE(engine->NeuesSpiel(data, questions()));
        ASSERT_EQ(focusName(main), "Geldsetzen");
        press(main, Qt::Key_Return);
        ASSERT_EQ(engine->view().screen, Screen::XFrage);
    }

    // Watches the four answer buttons; clicks()[k - 1] counts presses of button k.
    struct AnswerSpies {
        explicit AnswerSpies(QWidget* main) {
            for (int k = 1; k <= 4; ++k) {
                auto* button =
                    main->findChild<QPushButton*>(QStringLiteral("Antwort%1Button").arg(k));
                spies[static_cast<std::size_t>(k - 1)] =
                    std::make_unique<QSignalSpy>(button, &QPushButton::clicked);
            }
        }
        std::array<qsizetype, 4> clicks() const {
            std::array<qsizetype, 4> counts{};
            for (std::size_t i = 0; i < counts.size(); ++i) {
                counts[i] = spies[i]->count();
            }
            return counts;
        }
        std::array<std::unique_ptr<QSignalSpy>, 4> spies;
    };

    TMainForm* main = nullptr;
    GameEngine* engine = nullptr;
};

TEST_F(KeyboardAnswerKeysTest, DigitsPressTheirAnswerWhereverTheFocusIs) {
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int answer;  // the button pressed; 0 for none
    };
    const Case cases[] = {
        {"1", Qt::Key_1, Qt::NoModifier, 1},
        {"2", Qt::Key_2, Qt::NoModifier, 2},
        {"3", Qt::Key_3, Qt::NoModifier, 3},
        {"4", Qt::Key_4, Qt::NoModifier, 4},
        {"keypad 1", Qt::Key_1, Qt::KeypadModifier, 1},
        {"keypad 2", Qt::Key_2, Qt::KeypadModifier, 2},
        {"keypad 4", Qt::Key_4, Qt::KeypadModifier, 4},
        {"0", Qt::Key_0, Qt::NoModifier, 0},
        {"5", Qt::Key_5, Qt::NoModifier, 0},
        {"keypad 5", Qt::Key_5, Qt::KeypadModifier, 0},
        {"Ctrl+2", Qt::Key_2, Qt::ControlModifier, 0},
        {"Alt+3", Qt::Key_3, Qt::AltModifier, 0},
        {"A", Qt::Key_A, Qt::NoModifier, 0},
    };
    // Where the focus is when the key comes: the answer area the question opens with, or a
    // control the player tabbed to.
    const char* focusPlaces[] = {nullptr, "Antwort4Button", "NeuesSpielButton"};
    for (const Case& c : cases) {
        for (const char* place : focusPlaces) {
            SCOPED_TRACE(std::string(c.name) + " with the focus on " + (place ? place : "open"));
            openQuestion();
            if (place != nullptr) {
                control(main, place)->setFocus();
            }
            AnswerSpies spies(main);
            press(main, c.key, c.modifiers);
            std::array<qsizetype, 4> expected{};
            if (c.answer > 0) {
                expected[static_cast<std::size_t>(c.answer - 1)] = 1;
            }
            EXPECT_EQ(spies.clicks(), expected);
            const Screen screen = c.answer == 0        ? Screen::XFrage
                                  : c.answer == kRight ? Screen::XRichtig
                                                       : Screen::XFalsch;
            EXPECT_EQ(engine->view().screen, screen);
        }
    }
}

TEST_F(KeyboardAnswerKeysTest, DigitsDoNothingWhileTheAnswersAreHidden) {
    struct Case {
        const char* name;
        std::function<void()> reach;
        Screen screen;
    };
    const Case cases[] = {
        {"no game", [] {}, Screen::XUnsichtbar},
        {"betting",
         [&] {
             NewGameData data;
             data.names[0] = QStringLiteral("Ann");
             data.QuestionsPerPlayer = 2;
             ASSERT_TRUE(engine->NeuesSpiel(data, questions()));
         },
         Screen::XUnsichtbar},
        {"right answer shown",
         [&] {
             openQuestion();
             press(main, Qt::Key_2);
         },
         Screen::XRichtig},
        {"wrong answer shown after the time ran out",
         [&] {
             openQuestion();
             for (int tick = 0; tick < 17; ++tick) {
                 clock.advance(1000);
             }
         },
         Screen::XFalsch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.reach();
        ASSERT_EQ(engine->view().screen, c.screen);
        const qint32 account = engine->state().Account[0];
        AnswerSpies spies(main);
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) {
            press(main, key);
        }
        EXPECT_EQ(spies.clicks(), (std::array<qsizetype, 4>{}));
        EXPECT_EQ(engine->view().screen, c.screen);
        EXPECT_EQ(engine->state().Account[0], account);
    }
}

TEST_F(KeyboardAnswerKeysTest, EachScreenPutsTheFocusWhereTheNextKeyBelongs) {
    openQuestion();
    // The answer area holds the focus; Tab goes on through the four answers.
    EXPECT_EQ(focusName(main), "AntwortButtonPanel");
    std::vector<std::string> walked;
    for (int k = 1; k <= 4; ++k) {
        press(main, Qt::Key_Tab);
        walked.push_back(focusName(main));
    }
    const std::vector<std::string> answers{"Antwort1Button", "Antwort2Button", "Antwort3Button",
                                           "Antwort4Button"};
    EXPECT_EQ(walked, answers);
    // Space on a focused answer is a press of that button.
    press(main, Qt::Key_Space);
    EXPECT_EQ(engine->view().screen, Screen::XFalsch);
    EXPECT_EQ(focusName(main), "GoOn");
    // Tab moves the focus and leaves the result screen; Space on "Proceed" goes on.
    press(main, Qt::Key_Tab);
    press(main, Qt::Key_Backtab);
    ASSERT_EQ(focusName(main), "GoOn");
    EXPECT_EQ(engine->view().screen, Screen::XFalsch);
    press(main, Qt::Key_Space);
    EXPECT_EQ(engine->state().QuestionNumber, 2);
    EXPECT_EQ(focusName(main), "Geldsetzen");
    // Shift+Tab leaves the bet field instead of bouncing back to it.
    press(main, Qt::Key_Backtab);
    EXPECT_NE(focusName(main), "Geldsetzen");
}

}  // namespace
}  // namespace trivanto
