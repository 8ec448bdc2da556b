#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

#include "core/game/game_engine.h"
#include "support/app_fixture.h"
#include "support/category_files.h"
#include "support/keyboard_keys.h"
#include "ui/setup/spieler_form.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_game.h"
#include "ui/widgets/t_dot_matrix_label.h"

namespace trivanto {
namespace {

using keyboardtest::focusName;
using keyboardtest::press;
using keyboardtest::type;

// A whole game through the real windows with the keyboard alone: every action is a key sent to
// the control that has the focus, as a player at the keyboard would.
class KeyboardWholeGameTest : public ShellAppTest {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        // In pool order: Animals 1-5, Bridges 1-5, Bridges estimates 1-2, Cities 1-12.
        setuptest::writeCategory(progDir(), QStringLiteral("Animals"), 5);
        setuptest::writeCategory(progDir(), QStringLiteral("Bridges"), 5, 2);
        setuptest::writeCategory(progDir(), QStringLiteral("Cities"), 12);
        ASSERT_TRUE(startApp());
        main = app->mainForm();
        engine = app->engine();
    }

    QString msg(Msg key) const { return app->catalogue().text(key); }
    bool shown(const char* name) { return control(main, name)->isVisibleTo(main); }
    QString label(const char* name) { return control<QLabel>(main, name)->text(); }
    QString lcd(int n) {
        return main->findChild<TDotMatrixLabel*>(QStringLiteral("LCD%1").arg(n))->text();
    }
    // The bet as a player types it: the offered bet is selected, so typing replaces it.
    void bet(const QString& amount) {
        ASSERT_EQ(focusName(main), "Geldsetzen");
        type(main, amount);
        press(main, Qt::Key_Return);
    }

