#include <QFileInfo>
#include <QLocale>

#include "core/editor/editor_finding_text.h"
#include "editor_fixture.h"

namespace trivanto::editortest {
namespace {

namespace messages = editor_messages;
using Outcome = QuestionEditor::SaveOutcome;

class Editor : public EditorFixture {};

TEST_F(Editor, StartsWithoutACategoryAndClosesBackToTheClosedCaption) {
    editor->FormActivate();
    const EditorView& v = editor->view();
    EXPECT_EQ(v.caption, QStringLiteral("Editor - [Categories]"));
    EXPECT_FALSE(v.categoryOpen);
    EXPECT_FALSE(v.nextEnabled || v.backEnabled || v.newQuestionEnabled || v.deleteEnabled);
    EXPECT_EQ(editor->DatenSpeichern(), Outcome::NoCategory);

    writeCategory(QStringLiteral("Space"), numbered(3));
    open(QStringLiteral("Space"));
    editor->setQuestion(QStringLiteral("typed"));
    ASSERT_TRUE(editor->requestClose());  // the scripted dialog says Yes: save first
    editor->reset();
    EXPECT_EQ(editor->view().caption, QStringLiteral("Editor - [Category]"));
    EXPECT_EQ(editor->CurrentSlot(), 0);
    EXPECT_EQ(editor->QuestionCount(), 0);
    EXPECT_TRUE(editor->CurrentFilePath().isEmpty());
    EXPECT_TRUE(editor->title().isEmpty());
    EXPECT_EQ(CountQuestions(editor->EditorBuffer()), 0);
    EXPECT_EQ(categoryTitle(editor->EditorBuffer()), QString());
    EXPECT_FALSE(editor->hasUnsavedChanges());
}

TEST_F(Editor, NewCategoryIsCreatedByItsFirstSave) {
    ASSERT_TRUE(editor->newCategory(QStringLiteral("Rivers")));
    const EditorView& v = editor->view();
    EXPECT_EQ(v.caption, QStringLiteral("Editor - [Rivers]"));
    EXPECT_EQ(v.recordText, QStringLiteral("Question 1/0"));
    EXPECT_EQ(v.changedText,
              QStringLiteral("Changed: ") +
                  QLocale::system().toString(clock.now().date(), QLocale::ShortFormat));
    EXPECT_EQ(v.sizeText, QStringLiteral("132 KB"));
    EXPECT_TRUE(v.categoryOpen);
    EXPECT_FALSE(v.newQuestionEnabled || v.nextEnabled || v.backEnabled || v.deleteEnabled);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Rivers"))));
    EXPECT_EQ(editor->findingLines(),
              QStringList{QStringLiteral("The category holds no questions")});

    type(mc(QStringLiteral("Longest river?"), 3));
    EXPECT_TRUE(editor->findings().empty());
    EXPECT_TRUE(editor->hasUnsavedChanges());
    EXPECT_EQ(editor->DatenSpeichern(), Outcome::Saved);
    EXPECT_TRUE(dialog.empty());
    EXPECT_FALSE(editor->hasUnsavedChanges());
    EXPECT_EQ(editor->view().recordText, QStringLiteral("Question 1/1"));
    EXPECT_TRUE(editor->view().nextEnabled && editor->view().newQuestionEnabled);

    const TQuestionFile file = readBack(QStringLiteral("Rivers"));
    EXPECT_EQ(CountQuestions(file), 1);
    EXPECT_EQ(categoryTitle(file), QStringLiteral("Rivers"));
    const QuestionSlot slot = loadSlot(file.entries[1]);
    EXPECT_EQ(slot.question, QStringLiteral("Longest river?"));
    EXPECT_EQ(slot.answers[2], QStringLiteral("Longest river? C"));
    EXPECT_EQ(slot.correct, QStringLiteral("3"));
    EXPECT_EQ(LoadField(file.entries[0].fields[HeaderSavedDate], false),
              QStringLiteral("Datum: ") +
                  QLocale::system().toString(clock.now().date(), QLocale::ShortFormat));
    EXPECT_TRUE(checkCategoryRecord(file).empty());
}

TEST_F(Editor, SlotTwoHundredIsTheLastAndSaysSoEveryTimeItIsShown) {
    writeCategory(QStringLiteral("Full"), numbered(199));
    open(QStringLiteral("Full"));
    editor->newQuestion();
    EXPECT_EQ(editor->CurrentSlot(), 200);
    expectOnlyShown(messages::kCategoryFull);
    EXPECT_FALSE(editor->view().newQuestionEnabled);
    EXPECT_FALSE(editor->view().nextEnabled);

    dialog.clear();
    type(mc(QStringLiteral("The last one")));
    EXPECT_EQ(editor->DatenSpeichern(), Outcome::Saved);
    expectOnlyShown(messages::kCategoryFull);
    EXPECT_EQ(editor->view().recordText, QStringLiteral("Question 200/200"));
    EXPECT_FALSE(editor->view().newQuestionEnabled);
    EXPECT_FALSE(editor->view().nextEnabled);
    EXPECT_EQ(CountQuestions(readBack(QStringLiteral("Full"))), 200);

    dialog.clear();
    editor->newQuestion();  // disabled in a full category
    editor->goBack();
    EXPECT_EQ(editor->CurrentSlot(), 199);
    EXPECT_TRUE(dialog.empty());
    editor->goNext();
    expectOnlyShown(messages::kCategoryFull);
}

TEST_F(Editor, EstimationValuesMustBeWholeNumbers) {
    struct ValueCase {
        const char* value;
        Outcome outcome;
        const EditorMessage* message;
    };
    const ValueCase cases[] = {
        {"-12", Outcome::Saved, nullptr},
        {"123456789", Outcome::Saved, nullptr},
        {"0", Outcome::Saved, nullptr},
        {"1-2", Outcome::Refused, &messages::kEstimateAnswerInteger},
        {"12a", Outcome::Refused, &messages::kEstimateAnswerInteger},
        {"--1", Outcome::Refused, &messages::kEstimateAnswerInteger},
        {"-", Outcome::Refused, &messages::kEstimateAnswerInteger},
        {"1234567890", Outcome::Refused, &messages::kEstimateAnswerInteger},
        {" 12", Outcome::Refused, &messages::kEstimateAnswerInteger},
        {"", Outcome::Incomplete, &messages::kQuestionIncomplete},
    };
    writeCategory(QStringLiteral("Numbers"), numbered(1));
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.value);
        editor->undo();
        open(QStringLiteral("Numbers"));
        const QByteArray before = fileBytes(QStringLiteral("Numbers"));
        editor->newQuestion();
        type(estimation(QStringLiteral("How many?"), QString::fromLatin1(c.value)));
        EXPECT_EQ(editor->DatenSpeichern(), c.outcome);
        if (c.message == nullptr) {
            EXPECT_TRUE(dialog.empty());
            const std::vector<PlainQuestion> stored = storedQuestions(QStringLiteral("Numbers"));
            ASSERT_EQ(stored.size(), 2u);
            EXPECT_EQ(stored[1].kind, QuestionKind::Estimation);
            EXPECT_EQ(stored[1].answers,
                      (std::array<QString, 4>{QString::fromLatin1(c.value), QStringLiteral("ife"),
                                              QStringLiteral("ife"), QStringLiteral("ife")}));
            EXPECT_EQ(stored[1].correct, QStringLiteral("1"));
            writeCategory(QStringLiteral("Numbers"), numbered(1));
        } else {
            expectOnlyShown(*c.message);
            EXPECT_EQ(fileBytes(QStringLiteral("Numbers")), before);
            EXPECT_TRUE(editor->hasUnsavedChanges()) << "the typing stays to be mended";
        }
    }
}

