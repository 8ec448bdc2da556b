#include <gtest/gtest.h>

#include "core/app/app_options.h"
#include "core/app/memory_settings_store.h"
#include "core/app/zoom.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

struct ZoomTextCase {
    const char* text;
    std::optional<Zoom> zoom;
};

class ZoomFromText : public ::testing::TestWithParam<ZoomTextCase> {};

TEST_P(ZoomFromText, ReadsTheZoomsAndNothingElse) {
    EXPECT_EQ(zoomFromText(QString::fromUtf8(GetParam().text)), GetParam().zoom);
}

INSTANTIATE_TEST_SUITE_P(
    Zoom, ZoomFromText,
    ::testing::Values(ZoomTextCase{"1", Zoom::One}, ZoomTextCase{"1x", Zoom::One},
                      ZoomTextCase{"100%", Zoom::One}, ZoomTextCase{"1.5", Zoom::OneAndHalf},
                      ZoomTextCase{"1,5", Zoom::OneAndHalf}, ZoomTextCase{"150%", Zoom::OneAndHalf},
                      ZoomTextCase{" 2 ", Zoom::Two}, ZoomTextCase{"2.0", Zoom::Two},
                      ZoomTextCase{"fit", Zoom::Fit}, ZoomTextCase{"Fullscreen", Zoom::Fit},
                      ZoomTextCase{"3", std::nullopt}, ZoomTextCase{"0", std::nullopt},
                      ZoomTextCase{"", std::nullopt}, ZoomTextCase{"%", std::nullopt},
                      ZoomTextCase{"1.25", std::nullopt}, ZoomTextCase{"big", std::nullopt}),
    [](const auto& info) { return testName(info.param.text) + "_" + std::to_string(info.index); });

TEST(Zoom, IsRememberedAndUnknownStoredValuesMeanOne) {
    MemorySettingsStore settings;
    EXPECT_EQ(storedZoom(settings), Zoom::One);
    for (const Zoom zoom : {Zoom::OneAndHalf, Zoom::Fit, Zoom::Two, Zoom::One}) {
        storeZoom(settings, zoom);
        EXPECT_EQ(storedZoom(settings), zoom) << zoomText(zoom).toStdString();
    }
    settings.setString(QStringLiteral("Display/Zoom"), QStringLiteral("7"));
    EXPECT_EQ(storedZoom(settings), Zoom::One);
}

TEST(Zoom, FullScreenKeyGoesToFitAndBackToTheZoomBefore) {
    MemorySettingsStore settings;
    storeZoom(settings, Zoom::OneAndHalf);
    EXPECT_EQ(toggleFullScreen(settings), Zoom::Fit);
    EXPECT_EQ(storedZoom(settings), Zoom::Fit);
    EXPECT_EQ(toggleFullScreen(settings), Zoom::OneAndHalf);
    EXPECT_EQ(storedZoom(settings), Zoom::OneAndHalf);

    // Started in full screen by the option, with no zoom before it: back to 1.
    MemorySettingsStore fresh;
    storeZoom(fresh, Zoom::Fit);
    EXPECT_EQ(toggleFullScreen(fresh), Zoom::One);
}

struct FitCase {
    const char* name;
    QSize screen;
    double factor;
};

class ZoomFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ZoomFit, TheMainWindowFillsTheScreenWholeAndNeverShrinks) {
    const double factor = zoomFactor(Zoom::Fit, GetParam().screen);
    EXPECT_DOUBLE_EQ(factor, GetParam().factor);
    if (!GetParam().screen.isEmpty()) {
        EXPECT_LE(640 * factor, std::max(640, GetParam().screen.width()));
        EXPECT_LE(479 * factor, std::max(479, GetParam().screen.height()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zoom, ZoomFit,
    ::testing::Values(FitCase{"FullHd", {1920, 1080}, 2.25}, FitCase{"Uhd", {3840, 2160}, 4.5},
                      FitCase{"Portrait", {1080, 1920}, 1.68}, FitCase{"Svga", {800, 600}, 1.25},
                      FitCase{"DesignSize", {640, 479}, 1.0}, FitCase{"Smaller", {320, 240}, 1.0},
                      FitCase{"NoScreen", {}, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Zoom, StepsHaveTheirFactorsOnAnyScreen) {
    EXPECT_DOUBLE_EQ(zoomFactor(Zoom::One, {3840, 2160}), 1.0);
    EXPECT_DOUBLE_EQ(zoomFactor(Zoom::OneAndHalf, {800, 600}), 1.5);
    EXPECT_DOUBLE_EQ(zoomFactor(Zoom::Two, {}), 2.0);
}

TEST(Zoom, OptionTakesTheStepsAndRefusesOthers) {
    const QProcessEnvironment none;
    EXPECT_TRUE(
        parseAppOptions({QStringLiteral("--zoom"), QStringLiteral("fit")}, none).error.isEmpty());
    EXPECT_TRUE(
        parseAppOptions(
            {QStringLiteral("--zoom"), QStringLiteral("1.5"), QStringLiteral("--no-splash")}, none)
            .options.noSplash);
    EXPECT_EQ(parseAppOptions({QStringLiteral("--zoom"), QStringLiteral("3")}, none).error,
              QStringLiteral("--zoom takes 1, 1.5, 2 or fit, not 3"));
    EXPECT_EQ(parseAppOptions({QStringLiteral("--zoom")}, none).error,
              QStringLiteral("--zoom needs a value"));
}

TEST(Zoom, TheNextStartNoticeNamesTheNextStartInBothLanguages) {
    for (const Language language : {Language::Englisch, Language::Deutsch}) {
        const QString full = zoomNextStartText(Zoom::Fit, language);
        const QString window = zoomNextStartText(Zoom::One, language);
        EXPECT_NE(full, window);
        for (const QString& text : {full, window}) {
            EXPECT_TRUE(text.contains(language == Language::Deutsch
                                          ? QStringLiteral("nächsten Start")
                                          : QStringLiteral("next start")))
                << text.toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("F11")));
        }
    }
}

}  // namespace
}  // namespace trivanto
