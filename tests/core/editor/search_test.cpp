#include "core/editor/question_search.h"

#include "editor_fixture.h"

namespace trivanto::editortest {
namespace {

// Ten questions; "river" turns up in slots 3 (question), 6 (answer 2), 8 ("River", question)
// and 9 (question of an estimation question).
std::vector<PlainQuestion> rivers() {
    std::vector<PlainQuestion> questions = numbered(10);
    questions[2].question = QStringLiteral("Longest river?");
    questions[3].question = QStringLiteral("Wie viele \u00C4pfel?");
    questions[5].answers[1] = QStringLiteral("The river Nile");
    questions[7].question = QStringLiteral("River of London?");
    questions[8] = estimation(QStringLiteral("How long is the river?"), QStringLiteral("6650"));
    return questions;
}

SearchOptions options(const char* text, bool up = true) {
    SearchOptions o;
    o.text = QString::fromUtf8(text);
    o.up = up;
    return o;
}

TEST(QuestionSearchRule, FindsTheNextMatchInTheDirectionWithoutWrapping) {
    struct SearchCase {
        const char* name;
        int current;
        SearchOptions options;
        int found;
    };
    SearchOptions questionsOnly = options("river");
    questionsOnly.inAnswers = false;
    SearchOptions caseSensitive = questionsOnly;
    caseSensitive.caseSensitive = true;
    SearchOptions answersOnly = options("6650");
    answersOnly.inQuestions = false;
    SearchOptions questionsOnlyValue = options("6650");
    questionsOnlyValue.inAnswers = false;
    SearchOptions neither = options("river");
    neither.inQuestions = neither.inAnswers = false;
    const SearchCase cases[] = {
        {"up from 5 finds the lowest above", 5, options("river"), 6},
        {"questions only", 5, questionsOnly, 8},
        {"case sensitive skips the capital", 5, caseSensitive, 9},
        {"down from 5 finds the highest below", 5, options("river", false), 3},
        {"the current slot is passed over", 3, options("river", false), 0},
        {"no wrap-around at the end", 9, options("river"), 0},
        {"capitals find lower case", 1, options("RIVER"), 3},
        {"a lower-case umlaut does not find its capital", 1, options("\xC3\xA4pfel"), 0},
        {"the capital umlaut does", 1, options("\xC3\x84PFEL"), 4},
        {"an estimation value is an answer", 1, answersOnly, 9},
        {"but not a question", 1, questionsOnlyValue, 0},
        {"the stored markers match", 1, options("ife"), 9},
        {"an empty text never matches", 1, options(""), 0},
        {"nothing ticked matches nothing", 1, neither, 0},
        {"up from the new slot scans nothing", 11, options("Q"), 0},
        {"down from the new slot", 11, options("river", false), 9},
        {"down from no category", 0, options("river", false), 0},
    };
    TQuestionFile file = buildCategory(rivers(), QStringLiteral("Rivers"), QDateTime());
    for (const SearchCase& c : cases) {
        EXPECT_EQ(findQuestion(file, c.current, 10, c.options), c.found) << c.name;
    }
}

class Search : public EditorFixture {
protected:
    Search() : search(dialog, catalogue) {
        writeCategory(QStringLiteral("Rivers"), rivers());
        open(QStringLiteral("Rivers"));
    }
    QuestionSearch search;
};

TEST_F(Search, StepsFromMatchToMatchAndTellsWhenThereIsNoMore) {
    search.options() = options("river");
    EXPECT_TRUE(search.FrageSuchen(*editor));
    EXPECT_EQ(editor->CurrentSlot(), 3);
    EXPECT_EQ(editor->view().fields.question, QStringLiteral("Longest river?"));
    for (const int next : {6, 8, 9}) {
        EXPECT_TRUE(search.FrageSuchen(*editor));
        EXPECT_EQ(editor->CurrentSlot(), next);
    }
    EXPECT_TRUE(dialog.empty());
    EXPECT_FALSE(search.FrageSuchen(*editor));
    expectOnlyShown(editor_messages::kSearchNoMatch);
    EXPECT_EQ(editor->CurrentSlot(), 9);
}

TEST_F(Search, AMatchOnlyInTheCurrentSlotIsNoMatch) {
    ASSERT_TRUE(editor->showSlot(4));
    search.options() = options("\xC3\x84pfel");
    EXPECT_FALSE(search.FrageSuchen(*editor));
    expectOnlyShown(editor_messages::kSearchNoMatch);
    EXPECT_EQ(editor->CurrentSlot(), 4);
}

TEST_F(Search, UnsavedTypingIsNotDroppedWithoutAQuestion) {
    editor->setAnswer(3, QStringLiteral("typed"));
    search.options() = options("river");
    dialog.pushAnswer(AnswerCancel);
    EXPECT_FALSE(search.FrageSuchen(*editor));
    expectOnlyShown(editor_messages::kAskSaveChanges);
    EXPECT_EQ(editor->CurrentSlot(), 1);
    EXPECT_EQ(editor->view().fields.answers[2], QStringLiteral("typed"));

    dialog.clear();
    dialog.pushAnswer(AnswerNo);
    EXPECT_TRUE(search.FrageSuchen(*editor));
    EXPECT_EQ(editor->CurrentSlot(), 3);
    EXPECT_EQ(storedQuestions(QStringLiteral("Rivers"))[0].answers[2], QStringLiteral("Q1 C"));
}

}  // namespace
}  // namespace trivanto::editortest
