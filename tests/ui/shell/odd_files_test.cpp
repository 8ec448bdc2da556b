// FIFOs and device links where the program expects its files: the start never waits for a
// writer, and a file the player expects is named instead of read.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

#include "core/app/qt_settings_store.h"
#include "core/common/file_path.h"
#include "support/app_fixture.h"
#include "support/category_files.h"
#include "support/small_disk.h"
#include "support/test_names.h"
#include "ui/setup/spieler_form.h"
#include "ui/shell/main_form.h"

namespace trivanto {
namespace {

enum class Odd { Fifo, DeviceLink };

struct OddFileCase {
    const char* name;
    const char* file;  // in the program folder, or "Trivanto.conf": the settings
    Odd odd;
    // What the player is told (the file's name or the settings' problem follows the text),
    // and when: at the start or when the new-game window lists the categories.
    std::optional<Msg> told;
    bool toldByNewGame = false;
};

class OddFiles : public ShellAppTest, public ::testing::WithParamInterface<OddFileCase> {
protected:
    void SetUp() override {
        ShellAppTest::SetUp();
        setuptest::writeCategory(progDir(), QStringLiteral("Animals"), 12);
        setuptest::writeCategory(progDir(), QStringLiteral("Cities"), 12);
    }
    QTemporaryDir m_settingsDir;
    // Outlives the application, which the fixture ends first.
    std::unique_ptr<SettingsStore> m_store;
};

TEST_P(OddFiles, TheStartGoesOnAndAnExpectedFileIsNamed) {
    const OddFileCase& c = GetParam();
    const bool settingsFile = QLatin1String(c.file) == QLatin1String("Trivanto.conf");
    const QString path = settingsFile ? m_settingsDir.filePath(QLatin1String(c.file))
                                      : filePath(progDir(), QLatin1String(c.file));
    if (c.odd == Odd::Fifo) {
        ASSERT_TRUE(makeFifo(path));
    } else {
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
    }
    // As main() opens it: a FIFO would hold the start before the first window.
    AppEnvironment env = environment();
    if (settingsFile) {
        m_store = openSettingsStore(path);
        env.settings = m_store.get();
    }
    ASSERT_TRUE(startApp(env));
    QString expected;
    if (c.told == Msg::MsgSettingsUnwritable) {
        expected =
            app->catalogue().text(*c.told) + path + QStringLiteral(": is not a regular file");
    } else if (c.told) {
        expected = app->catalogue().text(*c.told) + QLatin1String(c.file);
    }
    const QStringList toldAtStart =
        c.told && !c.toldByNewGame ? QStringList{expected} : QStringList{};
    EXPECT_EQ(dialog.texts(), toldAtStart);

    TSpielerForm* setup = app->spielerForm();
    int listed = -1;
    whenModal([&] {
        listed = control<QListWidget>(setup, "Rubrikwahl")->count();
        QTest::mouseClick(control(setup, "AbbrechenButton"), Qt::LeftButton);
    });
    QTest::mouseClick(control(app->mainForm(), "NeuesSpielButton"), Qt::LeftButton);
    // Only the two real categories are listed.
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(dialog.texts(), c.told ? QStringList{expected} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Files, OddFiles,
    ::testing::Values(
        OddFileCase{"BannerFifo", "banner.dat", Odd::Fifo, std::nullopt},
        OddFileCase{"WriteTestFifo", "bb.tmp", Odd::Fifo, std::nullopt},
        OddFileCase{"SettingsFifo", "Trivanto.conf", Odd::Fifo, Msg::MsgSettingsUnwritable},
        OddFileCase{"CategoryFifo", "Quiz.trv", Odd::Fifo, Msg::MsgCategoryUnreadable, true},
        OddFileCase{"CategoryDeviceLink", "Zero.trv", Odd::DeviceLink, Msg::MsgCategoryUnreadable,
                    true}),
    [](const auto& info) { return testName(info.param.name); });

}  // namespace
}  // namespace trivanto
