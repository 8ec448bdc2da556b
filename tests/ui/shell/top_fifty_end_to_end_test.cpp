// A game ends, its winner goes to the reference top-list server (the real trivanto-server,
// started by the test on 127.0.0.1), the list comes back and the Hall of Fame shows it: the
// whole program in-process on fakes, driven through its windows.
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStackedWidget>

#include "core/common/file_path.h"
#include "core/game/game_engine.h"
#include "core/scores/top_list_file.h"
#include "support/app_fixture.h"
#include "support/game_fixture.h"
#include "ui/scores/bestenliste_form.h"
#include "ui/scores/onlinehighscore_form.h"
#include "ui/shell/main_form.h"

namespace trivanto {
namespace {

constexpr int kBoundMs = 20000;  // a real process on loopback; generous, never reached

class TopFiftyEndToEndTest : public ShellAppTest {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        ASSERT_TRUE(m_data.isValid());
        startServer();
        ASSERT_NE(m_port, 0) << "server said: " << m_serverLog.toStdString();
        AppEnvironment env = environment();
        const QString address = QStringLiteral("127.0.0.1:%1").arg(m_port);
        env.servers.topListUrl = QStringLiteral("http://%1/orvalquest/top50").arg(address);
        env.servers.updateHost = address;  // the banner asks here, never on the Internet
        connections.connections = {QStringLiteral("eth0")};
        ASSERT_TRUE(startApp(env));
    }

    void TearDown() override {
        ShellAppTest::TearDown();
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(kBoundMs)) {
                m_server.kill();
                m_server.waitForFinished(kBoundMs);
            }
        }
    }

    // Starts trivanto-server on a free port with a fresh database and reads the port it names.
    void startServer() {
        m_server.setProgram(QStringLiteral(TRIVANTO_SERVER_PATH));
        m_server.setReadChannel(QProcess::StandardError);  // where it names its port
        m_server.setArguments(
            {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
             QStringLiteral("--database"),
             QStringLiteral("sqlite:") + m_data.filePath(QStringLiteral("toplist.sqlite"))});
        m_server.start();
        ASSERT_TRUE(m_server.waitForStarted(kBoundMs)) << m_server.errorString().toStdString();
        static const QRegularExpression listening(QStringLiteral(" port (\\d+),"));
        while (m_port == 0 && m_server.waitForReadyRead(kBoundMs)) {
            m_serverLog += QString::fromUtf8(m_server.readAllStandardError());
            const QRegularExpressionMatch match = listening.match(m_serverLog);
            if (match.hasMatch()) {
                m_port = match.captured(1).toUShort();
            }
        }
    }

    // One player, two questions, both answered right: the game ends with its end panel. A
    // game continued from a saved game carries UploadAllowed false from its loading on.
    void playGameToTheEnd(bool loaded = false) {
        GameEngine& engine = *app->engine();
        NewGameData data;
        data.PlayerCount = 1;
        data.QuestionsPerPlayer = 2;
        data.names = {QStringLiteral("ann"), {}, {}, {}};
        data.pictures[0] = SeatPicture::builtIn(2);
        ASSERT_TRUE(engine.NeuesSpiel(data, {gametest::mcSlot(QStringLiteral("Q1")),
                                             gametest::mcSlot(QStringLiteral("Q2"))}));
        if (loaded) {
            // The same game as if continued from a saved game at its first bet.
            LoadedGame game;
            game.data = data;
            game.Account = engine.state().Account;
            game.questions = engine.questions();
            ASSERT_TRUE(engine.restoreGame(std::move(game)));
        }
        for (const char* bet : {"300", "700"}) {
            ASSERT_TRUE(engine.EinsatzPruefen(QString::fromLatin1(bet)));
            engine.chooseAnswer(1);
            engine.proceed();
            while (engine.inTransition() && clock.advanceToNextTimer()) {
            }
        }
        ASSERT_EQ(engine.phase(), GamePhase::GameOver);
        ASSERT_EQ(engine.submitOffered(), !loaded);
    }

    QString wizardPage() {
        auto* pages = control<QStackedWidget>(app->onlinehighscoreForm(), "Seiten");
        return pages->currentWidget()->objectName();
    }
    void clickIn(QWidget* window, const char* name) {
        QTest::mouseClick(control(window, name), Qt::LeftButton);
    }
    QString textIn(QWidget* window, const char* name) {
        return control<QLabel>(window, name)->text();
    }

    QProcess m_server;
    QTemporaryDir m_data;
    QString m_serverLog;
    quint16 m_port = 0;
};

