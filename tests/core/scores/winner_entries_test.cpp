// How typed winner names are tidied before they are checked and sent.
#include "core/scores/winner_entries.h"

#include <gtest/gtest.h>

#include "support/test_names.h"

namespace trivanto {
namespace {

struct TidyCase {
    const char* name;
    QString typed;
    QString sent;
};

class TidyWinnerName : public ::testing::TestWithParam<TidyCase> {};

TEST_P(TidyWinnerName, CapitalisesOnlyAPlainFirstLetter) {
    EXPECT_EQ(tidyWinnerName(GetParam().typed), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TidyWinnerName,
    ::testing::Values(TidyCase{"LowerFirstLetter", QStringLiteral("anna"), QStringLiteral("Anna")},
                      TidyCase{"OnlyTheFirstLetter", QStringLiteral("anna lee"),
                               QStringLiteral("Anna lee")},
                      TidyCase{"UmlautStays", QStringLiteral("ärger"), QStringLiteral("ärger")},
                      TidyCase{"DigitStays", QStringLiteral("1abc"), QStringLiteral("1abc")},
                      TidyCase{"BlanksAroundGo", QStringLiteral("  bo  "), QStringLiteral("Bo")},
                      TidyCase{"OnlyBlanksIsEmpty", QStringLiteral("   "), QString()},
                      TidyCase{"CutToFifteen", QStringLiteral("maximilian-alexander"),
                               QStringLiteral("Maximilian-alex")}),
    [](const auto& info) { return testName(info.param.name); });

}  // namespace
}  // namespace trivanto
