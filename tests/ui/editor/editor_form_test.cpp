#include <gtest/gtest.h>

#include <QFileInfo>
#include <QListWidget>

#include "core/editor/editor_messages.h"
#include "support/editor_form_fixture.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

namespace messages = editor_messages;

PlainQuestion mc(const QString& question, int correct = 1) {
    PlainQuestion q;
    q.question = question;
    q.answers = {question + QStringLiteral(" A"), question + QStringLiteral(" B"),
                 question + QStringLiteral(" C"), question + QStringLiteral(" D")};
    q.correct = QString::number(correct);
    return q;
}

std::vector<PlainQuestion> numbered(int count) {
    std::vector<PlainQuestion> questions;
    for (int i = 1; i <= count; ++i) {
        questions.push_back(mc(QStringLiteral("Q%1").arg(i), (i - 1) % 4 + 1));
    }
    return questions;
}

class EditorForm : public EditorFormFixture {
protected:
    void expectMessage(const EditorMessage& message, const QString& tail = {}) {
        ASSERT_FALSE(dialog.empty()) << "wanted " << msgKeyName(message.key);
        EXPECT_EQ(dialog.last().text, catalogue.text(message.key) + tail);
        EXPECT_EQ(dialog.last().mode, message.mode);
        EXPECT_EQ(dialog.last().width, message.width);
        EXPECT_EQ(dialog.last().wordWrap, message.wordWrap);
    }
    QStringList checkLines() {
        QStringList lines;
        auto* list = control<QListWidget>("PruefungenListe");
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text();
        }
        return lines;
    }
};

TEST_F(EditorForm, WithoutACategoryOnlyTheToolbarActs) {
    EXPECT_EQ(label("FormcaptionLabel"), QStringLiteral("Editor - [Categories]"));
    for (const char* name : {"FrageEdit", "Antwort1Edit", "Antwort4Edit", "check1", "FrageLabel",
                             "Antwort1Label", "SchaetzenCheckBox", "DatensatzLabel", "Label1",
                             "DateigroesseLabel", "PruefungenListe"}) {
        EXPECT_FALSE(shown(name)) << name;
    }
    for (const char* name :
         {"SpeichernButton", "RueckgaenigButton", "SuchenButton", "NeuButton", "WeiterButton",
          "ZurueckButton", "LoeschenButton", "ExportierenButton"}) {
        EXPECT_FALSE(enabled(name)) << name;
    }
    for (const char* name : {"NeueDateiButton", "OeffnenButton", "ImportierenButton", "HilfeButton",
                             "BeendenButton"}) {
        EXPECT_TRUE(enabled(name)) << name;
    }
    click("SuchenButton");
    EXPECT_EQ(searchShown, 0);
}

TEST_F(EditorForm, ANewCategoryGetsItsFileWithTheFirstSavedQuestion) {
    newCategory(QStringLiteral("Rivers"));
    EXPECT_EQ(label("FormcaptionLabel"), QStringLiteral("Editor - [Rivers]"));
    EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 1/0"));
    EXPECT_EQ(label("DateigroesseLabel"), QStringLiteral("132 KB"));
    EXPECT_TRUE(label("Label1").startsWith(QStringLiteral("Changed: ")));
    for (const char* name : {"NeuButton", "WeiterButton", "ZurueckButton", "LoeschenButton"}) {
        EXPECT_FALSE(enabled(name)) << name;
    }
    EXPECT_EQ(focusName(), QStringLiteral("FrageEdit"));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Rivers"))));

    typeQuestion(QStringLiteral("Longest river?"),
                 {QStringLiteral("Rhine"), QStringLiteral("Nile"), QStringLiteral("Danube"),
                  QStringLiteral("Elbe")},
                 2);
    click("SpeichernButton");
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 1/1"));
    EXPECT_TRUE(enabled("NeuButton"));
    const std::vector<PlainQuestion> saved = stored(QStringLiteral("Rivers"));
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].question, QStringLiteral("Longest river?"));
    EXPECT_EQ(saved[0].answers[3], QStringLiteral("Elbe"));
    EXPECT_EQ(saved[0].correct, QStringLiteral("2"));
}