TEST_F(Editor, IncompleteAndRefusedQuestionsLeaveTheFileAlone) {
    struct SaveCase {
        const char* name;
        void (*edit)(QuestionEditor&);
        Outcome outcome;
        const EditorMessage* message;
    };
    const SaveCase cases[] = {
        {"no question", [](QuestionEditor& e) { e.setQuestion(QStringLiteral("  ")); },
         Outcome::Incomplete, &messages::kQuestionIncomplete},
        {"no answer 3", [](QuestionEditor& e) { e.setAnswer(3, QString()); }, Outcome::Incomplete,
         &messages::kQuestionIncomplete},
        {"no right answer", [](QuestionEditor& e) { e.setCorrect(0); }, Outcome::Incomplete,
         &messages::kQuestionIncomplete},
        {"answer 2 ife", [](QuestionEditor& e) { e.setAnswer(2, QStringLiteral("ife")); },
         Outcome::Refused, &messages::kAnswerIsMarker},
        {"answer 2 joker", [](QuestionEditor& e) { e.setAnswer(2, QStringLiteral("joker")); },
         Outcome::Refused, &messages::kAnswerIsMarker},
        {"same question as slot 1", [](QuestionEditor& e) { e.setQuestion(QStringLiteral("Q1")); },
         Outcome::Refused, &messages::kQuestionDuplicate},
        // Stored as "Q?", which slot 3 already holds.
        {"same once stored", [](QuestionEditor& e) { e.setQuestion(QStringLiteral("Q\u0416")); },
         Outcome::Refused, &messages::kQuestionDuplicate},
        {"Answer 2 with a capital",
         [](QuestionEditor& e) { e.setAnswer(2, QStringLiteral("Ife")); }, Outcome::Saved, nullptr},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        editor->undo();
        std::vector<PlainQuestion> questions = numbered(3);
        questions[2].question = QStringLiteral("Q?");
        writeCategory(QStringLiteral("Three"), questions);
        open(QStringLiteral("Three"));
        editor->goNext();
        const QByteArray before = fileBytes(QStringLiteral("Three"));
        c.edit(*editor);
        EXPECT_EQ(editor->DatenSpeichern(), c.outcome);
        if (c.message != nullptr) {
            expectOnlyShown(*c.message);
            EXPECT_EQ(fileBytes(QStringLiteral("Three")), before);
        } else {
            EXPECT_TRUE(dialog.empty());
            EXPECT_TRUE(checkCategoryRecord(readBack(QStringLiteral("Three"))).empty());
        }
    }
}

