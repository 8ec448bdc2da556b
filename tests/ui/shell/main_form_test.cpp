#include <QAbstractButton>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMovie>
#include <QSignalSpy>

#include "core/app/first_start.h"
#include "core/app/help_viewer.h"
#include "core/app/memory_settings_store.h"
#include "core/app/settings_saver.h"
#include "core/common/file_path.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "support/app_fixture.h"
#include "support/scripted_file_dialogs.h"
#include "ui/shell/main_form.h"

namespace trivanto {
namespace {

// The main window alone, with a game that the test scripts through the hooks.
class MainFormTest : public ShellAppTest {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        texts.apply(Language::Englisch);
    }
    // The main window as a start of the program creates it: the settings prepared, the cues
    // reading the sound setting.
    std::unique_ptr<TMainForm> makeForm() {
        const AppEnvironment env = environment();
        prepareStartSettings(settings, env.paths.progDir);
        cues.push_back(std::make_unique<SoundCues>(settings, sound, env.paths.progDir));
        const Services services{settings, saver, clock,        random, dialog,   help,
                                shell,    files, *cues.back(), texts,  env.paths};
        auto form = std::make_unique<TMainForm>(services);
        QObject::connect(form.get(), &TMainForm::FormClose, [this] { ++closed; });
        return form;
    }
    // A running game whose offer to save ends as `offer`.
    void withGame(TMainForm& form, SaveOffer offer, bool busy = false) {
        MainFormGameHooks hooks;
        hooks.gameInProgress = [] { return true; };
        hooks.offerToSave = [this, offer] {
            ++offers;
            return offer;
        };
        hooks.SpielSpeichern = [this] { ++saves; };
        hooks.openGame = [this] { ++opens; };
        hooks.busy = [busy] { return busy; };
        form.setGameHooks(std::move(hooks));
    }

