#include "editor_fixture.h"

namespace trivanto::editortest {
namespace {

namespace messages = editor_messages;

// Sources as the editor exports them: the JSON one question per line, the CSV with CRLF.
const QByteArray kJson =
    "[\n"
    "{\"question\": \"Which planet is known as the Red Planet?\", \"answers\": [\"Venus\", "
    "\"Mars\", \"Jupiter\", \"Saturn\"], \"correct\": 2},\n"
    "{\"question\": \"At how many degrees Celsius is absolute zero?\", \"estimate\": -273},\n"
    "{\"question\": \"Gr\xC3\xB6\xC3\x9F"
    "te \\\"Stadt\\\", 2024?\", \"answers\": [\"K\xC3\xB6ln\", \"Hamburg\", \"M\xC3\xBCnchen, "
    "Bayern\", \"Berlin\"], \"correct\": 4}\n"
    "]\n";
const QByteArray kCsv =
    "question,answer1,answer2,answer3,answer4,correct\r\n"
    "Which planet is known as the Red Planet?,Venus,Mars,Jupiter,Saturn,2\r\n"
    "At how many degrees Celsius is absolute zero?,-273,,,,estimate\r\n"
    "\"Gr\xC3\xB6\xC3\x9F"
    "te \"\"Stadt\"\", 2024?\",K\xC3\xB6ln,Hamburg,\"M\xC3\xBCnchen, Bayern\",Berlin,4\r\n";

class ImportExport : public EditorFixture {
protected:
    QString source(const QString& name, const QByteArray& bytes) const {
        const QString file = QDir(dir.path()).filePath(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return file;
    }
    QByteArray exported(const QString& name) {
        const QString file = QDir(dir.path()).filePath(name);
        EXPECT_TRUE(editor->exportSource(file));
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
};

TEST_F(ImportExport, AnImportedCategoryExportsBackToTheSameSource) {
    struct RoundTrip {
        const char* in;
        QByteArray bytes;
    };
    const RoundTrip trips[] = {{"source.json", kJson}, {"source.csv", kCsv}};
    for (const RoundTrip& trip : trips) {
        SCOPED_TRACE(trip.in);
        ASSERT_TRUE(editor->importSource(source(QString::fromLatin1(trip.in), trip.bytes),
                                         QStringLiteral("Imported")));
        EXPECT_TRUE(dialog.empty());
        EXPECT_EQ(editor->view().caption, QStringLiteral("Editor - [Imported]"));
        EXPECT_EQ(editor->view().recordText, QStringLiteral("Question 1/3"));
        EXPECT_EQ(CountQuestions(readBack(QStringLiteral("Imported"))), 3);

        // An edit shows up in both exports; undone, both are the source again.
        editor->goNext();
        editor->setQuestion(QStringLiteral("At how many degrees Fahrenheit is absolute zero?"));
        editor->setAnswer(1, QStringLiteral("-460"));
        editor->goNext();
        QByteArray json = kJson;
        json.replace("Celsius is absolute zero?\", \"estimate\": -273",
                     "Fahrenheit is absolute zero?\", \"estimate\": -460");
        QByteArray csv = kCsv;
        csv.replace("Celsius is absolute zero?,-273", "Fahrenheit is absolute zero?,-460");
        EXPECT_EQ(exported(QStringLiteral("edited.json")), json);
        EXPECT_EQ(exported(QStringLiteral("edited.csv")), csv);

        editor->goBack();
        editor->setQuestion(QStringLiteral("At how many degrees Celsius is absolute zero?"));
        editor->setAnswer(1, QStringLiteral("-273"));
        ASSERT_EQ(editor->DatenSpeichern(), QuestionEditor::SaveOutcome::Saved);
        EXPECT_EQ(exported(QStringLiteral("again.json")), kJson);
        EXPECT_EQ(exported(QStringLiteral("again.csv")), kCsv);
        EXPECT_TRUE(dialog.empty());
    }
}

TEST_F(ImportExport, ASourceWithProblemsIsRefusedWithTheirLines) {
    writeCategory(QStringLiteral("Open"), numbered(2));
    open(QStringLiteral("Open"));
    const QString bad = source(
        QStringLiteral("bad.json"),
        "[\n"
        "{\"question\": \"Same?\", \"answers\": [\"a\", \"b\", \"c\", \"d\"], \"correct\": 1},\n"
        "{\"question\": \"Same?\", \"answers\": [\"a\", \"ife\", \"c\", \"d\"], \"correct\": 5}\n"
        "]\n");
    EXPECT_FALSE(editor->importSource(bad, QStringLiteral("Bad")));
    ASSERT_EQ(dialog.requests().size(), 1u);
    const QStringList lines = dialog.last().text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4) << dialog.last().text.toStdString();
    EXPECT_EQ(lines[0], catalogue.text(Msg::MsgImportProblems));
    for (int i = 1; i < 4; ++i) {
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("bad.json:3: "))) << lines[i].toStdString();
    }
    EXPECT_EQ(dialog.last().width, messages::kImportProblems.width);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Bad"))));
    EXPECT_EQ(editor->title(), QStringLiteral("Open"));

    for (const char* name : {"missing.json", "notes.txt"}) {
        dialog.clear();
        EXPECT_FALSE(editor->importSource(QDir(dir.path()).filePath(QString::fromLatin1(name)),
                                          QStringLiteral("Bad")));
        ASSERT_EQ(dialog.requests().size(), 1u) << name;
        EXPECT_TRUE(dialog.last().text.contains(QString::fromLatin1(name))) << name;
    }
}

TEST_F(ImportExport, ImportingAsksAboutUnsavedTypingFirst) {
    writeCategory(QStringLiteral("Open"), numbered(2));
    open(QStringLiteral("Open"));
    editor->setQuestion(QStringLiteral("Typed"));
    dialog.pushAnswer(AnswerCancel);
    EXPECT_FALSE(
        editor->importSource(source(QStringLiteral("s.json"), kJson), QStringLiteral("New")));
    expectOnlyShown(messages::kAskSaveChanges);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("New"))));
    EXPECT_EQ(editor->view().fields.question, QStringLiteral("Typed"));
}

TEST_F(ImportExport, ExportFailuresAreReported) {
    writeCategory(QStringLiteral("Open"), numbered(2));
    open(QStringLiteral("Open"));
    QDir(dir.path()).mkdir(QStringLiteral("taken.json"));
    EXPECT_FALSE(editor->exportSource(QDir(dir.path()).filePath(QStringLiteral("taken.json"))));
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_TRUE(dialog.last().text.startsWith(catalogue.text(Msg::MsgExportFailed)));
    dialog.clear();
    EXPECT_FALSE(editor->exportSource(QDir(dir.path()).filePath(QStringLiteral("out.txt"))));
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_TRUE(dialog.last().text.startsWith(catalogue.text(Msg::MsgExportFailed)));
}

}  // namespace
}  // namespace trivanto::editortest