TEST_F(Editor, DeletingMovesLaterQuestionsUpAndWritesTheFile) {
    struct DeleteCase {
        const char* name;
        int slot;
        std::vector<QString> left;
        int shownSlot;
    };
    const DeleteCase cases[] = {
        {"first of three", 1, {QStringLiteral("Q2"), QStringLiteral("Q3")}, 1},
        {"middle of three", 2, {QStringLiteral("Q1"), QStringLiteral("Q3")}, 2},
        {"last of three", 3, {QStringLiteral("Q1"), QStringLiteral("Q2")}, 2},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeCategory(QStringLiteral("Trio"), numbered(3));
        open(QStringLiteral("Trio"));
        ASSERT_TRUE(editor->showSlot(c.slot));
        editor->deleteQuestion();
        expectOnlyShown(messages::kAskDeleteQuestion);
        EXPECT_EQ(editor->QuestionCount(), 2);
        EXPECT_EQ(editor->CurrentSlot(), c.shownSlot);
        EXPECT_EQ(editor->view().recordText, QStringLiteral("Question %1/2").arg(c.shownSlot));
        EXPECT_EQ(editor->view().fields.question, c.left[size_t(c.shownSlot - 1)]);
        const std::vector<PlainQuestion> stored = storedQuestions(QStringLiteral("Trio"));
        ASSERT_EQ(stored.size(), 2u);
        for (size_t i = 0; i < 2; ++i) {
            // Each question keeps its own answers and right answer.
            const PlainQuestion expected = numbered(3)[size_t(c.left[i].mid(1).toInt() - 1)];
            EXPECT_EQ(stored[i].question, expected.question);
            EXPECT_EQ(stored[i].answers, expected.answers);
            EXPECT_EQ(stored[i].correct, expected.correct);
        }
        EXPECT_TRUE(readBack(QStringLiteral("Trio")).entries[3].fields[FieldQuestion][0] == 0);
        EXPECT_TRUE(editor->view().deleteEnabled);
    }
}

TEST_F(Editor, DeleteAsksAndOnlyYesDeletes) {
    writeCategory(QStringLiteral("Pair"), numbered(2));
    for (const int answer : {AnswerNo, AnswerCancel}) {
        open(QStringLiteral("Pair"));
        const QByteArray before = fileBytes(QStringLiteral("Pair"));
        dialog.pushAnswer(answer);
        editor->deleteQuestion();
        expectOnlyShown(messages::kAskDeleteQuestion);
        EXPECT_EQ(editor->QuestionCount(), 2);
        EXPECT_EQ(fileBytes(QStringLiteral("Pair")), before);
    }
    // A category keeps at least one question, and the new slot has nothing to delete.
    open(QStringLiteral("Pair"));
    editor->deleteQuestion();
    EXPECT_EQ(editor->QuestionCount(), 1);
    EXPECT_FALSE(editor->view().deleteEnabled);
    dialog.clear();
    editor->deleteQuestion();
    EXPECT_TRUE(dialog.empty());
}

