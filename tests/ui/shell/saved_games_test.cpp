#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/common/file_path.h"
#include "core/game/game_engine.h"
#include "core/game/save_record.h"
#include "support/app_fixture.h"
#include "support/category_files.h"
#include "support/save_files.h"
#include "support/scripted_file_dialogs.h"
#include "ui/setup/spieler_form.h"
#include "ui/shell/main_form.h"
#include "ui/widgets/t_dot_matrix_label.h"

namespace trivanto {
namespace {

// Saved games through the real windows of the program, built in-process on fakes.
class SavedGamesThroughTheWindows : public ShellAppTest {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        setuptest::writeCategory(progDir(), QStringLiteral("Animals"), 5);
        setuptest::writeCategory(progDir(), QStringLiteral("Cities"), 12);
        ASSERT_TRUE(start());
    }
    bool start(Language language = Language::Englisch) {
        AppEnvironment env = environment(language);
        env.fileDialogs = &files;
        if (!startApp(env)) {
            return false;
        }
        main = app->mainForm();
        return true;
    }

    // One player ("Player 1"), ten questions in pool order, one joker on slot 10.
    void startTenQuestionGame() { startShortestGame(10); }

    QString msg(Msg key) const { return app->catalogue().text(key); }
    template <typename T = QWidget>
    T* main_(const char* name) {
        return control<T>(main, name);
    }
    void click(const char* name) { QTest::mouseClick(main_(name), Qt::LeftButton); }
    bool shown(const char* name) { return main_(name)->isVisibleTo(main); }
    QString label(const char* name) { return main_<QLabel>(name)->text(); }
    QString lcd() { return main->findChild<TDotMatrixLabel*>(QStringLiteral("LCD1"))->text(); }
    void betAndAnswer(const QString& amount) {
        auto* field = main_<QLineEdit>("Geldsetzen");
        field->selectAll();
        QTest::keyClicks(field, amount);
        QTest::keyClick(field, Qt::Key_Return);
        click("Antwort1Button");
        click("GoOn");
    }
    QString savePath() const { return filePath(progDir(), QStringLiteral("evening.sav")); }

    ScriptedFileDialogs files;
    TMainForm* main = nullptr;
};

// A new player saves at a bet, quits, starts Trivanto again, opens the file and plays on.
TEST_F(SavedGamesThroughTheWindows, SaveQuitStartAgainOpenAndPlayOn) {
    startTenQuestionGame();
    ASSERT_EQ(label("AktuelleFrageLabel"), QStringLiteral("Question 1 of 10"));
    betAndAnswer(QStringLiteral("300"));
    betAndAnswer(QStringLiteral("50"));
    ASSERT_EQ(lcd(), QStringLiteral("1350"));
    ASSERT_TRUE(main_("SpeichernButton")->isEnabled());

    files.push(savePath());
    click("SpeichernButton");  // the fairness question is answered Yes
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgSavedGameNoTop50));
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].title, QStringLiteral("Save Trivanto Game"));
    EXPECT_EQ(QFileInfo(savePath()).size(), 134852);

    // Saved just now: Exit asks nothing.
    click("BeendenButton");
    EXPECT_TRUE(app->isFinished());
    EXPECT_EQ(dialog.requests().size(), 1u);

    app.reset();
    ASSERT_TRUE(start());
    EXPECT_FALSE(main->gameInProgress());
    dialog.clear();
    files.push(savePath());
    click("OeffnenButton");
    ASSERT_EQ(dialog.requests().size(), 1u);  // the fairness question only
    EXPECT_EQ(files.requests().back().title, QStringLiteral("Open Trivanto Savegame"));
    EXPECT_TRUE(main->gameInProgress());
    EXPECT_EQ(label("AktuelleFrageLabel"), QStringLiteral("Question 3 of 10"));
    EXPECT_EQ(label("LabelSpieler1"), QStringLiteral("Player 1"));
    EXPECT_EQ(lcd(), QStringLiteral("1350"));
    EXPECT_EQ(main_<QLineEdit>("Geldsetzen")->text(), QStringLiteral("200"));
    EXPECT_EQ(label("FrageLabel"), QStringLiteral("Animals question 3"));
    EXPECT_TRUE(main_("SpeichernButton")->isEnabled());

    // Plays on to the end (the joker on slot 10 pays once); no upload for a loaded game.
    betAndAnswer(QStringLiteral("100"));
    EXPECT_EQ(lcd(), QStringLiteral("1450"));
    for (int question = 4; question <= 9; ++question) {
        betAndAnswer(QStringLiteral("10"));
    }
    random.push(1);
    auto* field = main_<QLineEdit>("Geldsetzen");
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("10"));
    QTest::keyClick(field, Qt::Key_Return);
    click("GoOn");
    EXPECT_EQ(lcd(), QStringLiteral("1520"));
    EXPECT_TRUE(shown("EndeImage"));
    EXPECT_EQ(label("Label5"), msg(Msg::MsgSavedGameNoTransfer));
    EXPECT_FALSE(shown("OnlinehighscoreButton"));
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(dialog.requests().size(), 1u);
}

