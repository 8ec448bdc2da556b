#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include "core/app/single_instance.h"
#include "core/net/online_state.h"
#include "support/app_fixture.h"
#include "ui/about/info_form.h"
#include "ui/about/startscreen_form.h"
#include "ui/common/fenster_nach_vorn.h"
#include "ui/common/grauform.h"
#include "ui/common/warten_form.h"
#include "ui/shell/main_form.h"

namespace trivanto {
namespace {


TEST_F(ShellAppTest, StartsToTheMainWindowInFrontOfTheBackdrop) {
    AppEnvironment env = environment();
    env.options.noSplash = false;
    ASSERT_TRUE(startApp(env));
    EXPECT_EQ(clock.waits(), std::vector<int>{3000});  // the splash wait
    EXPECT_TRUE(app->mainForm()->isVisible());
    EXPECT_TRUE(app->grauform()->isVisible());
    EXPECT_EQ(app->mainForm()->size(), QSize(640, 479));
    EXPECT_TRUE(dialog.empty());
    EXPECT_TRUE(plain.texts().isEmpty());
    EXPECT_EQ(sound.played(), QStringList{filePath(progDir(), QStringLiteral("audio01.snd"))});
    EXPECT_EQ(settings.stringValue(QStringLiteral("ProgDir")), progDir() + QLatin1Char('/'));
    EXPECT_EQ(connections.calls(), 1);
    connections.settle();
    EXPECT_FALSE(app->onlineState()->IsOnline());
    // The write test leaves nothing behind.
    EXPECT_FALSE(QFile::exists(filePath(progDir(), QStringLiteral("bb.tmp"))));
}

TEST_F(ShellAppTest, NoSplashSkipsTheWaitAndAnActiveConnectionSetsOnline) {
    connections.connections = {QStringLiteral("eth0")};
    ASSERT_TRUE(startApp());
    EXPECT_TRUE(clock.waits().empty());
    EXPECT_FALSE(app->onlineState()->IsOnline());  // not before the system has answered
    connections.settle();
    EXPECT_TRUE(app->onlineState()->IsOnline());
}

TEST_F(ShellAppTest, UpdateAddressesUseTheConfiguredServer) {
    AppEnvironment env = environment();
    env.servers.updateHost = QStringLiteral("localhost:8080");
    ASSERT_TRUE(startApp(env));
    EXPECT_EQ(app->catalogue().settings().UpdateBasePath,
              QStringLiteral("localhost:8080/Orvalquest/"));
}

TEST_F(ShellAppTest, SecondCopyShowsThePlainMessageAndCreatesNoWindow) {
    SingleInstanceGuard first(lockDir());
    ASSERT_TRUE(first.tryAcquire());
    struct Case {
        Language language;
        const char* text;
    };
    for (const Case& c : {Case{Language::Englisch, "Trivanto is already running."},
                          Case{Language::Deutsch, "Trivanto läuft bereits."}}) {
        EXPECT_FALSE(startApp(environment(c.language)));
        EXPECT_EQ(plain.texts().last(), QString::fromUtf8(c.text));
        EXPECT_EQ(app->mainForm(), nullptr);
    }
    EXPECT_TRUE(settings.keys().isEmpty());
}

TEST_F(ShellAppTest, ALockFolderThatRefusesSaysWhatIsWrong) {
    // A folder below a plain file refuses every file, whoever asks.
    QFile plainFile(filePath(lockDir(), QStringLiteral("plain")));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    AppEnvironment env = environment();
    env.paths.lockDir = plainFile.fileName();
    EXPECT_FALSE(startApp(env));
    EXPECT_EQ(app->exitCode(), 1);
    EXPECT_EQ(plain.texts(), QStringList{lockUnusableText(
                                 Language::Englisch,
                                 filePath(plainFile.fileName(), QStringLiteral("trivanto.lock")) +
                                     QStringLiteral(": Not a directory"))});
    EXPECT_TRUE(
        plain.texts().first().startsWith(QStringLiteral("Trivanto cannot create the lock file")));
    EXPECT_EQ(app->mainForm(), nullptr);
}

TEST_F(ShellAppTest, ColourDepthChecks) {
    depth = 4;
    EXPECT_FALSE(startApp());
    ASSERT_EQ(plain.texts().size(), 1);
    EXPECT_TRUE(plain.texts().first().startsWith(QStringLiteral("Trivanto needs at least 256")));
    EXPECT_EQ(app->mainForm(), nullptr);

    depth = 8;
    app.reset();  // releases the lock of the first attempt
    ASSERT_TRUE(startApp());
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().mode, DialogMode::Notice);
    EXPECT_EQ(dialog.last().text, app->catalogue().text(Msg::MsgNeedTrueColor));
    EXPECT_EQ(dialog.last().width, 363);
    EXPECT_TRUE(dialog.last().wordWrap);
}

TEST_F(ShellAppTest, FailedWriteTestIsReported) {
    // A folder in the way makes the test file impossible to write, whatever our rights are.
    ASSERT_TRUE(QDir(progDir()).mkdir(QStringLiteral("bb.tmp")));
    ASSERT_TRUE(startApp());
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, app->catalogue().text(Msg::MsgFolderWriteProtected));
    EXPECT_EQ(dialog.last().width, 363);
    EXPECT_TRUE(dialog.last().wordWrap);
    EXPECT_TRUE(QFileInfo(filePath(progDir(), QStringLiteral("bb.tmp"))).isDir());  // left alone
}

