#include <gtest/gtest.h>

#include <QSettings>

#include "support/process_fixture.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

struct ZoomRun {
    const char* zoom;
    const char* language;
    const char* ratio;  // the offscreen screen is 800 x 600: fit is 1.25
};

class ZoomProcessTest : public ShellProcessTest, public ::testing::WithParamInterface<ZoomRun> {
protected:
    // Runs the game to its loop and back; what it reported of its main window.
    QString readyLine(QStringList extra,
                      const QList<std::pair<QString, QString>>& environment = {}) {
        auto p =
            launch(extra << QStringLiteral("--report-ready") << QStringLiteral("--quit-when-idle"),
                   environment);
        EXPECT_TRUE(p->waitForFinished(kTimeoutMs));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        for (const QByteArray& line : p->readAllStandardOutput().split('\n')) {
            if (line.startsWith("Trivanto ready")) {
                return QString::fromUtf8(line);
            }
        }
        return {};
    }
    QString storedZoom() const {
        return QSettings(path("settings.ini"), QSettings::IniFormat)
            .value(QStringLiteral("Display/Zoom"))
            .toString();
    }
};

// The windows keep their own sizes; the zoom shows as the pixel ratio they are drawn at.
TEST_P(ZoomProcessTest, TheMainWindowIsDrawnAtTheZoomAndTheZoomIsRemembered) {
    const QString expected = QStringLiteral("Trivanto ready: main window 640x479 at pixel ratio %1")
                                 .arg(QLatin1String(GetParam().ratio));
    const QStringList language{QStringLiteral("--language"), QLatin1String(GetParam().language)};
    EXPECT_EQ(
        readyLine(QStringList{QStringLiteral("--zoom"), QLatin1String(GetParam().zoom)} + language),
        expected);
    EXPECT_EQ(storedZoom(), QLatin1String(GetParam().zoom));
    // The next start without the option keeps it.
    EXPECT_EQ(readyLine(language), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Zoom, ZoomProcessTest,
    ::testing::Values(ZoomRun{"1", "englisch", "1"}, ZoomRun{"1.5", "deutsch", "1.5"},
                      ZoomRun{"2", "englisch", "2"}, ZoomRun{"2", "deutsch", "2"},
                      ZoomRun{"fit", "englisch", "1.25"}),
    [](const auto& info) {
        return testName(std::string(info.param.zoom) + "_" + info.param.language);
    });

TEST_F(ShellProcessTest, ScaleFactorOfTheEnvironmentWinsOverTheZoom) {
    auto p = launch({QStringLiteral("--zoom"), QStringLiteral("2"),
                     QStringLiteral("--report-ready"), QStringLiteral("--quit-when-idle")},
                    {{QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1")}});
    ASSERT_TRUE(p->waitForFinished(kTimeoutMs));
    EXPECT_TRUE(p->readAllStandardOutput().contains("at pixel ratio 1\n"));
}

}  // namespace
}  // namespace trivanto