struct EnterCase {
    const char* name;
    bool estimation;
    std::vector<const char*> chain;  // where the focus goes with each Enter
};

class EditorEnterChain : public EditorForm, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EditorEnterChain, EnterWalksTheFieldsOfTheQuestion) {
    newCategory(QStringLiteral("Chain"));
    if (GetParam().estimation) {
        click("SchaetzenCheckBox");
    }
    control("FrageEdit")->setFocus();
    for (const char* expected : GetParam().chain) {
        key(Qt::Key_Return);
        EXPECT_EQ(focusName(), QLatin1String(expected));
    }
    EXPECT_TRUE(dialog.empty());
    EXPECT_TRUE(form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Editor, EditorEnterChain,
    ::testing::Values(EnterCase{"MultipleChoice",
                                false,
                                {"Antwort1Edit", "Antwort2Edit", "Antwort3Edit", "Antwort4Edit",
                                 "check1"}},
                      EnterCase{"Estimation", true, {"Antwort1Edit", "SpeichernButton"}}),
    [](const auto& info) { return testName(info.param.name); });

TEST_F(EditorForm, EducatedGuessHidesTheChoicesAndGivesThemBackEmpty) {
    newCategory(QStringLiteral("Guess"));
    typeQuestion(
        QStringLiteral("Q"),
        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}, 3);
    click("SchaetzenCheckBox");
    EXPECT_EQ(label("Antwort1Label"), QStringLiteral("Answer:"));
    for (const char* name : {"Antwort2Edit", "Antwort3Edit", "Antwort4Edit", "Antwort2Label",
                             "Antwort4Label", "check1", "check4"}) {
        EXPECT_FALSE(shown(name)) << name;
    }
    EXPECT_EQ(field("Antwort3Edit"), QStringLiteral("ife"));
    EXPECT_TRUE(control<QAbstractButton>("check1")->isChecked());

    click("SchaetzenCheckBox");
    EXPECT_EQ(label("Antwort1Label"), QStringLiteral("Answer 1:"));
    for (const char* name : {"Antwort2Edit", "Antwort3Edit", "Antwort4Edit"}) {
        EXPECT_TRUE(shown(name)) << name;
        EXPECT_TRUE(field(name).isEmpty()) << name;
    }
    EXPECT_EQ(field("Antwort1Edit"), QStringLiteral("a"));
}

struct ValueCase {
    const char* name;
    const char* value;
    std::optional<EditorMessage> message;  // none: saved
};

class EditorEstimateValues : public EditorForm, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(EditorEstimateValues, OnlyWholeNumbersAreSaved) {
    newCategory(QStringLiteral("Values"));
    click("SchaetzenCheckBox");
    type("FrageEdit", QStringLiteral("How many?"));
    type("Antwort1Edit", QString::fromLatin1(GetParam().value));
    click("SpeichernButton");
    if (GetParam().message) {
        ASSERT_EQ(dialog.requests().size(), 1u);
        expectMessage(*GetParam().message);
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Values"))));
        EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 1/0"));
    } else {
        EXPECT_TRUE(dialog.empty());
        const std::vector<PlainQuestion> saved = stored(QStringLiteral("Values"));
        ASSERT_EQ(saved.size(), 1u);
        EXPECT_EQ(saved[0].kind, QuestionKind::Estimation);
        EXPECT_EQ(saved[0].answers[0], QLatin1String(GetParam().value));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Editor, EditorEstimateValues,
    ::testing::Values(ValueCase{"Negative", "-273", std::nullopt},
                      ValueCase{"NineDigits", "123456789", std::nullopt},
                      ValueCase{"MinusInside", "12-3", messages::kEstimateAnswerInteger},
                      ValueCase{"Letter", "12a3", messages::kEstimateAnswerInteger},
                      ValueCase{"TwoMinus", "--5", messages::kEstimateAnswerInteger},
                      ValueCase{"MinusAlone", "-", messages::kEstimateAnswerInteger},
                      ValueCase{"TenDigits", "1234567890", messages::kEstimateAnswerInteger},
                      ValueCase{"Empty", "", messages::kQuestionIncomplete}),
    [](const auto& info) { return testName(info.param.name); });

TEST_F(EditorForm, SlotTwoHundredIsTheLastAndSaysSoEachTimeItShows) {
    writeCategory(QStringLiteral("Full"), numbered(199));
    openCategory(QStringLiteral("Full"));
    click("NeuButton");
    expectMessage(messages::kCategoryFull);
    EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 200/199"));
    typeQuestion(
        QStringLiteral("The last one"),
        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}, 1);
    dialog.clear();
    click("SpeichernButton");
    EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 200/200"));
    expectMessage(messages::kCategoryFull);
    EXPECT_FALSE(enabled("NeuButton"));
    EXPECT_FALSE(enabled("WeiterButton"));
    EXPECT_EQ(stored(QStringLiteral("Full")).size(), 200u);

