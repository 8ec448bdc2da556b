// Checks the shipped question content of both languages: every source builds into a category
// file that trivanto-cat accepts, and every rule a program can check about the questions holds.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "core/text/cp1252.h"

namespace {

constexpr int kMinCategories = 12;
constexpr int kMinQuestionsPerLanguage = 800;
constexpr int kMinPerCategory = 60;
constexpr int kMaxPerCategory = 200;           // slots of a category file
constexpr double kMinEstimationShare = 0.05;
constexpr double kMaxEstimationShare = 0.20;
constexpr qsizetype kFieldBytes = 110;         // capacity of every text field
constexpr qint64 kLargestGuess = 99999999;     // eight digits, the longest guess a player can type
constexpr int kMaxPlayers = 4;
constexpr int kMaxQuestionsPerPlayer = 50;

struct Question {
    int line = 0;  // line in the source file, 1-based
    QString text;
    bool estimation = false;
    QStringList answers;
    int correct = 0;
    qint64 estimate = 0;
};

struct Category {
    QString title;  // file name without ".json"
    QString path;
    std::vector<Question> questions;
    QStringList problems;  // format problems found while reading

    int estimationCount() const {
        return int(std::count_if(questions.begin(), questions.end(),
                                 [](const Question& q) { return q.estimation; }));
    }
};

std::string where(const Category& c, const Question& q) {
    return QStringLiteral("%1, line %2 \"%3\"").arg(c.title).arg(q.line).arg(q.text).toStdString();
}

QString categoryFolder(const QString& language) {
    return QStringLiteral(TRIVANTO_SOURCE_DIR "/data/categories/") + language;
}

QStringList sourceFiles(const QString& language) {
    QDir dir(categoryFolder(language));
    QStringList files;
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        files.append(dir.filePath(name));
    }
    return files;
}

