#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "core/app/memory_settings_store.h"
#include "core/app/qt_settings_store.h"
#include "core/app/settings_saver.h"
#include "core/lang/message_catalogue.h"
#include "support/recording_message_dialog.h"
#include "support/small_disk.h"

namespace trivanto {
namespace {

// The game runs on the file store and its tests on the memory store: both must behave alike.
class SettingsStoreContract : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_store = make();
    }
    std::unique_ptr<SettingsStore> make() {
        if (QLatin1String(GetParam()) == QLatin1String("memory")) {
            return std::make_unique<MemorySettingsStore>();
        }
        return std::make_unique<QtSettingsStore>(m_dir.filePath(QStringLiteral("settings.conf")));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
};

TEST_P(SettingsStoreContract, ValuesReadBackAsWritten) {
    SettingsStore& s = *m_store;
    s.setString(QStringLiteral("ProgDir"), QStringLiteral("/opt/trivanto/"));
    s.setString(QStringLiteral("Players/Player1"), QStringLiteral("Jürgen Groß"));
    s.setString(QStringLiteral("Players/Player2"), QStringLiteral("Anne, Bob; \"C\" = 1"));
    s.setString(QStringLiteral("Players/Player1_eMail"), QString());
    s.setInt(QStringLiteral("Players/Player1_Pic"), 9);
    s.setInt(QStringLiteral("Players/Counter"), -2147483647 - 1);
    s.setBool(QStringLiteral("Players/Ton"), false);
    s.setString(QStringLiteral("Highscore/1_Money"), QStringLiteral("-"));

    EXPECT_EQ(s.stringValue(QStringLiteral("ProgDir")), QStringLiteral("/opt/trivanto/"));
    EXPECT_EQ(s.stringValue(QStringLiteral("Players/Player1")), QStringLiteral("Jürgen Groß"));
    EXPECT_EQ(s.stringValue(QStringLiteral("Players/Player2")),
              QStringLiteral("Anne, Bob; \"C\" = 1"));
    EXPECT_TRUE(s.contains(QStringLiteral("Players/Player1_eMail")));
    EXPECT_EQ(s.stringValue(QStringLiteral("Players/Player1_eMail"), QStringLiteral("x")),
              QString());
    EXPECT_EQ(s.intValue(QStringLiteral("Players/Player1_Pic")), 9);
    EXPECT_EQ(s.intValue(QStringLiteral("Players/Counter")), -2147483647 - 1);
    EXPECT_FALSE(s.boolValue(QStringLiteral("Players/Ton"), true));
    // Booleans are stored as the integers 1 and 0.
    EXPECT_EQ(s.intValue(QStringLiteral("Players/Ton"), 7), 0);
    s.setBool(QStringLiteral("Players/Ton"), true);
    EXPECT_EQ(s.intValue(QStringLiteral("Players/Ton")), 1);
    EXPECT_TRUE(s.boolValue(QStringLiteral("Players/Ton")));
    EXPECT_EQ(s.stringValue(QStringLiteral("Highscore/1_Money")), QStringLiteral("-"));
}

TEST_P(SettingsStoreContract, MissingAndMalformedValuesGiveTheFallback) {
    SettingsStore& s = *m_store;
    s.setString(QStringLiteral("Players/Player1_Pic"), QStringLiteral("nine"));
    s.setString(QStringLiteral("Players/Big"), QStringLiteral("99999999999"));
    EXPECT_FALSE(s.contains(QStringLiteral("Players/Player4")));
    EXPECT_EQ(s.stringValue(QStringLiteral("Players/Player4"), QStringLiteral("fb")),
              QStringLiteral("fb"));
    EXPECT_EQ(s.intValue(QStringLiteral("Players/Counter"), 1), 1);
    EXPECT_EQ(s.intValue(QStringLiteral("Players/Player1_Pic"), 3), 3);
    EXPECT_EQ(s.intValue(QStringLiteral("Players/Big"), 4), 4);
    EXPECT_TRUE(s.boolValue(QStringLiteral("Players/Ton"), true));
    EXPECT_TRUE(s.boolValue(QStringLiteral("Players/Player1_Pic"), true));
}

TEST_P(SettingsStoreContract, GroupsExistWhileTheyHoldValues) {
    SettingsStore& s = *m_store;
    EXPECT_FALSE(s.groupExists(QStringLiteral("Players")));
    s.setString(QStringLiteral("Players/Player1"), QStringLiteral("A"));
    s.setString(QStringLiteral("Players/Player1_OwnPic"), QStringLiteral("pic.bmp"));
    s.setString(QStringLiteral("PlayersExtra/X"), QStringLiteral("B"));
    s.setString(QStringLiteral("Highscore/1_Name"), QStringLiteral("Frei"));
    EXPECT_TRUE(s.groupExists(QStringLiteral("Players")));
    EXPECT_TRUE(s.groupExists(QStringLiteral("Highscore")));
    EXPECT_FALSE(s.groupExists(QStringLiteral("Player")));

    s.remove(QStringLiteral("Players/Player1_OwnPic"));
    EXPECT_FALSE(s.contains(QStringLiteral("Players/Player1_OwnPic")));
    EXPECT_TRUE(s.contains(QStringLiteral("Players/Player1")));

    s.remove(QStringLiteral("Players"));
    EXPECT_FALSE(s.groupExists(QStringLiteral("Players")));
    EXPECT_FALSE(s.contains(QStringLiteral("Players/Player1")));
    // A group whose name starts like the removed one is a different group.
    EXPECT_TRUE(s.contains(QStringLiteral("PlayersExtra/X")));
    EXPECT_TRUE(s.groupExists(QStringLiteral("Highscore")));
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsStoreContract, ::testing::Values("memory", "file"),
                         [](const auto& info) { return std::string(info.param); });

class QtSettingsStoreFile : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("Trivanto.conf")); }
    QTemporaryDir m_dir;
};

