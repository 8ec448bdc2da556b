// What the player is told when a write fails, and what odd files in the program folder do:
// each case through the whole program on fakes, from the start to the moment that matters.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>

#include "core/common/file_path.h"
#include "core/game/game_engine.h"
#include "core/scores/local_top_ten.h"
#include "support/app_fixture.h"
#include "support/category_files.h"
#include "support/small_disk.h"
#include "support/test_names.h"
#include "ui/setup/spieler_form.h"
#include "ui/shell/main_form.h"

namespace trivanto {
namespace {

const QString kSettingsReason = QStringLiteral("/home/ann/Trivanto.conf: No space left on device");

// The moment at which the disk starts to refuse.
enum class Moment { Start, GameStart, GameEnd, SoundSwitch };

struct FailedWriteCase {
    const char* name;
    Moment settingsRefuseFrom;
    // The message at that moment, after the catalogue's text.
    Msg message;
};

class WriteFailures : public ShellAppTest {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        setuptest::writeCategory(progDir(), QStringLiteral("Animals"), 12);
        setuptest::writeCategory(progDir(), QStringLiteral("Cities"), 12);
    }
    QString msg(Msg key) const { return app->catalogue().text(key); }
    // "New Game", all categories, the shortest game (one player, ten questions), "OK", and the
    // start run to its end.
    void startGame() {
        // The ten draws, the number of jokers and the joker's slot.
        for (int i = 0; i < 12; ++i) {
            random.push(1);
        }
        TSpielerForm* setup = app->spielerForm();
        whenModal([this, setup] {
            QTest::mouseClick(control(setup, "AllesButton"), Qt::LeftButton);
            control<QComboBox>(setup, "MaxCombo")->setCurrentIndex(0);
            QTest::mouseClick(control(setup, "OKButton"), Qt::LeftButton);
        });
        QTest::mouseClick(control(app->mainForm(), "NeuesSpielButton"), Qt::LeftButton);
        finishStart();
    }
    // Every turn as the board would forward it: a small bet, answer 1, guesses of 1, on.
    void playToTheEnd() {
        // Enough for every joker's payout.
        for (int i = 0; i < 20; ++i) {
            random.push(1);
        }
        GameEngine& engine = *app->engine();
        for (int step = 0; step < 1000 && engine.phase() != GamePhase::GameOver; ++step) {
            switch (engine.phase()) {
                case GamePhase::Betting:
                    engine.EinsatzPruefen(QStringLiteral("10"));
                    break;
                case GamePhase::Answering:
                    engine.chooseAnswer(1);
                    break;
                case GamePhase::Guessing:
                    engine.SchaetzungAuswerten({QStringLiteral("1"), QStringLiteral("1")});
                    break;
                case GamePhase::Result:
                    engine.proceed();
                    break;
                default:
                    clock.advanceToNextTimer();
            }
        }
        ASSERT_EQ(engine.phase(), GamePhase::GameOver);
    }
};

class FailedWrites : public WriteFailures, public ::testing::WithParamInterface<FailedWriteCase> {
protected:
    void refuseAt(Moment moment) {
        if (GetParam().settingsRefuseFrom == moment) {
            settings.refuseWrites(kSettingsReason);
        }
    }
};

TEST_P(FailedWrites, TheSettingsThatCannotBeKeptAreToldOnceWhenItHappens) {
    const FailedWriteCase& c = GetParam();
    refuseAt(Moment::Start);
    ASSERT_TRUE(startApp());
    const QStringList told{msg(c.message) + kSettingsReason};
    EXPECT_EQ(dialog.texts(), c.settingsRefuseFrom == Moment::Start ? told : QStringList{});

    refuseAt(Moment::GameStart);
    startGame();
    ASSERT_TRUE(app->engine()->view().gameInProgress);
    EXPECT_EQ(dialog.texts().size(), told.size() * (c.settingsRefuseFrom <= Moment::GameStart));

    refuseAt(Moment::GameEnd);
    playToTheEnd();
    // The result stays in the list for this run, whether or not it can be kept.
    EXPECT_EQ(LocalTopTen(settings).slot(1).name, QStringLiteral("Player 1"));
    EXPECT_EQ(dialog.texts().size(), told.size() * (c.settingsRefuseFrom <= Moment::GameEnd));

    refuseAt(Moment::SoundSwitch);
    QTest::mouseClick(control(app->mainForm(), "TonButton"), Qt::LeftButton);
    // Once a run, however many writes fail after it.
    EXPECT_EQ(dialog.texts(), told);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, FailedWrites,
    ::testing::Values(FailedWriteCase{"FirstStart", Moment::Start, Msg::MsgSettingsUnwritable},
                      FailedWriteCase{"Players", Moment::GameStart, Msg::MsgSettingsUnwritable},
                      FailedWriteCase{"TopTen", Moment::GameEnd, Msg::MsgSettingsUnwritable},
                      FailedWriteCase{"Sound", Moment::SoundSwitch, Msg::MsgSettingsUnwritable}),
    [](const auto& info) { return testName(info.param.name); });

TEST_F(WriteFailures, AGameListOnAFullDiskGivesTheSystemsReason) {
    ASSERT_TRUE(startApp());
    {
        // The pool's copy fits; the 133,866 bytes of the game's question list do not.
        const SmallDisk disk(100000);
        startGame();
    }
    const QString gameLog = QDir::toNativeSeparators(
        filePath(app->environment().paths.windowsFolder, QStringLiteral("game.log")));
    ASSERT_FALSE(dialog.empty());
    EXPECT_EQ(dialog.last().text, msg(Msg::MsgGameListUnwritable) + gameLog +
                                      QStringLiteral(": cannot be written: ") +
                                      SmallDisk::reason());
    EXPECT_FALSE(app->engine()->view().gameInProgress);
    EXPECT_FALSE(QFile::exists(gameLog));
    QTest::mouseClick(control(app->spielerForm(), "AbbrechenButton"), Qt::LeftButton);
}

}  // namespace
}  // namespace trivanto