// Reads one source, noting every way in which it breaks the format instead of stopping at the
// first: a top-level array of objects, one object per line, each a multiple-choice question
// (question, four answers, correct 1..4) or an estimation question (question, whole estimate).
Category readCategory(const QString& path) {
    Category c;
    c.path = path;
    c.title = QFileInfo(path).completeBaseName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        c.problems.append(QStringLiteral("cannot be opened"));
        return c;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        c.problems.append(QStringLiteral("is not valid UTF-8"));
        return c;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) {
        c.problems.append(QStringLiteral("is not a JSON array: %1 at offset %2")
                              .arg(error.errorString())
                              .arg(error.offset));
        return c;
    }
    const int arraySize = int(document.array().size());

    const QStringList lines = text.split(QLatin1Char('\n'));
    int objectLines = 0;
    bool seenOpen = false;
    bool seenClose = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (line == QStringLiteral("[") && !seenOpen && objectLines == 0) {
            seenOpen = true;
            continue;
        }
        if (line == QStringLiteral("]") && seenOpen && !seenClose) {
            seenClose = true;
            continue;
        }
        QString body = line;
        if (body.endsWith(QLatin1Char(','))) {
            body.chop(1);
        }
        QJsonParseError lineError{};
        const QJsonDocument one = QJsonDocument::fromJson(body.toUtf8(), &lineError);
        if (!seenOpen || seenClose || lineError.error != QJsonParseError::NoError ||
            !one.isObject()) {
            c.problems.append(QStringLiteral("line %1 is not one whole question object").arg(i + 1));
            continue;
        }
        ++objectLines;
        const QJsonObject o = one.object();
        Question q;
        q.line = i + 1;
        q.text = o.value(QStringLiteral("question")).toString();
        if (q.text.trimmed().isEmpty()) {
            c.problems.append(QStringLiteral("line %1 has no question text").arg(q.line));
        }
        const bool hasAnswers = o.contains(QStringLiteral("answers"));
        const bool hasEstimate = o.contains(QStringLiteral("estimate"));
        QStringList allowed{QStringLiteral("question")};
        if (hasEstimate && !hasAnswers) {
            q.estimation = true;
            allowed.append(QStringLiteral("estimate"));
            const QJsonValue value = o.value(QStringLiteral("estimate"));
            const double number = value.toDouble(-1.0);
            if (!value.isDouble() || number != std::floor(number) || number < 0 ||
                number > double(kLargestGuess)) {
                c.problems.append(
                    QStringLiteral("line %1 \"%2\": the estimate must be a whole number from 0 to %3")
                        .arg(q.line)
                        .arg(q.text)
                        .arg(kLargestGuess));
            } else {
                q.estimate = qint64(number);
            }
        } else if (hasAnswers && !hasEstimate) {
            allowed << QStringLiteral("answers") << QStringLiteral("correct");
            const QJsonValue answers = o.value(QStringLiteral("answers"));
            const QJsonArray list = answers.toArray();
            bool fourTexts = answers.isArray() && list.size() == 4;
            for (const QJsonValue& a : list) {
                fourTexts = fourTexts && a.isString() && !a.toString().trimmed().isEmpty();
                q.answers.append(a.toString());
            }
            if (!fourTexts) {
                c.problems.append(QStringLiteral("line %1 \"%2\": needs exactly four non-empty answers")
                                      .arg(q.line)
                                      .arg(q.text));
            }
            const QJsonValue correct = o.value(QStringLiteral("correct"));
            const double position = correct.toDouble(0.0);
            if (!correct.isDouble() || position != std::floor(position) || position < 1 ||
                position > 4) {
                c.problems.append(QStringLiteral("line %1 \"%2\": correct must be 1, 2, 3 or 4")
                                      .arg(q.line)
                                      .arg(q.text));
            } else {
                q.correct = int(position);
            }
        } else {
            c.problems.append(
                QStringLiteral("line %1 \"%2\": needs either answers and correct or an estimate")
                    .arg(q.line)
                    .arg(q.text));
        }
        for (const QString& key : o.keys()) {
            if (!allowed.contains(key)) {
                c.problems.append(
                    QStringLiteral("line %1 \"%2\": unknown field \"%3\"").arg(q.line).arg(q.text, key));
            }
        }
        c.questions.push_back(q);
    }
    if (!seenOpen || !seenClose) {
        c.problems.append(QStringLiteral("the array must open with \"[\" and close with \"]\" on lines of their own"));
    }
    if (objectLines != arraySize) {
        c.problems.append(QStringLiteral("holds %1 questions but %2 question lines: one question per line")
                              .arg(arraySize)
                              .arg(objectLines));
    }
    return c;
}

std::vector<Category> readLanguage(const QString& language) {
    std::vector<Category> categories;
    for (const QString& path : sourceFiles(language)) {
        categories.push_back(readCategory(path));
    }
    return categories;
}

// Words that make a question depend on the day it is asked, as whole words in any case.
QList<QRegularExpression> dateWords(const QString& language) {
    QStringList words;
    if (language == QStringLiteral("deutsch")) {
        words = {QStringLiteral("aktuell(e|en|er|es|em)?"), QStringLiteral("derzeit(ig(e|en|er|es|em)?)?"),
                 QStringLiteral("zurzeit"),                  QStringLiteral("heute"),
                 QStringLiteral("heutig(e|en|er|es|em)?"),   QStringLiteral("dieses\\s+Jahr"),
                 QStringLiteral("neueste(n|r|s|m)?"),        QStringLiteral("amtierend(e|en|er|es|em)?"),
                 QStringLiteral("noch")};
    } else {
        words = {QStringLiteral("current(ly)?"), QStringLiteral("latest"),
                 QStringLiteral("this\\s+year"), QStringLiteral("today"),
                 QStringLiteral("now"),          QStringLiteral("nowadays"),
                 QStringLiteral("recent(ly)?"),  QStringLiteral("still"),
                 QStringLiteral("reigning"),     QStringLiteral("incumbent")};
    }
    QList<QRegularExpression> patterns;
    for (const QString& w : words) {
        patterns.append(QRegularExpression(QStringLiteral("\\b(%1)\\b").arg(w),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::UseUnicodePropertiesOption));
    }
    return patterns;
}

QStringList textsOf(const Question& q) {
    QStringList texts{q.text};
    texts.append(q.answers);
    return texts;
}