// "Yes" to the offers of "Exit" and "New Game" writes the game, which then opens where it
// stood.
TEST_F(SavedGamesThroughTheWindows, TheOffersOfExitAndNewGameSave) {
    startTenQuestionGame();
    betAndAnswer(QStringLiteral("300"));
    const QString atExit = filePath(progDir(), QStringLiteral("exit.sav"));
    dialog.pushAnswer(AnswerYes);  // the offer
    dialog.pushAnswer(AnswerYes);  // the fairness question
    files.push(atExit);
    click("BeendenButton");
    ASSERT_EQ(dialog.requests().size(), 2u);
    EXPECT_EQ(dialog.requests()[0].text, msg(Msg::MsgAskSaveGame));
    EXPECT_EQ(dialog.requests()[1].text, msg(Msg::MsgSavedGameNoTop50));
    EXPECT_TRUE(app->isFinished());
    EXPECT_EQ(QFileInfo(atExit).size(), 134852);

    app.reset();
    ASSERT_TRUE(start());
    files.push(atExit);
    click("OeffnenButton");
    ASSERT_EQ(label("AktuelleFrageLabel"), QStringLiteral("Question 2 of 10"));
    ASSERT_EQ(lcd(), QStringLiteral("1300"));
    betAndAnswer(QStringLiteral("100"));

    const QString atNewGame = filePath(progDir(), QStringLiteral("new.sav"));
    dialog.clear();
    dialog.pushAnswer(AnswerYes);
    dialog.pushAnswer(AnswerYes);
    files.push(atNewGame);
    bool setupShown = false;
    whenModal([&] {
        setupShown = app->spielerForm()->isVisible();
        QTest::mouseClick(control(app->spielerForm(), "AbbrechenButton"), Qt::LeftButton);
    });
    click("NeuesSpielButton");
    EXPECT_TRUE(setupShown);
    ASSERT_EQ(dialog.requests().size(), 2u);
    EXPECT_EQ(dialog.requests()[0].text, msg(Msg::MsgAskSaveGame));
    const QByteArray saved = savetest::readBytes(atNewGame);
    ASSERT_EQ(saved.size(), 134852);
    savetest::RecordBytes expected;
    expected.bytes = saved;
    expected.questionNumber(3);
    expected.account(1, 1400);
    EXPECT_EQ(saved, expected.bytes);  // question 3 and 1400 where the record keeps them
}

// A file of another kind, opened during a game, is named in a clear message and the game goes
// on as it was.
TEST_F(SavedGamesThroughTheWindows, AForeignFileChangesNothing) {
    startTenQuestionGame();
    betAndAnswer(QStringLiteral("300"));
    const QString category = filePath(progDir(), QStringLiteral("Cities.trv"));
    dialog.pushAnswer(AnswerNo);  // the offer to save
    files.push(category);
    click("OeffnenButton");  // then the fairness question, the dialog and the file
    ASSERT_EQ(dialog.requests().size(), 3u);
    EXPECT_EQ(dialog.requests()[0].text, msg(Msg::MsgAskSaveGame));
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgSavedGameDamaged) + QStringLiteral("Cities.trv"));
    EXPECT_EQ(label("AktuelleFrageLabel"), QStringLiteral("Question 2 of 10"));
    EXPECT_EQ(lcd(), QStringLiteral("1300"));
    EXPECT_EQ(label("FrageLabel"), QStringLiteral("Animals question 2"));
    EXPECT_TRUE(main_("SpeichernButton")->isEnabled());
    betAndAnswer(QStringLiteral("100"));
    EXPECT_EQ(lcd(), QStringLiteral("1400"));
}

TEST_F(SavedGamesThroughTheWindows, GermanDialogTitles) {
    app.reset();
    ASSERT_TRUE(start(Language::Deutsch));
    startTenQuestionGame();
    click("SpeichernButton");  // the dialog is cancelled
    // Not saved: the offer (Yes) saves first, then the game is opened; both dialogs cancelled.
    click("OeffnenButton");
    ASSERT_EQ(files.requests().size(), 3u);
    EXPECT_EQ(files.requests()[0].title, QStringLiteral("Speichern eines Trivanto-Spiels"));
    EXPECT_EQ(files.requests()[1].title, QStringLiteral("Speichern eines Trivanto-Spiels"));
    EXPECT_EQ(files.requests()[2].title, QStringLiteral("Öffnen eines Trivanto-Spiels"));
    EXPECT_TRUE(main->gameInProgress());
}

}  // namespace
}  // namespace trivanto
