#include "core/questions/category_source.h"

#include <gtest/gtest.h>

namespace trivanto {
namespace {

PlainQuestion question(QuestionKind kind, const QString& text, std::array<QString, 4> answers,
                       const QString& correct) {
    PlainQuestion q;
    q.kind = kind;
    q.question = text;
    q.answers = std::move(answers);
    q.correct = correct;
    return q;
}

// Texts that need every kind of care in JSON and CSV.
std::vector<PlainQuestion> awkward() {
    const QString ife = QStringLiteral("ife");
    return {
        question(QuestionKind::MultipleChoice, QStringLiteral("Say \"cheese\", then?"),
                 {QStringLiteral("a, b"), QStringLiteral("back\\slash"),
                  QStringLiteral("tab\there"), QStringLiteral("K\u00F6nig \u2013 \u20AC")},
                 QStringLiteral("4")),
        question(QuestionKind::Estimation, QStringLiteral("Two\nlines?"),
                 {QStringLiteral("-273"), ife, ife, ife}, QStringLiteral("1")),
        question(QuestionKind::MultipleChoice, QStringLiteral(" spaced "),
                 {QStringLiteral("\u0001"), QStringLiteral("\"q\""), QStringLiteral("x\r\ny"),
                  QStringLiteral("/")},
                 QStringLiteral("2")),
    };
}

void expectSameQuestions(const std::vector<PlainQuestion>& actual,
                         const std::vector<PlainQuestion>& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_TRUE(sameContent(actual[i], expected[i]))
            << what << " " << i << ": " << actual[i].question.toStdString();
    }
}

TEST(CategorySource, JsonIsWrittenOneQuestionPerLine) {
    EXPECT_EQ(writeJsonSource(awkward()),
              QByteArray(
                  "[\n"
                  "{\"question\": \"Say \\\"cheese\\\", then?\", \"answers\": [\"a, b\", "
                  "\"back\\\\slash\", \"tab\\there\", \"K\xC3\xB6nig \xE2\x80\x93 \xE2\x82\xAC\"], "
                  "\"correct\": 4},\n"
                  "{\"question\": \"Two\\nlines?\", \"estimate\": -273},\n"
                  "{\"question\": \" spaced \", \"answers\": [\"\\u0001\", \"\\\"q\\\"\", "
                  "\"x\\r\\ny\", \"/\"], \"correct\": 2}\n"
                  "]\n"));
    EXPECT_EQ(writeJsonSource({}), QByteArray("[\n]\n"));
}

TEST(CategorySource, CsvQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(writeCsvSource(awkward()),
              QByteArray("question,answer1,answer2,answer3,answer4,correct\r\n"
                         "\"Say \"\"cheese\"\", then?\",\"a, b\",back\\slash,tab\there,"
                         "K\xC3\xB6nig \xE2\x80\x93 \xE2\x82\xAC,4\r\n"
                         "\"Two\nlines?\",-273,,,,estimate\r\n"
                         " spaced ,\x01,\"\"\"q\"\"\",\"x\r\ny\",/,2\r\n"));
}

TEST(CategorySource, WhatIsWrittenReadsBackTheSame) {
    for (const SourceFormat format : {SourceFormat::Json, SourceFormat::Csv}) {
        const char* name = format == SourceFormat::Json ? "JSON" : "CSV";
        const ParsedSource parsed =
            parseCategorySource(writeCategorySource(awkward(), format), format);
        EXPECT_TRUE(parsed.problems.empty())
            << name << ": " << parsed.problems[0].text.toStdString();
        expectSameQuestions(parsed.questions, awkward(), name);
        // Nothing is lost on the way, and the control characters are still told.
        const SourceProblems problems = reviewSource(parsed, false);
        const char* const expected[] = {"answer 3 holds a control character (U+0009)",
                                        "the question holds a control character (U+000A)",
                                        "answer 1 holds a control character (U+0001)",
                                        "answer 3 holds a control character (U+000D)"};
        ASSERT_EQ(problems.size(), std::size(expected)) << name;
        for (size_t i = 0; i < problems.size(); ++i) {
            EXPECT_TRUE(problems[i].text.startsWith(QLatin1String(expected[i])))
                << name << ": " << problems[i].text.toStdString();
        }
    }
}

// What a source cannot say cleanly is written as it stands, so reading it back reports it.
TEST(CategorySource, OddRecordsExportAsTheyStandAndAreReportedOnTheWayBack) {
    const QString ife = QStringLiteral("ife");
    const QString joker = QStringLiteral("joker");
    const std::vector<PlainQuestion> odd = {
        question(QuestionKind::Estimation, QStringLiteral("Leading zeros?"),
                 {QStringLiteral("007"), ife, ife, ife}, QStringLiteral("1")),
        question(
            QuestionKind::MultipleChoice, QStringLiteral("Seven?"),
            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")},
            QStringLiteral("7")),
        question(QuestionKind::Estimation, QStringLiteral("Letters?"),
                 {QStringLiteral("12a"), ife, ife, ife}, QStringLiteral("1")),
        question(QuestionKind::Joker, QStringLiteral("Joker!"), {joker, joker, joker, joker},
                 QStringLiteral("3")),
    };
    const QByteArray json = writeJsonSource(odd);
    EXPECT_TRUE(json.contains("\"estimate\": \"007\"")) << json.toStdString();
    EXPECT_TRUE(json.contains("\"correct\": \"7\"")) << json.toStdString();
    EXPECT_TRUE(json.contains("\"estimate\": \"12a\"")) << json.toStdString();
    for (const SourceFormat format : {SourceFormat::Json, SourceFormat::Csv}) {
        const char* name = format == SourceFormat::Json ? "JSON" : "CSV";
        const ParsedSource parsed = parseCategorySource(writeCategorySource(odd, format), format);
        ASSERT_EQ(parsed.questions.size(), 4u) << name;
        EXPECT_EQ(parsed.questions[0].answers[0], QStringLiteral("007")) << name;
        QStringList lines;
        for (const SourceProblem& p : reviewSource(parsed, false)) {
            lines.append(QStringLiteral("%1: %2").arg(p.line).arg(p.text));
        }
        // Lines 3, 4 and 5 of both sources (the header or "[" is line 1).
        ASSERT_EQ(lines.size(), 3) << name << ": " << lines.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("3: "))) << name;
        EXPECT_TRUE(lines[1].startsWith(QStringLiteral("4: "))) << name;
        EXPECT_TRUE(lines[2].startsWith(QStringLiteral("5: ")) && lines[2].contains(joker)) << name;
    }
}

TEST(CategorySource, ARecordGivesEveryUsedSlotWithItsKind) {
    std::vector<PlainQuestion> source = awkward();
    TQuestionFile file = buildCategory(source, QStringLiteral("T"), QDateTime());
    file.entries[4] = file.entries[2];  // slot 2 moves behind a gap
    file.entries[2] = TQuestionEntry{};
    const std::vector<PlainQuestion> read = categoryQuestions(file);
    expectSameQuestions(read, {source[0], source[2], source[1]}, "record");
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[2].position, 4);
    EXPECT_EQ(categoryTitle(file), QStringLiteral("T"));
}

}  // namespace
}  // namespace trivanto