TEST_F(Editor, NewQuestionAfterADeleteComesUpEmpty) {
    writeCategory(QStringLiteral("Trio"), numbered(3));
    open(QStringLiteral("Trio"));
    ASSERT_TRUE(editor->showSlot(3));
    editor->deleteQuestion();
    editor->newQuestion();
    EXPECT_EQ(editor->CurrentSlot(), 3);
    EXPECT_EQ(editor->view().fields, EditorFields{});
    EXPECT_FALSE(editor->view().newQuestionEnabled);
    EXPECT_FALSE(editor->view().nextEnabled);
    EXPECT_FALSE(editor->view().deleteEnabled);
}

TEST_F(Editor, EstimationLayoutFollowsTheBox) {
    writeCategory(QStringLiteral("Mixed"), numbered(1));
    open(QStringLiteral("Mixed"));
    editor->setCorrect(3);
    editor->setEstimation(true);
    EditorView v = editor->view();
    EXPECT_EQ(v.fields.answers[0], QStringLiteral("Q1 A"));
    EXPECT_EQ(v.fields.answers[1], QStringLiteral("ife"));
    EXPECT_EQ(v.fields.answers[3], QStringLiteral("ife"));
    EXPECT_EQ(v.fields.correct, 1);
    EXPECT_EQ(v.answer1Label, QStringLiteral("Answer:"));
    EXPECT_FALSE(v.choiceControlsVisible);

    editor->setEstimation(false);
    v = editor->view();
    EXPECT_EQ(v.fields.answers[0], QStringLiteral("Q1 A"));
    EXPECT_TRUE(v.fields.answers[1].isEmpty() && v.fields.answers[2].isEmpty() &&
                v.fields.answers[3].isEmpty());
    EXPECT_EQ(v.answer1Label, QStringLiteral("Answer 1:"));
    EXPECT_TRUE(v.choiceControlsVisible);

    // Even with an empty question the answers come back for a multiple-choice question.
    editor->undo();
    editor->newQuestion();
    dialog.clear();
    editor->setEstimation(true);
    editor->setEstimation(false);
    EXPECT_TRUE(editor->view().choiceControlsVisible);
}

TEST_F(Editor, ShowsTheKindTheGameReads) {
    PlainQuestion third = mc(QStringLiteral("Third answer reads ife"));
    third.answers[2] = QStringLiteral("ife");
    writeCategory(QStringLiteral("Kinds"),
                  {estimation(QStringLiteral("Year?"), QStringLiteral("1969")), third});
    open(QStringLiteral("Kinds"));
    EXPECT_TRUE(editor->view().fields.estimation);
    EXPECT_EQ(editor->view().fields.answers[0], QStringLiteral("1969"));
    EXPECT_EQ(editor->view().fields.correct, 1);
    editor->goNext();
    EXPECT_FALSE(editor->view().fields.estimation);
    EXPECT_EQ(editor->view().fields.answers[2], QStringLiteral("ife"));
    EXPECT_FALSE(editor->hasUnsavedChanges()) << "showing a question changes nothing";
}

TEST_F(Editor, UndoBringsBackTheStoredTexts) {
    writeCategory(QStringLiteral("Undo"), numbered(2));
    open(QStringLiteral("Undo"));
    const EditorFields stored = editor->view().fields;
    editor->setQuestion(QStringLiteral("Changed"));
    editor->setAnswer(4, QStringLiteral("Other"));
    editor->setEstimation(true);
    EXPECT_TRUE(editor->hasUnsavedChanges());
    editor->undo();
    EXPECT_EQ(editor->view().fields, stored);
    EXPECT_FALSE(editor->hasUnsavedChanges());
}