    TMainForm* main = nullptr;
    GameEngine* engine = nullptr;
};

TEST_F(KeyboardWholeGameTest, TwoPlayersPlayAShortGameWithoutTheMouse) {
    TSpielerForm* setup = app->spielerForm();
    // The draw: slots 1-3 Animals 1-3, slot 4 the first estimation, slots 12 to 20 pass over
    // the second one, the rest in pool order; then one joker, on slot 5.
    random.push({1, 1, 1, 8});
    for (int j = 5; j <= 20; ++j) {
        random.push(j >= 12 ? 2 : 1);
    }
    random.push({1, 5});

    EXPECT_EQ(focusName(main), "NeuesSpielButton");
    bool setupDone = false;
    const auto setUpByKeys = [&] {
        // The window opens on the player count; the arrow key chooses two players.
        ASSERT_EQ(focusName(setup), "FlatRadioButton1");
        press(setup, Qt::Key_Right);
        EXPECT_TRUE(control<QAbstractButton>(setup, "FlatRadioButton2")->isChecked());
        press(setup, Qt::Key_Tab);
        ASSERT_EQ(focusName(setup), "Edit1");
        type(setup, QStringLiteral("Ann"));  // Tab selected the old name
        press(setup, Qt::Key_Tab);
        ASSERT_EQ(focusName(setup), "Edit2");
        type(setup, QStringLiteral("Bob"));

        for (int step = 0; step < 12 && focusName(setup) != "Rubrikwahl"; ++step) {
            press(setup, Qt::Key_Tab);
        }
        ASSERT_EQ(focusName(setup), "Rubrikwahl");
        auto* list = control<QListWidget>(setup, "Rubrikwahl");
        for (int row = 0; row < list->count(); ++row) {
            if (row > 0) {
                press(setup, Qt::Key_Down);
            }
            press(setup, Qt::Key_Space);
        }
        EXPECT_EQ(control<QLabel>(setup, "AnzFragLabel")->text(), QStringLiteral("24"));

        for (const char* next : {"AllesButton", "NichtsButton", "MaxCombo"}) {
            press(setup, Qt::Key_Tab);
            ASSERT_EQ(focusName(setup), next);
        }
        press(setup, Qt::Key_Up);  // 20 questions: ten each
        EXPECT_EQ(control<QComboBox>(setup, "MaxCombo")->currentText(), QStringLiteral("20"));
        setupDone = true;
        press(setup, Qt::Key_Return);
    };
    whenModal([&] {
        setUpByKeys();
        setup->hide();  // after a failure above; a started game has hidden it already
    });
    press(main, Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(setupDone);
    finishStart();
    ASSERT_FALSE(setup->isVisible());
    ASSERT_TRUE(dialog.empty()) << dialog.last().text.toStdString();
    ASSERT_TRUE(main->gameInProgress());

    // Question 1, Ann: the right answer by its digit; Enter on the result screen goes on.
    EXPECT_EQ(label("AktuellerSpielerLabel"), QStringLiteral("Ann"));
    bet(QStringLiteral("100"));
    ASSERT_TRUE(shown("AntwortButtonPanel"));
    EXPECT_EQ(label("FrageLabel"), QStringLiteral("Animals question 1"));
    press(main, Qt::Key_1);
    EXPECT_TRUE(shown("RichtigImage"));
    EXPECT_EQ(lcd(1), QStringLiteral("1100"));
    press(main, Qt::Key_Return);

    // Question 2, Bob: a wrong answer on the keypad; the bet goes to Ann.
    EXPECT_EQ(label("AktuellerSpielerLabel"), QStringLiteral("Bob"));
    bet(QStringLiteral("200"));
    press(main, Qt::Key_3, Qt::KeypadModifier);
    EXPECT_TRUE(shown("FalschImage"));
    EXPECT_EQ(lcd(1), QStringLiteral("1300"));
    EXPECT_EQ(lcd(2), QStringLiteral("800"));
    press(main, Qt::Key_Enter, Qt::KeypadModifier);

    // Question 3, Ann: nobody answers and the time runs out.
    bet(QStringLiteral("300"));
    for (int tick = 0; tick < 17; ++tick) {
        clock.advance(1000);
    }
    EXPECT_TRUE(shown("FalschImage"));
    EXPECT_EQ(lcd(1), QStringLiteral("1000"));
    EXPECT_EQ(lcd(2), QStringLiteral("1100"));
    press(main, Qt::Key_Return);

    // Question 4, Bob bets on an estimation; Enter moves from guess to guess and settles.
    bet(QStringLiteral("100"));
    ASSERT_EQ(focusName(main), "SchaetzungSpieler1");
    type(main, QStringLiteral("90"));
    press(main, Qt::Key_Return);
    ASSERT_EQ(focusName(main), "SchaetzungSpieler2");
    type(main, QStringLiteral("150"));
    press(main, Qt::Key_Return);
    EXPECT_TRUE(shown("SchaetzfrageImage"));
    EXPECT_EQ(label("NahDran"), msg(Msg::MsgClosestGuess) + QStringLiteral("Ann"));
    EXPECT_EQ(lcd(1), QStringLiteral("1100"));
    ASSERT_EQ(focusName(main), "GoOn");
    // A stray Shift first does not cost the shortcut: Enter goes on from here too.
    press(main, Qt::Key_Shift);
    press(main, Qt::Key_Return);
    EXPECT_FALSE(shown("SchaetzfrageImage"));

    // Question 5, Ann: the joker pays the bet once.
    random.push(1);
    bet(QStringLiteral("500"));
    EXPECT_TRUE(shown("JokerImage"));
    EXPECT_EQ(lcd(1), QStringLiteral("1600"));
    // An Enter still held from the bet repeats: that must not skip the joker's result.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    EXPECT_TRUE(shown("JokerImage"));
    press(main, Qt::Key_Return);
    EXPECT_FALSE(shown("JokerImage"));

    // Questions 6 to 20: Enter takes the offered bet (each player's last one), 1 is right.
    for (int question = 6; question <= 20; ++question) {
        SCOPED_TRACE(question);
        ASSERT_EQ(label("AktuelleFrageLabel"), QStringLiteral("Question %1 of 20").arg(question));
        ASSERT_EQ(focusName(main), "Geldsetzen");
        press(main, Qt::Key_Return);
        press(main, Qt::Key_1);
        ASSERT_TRUE(shown("RichtigImage"));
        press(main, Qt::Key_Return);
    }

    // Ann: 1600 + 7 x 500, Bob: 1100 + 8 x 100; ten questions each doubles the score.
    EXPECT_EQ(lcd(1), QStringLiteral("5100"));
    EXPECT_EQ(lcd(2), QStringLiteral("1900"));
    EXPECT_TRUE(shown("EndeImage"));
    EXPECT_EQ(label("GewinnerLabel"), msg(Msg::MsgWinnerIs) + QStringLiteral("Ann ") +
                                          msg(Msg::MsgWithInfix) + QStringLiteral("10200\u00A0$*"));
    EXPECT_FALSE(main->gameInProgress());
    EXPECT_TRUE(random.exhausted());
    EXPECT_TRUE(dialog.empty());
}

TEST_F(KeyboardWholeGameTest, ShortcutsAndTheLargeButtonsTakeTheKeys) {
    struct Case {
        const char* name;
        std::function<void()> keys;
        bool opensSetup;
    };
    const Case cases[] = {
        {"Ctrl+N", [&] { press(main, Qt::Key_N, Qt::ControlModifier); }, true},
        {"Enter on New Game", [&] { press(main, Qt::Key_Return); }, true},
        {"Space on New Game", [&] { press(main, Qt::Key_Space); }, true},
        {"N alone", [&] { press(main, Qt::Key_N); }, false},
        {"Ctrl+Shift+N", [&] { press(main, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier); },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        control(main, "NeuesSpielButton")->setFocus();
        bool opened = false;
        // A timer that finds no modal setup is dropped by the next case's keys.
        whenModal([&] {
            opened = app->spielerForm()->isVisible();
            if (opened) {
                press(app->spielerForm(), Qt::Key_Escape);
            }
        });
        c.keys();
        QCoreApplication::processEvents();
        EXPECT_EQ(opened, c.opensSetup);
        EXPECT_FALSE(app->spielerForm()->isVisible());
    }

    // Tab walks the large buttons; "Save Game" is disabled without a game and is skipped.
    control(main, "NeuesSpielButton")->setFocus();
    std::vector<std::string> walked{focusName(main)};
    for (int i = 0; i < 7; ++i) {
        press(main, Qt::Key_Tab);
        walked.push_back(focusName(main));
    }
    const std::vector<std::string> expected{
        "NeuesSpielButton",   "OeffnenButton", "BestenlisteButton", "FragenkatalogButton",
        "OnlineupdateButton", "HilfeButton",   "BeendenButton",     "TonButton"};
    EXPECT_EQ(walked, expected);

    // Enter on "Help" opens the help; Ctrl+Q leaves the program.
    control(main, "HilfeButton")->setFocus();
    press(main, Qt::Key_Return);
    EXPECT_EQ(help.topics(), QStringList{QStringLiteral("INDEX")});
    bool closed = false;
    QObject::connect(main, &TMainForm::FormClose, [&] { closed = true; });
    press(main, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace trivanto
