// The open dialog driven through its list and buttons.
#include <QListWidget>
#include <QTimer>

#include "core/editor/question_editor.h"
#include "support/editor_dialogs_fixture.h"
#include "support/keyboard_keys.h"
#include "ui/editor/fragendatei_oeffnen_form.h"

namespace trivanto {
namespace {

using keyboardtest::press;

class FragendateiOeffnenFormTest : public EditorDialogsFixture {
protected:
    void SetUp() override {
        EditorDialogsFixture::SetUp();
        form = std::make_unique<TFragendateiOeffnenForm>(fakes.services());
        applyTexts(form.get(), "TFragendateiOeffnenForm", Language::Englisch);
    }

    QListWidget* list() { return control<QListWidget>(form.get(), "Listbox"); }
    QStringList shownTexts() {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i) {
            texts << list()->item(i)->text();
        }
        return texts;
    }
    void clickRow(int row) {
        QListWidgetItem* item = list()->item(row);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(item).center());
    }
    void doubleClickRow(int row) {
        const QPoint at = list()->visualItemRect(list()->item(row)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }
    bool okEnabled() { return control<QAbstractButton>(form.get(), "OKButton")->isEnabled(); }

    std::unique_ptr<TFragendateiOeffnenForm> form;
};

TEST_F(FragendateiOeffnenFormTest, ListsTheCategoriesByTitleAsPlainText) {
    for (const char* title : {"zoo", "Rock & Roll", "Q&amp;A", "K\xC3\xB6nige", "animals"}) {
        writeCategory(QString::fromUtf8(title), numbered(QStringLiteral("Q"), 2));
    }
    writeBroken(QStringLiteral("notes.txt"), QByteArray(kQuestionFileSize, '\0'));
    form->present();
    EXPECT_EQ(shownTexts(), (QStringList{QStringLiteral("animals"), QStringLiteral("K\u00F6nige"),
                                         QStringLiteral("Q&amp;A"), QStringLiteral("Rock & Roll"),
                                         QStringLiteral("zoo")}));
    EXPECT_FALSE(list()->item(0)->icon().isNull());
    // The first one is selected and has the focus, ready for Enter or the arrow keys.
    EXPECT_EQ(list()->selectedItems(), QList<QListWidgetItem*>{list()->item(0)});
    EXPECT_EQ(form->focusWidget(), list());
    EXPECT_TRUE(okEnabled());
}

TEST_F(FragendateiOeffnenFormTest, OkDoubleClickAndEnterOpenTheSelectedCategory) {
    for (const char* title : {"Alpha", "Beta", "Gamma"}) {
        writeCategory(QString::fromLatin1(title), numbered(QString::fromLatin1(title), 3));
    }
    struct Way {
        const char* name;
        std::function<void()> choose;
    };
    const Way ways[] = {
        {"OK",
         [this] {
             clickRow(1);
             click(form.get(), "OKButton");
         }},
        {"double click", [this] { doubleClickRow(1); }},
        {"Enter",
         [this] {
             clickRow(1);
             press(form.get(), Qt::Key_Return);
         }},
        {"keys only",
         [this] {
             press(form.get(), Qt::Key_Down);
             press(form.get(), Qt::Key_Enter);
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        form->present();
        way.choose();
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(form->model().confirmed());
        EXPECT_EQ(form->model().chosenFileName(), QStringLiteral("Beta.trv"));
    }
}

TEST_F(FragendateiOeffnenFormTest, NothingSelectedOrAnEmptyFolderKeepsTheDialogOpen) {
    form->present();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(okEnabled());
    press(form.get(), Qt::Key_Return);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->model().confirmed());

    // The list is read again at every opening.
    writeCategory(QStringLiteral("Late"), numbered(QStringLiteral("Late"), 1));
    form->present();
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("Late")});
    EXPECT_TRUE(okEnabled());
    // Control and a click take the selection away again.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list()->visualItemRect(list()->item(0)).center());
    EXPECT_EQ(list()->selectedItems().size(), 0);
    EXPECT_FALSE(okEnabled());
    press(form.get(), Qt::Key_Return);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->model().confirmed());
    EXPECT_TRUE(dialog.empty());
}

TEST_F(FragendateiOeffnenFormTest, UnreadableFilesAreShownAsSuchAndCannotBeChosen) {
    writeCategory(QStringLiteral("Good"), numbered(QStringLiteral("Good"), 2));
    writeBroken(QStringLiteral("Cut.trv"), QByteArray(kQuestionFileSize - 1, 'x'));
    writeBroken(QStringLiteral("Empty.trv"), {});
    form->present();
    EXPECT_EQ(shownTexts(),
              (QStringList{QStringLiteral("Cut (cannot be read)"),
                           QStringLiteral("Empty (cannot be read)"), QStringLiteral("Good")}));
    for (const int row : {0, 1}) {
        clickRow(row);
        EXPECT_EQ(list()->selectedItems().size(), 0) << row;
        EXPECT_FALSE(okEnabled());
        doubleClickRow(row);
        press(form.get(), Qt::Key_Return);
        EXPECT_TRUE(form->isVisible()) << row;
        EXPECT_FALSE(form->model().confirmed());
    }
    clickRow(2);
    EXPECT_TRUE(okEnabled());
    click(form.get(), "OKButton");
    EXPECT_EQ(form->model().chosenFileName(), QStringLiteral("Good.trv"));

    fakes.catalogue.apply(Language::Deutsch);
    form->present();
    EXPECT_EQ(shownTexts().first(), QStringLiteral("Cut (nicht lesbar)"));
}

TEST_F(FragendateiOeffnenFormTest, CancelCloseAndEscapeOpenNothingAfterAnEarlierChoice) {
    writeCategory(QStringLiteral("Kept"), numbered(QStringLiteral("Kept"), 1));
    const std::function<void()> ways[] = {
        [&] { click(form.get(), "AbbrechenButton"); },
        [&] { click(form.get(), "Button3"); },
        [&] { press(form.get(), Qt::Key_Escape); },
        [&] { form->close(); },
    };
    for (const auto& leave : ways) {
        form->present();
        doubleClickRow(0);
        ASSERT_TRUE(form->model().confirmed());
        form->present();
        clickRow(0);
        leave();
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(form->model().confirmed());
    }
}

TEST_F(FragendateiOeffnenFormTest, TheChosenCategoryOpensInTheEditor) {
    writeCategory(QStringLiteral("Bees.v2"), numbered(QStringLiteral("Bees"), 4));
    QuestionEditor editor(
        EditorServices{fakes.dialog, fakes.catalogue, fakes.clock, fakes.paths.progDir});
    QTimer::singleShot(0, form.get(), [this] { doubleClickRow(0); });
    const std::optional<QString> chosen = form->chooseCategory();
    ASSERT_EQ(chosen, QStringLiteral("Bees.v2.trv"));
    ASSERT_TRUE(editor.openCategory(*chosen));
    EXPECT_EQ(editor.view().caption, QStringLiteral("Editor - [Bees.v2]"));
    EXPECT_EQ(editor.QuestionCount(), 4);

    QTimer::singleShot(0, form.get(), [this] { press(form.get(), Qt::Key_Escape); });
    EXPECT_EQ(form->chooseCategory(), std::nullopt);
}

TEST_F(FragendateiOeffnenFormTest, F1OpensTheEditorsHelp) {
    form->present();
    press(form.get(), Qt::Key_F1);
    EXPECT_EQ(help.topics(), QStringList{QStringLiteral("Frageneditor")});
}

}  // namespace
}  // namespace trivanto