TEST_F(Editor, NextAndBackSaveChangesAndStayWhenTheSaveDoesNotGoThrough) {
    writeCategory(QStringLiteral("Walk"), numbered(3));
    open(QStringLiteral("Walk"));
    const QByteArray before = fileBytes(QStringLiteral("Walk"));

    // Walking over unchanged questions writes nothing and asks nothing.
    editor->goNext();
    editor->goNext();
    editor->goBack();
    EXPECT_EQ(editor->CurrentSlot(), 2);
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(fileBytes(QStringLiteral("Walk")), before);

    editor->setAnswer(2, QString());
    editor->goNext();
    expectOnlyShown(messages::kQuestionIncomplete);
    EXPECT_EQ(editor->CurrentSlot(), 2);
    EXPECT_TRUE(editor->view().fields.answers[1].isEmpty()) << "the typing is still there";
    dialog.clear();
    editor->goBack();
    expectOnlyShown(messages::kQuestionIncomplete);
    EXPECT_EQ(editor->CurrentSlot(), 2);

    dialog.clear();
    editor->setAnswer(2, QStringLiteral("Mended"));
    editor->goBack();
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(editor->CurrentSlot(), 1);
    EXPECT_EQ(storedQuestions(QStringLiteral("Walk"))[1].answers[1], QStringLiteral("Mended"));

    // From the empty new slot Back just goes back.
    editor->newQuestion();
    editor->goBack();
    EXPECT_TRUE(dialog.empty());
    EXPECT_EQ(editor->CurrentSlot(), 3);
}

TEST_F(Editor, LeavingUnsavedTypingAsksFirst) {
    struct LeaveCase {
        const char* name;
        int answer;
        bool left;
        bool saved;
    };
    const LeaveCase cases[] = {
        {"yes saves and goes on", AnswerYes, true, true},
        {"no drops the typing", AnswerNo, true, false},
        {"cancel stays", AnswerCancel, false, false},
    };
    writeCategory(QStringLiteral("Other"), numbered(1));
    struct Action {
        const char* name;
        bool (*run)(QuestionEditor&);
    };
    const Action actions[] = {
        {"open", [](QuestionEditor& e) { return e.openCategory(QStringLiteral("Other.trv")); }},
        {"new category", [](QuestionEditor& e) { return e.newCategory(QStringLiteral("Fresh")); }},
        {"close", [](QuestionEditor& e) { return e.requestClose(); }},
        {"show a slot", [](QuestionEditor& e) { return e.showSlot(1); }},
        {"new question",
         [](QuestionEditor& e) {
             e.newQuestion();
             return e.CurrentSlot() == 3;
         }},
    };
    for (const Action& action : actions) {
        for (const LeaveCase& c : cases) {
            SCOPED_TRACE(std::string(action.name) + ", " + c.name);
            editor->undo();
            writeCategory(QStringLiteral("Work"), numbered(2));
            open(QStringLiteral("Work"));
            editor->goNext();
            editor->setQuestion(QStringLiteral("Typed"));
            dialog.pushAnswer(c.answer);
            EXPECT_EQ(action.run(*editor), c.left);
            ASSERT_FALSE(dialog.empty());
            expectShown(dialog.requests().front(), messages::kAskSaveChanges);
            EXPECT_EQ(storedQuestions(QStringLiteral("Work"))[1].question,
                      c.saved ? QStringLiteral("Typed") : QStringLiteral("Q2"));
            if (!c.left) {
                EXPECT_EQ(editor->view().fields.question, QStringLiteral("Typed"));
            }
        }
    }
}

TEST_F(Editor, OpeningFillsEverythingFromTheFile) {
    writeCategory(QStringLiteral("Birds and Bees"), numbered(4));
    ASSERT_TRUE(editor->openCategory(QStringLiteral("Birds and Bees.trv")));
    EXPECT_TRUE(dialog.empty());
    const EditorView& v = editor->view();
    EXPECT_EQ(v.caption, QStringLiteral("Editor - [Birds and Bees]"));
    EXPECT_EQ(editor->title(), QStringLiteral("Birds and Bees"));
    EXPECT_EQ(editor->CurrentFilePath(), path(QStringLiteral("Birds and Bees")));
    EXPECT_EQ(v.recordText, QStringLiteral("Question 1/4"));
    EXPECT_EQ(v.changedText,
              QStringLiteral("Changed: ") +
                  QLocale::system().toString(
                      QFileInfo(path(QStringLiteral("Birds and Bees"))).lastModified().date(),
                      QLocale::ShortFormat));
    EXPECT_EQ(v.fields.question, QStringLiteral("Q1"));
    EXPECT_TRUE(v.nextEnabled && v.newQuestionEnabled && v.deleteEnabled);
    EXPECT_FALSE(v.backEnabled);
}

