#include "core/questions/category_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/questions/category_source.h"

namespace trivanto {
namespace {

PlainQuestion mc(int position, const QString& question, int correct) {
    PlainQuestion q;
    q.position = position;
    q.question = question;
    q.answers = {QStringLiteral("red"), QStringLiteral("green"), QStringLiteral("blue"),
                 QStringLiteral("black")};
    q.correct = QString::number(correct);
    return q;
}

// Four multiple-choice questions with the right answer at 1, 2, 3 and 4, and an estimation.
std::vector<PlainQuestion> balanced() {
    std::vector<PlainQuestion> questions;
    for (int i = 1; i <= 4; ++i) {
        questions.push_back(mc(i, QStringLiteral("Question %1?").arg(i), i));
    }
    PlainQuestion e;
    e.position = 5;
    e.kind = QuestionKind::Estimation;
    e.question = QStringLiteral("How many?");
    e.answers = {QStringLiteral("-12"), QStringLiteral("ife"), QStringLiteral("ife"),
                 QStringLiteral("ife")};
    e.correct = QStringLiteral("1");
    questions.push_back(e);
    return questions;
}

CategoryFinding finding(CheckKind kind, int position, int field = -1, int number = 0,
                        QString value = {}) {
    return {kind, position, field, false, number, std::move(value)};
}

TEST(CategoryChecks, EachRuleFindsItsFaultAndNothingElse) {
    struct CheckCase {
        const char* name;
        std::function<void(std::vector<PlainQuestion>&)> damage;
        bool textFit;
        CategoryFindings expected;
    };
    using Qs = std::vector<PlainQuestion>;
    const CheckCase cases[] = {
        {"clean", [](Qs&) {}, true, {}},
        {"exact duplicate",
         [](Qs& q) { q[2].question = QStringLiteral("Question 1?"); },
         true,
         {finding(CheckKind::DuplicateQuestion, 3, 0, 1)}},
        {"duplicate once stored",
         [](Qs& q) {
             q[0].question = QStringLiteral("Caf\u0416?");
             q[1].question = QStringLiteral("Caf\u0429?");
         },
         false,
         {finding(CheckKind::DuplicateQuestion, 2, 0, 1)}},
        {"similar question",
         [](Qs& q) { q[3].question = QStringLiteral(" question  1? "); },
         true,
         {finding(CheckKind::SimilarQuestion, 4, 0, 1)}},
        {"blank question",
         [](Qs& q) { q[1].question = QStringLiteral("  "); },
         true,
         {finding(CheckKind::QuestionEmpty, 2, 0)}},
        {"blank answer",
         [](Qs& q) { q[0].answers[2] = QStringLiteral(" "); },
         true,
         {finding(CheckKind::AnswerEmpty, 1, 3)}},
        {"same answers",
         [](Qs& q) { q[1].answers[3] = QStringLiteral("GREEN "); },
         true,
         {finding(CheckKind::SameAnswers, 2, 4, 2)}},
        {"marker as answer 2",
         [](Qs& q) { q[0].answers[1] = QStringLiteral("joker"); },
         true,
         {finding(CheckKind::AnswerIsMarker, 1, 2, 0, QStringLiteral("joker"))}},
        {"right answer 5",
         [](Qs& q) { q[3].correct = QStringLiteral("5"); },
         true,
         {finding(CheckKind::CorrectInvalid, 4, FieldCorrect, 0, QStringLiteral("5"))}},
        {"estimate letters",
         [](Qs& q) { q[4].answers[0] = QStringLiteral("12a"); },
         true,
         {finding(CheckKind::EstimateValue, 5, 1, 0, QStringLiteral("12a"))}},
        {"estimate ten characters",
         [](Qs& q) { q[4].answers[0] = QStringLiteral("-123456789"); },
         true,
         {finding(CheckKind::EstimateValue, 5, 1, 0, QStringLiteral("-123456789"))}},
        {"estimate followed by a line break",
         [](Qs& q) { q[4].answers[0] = QStringLiteral("-3\n"); },
         true,
         {finding(CheckKind::EstimateValue, 5, 1, 0, QStringLiteral("-3\n"))}},
        {"estimation marker",
         [](Qs& q) { q[4].answers[3] = QStringLiteral("Ife"); },
         true,
         {finding(CheckKind::EstimationMarker, 5, 4)}},
        {"joker",
         [](Qs& q) {
             q[1].kind = QuestionKind::Joker;
             q[1].correct = QStringLiteral("9");
         },
         true,
         {finding(CheckKind::Joker, 2)}},
        {"outside the code page",
         [](Qs& q) { q[2].answers[0] = QStringLiteral("\u0416a"); },
         true,
         {finding(CheckKind::TextNotCodePage, 3, 1, 0, QStringLiteral("\u0416"))}},
        {"zero-width no-break space inside a text",
         [](Qs& q) { q[2].question = QStringLiteral("We\ufeffird?"); },
         true,
         {finding(CheckKind::TextNotCodePage, 3, 0, 0, QStringLiteral("\ufeff"))}},
        {"character beyond 16 bits",
         [](Qs& q) { q[2].answers[3] = QStringLiteral("a\U0001F600"); },
         true,
         {finding(CheckKind::TextNotCodePage, 3, 4, 0, QStringLiteral("\U0001F600"))}},
        {"read from a file", [](Qs& q) { q[2].answers[0] = QStringLiteral("\u0416a"); }, false, {}},
        {"line break in the question",
         [](Qs& q) { q[1].question = QStringLiteral("Two\nlines?"); },
         true,
         {finding(CheckKind::ControlCharacter, 2, 0, 0x0A)}},
        {"first of several control characters in an answer read from a file",
         [](Qs& q) { q[3].answers[1] = QStringLiteral("a\tb\rc"); },
         false,
         {finding(CheckKind::ControlCharacter, 4, 2, 0x09)}},
        {"DEL and NUL",
         [](Qs& q) {
             q[0].answers[3] = QStringLiteral("black\x7f");
             q[4].question = QString(QChar(0)) + QStringLiteral("How many?");
         },
         true,
         {finding(CheckKind::ControlCharacter, 1, 4, 0x7F),
          finding(CheckKind::ControlCharacter, 5, 0, 0)}},
        {"no questions", [](Qs& q) { q.clear(); }, true, {finding(CheckKind::NoQuestions, 0)}},
        {"111 bytes",
         [](Qs& q) { q[0].question = QString(111, QLatin1Char('x')); },
         true,
         {finding(CheckKind::TextTooLong, 1, 0, 111)}},
        {"already reported by the parser",
         [](Qs& q) {
             q[0].question.clear();
             q[0].questionParsed = false;
             q[1].correct = QStringLiteral("0");
             q[1].correctParsed = false;
         },
         true,
         {}},
        {"spread",
         [](Qs& q) {
             q[1].correct = QStringLiteral("1");
             q[2].correct = QStringLiteral("1");
         },
         true,
         {finding(CheckKind::AnswerSpread, 0, -1, 0, QStringLiteral("3/0/0/1"))}},
    };
    for (const CheckCase& c : cases) {
        std::vector<PlainQuestion> questions = balanced();
        c.damage(questions);
        EXPECT_EQ(checkQuestions(questions, c.textFit), c.expected) << c.name;
    }
}

TEST(CategoryChecks, OnlySpreadsAboveOneAreAdvised) {
    std::vector<PlainQuestion> questions;
    for (const int correct : {1, 1, 2, 3, 4, 4}) {
        questions.push_back(
            mc(int(questions.size()) + 1, QStringLiteral("Q%1").arg(questions.size()), correct));
    }
    EXPECT_TRUE(checkQuestions(questions, true).empty());
    questions.push_back(mc(7, QStringLiteral("Q7"), 4));
    const CategoryFindings findings = checkQuestions(questions, true);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].value, QStringLiteral("2/1/1/3"));
    EXPECT_TRUE(findings[0].advice());
}

