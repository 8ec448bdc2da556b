#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "core/setup/pool_file.h"
#include "core/update/ini_document.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

struct PoolTextCase {
    const char* name;
    std::vector<QuestionSlot> questions;
};

QuestionSlot slot(QString question, QString a1 = QStringLiteral("one"),
                  QString a2 = QStringLiteral("two"), QString correct = QStringLiteral("1")) {
    return {std::move(question),
            {std::move(a1), std::move(a2), QStringLiteral("three"), QStringLiteral("four")},
            std::move(correct)};
}

// What the general INI document writes for the same values, the way the pool used to be
// written.
QByteArray iniBytes(const std::vector<QuestionSlot>& list) {
    TIniDocument ini;
    for (std::size_t c = 0; c < list.size(); ++c) {
        const QString section = QString::number(c + 1);
        ini.WriteValue(section, QStringLiteral("0"), list[c].question);
        for (int k = 0; k < 4; ++k) {
            ini.WriteValue(section, QString::number(k + 1),
                           list[c].answers[static_cast<std::size_t>(k)]);
        }
        ini.WriteValue(section, QStringLiteral("5"), list[c].correct);
    }
    ini.WriteValue(QStringLiteral("BT"), QStringLiteral("HEADER"), QString::number(list.size()));
    return ini.toBytes();
}

class PoolFileTextBytes : public ::testing::TestWithParam<PoolTextCase> {};

// The questions as a category file stores them, and as the game reads them back.
TEST_P(PoolFileTextBytes, EqualTheIniDocumentsBytes) {
    PoolFileText text;
    std::vector<QuestionSlot> stored;
    for (const QuestionSlot& s : GetParam().questions) {
        TQuestionEntry entry;
        storeSlot(entry, s);
        text.add(entry);
        stored.push_back(loadSlot(entry));
    }
    EXPECT_EQ(text.count(), static_cast<int>(GetParam().questions.size()));
    const QByteArray bytes = text.finish();
    EXPECT_EQ(bytes, iniBytes(stored));
    // The writer starts anew after finish().
    EXPECT_EQ(text.finish(), iniBytes({}));
}

const QString kLong = QString(110, QLatin1Char('x'));
const QString kTooLong = QString(300, QLatin1Char('y'));

INSTANTIATE_TEST_SUITE_P(
    PoolFile, PoolFileTextBytes,
    ::testing::Values(
        PoolTextCase{"EmptyPool", {}},
        PoolTextCase{"PlainQuestions",
                     {slot(QStringLiteral("Capital of France?")), slot(QStringLiteral("2+2?"))}},
        PoolTextCase{"EstimationAndEmptyFields",
                     {slot(QStringLiteral("Year?"), QStringLiteral("1969"), QStringLiteral("ife")),
                      slot({}, {}, {}, {})}},
        PoolTextCase{"WesternEuropeanLettersAndUnknownCharacters",
                     {slot(QStringLiteral("Größe in €?"), QStringLiteral("Ça"), QStringLiteral("Ω"),
                           QStringLiteral("4"))}},
        PoolTextCase{
            "LineBreaksBecomeBlanks",
            {slot(QStringLiteral("two\r\nlines"), QStringLiteral("a\nb"), QStringLiteral("c\rd"))}},
        PoolTextCase{"EqualsAndBracketsInTexts",
                     {slot(QStringLiteral("[1]"), QStringLiteral("a=b"), QStringLiteral("="))}},
        PoolTextCase{"FullFieldsAndOverlongLines", {slot(kLong, kLong, kTooLong, kTooLong)}}),
    [](const auto& info) { return testName(info.param.name); });

}  // namespace
}  // namespace trivanto
