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
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "core/text/cp1252.h"

namespace {

constexpr int kMinCategories = 12;
constexpr int kMinQuestionsPerLanguage = 800;
constexpr int kMinPerCategory = 60;
constexpr int kMaxPerCategory = 200;  // slots of a category file
constexpr double kMinEstimationShare = 0.05;
constexpr double kMaxEstimationShare = 0.20;
constexpr qsizetype kFieldBytes = 110;      // capacity of every text field
constexpr qint64 kLargestGuess = 99999999;  // eight digits, the longest guess a player can type
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
            c.problems.append(
                QStringLiteral("line %1 is not one whole question object").arg(i + 1));
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
                    QStringLiteral(
                        "line %1 \"%2\": the estimate must be a whole number from 0 to %3")
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
                c.problems.append(
                    QStringLiteral("line %1 \"%2\": needs exactly four non-empty answers")
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
                c.problems.append(QStringLiteral("line %1 \"%2\": unknown field \"%3\"")
                                      .arg(q.line)
                                      .arg(q.text, key));
            }
        }
        c.questions.push_back(q);
    }
    if (!seenOpen || !seenClose) {
        c.problems.append(QStringLiteral(
            "the array must open with \"[\" and close with \"]\" on lines of their own"));
    }
    if (objectLines != arraySize) {
        c.problems.append(
            QStringLiteral("holds %1 questions but %2 question lines: one question per line")
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
        words = {QStringLiteral("aktuell(e|en|er|es|em)?"),
                 QStringLiteral("derzeit(ig(e|en|er|es|em)?)?"),
                 QStringLiteral("zurzeit"),
                 QStringLiteral("heute"),
                 QStringLiteral("heutig(e|en|er|es|em)?"),
                 QStringLiteral("dieses\\s+Jahr"),
                 QStringLiteral("neueste(n|r|s|m)?"),
                 QStringLiteral("amtierend(e|en|er|es|em)?"),
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

// --- Answers given away by texts -------------------------------------------------------------
// A question is given away when the name or number that singles out its right answer appears
// in its own text, or in the text of another question about the same subject. Names are the
// words of the right answer that never occur in lowercase anywhere in the language (so ordinary
// English words drop out), that end a run of capitalised words (so "Diego Velázquez" is keyed on
// "Velázquez", not on a given name), and that no wrong answer contains (a word all answers share
// points at none of them); numbers are those of three or more digits, and estimates.
// A bare mention elsewhere is no giveaway: "Mars", "Deutschland" or "James" turn up in dozens of
// unrelated questions. It becomes one when the two questions share a subject, which shows as a
// distinctive word in both texts: a capitalised word (a name; in German also a noun) or a number
// that occurs in only a few question texts, like "Faust" in "Who wrote Faust?" and "When did
// Goethe's Faust appear?".
constexpr int kMaxSubjectWordTexts = 8;  // about 0.4% of a language's question texts

struct Giveaway {
    const char* language;
    const char* question;  // the question whose right answer is given away
    const char* key;       // the name or number of its answer
    const char* by;        // the question text that gives it away
    const char* reason;    // why it is not a giveaway after all
};

// Hits of the rule that were judged not to give the answer away.
const Giveaway kNotAGiveaway[] = {
    {"deutsch", "Welche Samstagabendshow moderierte Rudi Carrell ab 1974?", "Band",
     "Welche schwedische Band gewann 1974 den Grand Prix Eurovision mit „Waterloo“?",
     "the conveyor belt of the show's title, not a music group"},
    {"deutsch", "Welche Samstagabendshow moderierte Rudi Carrell ab 1974?", "Band",
     "Welche Band veröffentlichte 1974 das Album „Autobahn“?",
     "the conveyor belt of the show's title, not a music group"},
    {"deutsch", "In welchem Fernsehen lief das „Sandmännchen“ im November 1959 zuerst?", "DDR",
     "Wer verlas am 9. November 1989 auf einer Pressekonferenz die neue Reiseregelung der DDR?",
     "both name a November, thirty years apart; nothing links the Sandmännchen to 1989"},
    {"deutsch", "Welche ist die größte Insel im Mittelmeer?", "Sizilien",
     "Welcher Vulkan liegt auf der Insel Sizilien?",
     "all four answers are Mediterranean islands; the Etna question says nothing of size"},
    {"deutsch", "Welches Land gewann die erste Hallenhandball-Weltmeisterschaft 1938?",
     "Deutschland", "Welche Kunstfaser entwickelte Paul Schlack 1938 in Deutschland?",
     "a synthetic fibre of the same year, no link to handball"},
    {"deutsch", "Welches Land gewann die erste Hallenhandball-Weltmeisterschaft 1938?",
     "Deutschland",
     "In welcher Stadt gewann Deutschland sein erstes Endspiel einer Fußball-Weltmeisterschaft?",
     "a football final says nothing about the first handball world championship"},
    {"deutsch", "Welche Nation gewann 2003 und 2007 die Frauenfußball-Weltmeisterschaft?",
     "Deutschland",
     "In welcher Stadt gewann Deutschland sein erstes Endspiel einer Fußball-Weltmeisterschaft?",
     "the men's first final of 1954 says nothing about the women's titles"},
    {"deutsch", "Welcher Himmelskörper verursacht hauptsächlich Ebbe und Flut?", "Mond",
     "Welcher Mond ist der vulkanisch aktivste Himmelskörper des Sonnensystems?",
     "a moon of Jupiter; every player knows the Moon, the tides are not mentioned"},
    {"englisch", "To which Hindu god was the temple of Angkor Wat first dedicated?", "Vishnu",
     "Which Hindu god is known as the Destroyer, beside Brahma the Creator and Vishnu the "
     "Preserver?",
     "names Brahma and Vishnu alike and asks for Shiva: three of the four answers, none favoured"},
};

QString fold(const QString& word) {
    return word.toCaseFolded();
}

// Words of a text in order: runs of letters.
QStringList wordsOf(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\p{L}+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        words.append(it.next().captured(0));
    }
    return words;
}

// Whole numbers of a text with at least minDigits digits, thousands separators removed
// ("10,000" and "10.000" are 10000).
QSet<QString> numbersOf(const QString& text, int minDigits = 3) {
    static const QRegularExpression number(
        QStringLiteral("(?<![\\d.,])\\d{1,3}(?:[.,]\\d{3})+(?!\\d)|(?<!\\d)\\d+(?!\\d)"));
    QSet<QString> numbers;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        QString digits = it.next().captured(0);
        digits.remove(QLatin1Char('.')).remove(QLatin1Char(','));
        if (digits.size() >= minDigits) {
            numbers.insert(digits);
        }
    }
    return numbers;
}

bool isRomanNumeral(const QString& word) {
    static const QRegularExpression roman(QStringLiteral("^[IVXLCDM]+$"));
    return roman.match(word).hasMatch();
}

struct QuestionRef {
    const Category* category;
    const Question* question;
};

class GiveawayFinder {
public:
    GiveawayFinder(const std::vector<Category>& categories, const QString& language)
        : m_german(language == QStringLiteral("deutsch")) {
        for (const Category& c : categories) {
            for (const Question& q : c.questions) {
                m_all.push_back({&c, &q});
                for (const QString& text : textsOf(q)) {
                    for (const QString& w : wordsOf(text)) {
                        if (w.at(0).isLower()) {
                            m_lowercase.insert(fold(w));
                        }
                    }
                }
            }
        }
        QHash<QString, int> subjectTexts;  // distinctive word -> number of texts
        for (size_t i = 0; i < m_all.size(); ++i) {
            const QString& text = m_all[i].question->text;
            const QStringList words = wordsOf(text);
            for (const QString& w : QSet<QString>(words.begin(), words.end())) {
                m_textsWith[w].append(i);
            }
            for (const QString& n : numbersOf(text, 1)) {
                m_textsWith[n].append(i);
            }
            const QSet<QString> subject = subjectWordsOf(text);
            for (const QString& w : subject) {
                ++subjectTexts[w];
            }
            m_subject.push_back(subject);
        }
        for (QSet<QString>& subject : m_subject) {
            subject.removeIf(
                [&](const QString& w) { return subjectTexts.value(w) > kMaxSubjectWordTexts; });
        }
    }

    struct Hit {
        QuestionRef given;
        QuestionRef by;
        QString key;
    };

    std::vector<Hit> hits() const {
        std::vector<Hit> found;
        for (size_t i = 0; i < m_all.size(); ++i) {
            const Question& q = *m_all[i].question;
            const QStringList names = q.estimation ? QStringList{} : namesOf(q);
            QSet<QString> numbers;
            if (q.estimation) {
                if (q.estimate >= 10) {  // single digits are everyday wording
                    numbers.insert(QString::number(q.estimate));
                }
            } else if (q.correct >= 1 && q.correct <= q.answers.size()) {
                numbers = numbersOf(q.answers.at(q.correct - 1));
                for (int a = 0; a < q.answers.size(); ++a) {
                    if (a != q.correct - 1) {
                        numbers.subtract(numbersOf(q.answers.at(a)));
                    }
                }
            }
            auto report = [&](const QString& key, const QSet<size_t>& texts) {
                for (size_t j : texts) {
                    if (i == j || sameSubject(i, j, key)) {
                        found.push_back({m_all[i], m_all[j], key});
                    }
                }
            };
            for (const QString& name : names) {
                report(name, textsMentioning(name));
            }
            for (const QString& number : numbers) {
                const QList<size_t> texts = m_textsWith.value(number);
                report(number, QSet<size_t>(texts.begin(), texts.end()));
            }
        }
        return found;
    }

private:
    bool isNameWord(const QString& w) const {
        return w.size() >= 3 && w.at(0).isUpper() && !isRomanNumeral(w) &&
               !m_lowercase.contains(fold(w));
    }

    // The names that single out the right answer of a multiple-choice question.
    QStringList namesOf(const Question& q) const {
        static const QSet<QString> particles{
            QStringLiteral("von"), QStringLiteral("van"), QStringLiteral("de"),
            QStringLiteral("da"),  QStringLiteral("di"),  QStringLiteral("du"),
            QStringLiteral("del"), QStringLiteral("der"), QStringLiteral("den"),
            QStringLiteral("la"),  QStringLiteral("le"),  QStringLiteral("ten"),
            QStringLiteral("zu"),  QStringLiteral("of"),  QStringLiteral("y")};
        QStringList names;
        if (q.correct < 1 || q.correct > q.answers.size()) {
            return names;
        }
        const QStringList words = wordsOf(q.answers.at(q.correct - 1));
        for (int k = 0; k < words.size(); ++k) {
            int next = k + 1;
            if (next < words.size() && particles.contains(words.at(next))) {
                ++next;
            }
            if (next < words.size() && words.at(next).at(0).isUpper() &&
                isNameWord(words.at(next))) {
                continue;  // a given name or qualifier: the run's last name is the key
            }
            const QString& w = words.at(k);
            bool distinguishes = isNameWord(w);
            for (int a = 0; distinguishes && a < q.answers.size(); ++a) {
                distinguishes = a == q.correct - 1 || !fold(q.answers.at(a)).contains(fold(w));
            }
            if (distinguishes && !names.contains(w)) {
                names.append(w);
            }
        }
        return names;
    }

    // Capitalised words after the first and numbers of three or more digits, folded.
    static QSet<QString> subjectWordsOf(const QString& text) {
        QSet<QString> subject = numbersOf(text);
        const QStringList words = wordsOf(text);
        for (int k = 1; k < words.size(); ++k) {
            if (words.at(k).size() >= 4 && words.at(k).at(0).isUpper()) {
                subject.insert(fold(words.at(k)));
            }
        }
        return subject;
    }

    // The name itself or an inflected form of it: English "Napoleon's" is split into words
    // already, German adds -s or -es ("Goethes", "des Reiches").
    QSet<size_t> textsMentioning(const QString& name) const {
        QStringList forms{name, name + QLatin1Char('s')};
        if (m_german) {
            forms.append(name + QStringLiteral("es"));
        }
        QSet<size_t> texts;
        for (const QString& form : forms) {
            for (size_t j : m_textsWith.value(form)) {
                texts.insert(j);
            }
        }
        return texts;
    }

    bool sameSubject(size_t i, size_t j, const QString& key) const {
        QSet<QString> shared = m_subject[i] & m_subject[j];
        shared.remove(fold(key));
        return !shared.isEmpty();
    }

    bool m_german;
    std::vector<QuestionRef> m_all;
    QSet<QString> m_lowercase;                  // folded words seen with a lowercase initial
    QHash<QString, QList<size_t>> m_textsWith;  // word as written or number -> question texts
    std::vector<QSet<QString>> m_subject;       // distinctive words of each question text
};

// --- Answers that stand out by length --------------------------------------------------------
enum class Extreme { Longest, Shortest };

// The answer that is clearly the longest (or shortest) of a question's answers: more than 25% and
// at least four characters longer (shorter) than every other one. -1 when none stands out.
int clearlyStandingOut(const QStringList& answers, Extreme extreme) {
    for (int a = 0; a < answers.size(); ++a) {
        bool clear = true;
        for (int b = 0; clear && b < answers.size(); ++b) {
            qsizetype longer = answers.at(a).size();
            qsizetype shorter = answers.at(b).size();
            if (extreme == Extreme::Shortest) {
                std::swap(longer, shorter);
            }
            clear = b == a || (longer * 4 > shorter * 5 && longer - shorter >= 4);
        }
        if (clear) {
            return a;
        }
    }
    return -1;
}

struct StandOutCount {
    int clear = 0;  // multiple-choice questions with an answer that stands out
    int right = 0;  // of those, the ones where it is the right answer
};

StandOutCount countStandOuts(const std::vector<Category>& categories, Extreme extreme) {
    StandOutCount count;
    for (const Category& c : categories) {
        for (const Question& q : c.questions) {
            if (q.estimation || q.answers.size() != 4) {
                continue;
            }
            const int a = clearlyStandingOut(q.answers, extreme);
            if (a >= 0) {
                ++count.clear;
                count.right += a + 1 == q.correct ? 1 : 0;
            }
        }
    }
    return count;
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
        EXPECT_FALSE(all.empty()) << "no category sources in "
                                  << categoryFolder(language()).toStdString();
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
        const QString target =
            out.filePath(QFileInfo(source).completeBaseName() + QStringLiteral(".trv"));
        const CatRun run = runCat({QStringLiteral("build"), source, QStringLiteral("-o"), target});
        EXPECT_EQ(run.exitCode, 0)
            << QFileInfo(source).fileName().toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty())
            << QFileInfo(source).fileName().toStdString() << ": " << run.err.toStdString();
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
        EXPECT_FALSE(c.title.contains(QLatin1Char('.')))
            << c.title.toStdString() << ": no dots in a title";
        EXPECT_TRUE(trivanto::isCp1252(c.title) &&
                    trivanto::toCp1252(c.title).size() <= kFieldBytes)
            << c.title.toStdString() << ": the title must fit a Windows-1252 field";
        for (const QString& problem : c.problems) {
            ADD_FAILURE() << c.title.toStdString() << ": " << problem.toStdString();
        }
        for (const Question& q : c.questions) {
            if (!q.estimation) {
                for (const QString& a : q.answers) {
                    // These answers are the markers of estimation and joker slots.
                    EXPECT_TRUE(a != QStringLiteral("ife") && a != QStringLiteral("joker"))
                        << where(c, q) << ": the answer \"" << a.toStdString()
                        << "\" is a kind marker";
                }
                QStringList folded;
                for (const QString& a : q.answers) {
                    folded.append(a.simplified().toCaseFolded());
                }
                folded.removeDuplicates();
                EXPECT_EQ(folded.size(), q.answers.size())
                    << where(c, q) << ": two answers are the same";
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
        EXPECT_LE(high - low, 1) << c.title.toStdString() << ": right answer at 1/2/3/4 "
                                 << count[1] << "/" << count[2] << "/" << count[3] << "/"
                                 << count[4];
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
                EXPECT_TRUE(trivanto::isCp1252(text)) << where(c, q) << ": \"" << text.toStdString()
                                                      << "\" has characters outside Windows-1252";
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

TEST_P(CategoryContent, NoAnswerIsGivenAwayByAQuestionText) {
    const std::vector<Category> all = categories();
    std::vector<bool> allowUsed(std::size(kNotAGiveaway), false);
    for (const GiveawayFinder::Hit& hit : GiveawayFinder(all, language()).hits()) {
        bool allowed = false;
        for (size_t a = 0; a < std::size(kNotAGiveaway); ++a) {
            const Giveaway& g = kNotAGiveaway[a];
            if (language() == QLatin1String(g.language) &&
                hit.given.question->text == QString::fromUtf8(g.question) &&
                hit.key == QString::fromUtf8(g.key) &&
                hit.by.question->text == QString::fromUtf8(g.by)) {
                allowed = true;
                allowUsed[a] = true;
            }
        }
        if (!allowed) {
            ADD_FAILURE() << where(*hit.given.category, *hit.given.question) << ": its answer's \""
                          << hit.key.toStdString() << "\" is given away by "
                          << (hit.given.question == hit.by.question
                                  ? std::string("its own text")
                                  : where(*hit.by.category, *hit.by.question));
        }
    }
    for (size_t a = 0; a < std::size(kNotAGiveaway); ++a) {
        EXPECT_TRUE(allowUsed[a] || language() != QLatin1String(kNotAGiveaway[a].language))
            << "the exception for \"" << kNotAGiveaway[a].question << "\" and \""
            << kNotAGiveaway[a].by << "\" no longer matches a hit: remove it";
    }
}

// An answer that stands out by length is a tell when it is right more often than the one time in
// four that chance gives, and just as much when it is right less often: a player who notices can
// then strike it. Without a tell, the count of right ones among n such questions is
// binomial(n, 1/4); the bounds allow two standard deviations on either side of the mean, which a
// set without the tell leaves about once in twenty (for n = 220 they are 19.2% and 30.8%).
void expectRightAsOftenAsByChance(const StandOutCount& count, const char* which) {
    if (count.clear == 0) {
        return;  // no answer stands out by length at all
    }
    const double share = double(count.right) / count.clear;
    const double spread = 2.0 * std::sqrt(0.25 * 0.75 / count.clear);
    EXPECT_GE(share, 0.25 - spread)
        << count.right << " of " << count.clear << " questions whose clearly " << which
        << " answer is the right one: players can strike it";
    EXPECT_LE(share, 0.25 + spread)
        << count.right << " of " << count.clear << " questions whose clearly " << which
        << " answer is the right one: players can pick it";
}

TEST_P(CategoryContent, TheClearlyLongestAnswerIsRightAsOftenAsByChance) {
    const StandOutCount count = countStandOuts(categories(), Extreme::Longest);
    expectRightAsOftenAsByChance(count, "longest");
    RecordProperty("clearly_longest", count.clear);
    RecordProperty("clearly_longest_right", count.right);
}

TEST_P(CategoryContent, TheClearlyShortestAnswerIsRightAsOftenAsByChance) {
    const StandOutCount count = countStandOuts(categories(), Extreme::Shortest);
    expectRightAsOftenAsByChance(count, "shortest");
    RecordProperty("clearly_shortest", count.clear);
    RecordProperty("clearly_shortest_right", count.right);
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
            << players << " player(s), categories "
            << smallest.join(QStringLiteral(", ")).toStdString();
    }
    // Four players can also play the longest game from all categories at once.
    const int total = std::accumulate(all.begin(), all.end(), 0, [](int s, const Category& c) {
        return s + int(c.questions.size());
    });
    EXPECT_GE(total, kMaxPlayers * kMaxQuestionsPerPlayer);
}

Question choice(const QString& text, const QStringList& answers, int correct) {
    Question q;
    q.text = text;
    q.answers = answers;
    q.correct = correct;
    return q;
}

Question estimation(const QString& text, qint64 estimate) {
    Question q;
    q.text = text;
    q.estimation = true;
    q.estimate = estimate;
    return q;
}

// The rule on a small set: what it must find and what it must leave alone.
TEST(GiveawayRule, FindsAnswersNamedInTextsOfTheSameSubjectOnly) {
    Category c;
    c.title = QStringLiteral("Mixed");
    c.questions = {
        // Given away by a text about the same work.
        choice(QStringLiteral("Who wrote Faust?"),
               {QStringLiteral("Friedrich Schiller"), QStringLiteral("Johann Wolfgang von Goethe"),
                QStringLiteral("Heinrich von Kleist"), QStringLiteral("Gotthold Lessing")},
               2),
        estimation(QStringLiteral("In which year did Goethe's Faust first appear?"), 1808),
        // A year given away by a text about the same event.
        estimation(QStringLiteral("In which year did the Berlin Wall fall?"), 1989),
        choice(QStringLiteral("Who spoke on the evening the Berlin Wall opened in 1989?"),
               {QStringLiteral("Egon Krenz"), QStringLiteral("Erich Honecker"),
                QStringLiteral("Hans Modrow"), QStringLiteral("G\u00fcnter Schabowski")},
               4),
        // Given away by its own text.
        choice(QStringLiteral("Which engine goes back to Nikolaus Otto?"),
               {QStringLiteral("Diesel engine"), QStringLiteral("Otto engine"),
                QStringLiteral("Wankel engine"), QStringLiteral("Steam engine")},
               2),
        // Named elsewhere, but about another subject: no giveaway.
        choice(QStringLiteral("Which planet has the moons Phobos and Deimos?"),
               {QStringLiteral("Venus"), QStringLiteral("Jupiter"), QStringLiteral("Mars"),
                QStringLiteral("Saturn")},
               3),
        choice(QStringLiteral("How long is a day on Mars?"),
               {QStringLiteral("About 10 hours"), QStringLiteral("About 24.6 hours"),
                QStringLiteral("About 30 hours"), QStringLiteral("About 58 days")},
               2),
        // A name all answers share singles out none of them.
        choice(QStringLiteral("Which Napoleon lost at Waterloo?"),
               {QStringLiteral("Napoleon I"), QStringLiteral("Napoleon II"),
                QStringLiteral("Napoleon III"), QStringLiteral("Napoleon IV")},
               1),
        choice(QStringLiteral("To which island was Napoleon sent after Waterloo?"),
               {QStringLiteral("Elba"), QStringLiteral("Corsica"), QStringLiteral("Saint Helena"),
                QStringLiteral("Sardinia")},
               3),
    };
    const std::vector<Category> set{c};
    QStringList found;
    for (const GiveawayFinder::Hit& hit : GiveawayFinder(set, QStringLiteral("englisch")).hits()) {
        found.append(hit.key + QStringLiteral(" by ") + hit.by.question->text);
    }
    found.sort();
    const QStringList expected{
        QStringLiteral("1989 by Who spoke on the evening the Berlin Wall opened in 1989?"),
        QStringLiteral("Goethe by In which year did Goethe's Faust first appear?"),
        QStringLiteral("Otto by Which engine goes back to Nikolaus Otto?"),
    };
    EXPECT_EQ(found, expected) << found.join(QStringLiteral("; ")).toStdString();
}

// The rule on single questions: by how much an answer must stand out, in both directions.
TEST(StandOutRule, AnAnswerStandsOutOnlyByAQuarterAndFourCharacters) {
    struct Case {
        QStringList answers;
        int longest;   // index of the clearly longest answer, -1 for none
        int shortest;  // index of the clearly shortest answer, -1 for none
    };
    const Case cases[] = {
        // Four characters more than every other answer and far more than a quarter.
        {{QStringLiteral("Oslo"), QStringLiteral("Rome"), QStringLiteral("Canberra"),
          QStringLiteral("Bern")},
         2,
         -1},
        // Half as long again, but only three characters: no tell a player notices.
        {{QStringLiteral("Paris"), QStringLiteral("Rome"), QStringLiteral("Berlin"),
          QStringLiteral("Amsterdam")},
         -1,
         -1},
        // Exactly a quarter longer (20 against 16) is not more than a quarter.
        {{QStringLiteral("Twenty characters ab"), QStringLiteral("Sixteen chars ab"),
          QStringLiteral("Sixteen chars cd"), QStringLiteral("Sixteen chars ef")},
         -1,
         -1},
        // One answer far shorter than the rest; none far longer.
        {{QStringLiteral("Backgammon"), QStringLiteral("Go"), QStringLiteral("Draughts"),
          QStringLiteral("Xiangqi")},
         -1,
         1},
        // Far shorter than all but one answer is not clearly shortest.
        {{QStringLiteral("Go"), QStringLiteral("Risk"), QStringLiteral("Draughts"),
          QStringLiteral("Backgammon")},
         -1,
         -1},
    };
    for (const Case& c : cases) {
        const std::string answers = c.answers.join(QStringLiteral(" / ")).toStdString();
        EXPECT_EQ(clearlyStandingOut(c.answers, Extreme::Longest), c.longest) << answers;
        EXPECT_EQ(clearlyStandingOut(c.answers, Extreme::Shortest), c.shortest) << answers;
    }

    // Counted over a set: the right answer at the standing-out place or elsewhere.
    Category set;
    set.title = QStringLiteral("Capitals");
    set.questions = {
        choice(QStringLiteral("Capital of Australia?"), cases[0].answers, 3),
        choice(QStringLiteral("Capital of Norway?"), cases[0].answers, 1),
        choice(QStringLiteral("Capital of France?"), cases[1].answers, 1),
        estimation(QStringLiteral("How many states has Australia?"), 6),
    };
    const StandOutCount longest = countStandOuts({set}, Extreme::Longest);
    EXPECT_EQ(longest.clear, 2);
    EXPECT_EQ(longest.right, 1);
    EXPECT_EQ(countStandOuts({set}, Extreme::Shortest).clear, 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, CategoryContent, ::testing::Values("englisch", "deutsch"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
