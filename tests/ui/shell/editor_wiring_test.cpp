// The question editor in the application: the main window's Editor button opens it, it closes
// ready for the next time, and the program does not end over the author's unsaved typing.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "core/editor/editor_messages.h"
#include "core/editor/question_editor.h"
#include "support/app_fixture.h"
#include "support/category_files.h"
#include "support/scripted_file_dialogs.h"
#include "ui/editor/editor_form.h"
#include "ui/editor/fragendatei_oeffnen_form.h"
#include "ui/editor/neue_fragendatei_form.h"
#include "ui/editor/suchen_form.h"
#include "ui/shell/main_form.h"

namespace trivanto {
namespace {

class EditorWiring : public ShellAppTest {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        setuptest::writeCategory(progDir(), QStringLiteral("Rivers"), 3);
        env = environment();
        env.fileDialogs = &files;
        ASSERT_TRUE(startApp(env));
        dialog.clear();
        editor = app->editorForm();
        ASSERT_NE(editor, nullptr);
    }
    QString caption() { return control<QLabel>(editor, "FormcaptionLabel")->text(); }

    AppEnvironment env;
    ScriptedFileDialogs files;
    TEditorForm* editor = nullptr;
};

TEST_F(EditorWiring, TheEditorButtonOpensTheEditorModallyUntilItsExit) {
    bool wasModal = false;
    QString shownCaption;
    whenModal([&] {
        wasModal = editor->isVisible() && editor->isModal();
        shownCaption = caption();
        // Open shows the editor's own list of the program folder's categories.
        whenModal([&] {
            auto* list = control<QListWidget>(app->fragendateiOeffnenForm(), "Listbox");
            const auto rows = list->findItems(QStringLiteral("Rivers"), Qt::MatchExactly);
            ASSERT_EQ(rows.size(), 1);
            const QPoint at = list->visualItemRect(rows.front()).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        });
        control<QAbstractButton>(editor, "OeffnenButton")->click();
        EXPECT_FALSE(app->fragendateiOeffnenForm()->isVisible());
        EXPECT_TRUE(files.requests().empty());
        EXPECT_EQ(control<QLineEdit>(editor, "FrageEdit")->text(),
                  QStringLiteral("Rivers question 1"));
        control<QAbstractButton>(editor, "BeendenButton")->click();
    });
    control<QAbstractButton>(app->mainForm(), "FragenkatalogButton")->click();
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(shownCaption, QStringLiteral("Editor - [Categories]"));
    EXPECT_FALSE(editor->isVisible());
    // Reset for the next time.
    EXPECT_EQ(caption(), QStringLiteral("Editor - [Category]"));
    EXPECT_EQ(app->questionEditor()->CurrentSlot(), 0);
    EXPECT_TRUE(dialog.empty());
}

TEST_F(EditorWiring, NewFileAndSearchUseTheEditorsOwnDialogs) {
    editor->FormActivate();
    editor->show();
    whenModal([&] {
        ASSERT_TRUE(app->neueFragendateiForm()->isVisible());
        QTest::keyClicks(control<QLineEdit>(app->neueFragendateiForm(), "DateinameEdit"),
                         QStringLiteral("Lakes"));
        control<QAbstractButton>(app->neueFragendateiForm(), "OKButton")->click();
    });
    control<QAbstractButton>(editor, "NeueDateiButton")->click();
    EXPECT_TRUE(files.requests().empty());  // no system file dialog
    EXPECT_EQ(caption(), QStringLiteral("Editor - [Lakes]"));

    ASSERT_TRUE(app->questionEditor()->openCategory(QStringLiteral("Rivers.trv")));
    whenModal([&] {
        ASSERT_TRUE(app->suchenForm()->isVisible());
        QTest::keyClicks(control<QLineEdit>(app->suchenForm(), "SuchenEdit"),
                         QStringLiteral("question 3"));
        control<QAbstractButton>(app->suchenForm(), "WeitersuchenButton")->click();
        control<QAbstractButton>(app->suchenForm(), "AbbrechenButton")->click();
    });
    control<QAbstractButton>(editor, "SuchenButton")->click();
    EXPECT_FALSE(app->suchenForm()->isVisible());
    EXPECT_EQ(control<QLineEdit>(editor, "FrageEdit")->text(), QStringLiteral("Rivers question 3"));
}

TEST_F(EditorWiring, ACleanCategorySaysSoInTheLanguageOfTheProgram) {
    // One question: nothing the checks could find.
    setuptest::writeCategory(progDir(), QStringLiteral("Pond"), 1);
    editor->FormActivate();
    editor->show();
    ASSERT_TRUE(app->questionEditor()->openCategory(QStringLiteral("Pond.trv")));
    auto* checks = control<QListWidget>(editor, "PruefungenListe");
    ASSERT_EQ(checks->count(), 1);
    EXPECT_EQ(checks->item(0)->text(), app->catalogue().text(Msg::MsgEditorChecksClean));
    EXPECT_FALSE(checks->item(0)->text().isEmpty());
}

TEST_F(EditorWiring, TheProgramEndsOnlyAfterAskingAboutUnsavedTyping) {
    // The editor open, as the main window would show it, with typing not yet saved.
    editor->FormActivate();
    editor->show();
    ASSERT_TRUE(app->questionEditor()->openCategory(QStringLiteral("Rivers.trv")));
    app->questionEditor()->setQuestion(QStringLiteral("Typed"));

    dialog.pushAnswer(AnswerCancel);
    app->mainForm()->ProgrammBeenden();
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.last().text, app->catalogue().text(Msg::MsgAskSaveChanges));
    EXPECT_FALSE(app->isFinished());
    EXPECT_TRUE(editor->isVisible());

    dialog.pushAnswer(AnswerNo);
    app->mainForm()->ProgrammBeenden();
    EXPECT_TRUE(app->isFinished());
    EXPECT_FALSE(editor->isVisible());
}

}  // namespace
}  // namespace trivanto
