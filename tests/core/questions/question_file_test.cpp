#include "core/questions/question_file.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/text/cp1252.h"

namespace trivanto {
namespace {

// An independent writer that knows only the layout: entry k at 666*k, field f at 111*f, a
// length byte, then the text, question and answers XOR-ed with the key.
class LayoutWriter {
public:
    LayoutWriter() : m_bytes(kQuestionFileSize, '\0') {}

    void put(int entry, int field, const QByteArray& text, bool scrambled) {
        const int at = 666 * entry + 111 * field;
        m_bytes[at] = char(text.size());
        for (int i = 0; i < text.size(); ++i) {
            m_bytes[at + 1 + i] = scrambled ? char(quint8(text[i]) ^ ScrambleKey) : text[i];
        }
    }
    void question(int slot, const QByteArray& q, const std::array<QByteArray, 4>& answers,
                  const QByteArray& correct) {
        put(slot, 0, q, true);
        for (int i = 0; i < 4; ++i) {
            put(slot, 1 + i, answers[size_t(i)], true);
        }
        put(slot, 5, correct, false);
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

TQuestionFile fromLayout(const LayoutWriter& writer) {
    const auto result = questionFileFromBytes(writer.bytes(), QStringLiteral("layout"));
    EXPECT_TRUE(result.ok()) << result.error().toStdString();
    return (*result);
}

TEST(QuestionFile, AllZeroRecordHasNoQuestionsAndNoTitle) {
    const TQuestionFile file = fromLayout(LayoutWriter{});
    EXPECT_EQ(CountQuestions(file), 0);
    EXPECT_EQ(categoryTitle(file), QString());
}

TEST(QuestionFile, LayoutWrittenByOffsetsReadsBack) {
    LayoutWriter writer;
    writer.put(0, 4, "Geschichte", false);
    writer.question(1, "Wer baute die \xC4gyptische Pyramide?",
                    {"Cheops", "Nero", "Caesar", "Otto"}, "1");
    writer.question(2, "Wie hoch ist der Kölner Dom?", {"157", "ife", "ife", "ife"}, "1");
    writer.question(3, "Joker!", {"joker", "joker", "joker", "joker"}, "3");
    const TQuestionFile file = fromLayout(writer);

    EXPECT_EQ(categoryTitle(file), QStringLiteral("Geschichte"));
    EXPECT_EQ(CountQuestions(file), 3);
    const QuestionSlot first = loadSlot(file.entries[1]);
    EXPECT_EQ(first.question, QStringLiteral("Wer baute die \u00C4gyptische Pyramide?"));
    EXPECT_EQ(first.answers[1], QStringLiteral("Nero"));
    EXPECT_EQ(first.answers[3], QStringLiteral("Otto"));
    EXPECT_EQ(first.correct, QStringLiteral("1"));
    EXPECT_EQ(QuestionKindOf(file.entries[1]), QuestionKind::MultipleChoice);
    EXPECT_EQ(QuestionKindOf(file.entries[2]), QuestionKind::Estimation);
    EXPECT_EQ(loadSlot(file.entries[2]).answers[0], QStringLiteral("157"));
    EXPECT_EQ(QuestionKindOf(file.entries[3]), QuestionKind::Joker);
}

TEST(QuestionFile, StoredSlotAndHeaderLandAtTheirOffsets) {
    TQuestionFile file;
    writeCategoryHeader(file, QStringLiteral("Sport"),
                        QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
    storeSlot(file.entries[7],
              {QStringLiteral("Q\u00E4"),
               {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")},
               QStringLiteral("4")});
    const QByteArray bytes = questionFileToBytes(file);
    ASSERT_EQ(bytes.size(), 133866);

    const auto field = [&](int entry, int f) { return bytes.mid(666 * entry + 111 * f, 111); };
    const QByteArray title = field(0, 4);
    EXPECT_EQ(title[0], 5);
    EXPECT_EQ(title.mid(1, 5), QByteArray("Sport"));
    EXPECT_EQ(title.mid(6), QByteArray(105, '\0')) << "bytes after the text are written as 0";
    EXPECT_EQ(field(0, 0).mid(0, 15), QByteArray("\x0E<<< Header >>>"));
    EXPECT_EQ(field(0, 5).mid(0, 15), QByteArray("\x0E<<< Header >>>"));
    EXPECT_TRUE(field(0, 2).mid(1, field(0, 2)[0]).startsWith("Datum: "));
    EXPECT_TRUE(field(0, 3).mid(1, field(0, 3)[0]).startsWith("Zeit: "));
    const QByteArray notice = field(0, 1).mid(1, field(0, 1)[0]);
    EXPECT_EQ(notice.size(), 34);
    EXPECT_TRUE(notice.contains("2000") && notice.contains("velmora engineering"));

    const QByteArray question = field(7, 0);
    EXPECT_EQ(question[0], 2);
    EXPECT_EQ(quint8(question[1]), quint8('Q' ^ ScrambleKey));
    EXPECT_EQ(quint8(question[2]), quint8(0xE4 ^ ScrambleKey));
    EXPECT_EQ(field(7, 5).mid(0, 2), QByteArray("\x01"
                                                "4"))
        << "Correct is plain";
    EXPECT_EQ(quint8(field(7, 4)[1]), quint8('d' ^ ScrambleKey));
}

TEST(QuestionFile, ScramblingIsItsOwnInverseAndKeyStoresZero) {
    ASSERT_NE(ScrambleKey, 0);
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(char(b));
    }
    EXPECT_NE(ScrambleText(all), all);
    EXPECT_EQ(ScrambleText(ScrambleText(all)), all);

    const QString withKey =
        QStringLiteral("a") + fromCp1252(QByteArray(1, char(ScrambleKey))) + QStringLiteral("b");
    TQuestionField field{};
    StoreField(field, withKey, true);
    EXPECT_EQ(field[0], 3);
    EXPECT_EQ(field[2], 0);
    EXPECT_EQ(LoadField(field, true), withKey);
}

struct CutCase {
    const char* name;
    QString text;
    QString expected;
};

TEST(QuestionFile, FieldsAreConvertedThenCutAt110Bytes) {
    const QString a110(110, QLatin1Char('a'));
    const CutCase cases[] = {
        {"110 stays whole", a110, a110},
        {"111 loses the last", a110 + QLatin1Char('z'), a110},
        {"umlauts count one byte", QString(110, QChar(0xFC)) + QLatin1Char('x'),
         QString(110, QChar(0xFC))},
        {"emoji becomes one ?",
         QString(109, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80") + QLatin1Char('b'),
         QString(109, QLatin1Char('a')) + QLatin1Char('?')},
        {"empty", QString(), QString()},
    };
    for (const auto& c : cases) {
        for (const bool scrambled : {false, true}) {
            TQuestionField field;
            field.fill(0xEE);
            StoreField(field, c.text, scrambled);
            EXPECT_EQ(LoadField(field, scrambled), c.expected) << c.name;
            EXPECT_EQ(field[0], c.expected.size()) << c.name;
        }
    }
}

TEST(QuestionFile, DamagedLengthByteNeverReadsIntoTheNextField) {
    TQuestionField field;
    field.fill('x');
    field[0] = 255;
    EXPECT_EQ(LoadFieldBytes(field, false).size(), 110);
}

TEST(QuestionFile, CountSeesEverySlotIncludingGapsAndSlot200) {
    struct CountCase {
        const char* name;
        std::vector<int> used;
        int expected;
    };
    const CountCase cases[] = {
        {"only slot 200", {200}, 1},
        {"gap: slot 1 empty, 2 and 3 used", {2, 3}, 2},
        {"every slot, up to 200", {}, 200},
    };
    for (const auto& c : cases) {
        TQuestionFile file;
        std::vector<int> used = c.used;
        if (used.empty()) {
            for (int s = 1; s <= 200; ++s) {
                used.push_back(s);
            }
        }
        for (int slot : used) {
            StoreField(file.entries[size_t(slot)].fields[FieldQuestion], QStringLiteral("q"), true);
        }
        EXPECT_EQ(CountQuestions(file), c.expected) << c.name;
    }
}

TEST(QuestionFile, KindIsToldByTheExactSecondAnswer) {
    struct KindCase {
        QString answer2;
        QuestionKind expected;
    };
    const KindCase cases[] = {
        {QStringLiteral("ife"), QuestionKind::Estimation},
        {QStringLiteral("joker"), QuestionKind::Joker},
        {QStringLiteral("Ife"), QuestionKind::MultipleChoice},
        {QStringLiteral("Joker"), QuestionKind::MultipleChoice},
        {QStringLiteral("ife "), QuestionKind::MultipleChoice},
        {QStringLiteral("jokers"), QuestionKind::MultipleChoice},
        {QString(), QuestionKind::MultipleChoice},
    };
    for (const auto& c : cases) {
        TQuestionEntry entry;
        StoreField(entry.fields[FieldAnswer2], c.answer2, true);
        EXPECT_EQ(QuestionKindOf(entry), c.expected) << c.answer2.toStdString();
        // The marker must be scrambled like any answer: a plain "ife" is an ordinary answer.
        StoreField(entry.fields[FieldAnswer2], c.answer2, false);
        if (!c.answer2.isEmpty()) {
            EXPECT_EQ(QuestionKindOf(entry), QuestionKind::MultipleChoice)
                << c.answer2.toStdString();
        }
    }
}

class QuestionFileOnDisk : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    void writeBytes(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QTemporaryDir m_dir;
};

TEST_F(QuestionFileOnDisk, ReadAcceptsOnlyFilesOfAtLeastTheRecordSize) {
    struct SizeCase {
        int size;
        bool ok;
    };
    for (const SizeCase c : {SizeCase{0, false}, SizeCase{1, false}, SizeCase{133865, false},
                             SizeCase{133866, true}, SizeCase{133867, true}}) {
        const QString name = QStringLiteral("size%1.trv").arg(c.size);
        writeBytes(name, QByteArray(c.size, '\x07'));
        const auto result = ReadQuestionFile(path(name));
        EXPECT_EQ(result.ok(), c.ok) << c.size;
        if (!c.ok) {
            EXPECT_TRUE(result.error().contains(name)) << result.error().toStdString();
            EXPECT_TRUE(result.error().contains(QString::number(c.size)))
                << result.error().toStdString();
        }
    }
}

TEST_F(QuestionFileOnDisk, LongerFileLosesItsTailAtTheNextSave) {
    LayoutWriter writer;
    writer.question(1, "Q", {"a", "b", "c", "d"}, "2");
    writeBytes(QStringLiteral("long.trv"), writer.bytes() + QByteArray("X"));
    const auto read = ReadQuestionFile(path(QStringLiteral("long.trv")));
    ASSERT_TRUE(read.ok());
    ASSERT_TRUE(WriteQuestionFile(path(QStringLiteral("long.trv")), (*read)));
    QFile f(path(QStringLiteral("long.trv")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), writer.bytes());
}

TEST_F(QuestionFileOnDisk, MissingFileAndFolderGiveErrorsNamingThem) {
    const auto missing = ReadQuestionFile(path(QStringLiteral("none.trv")));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(QStringLiteral("none.trv")));

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.trv")));
    const auto folder = ReadQuestionFile(path(QStringLiteral("folder.trv")));
    EXPECT_FALSE(folder.ok());
    EXPECT_TRUE(folder.error().contains(QStringLiteral("folder.trv")));
}

TEST_F(QuestionFileOnDisk, WriteIntoMissingFolderFailsAndSaysWhere) {
    const Status written =
        WriteQuestionFile(path(QStringLiteral("no/such/x.trv")), TQuestionFile{});
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.error().contains(QStringLiteral("x.trv"))) << written.error().toStdString();
}

TEST_F(QuestionFileOnDisk, NewCategorySavedOnceHoldsOneQuestionAndTitle) {
    TQuestionFile file;
    writeCategoryHeader(file, QString(120, QLatin1Char('T')), QDateTime::currentDateTime());
    storeSlot(file.entries[1],
              {QStringLiteral("Q"),
               {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")},
               QStringLiteral("3")});
    ASSERT_TRUE(WriteQuestionFile(path(QStringLiteral("new.trv")), file));
    const auto read = ReadQuestionFile(path(QStringLiteral("new.trv")));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(CountQuestions((*read)), 1);
    EXPECT_EQ(categoryTitle((*read)), QString(110, QLatin1Char('T')));
    EXPECT_EQ(loadSlot((*read).entries[1]).correct, QStringLiteral("3"));
}

}  // namespace
}  // namespace trivanto
