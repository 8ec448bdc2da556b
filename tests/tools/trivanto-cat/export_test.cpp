#include <gtest/gtest.h>

#include "runner.h"

namespace trivanto::test {
namespace {

const QByteArray kJson =
    "[\n"
    "{\"question\": \"Wer schrieb \xE2\x80\x9E"
    "Faust\xE2\x80\x9C?\", \"answers\": [\"Goethe\", \"Schiller\", \"Lessing, G. E.\", "
    "\"Kleist\"], \"correct\": 1},\n"
    "{\"question\": \"Wie hoch ist die Zugspitze (m)?\", \"estimate\": 2962},\n"
    "{\"question\": \"Say \\\"hi\\\"?\", \"answers\": [\"a\", \"b\", \"c\", \"d\"], \"correct\": "
    "2}\n"
    "]\n";
const QByteArray kCsv =
    "question,answer1,answer2,answer3,answer4,correct\r\n"
    "Wer schrieb \xE2\x80\x9E"
    "Faust\xE2\x80\x9C?,Goethe,Schiller,\"Lessing, G. E.\",Kleist,1\r\n"
    "Wie hoch ist die Zugspitze (m)?,2962,,,,estimate\r\n"
    "\"Say \"\"hi\"\"?\",a,b,c,d,2\r\n";

TEST(CatExport, BuildThenExportGivesTheSourceBack) {
    TempFolder folder;
    folder.write(QStringLiteral("in.json"), kJson);
    ASSERT_EQ(runCat({QStringLiteral("build"), QStringLiteral("in.json"), QStringLiteral("-o"),
                      QStringLiteral("Dichter.trv")},
                     folder.dir())
                  .exitCode,
              0);
    struct ExportCase {
        const char* output;
        const QByteArray& expected;
    };
    const ExportCase cases[] = {{"out.json", kJson}, {"out.CSV", kCsv}};
    for (const ExportCase& c : cases) {
        const CatResult r = runCat({QStringLiteral("export"), QStringLiteral("Dichter.trv"),
                                    QStringLiteral("-o"), QString::fromLatin1(c.output)},
                                   folder.dir());
        EXPECT_EQ(r.exitCode, 0) << c.output << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        EXPECT_EQ(folder.read(QString::fromLatin1(c.output)), c.expected) << c.output;
    }
}

TEST(CatExport, ADamagedCategoryIsExportedWholeAndItsProblemsListed) {
    LayoutWriter w;
    w.put(0, 4, "Damaged", false);
    w.question(1, "First?", {"a", "b", "c", "d"}, "7");
    w.question(3, "Joker!", {"joker", "joker", "joker", "joker"}, "2");
    w.question(4, "Zeros?", {"007", "ife", "ife", "ife"}, "1");
    TempFolder folder;
    folder.write(QStringLiteral("Damaged.trv"), w.bytes());
    const CatResult r = runCat({QStringLiteral("export"), QStringLiteral("Damaged.trv"),
                                QStringLiteral("-o"), QStringLiteral("mend.json")},
                               folder.dir());
    EXPECT_EQ(r.exitCode, 1);
    for (const char* problem : {"Damaged.trv: slot 1: right answer \"7\"",
                                "Damaged.trv: slot 2: empty, but a later slot is used",
                                "Damaged.trv: slot 3: holds a joker"}) {
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(problem))) << problem << r.err.toStdString();
    }
    EXPECT_EQ(folder.read(QStringLiteral("mend.json")),
              QByteArray("[\n"
                         "{\"question\": \"First?\", \"answers\": [\"a\", \"b\", \"c\", \"d\"], "
                         "\"correct\": \"7\"},\n"
                         "{\"question\": \"Joker!\", \"answers\": [\"joker\", \"joker\", "
                         "\"joker\", \"joker\"], \"correct\": 2},\n"
                         "{\"question\": \"Zeros?\", \"estimate\": \"007\"}\n"
                         "]\n"));
    // Building the source again names what still needs mending, by line.
    const CatResult again = runCat({QStringLiteral("build"), QStringLiteral("mend.json"),
                                    QStringLiteral("-o"), QStringLiteral("Mended.trv")},
                                   folder.dir());
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("mend.json:2: ")));
    EXPECT_TRUE(again.err.contains(QStringLiteral("mend.json:3: answer 2 \"joker\"")));
    EXPECT_FALSE(again.err.contains(QStringLiteral("mend.json:4: "))) << again.err.toStdString();
}

TEST(CatCheckNotes, AdviceIsPrintedButIsNoProblem) {
    LayoutWriter w;
    w.put(0, 4, "Lopsided", false);
    w.question(1, "Capital of France?", {"Paris", "Lyon", "Nice", "Lille"}, "1");
    w.question(2, "capital of  France?", {"Paris", "Lyon", "Nice", "Lille"}, "1");
    w.question(3, "Largest ocean?", {"Pacific", "Atlantic", "pacific", "Arctic"}, "1");
    TempFolder folder;
    folder.write(QStringLiteral("Lopsided.trv"), w.bytes());
    const CatResult r =
        runCat({QStringLiteral("check"), QStringLiteral("Lopsided.trv")}, folder.dir());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.errLines(),
              (QStringList{
                  QStringLiteral("Lopsided.trv: slot 2: note: nearly the same question as slot 1 "
                                 "(only case or spacing differ)"),
                  QStringLiteral("Lopsided.trv: slot 3: note: answers 1 and 3 are the same"),
                  QStringLiteral("Lopsided.trv: note: answers 1/2/3/4 are right 3/0/0/0 times: "
                                 "the game is fairer when each is right about as often"),
              }));
    const CatResult help = runCat({QStringLiteral("--help")});
    EXPECT_TRUE(help.out.contains("export FILE.trv -o SOURCE"));
}

}  // namespace
}  // namespace trivanto::test