TEST_F(QtSettingsStoreFile, ValuesSurviveANewStoreOnTheSameFile) {
    {
        QtSettingsStore store(path());
        store.setString(QStringLiteral("Players/Player1"), QStringLiteral("Zoë Ärger"));
        store.setInt(QStringLiteral("Players/Player1_Pic"), 4);
        store.setBool(QStringLiteral("Players/Ton"), true);
        store.setString(QStringLiteral("Highscore/10_Time"), QStringLiteral("00:00:00"));
        EXPECT_TRUE(store.sync().ok());
        EXPECT_EQ(store.location(), path());
    }
    QtSettingsStore reopened(path());
    EXPECT_EQ(reopened.stringValue(QStringLiteral("Players/Player1")), QStringLiteral("Zoë Ärger"));
    EXPECT_EQ(reopened.intValue(QStringLiteral("Players/Player1_Pic")), 4);
    EXPECT_TRUE(reopened.boolValue(QStringLiteral("Players/Ton")));
    EXPECT_EQ(reopened.stringValue(QStringLiteral("Highscore/10_Time")),
              QStringLiteral("00:00:00"));

    // The groups are sections of the file and the boolean is written as the number 1.
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("[Players]"));
    EXPECT_TRUE(content.contains("[Highscore]"));
    EXPECT_TRUE(content.contains("\nTon=1"));
}

TEST_F(QtSettingsStoreFile, HandEditedValuesAreReadSensibly) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Players]\nPlayer1=Anna, Ben\nTon=true\nCounter= 3 \nPlayer1_Pic=x\n");
    file.close();
    QtSettingsStore store(path());
    EXPECT_EQ(store.stringValue(QStringLiteral("Players/Player1")), QStringLiteral("Anna, Ben"));
    EXPECT_TRUE(store.boolValue(QStringLiteral("Players/Ton")));
    EXPECT_EQ(store.intValue(QStringLiteral("Players/Counter")), 3);
    EXPECT_EQ(store.intValue(QStringLiteral("Players/Player1_Pic"), 0), 0);
}