TEST_F(TopFiftyEndToEndTest, TheWinnerIsSentFetchedAndShownInTheHallOfFame) {
    playGameToTheEnd();
    const qint32 score = app->engine()->winners().WinnerScore[0];
    ASSERT_GT(score, 0);
    TOnlinehighscoreForm* wizard = app->onlinehighscoreForm();
    TBestenlisteForm* hallOfFame = app->bestenlisteForm();
    QStringList shownRows;
    QString shownTitle;
    QString rankText;
    bool hallOfFameShown = false;

    dialog.pushAnswer(AnswerNo);  // stay connected
    whenModal([&] {
        ASSERT_TRUE(wizard->isVisible());
        EXPECT_EQ(wizardPage(), QStringLiteral("start"));
        clickIn(wizard, "WeiterButton");
        ASSERT_EQ(wizardPage(), QStringLiteral("namen"));
        EXPECT_EQ(control<QLineEdit>(wizard, "Name1Edit")->text(), QStringLiteral("ann"));
        QTest::keyClicks(control(wizard, "eMail1Edit"), QStringLiteral("ann@example.org"));
        clickIn(wizard, "WeiterButton");
        ASSERT_EQ(wizardPage(), QStringLiteral("verbinden"));
        clickIn(wizard, "WeiterButton");
        clickIn(wizard, "WeiterButton");  // a second click starts nothing
        connections.settle();             // the system names its active connection
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return wizardPage() == QStringLiteral("fertig"); }, kBoundMs))
            << "page " << wizardPage().toStdString();
        rankText = textIn(wizard, "Platz1Label");
        whenModal([&] {
            hallOfFameShown = hallOfFame->isVisible();
            shownTitle = textIn(hallOfFame, "Label1");
            for (const char* name :
                 {"PlatzLabel1", "NameLabel1", "eMailLabel1", "GeldLabel1", "NameLabel2"}) {
                shownRows << textIn(hallOfFame, name);
            }
            clickIn(hallOfFame, "BeendenButton");
        });
        clickIn(wizard, "AbbrechenButton");  // "Close": the Hall of Fame opens on the list
    });
    clickIn(app->mainForm(), "OnlinehighscoreButton");

    EXPECT_EQ(rankText, QStringLiteral("Rank: 1"));
    EXPECT_TRUE(hallOfFameShown);
    EXPECT_EQ(shownTitle, app->catalogue().text(Msg::MsgTitleTop50));
    EXPECT_EQ(shownRows, QStringList({QStringLiteral("1."), QStringLiteral("Ann"),
                                      QStringLiteral("ann@example.org"),
                                      QString::number(score) + QStringLiteral(" $"),
                                      app->catalogue().text(Msg::MsgEmptySlot)}));
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_FALSE(hallOfFame->isVisible());
    // Sent once, stored as the local copy, and the game offers it no more.
    const auto copy = TTopListFile(filePath(progDir(), TTopListFile::defaultName())).Load();
    ASSERT_TRUE(copy.ok());
    ASSERT_EQ(copy->size(), 1);
    EXPECT_EQ(copy->at(0).Name, QStringLiteral("Ann"));
    EXPECT_EQ(copy->at(0).Score, score);
    EXPECT_FALSE(app->engine()->submitOffered());
    EXPECT_EQ(settings.stringValue(QStringLiteral("Players/Player1_eMail")),
              QStringLiteral("ann@example.org"));
}

TEST_F(TopFiftyEndToEndTest, ALoadedGameCannotBeSent) {
    playGameToTheEnd(true);
    auto* submit = control<QAbstractButton>(app->mainForm(), "OnlinehighscoreButton");
    EXPECT_FALSE(submit->isVisibleTo(app->mainForm()));
    // Even a click that reaches the hidden button opens nothing.
    submit->click();
    EXPECT_FALSE(app->onlinehighscoreForm()->isVisible());
    EXPECT_TRUE(dialog.requests().empty());
}

}  // namespace
}  // namespace trivanto