struct CatRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CatRun runCat(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("946684800"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TRIVANTO_CAT_PATH), args);
    CatRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        run.err = QStringLiteral("trivanto-cat did not finish normally");
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

class CategoryContent : public ::testing::TestWithParam<const char*> {
protected:
    QString language() const { return QString::fromLatin1(GetParam()); }

    // The categories of the language; fails the test when there are none to look at.
    std::vector<Category> categories() const {
        std::vector<Category> all = readLanguage(language());
        EXPECT_FALSE(all.empty()) << "no category sources in " << categoryFolder(language()).toStdString();
        return all;
    }
};

TEST_P(CategoryContent, EverySourceBuildsAndTheBuiltFilesPassTheCheck) {
    const QStringList sources = sourceFiles(language());
    ASSERT_FALSE(sources.isEmpty()) << "no category sources for " << GetParam();
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QStringList built;
    for (const QString& source : sources) {
        const QString target = out.filePath(QFileInfo(source).completeBaseName() + QStringLiteral(".trv"));
        const CatRun run = runCat({QStringLiteral("build"), source, QStringLiteral("-o"), target});
        EXPECT_EQ(run.exitCode, 0) << QFileInfo(source).fileName().toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << QFileInfo(source).fileName().toStdString() << ": " << run.err.toStdString();
        if (run.exitCode == 0) {
            EXPECT_TRUE(QFileInfo(target).isFile()) << target.toStdString();
            built.append(target);
        }
    }
    ASSERT_EQ(built.size(), sources.size());
    const CatRun check = runCat(QStringList{QStringLiteral("check")} + built);
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_TRUE(check.err.isEmpty()) << check.err.toStdString();
}

TEST_P(CategoryContent, SourcesFollowTheFormatOneQuestionPerLine) {
    for (const Category& c : categories()) {
        EXPECT_FALSE(c.title.contains(QLatin1Char('.'))) << c.title.toStdString() << ": no dots in a title";
        EXPECT_TRUE(trivanto::isCp1252(c.title) && trivanto::toCp1252(c.title).size() <= kFieldBytes)
            << c.title.toStdString() << ": the title must fit a Windows-1252 field";
        for (const QString& problem : c.problems) {
            ADD_FAILURE() << c.title.toStdString() << ": " << problem.toStdString();
        }
        for (const Question& q : c.questions) {
            if (!q.estimation) {
                for (const QString& a : q.answers) {
                    // These answers are the markers of estimation and joker slots.
                    EXPECT_TRUE(a != QStringLiteral("ife") && a != QStringLiteral("joker"))
                        << where(c, q) << ": the answer \"" << a.toStdString() << "\" is a kind marker";
                }
                QStringList folded;
                for (const QString& a : q.answers) {
                    folded.append(a.simplified().toCaseFolded());
                }
                folded.removeDuplicates();
                EXPECT_EQ(folded.size(), q.answers.size()) << where(c, q) << ": two answers are the same";
            }
        }
    }
}

TEST_P(CategoryContent, EnoughCategoriesAndQuestions) {
    const std::vector<Category> all = categories();
    EXPECT_GE(int(all.size()), kMinCategories) << "categories in " << GetParam();
    int total = 0;
    for (const Category& c : all) {
        const int n = int(c.questions.size());
        total += n;
        EXPECT_GE(n, kMinPerCategory) << c.title.toStdString();
        EXPECT_LE(n, kMaxPerCategory) << c.title.toStdString();
    }
    EXPECT_GE(total, kMinQuestionsPerLanguage) << "questions in " << GetParam();
}

TEST_P(CategoryContent, RightAnswerPositionsAreBalanced) {
    for (const Category& c : categories()) {
        int count[5] = {0, 0, 0, 0, 0};
        for (const Question& q : c.questions) {
            if (!q.estimation && q.correct >= 1 && q.correct <= 4) {
                ++count[q.correct];
            }
        }
        const auto [low, high] = std::minmax({count[1], count[2], count[3], count[4]});
        EXPECT_LE(high - low, 1) << c.title.toStdString() << ": right answer at 1/2/3/4 " << count[1]
                                 << "/" << count[2] << "/" << count[3] << "/" << count[4];
    }
}