    click("ZurueckButton");
    dialog.clear();
    click("WeiterButton");
    ASSERT_EQ(dialog.requests().size(), 1u);
    expectMessage(messages::kCategoryFull);
}

TEST_F(EditorForm, DeletingMovesTheFollowingQuestionsUp) {
    writeCategory(QStringLiteral("Three"), numbered(3));
    openCategory(QStringLiteral("Three"));
    const QByteArray before = fileBytes(path(QStringLiteral("Three")));

    dialog.pushAnswer(AnswerNo);
    click("LoeschenButton");
    expectMessage(messages::kAskDeleteQuestion);
    EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 1/3"));

    dialog.pushAnswer(AnswerYes);
    click("LoeschenButton");
    EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 1/2"));
    EXPECT_EQ(field("FrageEdit"), QStringLiteral("Q2"));
    EXPECT_EQ(field("Antwort4Edit"), QStringLiteral("Q2 D"));
    EXPECT_TRUE(control<QAbstractButton>("check2")->isChecked());
    const std::vector<PlainQuestion> saved = stored(QStringLiteral("Three"));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].question, QStringLiteral("Q3"));
    EXPECT_NE(fileBytes(path(QStringLiteral("Three"))), before);

    // The new slot after a deletion comes up empty.
    click("NeuButton");
    EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 3/2"));
    for (const char* name : {"FrageEdit", "Antwort1Edit", "Antwort4Edit"}) {
        EXPECT_TRUE(field(name).isEmpty()) << name;
    }
    for (const char* name : {"check1", "check2", "check3", "check4"}) {
        EXPECT_FALSE(control<QAbstractButton>(name)->isChecked()) << name;
    }
}

TEST_F(EditorForm, UndoShowsTheStoredTextsAgain) {
    writeCategory(QStringLiteral("Undo"), numbered(2));
    openCategory(QStringLiteral("Undo"));
    type("FrageEdit", QStringLiteral("Changed text"));
    click("check4");
    click("RueckgaenigButton");
    EXPECT_EQ(field("FrageEdit"), QStringLiteral("Q1"));
    EXPECT_TRUE(control<QAbstractButton>("check1")->isChecked());
    EXPECT_FALSE(control<QAbstractButton>("check4")->isChecked());
    EXPECT_TRUE(dialog.empty());
}

TEST_F(EditorForm, TypingIsNotDroppedWithoutAQuestion) {
    writeCategory(QStringLiteral("Kept"), numbered(2));
    writeCategory(QStringLiteral("Other"), numbered(3));
    openCategory(QStringLiteral("Kept"));
    type("FrageEdit", QStringLiteral("Typed"));

    // Leaving: Cancel stays, with the typing.
    dialog.pushAnswer(AnswerCancel);
    click("BeendenButton");
    expectMessage(messages::kAskSaveChanges);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(field("FrageEdit"), QStringLiteral("Typed"));

    // Opening another category: Cancel keeps this one.
    dialog.clear();
    dialog.pushAnswer(AnswerCancel);
    openNames.push_back(QStringLiteral("Other.trv"));
    click("OeffnenButton");
    expectMessage(messages::kAskSaveChanges);
    EXPECT_EQ(label("FormcaptionLabel"), QStringLiteral("Editor - [Kept]"));

    // Escape, then Yes: saved, and the editor closes ready for the next time.
    dialog.clear();
    dialog.pushAnswer(AnswerYes);
    control("FrageEdit")->setFocus();
    key(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored(QStringLiteral("Kept"))[0].question, QStringLiteral("Typed"));
    EXPECT_EQ(label("FormcaptionLabel"), QStringLiteral("Editor - [Category]"));
    EXPECT_EQ(editor->CurrentSlot(), 0);
    EXPECT_EQ(editor->QuestionCount(), 0);
}

