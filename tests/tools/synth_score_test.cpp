#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "score_reader.h"

namespace trivanto::synth {
namespace {

// A small score; `extra` is spliced in among its fields.
QByteArray score(const char* extra = "",
                 const char* part = R"({"instrument": "tone", "notes": "C4:1"})") {
    return QByteArray(R"({"title": "Test", "tempo": 90, )") + extra +
           R"( "instruments": {"tone": {"partials": [1, [2.76, 0.5]], "sustain": 0}}, "parts": [)" +
           part + "]}";
}

TEST(ScoreReader, ReadsAScoreWithItsDefaults) {
    const auto read = readScore(score(R"("key": "C major", "reverb": {"mix": 0.2},)"));
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(read->title, QStringLiteral("Test"));
    EXPECT_DOUBLE_EQ(read->tempo, 90);
    EXPECT_EQ(read->beatsPerBar, 4);
    EXPECT_DOUBLE_EQ(read->reverb.mix, 0.2);
    const Instrument& tone = read->instruments.at(QStringLiteral("tone"));
    ASSERT_EQ(tone.partials.size(), 2u);
    EXPECT_DOUBLE_EQ(tone.partials[0].ratio, 1.0);  // a bare amplitude is the next harmonic
    EXPECT_DOUBLE_EQ(tone.partials[1].ratio, 2.76);
    EXPECT_DOUBLE_EQ(tone.sustain, 0.0);
    ASSERT_EQ(read->parts.size(), 1u);
    EXPECT_EQ(read->parts[0].events.size(), 1u);
}

struct BadScore {
    const char* name;
    QByteArray json;
    const char* says;
};

void PrintTo(const BadScore& b, std::ostream* os) {
    *os << b.name;
}

class ScoreReaderMistakeTest : public ::testing::TestWithParam<BadScore> {};

TEST_P(ScoreReaderMistakeTest, IsNamedWithItsPlace) {
    const auto read = readScore(GetParam().json);
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.error().contains(QString::fromUtf8(GetParam().says)))
        << read.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ScoreReaderMistakeTest,
    ::testing::Values(
        BadScore{"NotJson", "{\"title\": ", "not JSON"},
        BadScore{"NoObject", "[1, 2]", "one JSON object"},
        BadScore{"MisspeltField", score(R"("tempoo": 100,)"), "unknown field \"tempoo\""},
        BadScore{"TempoOutOfRange", score(R"("tempo": 0,)"), "\"tempo\" must be a number"},
        BadScore{"UnknownInstrument", score("", R"({"instrument": "horn", "notes": "C4"})"),
                 "part 1: no instrument \"horn\""},
        BadScore{
            "BadNoteNamesItsPart",
            score(
                "",
                R"({"instrument": "tone", "notes": "C4"}, {"instrument": "tone", "notes": "X4"})"),
            "part 2: 'X4'"},
        BadScore{"PanOutOfRange", score("", R"({"instrument": "tone", "pan": 2, "notes": "C4"})"),
                 "\"pan\""},
        BadScore{"NoParts", R"({"title": "T", "parts": []})", "at least one part"},
        BadScore{
            "KitNameTaken",
            R"({"title": "T", "instruments": {"drums": {"partials": [1]}}, "parts": [{"instrument": "drums", "notes": "kick"}]})",
            "built-in kit"},
        BadScore{
            "PartialOutOfRange",
            R"({"title": "T", "instruments": {"t": {"partials": [[0, 1]]}}, "parts": [{"instrument": "t", "notes": "C4"}]})",
            "partial 1"},
        BadScore{
            "InstrumentFileWithoutAFolder",
            R"({"title": "T", "instruments": "instruments.json", "parts": [{"instrument": "t", "notes": "C4"}]})",
            "\"instruments\" holds"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScoreReader, TakesInstrumentsFromAFileBesideTheScore) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile palette(dir.filePath(QStringLiteral("palette.json")));
    ASSERT_TRUE(palette.open(QIODevice::WriteOnly));
    palette.write(R"({"bell": {"partials": [[1, 1], [2.76, 0.4]], "sustain": 0}})");
    palette.close();
    QFile file(dir.filePath(QStringLiteral("cue.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"title": "T", "instruments": ["palette.json", {"own": {"partials": [1]}}],
                   "parts": [{"instrument": "bell", "notes": "C5"}, {"instrument": "own", "notes": "C4"}]})");
    file.close();

    const auto read = readScoreFile(file.fileName());
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(read->instruments.size(), 2u);

    const auto missing = readScoreFile(dir.filePath(QStringLiteral("none.json")));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(dir.filePath(QStringLiteral("none.json"))));
    ASSERT_TRUE(QFile::remove(palette.fileName()));
    const auto noPalette = readScoreFile(file.fileName());
    ASSERT_FALSE(noPalette.ok());
    EXPECT_TRUE(noPalette.error().contains(QStringLiteral("palette.json")));
}

}  // namespace
}  // namespace trivanto::synth
