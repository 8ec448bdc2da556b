// The floor check that the test command runs: each kind of upward include is caught, and a
// tree that keeps to its floors passes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct FloorCase {
    const char* name;
    const char* file;
    const char* include;
    bool passes;
};

class FloorsScript : public ::testing::TestWithParam<FloorCase> {};

int runScript(const QString& root, QString* output) {
    QProcess script;
    script.setProcessChannelMode(QProcess::MergedChannels);
    script.start(QStringLiteral("bash"),
                 {QStringLiteral(TRIVANTO_SOURCE_DIR "/scripts/check-floors.sh"), root});
    if (!script.waitForFinished(60000)) {
        return -1;
    }
    *output = QString::fromUtf8(script.readAll());
    return script.exitCode();
}

TEST_P(FloorsScript, CatchesEveryUpwardInclude) {
    const FloorCase& c = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString path = root.filePath(QString::fromLatin1(c.file));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("#pragma once\n#include ") + c.include + "\n");
    file.close();

    QString output;
    const int exitCode = runScript(root.path(), &output);
    EXPECT_EQ(exitCode == 0, c.passes) << output.toStdString();
    if (!c.passes) {
        EXPECT_TRUE(output.contains(QString::fromLatin1(c.file))) << output.toStdString();
    }
}

const FloorCase kCases[] = {
    {"CoreIncludesAWindow", "src/core/game/x.h", "\"ui/game/game_board.h\"", false},
    {"CoreIncludesAWidgetHeader", "src/core/game/x.h", "<QLabel>", false},
    {"CoreIncludesQtCore", "src/core/game/x.h", "<QString>", true},
    {"WidgetsIncludeCommon", "src/ui/widgets/x.h", "\"ui/common/warten_form.h\"", false},
    {"CommonIncludesAFeature", "src/ui/common/x.h", "\"ui/setup/spieler_form.h\"", false},
    {"FeatureIncludesTheShell", "src/ui/game/x.h", "\"ui/shell/main_form.h\"", false},
    {"FeatureIncludesAnotherFeature", "src/ui/setup/x.h", "\"ui/game/game_board.h\"", false},
    {"FeatureIncludesCommonAndWidgets", "src/ui/setup/x.h", "\"ui/common/warten_form.h\"", true},
    {"FeatureIncludesItself", "src/ui/editor/x.h", "\"ui/editor/editor_form.h\"", true},
    {"ShellIncludesAFeature", "src/ui/shell/x.h", "\"ui/game/game_board.h\"", true},
    {"ToolIncludesAWindow", "tools/pack/x.cpp", "\"ui/common/warten_form.h\"", false},
    {"ToolDrawsWithTheKit", "tools/art/x.cpp", "\"ui/widgets/artwork.h\"", true},
};

INSTANTIATE_TEST_SUITE_P(Includes, FloorsScript, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FloorsScriptOnThisTree, EveryIncludeKeepsToItsFloor) {
    QString output;
    EXPECT_EQ(runScript(QStringLiteral(TRIVANTO_SOURCE_DIR), &output), 0) << output.toStdString();
}

}  // namespace
