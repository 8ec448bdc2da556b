#include <gtest/gtest.h>

#include "note_text.h"

namespace trivanto::synth {
namespace {

struct Event {
    double beat;
    double beats;
    std::vector<int> keys;
    double velocity = 1.0;
};

struct Written {
    const char* name;
    const char* text;
    bool drums;
    std::vector<Event> events;
};

void PrintTo(const Written& w, std::ostream* os) {
    *os << w.text;
}

class NoteTextTest : public ::testing::TestWithParam<Written> {};

TEST_P(NoteTextTest, ReadsTheNotesAtTheirBeats) {
    const Written& w = GetParam();
    const auto events = parseNotes(QString::fromUtf8(w.text), w.drums, 4);
    ASSERT_TRUE(events.ok()) << events.error().toStdString();
    ASSERT_EQ(events->size(), w.events.size());
    for (std::size_t i = 0; i < w.events.size(); ++i) {
        const NoteEvent& got = events.value()[i];
        EXPECT_NEAR(got.beat, w.events[i].beat, 1e-9) << "event " << i;
        EXPECT_NEAR(got.beats, w.events[i].beats, 1e-9) << "event " << i;
        EXPECT_EQ(got.keys, w.events[i].keys) << "event " << i;
        EXPECT_DOUBLE_EQ(got.velocity, w.events[i].velocity) << "event " << i;
    }
}

constexpr int kKick = static_cast<int>(Drum::Kick);
constexpr int kHat = static_cast<int>(Drum::Hat);

INSTANTIATE_TEST_SUITE_P(
    Texts, NoteTextTest,
    ::testing::Values(Written{"LengthStaysInForce",
                              "C4:0.5 D4 E4:1",
                              false,
                              {{0, 0.5, {60}}, {0.5, 0.5, {62}}, {1, 1, {64}}}},
                      Written{"SharpsFlatsAndOctaves",
                              "A4 F#5 Bb3 C0:1/2",
                              false,
                              {{0, 1, {69}}, {1, 1, {78}}, {2, 1, {58}}, {3, 0.5, {12}}}},
                      Written{"ChordsAndRests",
                              "C4+E4+G4:2 r:1 G3@0.25",
                              false,
                              {{0, 2, {60, 64, 67}}, {3, 1, {55}, 0.25}}},
                      Written{"TripletsFillABar",
                              "G4:1/3 G4 G4 C5:1 E5 G5 |",
                              false,
                              {{0, 1.0 / 3, {67}},
                               {1.0 / 3, 1.0 / 3, {67}},
                               {2.0 / 3, 1.0 / 3, {67}},
                               {1, 1, {72}},
                               {2, 1, {76}},
                               {3, 1, {79}}}},
                      Written{"RepeatsNest",
                              "( C4:1 ( D4 )*3 )*2 |",
                              false,
                              {{0, 1, {60}},
                               {1, 1, {62}},
                               {2, 1, {62}},
                               {3, 1, {62}},
                               {4, 1, {60}},
                               {5, 1, {62}},
                               {6, 1, {62}},
                               {7, 1, {62}}}},
                      Written{"Drums",
                              "kick+hat:0.5 hat@0.4 r:3 |",
                              true,
                              {{0, 0.5, {kKick, kHat}}, {0.5, 0.5, {kHat}, 0.4}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Mistake {
    const char* name;
    const char* text;
    bool drums;
    const char* says;
};

void PrintTo(const Mistake& m, std::ostream* os) {
    *os << m.text;
}

class NoteTextMistakeTest : public ::testing::TestWithParam<Mistake> {};

TEST_P(NoteTextMistakeTest, IsNamed) {
    const Mistake& m = GetParam();
    const auto events = parseNotes(QString::fromUtf8(m.text), m.drums, 4);
    ASSERT_FALSE(events.ok());
    EXPECT_TRUE(events.error().contains(QString::fromUtf8(m.says))) << events.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NoteTextMistakeTest,
    ::testing::Values(Mistake{"NoPitch", "C4 H4", false, "'H4' is no pitch"},
                      Mistake{"AboveTheRange", "A9", false, "'A9' is no pitch"},
                      Mistake{"DrumInAPitchedPart", "kick", false, "no pitch"},
                      Mistake{"PitchInTheKit", "C4", true, "'C4' is no drum"},
                      Mistake{"ZeroLength", "C4:0", false, "the length"},
                      Mistake{"LengthNoNumber", "C4:x", false, "the length"},
                      Mistake{"FractionByZero", "C4:1/0", false, "the length"},
                      Mistake{"LoudVelocity", "C4@2", false, "velocity"},
                      Mistake{"BarLineInsideABar", "C4:3 | D4", false, "beat 3"},
                      Mistake{"OpenRepeat", "( C4", false, "not closed"},
                      Mistake{"CloseWithoutOpen", "C4 )", false, "closes no"},
                      Mistake{"RepeatOfNothing", "( C4 )*0", false, "a repeat"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PitchNumber, FollowsTheMidiNumbers) {
    EXPECT_EQ(pitchNumber(QStringLiteral("C4")), 60);
    EXPECT_EQ(pitchNumber(QStringLiteral("A4")), 69);
    EXPECT_EQ(pitchNumber(QStringLiteral("Cb4")), 59);
    EXPECT_EQ(pitchNumber(QStringLiteral("B#3")), 60);
    EXPECT_EQ(pitchNumber(QStringLiteral("C0")), 12);
    EXPECT_EQ(pitchNumber(QStringLiteral("C-1")), -1);  // below what a cue can use
    EXPECT_EQ(pitchNumber(QStringLiteral("c4")), -1);
}

}  // namespace
}  // namespace trivanto::synth