TEST(CategoryChecks, SourcesHoldOneToTwoHundredQuestions) {
    EXPECT_EQ(checkSourceQuestions({}), (CategoryFindings{finding(CheckKind::NoQuestions, 1)}));
    std::vector<PlainQuestion> many;
    for (int i = 0; i < 201; ++i) {
        PlainQuestion q = mc(10 + i, QStringLiteral("Q%1").arg(i), i % 4 + 1);
        many.push_back(q);
    }
    EXPECT_EQ(checkSourceQuestions(many),
              (CategoryFindings{finding(CheckKind::TooManyQuestions, 210, -1, 201)}));
    many.pop_back();
    EXPECT_TRUE(checkSourceQuestions(many).empty());
}

TEST(CategoryChecks, EstimationValuesAreWholeNumbersOfAtMostNineCharacters) {
    for (const char* good : {"0", "-1", "123456789", "-12345678", "007"}) {
        EXPECT_TRUE(isEstimateValue(QString::fromLatin1(good))) << good;
    }
    for (const char* bad : {"", "-", "--1", "1-2", "12a", "1234567890", "+5", " 5", "1.5"}) {
        EXPECT_FALSE(isEstimateValue(QString::fromLatin1(bad))) << bad;
    }
}

}  // namespace
}  // namespace trivanto
