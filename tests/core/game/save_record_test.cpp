#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QTemporaryDir>
#include <csignal>

#include "core/common/file_path.h"
#include "core/game/save_record.h"
#include "support/save_files.h"

namespace trivanto {
namespace {

using savetest::readBytes;
using savetest::RecordBytes;
using savetest::writeBytes;

TQuestionFile oneQuestionList() {
    TQuestionFile list;
    storeSlot(list.entries[1], {QStringLiteral("Größte Stadt?"),
                                {QStringLiteral("Köln"), QStringLiteral("Bonn"),
                                 QStringLiteral("Ulm"), QStringLiteral("Hof")},
                                QStringLiteral("1")});
    return list;
}

// Every field at its offset: bytes laid out by hand decode to the values, and the values
// encode to the same bytes.
TEST(SaveRecord, EveryFieldAtItsOffset) {
    RecordBytes hand;
    hand.questions(oneQuestionList());
    hand.name(1, "J\xFCrgen");  // Windows-1252 "Jürgen"
    hand.name(2, "Bob");
    hand.name(3, "Player 3");
    hand.name(4, QByteArray(30, 'x'));
    const qint32 accounts[] = {1250, -340, 0, 2147483647};
    for (int n = 1; n <= 4; ++n) {
        hand.account(n, accounts[n - 1]);
        hand.pictureNumber(n, 10 - 3 * n);
    }
    hand.questionNumber(7);
    hand.currentPlayer(2);
    hand.playerCount(3);
    hand.ownPicture(2, "/home/bob/me.bmp");
    hand.ownPicture(4, QByteArray(200, 'p'));
    hand.questionsPerPlayer(10);
    hand.randomOrder(true);

    const auto record = saveRecordFromBytes(hand.bytes, QStringLiteral("hand.sav"));
    ASSERT_TRUE(record.ok()) << record.error().toStdString();
    EXPECT_EQ(loadSlot(record->questions.entries[1]).answers[0], QStringLiteral("Köln"));
    EXPECT_EQ(record->names[0], QStringLiteral("Jürgen"));
    EXPECT_EQ(record->names[2], QStringLiteral("Player 3"));
    EXPECT_EQ(record->names[3], QString(30, QLatin1Char('x')));
    EXPECT_EQ(record->Account, (std::array<qint32, 4>{1250, -340, 0, 2147483647}));
    EXPECT_EQ(record->pictureNumber, (std::array<qint32, 4>{7, 4, 1, -2}));
    EXPECT_EQ(record->QuestionNumber, 7);
    EXPECT_EQ(record->CurrentPlayer, 2);
    EXPECT_EQ(record->PlayerCount, 3);
    EXPECT_EQ(record->ownPictureFlag, (std::array<quint8, 4>{0, 1, 0, 1}));
    EXPECT_EQ(record->ownPicturePath[1], QByteArray("/home/bob/me.bmp"));
    EXPECT_EQ(record->ownPicturePath[3], QByteArray(200, 'p'));
    EXPECT_TRUE(record->ownPicturePath[0].isEmpty());
    EXPECT_EQ(record->QuestionsPerPlayer, 10);
    EXPECT_EQ(record->RandomOrder, 1);

    EXPECT_EQ(saveRecordToBytes(*record), hand.bytes);
}

TEST(SaveRecord, OnlyExactlyOneRecordIsRead) {
    const QByteArray whole = saveRecordToBytes(TSaveRecord{});
    ASSERT_EQ(whole.size(), 134852);
    for (const qsizetype size : {qsizetype(0), qsizetype(133866), qsizetype(134851)}) {
        const auto record = saveRecordFromBytes(whole.left(size), QStringLiteral("short.sav"));
        ASSERT_FALSE(record.ok()) << size;
        EXPECT_TRUE(record.error().contains(QStringLiteral("short.sav"))) << size;
    }
    EXPECT_FALSE(saveRecordFromBytes(whole + '\0', QStringLiteral("long.sav")).ok());
}

// Nothing ever overruns its field: texts are cut when written, and a length byte above the
// capacity reads as the capacity.
TEST(SaveRecord, TextsLongerThanTheirFieldAreCut) {
    TSaveRecord record;
    record.names[0] = QString(45, QLatin1Char('n'));
    record.names[1] = QStringLiteral("Second");
    record.ownPicturePath[0] = QByteArray(260, 'a');
    record.ownPicturePath[1] = QByteArray("next");
    const QByteArray bytes = saveRecordToBytes(record);
    ASSERT_EQ(bytes.size(), 134852);
    EXPECT_EQ(quint8(bytes[133866]), 30);
    EXPECT_EQ(bytes.mid(133897, 7), QByteArray("\x06Second"));
    EXPECT_EQ(quint8(bytes[134040]), 200);
    EXPECT_EQ(bytes.mid(134241, 5), QByteArray("\x04next"));

    RecordBytes hand;
    hand.byte(133866, 255);
    hand.byte(134040, 255);
    const auto read = saveRecordFromBytes(hand.bytes, QStringLiteral("odd.sav"));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->names[0].size(), 30);
    EXPECT_EQ(read->ownPicturePath[0].size(), 200);
}

// A save that fails half-way (here the file size limit of the process) leaves the file that
// was there whole, and leaves no temporary file behind.
TEST(SaveRecord, AFailedWriteKeepsTheEarlierFile) {
    QTemporaryDir dir;
    const QString path = filePath(dir.path(), QStringLiteral("game.sav"));
    const QByteArray earlier(134852, 'E');
    ASSERT_TRUE(writeBytes(path, earlier));

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 50000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status written = WriteSaveRecord(path, TSaveRecord{});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    ASSERT_FALSE(written.ok());
    EXPECT_TRUE(written.error().contains(QStringLiteral("game.sav")));
    EXPECT_EQ(readBytes(path), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("game.sav")});

    ASSERT_TRUE(WriteSaveRecord(path, TSaveRecord{}).ok());
    EXPECT_EQ(readBytes(path), saveRecordToBytes(TSaveRecord{}));
}

}  // namespace
}  // namespace trivanto
