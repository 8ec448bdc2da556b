// Every shipped question survives the way through a category file and back to a source, the
// way an author exports a category from the editor or from trivanto-cat.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "core/common/whole_file.h"
#include "core/questions/category_source.h"

namespace trivanto {
namespace {

// Where two lists of questions first differ; empty when they hold the same questions.
QString firstDifference(const std::vector<PlainQuestion>& a, const std::vector<PlainQuestion>& b) {
    if (a.size() != b.size()) {
        return QStringLiteral("%1 questions instead of %2").arg(b.size()).arg(a.size());
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (!sameContent(a[i], b[i])) {
            return QStringLiteral("question %1 \"%2\"").arg(i + 1).arg(a[i].question);
        }
    }
    return {};
}

class CategoryRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(CategoryRoundTrip, SourcesComeBackFromTheirCategoryFiles) {
    const QDir folder(QStringLiteral(TRIVANTO_SOURCE_DIR "/data/categories/") +
                      QString::fromLatin1(GetParam()));
    const QStringList names =
        folder.entryList({QStringLiteral("*.json"), QStringLiteral("*.csv")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const Result<QByteArray> bytes = readWholeFile(folder.filePath(name));
        ASSERT_TRUE(bytes.ok()) << bytes.error().toStdString();
        const SourceFormat format = *sourceFormatOf(name);
        const ParsedSource parsed = parseCategorySource(*bytes, format);
        ASSERT_TRUE(parsed.problems.empty());
        const TQuestionFile file =
            buildCategory(parsed.questions, QFileInfo(name).completeBaseName(), QDateTime());
        EXPECT_EQ(firstDifference(parsed.questions, categoryQuestions(file)), QString());
        for (const SourceFormat out : {SourceFormat::Json, SourceFormat::Csv}) {
            const ParsedSource again =
                parseCategorySource(writeCategorySource(categoryQuestions(file), out), out);
            EXPECT_TRUE(again.problems.empty());
            EXPECT_EQ(firstDifference(parsed.questions, again.questions), QString());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CategoryRoundTrip, ::testing::Values("englisch", "deutsch"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
}  // namespace trivanto
