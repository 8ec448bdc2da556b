// The new-category dialog driven through its controls.
#include <QLineEdit>
#include <QTimer>

#include "support/editor_dialogs_fixture.h"
#include "support/keyboard_keys.h"
#include "ui/editor/neue_fragendatei_form.h"

namespace trivanto {
namespace {

using keyboardtest::press;

class NeueFragendateiFormTest : public EditorDialogsFixture {
protected:
    void SetUp() override {
        EditorDialogsFixture::SetUp();
        form = std::make_unique<TNeueFragendateiForm>(fakes.services());
        applyTexts(form.get(), "TNeueFragendateiForm", Language::Englisch);
        form->present();
    }

    QLineEdit* name() { return control<QLineEdit>(form.get(), "DateinameEdit"); }
    // Types over whatever the field holds.
    void typeName(const QString& text) {
        name()->selectAll();
        QTest::keyClick(name(), Qt::Key_Backspace);
        QTest::keyClicks(name(), text);
    }
    // Still open with the whole name selected, ready to be typed over.
    void expectOpenWithNameSelected(const QString& text) {
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->model().confirmed());
        EXPECT_EQ(name()->text(), text);
        EXPECT_EQ(name()->selectedText(), text);
        EXPECT_EQ(form->focusWidget(), name());
    }

    std::unique_ptr<TNeueFragendateiForm> form;
};

TEST_F(NeueFragendateiFormTest, TitlesWithForbiddenCharactersAreRefusedAndTheDialogStays) {
    const QString refused[] = {QString(),
                               QStringLiteral("a\\b"),
                               QStringLiteral("a/b"),
                               QStringLiteral("a:b"),
                               QStringLiteral("a*b"),
                               QStringLiteral("a\"b"),
                               QStringLiteral("a<b"),
                               QStringLiteral("a>b"),
                               QStringLiteral("a|b")};
    for (const QString& title : refused) {
        SCOPED_TRACE(title.toStdString());
        dialog.clear();
        typeName(title);
        press(form.get(), Qt::Key_Return);
        ASSERT_EQ(dialog.requests().size(), 1u);
        EXPECT_EQ(
            dialog.last().text,
            QStringLiteral(
                "The title of a category may not contain these characters: \\ / : * \" < > |"));
        EXPECT_EQ(dialog.last().mode, DialogMode::Notice);
        EXPECT_EQ(dialog.last().width, 203);
        EXPECT_TRUE(dialog.last().wordWrap);
        expectOpenWithNameSelected(title);
    }
}

TEST_F(NeueFragendateiFormTest, AnAcceptedTitleClosesTheDialogWithItsFile) {
    struct Accepted {
        const char* title;
        bool byEnter;
    };
    for (const Accepted& c :
         {Accepted{" ", true}, Accepted{"What?", false}, Accepted{"Rock & Roll (live)", true}}) {
        SCOPED_TRACE(c.title);
        form->present();
        typeName(QString::fromUtf8(c.title));
        if (c.byEnter) {
            press(form.get(), Qt::Key_Return);
        } else {
            click(form.get(), "OKButton");
        }
        EXPECT_TRUE(dialog.empty());
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(form->model().confirmed());
        EXPECT_EQ(form->model().title(), QString::fromUtf8(c.title));
        EXPECT_EQ(form->model().filePath(), categoryPath(QString::fromUtf8(c.title)));
    }
    // Nothing is written until the editor saves a question.
    EXPECT_TRUE(QDir(prog()).entryList(QDir::Files).isEmpty());
}

TEST_F(NeueFragendateiFormTest, AnExistingCategoryIsReplacedOnlyAfterYes) {
    writeCategory(QStringLiteral("Sport"), numbered(QStringLiteral("Sport"), 3));
    const QByteArray before = fileBytes(QStringLiteral("Sport"));
    for (const int answer : {AnswerNo, AnswerCancel}) {
        dialog.clear();
        dialog.pushAnswer(answer);
        typeName(QStringLiteral("Sport"));
        click(form.get(), "OKButton");
        ASSERT_EQ(dialog.requests().size(), 1u);
        EXPECT_EQ(dialog.last().text,
                  QStringLiteral("A category with this name already exists. Would you like to "
                                 "replace that category?"));
        EXPECT_EQ(dialog.last().mode, DialogMode::Question);
        EXPECT_EQ(dialog.last().width, 273);
        expectOpenWithNameSelected(QStringLiteral("Sport"));
    }
    dialog.clear();
    dialog.pushAnswer(AnswerYes);
    press(form.get(), Qt::Key_Return);
    EXPECT_EQ(dialog.requests().size(), 1u);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->model().confirmed());
    EXPECT_EQ(fileBytes(QStringLiteral("Sport")), before);
}

TEST_F(NeueFragendateiFormTest, EveryWayOutButOkConfirmsNothing) {
    const std::function<void()> ways[] = {
        [&] { click(form.get(), "AbbrechenButton"); },
        [&] { click(form.get(), "Button3"); },
        [&] { press(form.get(), Qt::Key_Escape); },
        [&] { form->close(); },
    };
    for (const auto& leave : ways) {
        // Confirmed once before: the next opening starts afresh.
        typeName(QStringLiteral("Earlier"));
        press(form.get(), Qt::Key_Return);
        ASSERT_TRUE(form->model().confirmed());
        form->present();
        EXPECT_TRUE(name()->text().isEmpty());
        EXPECT_FALSE(form->model().confirmed());
        typeName(QStringLiteral("Later"));
        leave();
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(form->model().confirmed());
        form->present();
    }
    EXPECT_TRUE(dialog.empty());
}

TEST_F(NeueFragendateiFormTest, AskTitleWaitsForTheAnswer) {
    form->hide();
    QTimer::singleShot(0, form.get(), [this] {
        typeName(QStringLiteral("Rivers"));
        press(form.get(), Qt::Key_Return);
    });
    EXPECT_EQ(form->askTitle(), QStringLiteral("Rivers"));

    QTimer::singleShot(0, form.get(), [this] {
        EXPECT_TRUE(name()->text().isEmpty());
        typeName(QStringLiteral("Lakes"));
        press(form.get(), Qt::Key_Escape);
    });
    EXPECT_EQ(form->askTitle(), std::nullopt);
}

TEST_F(NeueFragendateiFormTest, HelpButtonAndF1OpenTheTopic) {
    click(form.get(), "Button2");
    press(form.get(), Qt::Key_F1);
    EXPECT_EQ(help.topics(), (QStringList{QStringLiteral("Neue_Rubrik_erstellen"),
                                          QStringLiteral("Neue_Rubrik_erstellen")}));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(NeueFragendateiFormTest, TheNameHoldsNoMoreThanAHeaderField) {
    typeName(QString(130, QLatin1Char('x')));
    EXPECT_EQ(name()->text().size(), kFieldCapacity);
}

}  // namespace
}  // namespace trivanto