TEST_F(Editor, AFileThatCannotBeReadIsReportedAndKeptAsItWas) {
    writeCategory(QStringLiteral("Good"), numbered(2));
    open(QStringLiteral("Good"));
    editor->setQuestion(QStringLiteral("Typed"));
    const QByteArray shortFile(kQuestionFileSize - 1, 'x');
    {
        QFile file(path(QStringLiteral("Short")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(shortFile);
    }
    QDir(dir.path()).mkdir(QStringLiteral("Folder.trv"));
    for (const char* name : {"Short.trv", "Folder.trv", "Missing.trv"}) {
        SCOPED_TRACE(name);
        dialog.clear();
        EXPECT_FALSE(editor->openCategory(QString::fromLatin1(name)));
        ASSERT_EQ(dialog.requests().size(), 1u) << "no question about unsaved typing first";
        expectShown(dialog.last(), messages::kCategoryUnreadable, QString::fromLatin1(name));
        EXPECT_EQ(editor->title(), QStringLiteral("Good"));
        EXPECT_EQ(editor->view().fields.question, QStringLiteral("Typed"));
    }
    EXPECT_EQ(fileBytes(QStringLiteral("Short")), shortFile);
}

TEST_F(Editor, AFailedWriteKeepsEverythingInTheEditor) {
    writeCategory(QStringLiteral("Locked"), numbered(3));
    open(QStringLiteral("Locked"));
    // The file turns into a folder: no file can be written over it.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("Locked"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Locked.trv")));

    editor->setQuestion(QStringLiteral("Typed"));
    EXPECT_EQ(editor->DatenSpeichern(), Outcome::Failed);
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_TRUE(dialog.last().text.startsWith(catalogue.text(Msg::MsgCategoryWriteFailed)));
    EXPECT_TRUE(dialog.last().text.contains(QStringLiteral("Locked.trv")));
    EXPECT_EQ(editor->view().fields.question, QStringLiteral("Typed"));
    EXPECT_TRUE(editor->hasUnsavedChanges());

    dialog.clear();
    editor->undo();
    editor->goNext();
    editor->deleteQuestion();
    EXPECT_EQ(dialog.requests().size(), 2u);  // the question, then the failure
    EXPECT_EQ(editor->QuestionCount(), 3);
    EXPECT_EQ(editor->view().fields.question, QStringLiteral("Q2"));
}

TEST_F(Editor, OpeningCloseUpsGapsAndCutsOverlongLengths) {
    TQuestionFile file = buildCategory(numbered(4), QStringLiteral("Gappy"), clock.now());
    file.entries[2] = TQuestionEntry{};             // a gap the game would stumble over
    file.entries[4].fields[FieldAnswer3][0] = 200;  // a length byte beyond the field
    StoreField(file.entries[7].fields[FieldAnswer1], QStringLiteral("left over"), true);
    ASSERT_TRUE(WriteQuestionFile(path(QStringLiteral("Gappy")), file).ok());
    open(QStringLiteral("Gappy"));
    EXPECT_EQ(editor->QuestionCount(), 3);
    EXPECT_FALSE(editor->hasUnsavedChanges());
    const std::vector<QString> expected = {QStringLiteral("Q1"), QStringLiteral("Q3"),
                                           QStringLiteral("Q4")};
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(loadSlot(editor->EditorBuffer().entries[size_t(s)]).question,
                  expected[size_t(s - 1)]);
    }
    editor->setQuestion(QStringLiteral("First"));
    ASSERT_EQ(editor->DatenSpeichern(), Outcome::Saved);
    const TQuestionFile saved = readBack(QStringLiteral("Gappy"));
    EXPECT_EQ(CountQuestions(saved), 3);
    EXPECT_TRUE(checkCategoryRecord(saved).empty());
    editor->newQuestion();
    EXPECT_EQ(editor->view().fields, EditorFields{});
}

TEST_F(Editor, WhatTheEditorWritesPassesEveryCheck) {
    ASSERT_TRUE(editor->newCategory(QStringLiteral("Clean")));
    type(mc(QStringLiteral("Caf\u00E9 \u2013 \u0416?"), 2));
    ASSERT_EQ(editor->DatenSpeichern(), Outcome::Saved);
    editor->newQuestion();
    type(estimation(QStringLiteral("Degrees?"), QStringLiteral("-273")));
    ASSERT_EQ(editor->DatenSpeichern(), Outcome::Saved);
    for (int i = 3; i <= 6; ++i) {
        editor->newQuestion();
        type(mc(QStringLiteral("Q%1").arg(i), i % 4 + 1));
        ASSERT_EQ(editor->DatenSpeichern(), Outcome::Saved);
    }
    ASSERT_TRUE(editor->showSlot(3));
    editor->deleteQuestion();
    editor->setEstimation(true);
    editor->setAnswer(1, QStringLiteral("7"));
    editor->goNext();
    EXPECT_EQ(editor->CurrentSlot(), 4);

    const TQuestionFile file = readBack(QStringLiteral("Clean"));
    EXPECT_EQ(CountQuestions(file), 5);
    for (const CategoryFinding& f : checkCategoryRecord(file)) {
        EXPECT_TRUE(f.advice()) << findingText(f, FindingPlace::RecordSlots).toStdString();
    }
    EXPECT_EQ(loadSlot(file.entries[1]).question, QStringLiteral("Caf\u00E9 \u2013 ??"));
    EXPECT_EQ(QuestionKindOf(file.entries[2]), QuestionKind::Estimation);
    EXPECT_EQ(QuestionKindOf(file.entries[3]), QuestionKind::Estimation);
    EXPECT_EQ(loadSlot(file.entries[3]).question, QStringLiteral("Q4"));
}

TEST_F(Editor, ChecksFollowTheTyping) {
    std::vector<PlainQuestion> questions = numbered(4);
    writeCategory(QStringLiteral("Live"), questions);
    open(QStringLiteral("Live"));
    EXPECT_TRUE(editor->findings().empty());

    ASSERT_TRUE(editor->showSlot(3));
    editor->setQuestion(QStringLiteral("Q1"));
    ASSERT_EQ(editor->findings().size(), 1u);
    EXPECT_EQ(editor->findings()[0],
              (CategoryFinding{CheckKind::DuplicateQuestion, 3, 0, false, 1, {}}));
    EXPECT_EQ(editor->findingLines(),
              QStringList{QStringLiteral("Question 3: the same question as question 1")});

    editor->setQuestion(QStringLiteral("q1 "));
    ASSERT_EQ(editor->findings().size(), 1u);
    EXPECT_EQ(editor->findings()[0].kind, CheckKind::SimilarQuestion);
    EXPECT_TRUE(editor->findings()[0].advice());

    editor->setQuestion(QStringLiteral("\u0416?"));
    editor->setAnswer(4, QStringLiteral("Q3 A"));
    editor->setAnswer(2, QStringLiteral("Q3\tB"));
    editor->setCorrect(0);
    QStringList lines = editor->findingLines();
    EXPECT_EQ(lines, (QStringList{
                         QStringLiteral("Question 3: a character that a category cannot store, "
                                        "saved as \"?\": \u0416"),
                         QStringLiteral("Question 3: a control character (a line break, a tab "
                                        "or the like) in answer 2"),
                         QStringLiteral("Question 3: no right answer is chosen"),
                         QStringLiteral("Question 3: two answers with the same text: 1 and 4"),
                     }));

    // A new question counts once anything is typed into it.
    editor->undo();
    editor->newQuestion();
    EXPECT_TRUE(editor->findings().empty());
    editor->setAnswer(1, QStringLiteral("x"));
    ASSERT_FALSE(editor->findings().empty());
    EXPECT_EQ(editor->findings()[0],
              (CategoryFinding{CheckKind::QuestionEmpty, 5, 0, false, 0, {}}));

    MessageCatalogue german;
    german.apply(Language::Deutsch);
    EXPECT_EQ(editorFindingText(editor->findings()[0], german),
              QStringLiteral("Datensatz 5: die Frage hat keinen Text"));
}

TEST(EditorFocus, EnterMovesThroughTheFieldsOfTheKindShown) {
    struct FocusCase {
        EditorFocus from;
        bool estimation;
        EditorFocus to;
    };
    const FocusCase cases[] = {
        {EditorFocus::Question, false, EditorFocus::Answer1},
        {EditorFocus::Answer1, false, EditorFocus::Answer2},
        {EditorFocus::Answer2, false, EditorFocus::Answer3},
        {EditorFocus::Answer3, false, EditorFocus::Answer4},
        {EditorFocus::Answer4, false, EditorFocus::FirstRadio},
        {EditorFocus::Question, true, EditorFocus::Answer1},
        {EditorFocus::Answer1, true, EditorFocus::SaveButton},
    };
    for (const FocusCase& c : cases) {
        EXPECT_EQ(nextFocusOnEnter(c.from, c.estimation), c.to)
            << int(c.from) << (c.estimation ? " estimation" : "");
    }
}

}  // namespace
}  // namespace trivanto::editortest