TEST_P(CategoryContent, EstimationShareIsBetweenFiveAndTwentyPercent) {
    for (const Category& c : categories()) {
        if (c.questions.empty()) {
            ADD_FAILURE() << c.title.toStdString() << ": no questions";
            continue;
        }
        const double share = double(c.estimationCount()) / double(c.questions.size());
        EXPECT_GE(share, kMinEstimationShare)
            << c.title.toStdString() << ": " << c.estimationCount() << " of " << c.questions.size();
        EXPECT_LE(share, kMaxEstimationShare)
            << c.title.toStdString() << ": " << c.estimationCount() << " of " << c.questions.size();
    }
}

TEST_P(CategoryContent, NoQuestionTextAppearsTwice) {
    QHash<QString, QString> firstSeen;  // folded text -> where it was first
    for (const Category& c : categories()) {
        for (const Question& q : c.questions) {
            const QString key = q.text.simplified().toCaseFolded();
            const QString here = QString::fromStdString(where(c, q));
            const auto found = firstSeen.constFind(key);
            if (found != firstSeen.constEnd()) {
                ADD_FAILURE() << here.toStdString() << " repeats " << found.value().toStdString();
            } else {
                firstSeen.insert(key, here);
            }
        }
    }
}

TEST_P(CategoryContent, EveryTextFitsAWindows1252Field) {
    for (const Category& c : categories()) {
        for (const Question& q : c.questions) {
            for (const QString& text : textsOf(q)) {
                EXPECT_TRUE(trivanto::isCp1252(text))
                    << where(c, q) << ": \"" << text.toStdString() << "\" has characters outside Windows-1252";
                EXPECT_LE(trivanto::toCp1252(text).size(), kFieldBytes)
                    << where(c, q) << ": \"" << text.toStdString() << "\" is too long";
            }
        }
    }
}

TEST_P(CategoryContent, NoTextDependsOnTheDayItIsAsked) {
    const QList<QRegularExpression> words = dateWords(language());
    for (const Category& c : categories()) {
        for (const Question& q : c.questions) {
            for (const QString& text : textsOf(q)) {
                for (const QRegularExpression& word : words) {
                    const QRegularExpressionMatch m = word.match(text);
                    EXPECT_FALSE(m.hasMatch())
                        << where(c, q) << ": \"" << m.captured(0).toStdString() << "\" in \""
                        << text.toStdString() << "\"";
                }
            }
        }
    }
}

// The longest game has 50 questions per player. With k players, any k categories ticked together
// must hold enough questions for it; a single player never gets estimation questions.
TEST_P(CategoryContent, AnyMixOfCategoriesFillsTheLongestGame) {
    const std::vector<Category> all = categories();
    for (int players = 1; players <= kMaxPlayers; ++players) {
        std::vector<std::pair<int, QString>> usable;
        for (const Category& c : all) {
            const int n = int(c.questions.size()) - (players == 1 ? c.estimationCount() : 0);
            usable.emplace_back(n, c.title);
        }
        std::sort(usable.begin(), usable.end());
        const int take = std::min<int>(players, int(usable.size()));
        int sum = 0;
        QStringList smallest;
        for (int i = 0; i < take; ++i) {
            sum += usable[size_t(i)].first;
            smallest.append(usable[size_t(i)].second);
        }
        EXPECT_EQ(take, players) << "fewer categories than players";
        EXPECT_GE(sum, players * kMaxQuestionsPerPlayer)
            << players << " player(s), categories " << smallest.join(QStringLiteral(", ")).toStdString();
    }
    // Four players can also play the longest game from all categories at once.
    const int total = std::accumulate(all.begin(), all.end(), 0,
                                      [](int s, const Category& c) { return s + int(c.questions.size()); });
    EXPECT_GE(total, kMaxPlayers * kMaxQuestionsPerPlayer);
}

INSTANTIATE_TEST_SUITE_P(Languages, CategoryContent, ::testing::Values("englisch", "deutsch"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
