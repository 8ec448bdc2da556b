#include "core/editor/new_category_dialog.h"
#include "core/editor/open_category_dialog.h"
#include "editor_fixture.h"

namespace trivanto::editortest {
namespace {

namespace messages = editor_messages;
using Outcome = NewCategoryDialog::Outcome;

class Dialogs : public EditorFixture {
protected:
    Dialogs() : newDialog(dialog, catalogue, dir.path()), openDialog(dir.path()) {}
    NewCategoryDialog newDialog;
    OpenCategoryDialog openDialog;
};

TEST_F(Dialogs, TitlesThatCannotNameACategoryAreRefused) {
    struct TitleCase {
        QString title;
        const EditorMessage* message;  // nullptr: accepted
    };
    const TitleCase cases[] = {
        {QStringLiteral(" "), nullptr},
        {QStringLiteral("What?"), nullptr},
        {QStringLiteral("K\u00F6nige & Kaiser"), nullptr},
        {QString(110, QLatin1Char('x')), nullptr},
        {QString(), &messages::kCategoryTitleChars},
        {QStringLiteral("a\\b"), &messages::kCategoryTitleChars},
        {QStringLiteral("a/b"), &messages::kCategoryTitleChars},
        {QStringLiteral("a:b"), &messages::kCategoryTitleChars},
        {QStringLiteral("a*b"), &messages::kCategoryTitleChars},
        {QStringLiteral("a\"b"), &messages::kCategoryTitleChars},
        {QStringLiteral("a<b"), &messages::kCategoryTitleChars},
        {QStringLiteral("a>b"), &messages::kCategoryTitleChars},
        {QStringLiteral("a|b"), &messages::kCategoryTitleChars},
        {QStringLiteral("tab\there"), &messages::kCategoryTitleUnusable},
        {QStringLiteral("two\nlines"), &messages::kCategoryTitleUnusable},
        {QStringLiteral("\u0416"), &messages::kCategoryTitleUnusable},
        {QString(111, QLatin1Char('x')), &messages::kCategoryTitleUnusable},
        {QString(86, QChar(0x20AC)), &messages::kCategoryTitleUnusable},  // 262 bytes as a name
        {QStringLiteral(".hidden"), &messages::kCategoryTitleUnusable},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        dialog.clear();
        newDialog.FormActivate();
        const Outcome outcome = newDialog.confirm(c.title);
        if (c.message == nullptr) {
            EXPECT_EQ(outcome, Outcome::Confirmed);
            EXPECT_TRUE(dialog.empty());
            EXPECT_TRUE(newDialog.confirmed());
            EXPECT_EQ(newDialog.filePath(), path(c.title));
            // The editor takes every title the dialog takes, and saves it.
            ASSERT_TRUE(editor->newCategory(newDialog.title()));
            type(mc(QStringLiteral("Q")));
            EXPECT_EQ(editor->DatenSpeichern(), QuestionEditor::SaveOutcome::Saved);
            EXPECT_EQ(categoryTitle(readBack(c.title)), c.title);
        } else {
            EXPECT_EQ(outcome, Outcome::Refused);
            expectOnlyShown(*c.message);
            EXPECT_FALSE(newDialog.confirmed());
            EXPECT_FALSE(editor->newCategory(c.title));
        }
    }
}

TEST_F(Dialogs, AnExistingCategoryIsReplacedOnlyWhenTheUserSaysYes) {
    writeCategory(QStringLiteral("Sport"), numbered(5));
    const QByteArray before = fileBytes(QStringLiteral("Sport"));
    for (const int answer : {AnswerNo, AnswerCancel}) {
        dialog.clear();
        newDialog.FormActivate();
        dialog.pushAnswer(answer);
        EXPECT_EQ(newDialog.confirm(QStringLiteral("Sport")), Outcome::Declined);
        expectOnlyShown(messages::kAskReplaceCategory);
        EXPECT_FALSE(newDialog.confirmed());
    }
    dialog.clear();
    EXPECT_EQ(newDialog.confirm(QStringLiteral("Sport")), Outcome::Confirmed);
    expectOnlyShown(messages::kAskReplaceCategory);

    // Nothing happens to the old file until the new category is saved.
    ASSERT_TRUE(editor->newCategory(newDialog.title()));
    EXPECT_EQ(fileBytes(QStringLiteral("Sport")), before);
    type(mc(QStringLiteral("New")));
    ASSERT_EQ(editor->DatenSpeichern(), QuestionEditor::SaveOutcome::Saved);
    EXPECT_EQ(CountQuestions(readBack(QStringLiteral("Sport"))), 1);
}

TEST_F(Dialogs, CancelAfterAConfirmedUseCreatesNothing) {
    newDialog.FormActivate();
    ASSERT_EQ(newDialog.confirm(QStringLiteral("Once")), Outcome::Confirmed);
    newDialog.FormActivate();
    EXPECT_TRUE(newDialog.title().isEmpty());
    newDialog.cancel();
    EXPECT_FALSE(newDialog.confirmed());

    writeCategory(QStringLiteral("Kept"), numbered(1));
    openDialog.FormActivate();
    ASSERT_TRUE(openDialog.choose(0));
    openDialog.FormActivate();
    openDialog.cancel();
    EXPECT_FALSE(openDialog.confirmed());
}

TEST_F(Dialogs, OpenListsCategoriesByTitleAndOpensTheChosenOne) {
    for (const char* title : {"zoo", "Animals", "K\xC3\xB6nige", "animals", "Bees.v2"}) {
        writeCategory(QString::fromUtf8(title), numbered(2));
    }
    for (const char* other : {"notes.txt", "upper.TRV", "trv"}) {
        QFile file(QDir(dir.path()).filePath(QString::fromLatin1(other)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QDir(dir.path()).mkdir(QStringLiteral("folder.trv"));
    openDialog.FormActivate();
    EXPECT_EQ(openDialog.titles(),
              (QStringList{QStringLiteral("Animals"), QStringLiteral("animals"),
                           QStringLiteral("Bees.v2"), QStringLiteral("K\u00F6nige"),
                           QStringLiteral("upper"), QStringLiteral("zoo")}));
    EXPECT_FALSE(openDialog.choose(-1));
    EXPECT_FALSE(openDialog.confirmed());
    ASSERT_TRUE(openDialog.choose(3));
    EXPECT_TRUE(openDialog.confirmed());
    EXPECT_EQ(openDialog.chosenFileName(), QStringLiteral("K\u00F6nige.trv"));
    ASSERT_TRUE(editor->openCategory(openDialog.chosenFileName()));
    EXPECT_EQ(editor->view().caption, QStringLiteral("Editor - [K\u00F6nige]"));
}

TEST_F(Dialogs, AnEmptyFolderGivesAnEmptyList) {
    openDialog.FormActivate();
    EXPECT_TRUE(openDialog.titles().isEmpty());
    EXPECT_FALSE(openDialog.choose(0));
    EXPECT_FALSE(openDialog.confirmed());
}

}  // namespace
}  // namespace trivanto::editortest
