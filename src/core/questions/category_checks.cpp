#include "core/questions/category_checks.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

#include "core/text/control_character.h"
#include "core/text/cp1252.h"

namespace trivanto {
namespace {

bool isMarker(const QString& text) {
    return text == QLatin1String(kEstimationMarker) || text == QLatin1String(kJokerMarker);
}

bool isValidCorrect(const QString& correct) {
    return correct.size() == 1 && correct[0] >= QLatin1Char('1') && correct[0] <= QLatin1Char('4');
}

// Texts that differ only in case and spacing look the same to players.
QString foldedText(const QString& text) {
    return text.simplified().toCaseFolded();
}

class FindingSink {
public:
    explicit FindingSink(CategoryFindings& out) : m_out(out) {}
    void add(CheckKind kind, int position, int field = -1, int number = 0, QString value = {}) {
        m_out.push_back({kind, position, field, false, number, std::move(value)});
    }

private:
    CategoryFindings& m_out;
};

// The code of the first control character of `text`, or -1 when it holds none.
int firstControlCharacter(const QString& text) {
    const auto found = std::find_if(text.begin(), text.end(),
                                    [](QChar c) { return isControlCharacter(c.unicode()); });
    return found == text.end() ? -1 : found->unicode();
}

// Texts are shown on their lines as they stand: a line break or tab would tear them apart.
void checkControls(const QString& text, int position, int field, FindingSink& sink) {
    if (const int code = firstControlCharacter(text); code >= 0) {
        sink.add(CheckKind::ControlCharacter, position, field, code);
    }
}

void checkTextFit(const QString& text, int position, int field, FindingSink& sink) {
    if (!isCp1252(text)) {
        for (const char32_t c : text.toUcs4()) {
            // Not QString::fromUcs4: it drops U+FEFF as a byte-order mark, and the character
            // that the code page lacks would go unreported.
            const QString one = QStringView(QChar::fromUcs4(c)).toString();
            if (!isCp1252(one)) {
                sink.add(CheckKind::TextNotCodePage, position, field, 0, one);
                return;
            }
        }
    }
    const qsizetype bytes = toCp1252(text).size();
    if (bytes > kFieldCapacity) {
        sink.add(CheckKind::TextTooLong, position, field, int(bytes));
    }
}

void checkAnswers(const PlainQuestion& q, bool textFit, FindingSink& sink) {
    for (int i = 0; i < 4; ++i) {
        const QString& answer = q.answers[size_t(i)];
        if (q.answersParsed && answer.trimmed().isEmpty()) {
            sink.add(CheckKind::AnswerEmpty, q.position, i + 1);
        }
        checkControls(answer, q.position, i + 1, sink);
        if (textFit) {
            checkTextFit(answer, q.position, i + 1, sink);
        }
    }
    if (isMarker(q.answers[1])) {
        sink.add(CheckKind::AnswerIsMarker, q.position, 2, 0, q.answers[1]);
    }
    std::array<QString, 4> folded;
    for (size_t i = 0; i < 4; ++i) {
        folded[i] = foldedText(q.answers[i]);
    }
    for (size_t j = 1; j < 4; ++j) {
        for (size_t i = 0; i < j && !folded[j].isEmpty(); ++i) {
            if (folded[i] == folded[j]) {
                sink.add(CheckKind::SameAnswers, q.position, int(j) + 1, int(i) + 1);
                break;
            }
        }
    }
}

void checkEstimation(const PlainQuestion& q, FindingSink& sink) {
    if (q.correctParsed && !isEstimateValue(q.answers[0])) {
        sink.add(CheckKind::EstimateValue, q.position, 1, 0, q.answers[0]);
    }
    for (int i = 2; i < 4; ++i) {
        if (q.answers[size_t(i)] != QLatin1String(kEstimationMarker)) {
            sink.add(CheckKind::EstimationMarker, q.position, i + 1);
        }
    }
}

// Length byte and code page of one stored field.
void checkStoredField(const TQuestionField& field, bool scrambled, int slot, int index,
                      bool inHeader, CategoryFindings& out) {
    if (field[0] > kFieldCapacity) {
        out.push_back({CheckKind::StoredLengthInvalid, slot, index, inHeader, field[0], {}});
    }
    for (const char byte : LoadFieldBytes(field, scrambled)) {
        if (!isCp1252Byte(quint8(byte))) {
            out.push_back({CheckKind::StoredByteInvalid, slot, index, inHeader, quint8(byte), {}});
            break;
        }
    }
}

}  // namespace

bool isAdvice(CheckKind kind) {
    return kind == CheckKind::SimilarQuestion || kind == CheckKind::SameAnswers ||
           kind == CheckKind::AnswerSpread;
}

bool isEstimateValue(const QString& text) {
    // "\z", not "$": "$" also matches before a final line break.
    static const QRegularExpression number(QStringLiteral("\\A-?[0-9]+\\z"));
    return text.size() <= 9 && number.match(text).hasMatch();
}

CategoryFindings checkQuestions(std::span<const PlainQuestion> questions, bool textFit) {
    CategoryFindings out;
    FindingSink sink(out);
    if (questions.empty()) {
        sink.add(CheckKind::NoQuestions, 0);
    }
    QHash<QByteArray, int> exact;  // the question as stored -> first position
    QHash<QString, int> folded;    // the question as players see it -> first position
    exact.reserve(qsizetype(questions.size()));
    folded.reserve(qsizetype(questions.size()));
    std::array<int, 4> rightAt{};
    bool anyMultipleChoice = false;
    for (const PlainQuestion& q : questions) {
        if (q.kind == QuestionKind::Joker) {
            sink.add(CheckKind::Joker, q.position);
            continue;
        }
        if (q.question.trimmed().isEmpty()) {
            if (q.questionParsed) {
                sink.add(CheckKind::QuestionEmpty, q.position, 0);
            }
        } else {
            const QByteArray stored = toCp1252(q.question).left(kFieldCapacity);
            if (const auto same = exact.constFind(stored); same != exact.constEnd()) {
                sink.add(CheckKind::DuplicateQuestion, q.position, 0, same.value());
            } else {
                exact.insert(stored, q.position);
                const QString key = foldedText(q.question);
                if (const auto like = folded.constFind(key); like != folded.constEnd()) {
                    sink.add(CheckKind::SimilarQuestion, q.position, 0, like.value());
                } else {
                    folded.insert(key, q.position);
                }
            }
        }
        checkControls(q.question, q.position, 0, sink);
        if (textFit) {
            checkTextFit(q.question, q.position, 0, sink);
        }
        // An estimation value with a control character is no whole number, which says enough.
        const bool estimation = q.kind == QuestionKind::Estimation;
        if (estimation) {
            checkEstimation(q, sink);
        } else {
            checkAnswers(q, textFit, sink);
        }
        if (!q.correctParsed) {
            continue;
        }
        if (!isValidCorrect(q.correct)) {
            sink.add(CheckKind::CorrectInvalid, q.position, FieldCorrect, 0, q.correct);
        } else if (!estimation) {
            ++rightAt[size_t(q.correct[0].unicode() - u'1')];
            anyMultipleChoice = true;
        }
    }
    const auto [fewest, most] = std::minmax_element(rightAt.begin(), rightAt.end());
    if (anyMultipleChoice && *most - *fewest > 1) {
        sink.add(CheckKind::AnswerSpread, 0, -1, 0,
                 QStringLiteral("%1/%2/%3/%4")
                     .arg(rightAt[0])
                     .arg(rightAt[1])
                     .arg(rightAt[2])
                     .arg(rightAt[3]));
    }
    return out;
}

CategoryFindings checkCategoryRecord(const TQuestionFile& file) {
    CategoryFindings out;
    for (int f = 0; f < kFieldsPerEntry; ++f) {
        checkStoredField(file.entries[0].fields[size_t(f)], false, 0, f, true, out);
    }
    // The game lists the category by this title.
    const QString title = categoryTitle(file);
    if (title.trimmed().isEmpty()) {
        out.push_back({CheckKind::TitleEmpty, 0, HeaderTitle, true, 0, {}});
    } else if (const int code = firstControlCharacter(title); code >= 0) {
        out.push_back({CheckKind::ControlCharacter, 0, HeaderTitle, true, code, {}});
    }
    int lastUsed = 0;
    for (int s = 1; s <= kSlotCount; ++s) {
        if (file.entries[size_t(s)].fields[FieldQuestion][0] > 0) {
            lastUsed = s;
        }
    }
    const int count = CountQuestions(file);
    std::vector<PlainQuestion> questions;
    questions.reserve(size_t(lastUsed));
    for (int s = 1; s <= lastUsed; ++s) {
        const TQuestionEntry& entry = file.entries[size_t(s)];
        if (entry.fields[FieldQuestion][0] == 0) {
            out.push_back({CheckKind::Gap, s, -1, false, count, QString::number(lastUsed)});
            continue;
        }
        for (int f = 0; f < kFieldsPerEntry; ++f) {
            checkStoredField(entry.fields[size_t(f)], f != FieldCorrect, s, f, false, out);
        }
        questions.push_back(plainQuestionOf(entry, s));
    }
    for (CategoryFinding& finding : checkQuestions(questions, false)) {
        out.push_back(std::move(finding));
    }
    // Problems slot by slot, the header first; then advice slot by slot, the advice on the
    // whole category last.
    const auto order = [](const CategoryFinding& f) {
        const int position = f.advice() && f.position == 0 ? kSlotCount + 1 : f.position;
        return std::pair(f.advice(), position);
    };
    std::stable_sort(
        out.begin(), out.end(),
        [&](const CategoryFinding& a, const CategoryFinding& b) { return order(a) < order(b); });
    return out;
}

}  // namespace trivanto