TEST_F(ShellAppTest, MainWindowTextsFollowTheLanguage) {
    struct Case {
        Language language;
        const char* newGame;
        const char* exitHint;
    };
    for (const Case& c : {Case{Language::Englisch, "New Game", "Exit Trivanto!"},
                          Case{Language::Deutsch, "Neues Spiel", "Trivanto beenden!"}}) {
        ASSERT_TRUE(startApp(environment(c.language)));
        TMainForm* main = app->mainForm();
        EXPECT_EQ(control<QAbstractButton>(main, "NeuesSpielButton")->text(),
                  QLatin1String(c.newGame));
        EXPECT_EQ(control<QWidget>(main, "BeendenButton")->toolTip(),
                  QString::fromUtf8(c.exitHint));
        auto* title = control<QLabel>(main, "Label2");
        EXPECT_EQ(title->text(), QStringLiteral("Trivanto"));
        EXPECT_EQ(main->AktuelleFrageLabel()->x(), title->x() + title->width() + 20);
        app.reset();
    }
}

TEST_F(ShellAppTest, HelpFromButtonsAndF1OpensIndex) {
    ASSERT_TRUE(startApp());
    TMainForm* main = app->mainForm();
    QTest::mouseClick(control<QWidget>(main, "HilfeButton"), Qt::LeftButton);
    QTest::mouseClick(control<QWidget>(main, "Button2"), Qt::LeftButton);
    QTest::keyClick(main, Qt::Key_F1);
    EXPECT_EQ(help.topics(), QStringList(3, QStringLiteral("INDEX")));
}

TEST_F(ShellAppTest, ExitEndsTheProgramAndStopsTheSound) {
    ASSERT_TRUE(startApp());
    sound.clear();
    QTest::mouseClick(control<QWidget>(app->mainForm(), "BeendenButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog.empty());  // no game: no question
    EXPECT_TRUE(app->isFinished());
    EXPECT_FALSE(app->mainForm()->isVisible());
    EXPECT_FALSE(app->grauform()->isVisible());
    ASSERT_FALSE(sound.calls().isEmpty());
    EXPECT_EQ(sound.calls().first(), QStringLiteral("stop"));
}

TEST_F(ShellAppTest, InfoWindowOpensModallyAndCloses) {
    settings.setString(TInfoForm::userNameKey(), QStringLiteral("Ada"));
    ASSERT_TRUE(startApp());
    TInfoForm* info = app->infoForm();
    EXPECT_EQ(control<QLabel>(info, "LabelUserName")->text(), QStringLiteral("Ada"));
    EXPECT_EQ(control<QLabel>(info, "LabelCompName")->text(), QStringLiteral("???"));
    EXPECT_EQ(control<QLabel>(info, "Label2")->text(), QStringLiteral("About Trivanto"));

    // Each way out: the Escape key (after F1 asked for help), OK, and the close icon.
    for (const char* closer : {"Escape", "OKButton", "Button3"}) {
        SCOPED_TRACE(closer);
        help.clear();
        bool wasVisible = false;
        whenModal([&] {
            wasVisible = info->isVisible();
            QTest::keyClick(info, Qt::Key_F1);
            if (QLatin1String(closer) == QLatin1String("Escape")) {
                QTest::keyClick(info, Qt::Key_Escape);
            } else {
                QTest::mouseClick(control<QWidget>(info, closer), Qt::LeftButton);
            }
        });
        QTest::mouseClick(control<QWidget>(app->mainForm(), "Button1"), Qt::LeftButton);
        EXPECT_TRUE(wasVisible);
        EXPECT_FALSE(info->isVisible());
        EXPECT_EQ(help.topics(), QStringList{QStringLiteral("Infos_zu_Trivanto")});
    }
}

TEST_F(ShellAppTest, ClickingTheBackdropBringsTheMainWindowBack) {
    ASSERT_TRUE(startApp());
    QStringList raised;
    app->windowOrder()->setRaiser([&](QWidget* w) { raised << w->objectName(); });
    app->wartenForm()->show();
    QTest::mouseClick(app->grauform(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(raised,
              (QStringList{app->mainForm()->objectName(), app->wartenForm()->objectName()}));
}

TEST_F(ShellAppTest, MinimiseAndRestoreBringTheWindowsBackInOrder) {
    ASSERT_TRUE(startApp());
    TMainForm* main = app->mainForm();
    QTest::mouseClick(control<QWidget>(main, "Button4"), Qt::LeftButton);
    EXPECT_TRUE(main->isMinimized());
    EXPECT_TRUE(app->grauform()->isMinimized());

    QStringList raised;
    app->windowOrder()->setRaiser([&](QWidget* w) { raised << w->objectName(); });
    main->showNormal();
    ASSERT_FALSE(raised.isEmpty());
    EXPECT_EQ(raised.first(), main->objectName());
}

}  // namespace
}  // namespace trivanto
