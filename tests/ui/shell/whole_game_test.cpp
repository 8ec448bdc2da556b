#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "core/common/file_path.h"
#include "core/game/game_engine.h"
#include "core/setup/new_game_setup.h"
#include "support/app_fixture.h"
#include "support/category_files.h"
#include "support/scripted_file_dialogs.h"
#include "ui/common/warten_form.h"
#include "ui/scores/onlinehighscore_form.h"
#include "ui/setup/spieler_form.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_game.h"
#include "ui/widgets/t_dot_matrix_label.h"

namespace trivanto {
namespace {

// A whole game through the real windows of the program, built in-process on fakes.
class WholeGameTest : public ShellAppTest {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        // In pool order: Animals 1-5, Bridges 1-5, Bridges estimates 1-2, Cities 1-12.
        setuptest::writeCategory(progDir(), QStringLiteral("Animals"), 5);
        setuptest::writeCategory(progDir(), QStringLiteral("Bridges"), 5, 2);
        setuptest::writeCategory(progDir(), QStringLiteral("Cities"), 12);
        AppEnvironment env = environment();
        env.fileDialogs = &files;
        ASSERT_TRUE(startApp(env));
        main = app->mainForm();
        engine = app->engine();
    }

    QString msg(Msg key) const { return app->catalogue().text(key); }
    template <typename T = QWidget>
    T* main_(const char* name) {
        return control<T>(main, name);
    }
    bool shown(const char* name) { return main_(name)->isVisibleTo(main); }
    QString label(const char* name) { return main_<QLabel>(name)->text(); }
    QString lcd(int n) {
        return main->findChild<TDotMatrixLabel*>(QStringLiteral("LCD%1").arg(n))->text();
    }
    void click(const char* name) { QTest::mouseClick(main_(name), Qt::LeftButton); }
    void enterBet(const QString& amount) {
        auto* field = main_<QLineEdit>("Geldsetzen");
        field->selectAll();
        QTest::keyClicks(field, amount);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void pressEnter() { QTest::keyClick(main, Qt::Key_Return); }

    ScriptedFileDialogs files;
    TMainForm* main = nullptr;
    GameEngine* engine = nullptr;
};

TEST_F(WholeGameTest, TwoPlayersPlayTheShortestGameToTheEnd) {
    TSpielerForm* setup = app->spielerForm();
    QStringList waitingTexts;
    // The draw: slots 1-3 Animals 1-3, slot 4 the first estimation, slots 12 to 20 pass
    // over the second one, the rest in pool order; then one joker, on slot 5.
    random.push({1, 1, 1, 8});
    for (int j = 5; j <= 20; ++j) {
        random.push(j >= 12 ? 2 : 1);
    }
    random.push({1, 5});

    whenModal([&] {
        QTest::mouseClick(control(setup, "FlatRadioButton2"), Qt::LeftButton);
        for (int n : {1, 2}) {
            auto* edit = setup->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
            edit->selectAll();
            QTest::keyClicks(edit, n == 1 ? QStringLiteral("Ann") : QStringLiteral("Bob"));
        }
        auto* list = control<QListWidget>(setup, "Rubrikwahl");
        for (int row = 0; row < list->count(); ++row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
        }
        EXPECT_EQ(control<QLabel>(setup, "AnzFragLabel")->text(), QStringLiteral("24"));
        control<QComboBox>(setup, "MaxCombo")->setCurrentIndex(0);  // 20: ten each
        QTest::mouseClick(control(setup, "OKButton"), Qt::LeftButton);
    });
    click("NeuesSpielButton");
    ASSERT_FALSE(setup->isVisible());
    // The waiting window shows each category while the start runs on the clock.
    while (app->setup()->building()) {
        const QString text = app->wartenForm()->FrageInfoLabel->text();
        if (app->wartenForm()->isVisible() && !waitingTexts.contains(text)) {
            waitingTexts << text;
        }
        if (app->setup()->writingGameList()) {
            app->setup()->waitForGameList();  // the last step handed "game.log" to a worker
        } else {
            ASSERT_TRUE(clock.advanceToNextTimer());
        }
    }
    EXPECT_TRUE(sound.played().contains(filePath(progDir(), QStringLiteral("audio02.snd"))));
    EXPECT_EQ(waitingTexts.first(), msg(Msg::MsgLoadingCategory) + QStringLiteral("1 / 3") +
                                        msg(Msg::MsgLoadingCategoryTail));
    EXPECT_EQ(waitingTexts.size(), 3);
    EXPECT_FALSE(app->wartenForm()->isVisible());
    ASSERT_TRUE(dialog.empty()) << dialog.last().text.toStdString();

    // Question 1, Ann: right answer; Enter on the result screen goes on.
    EXPECT_EQ(label("AktuelleFrageLabel"), QStringLiteral("Question 1 of 20"));
    EXPECT_TRUE(main_("SpeichernButton")->isEnabled());
    enterBet(QStringLiteral("100"));
    EXPECT_FALSE(main_("OeffnenButton")->isEnabled());
    EXPECT_EQ(label("FrageLabel"), QStringLiteral("Animals question 1"));
    click("Antwort1Button");
    EXPECT_TRUE(shown("RichtigImage"));
    EXPECT_EQ(lcd(1), QStringLiteral("1100"));
    pressEnter();
    EXPECT_EQ(label("AktuellerSpielerLabel"), QStringLiteral("Bob"));

    // Question 2, Bob: wrong; the bet goes to Ann.
    enterBet(QStringLiteral("200"));
    click("Antwort3Button");
    EXPECT_TRUE(shown("FalschImage"));
    EXPECT_EQ(label("RichtigeAntwortLabel2"), QStringLiteral("Animals question 2 right"));
    EXPECT_EQ(lcd(1), QStringLiteral("1300"));
    EXPECT_EQ(lcd(2), QStringLiteral("800"));
    click("GoOn");

    // Question 3, Ann: the time runs out.
    enterBet(QStringLiteral("300"));
    for (int tick = 0; tick < 16; ++tick) {
        clock.advance(1000);
    }
    EXPECT_EQ(main->findChild<TDotMatrixLabel*>(QStringLiteral("Label3"))->text(),
              QStringLiteral("00"));
    EXPECT_TRUE(shown("AntwortButtonPanel"));
    clock.advance(1000);
    EXPECT_TRUE(shown("FalschImage"));
    EXPECT_EQ(lcd(1), QStringLiteral("1000"));
    EXPECT_EQ(lcd(2), QStringLiteral("1100"));
    pressEnter();

    // Question 4, Bob bets on an estimation; Ann's guess is closer.
    enterBet(QStringLiteral("100"));
    ASSERT_TRUE(shown("SchaetzfragenEditsPanel"));
    QTest::keyClicks(main_("SchaetzungSpieler1"), QStringLiteral("90"));
    QTest::keyClick(main_("SchaetzungSpieler1"), Qt::Key_Return);
    QTest::keyClicks(main_("SchaetzungSpieler2"), QStringLiteral("150"));
    QTest::keyClick(main_("SchaetzungSpieler2"), Qt::Key_Return);
    EXPECT_TRUE(shown("SchaetzfrageImage"));
    EXPECT_EQ(label("NahDran"), msg(Msg::MsgClosestGuess) + QStringLiteral("Ann"));
    EXPECT_EQ(lcd(1), QStringLiteral("1100"));
    pressEnter();  // Enter goes on from the estimation result too
    EXPECT_FALSE(shown("SchaetzfrageImage"));

    // Question 5, Ann: the joker pays the bet once.
    random.push(1);
    enterBet(QStringLiteral("500"));
    EXPECT_TRUE(shown("JokerImage"));
    EXPECT_EQ(lcd(1), QStringLiteral("1600"));
    pressEnter();

    // Questions 6 to 20: the offered bet (each player's last one) and the right answer.
    for (int question = 6; question <= 20; ++question) {
        SCOPED_TRACE(question);
        ASSERT_EQ(label("AktuelleFrageLabel"), QStringLiteral("Question %1 of 20").arg(question));
        QTest::keyClick(main_("Geldsetzen"), Qt::Key_Return);
        click("Antwort1Button");
        ASSERT_TRUE(shown("RichtigImage"));
        click("GoOn");
    }

    // Ann: 1600 + 7 x 500, Bob: 1100 + 8 x 100; ten questions each doubles the score.
    EXPECT_EQ(lcd(1), QStringLiteral("5100"));
    EXPECT_EQ(lcd(2), QStringLiteral("1900"));
    EXPECT_TRUE(shown("EndeImage"));
    EXPECT_FALSE(shown("ImageRahmen"));
    EXPECT_EQ(label("GewinnerLabel"), msg(Msg::MsgWinnerIs) + QStringLiteral("Ann ") +
                                          msg(Msg::MsgWithInfix) + QStringLiteral("10200\u00A0$*"));
    EXPECT_EQ(label("hinweislabel"), msg(Msg::MsgRatioFootnote));
    EXPECT_EQ(label("Label5"), msg(Msg::MsgTop50Invite));
    EXPECT_TRUE(shown("OnlinehighscoreButton"));
    EXPECT_FALSE(main->gameInProgress());
    EXPECT_EQ(settings.stringValue(QStringLiteral("Highscore/1_Name")), QStringLiteral("Ann"));
    EXPECT_EQ(settings.stringValue(QStringLiteral("Highscore/1_Money")), QStringLiteral("10200"));
    EXPECT_EQ(settings.stringValue(QStringLiteral("Highscore/2_Money")), QStringLiteral("-"));
    EXPECT_EQ(settings.stringValue(QStringLiteral("Players/Player2")), QStringLiteral("Bob"));
    EXPECT_TRUE(random.exhausted());
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(sound.played().last(), filePath(progDir(), QStringLiteral("audio11.snd")));
    // The end panel's button opens the upload wizard on its first page; leaving it asks first.
    bool wizardShown = false;
    dialog.pushAnswer(AnswerYes);
    whenModal([&] {
        wizardShown = app->onlinehighscoreForm()->isVisible();
        QTest::keyClick(app->onlinehighscoreForm(), Qt::Key_Escape);
    });
    click("OnlinehighscoreButton");
    EXPECT_TRUE(wizardShown);
    EXPECT_FALSE(app->onlinehighscoreForm()->isVisible());
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgAskQuitTransfer));
    EXPECT_TRUE(shown("OnlinehighscoreButton")) << "nothing was sent: the offer stays";
}

