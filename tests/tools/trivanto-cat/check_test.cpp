#include <gtest/gtest.h>
#include <QDir>
#include <functional>

#include "runner.h"

namespace trivanto::test {
namespace {

// A clean category of three questions; each case damages it in one way.
LayoutWriter cleanCategory() {
    LayoutWriter w;
    w.put(0, 0, "<<< Header >>>", false);
    w.put(0, 4, "Clean", false);
    w.question(1, "First?", {"a", "b", "c", "d"}, "1");
    w.question(2, "How many?", {"-12", "ife", "ife", "ife"}, "1");
    w.question(3, "Third?", {"a", "b", "c", "d"}, "4");
    return w;
}

struct CheckCase {
    const char* name;
    std::function<void(LayoutWriter&)> damage;
    const char* problem;  // expected in a line "FILE: <problem>..."
};

TEST(CatCheck, CleanFileExitsZeroSilently) {
    TempFolder folder;
    folder.write(QStringLiteral("Clean.trv"), cleanCategory().bytes());
    const CatResult r =
        runCat({QStringLiteral("check"), QStringLiteral("Clean.trv")}, folder.dir());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST(CatCheck, ReportsEachProblemWithItsSlot) {
    const CheckCase cases[] = {
        {"gap", [](LayoutWriter& w) { w.put(2, 0, "", true); },
         "slot 2: empty, but a later slot is used"},
        {"correct 5", [](LayoutWriter& w) { w.put(3, 5, "5", false); },
         "slot 3: right answer \"5\""},
        {"correct empty", [](LayoutWriter& w) { w.put(1, 5, "", false); },
         "slot 1: right answer \"\""},
        {"correct 12", [](LayoutWriter& w) { w.put(1, 5, "12", false); },
         "slot 1: right answer \"12\""},
        {"estimate letters", [](LayoutWriter& w) { w.put(2, 1, "12a", true); },
         "slot 2: estimation value \"12a\""},
        {"estimate 10 characters", [](LayoutWriter& w) { w.put(2, 1, "1234567890", true); },
         "slot 2: estimation value \"1234567890\""},
        {"estimate empty", [](LayoutWriter& w) { w.put(2, 1, "", true); },
         "slot 2: estimation value \"\""},
        {"estimation answer 4", [](LayoutWriter& w) { w.put(2, 4, "Ife", true); },
         "slot 2: estimation question whose answer 4"},
        {"empty answer", [](LayoutWriter& w) { w.put(3, 3, "", true); },
         "slot 3: answer 3 is empty"},
        {"same question", [](LayoutWriter& w) { w.put(3, 0, "First?", true); },
         "slot 3: the same question as slot 1"},
        {"length byte 111", [](LayoutWriter& w) { w.putLength(1, 2, 111); },
         "slot 1: answer 2 claims 111 characters"},
        {"undefined byte", [](LayoutWriter& w) { w.put(3, 0, "Bad \x81?", true); },
         "slot 3: question holds byte 0x81"},
        {"undefined byte 0x9D in correct", [](LayoutWriter& w) { w.put(1, 5, "\x9D", false); },
         "slot 1: right answer holds byte 0x9D"},
        {"joker",
         [](LayoutWriter& w) {
             w.question(3, "Joker!", {"joker", "joker", "joker", "joker"}, "2");
         },
         "slot 3: holds a joker"},
        {"header title length", [](LayoutWriter& w) { w.putLength(0, 4, 200); },
         "header: title claims 200"},
        {"empty title", [](LayoutWriter& w) { w.put(0, 4, "", false); },
         "header: the title is empty"},
        {"blank title", [](LayoutWriter& w) { w.put(0, 4, "  ", false); },
         "header: the title is empty"},
        {"line break in the title", [](LayoutWriter& w) { w.put(0, 4, "Two\nlines", false); },
         "header: the title holds a control character (U+000A)"},
        {"tab in an answer", [](LayoutWriter& w) { w.put(1, 2, "b\tc", true); },
         "slot 1: answer 2 holds a control character (U+0009)"},
        {"DEL in the question", [](LayoutWriter& w) { w.put(3, 0, "Third\x7f?", true); },
         "slot 3: the question holds a control character (U+007F)"},
        {"no questions",
         [](LayoutWriter& w) {
             for (int slot = 1; slot <= 3; ++slot) {
                 w.question(slot, "", {"", "", "", ""}, "");
             }
         },
         "holds no questions"},
        {"slot 200 after a gap",
         [](LayoutWriter& w) {
             w.question(200, "Last?", {"a", "b", "c", "d"}, "2");
         },
         "slot 199: empty"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        LayoutWriter w = cleanCategory();
        c.damage(w);
        folder.write(QStringLiteral("Damaged.trv"), w.bytes());
        const CatResult r =
            runCat({QStringLiteral("check"), QStringLiteral("Damaged.trv")}, folder.dir());
        EXPECT_EQ(r.exitCode, 1) << c.name;
        const QString expected = QStringLiteral("Damaged.trv: ") + QString::fromUtf8(c.problem);
        bool found = false;
        for (const QString& line : r.errLines()) {
            found = found || line.startsWith(expected);
        }
        EXPECT_TRUE(found) << c.name << "\n  wanted " << expected.toStdString() << "\n  got "
                           << r.err.toStdString();
    }
}

TEST(CatCheck, DamagedFilesAreReportedAndOtherFilesStillChecked) {
    TempFolder folder;
    const QByteArray clean = cleanCategory().bytes();
    folder.write(QStringLiteral("Clean.trv"), clean);
    folder.write(QStringLiteral("Short.trv"), clean.left(133865));
    folder.write(QStringLiteral("Long.trv"), clean + "x");
    folder.write(QStringLiteral("Empty.trv"), {});
    QDir(folder.dir()).mkdir(QStringLiteral("Folder.trv"));
    struct FileCase {
        const char* file;
        const char* mentions;
    };
    const FileCase cases[] = {
        {"Short.trv", "133865"},  {"Long.trv", "133867"},          {"Empty.trv", "0 bytes"},
        {"Folder.trv", "folder"}, {"Missing.trv", "no such file"},
    };
    QStringList args{QStringLiteral("check"), QStringLiteral("Clean.trv")};
    for (const auto& c : cases) {
        args.append(QString::fromUtf8(c.file));
    }
    const CatResult r = runCat(args, folder.dir());
    EXPECT_EQ(r.exitCode, 1);
    const QStringList lines = r.errLines();
    EXPECT_EQ(lines.size(), std::size(cases)) << r.err.toStdString();
    for (const auto& c : cases) {
        const QString prefix = QString::fromUtf8(c.file) + QStringLiteral(": ");
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const QString& l) { return l.startsWith(prefix); });
        ASSERT_NE(line, lines.end()) << c.file;
        EXPECT_TRUE(line->contains(QString::fromUtf8(c.mentions))) << line->toStdString();
    }
    EXPECT_FALSE(r.err.contains(QStringLiteral("Clean.trv")));
}

}  // namespace
}  // namespace trivanto::test