TEST_F(QtSettingsStoreFile, DamagedFileGivesFallbacksWithoutHarm) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray junk;
    for (int i = 0; i < 4096; ++i) {
        junk.append(static_cast<char>((i * 37 + 11) % 256));
    }
    file.write(junk);
    file.close();
    QtSettingsStore store(path());
    EXPECT_EQ(store.intValue(QStringLiteral("Players/Counter"), 1), 1);
    store.setInt(QStringLiteral("Players/Counter"), 2);
    EXPECT_EQ(store.intValue(QStringLiteral("Players/Counter"), 1), 2);
}

TEST_F(QtSettingsStoreFile, AnUnwritableLocationIsReported) {
    // A path below a plain file can never be created, not even by an administrator.
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtSettingsStore store(m_dir.filePath(QStringLiteral("blocker/Trivanto.conf")));
    store.setString(QStringLiteral("ProgDir"), QStringLiteral("x"));
    const Status synced = store.sync();
    EXPECT_FALSE(synced.ok());
    // The system's reason, not only that it failed.
    EXPECT_TRUE(synced.error().contains(QStringLiteral("Not a directory")))
        << synced.error().toStdString();
}

TEST_F(QtSettingsStoreFile, AFullDiskKeepsTheOldFileAndSaysWhy) {
    {
        QtSettingsStore store(path());
        store.setString(QStringLiteral("Players/Player1"), QStringLiteral("Ann"));
        ASSERT_TRUE(store.sync().ok());
    }
    QtSettingsStore store(path());
    store.setString(QStringLiteral("Players/Player1"), QStringLiteral("Bob"));
    Status synced;
    {
        const SmallDisk disk(10);
        synced = store.sync();
    }
    EXPECT_EQ(synced.error(), path() + QStringLiteral(": ") + SmallDisk::reason());
    // The run goes on with the new value; the file keeps the old one.
    EXPECT_EQ(store.stringValue(QStringLiteral("Players/Player1")), QStringLiteral("Bob"));
    // Read as bytes: another QSettings on the same file would share this one's memory.
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    EXPECT_TRUE(stored.contains("Player1=Ann")) << stored.toStdString();
}

TEST_F(QtSettingsStoreFile, AFolderInPlaceOfTheFileIsReported) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Trivanto.conf")));
    const std::unique_ptr<SettingsStore> store = openSettingsStore(path());
    store->setInt(QStringLiteral("Players/Counter"), 2);
    EXPECT_EQ(store->sync().error(), path() + QStringLiteral(": is a folder"));
    EXPECT_EQ(store->intValue(QStringLiteral("Players/Counter")), 2);
}

TEST_F(QtSettingsStoreFile, AFifoInPlaceOfTheFileIsNotReadButReported) {
    ASSERT_TRUE(makeFifo(path()));
    // Reading it would wait for a writer; the store keeps its values in memory instead.
    const std::unique_ptr<SettingsStore> store = openSettingsStore(path());
    EXPECT_EQ(store->intValue(QStringLiteral("Players/Counter"), 1), 1);
    store->setInt(QStringLiteral("Players/Counter"), 3);
    EXPECT_EQ(store->intValue(QStringLiteral("Players/Counter"), 1), 3);
    EXPECT_EQ(store->sync().error(), path() + QStringLiteral(": is not a regular file"));
    EXPECT_FALSE(QFileInfo(path()).isFile());
}

TEST(SettingsSaver, TellsOnceWhyTheSettingsCannotBeKept) {
    MemorySettingsStore store;
    RecordingMessageDialog dialog;
    MessageCatalogue catalogue;
    catalogue.apply(Language::Deutsch);
    SettingsSaver saver(store, dialog, catalogue);
    EXPECT_TRUE(saver.save());
    EXPECT_TRUE(dialog.empty());

    store.refuseWrites(QStringLiteral("Trivanto.conf: Read-only file system"));
    EXPECT_FALSE(saver.save());
    EXPECT_FALSE(saver.save());
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, catalogue.text(Msg::MsgSettingsUnwritable) +
                                      QStringLiteral("Trivanto.conf: Read-only file system"));
    EXPECT_TRUE(dialog.last().text.startsWith(QStringLiteral("Trivanto kann seine Einstellungen")));
    EXPECT_TRUE(dialog.last().wordWrap);
    EXPECT_TRUE(saver.told());
}

}  // namespace
}  // namespace trivanto
