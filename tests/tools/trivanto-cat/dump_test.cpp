#include <gtest/gtest.h>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "runner.h"

namespace trivanto::test {
namespace {

QJsonObject dumpOf(const TempFolder& folder, const QString& name) {
    const CatResult r = runCat({QStringLiteral("dump"), name}, folder.dir());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    return doc.object();
}

TEST(CatDump, PrintsTheLayoutWrittenByOffsets) {
    LayoutWriter w;
    w.put(0, 4, "K\xF6nige & Kaiser", false);
    w.question(1,
               "Wer war \x84"
               "Barbarossa\x93?",
               {"Friedrich I.", "Otto", "Karl", "Ludwig"}, "1");
    w.question(2, "Wie alt?", {"-5", "ife", "ife", "ife"}, "1");
    w.question(3, "Joker!", {"joker", "joker", "joker", "joker"}, "7");
    w.question(4, "Gro\xDF?", {"a", "Ife", "c", "\x80"}, "3");
    TempFolder folder;
    folder.write(QStringLiteral("k.trv"), w.bytes());
    const QJsonObject root = dumpOf(folder, QStringLiteral("k.trv"));

    EXPECT_EQ(root.value(QStringLiteral("title")).toString(),
              QStringLiteral("K\u00F6nige & Kaiser"));
    const QJsonArray questions = root.value(QStringLiteral("questions")).toArray();
    ASSERT_EQ(questions.size(), 4);
    struct Expected {
        const char* kind;
        QString question;
        QString answer1;
        QString answer2;
        QString answer4;
        const char* correct;
    };
    const Expected expected[] = {
        {"multiple-choice", QStringLiteral("Wer war \u201EBarbarossa\u201C?"),
         QStringLiteral("Friedrich I."), QStringLiteral("Otto"), QStringLiteral("Ludwig"), "1"},
        {"estimation", QStringLiteral("Wie alt?"), QStringLiteral("-5"), QStringLiteral("ife"),
         QStringLiteral("ife"), "1"},
        {"joker", QStringLiteral("Joker!"), QStringLiteral("joker"), QStringLiteral("joker"),
         QStringLiteral("joker"), "7"},
        {"multiple-choice", QStringLiteral("Gro\u00DF?"), QStringLiteral("a"),
         QStringLiteral("Ife"), QStringLiteral("\u20AC"), "3"},
    };
    for (int i = 0; i < 4; ++i) {
        const QJsonObject q = questions[i].toObject();
        const Expected& e = expected[i];
        EXPECT_EQ(q.value(QStringLiteral("number")).toInt(), i + 1);
        EXPECT_EQ(q.value(QStringLiteral("kind")).toString(), QString::fromUtf8(e.kind)) << i;
        EXPECT_EQ(q.value(QStringLiteral("question")).toString(), e.question) << i;
        const QJsonArray answers = q.value(QStringLiteral("answers")).toArray();
        ASSERT_EQ(answers.size(), 4);
        EXPECT_EQ(answers[0].toString(), e.answer1) << i;
        EXPECT_EQ(answers[1].toString(), e.answer2) << i;
        EXPECT_EQ(answers[3].toString(), e.answer4) << i;
        EXPECT_EQ(q.value(QStringLiteral("correct")).toString(), QString::fromUtf8(e.correct)) << i;
    }
}

TEST(CatDump, TakesSlotsOneToNLikeTheGame) {
    LayoutWriter w;
    w.question(2, "Second?", {"a", "b", "c", "d"}, "2");
    w.question(3, "Third?", {"a", "b", "c", "d"}, "3");
    TempFolder folder;
    folder.write(QStringLiteral("gap.trv"), w.bytes());
    const QJsonArray questions =
        dumpOf(folder, QStringLiteral("gap.trv")).value(QStringLiteral("questions")).toArray();
    ASSERT_EQ(questions.size(), 2);
    EXPECT_EQ(questions[0].toObject().value(QStringLiteral("question")).toString(), QString());
    EXPECT_EQ(questions[1].toObject().value(QStringLiteral("question")).toString(),
              QStringLiteral("Second?"));
}

TEST(CatDump, AllZeroFileHasNoQuestionsAndNoTitle) {
    TempFolder folder;
    folder.write(QStringLiteral("zero.trv"), QByteArray(133866, '\0'));
    const QJsonObject root = dumpOf(folder, QStringLiteral("zero.trv"));
    EXPECT_EQ(root.value(QStringLiteral("title")).toString(QStringLiteral("absent")), QString());
    EXPECT_TRUE(root.value(QStringLiteral("questions")).toArray().isEmpty());
}

TEST(CatDump, DamagedFilesGiveOneLineNamingTheFile) {
    TempFolder folder;
    folder.write(QStringLiteral("short.trv"), QByteArray(133865, '\0'));
    folder.write(QStringLiteral("empty.trv"), {});
    QDir(folder.dir()).mkdir(QStringLiteral("dir.trv"));
    for (const char* name : {"short.trv", "empty.trv", "dir.trv", "missing.trv"}) {
        const CatResult r = runCat({QStringLiteral("dump"), QString::fromUtf8(name)}, folder.dir());
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_TRUE(r.out.isEmpty()) << name;
        ASSERT_EQ(r.errLines().size(), 1) << name << r.err.toStdString();
        EXPECT_TRUE(r.errLines().front().startsWith(QString::fromUtf8(name) + QStringLiteral(": ")))
            << r.err.toStdString();
    }
}

}  // namespace
}  // namespace trivanto::test
