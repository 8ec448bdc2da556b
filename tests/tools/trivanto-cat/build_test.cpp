#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>

#include "runner.h"
#include "support/small_disk.h"

namespace trivanto::test {
namespace {

const QByteArray kJsonSource =
    "[\n"
    "{\"question\": \"Which planet is known as the Red Planet?\", \"answers\": [\"Venus\", "
    "\"Mars\", \"Jupiter\", \"Saturn\"], \"correct\": 2},\n"
    "{\"question\": \"At how many degrees Celsius is absolute zero?\", \"estimate\": -273},\n"
    "{\"question\": \"Gr\xC3\xBC\xC3\x9F"
    "e \xE2\x80\x93 \xE2\x80\x9E"
    "A, B\xE2\x80\x9C?\", "
    "\"answers\": [\"1 \xE2\x82\xAC\", \"\\\"2\\\"\", \"3\", \"4\"], \"correct\": 4}\n"
    "]\n";

const QByteArray kCsvSource =
    "question,answer1,answer2,answer3,answer4,correct\r\n"
    "Which planet is known as the Red Planet?,Venus,Mars,Jupiter,Saturn,2\r\n"
    "At how many degrees Celsius is absolute zero?,-273,,,,estimate\r\n"
    "\"Gr\xC3\xBC\xC3\x9F"
    "e \xE2\x80\x93 \xE2\x80\x9E"
    "A, B\xE2\x80\x9C?\",1 \xE2\x82\xAC,"
    "\"\"\"2\"\"\",3,4,4\r\n";

// The same three questions, written by offsets in Windows-1252.
LayoutWriter expectedLayout(const QByteArray& title) {
    LayoutWriter w;
    w.put(0, 0, "<<< Header >>>", false);
    w.put(0, 4, title, false);
    w.put(0, 5, "<<< Header >>>", false);
    w.question(1, "Which planet is known as the Red Planet?",
               {"Venus", "Mars", "Jupiter", "Saturn"}, "2");
    w.question(2, "At how many degrees Celsius is absolute zero?", {"-273", "ife", "ife", "ife"},
               "1");
    w.question(3,
               "Gr\xFC\xDF"
               "e \x96 \x84"
               "A, B\x93?",
               {"1 \x80", "\"2\"", "3", "4"}, "4");
    return w;
}

// Compares everything but the notice, date and time of the header, whose texts are free.
void expectLayout(const QByteArray& actual, const QByteArray& expected) {
    ASSERT_EQ(actual.size(), 133866);
    for (int offset = 0; offset < actual.size(); ++offset) {
        if (offset >= 111 && offset < 444) {
            continue;
        }
        ASSERT_EQ(quint8(actual[offset]), quint8(expected[offset]))
            << "entry " << offset / 666 << " field " << offset % 666 / 111 << " byte "
            << offset % 111;
    }
    const QByteArray notice = actual.mid(112, quint8(actual[111]));
    EXPECT_EQ(notice.size(), 34);
    EXPECT_TRUE(notice.contains("2000") && notice.contains("velmora engineering"));
    EXPECT_TRUE(actual.mid(223, quint8(actual[222])).startsWith("Datum: "));
    EXPECT_TRUE(actual.mid(334, quint8(actual[333])).startsWith("Zeit: "));
}

TEST(CatBuild, JsonAndCsvSourcesGiveTheLayoutByteForByte) {
    TempFolder folder;
    folder.write(QStringLiteral("src.json"), kJsonSource);
    folder.write(QStringLiteral("src.csv"), kCsvSource);
    const CatResult json =
        runCat({QStringLiteral("build"), folder.path(QStringLiteral("src.json")),
                QStringLiteral("-o"), folder.path(QStringLiteral("Mixed Bag.trv"))});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    EXPECT_TRUE(json.err.isEmpty());
    const CatResult csv = runCat({QStringLiteral("build"), folder.path(QStringLiteral("src.csv")),
                                  QStringLiteral("-o"), folder.path(QStringLiteral("Other.trv"))});
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();

    expectLayout(folder.read(QStringLiteral("Mixed Bag.trv")), expectedLayout("Mixed Bag").bytes());
    expectLayout(folder.read(QStringLiteral("Other.trv")), expectedLayout("Other").bytes());
}

TEST(CatBuild, TwoHundredQuestionsFillEverySlot) {
    QByteArray source = "[\n";
    for (int i = 1; i <= 200; ++i) {
        source += "{\"question\": \"Q" + QByteArray::number(i) +
                  "\", \"estimate\": " + QByteArray::number(i) + (i < 200 ? "},\n" : "}\n");
    }
    source += "]\n";
    TempFolder folder;
    folder.write(QStringLiteral("full.json"), source);
    const CatResult r = runCat({QStringLiteral("build"), QStringLiteral("full.json"),
                                QStringLiteral("-o"), QStringLiteral("Full.trv")},
                               folder.dir());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray bytes = folder.read(QStringLiteral("Full.trv"));
    ASSERT_EQ(bytes.size(), 133866);
    EXPECT_EQ(quint8(bytes[666 * 200]), 4) << "slot 200 holds Q200";
}

struct RefusedCase {
    const char* name;
    const char* file;
    QByteArray source;
    int line;
    const char* problem;
};

QByteArray mc(const QByteArray& question, const QByteArray& answers = "\"a\", \"b\", \"c\", \"d\"",
              const QByteArray& correct = "1") {
    return "{\"question\": \"" + question + "\", \"answers\": [" + answers +
           "], \"correct\": " + correct + "}";
}

QByteArray tooMany() {
    QByteArray source = "[\n";
    for (int i = 1; i <= 201; ++i) {
        source += mc("Q" + QByteArray::number(i)) + (i < 201 ? ",\n" : "\n");
    }
    return source + "]\n";
}

const QByteArray kCsvHeader = "question,answer1,answer2,answer3,answer4,correct\n";

TEST(CatBuild, RefusesWhatCheckWouldReportNamingFileAndLine) {
    const RefusedCase cases[] = {
        {"more than 200", "a.json", tooMany(), 202, "at most 200 questions"},
        {"missing answers", "a.json", "[\n{\"question\": \"Q\", \"correct\": 1}\n]", 2,
         "\"answers\""},
        {"missing question", "a.json",
         "[\n" + mc("Q") + ",\n{\"answers\": [\"a\",\"b\",\"c\",\"d\"], \"correct\": 1}]", 3,
         "\"question\" is missing"},
        {"correct 5", "a.json", "[\n\n" + mc("Q", "\"a\", \"b\", \"c\", \"d\"", "5") + "]", 3,
         "correct"},
        {"correct 0", "a.json", "[" + mc("Q", "\"a\", \"b\", \"c\", \"d\"", "0") + "]", 1,
         "correct"},
        {"estimate too long", "a.json", "[\n{\"question\": \"Q\", \"estimate\": 1234567890}]", 2,
         "at most 9 characters"},
        {"estimate not whole", "a.json", "[\n{\"question\": \"Q\", \"estimate\": 1.5}]", 2,
         "not a whole number"},
        {"empty answer", "a.json", "[\n" + mc("Q", "\"a\", \"b\", \"\", \"d\"") + "]", 2,
         "answer 3 is empty"},
        {"empty question", "a.json", "[\n" + mc("") + "]", 2, "question is empty"},
        {"duplicate", "a.json", "[\n" + mc("Same") + ",\n" + mc("Same") + "]", 3,
         "same question as on line 2"},
        {"111 bytes", "a.json", "[\n" + mc(QByteArray(111, 'x')) + "]", 2, "at most 110 fit"},
        {"answer 111 bytes", "a.json",
         "[\n" + mc("Q", "\"a\", \"" + QByteArray(111, 'y') + "\", \"c\", \"d\"") + "]", 2,
         "answer 2 is 111"},
        {"outside code page", "a.json", "[\n" + mc("\xD0\x96?") + "]", 2, "Windows-1252 lacks"},
        {"line break in a question", "a.json", "[\n" + mc("Q") + ",\n" + mc("Two\\nlines?") + "]",
         3, "the question holds a control character (U+000A)"},
        {"DEL in an answer", "a.json", "[\n" + mc("Q", "\"a\", \"b\\u007f\", \"c\", \"d\"") + "]",
         2, "answer 2 holds a control character (U+007F)"},
        {"CSV tab in an answer", "a.csv", kCsvHeader + "Q,a,b,c,d\te,1\n", 2,
         "answer 4 holds a control character (U+0009)"},
        {"marker as answer", "a.json", "[\n" + mc("Q", "\"a\", \"ife\", \"c\", \"d\"") + "]", 2,
         "would mark"},
        {"unknown field", "a.json", "[\n{\"question\": \"Q\", \"estimate\": 1, \"hint\": 2}]", 2,
         "unknown field \"hint\""},
        {"malformed JSON", "a.json", "[\n" + mc("Q") + ",\n{\"question\": }\n]", 3, "invalid JSON"},
        {"not a list", "a.json", "{\"question\": \"Q\"}", 1, "expected a list"},
        {"not an object", "a.json", "[\n" + mc("Q") + ",\n42]", 3, "must be an object"},
        {"empty JSON file", "a.json", "", 1, "invalid JSON"},
        {"no questions", "a.json", "[]", 1, "no questions"},
        {"invalid UTF-8", "a.json", "[\n" + mc("Q") + ",\n" + mc("\xC3(") + "]", 3, "UTF-8"},
        {"CSV header", "a.csv", "q,a1,a2,a3,a4,c\nQ,a,b,c,d,1\n", 1, "first row must be"},
        {"empty CSV", "a.csv", "", 1, "first row must be"},
        {"CSV open quote", "a.csv", kCsvHeader + "Q,a,b,c,d,1\n\"Q2,a,b,c,d,1\n", 3,
         "never closed"},
        {"CSV stray quote", "a.csv", kCsvHeader + "Q,a\"b,b,c,d,1\n", 2, "quote inside"},
        {"CSV text after quote", "a.csv", kCsvHeader + "\"Q\"x,a,b,c,d,1\n", 2,
         "after a closing quote"},
        {"CSV field count", "a.csv", kCsvHeader + "Q,a,b,c,1\n", 2, "expected 6 fields, found 5"},
        {"CSV correct", "a.csv", kCsvHeader + "Q,a,b,c,d,x\n", 2, "must be 1 to 4"},
        {"CSV estimate", "a.csv", kCsvHeader + "Q,12a,,,,estimate\n", 2, "not a whole number"},
        {"CSV estimation answers", "a.csv", kCsvHeader + "Q,12,x,,,estimate\n", 2, "answer2 empty"},
        {"CSV line after quoted break", "a.csv", kCsvHeader + "\"Q\nmore\",a,b,c,d,1\nR,a,,c,d,1\n",
         4, "answer 2 is empty"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const QString source = QString::fromLatin1(c.file);
        folder.write(source, c.source);
        folder.write(QStringLiteral("Out.trv"), "previous");
        const CatResult r = runCat(
            {QStringLiteral("build"), source, QStringLiteral("-o"), QStringLiteral("Out.trv")},
            folder.dir());
        EXPECT_EQ(r.exitCode, 1) << c.name;
        const QString expected = QStringLiteral("%1:%2: ").arg(source).arg(c.line);
        bool found = false;
        for (const QString& line : r.errLines()) {
            found =
                found || (line.startsWith(expected) && line.contains(QString::fromUtf8(c.problem)));
        }
        EXPECT_TRUE(found) << c.name << "\n  wanted " << expected.toStdString() << c.problem
                           << "\n  got " << r.err.toStdString();
        EXPECT_EQ(folder.read(QStringLiteral("Out.trv")), QByteArray("previous")) << c.name;
    }
}

TEST(CatBuild, DamagedInvocationsFailWithOneLine) {
    TempFolder folder;
    folder.write(QStringLiteral("ok.json"), "[" + mc("Q") + "]");
    folder.write(QStringLiteral("Short.trv"), QByteArray(100, '\0'));
    folder.write(QStringLiteral("Ok.trv"), LayoutWriter().bytes());
    QDir(folder.dir()).mkdir(QStringLiteral("dir.json"));
    // A FIFO would hold a reader until someone writes to it.
    ASSERT_TRUE(makeFifo(folder.path(QStringLiteral("pipe.json"))));
    folder.write(QStringLiteral("big.json"), "[" + QByteArray(4 << 20, ' ') + "]");
    struct InvocationCase {
        const char* name;
        QStringList args;
        int exitCode;
        const char* mentions;
    };
    const InvocationCase cases[] = {
        {"missing source", {"build", "none.json", "-o", "X.trv"}, 1, "none.json"},
        {"source is a folder", {"build", "dir.json", "-o", "X.trv"}, 1, "dir.json"},
        {"unknown source type", {"build", "ok.txt", "-o", "X.trv"}, 1, "ok.txt"},
        {"source is a FIFO",
         {"build", "pipe.json", "-o", "X.trv"},
         1,
         "pipe.json: is not a regular file"},
        {"source beyond 4 MiB",
         {"build", "big.json", "-o", "X.trv"},
         1,
         "big.json: is more than 4194304 bytes long"},
        {"title with a line break",
         {"build", "ok.json", "-o", "Two\nlines.trv"},
         1,
         "Two\\nlines.trv: "},
        {"output folder missing", {"build", "ok.json", "-o", "no/X.trv"}, 1, "X.trv"},
        {"title outside code page", {"build", "ok.json", "-o", "\u0416.trv"}, 1, "\u0416.trv"},
        {"no -o", {"build", "ok.json"}, 2, "-o"},
        {"-o without file", {"build", "ok.json", "-o"}, 2, "-o"},
        {"no command", {}, 2, "--help"},
        {"unknown command", {"make", "ok.json"}, 2, "make"},
        {"dump without file", {"dump"}, 2, "dump"},
        {"check without file", {"check"}, 2, "check"},
        {"export of a short file", {"export", "Short.trv", "-o", "x.json"}, 1, "Short.trv"},
        {"export of a missing file", {"export", "None.trv", "-o", "x.json"}, 1, "None.trv"},
        {"export to an unknown type", {"export", "Ok.trv", "-o", "x.txt"}, 1, "x.txt"},
        {"export onto a folder", {"export", "Ok.trv", "-o", "dir.json"}, 1, "dir.json"},
        {"export without -o", {"export", "Ok.trv"}, 2, "export"},
    };
    for (const auto& c : cases) {
        const CatResult r = runCat(c.args, folder.dir());
        EXPECT_EQ(r.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(r.errLines().size(), 1) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.mentions)))
            << c.name << ": " << r.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("X.trv"))));
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("x.json"))));
}

TEST(CatBuild, AFullDiskGivesTheSystemsReasonAndKeepsTheOldFile) {
    TempFolder folder;
    folder.write(QStringLiteral("ok.json"), "[" + mc("Q") + "]");
    folder.write(QStringLiteral("Out.trv"), "previous");
    CatResult r;
    {
        // The tool inherits the limit: the category's 133,866 bytes do not fit.
        const SmallDisk disk(1000);
        r = runCat({QStringLiteral("build"), QStringLiteral("ok.json"), QStringLiteral("-o"),
                    QStringLiteral("Out.trv")},
                   folder.dir());
    }
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.errLines(),
              QStringList{QStringLiteral("Out.trv: cannot be written: ") + SmallDisk::reason()});
    EXPECT_EQ(folder.read(QStringLiteral("Out.trv")), QByteArray("previous"));
}

TEST(CatBuild, HelpPrintsUsage) {
    const CatResult r = runCat({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* word : {"dump", "build", "check"}) {
        EXPECT_TRUE(r.out.contains(word)) << word;
    }
}

}  // namespace
}  // namespace trivanto::test
