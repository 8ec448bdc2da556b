#include "core/update/ini_document.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace trivanto {
namespace {

class IniFile : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("test.ini")); }
    void write(const QByteArray& bytes) const {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray content() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir m_dir;
};

struct ReadCase {
    const char* name;
    QByteArray file;
    QString section;
    QString key;
    QString expected;  // "<default>" when the fallback is expected
};

TEST(IniDocument, ReadsWhatTheLinesSay) {
    const QByteArray longLine = "[L]\r\nK=" + QByteArray(300, 'v') + "\r\nNext=1\r\n";
    const ReadCase cases[] = {
        {"plain", "[S]\r\nK=v\r\n", "S", "K", "v"},
        {"names ignore case", "[Head]\r\nKey=v\r\n", "hEAD", "kEY", "v"},
        {"first duplicate section wins", "[Head]\r\nA=1\r\n[head]\r\nA=2\r\nB=3\r\n", "HEAD", "A",
         "1"},
        {"later duplicate's lines are gone", "[Head]\r\nA=1\r\n[head]\r\nB=3\r\n", "Head", "B",
         "<default>"},
        {"first of two keys wins", "[S]\r\nInfo=a\r\nINFO=b\r\n", "S", "info", "a"},
        {"value keeps later =", "[S]\r\nA=b=c\r\n", "S", "A", "b=c"},
        {"blank before key is part of the name", "[S]\r\nKey = x\r\n", "S", "Key", "<default>"},
        {"blank after = is part of the value", "[S]\r\nKey= x\r\n", "S", "Key", " x"},
        {"blank before [ is a line", "[S]\r\n [X]\r\nA=1\r\n", "X", "A", "<default>"},
        {"that line stays in the section", "[S]\r\n [X]=1\r\n", "S", " [X]", "1"},
        {"blank after ] is a line", "[S]\r\n[X] \r\nA=1\r\n", "S", "A", "1"},
        {"section name keeps blanks", "[ S ]\r\nA=1\r\n", " S ", "A", "1"},
        {"lines before a section dropped", "A=1\r\n[S]\r\nB=2\r\n", "S", "A", "<default>"},
        {"LF endings", "[S]\nA=1\nB=2\n", "S", "B", "2"},
        {"CR endings", "[S]\rA=1\rB=2\r", "S", "B", "2"},
        {"code 26 line is empty", "[S]\r\n\x1A\r\nA=1\r\n", "S", "A", "1"},
        {"no final line end", "[S]\r\nA=1", "S", "A", "1"},
        {"line cut at 255, rest skipped", longLine, "L", "K", QString(253, QLatin1Char('v'))},
        {"line after the long one", longLine, "L", "Next", "1"},
        {"windows-1252 bytes", "[\xC4rger]\r\nK=\x80 5\r\n", "\u00E4RGER", "K", "\u20AC 5"},
        {"missing section", "[S]\r\nA=1\r\n", "T", "A", "<default>"},
        {"key holding =", "[S]\r\nA=b=c\r\n", "S", "A=b", "<default>"},
    };
    for (const auto& c : cases) {
        TIniDocument doc;
        doc.loadFromBytes(c.file);
        const QString fallback = QStringLiteral("<default>");
        EXPECT_EQ(doc.ReadValue(c.section, c.key, fallback), c.expected) << c.name;
        EXPECT_FALSE(doc.isChanged()) << c.name;
    }
}

TEST(IniDocument, CursorStillFindsSectionsBeforeIt) {
    TIniDocument doc;
    doc.loadFromBytes("[A]\r\nk=1\r\n[B]\r\nk=2\r\n[C]\r\nk=3\r\n");
    EXPECT_EQ(doc.ReadValue(QStringLiteral("C"), QStringLiteral("k"), {}), QStringLiteral("3"));
    EXPECT_EQ(doc.ReadValue(QStringLiteral("A"), QStringLiteral("k"), {}), QStringLiteral("1"));
    EXPECT_EQ(doc.ReadValue(QStringLiteral("B"), QStringLiteral("k"), {}), QStringLiteral("2"));
    EXPECT_EQ(doc.sectionCount(), 3);
}

