#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/app/memory_settings_store.h"
#include "core/lang/message_catalogue.h"
#include "core/setup/player_setup.h"
#include "support/recording_message_dialog.h"

namespace trivanto {
namespace {

class Players : public ::testing::Test {
protected:
    Players() { catalogue.SetEnglishTexts(); }
    void create() {
        setup.load();
        setup.activate();
    }
    QString ownPicture(const char* name) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    QTemporaryDir dir;
    MemorySettingsStore settings;
    RecordingMessageDialog dialog;
    MessageCatalogue catalogue;
    PlayerSetup setup{settings, dialog, catalogue};
};

TEST_F(Players, FirstStartDefaults) {
    create();
    EXPECT_EQ(settings.intValue(QStringLiteral("Players/Counter"), -1), 1);
    EXPECT_EQ(setup.PlayerCount(), 1);
    EXPECT_FALSE(setup.randomBoxVisible());
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(setup.player(n).name, QStringLiteral("Player %1").arg(n));
        EXPECT_EQ(setup.player(n).pictureNumber, 0);
    }
}

TEST_F(Players, PlayerCountLayout) {
    create();
    setup.setPlayerCount(3);
    setup.setRandomOrder(true);
    EXPECT_TRUE(setup.randomBoxVisible());
    EXPECT_TRUE(setup.RandomOrder());
    for (int n = 1; n <= 4; ++n) {
        const PlayerRow& row = setup.player(n);
        EXPECT_EQ(row.enabled, n <= 3) << n;
        EXPECT_EQ(row.pictureButtonActive, n <= 3) << n;
        EXPECT_EQ(row.shown, n <= 3 ? SeatPicture::builtIn(0) : SeatPicture::placeholder()) << n;
        EXPECT_FALSE(row.previousEnabled) << n;
        EXPECT_EQ(row.nextEnabled, n <= 3) << n;
    }
    setup.setPlayerCount(1);
    EXPECT_FALSE(setup.randomBoxVisible());
    EXPECT_FALSE(setup.RandomOrder());                            // unticked with one player
    EXPECT_EQ(setup.player(2).name, QStringLiteral("Player 2"));  // names stay
}

TEST_F(Players, PictureArrowsStayWithinZeroToNine) {
    create();
    setup.previousPicture(1);
    EXPECT_EQ(setup.player(1).pictureNumber, 0);
    for (int i = 0; i < 12; ++i) {
        setup.nextPicture(1);
    }
    EXPECT_EQ(setup.player(1).pictureNumber, 9);
    EXPECT_FALSE(setup.player(1).nextEnabled);
    EXPECT_TRUE(setup.player(1).previousEnabled);
    EXPECT_EQ(setup.player(1).shown, SeatPicture::builtIn(9));
    setup.previousPicture(1);
    EXPECT_EQ(setup.player(1).pictureNumber, 8);
    EXPECT_TRUE(setup.player(1).nextEnabled);
}

TEST_F(Players, OwnPictureOnOffAndVanishedFile) {
    settings.setInt(QStringLiteral("Players/Counter"), 2);
    create();
    const QString path = ownPicture("me.bmp");
    setup.switchOwnPicture(2, [] { return QString(); });  // cancelled
    EXPECT_FALSE(settings.contains(PlayerSetup::ownPicKey(2)));
    setup.switchOwnPicture(2, [&] { return path; });
    EXPECT_EQ(setup.player(2).shown, SeatPicture::ownFile(path));
    EXPECT_EQ(setup.player(2).pictureButtonCaption, catalogue.text(Msg::MsgStandardPicture));
    EXPECT_FALSE(setup.player(2).nextEnabled);

    setup.switchOwnPicture(1, [&] { return path; });
    setup.switchOwnPicture(2, [] { return QStringLiteral("unused"); });  // off again
    EXPECT_EQ(setup.player(1).shown, SeatPicture::ownFile(path));        // player 1 keeps his
    EXPECT_EQ(setup.player(2).shown, SeatPicture::builtIn(0));
    EXPECT_EQ(setup.player(2).pictureButtonCaption, catalogue.text(Msg::MsgOwnPicture));

    // A chosen name that is no file falls back and removes the value again.
    setup.switchOwnPicture(2, [&] { return dir.filePath(QStringLiteral("gone.bmp")); });
    EXPECT_FALSE(settings.contains(PlayerSetup::ownPicKey(2)));
    EXPECT_EQ(setup.player(2).shown, SeatPicture::builtIn(0));

    // Player 1's file disappears: the next opening removes the value silently.
    QFile::remove(path);
    setup.activate();
    EXPECT_FALSE(settings.contains(PlayerSetup::ownPicKey(1)));
    EXPECT_EQ(setup.player(1).shown, SeatPicture::builtIn(0));
    EXPECT_TRUE(dialog.empty());
}

TEST_F(Players, NameCheck) {
    const struct {
        int players;
        std::array<const char*, 4> names;
        bool ok;
    } cases[] = {
        {2, {"Ann", "ann", "", ""}, true}, {2, {"Ann", "Ann", "x", "y"}, false},
        {2, {" ", "Bob", "", ""}, false},  {2, {"  ", "Bob", "", ""}, true},
        {2, {"Ann", "", "", ""}, false},   {2, {"Ann", "Bob", "Ann", ""}, true},
        {4, {"A", "B", "C", "A"}, false},  {1, {"Solo", "Solo", "", ""}, true},
        {3, {"A", "B", " ", "D"}, false},
    };
    create();
    for (const auto& c : cases) {
        setup.setPlayerCount(c.players);
        for (int n = 1; n <= 4; ++n) {
            setup.setName(n, QString::fromLatin1(c.names[static_cast<std::size_t>(n - 1)]));
        }
        dialog.clear();
        EXPECT_EQ(setup.checkNames(), c.ok) << c.names[0] << "/" << c.names[1];
        if (!c.ok) {
            ASSERT_EQ(dialog.requests().size(), 1u);
            EXPECT_EQ(dialog.last().text, catalogue.text(Msg::MsgPlayerNamesUnique));
            EXPECT_EQ(dialog.last().width, 267);
            EXPECT_FALSE(dialog.last().wordWrap);
        } else {
            EXPECT_TRUE(dialog.empty());
        }
    }
}

TEST_F(Players, StoreWritesAllFourAndTheCount) {
    create();
    setup.setPlayerCount(2);
    setup.setName(3, QStringLiteral("A name far longer than fifteen"));
    setup.nextPicture(2);
    setup.storePlayers();
    EXPECT_EQ(settings.stringValue(QStringLiteral("Players/Player3")),
              QStringLiteral("A name far long"));
    EXPECT_EQ(settings.intValue(QStringLiteral("Players/Player2_Pic")), 1);
    EXPECT_EQ(settings.intValue(QStringLiteral("Players/Counter")), 2);
    PlayerSetup again(settings, dialog, catalogue);
    again.load();
    EXPECT_EQ(again.PlayerCount(), 2);
    EXPECT_EQ(again.player(2).pictureNumber, 1);
}

}  // namespace
}  // namespace trivanto