    MessageCatalogue texts;
    SettingsSaver saver{settings, dialog, texts};
    ScriptedFileDialogs files;
    std::vector<std::unique_ptr<SoundCues>> cues;
    int closed = 0;
    int offers = 0;
    int saves = 0;
    int opens = 0;
};

// The offer itself is the saved games' (core); the window acts on how it ended.
TEST_F(MainFormTest, ShutdownFollowsTheOfferToSave) {
    struct Case {
        const char* name;
        SaveOffer offer;
        bool closes;
    };
    const Case cases[] = {
        {"saved, declined or no game", SaveOffer::GoOn, true},
        {"Cancel goes on", SaveOffer::Cancelled, false},
        {"a save that failed goes on", SaveOffer::NotSaved, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        closed = offers = 0;
        auto form = makeForm();
        withGame(*form, c.offer);
        form->show();
        QTest::mouseClick(control<QWidget>(form.get(), "Button3"), Qt::LeftButton);
        EXPECT_EQ(offers, 1);
        EXPECT_EQ(closed, c.closes ? 1 : 0);
        EXPECT_EQ(form->isVisible(), !c.closes);
    }
}

TEST_F(MainFormTest, WindowManagerCloseGoesThroughTheSameOffer) {
    auto form = makeForm();
    withGame(*form, SaveOffer::Cancelled);
    form->show();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(offers, 1);
}

TEST_F(MainFormTest, NewGameOpensTheSetupUnlessTheWantedSaveFailed) {
    for (SaveOffer offer : {SaveOffer::GoOn, SaveOffer::Cancelled, SaveOffer::NotSaved}) {
        SCOPED_TRACE(static_cast<int>(offer));
        sound.clear();
        auto form = makeForm();
        withGame(*form, offer);
        int setups = 0;
        MainFormActions actions;
        actions.showSetup = [&] { ++setups; };
        form->setActions(actions);
        QTest::mouseClick(control<QWidget>(form.get(), "NeuesSpielButton"), Qt::LeftButton);
        const bool opens = offer != SaveOffer::NotSaved;
        EXPECT_EQ(setups, opens ? 1 : 0);
        EXPECT_EQ(sound.played(),
                  opens ? QStringList{filePath(progDir(), QStringLiteral("audio02.snd"))}
                        : QStringList{});
    }
}

TEST_F(MainFormTest, OpenAndSaveGoToTheGameUnlessBusy) {
    for (bool busy : {false, true}) {
        SCOPED_TRACE(busy);
        saves = opens = 0;
        auto form = makeForm();
        withGame(*form, SaveOffer::GoOn, busy);
        form->show();
        form->enableGameFiles(true, true);
        QTest::mouseClick(control<QWidget>(form.get(), "OeffnenButton"), Qt::LeftButton);
        QTest::mouseClick(control<QWidget>(form.get(), "SpeichernButton"), Qt::LeftButton);
        EXPECT_EQ(opens, busy ? 0 : 1);
        EXPECT_EQ(saves, busy ? 0 : 1);
        EXPECT_TRUE(dialog.empty());
    }
}

TEST_F(MainFormTest, SoundButtonTogglesPictureAndSetting) {
    auto form = makeForm();
    auto* ton = control<QAbstractButton>(form.get(), "TonButton");
    EXPECT_EQ(ton->property("pictureIndex").toInt(), 1);  // on at first start
    EXPECT_EQ(settings.intValue(QStringLiteral("Players/Ton"), -1), 1);

    QTest::mouseClick(ton, Qt::LeftButton);
    EXPECT_EQ(ton->property("pictureIndex").toInt(), 0);
    EXPECT_EQ(settings.intValue(QStringLiteral("Players/Ton"), -1), 0);
    EXPECT_EQ(sound.calls(), QStringList{QStringLiteral("stop")});

    // The next start keeps the choice.
    auto again = makeForm();
    EXPECT_EQ(control<QAbstractButton>(again.get(), "TonButton")->property("pictureIndex").toInt(),
              0);
    EXPECT_FALSE(cues.back()->SoundOn());
}

TEST_F(MainFormTest, BannerIsShownWhenReadableAndOtherwiseLeftEmpty) {
    struct Case {
        const char* name;
        QByteArray content;  // empty: no file
        bool shown;
    };
    QImage picture(133, 90, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
    }
    const Case cases[] = {
        {"picture", png, true},
        {"missing", QByteArray(), false},
        {"damaged", png.left(png.size() / 3), false},
        {"not a picture", QByteArray("<html>banner</html>"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = filePath(progDir(), QStringLiteral("banner.dat"));
        QFile::remove(path);
        if (!c.content.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        auto form = makeForm();
        auto* banner = control<QLabel>(form.get(), "Banner");
        EXPECT_EQ(banner->geometry(), QRect(16, 374, 133, 90));
        EXPECT_EQ(!banner->pixmap().isNull(), c.shown);
        EXPECT_TRUE(dialog.empty());
    }
}

// A GIF of two 1 x 1 frames (white, then black, 1/50 s each) that plays only once on its own.
QByteArray twoFrameGif() {
    // Graphic control (delay 1/50 s), the frame at 0, 0, and its one pixel, LZW-coded.
    const auto frame = [](char lzw) {
        return QByteArray(
                   "\x21\xf9\x04\x00\x02\x00\x00\x00"
                   "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                   "\x02\x02",
                   20) +
               lzw + QByteArray("\x01\x00", 2);
    };
    const QByteArray screen(
        "GIF89a\x01\x00\x01\x00\x80\x00\x00"  // 1 x 1, two colours
        "\xff\xff\xff\x00\x00\x00",
        19);
    return screen + frame('\x44') + frame('\x4c') + ';';
}

TEST_F(MainFormTest, AnAnimatedBannerPlaysInALoop) {
    QFile file(filePath(progDir(), QStringLiteral("banner.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(twoFrameGif());
    file.close();
    auto form = makeForm();
    QMovie* movie = control<QLabel>(form.get(), "Banner")->movie();
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(movie->frameCount(), 2);
    EXPECT_EQ(movie->state(), QMovie::Running);
    EXPECT_EQ(movie->scaledSize(), QSize(133, 90));
    // Its own count says once; the banner starts it again whenever it ends.
    QSignalSpy frames(movie, &QMovie::frameChanged);
    while (frames.count() < 5 && frames.wait(2000)) {
    }
    EXPECT_GE(frames.count(), 5);
    EXPECT_EQ(movie->state(), QMovie::Running);
}

TEST_F(MainFormTest, WebButtonOpensOurAddress) {
    auto form = makeForm();
    form->show();
    auto* web = control<QWidget>(form.get(), "ToolbarButton971");
    EXPECT_EQ(web->size(), QSize(45, 51));
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(shell.opened(),
              QList<QUrl>{QUrl(QStringLiteral("https://velmora.engineering/trivanto"))});
}

TEST_F(MainFormTest, BoardAttachesBelowTheButtons) {
    auto form = makeForm();
    auto* board = new QWidget;
    form->attachBoard(board);
    EXPECT_EQ(board->parentWidget(), form->gameLayer());
    EXPECT_EQ(board->geometry(), QRect(0, 0, 640, 479));
    form->show();
    // A click on a large button reaches the button, not the board.
    QWidget* exit = control<QWidget>(form.get(), "BeendenButton");
    const QPoint centre = exit->geometry().center();
    EXPECT_EQ(form->childAt(centre), exit);
}

}  // namespace
}  // namespace trivanto