TEST(IniDocument, WriteAppendsReplacesAndCutsAt255) {
    TIniDocument doc;
    doc.WriteValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
    EXPECT_TRUE(doc.isChanged());
    doc.WriteValue(QStringLiteral("s"), QStringLiteral("a"), QStringLiteral("2"));
    EXPECT_EQ(doc.sectionCount(), 1);
    EXPECT_EQ(doc.ReadValue(QStringLiteral("S"), QStringLiteral("A"), {}), QStringLiteral("2"));
    doc.WriteValue(QStringLiteral("S"), QStringLiteral("Long"), QString(400, QLatin1Char('x')));
    EXPECT_EQ(doc.ReadValue(QStringLiteral("S"), QStringLiteral("Long"), {}).size(), 255 - 5);
    doc.WriteValue(QStringLiteral("S"), QStringLiteral("Multi"), QStringLiteral("a\r\nb"));
    EXPECT_EQ(doc.ReadValue(QStringLiteral("S"), QStringLiteral("Multi"), {}),
              QStringLiteral("a  b"));
}

TEST_F(IniFile, FlushWritesSectionsWithLinesInCrlf) {
    {
        TIniDocument doc(path());
        doc.WriteValue(QStringLiteral("First"), QStringLiteral("a"), QStringLiteral("1"));
        doc.WriteValue(QStringLiteral("Empty "), QStringLiteral("x"), QStringLiteral("y"));
        doc.WriteValue(QStringLiteral("Second"), QStringLiteral("b"), QStringLiteral("\u00DF"));
        doc.WriteValue(QStringLiteral("first"), QStringLiteral("c"), QStringLiteral("3"));
    }  // the destructor flushes
    EXPECT_EQ(content(), QByteArray("[First]\r\na=1\r\nc=3\r\n\r\n[Empty ]\r\nx=y\r\n\r\n"
                                    "[Second]\r\nb=\xDF\r\n\r\n"));
}

TEST_F(IniFile, EmptySectionsAreNotWrittenBack) {
    write("[Kept]\r\nA=1\r\n[Bare]\r\n\r\n[Dup]\r\n[dup]\r\nB=2\r\n");
    TIniDocument doc(path());
    doc.WriteValue(QStringLiteral("Kept"), QStringLiteral("A"), QStringLiteral("2"));
    ASSERT_TRUE(doc.Flush());
    EXPECT_EQ(content(), QByteArray("[Kept]\r\nA=2\r\n\r\n"));
}

TEST_F(IniFile, UnchangedDocumentNeverTouchesTheFile) {
    const QByteArray original = "junk\n[S]\nA=1\n\n[s]\nB=2\n";
    write(original);
    const QDateTime before = QFileInfo(path()).lastModified();
    {
        TIniDocument doc(path());
        doc.WriteValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
        EXPECT_FALSE(doc.isChanged()) << "an identical write changes nothing";
        EXPECT_TRUE(doc.Flush());
    }
    EXPECT_EQ(content(), original);
    EXPECT_EQ(QFileInfo(path()).lastModified(), before);
}

TEST_F(IniFile, SameValueTwiceMarksChangedOnceAndFlushClearsIt) {
    TIniDocument doc(path());
    doc.WriteValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("x"));
    ASSERT_TRUE(doc.Flush());
    EXPECT_FALSE(doc.isChanged());
    EXPECT_EQ(content(), QByteArray("[S]\r\nA=x\r\n\r\n"));
    QFile::remove(path());
    doc.WriteValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("x"));
    EXPECT_FALSE(doc.isChanged());
    ASSERT_TRUE(doc.Flush());
    EXPECT_FALSE(QFile::exists(path())) << "nothing changed, nothing written";
    doc.WriteValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("X"));
    EXPECT_TRUE(doc.isChanged()) << "case counts when comparing the line";
}

TEST_F(IniFile, MissingFileStartsEmptyAndUnboundDocumentWritesNothing) {
    {
        TIniDocument doc(path());
        EXPECT_EQ(doc.sectionCount(), 0);
        EXPECT_TRUE(doc.errorString().isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path()));
    TIniDocument unbound;
    unbound.WriteValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
    EXPECT_TRUE(unbound.Flush());
}

TEST_F(IniFile, UnreadableFileIsReportedAndNeverOverwritten) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("test.ini")));
    TIniDocument doc(path());
    EXPECT_TRUE(doc.errorString().contains(QStringLiteral("test.ini")));
    doc.WriteValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
    EXPECT_FALSE(doc.Flush());
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(IniFile, WriteFailureIsReported) {
    TIniDocument doc(m_dir.filePath(QStringLiteral("no/such/dir.ini")));
    doc.WriteValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
    EXPECT_FALSE(doc.Flush());
    EXPECT_TRUE(doc.errorString().contains(QStringLiteral("dir.ini")));
    EXPECT_TRUE(doc.isChanged()) << "kept for a later try";
}

}  // namespace
}  // namespace trivanto