TEST_F(WholeGameTest, NewGameDuringAGameOffersToSaveAndCancellingTheSetupEmptiesTheBoard) {
    startShortestGame(2);
    ASSERT_TRUE(main->gameInProgress());
    ASSERT_TRUE(dialog.empty());

    dialog.pushAnswer(AnswerCancel);  // Cancel does not cancel the new game
    whenModal(
        [&] { QTest::mouseClick(control(app->spielerForm(), "AbbrechenButton"), Qt::LeftButton); });
    click("NeuesSpielButton");
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgAskSaveGame));
    EXPECT_EQ(dialog.last().width, 237);
    EXPECT_FALSE(main->gameInProgress());
    EXPECT_FALSE(shown("PanelGeldsetzen"));
    EXPECT_EQ(label("LabelSpieler1"), QStringLiteral("Player 1"));
    EXPECT_FALSE(main_("SpeichernButton")->isEnabled());
    EXPECT_TRUE(main_("OeffnenButton")->isEnabled());
}

TEST_F(WholeGameTest, AFailedStartBringsTheSetupBackUntilThePlayersLeave) {
    TSpielerForm* setup = app->spielerForm();
    whenModal([&] {
        QTest::mouseClick(control(setup, "AllesButton"), Qt::LeftButton);
        control<QComboBox>(setup, "MaxCombo")->setCurrentIndex(0);
        // A category file damaged after the list was built.
        QFile::resize(filePath(progDir(), QStringLiteral("Bridges.trv")), 100);
        QTest::mouseClick(control(setup, "OKButton"), Qt::LeftButton);
    });
    click("NeuesSpielButton");
    EXPECT_FALSE(setup->isVisible());  // the waiting window instead
    finishStart();
    // The setup is back, still modal, with the damaged file gone from its list.
    EXPECT_TRUE(setup->isVisible());
    EXPECT_EQ(setup->windowModality(), Qt::ApplicationModal);
    QTest::mouseClick(control(setup, "AbbrechenButton"), Qt::LeftButton);
    EXPECT_FALSE(setup->isVisible());
    EXPECT_FALSE(app->wartenForm()->isVisible());
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgCategoryUnreadable) + QStringLiteral("Bridges.trv"));
    EXPECT_FALSE(main->gameInProgress());
    EXPECT_EQ(control<QListWidget>(setup, "Rubrikwahl")->count(), 2);
}

}  // namespace
}  // namespace trivanto