TEST_F(EditorForm, TheChecksFollowTheTypingAndLeadToTheQuestion) {
    std::vector<PlainQuestion> questions = numbered(4);
    questions.push_back(mc(QStringLiteral("Q1")));
    writeCategory(QStringLiteral("Checked"), questions);
    openCategory(QStringLiteral("Checked"));
    const QString same = catalogue.text(Msg::MsgCheckSameQuestion);
    ASSERT_FALSE(checkLines().isEmpty());
    EXPECT_EQ(checkLines()[0], QStringLiteral("Question 5: ") + same + QStringLiteral("1"));

    // Activating a finding shows its question.
    auto* list = control<QListWidget>("PruefungenListe");
    emit list->itemActivated(list->item(0));
    EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 5/5"));
    EXPECT_EQ(focusName(), QStringLiteral("FrageEdit"));

    // The list follows every key.
    type("FrageEdit", QStringLiteral("Q2"));
    EXPECT_EQ(checkLines()[0], QStringLiteral("Question 5: ") + same + QStringLiteral("2"));
    type("FrageEdit", QStringLiteral("A question of its own"));
    for (const QString& line : checkLines()) {
        EXPECT_FALSE(line.contains(same)) << line.toStdString();
    }
    EXPECT_TRUE(dialog.empty());
}

TEST_F(EditorForm, ImportEditAndExportThroughTheWindow) {
    const QByteArray csv =
        "question,answer1,answer2,answer3,answer4,correct\r\n"
        "Which planet is known as the Red Planet?,Venus,Mars,Jupiter,Saturn,2\r\n"
        "At how many degrees Celsius is absolute zero?,-273,,,,estimate\r\n";
    const QString source = outside(QStringLiteral("Space.csv"));
    {
        QFile out(source);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(csv);
    }
    files.push(source);
    click("ImportierenButton");
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(label("FormcaptionLabel"), QStringLiteral("Editor - [Space]"));
    EXPECT_EQ(label("DatensatzLabel"), QStringLiteral("Question 1/2"));
    EXPECT_EQ(stored(QStringLiteral("Space")).size(), 2u);

    click("WeiterButton");
    EXPECT_TRUE(control<QAbstractButton>("SchaetzenCheckBox")->isChecked());
    type("Antwort1Edit", QStringLiteral("-274"));
    click("ZurueckButton");

    files.push(outside(QStringLiteral("out.csv")));
    click("ExportierenButton");
    EXPECT_TRUE(dialog.empty());
    QByteArray edited = csv;
    edited.replace("-273", "-274");
    EXPECT_EQ(fileBytes(outside(QStringLiteral("out.csv"))), edited);
    EXPECT_TRUE(files.requests().back().folder.endsWith(QStringLiteral("Space.json")));

    // The same name again: the category exists, and No keeps it as it is.
    files.push(source);
    dialog.pushAnswer(AnswerNo);
    click("ImportierenButton");
    expectMessage(messages::kAskReplaceCategory);
    EXPECT_EQ(stored(QStringLiteral("Space"))[1].answers[0], QStringLiteral("-274"));
}

TEST_F(EditorForm, HelpInfoAndSearchReachTheirWindows) {
    writeCategory(QStringLiteral("Help"), numbered(2));
    openCategory(QStringLiteral("Help"));
    click("HilfeButton");
    click("Button2");
    key(Qt::Key_F1);
    EXPECT_EQ(fakes.help.topics(), QStringList(3, QStringLiteral("Frageneditor")));
    click("Button1");
    EXPECT_EQ(infoShown, 1);
    click("SuchenButton");
    EXPECT_EQ(searchShown, 1);
    click("Button3");
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace trivanto
